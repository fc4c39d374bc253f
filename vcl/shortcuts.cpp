#include "vcl/shortcuts.h"

#include <fmt/format.h>

#include "vcl/sysutils.h"

namespace vcl {

namespace {

constexpr std::string_view kShift = "Shift+";
constexpr std::string_view kCtrl = "Ctrl+";
constexpr std::string_view kAlt = "Alt+";

// The name of a virtual key; keys outside the table have none.
std::string KeyName(unsigned key) {
  switch (key) {
    case 0x08: return "BkSp";
    case 0x09: return "Tab";
    case 0x0D: return "Enter";
    case 0x1B: return "Esc";
    case 0x20: return "Space";
    case 0x21: return "PgUp";
    case 0x22: return "PgDn";
    case 0x23: return "End";
    case 0x24: return "Home";
    case 0x25: return "Left";
    case 0x26: return "Up";
    case 0x27: return "Right";
    case 0x28: return "Down";
    case 0x2D: return "Ins";
    case 0x2E: return "Del";
    default: break;
  }
  if (key >= 0x30 && key <= 0x39) return std::string(1, static_cast<char>('0' + key - 0x30));
  if (key >= 0x41 && key <= 0x5A) return std::string(1, static_cast<char>('A' + key - 0x41));
  if (key >= 0x60 && key <= 0x69) return std::string(1, static_cast<char>('0' + key - 0x60));  // number pad
  if (key >= 0x70 && key <= 0x87) return fmt::format("F{}", key - 0x6F);
  return {};
}

// Removes `front` from the start of `text` when it is there, ignoring case.
bool StripFront(std::string_view& text, std::string_view front) {
  if (text.size() < front.size() || !SameText(text.substr(0, front.size()), front)) return false;
  text.remove_prefix(front.size());
  return true;
}

}  // namespace

const TTypeInfo* TypeInfoShortCut() {
  static const TTypeInfo type{TTypeKind::tkInteger, "TShortCut", {}, nullptr, nullptr};
  return &type;
}

TShortCut ShortCut(Word key, TShiftState shift) {
  if (key > 0xFF) return scNone;
  TShortCut result = key;
  if (shift & ShiftOf(ssShift)) result |= scShift;
  if (shift & ShiftOf(ssCtrl)) result |= scCtrl;
  if (shift & ShiftOf(ssAlt)) result |= scAlt;
  return result;
}

void ShortCutToKey(TShortCut shortCut, Word& key, TShiftState& shift) {
  key = shortCut & ~(scShift | scCtrl | scAlt);
  shift = 0;
  if (shortCut & scShift) shift |= ShiftOf(ssShift);
  if (shortCut & scCtrl) shift |= ShiftOf(ssCtrl);
  if (shortCut & scAlt) shift |= ShiftOf(ssAlt);
}

std::string ShortCutToText(TShortCut shortCut) {
  std::string name = KeyName(shortCut & 0xFF);
  if (name.empty()) return {};
  std::string text;
  if (shortCut & scShift) text += kShift;
  if (shortCut & scCtrl) text += kCtrl;
  if (shortCut & scAlt) text += kAlt;
  return text + name;
}

TShortCut TextToShortCut(std::string_view text) {
  TShortCut shift = 0;
  for (;;) {
    if (StripFront(text, kShift))
      shift |= scShift;
    else if (StripFront(text, "^") || StripFront(text, kCtrl))
      shift |= scCtrl;
    else if (StripFront(text, kAlt))
      shift |= scAlt;
    else
      break;
  }
  if (text.empty()) return scNone;
  // The lowest key of that name wins: "5" is the main keyboard's, never the number pad's.
  for (unsigned key = 0x08; key <= 0xFF; ++key)
    if (SameText(text, KeyName(key))) return static_cast<TShortCut>(key | shift);
  return scNone;
}

}  // namespace vcl
