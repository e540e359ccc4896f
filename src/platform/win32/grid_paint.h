#pragma once
// Geometry and drawing of the timetable grid, shared by the window and its tests.
#include <windows.h>

#include <vector>

#include "platform/ui/grid.h"

namespace orvel::win32 {

// Colours of what the grid draws besides its cells.
constexpr COLORREF kGridBackground = RGB(128, 128, 128);  // outside every cell
constexpr COLORREF kGridLine = RGB(192, 192, 192);        // the thin line between cells
constexpr COLORREF kGridFrame = RGB(0, 0, 0);             // frame style 1

// Pixel edges of the columns and rows at one DPI, from the twip sizes of the grid.
class GridGeometry {
 public:
  GridGeometry(const ui::Grid& grid, UINT dpi);
  int ColLeft(int col) const { return colX_[static_cast<std::size_t>(col)]; }
  int RowTop(int row) const { return rowY_[static_cast<std::size_t>(row)]; }
  // The cell's rectangle; empty for a hidden column or a cell that does not exist.
  RECT CellRect(int row, int col) const;
  int Width() const { return colX_.back(); }
  int Height() const { return rowY_.back(); }
  UINT Dpi() const { return dpi_; }

 private:
  std::vector<int> colX_;  // cols + 1 edges
  std::vector<int> rowY_;  // rows + 1 edges
  UINT dpi_;
};

// Draws the cells that meet `area` into `dc`; `font` is the grid font at the same DPI.
void PaintGrid(HDC dc, const RECT& client, const RECT& area, const ui::Grid& grid,
               const GridGeometry& geometry, HFONT font);

}  // namespace orvel::win32
