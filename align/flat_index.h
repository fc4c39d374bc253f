// A fixed-size hash index over the items of a list, for look-ups among many thousand keys.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace zolt {

// A hash table of fixed size with open addressing: the slots lie in one array, at most two
// in three used, so a look-up touches a cache line or two however many keys the table holds.
// Each slot holds a part of the key's hash and the index of its item in `Items`, which
// hashes and compares the keys.
//
// Callers mostly ask for the items in their own order (a container's controls, its labels and
// the list of their names all follow the order the controls were made in), some items being
// skipped (controls without a label, names left out), so a look-up first tries the few items
// after the one found last. The table is built by the first look-up that needs it: while the
// guesses hold, a look-up reads only the next items, whatever the list's size.
template <class Items>
class FlatIndex {
public:
  explicit FlatIndex(const Items& items) : items_(items) {}
  // The index of an item with `key`: the first such among the few items after the one found
  // last, otherwise the first such of all; none: nothing.
  template <class Key>
  std::optional<std::uint32_t> Find(const Key& key) {
    auto end = static_cast<std::uint32_t>(std::min<std::size_t>(next_ + kLookAhead, items_.Size()));
    for (std::uint32_t i = next_; i < end; ++i)
      if (items_.HasKey(i, key)) {
        next_ = i + 1;
        return i;
      }
    if (slots_.empty()) Build();
    const Slot& slot = Probe(Items::Hash(key), [&](std::uint32_t other) { return items_.HasKey(other, key); });
    if (slot.index == kEmpty) return std::nullopt;
    next_ = slot.index + 1;
    return slot.index;
  }

private:
  static constexpr std::uint32_t kEmpty = UINT32_MAX;
  static constexpr std::uint32_t kLookAhead = 4;
  struct Slot {
    std::uint32_t hash = 0;
    std::uint32_t index = kEmpty;
  };
  void Build() {
    slots_.resize(std::bit_ceil(items_.Size() * 3 / 2 + 1));
    for (std::uint32_t i = 0; i < items_.Size(); ++i) {
      std::size_t hash = items_.HashOf(i);
      Slot& slot = Probe(hash, [&](std::uint32_t other) { return items_.SameKey(other, i); });
      if (slot.index == kEmpty) slot = {static_cast<std::uint32_t>(hash), i};
    }
  }
  template <class Same>
  Slot& Probe(std::size_t hash, Same same) {
    std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
      Slot& slot = slots_[i];
      if (slot.index == kEmpty || (slot.hash == static_cast<std::uint32_t>(hash) && same(slot.index))) return slot;
    }
  }

  const Items& items_;
  std::vector<Slot> slots_;
  std::uint32_t next_ = 0;
};

}  // namespace zolt
