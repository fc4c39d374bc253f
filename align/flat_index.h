// A fixed-size hash index over the items of a list, for look-ups among many thousand keys.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace zolt {

// A hash table of fixed size with open addressing: the slots lie in one array, at most two
// in three used, so a look-up touches a cache line or two however many keys the table holds.
// Each slot holds a part of the key's hash and the index of its item in `Items`, which
// hashes and compares the keys.
template <class Items>
class FlatIndex {
public:
  explicit FlatIndex(const Items& items) : items_(items), slots_(std::bit_ceil(items.Size() * 3 / 2 + 1)) {
    for (std::uint32_t i = 0; i < items.Size(); ++i) {
      std::size_t hash = items.HashOf(i);
      Slot& slot = Probe(hash, [&](std::uint32_t other) { return items.SameKey(other, i); });
      if (slot.index == kEmpty) slot = {static_cast<std::uint32_t>(hash), i};
    }
  }
  // The index of the item with `key`, the first when several have it; none: null.
  template <class Key>
  const std::uint32_t* Find(const Key& key) const {
    const Slot& slot = Probe(Items::Hash(key), [&](std::uint32_t other) { return items_.HasKey(other, key); });
    return slot.index == kEmpty ? nullptr : &slot.index;
  }

private:
  static constexpr std::uint32_t kEmpty = UINT32_MAX;
  struct Slot {
    std::uint32_t hash = 0;
    std::uint32_t index = kEmpty;
  };
  template <class Same>
  Slot& Probe(std::size_t hash, Same same) const {
    std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
      Slot& slot = slots_[i];
      if (slot.index == kEmpty || (slot.hash == static_cast<std::uint32_t>(hash) && same(slot.index))) return slot;
    }
  }

  const Items& items_;
  mutable std::vector<Slot> slots_;
};

}  // namespace zolt
