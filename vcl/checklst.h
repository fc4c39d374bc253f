// The check list box: a list box with a check box before each item.
#pragma once

#include <vector>

#include "vcl/stdctrls.h"

namespace vcl {

class TCheckListBox : public TCustomListBox {
  VCL_CLASS(TCheckListBox, TCustomListBox)
  explicit TCheckListBox(TComponent* owner);

  // Each item's state travels with it when items are added, deleted, moved or sorted.
  // A bad index raises EListError.
  bool Checked(int index) const { return State(index) == cbChecked; }
  void SetChecked(int index, bool value) { SetState(index, value ? cbChecked : cbUnchecked); }
  TCheckBoxState State(int index) const;
  void SetState(int index, TCheckBoxState value);
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool value) { allowGrayed_ = value; }
  bool Flat() const { return flat_; }
  void SetFlat(bool value) { flat_ = value; }

  void SetSorted(bool value) override;
  // What a click on an item's box does: unchecked -> grayed (when allowed) or checked;
  // checked -> unchecked; grayed -> checked; then OnClickCheck runs.
  void ClickCheck(int index);

  // Space toggles the check mark of the selected item.
  void KeyPressDefault(char32_t ch) override;

  TNotifyEvent OnClickCheck;

private:
  class CheckedItems;
  CheckedItems& CheckItems() const;

  bool allowGrayed_ = false;
  bool flat_ = true;
};

}  // namespace vcl
