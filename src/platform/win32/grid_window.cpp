// The grid's peer: a custom-drawn child window, double-buffered, repainting only what changed.
#include "platform/win32/grid_window.h"

#include <windowsx.h>

#include <optional>

#include "platform/win32/control_peers.h"
#include "platform/win32/dpi.h"
#include "platform/win32/grid_paint.h"

namespace orvel::win32 {

void RegisterGridClass(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_DBLCLKS;
  // The peer's subclass does all the work; until it is attached the default is enough.
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kGridClassName;
  RegisterClassExW(&wc);
}

namespace {

class GridPeer final : public ControlPeer {
 public:
  GridPeer(FormWindow& form, ui::Grid& grid) : ControlPeer(form, grid), grid_(grid) {
    if (!CreateControl(kGridClassName, L"", WS_TABSTOP, 0)) return;
    font_ = MakeFont(grid_.font(), dpi());
    Subclass();
    ApplyState();
  }

  bool IsBackground() const override { return true; }

  void CellChanged(int row, int col) override {
    // A table is loaded cell by cell while its window is hidden; the first paint draws it all.
    if (!hwnd() || !IsWindowVisible(hwnd())) return;
    const RECT cell = Geometry().CellRect(row, col);
    if (cell.right > cell.left && cell.bottom > cell.top) InvalidateRect(hwnd(), &cell, FALSE);
  }

  void OnDpiChanged() override {
    geometry_.reset();
    ApplyBounds();
    font_ = MakeFont(grid_.font(), dpi());
    InvalidateRect(hwnd(), nullptr, FALSE);
  }

 protected:
  void OnChanged(ui::Property what) override {
    if (!hwnd()) return;
    switch (what) {
      case ui::Property::Current: return;  // the current cell is not drawn differently
      case ui::Property::Font:
        font_ = MakeFont(grid_.font(), dpi());
        geometry_.reset();  // the rows follow the font
        break;
      case ui::Property::Layout:
        geometry_.reset();
        break;
      default: break;
    }
    InvalidateRect(hwnd(), nullptr, FALSE);
  }

  LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override {
    switch (msg) {
      case WM_ERASEBKGND: return 1;  // the paint covers everything
      case WM_PAINT: Paint(); return 0;
      case WM_PRINTCLIENT: {
        RECT client{};
        GetClientRect(hwnd, &client);
        PaintGrid(reinterpret_cast<HDC>(wp), client, client, grid_, Geometry(), font_.get());
        return 0;
      }
      case WM_LBUTTONDOWN: return MouseDown(hwnd, ui::MouseButton::Left, wp, lp);
      case WM_RBUTTONDOWN: return MouseDown(hwnd, ui::MouseButton::Right, wp, lp);
      case WM_LBUTTONUP: return MouseUp(hwnd, ui::MouseButton::Left, wp, lp);
      case WM_RBUTTONUP:
        MouseUp(hwnd, ui::MouseButton::Right, wp, lp);
        // The default turns the release into WM_CONTEXTMENU, which the grid hands to its form.
        if (!StillOurs(hwnd, this)) return 0;
        return ControlPeer::OnMessage(hwnd, msg, wp, lp);
      case WM_LBUTTONDBLCLK: grid_.UserDblClick(); return 0;
      case WM_GETDLGCODE: return DLGC_WANTARROWS;
      default: return ControlPeer::OnMessage(hwnd, msg, wp, lp);
    }
  }

 private:
  LRESULT MouseDown(HWND hwnd, ui::MouseButton button, WPARAM wp, LPARAM lp) {
    SetFocus(hwnd);
    if (!StillOurs(hwnd, this)) return 0;  // a lost-focus handler may have unloaded the form
    SetCapture(hwnd);
    grid_.UserMouseDown(button, ShiftOf(wp), ToTwips(GET_X_LPARAM(lp)), ToTwips(GET_Y_LPARAM(lp)));
    return 0;
  }

  LRESULT MouseUp(HWND hwnd, ui::MouseButton button, WPARAM wp, LPARAM lp) {
    if (GetCapture() == hwnd) ReleaseCapture();
    grid_.UserMouseUp(button, ShiftOf(wp), ToTwips(GET_X_LPARAM(lp)), ToTwips(GET_Y_LPARAM(lp)));
    return 0;
  }

  void Paint() {
    PaintDc paint(hwnd());
    RECT client{};
    GetClientRect(hwnd(), &client);
    const RECT& area = paint.area();
    if (client.right <= 0 || client.bottom <= 0 || IsRectEmpty(&area)) return;
    MemoryDc memory(CreateCompatibleDC(paint.get()));
    BitmapHandle bitmap(CreateCompatibleBitmap(paint.get(), client.right, client.bottom));
    if (!memory || !bitmap) return;
    {
      SelectGuard select(memory.get(), bitmap.get());
      PaintGrid(memory.get(), client, area, grid_, Geometry(), font_.get());
      BitBlt(paint.get(), area.left, area.top, area.right - area.left, area.bottom - area.top,
             memory.get(), area.left, area.top, SRCCOPY);
    }
  }

  // The pixel edges of the columns and rows, kept until the layout, the font or the DPI
  // changes: working them out takes a pass over every row and column, too much for each cell.
  const GridGeometry& Geometry() {
    if (!geometry_) geometry_.emplace(grid_, dpi());
    return *geometry_;
  }

  ui::Grid& grid_;
  std::optional<GridGeometry> geometry_;
};

}  // namespace

std::unique_ptr<ControlPeer> MakeGridPeer(FormWindow& form, ui::Grid& grid) {
  return std::make_unique<GridPeer>(form, grid);
}

}  // namespace orvel::win32
