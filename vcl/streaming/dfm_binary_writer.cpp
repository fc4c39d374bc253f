// Writing binary forms: untouched object headers and values are copied from the file they
// were read from; everything else is encoded as the IDE encodes it.
#include <fmt/format.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>

#include "vcl/streaming/dfm_binary_internal.h"
#include "vcl/streaming/dfm_text_internal.h"
#include "vcl/sysutils.h"

namespace vcl::dfm {

using detail::Tag;

bool BinaryOrigin::in_source(std::string_view text) const {
  std::less_equal<const char*> at_most;
  return !source.empty() && at_most(source.data(), text.data()) &&
         at_most(text.data() + text.size(), source.data() + source.size());
}

const BinaryOrigin::Piece* BinaryOrigin::enclosing(std::string_view text) const {
  if (!in_source(text)) return nullptr;
  const auto at = static_cast<std::uint32_t>(text.data() - source.data());
  auto next = std::upper_bound(pieces.begin(), pieces.end(), at,
                               [](std::uint32_t offset, const Piece& piece) { return offset < piece.text; });
  return next == pieces.begin() ? nullptr : &*std::prev(next);
}

const BinaryOrigin::Piece* BinaryOrigin::exact(std::string_view text) const {
  const Piece* piece = enclosing(text);
  return piece && piece->size != 0 && source.data() + piece->text == text.data() ? piece : nullptr;
}

std::string binary_position(const Document& document, const BinaryOrigin& origin, std::string_view piece) {
  const BinaryOrigin::Piece* found = origin.enclosing(piece);
  if (!found) return document.file_name() + ": ";
  return fmt::format("{}: offset {}: ", document.file_name(), found->offset);
}

namespace {

class Writer {
public:
  Writer(const Document& document, const BinaryOrigin* origin) : document_(document), origin_(origin) {}

  std::string write() {
    const Object& root = document_.root();
    std::size_t size_at = std::string::npos;
    if (!origin_ || origin_->header) {
      out_ += "\xFF\x0A";
      out_ += '\0';
      if (origin_ && (origin_->in_source(root.class_name()) || SameText(header_name(), root.class_name())))
        out_ += header_name();
      else
        out_ += UpperCase(root.class_name());
      out_ += '\0';
      if (origin_)
        out_.append(origin_->bytes, origin_->stream - 6, 2);
      else
        little_endian(detail::kResourceFlags, 2);
      size_at = out_.size();
      little_endian(0, 4);
    }
    out_ += "TPF0";
    object(root);
    if (size_at != std::string::npos) {
      const std::size_t size = out_.size() - size_at - 4;
      if (size > std::numeric_limits<std::uint32_t>::max()) throw EWriteError("The form is too large for a binary form file");
      for (int i = 0; i < 4; ++i) out_[size_at + i] = static_cast<char>(size >> (8 * i));
    }
    return std::move(out_);
  }

private:
  // The resource name as read: the root's class name in upper case; kept while the class keeps
  // its name.
  std::string_view header_name() const {
    return std::string_view(origin_->bytes).substr(3, origin_->stream - 10);
  }

  void little_endian(std::uint64_t value, unsigned size) {
    for (unsigned i = 0; i < size; ++i) out_ += static_cast<char>(value >> (8 * i));
  }

  void tag(Tag tag) { out_ += static_cast<char>(tag); }

  void short_string(std::string_view text, std::string_view what) {
    if (text.size() > 255) throw EWriteError(fmt::format("{} '{}' is longer than 255 bytes", what, text));
    out_ += static_cast<char>(text.size());
    out_ += text;
  }

  // The smallest of Int8, Int16, Int32 and Int64 that holds the value.
  void integer(std::int64_t value) {
    if (value >= INT8_MIN && value <= INT8_MAX) {
      tag(Tag::Int8);
      little_endian(static_cast<std::uint64_t>(value), 1);
    } else if (value >= INT16_MIN && value <= INT16_MAX) {
      tag(Tag::Int16);
      little_endian(static_cast<std::uint64_t>(value), 2);
    } else if (value >= INT32_MIN && value <= INT32_MAX) {
      tag(Tag::Int32);
      little_endian(static_cast<std::uint64_t>(value), 4);
    } else {
      tag(Tag::Int64);
      little_endian(static_cast<std::uint64_t>(value), 8);
    }
  }

  // An untouched piece of the file, copied; false when there is none.
  bool copy(std::string_view text) {
    if (!origin_) return false;
    const BinaryOrigin::Piece* piece = origin_->exact(text);
    if (!piece) return false;
    out_ += origin_->bytes_of(*piece);
    return true;
  }

  bool header_untouched(const Object& object) {
    if (!origin_ || !origin_->in_source(object.class_name())) return false;
    const BinaryOrigin::Piece* piece = origin_->exact(object.keyword());
    if (!piece) return false;
    // The header ends with the name; an empty name is a single 0.
    const bool had_name = origin_->bytes[piece->offset + piece->size - 1] != '\0';
    return object.name().empty() ? !had_name : had_name && origin_->in_source(object.name());
  }

  void object(const Object& object) {
    if (!header_untouched(object) || !copy(object.keyword())) {
      std::uint8_t flags = object.kind == ObjectKind::Inherited ? detail::kFlagInherited
                           : object.kind == ObjectKind::Inline  ? detail::kFlagInline
                                                                : 0;
      if (object.position) flags |= detail::kFlagPosition;
      if (flags) out_ += static_cast<char>(0xF0 | flags);
      if (object.position) integer(*object.position);
      short_string(object.class_name(), "The class name");
      short_string(object.name(), "The object name");
    }
    properties(object.properties);
    for (const Object& child : object.children) this->object(child);
    out_ += '\0';
  }

  void properties(const Nodes<Property>& properties) {
    for (const Property& property : properties) {
      short_string(property.name(), "The property name");
      value(property.value, false);
    }
    out_ += '\0';
  }

  void value(const Value& value, bool in_list) {
    if (copy(value.text())) return;
    switch (value.kind) {
      case ValueKind::Integer:
        integer(document_.as_integer(value));
        break;
      case ValueKind::Float:
        real(value.text());
        break;
      case ValueKind::String:
        string(document_.as_string(value));
        break;
      case ValueKind::Ident:
        ident(value.text(), in_list);
        break;
      case ValueKind::Set:
        tag(Tag::Set);
        for (std::string_view element : document_.as_set(value)) short_string(element, "The set element");
        out_ += '\0';
        break;
      case ValueKind::List:
        tag(Tag::List);
        for (const Value& item : value.items()) this->value(item, true);
        out_ += '\0';
        break;
      case ValueKind::Binary: {
        std::string bytes = document_.as_binary(value);
        tag(Tag::Binary);
        long_length(bytes.size());
        out_ += bytes;
        break;
      }
      case ValueKind::Collection:
        tag(Tag::Collection);
        for (const CollectionItem& entry : value.entries()) {
          if (entry.position) integer(*entry.position);
          tag(Tag::List);
          properties(entry.properties);
        }
        out_ += '\0';
        break;
    }
  }

  void long_length(std::size_t size) {
    if (size > std::numeric_limits<std::uint32_t>::max()) throw EWriteError("A value is too large for a binary form");
    little_endian(size, 4);
  }

  // True, False, nil and Null have tags of their own; Null would end a list.
  void ident(std::string_view name, bool in_list) {
    if (SameText(name, "True")) {
      tag(Tag::True);
    } else if (SameText(name, "False")) {
      tag(Tag::False);
    } else if (SameText(name, "nil")) {
      tag(Tag::Nil);
    } else if (SameText(name, "Null")) {
      if (in_list) throw EWriteError("A binary form cannot hold Null in a list");
      tag(Tag::Null);
    } else {
      tag(Tag::Ident);
      short_string(name, "The identifier");
    }
  }

  // Parsed from the text itself, so that each width reads its own nearest value.
  void real(std::string_view text) {
    const char suffix = static_cast<char>(text.back() | 0x20);
    const bool suffixed = suffix == 's' || suffix == 'c' || suffix == 'd';
    if (suffixed) text.remove_suffix(1);
    const char* first = text.data();
    const char* last = first + text.size();
    auto parse = [&](auto& number) {
      auto [end, error] = std::from_chars(first, last, number);
      if (error != std::errc() || end != last) throw EWriteError(fmt::format("'{}' is not a float a binary form can hold", text));
    };
    if (suffixed && suffix == 's') {
      float number;
      parse(number);
      bits(Tag::Single, number);
    } else if (suffixed && suffix == 'd') {
      double number;
      parse(number);
      bits(Tag::Date, number);
    } else if (suffixed) {
      // The text holds the stored amount: ten thousand times the value.
      long double amount;
      parse(amount);
      amount = std::nearbyint(amount);
      if (!(std::fabs(amount) < 0x1p63L)) throw EWriteError(fmt::format("The currency amount {} is out of range", text));
      tag(Tag::Currency);
      little_endian(static_cast<std::uint64_t>(static_cast<std::int64_t>(amount)), 8);
    } else {
      long double number;
      parse(number);
      tag(Tag::Extended);
      detail::store_extended(number, out_);
    }
  }

  template <typename T>
  void bits(Tag type, T number) {
    std::uint64_t value = 0;
    std::memcpy(&value, &number, sizeof number);
    tag(type);
    little_endian(value, sizeof number);
  }

  // In the code page as String (up to 255 bytes) or LString; as WString when a character
  // is missing from the code page.
  void string(const std::string& utf8) {
    std::u32string chars = detail::utf8_to_code_points(utf8);
    std::string bytes;
    bytes.reserve(chars.size());
    const CodePage page = document_.flavour().code_page;
    for (char32_t c : chars) {
      int byte = detail::code_page_byte(page, c);
      if (byte < 0) return wide_string(chars);
      bytes += static_cast<char>(byte);
    }
    if (bytes.size() <= 255) {
      tag(Tag::String);
      out_ += static_cast<char>(bytes.size());
    } else {
      tag(Tag::LString);
      long_length(bytes.size());
    }
    out_ += bytes;
  }

  void wide_string(const std::u32string& chars) {
    std::u16string units;
    for (char32_t c : chars) {
      if (c < 0x10000) {
        units += static_cast<char16_t>(c);
      } else {
        units += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
        units += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
      }
    }
    tag(Tag::WString);
    long_length(units.size());
    for (char16_t unit : units) little_endian(unit, 2);
  }

  const Document& document_;
  const BinaryOrigin* origin_;
  std::string out_;
};

}  // namespace

std::string write_binary(const Document& document, const BinaryOrigin* origin) {
  return Writer(document, origin).write();
}

}  // namespace vcl::dfm
