// The per-user settings store: an INI-style view of a key of the user's registry, in which a
// section is a sub-key and an ident is a value name.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "vcl/strings.h"
#include "vcl/sysutils.h"

namespace host {

// Raised when the store cannot be opened, read or written.
VCL_EXCEPTION(ERegistryException, vcl::Exception);

// One value as the registry holds it.
struct TRegistryValue {
  enum class Kind {
    String,  // `text` holds it
    DWord,   // `dword` holds it
    Other,   // binary and other typed data, kept as `text` in the stored form; not readable as text
  };
  Kind kind = Kind::String;
  std::string text;
  std::uint32_t dword = 0;
};

// A session of the user's registry, as the IDE provides it. Key paths are full paths below
// HKEY_CURRENT_USER with parts separated by backslashes ("Software\Borland\Delphi\Zol-t\Align");
// key paths and value names match ignoring letter case and keep the case they were created with.
// Reads see the registry as it was when the session started, plus the session's own writes.
// Every write takes effect on the stored registry before it returns; failures raise
// ERegistryException.
class IRegistrySession {
public:
  virtual ~IRegistrySession() = default;

  // The value, or nothing when it or its key is absent.
  virtual std::optional<TRegistryValue> ReadValue(std::string_view key, std::string_view name) const = 0;
  // The values of the key in the order they were created, with their names; empty when the key is absent.
  virtual std::vector<std::pair<std::string, TRegistryValue>> ReadValues(std::string_view key) const = 0;
  // Stores the value, creating the key as needed.
  virtual void WriteValue(std::string_view key, std::string_view name, const TRegistryValue& value) = 0;
  // Removes one value; nothing happens when it is absent.
  virtual void DeleteValue(std::string_view key, std::string_view name) = 0;
  // Removes the key with its values and every key below it; nothing happens when it is absent.
  virtual void DeleteKey(std::string_view key) = 0;
};

// Starts a session of the user's registry. The IDE installs its factory at start-up; opening a
// store without one raises ERegistryException.
using TRegistrySessionFactory = std::unique_ptr<IRegistrySession> (*)();
void SetRegistrySessionFactory(TRegistrySessionFactory factory);
TRegistrySessionFactory GetRegistrySessionFactory();

// The settings store opened at a key path below HKEY_CURRENT_USER (for example
// "Software\Borland\Delphi\Zol-t"). Section "" is the opened key; "Align\TPanel" names a nested
// sub-key. Section and value names match ignoring letter case. Reads see the store as it was
// when the object was created, plus its own writes; each write is stored at once. Integers and
// booleans are stored as their decimal text ("12", "1"/"0").
class TRegIniFile {
public:
  // Opens the store; raises ERegistryException when it cannot be read.
  explicit TRegIniFile(const std::string& keyPath);
  ~TRegIniFile();
  TRegIniFile(const TRegIniFile&) = delete;
  TRegIniFile& operator=(const TRegIniFile&) = delete;

  // The key path the store was opened at.
  const std::string& FileName() const { return keyPath_; }

  // The stored value, or `fallback` when the value or its section is absent. An integer that
  // is not a valid number reads as `fallback`; a boolean is true when its number is not 0.
  std::string ReadString(const std::string& section, const std::string& ident, const std::string& fallback) const;
  int ReadInteger(const std::string& section, const std::string& ident, int fallback) const;
  bool ReadBool(const std::string& section, const std::string& ident, bool fallback) const;

  // Stores the value, creating the section as needed.
  void WriteString(const std::string& section, const std::string& ident, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& ident, int value);
  void WriteBool(const std::string& section, const std::string& ident, bool value);

  // Sets one "name=text" line of `strings` per value of the section, in the order the values
  // were created, as TStrings::SetValues does: a line of that name already there is replaced,
  // and a value with empty text gives no line. Other lines of `strings` stay.
  void ReadSectionValues(const std::string& section, vcl::TStrings& strings) const;
  // Removes the section with its values and every section below it.
  void EraseSection(const std::string& section);
  // Removes one value of the section.
  void DeleteKey(const std::string& section, const std::string& ident);
  // Removes one value of the opened key.
  void DeleteValue(const std::string& name);

private:
  std::string KeyOf(const std::string& section) const;

  std::string keyPath_;
  std::unique_ptr<IRegistrySession> session_;
};

}  // namespace host
