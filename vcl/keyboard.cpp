#include "vcl/keyboard.h"

#include "vcl/forms.h"
#include "vcl/stdctrls.h"
#include "vcl/sysutils.h"

namespace vcl {

namespace {

bool IsModifier(TShiftState shift) { return (shift & (ShiftOf(ssCtrl) | ShiftOf(ssAlt))) != 0; }

// The character a key makes, or 0.
char32_t CharOfKey(Word key, TShiftState shift) {
  if (IsModifier(shift)) return 0;
  bool shifted = shift & ShiftOf(ssShift);
  if (key >= 'A' && key <= 'Z') return shifted ? key : key + 32;
  if (key >= '0' && key <= '9' && !shifted) return key;
  switch (key) {
    case VK_SPACE: case VK_RETURN: case VK_ESCAPE: case VK_TAB: case VK_BACK: return key;
    default: return 0;
  }
}

// The key that types `ch` on a US keyboard (letters and digits; others by their code).
Word KeyOfChar(char32_t ch, TShiftState& shift) {
  shift = 0;
  if (ch >= 'a' && ch <= 'z') return static_cast<Word>(ch - 32);
  if (ch >= 'A' && ch <= 'Z') {
    shift = ShiftOf(ssShift);
    return static_cast<Word>(ch);
  }
  if ((ch >= '0' && ch <= '9') || ch == ' ' || ch == '\r' || ch == '\t' || ch == '\b' || ch == 27)
    return static_cast<Word>(ch);
  return 0;
}

void KeyDown(TCustomForm& form, TWinControl& target, Word& key, TShiftState shift) {
  if (&target != &form && form.KeyPreview()) form.OnKeyDown(&form, key, shift);
  if (key) target.OnKeyDown(&target, key, shift);
}

void KeyPress(TCustomForm& form, TWinControl& target, char32_t& ch) {
  if (&target != &form && form.KeyPreview()) form.OnKeyPress(&form, ch);
  if (ch) target.OnKeyPress(&target, ch);
}

void KeyUp(TCustomForm& form, TWinControl& target, Word& key, TShiftState shift) {
  if (&target != &form && form.KeyPreview()) form.OnKeyUp(&form, key, shift);
  if (key) target.OnKeyUp(&target, key, shift);
}

// The button that Enter (or Esc) presses: the focused push button for Enter, otherwise
// the first focusable default (cancel) button in tab order.
TButton* DialogButton(TCustomForm& form, Word key) {
  if (key == VK_RETURN)
    if (auto* focused = Cast<TButton>(form.ActiveControl())) return focused;
  std::vector<TWinControl*> controls;
  form.GetTabOrderList(controls);
  for (TWinControl* control : controls)
    if (auto* button = Cast<TButton>(control))
      if ((key == VK_RETURN ? button->Default() : button->Cancel()) && button->CanFocus()) return button;
  return nullptr;
}

// Enter, Esc and Tab as the form uses them; true when the key was used.
bool DialogKey(TCustomForm& form, Word key, TShiftState shift) {
  if (key == VK_TAB && !IsModifier(shift)) {
    bool forward = !(shift & ShiftOf(ssShift));
    if (TWinControl* next = form.FindNextControl(form.ActiveControl(), forward, true, false)) next->SetFocus();
    return true;
  }
  if ((key == VK_RETURN || key == VK_ESCAPE) && shift == 0) {
    TButton* button = DialogButton(form, key);
    if (!button) return false;
    button->Click();
    return true;
  }
  return false;
}

void Route(TCustomForm& form, Word key, TShiftState shift, char32_t ch) {
  TWinControl* focused = form.ActiveControl();
  TWinControl& target = focused ? *focused : form;
  // A character without a key of its own (typed with a dead key, say) has no key events.
  Word down = key;
  if (key) KeyDown(form, target, down, shift);
  if (down || !key) {
    bool dialogKey = (down == VK_TAB || down == VK_RETURN || down == VK_ESCAPE) && !target.WantsKey(down, shift);
    if (!(dialogKey && DialogKey(form, down, shift))) {
      // The key may have moved the focus or closed the form: only a control still
      // focused gets its own handling and the character.
      if (form.ActiveControl() == focused) {
        target.KeyDownDefault(down, shift);
        if (ch) {
          KeyPress(form, target, ch);
          if (ch) target.KeyPressDefault(ch);
        }
      }
    }
  }
  TWinControl* now = form.ActiveControl();
  TWinControl& upTarget = now ? *now : form;
  if (!key) return;
  Word up = key;
  KeyUp(form, upTarget, up, shift);
  if (up && &upTarget == &target) upTarget.KeyUpDefault(up, shift);
}

}  // namespace

void PressKey(TCustomForm& form, Word key, TShiftState shift) { Route(form, key, shift, CharOfKey(key, shift)); }

void TypeChar(TCustomForm& form, char32_t ch) {
  TShiftState shift;
  Word key = KeyOfChar(ch, shift);
  Route(form, key, shift, ch);
}

void TypeText(TCustomForm& form, std::string_view text) {
  for (char32_t ch : Utf8ToChars(text)) TypeChar(form, ch);
}

// ---- what a windowed control does by itself: nothing

bool TWinControl::WantsKey(Word, TShiftState) const { return false; }
void TWinControl::KeyDownDefault(Word, TShiftState) {}
void TWinControl::KeyPressDefault(char32_t) {}
void TWinControl::KeyUpDefault(Word, TShiftState) {}

}  // namespace vcl
