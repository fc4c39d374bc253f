#include "vcl/extctrls.h"
#include "vcl/published_controls.h"
#include "vcl/text_metrics.h"

namespace vcl {

namespace {
// Draws a raised or lowered edge of `width` pixels inside `rect`, shrinking it.
void Frame3D(TCanvas* canvas, TRect& rect, TColor topLeft, TColor bottomRight, int width) {
  for (int i = 0; i < width; ++i) {
    canvas->Pen()->SetColor(topLeft);
    canvas->Polyline({Point(rect.Left, rect.Bottom - 1), Point(rect.Left, rect.Top), Point(rect.Right - 1, rect.Top)});
    canvas->Pen()->SetColor(bottomRight);
    canvas->Polyline({Point(rect.Right - 1, rect.Top), Point(rect.Right - 1, rect.Bottom - 1),
                      Point(rect.Left - 1, rect.Bottom - 1)});
    rect = Rect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1);
  }
}

void DrawBevel(TCanvas* canvas, TRect& rect, TBevelCut cut, int width) {
  if (cut == bvNone) return;
  if (cut == bvSpace) {
    rect = Rect(rect.Left + width, rect.Top + width, rect.Right - width, rect.Bottom - width);
    return;
  }
  bool raised = cut == bvRaised;
  Frame3D(canvas, rect, raised ? clBtnHighlight : clBtnShadow, raised ? clBtnShadow : clBtnHighlight, width);
}
}  // namespace

// ---- TCustomPanel

TClass TCustomPanel::ClassInfo() {
  static TClass cls = TClassBuilder<TCustomPanel>("TCustomPanel", TCustomControl::ClassInfo()).Build();
  return cls;
}

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle(StyleOf(csAcceptsControls) | StyleOf(csCaptureMouse) | StyleOf(csClickEvents) |
                  StyleOf(csSetCaption) | StyleOf(csOpaque) | StyleOf(csDoubleClicks) | StyleOf(csReplicatable));
  SetBounds(0, 0, 185, 41);
  SetColor(clBtnFace);
  SetUseDockManager(true);
}

void TCustomPanel::SetBevelInner(TBevelCut value) {
  if (value == bevelInner_) return;
  bevelInner_ = value;
  Realign();
}

void TCustomPanel::SetBevelOuter(TBevelCut value) {
  if (value == bevelOuter_) return;
  bevelOuter_ = value;
  Realign();
}

void TCustomPanel::SetBevelWidth(int value) {
  if (value < 1 || value == bevelWidth_) return;
  bevelWidth_ = value;
  Realign();
}

void TCustomPanel::SetBorderStyle(TBorderStyle value) {
  if (value == borderStyle_) return;
  borderStyle_ = value;
  Realign();
}

int TCustomPanel::BorderExtent() const {
  if (borderStyle_ == bsNone) return 0;
  return Ctl3D() ? 2 : 1;
}

void TCustomPanel::AdjustClientRect(TRect& rect) const {
  int bevel = (bevelOuter_ != bvNone ? bevelWidth_ : 0) + (bevelInner_ != bvNone ? bevelWidth_ : 0);
  rect = Rect(rect.Left + bevel, rect.Top + bevel, rect.Right - bevel, rect.Bottom - bevel);
}

void TCustomPanel::Paint() {
  TCanvas* canvas = Canvas();
  TRect rect = ClientRect();
  DrawBevel(canvas, rect, bevelOuter_, bevelWidth_);
  DrawBevel(canvas, rect, bevelInner_, bevelWidth_);
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(rect);
  std::string text = StripAccelChars(Caption());
  if (text.empty()) return;
  canvas->Brush()->SetStyle(bsClear);
  canvas->Font()->Assign(EffectiveFont());
  int width = canvas->TextWidth(text);
  int x = alignment_ == taLeftJustify ? rect.Left
          : alignment_ == taRightJustify ? rect.Right - width
                                          : rect.Left + (rect.Width() - width) / 2;
  canvas->TextOut(x, rect.Top + (rect.Height() - canvas->TextHeight(text)) / 2, text);
}

TClass TPanel::ClassInfo() {
  static TClass cls = [] {
    using P = TPanel;
    TClassBuilder<P> b("TPanel", TCustomPanel::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Align");
    b.Enum<TAlignment>("Alignment", TypeInfoAlignment(), &P::Alignment, &P::SetAlignment, taCenter);
    PublishStandard(b, "Anchors AutoSize");
    b.Enum<TBevelCut>("BevelInner", TypeInfoBevelCut(), &P::BevelInner, &P::SetBevelInner, bvNone);
    b.Enum<TBevelCut>("BevelOuter", TypeInfoBevelCut(), &P::BevelOuter, &P::SetBevelOuter, bvRaised);
    b.Integer("BevelWidth", &P::BevelWidth, &P::SetBevelWidth, 1, NamedIntegerType("TBevelWidth"));
    PublishStandard(b, "BiDiMode BorderWidth");
    b.Enum<TBorderStyle>("BorderStyle", TypeInfoBorderStyle(), &P::BorderStyle, &P::SetBorderStyle, bsNone);
    PublishStandard(b, "Caption");
    // Panels keep their own button-face colour rather than following the parent's.
    b.Integer("Color", &P::Color, &P::SetColor, clBtnFace, TypeInfoColor()).StoredWhen(&P::IsColorStored);
    PublishStandard(b, "Constraints Ctl3D");
    b.Bool("UseDockManager", &P::UseDockManager, &P::SetUseDockManager, true);
    PublishStandard(b, "DockSite DragCursor DragKind DragMode Enabled");
    b.Bool("FullRepaint", &P::FullRepaint, &P::SetFullRepaint, true);
    PublishStandard(b, "Font");
    b.Bool("Locked", &P::Locked, &P::SetLocked, false);
    PublishStandard(b, "ParentBiDiMode");
    b.Bool("ParentColor", &P::ParentColor, &P::SetParentColor, false);
    PublishStandard(b,
                    "ParentCtl3D ParentFont ParentShowHint PopupMenu ShowHint TabOrder TabStop Visible OnCanResize "
                    "OnClick OnConstrainedResize OnDockDrop OnDockOver OnDblClick OnDragDrop OnDragOver OnEndDock "
                    "OnEndDrag OnEnter OnExit OnGetSiteInfo OnMouseDown OnMouseMove OnMouseUp OnResize OnStartDock "
                    "OnStartDrag OnUnDock");
    return b.Build();
  }();
  return cls;
}

// ---- TBevel

namespace {
const TTypeInfo* TypeInfoBevelShape() {
  static auto t = MakeEnumType(
      "TBevelShape", {"bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine", "bsRightLine", "bsSpacer"});
  return t;
}
const TTypeInfo* TypeInfoBevelStyle() {
  static auto t = MakeEnumType("TBevelStyle", {"bsLowered", "bsRaised"});
  return t;
}
}  // namespace

TClass TBevel::ClassInfo() {
  static TClass cls = [] {
    TClassBuilder<TBevel> b("TBevel", TGraphicControl::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Align Anchors Constraints ParentShowHint");
    b.Enum<TBevelShape>("Shape", TypeInfoBevelShape(), &TBevel::Shape, &TBevel::SetShape, bsBox);
    PublishStandard(b, "ShowHint");
    b.Enum<TBevelStyle>("Style", TypeInfoBevelStyle(), &TBevel::Style, &TBevel::SetStyle, bsLowered);
    PublishStandard(b, "Visible");
    return b.Build();
  }();
  return cls;
}

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) {
  SetControlStyle(ControlStyle() | StyleOf(csReplicatable));
  SetBounds(0, 0, 50, 50);
}

void TBevel::Paint() {
  TCanvas* canvas = Canvas();
  TColor first = style_ == bsLowered ? clBtnShadow : clBtnHighlight;
  TColor second = style_ == bsLowered ? clBtnHighlight : clBtnShadow;
  int w = Width(), h = Height();
  auto line = [canvas](TColor color, int x1, int y1, int x2, int y2) {
    canvas->Pen()->SetColor(color);
    canvas->MoveTo(x1, y1);
    canvas->LineTo(x2, y2);
  };
  TRect rect = ClientRect();
  switch (shape_) {
    case bsBox: Frame3D(canvas, rect, first, second, 1); break;
    case bsFrame:
      rect.Right -= 1;
      rect.Bottom -= 1;
      Frame3D(canvas, rect, first, second, 1);
      rect = Rect(1, 1, w, h);
      Frame3D(canvas, rect, second, first, 1);
      break;
    case bsTopLine:
      line(first, 0, 0, w, 0);
      line(second, 0, 1, w, 1);
      break;
    case bsBottomLine:
      line(first, 0, h - 2, w, h - 2);
      line(second, 0, h - 1, w, h - 1);
      break;
    case bsLeftLine:
      line(first, 0, 0, 0, h);
      line(second, 1, 0, 1, h);
      break;
    case bsRightLine:
      line(first, w - 2, 0, w - 2, h);
      line(second, w - 1, 0, w - 1, h);
      break;
    case bsSpacer: break;
  }
}

}  // namespace vcl
