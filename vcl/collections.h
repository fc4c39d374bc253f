// Collections: owned lists of items of one class (status panels, list columns, header
// sections). A form file holds them as "Name = < item ... end >"; the model reads their
// items, sub-objects and references included, and writes them back when they change.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "vcl/classes.h"

namespace vcl {

class TCollection;

// One item of a collection; its index is its position in the collection.
class TCollectionItem : public TPersistent {
  VCL_CLASS(TCollectionItem, TPersistent)
  explicit TCollectionItem(TCollection* collection) : collection_(collection) {}

  TCollection* Collection() const { return collection_; }
  int Index() const;
  // Unique in its collection for the collection's life, however the items move.
  int ID() const { return id_; }

protected:
  // Something that shows the item changed.
  void Changed();

private:
  friend class TCollection;
  TCollection* collection_;
  int id_ = 0;
};

class TCollection : public TPersistent {
  VCL_CLASS(TCollection, TPersistent)
  using TItemFactory = std::function<std::unique_ptr<TCollectionItem>(TCollection*)>;
  // `owner` is the component the collection belongs to (a grid for its columns): items that
  // refer to other components hold their references through it.
  explicit TCollection(TItemFactory factory, TComponent* owner = nullptr)
      : factory_(std::move(factory)), owner_(owner) {}

  TComponent* Owner() const { return owner_; }

  int Count() const { return static_cast<int>(items_.size()); }
  // Raises EListError for an index out of range.
  TCollectionItem* Items(int index) const;
  TCollectionItem* Add();
  void Delete(int index);
  void Clear();
  int IndexOf(const TCollectionItem* item) const;

  // Runs after every change of the items (added, removed, changed).
  TNotifyEvent OnChange;

protected:
  friend class TCollectionItem;
  void Changed() { OnChange(this); }

private:
  TItemFactory factory_;
  TComponent* owner_;
  std::vector<std::unique_ptr<TCollectionItem>> items_;
  int nextId_ = 0;
};

// A collection of items of class `Item`, each made by `Item(TCollection*)`.
template <class Item>
class TTypedCollection : public TCollection {
public:
  explicit TTypedCollection(TComponent* owner = nullptr)
      : TCollection([](TCollection* c) -> std::unique_ptr<TCollectionItem> { return std::make_unique<Item>(c); },
                    owner) {}
  Item* Items(int index) const { return static_cast<Item*>(TCollection::Items(index)); }
  Item* Add() { return static_cast<Item*>(TCollection::Add()); }
};

}  // namespace vcl
