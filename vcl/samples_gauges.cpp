#include "vcl/samples_gauges.h"

#include <cmath>
#include <limits>
#include <numbers>

#include "vcl/canvas.h"
#include "vcl/published_controls.h"

namespace vcl {

namespace {
const TTypeInfo* TypeInfoGaugeKind() {
  static auto t = MakeEnumType("TGaugeKind", {"gkText", "gkHorizontalBar", "gkVerticalBar", "gkPie", "gkNeedle"});
  return t;
}

[[noreturn]] void OutOfRange(int low, int high) {
  throw EInvalidOperation("Value must be between " + std::to_string(low) + " and " + std::to_string(high));
}
}  // namespace

TClass TGauge::ClassInfo() {
  static TClass cls = [] {
    using G = TGauge;
    TClassBuilder<G> b("TGauge", TGraphicControl::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Align Anchors");
    b.Integer("BackColor", &G::BackColor, &G::SetBackColor, clWhite, TypeInfoColor());
    b.Enum<TBorderStyle>("BorderStyle", TypeInfoBorderStyle(), &G::BorderStyle, &G::SetBorderStyle, bsSingle);
    PublishStandard(b, "Color Constraints Enabled");
    b.Integer("ForeColor", &G::ForeColor, &G::SetForeColor, clBlack, TypeInfoColor());
    PublishStandard(b, "Font");
    b.Enum<TGaugeKind>("Kind", TypeInfoGaugeKind(), &G::Kind, &G::SetKind, gkHorizontalBar);
    b.Integer("MinValue", &G::MinValue, &G::SetMinValue, 0);
    b.Integer("MaxValue", &G::MaxValue, &G::SetMaxValue, 100);
    PublishStandard(b, "ParentColor ParentFont ParentShowHint PopupMenu");
    b.Integer("Progress", &G::Progress, &G::SetProgress);
    PublishStandard(b, "ShowHint");
    b.Bool("ShowText", &G::ShowText, &G::SetShowText, true);
    PublishStandard(b, "Visible");
    return b.Build();
  }();
  return cls;
}

TGauge::TGauge(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 100, 100); }

void TGauge::SetMinValue(int value) {
  if (value == minValue_) return;
  if (value > maxValue_ && !HasState(csLoading)) OutOfRange(-std::numeric_limits<int>::max(), maxValue_ - 1);
  minValue_ = value;
  if (progress_ < value) progress_ = value;
}

void TGauge::SetMaxValue(int value) {
  if (value == maxValue_) return;
  if (value < minValue_ && !HasState(csLoading)) OutOfRange(minValue_ + 1, std::numeric_limits<int>::max());
  maxValue_ = value;
  if (progress_ > value) progress_ = value;
}

void TGauge::SetProgress(int value) {
  if (value < minValue_) value = minValue_;
  else if (value > maxValue_) value = maxValue_;
  progress_ = value;
}

int TGauge::PercentDone() const {
  long long range = static_cast<long long>(maxValue_) - minValue_;
  if (range <= 0) return 0;
  return static_cast<int>((static_cast<long long>(progress_) - minValue_) * 100 / range);
}

// The border in the fore colour, the gauge inside it, the percentage over the middle.
void TGauge::Paint() {
  TCanvas* canvas = Canvas();
  TRect r = ClientRect();
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(r);
  if (borderStyle_ == bsSingle) r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
  canvas->Pen()->SetColor(foreColor_);
  canvas->Pen()->SetWidth(1);
  switch (kind_) {
    case gkText:
      canvas->Brush()->SetColor(backColor_);
      canvas->FillRect(r);
      break;
    case gkHorizontalBar:
    case gkVerticalBar: PaintBar(r); break;
    case gkPie: PaintPie(r); break;
    case gkNeedle: PaintNeedle(r); break;
  }
  if (showText_) {
    std::string text = std::to_string(PercentDone()) + "%";
    TPoint extent = canvas->TextExtent(text);
    canvas->Brush()->SetStyle(bsClear);
    canvas->TextOut(r.Left + (r.Width() - extent.X) / 2, r.Top + (r.Height() - extent.Y) / 2, text);
    canvas->Brush()->SetStyle(bsSolid);
  }
  if (borderStyle_ == bsSingle) {
    canvas->Brush()->SetColor(foreColor_);
    canvas->FrameRect(ClientRect());
  }
}

void TGauge::PaintBar(const TRect& r) {
  TCanvas* canvas = Canvas();
  canvas->Brush()->SetColor(backColor_);
  canvas->FillRect(r);
  canvas->Brush()->SetColor(foreColor_);
  int percent = PercentDone();
  if (kind_ == gkHorizontalBar)
    canvas->FillRect(Rect(r.Left, r.Top, r.Left + r.Width() * percent / 100, r.Bottom));
  else
    canvas->FillRect(Rect(r.Left, r.Bottom - r.Height() * percent / 100, r.Right, r.Bottom));
}

// An ellipse in the back colour with a wedge in the fore colour from twelve o'clock round
// clockwise.
void TGauge::PaintPie(const TRect& r) {
  TCanvas* canvas = Canvas();
  canvas->Brush()->SetColor(backColor_);
  canvas->Ellipse(r.Left, r.Top, r.Right, r.Bottom);
  if (progress_ <= minValue_) return;
  canvas->Brush()->SetColor(foreColor_);
  int midX = r.Left + r.Width() / 2, midY = r.Top + r.Height() / 2;
  double angle = std::numbers::pi * (PercentDone() / 50.0 + 0.5);
  int x = midX - static_cast<int>(std::lround(r.Width() / 2.0 * std::cos(angle)));
  int y = midY - static_cast<int>(std::lround(r.Height() / 2.0 * std::sin(angle)));
  canvas->Pie(r.Left, r.Top, r.Right, r.Bottom, x, y, midX, r.Top);
}

// The upper half of an ellipse, its base line, and a needle from the middle of the base at
// the angle of the percentage (0 points left, 100 right).
void TGauge::PaintNeedle(const TRect& r) {
  TCanvas* canvas = Canvas();
  canvas->Brush()->SetColor(backColor_);
  int base = r.Bottom - 1;
  canvas->Pie(r.Left, r.Top, r.Right, r.Top + 2 * (base - r.Top), r.Right, base, r.Left, base);
  canvas->MoveTo(r.Left, base);
  canvas->LineTo(r.Right, base);
  int percent = PercentDone();
  if (percent <= 0) return;
  int midX = r.Left + r.Width() / 2;
  double angle = std::numbers::pi * percent / 100.0;
  canvas->MoveTo(midX, base);
  canvas->LineTo(midX - static_cast<int>(std::lround(r.Width() / 2.0 * std::cos(angle))),
                 base - static_cast<int>(std::lround((base - r.Top) * std::sin(angle))));
}

}  // namespace vcl
