// Text form files (.dfm, .lfm) as a lossless syntax tree: read, inspect, edit, write.
//
// Every piece of text in the tree is a view into the bytes the document was read from, or into
// text the document rendered for an edit. Printing the pieces in tree order gives the file back,
// so whatever was not edited is written byte for byte as it was read: line ends, blanks, BOM,
// missing final line break and all. An edited or added node is rendered the way the IDE writes
// it, in the file's flavour.
//
// A node's leading text holds the line break and blanks before it; removing a node removes the
// lines it stands on. Nodes live in the document's arena and die with it. References to nodes
// stay valid until their container changes: inserting or removing a property or child object
// invalidates references to its siblings.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <memory_resource>
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

// Containers of nodes use the document's memory resource; nodes without containers of their
// own are trivially copyable.

// What a list or a collection holds, and the blanks and bracket that close it.
struct Contents {
  // Defined where Value and CollectionItem are complete.
  explicit Contents(std::pmr::memory_resource* arena);
  std::pmr::vector<Value> items;             // List
  std::pmr::vector<CollectionItem> entries;  // Collection
  std::string_view close;
};

struct Value {
  ValueKind kind = ValueKind::Integer;
  std::uint32_t prefix_size = 0;  // the prefix comes right before the text
  std::string_view text;          // a scalar's whole text; "(" of a list, "<" of a collection
  Contents* contents = nullptr;   // lists and collections only; owned by the document

  // Before the value: " = " of a property, blanks before a list item.
  std::string_view prefix() const { return {text.data() - prefix_size, prefix_size}; }
  const std::pmr::vector<Value>& items() const;             // empty unless a list
  const std::pmr::vector<CollectionItem>& entries() const;  // empty unless a collection
};

struct Property {
  std::string_view leading;  // line break and blanks before the name
  // The dotted name without blanks ("Font.Name"); one written with blanks around its dots
  // ("Font . Name") is still written back as it was.
  std::string_view name;
  Value value;
};

struct CollectionItem {
  explicit CollectionItem(std::pmr::memory_resource* arena) : properties(arena) {}
  std::string_view leading, keyword, position_text, end_leading, end_keyword;
  std::optional<std::int32_t> position;  // "item [n]"
  std::pmr::vector<Property> properties;
};

struct Object {
  explicit Object(std::pmr::memory_resource* arena) : properties(arena), children(arena) {}
  Object(Object&&) = default;
  Object& operator=(Object&&) = default;

  ObjectKind kind = ObjectKind::Object;
  std::uint32_t level = 0;               // nesting depth, 0 for the root
  std::optional<std::int32_t> position;  // child position "[n]"
  // Header "object Name: TClass [n]" and "end", piece by piece. Without a name, `name` and
  // `colon` are empty.
  std::string_view leading, keyword, gap, name, colon, class_name, position_text;
  std::string_view end_leading, end_keyword;
  std::pmr::vector<Property> properties;
  std::pmr::vector<Object> children;
  // Free for whoever builds something from the tree to find what it made of this object
  // (a form file: its binding to a component); 0 when unused. Kept when the object moves.
  std::uint32_t link = 0;

  // Lookups ignore case; null when absent.
  const Property* find_property(std::string_view name) const;
  Property* find_property(std::string_view name);
  const Object* find_child(std::string_view name) const;
  Object* find_child(std::string_view name);
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
  void write(std::string& out) const;  // appends

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
  void detach_lines(std::string_view leading, std::string_view& next_leading);
  void open_line(std::string_view& next_leading, std::uint32_t level);

  // One block (text, arena, tree), so that moving a document keeps every view valid.
  std::unique_ptr<State> state_;
};

}  // namespace vcl::dfm
