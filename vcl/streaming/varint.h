// Unsigned integers in seven-bit groups, low first, the high bit telling that more follow:
// small values, the most common, take one byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vcl {

inline constexpr std::size_t kMaxVarint = 10;

// Writes `value` at `at`, which has room for kMaxVarint bytes; the end of it.
inline char* PutVarint(char* at, std::uint64_t value) {
  for (; value >= 0x80; value >>= 7) *at++ = static_cast<char>((value & 0x7F) | 0x80);
  *at++ = static_cast<char>(value);
  return at;
}

// Signed values as unsigned ones where small magnitudes of either sign stay small.
inline std::uint64_t ZigZag(std::uint64_t bits) { return (bits << 1) ^ (static_cast<std::int64_t>(bits) < 0 ? ~std::uint64_t{0} : 0); }
inline std::uint64_t UnZigZag(std::uint64_t packed) { return (packed >> 1) ^ (~(packed & 1) + 1); }

inline std::size_t VarintSize(std::uint64_t value) {
  std::size_t size = 1;
  for (; value >= 0x80; value >>= 7) ++size;
  return size;
}

inline void AppendVarint(std::string& out, std::uint64_t value) {
  char bytes[kMaxVarint];
  out.append(bytes, static_cast<std::size_t>(PutVarint(bytes, value) - bytes));
}

// The bytes of the varint at the start of `in`, taken off it (what there is of it when cut short).
inline std::string_view TakeVarint(std::string_view& in) {
  std::size_t size = 0;
  while (size < in.size() && static_cast<unsigned char>(in[size]) >= 0x80) ++size;
  std::string_view bytes = in.substr(0, size + 1);
  in.remove_prefix(bytes.size());
  return bytes;
}

inline std::uint64_t VarintValue(std::string_view bytes) {
  std::uint64_t value = 0;
  for (std::size_t i = 0; i < bytes.size() && i < kMaxVarint; ++i)
    value |= std::uint64_t{static_cast<unsigned char>(bytes[i]) & 0x7Fu} << (7 * i);
  return value;
}

}  // namespace vcl
