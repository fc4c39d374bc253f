// Keyboard shortcuts: a 16-bit value holding a virtual-key code and modifier bits, and
// its text form ("Shift+Ctrl+Alt+F5").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "vcl/events.h"
#include "vcl/typinfo.h"

namespace vcl {

// Low byte: the virtual-key code; high bits: the modifiers.
using TShortCut = std::uint16_t;

constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

// The property type `TShortCut` (an integer type of its own, for the shortcut editor).
const TTypeInfo* TypeInfoShortCut();

// Combines a virtual-key code with ssShift, ssCtrl and ssAlt of `shift`; a key code
// with bits outside the low byte gives 0.
TShortCut ShortCut(Word key, TShiftState shift);
// Splits a shortcut into its key code and its ssShift/ssCtrl/ssAlt state.
void ShortCutToKey(TShortCut shortCut, Word& key, TShiftState& shift);

// "Shift+", "Ctrl+", "Alt+" (in that order) and the key's name; empty when the key has no name.
std::string ShortCutToText(TShortCut shortCut);
// Reads the text form back: leading "Shift+", "Ctrl+", "^" and "Alt+" in any order and
// letter case, then a key name, ignoring case. No blanks; anything else gives 0.
TShortCut TextToShortCut(std::string_view text);

}  // namespace vcl
