// Reader of text forms: builds the lossless tree of views into the buffer, checking the syntax.
// This part reads the structure: objects, properties, collection items; values are read in
// dfm_text_parser_values.cpp.
#include <fmt/format.h>

#include <bit>
#include <cstring>
#include <limits>

#include "vcl/streaming/dfm_text_internal.h"
#include "vcl/sysutils.h"

namespace vcl::dfm::detail {

namespace {

// What a word in an object's body starts: a property, a child object or the object's end.
// The length sorts out most property names before any comparison.
enum class Word : std::uint8_t { Property, End, Object };

// Up to eight bytes as they stand in memory, read as one number.
constexpr std::uint64_t packed(std::string_view text) {
  std::uint64_t bits = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned shift = 8 * static_cast<unsigned>(std::endian::native == std::endian::little ? i : 7 - i);
    bits |= std::uint64_t{static_cast<unsigned char>(text[i])} << shift;
  }
  return bits;
}

constexpr std::uint64_t kEnd = packed("end"), kObject = packed("object"), kInline = packed("inline");

// Whether the `N` letters at `word` spell the lower-case keyword packed in `keyword`,
// ignoring case, comparing all of them at once.
template <std::size_t N>
bool spells(const char* word, std::uint64_t keyword) {
  static_assert(N <= sizeof(std::uint64_t));
  constexpr std::uint64_t case_bits = packed(std::string_view("\x20\x20\x20\x20\x20\x20\x20\x20", N));
  std::uint64_t letters = 0;
  std::memcpy(&letters, word, N);
  return (letters | case_bits) == keyword;
}

Word keyword_word(std::string_view word) {
  switch (word.size()) {
    case 3:
      return spells<3>(word.data(), kEnd) ? Word::End : Word::Property;
    case 6:
      return spells<6>(word.data(), kObject) || spells<6>(word.data(), kInline) ? Word::Object : Word::Property;
    case 9:
      return is_keyword(word, "inherited") ? Word::Object : Word::Property;
  }
  return Word::Property;
}

// Keywords start with e, o or i and have three, six or nine letters.
inline Word body_word(std::string_view word) {
  const char first = static_cast<char>(word[0] | 0x20);
  if (first != 'e' && first != 'o' && first != 'i') return Word::Property;
  return word.size() % 3 == 0 ? keyword_word(word) : Word::Property;
}

}  // namespace

bool is_name(std::string_view text, bool dotted) {
  std::size_t i = 0;
  for (;;) {
    if (i >= text.size() || !is_ident_start(text[i])) return false;
    while (++i < text.size() && is_ident_char(text[i])) {
    }
    if (i == text.size()) return true;
    if (!dotted || text[i] != '.') return false;
    ++i;
  }
}

Location locate(std::string_view text, const char* at) {
  Location where{1, 1};
  const char* line_start = text.data();
  const char* end = text.data() + text.size();
  for (const char* q = text.data(); q < at && q < end; ++q) {
    if (*q == '\n' || (*q == '\r' && (q + 1 == end || q[1] != '\n'))) {
      ++where.line;
      line_start = q + 1;
    }
  }
  where.column = static_cast<std::size_t>(at - line_start) + 1;
  return where;
}

void throw_read_error(std::string_view file, Location where, std::string_view message) {
  if (where.line == 0) throw EReadError(fmt::format("{}: {}", file, message));
  throw EReadError(fmt::format("{}:{}:{}: {}", file, where.line, where.column, message));
}

Parser::Parser(std::string_view text, std::string_view file_name, TextStore& store,
               std::pmr::memory_resource* arena)
    : begin_(text.data()),
      end_(text.data() + text.size()),
      p_(text.data()),
      file_name_(file_name),
      store_(store),
      arena_(arena) {}

void Parser::fail(const char* at, std::string_view message) const {
  throw_read_error(file_name_, locate(span(begin_, end_), at), message);
}

void Parser::expected(std::string_view what) const {
  if (p_ >= end_) fail(p_, fmt::format("unexpected end of file, {} expected", what));
  fail(p_, fmt::format("{} expected", what));
}

std::string_view Parser::ident(std::string_view what) {
  std::string_view word = peek_ident();
  if (word.empty()) expected(what);
  p_ += word.size();
  return word;
}

std::string_view Parser::dotted_ident(std::string_view what) {
  const char* start = p_;
  ident(what);
  while (*p_ == '.') {
    ++p_;
    ident("identifier");
  }
  return span(start, p_);
}

// An optional "[n]" after blanks; returns its text with the blanks, empty when absent.
std::string_view Parser::position(std::optional<std::int32_t>& position) {
  const char* start = p_;
  blanks();
  if (*p_ != '[') {
    p_ = start;
    return span(start, start);
  }
  ++p_;
  blanks();
  const char* number = p_;
  bool negative = *p_ == '-';
  if (negative) ++p_;
  if (!is_digit(*p_)) expected("position number");
  std::int64_t value = 0;
  while (is_digit(*p_)) {
    value = value * 10 + (*p_++ - '0');
    if (value > std::numeric_limits<std::int32_t>::max()) fail(number, "position out of range");
  }
  blanks();
  if (*p_ != ']') expected("']'");
  ++p_;
  position = static_cast<std::int32_t>(negative ? -value : value);
  return span(start, p_);
}

void Parser::enter() {
  if (++depth_ > kMaxDepth) fail(p_, fmt::format("nesting deeper than {} levels", kMaxDepth));
}

void Parser::finish_fragment() {
  if (p_ != end_) fail(p_, "unexpected text");
}

Object Parser::parse_file(std::string_view& trailing) {
  Object root;
  std::string_view leading = blanks();
  object(root, leading, 0);
  trailing = blanks();
  if (p_ != end_) fail(p_, "end of file expected after the root object");
  return root;
}

Object Parser::parse_object_fragment(std::uint32_t level) {
  Object result;
  std::string_view leading = blanks();
  object(result, leading, level);
  finish_fragment();
  return result;
}

Property Parser::parse_property_fragment() {
  Property result;
  std::string_view leading = blanks();
  std::string_view word = peek_ident();
  if (word.empty()) expected("property name");
  property(result, leading, word);
  finish_fragment();
  return result;
}

Value Parser::parse_assignment_fragment() {
  Value result;
  assignment(result, span(p_, p_), span(p_, p_));
  finish_fragment();
  return result;
}

void Parser::object(Object& object, std::string_view leading, std::uint32_t level) {
  enter();
  object.start_ = leading.data();
  object.level = level;
  std::string_view word = peek_ident();
  if (word.size() == 6 && spells<6>(word.data(), kObject))
    object.kind = ObjectKind::Object;
  else if (is_keyword(word, "inherited"))
    object.kind = ObjectKind::Inherited;
  else if (word.size() == 6 && spells<6>(word.data(), kInline))
    object.kind = ObjectKind::Inline;
  else
    expected("'object', 'inherited' or 'inline'");
  const char* header = p_;
  p_ += word.size();
  blanks();

  std::string_view first = dotted_ident("class name");
  std::string_view name = span(first.data(), first.data()), class_name = first;
  const char* after = p_;
  blanks();
  if (*p_ == ':') {
    if (first.find('.') != std::string_view::npos) fail(first.data(), "invalid component name");
    ++p_;
    blanks();
    name = first;
    class_name = dotted_ident("class name");
  } else {
    p_ = after;
  }
  position(object.position);
  Access::set_header_sizes(object, static_cast<std::size_t>(p_ - header), name.size(),
                           static_cast<std::size_t>(class_name.data() - name.data()) - name.size(),
                           class_name.size());

  std::string_view lead;
  const std::size_t property_mark = property_stack_.size();
  for (;;) {
    lead = blanks();
    word = peek_ident();
    if (word.empty()) expected("property name or 'end'");
    if (body_word(word) != Word::Property) break;
    Property property;
    this->property(property, lead, word);
    property_stack_.push_back(property);
  }
  Access::take_from(property_stack_, property_mark, object.properties, *arena_);

  const std::size_t child_mark = object_stack_.size();
  for (Word kind = body_word(word); kind != Word::End;) {
    Object child;
    this->object(child, lead, level + 1);
    object_stack_.push_back(child);
    lead = blanks();
    word = peek_ident();
    if (word.empty()) expected("'end'");
    kind = body_word(word);
    if (kind == Word::Property) fail(p_, "'end' expected");
  }
  Access::take_from(object_stack_, child_mark, object.children, *arena_);
  object.end_ = lead.data();
  p_ += word.size();
  leave();
}

void Parser::spaced_property(Property& property, std::string_view leading, std::string_view first) {
  const char* start = p_;
  const char* name_end = p_ + first.size();
  p_ = skip_blanks_in(name_end, end_);
  bool blank_inside = false;
  while (*p_ == '.') {
    const char* dot = p_++;
    const bool after = !blanks().empty();
    blank_inside = blank_inside || dot != name_end || after;
    ident("property name");
    name_end = p_;
    p_ = skip_blanks_in(name_end, end_);
  }
  std::string_view name = span(start, name_end);
  if (blank_inside) {
    std::string normal;
    for (char c : name)
      if (!is_blank(c)) normal += c;
    name = store_.keep_spelled(std::move(normal), name);
  }
  equals(property.value, leading, name, name_end);
}

void Parser::assignment(Value& value, std::string_view leading, std::string_view name) {
  const char* start = p_;
  blanks();
  equals(value, leading, name, start);
}

void Parser::equals(Value& value, std::string_view leading, std::string_view name, const char* prefix) {
  if (*p_ != '=') expected("'='");
  ++p_;
  blanks();
  this->value(value, leading, name, prefix);
}

void Parser::item(CollectionItem& item, std::string_view leading) {
  item.start_ = leading.data();
  item.leading_ = static_cast<std::uint32_t>(leading.size());
  p_ += 4;
  item.position_size_ = static_cast<std::uint32_t>(position(item.position).size());
  const std::size_t mark = property_stack_.size();
  for (;;) {
    std::string_view lead = blanks();
    std::string_view word = peek_ident();
    if (word.empty()) expected("property name or 'end'");
    if (body_word(word) == Word::End) {
      item.end_ = lead.data();
      item.end_leading_ = static_cast<std::uint32_t>(lead.size());
      p_ += word.size();
      break;
    }
    Property property;
    this->property(property, lead, word);
    property_stack_.push_back(property);
  }
  Access::take_from(property_stack_, mark, item.properties, *arena_);
}

}  // namespace vcl::dfm::detail
