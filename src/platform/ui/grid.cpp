#include "platform/ui/grid.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/ui/form.h"
#include "platform/ui/services.h"

namespace orvel::ui {
namespace {
constexpr int kDefaultColWidth = 960;
constexpr int kDefaultAlignment = 9;  // general: text left, numbers right, vertically centred
constexpr Colour kWhite = 0xFFFFFF;
// Space above and below the text of a row, twips (two pixels each side at 15 twips a pixel).
constexpr int kRowPadding = 60;
const std::string kEmpty;
}  // namespace

Grid::Grid(Form* form, std::string name, const TextMetrics& metrics)
    : Widget(form, std::move(name), -1), metrics_(metrics) {
  SetSize(2, 2);
}

void Grid::SetSize(int rows, int cols) {
  rows = std::max(rows, 0);
  cols = std::max(cols, 0);
  if (rows == rows_ && cols == cols_) return;
  std::vector<std::string> text(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols));
  std::vector<Colour> back(text.size(), kWhite);
  for (int r = 0; r < std::min(rows, rows_); ++r)
    for (int c = 0; c < std::min(cols, cols_); ++c) {
      const std::size_t to = static_cast<std::size_t>(r * cols + c);
      text[to] = std::move(text_[At(r, c)]);
      back[to] = back_[At(r, c)];
    }
  text_ = std::move(text);
  back_ = std::move(back);
  shown_.clear();
  colWidth_.resize(static_cast<std::size_t>(cols), kDefaultColWidth);
  colAlign_.resize(static_cast<std::size_t>(cols), kDefaultAlignment);
  rows_ = rows;
  cols_ = cols;
  const int row = std::clamp(row_, 0, std::max(rows_ - 1, 0));
  const int col = std::clamp(col_, 0, std::max(cols_ - 1, 0));
  Notify(Property::Layout);
  SetRowCol(row, col);
}

const std::string& Grid::TextMatrix(int row, int col) const {
  return Valid(row, col) ? text_[At(row, col)] : kEmpty;
}

void Grid::SetTextMatrix(int row, int col, std::string text) {
  if (!Valid(row, col)) return;
  std::string& cell = text_[At(row, col)];
  if (cell == text) return;
  cell = std::move(text);
  CellNotify(row, col);
}

void Grid::SetShownTexts(std::vector<ShownText> texts) {
  std::erase_if(texts, [this](const ShownText& t) { return !Valid(t.row, t.col); });
  if (texts.empty() && shown_.empty()) return;
  std::vector<ShownText> old = std::exchange(shown_, std::move(texts));
  for (const ShownText& t : old) CellNotify(t.row, t.col);
  for (const ShownText& t : shown_) CellNotify(t.row, t.col);
}

const std::string& Grid::DisplayText(int row, int col) const {
  for (const ShownText& t : shown_)
    if (t.row == row && t.col == col) return t.text;
  return TextMatrix(row, col);
}

void Grid::SetRowCol(int row, int col) {
  if (!Valid(row, col) || (row == row_ && col == col_)) return;
  row_ = row;
  col_ = col;
  Notify(Property::Current);
  if (onRowColChange) onRowColChange();
}

double Grid::CellLeft() const {
  double x = 0;
  for (int c = 0; c < col_ && c < cols_; ++c) x += colWidth_[static_cast<std::size_t>(c)];
  return x;
}

double Grid::CellTop() const { return static_cast<double>(row_) * RowHeight(0); }

int Grid::ColWidth(int col) const {
  return col >= 0 && col < cols_ ? colWidth_[static_cast<std::size_t>(col)] : 0;
}

void Grid::SetColWidth(int col, int width) {
  if (col < 0 || col >= cols_) return;
  width = std::max(width, 0);
  if (colWidth_[static_cast<std::size_t>(col)] == width) return;
  colWidth_[static_cast<std::size_t>(col)] = width;
  Notify(Property::Layout);
}

int Grid::ColAlignment(int col) const {
  return col >= 0 && col < cols_ ? colAlign_[static_cast<std::size_t>(col)] : kDefaultAlignment;
}

void Grid::SetColAlignment(int col, int alignment) {
  if (col < 0 || col >= cols_ || colAlign_[static_cast<std::size_t>(col)] == alignment) return;
  colAlign_[static_cast<std::size_t>(col)] = alignment;
  Notify(Property::Layout);
}

int Grid::RowHeight(int row) const {
  (void)row;  // every row has the height its font needs
  return static_cast<int>(std::lround(metrics_.TextHeight(font_))) + kRowPadding;
}

Colour Grid::CellBackColour(int row, int col) const {
  return Valid(row, col) ? back_[At(row, col)] : kWhite;
}

void Grid::SetCellBackColour(int row, int col, Colour c) {
  if (!Valid(row, col) || back_[At(row, col)] == c) return;
  back_[At(row, col)] = c;
  CellNotify(row, col);
}

void Grid::SetForeColour(Colour c) {
  if (c == fore_) return;
  fore_ = c;
  Notify(Property::Colours);
}

void Grid::SetFontName(std::string name) {
  if (name == font_.name) return;
  font_.name = std::move(name);
  Notify(Property::Font);
}

void Grid::SetFontSize(float points) {
  if (points == font_.size) return;
  font_.size = points;
  Notify(Property::Font);
}

void Grid::SetTextEffect(int effect) {
  if (effect == effect_) return;
  effect_ = effect;
  Notify(Property::Font);
}

void Grid::SetFrameStyle(int style) {
  if (style == frame_) return;
  frame_ = style;
  Notify(Property::BorderStyle);
}

void Grid::SetEdgeInset(int twips) {
  if (twips == edgeInset_) return;
  edgeInset_ = twips;
  Notify(Property::Layout);
}

int Grid::FirstShownCol() const {
  for (int c = 0; c < cols_; ++c)
    if (ColWidth(c) > 0) return c;
  return -1;
}

int Grid::LastShownCol() const {
  for (int c = cols_ - 1; c >= 0; --c)
    if (ColWidth(c) > 0) return c;
  return -1;
}

int Grid::TotalWidth() const {
  int sum = 0;
  for (int w : colWidth_) sum += w;
  return sum;
}

int Grid::TotalHeight() const { return rows_ * RowHeight(0); }

bool Grid::HitTest(double x, double y, int& row, int& col) const {
  if (x < 0 || y < 0 || rows_ == 0) return false;
  const int r = static_cast<int>(y / RowHeight(0));
  if (r >= rows_) return false;
  double left = 0;
  for (int c = 0; c < cols_; ++c) {
    const int w = colWidth_[static_cast<std::size_t>(c)];
    if (w > 0 && x >= left && x < left + w) {
      row = r;
      col = c;
      return true;
    }
    left += w;
  }
  return false;
}

void Grid::UserMouseDown(MouseButton button, int shift, double x, double y) {
  if (!Enabled()) {
    if (form()) form()->UserMouseDown(button, shift, x + Left(), y + Top());
    return;
  }
  if (onMouseDown) onMouseDown(button, shift, x, y);
  int r = 0, c = 0;
  if (button == MouseButton::Left && HitTest(x, y, r, c)) SetRowCol(r, c);
}

void Grid::UserMouseUp(MouseButton button, int shift, double x, double y) {
  (void)shift;
  int r = 0, c = 0;
  if (!Enabled() || button != MouseButton::Left || !HitTest(x, y, r, c)) return;
  if (onClick) onClick();
}

void Grid::UserDblClick() {
  if (!Enabled()) {
    if (form()) form()->UserDblClick();
    return;
  }
  Widget::UserDblClick();
}

}  // namespace orvel::ui
