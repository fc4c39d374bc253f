// Keys and typed characters as the host routes them to the focused control of a form:
// key down (the form first when it previews keys; a handler may clear the key), dialog
// keys (Enter presses the default button, Esc the cancel button, Tab moves the focus,
// unless the focused control wants the key), the control's own key handling, key press
// (a handler may clear the character), the control's own editing, then key up.
#pragma once

#include <string_view>

#include "vcl/events.h"

namespace vcl {

class TCustomForm;

// Virtual-key codes.
constexpr Word VK_BACK = 0x08, VK_TAB = 0x09, VK_RETURN = 0x0D, VK_ESCAPE = 0x1B, VK_SPACE = 0x20,
               VK_PRIOR = 0x21, VK_NEXT = 0x22, VK_END = 0x23, VK_HOME = 0x24, VK_LEFT = 0x25, VK_UP = 0x26,
               VK_RIGHT = 0x27, VK_DOWN = 0x28, VK_DELETE = 0x2E, VK_F1 = 0x70, VK_F4 = 0x73;

// Presses and releases `key` with `shift` on the form's focused control (the form itself
// when none has the focus). Keys that make a character (letters, digits, Space, Enter,
// Esc, Tab, Backspace) also send it, unless Ctrl or Alt is held.
void PressKey(TCustomForm& form, Word key, TShiftState shift = 0);
// Types one character: its key down, the character, its key up.
void TypeChar(TCustomForm& form, char32_t ch);
// Types every character of `text` (UTF-8) in turn.
void TypeText(TCustomForm& form, std::string_view text);

}  // namespace vcl
