#pragma once
// Base of every component: a name and the components it owns, as a form owns its controls.
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace ui {

class Component {
 public:
  explicit Component(std::string name) : name_(std::move(name)) {}
  virtual ~Component() { ReleaseOwned(); }
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  const std::string& Name() const { return name_; }
  int Tag = 0;

  // Creates a component owned by this one; it lives as long as its owner.
  template <class T, class... Args>
  T* Own(Args&&... args) {
    auto made = std::make_unique<T>(std::forward<Args>(args)...);
    T* raw = made.get();
    owned_.push_back(std::move(made));
    return raw;
  }

  const std::vector<std::unique_ptr<Component>>& Owned() const { return owned_; }

 protected:
  // Destroys the owned components, the latest first.
  void ReleaseOwned() {
    while (!owned_.empty()) owned_.pop_back();
  }

 private:
  std::string name_;
  std::vector<std::unique_ptr<Component>> owned_;
};

}  // namespace ui
