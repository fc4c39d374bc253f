// The shortcut store: per action that the developer gave a custom shortcut, one value in the
// settings key ShortCut, named after the action, holding 8 upper-case hexadecimal digits:
// the IDE's own shortcut of the action (captured once, when the first custom one is set),
// then the custom shortcut. And the text form of shortcuts that the shortcut editor shows.
#pragma once

#include <string>
#include <string_view>

#include "vcl/actnlist.h"

namespace zolt {

// Stores `shortCut` as the action's custom shortcut (the first time also the shortcut the
// action has now, as the IDE's own) and gives it to the action. The store is written before
// the action changes, so a failing store leaves the action as it was.
void SetCustomShortCut(vcl::TCustomAction* action, vcl::TShortCut shortCut);
// Gives the action back the IDE's own shortcut and removes its stored value; without a
// stored value nothing happens. A value whose first four characters are not hexadecimal is
// removed all the same, and EConvertError passes with the action unchanged.
void RestoreDelphiShortCut(vcl::TCustomAction* action);
// Empty for no shortcut, the library's text where the key has a name, else "#" and the
// number in decimal ("#186").
std::string ShortCutDisplayText(vcl::TShortCut shortCut);
// The shortcut `text` names: the library's text form, or "#" and a number (decimal or "$"
// and hexadecimal digits) of which the low 16 bits count; 0 for anything else.
vcl::TShortCut ParseShortCutText(std::string_view text);

}  // namespace zolt
