// Small, flat hash containers for the per-component tables: most components have a few
// peers and no owned components, while a form's root owns hundreds of thousands.
// Both kinds cost one allocation or none, and no node per entry.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace vcl {

// An open-addressing table of positions or pointers, found by a hash the caller gives and
// confirmed by a predicate: linear probing, deletion by shifting back (no tombstones).
template <class Slot>
class TOpenTable {
public:
  std::size_t Size() const { return size_; }

  template <class Matches>
  const Slot* Find(std::size_t hash, Matches&& matches) const {
    if (slots_.empty()) return nullptr;
    for (std::size_t i = hash & mask_;; i = (i + 1) & mask_) {
      const Entry& e = slots_[i];
      if (!e.used) return nullptr;
      if (e.hash == hash && matches(e.slot)) return &e.slot;
    }
  }
  template <class Matches>
  Slot* Find(std::size_t hash, Matches&& matches) {
    return const_cast<Slot*>(static_cast<const TOpenTable&>(*this).Find(hash, matches));
  }

  // Adds an entry; the caller has made sure that it is not there yet.
  void Insert(std::size_t hash, Slot slot) {
    if ((size_ + 1) * 2 > slots_.size()) Grow();
    Place(hash, slot);
    ++size_;
  }

  // Removes the entry that `matches`; false when there is none.
  template <class Matches>
  bool Erase(std::size_t hash, Matches&& matches) {
    if (slots_.empty()) return false;
    std::size_t i = hash & mask_;
    for (;; i = (i + 1) & mask_) {
      if (!slots_[i].used) return false;
      if (slots_[i].hash == hash && matches(slots_[i].slot)) break;
    }
    // Shift back every later entry of the run that may sit at the freed place.
    for (std::size_t j = (i + 1) & mask_; slots_[j].used; j = (j + 1) & mask_) {
      std::size_t home = slots_[j].hash & mask_;
      bool movable = i <= j ? (home <= i || home > j) : (home <= i && home > j);
      if (movable) {
        slots_[i] = slots_[j];
        i = j;
      }
    }
    slots_[i].used = false;
    --size_;
    return true;
  }

  void Clear() {
    slots_.clear();
    mask_ = 0;
    size_ = 0;
  }

private:
  struct Entry {
    std::size_t hash = 0;
    Slot slot{};
    bool used = false;
  };
  void Place(std::size_t hash, Slot slot) {
    std::size_t i = hash & mask_;
    while (slots_[i].used) i = (i + 1) & mask_;
    slots_[i] = Entry{hash, slot, true};
  }
  void Grow() {
    std::vector<Entry> old = std::move(slots_);
    slots_.assign(old.empty() ? 16 : old.size() * 2, Entry{});
    mask_ = slots_.size() - 1;
    for (const Entry& e : old)
      if (e.used) Place(e.hash, e.slot);
  }

  std::vector<Entry> slots_;
  std::size_t mask_ = 0;
  std::size_t size_ = 0;
};

inline std::size_t HashPointer(const void* p) {
  auto x = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(p));
  x ^= x >> 33;
  x *= 0xff51afd7ed558ccdULL;
  x ^= x >> 33;
  return static_cast<std::size_t>(x);
}

// A set of pointers in insertion order, except that removing one moves the last into its
// place. Up to a few are found by a scan; beyond that an index finds them.
template <class T>
class TPointerSet {
public:
  bool Empty() const { return items_.empty(); }
  std::size_t Size() const { return items_.size(); }
  T* Back() const { return items_.back(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

  bool Contains(const T* item) const { return IndexOf(item) != kNone; }
  // False when the item was there already.
  bool Insert(T* item) {
    if (Contains(item)) return false;
    items_.push_back(item);
    if (index_)
      index_->Insert(HashPointer(item), items_.size() - 1);
    else if (items_.size() > kScanned)
      BuildIndex();
    return true;
  }
  bool Erase(const T* item) {
    std::size_t at = IndexOf(item);
    if (at == kNone) return false;
    std::size_t last = items_.size() - 1;
    if (index_) {
      index_->Erase(HashPointer(item), [at](std::size_t p) { return p == at; });
      if (at != last) *index_->Find(HashPointer(items_[last]), [last](std::size_t p) { return p == last; }) = at;
    }
    items_[at] = items_[last];
    items_.pop_back();
    if (items_.empty()) index_.reset();
    return true;
  }

private:
  static constexpr std::size_t kScanned = 8;
  static constexpr std::size_t kNone = ~std::size_t{0};

  std::size_t IndexOf(const T* item) const {
    if (!index_) {
      for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i] == item) return i;
      return kNone;
    }
    const std::size_t* at = index_->Find(HashPointer(item), [&](std::size_t p) { return items_[p] == item; });
    return at ? *at : kNone;
  }
  void BuildIndex() {
    index_ = std::make_unique<TOpenTable<std::size_t>>();
    for (std::size_t i = 0; i < items_.size(); ++i) index_->Insert(HashPointer(items_[i]), i);
  }

  std::vector<T*> items_;
  std::unique_ptr<TOpenTable<std::size_t>> index_;
};

}  // namespace vcl
