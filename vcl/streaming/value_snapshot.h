// A component's published values as last read or written, packed into one buffer: a form
// of many thousands of components keeps one per component. Which value an entry holds follows
// from the component's class and its shape, so entries carry no path and no kind. Ordinals,
// most of the values, are words of their own, one after another, so that each costs a store
// and entries are compared word by word; every other value is an entry of bytes (its size,
// then them).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "vcl/streaming/form_values.h"

namespace vcl {

class TValueSnapshot {
public:
  TValueSnapshot() = default;

  // True when both were taken of the same shape (the same class, sub-objects of the same
  // classes, the same binary values); only then do their entries correspond one to one.
  bool SameShape(const TValueSnapshot& other) const { return shape_ == other.shape_; }
  // Same shape and same values: nothing changed between the two.
  bool operator==(const TValueSnapshot& other) const {
    return shape_ == other.shape_ && ordinals_ == other.ordinals_ && bytes_ == other.bytes_;
  }

  // Makes a snapshot value by value, without holding the values themselves. Its storage
  // serves one snapshot after another when it is Reset between them.
  class TBuilder {
  public:
    TBuilder() = default;
    // Its cursors point into its own storage.
    TBuilder(const TBuilder&) = delete;
    TBuilder& operator=(const TBuilder&) = delete;

    void Reset();
    // What decides which values follow (a class, an interned path), mixed into the shape.
    void Shape(const void* decision);
    void Ordinal(NativeInt value) {
      if (ordinal_ == ordinalsEnd_) MoreOrdinals();
      *ordinal_++ = static_cast<std::uint64_t>(value);
    }
    // A component reference: the component and the names it is written with, so that a
    // renamed target counts as a changed value.
    void Reference(NativeInt value);
    void Text(std::string_view value) {
      // Most texts are short (an event without a handler is empty): written in place while
      // there is room.
      const std::size_t size = value.size();
      if (size < 0x80 && static_cast<std::size_t>(end_ - at_) > size) {
        Start();
        *at_++ = static_cast<char>(size);
        if (size != 0) at_ = static_cast<char*>(std::memcpy(at_, value.data(), size)) + size;
        return;
      }
      LongText(value);
    }
    void Float(long double value);
    // A string list: its count, then each of its lines by Line, then EndLines.
    void BeginLines(std::size_t count);
    void Line(std::string_view line);
    void EndLines();
    // A collection: its items' values, item by item.
    void Collection(const TCollection& items);
    // The ordinal added last, and the other entry added last, to compare with a TReader's.
    std::string_view LastOrdinal() const {
      return ordinal_ == ordinals_.data() ? std::string_view() : OrdinalBytes().substr(OrdinalBytes().size() - 8);
    }
    std::string_view Last() const { return Written().substr(start_ == starts_.data() ? Used() : start_[-1]); }
    std::uint64_t ShapeKey() const { return shape_; }
    std::span<const std::uint64_t> Ordinals() const {
      return {ordinals_.data(), static_cast<std::size_t>(ordinal_ - ordinals_.data())};
    }
    // The other entries.
    std::string_view Written() const { return std::string_view(bytes_.data(), Used()); }
    // Where each of them starts in Written, in order.
    std::span<const std::uint32_t> Starts() const {
      return {starts_.data(), static_cast<std::size_t>(start_ - starts_.data())};
    }
    bool SameShape(const TValueSnapshot& snapshot) const { return shape_ == snapshot.shape_; }
    bool Holds(const TValueSnapshot& snapshot) const {
      return shape_ == snapshot.shape_ && OrdinalBytes() == snapshot.ordinals_ && Written() == snapshot.bytes_;
    }
    TValueSnapshot Finish() const;

  private:
    std::string_view OrdinalBytes() const {
      return {reinterpret_cast<const char*>(ordinals_.data()), Ordinals().size_bytes()};
    }
    std::size_t Used() const { return static_cast<std::size_t>(at_ - bytes_.data()); }
    void MoreOrdinals();
    // Room for `size` more bytes after the written ones; where they go.
    char* Room(std::size_t size);
    void Varint(std::uint64_t value);
    // Notes that an entry starts at the end of the written bytes, of which there are fewer
    // than room for (an entry takes a byte at least): starts_ has as much room as bytes_.
    void Start() { *start_++ = static_cast<std::uint32_t>(Used()); }
    void LongText(std::string_view value);
    // An entry of `size` bytes: its size written, room made for its bytes, which go where
    // the result points.
    char* Sized(std::size_t size);
    // An entry whose size is known only once written: BeginSized keeps one byte for its size.
    void BeginSized();
    void EndSized();
    std::uint64_t shape_ = 0;
    // The storage serves snapshot after snapshot; the cursors say how far this one came.
    std::vector<std::uint64_t> ordinals_;
    std::string bytes_;
    std::vector<std::uint32_t> starts_;
    std::uint64_t* ordinal_ = ordinals_.data();  // [ordinals_.data(), ordinal_) written
    std::uint64_t* ordinalsEnd_ = ordinal_;
    char* at_ = bytes_.data();  // [bytes_.data(), at_) written
    char* end_ = at_;           // bytes_.data() + bytes_.size()
    std::uint32_t* start_ = starts_.data();  // [starts_.data(), start_) noted
  };

  // Reads the entries in the order they were added, the ordinals and the others each in
  // their order; the caller knows each one's kind. Past the end it gives empty entries.
  class TReader {
  public:
    explicit TReader(const TValueSnapshot& snapshot) : ordinals_(snapshot.ordinals_), rest_(snapshot.bytes_) {}
    std::string_view Ordinal();
    std::string_view Sized();

  private:
    std::string_view ordinals_, rest_;
  };

private:
  friend class TSnapshotStore;
  std::uint64_t shape_ = 0;
  std::string ordinals_;  // eight bytes each, as the machine keeps a word
  std::string bytes_;     // per other value its size, then its bytes
};

// Packs the values CollectValues gives for `instance` into `builder` (reset first), without
// collecting them.
void PackValues(TObject* instance, TValueSnapshot::TBuilder& builder);
// The snapshot of those values; `builder` lends its storage.
TValueSnapshot SnapshotValues(TObject* instance, TValueSnapshot::TBuilder& builder);
TValueSnapshot SnapshotValues(TObject* instance);

// Compares the values of `instance` with `before`: puts those that changed into `changed`
// (cleared first; every value when the shape changed) and leaves the values as they are now
// in `now`. False when nothing changed.
bool ChangedValues(TObject* instance, const TValueSnapshot& before, TValueSnapshot::TBuilder& now,
                   std::vector<TStoredValue>& changed);

}  // namespace vcl
