#include "vcl/comctrls_bars.h"

#include <algorithm>

#include "vcl/published_controls.h"

namespace vcl {

namespace {
const TTypeInfo* TypeInfoStatusPanelStyle() {
  static auto t = MakeEnumType("TStatusPanelStyle", {"psText", "psOwnerDraw"});
  return t;
}
const TTypeInfo* TypeInfoStatusPanelBevel() {
  static auto t = MakeEnumType("TStatusPanelBevel", {"pbNone", "pbLowered", "pbRaised"});
  return t;
}
const TTypeInfo* TypeInfoHeaderSectionStyle() {
  static auto t = MakeEnumType("THeaderSectionStyle", {"hsText", "hsOwnerDraw"});
  return t;
}
const TTypeInfo* TypeInfoToolButtonStyle() {
  static auto t = MakeEnumType("TToolButtonStyle", {"tbsButton", "tbsCheck", "tbsDropDown", "tbsSeparator", "tbsDivider"});
  return t;
}
// The width a drop-down button adds for its arrow.
constexpr int kDropDownArrowWidth = 14;
}  // namespace

const TTypeInfo* TypeInfoEdgeBorders() {
  static auto t = MakeSetType("TEdgeBorders", MakeEnumType("TEdgeBorder", {"ebLeft", "ebTop", "ebRight", "ebBottom"}));
  return t;
}

const TTypeInfo* TypeInfoEdgeStyle() {
  static auto t = MakeEnumType("TEdgeStyle", {"esNone", "esRaised", "esLowered"});
  return t;
}

// ---- TStatusBar

TClass TStatusPanel::ClassInfo() {
  static TClass cls = [] {
    using P = TStatusPanel;
    TClassBuilder<P> b("TStatusPanel", TCollectionItem::ClassInfo());
    b.Enum<TAlignment>("Alignment", TypeInfoAlignment(), &P::Alignment, &P::SetAlignment, taLeftJustify);
    b.Enum<TStatusPanelBevel>("Bevel", TypeInfoStatusPanelBevel(), &P::Bevel, &P::SetBevel, pbLowered);
    b.Enum<TStatusPanelStyle>("Style", TypeInfoStatusPanelStyle(), &P::Style, &P::SetStyle, psText);
    b.String("Text", &P::Text, &P::SetText);
    b.Integer("Width", &P::Width, &P::SetWidth);
    return b.Build();
  }();
  return cls;
}

TClass TStatusPanels::ClassInfo() {
  static TClass cls = TClassBuilder<TStatusPanels>("TStatusPanels", TCollection::ClassInfo()).Build();
  return cls;
}

TClass TStatusBar::ClassInfo() {
  static TClass cls = [] {
    using S = TStatusBar;
    TClassBuilder<S> b("TStatusBar", TWinControl::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Action");
    b.Bool("AutoHint", &S::AutoHint, &S::SetAutoHint, false);
    b.Enum<TAlign>("Align", TypeInfoAlign(), &S::Align, &S::SetAlign, alBottom);
    PublishStandard(b, "Anchors BiDiMode BorderWidth");
    b.Integer("Color", &S::Color, &S::SetColor, clBtnFace, TypeInfoColor()).StoredWhen(&S::IsColorStored);
    PublishStandard(b, "DragCursor DragKind DragMode Enabled Font Constraints");
    b.Object("Panels", &S::Panels);
    PublishStandard(b, "ParentBiDiMode");
    b.Bool("ParentColor", &S::ParentColor, &S::SetParentColor, false);
    PublishStandard(b, "ParentFont ParentShowHint PopupMenu ShowHint");
    b.Bool("SimplePanel", &S::SimplePanel, &S::SetSimplePanel, false);
    b.String("SimpleText", &S::SimpleText, &S::SetSimpleText);
    b.Bool("SizeGrip", &S::SizeGrip, &S::SetSizeGrip, true);
    PublishStandard(b, "Visible OnClick OnDblClick OnDragDrop OnDragOver OnEndDock OnEndDrag");
    b.Event("OnHint", &S::OnHint);
    PublishStandard(b, "OnMouseDown OnMouseMove OnMouseUp OnResize OnStartDock OnStartDrag");
    b.Event("OnDrawPanel", &S::OnDrawPanel, "TDrawPanelEvent");
    return b.Build();
  }();
  return cls;
}

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner), panels_(std::make_unique<TStatusPanels>()) {
  SetControlStyle(StyleOf(csCaptureMouse) | StyleOf(csClickEvents) | StyleOf(csDoubleClicks) | StyleOf(csOpaque));
  SetColor(clBtnFace);
  SetParentColor(false);
  SetBounds(0, 0, 150, 19);
  SetAlign(alBottom);
}

// ---- THeaderControl

TClass THeaderSection::ClassInfo() {
  static TClass cls = [] {
    using H = THeaderSection;
    TClassBuilder<H> b("THeaderSection", TCollectionItem::ClassInfo());
    b.Enum<TAlignment>("Alignment", TypeInfoAlignment(), &H::Alignment, &H::SetAlignment, taLeftJustify);
    b.Bool("AllowClick", &H::AllowClick, &H::SetAllowClick, true);
    b.Bool("AutoSize", &H::AutoSize, &H::SetAutoSize, false);
    b.Integer("MaxWidth", &H::MaxWidth, &H::SetMaxWidth, 10000);
    b.Integer("MinWidth", &H::MinWidth, &H::SetMinWidth, 0);
    b.Enum<THeaderSectionStyle>("Style", TypeInfoHeaderSectionStyle(), &H::Style, &H::SetStyle, hsText);
    b.String("Text", &H::Text, &H::SetText);
    b.Integer("Width", &H::Width, &H::SetWidth);
    return b.Build();
  }();
  return cls;
}

TClass THeaderSections::ClassInfo() {
  static TClass cls = TClassBuilder<THeaderSections>("THeaderSections", TCollection::ClassInfo()).Build();
  return cls;
}

TClass THeaderControl::ClassInfo() {
  static TClass cls = [] {
    using H = THeaderControl;
    TClassBuilder<H> b("THeaderControl", TWinControl::ClassInfo());
    b.Creatable();
    b.Enum<TAlign>("Align", TypeInfoAlign(), &H::Align, &H::SetAlign, alTop);
    PublishStandard(b, "Anchors BiDiMode BorderWidth DragCursor DragKind DragMode Enabled Font Constraints");
    b.Bool("HotTrack", &H::HotTrack, &H::SetHotTrack, false);
    b.Object("Sections", &H::Sections);
    PublishStandard(b, "ShowHint ParentBiDiMode ParentFont ParentShowHint PopupMenu Visible");
    PublishStandard(b, "OnDragDrop OnDragOver OnEndDock OnEndDrag OnMouseDown OnMouseMove OnMouseUp OnResize");
    b.Event("OnSectionClick", &H::OnSectionClick, "TSectionNotifyEvent");
    PublishStandard(b, "OnStartDock OnStartDrag");
    return b.Build();
  }();
  return cls;
}

THeaderControl::THeaderControl(TComponent* owner)
    : TWinControl(owner), sections_(std::make_unique<THeaderSections>()) {
  SetControlStyle(ControlStyle() & ~(StyleOf(csAcceptsControls) | StyleOf(csSetCaption)));
  SetBounds(0, 0, 250, 17);
  SetAlign(alTop);
}

// ---- TToolButton

TClass TToolButton::ClassInfo() {
  static TClass cls = [] {
    using B = TToolButton;
    TClassBuilder<B> b("TToolButton", TGraphicControl::ClassInfo());
    b.Creatable();
    // The bar sizes its buttons: only a separator's width is written.
    b.Integer("Width", &B::Width, &B::SetWidth).StoredWhen(&B::IsWidthStored);
    b.Integer("Height", &B::Height, &B::SetHeight).StoredWhen([](B&) { return false; });
    PublishStandard(b, "Action");
    b.Bool("AllowAllUp", &B::AllowAllUp, &B::SetAllowAllUp, false);
    PublishStandard(b, "AutoSize Caption");
    b.Bool("Down", &B::Down, &B::SetDown, false);
    PublishStandard(b, "DragCursor DragKind DragMode");
    b.Reference<TPopupMenu>("DropdownMenu", &B::DropdownMenu, &B::SetDropdownMenu);
    PublishStandard(b, "Enabled");
    b.Bool("Grouped", &B::Grouped, &B::SetGrouped, false);
    b.Integer("ImageIndex", &B::ImageIndex, &B::SetImageIndex, -1, TypeInfoImageIndex());
    b.Bool("Indeterminate", &B::Indeterminate, &B::SetIndeterminate, false);
    b.Bool("Marked", &B::Marked, &B::SetMarked, false);
    PublishStandard(b, "ParentShowHint PopupMenu");
    b.Bool("Wrap", &B::Wrap, &B::SetWrap, false);
    PublishStandard(b, "ShowHint");
    b.Enum<TToolButtonStyle>("Style", TypeInfoToolButtonStyle(), &B::Style, &B::SetStyle, tbsButton);
    PublishStandard(b, "Visible OnClick OnDragDrop OnDragOver OnEndDock OnEndDrag OnMouseDown OnMouseMove OnMouseUp "
                       "OnStartDock OnStartDrag");
    return b.Build();
  }();
  return cls;
}

TToolButton::TToolButton(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 23, 22);
  SetControlStyle(StyleOf(csCaptureMouse) | StyleOf(csClickEvents) | StyleOf(csSetCaption));
}

TToolBar* TToolButton::ToolBar() const { return Cast<TToolBar>(Parent()); }

void TToolButton::SetStyle(TToolButtonStyle value) {
  if (value == style_) return;
  bool wasSeparator = IsSeparator();
  style_ = value;
  // A new separator starts 8 pixels wide; a button leaving that style takes the bar's size.
  if (IsSeparator() && !wasSeparator && !HasState(csLoading)) SetWidth(8);
  if (TToolBar* bar = ToolBar()) {
    TPoint size = bar->ButtonSize(this);
    SetBounds(Left(), Top(), size.X, size.Y);
  }
}

void TToolButton::ParentChanged() {
  TGraphicControl::ParentChanged();
  if (TToolBar* bar = ToolBar()) {
    TPoint size = bar->ButtonSize(this);
    SetBounds(Left(), Top(), size.X, size.Y);
  }
}

// ---- TToolBar

TClass TToolBar::ClassInfo() {
  static TClass cls = [] {
    using T = TToolBar;
    TClassBuilder<T> b("TToolBar", TWinControl::ClassInfo());
    b.Creatable();
    b.Enum<TAlign>("Align", TypeInfoAlign(), &T::Align, &T::SetAlign, alTop);
    PublishStandard(b, "Anchors AutoSize BorderWidth");
    b.Integer("ButtonHeight", &T::ButtonHeight, &T::SetButtonHeight, 22);
    b.Integer("ButtonWidth", &T::ButtonWidth, &T::SetButtonWidth, 23);
    PublishStandard(b, "Caption");
    b.Integer("Color", &T::Color, &T::SetColor, clBtnFace, TypeInfoColor()).StoredWhen(&T::IsColorStored);
    PublishStandard(b, "Constraints Ctl3D");
    b.Reference<TCustomImageList>("DisabledImages", &T::DisabledImages, &T::SetDisabledImages);
    PublishStandard(b, "DockSite DragCursor DragKind DragMode");
    b.Set("EdgeBorders", TypeInfoEdgeBorders(), &T::EdgeBorders, &T::SetEdgeBorders, NativeInt{1} << ebTop);
    b.Enum<TEdgeStyle>("EdgeInner", TypeInfoEdgeStyle(), &T::EdgeInner, &T::SetEdgeInner, esRaised);
    b.Enum<TEdgeStyle>("EdgeOuter", TypeInfoEdgeStyle(), &T::EdgeOuter, &T::SetEdgeOuter, esLowered);
    PublishStandard(b, "Enabled");
    b.Bool("Flat", &T::Flat, &T::SetFlat, false);
    PublishStandard(b, "Font");
    b.Reference<TCustomImageList>("HotImages", &T::HotImages, &T::SetHotImages);
    b.Reference<TCustomImageList>("Images", &T::Images, &T::SetImages);
    b.Integer("Indent", &T::Indent, &T::SetIndent, 0);
    b.Bool("List", &T::List, &T::SetList, false);
    b.Bool("ParentColor", &T::ParentColor, &T::SetParentColor, false);
    PublishStandard(b, "ParentFont ParentShowHint PopupMenu");
    b.Bool("ShowCaptions", &T::ShowCaptions, &T::SetShowCaptions, false);
    PublishStandard(b, "ShowHint TabOrder TabStop");
    b.Bool("Transparent", &T::Transparent, &T::SetTransparent, false);
    PublishStandard(b, "Visible");
    b.Bool("Wrapable", &T::Wrapable, &T::SetWrapable, true);
    PublishStandard(b, "OnClick OnDblClick OnDockDrop OnDockOver OnDragDrop OnDragOver OnEndDock OnEndDrag OnEnter "
                       "OnExit OnGetSiteInfo OnMouseDown OnMouseMove OnMouseUp OnResize OnStartDock OnStartDrag "
                       "OnUnDock");
    return b.Build();
  }();
  return cls;
}

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(StyleOf(csAcceptsControls) | StyleOf(csCaptureMouse) | StyleOf(csClickEvents) |
                  StyleOf(csDoubleClicks) | StyleOf(csSetCaption));
  SetColor(clBtnFace);
  SetParentColor(false);
  SetBounds(0, 0, 150, 29);
  SetAlign(alTop);
}

TPoint TToolBar::ButtonSize(const TToolButton* button) const {
  int width = button->IsSeparator() ? button->Width() : buttonWidth_;
  if (button->Style() == tbsDropDown) width += kDropDownArrowWidth;
  return Point(width, buttonHeight_);
}

void TToolBar::ResizeButtons() {
  for (int i = 0; i < ControlCount(); ++i)
    if (auto* button = Cast<TToolButton>(Controls(i))) {
      TPoint size = ButtonSize(button);
      button->SetBounds(button->Left(), button->Top(), size.X, size.Y);
    }
}

void TToolBar::SetButtonWidth(int value) {
  if (value == buttonWidth_) return;
  buttonWidth_ = value;
  ResizeButtons();
}

void TToolBar::SetButtonHeight(int value) {
  if (value == buttonHeight_) return;
  buttonHeight_ = value;
  ResizeButtons();
}

void TToolBar::AdjustClientRect(TRect& rect) const {
  int band = edgeInner_ != esNone || edgeOuter_ != esNone ? 2 : 0;
  auto has = [this](TEdgeBorder edge) { return (edgeBorders_ & (NativeInt{1} << edge)) != 0; };
  if (has(ebLeft)) rect.Left += band;
  if (has(ebTop)) rect.Top += band;
  if (has(ebRight)) rect.Right -= band;
  if (has(ebBottom)) rect.Bottom -= band;
}

}  // namespace vcl
