#include "vcl/collections.h"

#include <algorithm>

#include "vcl/class_builder.h"
#include "vcl/sysutils.h"

namespace vcl {

TClass TCollectionItem::ClassInfo() {
  static TClass cls = TClassBuilder<TCollectionItem>("TCollectionItem", TPersistent::ClassInfo()).Build();
  return cls;
}

int TCollectionItem::Index() const { return collection_ ? collection_->IndexOf(this) : -1; }

void TCollectionItem::Changed() {
  if (collection_) collection_->Changed();
}

TClass TCollection::ClassInfo() {
  static TClass cls = TClassBuilder<TCollection>("TCollection", TPersistent::ClassInfo()).Build();
  return cls;
}

TCollectionItem* TCollection::Items(int index) const {
  if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return items_[static_cast<std::size_t>(index)].get();
}

TCollectionItem* TCollection::Add() {
  items_.push_back(factory_(this));
  items_.back()->id_ = nextId_++;
  Changed();
  return items_.back().get();
}

void TCollection::Delete(int index) {
  Items(index);  // checks the index
  items_.erase(items_.begin() + index);
  Changed();
}

void TCollection::Clear() {
  if (items_.empty()) return;
  items_.clear();
  Changed();
}

int TCollection::IndexOf(const TCollectionItem* item) const {
  auto found = std::find_if(items_.begin(), items_.end(), [item](const auto& p) { return p.get() == item; });
  return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

}  // namespace vcl
