// Small, flat containers for the per-component tables: most components have a few peers
// and no owned components, while a form's root owns hundreds of thousands. Each costs one
// allocation or none, and no node per entry.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace vcl {

// An open-addressing table of positions or pointers, found by a hash the caller gives and
// confirmed by a predicate: linear probing, deletion by shifting back (no tombstones).
// An entry keeps 31 bits of the hash, enough to place it in any table that fits in memory.
template <class Slot>
class TOpenTable {
public:
  std::size_t Size() const { return size_; }

  template <class Matches>
  const Slot* Find(std::size_t hash, Matches&& matches) const {
    if (slots_.empty()) return nullptr;
    std::uint32_t stored = Stored(hash);
    for (std::size_t i = hash & mask_;; i = (i + 1) & mask_) {
      const Entry& e = slots_[i];
      if (e.hash == 0) {
        missed_ = true;
        missHash_ = hash;
        missAt_ = i;
        return nullptr;
      }
      if (e.hash == stored && matches(e.slot)) return &e.slot;
    }
  }
  template <class Matches>
  Slot* Find(std::size_t hash, Matches&& matches) {
    return const_cast<Slot*>(static_cast<const TOpenTable&>(*this).Find(hash, matches));
  }

  // Whether the last look-up, with nothing changed since, was of `hash` and found nothing:
  // an entry of a key with that hash is not there, and Insert takes the place where the
  // look-up ended without probing again.
  bool JustMissed(std::size_t hash) const { return missed_ && missHash_ == hash; }

  // Adds an entry; the caller has made sure that it is not there yet.
  void Insert(std::size_t hash, Slot slot) {
    if ((size_ + 1) * 4 > slots_.size() * 3) Rehash(slots_.empty() ? 16 : slots_.size() * 2);
    std::size_t at = JustMissed(hash) ? missAt_ : Vacancy(hash);
    slots_[at] = Entry{slot, Stored(hash)};
    missed_ = false;
    ++size_;
  }

  // Makes room for `count` entries in all, so that adding them never grows the table.
  void Reserve(std::size_t count) {
    std::size_t slots = 16;
    while (count * 4 > slots * 3) slots *= 2;
    if (slots > slots_.size()) Rehash(slots);
  }

  // Removes the entry that `matches`; false when there is none.
  template <class Matches>
  bool Erase(std::size_t hash, Matches&& matches) {
    if (slots_.empty()) return false;
    std::uint32_t stored = Stored(hash);
    std::size_t i = hash & mask_;
    for (;; i = (i + 1) & mask_) {
      if (slots_[i].hash == 0) return false;
      if (slots_[i].hash == stored && matches(slots_[i].slot)) break;
    }
    // Shift back every later entry of the run that may sit at the freed place.
    for (std::size_t j = (i + 1) & mask_; slots_[j].hash != 0; j = (j + 1) & mask_) {
      std::size_t home = slots_[j].hash & mask_;
      bool movable = i <= j ? (home <= i || home > j) : (home <= i && home > j);
      if (movable) {
        slots_[i] = slots_[j];
        i = j;
      }
    }
    slots_[i] = Entry{};
    missed_ = false;
    --size_;
    // A table that held many entries gives its room back as they go.
    if (size_ == 0)
      Clear();
    else if (slots_.size() > 16 && size_ * 8 < slots_.size())
      Rehash(slots_.size() / 4);
    return true;
  }

  void Clear() {
    slots_ = {};
    mask_ = 0;
    size_ = 0;
    missed_ = false;
  }

private:
  struct Entry {
    Slot slot{};
    std::uint32_t hash = 0;  // Stored(hash) of the entry; 0 for a free place
  };
  // The low bits that place an entry, with the top bit set to tell it from a free place.
  static std::uint32_t Stored(std::size_t hash) { return static_cast<std::uint32_t>(hash) | 0x80000000u; }
  std::size_t Vacancy(std::size_t hash) const {
    std::size_t i = hash & mask_;
    while (slots_[i].hash != 0) i = (i + 1) & mask_;
    return i;
  }
  void Rehash(std::size_t count) {
    std::vector<Entry> old = std::move(slots_);
    slots_.assign(count, Entry{});
    mask_ = count - 1;
    missed_ = false;
    for (const Entry& e : old)
      if (e.hash != 0) slots_[Vacancy(e.hash)] = e;
  }

  std::vector<Entry> slots_;
  std::size_t mask_ = 0;
  std::size_t size_ = 0;
  // Where the last look-up that found nothing ended, for the Insert that often follows it.
  mutable std::size_t missHash_ = 0;
  mutable std::size_t missAt_ = 0;
  mutable bool missed_ = false;
};

inline std::size_t HashPointer(const void* p) {
  auto x = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(p));
  x ^= x >> 33;
  x *= 0xff51afd7ed558ccdULL;
  x ^= x >> 33;
  return static_cast<std::size_t>(x);
}

// A list of pointers that holds one in place and more on the heap: most components that
// refer to others refer to one, and are told of one.
template <class T>
class TSmallList {
public:
  TSmallList() = default;
  TSmallList(const TSmallList&) = delete;
  TSmallList& operator=(const TSmallList&) = delete;
  ~TSmallList() {
    if (capacity_ > 1) delete[] heap_;
  }

  std::size_t Size() const { return size_; }
  bool Empty() const { return size_ == 0; }
  T* const* begin() const { return capacity_ > 1 ? heap_ : &one_; }
  T* const* end() const { return begin() + size_; }
  T* operator[](std::size_t i) const { return begin()[i]; }
  T* Back() const { return begin()[size_ - 1]; }

  void Set(std::size_t i, T* item) { Items()[i] = item; }
  void PushBack(T* item) {
    if (size_ == capacity_) Grow();
    Items()[size_++] = item;
  }
  void PopBack() { --size_; }
  // Removes, keeping the order of the rest, every item for which `remove` is true.
  template <class Remove>
  void EraseIf(Remove&& remove) {
    T** items = Items();
    std::uint32_t kept = 0;
    for (std::uint32_t i = 0; i < size_; ++i)
      if (!remove(items[i])) items[kept++] = items[i];
    size_ = kept;
  }

private:
  T** Items() { return capacity_ > 1 ? heap_ : &one_; }
  void Grow() {
    std::uint32_t capacity = capacity_ * 2;
    T** heap = new T*[capacity];
    std::copy(begin(), end(), heap);
    if (capacity_ > 1) delete[] heap_;
    heap_ = heap;
    capacity_ = capacity;
  }

  union {
    T* one_ = nullptr;
    T** heap_;
  };
  std::uint32_t size_ = 0;
  std::uint32_t capacity_ = 1;
};

// A set of pointers in insertion order, except that removing one moves the last into its
// place. Up to a few are found by a scan; beyond that an index finds them.
template <class T>
class TPointerSet {
public:
  bool Empty() const { return items_.Empty(); }
  std::size_t Size() const { return items_.Size(); }
  T* Back() const { return items_.Back(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

  bool Contains(const T* item) const { return IndexOf(item) != kNone; }
  // False when the item was there already.
  bool Insert(T* item) {
    if (Contains(item)) return false;
    items_.PushBack(item);
    if (index_)
      index_->Insert(HashPointer(item), items_.Size() - 1);
    else if (items_.Size() > kScanned)
      BuildIndex();
    return true;
  }
  bool Erase(const T* item) {
    std::size_t at = IndexOf(item);
    if (at == kNone) return false;
    std::size_t last = items_.Size() - 1;
    if (index_) {
      index_->Erase(HashPointer(item), [at](std::size_t p) { return p == at; });
      if (at != last) *index_->Find(HashPointer(items_[last]), [last](std::size_t p) { return p == last; }) = at;
    }
    items_.Set(at, items_[last]);
    items_.PopBack();
    if (items_.Empty()) index_.reset();
    return true;
  }

private:
  static constexpr std::size_t kScanned = 8;
  static constexpr std::size_t kNone = ~std::size_t{0};

  std::size_t IndexOf(const T* item) const {
    if (!index_) {
      for (std::size_t i = 0; i < items_.Size(); ++i)
        if (items_[i] == item) return i;
      return kNone;
    }
    const std::size_t* at = index_->Find(HashPointer(item), [&](std::size_t p) { return items_[p] == item; });
    return at ? *at : kNone;
  }
  void BuildIndex() {
    index_ = std::make_unique<TOpenTable<std::size_t>>();
    for (std::size_t i = 0; i < items_.Size(); ++i) index_->Insert(HashPointer(items_[i]), i);
  }

  TSmallList<T> items_;
  std::unique_ptr<TOpenTable<std::size_t>> index_;
};

}  // namespace vcl
