#include "ui/image.h"
#include "ui/win32/native_window.h"
#include "ui/win32/peers.h"

namespace ui::win32 {
namespace {

class ImagePeerW : public Win32Peer<ControlPeer> {
 public:
  ImagePeerW(Win32WidgetSet& ws, Image& i) : Win32Peer(ws, i), image_(i) {
    CreateChild(WC_STATICW, SS_BITMAP | SS_NOTIFY | SS_REALSIZECONTROL);
    bitmap_ = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), Widen(i.Resource).c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (bitmap_) SendMessageW(hwnd_, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap_));
  }
  ~ImagePeerW() override {
    if (bitmap_) DeleteObject(bitmap_);
  }
  void SetText(const std::string&) override {}
  bool OnCommand(WORD, WORD code) override {
    if (code != STN_CLICKED) return false;
    image_.Click();
    return true;
  }
  bool OnMessage(UINT msg, WPARAM, LPARAM, LRESULT& result) override {
    if (msg != WM_SETCURSOR || !image_.HandCursor) return false;
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    result = TRUE;
    return true;
  }

 private:
  Image& image_;
  HBITMAP bitmap_ = nullptr;
};

}  // namespace

std::unique_ptr<ControlPeer> MakeImagePeer(Win32WidgetSet& ws, Image& c) { return std::make_unique<ImagePeerW>(ws, c); }

std::unique_ptr<ImageListPeer> MakeImageListPeer(ImageList& images) {
  HIMAGELIST list = ImageList_Create(images.Width, images.Height, ILC_COLOR24 | ILC_MASK, images.Count, 0);
  auto strip = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), Widen(images.Resource).c_str(),
                                               IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (strip) {
    ImageList_AddMasked(list, strip, RGB(255, 0, 255));
    DeleteObject(strip);
  }
  return std::make_unique<Win32ImageList>(list);
}

}  // namespace ui::win32
