// The caret and selection of a text box, in characters, and what typing does to its text:
// a typed character replaces the selection, Backspace and Delete remove the selection or
// the character before or after the caret, the arrow, Home and End keys move the caret.
#pragma once

#include <string>

#include "vcl/events.h"

namespace vcl {

struct TTextSelection {
  int Start = 0;
  int Length = 0;

  // Keeps the selection inside a text of `textLength` characters.
  void Clamp(int textLength);
  // Selects `length` characters from `start` of a text of `textLength` characters.
  void Select(int start, int length, int textLength) {
    Start = start;
    Length = length;
    Clamp(textLength);
  }
  // Applies a typed character (Backspace included) to `text`; with `maxLength` above 0 a
  // character that would make the text longer is refused. False when nothing changed.
  bool Type(std::u32string& text, char32_t ch, int maxLength);
  // Replaces the selection by `chars`, under the same limit.
  bool Insert(std::u32string& text, std::u32string_view chars, int maxLength);
  // The Delete key and the caret keys; false when the text did not change.
  bool Key(std::u32string& text, Word key);
};

}  // namespace vcl
