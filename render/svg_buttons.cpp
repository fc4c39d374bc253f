// Painters of buttons: push buttons, bitmap buttons, speed buttons, check boxes and radio
// buttons.
#include <fmt/format.h>

#include <functional>
#include <memory>

#include "render/svg_painters.h"
#include "vcl/stdctrls.h"
#include "vcl/text_metrics.h"

namespace vcl::svg {

namespace {

constexpr int kKindGlyphSize = 16;

// The built-in picture of a bitmap button's kind, in a 16 x 16 box at (x, y); false for
// kinds without one.
bool KindGlyph(TWriter& svg, int x, int y, TBitBtnKind kind) {
  auto stroke = [&](std::string_view d, TColor color) {
    svg.Element(fmt::format(
        "<path d=\"{}\" transform=\"translate({} {})\" fill=\"none\" stroke=\"{}\" stroke-width=\"2.5\" "
        "stroke-linecap=\"round\" stroke-linejoin=\"round\" shape-rendering=\"geometricPrecision\"/>\n",
        d, x, y, Hex(color)));
  };
  switch (kind) {
    case bkOK:
    case bkYes: stroke("M2 8.5L6 12.5L14 3.5", clGreen); return true;
    case bkAll: stroke("M1 8.5L4 11.5L9 4M7 8.5L10 11.5L15 4", clGreen); return true;
    case bkCancel:
    case bkAbort: stroke("M3 3L13 13M13 3L3 13", clRed); return true;
    case bkNo: stroke("M8 2A6 6 0 1 1 7.99 2ZM3.8 3.8L12.2 12.2", clRed); return true;
    case bkRetry: stroke("M12.5 5A5.5 5.5 0 1 0 13.5 9M13 1.5V5.5H9", clGreen); return true;
    case bkClose:
      stroke("M3 1.5H12V14.5H3ZM9.5 8V8.5", clOlive);
      return true;
    case bkHelp:
      svg.Element(fmt::format(
          "<text x=\"{}\" y=\"{}\" font-size=\"16\" font-weight=\"bold\" fill=\"{}\" text-anchor=\"middle\" "
          "font-family=\"Arial,sans-serif\">?</text>\n",
          x + 8, y + 14, Hex(clTeal)));
      return true;
    default: return false;
  }
}

// The first picture of a glyph strip, with its transparent colour (the bottom-left pixel)
// showing the button face.
std::unique_ptr<TBitmap> GlyphCell(const TBitmap& glyph, int numGlyphs) {
  int width = glyph.Width() / std::max(1, numGlyphs);
  auto cell = std::make_unique<TBitmap>();
  cell->SetSize(width, glyph.Height());
  TColor transparent = glyph.TransparentColor();
  TColor face = ColorToRGB(clBtnFace);
  for (int y = 0; y < glyph.Height(); ++y)
    for (int x = 0; x < width; ++x) {
      TColor pixel = glyph.Pixel(x, y);
      cell->SetPixel(x, y, pixel == transparent ? face : pixel);
    }
  return cell;
}

// The box of a check box or radio button and its caption beside it, on the side the
// alignment names: taRightJustify puts the caption right of the box.
void PaintCheckControl(const TPaintContext& ctx, TControl* control, const TRect& bounds, TLeftRight alignment,
                       const std::function<void(int x, int y)>& glyph) {
  constexpr int kBox = 13, kGap = 4;
  ctx.svg.Fill(bounds, control->Color());
  bool boxLeft = alignment == taRightJustify;
  int boxX = boxLeft ? bounds.Left : bounds.Right - kBox;
  glyph(boxX, bounds.Top + (bounds.Height() - kBox) / 2);
  const TFont& font = control->EffectiveFont();
  int textX = boxLeft ? bounds.Left + kBox + kGap : bounds.Left;
  TRect text = boxLeft ? Rect(textX, bounds.Top, bounds.Right, bounds.Bottom) : Rect(textX, bounds.Top, boxX, bounds.Bottom);
  ctx.svg.OpenViewport(text);
  StateCaption(ctx.svg, textX, bounds.Top + (bounds.Height() - MeasureTextHeight(font)) / 2, control->Caption(), font,
               font.Color(), control->Enabled());
  ctx.svg.CloseViewport();
}

}  // namespace

void ButtonContent(TWriter& svg, const TRect& face, TControl* button, const TButtonContent& content, bool down) {
  const TFont& font = button->EffectiveFont();
  std::string caption = button->Caption();
  std::string visible = StripAccelChars(caption);
  bool hasGlyph = content.glyph && !content.glyph->Empty();
  bool hasKindGlyph = !hasGlyph && content.kind != bkCustom && content.kind != bkIgnore;
  int glyphWidth = hasGlyph ? content.glyph->Width() / std::max(1, content.numGlyphs) : hasKindGlyph ? kKindGlyphSize : 0;
  int glyphHeight = hasGlyph ? content.glyph->Height() : hasKindGlyph ? kKindGlyphSize : 0;
  int textWidth = visible.empty() ? 0 : MeasureTextWidth(font, visible);
  int textHeight = visible.empty() ? 0 : MeasureTextHeight(font);
  int spacing = glyphWidth > 0 && textWidth > 0 ? content.spacing : 0;
  bool horizontal = content.layout == blGlyphLeft || content.layout == blGlyphRight;
  int extent = horizontal ? face.Width() : face.Height();
  int total = horizontal ? glyphWidth + spacing + textWidth : glyphHeight + spacing + textHeight;
  int start = content.margin < 0 ? (extent - total) / 2 : content.margin;
  int shift = down ? 1 : 0;
  TPoint glyph, text;
  switch (content.layout) {
    case blGlyphLeft:
      glyph = Point(start, (face.Height() - glyphHeight) / 2);
      text = Point(start + glyphWidth + spacing, (face.Height() - textHeight) / 2);
      break;
    case blGlyphRight:
      glyph = Point(extent - start - glyphWidth, (face.Height() - glyphHeight) / 2);
      text = Point(glyph.X - spacing - textWidth, (face.Height() - textHeight) / 2);
      break;
    case blGlyphTop:
      glyph = Point((face.Width() - glyphWidth) / 2, start);
      text = Point((face.Width() - textWidth) / 2, start + glyphHeight + spacing);
      break;
    case blGlyphBottom:
      glyph = Point((face.Width() - glyphWidth) / 2, extent - start - glyphHeight);
      text = Point((face.Width() - textWidth) / 2, glyph.Y - spacing - textHeight);
      break;
  }
  int gx = face.Left + glyph.X + shift, gy = face.Top + glyph.Y + shift;
  if (hasGlyph)
    svg.Image(Bounds(gx, gy, glyphWidth, glyphHeight), *GlyphCell(*content.glyph, content.numGlyphs));
  else if (hasKindGlyph)
    KindGlyph(svg, gx, gy, content.kind);
  StateCaption(svg, face.Left + text.X + shift, face.Top + text.Y + shift, caption, font, font.Color(),
               button->Enabled());
}

void PaintButton(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  auto* button = static_cast<TButton*>(control);
  TRect face = bounds;
  if (button->Default()) {
    ctx.svg.Frame(bounds, cl3DDkShadow);
    face = Inflate(bounds, -1);
  }
  ButtonFace(ctx.svg, face, false);
  const TFont& font = button->EffectiveFont();
  int width = MeasureTextWidth(font, StripAccelChars(button->Caption()));
  ctx.svg.OpenViewport(Inflate(face, -2));
  StateCaption(ctx.svg, face.Left + (face.Width() - width) / 2, face.Top + (face.Height() - MeasureTextHeight(font)) / 2,
               button->Caption(), font, clBtnText, button->Enabled());
  ctx.svg.CloseViewport();
}

void PaintBitBtn(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  auto* button = static_cast<TBitBtn*>(control);
  TRect face = bounds;
  if (button->Default()) {
    ctx.svg.Frame(bounds, cl3DDkShadow);
    face = Inflate(bounds, -1);
  }
  ButtonFace(ctx.svg, face, false);
  ctx.svg.OpenViewport(Inflate(face, -2));
  ButtonContent(ctx.svg, face, button,
                {button->Glyph(), button->NumGlyphs(), button->Kind(), button->Layout(), button->Margin(),
                 button->Spacing()},
                false);
  ctx.svg.CloseViewport();
}

void PaintSpeedButton(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  auto* button = static_cast<TSpeedButton*>(control);
  bool down = button->Down();
  if (!button->Flat()) {
    ctx.svg.Fill(bounds, clBtnFace);
    if (down)
      SunkenEdge(ctx.svg, bounds);
    else
      RaisedEdge(ctx.svg, bounds);
  } else if (down) {
    ctx.svg.Edge(bounds, clBtnShadow, clBtnHighlight);
  }
  if (down && button->GroupIndex() != 0) ctx.svg.Dither(Inflate(bounds, -2));
  ctx.svg.OpenViewport(Inflate(bounds, -1));
  ButtonContent(ctx.svg, bounds, button,
                {button->Glyph(), button->NumGlyphs(), bkCustom, button->Layout(), button->Margin(), button->Spacing()},
                down);
  ctx.svg.CloseViewport();
}

void PaintCheckBox(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  auto* box = static_cast<TCustomCheckBox*>(control);
  PaintCheckControl(ctx, control, bounds, box->Alignment(),
                    [&](int x, int y) { CheckGlyph(ctx.svg, x, y, box->State(), box->Enabled()); });
}

void PaintRadioButton(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  auto* radio = static_cast<TRadioButton*>(control);
  PaintCheckControl(ctx, control, bounds, radio->Alignment(),
                    [&](int x, int y) { RadioGlyph(ctx.svg, x, y, radio->Checked(), radio->Enabled()); });
}

}  // namespace vcl::svg
