// Persistent objects and components: ownership, names and free notification.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "vcl/events.h"
#include "vcl/object.h"
#include "vcl/open_table.h"

namespace vcl {

// A value that a form file holds for an object under a name no published property has,
// as far as the model reads such values: a number, or a list of numbers up to its first
// item of another kind.
struct TUnpublishedValue {
  bool List = false;
  std::vector<std::int64_t> Integers;
};

// An object whose published state can be copied and streamed.
class TPersistent : public TObject {
  VCL_CLASS(TPersistent, TObject)
  // Copies the state of `source`; raises EConvertError "Cannot assign a X to a Y"
  // when neither side knows how.
  virtual void Assign(TPersistent* source);
  // The name by which the streaming system and the Object Inspector refer to this object.
  virtual std::string GetNamePath() const;
  // Takes a value that a form file holds for the object under a name of its own rather
  // than as a published property (a tree view's nodes as the "Data" of its items); false
  // when the object has no such value, which the file then keeps as it is.
  virtual bool ReadBinaryProperty(std::string_view name, std::string_view bytes) {
    (void)name, (void)bytes;
    return false;
  }
  // Takes such a value of another kind (a grid's "ColWidths"); false as above.
  virtual bool ReadUnpublishedProperty(std::string_view name, const TUnpublishedValue& value) {
    (void)name, (void)value;
    return false;
  }
  // The binary values of that kind the object writes, as it holds them now: `write` gets
  // each name with its bytes, empty for a value the file leaves out. The same names every
  // time, so that a change shows as a changed value. Objects that only read such values
  // give none.
  using TBinaryPropertyWriter = std::function<void(std::string_view name, std::string bytes)>;
  virtual void WriteBinaryProperties(const TBinaryPropertyWriter& write) const { (void)write; }

protected:
  virtual void AssignTo(TPersistent* dest);
  [[noreturn]] void AssignError(TPersistent* source);
};

enum TOperation { opInsert, opRemove };

// Horizontal placement of text (labels, check boxes, fields).
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
struct TTypeInfo;
const TTypeInfo* TypeInfoAlignment();

enum TComponentStateElement { csLoading, csReading, csWriting, csDestroying, csDesigning, csAncestor, csUpdating, csFixups, csInline };
using TComponentState = std::uint32_t;
constexpr TComponentState StateOf(TComponentStateElement e) { return 1u << e; }

class TComponentRefBase;

// A component: a name unique among its owner's components, an owner that destroys it,
// owned components, and free notification between components that refer to each other.
class TComponent : public TPersistent {
  VCL_CLASS(TComponent, TPersistent)
  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  // Destroys the component (owned components first), as the host's Free: BeforeDestruction
  // runs first, while the whole object (a dialog's own fields and handlers) still exists.
  void Free();

  const std::string& Name() const { return name_; }
  // Asks the processor for the class pointer, the name and the state: they span at most
  // two cache lines, fetched by the object's first byte and by the state, which ends them.
  void PrefetchHeader() const {
    __builtin_prefetch(this);
    __builtin_prefetch(&state_);
  }
  // Raises EComponentError for a name that is not an identifier or is taken in the owner.
  // Virtual: a control whose caption equals its name renames the caption too.
  virtual void SetName(const std::string& name);
  NativeInt Tag() const { return tag_; }
  void SetTag(NativeInt tag) { tag_ = tag; }

  TComponent* Owner() const { return owner_; }
  int ComponentCount() const {
    TOwned* owned = OwnedOrNull();
    return owned ? static_cast<int>(owned->components.size() - owned->holes) : 0;
  }
  TComponent* Components(int index) const;
  int ComponentIndex() const;
  void SetComponentIndex(int index);
  // The owned component with that name, ignoring case; null when none.
  TComponent* FindComponent(std::string_view name) const;
  // Makes room for `count` owned components in all, as a form file does before it loads.
  void ReserveComponents(std::size_t count);
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);
  void DestroyComponents();

  // Asks to be told (Notification opRemove) when `component` is destroyed; mutual.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);
  // Makes `listener` hear, after this component itself, of the components inserted into and
  // removed from this one (Notification) and of their renames (ValidateRename), as a form
  // tells its designer; the two are free-notification peers, so the listening ends when
  // either goes.
  void AddNotificationListener(TComponent* listener);

  TComponentState ComponentState() const { return state_; }
  bool HasState(TComponentStateElement e) const { return (state_ & StateOf(e)) != 0; }
  // Design mode is inherited by components inserted later.
  void SetDesigning(bool value, bool setChildren = true);
  // Streaming brackets: Loading sets csLoading; Loaded clears it and runs fix-ups.
  virtual void Loading();
  virtual void Loaded();

  std::string GetNamePath() const override;

  // The nesting of form files: a control inside its parent, a menu item inside its menu,
  // an action inside its list, a field inside its data set. Plain components have none.
  virtual bool HasParent() const { return false; }
  virtual TComponent* GetParentComponent() const { return nullptr; }
  virtual void SetParentComponent(TComponent*) {}
  // Calls `proc` for each component written inside this one in a form file, in file order.
  virtual void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const;

protected:
  // Called when `component` is inserted into or removed from this component's world:
  // owned components and free-notification peers. The base version clears every
  // reference property of this component that points at a removed component.
  virtual void Notification(TComponent* component, TOperation operation);
  virtual void ValidateRename(TComponent* component, const std::string& curName, const std::string& newName);
  virtual void SetChildOrder(TComponent*, int) {}
  void SetState(TComponentStateElement e, bool on);
  void Destroying();
  // Runs once, before the destructors, when the component is freed (by Free or its owner).
  virtual void BeforeDestruction() {}

private:
  friend class TComponentRefBase;
  void Insert(TComponent* component);
  void Remove(TComponent* component);
  std::size_t IndexOfOwned(const TComponent* component) const;
  void CloseHoles() const;
  void IndexName(TComponent* component);
  void UnindexName(TComponent* component);
  void TellListeners(TComponent* component, TOperation operation);

  // What a component has once it owns others or is listened to: a form's root, a frame.
  struct TOwned {
    // A component that leaves from the middle leaves a null behind, counted in `holes`: the
    // list closes up when it is next read by index, so that the components after it are not
    // shifted once per removal when many go (a form destroyed, a selection deleted).
    std::vector<TComponent*> components;
    std::size_t holes = 0;
    TOpenTable<TComponent*> nameIndex;  // the named owned components, by name ignoring case
    std::vector<TComponent*> listeners;
  };
  // What a component has once it watches, refers to or owns another; most (the controls of
  // a form) never do, and have none. A reference and its target need only the peers and
  // the references, which a pointer or two hold in place.
  struct TLinks {
    // Peers told of each other's destruction: a form's root may have hundreds of thousands
    // of owned components, but its peers are a few.
    TPointerSet<TComponent> freeNotifies;
    TSmallList<TComponentRefBase> refs;  // this component's references that point somewhere
    std::unique_ptr<TOwned> owned;
  };
  TLinks& Links();
  TOwned& Owned();
  TOwned* OwnedOrNull() const { return links_ ? links_->owned.get() : nullptr; }

  std::string name_;
  // Beside the class and the name, which most loops over components read with it.
  TComponentState state_ = 0;
  // Where this component stands in its owner's list, unless SetComponentIndex has shifted it.
  std::uint32_t ownerIndexHint_ = 0;
  NativeInt tag_ = 0;
  TComponent* owner_ = nullptr;
  std::unique_ptr<TLinks> links_;
};

// A component's reference to another component: becomes null when the target is
// destroyed (through free notification), like a guarded pointer. Held as a member of
// the referring component and given that component at construction; the component
// lists it only while it points somewhere.
class TComponentRefBase {
public:
  explicit TComponentRefBase(TComponent* holder);
  TComponentRefBase(const TComponentRefBase&) = delete;
  TComponentRefBase& operator=(const TComponentRefBase&) = delete;
  ~TComponentRefBase();
  TComponent* GetComponent() const { return target_; }

protected:
  void SetComponent(TComponent* target);

private:
  friend class TComponent;
  TComponent* holder_;
  TComponent* target_ = nullptr;
};

template <class T>
class TComponentRef : public TComponentRefBase {
public:
  using TComponentRefBase::TComponentRefBase;
  T* get() const { return static_cast<T*>(GetComponent()); }
  operator T*() const { return get(); }
  T* operator->() const { return get(); }
  void Set(T* target) { SetComponent(target); }
};

// A list of components that does not own them (the host's TComponentList).
class TComponentList {
public:
  void Add(TComponent* c) { items_.push_back(c); }
  int Count() const { return static_cast<int>(items_.size()); }
  TComponent* Items(int index) const;
  int IndexOf(const TComponent* c) const;
  void Remove(const TComponent* c);
  void Clear() { items_.clear(); }

private:
  std::vector<TComponent*> items_;
};

}  // namespace vcl
