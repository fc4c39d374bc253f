#include "vcl/events.h"

#include <mutex>

#include "vcl/open_table.h"

namespace vcl {

// A slot's binding, in the table of the process.
struct TEventBase::TBound {
  const TEventBase* slot = nullptr;
  Binding* binding = nullptr;

  // Slots of objects on different threads share the table, so it is locked; only slots
  // with bindings reach it. Never destroyed: objects of static storage may outlive it.
  struct TTable {
    std::mutex lock;
    TOpenTable<TBound> entries;
  };
  static TTable& Table() {
    static auto* table = new TTable;
    return *table;
  }
};

TEventBase::Binding* TEventBase::Find() const {
  auto& table = TBound::Table();
  std::lock_guard guard(table.lock);
  return table.entries.Find(HashPointer(this), [this](const TBound& b) { return b.slot == this; })->binding;
}

void TEventBase::Replace(Binding* binding) {
  Binding* old = nullptr;
  {
    auto& table = TBound::Table();
    std::lock_guard guard(table.lock);
    if (bound_) {
      TBound* entry = table.entries.Find(HashPointer(this), [this](const TBound& b) { return b.slot == this; });
      old = entry->binding;
      entry->binding = binding;
    } else {
      table.entries.Insert(HashPointer(this), TBound{this, binding});
      bound_ = true;
    }
  }
  // Outside the lock: a handler's code may own objects with slots of their own.
  delete old;
}

void TEventBase::Release() {
  Binding* old = nullptr;
  {
    auto& table = TBound::Table();
    std::lock_guard guard(table.lock);
    table.entries.Erase(HashPointer(this), [this, &old](const TBound& b) {
      if (b.slot != this) return false;
      old = b.binding;
      return true;
    });
    bound_ = false;
  }
  delete old;
}

}  // namespace vcl
