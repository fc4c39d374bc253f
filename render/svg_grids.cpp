// Painters of the grids (fixed cells raised in their colour, the others in the grid's,
// lines between them, scroll bars where the cells do not fit) and of the scroll bar control.
#include <algorithm>
#include <vector>

#include "render/svg_painters.h"
#include "vcl/db/dbgrids.h"
#include "vcl/grids.h"
#include "vcl/scroll_bar.h"
#include "vcl/text_metrics.h"

namespace vcl::svg {

namespace {

constexpr int kScrollBarSize = 16;

// The columns (or rows) shown from `start` on: the fixed ones, then the scrollable ones
// from `first` while they fit in `length` pixels. Each entry is {index, offset}.
std::vector<std::pair<int, int>> VisibleLines(int count, int fixed, int first, int length, int lineWidth,
                                              int (TCustomGrid::*size)(int) const, const TCustomGrid* grid) {
  std::vector<std::pair<int, int>> lines;
  int at = 0;
  auto add = [&](int index) {
    lines.emplace_back(index, at);
    at += (grid->*size)(index) + lineWidth;
  };
  for (int i = 0; i < fixed && i < count && at < length; ++i) add(i);
  for (int i = std::max(first, fixed); i < count && at < length; ++i) add(i);
  return lines;
}

// The total extent of all the columns (or rows), stopping once it passes `limit`.
int Extent(int count, int lineWidth, int limit, int (TCustomGrid::*size)(int) const, const TCustomGrid* grid) {
  int total = 0;
  for (int i = 0; i < count && total <= limit; ++i) total += (grid->*size)(i) + lineWidth;
  return total;
}

}  // namespace

void PaintGrid(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  auto* grid = static_cast<TCustomGrid*>(control);
  TWriter& svg = ctx.svg;
  if (grid->BorderStyle() != bsNone) DrawBorder(svg, bounds, grid->Ctl3D() ? TBorder::Sunken : TBorder::Single);
  TRect client = ClientBounds(grid, bounds);
  svg.Fill(client, grid->Color());
  // The scroll bars show when the cells do not fit (each one taking room from the other).
  int line = grid->GridLineWidth();
  int width = Extent(grid->ColCount(), line, client.Width(), &TCustomGrid::ColWidths, grid);
  int height = Extent(grid->RowCount(), line, client.Height(), &TCustomGrid::RowHeights, grid);
  TScrollStyle bars = grid->ScrollBars();
  bool canHorizontal = bars == ssHorizontal || bars == ssBoth, canVertical = bars == ssVertical || bars == ssBoth;
  bool horizontal = canHorizontal && width > client.Width();
  bool vertical = canVertical && height > client.Height() - (horizontal ? kScrollBarSize : 0);
  horizontal = horizontal || (canHorizontal && vertical && width > client.Width() - kScrollBarSize);
  TRect area = client;
  if (vertical) area.Right -= kScrollBarSize;
  if (horizontal) area.Bottom -= kScrollBarSize;
  if (vertical) ScrollBar(svg, Rect(area.Right, client.Top, client.Right, area.Bottom), true);
  if (horizontal) ScrollBar(svg, Rect(client.Left, area.Bottom, area.Right, client.Bottom), false);
  if (vertical && horizontal) svg.Fill(Rect(area.Right, area.Bottom, client.Right, client.Bottom), clBtnFace);

  auto cols = VisibleLines(grid->ColCount(), grid->FixedCols(), grid->LeftCol(), area.Width(), line,
                           &TCustomGrid::ColWidths, grid);
  auto rows = VisibleLines(grid->RowCount(), grid->FixedRows(), grid->TopRow(), area.Height(), line,
                           &TCustomGrid::RowHeights, grid);
  auto* strings = Cast<TStringGrid>(control);
  const TFont& font = grid->EffectiveFont();
  // Lines between fixed cells are black; the others silver (gray on a silver grid).
  TColor gridLine = grid->Color() == clSilver || grid->Color() == clBtnFace ? clGray : clSilver;
  svg.OpenViewport(area);
  for (auto [row, y] : rows) {
    bool fixedRow = row < grid->FixedRows();
    for (auto [col, x] : cols) {
      bool fixed = fixedRow || col < grid->FixedCols();
      TRect cell = Bounds(area.Left + x, area.Top + y, grid->ColWidths(col), grid->RowHeights(row));
      bool vertLine = grid->HasOption(fixed ? goFixedVertLine : goVertLine);
      bool horzLine = grid->HasOption(fixed ? goFixedHorzLine : goHorzLine);
      TColor lineColor = fixed ? clBlack : gridLine;
      if (line > 0 && vertLine) svg.Fill(Bounds(cell.Right, cell.Top, line, cell.Height() + line), lineColor);
      if (line > 0 && horzLine) svg.Fill(Bounds(cell.Left, cell.Bottom, cell.Width() + line, line), lineColor);
      if (fixed) {
        svg.Fill(cell, grid->FixedColor());
        if (grid->Ctl3D() && vertLine && horzLine) svg.Edge(cell, clBtnHighlight, clBtnShadow);
      }
      if (!strings) continue;
      std::string text = strings->Cells(col, row);
      if (text.empty()) continue;
      svg.OpenViewport(cell);
      svg.Text(cell.Left + 2, cell.Top + 2, text, font, grid->Enabled() ? font.Color() : clGrayText);
      svg.CloseViewport();
    }
  }
  svg.CloseViewport();
}

void PaintDBGrid(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  // Without an open data set the designer shows the title row and the indicator column:
  // a title per visible column, as wide as the column, or one empty one without columns.
  auto* grid = static_cast<TCustomDBGrid*>(control);
  TWriter& svg = ctx.svg;
  if (grid->BorderStyle() != bsNone) DrawBorder(svg, bounds, grid->Ctl3D() ? TBorder::Sunken : TBorder::Single);
  TRect client = ClientBounds(grid, bounds);
  svg.Fill(client, grid->Color());
  std::vector<TColumn*> columns;
  for (int i = 0; i < grid->Columns()->Count(); ++i)
    if (TColumn* column = grid->Columns()->Items(i); column->Visible()) columns.push_back(column);
  int titleHeight = 0;
  if (grid->HasDBOption(dgTitles)) {
    titleHeight = MeasureTextHeight(*grid->TitleFont());
    for (TColumn* column : columns) titleHeight = std::max(titleHeight, MeasureTextHeight(*column->Title()->Font()));
    titleHeight += 4;
  }
  int indicator = grid->HasDBOption(dgIndicator) ? 11 : 0;
  svg.OpenViewport(client);
  auto fixedCell = [&](const TRect& r, TColor color) {
    svg.Fill(r, color);
    if (grid->Ctl3D()) svg.Edge(r, clBtnHighlight, clBtnShadow);
    svg.Fill(Bounds(r.Right, r.Top, 1, r.Height() + 1), clBlack);
    svg.Fill(Bounds(r.Left, r.Bottom, r.Width() + 1, 1), clBlack);
  };
  if (indicator > 0) fixedCell(Bounds(client.Left, client.Top, indicator, titleHeight), grid->FixedColor());
  int x = client.Left + indicator + (indicator > 0);
  if (titleHeight > 0 && columns.empty()) fixedCell(Bounds(x, client.Top, 64, titleHeight), grid->FixedColor());
  for (TColumn* column : columns) {
    if (x >= client.Right) break;
    TRect cell = Bounds(x, client.Top, column->Width(), titleHeight);
    if (titleHeight > 0) {
      TColumnTitle* title = column->Title();
      fixedCell(cell, title->Color());
      svg.OpenViewport(cell);
      const TFont& font = *title->Font();
      int width = MeasureTextWidth(font, title->Caption());
      int left = title->Alignment() == taLeftJustify    ? cell.Left + 2
                 : title->Alignment() == taRightJustify ? cell.Right - 2 - width
                                                        : cell.Left + (cell.Width() - width) / 2;
      svg.Text(left, cell.Top + 2, title->Caption(), font, grid->Enabled() ? font.Color() : clGrayText);
      svg.CloseViewport();
    }
    x = cell.Right + 1;
  }
  svg.CloseViewport();
}

void PaintScrollBarControl(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  auto* bar = static_cast<TScrollBar*>(control);
  bool vertical = bar->Kind() == sbVertical;
  ScrollBar(ctx.svg, bounds, vertical);
  // The thumb: square (or as long as the page), placed by the position within the range.
  int length = vertical ? bounds.Height() : bounds.Width();
  int thickness = vertical ? bounds.Width() : bounds.Height();
  int button = std::min(thickness, length / 2);
  int track = length - 2 * button;
  int range = bar->Max() - bar->Min();
  int thumb = bar->PageSize() > 0 && range > 0 ? std::max(8, track * bar->PageSize() / (range + 1)) : thickness;
  if (track < thumb || !bar->Enabled()) return;
  int travel = range - std::max(0, bar->PageSize() - 1);
  int offset = travel > 0 ? (track - thumb) * (bar->Position() - bar->Min()) / travel : 0;
  offset = std::clamp(offset, 0, track - thumb);
  TRect r = vertical ? Bounds(bounds.Left, bounds.Top + button + offset, thickness, thumb)
                     : Bounds(bounds.Left + button + offset, bounds.Top, thumb, thickness);
  ButtonFace(ctx.svg, r, false);
}

}  // namespace vcl::svg
