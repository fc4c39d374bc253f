#include "vcl/value_snapshot.h"

#include <cstdint>
#include <cstring>
#include <limits>

namespace vcl {

namespace {

template <class T>
void AppendRaw(std::string& out, const T& value, std::size_t size = sizeof(T)) {
  out.append(reinterpret_cast<const char*>(&value), size);
}

void AppendText(std::string& out, std::string_view text) {
  AppendRaw(out, static_cast<std::uint32_t>(text.size()));
  out += text;
}

// The bytes that hold an extended float's value; the rest of its storage is padding, which
// must not make two equal values look different.
constexpr std::size_t kFloatBytes = std::numeric_limits<long double>::digits == 64 ? 10 : sizeof(long double);

void AppendValue(std::string& out, const TStoredValue& value) {
  // Paths are interned for the program's life and one component always collects the same
  // ones: the address identifies the path.
  AppendRaw(out, reinterpret_cast<std::uintptr_t>(value.Path.data()));
  out += static_cast<char>(value.Value.index());
  std::visit(
      [&](const auto& v) {
        using V = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<V, NativeInt>) {
          AppendRaw(out, v);
        } else if constexpr (std::is_same_v<V, std::string>) {
          AppendText(out, v);
        } else if constexpr (std::is_same_v<V, long double>) {
          AppendRaw(out, v, kFloatBytes);
        } else {
          AppendRaw(out, static_cast<std::uint32_t>(v.size()));
          for (const std::string& line : v) AppendText(out, line);
        }
      },
      value.Value);
}

}  // namespace

TValueSnapshot::TValueSnapshot(const std::vector<TStoredValue>& values) {
  bytes_.reserve(values.size() * 32);
  for (const TStoredValue& value : values) {
    std::size_t sizeAt = bytes_.size();
    AppendRaw(bytes_, std::uint32_t{0});
    AppendValue(bytes_, value);
    auto size = static_cast<std::uint32_t>(bytes_.size() - sizeAt - sizeof(std::uint32_t));
    std::memcpy(bytes_.data() + sizeAt, &size, sizeof size);
  }
  bytes_.shrink_to_fit();
}

std::string_view TValueSnapshot::TCursor::Next() {
  if (rest_.empty()) return {};
  std::uint32_t size;
  std::memcpy(&size, rest_.data(), sizeof size);
  std::string_view entry = rest_.substr(sizeof size, size);
  rest_.remove_prefix(sizeof size + size);
  return entry;
}

}  // namespace vcl
