#include "vcl/samples_colorgrd.h"

#include "vcl/canvas.h"
#include "vcl/published_controls.h"

namespace vcl {

namespace {
const TTypeInfo* TypeInfoGridOrdering() {
  static auto t = MakeEnumType("TGridOrdering", {"go16x1", "go8x2", "go4x4", "go2x8", "go1x16"});
  return t;
}
}  // namespace

TClass TColorGrid::ClassInfo() {
  static TClass cls = [] {
    using G = TColorGrid;
    TClassBuilder<G> b("TColorGrid", TCustomControl::ClassInfo());
    b.Creatable();
    b.Bool("ClickEnablesColor", &G::ClickEnablesColor, &G::SetClickEnablesColor, false);
    PublishStandard(b, "Ctl3D DragCursor DragMode Enabled Font");
    b.Enum<TGridOrdering>("GridOrdering", TypeInfoGridOrdering(), &G::GridOrdering, &G::SetGridOrdering, go4x4);
    b.Integer("ForegroundIndex", &G::ForegroundIndex, &G::SetForegroundIndex, 0);
    b.Integer("BackgroundIndex", &G::BackgroundIndex, &G::SetBackgroundIndex, 0);
    b.Bool("ForegroundEnabled", &G::ForegroundEnabled, &G::SetForegroundEnabled, true);
    b.Bool("BackgroundEnabled", &G::BackgroundEnabled, &G::SetBackgroundEnabled, true);
    b.Integer("Selection", &G::Selection, &G::SetSelection, 0);
    PublishStandard(b, "ParentCtl3D ParentFont ParentShowHint PopupMenu ShowHint TabOrder");
    b.Bool("TabStop", &G::TabStop, &G::SetTabStop, true);
    PublishStandard(b, "Visible");
    b.Event("OnChange", &G::OnChange);
    PublishStandard(b,
                    "OnClick OnDragDrop OnDragOver OnEndDrag OnEnter OnExit OnKeyDown OnKeyPress OnKeyUp "
                    "OnMouseDown OnMouseMove OnMouseUp OnStartDrag");
    return b.Build();
  }();
  return cls;
}

TColorGrid::TColorGrid(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 100, 100);
  SetTabStop(true);
}

TColor TColorGrid::PaletteColor(int index) {
  static constexpr TColor colors[] = {clBlack, clMaroon, clGreen, clOlive, clNavy,   clPurple, clTeal, clSilver,
                                      clGray,  clRed,    clLime,  clYellow, clBlue, clFuchsia, clAqua, clWhite};
  return index >= 0 && index < 16 ? colors[index] : clBlack;
}

int TColorGrid::Columns() const {
  static constexpr int columns[] = {16, 8, 4, 2, 1};
  return columns[gridOrdering_];
}

void TColorGrid::SetForegroundIndex(int value) {
  if (value == foregroundIndex_) return;
  foregroundIndex_ = value;
  OnChange(this);
}

void TColorGrid::SetBackgroundIndex(int value) {
  if (value == backgroundIndex_) return;
  backgroundIndex_ = value;
  OnChange(this);
}

// Each colour in its cell, framed; the marks in the inverse colour at the cell's centre.
void TColorGrid::Paint() {
  TCanvas* canvas = Canvas();
  int columns = Columns(), rows = Rows();
  int cellWidth = ClientWidth() / columns, cellHeight = ClientHeight() / rows;
  for (int index = 0; index < 16; ++index) {
    TRect cell = Bounds(index % columns * cellWidth, index / columns * cellHeight, cellWidth, cellHeight);
    TColor color = PaletteColor(index);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(color);
    canvas->FillRect(cell);
    canvas->Brush()->SetColor(clBtnShadow);
    canvas->FrameRect(cell);
    bool fore = foregroundEnabled_ && index == foregroundIndex_;
    bool back = backgroundEnabled_ && index == backgroundIndex_;
    if (!fore && !back) continue;
    std::string mark = fore && back ? "FB" : fore ? "FG" : "BG";
    canvas->Font()->SetColor(~color & 0xFFFFFF);
    canvas->Brush()->SetStyle(bsClear);
    TPoint extent = canvas->TextExtent(mark);
    canvas->TextOut(cell.Left + (cell.Width() - extent.X) / 2, cell.Top + (cell.Height() - extent.Y) / 2, mark);
  }
}

}  // namespace vcl
