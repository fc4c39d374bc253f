#include "vcl/text_editing.h"

#include <algorithm>

#include "vcl/keyboard.h"

namespace vcl {

void TTextSelection::Clamp(int textLength) {
  Start = std::clamp(Start, 0, textLength);
  Length = std::clamp(Length, 0, textLength - Start);
}

bool TTextSelection::Type(std::u32string& text, char32_t ch, int maxLength) {
  Clamp(static_cast<int>(text.size()));
  if (ch == U'\b') {
    if (Length == 0) {
      if (Start == 0) return false;
      --Start;
      Length = 1;
    }
    text.erase(static_cast<std::size_t>(Start), static_cast<std::size_t>(Length));
    Length = 0;
    return true;
  }
  if (ch < U' ' && ch != U'\t') return false;
  return Insert(text, std::u32string_view(&ch, 1), maxLength);
}

bool TTextSelection::Insert(std::u32string& text, std::u32string_view chars, int maxLength) {
  Clamp(static_cast<int>(text.size()));
  int size = static_cast<int>(text.size()) - Length + static_cast<int>(chars.size());
  if (maxLength > 0 && size > maxLength) return false;
  text.replace(static_cast<std::size_t>(Start), static_cast<std::size_t>(Length), chars);
  Start += static_cast<int>(chars.size());
  Length = 0;
  return true;
}

bool TTextSelection::Key(std::u32string& text, Word key) {
  int size = static_cast<int>(text.size());
  Clamp(size);
  switch (key) {
    case VK_DELETE:
      if (Length == 0) {
        if (Start == size) return false;
        Length = 1;
      }
      text.erase(static_cast<std::size_t>(Start), static_cast<std::size_t>(Length));
      Length = 0;
      return true;
    case VK_LEFT: Start = Length ? Start : std::max(Start - 1, 0); break;
    case VK_RIGHT: Start = Length ? Start + Length : std::min(Start + 1, size); break;
    case VK_HOME: Start = 0; break;
    case VK_END: Start = size; break;
    default: return false;
  }
  Length = 0;
  return false;
}

}  // namespace vcl
