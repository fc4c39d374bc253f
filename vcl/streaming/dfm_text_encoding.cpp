// Text encodings of form files and the decoders of value text the reader has checked.
#include <algorithm>
#include <charconv>

#include "vcl/streaming/dfm_text_internal.h"
#include "vcl/sysutils.h"

namespace vcl::dfm::detail {

namespace {

// Characters 128 to 255 of the 8-bit code pages. Bytes a code page leaves undefined map to the
// control character of the same number, as Windows converts them.
constexpr char16_t kWindows1250[128] = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x0160, 0x2039,
    0x015A, 0x0164, 0x017D, 0x0179, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141,
    0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB,
    0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

constexpr char16_t kWindows1251[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039,
    0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408,
    0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB,
    0x0458, 0x0405, 0x0455, 0x0457, 0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423,
    0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B,
    0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

constexpr char16_t kWindows1252[128] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039,
    0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, 0x00A0, 0x00A1, 0x00A2, 0x00A3,
    0x00A4, 0x00A5, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x00B9, 0x00BA, 0x00BB,
    0x00BC, 0x00BD, 0x00BE, 0x00BF, 0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7,
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF, 0x00D0, 0x00D1, 0x00D2, 0x00D3,
    0x00D4, 0x00D5, 0x00D6, 0x00D7, 0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF,
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7, 0x00E8, 0x00E9, 0x00EA, 0x00EB,
    0x00EC, 0x00ED, 0x00EE, 0x00EF, 0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7,
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF,
};

const char16_t* upper_half(CodePage page) {
  switch (page) {
    case CodePage::Windows1250:
      return kWindows1250;
    case CodePage::Windows1251:
      return kWindows1251;
    case CodePage::Windows1252:
      break;
  }
  return kWindows1252;
}

bool is_high_surrogate(char32_t c) { return c >= 0xD800 && c < 0xDC00; }
bool is_low_surrogate(char32_t c) { return c >= 0xDC00 && c < 0xE000; }

// Length of the valid UTF-8 sequence at `p` (at most `left` bytes), or 0 when invalid.
std::size_t utf8_sequence(const unsigned char* p, std::size_t left, char32_t& code_point) {
  unsigned char lead = p[0];
  std::size_t length;
  char32_t min;
  if (lead < 0x80) {
    code_point = lead;
    return 1;
  } else if (lead >= 0xC2 && lead < 0xE0) {
    length = 2, min = 0x80, code_point = lead & 0x1F;
  } else if (lead >= 0xE0 && lead < 0xF0) {
    length = 3, min = 0x800, code_point = lead & 0x0F;
  } else if (lead >= 0xF0 && lead < 0xF5) {
    length = 4, min = 0x10000, code_point = lead & 0x07;
  } else {
    return 0;
  }
  if (left < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((p[i] & 0xC0) != 0x80) return 0;
    code_point = (code_point << 6) | (p[i] & 0x3F);
  }
  if (code_point < min || code_point > 0x10FFFF || (code_point >= 0xD800 && code_point < 0xE000))
    return 0;
  return length;
}

}  // namespace

void append_utf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

bool is_valid_utf8(std::string_view text) {
  constexpr std::ptrdiff_t kBlock = 64;
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const auto* end = p + text.size();
  while (p < end) {
    const unsigned char* block_end = end - p >= kBlock ? p + kBlock : end;
    if (block_end - p == kBlock) {  // skip ASCII a block at a time (the loop vectorises)
      unsigned char high = 0;
      for (std::ptrdiff_t i = 0; i < kBlock; ++i) high |= p[i];
      if (high < 0x80) {
        p = block_end;
        continue;
      }
    }
    while (p < block_end) {
      char32_t ignored;
      std::size_t length = utf8_sequence(p, static_cast<std::size_t>(end - p), ignored);
      if (length == 0) return false;
      p += length;
    }
  }
  return true;
}

std::u32string utf8_to_code_points(std::string_view utf8) {
  std::u32string result;
  const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t c;
    std::size_t length = utf8_sequence(p + i, utf8.size() - i, c);
    if (length == 0) throw EConvertError("Text is not valid UTF-8");
    result += c;
    i += length;
  }
  return result;
}

char32_t code_page_char(CodePage page, unsigned char byte) {
  return byte < 0x80 ? byte : upper_half(page)[byte - 0x80];
}

int code_page_byte(CodePage page, char32_t code_point) {
  if (code_point < 0x80) return static_cast<int>(code_point);
  const char16_t* table = upper_half(page);
  for (int i = 0; i < 128; ++i)
    if (table[i] == code_point) return 0x80 + i;
  return -1;
}

// #n codes are UTF-16 code units (pairs of surrogates join; a lone one becomes U+FFFD); raw bytes
// above 127 are UTF-8 or the code page's, as the file's flavour says.
std::string decode_string(std::string_view text, const Flavour& flavour) {
  // Most strings are one quoted piece without quotes inside: their text is the bytes inside,
  // unless bytes above 127 stand for a code page's characters.
  if (text.size() >= 2 && text.front() == '\'' && text.back() == '\'') {
    std::string_view inner = text.substr(1, text.size() - 2);
    auto above127 = [](char c) { return static_cast<unsigned char>(c) >= 0x80; };
    if (inner.find('\'') == std::string_view::npos &&
        (flavour.utf8 || std::none_of(inner.begin(), inner.end(), above127)))
      return std::string(inner);
  }
  std::string out;
  out.reserve(text.size());
  char32_t high = 0;
  auto flush_high = [&] {
    if (high != 0) append_utf8(out, 0xFFFD);
    high = 0;
  };
  std::size_t i = 0;
  while (i < text.size()) {
    char c = text[i];
    if (c == '\'') {
      flush_high();
      ++i;
      while (i < text.size()) {
        char d = text[i++];
        if (d == '\'') {
          if (i == text.size() || text[i] != '\'') break;
          ++i;
        }
        auto byte = static_cast<unsigned char>(d);
        if (byte < 0x80 || flavour.utf8)
          out += d;
        else
          append_utf8(out, code_page_char(flavour.code_page, byte));
      }
    } else if (c == '#') {
      char32_t code = 0;
      while (++i < text.size() && is_digit(text[i]))
        code = code * 10 + static_cast<char32_t>(text[i] - '0');
      if (is_high_surrogate(code)) {
        flush_high();
        high = code;
      } else if (is_low_surrogate(code)) {
        append_utf8(out, high != 0 ? 0x10000 + ((high - 0xD800) << 10) + (code - 0xDC00) : 0xFFFD);
        high = 0;
      } else {
        flush_high();
        append_utf8(out, code);
      }
    } else {
      ++i;  // "+" and blanks between parts
    }
  }
  flush_high();
  return out;
}

std::optional<std::string> string_bytes(std::string_view text, const Flavour& flavour) {
  std::string bytes;
  bool high = false;
  std::size_t i = 0;
  while (i < text.size()) {
    char c = text[i];
    if (c == '\'') {
      ++i;
      while (i < text.size()) {
        char d = text[i++];
        if (d == '\'') {
          if (i == text.size() || text[i] != '\'') break;
          ++i;
        }
        if (static_cast<unsigned char>(d) >= 0x80) {
          if (flavour.utf8) return std::nullopt;
          high = true;
        }
        bytes += d;
      }
    } else if (c == '#') {
      unsigned code = 0;
      while (++i < text.size() && is_digit(text[i]) && code < 256) code = code * 10 + static_cast<unsigned>(text[i] - '0');
      if (code > 255) return std::nullopt;
      high = high || code >= 0x80;
      bytes += static_cast<char>(code);
    } else {
      ++i;
    }
  }
  if (!high) return std::nullopt;
  return bytes;
}

std::string decode_binary(std::string_view text) {
  std::string bytes;
  bytes.reserve(text.size() / 2);
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    unsigned high = hex_value(text[i]);
    if (high < 16) {
      bytes += static_cast<char>(high << 4 | hex_value(text[i + 1]));
      ++i;
    }
  }
  return bytes;
}

std::int64_t decode_integer(std::string_view text) {
  if (!text.empty() && text[0] == '$') {
    std::uint64_t value = 0;
    for (char c : text.substr(1)) value = value << 4 | hex_value(c);
    return static_cast<std::int64_t>(value);
  }
  // The reader let through only "-" and digits within the range.
  const bool negative = !text.empty() && text[0] == '-';
  std::uint64_t value = 0;
  for (char c : text.substr(negative ? 1 : 0)) value = value * 10 + static_cast<unsigned>(c - '0');
  return static_cast<std::int64_t>(negative ? 0 - value : value);
}

Float decode_float(std::string_view text) {
  Float result;
  switch (text.empty() ? 0 : text.back() | 0x20) {
    case 's':
      result.suffix = FloatSuffix::Single;
      break;
    case 'c':
      result.suffix = FloatSuffix::Currency;
      break;
    case 'd':
      result.suffix = FloatSuffix::Date;
      break;
  }
  if (result.suffix != FloatSuffix::None) text.remove_suffix(1);
  std::from_chars(text.data(), text.data() + text.size(), result.value);
  if (result.suffix == FloatSuffix::Currency) result.value /= 10000;
  return result;
}

std::vector<std::string_view> decode_set(std::string_view text) {
  std::vector<std::string_view> elements;
  std::size_t i = 1;  // after "["
  while (i < text.size()) {
    while (i < text.size() && (is_blank(text[i]) || text[i] == ',')) ++i;
    std::size_t start = i;
    while (i < text.size() && (is_ident_char(text[i]) || text[i] == '-')) ++i;
    if (i > start)
      elements.push_back(text.substr(start, i - start));
    else
      ++i;  // "]"
  }
  return elements;
}

}  // namespace vcl::dfm::detail
