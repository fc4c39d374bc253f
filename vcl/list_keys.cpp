// Keys and clicks on buttons, list boxes, check list boxes and combo boxes.
#include <algorithm>

#include "vcl/checklst.h"
#include "vcl/keyboard.h"
#include "vcl/stdctrls.h"
#include "vcl/sysutils.h"

namespace vcl {

namespace {

// The item that a selection key moves to from `current` in a list of `count` items
// showing `page` of them; -1 for keys that do not move the selection.
int MovedIndex(Word key, int current, int count, int page) {
  if (count == 0) return -1;
  switch (key) {
    case VK_UP: return std::max(current - 1, 0);
    case VK_DOWN: return std::min(current + 1, count - 1);
    case VK_HOME: return 0;
    case VK_END: return count - 1;
    case VK_PRIOR: return std::max(current - page, 0);
    case VK_NEXT: return std::min(std::max(current, 0) + page, count - 1);
    default: return -1;
  }
}

}  // namespace

void TButtonControl::KeyUpDefault(Word key, TShiftState) {
  if (key == VK_SPACE) Press();
}

// ---- list boxes

void TCustomListBox::SelectItem(int index) {
  SetItemIndex(index);
  Click();
}

void TCustomListBox::KeyDownDefault(Word key, TShiftState) {
  int page = std::max(Height() / std::max(ItemHeight(), 1) - 1, 1);
  int index = MovedIndex(key, ItemIndex(), Items()->Count(), page);
  if (index >= 0 && index != ItemIndex()) SelectItem(index);
}

void TCheckListBox::KeyPressDefault(char32_t ch) {
  if (ch == U' ' && ItemIndex() >= 0) ClickCheck(ItemIndex());
}

// ---- combo boxes

void TCustomComboBox::SetSelStart(int value) { selection_.Select(value, 0, TextLength()); }

void TCustomComboBox::SetSelLength(int value) { selection_.Select(selection_.Start, value, TextLength()); }

void TCustomComboBox::SetDroppedDown(bool value) {
  if (value == droppedDown_) return;
  droppedDown_ = value;
  if (value) OnDropDown(this);
}

void TCustomComboBox::SelectItem(int index) {
  SetItemIndex(index);
  Click();
  Change();
}

bool TCustomComboBox::WantsKey(Word key, TShiftState) const {
  return droppedDown_ && (key == VK_RETURN || key == VK_ESCAPE);
}

void TCustomComboBox::KeyDownDefault(Word key, TShiftState shift) {
  bool alt = shift & ShiftOf(ssAlt);
  if (key == VK_F4 || (alt && (key == VK_DOWN || key == VK_UP))) return SetDroppedDown(!droppedDown_);
  if (droppedDown_ && (key == VK_RETURN || key == VK_ESCAPE)) return SetDroppedDown(false);
  // In the edit part, Home and End move the caret; in a drop-down list they select.
  bool editKey = style_ != csDropDownList && (key == VK_HOME || key == VK_END || key == VK_LEFT ||
                                              key == VK_RIGHT || key == VK_DELETE);
  if (editKey) {
    std::u32string chars = Utf8ToChars(Text());
    TTextSelection kept = selection_;
    if (!kept.Key(chars, key)) return void(selection_ = kept);
    SetText(CharsToUtf8(chars));
    selection_ = kept;
    return Change();
  }
  int index = MovedIndex(key, itemIndex_, items_->Count(), dropDownCount_);
  if (index >= 0 && index != itemIndex_) SelectItem(index);
}

void TCustomComboBox::KeyPressDefault(char32_t ch) {
  if (style_ == csDropDownList) {
    // The next item after the selected one whose text starts with the character.
    int count = items_->Count();
    std::string typed = AnsiUpperCase(CharsToUtf8(std::u32string(1, ch)));
    for (int step = 1; step <= count; ++step) {
      int index = (std::max(itemIndex_, -1) + step) % count;
      if (AnsiUpperCase(items_->Strings(index)).rfind(typed, 0) == 0) return SelectItem(index);
    }
    return;
  }
  std::u32string chars = Utf8ToChars(Text());
  TTextSelection kept = selection_;
  if (ch == U'\r' || ch == 27 || !kept.Type(chars, ch, maxLength_)) return;
  SetText(CharsToUtf8(chars));
  selection_ = kept;
  Change();
}

}  // namespace vcl
