#include "vcl/canvas.h"

#include "vcl/bitmap.h"
#include "vcl/class_builder.h"
#include "vcl/icon.h"
#include "vcl/text_metrics.h"

namespace vcl {

const TTypeInfo* TypeInfoPenStyle() {
  static auto type = MakeEnumType(
      "TPenStyle", {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"});
  return type;
}
const TTypeInfo* TypeInfoPenMode() {
  static auto type = MakeEnumType(
      "TPenMode", {"pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy", "pmMergePenNot", "pmMaskPenNot",
                   "pmMergeNotPen", "pmMaskNotPen", "pmMerge", "pmNotMerge", "pmMask", "pmNotMask", "pmXor",
                   "pmNotXor"});
  return type;
}
const TTypeInfo* TypeInfoBrushStyle() {
  static auto type = MakeEnumType("TBrushStyle", {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal",
                                                  "bsBDiagonal", "bsCross", "bsDiagCross"});
  return type;
}

// ---- TPen

TClass TPen::ClassInfo() {
  static TClass cls = TClassBuilder<TPen>("TPen", TGraphicsObject::ClassInfo())
                          .Creatable()
                          .Integer("Color", &TPen::Color, &TPen::SetColor, clBlack, TypeInfoColor())
                          .Enum<TPenMode>("Mode", TypeInfoPenMode(), &TPen::Mode, &TPen::SetMode, pmCopy)
                          .Enum<TPenStyle>("Style", TypeInfoPenStyle(), &TPen::Style, &TPen::SetStyle, psSolid)
                          .Integer("Width", &TPen::Width, &TPen::SetWidth, 1)
                          .Build();
  return cls;
}

void TPen::Assign(TPersistent* source) {
  auto* pen = Cast<TPen>(source);
  if (!pen) return TGraphicsObject::Assign(source);
  Lock();
  SetColor(pen->color_);
  SetMode(pen->mode_);
  SetStyle(pen->style_);
  SetWidth(pen->width_);
  Unlock();
}

void TPen::SetColor(TColor value) {
  if (value == color_) return;
  color_ = value;
  Changed();
}
void TPen::SetMode(TPenMode value) {
  if (value == mode_) return;
  mode_ = value;
  Changed();
}
void TPen::SetStyle(TPenStyle value) {
  if (value == style_) return;
  style_ = value;
  Changed();
}
void TPen::SetWidth(int value) {
  if (value == width_ || value < 0) return;
  width_ = value;
  Changed();
}

// ---- TBrush

TClass TBrush::ClassInfo() {
  static TClass cls = TClassBuilder<TBrush>("TBrush", TGraphicsObject::ClassInfo())
                          .Creatable()
                          .Integer("Color", &TBrush::Color, &TBrush::SetColor, clWhite, TypeInfoColor())
                          .Enum<TBrushStyle>("Style", TypeInfoBrushStyle(), &TBrush::Style, &TBrush::SetStyle, bsSolid)
                          .Build();
  return cls;
}

void TBrush::Assign(TPersistent* source) {
  auto* brush = Cast<TBrush>(source);
  if (!brush) return TGraphicsObject::Assign(source);
  Lock();
  SetColor(brush->color_);
  SetStyle(brush->style_);
  Unlock();
}

void TBrush::SetColor(TColor value) {
  if (value == color_ && style_ != bsClear) return;
  color_ = value;
  if (style_ == bsClear) style_ = bsSolid;
  Changed();
}
void TBrush::SetStyle(TBrushStyle value) {
  if (value == style_) return;
  style_ = value;
  Changed();
}

// ---- TCanvas

TClass TCanvas::ClassInfo() {
  static TClass cls = TClassBuilder<TCanvas>("TCanvas", TPersistent::ClassInfo()).Creatable().Build();
  return cls;
}

TCanvas::TCanvas()
    : font_(std::make_unique<TFont>()), pen_(std::make_unique<TPen>()), brush_(std::make_unique<TBrush>()) {}

TCanvas::~TCanvas() = default;

int TCanvas::TextWidth(std::string_view text) const { return MeasureTextWidth(*font_, text); }
int TCanvas::TextHeight(std::string_view) const { return MeasureTextHeight(*font_); }
TPoint TCanvas::TextExtent(std::string_view text) const { return Point(TextWidth(text), TextHeight(text)); }

TCanvasOp& TCanvas::Record(TCanvasOp::Kind kind) {
  TCanvasOp op{};
  op.kind = kind;
  op.penColor = pen_->Color();
  op.penStyle = pen_->Style();
  op.penWidth = pen_->Width();
  op.brushColor = brush_->Color();
  op.brushStyle = brush_->Style();
  op.fontName = font_->Name();
  op.fontHeight = font_->Height();
  op.fontStyle = font_->Style();
  op.fontColor = font_->Color();
  ops_.push_back(std::move(op));
  return ops_.back();
}

TCanvasOp& TCanvas::RecordGraphic(TCanvasOp::Kind kind, const TGraphic* graphic) {
  TCanvasOp& op = Record(kind);
  op.graphicClass = graphic->ClassName();
  op.graphicWidth = graphic->Width();
  op.graphicHeight = graphic->Height();
  if (auto* bitmap = dynamic_cast<const TBitmap*>(graphic)) {
    op.pixels = std::make_shared<const std::vector<TColor>>(bitmap->PixelData());
    if (bitmap->Transparent()) op.transparentColor = bitmap->TransparentColor();
  }
  if (auto* icon = dynamic_cast<const TIcon*>(graphic))
    op.icon = std::make_shared<const std::vector<std::uint8_t>>(icon->Data());
  return op;
}

void TCanvas::FillRect(const TRect& rect) { Record(TCanvasOp::opFillRect).rect = rect; }
void TCanvas::FrameRect(const TRect& rect) { Record(TCanvasOp::opFrameRect).rect = rect; }
void TCanvas::DrawFocusRect(const TRect& rect) { Record(TCanvasOp::opDrawFocusRect).rect = rect; }

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
  Record(TCanvasOp::opRectangle).rect = Rect(left, top, right, bottom);
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
  TCanvasOp& op = Record(TCanvasOp::opRoundRect);
  op.rect = Rect(left, top, right, bottom);
  op.corner = Point(cornerWidth, cornerHeight);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
  Record(TCanvasOp::opEllipse).rect = Rect(left, top, right, bottom);
}

void TCanvas::Pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) {
  TCanvasOp& op = Record(TCanvasOp::opPie);
  op.rect = Rect(left, top, right, bottom);
  op.points = {Point(x1, y1), Point(x2, y2)};
}

void TCanvas::LineTo(int x, int y) {
  Record(TCanvasOp::opLineTo).rect = Rect(penPos_.X, penPos_.Y, x, y);
  penPos_ = Point(x, y);
}

void TCanvas::Polyline(const std::vector<TPoint>& points) { Record(TCanvasOp::opPolyline).points = points; }

void TCanvas::TextOut(int x, int y, std::string_view text) {
  TCanvasOp& op = Record(TCanvasOp::opTextOut);
  op.points = {Point(x, y)};
  op.text = text;
  op.rect = Bounds(x, y, TextWidth(text), TextHeight(text));
  penPos_ = Point(x + op.rect.Width(), y);
}

void TCanvas::TextRect(const TRect& rect, int x, int y, std::string_view text) {
  TCanvasOp& op = Record(TCanvasOp::opTextRect);
  op.rect = rect;
  op.points = {Point(x, y)};
  op.text = text;
}

void TCanvas::Draw(int x, int y, const TGraphic* graphic) {
  if (!graphic || graphic->Empty()) return;
  TCanvasOp& op = RecordGraphic(TCanvasOp::opDraw, graphic);
  op.points = {Point(x, y)};
  op.rect = Bounds(x, y, graphic->Width(), graphic->Height());
}

void TCanvas::StretchDraw(const TRect& rect, const TGraphic* graphic) {
  if (!graphic || graphic->Empty()) return;
  RecordGraphic(TCanvasOp::opStretchDraw, graphic).rect = rect;
}

}  // namespace vcl
