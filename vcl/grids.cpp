#include "vcl/grids.h"

#include <algorithm>

#include "vcl/published_controls.h"

namespace vcl {

namespace {
const TTypeInfo* TypeInfoGridOptions() {
  static auto t = MakeSetType(
      "TGridOptions",
      MakeEnumType("TGridOption", {"goFixedVertLine", "goFixedHorzLine", "goVertLine", "goHorzLine", "goRangeSelect",
                                   "goDrawFocusSelected", "goRowSizing", "goColSizing", "goRowMoving", "goColMoving",
                                   "goEditing", "goTabs", "goRowSelect", "goAlwaysShowEditor", "goThumbTracking"}));
  return t;
}

[[noreturn]] void GridError(const char* message) { throw EInvalidGridOperation(message); }
}  // namespace

// ---- TCustomGrid

TClass TCustomGrid::ClassInfo() {
  static TClass cls = TClassBuilder<TCustomGrid>("TCustomGrid", TCustomControl::ClassInfo()).Build();
  return cls;
}

TCustomGrid::TCustomGrid(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle(StyleOf(csCaptureMouse) | StyleOf(csOpaque) | StyleOf(csDoubleClicks));
  // Five columns of 64 pixels and five rows of 24.
  SetBounds(0, 0, 320, 120);
  SetTabStop(true);
  SetParentColor(false);
}

void TCustomGrid::SetColCount(int value) {
  value = std::max(value, 1);
  colCount_ = value;
  if (fixedCols_ >= value) fixedCols_ = value - 1;
  col_ = std::clamp(col_, fixedCols_, value - 1);
  leftCol_ = std::clamp(leftCol_, fixedCols_, value - 1);
}

void TCustomGrid::SetRowCount(int value) {
  value = std::max(value, 1);
  rowCount_ = value;
  if (fixedRows_ >= value) fixedRows_ = value - 1;
  row_ = std::clamp(row_, fixedRows_, value - 1);
  topRow_ = std::clamp(topRow_, fixedRows_, value - 1);
}

void TCustomGrid::SetFixedCols(int value) {
  if (value < 0) GridError("Grid index out of range");
  if (value >= colCount_) GridError("Fixed column count must be less than column count");
  fixedCols_ = value;
  col_ = std::max(col_, value);
  leftCol_ = std::max(leftCol_, value);
}

void TCustomGrid::SetFixedRows(int value) {
  if (value < 0) GridError("Grid index out of range");
  if (value >= rowCount_) GridError("Fixed row count must be less than row count");
  fixedRows_ = value;
  row_ = std::max(row_, value);
  topRow_ = std::max(topRow_, value);
}

void TCustomGrid::SetDefaultColWidth(int value) {
  defaultColWidth_ = value;
  colWidths_.clear();
}

void TCustomGrid::SetDefaultRowHeight(int value) {
  defaultRowHeight_ = value;
  rowHeights_.clear();
}

int TCustomGrid::ColWidths(int col) const {
  auto found = colWidths_.find(col);
  return found == colWidths_.end() ? defaultColWidth_ : found->second;
}

void TCustomGrid::SetColWidths(int col, int value) {
  if (col < 0 || col >= colCount_) GridError("Grid index out of range");
  colWidths_[col] = value;
}

bool TCustomGrid::ReadUnpublishedProperty(std::string_view name, const TUnpublishedValue& value) {
  bool cols = SameText(name, "ColWidths");
  if (!cols && !SameText(name, "RowHeights")) return false;
  if (!value.List) return true;
  int count = std::min(static_cast<int>(value.Integers.size()), cols ? ColCount() : RowCount());
  for (int i = 0; i < count; ++i) {
    int size = static_cast<int>(value.Integers[static_cast<std::size_t>(i)]);
    if (cols)
      SetColWidths(i, size);
    else
      SetRowHeights(i, size);
  }
  return true;
}

int TCustomGrid::RowHeights(int row) const {
  auto found = rowHeights_.find(row);
  return found == rowHeights_.end() ? defaultRowHeight_ : found->second;
}

void TCustomGrid::SetRowHeights(int row, int value) {
  if (row < 0 || row >= rowCount_) GridError("Grid index out of range");
  rowHeights_[row] = value;
}

void TCustomGrid::SetBorderStyle(TBorderStyle value) {
  if (value == borderStyle_) return;
  borderStyle_ = value;
  Realign();
}

int TCustomGrid::BorderExtent() const {
  if (borderStyle_ == bsNone) return 0;
  return Ctl3D() ? 2 : 1;
}

// ---- TDrawGrid

namespace {
// The properties both grids publish, in the host's order.
template <class G>
void PublishGrid(TClassBuilder<G>& b) {
  PublishStandard(b, "Align Anchors BiDiMode");
  b.template Enum<TBorderStyle>("BorderStyle", TypeInfoBorderStyle(), &G::BorderStyle, &G::SetBorderStyle, bsSingle);
  PublishStandard(b, "Color");
  b.Integer("ColCount", &G::ColCount, &G::SetColCount, 5);
  PublishStandard(b, "Constraints Ctl3D");
  b.Integer("DefaultColWidth", &G::DefaultColWidth, &G::SetDefaultColWidth, 64);
  b.Integer("DefaultRowHeight", &G::DefaultRowHeight, &G::SetDefaultRowHeight, 24);
  b.Bool("DefaultDrawing", &G::DefaultDrawing, &G::SetDefaultDrawing, true);
  PublishStandard(b, "DragCursor DragKind DragMode Enabled");
  b.Integer("FixedColor", &G::FixedColor, &G::SetFixedColor, clBtnFace, TypeInfoColor());
  b.Integer("FixedCols", &G::FixedCols, &G::SetFixedCols, 1);
  b.Integer("RowCount", &G::RowCount, &G::SetRowCount, 5);
  b.Integer("FixedRows", &G::FixedRows, &G::SetFixedRows, 1);
  PublishStandard(b, "Font");
  b.Integer("GridLineWidth", &G::GridLineWidth, &G::SetGridLineWidth, 1);
  b.Set("Options", TypeInfoGridOptions(), &G::Options, &G::SetOptions, DefaultGridOptions);
  PublishStandard(b, "ParentBiDiMode ParentColor=False ParentCtl3D ParentFont ParentShowHint PopupMenu");
  b.template Enum<TScrollStyle>("ScrollBars", TypeInfoScrollStyle(), &G::ScrollBars, &G::SetScrollBars, ssBoth);
  PublishStandard(b, "ShowHint TabOrder");
  b.Bool("TabStop", &G::TabStop, &G::SetTabStop, true);
  PublishStandard(b, "Visible OnClick");
  b.Event("OnColumnMoved", &G::OnColumnMoved, "TMovedEvent");
  PublishStandard(b, "OnDblClick OnDragDrop OnDragOver");
  b.Event("OnDrawCell", &G::OnDrawCell, "TDrawCellEvent");
  PublishStandard(b, "OnEndDock OnEndDrag OnEnter OnExit");
  b.Event("OnGetEditMask", &G::OnGetEditMask, "TGetEditEvent");
  b.Event("OnGetEditText", &G::OnGetEditText, "TGetEditEvent");
  PublishStandard(b, "OnKeyDown OnKeyPress OnKeyUp OnMouseDown OnMouseMove OnMouseUp");
  b.Event("OnRowMoved", &G::OnRowMoved, "TMovedEvent");
  b.Event("OnSelectCell", &G::OnSelectCell, "TSelectCellEvent");
  b.Event("OnSetEditText", &G::OnSetEditText, "TSetEditEvent");
  PublishStandard(b, "OnStartDock OnStartDrag");
  b.Event("OnTopLeftChanged", &G::OnTopLeftChanged);
}
}  // namespace

TClass TDrawGrid::ClassInfo() {
  static TClass cls = [] {
    TClassBuilder<TDrawGrid> b("TDrawGrid", TCustomGrid::ClassInfo());
    b.Creatable();
    PublishGrid(b);
    return b.Build();
  }();
  return cls;
}

// ---- TStringGrid

TClass TStringGrid::ClassInfo() {
  static TClass cls = [] {
    // The same properties as the draw grid.
    return TClassBuilder<TStringGrid>("TStringGrid", TDrawGrid::ClassInfo()).Creatable().Build();
  }();
  return cls;
}

std::string TStringGrid::Cells(int col, int row) const {
  auto found = cells_.find({col, row});
  return found == cells_.end() ? std::string() : found->second;
}

void TStringGrid::SetCells(int col, int row, const std::string& value) {
  if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount()) GridError("Grid index out of range");
  if (value.empty())
    cells_.erase({col, row});
  else
    cells_[{col, row}] = value;
}

}  // namespace vcl
