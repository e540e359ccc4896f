// Picture: a STATIC showing an icon (or else a bitmap) from the program's resources.
#include <windows.h>

#include <windowsx.h>

#include "platform/win32/control_peers.h"

namespace orvel::win32 {
namespace {

class PicturePeer final : public ControlPeer {
 public:
  PicturePeer(FormWindow& form, ui::Picture& picture) : ControlPeer(form, picture), pic_(picture) {
    if (!CreateControl(L"STATIC", L"", SS_ICON | SS_CENTERIMAGE | SS_NOTIFY, 0)) return;
    ApplyImage();
    Subclass();
    ApplyState();
  }

  void OnCommand(UINT code) override {
    if (code == STN_CLICKED && pic_.Enabled() && pic_.onClick) pic_.onClick();
    else if (code == STN_DBLCLK) pic_.UserDblClick();
  }

 protected:
  void OnChanged(ui::Property what) override {
    if (what == ui::Property::Picture) ApplyImage();
  }

  LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg != WM_LBUTTONDOWN && msg != WM_RBUTTONDOWN)
      return ControlPeer::OnMessage(hwnd, msg, wp, lp);
    const auto button = msg == WM_LBUTTONDOWN ? ui::MouseButton::Left : ui::MouseButton::Right;
    pic_.UserMouseDown(button, ShiftOf(wp), ToTwips(GET_X_LPARAM(lp)), ToTwips(GET_Y_LPARAM(lp)));
    return StillOurs(hwnd, this) ? DefSubclassProc(hwnd, msg, wp, lp) : 0;
  }

 private:
  void ApplyImage() {
    HINSTANCE inst = GetModuleHandleW(nullptr);
    const int id = pic_.ImageId();
    IconHandle icon;
    BitmapHandle bitmap;
    if (id > 0) {
      icon.reset(static_cast<HICON>(
          LoadImageW(inst, MAKEINTRESOURCEW(id), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE)));
      if (!icon)
        bitmap.reset(static_cast<HBITMAP>(
            LoadImageW(inst, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    }
    StyleBits(hwnd(), SS_TYPEMASK, false);
    StyleBits(hwnd(), bitmap ? SS_BITMAP : SS_ICON, true);
    if (bitmap)
      SendMessageW(hwnd(), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap.get()));
    else
      SendMessageW(hwnd(), STM_SETICON, reinterpret_cast<WPARAM>(icon.get()), 0);
    // Keep the new image alive as long as the control shows it.
    icon_ = std::move(icon);
    bitmap_ = std::move(bitmap);
  }

  ui::Picture& pic_;
  IconHandle icon_;
  BitmapHandle bitmap_;
};

}  // namespace

std::unique_ptr<ControlPeer> MakePicturePeer(FormWindow& form, ui::Picture& picture) {
  return std::make_unique<PicturePeer>(form, picture);
}

}  // namespace orvel::win32
