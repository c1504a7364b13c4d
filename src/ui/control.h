#pragma once
// A visual control: state in fields, forwarded to a native peer only when one exists.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/component.h"

namespace ui {

using NotifyEvent = std::function<void()>;

struct Rect {
  int Left = 0, Top = 0, Width = 0, Height = 0;
  bool operator==(const Rect&) const = default;
};

enum class Align { None, Top, Bottom, Client };

class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  virtual void SetText(const std::string&) {}
  virtual void SetEnabled(bool) {}
  virtual void SetVisible(bool) {}
  virtual void SetBounds(const Rect&) {}
  virtual void SetFocus() {}
};

class Form;

class Control : public Component {
 public:
  Control(Control* parent, std::string name);
  ~Control() override;

  Control* Parent() const { return parent_; }
  const std::vector<Control*>& Children() const { return children_; }
  Form* OwnerForm();

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& text);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);

  const Rect& Bounds() const { return bounds_; }
  void SetBounds(const Rect& r);
  int Left() const { return bounds_.Left; }
  int Top() const { return bounds_.Top; }
  int Width() const { return bounds_.Width; }
  int Height() const { return bounds_.Height; }
  void SetLeft(int v) { SetBounds({v, bounds_.Top, bounds_.Width, bounds_.Height}); }
  void SetTop(int v) { SetBounds({bounds_.Left, v, bounds_.Width, bounds_.Height}); }
  void SetWidth(int v) { SetBounds({bounds_.Left, bounds_.Top, v, bounds_.Height}); }
  void SetHeight(int v) { SetBounds({bounds_.Left, bounds_.Top, bounds_.Width, v}); }

  Align GetAlign() const { return align_; }
  void SetAlign(Align a) { align_ = a; }

  int HelpContext = 0;
  std::string Hint;

  // Records this control as its form's active control and focuses the peer.
  void SetFocus();
  bool Focused();

  ControlPeer* Peer() const { return peer_.get(); }
  void AttachPeer(std::unique_ptr<ControlPeer> peer);
  void DetachPeer() { peer_.reset(); }

  // Peer -> component: the user moved or resized the native window.
  void NotifyBounds(const Rect& r) { bounds_ = r; }
  void NotifyText(const std::string& text) { caption_ = text; }

 protected:
  // Gives a newly attached peer the kind-specific state.
  virtual void PushState() {}
  template <class P>
  P* PeerAs() const { return static_cast<P*>(peer_.get()); }

 private:
  Control* parent_;
  std::vector<Control*> children_;
  std::string caption_;
  bool enabled_ = true;
  bool visible_ = true;
  Rect bounds_;
  Align align_ = Align::None;
  std::unique_ptr<ControlPeer> peer_;
};

}  // namespace ui
