// Shared pieces of the text form reader, writer and editor; not part of the public API.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <algorithm>
#include <iterator>
#include <limits>
#include <memory_resource>
#include <stdexcept>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <vector>

#include "vcl/streaming/dfm_text.h"

namespace vcl::dfm {

// Owns text at stable addresses: the source bytes and every text rendered for an edit.
class TextStore {
public:
  // Keeps `text` and returns a view of it that lives as long as the store. The byte after the
  // view is always a NUL.
  std::string_view keep(std::string text);
  // Keeps a name normalised for lookups, remembering how the file spelled it; returns the view
  // of the name.
  std::string_view keep_spelled(std::string name, std::string_view spelling);
  // How to write `name`: its remembered spelling, or itself.
  std::string_view spelling(std::string_view name) const;

private:
  std::vector<std::unique_ptr<std::string>> texts_;
  std::unordered_map<const char*, std::string_view> spellings_;
};

// Memory for the nodes of one document, freed with it. Blocks double up to a cap, so that the
// unused end of the last one stays small beside the document; a large request gets a block of
// its own.
class NodeArena final : public std::pmr::memory_resource {
public:
  NodeArena() = default;
  NodeArena(const NodeArena&) = delete;
  NodeArena& operator=(const NodeArena&) = delete;
  ~NodeArena() override;

private:
  void* do_allocate(std::size_t bytes, std::size_t alignment) override;
  void do_deallocate(void*, std::size_t, std::size_t) override {}
  bool do_is_equal(const std::pmr::memory_resource& other) const noexcept override { return this == &other; }
  std::byte* new_block(std::size_t bytes);

  std::vector<std::unique_ptr<std::byte[]>> blocks_;
  std::byte* next_ = nullptr;
  std::byte* end_ = nullptr;
  std::size_t block_size_ = 0;
};

}  // namespace vcl::dfm

namespace vcl::dfm::detail {

constexpr unsigned kMaxDepth = 1000;

// The suffix of a single, currency or date float: s, c or d in either case.
constexpr bool is_float_suffix(int c) { return (c | 0x20) == 's' || (c | 0x20) == 'c' || (c | 0x20) == 'd'; }

// Character classes of the form grammar. Bytes above 127 count as letters so that names
// written in UTF-8 read as identifiers.
struct CharClasses {
  bool ident_start[256] = {};
  bool ident_char[256] = {};
  bool string_stop[256] = {};  // ends a run of quoted text: quote, line break, NUL
  bool float_char[256] = {};   // continues a number as a float: digit, ".", "e", "E", "+", "-"
  bool after_digits[256] = {}; // makes digits more than an integer: a float character or suffix
  std::uint8_t hex[256] = {};  // digit value, 16 for no digit
  constexpr CharClasses() {
    for (int c = 0; c < 256; ++c) {
      bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 128;
      bool digit = c >= '0' && c <= '9';
      ident_start[c] = letter;
      ident_char[c] = letter || digit;
      string_stop[c] = c == '\'' || c == '\n' || c == '\r' || c == 0;
      float_char[c] = digit || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-';
      after_digits[c] = float_char[c] || is_float_suffix(c);
      hex[c] = digit                    ? c - '0'
               : (c >= 'A' && c <= 'F') ? c - 'A' + 10
               : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                                        : 16;
    }
  }
};
inline constexpr CharClasses kChars{};

inline std::string_view span(const char* from, const char* to) {
  return {from, static_cast<std::size_t>(to - from)};
}

// Changes containers and pieces of nodes, for the reader and the edits.
struct Access {
  // Storage for `capacity` nodes, with the count and the room before them.
  template <typename T>
  static T* allocate(std::size_t capacity, std::pmr::memory_resource& arena) {
    using Header = typename Nodes<T>::Header;
    static_assert(alignof(T) <= sizeof(Header));
    void* block = arena.allocate(sizeof(Header) + capacity * sizeof(T), alignof(Header) > alignof(T) ? alignof(Header) : alignof(T));
    new (block) Header{0, static_cast<std::uint32_t>(capacity)};
    return reinterpret_cast<T*>(static_cast<char*>(block) + sizeof(Header));
  }

  // Moves the nodes a container pushed on `stack` since `mark` into exact-sized storage.
  template <typename T>
  static void take_from(std::vector<T>& stack, std::size_t mark, Nodes<T>& into,
                        std::pmr::memory_resource& arena) {
    const std::size_t count = stack.size() - mark;
    if (count == 0) {
      into.data_ = nullptr;
      return;
    }
    into.data_ = allocate<T>(count, arena);
    static_assert(std::is_trivially_copyable_v<T>);
    std::memcpy(static_cast<void*>(into.data_), stack.data() + mark, count * sizeof(T));
    into.header()->size = static_cast<std::uint32_t>(count);
    stack.resize(mark);
  }

  // Room for `count` nodes; the storage a container outgrows stays in the arena, so growing by
  // doubling wastes at most what the container holds.
  template <typename T>
  static void reserve(Nodes<T>& nodes, std::size_t count, std::pmr::memory_resource& arena) {
    const std::size_t room = nodes.data_ ? nodes.header()->capacity : 0;
    if (count <= room) return;
    if (count > std::numeric_limits<std::uint32_t>::max()) throw std::length_error("too many nodes");
    std::size_t capacity = std::max<std::size_t>(count, 2 * room);
    capacity = std::min<std::size_t>(capacity, std::numeric_limits<std::uint32_t>::max());
    const std::size_t size = nodes.size();
    T* data = allocate<T>(capacity, arena);
    std::uninitialized_copy(nodes.begin(), nodes.end(), data);
    nodes.data_ = data;
    nodes.header()->size = static_cast<std::uint32_t>(size);
  }

  template <typename T>
  static T& insert(Nodes<T>& nodes, std::size_t index, T node, std::pmr::memory_resource& arena) {
    const std::size_t size = nodes.size();
    reserve(nodes, size + 1, arena);
    std::copy_backward(nodes.data_ + index, nodes.data_ + size, nodes.data_ + size + 1);
    nodes.data_[index] = node;
    ++nodes.header()->size;
    return nodes.data_[index];
  }

  template <typename T>
  static void push_back(Nodes<T>& nodes, T node, std::pmr::memory_resource& arena) {
    insert(nodes, nodes.size(), node, arena);
  }

  template <typename T>
  static void erase(Nodes<T>& nodes, std::size_t index) {
    std::copy(nodes.data_ + index + 1, nodes.end(), nodes.data_ + index);
    --nodes.header()->size;
  }

  template <typename T>
  static void truncate(Nodes<T>& nodes, std::size_t size) {
    if (nodes.data_) nodes.header()->size = static_cast<std::uint32_t>(size);
  }

  // For the writer: a property's whole text when it lies in one stretch (empty otherwise), an
  // object's leading text and header, the blanks and "end" closing it.
  static std::string_view stretch(const Property& property) {
    const Value& value = property.value;
    if (value.spread()) return {};
    return {value.at(), static_cast<std::size_t>(value_start(value) + value.size_ - value.at())};
  }
  // Value::text(), found quicker for a value in one stretch of the text.
  static std::string_view text(const Value& value) {
    if (value.spread()) return value.text();
    return {value_start(value), value.size_};
  }
  // Where the text of a value in one stretch of the text starts.
  static const char* value_start(const Value& value) {
    // Most properties read "Name = value".
    const char* from = value.at() + value.lead_ + value.name_;
    return from[0] == ' ' && from[1] == '=' && from[2] == ' ' && static_cast<unsigned char>(from[3]) > 32
               ? from + 3
               : value.value_start();
  }
  static std::string_view head(const Object& object) {
    return {object.start_, static_cast<std::size_t>(object.header_start() - object.start_) + object.header_size_};
  }
  static std::string_view tail(const Object& object) {
    return {object.end_, static_cast<std::size_t>(object.end_start() - object.end_) + 3};
  }

  // Gives a value its pieces: the leading text and name of its property (empty ones, at the
  // prefix, for a list item), its prefix and text, and what a list or collection holds. They
  // stay in the text when they follow one another there and fit the node; otherwise they are
  // kept in detail::Spans.
  static void set_pieces(Value& value, std::string_view leading, std::string_view name,
                         std::string_view prefix, std::string_view text, const Contents* contents,
                         std::pmr::memory_resource& arena) {
    constexpr std::size_t small = std::numeric_limits<std::uint8_t>::max();
    const auto follows = [](std::string_view first, std::string_view second) {
      return first.data() + first.size() == second.data();
    };
    if (!contents && follows(leading, name) && follows(name, prefix) && follows(prefix, text) &&
        (leading.size() | name.size() | text.size()) <= small && !text.empty()) {
      const char* at = leading.data();
      std::memcpy(value.at_, &at, sizeof at);
      value.lead_ = static_cast<std::uint8_t>(leading.size());
      value.name_ = static_cast<std::uint8_t>(name.size());
      value.size_ = static_cast<std::uint8_t>(text.size());
      return;
    }
    set_spans(value, leading, name, prefix, text, contents, arena);
  }
  // The pieces of a value kept in detail::Spans.
  static void set_spans(Value& value, std::string_view leading, std::string_view name,
                        std::string_view prefix, std::string_view text, const Contents* contents,
                        std::pmr::memory_resource& arena);
  // A new leading text for a property; it need not stand before the name.
  static void set_leading(Property& property, std::string_view leading, std::pmr::memory_resource& arena);
  // A new leading text for an object: one that does not end at the header is kept with a copy
  // of it.
  static void set_leading(Object& object, std::string_view leading, TextStore& store);
  // The blanks stand right before "end", likewise.
  static void set_end_leading(Object& object, std::string_view leading, TextStore& store);
  // The header's sizes, kept when they fit.
  static void set_header_sizes(Object& object, std::size_t header, std::size_t name, std::size_t colon,
                               std::size_t class_name) {
    constexpr std::size_t small = std::numeric_limits<std::uint8_t>::max();
    const bool fits = name <= small && colon <= small && class_name <= small;
    object.header_size_ = static_cast<std::uint32_t>(header);
    object.name_ = static_cast<std::uint8_t>(fits ? name : 0);
    object.colon_ = static_cast<std::uint8_t>(fits ? colon : 0);
    object.class_ = static_cast<std::uint8_t>(fits ? class_name : 0);
  }
  // Keeps a new header text (keyword to position) with the given name, colon and class name.
  static void set_header(Object& object, std::string_view name, std::string_view colon,
                         std::string_view class_name, TextStore& store);
};

inline bool is_blank(char c) { return static_cast<unsigned char>(c) < 33; }

// Past the blanks at `at` in a buffer that ends at `end` with a NUL: every byte below 33 is a
// blank, a NUL inside the buffer too; the NUL at the end stops the scan. Runs of blanks (line
// breaks and indentation) are looked at eight bytes at a time where the buffer has them.
inline const char* skip_blanks_in(const char* at, const char* end) {
  if (static_cast<unsigned char>(*at) > 32) return at;
  if constexpr (std::endian::native == std::endian::little) {
    constexpr std::uint64_t low7 = 0x7F7F7F7F7F7F7F7F, to_top = 0x5F5F5F5F5F5F5F5F;
    constexpr std::uint64_t tops = 0x8080808080808080;
    // The top bit of each byte above 32: 33 to 127 carry into it, 128 and up have it.
    const auto stops = [&](const char* from) {
      std::uint64_t bytes;
      std::memcpy(&bytes, from, sizeof bytes);
      return (((bytes & low7) + to_top) | bytes) & tops;
    };
    // A line break and indentation often take just over eight bytes: two words a round.
    for (; end - at >= 16; at += 16) {
      if (const std::uint64_t first = stops(at)) return at + std::countr_zero(first) / 8;
      if (const std::uint64_t second = stops(at + 8)) return at + 8 + std::countr_zero(second) / 8;
    }
    for (; end - at >= 8; at += 8)
      if (const std::uint64_t found = stops(at)) return at + std::countr_zero(found) / 8;
  }
  for (;;) {
    while (static_cast<unsigned char>(*at) - 1u < 32u) ++at;
    if (*at != 0 || at >= end) return at;
    ++at;
  }
}

inline bool is_digit(char c) { return c >= '0' && c <= '9'; }
inline bool is_ident_start(char c) { return kChars.ident_start[static_cast<unsigned char>(c)]; }
inline bool is_ident_char(char c) { return kChars.ident_char[static_cast<unsigned char>(c)]; }
inline unsigned hex_value(char c) { return kChars.hex[static_cast<unsigned char>(c)]; }

// True when `word` is the lower-case ASCII `keyword`, ignoring case.
inline bool is_keyword(std::string_view word, std::string_view keyword) {
  if (word.size() != keyword.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i)
    if ((word[i] | 0x20) != keyword[i]) return false;
  return true;
}
// A dotted name: identifiers joined by "." without blanks ("Form1.Button1"); `dotted` false
// allows a single identifier only.
bool is_name(std::string_view text, bool dotted);
// Raises vcl::EInvalidOperation unless `is_name(name, dotted)`.
void check_name(std::string_view name, bool dotted);

// Line and column of `at` within `text` (1-based).
Location locate(std::string_view text, const char* at);
[[noreturn]] void throw_read_error(std::string_view file, Location where, std::string_view message);

// Recursive-descent reader over a NUL-terminated buffer; nesting is limited to kMaxDepth.
class Parser {
public:
  // `text.data()[text.size()]` must be readable and NUL. Nodes are made in `arena`.
  Parser(std::string_view text, std::string_view file_name, TextStore& store,
         std::pmr::memory_resource* arena);

  // The whole file: blanks, the root object, blanks up to the end.
  Object parse_file(std::string_view& trailing);
  // Fragments rendered for edits; each must span the whole text.
  Object parse_object_fragment(std::uint32_t level);
  Property parse_property_fragment();
  Value parse_assignment_fragment();  // " = value"

  bool saw_fixed_floats() const { return fixed_floats_; }

private:
  [[noreturn]] void fail(const char* at, std::string_view message) const;
  [[noreturn]] void expected(std::string_view what) const;
  std::string_view blanks() {
    const char* start = p_;
    p_ = skip_blanks_in(p_, end_);
    return span(start, p_);
  }
  std::string_view peek_ident() const {
    if (!is_ident_start(*p_)) return {};
    const char* q = p_ + 1;
    while (is_ident_char(*q)) ++q;
    return span(p_, q);
  }
  std::string_view ident(std::string_view what);
  std::string_view dotted_ident(std::string_view what);
  std::string_view position(std::optional<std::int32_t>& position);
  void enter();
  void leave() { --depth_; }
  void finish_fragment();

  void object(Object& object, std::string_view leading, std::uint32_t level);
  // Name "=" value; `first` is the identifier at p_, already looked at by the caller.
  void property(Property& property, std::string_view leading, std::string_view first) {
    const char* name_end = p_ + first.size();
    // Most properties read "Name = value".
    if (name_end[0] == ' ' && name_end[1] == '=' && name_end[2] == ' ' &&
        static_cast<unsigned char>(name_end[3]) > 32) {
      const char* start = p_;
      p_ = name_end + 3;
      value(property.value, leading, span(start, name_end), name_end);
    } else {
      spaced_property(property, leading, first);
    }
  }
  // The others, with other blanks around "=", or a dotted name with blanks around its dots.
  void spaced_property(Property& property, std::string_view leading, std::string_view first);
  // `leading` and `name` are the property's (empty, at the prefix, for a list item).
  void assignment(Value& value, std::string_view leading, std::string_view name);
  // The rest of an assignment from "=" at p_; the prefix starts at `prefix`.
  void equals(Value& value, std::string_view leading, std::string_view name, const char* prefix);
  void value(Value& value, std::string_view leading, std::string_view name, const char* prefix) {
    if (*p_ == '(' || *p_ == '<') {
      held_value(value, leading, name, prefix);
      return;
    }
    const char* start = p_;
    value.kind = scalar();
    Access::set_pieces(value, leading, name, span(prefix, start), span(start, p_), nullptr, *arena_);
  }
  // A list or collection.
  void held_value(Value& value, std::string_view leading, std::string_view name, const char* prefix);
  ValueKind scalar();
  void string_value();
  ValueKind number();
  void check_integer(const char* start, const char* digits, const char* end) const;
  void hex_number();
  void set_value();
  void list(Contents& contents);
  void binary();
  void collection(Contents& contents);
  void item(CollectionItem& item, std::string_view leading);

  const char* begin_;
  const char* end_;
  const char* p_;
  std::string_view file_name_;
  TextStore& store_;
  std::pmr::memory_resource* arena_;
  unsigned depth_ = 0;
  bool fixed_floats_ = false;
  // Nodes of unfinished containers; each container moves its own into exact-sized storage.
  std::vector<Property> property_stack_;
  std::vector<Object> object_stack_;
  std::vector<Value> value_stack_;
  std::vector<CollectionItem> item_stack_;
};

// Text encodings.
void append_utf8(std::string& out, char32_t code_point);
bool is_valid_utf8(std::string_view text);
char32_t code_page_char(CodePage page, unsigned char byte);
// The byte for `code_point` in the code page, or -1 when it has none.
int code_page_byte(CodePage page, char32_t code_point);
// UTF-8 to code points; invalid UTF-8 raises vcl::EConvertError.
std::u32string utf8_to_code_points(std::string_view utf8);

// Decoders of validated value text.
std::string decode_string(std::string_view text, const Flavour& flavour);
// The bytes of a string written byte by byte (quoted bytes of an 8-bit file, #n codes below
// 256); nothing when it holds text that is not bytes (a larger code, UTF-8) or no byte above 127.
std::optional<std::string> string_bytes(std::string_view text, const Flavour& flavour);
std::string decode_binary(std::string_view text);
std::int64_t decode_integer(std::string_view text);
Float decode_float(std::string_view text);
std::vector<std::string_view> decode_set(std::string_view text);

// Renderers of new text in the flavour, at a property nesting level (indentation 2 x level).
std::string render_assignment(const Datum& value, const Flavour& flavour, unsigned level);
std::string render_property(std::string_view name, const Datum& value, const Flavour& flavour,
                            unsigned level);
std::string render_object(ObjectKind kind, std::string_view name, std::string_view class_name,
                          std::optional<std::int32_t> position, const Flavour& flavour,
                          unsigned level);

}  // namespace vcl::dfm::detail

namespace vcl::dfm {

struct Document::State {
  TextStore store;
  NodeArena arena;
  std::string file_name;
  std::string_view source;  // without the BOM
  std::string_view bom, trailing;
  Flavour flavour;
  Object root;
  // Whether an edit changed the tree; until one does, the tree gives the source back as it is.
  bool edited = false;

  // A reader of text rendered for an edit, which the store keeps.
  detail::Parser read_back(std::string text) {
    return detail::Parser(store.keep(std::move(text)), "<edit>", store, &arena);
  }
};

}  // namespace vcl::dfm
