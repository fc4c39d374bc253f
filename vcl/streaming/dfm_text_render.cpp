// Rendering of new values, properties and objects the way the IDE writes them, per flavour.
#include <fmt/format.h>

#include <charconv>
#include <cmath>
#include <cstdio>

#include "vcl/streaming/dfm_text_internal.h"
#include "vcl/sysutils.h"

namespace vcl::dfm::detail {

namespace {

constexpr std::size_t kLineLength = 64;    // characters of a string per line
constexpr std::size_t kBytesPerLine = 32;  // bytes of binary data per line

bool is_integer_text(std::string_view text) {
  if (!text.empty() && text[0] == '-') text.remove_prefix(1);
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// "[n]" of a child object or collection item; Delphi writes a blank before it.
std::string position_text(std::int32_t position, const Flavour& flavour) {
  return fmt::format("{}[{}]", flavour.dialect == Dialect::Lazarus ? "" : " ", position);
}

// A character of a string as written: raw inside quotes, or as a #n code.
struct Unit {
  char32_t code;
  bool raw;
};

// Delphi's FloatToStr: 15 significant digits, exponent as "E-5".
std::string general_float(long double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.15Lg", value);
  std::string text = buffer;
  std::size_t e = text.find('e');
  if (e == std::string::npos) return text;
  std::string exponent = text.substr(e + 1);
  std::string result = text.substr(0, e) + "E";
  if (exponent[0] == '-') result += '-';
  std::size_t digits = exponent.find_first_not_of("+-0");
  result += digits == std::string::npos ? "0" : exponent.substr(digits);
  return result;
}

// 16 significant digits shown with 18 decimals ("37089.037992210700000000").
std::string fixed_float(long double value) {
  if (!(std::fabs(value) < 1e16L)) return general_float(value);
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.15Le", value);
  std::string_view text = buffer;
  bool negative = text[0] == '-';
  if (negative) text.remove_prefix(1);
  std::string digits = std::string(text.substr(0, 1)) + std::string(text.substr(2, 15));
  std::string_view exponent_text = text.substr(text.find('e') + 1);
  if (exponent_text[0] == '+') exponent_text.remove_prefix(1);
  int exponent = 0;
  std::from_chars(exponent_text.data(), exponent_text.data() + exponent_text.size(), exponent);
  const int point = exponent + 1;  // digits before the decimal point
  std::string whole, fraction;
  if (point <= 0) {
    whole = "0";
    fraction = std::string(static_cast<std::size_t>(-point), '0') + digits;
  } else if (static_cast<std::size_t>(point) >= digits.size()) {
    whole = digits + std::string(static_cast<std::size_t>(point) - digits.size(), '0');
  } else {
    whole = digits.substr(0, static_cast<std::size_t>(point));
    fraction = digits.substr(static_cast<std::size_t>(point));
  }
  if (fraction.size() > 18) {
    bool round_up = fraction[18] >= '5';
    fraction.resize(18);
    std::string number = whole + fraction;
    for (std::size_t i = number.size(); round_up && i-- > 0;) {
      round_up = number[i] == '9';
      number[i] = round_up ? '0' : static_cast<char>(number[i] + 1);
    }
    if (round_up) number.insert(number.begin(), '1');
    whole = number.substr(0, number.size() - 18);
    fraction = number.substr(number.size() - 18);
  }
  fraction.resize(18, '0');
  bool zero = (whole + fraction).find_first_not_of('0') == std::string::npos;
  return (negative && !zero ? "-" : "") + whole + "." + fraction;
}

class Renderer {
public:
  explicit Renderer(const Flavour& flavour) : flavour_(flavour) {}

  std::string out;

  void newline(unsigned level) {
    out += newline_text(flavour_.newline);
    out.append(2 * std::size_t{level}, ' ');
  }

  // A value of a property whose line is indented `level` times.
  void value(const Datum& datum, unsigned level) {
    switch (datum.kind) {
      case ValueKind::Integer:
        out += std::to_string(datum.int_value);
        break;
      case ValueKind::Float:
        real(datum.float_value, datum.suffix);
        break;
      case ValueKind::String:
        string(datum.text, level);
        break;
      case ValueKind::Ident:
        check_name(datum.text, true);
        out += datum.text;
        break;
      case ValueKind::Set:
        set(datum.elements);
        break;
      case ValueKind::List:
        list(datum.items, level);
        break;
      case ValueKind::Binary:
        binary(datum.text, level);
        break;
      case ValueKind::Collection:
        collection(datum.entries, level);
        break;
    }
  }

  void property(std::string_view name, const Datum& datum, unsigned level) {
    check_name(name, true);
    newline(level);
    out += name;
    out += " = ";
    value(datum, level);
  }

private:
  bool lazarus() const { return flavour_.dialect == Dialect::Lazarus; }

  void real(long double value, FloatSuffix suffix) {
    if (!std::isfinite(value)) throw EInvalidOperation("A form file cannot hold an infinite float");
    if (suffix == FloatSuffix::Currency) value *= 10000;
    out += flavour_.fixed_floats ? fixed_float(value) : general_float(value);
    if (suffix != FloatSuffix::None) out += static_cast<char>(suffix);
  }

  // Appends the bytes of a non-ASCII character to write raw inside quotes; false when the
  // flavour writes it as #n codes.
  bool put_raw(char32_t c, std::string* into) const {
    if (c < 0x80) {
      if (into) *into += static_cast<char>(c);
      return true;
    }
    if (flavour_.dialect == Dialect::DelphiModern) return false;
    if (flavour_.utf8) {
      if (into) append_utf8(*into, c);
      return true;
    }
    int byte = code_page_byte(flavour_.code_page, c);
    if (byte >= 0 && into) *into += static_cast<char>(byte);
    return byte >= 0;
  }

  static void add_utf16(std::vector<Unit>& units, char32_t c) {
    if (c < 0x10000) {
      units.push_back({c, false});
    } else {
      units.push_back({0xD800 + ((c - 0x10000) >> 10), false});
      units.push_back({0xDC00 + ((c - 0x10000) & 0x3FF), false});
    }
  }

  void string(std::string_view utf8, unsigned level) {
    std::u32string chars = utf8_to_code_points(utf8);
    if (chars.empty()) {
      out += "''";
      return;
    }
    if (lazarus())
      lazarus_string(chars);
    else
      delphi_string(chars, level);
  }

  // Control characters and quotes as #n; long strings start on a new line and are cut every
  // 64 characters (a #n counts as one) with " +".
  void delphi_string(const std::u32string& chars, unsigned level) {
    std::vector<Unit> units;
    for (char32_t c : chars) {
      if (c >= 32 && c != '\'' && put_raw(c, nullptr))
        units.push_back({c, true});
      else
        add_utf16(units, c);
    }
    const std::size_t length = units.size();
    if (length > kLineLength) newline(level + 1);
    std::size_t i = 0, line_start = 0;
    while (i < length) {
      if (units[i].raw) {
        out += '\'';
        do put_raw(units[i].code, &out);
        while (++i < length && units[i].raw && i - line_start < kLineLength);
        out += '\'';
      } else {
        out += '#';
        out += std::to_string(static_cast<std::uint32_t>(units[i].code));
        ++i;
      }
      if (i - line_start >= kLineLength && i < length) {
        out += " +";
        newline(level + 1);
        line_start = i;
      }
    }
  }

  // Control characters as #n, a quote doubled, everything else raw; never wrapped.
  void lazarus_string(const std::u32string& chars) {
    bool quoted = false;
    auto quote = [&](bool inside) {
      if (quoted != inside) out += '\'';
      quoted = inside;
    };
    for (char32_t c : chars) {
      if (c >= 32 && put_raw(c, nullptr)) {
        quote(true);
        if (c == '\'') out += '\'';
        put_raw(c, &out);
      } else {
        quote(false);
        std::vector<Unit> units;
        add_utf16(units, c);
        for (const Unit& unit : units)
          out += '#' + std::to_string(static_cast<std::uint32_t>(unit.code));
      }
    }
    quote(false);
  }

  void set(const std::vector<std::string>& elements) {
    out += '[';
    for (std::size_t i = 0; i < elements.size(); ++i) {
      if (!is_integer_text(elements[i])) check_name(elements[i], false);
      if (i > 0) out += ", ";
      out += elements[i];
    }
    out += ']';
  }

  void list(const std::vector<Datum>& items, unsigned level) {
    out += '(';
    for (const Datum& item : items) {
      newline(level + 1);
      value(item, level + 1);
    }
    if (lazarus()) newline(level);
    out += ')';
  }

  void binary(std::string_view bytes, unsigned level) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const bool multiline = lazarus() || bytes.size() >= kBytesPerLine;
    out += '{';
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      if (multiline && i % kBytesPerLine == 0) newline(level + 1);
      auto byte = static_cast<unsigned char>(bytes[i]);
      out += kHex[byte >> 4];
      out += kHex[byte & 15];
    }
    if (lazarus()) newline(level);
    out += '}';
  }

  // Items one a line; Lazarus ends the "<" line and each "end" but the last with the
  // property's indentation.
  void collection(const std::vector<DatumItem>& entries, unsigned level) {
    out += '<';
    for (const DatumItem& entry : entries) {
      if (lazarus()) out.append(2 * std::size_t{level}, ' ');
      newline(level + 1);
      out += "item";
      if (entry.position) out += position_text(*entry.position, flavour_);
      for (const DatumProperty& property : entry.properties)
        this->property(property.name, property.value, level + 2);
      newline(level + 1);
      out += "end";
    }
    out += '>';
  }

  const Flavour& flavour_;
};

}  // namespace

void check_name(std::string_view name, bool dotted) {
  if (!is_name(name, dotted))
    throw EInvalidOperation(fmt::format("'{}' is not a valid identifier", name));
}

std::string render_assignment(const Datum& value, const Flavour& flavour, unsigned level) {
  Renderer renderer(flavour);
  renderer.out = " = ";
  renderer.value(value, level);
  return std::move(renderer.out);
}

std::string render_property(std::string_view name, const Datum& value, const Flavour& flavour,
                            unsigned level) {
  Renderer renderer(flavour);
  renderer.property(name, value, level);
  return std::move(renderer.out);
}

std::string render_object(ObjectKind kind, std::string_view name, std::string_view class_name,
                          std::optional<std::int32_t> position, const Flavour& flavour,
                          unsigned level) {
  if (!name.empty()) check_name(name, false);
  check_name(class_name, true);
  Renderer renderer(flavour);
  renderer.newline(level);
  renderer.out += kind == ObjectKind::Inherited ? "inherited "
                  : kind == ObjectKind::Inline  ? "inline "
                                                : "object ";
  if (!name.empty()) renderer.out += fmt::format("{}: ", name);
  renderer.out += class_name;
  if (position) renderer.out += position_text(*position, flavour);
  renderer.newline(level);
  renderer.out += "end";
  return std::move(renderer.out);
}

}  // namespace vcl::dfm::detail
