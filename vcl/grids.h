// Grids: rows and columns of cells, the first ones fixed (headings); the draw grid leaves
// the cells to its OnDrawCell handler, the string grid holds a text per cell.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "vcl/stdctrls.h"

namespace vcl {

VCL_EXCEPTION(EInvalidGridOperation, Exception);

enum TGridOption {
  goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goDrawFocusSelected, goRowSizing,
  goColSizing, goRowMoving, goColMoving, goEditing, goTabs, goRowSelect, goAlwaysShowEditor, goThumbTracking
};
using TGridOptions = std::uint32_t;  // bit n for TGridOption n
constexpr TGridOptions GridOptionsOf(std::initializer_list<TGridOption> options) {
  TGridOptions bits = 0;
  for (TGridOption o : options) bits |= 1u << o;
  return bits;
}
constexpr TGridOptions DefaultGridOptions =
    GridOptionsOf({goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect});

enum TGridDrawStateElement { gdSelected, gdFocused, gdFixed };
using TGridDrawState = std::uint32_t;  // bit n for TGridDrawStateElement n

// Sender, column, row, the cell's rectangle, its state.
using TDrawCellEvent = TEvent<TObject*, int, int, TRect, TGridDrawState>;
using TSelectCellEvent = TEvent<TObject*, int, int, bool&>;
using TGetEditEvent = TEvent<TObject*, int, int, std::string&>;
using TSetEditEvent = TEvent<TObject*, int, int, const std::string&>;
using TMovedEvent = TEvent<TObject*, int, int>;

// The grid itself. Counts stay at least 1 and keep the fixed rows and columns below them
// (fewer fixed ones than the count: setting a count lowers them, as the host raises "Fixed
// column count must be less than column count" the other way round).
class TCustomGrid : public TCustomControl {
  VCL_CLASS(TCustomGrid, TCustomControl)
  explicit TCustomGrid(TComponent* owner);

  int ColCount() const { return colCount_; }
  void SetColCount(int value);
  int RowCount() const { return rowCount_; }
  void SetRowCount(int value);
  int FixedCols() const { return fixedCols_; }
  void SetFixedCols(int value);
  int FixedRows() const { return fixedRows_; }
  void SetFixedRows(int value);
  int DefaultColWidth() const { return defaultColWidth_; }
  void SetDefaultColWidth(int value);
  int DefaultRowHeight() const { return defaultRowHeight_; }
  void SetDefaultRowHeight(int value);
  // Each column's and row's size (the default unless set).
  int ColWidths(int col) const;
  void SetColWidths(int col, int value);
  int RowHeights(int row) const;
  void SetRowHeights(int row, int value);
  // A form file keeps the sizes as lists of numbers ("ColWidths", "RowHeights"), read for the
  // picture and never written back.
  bool ReadUnpublishedProperty(std::string_view name, const TUnpublishedValue& value) override;
  int GridLineWidth() const { return gridLineWidth_; }
  void SetGridLineWidth(int value) { gridLineWidth_ = value; }
  TGridOptions Options() const { return options_; }
  void SetOptions(TGridOptions value) { options_ = value; }
  bool HasOption(TGridOption option) const { return (options_ & (1u << option)) != 0; }
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle value) { scrollBars_ = value; }
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  TColor FixedColor() const { return fixedColor_; }
  void SetFixedColor(TColor value) { fixedColor_ = value; }
  bool DefaultDrawing() const { return defaultDrawing_; }
  void SetDefaultDrawing(bool value) { defaultDrawing_ = value; }
  // The first scrollable column and row shown, and the selected cell.
  int LeftCol() const { return leftCol_; }
  int TopRow() const { return topRow_; }
  int Col() const { return col_; }
  int Row() const { return row_; }

  TSelectCellEvent OnSelectCell;
  TNotifyEvent OnTopLeftChanged;

protected:
  int BorderExtent() const override;

private:
  int colCount_ = 5;
  int rowCount_ = 5;
  int fixedCols_ = 1;
  int fixedRows_ = 1;
  int defaultColWidth_ = 64;
  int defaultRowHeight_ = 24;
  std::map<int, int> colWidths_;  // the columns and rows whose size was set
  std::map<int, int> rowHeights_;
  int gridLineWidth_ = 1;
  TGridOptions options_ = DefaultGridOptions;
  TScrollStyle scrollBars_ = ssBoth;
  TBorderStyle borderStyle_ = bsSingle;
  TColor fixedColor_ = clBtnFace;
  bool defaultDrawing_ = true;
  int leftCol_ = 1;
  int topRow_ = 1;
  int col_ = 1;
  int row_ = 1;
};

// A grid whose cells its OnDrawCell handler draws.
class TDrawGrid : public TCustomGrid {
  VCL_CLASS(TDrawGrid, TCustomGrid)
  using TCustomGrid::TCustomGrid;

  TMovedEvent OnColumnMoved;
  TDrawCellEvent OnDrawCell;
  TGetEditEvent OnGetEditMask;
  TGetEditEvent OnGetEditText;
  TMovedEvent OnRowMoved;
  TSetEditEvent OnSetEditText;
};

// A draw grid with a text per cell (set in code: the form file does not keep them).
class TStringGrid : public TDrawGrid {
  VCL_CLASS(TStringGrid, TDrawGrid)
  using TDrawGrid::TDrawGrid;

  std::string Cells(int col, int row) const;
  void SetCells(int col, int row, const std::string& value);

private:
  std::map<std::pair<int, int>, std::string> cells_;
};

}  // namespace vcl
