#include "vcl/streaming/value_snapshot.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "vcl/collections.h"
#include "vcl/streaming/varint.h"

namespace vcl {

namespace {

char* Put(char* at, std::string_view bytes) { return std::copy(bytes.begin(), bytes.end(), at); }

// The bytes that hold an extended float's value; the rest of its storage is padding, which
// must not make two equal values look different.
constexpr std::size_t kFloatBytes = std::numeric_limits<long double>::digits == 64 ? 10 : sizeof(long double);

}  // namespace

void TValueSnapshot::TBuilder::Reset() {
  shape_ = 0;
  ordinal_ = ordinals_.data();
  at_ = bytes_.data();
  start_ = starts_.data();
}

void TValueSnapshot::TBuilder::Shape(const void* decision) {
  shape_ = (shape_ ^ reinterpret_cast<std::uintptr_t>(decision)) * 0x100000001B3u + 1;
}

// Grown by doubling: the storage serves snapshot after snapshot, so it soon stops growing.
char* TValueSnapshot::TBuilder::Room(std::size_t size) {
  if (static_cast<std::size_t>(end_ - at_) >= size) return at_;
  const std::size_t used = Used(), entries = static_cast<std::size_t>(start_ - starts_.data());
  const std::size_t needed = used + size;
  if (needed > std::numeric_limits<std::uint32_t>::max()) throw std::length_error("A component's values take more than 4 GB");
  bytes_.resize(std::max(2 * bytes_.size(), needed + 256));
  starts_.resize(bytes_.size());
  at_ = bytes_.data() + used;
  end_ = bytes_.data() + bytes_.size();
  start_ = starts_.data() + entries;
  return at_;
}

void TValueSnapshot::TBuilder::MoreOrdinals() {
  const std::size_t used = Ordinals().size();
  ordinals_.resize(std::max<std::size_t>(2 * ordinals_.size(), 64));
  ordinal_ = ordinals_.data() + used;
  ordinalsEnd_ = ordinals_.data() + ordinals_.size();
}

void TValueSnapshot::TBuilder::Varint(std::uint64_t value) { at_ = PutVarint(Room(kMaxVarint), value); }

char* TValueSnapshot::TBuilder::Sized(std::size_t size) {
  char* room = Room(kMaxVarint + size);
  Start();
  char* at = PutVarint(room, size);
  at_ = at + size;
  return at;
}

// One byte is kept for the size, which nearly always fits; a longer one moves the entry up.
void TValueSnapshot::TBuilder::BeginSized() {
  *Room(1) = 0;
  Start();
  ++at_;
}

void TValueSnapshot::TBuilder::EndSized() {
  const std::size_t entry = start_[-1];
  const std::size_t size = Used() - entry - 1;
  if (size < 0x80) {
    bytes_[entry] = static_cast<char>(size);
    return;
  }
  const std::size_t extra = VarintSize(size) - 1;
  Room(extra);
  char* start = bytes_.data() + entry;
  std::memmove(start + 1 + extra, start + 1, size);
  PutVarint(start, size);
  at_ += extra;
}

void TValueSnapshot::TBuilder::Reference(NativeInt value) {
  const std::uint64_t packed = ZigZag(static_cast<std::uint64_t>(value));
  std::string_view name, owner;
  const auto* target = static_cast<const TComponent*>(OrdToObject(value));
  if (target) {
    name = target->Name();
    if (target->Owner()) owner = target->Owner()->Name();
  }
  const bool owned = target && target->Owner();
  char* at = Sized(VarintSize(packed) + name.size() + (owned ? 1 + owner.size() : 0));
  at = Put(PutVarint(at, packed), name);
  if (owned) Put(Put(at, "."), owner);
}

void TValueSnapshot::TBuilder::LongText(std::string_view value) { Put(Sized(value.size()), value); }

void TValueSnapshot::TBuilder::Float(long double value) {
  std::memcpy(Sized(kFloatBytes), &value, kFloatBytes);
}

void TValueSnapshot::TBuilder::BeginLines(std::size_t count) {
  BeginSized();
  Varint(count);
}

void TValueSnapshot::TBuilder::Line(std::string_view line) {
  at_ = Put(PutVarint(Room(kMaxVarint + line.size()), line.size()), line);
}

void TValueSnapshot::TBuilder::EndLines() { EndSized(); }

void TValueSnapshot::TBuilder::Collection(const TCollection& items) {
  // Each item's snapshot is made by a builder of its own, before this entry begins.
  std::string itemBytes;
  TBuilder itemBuilder;
  for (int i = 0; i < items.Count(); ++i) {
    TValueSnapshot item = SnapshotValues(items.Items(i), itemBuilder);
    AppendVarint(itemBytes, item.shape_);
    AppendVarint(itemBytes, item.ordinals_.size());
    itemBytes += item.ordinals_;
    AppendVarint(itemBytes, item.bytes_.size());
    itemBytes += item.bytes_;
  }
  BeginSized();
  Varint(static_cast<std::size_t>(items.Count()));
  at_ = Put(Room(itemBytes.size()), itemBytes);
  EndSized();
}

TValueSnapshot TValueSnapshot::TBuilder::Finish() const {
  TValueSnapshot snapshot;
  snapshot.shape_ = shape_;
  snapshot.ordinals_ = OrdinalBytes();  // just the room they need
  snapshot.bytes_ = Written();
  return snapshot;
}

std::string_view TValueSnapshot::TReader::Ordinal() {
  std::string_view word = ordinals_.substr(0, std::min<std::size_t>(8, ordinals_.size()));
  ordinals_.remove_prefix(word.size());
  return word;
}

std::string_view TValueSnapshot::TReader::Sized() {
  std::string_view whole = rest_;
  std::string_view size = TakeVarint(rest_);
  std::size_t length = std::min<std::uint64_t>(VarintValue(size), rest_.size());
  rest_.remove_prefix(length);
  return whole.substr(0, size.size() + length);
}

}  // namespace vcl
