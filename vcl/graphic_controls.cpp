#include <algorithm>

#include "vcl/extctrls.h"
#include "vcl/published_controls.h"

namespace vcl {

// ---- TShape

namespace {
const char* const kGraphicDragEvents =
    "OnDragDrop OnDragOver OnEndDock OnEndDrag OnMouseDown OnMouseMove OnMouseUp OnStartDock OnStartDrag";

const TTypeInfo* TypeInfoShapeType() {
  static auto t = MakeEnumType("TShapeType",
                               {"stRectangle", "stSquare", "stRoundRect", "stRoundSquare", "stEllipse", "stCircle"});
  return t;
}
const TTypeInfo* TypeInfoResizeStyle() {
  static auto t = MakeEnumType("TResizeStyle", {"rsNone", "rsLine", "rsUpdate", "rsPattern"});
  return t;
}
}  // namespace

TClass TShape::ClassInfo() {
  static TClass cls = [] {
    TClassBuilder<TShape> b("TShape", TGraphicControl::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Align Anchors");
    b.Object("Brush", &TShape::Brush);
    PublishStandard(b, "DragCursor DragKind DragMode Enabled Constraints ParentShowHint");
    b.Object("Pen", &TShape::Pen);
    b.Enum<TShapeType>("Shape", TypeInfoShapeType(), &TShape::Shape, &TShape::SetShape, stRectangle);
    PublishStandard(b, "ShowHint Visible");
    PublishStandard(b, kGraphicDragEvents);
    return b.Build();
  }();
  return cls;
}

TShape::TShape(TComponent* owner)
    : TGraphicControl(owner), brush_(std::make_unique<TBrush>()), pen_(std::make_unique<TPen>()) {
  SetControlStyle(ControlStyle() | StyleOf(csReplicatable));
  SetBounds(0, 0, 65, 65);
}

TShape::~TShape() = default;

void TShape::Paint() {
  TCanvas* canvas = Canvas();
  canvas->Pen()->Assign(pen_.get());
  canvas->Brush()->Assign(brush_.get());
  int penWidth = pen_->Width();
  int x = penWidth / 2, y = x;
  int w = Width() - penWidth + 1, h = Height() - penWidth + 1;
  if (penWidth == 0) {
    --w;
    --h;
  }
  bool square = shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle;
  if (square) {
    int side = std::min(w, h);
    x += (w - side) / 2;
    y += (h - side) / 2;
    w = h = side;
  }
  switch (shape_) {
    case stRectangle:
    case stSquare: canvas->Rectangle(x, y, x + w, y + h); break;
    case stRoundRect:
    case stRoundSquare: {
      int corner = std::min(w, h) / 4;
      canvas->RoundRect(x, y, x + w, y + h, corner, corner);
      break;
    }
    case stEllipse:
    case stCircle: canvas->Ellipse(x, y, x + w, y + h); break;
  }
}

// ---- TImage

TClass TImage::ClassInfo() {
  static TClass cls = [] {
    using I = TImage;
    TClassBuilder<I> b("TImage", TGraphicControl::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Align Anchors AutoSize");
    b.Bool("Center", &I::Center, &I::SetCenter, false);
    PublishStandard(b, "Constraints DragCursor DragKind DragMode Enabled");
    b.Bool("IncrementalDisplay", &I::IncrementalDisplay, &I::SetIncrementalDisplay, false);
    PublishStandard(b, "ParentShowHint");
    b.Object("Picture", &I::Picture);
    PublishStandard(b, "PopupMenu ShowHint");
    b.Bool("Stretch", &I::Stretch, &I::SetStretch, false);
    b.Bool("Transparent", &I::Transparent, &I::SetTransparent, false);
    PublishStandard(b, "Visible OnClick OnDblClick OnDragDrop OnDragOver OnEndDock OnEndDrag OnMouseDown OnMouseMove "
                       "OnMouseUp");
    b.Event("OnProgress", &I::OnProgress, "TProgressEvent");
    PublishStandard(b, "OnStartDock OnStartDrag");
    return b.Build();
  }();
  return cls;
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner), picture_(std::make_unique<TPicture>()) {
  SetControlStyle(ControlStyle() | StyleOf(csReplicatable));
  picture_->OnChange = [this](TObject*) { PictureChanged(); };
  SetBounds(0, 0, 105, 105);
}

TImage::~TImage() { picture_->OnChange.Clear(); }

void TImage::SetTransparent(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  if (TGraphic* graphic = picture_->Graphic()) graphic->SetTransparent(value);
}

void TImage::PictureChanged() {
  if (TGraphic* graphic = picture_->Graphic()) {
    if (graphic->Transparent() != transparent_) graphic->SetTransparent(transparent_);
  }
  if (AutoSize()) AdjustSize();
}

bool TImage::CanAutoSize(int& width, int& height) {
  if (picture_->Width() > 0 && picture_->Height() > 0) {
    width = picture_->Width();
    height = picture_->Height();
  }
  return true;
}

void TImage::Paint() {
  TCanvas* canvas = Canvas();
  // The designer outlines the image, which may show nothing of its own.
  if (HasState(csDesigning)) {
    canvas->Pen()->SetStyle(psDash);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Rectangle(0, 0, Width(), Height());
  }
  TGraphic* graphic = picture_->Graphic();
  if (!graphic || graphic->Empty()) return;
  if (stretch_) return canvas->StretchDraw(ClientRect(), graphic);
  int x = center_ ? (Width() - graphic->Width()) / 2 : 0;
  int y = center_ ? (Height() - graphic->Height()) / 2 : 0;
  canvas->Draw(x, y, graphic);
}

// ---- TPaintBox

TClass TPaintBox::ClassInfo() {
  static TClass cls = [] {
    TClassBuilder<TPaintBox> b("TPaintBox", TGraphicControl::ClassInfo());
    b.Creatable();
    PublishStandard(b,
                    "Align Anchors Color Constraints DragCursor DragKind DragMode Enabled Font ParentColor "
                    "ParentFont ParentShowHint PopupMenu ShowHint Visible OnClick OnDblClick OnDragDrop OnDragOver "
                    "OnEndDock OnEndDrag OnMouseDown OnMouseMove OnMouseUp");
    b.Event("OnPaint", &TPaintBox::OnPaint);
    PublishStandard(b, "OnStartDock OnStartDrag");
    return b.Build();
  }();
  return cls;
}

TPaintBox::TPaintBox(TComponent* owner) : TGraphicControl(owner) {
  SetControlStyle(ControlStyle() | StyleOf(csReplicatable));
  SetBounds(0, 0, 105, 105);
}

void TPaintBox::Paint() {
  TCanvas* canvas = Canvas();
  canvas->Font()->Assign(EffectiveFont());
  canvas->Brush()->SetColor(Color());
  if (HasState(csDesigning)) {
    canvas->Pen()->SetStyle(psDash);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Rectangle(0, 0, Width(), Height());
  }
  OnPaint(this);
}

// ---- TSplitter

TClass TSplitter::ClassInfo() {
  static TClass cls = [] {
    using S = TSplitter;
    TClassBuilder<S> b("TSplitter", TGraphicControl::ClassInfo());
    b.Creatable();
    b.Integer("Cursor", &S::Cursor, &S::SetCursor, crHSplit, TypeInfoCursor());
    b.Enum<TAlign>("Align", TypeInfoAlign(), &S::Align, &S::SetAlign, alLeft);
    b.Bool("Beveled", &S::Beveled, &S::SetBeveled, false);
    PublishStandard(b, "Color Constraints");
    b.Integer("MinSize", &S::MinSize, &S::SetMinSize, 30, NamedIntegerType("NaturalNumber"));
    PublishStandard(b, "ParentColor");
    b.Enum<TResizeStyle>("ResizeStyle", TypeInfoResizeStyle(), &S::ResizeStyle, &S::SetResizeStyle, rsPattern);
    PublishStandard(b, "Visible");
    b.Event("OnCanResize", &S::OnCanResize, "TCanResizeEvent");
    b.Event("OnMoved", &S::OnMoved);
    b.Event("OnPaint", &S::OnPaint);
    return b.Build();
  }();
  return cls;
}

TSplitter::TSplitter(TComponent* owner) : TGraphicControl(owner) {
  SetAlign(alLeft);
  SetBounds(0, 0, 3, 100);
  SetCursor(crHSplit);
}

void TSplitter::Paint() {
  TCanvas* canvas = Canvas();
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(ClientRect());
  OnPaint(this);
}

}  // namespace vcl
