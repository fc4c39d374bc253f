// Text form files (.dfm, .lfm) as a lossless syntax tree: read, inspect, edit, write.
//
// Every piece of text in the tree is a view into the bytes the document was read from, or into
// text the document rendered for an edit. Printing the pieces in tree order gives the file back,
// so whatever was not edited is written byte for byte as it was read: line ends, blanks, BOM,
// missing final line break and all. An edited or added node is rendered the way the IDE writes
// it, in the file's flavour.
//
// A node's leading text holds the line break and blanks before it; removing a node removes the
// lines it stands on. Nodes live in the document's arena and die with it; they are small plain
// values (where their text starts, and sizes), so copying one is cheap; a copy shares the
// storage of the containers it holds. References to nodes stay valid until their container
// changes: inserting or removing a property or child object invalidates references to its
// siblings.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <memory_resource>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vcl::dfm {

enum class ValueKind : std::uint8_t {
  Integer,
  Float,
  String,
  Ident,
  Set,
  List,
  Binary,
  Collection
};
enum class FloatSuffix : char { None = 0, Single = 's', Currency = 'c', Date = 'd' };
enum class ObjectKind : std::uint8_t { Object, Inherited, Inline };

// How the file writes text; detected when reading, used to render edits.
enum class Dialect : std::uint8_t {
  DelphiModern,   // pure ASCII (or UTF-8 names); characters above 127 as #nnnn
  DelphiAncient,  // raw bytes of an 8-bit code page inside quotes
  Lazarus,        // raw UTF-8 inside quotes, '' for a quote, no wrapping, ")" on a line of its own
};
enum class Newline : std::uint8_t { CRLF, LF, CR };
enum class CodePage : std::uint16_t { Windows1250 = 1250, Windows1251 = 1251, Windows1252 = 1252 };

struct Flavour {
  Dialect dialect = Dialect::DelphiModern;
  Newline newline = Newline::CRLF;  // the file's first line break; used for new lines
  bool mixed_newlines = false;      // the file mixes line breaks (each is kept as it is)
  bool bom = false;                 // starts with a UTF-8 byte-order mark
  bool utf8 = true;                 // raw bytes above 127 are UTF-8; otherwise `code_page`
  CodePage code_page = CodePage::Windows1252;
  bool fixed_floats = false;  // floats carry 18 decimals ("1.000000000000000000")
};

std::string_view newline_text(Newline newline);

struct ReadOptions {
  std::optional<Dialect> dialect;  // default: Lazarus for .lfm, else by the bytes
  CodePage code_page = CodePage::Windows1252;
};

struct Location {
  std::size_t line = 0;    // 1-based; 0 when the text is not from the file
  std::size_t column = 0;  // 1-based, in bytes
};

struct Value;
struct Property;
struct CollectionItem;
struct Object;
class Document;
namespace detail {
class Parser;
struct Access;
}  // namespace detail

// Nodes of one container, in the document's arena: a pointer to the first node, with the count
// and the room stored right before it (an empty container holds no storage). Copies of a
// container share its storage. Only the document changes them.
template <typename T>
class Nodes {
public:
  T* begin() { return data_; }
  T* end() { return data_ + size(); }
  const T* begin() const { return data_; }
  const T* end() const { return data_ + size(); }
  std::size_t size() const { return data_ ? header()->size : 0; }
  bool empty() const { return size() == 0; }
  T& operator[](std::size_t index) { return data_[index]; }
  const T& operator[](std::size_t index) const { return data_[index]; }
  T& front() { return data_[0]; }
  const T& front() const { return data_[0]; }
  T& back() { return data_[size() - 1]; }
  const T& back() const { return data_[size() - 1]; }

private:
  friend struct detail::Access;
  struct Header {
    std::uint32_t size, capacity;
  };
  Header* header() const {
    return std::launder(reinterpret_cast<Header*>(reinterpret_cast<char*>(data_) - sizeof(Header)));
  }

  T* data_ = nullptr;
};

// What a list or a collection holds, and the blanks and bracket that close it.
struct Contents {
  Nodes<Value> items;             // List
  Nodes<CollectionItem> entries;  // Collection
  std::string_view close;
};

namespace detail {

// Where the pieces of a value stand when they do not follow one another in the text or do
// not fit a node (a list or collection, a long value, a name written with blanks, an edited
// leading text): kept apart in the arena.
struct Spans {
  const char* leading = nullptr;
  const char* name = nullptr;
  const char* text = nullptr;  // the prefix comes right before it
  std::uint32_t leading_size = 0, name_size = 0, prefix_size = 0, size = 0;
  Contents contents;
};
inline constexpr Spans kNoSpans{};

inline const char* skip_blanks(const char* at) {
  while (static_cast<unsigned char>(*at) < 33) ++at;
  return at;
}

}  // namespace detail

// A value, or a property with its value: 12 bytes. Most lie in one stretch of the text (the
// property's leading text and name, the prefix, the value's text), given by where it starts
// and the sizes of its pieces; the prefix is found again from the text ("=" between blanks).
// The others point to their detail::Spans.
struct Value {
  // A scalar's whole text; "(" of a list, "<" of a collection.
  std::string_view text() const {
    if (spread()) return {spans().text, spans().size};
    return {value_start(), size_};
  }
  // Before the value: " = " of a property, blanks before a list item.
  std::string_view prefix() const {
    if (spread()) return {spans().text - spans().prefix_size, spans().prefix_size};
    const char* from = at() + lead_ + name_;
    return {from, static_cast<std::size_t>(value_start() - from)};
  }
  // The prefix and the text.
  std::string_view whole() const {
    std::string_view before = prefix();
    return {before.data(), before.size() + text().size()};
  }
  const Nodes<Value>& items() const;             // empty unless a list
  const Nodes<CollectionItem>& entries() const;  // empty unless a collection
  const Contents* contents() const { return has_contents() ? &spans().contents : nullptr; }

private:
  friend struct detail::Access;
  friend struct Property;
  bool has_contents() const { return kind == ValueKind::List || kind == ValueKind::Collection; }
  bool spread() const { return size_ == 0; }
  const char* at() const {
    const char* at;
    std::memcpy(&at, at_, sizeof at);
    return at;
  }
  const detail::Spans& spans() const {
    const auto* spans = reinterpret_cast<const detail::Spans*>(at());
    return spans ? *spans : detail::kNoSpans;
  }
  const char* value_start() const {
    const char* q = detail::skip_blanks(at() + lead_ + name_);
    return *q == '=' ? detail::skip_blanks(q + 1) : q;
  }

  // Where the leading text starts (a list item's: its prefix), or the detail::Spans; in two
  // halves so that the node needs no 8-byte alignment.
  std::uint32_t at_[2] = {};
  std::uint8_t lead_ = 0, name_ = 0;  // sizes of the property's leading text and name
  std::uint8_t size_ = 0;             // of the text; 0 for a value kept in detail::Spans

public:
  ValueKind kind = ValueKind::Integer;
};

struct Property {
  Value value;

  // Line break and blanks before the name.
  std::string_view leading() const {
    if (value.spread()) return {value.spans().leading, value.spans().leading_size};
    return {value.at(), value.lead_};
  }
  // The dotted name without blanks ("Font.Name"); one written with blanks around its dots
  // ("Font . Name") is still written back as it was.
  std::string_view name() const {
    if (value.spread()) return {value.spans().name, value.spans().name_size};
    return {value.at() + value.lead_, value.name_};
  }
};

struct CollectionItem {
  std::optional<std::int32_t> position;  // "item [n]"
  Nodes<Property> properties;

  std::string_view leading() const { return {start_, leading_}; }
  std::string_view keyword() const { return {start_ + leading_, 4}; }
  std::string_view position_text() const { return {start_ + leading_ + 4, position_size_}; }
  std::string_view end_leading() const { return {end_, end_leading_}; }
  std::string_view end_keyword() const { return {end_ + end_leading_, 3}; }

private:
  friend struct detail::Access;
  friend class detail::Parser;
  const char* start_ = nullptr;  // leading, "item", position text
  const char* end_ = nullptr;    // blanks, "end"
  std::uint32_t leading_ = 0, position_size_ = 0, end_leading_ = 0;
};

struct Object {
  Nodes<Property> properties;
  Nodes<Object> children;

  // Header "object Name: TClass [n]" and "end", piece by piece. Without a name, `name` and
  // `colon` are empty. The leading text, the header and the blanks before "end" are found
  // again from where they start.
  std::string_view leading() const {
    return {start_, static_cast<std::size_t>(header_start() - start_)};
  }
  std::string_view keyword() const { return {header_start(), keyword_size()}; }
  std::string_view gap() const {
    const char* from = header_start() + keyword_size();
    return class_ ? std::string_view{from, static_cast<std::size_t>(name_start() - from)} : pieces().gap;
  }
  std::string_view name() const { return class_ ? std::string_view{name_start(), name_} : pieces().name; }
  std::string_view colon() const {
    return class_ ? std::string_view{name_start() + name_, colon_} : pieces().colon;
  }
  std::string_view class_name() const {
    return class_ ? std::string_view{name_start() + name_ + colon_, class_} : pieces().class_name;
  }
  std::string_view position_text() const {
    if (!class_) return pieces().position;
    const char* from = name_start() + name_ + colon_ + class_;
    return {from, static_cast<std::size_t>(header_start() + header_size_ - from)};
  }
  // The header from the keyword to the position.
  std::string_view header() const { return {header_start(), header_size_}; }
  std::string_view end_leading() const {
    return {end_, static_cast<std::size_t>(end_start() - end_)};
  }
  std::string_view end_keyword() const { return {end_start(), 3}; }

  // Lookups ignore case; null when absent.
  const Property* find_property(std::string_view name) const;
  Property* find_property(std::string_view name);
  const Object* find_child(std::string_view name) const;
  Object* find_child(std::string_view name);

private:
  friend struct detail::Access;
  friend class detail::Parser;
  struct Pieces {
    std::string_view gap, name, colon, class_name, position;
  };
  std::size_t keyword_size() const { return kind == ObjectKind::Inherited ? 9 : 6; }
  const char* header_start() const { return start_ ? detail::skip_blanks(start_) : nullptr; }
  const char* name_start() const { return detail::skip_blanks(header_start() + keyword_size()); }
  const char* end_start() const { return end_ ? detail::skip_blanks(end_) : nullptr; }
  Pieces pieces() const;

  const char* start_ = nullptr;  // the leading text, then the header
  const char* end_ = nullptr;    // blanks, "end"
  std::uint32_t header_size_ = 0;
  // Sizes of the name, the colon with its blanks and the class name when they fit; class_ is 0
  // when they do not, and the pieces are read from the header.
  std::uint8_t name_ = 0, colon_ = 0, class_ = 0;

public:
  ObjectKind kind = ObjectKind::Object;
  // Free for whoever builds something from the tree to find what it made of this object
  // (a form file: its binding to a component); 0 when unused. Kept when the object moves.
  std::uint32_t link = 0;
  std::optional<std::int32_t> position;  // child position "[n]"
  std::uint32_t level = 0;               // nesting depth, 0 for the root
};

struct DatumItem;

// A value in decoded form: what decoding a value gives and what an edit stores.
struct Datum {
  ValueKind kind = ValueKind::Integer;
  std::int64_t int_value = 0;
  long double float_value = 0;  // for Currency the amount itself (the file writes it x 10000)
  FloatSuffix suffix = FloatSuffix::None;
  std::string text;                   // String (UTF-8), Ident, Binary (raw bytes)
  std::vector<std::string> elements;  // Set
  std::vector<Datum> items;           // List
  std::vector<DatumItem> entries;     // Collection

  static Datum integer(std::int64_t value);
  static Datum real(long double value, FloatSuffix suffix = FloatSuffix::None);
  static Datum string(std::string_view utf8);
  static Datum ident(std::string_view name);
  static Datum set(std::vector<std::string> elements);
  static Datum list(std::vector<Datum> items);
  static Datum strings(const std::vector<std::string>& lines);
  static Datum binary(std::string_view bytes);
  static Datum collection(std::vector<DatumItem> entries);

  bool operator==(const Datum& other) const;
};

struct DatumProperty {
  std::string name;
  Datum value;
  bool operator==(const DatumProperty& other) const;
};

struct DatumItem {
  std::optional<std::int32_t> position;
  std::vector<DatumProperty> properties;
  bool operator==(const DatumItem& other) const;
};

struct Float {
  long double value = 0;
  FloatSuffix suffix = FloatSuffix::None;
};

class Document {
public:
  // Reads a text form. Malformed input raises vcl::EReadError "FILE:LINE:COL: message".
  static Document parse(std::string bytes, std::string file_name, const ReadOptions& options = {});

  std::string write() const;
  // Gives the bytes to `out` piece by piece, as they are produced.
  void write(const std::function<void(std::string_view)>& out) const;

  Document(Document&&) noexcept;
  Document& operator=(Document&&) noexcept;
  ~Document();

  const std::string& file_name() const;
  const Flavour& flavour() const;
  Flavour& flavour();
  const Object& root() const;
  Object& root();
  // Where a piece of the tree stands in the file that was read.
  Location location(std::string_view piece) const;

  // Decoded values. A value of another kind raises vcl::EReadError with its position.
  std::int64_t as_integer(const Value& value) const;
  Float as_float(const Value& value) const;  // integers too
  std::string as_string(const Value& value) const;
  // The bytes of a string the file writes byte by byte, for decoding in another code page
  // (see detail::string_bytes); nothing otherwise.
  std::optional<std::string> string_bytes(const Value& value) const;
  std::string_view as_ident(const Value& value) const;
  std::vector<std::string_view> as_set(const Value& value) const;
  std::string as_binary(const Value& value) const;
  std::vector<std::string> as_strings(const Value& value) const;  // a list of strings
  Datum decode(const Value& value) const;

  // Edits; each rendered in the document's flavour. Bad names or indexes raise
  // vcl::EInvalidOperation or vcl::EListError.
  void set_value(Object& object, std::size_t index, const Datum& value);
  // Sets the named property, appending it when the object has none of that name.
  Property& set_property(Object& object, std::string_view name, const Datum& value);
  Property& insert_property(Object& object, std::size_t index, std::string_view name,
                            const Datum& value);
  void remove_property(Object& object, std::size_t index);
  Object& insert_child(Object& parent, std::size_t index, std::string_view class_name,
                       std::string_view name = {}, ObjectKind kind = ObjectKind::Object,
                       std::optional<std::int32_t> position = {});
  void remove_child(Object& parent, std::size_t index);
  // The same edits for many children at once, in time linear in the number of children.
  // make_child renders an object for `parent` that is not in it yet (its properties and
  // children may be added first); insert_children puts each such object before the child
  // at its index (the size: at the end), several at one index in the order given, indexes
  // ascending. remove_children removes the children at the ascending `indexes`.
  Object make_child(const Object& parent, std::string_view class_name, std::string_view name = {},
                    ObjectKind kind = ObjectKind::Object, std::optional<std::int32_t> position = {});
  void insert_children(Object& parent, std::vector<std::pair<std::size_t, Object>> inserts);
  void remove_children(Object& parent, const std::vector<std::size_t>& indexes);
  void rename(Object& object, std::string_view name);  // empty: no name
  void set_class(Object& object, std::string_view class_name);

private:
  struct State;

  Document();
  [[noreturn]] void fail(std::string_view at, std::string_view message) const;

  // One block (text, arena, tree), so that moving a document keeps every view valid.
  std::unique_ptr<State> state_;
};

}  // namespace vcl::dfm
