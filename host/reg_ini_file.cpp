#include "host/reg_ini_file.h"

#include <algorithm>

namespace host {
namespace {

TRegistrySessionFactory gFactory = nullptr;

TRegistryValue StringValue(std::string text) { return {TRegistryValue::Kind::String, std::move(text), 0}; }

// The value as text: a string as it is, a double word as its signed decimal number.
std::optional<std::string> TextOf(const TRegistryValue& value) {
  switch (value.kind) {
    case TRegistryValue::Kind::String:
      return value.text;
    case TRegistryValue::Kind::DWord:
      return vcl::IntToStr(static_cast<std::int32_t>(value.dword));
    case TRegistryValue::Kind::Other:
      break;
  }
  return std::nullopt;
}

}  // namespace

void SetRegistrySessionFactory(TRegistrySessionFactory factory) { gFactory = factory; }
TRegistrySessionFactory GetRegistrySessionFactory() { return gFactory; }

TRegIniFile::TRegIniFile(const std::string& keyPath) : keyPath_(keyPath) {
  if (!gFactory) throw ERegistryException("Cannot open the registry key \"" + keyPath + "\": no registry is installed");
  session_ = gFactory();
}

TRegIniFile::~TRegIniFile() = default;

// The opened key joined with the section; empty parts (doubled or outer backslashes) are dropped.
std::string TRegIniFile::KeyOf(const std::string& section) const {
  std::string key;
  for (const std::string_view path : {std::string_view(keyPath_), std::string_view(section)}) {
    std::size_t start = 0;
    while (start <= path.size()) {
      const std::size_t end = std::min(path.find('\\', start), path.size());
      if (end > start) {
        if (!key.empty()) key += '\\';
        key.append(path.substr(start, end - start));
      }
      start = end + 1;
    }
  }
  return key;
}

std::string TRegIniFile::ReadString(const std::string& section, const std::string& ident,
                                    const std::string& fallback) const {
  const auto value = session_->ReadValue(KeyOf(section), ident);
  const auto text = value ? TextOf(*value) : std::nullopt;
  return text ? *text : fallback;
}

int TRegIniFile::ReadInteger(const std::string& section, const std::string& ident, int fallback) const {
  const auto value = session_->ReadValue(KeyOf(section), ident);
  if (!value) return fallback;
  switch (value->kind) {
    case TRegistryValue::Kind::String:
      return vcl::StrToIntDef(value->text, fallback);
    case TRegistryValue::Kind::DWord:
      return static_cast<std::int32_t>(value->dword);
    case TRegistryValue::Kind::Other:
      break;
  }
  return fallback;
}

bool TRegIniFile::ReadBool(const std::string& section, const std::string& ident, bool fallback) const {
  return ReadInteger(section, ident, fallback ? 1 : 0) != 0;
}

void TRegIniFile::WriteString(const std::string& section, const std::string& ident, const std::string& value) {
  session_->WriteValue(KeyOf(section), ident, StringValue(value));
}

void TRegIniFile::WriteInteger(const std::string& section, const std::string& ident, int value) {
  WriteString(section, ident, vcl::IntToStr(value));
}

void TRegIniFile::WriteBool(const std::string& section, const std::string& ident, bool value) {
  WriteString(section, ident, value ? "1" : "0");
}

void TRegIniFile::ReadSectionValues(const std::string& section, vcl::TStrings& strings) const {
  const auto values = session_->ReadValues(KeyOf(section));
  strings.BeginUpdate();
  try {
    // Value names are unique ignoring case, so into an empty list each value is one new
    // line: added straight away, without looking for a line of its name.
    const bool fresh = strings.Count() == 0;
    for (const auto& [name, value] : values) {
      std::string text = TextOf(value).value_or("");
      if (!fresh)
        strings.SetValues(name, text);
      else if (!text.empty())
        strings.Add(name + "=" + text);
    }
  } catch (...) {
    strings.EndUpdate();
    throw;
  }
  strings.EndUpdate();
}

void TRegIniFile::EraseSection(const std::string& section) { session_->DeleteKey(KeyOf(section)); }

void TRegIniFile::DeleteKey(const std::string& section, const std::string& ident) {
  session_->DeleteValue(KeyOf(section), ident);
}

void TRegIniFile::DeleteValue(const std::string& name) { session_->DeleteValue(KeyOf(""), name); }

}  // namespace host
