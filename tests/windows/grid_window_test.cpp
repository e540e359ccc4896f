// The grid control on a real window: geometry, painting, mouse input, a disabled grid.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "platform/ui/grid.h"
#include "platform/win32/dpi.h"
#include "platform/win32/grid_paint.h"
#include "platform/win32/grid_window.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_platform.h"
#include "win_test_support.h"

namespace orvel {
namespace {

using win32::TwipsToPx;
using wintest::Pump;

class GridForm : public ui::Form {
 public:
  explicit GridForm(ui::Platform& p)
      : Form(p, "FrmGridTest", ui::FormStyle::Borderless), grid(this, "MSFlexGrid1", p.metrics()) {}
  ui::Grid grid;
};

class GridWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.grid.SetSize(4, 3);
    for (int c = 0; c < 3; ++c) form.grid.SetColWidth(c, 1200);
    form.grid.Move(0, 0, form.grid.TotalWidth(), form.grid.TotalHeight());
    form.Move(1500, 1500, form.grid.TotalWidth(), form.grid.TotalHeight());
    form.Show();
    Pump();
    hwnd = wintest::ChildOfClass(wintest::FormHwnd(form), win32::kGridClassName);
    dpi = win32::WindowDpi(hwnd);
  }
  void TearDown() override { form.Unload(); }

  // The grid's client area drawn into a bitmap, as the window paints it.
  std::vector<COLORREF> Snapshot(int& width) {
    RECT rc{};
    GetClientRect(hwnd, &rc);
    width = rc.right;
    win32::WindowDc screen(hwnd);
    win32::MemoryDc dc(CreateCompatibleDC(screen.get()));
    win32::BitmapHandle bmp(CreateCompatibleBitmap(screen.get(), rc.right, rc.bottom));
    std::vector<COLORREF> pixels;
    win32::SelectGuard select(dc.get(), bmp.get());
    SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
    for (int y = 0; y < rc.bottom; ++y)
      for (int x = 0; x < rc.right; ++x) pixels.push_back(GetPixel(dc.get(), x, y));
    return pixels;
  }
  POINT CellCentre(int row, int col) const {
    const RECT r = win32::GridGeometry(form.grid, dpi).CellRect(row, col);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  LPARAM At(POINT p) const { return MAKELPARAM(p.x, p.y); }

  win32::Win32Platform platform;
  GridForm form{platform};
  HWND hwnd = nullptr;
  UINT dpi = 96;
};

TEST_F(GridWindowTest, window_has_the_grid_size_at_the_screen_dpi) {
  ASSERT_NE(hwnd, nullptr);
  RECT rc{};
  GetClientRect(hwnd, &rc);
  EXPECT_EQ(rc.right, TwipsToPx(form.grid.TotalWidth(), dpi));
  EXPECT_EQ(rc.bottom, TwipsToPx(form.grid.TotalHeight(), dpi));
  // Resizing the widget resizes the window.
  form.grid.SetColWidth(1, 2400);
  form.grid.SetWidth(form.grid.TotalWidth());
  GetClientRect(hwnd, &rc);
  EXPECT_EQ(rc.right, TwipsToPx(4800, dpi));
  // The current cell's offsets follow the column widths.
  form.grid.SetRowCol(2, 2);
  EXPECT_EQ(form.grid.CellLeft(), 1200 + 2400);
  EXPECT_EQ(form.grid.CellTop(), 2 * form.grid.RowHeight(0));
}

TEST_F(GridWindowTest, cell_background_is_painted_in_its_colour) {
  const COLORREF blue = RGB(0x10, 0x60, 0xE0), green = RGB(0x20, 0xC0, 0x40);
  form.grid.SetCellBackColour(1, 2, blue);
  form.grid.SetCellBackColour(3, 0, green);
  int width = 0;
  const auto pixels = Snapshot(width);
  auto at = [&](POINT p) { return pixels[static_cast<std::size_t>(p.y * width + p.x)]; };
  EXPECT_EQ(at(CellCentre(1, 2)), blue);
  EXPECT_EQ(at(CellCentre(3, 0)), green);
  EXPECT_EQ(at(CellCentre(0, 0)), RGB(255, 255, 255));
  EXPECT_EQ(at(CellCentre(1, 1)), RGB(255, 255, 255));
}

TEST_F(GridWindowTest, text_is_drawn_in_the_fore_colour_with_effects_beside_it) {
  const COLORREF red = RGB(200, 0, 0);
  form.grid.SetForeColour(red);
  form.grid.SetColWidth(1, 2400);
  form.grid.SetWidth(form.grid.TotalWidth());
  form.grid.SetTextMatrix(2, 1, "数学 Maths");
  const RECT cell = win32::GridGeometry(form.grid, dpi).CellRect(2, 1);
  auto count = [&](COLORREF colour, const std::vector<COLORREF>& pixels, int width) {
    int n = 0;
    for (int y = cell.top; y < cell.bottom; ++y)
      for (int x = cell.left; x < cell.right; ++x)
        if (pixels[static_cast<std::size_t>(y * width + x)] == colour) ++n;
    return n;
  };
  int width = 0;
  auto flat = Snapshot(width);
  EXPECT_GT(count(red, flat, width), 10);
  // A cell without text has no text pixels.
  const RECT empty = win32::GridGeometry(form.grid, dpi).CellRect(2, 2);
  for (int y = empty.top; y < empty.bottom - 1; ++y)
    EXPECT_NE(flat[static_cast<std::size_t>(y * width + (empty.left + empty.right) / 2)], red);

  // Inset on a grey cell: a white copy appears next to the text.
  form.grid.SetCellBackColour(2, 1, RGB(128, 128, 160));
  EXPECT_EQ(count(RGB(255, 255, 255), Snapshot(width), width), 0);
  form.grid.SetTextEffect(2);
  EXPECT_GT(count(RGB(255, 255, 255), Snapshot(width), width), 10);
}

TEST_F(GridWindowTest, frame_style_draws_a_line_around_the_grid) {
  int width = 0;
  const POINT left{0, CellCentre(1, 0).y};
  auto pixel = [&](POINT p) {
    const auto px = Snapshot(width);
    return px[static_cast<std::size_t>(p.y * width + p.x)];
  };
  EXPECT_EQ(pixel(left), RGB(255, 255, 255));
  form.grid.SetFrameStyle(1);
  EXPECT_EQ(pixel(left), win32::kGridFrame);
}

TEST_F(GridWindowTest, a_changed_cell_invalidates_only_its_rectangle) {
  UpdateWindow(hwnd);
  RECT update{};
  EXPECT_FALSE(GetUpdateRect(hwnd, &update, FALSE));
  form.grid.SetTextMatrix(2, 1, "语文");
  ASSERT_TRUE(GetUpdateRect(hwnd, &update, FALSE));
  const RECT cell = win32::GridGeometry(form.grid, dpi).CellRect(2, 1);
  EXPECT_TRUE(EqualRect(&update, &cell));
  UpdateWindow(hwnd);
  // A layout change repaints everything.
  form.grid.SetColAlignment(0, 3);
  ASSERT_TRUE(GetUpdateRect(hwnd, &update, FALSE));
  RECT client{};
  GetClientRect(hwnd, &client);
  EXPECT_TRUE(EqualRect(&update, &client));
}

TEST_F(GridWindowTest, a_click_on_a_cell_makes_it_current_and_raises_click) {
  int changes = 0, clicks = 0, downs = 0, lastShift = -1;
  form.grid.onRowColChange = [&] { ++changes; };
  form.grid.onClick = [&] { ++clicks; };
  form.grid.onMouseDown = [&](ui::MouseButton b, int shift, double x, double y) {
    ++downs;
    lastShift = shift;
    EXPECT_EQ(b, ui::MouseButton::Left);
    EXPECT_NEAR(x, win32::PxToTwips(CellCentre(3, 2).x, dpi), 0.5);
    EXPECT_NEAR(y, win32::PxToTwips(CellCentre(3, 2).y, dpi), 0.5);
  };
  SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(CellCentre(3, 2)));
  EXPECT_EQ(form.grid.Row(), 3);
  EXPECT_EQ(form.grid.Col(), 2);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(clicks, 0);
  SendMessageW(hwnd, WM_LBUTTONUP, 0, At(CellCentre(3, 2)));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(downs, 1);
  EXPECT_EQ(lastShift, 0);

  // Shift state: Shift and Ctrl from the message, Alt from the keyboard state.
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_MENU] = 0x80;
  SetKeyboardState(keys);
  SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, At(CellCentre(3, 2)));
  keys[VK_MENU] = 0;
  SetKeyboardState(keys);
  SendMessageW(hwnd, WM_LBUTTONUP, 0, At(CellCentre(3, 2)));
  EXPECT_EQ(lastShift, ui::kShift | ui::kAlt);
  EXPECT_EQ(changes, 1);  // the same cell again: no change
}

TEST_F(GridWindowTest, a_disabled_grid_passes_the_mouse_to_the_form) {
  int formDbl = 0, gridDbl = 0, formDown = 0;
  form.onDblClick = [&] { ++formDbl; };
  form.onMouseDown = [&](ui::MouseButton, int, double, double) { ++formDown; };
  form.grid.onDblClick = [&] { ++gridDbl; };
  form.grid.SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(hwnd));
  POINT p = CellCentre(1, 1);
  ClientToScreen(hwnd, &p);
  EXPECT_EQ(SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)), HTTRANSPARENT);

  // Real input through the system's hit testing.
  SetForegroundWindow(wintest::FormHwnd(form));
  SetCursorPos(p.x, p.y);
  INPUT clicks[4] = {};
  for (int i = 0; i < 4; ++i) {
    clicks[i].type = INPUT_MOUSE;
    clicks[i].mi.dwFlags = (i % 2 == 0) ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  }
  ASSERT_EQ(SendInput(4, clicks, sizeof(INPUT)), 4u);
  wintest::PumpFor(300);
  EXPECT_EQ(formDbl, 1);
  EXPECT_GE(formDown, 1);
  EXPECT_EQ(gridDbl, 0);

  // Enabled again, the grid takes the double click itself.
  form.grid.SetEnabled(true);
  ASSERT_EQ(SendInput(4, clicks, sizeof(INPUT)), 4u);
  wintest::PumpFor(300);
  EXPECT_EQ(gridDbl, 1);
  EXPECT_EQ(formDbl, 1);
}

}  // namespace
}  // namespace orvel
