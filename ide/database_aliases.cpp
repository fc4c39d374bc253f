#include "ide/database_aliases.h"

#include "host/reg_ini_file.h"
#include "vcl/sysutils.h"

namespace ide {

namespace {
constexpr const char* kSettingsKey = "Software\\Borland\\Delphi\\Zol-t";
constexpr const char* kAliasesSection = "Aliases\\";
constexpr const char* kDriverValue = "DRIVER";
}  // namespace

std::optional<vcl::TDatabaseAlias> StoredAlias(const std::string& name) {
  // An alias is a name: it holds no section separator.
  if (!host::GetRegistrySessionFactory() || name.find('\\') != std::string::npos) return std::nullopt;
  host::TRegIniFile store(kSettingsKey);
  vcl::TStringList lines;
  store.ReadSectionValues(kAliasesSection + name, lines);
  if (lines.Count() == 0) return std::nullopt;
  vcl::TDatabaseAlias alias;
  for (int i = 0; i < lines.Count(); ++i) {
    std::string line = lines.Strings(i);
    if (vcl::SameText(lines.Names(i), kDriverValue))
      alias.DriverName = line.substr(line.find('=') + 1);
    else
      alias.Params.push_back(line);
  }
  return alias;
}

}  // namespace ide
