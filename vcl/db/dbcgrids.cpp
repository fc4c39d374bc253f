#include "vcl/db/dbcgrids.h"

#include <algorithm>

#include "vcl/published_controls.h"

namespace vcl {

namespace {
const TTypeInfo* TypeInfoDBCtrlGridOrientation() {
  static auto t = MakeEnumType("TDBCtrlGridOrientation", {"goVertical", "goHorizontal"});
  return t;
}
const TTypeInfo* TypeInfoDBCtrlGridBorder() {
  static auto t = MakeEnumType("TDBCtrlGridBorder", {"gbNone", "gbRaised"});
  return t;
}
}  // namespace

TClass TDBCtrlGrid::ClassInfo() {
  static TClass cls = [] {
    using G = TDBCtrlGrid;
    TClassBuilder<G> b("TDBCtrlGrid", TWinControl::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Align");
    b.Bool("AllowDelete", &G::AllowDelete, &G::SetAllowDelete, true);
    b.Bool("AllowInsert", &G::AllowInsert, &G::SetAllowInsert, true);
    PublishStandard(b, "Anchors");
    b.Integer("ColCount", &G::ColCount, &G::SetColCount);
    PublishStandard(b, "Color Constraints");
    b.Reference<TDataSource>("DataSource", &G::DataSource, &G::SetDataSource);
    PublishStandard(b, "DragCursor DragMode Enabled Font");
    b.Enum<TDBCtrlGridOrientation>("Orientation", TypeInfoDBCtrlGridOrientation(), &G::Orientation,
                                   &G::SetOrientation, goVertical);
    b.Enum<TDBCtrlGridBorder>("PanelBorder", TypeInfoDBCtrlGridBorder(), &G::PanelBorder, &G::SetPanelBorder,
                              gbRaised);
    b.Integer("PanelHeight", &G::PanelHeight, &G::SetPanelHeight);
    b.Integer("PanelWidth", &G::PanelWidth, &G::SetPanelWidth);
    PublishStandard(b, "ParentColor ParentFont ParentShowHint PopupMenu");
    b.Integer("RowCount", &G::RowCount, &G::SetRowCount);
    b.Integer("SelectedColor", &G::SelectedColor, &G::SetSelectedColor, clWindow, TypeInfoColor())
        .StoredWhen(&G::IsSelectedColorStored);
    b.Bool("ShowFocus", &G::ShowFocus, &G::SetShowFocus, true);
    PublishStandard(b, "ShowHint TabOrder");
    b.Bool("TabStop", &G::TabStop, &G::SetTabStop, true);
    PublishStandard(b, "Visible OnClick OnDblClick OnDragDrop OnDragOver OnEndDrag OnEnter OnExit OnKeyDown "
                       "OnKeyPress OnKeyUp");
    b.Event("OnPaintPanel", &G::OnPaintPanel, "TPaintPanelEvent");
    PublishStandard(b, "OnStartDrag");
    return b.Build();
  }();
  return cls;
}

TDBCtrlGrid::TDBCtrlGrid(TComponent* owner) : TWinControl(owner), selectedColor_(Color()) {
  SetControlStyle(StyleOf(csAcceptsControls) | StyleOf(csOpaque) | StyleOf(csDoubleClicks));
  SetTabStop(true);
  FitToPanels();
}

void TDBCtrlGrid::FitToPanels() {
  if (IsLoading()) return;
  SetBounds(Left(), Top(), panelWidth_ * colCount_ + ScrollBarWidth(), panelHeight_ * rowCount_ + ScrollBarHeight());
}

void TDBCtrlGrid::SetBounds(int left, int top, int width, int height) {
  if (!IsLoading()) {
    panelWidth_ = std::max(1, (width - ScrollBarWidth()) / colCount_);
    panelHeight_ = std::max(1, (height - ScrollBarHeight()) / rowCount_);
  }
  TWinControl::SetBounds(left, top, width, height);
}

void TDBCtrlGrid::SetColCount(int value) {
  value = std::clamp(value, 1, 100);
  if (value == colCount_) return;
  colCount_ = value;
  FitToPanels();
}

void TDBCtrlGrid::SetRowCount(int value) {
  value = std::clamp(value, 1, 100);
  if (value == rowCount_) return;
  rowCount_ = value;
  FitToPanels();
}

void TDBCtrlGrid::SetPanelWidth(int value) {
  value = std::clamp(value, 1, 65535);
  if (value == panelWidth_) return;
  panelWidth_ = value;
  FitToPanels();
}

void TDBCtrlGrid::SetPanelHeight(int value) {
  value = std::clamp(value, 1, 65535);
  if (value == panelHeight_) return;
  panelHeight_ = value;
  FitToPanels();
}

void TDBCtrlGrid::SetOrientation(TDBCtrlGridOrientation value) {
  if (value == orientation_) return;
  orientation_ = value;
  FitToPanels();
}

void TDBCtrlGrid::SetSelectedColor(TColor value) {
  if (value == selectedColor_) return;
  selectedColor_ = value;
  selectedColorSet_ = true;
}

void TDBCtrlGrid::ColorChanged() {
  if (!selectedColorSet_) selectedColor_ = Color();
}

}  // namespace vcl
