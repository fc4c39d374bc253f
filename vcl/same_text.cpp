// Equality and hashing of texts ignoring the case of ASCII letters, a word at a time: name
// and property look-ups run them for every component a form holds.
#include <cstdint>
#include <cstring>

#include "vcl/sysutils.h"

namespace vcl {

namespace {
constexpr std::uint64_t kEachByte = 0x0101010101010101ull;

std::uint64_t Load64(const char* p) {
  std::uint64_t word;
  std::memcpy(&word, p, 8);
  return word;
}
std::uint64_t Load32(const char* p) {
  std::uint32_t word;
  std::memcpy(&word, p, 4);
  return word;
}

// A text shorter than eight bytes as one word holding all its bytes (two halves that may
// overlap, or the first, middle and last byte): the same word for the same bytes of a size.
std::uint64_t ShortWord(std::string_view s) {
  const char* p = s.data();
  std::size_t n = s.size();
  if (n >= 4) return Load32(p) | Load32(p + n - 4) << 32;
  if (n == 0) return 0;
  auto byte = [p](std::size_t i) { return std::uint64_t{static_cast<unsigned char>(p[i])}; };
  return byte(0) | byte(n / 2) << 8 | byte(n - 1) << 16;
}

// The word with its ASCII capitals made small, all eight bytes at once: a byte's top bit is
// set by adding when it is at least 'A', and by another addition when it is past 'Z'.
std::uint64_t FoldCase(std::uint64_t word) {
  std::uint64_t low = word & (0x7F * kEachByte);
  std::uint64_t fromA = low + (0x80 - 'A') * kEachByte;
  std::uint64_t pastZ = low + (0x80 - 'Z' - 1) * kEachByte;
  std::uint64_t capitals = fromA & ~pastZ & ~word & (0x80 * kEachByte);
  return word | (capitals >> 2);
}

}  // namespace

// Both read a text a word at a time: texts shorter than eight bytes as one word, longer ones
// as whole words from the start and then their last eight bytes, which overlap the word
// before unless the size is a multiple of eight.

std::size_t HashText(std::string_view s) {
  // Each word mixed in by a multiplication; a final mix spreads every bit over the low ones,
  // which pick the bucket.
  std::uint64_t h = s.size() * 0x9E3779B97F4A7C15ull;
  auto mix = [&h](std::uint64_t word) {
    h = (h ^ FoldCase(word)) * 0xFF51AFD7ED558CCDull;
    h ^= h >> 32;
  };
  if (s.size() < 8) {
    mix(ShortWord(s));
  } else {
    for (std::size_t at = 0; at + 8 < s.size(); at += 8) mix(Load64(s.data() + at));
    mix(Load64(s.data() + s.size() - 8));
  }
  h *= 0xC4CEB9FE1A85EC53ull;
  return static_cast<std::size_t>(h ^ (h >> 29));
}

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  if (a.size() < 8) return FoldCase(ShortWord(a)) == FoldCase(ShortWord(b));
  auto same = [&](std::size_t at) { return FoldCase(Load64(a.data() + at)) == FoldCase(Load64(b.data() + at)); };
  for (std::size_t at = 0; at + 8 < a.size(); at += 8)
    if (!same(at)) return false;
  return same(a.size() - 8);
}

}  // namespace vcl
