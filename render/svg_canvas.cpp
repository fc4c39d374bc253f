// Controls that draw themselves on a canvas (bevels, shapes, images, paint boxes,
// splitters, and whatever else a library adds): their recorded drawing, replayed as SVG.
#include <fmt/format.h>

#include <cmath>
#include <memory>
#include <numbers>

#include "render/svg_painters.h"
#include "vcl/controls.h"
#include "vcl/text_metrics.h"

namespace vcl::svg {

namespace {

std::string DashArray(TPenStyle style) {
  switch (style) {
    case psDash: return " stroke-dasharray=\"18 6\"";
    case psDot: return " stroke-dasharray=\"3 3\"";
    case psDashDot: return " stroke-dasharray=\"9 6 3 6\"";
    case psDashDotDot: return " stroke-dasharray=\"9 3 3 3 3 3\"";
    default: return {};
  }
}

std::string PenAttributes(const TCanvasOp& op) {
  if (op.penStyle == psClear || op.penWidth <= 0) return " stroke=\"none\"";
  return fmt::format(" stroke=\"{}\" stroke-width=\"{}\"{}", Hex(op.penColor), op.penWidth, DashArray(op.penStyle));
}

std::string BrushAttributes(const TCanvasOp& op) {
  return op.brushStyle == bsClear ? " fill=\"none\"" : " fill=\"" + Hex(op.brushColor) + "\"";
}

void SetFont(TFont& font, const TCanvasOp& op) {
  font.SetName(op.fontName);
  font.SetHeight(op.fontHeight);
  font.SetStyle(op.fontStyle);
}

// A bitmap with the recorded pixels of a drawn picture.
std::unique_ptr<TBitmap> RecordedBitmap(const TCanvasOp& op) {
  auto bitmap = std::make_unique<TBitmap>();
  if (!op.pixels || static_cast<int>(op.pixels->size()) != op.graphicWidth * op.graphicHeight) return bitmap;
  bitmap->SetSize(op.graphicWidth, op.graphicHeight);
  for (int y = 0; y < op.graphicHeight; ++y)
    for (int x = 0; x < op.graphicWidth; ++x)
      bitmap->SetPixel(x, y, (*op.pixels)[static_cast<std::size_t>(y * op.graphicWidth + x)]);
  return bitmap;
}

// A shape outlined by the pen inside `r` (as the host draws rectangles and ellipses) and
// filled by the brush.
void Shape(TWriter& svg, const TCanvasOp& op, const TRect& r, std::string_view element) {
  double inset = op.penStyle == psClear ? 0 : op.penWidth / 2.0;
  double x = r.Left + inset, y = r.Top + inset;
  double w = std::max(0.0, r.Width() - 2 * inset), h = std::max(0.0, r.Height() - 2 * inset);
  std::string geometry =
      element == "ellipse"
          ? fmt::format("cx=\"{}\" cy=\"{}\" rx=\"{}\" ry=\"{}\"", x + w / 2, y + h / 2, w / 2, h / 2)
          : fmt::format("x=\"{}\" y=\"{}\" width=\"{}\" height=\"{}\"", x, y, w, h);
  if (op.kind == TCanvasOp::opRoundRect)
    geometry += fmt::format(" rx=\"{}\" ry=\"{}\"", op.corner.X / 2.0, op.corner.Y / 2.0);
  std::string rendering = element == "rect" && op.kind != TCanvasOp::opRoundRect ? "" : " shape-rendering=\"geometricPrecision\"";
  svg.Element(fmt::format("<{} {}{}{}{}/>\n", element, geometry, BrushAttributes(op), PenAttributes(op), rendering));
}

// A pie's wedge: from the centre out along the first radial, round the ellipse anticlockwise
// to the second radial and back. Equal radials give the whole ellipse.
void PieWedge(TWriter& svg, const TCanvasOp& op, const TRect& r) {
  double rx = r.Width() / 2.0, ry = r.Height() / 2.0;
  if (rx <= 0 || ry <= 0) return;
  if (op.points[0] == op.points[1]) return Shape(svg, op, r, "ellipse");
  double cx = r.Left + rx, cy = r.Top + ry;
  int dx = r.Left - op.rect.Left, dy = r.Top - op.rect.Top;
  auto angle = [&](const TPoint& p) { return std::atan2(-(p.Y + dy - cy) / ry, (p.X + dx - cx) / rx); };
  double from = angle(op.points[0]), to = angle(op.points[1]);
  double sweep = std::remainder(to - from, 2 * std::numbers::pi);
  if (sweep <= 0) sweep += 2 * std::numbers::pi;
  auto at = [&](double a) { return fmt::format("{:.2f} {:.2f}", cx + rx * std::cos(a), cy - ry * std::sin(a)); };
  svg.Element(fmt::format("<path d=\"M{:.2f} {:.2f}L{}A{} {} 0 {} 0 {}Z\"{}{} shape-rendering=\"geometricPrecision\"/>\n", cx,
                          cy, at(from), rx, ry, sweep > std::numbers::pi ? 1 : 0, at(to), BrushAttributes(op),
                          PenAttributes(op)));
}

void Replay(TWriter& svg, const TCanvasOp& op, TPoint at) {
  TRect r = Bounds(op.rect.Left + at.X, op.rect.Top + at.Y, op.rect.Width(), op.rect.Height());
  auto point = [&](const TPoint& p) { return fmt::format("{}.5 {}.5", p.X + at.X, p.Y + at.Y); };
  switch (op.kind) {
    case TCanvasOp::opFillRect:
      if (op.brushStyle != bsClear) svg.Fill(r, op.brushColor);
      break;
    case TCanvasOp::opFrameRect: svg.Frame(r, op.brushColor); break;
    case TCanvasOp::opDrawFocusRect:
      svg.Element(fmt::format(
          "<rect x=\"{}.5\" y=\"{}.5\" width=\"{}\" height=\"{}\" fill=\"none\" stroke=\"{}\" stroke-dasharray=\"1 1\"/>\n",
          r.Left, r.Top, std::max(0, r.Width() - 1), std::max(0, r.Height() - 1), Hex(clBlack)));
      break;
    case TCanvasOp::opRectangle:
    case TCanvasOp::opRoundRect: Shape(svg, op, r, "rect"); break;
    case TCanvasOp::opEllipse: Shape(svg, op, r, "ellipse"); break;
    case TCanvasOp::opPie: PieWedge(svg, op, r); break;
    case TCanvasOp::opLineTo: {
      if (op.penStyle == psClear) break;
      // The end point is not drawn: a level or upright line covers exactly the pixels
      // from its start up to its end.
      int x1 = op.rect.Left + at.X, y1 = op.rect.Top + at.Y, x2 = op.rect.Right + at.X, y2 = op.rect.Bottom + at.Y;
      std::string d = y1 == y2   ? fmt::format("M{} {}.5H{}", x1, y1, x2)
                      : x1 == x2 ? fmt::format("M{}.5 {}V{}", x1, y1, y2)
                                 : fmt::format("M{}L{}", point({op.rect.Left, op.rect.Top}), point({op.rect.Right, op.rect.Bottom}));
      svg.Element(fmt::format("<path d=\"{}\" fill=\"none\"{}/>\n", d, PenAttributes(op)));
      break;
    }
    case TCanvasOp::opPolyline: {
      if (op.points.empty() || op.penStyle == psClear) break;
      std::string d = fmt::format("M{}", point(op.points.front()));
      for (std::size_t i = 1; i < op.points.size(); ++i) d += fmt::format("L{}", point(op.points[i]));
      // The points themselves are drawn, the last included.
      svg.Element(fmt::format("<path d=\"{}\" fill=\"none\" stroke-linecap=\"square\"{}/>\n", d, PenAttributes(op)));
      break;
    }
    case TCanvasOp::opTextOut:
    case TCanvasOp::opTextRect: {
      if (op.points.empty()) break;
      TFont font;
      SetFont(font, op);
      int x = op.points[0].X + at.X, y = op.points[0].Y + at.Y;
      if (op.kind == TCanvasOp::opTextRect) svg.OpenViewport(r);
      if (op.brushStyle != bsClear) {
        TRect back = op.kind == TCanvasOp::opTextRect
                         ? r
                         : Bounds(x, y, MeasureTextWidth(font, op.text), MeasureTextHeight(font));
        svg.Fill(back, op.brushColor);
      }
      svg.Text(x, y, op.text, font, op.fontColor);
      if (op.kind == TCanvasOp::opTextRect) svg.CloseViewport();
      break;
    }
    case TCanvasOp::opDraw:
    case TCanvasOp::opStretchDraw:
      if (op.icon) svg.Icon(r, *op.icon);
      else svg.Image(r, *RecordedBitmap(op), op.transparentColor);
      break;
  }
}

}  // namespace

void ReplayCanvas(TWriter& svg, const TCanvas& canvas, TPoint at) {
  for (const TCanvasOp& op : canvas.Operations()) Replay(svg, op, at);
}

void PaintRecorded(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  TCanvas* canvas = nullptr;
  TPoint at = Point(bounds.Left, bounds.Top);
  if (auto* graphic = Cast<TGraphicControl>(control)) {
    canvas = graphic->Canvas();
  } else if (auto* custom = Cast<TCustomControl>(control)) {
    canvas = custom->Canvas();
    TRect client = ClientBounds(control, bounds);
    at = Point(client.Left, client.Top);
  }
  if (canvas) control->Repaint();
  if (!canvas || canvas->Operations().empty()) return PaintPlaceholder(ctx, control, bounds);
  ReplayCanvas(ctx.svg, *canvas, at);
}

void PaintPlaceholder(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  // A window is opaque: it hides what lies below it.
  if (Cast<TWinControl>(control)) ctx.svg.Fill(bounds, control->Color());
  ctx.svg.DashedFrame(bounds, clBtnShadow);
  TFont font;
  ctx.svg.OpenViewport(Inflate(bounds, -1));
  ctx.svg.Text(bounds.Left + 3, bounds.Top + 2, control->ClassName(), font, clBtnShadow);
  ctx.svg.CloseViewport();
}

}  // namespace vcl::svg
