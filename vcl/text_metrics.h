// Deterministic text metrics: the same widths on every machine, from built-in advance
// tables of the fonts forms use most.
//
// Rules:
// - Each family has a table of advance widths in pixels for the characters 32..126 at
//   8 points (an 11-pixel em at 96 pixels per inch): "MS Sans Serif" (digits 6 px),
//   "Arial", "Tahoma", "Courier New" (fixed pitch, 7 px). Font names compare ignoring
//   case; "MS Shell Dlg" measures as MS Sans Serif, "MS Shell Dlg 2" as Tahoma, and every
//   other name falls back to MS Sans Serif.
// - Any other character (tab, accented letters, ...) advances as the table's "n".
// - A text's width is the sum of its advances scaled by Size / 8, the total rounded half
//   away from zero; bold then adds 1 pixel per character. Italic, underline and strike-out
//   do not change widths.
// - The line height (TextHeight) is the family's line height at an 11-pixel em (13 for
//   MS Sans Serif and Tahoma, 14 for Arial and Courier New) scaled by the font's em
//   height in pixels / 11, rounded likewise.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "vcl/font.h"
#include "vcl/geometry.h"

namespace vcl {

// Width in pixels of one line of UTF-8 text (line breaks count as characters).
int MeasureTextWidth(const TFont& font, std::string_view text);
// Height in pixels of one line of text in the font.
int MeasureTextHeight(const TFont& font);

// The visible text of a caption with '&' accelerator prefixes: "&&" shows one '&', a
// single '&' marks the next character and is not shown.
std::string StripAccelChars(std::string_view caption);

// Text laid out as the host draws a caption: lines split at CR LF, CR or LF; with
// `wordWrap`, lines broken between words to fit `maxWidth` (a word longer than the line
// stays whole). `extent` is the widest line's width by the number of lines times the
// line height.
struct TTextLayoutResult {
  std::vector<std::string> lines;
  int width = 0;
  int height = 0;
};
TTextLayoutResult LayoutText(const TFont& font, std::string_view text, bool wordWrap, int maxWidth);

}  // namespace vcl
