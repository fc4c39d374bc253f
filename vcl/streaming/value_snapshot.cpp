#include "vcl/streaming/value_snapshot.h"

#include <algorithm>
#include <limits>

#include "vcl/collections.h"

namespace vcl {

namespace {

void AppendVarint(std::string& out, std::uint64_t value) {
  if (value < 0x80) return out.push_back(static_cast<char>(value));  // most values
  char bytes[10];
  std::size_t size = 0;
  for (; value >= 0x80; value >>= 7) bytes[size++] = static_cast<char>((value & 0x7F) | 0x80);
  bytes[size++] = static_cast<char>(value);
  out.append(bytes, size);
}

// The bytes of the varint at the start of `in`, taken off it.
std::string_view TakeVarint(std::string_view& in) {
  std::size_t size = 0;
  while (size < in.size() && static_cast<unsigned char>(in[size]) >= 0x80) ++size;
  std::string_view bytes = in.substr(0, size + 1);
  in.remove_prefix(bytes.size());
  return bytes;
}

std::uint64_t VarintValue(std::string_view bytes) {
  std::uint64_t value = 0;
  for (std::size_t i = 0; i < bytes.size() && i < 10; ++i)
    value |= std::uint64_t{static_cast<unsigned char>(bytes[i]) & 0x7Fu} << (7 * i);
  return value;
}

// Small magnitudes of either sign take one byte.
std::uint64_t ZigZag(NativeInt value) {
  auto bits = static_cast<std::uint64_t>(value);
  return (bits << 1) ^ (value < 0 ? ~std::uint64_t{0} : 0);
}

// The bytes that hold an extended float's value; the rest of its storage is padding, which
// must not make two equal values look different.
constexpr std::size_t kFloatBytes = std::numeric_limits<long double>::digits == 64 ? 10 : sizeof(long double);

}  // namespace

void TValueSnapshot::TBuilder::Reset() {
  shape_ = 0;
  bytes_.clear();
  entry_ = 0;
}

void TValueSnapshot::TBuilder::Shape(const void* decision) {
  shape_ = (shape_ ^ reinterpret_cast<std::uintptr_t>(decision)) * 0x100000001B3u + 1;
}

void TValueSnapshot::TBuilder::Ordinal(NativeInt value) {
  entry_ = bytes_.size();
  AppendVarint(bytes_, ZigZag(value));
}

// A sized entry is written in place: one byte is kept for its size, which nearly always fits.
void TValueSnapshot::TBuilder::BeginSized() {
  entry_ = bytes_.size();
  bytes_.push_back(0);
}

void TValueSnapshot::TBuilder::EndSized() {
  std::size_t size = bytes_.size() - entry_ - 1;
  if (size < 0x80) {
    bytes_[entry_] = static_cast<char>(size);
    return;
  }
  std::string prefix;
  AppendVarint(prefix, size);
  bytes_.replace(entry_, 1, prefix);
}

void TValueSnapshot::TBuilder::Reference(NativeInt value) {
  BeginSized();
  AppendVarint(bytes_, ZigZag(value));
  if (const auto* target = static_cast<const TComponent*>(OrdToObject(value))) {
    bytes_ += target->Name();
    if (target->Owner()) bytes_.append(1, '.').append(target->Owner()->Name());
  }
  EndSized();
}

void TValueSnapshot::TBuilder::Text(std::string_view value) {
  BeginSized();
  bytes_ += value;
  EndSized();
}

void TValueSnapshot::TBuilder::Float(long double value) {
  BeginSized();
  bytes_.append(reinterpret_cast<const char*>(&value), kFloatBytes);
  EndSized();
}

void TValueSnapshot::TBuilder::BeginLines(std::size_t count) {
  BeginSized();
  AppendVarint(bytes_, count);
}

void TValueSnapshot::TBuilder::Line(std::string_view line) {
  AppendVarint(bytes_, line.size());
  bytes_ += line;
}

void TValueSnapshot::TBuilder::EndLines() { EndSized(); }

void TValueSnapshot::TBuilder::Collection(const TCollection& items) {
  // Each item's snapshot is made by a builder of its own, before this entry begins.
  std::string itemBytes;
  TBuilder itemBuilder;
  for (int i = 0; i < items.Count(); ++i) {
    TValueSnapshot item = SnapshotValues(items.Items(i), itemBuilder);
    AppendVarint(itemBytes, item.shape_);
    AppendVarint(itemBytes, item.bytes_.size());
    itemBytes += item.bytes_;
  }
  BeginSized();
  AppendVarint(bytes_, static_cast<std::size_t>(items.Count()));
  bytes_ += itemBytes;
  EndSized();
}

TValueSnapshot TValueSnapshot::TBuilder::Finish() const {
  TValueSnapshot snapshot;
  snapshot.shape_ = shape_;
  snapshot.bytes_ = bytes_;  // a copy takes just the room it needs
  return snapshot;
}

std::string_view TValueSnapshot::TReader::Ordinal() { return TakeVarint(rest_); }

std::string_view TValueSnapshot::TReader::Sized() {
  std::string_view whole = rest_;
  std::string_view size = TakeVarint(rest_);
  std::size_t length = std::min<std::uint64_t>(VarintValue(size), rest_.size());
  rest_.remove_prefix(length);
  return whole.substr(0, size.size() + length);
}

}  // namespace vcl
