#include "platform/win32/grid_paint.h"

#include <algorithm>

#include "platform/win32/dpi.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide.h"

namespace orvel::win32 {
namespace {

constexpr int kTextMarginPx = 2;

COLORREF HalfwayToWhite(COLORREF c) {
  return RGB((GetRValue(c) + 255) / 2, (GetGValue(c) + 255) / 2, (GetBValue(c) + 255) / 2);
}

void FillSolid(HDC dc, const RECT& r, COLORREF colour) {
  // ExtTextOut with an opaque rectangle fills without creating a brush.
  SetBkColor(dc, colour);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

void DrawCellText(HDC dc, const std::wstring& text, RECT box, UINT format, COLORREF fore,
                  COLORREF back, int effect) {
  // Effects: 1 raised and 3 raised light put a light copy one pixel up-left of the text;
  // 2 inset and 4 inset light put it one pixel down-right. The light variants blend it
  // halfway with the cell's background.
  int dx = 0;
  COLORREF light = RGB(255, 255, 255);
  switch (effect) {
    case 1: dx = -1; break;
    case 2: dx = 1; break;
    case 3: dx = -1; light = HalfwayToWhite(back); break;
    case 4: dx = 1; light = HalfwayToWhite(back); break;
    default: break;
  }
  const int len = static_cast<int>(text.size());
  if (dx != 0) {
    RECT shifted = box;
    OffsetRect(&shifted, dx, dx);
    SetTextColor(dc, light);
    DrawTextW(dc, text.c_str(), len, &shifted, format);
  }
  SetTextColor(dc, fore);
  DrawTextW(dc, text.c_str(), len, &box, format);
}

}  // namespace

GridGeometry::GridGeometry(const ui::Grid& grid, UINT dpi) : dpi_(dpi) {
  // Edges from the running sums in twips, so that rounding never adds up along a row.
  colX_.reserve(static_cast<std::size_t>(grid.Cols()) + 1);
  double x = 0;
  colX_.push_back(0);
  for (int c = 0; c < grid.Cols(); ++c) {
    x += grid.ColWidth(c);
    colX_.push_back(TwipsToPx(x, dpi));
  }
  rowY_.reserve(static_cast<std::size_t>(grid.Rows()) + 1);
  double y = 0;
  rowY_.push_back(0);
  for (int r = 0; r < grid.Rows(); ++r) {
    y += grid.RowHeight(r);
    rowY_.push_back(TwipsToPx(y, dpi));
  }
}

RECT GridGeometry::CellRect(int row, int col) const {
  const int rows = static_cast<int>(rowY_.size()) - 1;
  const int cols = static_cast<int>(colX_.size()) - 1;
  if (row < 0 || row >= rows || col < 0 || col >= cols) return RECT{};
  return RECT{ColLeft(col), RowTop(row), ColLeft(col + 1), RowTop(row + 1)};
}

void PaintGrid(HDC dc, const RECT& client, const RECT& area, const ui::Grid& grid,
               const GridGeometry& geometry, HFONT font) {
  FillSolid(dc, area, kGridBackground);
  SelectGuard selectFont(dc, font);
  SetBkMode(dc, TRANSPARENT);
  const int effect = grid.TextEffect();
  const int firstShown = grid.FirstShownCol();
  const int lastShown = grid.LastShownCol();
  const int edgeInsetPx = TwipsToPx(grid.EdgeInset(), geometry.Dpi());
  for (int r = 0; r < grid.Rows(); ++r) {
    if (geometry.RowTop(r + 1) <= area.top || geometry.RowTop(r) >= area.bottom) continue;
    for (int c = 0; c < grid.Cols(); ++c) {
      const RECT cell = geometry.CellRect(r, c);
      if (cell.right <= cell.left || cell.right <= area.left || cell.left >= area.right) continue;
      const COLORREF back = grid.CellBackColour(r, c);
      // The cell's last pixel column and row are the grid line.
      RECT inner = cell;
      inner.right -= 1;
      inner.bottom -= 1;
      FillSolid(dc, inner, back);
      RECT right{inner.right, cell.top, cell.right, cell.bottom};
      RECT bottom{cell.left, inner.bottom, inner.right, cell.bottom};
      FillSolid(dc, right, kGridLine);
      FillSolid(dc, bottom, kGridLine);
      SetBkMode(dc, TRANSPARENT);

      const std::string& text = grid.DisplayText(r, c);
      if (text.empty()) continue;
      RECT box = inner;
      UINT format = DT_SINGLELINE | DT_NOPREFIX;
      if (grid.ColAlignment(c) == 3) {
        format |= DT_CENTER | DT_TOP;
        box.top += kTextMarginPx;
      } else {
        format |= DT_LEFT | DT_VCENTER;
        box.left += kTextMarginPx;
      }
      // Clear of the window's rounded corners.
      if (c == firstShown) box.left += edgeInsetPx;
      if (c == lastShown) box.right -= edgeInsetPx;
      // Clip to the cell: a raised copy must not spill into the neighbours.
      const int saved = SaveDC(dc);
      IntersectClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);
      DrawCellText(dc, Widen(text), box, format, grid.ForeColour(), back, effect);
      RestoreDC(dc, saved);
    }
  }
  if (grid.FrameStyle() == 1) {
    RECT frame{0, 0, std::min<LONG>(geometry.Width(), client.right),
               std::min<LONG>(geometry.Height(), client.bottom)};
    BrushHandle brush(CreateSolidBrush(kGridFrame));
    FrameRect(dc, &frame, brush.get());
  }
}

}  // namespace orvel::win32
