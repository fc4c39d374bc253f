#include "vcl/streaming/value_snapshot.h"

#include <cstdint>
#include <functional>
#include <limits>

#include "vcl/collections.h"

namespace vcl {

namespace {

void AppendVarint(std::string& out, std::uint64_t value) {
  char bytes[10];
  std::size_t size = 0;
  for (; value >= 0x80; value >>= 7) bytes[size++] = static_cast<char>((value & 0x7F) | 0x80);
  bytes[size++] = static_cast<char>(value);
  out.append(bytes, size);
}

std::uint64_t ReadVarint(std::string_view& in) {
  std::uint64_t value = 0;
  for (int shift = 0; !in.empty() && shift < 64; shift += 7) {
    auto byte = static_cast<unsigned char>(in.front());
    in.remove_prefix(1);
    value |= std::uint64_t{byte & 0x7Fu} << shift;
    if (byte < 0x80) break;
  }
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

TValueSnapshot::TValueSnapshot(const std::vector<TStoredValue>& values) {
  TBuilder builder;
  for (const TStoredValue& value : values) {
    std::visit(
        [&](const auto& v) {
          using V = std::decay_t<decltype(v)>;
          if constexpr (std::is_same_v<V, NativeInt>) {
            if (value.Prop && value.Prop->IsComponentReference())
              builder.Reference(value.Path, v);
            else if (value.Prop && value.Prop->Kind() == TTypeKind::tkClass)
              builder.Collection(value.Path, *static_cast<const TCollection*>(OrdToObject(v)));
            else
              builder.Ordinal(value.Path, v);
          } else if constexpr (std::is_same_v<V, std::string>) {
            builder.Text(value.Path, v);
          } else if constexpr (std::is_same_v<V, long double>) {
            builder.Float(value.Path, v);
          } else {
            builder.BeginLines(value.Path, v.size());
            for (const std::string& line : v) builder.Line(line);
            builder.EndLines();
          }
        },
        value.Value);
  }
  *this = builder.Finish();
}

// An entry: its size, then the kind of value (the index of its alternative in TPropValue;
// 4 for a collection) and its bytes. Written in place: one byte is kept for the size, which
// nearly always fits.
void TValueSnapshot::TBuilder::Begin(std::string_view path, std::size_t kind) {
  // Paths are interned for the program's life: their addresses identify them.
  paths_ = paths_ * 1099511628211u ^ std::hash<const void*>()(path.data());
  ++count_;
  if (bytes_.capacity() == 0) bytes_.reserve(256);  // a typical control's values at once
  entry_ = bytes_.size();
  const char head[2] = {0, static_cast<char>(kind)};
  bytes_.append(head, 2);
}

void TValueSnapshot::TBuilder::End() {
  std::size_t size = bytes_.size() - entry_ - 1;
  if (size < 0x80) {
    bytes_[entry_] = static_cast<char>(size);
    return;
  }
  std::string prefix;
  AppendVarint(prefix, size);
  bytes_.replace(entry_, 1, prefix);
}

void TValueSnapshot::TBuilder::Ordinal(std::string_view path, NativeInt value) {
  Begin(path, 0);
  AppendVarint(bytes_, ZigZag(value));
  End();
}

void TValueSnapshot::TBuilder::Reference(std::string_view path, NativeInt value) {
  Begin(path, 0);
  AppendVarint(bytes_, ZigZag(value));
  if (const auto* target = static_cast<const TComponent*>(OrdToObject(value))) {
    bytes_ += target->Name();
    if (target->Owner()) bytes_.append(1, '.').append(target->Owner()->Name());
  }
  End();
}

void TValueSnapshot::TBuilder::Text(std::string_view path, std::string_view value) {
  Begin(path, 1);
  bytes_ += value;
  End();
}

void TValueSnapshot::TBuilder::Float(std::string_view path, long double value) {
  Begin(path, 2);
  bytes_.append(reinterpret_cast<const char*>(&value), kFloatBytes);
  End();
}

void TValueSnapshot::TBuilder::BeginLines(std::string_view path, std::size_t count) {
  Begin(path, 3);
  AppendVarint(bytes_, count);
}

void TValueSnapshot::TBuilder::Line(std::string_view line) {
  AppendVarint(bytes_, line.size());
  bytes_ += line;
}

void TValueSnapshot::TBuilder::EndLines() { End(); }

void TValueSnapshot::TBuilder::Collection(std::string_view path, const TCollection& items) {
  // Each item's snapshot is made by a builder of its own, before this entry begins.
  std::string itemBytes;
  for (int i = 0; i < items.Count(); ++i) {
    TValueSnapshot item = SnapshotValues(items.Items(i));
    AppendVarint(itemBytes, item.paths_);
    AppendVarint(itemBytes, item.bytes_.size());
    itemBytes += item.bytes_;
  }
  Begin(path, 4);
  AppendVarint(bytes_, static_cast<std::size_t>(items.Count()));
  bytes_ += itemBytes;
  End();
}

TValueSnapshot TValueSnapshot::TBuilder::Finish() {
  TValueSnapshot snapshot;
  snapshot.paths_ = paths_ ^ count_;
  snapshot.bytes_ = bytes_;  // a copy takes just the room it needs
  return snapshot;
}

std::string_view TValueSnapshot::TCursor::Next() {
  if (rest_.empty()) return {};
  auto size = static_cast<std::size_t>(ReadVarint(rest_));
  std::string_view entry = rest_.substr(0, size);
  rest_.remove_prefix(entry.size());
  return entry;
}

}  // namespace vcl
