#include "vcl/sysutils.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

namespace vcl {

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }
char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

// ---- Unicode case mapping

enum class Way : unsigned char { Both, ToLower, ToUpper };

// A run of case pairs: the upper-case code points first..last (every `step`-th one)
// whose lower-case partners lie `delta` further on. Some runs hold one way only
// (the final sigma upper-cases to sigma, but sigma lower-cases to the ordinary one).
struct CaseRun {
  char32_t first, last;
  int delta;
  unsigned step;
  Way way;
};

constexpr Way B = Way::Both, L = Way::ToLower, U = Way::ToUpper;

constexpr CaseRun kCaseRuns[] = {
    // Latin-1 Supplement
    {0x00C0, 0x00D6, 32, 1, B},
    {0x00D8, 0x00DE, 32, 1, B},
    {0x0178, 0x0178, 0x00FF - 0x0178, 1, B},  // Ÿ ÿ
    {0x039C, 0x039C, 0x00B5 - 0x039C, 1, U},  // micro sign
    // Latin Extended-A
    {0x0100, 0x012E, 1, 2, B},
    {0x0130, 0x0130, 'i' - 0x0130, 1, L},  // dotted capital I
    {'I', 'I', 0x0131 - 'I', 1, U},        // dotless small i
    {0x0132, 0x0136, 1, 2, B},
    {0x0139, 0x0147, 1, 2, B},
    {0x014A, 0x0176, 1, 2, B},
    {0x0179, 0x017D, 1, 2, B},
    {'S', 'S', 0x017F - 'S', 1, U},  // long s
    // Latin Extended-B, the regular pairs
    {0x01CD, 0x01DB, 1, 2, B},
    {0x01DE, 0x01EE, 1, 2, B},
    {0x01F4, 0x01F4, 1, 1, B},
    {0x01F8, 0x021E, 1, 2, B},
    {0x0222, 0x0232, 1, 2, B},
    // Greek
    {0x0370, 0x0372, 1, 2, B},
    {0x0376, 0x0376, 1, 1, B},
    {0x037F, 0x037F, 0x03F3 - 0x037F, 1, B},
    {0x0386, 0x0386, 0x03AC - 0x0386, 1, B},
    {0x0388, 0x038A, 0x03AD - 0x0388, 1, B},
    {0x038C, 0x038C, 0x03CC - 0x038C, 1, B},
    {0x038E, 0x038F, 0x03CD - 0x038E, 1, B},
    {0x0391, 0x03A1, 32, 1, B},
    {0x03A3, 0x03AB, 32, 1, B},
    {0x03A3, 0x03A3, 0x03C2 - 0x03A3, 1, U},  // final sigma
    {0x03CF, 0x03CF, 0x03D7 - 0x03CF, 1, B},
    {0x0392, 0x0392, 0x03D0 - 0x0392, 1, U},  // symbol variants of beta, theta, phi, pi
    {0x0398, 0x0398, 0x03D1 - 0x0398, 1, U},
    {0x03A6, 0x03A6, 0x03D5 - 0x03A6, 1, U},
    {0x03A0, 0x03A0, 0x03D6 - 0x03A0, 1, U},
    {0x03D8, 0x03EE, 1, 2, B},
    {0x039A, 0x039A, 0x03F0 - 0x039A, 1, U},  // kappa, rho and epsilon symbols
    {0x03A1, 0x03A1, 0x03F1 - 0x03A1, 1, U},
    {0x0395, 0x0395, 0x03F5 - 0x0395, 1, U},
    {0x03F4, 0x03F4, 0x03B8 - 0x03F4, 1, L},  // capital theta symbol
    {0x03F7, 0x03F7, 1, 1, B},
    {0x03F9, 0x03F9, 0x03F2 - 0x03F9, 1, B},
    {0x03FA, 0x03FA, 1, 1, B},
    {0x03FD, 0x03FF, 0x037B - 0x03FD, 1, B},
    // Cyrillic and Cyrillic Supplement
    {0x0400, 0x040F, 80, 1, B},
    {0x0410, 0x042F, 32, 1, B},
    {0x0460, 0x0480, 1, 2, B},
    {0x048A, 0x04BE, 1, 2, B},
    {0x04C0, 0x04C0, 0x04CF - 0x04C0, 1, B},
    {0x04C1, 0x04CD, 1, 2, B},
    {0x04D0, 0x052E, 1, 2, B},
    // Latin Extended Additional
    {0x1E00, 0x1E94, 1, 2, B},
    {0x1E9E, 0x1E9E, 0x00DF - 0x1E9E, 1, L},  // capital sharp s
    {0x1EA0, 0x1EFE, 1, 2, B},
};

bool InRun(char32_t c, char32_t first, char32_t last, unsigned step) {
  return c >= first && c <= last && (c - first) % step == 0;
}

char32_t MapCase(char32_t c, bool toUpper) {
  for (const CaseRun& r : kCaseRuns) {
    if (toUpper) {
      if (r.way == Way::ToLower) continue;
      char32_t first = r.first + r.delta, last = r.last + r.delta;
      if (InRun(c, first, last, r.step)) return c - r.delta;
    } else {
      if (r.way == Way::ToUpper) continue;
      if (InRun(c, r.first, r.last, r.step)) return c + r.delta;
    }
  }
  return c;
}

// Decodes the well-formed UTF-8 sequence at s[i]; returns its length, 0 when malformed.
std::size_t DecodeUtf8(std::string_view s, std::size_t i, char32_t& cp) {
  auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  unsigned char b0 = byte(i);
  std::size_t len;
  char32_t min;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    len = 2, cp = b0 & 0x1F, min = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    len = 3, cp = b0 & 0x0F, min = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    len = 4, cp = b0 & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (i + len > s.size()) return 0;
  for (std::size_t k = 1; k < len; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (byte(i + k) & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return len;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::string MapUtf8Case(std::string_view s, bool toUpper) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    char c = s[i];
    if (static_cast<unsigned char>(c) < 0x80) {
      out += toUpper ? AsciiUpper(c) : AsciiLower(c);
      ++i;
      continue;
    }
    char32_t cp;
    std::size_t len = DecodeUtf8(s, i, cp);
    if (len == 0) {
      out += c;  // not UTF-8: kept as it is
      ++i;
    } else {
      AppendUtf8(out, MapCase(cp, toUpper));
      i += len;
    }
  }
  return out;
}

// ---- Integer conversion

[[noreturn]] void InvalidInteger(std::string_view s) {
  throw EConvertError("'" + std::string(s) + "' is not a valid integer value");
}

// Parses `s` as a signed integer of `bits` bits. Decimal numbers must lie in the signed
// range; hexadecimal ones give a bit pattern of at most `bits` bits ($FFFFFFFF is -1
// for 32 bits).
std::int64_t ParseInteger(std::string_view s, int bits) {
  // Blanks may lead, as the host's Val allows; nothing may follow the digits.
  const std::string trimmed = TrimLeft(s);
  std::string_view t = trimmed;
  bool negative = false;
  if (!t.empty() && (t.front() == '+' || t.front() == '-')) {
    negative = t.front() == '-';
    t.remove_prefix(1);
  }
  bool hex = false;
  if (!t.empty() && t.front() == '$') {
    hex = true;
    t.remove_prefix(1);
  } else if (t.size() >= 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) {
    hex = true;
    t.remove_prefix(2);
  }
  if (t.empty()) InvalidInteger(s);

  const std::uint64_t limit = hex ? (bits == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << bits) - 1)
                                  : (std::uint64_t{1} << (bits - 1)) - (negative ? 0 : 1);
  const unsigned base = hex ? 16 : 10;
  std::uint64_t value = 0;
  for (char c : t) {
    unsigned digit;
    if (c >= '0' && c <= '9')
      digit = static_cast<unsigned>(c - '0');
    else if (hex && c >= 'a' && c <= 'f')
      digit = static_cast<unsigned>(c - 'a' + 10);
    else if (hex && c >= 'A' && c <= 'F')
      digit = static_cast<unsigned>(c - 'A' + 10);
    else
      InvalidInteger(s);
    if (value > (limit - digit) / base) InvalidInteger(s);
    value = value * base + digit;
  }
  if (negative) value = ~value + 1;  // two's complement, wrapping
  if (bits < 64) {
    // Sign-extend the low `bits` bits.
    const std::uint64_t sign = std::uint64_t{1} << (bits - 1);
    value &= (sign << 1) - 1;
    value = (value ^ sign) - sign;
  }
  return static_cast<std::int64_t>(value);
}

}  // namespace

// ---- Comparison and case

int CompareText(std::string_view a, std::string_view b) {
  std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    auto x = static_cast<unsigned char>(AsciiUpper(a[i]));
    auto y = static_cast<unsigned char>(AsciiUpper(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}


int CompareStr(std::string_view a, std::string_view b) {
  int c = a.compare(b);
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

std::string UpperCase(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(), AsciiUpper);
  return out;
}

std::string LowerCase(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(), AsciiLower);
  return out;
}

std::u32string Utf8ToChars(std::string_view s) {
  std::u32string chars;
  for (std::size_t i = 0; i < s.size();) {
    char32_t cp;
    std::size_t len = DecodeUtf8(s, i, cp);
    chars += len ? cp : static_cast<unsigned char>(s[i]);
    i += len ? len : 1;
  }
  return chars;
}

std::string CharsToUtf8(std::u32string_view chars) {
  std::string out;
  for (char32_t c : chars) AppendUtf8(out, c);
  return out;
}

std::string AnsiUpperCase(std::string_view s) { return MapUtf8Case(s, true); }
std::string AnsiLowerCase(std::string_view s) { return MapUtf8Case(s, false); }

int AnsiCompareText(std::string_view a, std::string_view b) {
  // Byte order of UTF-8 is code point order; fold to upper case as CompareText does.
  return CompareStr(AnsiUpperCase(a), AnsiUpperCase(b));
}

// ---- Trimming

std::string Trim(std::string_view s) { return TrimRight(TrimLeft(s)); }

std::string TrimLeft(std::string_view s) {
  auto it = std::find_if_not(s.begin(), s.end(), IsBlank);
  return std::string(it, s.end());
}

std::string TrimRight(std::string_view s) {
  auto it = std::find_if_not(s.rbegin(), s.rend(), IsBlank);
  return std::string(s.begin(), it.base());
}

// ---- Integers

std::string IntToStr(std::int64_t value) { return std::to_string(value); }

std::string IntToHex(std::int64_t value, int digits) {
  static constexpr char kHexDigits[] = "0123456789ABCDEF";
  auto bits = static_cast<std::uint64_t>(value);
  std::string out;
  do {
    out += kHexDigits[bits & 0xF];
    bits >>= 4;
  } while (bits != 0);
  if (static_cast<int>(out.size()) < digits) out.append(static_cast<std::size_t>(digits) - out.size(), '0');
  std::reverse(out.begin(), out.end());
  return out;
}

int StrToInt(std::string_view s) { return static_cast<int>(ParseInteger(s, 32)); }

std::int64_t StrToInt64(std::string_view s) { return ParseInteger(s, 64); }

int StrToIntDef(std::string_view s, int fallback) {
  try {
    return StrToInt(s);
  } catch (const EConvertError&) {
    return fallback;
  }
}

// ---- Identifiers

namespace {
// Per byte: 1 for what may start an identifier (letters, '_' and the bytes of multi-byte
// UTF-8 characters), 2 for a digit, which may only follow; every component's name is checked.
constexpr std::array<std::uint8_t, 256> kIdentBytes = [] {
  std::array<std::uint8_t, 256> bytes{};
  for (int c = 0; c < 256; ++c)
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80)
      bytes[static_cast<std::size_t>(c)] = 1;
    else if (c >= '0' && c <= '9')
      bytes[static_cast<std::size_t>(c)] = 2;
  return bytes;
}();
}  // namespace

bool IsValidIdent(std::string_view s) {
  auto kind = [](char c) { return kIdentBytes[static_cast<unsigned char>(c)]; };
  if (s.empty() || kind(s.front()) != 1) return false;
  return std::all_of(s.begin() + 1, s.end(), [&](char c) { return kind(c) != 0; });
}

}  // namespace vcl
