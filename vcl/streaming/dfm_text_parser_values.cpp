// Reader of text forms: the values (numbers, strings, sets, lists, binary data, collections).
#include <algorithm>
#include <charconv>
#include <limits>

#include "vcl/streaming/dfm_text_internal.h"

namespace vcl::dfm::detail {

void Parser::held_value(Value& value, std::string_view leading, std::string_view name, const char* prefix) {
  const char* start = p_;
  Contents contents;
  if (*p_ == '(') {
    list(contents);
    value.kind = ValueKind::List;
  } else {
    collection(contents);
    value.kind = ValueKind::Collection;
  }
  Access::set_pieces(value, leading, name, span(prefix, start), span(start, start + 1), &contents, *arena_);
}

// A value that holds no nodes, at p_.
ValueKind Parser::scalar() {
  if (is_digit(*p_)) {
    // Most numbers are short integers: digits, then none of the characters of a float.
    const char* q = p_ + 1;
    while (is_digit(*q)) ++q;
    if (!kChars.after_digits[static_cast<unsigned char>(*q)] && q - p_ <= 18) {
      p_ = q;
      return ValueKind::Integer;
    }
    return number();
  }
  switch (*p_) {
    case '\'':
    case '#':
      string_value();
      return ValueKind::String;
    case '-':
      return number();
    case '$':
      hex_number();
      return ValueKind::Integer;
    case '[':
      set_value();
      return ValueKind::Set;
    case '{':
      binary();
      return ValueKind::Binary;
  }
  if (!is_ident_start(*p_)) {
    if (p_ >= end_) expected("property value");
    fail(p_, "invalid property value");
  }
  dotted_ident("identifier");
  return ValueKind::Ident;
}

// Quoted parts and #n codes, joined directly or by "+" across blanks and lines.
void Parser::string_value() {
  for (;;) {
    for (;;) {
      if (*p_ == '\'') {
        const char* open = p_++;
        for (;;) {
          const char* q = p_;
          while (!kChars.string_stop[static_cast<unsigned char>(*q)]) ++q;
          p_ = q;
          if (*p_ == '\'') {
            if (p_[1] != '\'') break;
            p_ += 2;
          } else if (*p_ == 0 && p_ < end_) {
            ++p_;
          } else {
            fail(open, "unterminated string");
          }
        }
        ++p_;
      } else if (*p_ == '#') {
        const char* hash = p_++;
        if (!is_digit(*p_)) fail(hash, "character code expected after '#'");
        unsigned code = 0;
        while (is_digit(*p_)) {
          code = code * 10 + static_cast<unsigned>(*p_++ - '0');
          if (code > 0xFFFF) fail(hash, "character code out of range");
        }
      } else {
        break;
      }
    }
    const char* save = p_;
    blanks();
    if (*p_ != '+') {
      p_ = save;
      return;
    }
    ++p_;
    blanks();
    if (*p_ != '\'' && *p_ != '#') expected("string after '+'");
  }
}

// A decimal integer or a float: the number characters run on as long as digits, ".", "e", "E",
// "+" or "-" follow; a suffix s, c or d makes a float.
ValueKind Parser::number() {
  const char* start = p_;
  const char* q = p_;
  if (*q == '-') ++q;
  const char* digits = q;
  while (is_digit(*q)) ++q;
  if (!kChars.after_digits[static_cast<unsigned char>(*q)]) {
    p_ = q;
    if (q == digits) fail(start, "invalid number");
    // Up to 18 digits are always in range.
    if (q - digits > 18) check_integer(start, digits, q);
    return ValueKind::Integer;
  }
  while (kChars.float_char[static_cast<unsigned char>(*q)]) ++q;
  const char* end = q;
  if (is_float_suffix(*q)) ++q;
  p_ = q;
  long double value = 0;
  auto [stop, error] = std::from_chars(start, end, value);
  if (error != std::errc() || stop != end) fail(start, "invalid floating-point number");
  if (const char* dot = std::find(start, end, '.'); dot != end) {
    const char* after = dot + 1;
    while (after < end && is_digit(*after)) ++after;
    if (after - dot - 1 == 18) fixed_floats_ = true;
  }
  return ValueKind::Float;
}

// The digits from `digits` to `end` of the integer at `start` must fit 64 bits with the sign.
void Parser::check_integer(const char* start, const char* digits, const char* end) const {
  std::uint64_t value = 0;
  for (const char* q = digits; q < end; ++q) {
    unsigned digit = static_cast<unsigned>(*q - '0');
    if (value > (std::numeric_limits<std::uint64_t>::max() - digit) / 10) fail(start, "integer out of range");
    value = value * 10 + digit;
  }
  const std::uint64_t limit = std::uint64_t{1} << 63;
  if (value > limit || (value == limit && digits == start)) fail(start, "integer out of range");
}

void Parser::hex_number() {
  const char* start = p_++;
  while (*p_ == '0') ++p_;
  const char* significant = p_;
  while (hex_value(*p_) < 16) ++p_;
  if (p_ == start + 1) fail(start, "hexadecimal digits expected after '$'");
  if (p_ - significant > 16) fail(start, "integer out of range");
}

// "[" elements separated by "," "]"; an element is an identifier or an integer.
void Parser::set_value() {
  ++p_;
  blanks();
  if (*p_ == ']') {
    ++p_;
    return;
  }
  for (;;) {
    if (is_ident_start(*p_)) {
      ident("set element");
    } else {
      if (*p_ == '-' && is_digit(p_[1])) ++p_;
      if (!is_digit(*p_)) expected("set element");
      while (is_digit(*p_)) ++p_;
    }
    blanks();
    if (*p_ == ']') break;
    if (*p_ != ',') expected("',' or ']'");
    ++p_;
    blanks();
  }
  ++p_;
}

void Parser::list(Contents& contents) {
  enter();
  ++p_;
  const std::size_t mark = value_stack_.size();
  for (;;) {
    std::string_view lead = blanks();
    if (*p_ == ')') {
      contents.close = span(lead.data(), ++p_);
      break;
    }
    if (p_ >= end_) expected("')'");
    Value item;
    const std::string_view none = span(lead.data(), lead.data());
    this->value(item, none, none, lead.data());
    value_stack_.push_back(item);
  }
  Access::take_from(value_stack_, mark, contents.items, *arena_);
  leave();
}

// "{" pairs of hex digits, blanks allowed between pairs, "}".
void Parser::binary() {
  auto hex = [this](int i) { return hex_value(p_[i]) < 16; };
  ++p_;
  for (;;) {
    // Eight digits at a time while they last; the && stops at the NUL after the buffer.
    while (hex(0) && hex(1) && hex(2) && hex(3) && hex(4) && hex(5) && hex(6) && hex(7)) p_ += 8;
    while (hex(0) && hex(1)) p_ += 2;
    blanks();
    if (*p_ == '}') break;
    if (hex(0) && hex(1)) continue;
    if (p_ >= end_) expected("'}'");
    fail(p_, "invalid binary data");
  }
  ++p_;
}

void Parser::collection(Contents& contents) {
  enter();
  ++p_;
  const std::size_t mark = item_stack_.size();
  for (;;) {
    std::string_view lead = blanks();
    if (*p_ == '>') {
      contents.close = span(lead.data(), ++p_);
      break;
    }
    if (!is_keyword(peek_ident(), "item")) expected("'item' or '>'");
    CollectionItem entry;
    item(entry, lead);
    item_stack_.push_back(entry);
  }
  Access::take_from(item_stack_, mark, contents.entries, *arena_);
  leave();
}

}  // namespace vcl::dfm::detail
