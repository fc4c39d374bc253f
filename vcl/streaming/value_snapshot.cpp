#include "vcl/streaming/value_snapshot.h"

#include <cstdint>
#include <functional>
#include <limits>

namespace vcl {

namespace {

void AppendVarint(std::string& out, std::uint64_t value) {
  while (value >= 0x80) {
    out += static_cast<char>((value & 0x7F) | 0x80);
    value >>= 7;
  }
  out += static_cast<char>(value);
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

void AppendValue(std::string& out, const TPropValue& value) {
  out += static_cast<char>(value.index());
  std::visit(
      [&](const auto& v) {
        using V = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<V, NativeInt>) {
          AppendVarint(out, ZigZag(v));
        } else if constexpr (std::is_same_v<V, std::string>) {
          out += v;
        } else if constexpr (std::is_same_v<V, long double>) {
          out.append(reinterpret_cast<const char*>(&v), kFloatBytes);
        } else {
          AppendVarint(out, v.size());
          for (const std::string& line : v) {
            AppendVarint(out, line.size());
            out += line;
          }
        }
      },
      value);
}

}  // namespace

TValueSnapshot::TValueSnapshot(const std::vector<TStoredValue>& values) {
  std::string entry;
  for (const TStoredValue& value : values) {
    // Paths are interned for the program's life: their addresses identify them.
    paths_ = paths_ * 1099511628211u ^ std::hash<const void*>()(value.Path.data());
    entry.clear();
    AppendValue(entry, value.Value);
    AppendVarint(bytes_, entry.size());
    bytes_ += entry;
  }
  paths_ ^= values.size();
  bytes_.shrink_to_fit();
}

std::string_view TValueSnapshot::TCursor::Next() {
  if (rest_.empty()) return {};
  auto size = static_cast<std::size_t>(ReadVarint(rest_));
  std::string_view entry = rest_.substr(0, size);
  rest_.remove_prefix(entry.size());
  return entry;
}

}  // namespace vcl
