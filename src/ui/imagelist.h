#pragma once
// A strip of equal-sized pictures, taken from a bitmap resource by the widget set.
#include <memory>
#include <string>

#include "ui/component.h"

namespace ui {

class ImageListPeer {
 public:
  virtual ~ImageListPeer() = default;
};

class ImageList : public Component {
 public:
  ImageList(std::string name, int width, int height, std::string resource, int count)
      : Component(std::move(name)), Width(width), Height(height), Resource(std::move(resource)), Count(count) {}
  int Width, Height;
  std::string Resource;  // bitmap resource holding the images side by side; magenta is transparent
  int Count;
  ImageListPeer* Peer() const { return peer_.get(); }
  void AttachPeer(std::unique_ptr<ImageListPeer> peer) { peer_ = std::move(peer); }

 private:
  std::unique_ptr<ImageListPeer> peer_;
};

}  // namespace ui
