// Writing SVG pictures of controls: well-formed XML from any UTF-8 text, colours resolved
// with the model's scheme, and the pixel-exact primitives the host's controls are drawn
// with (1-pixel edges, text measured with the model's metrics). Output is deterministic.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "vcl/bitmap.h"
#include "vcl/colors.h"
#include "vcl/font.h"
#include "vcl/geometry.h"

namespace vcl::svg {

// Text as XML character data or attribute value: markup characters as entities, invalid
// UTF-8 and characters XML cannot hold as U+FFFD, tabs and line breaks as blanks.
std::string Escape(std::string_view text);
// "#RRGGBB" of a colour (system colours in the classic scheme).
std::string Hex(TColor color);
// The bytes in base64.
std::string Base64(std::string_view bytes);

// Where the '&' of a caption marks a letter: the visible text and the marked letter's
// byte range in it (empty when none).
struct TAccelText {
  std::string text;
  std::size_t markStart = 0;
  std::size_t markLength = 0;
};
TAccelText ParseAccel(std::string_view caption);

class TWriter {
public:
  // ---- Structure. Every Open has its Close.
  // A viewport clipping what is drawn inside to `r`, keeping absolute coordinates;
  // `attributes` are added as they are (already escaped).
  void OpenViewport(const TRect& r, std::string_view attributes = {});
  void CloseViewport() { out_ += "</svg>\n"; }
  // A group with the given (already escaped) attributes.
  void OpenGroup(std::string_view attributes);
  void CloseGroup() { out_ += "</g>\n"; }

  // ---- Shapes, in pixels: a rectangle covers [Left, Right) x [Top, Bottom).
  void Fill(const TRect& r, TColor color);
  // A 1-pixel outline inside `r`.
  void Frame(const TRect& r, TColor color);
  // A 1-pixel dashed outline inside `r`.
  void DashedFrame(const TRect& r, TColor color);
  // One ring of a 3D edge inside `r`: top and left lines in `topLeft`, bottom and right
  // lines (corners included) in `bottomRight`.
  void Edge(const TRect& r, TColor topLeft, TColor bottomRight);
  // Raw elements for shapes the helpers do not cover (already escaped).
  void Element(std::string_view markup) { out_ += markup; }
  // Pixels filled in `color`, given as rows of '#' (set) and other characters (not set),
  // the first row at (x, y).
  void Pixels(int x, int y, const std::vector<std::string>& rows, TColor color);
  // The dotted grid the designer shows on containers: a dot every 8 pixels from `origin`.
  void Grid(const TRect& r, TPoint origin, TColor color);
  // The checkered track of a scroll bar.
  void Dither(const TRect& r);
  // A fill fading from `from` at the left edge to `to` at the right edge.
  void Gradient(const TRect& r, TColor from, TColor to);

  // ---- Text: one line with its top-left at (x, y) in `font`, stretched to the width the
  // model measures for it, so that the picture matches the model's layout.
  void Text(int x, int y, std::string_view text, const TFont& font, TColor color);
  // A caption with '&' markers (shown as text when `showAccel` is false): the marked
  // letter is underlined.
  void Caption(int x, int y, std::string_view caption, const TFont& font, TColor color, bool showAccel = true);
  // A caption drawn as the host draws disabled text: engraved, in the shadow colour with
  // a highlight below and to the right.
  void DisabledCaption(int x, int y, std::string_view caption, const TFont& font, bool showAccel = true);

  // ---- Pictures: the bitmap stretched to `r`; pixels of colour `transparent` (unless
  // clNone) let what lies beneath show.
  void Image(const TRect& r, const TBitmap& bitmap, TColor transparent = clNone);
  // An icon (an ICO file) stretched to `r`.
  void Icon(const TRect& r, const std::vector<std::uint8_t>& ico);

  // The document: `size` pixels showing the area `view` of the drawing.
  std::string Document(TPoint size, const TRect& view) const;

private:
  void EncodedImage(const TRect& r, std::string_view mime, const std::vector<std::uint8_t>& bytes);
  std::string PatternId(std::string_view kind, TPoint origin);

  std::string out_;
  std::map<std::string, std::string> defs_;  // id -> definition, written in id order
};

// The baseline of text whose top is at 0, for the font's line height.
int Ascent(const TFont& font);

}  // namespace vcl::svg
