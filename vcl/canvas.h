// Pens, brushes and the canvas. The canvas draws nothing itself: it records every
// drawing call with the pen, brush and font in effect, so that drawing can be tested and
// rendered later. Text is measured with the built-in metrics (text_metrics.h).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "vcl/font.h"
#include "vcl/geometry.h"

namespace vcl {

class TGraphic;

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode {
  pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
  pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};
enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

const TTypeInfo* TypeInfoPenStyle();
const TTypeInfo* TypeInfoPenMode();
const TTypeInfo* TypeInfoBrushStyle();

class TPen : public TGraphicsObject {
  VCL_CLASS(TPen, TGraphicsObject)
  TPen() = default;
  void Assign(TPersistent* source) override;

  TColor Color() const { return color_; }
  void SetColor(TColor value);
  TPenMode Mode() const { return mode_; }
  void SetMode(TPenMode value);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle value);
  int Width() const { return width_; }
  void SetWidth(int value);

private:
  TColor color_ = clBlack;
  TPenMode mode_ = pmCopy;
  TPenStyle style_ = psSolid;
  int width_ = 1;
};

class TBrush : public TGraphicsObject {
  VCL_CLASS(TBrush, TGraphicsObject)
  TBrush() = default;
  void Assign(TPersistent* source) override;

  TColor Color() const { return color_; }
  // Choosing a colour makes a clear brush solid, as the host does.
  void SetColor(TColor value);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle value);

private:
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
};

// One recorded drawing call, with the drawing state it used.
struct TCanvasOp {
  enum Kind {
    opFillRect, opFrameRect, opRectangle, opRoundRect, opEllipse, opPie, opLineTo, opPolyline,
    opTextOut, opTextRect, opDraw, opStretchDraw, opDrawFocusRect
  };
  Kind kind;
  TRect rect;                 // target rectangle (for a line: from the pen position to the end point)
  std::vector<TPoint> points; // polyline points; TextOut/Draw position in points[0]; a pie's two radial points
  std::string text;
  TPoint corner;              // RoundRect corner ellipse size
  // The state in effect.
  TColor penColor;
  TPenStyle penStyle;
  int penWidth;
  TColor brushColor;
  TBrushStyle brushStyle;
  std::string fontName;
  int fontHeight;
  TFontStyles fontStyle;
  TColor fontColor;
  // A drawn picture: its class name and a copy of its pixels (rows top-down, $00BBGGRR),
  // or, for an icon, its ICO file.
  std::string graphicClass;
  int graphicWidth = 0;
  int graphicHeight = 0;
  std::shared_ptr<const std::vector<TColor>> pixels;
  // A transparent bitmap's colour that lets what lies beneath show (clNone: opaque).
  TColor transparentColor = clNone;
  std::shared_ptr<const std::vector<std::uint8_t>> icon;
};

class TCanvas : public TPersistent {
  VCL_CLASS(TCanvas, TPersistent)
  TCanvas();
  ~TCanvas() override;

  TFont* Font() const { return font_.get(); }
  TPen* Pen() const { return pen_.get(); }
  TBrush* Brush() const { return brush_.get(); }
  TPoint PenPos() const { return penPos_; }
  void SetPenPos(TPoint p) { penPos_ = p; }

  int TextWidth(std::string_view text) const;
  int TextHeight(std::string_view text) const;
  TPoint TextExtent(std::string_view text) const;

  void FillRect(const TRect& rect);
  void FrameRect(const TRect& rect);
  void Rectangle(int left, int top, int right, int bottom);
  void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
  void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
  void Ellipse(int left, int top, int right, int bottom);
  // The wedge of the ellipse in the rectangle from the radial through (x1, y1)
  // anticlockwise to the radial through (x2, y2), outlined by the pen, filled by the brush.
  void Pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2);
  void MoveTo(int x, int y) { penPos_ = Point(x, y); }
  void LineTo(int x, int y);
  void Polyline(const std::vector<TPoint>& points);
  void TextOut(int x, int y, std::string_view text);
  // Text clipped to `rect`, drawn at (x, y).
  void TextRect(const TRect& rect, int x, int y, std::string_view text);
  void Draw(int x, int y, const TGraphic* graphic);
  void StretchDraw(const TRect& rect, const TGraphic* graphic);
  void DrawFocusRect(const TRect& rect);

  // What has been drawn since the last ClearOperations, in order.
  const std::vector<TCanvasOp>& Operations() const { return ops_; }
  void ClearOperations() { ops_.clear(); }

private:
  TCanvasOp& Record(TCanvasOp::Kind kind);
  TCanvasOp& RecordGraphic(TCanvasOp::Kind kind, const TGraphic* graphic);

  std::unique_ptr<TFont> font_;
  std::unique_ptr<TPen> pen_;
  std::unique_ptr<TBrush> brush_;
  TPoint penPos_;
  std::vector<TCanvasOp> ops_;
};

}  // namespace vcl
