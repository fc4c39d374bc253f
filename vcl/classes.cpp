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
  while (links_ && !links_->freeNotifies.Empty()) {
    TComponent* peer = links_->freeNotifies.Back();
    links_->freeNotifies.Erase(peer);
    peer->links_->freeNotifies.Erase(this);
    peer->Notification(this, opRemove);
  }
  DestroyComponents();
  if (owner_) owner_->RemoveComponent(this);
}

TComponent::TLinks& TComponent::Links() {
  if (!links_) links_ = std::make_unique<TLinks>();
  return *links_;
}

TComponent::TOwned& TComponent::Owned() {
  TLinks& links = Links();
  if (!links.owned) links.owned = std::make_unique<TOwned>();
  return *links.owned;
}

void TComponent::Free() {
  if (!(state_ & StateOf(csDestroying))) BeforeDestruction();
  Destroying();
  delete this;
}

void TComponent::Destroying() {
  state_ |= StateOf(csDestroying);
  // The names of the owned components go all at once rather than one by one as each is
  // removed; until the last has gone, a look-up scans those left (see FindComponent).
  if (TOwned* owned = OwnedOrNull()) owned->nameIndex.Clear();
}

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
  // The owner first: a component being inserted, or one a listener hears of, is not yet
  // or not at all this one's, and its names need no comparing.
  if (component && component->owner_ == this && !SameText(curName, newName) && FindComponent(newName))
    throw EComponentError("A component named " + newName + " already exists");
  for (std::size_t i = 0; OwnedOrNull() && i < links_->owned->listeners.size(); ++i)
    links_->owned->listeners[i]->ValidateRename(component, curName, newName);
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  CloseHoles();
  return links_->owned->components[static_cast<std::size_t>(index)];
}

int TComponent::ComponentIndex() const {
  if (!owner_) return -1;
  owner_->CloseHoles();
  return static_cast<int>(owner_->IndexOfOwned(this));
}

// Closes up the list, telling each component its new place.
void TComponent::CloseHoles() const {
  TOwned* owned = OwnedOrNull();
  if (!owned || owned->holes == 0) return;
  std::vector<TComponent*>& components = owned->components;
  std::size_t kept = 0;
  for (TComponent* component : components)
    if (component) {
      component->ownerIndexHint_ = static_cast<std::uint32_t>(kept);
      components[kept++] = component;
    }
  components.resize(kept);
  owned->holes = 0;
}

// Looks first where the component was put (inserted, or moved as holes closed), where a
// removal leaves it; then down and up from there, for one that SetComponentIndex shifted.
std::size_t TComponent::IndexOfOwned(const TComponent* component) const {
  TOwned* owned = OwnedOrNull();
  if (!owned || owned->components.empty()) return 0;
  const std::vector<TComponent*>& components = owned->components;
  std::size_t size = components.size();
  std::size_t start = std::min<std::size_t>(component->ownerIndexHint_, size - 1);
  for (std::size_t i = start + 1; i-- > 0;)
    if (components[i] == component) return i;
  for (std::size_t i = start + 1; i < size; ++i)
    if (components[i] == component) return i;
  return size;
}

void TComponent::SetComponentIndex(int index) {
  if (!owner_) return;
  owner_->CloseHoles();
  auto& list = owner_->links_->owned->components;
  int count = static_cast<int>(list.size());
  index = std::clamp(index, 0, count - 1);
  int current = ComponentIndex();
  if (current == index) return;
  list.erase(list.begin() + current);
  list.insert(list.begin() + index, this);
  ownerIndexHint_ = static_cast<std::uint32_t>(index);
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  TOwned* owned = OwnedOrNull();
  if (name.empty() || !owned) return nullptr;
  if (owned->nameIndex.Size() == 0 && HasState(csDestroying)) {
    for (TComponent* component : owned->components)
      if (component && SameText(component->name_, name)) return component;
    return nullptr;
  }
  TComponent* const* found =
      owned->nameIndex.Find(HashText(name), [name](const TComponent* c) { return SameText(c->name_, name); });
  return found ? *found : nullptr;
}

void TComponent::IndexName(TComponent* component) {
  // The first of two components of one name (a form file may hold both) is the one found.
  // Most often the look-up that validated the new name has just found it free.
  if (component->name_.empty()) return;
  TOpenTable<TComponent*>& index = links_->owned->nameIndex;
  if (index.Size() == 0 && HasState(csDestroying)) return;  // given up (see Destroying)
  std::size_t hash = HashText(component->name_);
  if (index.JustMissed(hash) || !FindComponent(component->name_)) index.Insert(hash, component);
}

namespace {
std::uint64_t namesReleased = 0;
}  // namespace

std::uint64_t ComponentNamesReleased() { return namesReleased; }

void TComponent::UnindexName(TComponent* component) {
  if (component->name_.empty()) return;
  ++namesReleased;
  if (links_->owned->nameIndex.Size() == 0) return;
  links_->owned->nameIndex.Erase(HashText(component->name_),
                                 [component](const TComponent* c) { return c == component; });
}

void TComponent::InsertComponent(TComponent* component) {
  ValidateRename(component, "", component->name_);
  Insert(component);
  if (HasState(csDesigning)) component->SetDesigning(true);
  Notification(component, opInsert);
  TellListeners(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  Notification(component, opRemove);
  TellListeners(component, opRemove);
  Remove(component);
}

void TComponent::ReserveComponents(std::size_t count) {
  if (count == 0) return;
  TOwned& owned = Owned();
  owned.components.reserve(count);
  owned.nameIndex.Reserve(count);
}

void TComponent::Insert(TComponent* component) {
  std::vector<TComponent*>& components = Owned().components;
  component->ownerIndexHint_ = static_cast<std::uint32_t>(components.size());
  components.push_back(component);
  component->owner_ = this;
  IndexName(component);
}

void TComponent::Remove(TComponent* component) {
  UnindexName(component);
  component->owner_ = nullptr;
  TOwned* owned = OwnedOrNull();
  std::size_t index = IndexOfOwned(component);
  if (!owned || index == owned->components.size()) return;
  std::vector<TComponent*>& components = owned->components;
  components[index] = nullptr;
  ++owned->holes;
  // The last is never a hole, so that DestroyComponents can take it; past half the list the
  // holes close at once, so that the list never holds more holes than components.
  for (; !components.empty() && !components.back(); --owned->holes) components.pop_back();
  if (owned->holes * 2 > components.size()) CloseHoles();
}

void TComponent::DestroyComponents() {
  // Each destruction may destroy siblings; always take the current last one.
  while (OwnedOrNull() && !links_->owned->components.empty()) {
    TComponent* last = links_->owned->components.back();
    Remove(last);
    last->Free();
  }
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  if (Links().freeNotifies.Insert(component)) component->Links().freeNotifies.Insert(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (links_) links_->freeNotifies.Erase(component);
  if (component->links_) component->links_->freeNotifies.Erase(this);
}

void TComponent::AddNotificationListener(TComponent* listener) {
  if (!listener || listener == this) return;
  std::vector<TComponent*>& listeners = Owned().listeners;
  if (std::find(listeners.begin(), listeners.end(), listener) == listeners.end()) listeners.push_back(listener);
  FreeNotification(listener);
}

void TComponent::TellListeners(TComponent* component, TOperation operation) {
  // By index: a listener may stop listening meanwhile.
  for (std::size_t i = 0; OwnedOrNull() && i < links_->owned->listeners.size(); ++i)
    links_->owned->listeners[i]->Notification(component, operation);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation != opRemove || !links_) return;
  if (TOwned* owned = links_->owned.get()) std::erase(owned->listeners, component);
  links_->refs.EraseIf([component](TComponentRefBase* ref) {
    if (ref->target_ != component) return false;
    ref->target_ = nullptr;
    return true;
  });
}

void TComponent::SetDesigning(bool value, bool setChildren) {
  SetState(csDesigning, value);
  if (TOwned* owned = OwnedOrNull(); setChildren && owned)
    for (TComponent* c : owned->components)
      if (c) c->SetDesigning(value);
}

void TComponent::Loading() { state_ |= StateOf(csLoading) | StateOf(csReading); }

void TComponent::Loaded() { state_ &= ~(StateOf(csLoading) | StateOf(csReading)); }

std::string TComponent::GetNamePath() const { return name_; }

void TComponent::GetChildren(const std::function<void(TComponent*)>&, TComponent*) const {}

// ---- references

TComponentRefBase::TComponentRefBase(TComponent* holder) : holder_(holder) {}

TComponentRefBase::~TComponentRefBase() { SetComponent(nullptr); }

void TComponentRefBase::SetComponent(TComponent* target) {
  if (target == target_) return;
  TComponent* old = target_;
  target_ = target;
  if (target) {
    if (!old) holder_->Links().refs.PushBack(this);
    holder_->FreeNotification(target);
  } else {
    holder_->links_->refs.EraseIf([this](const TComponentRefBase* ref) { return ref == this; });
  }
  if (!old) return;
  // The link serves both directions: keep it while either side still refers to the other.
  for (TComponentRefBase* ref : holder_->links_->refs)
    if (ref->target_ == old) return;
  if (old->links_)
    for (TComponentRefBase* ref : old->links_->refs)
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
