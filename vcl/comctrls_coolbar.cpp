#include "vcl/comctrls_coolbar.h"

#include "vcl/published_controls.h"

namespace vcl {

// ---- TCoolBand

TClass TCoolBand::ClassInfo() {
  static TClass cls = [] {
    using B = TCoolBand;
    TClassBuilder<B> b("TCoolBand", TCollectionItem::ClassInfo());
    b.Object<TBitmap>("Bitmap", &B::Bitmap);
    b.Enum<TBorderStyle>("BorderStyle", TypeInfoBorderStyle(), &B::BorderStyle, &B::SetBorderStyle, bsNone);
    b.Bool("Break", &B::Break, &B::SetBreak, true);
    b.Integer("Color", &B::Color, &B::SetColor, clBtnFace, TypeInfoColor())
        .StoredWhen([](B& band) { return !band.ParentColor(); });
    b.Reference<TWinControl>("Control", &B::Control, &B::SetControl);
    b.Bool("FixedBackground", &B::FixedBackground, &B::SetFixedBackground, true);
    b.Bool("FixedSize", &B::FixedSize, &B::SetFixedSize, false);
    b.Bool("HorizontalOnly", &B::HorizontalOnly, &B::SetHorizontalOnly, false);
    b.Integer("ImageIndex", &B::ImageIndex, &B::SetImageIndex, -1, TypeInfoImageIndex());
    b.Integer("MinHeight", &B::MinHeight, &B::SetMinHeight, 25);
    b.Integer("MinWidth", &B::MinWidth, &B::SetMinWidth, 0);
    b.Bool("ParentColor", &B::ParentColor, &B::SetParentColor, true);
    b.Bool("ParentBitmap", &B::ParentBitmap, &B::SetParentBitmap, true);
    b.String("Text", &B::Text, &B::SetText);
    b.Bool("Visible", &B::Visible, &B::SetVisible, true);
    b.Integer("Width", &B::Width, &B::SetWidth, 0);
    return b.Build();
  }();
  return cls;
}

TCoolBand::TCoolBand(TCollection* collection) : TCollectionItem(collection), control_(collection->Owner()) {}

TCoolBar* TCoolBand::CoolBar() const { return Collection() ? Cast<TCoolBar>(Collection()->Owner()) : nullptr; }

TColor TCoolBand::Color() const {
  if (!parentColor_) return color_;
  TCoolBar* bar = CoolBar();
  return bar ? bar->Color() : color_;
}

void TCoolBand::SetColor(TColor value) {
  color_ = value;
  parentColor_ = false;
  Changed();
}

void TCoolBand::SetControl(TWinControl* value) {
  if (value == control_.get()) return;
  if (value) {
    TCoolBar* bar = CoolBar();
    if (TCoolBand* other = bar ? bar->Bands()->FindBand(value) : nullptr) other->SetControl(nullptr);
    if (bar && value->Parent() != bar) value->SetParent(bar);
  }
  control_.Set(value);
  Changed();
}

// ---- TCoolBands

TClass TCoolBands::ClassInfo() {
  static TClass cls = TClassBuilder<TCoolBands>("TCoolBands", TCollection::ClassInfo()).Build();
  return cls;
}

TCoolBands::TCoolBands(TCoolBar* bar) : TTypedCollection<TCoolBand>(bar), bar_(bar) {}

TCoolBand* TCoolBands::FindBand(const TControl* control) const {
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->Control() == control) return Items(i);
  return nullptr;
}

// ---- TCoolBar

TClass TCoolBar::ClassInfo() {
  static TClass cls = [] {
    using C = TCoolBar;
    TClassBuilder<C> b("TCoolBar", TWinControl::ClassInfo());
    b.Creatable();
    b.Enum<TAlign>("Align", TypeInfoAlign(), &C::Align, &C::SetAlign, alTop);
    PublishStandard(b, "Anchors AutoSize");
    b.Enum<TBorderStyle>("BandBorderStyle", TypeInfoBorderStyle(), &C::BandBorderStyle, &C::SetBandBorderStyle,
                         bsSingle);
    PublishStandard(b, "BiDiMode BorderWidth Color Constraints Ctl3D DockSite DragCursor DragKind DragMode");
    b.Set("EdgeBorders", TypeInfoEdgeBorders(), &C::EdgeBorders, &C::SetEdgeBorders,
          (NativeInt{1} << ebLeft) | (NativeInt{1} << ebTop) | (NativeInt{1} << ebRight) | (NativeInt{1} << ebBottom));
    b.Enum<TEdgeStyle>("EdgeInner", TypeInfoEdgeStyle(), &C::EdgeInner, &C::SetEdgeInner, esRaised);
    b.Enum<TEdgeStyle>("EdgeOuter", TypeInfoEdgeStyle(), &C::EdgeOuter, &C::SetEdgeOuter, esLowered);
    PublishStandard(b, "Enabled");
    b.Bool("FixedSize", &C::FixedSize, &C::SetFixedSize, false);
    b.Bool("FixedOrder", &C::FixedOrder, &C::SetFixedOrder, false);
    PublishStandard(b, "Font");
    b.Reference<TCustomImageList>("Images", &C::Images, &C::SetImages);
    PublishStandard(b, "ParentBiDiMode ParentColor ParentCtl3D ParentFont ParentShowHint");
    b.Object<TBitmap>("Bitmap", &C::Bitmap);
    PublishStandard(b, "PopupMenu ShowHint");
    b.Bool("ShowText", &C::ShowText, &C::SetShowText, true);
    b.Bool("Vertical", &C::Vertical, &C::SetVertical, false);
    PublishStandard(b, "Visible");
    b.Object<TCoolBands>("Bands", &C::Bands);
    b.Event("OnChange", &C::OnChange);
    PublishStandard(b, "OnClick OnConstrainedResize OnDblClick OnDockDrop OnDockOver OnDragDrop OnDragOver OnEndDock "
                       "OnEndDrag OnGetSiteInfo OnMouseDown OnMouseMove OnMouseUp OnResize OnStartDock OnStartDrag "
                       "OnUnDock");
    return b.Build();
  }();
  return cls;
}

TCoolBar::TCoolBar(TComponent* owner) : TWinControl(owner), bands_(std::make_unique<TCoolBands>(this)) {
  SetControlStyle(StyleOf(csAcceptsControls) | StyleOf(csCaptureMouse) | StyleOf(csClickEvents) |
                  StyleOf(csDoubleClicks) | StyleOf(csOpaque));
  SetBounds(0, 0, 150, 75);
  SetAlign(alTop);
  bands_->OnChange = [this](TObject*) {
    OnChange(this);
    Repaint();
  };
}

TCoolBar::~TCoolBar() {
  bands_->OnChange.Clear();
  // The bands go first: their references are held through the bar.
  bands_.reset();
}

}  // namespace vcl
