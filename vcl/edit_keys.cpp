// Typing into edits, memos and spin edits.
#include "vcl/keyboard.h"
#include "vcl/spin.h"
#include "vcl/stdctrls.h"
#include "vcl/sysutils.h"

namespace vcl {

int TControl::TextLength() const { return static_cast<int>(Utf8ToChars(Text()).size()); }

void TCustomEdit::SetSelStart(int value) { selection_.Select(value, 0, TextLength()); }

void TCustomEdit::SetSelLength(int value) { selection_.Select(selection_.Start, value, TextLength()); }

std::string TCustomEdit::SelText() const {
  std::u32string chars = Utf8ToChars(Text());
  TTextSelection s = selection_;
  s.Clamp(static_cast<int>(chars.size()));
  return CharsToUtf8(std::u32string_view(chars).substr(static_cast<std::size_t>(s.Start), static_cast<std::size_t>(s.Length)));
}

void TCustomEdit::SelectAll() { selection_.Select(0, TextLength(), TextLength()); }

void TCustomEdit::SetTypedText(const std::u32string& chars) {
  TTextSelection kept = selection_;
  SetText(CharsToUtf8(chars));
  selection_ = kept;
  selection_.Clamp(static_cast<int>(Utf8ToChars(Text()).size()));
}

void TCustomEdit::KeyDownDefault(Word key, TShiftState) {
  std::u32string chars = Utf8ToChars(Text());
  if (key == VK_DELETE && ReadOnly()) return;
  if (selection_.Key(chars, key)) SetTypedText(chars);
}

void TCustomEdit::KeyPressDefault(char32_t ch) {
  if (ReadOnly() || !IsValidChar(ch)) return;
  std::u32string chars = Utf8ToChars(Text());
  if (selection_.Type(chars, ch, MaxLength())) SetTypedText(chars);
}

bool TCustomMemo::WantsKey(Word key, TShiftState) const {
  return (key == VK_RETURN && WantReturns()) || (key == VK_TAB && WantTabs());
}

void TCustomMemo::KeyPressDefault(char32_t ch) {
  if (ch != U'\r') return TCustomEdit::KeyPressDefault(ch);
  if (ReadOnly() || !WantReturns()) return;
  std::u32string chars = Utf8ToChars(Text());
  if (selection_.Insert(chars, U"\r\n", MaxLength())) SetTypedText(chars);
}

bool TSpinEdit::IsValidChar(char32_t ch) const {
  if (ch < U' ') return ch != U'\r';
  return EditorEnabled() && ((ch >= U'0' && ch <= U'9') || ch == U'-' || ch == U'+');
}

void TSpinEdit::KeyDownDefault(Word key, TShiftState shift) {
  if (key == VK_UP) return UpClick();
  if (key == VK_DOWN) return DownClick();
  TCustomEdit::KeyDownDefault(key, shift);
}

}  // namespace vcl
