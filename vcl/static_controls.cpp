#include <algorithm>

#include "vcl/published_controls.h"
#include "vcl/stdctrls.h"
#include "vcl/text_metrics.h"

namespace vcl {

// ---- TCustomGroupBox

TClass TCustomGroupBox::ClassInfo() {
  static TClass cls = TClassBuilder<TCustomGroupBox>("TCustomGroupBox", TCustomControl::ClassInfo()).Build();
  return cls;
}

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle(StyleOf(csAcceptsControls) | StyleOf(csCaptureMouse) | StyleOf(csClickEvents) |
                  StyleOf(csSetCaption) | StyleOf(csDoubleClicks) | StyleOf(csReplicatable));
  SetBounds(0, 0, 185, 105);
}

void TCustomGroupBox::DeclareClientSize(int width, int height) {
  int horizontal = Width() - width;
  int side = horizontal / 2;
  int top = Height() - height - side;
  if (width < 0 || height < 0 || horizontal < 0 || top < 0) return;  // not a frame: kept as the host has it
  frame_ = Rect(side, top, horizontal - side, side);
  Realign();
}

bool TCustomGroupBox::ReadUnpublishedProperty(std::string_view name, const TUnpublishedValue& value) {
  bool width = SameText(name, "ClientWidth");
  if (!width && !SameText(name, "ClientHeight")) return false;
  if (value.List) return true;
  (width ? fileClientWidth_ : fileClientHeight_) = static_cast<int>(value.Integers.front());
  if (fileClientWidth_ && fileClientHeight_) DeclareClientSize(*fileClientWidth_, *fileClientHeight_);
  return true;
}

TRect TCustomGroupBox::ClientRect() const {
  if (!frame_) return TCustomControl::ClientRect();
  return Rect(0, 0, std::max(0, Width() - frame_->Left - frame_->Right),
              std::max(0, Height() - frame_->Top - frame_->Bottom));
}

void TCustomGroupBox::AdjustClientRect(TRect& rect) const {
  if (frame_) return;
  rect.Top += MeasureTextHeight(EffectiveFont());
  int inset = Ctl3D() ? 2 : 1;
  rect = Rect(rect.Left + inset, rect.Top + inset, rect.Right - inset, rect.Bottom - inset);
}

void TCustomGroupBox::FontChanged() {
  TCustomControl::FontChanged();
  Realign();
}

void TCustomGroupBox::Paint() {
  TCanvas* canvas = Canvas();
  canvas->Font()->Assign(EffectiveFont());
  int textHeight = canvas->TextHeight("0");
  canvas->Brush()->SetStyle(bsClear);
  canvas->Pen()->SetColor(clBtnShadow);
  canvas->Rectangle(0, textHeight / 2, Width(), Height());
  if (!Caption().empty()) {
    canvas->Brush()->SetColor(Color());
    canvas->TextOut(8, 0, StripAccelChars(Caption()));
  }
}

TClass TGroupBox::ClassInfo() {
  static TClass cls = [] {
    TClassBuilder<TGroupBox> b("TGroupBox", TCustomGroupBox::ClassInfo());
    b.Creatable();
    PublishStandard(b,
                    "Align Anchors BiDiMode Caption Color Constraints Ctl3D DockSite DragCursor DragKind DragMode "
                    "Enabled Font ParentBiDiMode ParentColor ParentCtl3D ParentFont ParentShowHint PopupMenu "
                    "ShowHint TabOrder TabStop Visible OnClick OnDblClick OnDockDrop OnDockOver OnDragDrop "
                    "OnDragOver OnEndDock OnEndDrag OnEnter OnExit OnGetSiteInfo OnMouseDown OnMouseMove OnMouseUp "
                    "OnStartDock OnStartDrag OnUnDock");
    return b.Build();
  }();
  return cls;
}

// ---- TCustomStaticText

namespace {
const TTypeInfo* TypeInfoStaticBorderStyle() {
  static auto t = MakeEnumType("TStaticBorderStyle", {"sbsNone", "sbsSingle", "sbsSunken"});
  return t;
}
}  // namespace

TClass TCustomStaticText::ClassInfo() {
  static TClass cls = TClassBuilder<TCustomStaticText>("TCustomStaticText", TWinControl::ClassInfo()).Build();
  return cls;
}

TCustomStaticText::TCustomStaticText(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(StyleOf(csCaptureMouse) | StyleOf(csClickEvents) | StyleOf(csSetCaption) |
                  StyleOf(csReplicatable) | StyleOf(csDoubleClicks));
  SetBounds(0, 0, 65, 17);
  TControl::SetAutoSize(true);
}

void TCustomStaticText::AdjustBounds() {
  if (IsReading() || IsLoading() || !AutoSize()) return;
  // The window measures its caption as it is, accelerator marks included.
  SetBounds(Left(), Top(), MeasureTextWidth(EffectiveFont(), Caption()) + 4, MeasureTextHeight(EffectiveFont()) + 4);
}

void TCustomStaticText::SetAutoSize(bool value) {
  if (value == AutoSize()) return;
  TWinControl::SetAutoSize(value);
  AdjustBounds();
}

void TCustomStaticText::FontChanged() {
  TWinControl::FontChanged();
  AdjustBounds();
}

TClass TStaticText::ClassInfo() {
  static TClass cls = [] {
    using S = TStaticText;
    TClassBuilder<S> b("TStaticText", TCustomStaticText::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Align");
    b.Enum<TAlignment>("Alignment", TypeInfoAlignment(), &S::Alignment, &S::SetAlignment, taLeftJustify);
    PublishStandard(b, "Anchors");
    b.Bool("AutoSize", &S::AutoSize, &S::SetAutoSize, true);
    PublishStandard(b, "BiDiMode");
    b.Enum<TStaticBorderStyle>("BorderStyle", TypeInfoStaticBorderStyle(), &S::BorderStyle, &S::SetBorderStyle,
                               sbsNone);
    PublishStandard(b, "Caption Color Constraints DragCursor DragKind DragMode Enabled");
    b.Reference<TWinControl>("FocusControl", &S::FocusControl, &S::SetFocusControl);
    PublishStandard(b, "Font ParentBiDiMode ParentColor ParentFont ParentShowHint PopupMenu");
    b.Bool("ShowAccelChar", &S::ShowAccelChar, &S::SetShowAccelChar, true);
    PublishStandard(b,
                    "ShowHint TabOrder TabStop Visible OnClick OnDblClick OnDragDrop OnDragOver OnEndDock OnEndDrag "
                    "OnMouseDown OnMouseMove OnMouseUp OnStartDock OnStartDrag");
    return b.Build();
  }();
  return cls;
}

}  // namespace vcl
