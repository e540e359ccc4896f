#pragma once
// The timetable grid: every cell an ordinary cell with its own background, one text colour for
// the whole grid, one font, a text effect and a frame style.
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/widget.h"

namespace orvel::ui {

class TextMetrics;

class Grid : public Widget {
 public:
  // Font sizes the grid can draw, in points, and its highest text effect; callers refuse others.
  static constexpr float kMaxFontSize = 2048;
  static constexpr int kMaxTextEffect = 4;

  // Metrics give the row height for the grid's font; the backend's own are used when native.
  Grid(Form* form, std::string name, const TextMetrics& metrics);

  int Rows() const { return rows_; }
  int Cols() const { return cols_; }
  // Resizes keeping the texts that still fit; new cells are empty and white.
  void SetSize(int rows, int cols);

  const std::string& TextMatrix(int row, int col) const;
  void SetTextMatrix(int row, int col, std::string text);

  // Texts drawn in place of some cells' own for a while (today's swapped lessons); TextMatrix
  // keeps each cell's own text. Replaces the earlier ones; cells outside the grid are skipped.
  struct ShownText {
    int row = 0;
    int col = 0;
    std::string text;
  };
  void SetShownTexts(std::vector<ShownText> texts);
  // The text drawn in a cell: a shown text, else the cell's own.
  const std::string& DisplayText(int row, int col) const;

  // The current cell; setting it raises onRowColChange when it changes.
  int Row() const { return row_; }
  int Col() const { return col_; }
  void SetRowCol(int row, int col);
  void SetRow(int row) { SetRowCol(row, col_); }
  void SetCol(int col) { SetRowCol(row_, col); }
  double CellLeft() const;  // offsets of the current cell within the grid, twips
  double CellTop() const;
  double CellWidth() const { return ColWidth(col_); }
  double CellHeight() const { return RowHeight(row_); }

  int ColWidth(int col) const;  // twips
  void SetColWidth(int col, int width);
  int ColAlignment(int col) const;  // 1 left, vertically centred; 3 centred, top; others as 1
  void SetColAlignment(int col, int alignment);
  int RowHeight(int row) const;  // from the font

  Colour CellBackColour(int row, int col) const;
  void SetCellBackColour(int row, int col, Colour c);
  // The current cell's background, as the grid offers it.
  Colour CellBackColour() const { return CellBackColour(row_, col_); }
  void SetCellBackColour(Colour c) { SetCellBackColour(row_, col_, c); }

  Colour ForeColour() const { return fore_; }
  void SetForeColour(Colour c);
  const std::string& FontName() const { return font_.name; }
  void SetFontName(std::string name);
  float FontSize() const { return font_.size; }
  void SetFontSize(float points);
  const Font& font() const { return font_; }
  int TextEffect() const {
    return effect_;
  }  // 0 flat, 1 raised, 2 inset, 3 raised light, 4 inset light
  void SetTextEffect(int effect);
  int FrameStyle() const { return frame_; }  // 0 none, 1 single line
  void SetFrameStyle(int style);
  // Texts of the first and the last column with a width keep this far (twips) from the grid's
  // outer left and right edges, where a rounded window cuts its corners. 0 by default.
  int EdgeInset() const { return edgeInset_; }
  void SetEdgeInset(int twips);
  // The first and the last column with a width; -1 for both when every column is hidden.
  int FirstShownCol() const;
  int LastShownCol() const;

  // Sum of the column widths and of the row heights, twips.
  int TotalWidth() const;
  int TotalHeight() const;
  // The cell under a point in twips relative to the grid, or false outside every cell.
  bool HitTest(double x, double y, int& row, int& col) const;

  std::function<void()> onClick;
  std::function<void()> onRowColChange;
  std::function<void(MouseButton, int shift, double x, double y)> onMouseDown;

  // Mouse input in twips relative to the grid. A press raises onMouseDown and then, for the left
  // button, makes the hit cell current; the release over a cell raises onClick. A disabled grid
  // takes nothing itself: its mouse input goes to the form beneath.
  void UserMouseDown(MouseButton button, int shift, double x, double y);
  void UserMouseUp(MouseButton button, int shift, double x, double y);
  void UserDblClick() override;

 private:
  bool Valid(int row, int col) const { return row >= 0 && row < rows_ && col >= 0 && col < cols_; }
  std::size_t At(int row, int col) const { return static_cast<std::size_t>(row * cols_ + col); }
  void CellNotify(int row, int col) {
    if (peer()) peer()->CellChanged(row, col);
  }

  const TextMetrics& metrics_;
  int rows_ = 0, cols_ = 0;
  std::vector<std::string> text_;
  std::vector<Colour> back_;
  std::vector<int> colWidth_;
  std::vector<int> colAlign_;
  int row_ = 0, col_ = 0;
  Colour fore_ = 0x000000;
  Font font_;
  int effect_ = 0;
  int frame_ = 0;
  int edgeInset_ = 0;
  std::vector<ShownText> shown_;
};

}  // namespace orvel::ui
