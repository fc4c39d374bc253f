#include <algorithm>

#include "vcl/extctrls.h"
#include "vcl/published_controls.h"
#include "vcl/text_metrics.h"

namespace vcl {

// ---- TGroupButton

TClass TGroupButton::ClassInfo() {
  static TClass cls = TClassBuilder<TGroupButton>("TGroupButton", TRadioButton::ClassInfo()).Build();
  return cls;
}

TGroupButton::TGroupButton(TCustomRadioGroup* group) : TRadioButton(group), group_(group) {
  SetVisible(false);
  SetEnabled(group->Enabled());
  SetParentShowHint(false);
  SetParent(group);
}

void TGroupButton::Click() {
  group_->ButtonClicked(this);
  TRadioButton::Click();
}

// ---- TCustomRadioGroup

TClass TCustomRadioGroup::ClassInfo() {
  static TClass cls = TClassBuilder<TCustomRadioGroup>("TCustomRadioGroup", TCustomGroupBox::ClassInfo()).Build();
  return cls;
}

TCustomRadioGroup::TCustomRadioGroup(TComponent* owner)
    : TCustomGroupBox(owner), items_(std::make_unique<TStringList>()) {
  SetControlStyle(StyleOf(csSetCaption) | StyleOf(csDoubleClicks));
  items_->OnChange = [this](TObject*) {
    if (!IsLoading()) {
      if (itemIndex_ >= items_->Count()) itemIndex_ = items_->Count() - 1;
      UpdateButtons();
    }
  };
}

TCustomRadioGroup::~TCustomRadioGroup() {
  items_->OnChange.Clear();
  // The buttons go with the group's other children; forget them first.
  buttons_.clear();
}

TGroupButton* TCustomRadioGroup::Buttons(int index) const {
  if (index < 0 || index >= ButtonCount())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return buttons_[static_cast<std::size_t>(index)];
}

void TCustomRadioGroup::SetItemIndex(int value) {
  if (IsLoading()) {
    itemIndex_ = value;
    return;
  }
  value = std::clamp(value, -1, ButtonCount() - 1);
  if (value == itemIndex_) return;
  if (itemIndex_ >= 0) buttons_[static_cast<std::size_t>(itemIndex_)]->SetChecked(false);
  itemIndex_ = value;
  if (value >= 0) buttons_[static_cast<std::size_t>(value)]->SetChecked(true);
}

void TCustomRadioGroup::SetColumns(int value) {
  value = std::clamp(value, 1, 16);
  if (value == columns_) return;
  columns_ = value;
  ArrangeButtons();
}

void TCustomRadioGroup::ButtonClicked(TGroupButton* button) {
  if (updating_) return;
  auto it = std::find(buttons_.begin(), buttons_.end(), button);
  itemIndex_ = it == buttons_.end() ? -1 : static_cast<int>(it - buttons_.begin());
  Click();
}

void TCustomRadioGroup::UpdateButtons() {
  int count = items_->Count();
  while (ButtonCount() > count) {
    TGroupButton* last = buttons_.back();
    buttons_.pop_back();
    delete last;
  }
  while (ButtonCount() < count) buttons_.push_back(new TGroupButton(this));
  updating_ = true;
  for (int i = 0; i < count; ++i) {
    TGroupButton* button = buttons_[static_cast<std::size_t>(i)];
    button->SetCaption(items_->Strings(i));
    button->SetChecked(i == itemIndex_);
  }
  updating_ = false;
  ArrangeButtons();
}

void TCustomRadioGroup::ArrangeButtons() {
  if (buttons_.empty() || IsLoading()) return;
  int textHeight = MeasureTextHeight(EffectiveFont());
  int count = ButtonCount();
  int perColumn = (count + columns_ - 1) / columns_;
  int buttonWidth = (Width() - 10) / columns_;
  int space = Height() - textHeight - 5;
  int buttonHeight = space / perColumn;
  int topMargin = textHeight + 1 + (space % perColumn) / 2;
  for (int i = 0; i < count; ++i) {
    TGroupButton* button = buttons_[static_cast<std::size_t>(i)];
    button->SetBounds((i / perColumn) * buttonWidth + 8, (i % perColumn) * buttonHeight + topMargin, buttonWidth,
                      buttonHeight);
    button->SetVisible(true);
  }
}

void TCustomRadioGroup::Loaded() {
  TCustomGroupBox::Loaded();
  itemIndex_ = std::clamp(itemIndex_, -1, items_->Count() - 1);
  UpdateButtons();
}

void TCustomRadioGroup::BoundsChanged(bool sizeChanged) {
  TCustomGroupBox::BoundsChanged(sizeChanged);
  if (sizeChanged) ArrangeButtons();
}

void TCustomRadioGroup::FontChanged() {
  TCustomGroupBox::FontChanged();
  ArrangeButtons();
}

void TCustomRadioGroup::EnabledChanged() {
  for (TGroupButton* button : buttons_) button->SetEnabled(Enabled());
}

TClass TRadioGroup::ClassInfo() {
  static TClass cls = [] {
    using R = TRadioGroup;
    TClassBuilder<R> b("TRadioGroup", TCustomRadioGroup::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Align Anchors BiDiMode Caption Color");
    b.Integer("Columns", &R::Columns, &R::SetColumns, 1);
    PublishStandard(b, "Constraints Ctl3D DragCursor DragKind DragMode Enabled Font");
    b.Integer("ItemIndex", &R::ItemIndex, &R::SetItemIndex, -1);
    b.Object("Items", &R::Items);
    PublishStandard(b,
                    "ParentBiDiMode ParentColor ParentCtl3D ParentFont ParentShowHint PopupMenu ShowHint TabOrder "
                    "TabStop Visible OnClick OnDragDrop OnDragOver OnEndDock OnEndDrag OnEnter OnExit OnStartDock "
                    "OnStartDrag");
    return b.Build();
  }();
  return cls;
}

}  // namespace vcl
