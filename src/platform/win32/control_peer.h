#pragma once
// The base of the peers of the plain controls: one child window of the form, kept in step with
// the widget's position, visibility and enabled state.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "platform/ui/widget.h"
#include "platform/win32/handles.h"

namespace orvel::win32 {

class FormWindow;

// Shift state of a mouse message: Shift 1, Ctrl 2, Alt 4.
int ShiftOf(WPARAM wp);

class ControlPeer : public ui::WidgetPeer {
 public:
  ControlPeer(FormWindow& form, ui::Widget& widget);
  ~ControlPeer() override;
  ControlPeer(const ControlPeer&) = delete;
  ControlPeer& operator=(const ControlPeer&) = delete;

  static ControlPeer* FromHwnd(HWND hwnd);

  HWND hwnd() const { return hwnd_.get(); }
  ui::Widget& widget() const { return widget_; }
  FormWindow* form() const { return form_; }

  void Changed(ui::Property what) override;
  void Focus() override;

  // Notifications the form receives for this control.
  virtual void OnCommand(UINT code) { (void)code; }
  // WM_NOTIFY from the control; true when handled.
  virtual bool OnNotify(const NMHDR& header) {
    (void)header;
    return false;
  }
  // WM_CTLCOLOR*: a brush, or null for the system's default.
  virtual HBRUSH OnColour(HDC dc);
  virtual bool OnTimer(UINT_PTR id) {
    (void)id;
    return false;
  }
  virtual void OnDpiChanged();
  virtual bool IsFrame() const { return false; }
  // Frames and the grid lie beneath the other controls (an editor over a cell, a page's
  // controls over the page).
  virtual bool IsBackground() const { return IsFrame(); }
  // Shows and enables the window as the widget and the frames around it say.
  virtual void ApplyState();
  void FormGone() { form_ = nullptr; }
  // The form destroys every control's window with its own: this peer no longer owns one.
  void ReleaseWindow() {
    hwnd_.release();
    subclassed_ = false;
  }

 protected:
  bool CreateControl(const wchar_t* windowClass, const std::wstring& text, DWORD style,
                     DWORD exStyle);
  // Hands the control's messages to OnMessage first.
  void Subclass();
  virtual LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  virtual void OnChanged(ui::Property what) { (void)what; }
  // The window still exists and still belongs to this peer (user code may have unloaded it).
  static bool StillOurs(HWND hwnd, const ControlPeer* peer);
  void ApplyFont(const ui::Font& font);
  // The form's default font, applied again at the new size when the DPI changes.
  void UseDefaultFont();
  virtual void ApplyBounds();
  UINT dpi() const;
  double ToTwips(int px) const;
  // Changes the window's visibility and enabled state where they differ from these.
  void ShowAndEnable(bool visible, bool enabled);
  static int StyleBits(HWND hwnd, DWORD bits, bool on);

  FormWindow* form_;
  ui::Widget& widget_;
  WindowHandle hwnd_;
  FontHandle font_;
  int id_ = 0;

 private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                       DWORD_PTR ref);
  bool subclassed_ = false;
  bool defaultFont_ = false;
};

}  // namespace orvel::win32
