#pragma once
// The native window of a form: a top-level window of the class "OrvelForm" that hosts the
// controls' windows and turns window messages into the form's user events.
#include <windows.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "platform/ui/form.h"
#include "platform/win32/handles.h"

namespace orvel::win32 {

class ControlPeer;
class Win32Platform;

class FormWindow final : public ui::FormPeer {
 public:
  FormWindow(Win32Platform& platform, ui::Form& form);
  ~FormWindow() override;
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  static void RegisterClass(HINSTANCE instance);
  // The window of a loaded form, or null.
  static FormWindow* Of(const ui::Form& form);
  static HWND HwndOf(const ui::Form* form);
  static FormWindow* FromHwnd(HWND hwnd);

  HWND hwnd() const { return hwnd_.get(); }
  ui::Form& form() const { return form_; }
  UINT dpi() const { return dpi_; }
  HICON smallIcon() const { return smallIcon_; }
  HBRUSH backBrush() const { return backBrush_.get(); }
  bool IsDialog() const { return form_.style() == ui::FormStyle::FixedDialog; }

  void Changed(ui::Property what) override;
  void Show() override;
  void Hide() override;
  void BringToFront() override;
  void Closing() override;

  // The control peers on this form register here so that notifications reach them.
  void AddControl(ControlPeer* peer);
  void RemoveControl(ControlPeer* peer);
  const std::vector<ControlPeer*>& controls() const { return controls_; }
  // The controls that lie beneath the others (frames, the grid), pushed down as others come.
  void AddBackground(ControlPeer* peer) { backgrounds_.push_back(peer); }
  const std::vector<ControlPeer*>& backgrounds() const { return backgrounds_; }
  // Fonts at the form's DPI and solid brushes, shared by its controls and freed with the form: a
  // matrix of thousands of boxes would otherwise hold two GDI objects a box, and a process may
  // hold only 10,000 of them.
  HFONT SharedFont(const ui::Font& font);
  HBRUSH SharedBrush(COLORREF colour);
  int NextControlId() { return nextId_++; }
  // Visibility and enabled state of controls follow the frames that contain them.
  void ApplyContainment();

 private:
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  void OnMouseDown(ui::MouseButton button, WPARAM wp, LPARAM lp);
  bool OnCommand(WPARAM wp, LPARAM lp);
  LRESULT OnControlColour(UINT msg, WPARAM wp, LPARAM lp);
  void OnTimer(UINT_PTR id);
  void OnDpiChanged(WPARAM wp, LPARAM lp);
  // Controls, icon and the form follow a new DPI.
  void AfterDpiChange();
  void OnMoved();
  void ApplyBounds();
  void PlaceAndSize();
  void ApplyIcon();
  void ApplyBackColour();
  void Centre();

  Win32Platform& platform_;
  ui::Form& form_;
  WindowHandle hwnd_;
  UINT dpi_ = 96;
  BrushHandle backBrush_;
  IconHandle bigIconOwned_, smallIconOwned_;
  HICON bigIcon_ = nullptr, smallIcon_ = nullptr;
  std::vector<ControlPeer*> controls_;
  std::vector<ControlPeer*> backgrounds_;
  std::map<std::tuple<std::string, float, bool, UINT>, FontHandle> fonts_;
  std::map<COLORREF, BrushHandle> brushes_;
  int nextId_ = 100;
  bool applyingBounds_ = false;
  bool dpiChangedWhileApplying_ = false;
  bool closing_ = false;
  bool shownOnce_ = false;
};

}  // namespace orvel::win32
