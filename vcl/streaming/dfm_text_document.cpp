// Text form documents: reading with flavour detection, lookups and decoded values.
#include <functional>
#include <limits>
#include <utility>

#include "vcl/streaming/dfm_text_internal.h"
#include "vcl/sysutils.h"

namespace vcl::dfm {

namespace {

struct ByteScan {
  Newline first = Newline::CRLF;
  bool mixed = false;
  bool ascii = true;
};

constexpr std::size_t kScanBlock = 240;  // under 256, so that byte counters cannot overflow

struct ByteCounts {
  std::size_t lf = 0, cr = 0, crlf = 0;
  unsigned high = 0;
};

// One block of a fixed size, with byte-sized counters, so that the compiler vectorises it.
void count_block(const unsigned char* p, ByteCounts& counts) {
  unsigned char lf = 0, cr = 0, crlf = 0, high = 0;
  for (std::size_t i = 0; i < kScanBlock; ++i) {
    high |= p[i];
    lf += p[i] == '\n';
    cr += p[i] == '\r';
    crlf += (p[i] == '\r') & (p[i + 1] == '\n');
  }
  counts.lf += lf, counts.cr += cr, counts.crlf += crlf, counts.high |= high;
}

// Finds the first line break, whether breaks are mixed and whether any byte is above 127.
// Reads the NUL after the text.
ByteScan scan_bytes(std::string_view text) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t size = text.size();
  ByteCounts counts;
  std::size_t i = 0;
  for (; i + kScanBlock <= size; i += kScanBlock) count_block(p + i, counts);
  for (; i < size; ++i) {
    counts.high |= p[i];
    counts.lf += p[i] == '\n';
    counts.cr += p[i] == '\r';
    counts.crlf += p[i] == '\r' && p[i + 1] == '\n';
  }

  ByteScan scan;
  scan.ascii = (counts.high & 0x80) == 0;
  scan.mixed = (counts.crlf > 0) + (counts.lf > counts.crlf) + (counts.cr > counts.crlf) > 1;
  std::size_t first_lf = text.find('\n');
  std::size_t first_cr = text.substr(0, first_lf).find('\r');
  if (first_cr != std::string_view::npos)
    scan.first = first_cr + 1 < size && text[first_cr + 1] == '\n' ? Newline::CRLF : Newline::CR;
  else if (first_lf != std::string_view::npos)
    scan.first = Newline::LF;
  return scan;
}

bool is_lazarus_file(std::string_view file_name) {
  return file_name.size() >= 4 && SameText(file_name.substr(file_name.size() - 4), ".lfm");
}

}  // namespace

std::string_view TextStore::keep(std::string text) {
  texts_.push_back(std::make_unique<std::string>(std::move(text)));
  return *texts_.back();
}

std::string_view TextStore::keep_spelled(std::string name, std::string_view spelling) {
  std::string_view kept = keep(std::move(name));
  spellings_.emplace(kept.data(), spelling);
  return kept;
}

std::string_view TextStore::spelling(std::string_view name) const {
  if (spellings_.empty()) return name;
  auto found = spellings_.find(name.data());
  return found == spellings_.end() ? name : found->second;
}

Document::Document() : state_(std::make_unique<State>()) {}
Document::Document(Document&&) noexcept = default;
Document& Document::operator=(Document&&) noexcept = default;
Document::~Document() = default;

const std::string& Document::file_name() const { return state_->file_name; }
const Flavour& Document::flavour() const { return state_->flavour; }
Flavour& Document::flavour() { return state_->flavour; }
const Object& Document::root() const { return state_->root; }
Object& Document::root() { return state_->root; }

Document Document::parse(std::string bytes, std::string file_name, const ReadOptions& options) {
  if (bytes.size() > std::numeric_limits<std::uint32_t>::max())
    throw EReadError(file_name + ": file too large for a form");
  Document document;
  State& state = *document.state_;
  state.file_name = std::move(file_name);
  std::string_view text = state.store.keep(std::move(bytes));
  if (text.starts_with("\xEF\xBB\xBF")) {
    state.bom = text.substr(0, 3);
    text.remove_prefix(3);
  }
  state.source = text;

  ByteScan scan = scan_bytes(text);
  Flavour& flavour = state.flavour;
  flavour.bom = !state.bom.empty();
  flavour.newline = scan.first;
  flavour.mixed_newlines = scan.mixed;
  flavour.utf8 = scan.ascii || detail::is_valid_utf8(text);
  flavour.code_page = options.code_page;
  if (options.dialect)
    flavour.dialect = *options.dialect;
  else if (is_lazarus_file(state.file_name))
    flavour.dialect = Dialect::Lazarus;
  else
    flavour.dialect = flavour.utf8 ? Dialect::DelphiModern : Dialect::DelphiAncient;

  detail::Parser parser(text, state.file_name, state.store, &state.arena);
  state.root = parser.parse_file(state.trailing);
  flavour.fixed_floats = parser.saw_fixed_floats();
  return document;
}

Location Document::location(std::string_view piece) const {
  const std::string_view source = state_->source;
  std::less_equal<const char*> at_most;
  if (!at_most(source.data(), piece.data()) ||
      !at_most(piece.data(), source.data() + source.size()))
    return {};
  return detail::locate(source, piece.data());
}

void Document::fail(std::string_view at, std::string_view message) const {
  detail::throw_read_error(state_->file_name, location(at), message);
}

std::int64_t Document::as_integer(const Value& value) const {
  if (value.kind != ValueKind::Integer) fail(value.text(), "integer value expected");
  return detail::decode_integer(detail::Access::text(value));
}

Float Document::as_float(const Value& value) const {
  if (value.kind == ValueKind::Integer)
    return {static_cast<long double>(as_integer(value)), FloatSuffix::None};
  if (value.kind != ValueKind::Float) fail(value.text(), "float value expected");
  return detail::decode_float(detail::Access::text(value));
}

std::string Document::as_string(const Value& value) const {
  if (value.kind != ValueKind::String) fail(value.text(), "string value expected");
  return detail::decode_string(detail::Access::text(value), state_->flavour);
}

std::optional<std::string> Document::string_bytes(const Value& value) const {
  if (value.kind != ValueKind::String) return std::nullopt;
  return detail::string_bytes(detail::Access::text(value), state_->flavour);
}

std::string_view Document::as_ident(const Value& value) const {
  if (value.kind != ValueKind::Ident) fail(value.text(), "identifier expected");
  return detail::Access::text(value);
}

std::vector<std::string_view> Document::as_set(const Value& value) const {
  if (value.kind != ValueKind::Set) fail(value.text(), "set value expected");
  return detail::decode_set(detail::Access::text(value));
}

std::string Document::as_binary(const Value& value) const {
  if (value.kind != ValueKind::Binary) fail(value.text(), "binary value expected");
  return detail::decode_binary(detail::Access::text(value));
}

std::vector<std::string> Document::as_strings(const Value& value) const {
  if (value.kind != ValueKind::List) fail(value.text(), "list of strings expected");
  std::vector<std::string> lines;
  lines.reserve(value.items().size());
  for (const Value& item : value.items()) lines.push_back(as_string(item));
  return lines;
}

Datum Document::decode(const Value& value) const {
  switch (value.kind) {
    case ValueKind::Integer:
      return Datum::integer(as_integer(value));
    case ValueKind::Float: {
      Float number = as_float(value);
      return Datum::real(number.value, number.suffix);
    }
    case ValueKind::String:
      return Datum::string(as_string(value));
    case ValueKind::Ident:
      return Datum::ident(value.text());
    case ValueKind::Set: {
      std::vector<std::string> elements;
      for (std::string_view element : as_set(value)) elements.emplace_back(element);
      return Datum::set(std::move(elements));
    }
    case ValueKind::List: {
      std::vector<Datum> items;
      for (const Value& item : value.items()) items.push_back(decode(item));
      return Datum::list(std::move(items));
    }
    case ValueKind::Binary:
      return Datum::binary(as_binary(value));
    case ValueKind::Collection:
      break;
  }
  std::vector<DatumItem> entries;
  for (const CollectionItem& item : value.entries()) {
    DatumItem& entry = entries.emplace_back();
    entry.position = item.position;
    for (const Property& property : item.properties)
      entry.properties.push_back({std::string(property.name()), decode(property.value)});
  }
  return Datum::collection(std::move(entries));
}

const Nodes<Value>& Value::items() const {
  static const Nodes<Value> none;
  return kind == ValueKind::List ? contents()->items : none;
}

const Nodes<CollectionItem>& Value::entries() const {
  static const Nodes<CollectionItem> none;
  return kind == ValueKind::Collection ? contents()->entries : none;
}

const Property* Object::find_property(std::string_view name) const {
  for (const Property& property : properties)
    if (SameText(property.name(), name)) return &property;
  return nullptr;
}

Property* Object::find_property(std::string_view name) {
  return const_cast<Property*>(std::as_const(*this).find_property(name));
}

const Object* Object::find_child(std::string_view name) const {
  for (const Object& child : children)
    if (SameText(child.name(), name)) return &child;
  return nullptr;
}

Object* Object::find_child(std::string_view name) {
  return const_cast<Object*>(std::as_const(*this).find_child(name));
}

Datum Datum::integer(std::int64_t value) {
  Datum datum;
  datum.kind = ValueKind::Integer;
  datum.int_value = value;
  return datum;
}

Datum Datum::real(long double value, FloatSuffix suffix) {
  Datum datum;
  datum.kind = ValueKind::Float;
  datum.float_value = value;
  datum.suffix = suffix;
  return datum;
}

Datum Datum::string(std::string_view utf8) {
  Datum datum;
  datum.kind = ValueKind::String;
  datum.text = utf8;
  return datum;
}

Datum Datum::ident(std::string_view name) {
  Datum datum;
  datum.kind = ValueKind::Ident;
  datum.text = name;
  return datum;
}

Datum Datum::set(std::vector<std::string> elements) {
  Datum datum;
  datum.kind = ValueKind::Set;
  datum.elements = std::move(elements);
  return datum;
}

Datum Datum::list(std::vector<Datum> items) {
  Datum datum;
  datum.kind = ValueKind::List;
  datum.items = std::move(items);
  return datum;
}

Datum Datum::strings(const std::vector<std::string>& lines) {
  std::vector<Datum> items;
  items.reserve(lines.size());
  for (const std::string& line : lines) items.push_back(string(line));
  return list(std::move(items));
}

Datum Datum::binary(std::string_view bytes) {
  Datum datum;
  datum.kind = ValueKind::Binary;
  datum.text = bytes;
  return datum;
}

Datum Datum::collection(std::vector<DatumItem> entries) {
  Datum datum;
  datum.kind = ValueKind::Collection;
  datum.entries = std::move(entries);
  return datum;
}

// Written out rather than defaulted: clang 14 cannot default these for the recursive types.
bool Datum::operator==(const Datum& other) const {
  return kind == other.kind && int_value == other.int_value && float_value == other.float_value &&
         suffix == other.suffix && text == other.text && elements == other.elements && items == other.items &&
         entries == other.entries;
}
bool DatumProperty::operator==(const DatumProperty& other) const {
  return name == other.name && value == other.value;
}
bool DatumItem::operator==(const DatumItem& other) const {
  return position == other.position && properties == other.properties;
}

}  // namespace vcl::dfm
