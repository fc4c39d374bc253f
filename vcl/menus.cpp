#include "vcl/menus.h"

#include <algorithm>

#include "vcl/class_builder.h"

namespace vcl {

namespace {

const TTypeInfo* TypeInfoMenuBreak() {
  static auto t = MakeEnumType("TMenuBreak", {"mbNone", "mbBreak", "mbBarBreak"});
  return t;
}
const TTypeInfo* TypeInfoByte() {
  static const TTypeInfo type{TTypeKind::tkInteger, "Byte", {}, nullptr, nullptr};
  return &type;
}
const TTypeInfo* TypeInfoPopupAlignment() {
  static auto t = MakeEnumType("TPopupAlignment", {"paLeft", "paRight", "paCenter"});
  return t;
}
const TTypeInfo* TypeInfoTrackButton() {
  static auto t = MakeEnumType("TTrackButton", {"tbRightButton", "tbLeftButton"});
  return t;
}
const TTypeInfo* TypeInfoMenuAnimation() {
  static auto t = MakeSetType(
      "TMenuAnimation",
      MakeEnumType("TMenuAnimations", {"maLeftToRight", "maRightToLeft", "maTopToBottom", "maBottomToTop", "maNone"}));
  return t;
}

// Keeps a menu item in step with its action: a property of the item follows the
// action's changes while it still shows the action's value.
class TMenuActionLink : public TActionLink {
public:
  explicit TMenuActionLink(TMenuItem* client) : client_(client) {}

  bool IsCaptionLinked() const override {
    return TActionLink::IsCaptionLinked() && client_->Caption() == CustomAction()->Caption();
  }
  bool IsCheckedLinked() const override {
    return TActionLink::IsCheckedLinked() && client_->Checked() == CustomAction()->Checked();
  }
  bool IsEnabledLinked() const override {
    return TActionLink::IsEnabledLinked() && client_->Enabled() == CustomAction()->Enabled();
  }
  bool IsHelpContextLinked() const override {
    return TActionLink::IsHelpContextLinked() && client_->HelpContext() == CustomAction()->HelpContext();
  }
  bool IsHintLinked() const override {
    return TActionLink::IsHintLinked() && client_->Hint() == CustomAction()->Hint();
  }
  bool IsImageIndexLinked() const override {
    return TActionLink::IsImageIndexLinked() && client_->ImageIndex() == CustomAction()->ImageIndex();
  }
  bool IsShortCutLinked() const override {
    return TActionLink::IsShortCutLinked() && client_->ShortCut() == CustomAction()->ShortCut();
  }
  bool IsVisibleLinked() const override {
    return TActionLink::IsVisibleLinked() && client_->Visible() == CustomAction()->Visible();
  }

  void SetCaption(const std::string& value) override {
    if (IsCaptionLinked()) client_->SetCaption(value);
  }
  void SetChecked(bool value) override {
    if (IsCheckedLinked()) client_->SetChecked(value);
  }
  void SetEnabled(bool value) override {
    if (IsEnabledLinked()) client_->SetEnabled(value);
  }
  void SetHelpContext(int value) override {
    if (IsHelpContextLinked()) client_->SetHelpContext(value);
  }
  void SetHint(const std::string& value) override {
    if (IsHintLinked()) client_->SetHint(value);
  }
  void SetImageIndex(TImageIndex value) override {
    if (IsImageIndexLinked()) client_->SetImageIndex(value);
  }
  void SetShortCut(TShortCut value) override {
    if (IsShortCutLinked()) client_->SetShortCut(value);
  }
  void SetVisible(bool value) override {
    if (IsVisibleLinked()) client_->SetVisible(value);
  }

private:
  TMenuItem* client_;
};

}  // namespace

std::string StripHotkey(std::string_view caption) {
  std::string result;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (++i == caption.size()) break;
    }
    result += caption[i];
  }
  return result;
}

// ---- TMenuItem

TClass TMenuItem::ClassInfo() {
  using M = TMenuItem;
  // A property that shows the linked action's value is not stored: the action gives it.
  auto unlinked = [](bool (TActionLink::*linked)() const) {
    return [linked](M& item) { return !item.IsLinked(linked); };
  };
  static TClass cls =
      TClassBuilder<M>("TMenuItem", TComponent::ClassInfo())
          .Creatable()
          .Reference<TBasicAction>("Action", &M::Action, &M::SetAction)
          .Object("Bitmap", &M::Bitmap)
          .StoredWhen([](M& item) { return !item.Bitmap()->Empty(); })
          .Enum<TMenuBreak>("Break", TypeInfoMenuBreak(), &M::Break, &M::SetBreak, mbNone)
          .String("Caption", &M::Caption, &M::SetCaption)
          .StoredWhen(unlinked(&TActionLink::IsCaptionLinked))
          .Bool("Checked", &M::Checked, &M::SetChecked, false)
          .StoredWhen(unlinked(&TActionLink::IsCheckedLinked))
          .Reference<TCustomImageList>("SubMenuImages", &M::SubMenuImages, &M::SetSubMenuImages)
          .Bool("Default", &M::Default, &M::SetDefault, false)
          .Bool("Enabled", &M::Enabled, &M::SetEnabled, true)
          .StoredWhen(unlinked(&TActionLink::IsEnabledLinked))
          .Integer("GroupIndex", &M::GroupIndex, &M::SetGroupIndex, 0, TypeInfoByte())
          .Integer("HelpContext", &M::HelpContext, &M::SetHelpContext, 0, TypeInfoHelpContext())
          .StoredWhen(unlinked(&TActionLink::IsHelpContextLinked))
          .String("Hint", &M::Hint, &M::SetHint)
          .StoredWhen(unlinked(&TActionLink::IsHintLinked))
          .Integer("ImageIndex", &M::ImageIndex, &M::SetImageIndex, -1, TypeInfoImageIndex())
          .StoredWhen(unlinked(&TActionLink::IsImageIndexLinked))
          .Bool("RadioItem", &M::RadioItem, &M::SetRadioItem, false)
          .Integer("ShortCut", &M::ShortCut, &M::SetShortCut, 0, TypeInfoShortCut())
          .StoredWhen(unlinked(&TActionLink::IsShortCutLinked))
          .Bool("Visible", &M::Visible, &M::SetVisible, true)
          .StoredWhen(unlinked(&TActionLink::IsVisibleLinked))
          .Event("OnClick", &M::OnClick)
          .Event("OnDrawItem", &M::OnDrawItem, "TMenuDrawItemEvent")
          .Event("OnMeasureItem", &M::OnMeasureItem, "TMenuMeasureItemEvent")
          .Build();
  return cls;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), bitmap_(std::make_unique<TBitmap>()) {
  bitmap_->OnChange = [this](TObject*) { Changed(false); };
}

TMenuItem::~TMenuItem() {
  Destroying();
  if (parent_) parent_->Remove(this);
  while (!items_.empty()) delete items_.front();
}

TBasicAction* TMenuItem::Action() const { return actionLink_ ? actionLink_->Action() : nullptr; }

void TMenuItem::SetAction(TBasicAction* value) {
  if (!value) {
    actionLink_.reset();
    return;
  }
  if (!actionLink_) actionLink_ = std::make_unique<TMenuActionLink>(this);
  actionLink_->SetAction(value);
  if (auto* action = Cast<TCustomAction>(value)) ActionChange(action, value->HasState(csLoading));
}

void TMenuItem::ActionChange(TCustomAction* action, bool checkDefaults) {
  if (!checkDefaults || caption_.empty()) SetCaption(action->Caption());
  if (!checkDefaults || !checked_) SetChecked(action->Checked());
  if (!checkDefaults || enabled_) SetEnabled(action->Enabled());
  if (!checkDefaults || helpContext_ == 0) SetHelpContext(action->HelpContext());
  if (!checkDefaults || hint_.empty()) SetHint(action->Hint());
  if (!checkDefaults || imageIndex_ == -1) SetImageIndex(action->ImageIndex());
  if (!checkDefaults || shortCut_ == scNone) SetShortCut(action->ShortCut());
  if (!checkDefaults || visible_) SetVisible(action->Visible());
}

bool TMenuItem::IsLinked(bool (TActionLink::*linked)() const) const {
  return actionLink_ && (actionLink_.get()->*linked)();
}

void TMenuItem::SetBreak(TMenuBreak value) {
  if (value == break_) return;
  break_ = value;
  Changed(true);
}

void TMenuItem::SetCaption(const std::string& value) {
  if (value == caption_) return;
  caption_ = value;
  Changed(true);
}

void TMenuItem::SetChecked(bool value) {
  if (value == checked_) return;
  checked_ = value;
  if (value && radioItem_) TurnSiblingsOff();
  Changed(false);
}

void TMenuItem::TurnSiblingsOff() {
  if (!parent_) return;
  for (TMenuItem* sibling : parent_->items_)
    if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_) sibling->SetChecked(false);
}

void TMenuItem::SetDefault(bool value) {
  if (value == default_) return;
  // One default item per sub-menu.
  if (value && parent_)
    for (TMenuItem* sibling : parent_->items_) sibling->default_ = false;
  default_ = value;
  Changed(true);
}

void TMenuItem::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  Changed(false);
}

void TMenuItem::SetGroupIndex(int value) {
  if (value == groupIndex_) return;
  if (value < 0 || value > 255) throw EMenuError("GroupIndex must be between 0 and 255");
  if (parent_) parent_->VerifyGroupIndex(parent_->IndexOf(this), value);
  groupIndex_ = value;
  if (checked_ && radioItem_) TurnSiblingsOff();
}

void TMenuItem::VerifyGroupIndex(int position, int value) {
  for (int i = 0; i < Count(); ++i) {
    TMenuItem* item = items_[static_cast<std::size_t>(i)];
    if (i < position) {
      if (item->groupIndex_ > value) throw EMenuError("GroupIndex cannot be less than a previous menu item's GroupIndex");
    } else if (item->groupIndex_ < value) {
      item->groupIndex_ = value;
    }
  }
}

void TMenuItem::SetImageIndex(TImageIndex value) {
  if (value == imageIndex_) return;
  imageIndex_ = value;
  Changed(true);
}

void TMenuItem::SetRadioItem(bool value) {
  if (value == radioItem_) return;
  radioItem_ = value;
  if (checked_ && radioItem_) TurnSiblingsOff();
  Changed(true);
}

void TMenuItem::SetShortCut(TShortCut value) {
  if (value == shortCut_) return;
  shortCut_ = value;
  Changed(true);
}

void TMenuItem::SetVisible(bool value) {
  if (value == visible_) return;
  visible_ = value;
  Changed(true);
}

TMenuItem* TMenuItem::Items(int index) const {
  if (index < 0 || index >= Count()) throw EMenuError("Menu index out of range");
  return items_[static_cast<std::size_t>(index)];
}

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item) throw EMenuError("No menu item to insert");
  if (item->parent_) throw EMenuError("Menu inserted twice");
  for (const TMenuItem* p = this; p; p = p->parent_)
    if (p == item) throw EMenuError("A menu item cannot be inserted into its own sub-menu");
  if (index < 0 || index > Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  if (index > 0) item->groupIndex_ = std::max(item->groupIndex_, items_[static_cast<std::size_t>(index - 1)]->groupIndex_);
  VerifyGroupIndex(index, item->groupIndex_);
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
  Changed(true);
}

void TMenuItem::Delete(int index) {
  TMenuItem* item = Items(index);
  items_.erase(items_.begin() + index);
  item->parent_ = nullptr;
  Changed(true);
}

void TMenuItem::Remove(TMenuItem* item) {
  int index = IndexOf(item);
  if (index < 0) throw EMenuError("Sub-menu is not in menu");
  Delete(index);
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

TMenuItem* TMenuItem::Find(std::string_view caption) const {
  std::string wanted = StripHotkey(caption);
  for (TMenuItem* item : items_)
    if (AnsiCompareText(StripHotkey(item->caption_), wanted) == 0) return item;
  return nullptr;
}

void TMenuItem::SetMenuIndex(int value) {
  if (!parent_) return;
  TMenuItem* parent = parent_;
  int count = parent->Count();
  value = std::clamp(value, 0, count - 1);
  if (value == MenuIndex()) return;
  parent->Remove(this);
  parent->Insert(value, this);
}

void TMenuItem::Click() {
  if (!enabled_) return;
  if (OnClick.Assigned())
    OnClick(this);
  else if (actionLink_ && !HasState(csDesigning))
    actionLink_->Execute();
}

TComponent* TMenuItem::GetParentComponent() const {
  if (parent_ && parent_->menu_) return parent_->menu_;
  return parent_;
}

void TMenuItem::SetParentComponent(TComponent* value) {
  TMenuItem* newParent = Cast<TMenuItem>(value);
  if (auto* menu = Cast<TMenu>(value)) newParent = menu->Items();
  if (newParent == parent_) return;
  if (parent_) parent_->Remove(this);
  if (newParent) newParent->Add(this);
}

void TMenuItem::GetChildren(const std::function<void(TComponent*)>& proc, TComponent*) const {
  for (TMenuItem* item : items_) proc(item);
}

void TMenuItem::Changed(bool rebuild) {
  const TMenuItem* root = this;
  while (root->parent_) root = root->parent_;
  if (root->menu_) root->menu_->MenuChanged(parent_ ? this : nullptr, rebuild);
}

// ---- TMenu

TClass TMenu::ClassInfo() {
  static TClass cls = TClassBuilder<TMenu>("TMenu", TComponent::ClassInfo())
                          .Reference<TCustomImageList>("Images", &TMenu::Images, &TMenu::SetImages)
                          // The tree is written as the menu's child items, never as a value.
                          .Object("Items", &TMenu::Items)
                          .StoredWhen([](TMenu&) { return false; })
                          .Bool("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw, false)
                          .Build();
  return cls;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(this)) { items_->menu_ = this; }

TMenu::~TMenu() {
  Destroying();
  TMenuItem* root = items_;
  items_ = nullptr;
  delete root;
}

TMenuItem* TMenu::FindItem(TShortCut shortCut) const {
  if (shortCut == scNone) return nullptr;
  std::vector<const TMenuItem*> pending{items_};
  while (!pending.empty()) {
    const TMenuItem* item = pending.back();
    pending.pop_back();
    for (TMenuItem* child : item->items_) {
      if (child->ShortCut() == shortCut) return child;
      pending.push_back(child);
    }
  }
  return nullptr;
}

void TMenu::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const {
  items_->GetChildren(proc, root);
}

void TMenu::MenuChanged(TMenuItem* source, bool rebuild) {
  if (HasState(csLoading) || HasState(csDestroying)) return;
  OnChange(this, source, rebuild);
}

TClass TMainMenu::ClassInfo() {
  static TClass cls = TClassBuilder<TMainMenu>("TMainMenu", TMenu::ClassInfo())
                          .Creatable()
                          .Bool("AutoMerge", &TMainMenu::AutoMerge, &TMainMenu::SetAutoMerge, false)
                          .Event("OnChange", &TMenu::OnChange, "TMenuChangeEvent")
                          .Build();
  return cls;
}

TClass TPopupMenu::ClassInfo() {
  using P = TPopupMenu;
  static TClass cls =
      TClassBuilder<P>("TPopupMenu", TMenu::ClassInfo())
          .Creatable()
          .Enum<TPopupAlignment>("Alignment", TypeInfoPopupAlignment(), &P::Alignment, &P::SetAlignment, paLeft)
          .Bool("AutoPopup", &P::AutoPopup, &P::SetAutoPopup, true)
          .Integer("HelpContext", &P::HelpContext, &P::SetHelpContext, 0, TypeInfoHelpContext())
          .Set("MenuAnimation", TypeInfoMenuAnimation(), &P::MenuAnimation, &P::SetMenuAnimation, 0)
          .Enum<TTrackButton>("TrackButton", TypeInfoTrackButton(), &P::TrackButton, &P::SetTrackButton, tbRightButton)
          .Event("OnChange", &TMenu::OnChange, "TMenuChangeEvent")
          .Event("OnPopup", &P::OnPopup)
          .Build();
  return cls;
}

void TPopupMenu::Popup(int, int) { OnPopup(this); }

}  // namespace vcl
