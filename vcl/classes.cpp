#include "vcl/classes.h"

#include <algorithm>

#include "vcl/class_builder.h"
#include "vcl/name_releases.h"
#include "vcl/sysutils.h"

namespace vcl {

void AssignPersistent(TObject* target, TObject* source) {
  auto* dest = As<TPersistent>(target);
  if (!dest) throw EPropertyError("Property has no object to assign to");
  dest->Assign(As<TPersistent>(source));
}

const TTypeInfo* TypeInfoAlignment() {
  static auto t = MakeEnumType("TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"});
  return t;
}

// ---- TPersistent

TClass TPersistent::ClassInfo() {
  static TClass cls = TClassBuilder<TPersistent>("TPersistent", TObject::ClassInfo()).Build();
  return cls;
}

void TPersistent::Assign(TPersistent* source) {
  if (source) {
    source->AssignTo(this);
  } else {
    AssignError(nullptr);
  }
}

void TPersistent::AssignTo(TPersistent* dest) { dest->AssignError(this); }

void TPersistent::AssignError(TPersistent* source) {
  std::string sourceName = source ? source->ClassName() : "nil";
  throw EConvertError("Cannot assign a " + sourceName + " to a " + ClassName());
}

std::string TPersistent::GetNamePath() const { return ClassName(); }

// ---- TComponent

TClass TComponent::ClassInfo() {
  static TClass cls = TClassBuilder<TComponent>("TComponent", TPersistent::ClassInfo())
                          .String("Name", &TComponent::Name, &TComponent::SetName, TypeInfoComponentName())
                          .Integer("Tag", &TComponent::Tag, &TComponent::SetTag, 0)
                          .Build();
  return cls;
}

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  // Tell every peer first, so that no reference to this component survives it.
  while (!freeNotifies_.Empty()) {
    TComponent* peer = freeNotifies_.Back();
    freeNotifies_.Erase(peer);
    peer->freeNotifies_.Erase(this);
    peer->Notification(this, opRemove);
  }
  DestroyComponents();
  if (owner_) owner_->RemoveComponent(this);
}

void TComponent::Free() {
  if (!(state_ & StateOf(csDestroying))) BeforeDestruction();
  Destroying();
  delete this;
}

void TComponent::Destroying() { state_ |= StateOf(csDestroying); }

void TComponent::SetState(TComponentStateElement e, bool on) {
  if (on)
    state_ |= StateOf(e);
  else
    state_ &= ~StateOf(e);
}

void TComponent::SetName(const std::string& name) {
  if (name == name_) return;
  if (!name.empty() && !IsValidIdent(name)) throw EComponentError("'" + name + "' is not a valid component name");
  if (owner_)
    owner_->ValidateRename(this, name_, name);
  else
    ValidateRename(nullptr, name_, name);
  if (owner_) owner_->UnindexName(this);
  name_ = name;
  if (owner_) owner_->IndexName(this);
}

void TComponent::ValidateRename(TComponent* component, const std::string& curName, const std::string& newName) {
  if (component && !SameText(curName, newName) && component->owner_ == this && FindComponent(newName))
    throw EComponentError("A component named " + newName + " already exists");
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return components_[static_cast<std::size_t>(index)];
}

int TComponent::ComponentIndex() const {
  if (!owner_) return -1;
  return static_cast<int>(owner_->IndexOfOwned(this));
}

// Searches down from the component's insertion place, where it is found after any number of
// removals before it, then up for one moved by SetComponentIndex: destroying an owner's
// components in any order stays linear.
std::size_t TComponent::IndexOfOwned(const TComponent* component) const {
  std::size_t size = components_.size();
  if (size == 0) return size;
  std::size_t start = std::min(component->ownerIndexHint_, size - 1);
  for (std::size_t i = start + 1; i-- > 0;)
    if (components_[i] == component) return i;
  for (std::size_t i = start + 1; i < size; ++i)
    if (components_[i] == component) return i;
  return size;
}

void TComponent::SetComponentIndex(int index) {
  if (!owner_) return;
  auto& list = owner_->components_;
  int count = static_cast<int>(list.size());
  index = std::clamp(index, 0, count - 1);
  int current = ComponentIndex();
  if (current == index) return;
  list.erase(list.begin() + current);
  list.insert(list.begin() + index, this);
  ownerIndexHint_ = static_cast<std::size_t>(index);
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  TComponent* const* found =
      nameIndex_.Find(HashText(name), [name](const TComponent* c) { return SameText(c->name_, name); });
  return found ? *found : nullptr;
}

void TComponent::IndexName(TComponent* component) {
  // The first of two components of one name (a form file may hold both) is the one found.
  if (!component->name_.empty() && !FindComponent(component->name_))
    nameIndex_.Insert(HashText(component->name_), component);
}

namespace {
std::uint64_t namesReleased = 0;
}  // namespace

std::uint64_t ComponentNamesReleased() { return namesReleased; }

void TComponent::UnindexName(TComponent* component) {
  if (component->name_.empty()) return;
  ++namesReleased;
  nameIndex_.Erase(HashText(component->name_), [component](const TComponent* c) { return c == component; });
}

void TComponent::InsertComponent(TComponent* component) {
  ValidateRename(component, "", component->name_);
  Insert(component);
  if (HasState(csDesigning)) component->SetDesigning(true);
  Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  Notification(component, opRemove);
  Remove(component);
}

void TComponent::Insert(TComponent* component) {
  component->ownerIndexHint_ = components_.size();
  components_.push_back(component);
  component->owner_ = this;
  IndexName(component);
}

void TComponent::Remove(TComponent* component) {
  UnindexName(component);
  std::size_t index = IndexOfOwned(component);
  if (index < components_.size()) components_.erase(components_.begin() + static_cast<std::ptrdiff_t>(index));
  component->owner_ = nullptr;
}

void TComponent::DestroyComponents() {
  // Each destruction may destroy siblings; always take the current last one.
  while (!components_.empty()) {
    TComponent* last = components_.back();
    Remove(last);
    last->Free();
  }
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  if (freeNotifies_.Insert(component)) component->freeNotifies_.Insert(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  freeNotifies_.Erase(component);
  component->freeNotifies_.Erase(this);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation != opRemove) return;
  for (TComponentRefBase* ref : refs_)
    if (ref->target_ == component) ref->target_ = nullptr;
}

void TComponent::SetDesigning(bool value, bool setChildren) {
  SetState(csDesigning, value);
  if (setChildren)
    for (TComponent* c : components_) c->SetDesigning(value);
}

void TComponent::Loading() { state_ |= StateOf(csLoading) | StateOf(csReading); }

void TComponent::Loaded() { state_ &= ~(StateOf(csLoading) | StateOf(csReading)); }

std::string TComponent::GetNamePath() const { return name_; }

void TComponent::GetChildren(const std::function<void(TComponent*)>&, TComponent*) const {}

// ---- references

TComponentRefBase::TComponentRefBase(TComponent* holder) : holder_(holder) { holder_->refs_.push_back(this); }

TComponentRefBase::~TComponentRefBase() {
  SetComponent(nullptr);
  auto& refs = holder_->refs_;
  refs.erase(std::remove(refs.begin(), refs.end(), this), refs.end());
}

void TComponentRefBase::SetComponent(TComponent* target) {
  if (target == target_) return;
  TComponent* old = target_;
  target_ = target;
  if (target) holder_->FreeNotification(target);
  if (!old) return;
  // The link serves both directions: keep it while either side still refers to the other.
  for (TComponentRefBase* ref : holder_->refs_)
    if (ref->target_ == old) return;
  for (TComponentRefBase* ref : old->refs_)
    if (ref->target_ == holder_) return;
  holder_->RemoveFreeNotification(old);
}

TComponent* TComponentList::Items(int index) const {
  if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return items_[static_cast<std::size_t>(index)];
}

int TComponentList::IndexOf(const TComponent* c) const {
  auto it = std::find(items_.begin(), items_.end(), c);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

}  // namespace vcl

namespace vcl {
void TComponentList::Remove(const TComponent* c) { items_.erase(std::remove(items_.begin(), items_.end(), c), items_.end()); }
}  // namespace vcl
