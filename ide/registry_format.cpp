#include "ide/registry_format.h"

#include <algorithm>
#include <cstdio>

#include "vcl/streaming/dfm_text_internal.h"
#include "vcl/sysutils.h"

namespace ide {
namespace {

constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00";
constexpr std::string_view kOldHeader = "REGEDIT4";

[[noreturn]] void FailAt(const std::string& fileName, int line, const std::string& reason) {
  throw host::ERegistryException("Cannot read the registry file \"" + fileName + "\": line " + std::to_string(line) +
                                 ": " + reason);
}

// UTF-16 after its byte order mark, as UTF-8.
std::string DecodeUtf16(std::string_view bytes, bool bigEndian, const std::string& fileName) {
  std::string text;
  int line = 1;
  const auto unitAt = [&](std::size_t i) -> char32_t {
    const auto first = static_cast<unsigned char>(bytes[i]), second = static_cast<unsigned char>(bytes[i + 1]);
    return bigEndian ? (first << 8 | second) : (second << 8 | first);
  };
  for (std::size_t i = 0; i < bytes.size(); i += 2) {
    if (i + 1 == bytes.size()) FailAt(fileName, line, "the UTF-16 text ends in half a character");
    char32_t c = unitAt(i);
    if (c >= 0xD800 && c < 0xDC00 && i + 3 < bytes.size() && unitAt(i + 2) >= 0xDC00 && unitAt(i + 2) < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (unitAt(i + 2) - 0xDC00);
      i += 2;
    } else if (c >= 0xD800 && c < 0xE000) {
      FailAt(fileName, line, "invalid UTF-16 text");
    }
    if (c == '\n') ++line;
    vcl::dfm::detail::append_utf8(text, c);
  }
  return text;
}

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool StartsWithText(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && vcl::SameText(s.substr(0, prefix.size()), prefix);
}

class Parser {
public:
  Parser(std::string_view text, const std::string& fileName) : text_(text), fileName_(fileName) {}

  RegistryTree Run() {
    std::string_view line;
    while (NextLine(line) && line.empty()) {
    }
    if (line != kHeader && line != kOldHeader) Fail("not a registry file (the first line is not a registry header)");
    while (NextLine(line)) {
      if (line.empty() || line.front() == ';') continue;
      if (line.front() == '[')
        ReadKeyLine(line);
      else if (line.front() == '"' || line.front() == '@')
        ReadValueLine(line);
      else
        Fail("expected a key in brackets or a quoted value name");
    }
    return std::move(tree_);
  }

private:
  [[noreturn]] void Fail(const std::string& reason) const { FailAt(fileName_, line_, reason); }

  // The next line without its line break and outer blanks; false at the end of the text.
  bool NextLine(std::string_view& line) {
    if (position_ >= text_.size()) return false;
    const std::size_t end = std::min(text_.find('\n', position_), text_.size());
    line = TrimBlanks(text_.substr(position_, end - position_));
    position_ = end + 1;
    ++line_;
    return true;
  }

  void ReadKeyLine(std::string_view line) {
    if (line.back() != ']') Fail("a key line must end with ']'");
    std::string_view path = line.substr(1, line.size() - 2);
    const bool erase = !path.empty() && path.front() == '-';
    if (erase) path.remove_prefix(1);
    if (path.empty() || path.front() == '\\' || path.back() == '\\' || path.find("\\\\") != std::string_view::npos)
      Fail("invalid key path");
    key_ = std::string(path);
    if (erase)
      tree_.DeleteKey(key_);
    else
      tree_.AddKey(key_);
    keyOpen_ = !erase;
  }

  void ReadValueLine(std::string_view line) {
    if (!keyOpen_) Fail("a value must follow a key line");
    std::string name;
    if (line.front() == '@')
      line.remove_prefix(1);
    else
      name = ReadQuoted(line);
    line = TrimBlanks(line);
    if (line.empty() || line.front() != '=') Fail("expected '=' after the value name");
    line = TrimBlanks(line.substr(1));
    if (line == "-") {
      tree_.DeleteValue(key_, name);
    } else {
      tree_.SetValue(key_, name, ReadData(line));
    }
  }

  // A double-quoted text at the start of `rest`, unescaped; `rest` continues after it.
  std::string ReadQuoted(std::string_view& rest) {
    std::string text;
    std::size_t i = 1;
    for (;; ++i) {
      if (i >= rest.size()) Fail("missing closing double quote");
      const char c = rest[i];
      if (c == '"') break;
      if (c != '\\') {
        text += c;
        continue;
      }
      if (++i >= rest.size()) Fail("missing closing double quote");
      switch (rest[i]) {
        case '\\': text += '\\'; break;
        case '"': text += '"'; break;
        case 'n': text += '\n'; break;
        case 'r': text += '\r'; break;
        default: Fail(std::string("invalid escape \\") + rest[i] + " (a backslash is written \\\\)");
      }
    }
    rest.remove_prefix(i + 1);
    return text;
  }

  host::TRegistryValue ReadData(std::string_view data) {
    if (!data.empty() && data.front() == '"') {
      std::string text = ReadQuoted(data);
      if (!TrimBlanks(data).empty()) Fail("unexpected text after the closing double quote");
      return {host::TRegistryValue::Kind::String, std::move(text), 0};
    }
    if (StartsWithText(data, "dword:")) {
      const std::string_view digits = data.substr(6);
      std::uint32_t number = 0;
      if (digits.empty() || digits.size() > 8) Fail("a dword value needs 1 to 8 hexadecimal digits");
      for (const char c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0) Fail("a dword value needs 1 to 8 hexadecimal digits");
        number = number << 4 | static_cast<std::uint32_t>(digit);
      }
      return {host::TRegistryValue::Kind::DWord, {}, number};
    }
    if (StartsWithText(data, "hex:") || StartsWithText(data, "hex(")) return {host::TRegistryValue::Kind::Other, ReadHex(data), 0};
    Fail("expected a quoted text, dword: or hex: value");
  }

  // Typed data "hex:..." or "hex(N):...", whose lines end in a backslash while more follow.
  std::string ReadHex(std::string_view data) {
    const std::size_t colon = data.find(':');
    if (colon == std::string_view::npos) Fail("invalid hex value");
    std::string text(data);
    while (text.back() == '\\') {
      text.pop_back();
      std::string_view next;
      if (!NextLine(next)) Fail("the hex value continues past the end of the file");
      text.append(next);
    }
    for (const char c : std::string_view(text).substr(colon + 1))
      if (HexDigit(c) < 0 && c != ',' && c != ' ') Fail("invalid hex value");
    return text;
  }

  std::string_view text_;
  const std::string& fileName_;
  std::size_t position_ = 0;
  int line_ = 0;
  RegistryTree tree_;
  std::string key_;
  bool keyOpen_ = false;
};

void AppendQuoted(std::string& out, std::string_view text) {
  out += '"';
  for (const char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '"': out += "\\\""; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      default: out += c;
    }
  }
  out += '"';
}

}  // namespace

RegistryTree ParseRegistryText(std::string_view bytes, const std::string& fileName) {
  std::string decoded;
  if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
    decoded = DecodeUtf16(bytes.substr(2), bytes[0] == '\xFE', fileName);
    bytes = decoded;
  } else if (bytes.starts_with("\xEF\xBB\xBF")) {
    bytes.remove_prefix(3);
  }
  if (bytes.empty()) return {};
  return Parser(bytes, fileName).Run();
}

std::string FormatRegistryText(const RegistryTree& tree) {
  std::string out(kHeader);
  out += '\n';
  for (const auto& key : tree.Keys()) {
    out += "\n[";
    out += key.Path();
    out += "]\n";
    for (const auto& value : key.Values()) {
      if (value.name.empty())
        out += '@';
      else
        AppendQuoted(out, value.name);
      out += '=';
      switch (value.data.kind) {
        case host::TRegistryValue::Kind::String:
          AppendQuoted(out, value.data.text);
          break;
        case host::TRegistryValue::Kind::DWord: {
          char digits[16];
          std::snprintf(digits, sizeof digits, "dword:%08x", static_cast<unsigned>(value.data.dword));
          out += digits;
          break;
        }
        case host::TRegistryValue::Kind::Other:
          out += value.data.text;
          break;
      }
      out += '\n';
    }
  }
  return out;
}

}  // namespace ide
