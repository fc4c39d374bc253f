#include "vcl/actnlist.h"

#include <algorithm>

#include "vcl/class_builder.h"

namespace vcl {

const TTypeInfo* TypeInfoHelpContext() {
  static const TTypeInfo type{TTypeKind::tkInteger, "THelpContext", {}, nullptr, nullptr};
  return &type;
}

// ---- TBasicActionLink

TBasicActionLink::~TBasicActionLink() { SetAction(nullptr); }

void TBasicActionLink::SetAction(TBasicAction* value) {
  if (value == action_) return;
  if (action_) {
    auto& clients = action_->clients_;
    clients.erase(std::remove(clients.begin(), clients.end(), this), clients.end());
  }
  action_ = value;
  if (value) value->clients_.push_back(this);
}

bool TBasicActionLink::Execute() { return action_ && action_->Execute(); }

bool TBasicActionLink::Update() { return action_ && action_->Update(); }

// ---- TBasicAction

TClass TBasicAction::ClassInfo() {
  static TClass cls = TClassBuilder<TBasicAction>("TBasicAction", TComponent::ClassInfo()).Build();
  return cls;
}

TBasicAction::TBasicAction(TComponent* owner) : TComponent(owner) {}

TBasicAction::~TBasicAction() {
  for (TBasicActionLink* link : clients_) link->action_ = nullptr;
}

bool TBasicAction::Execute() {
  if (!OnExecute.Assigned()) return false;
  OnExecute(this);
  return true;
}

bool TBasicAction::Update() {
  if (!OnUpdate.Assigned()) return false;
  OnUpdate(this);
  return true;
}

// ---- TContainedAction

TClass TContainedAction::ClassInfo() {
  static TClass cls = TClassBuilder<TContainedAction>("TContainedAction", TBasicAction::ClassInfo())
                          .String("Category", &TContainedAction::Category, &TContainedAction::SetCategory)
                          .Build();
  return cls;
}

TContainedAction::TContainedAction(TComponent* owner) : TBasicAction(owner) {}

TContainedAction::~TContainedAction() { SetActionList(nullptr); }

bool TContainedAction::Execute() {
  return (actionList_ && actionList_->ExecuteAction(this)) || TBasicAction::Execute();
}

bool TContainedAction::Update() {
  return (actionList_ && actionList_->UpdateAction(this)) || TBasicAction::Update();
}

void TContainedAction::SetActionList(TCustomActionList* value) {
  if (value == actionList_) return;
  if (actionList_) actionList_->RemoveAction(this);
  if (value) value->AddAction(this);
}

int TContainedAction::Index() const { return actionList_ ? actionList_->IndexOf(this) : -1; }

void TContainedAction::SetIndex(int value) {
  if (!actionList_) return;
  auto& list = actionList_->actions_;
  int current = Index();
  value = std::clamp(value, 0, static_cast<int>(list.size()) - 1);
  if (value == current) return;
  list.erase(list.begin() + current);
  list.insert(list.begin() + value, this);
  actionList_->Changed();
}

TComponent* TContainedAction::GetParentComponent() const { return actionList_; }

void TContainedAction::SetParentComponent(TComponent* value) { SetActionList(Cast<TCustomActionList>(value)); }

// ---- TCustomAction

TClass TCustomAction::ClassInfo() {
  static TClass cls = TClassBuilder<TCustomAction>("TCustomAction", TContainedAction::ClassInfo()).Build();
  return cls;
}

TCustomAction::TCustomAction(TComponent* owner) : TContainedAction(owner) {}

// Each setter tells the links before taking the value, so that a link can still compare
// its client's value with the old one.
template <class T, class Setter>
static void Propagate(const std::vector<TBasicActionLink*>& clients, Setter setter, const T& value) {
  // A client may drop its link while being told; work on a copy of the list.
  for (TBasicActionLink* client : std::vector<TBasicActionLink*>(clients))
    if (auto* link = dynamic_cast<TActionLink*>(client)) (link->*setter)(value);
}

void TCustomAction::SetCaption(const std::string& value) {
  if (value == caption_) return;
  Propagate(Clients(), &TActionLink::SetCaption, value);
  caption_ = value;
}

void TCustomAction::SetChecked(bool value) {
  if (value == checked_) return;
  Propagate(Clients(), &TActionLink::SetChecked, value);
  checked_ = value;
}

void TCustomAction::SetEnabled(bool value) {
  if (value == enabled_) return;
  Propagate(Clients(), &TActionLink::SetEnabled, value);
  enabled_ = value;
}

void TCustomAction::SetHelpContext(int value) {
  if (value == helpContext_) return;
  Propagate(Clients(), &TActionLink::SetHelpContext, value);
  helpContext_ = value;
}

void TCustomAction::SetHint(const std::string& value) {
  if (value == hint_) return;
  Propagate(Clients(), &TActionLink::SetHint, value);
  hint_ = value;
}

void TCustomAction::SetImageIndex(TImageIndex value) {
  if (value == imageIndex_) return;
  Propagate(Clients(), &TActionLink::SetImageIndex, value);
  imageIndex_ = value;
}

void TCustomAction::SetShortCut(TShortCut value) {
  if (value == shortCut_) return;
  Propagate(Clients(), &TActionLink::SetShortCut, value);
  shortCut_ = value;
}

void TCustomAction::SetVisible(bool value) {
  if (value == visible_) return;
  Propagate(Clients(), &TActionLink::SetVisible, value);
  visible_ = value;
}

TClass TAction::ClassInfo() {
  using A = TCustomAction;
  static TClass cls =
      TClassBuilder<TAction>("TAction", TCustomAction::ClassInfo())
          .Creatable()
          .String("Caption", &A::Caption, &A::SetCaption)
          .Bool("Checked", &A::Checked, &A::SetChecked, false)
          .Bool("Enabled", &A::Enabled, &A::SetEnabled, true)
          .Integer("HelpContext", &A::HelpContext, &A::SetHelpContext, 0, TypeInfoHelpContext())
          .String("Hint", &A::Hint, &A::SetHint)
          .Integer("ImageIndex", &A::ImageIndex, &A::SetImageIndex, -1, TypeInfoImageIndex())
          .Integer("ShortCut", &A::ShortCut, &A::SetShortCut, 0, TypeInfoShortCut())
          .Bool("Visible", &A::Visible, &A::SetVisible, true)
          .Event("OnExecute", &TBasicAction::OnExecute)
          .Event("OnUpdate", &TBasicAction::OnUpdate)
          .Build();
  return cls;
}

// ---- TCustomActionList

TClass TCustomActionList::ClassInfo() {
  static TClass cls = TClassBuilder<TCustomActionList>("TCustomActionList", TComponent::ClassInfo()).Build();
  return cls;
}

TCustomActionList::TCustomActionList(TComponent* owner) : TComponent(owner) {}

TCustomActionList::~TCustomActionList() {
  Destroying();
  while (!actions_.empty()) delete actions_.back();
}

TContainedAction* TCustomActionList::Actions(int index) const {
  if (index < 0 || index >= ActionCount())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return actions_[static_cast<std::size_t>(index)];
}

int TCustomActionList::IndexOf(const TContainedAction* action) const {
  auto it = std::find(actions_.begin(), actions_.end(), action);
  return it == actions_.end() ? -1 : static_cast<int>(it - actions_.begin());
}

bool TCustomActionList::ExecuteAction(TBasicAction* action) {
  bool handled = false;
  OnExecute(action, handled);
  return handled;
}

bool TCustomActionList::UpdateAction(TBasicAction* action) {
  bool handled = false;
  OnUpdate(action, handled);
  return handled;
}

void TCustomActionList::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const {
  for (TContainedAction* action : actions_)
    if (action->Owner() == root) proc(action);
}

void TCustomActionList::AddAction(TContainedAction* action) {
  actions_.push_back(action);
  action->actionList_ = this;
  Changed();
}

void TCustomActionList::RemoveAction(TContainedAction* action) {
  auto it = std::find(actions_.begin(), actions_.end(), action);
  if (it == actions_.end()) return;
  actions_.erase(it);
  action->actionList_ = nullptr;
  if (!HasState(csDestroying)) Changed();
}

TClass TActionList::ClassInfo() {
  using L = TCustomActionList;
  static TClass cls = TClassBuilder<TActionList>("TActionList", TCustomActionList::ClassInfo())
                          .Creatable()
                          .Reference<TCustomImageList>("Images", &L::Images, &L::SetImages)
                          .Event("OnChange", &L::OnChange)
                          .Event("OnExecute", &L::OnExecute, "TActionEvent")
                          .Event("OnUpdate", &L::OnUpdate, "TActionEvent")
                          .Build();
  return cls;
}

}  // namespace vcl
