// Reading binary forms: the stream is checked byte by byte and rendered as the text the IDE
// writes, which the text reader then turns into the document; the origin remembers which
// bytes each object header and property value came from.
#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>

#include "vcl/streaming/dfm_binary_internal.h"
#include "vcl/streaming/dfm_text_internal.h"
#include "vcl/sysutils.h"

namespace vcl::dfm {

using detail::Tag;

namespace {

// A name from the file for a message: printable ASCII as it is, other bytes as #n, cut short.
std::string quoted(std::string_view name) {
  constexpr std::size_t kShown = 40;
  std::string out = "'";
  for (std::size_t i = 0; i < name.size() && i < kShown; ++i) {
    auto c = static_cast<unsigned char>(name[i]);
    if (c >= 32 && c < 127)
      out += static_cast<char>(c);
    else
      out += fmt::format("#{}", c);
  }
  out += name.size() > kShown ? "'..." : "'";
  return out;
}

class Reader {
public:
  Reader(std::string_view bytes, std::string_view file_name, CodePage code_page)
      : begin_(reinterpret_cast<const unsigned char*>(bytes.data())),
        p_(begin_),
        end_(begin_ + bytes.size()),
        file_name_(file_name) {
    flavour_.dialect = Dialect::DelphiAncient;
    flavour_.utf8 = false;
    flavour_.code_page = code_page;
  }

  // Reads the whole file into `origin` and returns the text it renders to.
  std::string read(BinaryOrigin& origin) {
    origin_ = &origin;
    if (p_ < end_ && *p_ == 0xFF) resource_header();
    origin.stream = offset(p_);
    if (end_ - p_ < 4 || std::memcmp(p_, "TPF0", 4) != 0) fail(p_, "the component stream does not start with TPF0");
    p_ += 4;
    object(0);
    if (p_ != end_) fail(p_, fmt::format("{} unexpected bytes after the end of the root object", end_ - p_));
    out_ += "\r\n";
    return std::move(out_);
  }

private:
  [[noreturn]] void fail(const unsigned char* at, std::string_view message) const {
    throw EReadError(fmt::format("{}: offset {}: {}", file_name_, at - begin_, message));
  }

  std::uint32_t offset(const unsigned char* at) const { return static_cast<std::uint32_t>(at - begin_); }

  void need(std::uint64_t count, std::string_view what) const {
    if (static_cast<std::uint64_t>(end_ - p_) < count)
      fail(p_, fmt::format("{} needs {} bytes but the form ends after {}", what, count, end_ - p_));
  }

  std::uint64_t little_endian(unsigned size, std::string_view what) {
    need(size, what);
    std::uint64_t value = 0;
    for (unsigned i = size; i-- > 0;) value = value << 8 | p_[i];
    p_ += size;
    return value;
  }

  std::string_view bytes(std::uint64_t count, std::string_view what) {
    need(count, what);
    std::string_view view(reinterpret_cast<const char*>(p_), count);
    p_ += count;
    return view;
  }

  std::string_view short_string(std::string_view what) {
    need(1, what);
    std::uint8_t length = *p_++;
    return bytes(length, what);
  }

  // The next byte, which must exist: the end of the data here means a missing terminator.
  std::uint8_t peek(std::string_view what) const {
    if (p_ == end_) fail(p_, fmt::format("the form ends before the end of {}", what));
    return *p_;
  }

  void enter() {
    if (++depth_ > detail::kMaxDepth) fail(p_, fmt::format("nesting deeper than {} levels", detail::kMaxDepth));
  }

  void check_name(std::string_view name, bool dotted, const unsigned char* at, std::string_view what) const {
    if (!detail::is_name(name, dotted)) fail(at, fmt::format("{} {} is not a valid identifier", what, quoted(name)));
  }

  void newline(unsigned level) {
    out_ += "\r\n";
    out_.append(2 * std::size_t{level}, ' ');
  }

  void resource_header() {
    ++p_;
    if (end_ - p_ < 2 || p_[0] != 0x0A || p_[1] != 0) fail(p_, "the resource type must be 10 (raw data)");
    p_ += 2;
    const unsigned char* name_end = std::find(p_, end_, 0);
    if (name_end == end_) fail(p_, "the resource name has no end");
    p_ = name_end + 1;
    little_endian(2, "the resource flags");
    const unsigned char* size_at = p_;
    std::uint64_t size = little_endian(4, "the resource size");
    if (size != static_cast<std::uint64_t>(end_ - p_))
      fail(size_at, fmt::format("the resource header gives a size of {} bytes but {} follow", size, end_ - p_));
    origin_->header = true;
  }

  // An integer value (tags Int8 to Int64) after its tag.
  std::int64_t integer(Tag tag) {
    switch (tag) {
      case Tag::Int8:
        return static_cast<std::int8_t>(little_endian(1, "an 8-bit integer"));
      case Tag::Int16:
        return static_cast<std::int16_t>(little_endian(2, "a 16-bit integer"));
      case Tag::Int32:
        return static_cast<std::int32_t>(little_endian(4, "a 32-bit integer"));
      default:
        return static_cast<std::int64_t>(little_endian(8, "a 64-bit integer"));
    }
  }

  // A child position or collection item order: an 8, 16 or 32-bit integer value.
  std::int32_t small_integer(std::string_view what) {
    const unsigned char* at = p_;
    auto tag = static_cast<Tag>(peek(what));
    if (tag != Tag::Int8 && tag != Tag::Int16 && tag != Tag::Int32) fail(at, fmt::format("{} must be an integer", what));
    ++p_;
    return static_cast<std::int32_t>(integer(tag));
  }

  void object(unsigned level) {
    enter();
    const unsigned char* at = p_;
    std::uint8_t flags = 0;
    std::optional<std::int32_t> position;
    if ((peek("the object") & 0xF0) == 0xF0) {
      flags = *p_++ & 0x0F;
      if (flags & ~(detail::kFlagInherited | detail::kFlagPosition | detail::kFlagInline))
        fail(at, fmt::format("unknown object flags {:#x}", flags));
      if (flags & detail::kFlagPosition) position = small_integer("the child position");
    }
    const unsigned char* class_at = p_;
    std::string_view class_name = short_string("the class name");
    check_name(class_name, true, class_at, "the class name");
    const unsigned char* name_at = p_;
    std::string_view name = short_string("the object name");
    if (!name.empty()) check_name(name, false, name_at, "the object name");

    if (level > 0) newline(level);
    const auto text_at = static_cast<std::uint32_t>(out_.size());
    out_ += flags & detail::kFlagInherited ? "inherited "
            : flags & detail::kFlagInline  ? "inline "
                                           : "object ";
    if (!name.empty()) out_.append(name).append(": ");
    out_ += class_name;
    if (position) out_ += fmt::format(" [{}]", *position);
    origin_->pieces.push_back({text_at, offset(at), offset(p_) - offset(at)});

    while (peek("the property list") != 0) property(level + 1, true);
    ++p_;
    while (peek("the list of child objects") != 0) object(level + 1);
    ++p_;
    newline(level);
    out_ += "end";
    --depth_;
  }

  // A property line at `level`; `located` records where its name and value came from.
  void property(unsigned level, bool located) {
    const unsigned char* at = p_;
    std::string_view name = short_string("the property name");
    check_name(name, true, at, "the property name");
    for (std::string_view keyword : {"object", "inherited", "inline", "end"})
      if (detail::is_keyword(name, keyword)) fail(at, fmt::format("the property name {} is a keyword", quoted(name)));
    newline(level);
    if (located) origin_->pieces.push_back({static_cast<std::uint32_t>(out_.size()), offset(at), 0});
    out_ += name;
    out_ += " =";
    const unsigned char* value_at = p_;
    const std::size_t text_at = out_.size();
    value(level);
    if (!located) return;
    // The value's text starts after the blanks (and line break) that follow "=".
    std::size_t start = text_at;
    while (start < out_.size() && static_cast<unsigned char>(out_[start]) < 33) ++start;
    origin_->pieces.push_back({static_cast<std::uint32_t>(start), offset(value_at), offset(p_) - offset(value_at)});
  }

  // A value whose text follows "=" or a list item's line start; scalars start with a blank.
  void value(unsigned level) {
    const unsigned char* at = p_;
    auto tag = static_cast<Tag>(peek("the value"));
    ++p_;
    if (*at <= static_cast<unsigned>(Tag::Utf8String)) origin_->tags |= 1u << *at;
    switch (tag) {
      case Tag::List:
        out_ += ' ';
        list(level);
        return;
      case Tag::Collection:
        out_ += ' ';
        collection(level);
        return;
      case Tag::Extended: {
        need(10, "an Extended float");
        long double number;
        if (!detail::load_extended(p_, number)) fail(at, "the Extended float is not a finite number");
        p_ += 10;
        finite_float(at, number, "");
        return;
      }
      case Tag::Single: {
        float number;
        std::uint32_t bits = static_cast<std::uint32_t>(little_endian(4, "a Single float"));
        std::memcpy(&number, &bits, 4);
        finite_float(at, number, "s");
        return;
      }
      case Tag::Date: {
        double number;
        std::uint64_t bits = little_endian(8, "a date");
        std::memcpy(&number, &bits, 8);
        finite_float(at, number, "d");
        return;
      }
      case Tag::Int8:
      case Tag::Int16:
      case Tag::Int32:
      case Tag::Int64:
        out_.append(" ").append(std::to_string(integer(tag)));
        return;
      case Tag::Ident: {
        std::string_view name = short_string("an identifier");
        check_name(name, true, at + 1, "the identifier");
        out_.append(" ").append(name);
        return;
      }
      case Tag::Null:
        out_ += " Null";
        return;
      case Tag::False:
        out_ += " False";
        return;
      case Tag::True:
        out_ += " True";
        return;
      case Tag::Nil:
        out_ += " nil";
        return;
      case Tag::Currency:
        // The text holds the stored amount, ten thousand times the value.
        out_.append(" ").append(std::to_string(integer(Tag::Int64))).append("c");
        return;
      default:
        out_ += detail::render_assignment(scalar(tag, at), flavour_, level).substr(2);
    }
  }

  template <typename T>
  void finite_float(const unsigned char* at, T number, std::string_view suffix) {
    if (!std::isfinite(number)) fail(at, "the float is not a finite number");
    // The text reader takes no subnormal numbers; so close to 0 they are no form's values.
    if (std::fpclassify(number) == FP_SUBNORMAL) fail(at, "the float is too small to be written as text");
    out_.append(" ").append(detail::float_text(number)).append(suffix);
  }

  // Strings, binary data and sets, which the text form's own renderer writes.
  Datum scalar(Tag tag, const unsigned char* at) {
    switch (tag) {
      case Tag::String:
        return code_page_string(short_string("a string"));
      case Tag::LString:
        return code_page_string(bytes(little_endian(4, "a long string's length"), "a long string"));
      case Tag::WString:
        return wide_string(little_endian(4, "a wide string's length"));
      case Tag::Utf8String: {
        std::string_view text = bytes(little_endian(4, "a UTF-8 string's length"), "a UTF-8 string");
        if (!detail::is_valid_utf8(text)) fail(at, "the UTF-8 string is not valid UTF-8");
        return Datum::string(text);
      }
      case Tag::Binary:
        return Datum::binary(bytes(little_endian(4, "binary data's length"), "binary data"));
      case Tag::Set: {
        std::vector<std::string> elements;
        for (;;) {
          const unsigned char* element_at = p_;
          std::string_view element = short_string("a set element");
          if (element.empty()) break;
          check_name(element, false, element_at, "the set element");
          elements.emplace_back(element);
        }
        return Datum::set(std::move(elements));
      }
      default:
        if (static_cast<unsigned>(tag) == 21)
          fail(at, "value type 21 means a Double to some writers and a Unicode string to others; it cannot be read safely");
        fail(at, fmt::format("unknown value type {}", static_cast<unsigned>(tag)));
    }
  }

  Datum code_page_string(std::string_view bytes) const {
    std::string utf8;
    utf8.reserve(bytes.size());
    for (unsigned char byte : bytes) detail::append_utf8(utf8, detail::code_page_char(flavour_.code_page, byte));
    return Datum::string(utf8);
  }

  Datum wide_string(std::uint64_t count) {
    std::string_view units = bytes(2 * count, "a wide string");
    std::string utf8;
    for (std::size_t i = 0; i < count; ++i) {
      char32_t unit = static_cast<unsigned char>(units[2 * i]) | static_cast<unsigned char>(units[2 * i + 1]) << 8;
      char32_t next = 0;
      if (i + 1 < count)
        next = static_cast<unsigned char>(units[2 * i + 2]) | static_cast<unsigned char>(units[2 * i + 3]) << 8;
      if (unit >= 0xD800 && unit < 0xDC00 && next >= 0xDC00 && next < 0xE000) {
        unit = 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00);
        ++i;
      } else if (unit >= 0xD800 && unit < 0xE000) {
        unit = 0xFFFD;  // a lone surrogate
      }
      detail::append_utf8(utf8, unit);
    }
    return Datum::string(utf8);
  }

  // "(" then one item a line, ")" straight after the last.
  void list(unsigned level) {
    enter();
    out_ += '(';
    while (peek("the list") != 0) {
      newline(level + 1);
      const std::size_t blank = out_.size();
      value(level + 1);
      out_.erase(blank, 1);  // the blank that would follow "="
    }
    ++p_;
    out_ += ')';
    --depth_;
  }

  // "<", then per item "item [n]", its properties and "end"; ">" straight after the last.
  void collection(unsigned level) {
    enter();
    out_ += '<';
    while (peek("the collection") != 0) {
      newline(level + 1);
      out_ += "item";
      if (static_cast<Tag>(*p_) != Tag::List) out_ += fmt::format(" [{}]", small_integer("the item order"));
      if (peek("the collection item") != static_cast<std::uint8_t>(Tag::List))
        fail(p_, "a collection item must start with a list");
      ++p_;
      while (peek("the collection item") != 0) property(level + 2, false);
      ++p_;
      newline(level + 1);
      out_ += "end";
    }
    ++p_;
    out_ += '>';
    --depth_;
  }

  const unsigned char* const begin_;
  const unsigned char* p_;
  const unsigned char* const end_;
  std::string_view file_name_;
  Flavour flavour_;
  BinaryOrigin* origin_ = nullptr;
  std::string out_;
  unsigned depth_ = 0;
};

}  // namespace

bool is_binary_form(std::string_view bytes) {
  return (!bytes.empty() && static_cast<unsigned char>(bytes[0]) == 0xFF) || bytes.starts_with("TPF0");
}

BinaryForm::BinaryForm(Document document, std::unique_ptr<BinaryOrigin> origin)
    : document(std::move(document)), origin(std::move(origin)) {}
BinaryForm::BinaryForm(BinaryForm&&) noexcept = default;
BinaryForm& BinaryForm::operator=(BinaryForm&&) noexcept = default;
BinaryForm::~BinaryForm() = default;

BinaryForm read_binary(std::string bytes, std::string file_name, CodePage code_page) {
  if (bytes.size() > std::numeric_limits<std::uint32_t>::max())
    throw EReadError(file_name + ": file too large for a form");
  auto origin = std::make_unique<BinaryOrigin>();
  origin->bytes = std::move(bytes);
  std::string text = Reader(origin->bytes, file_name, code_page).read(*origin);
  if (text.size() > std::numeric_limits<std::uint32_t>::max())
    throw EReadError(file_name + ": form too large to read");
  ReadOptions options;
  options.dialect = Dialect::DelphiAncient;
  options.code_page = code_page;
  const std::size_t text_size = text.size();
  Document document = Document::parse(std::move(text), std::move(file_name), options);
  Flavour& flavour = document.flavour();
  flavour.utf8 = false;
  flavour.code_page = code_page;
  flavour.fixed_floats = false;
  origin->source = std::string_view(document.root().keyword().data(), text_size);
  return BinaryForm(std::move(document), std::move(origin));
}

}  // namespace vcl::dfm
