// The prefix store reads the section afresh on each call, so a dialog's write is seen by the
// next lookup in any process.
#include "prefix/ZoltPrefix.h"

#include "host/reg_ini_file.h"
#include "package/ZoltConst.h"
#include "vcl/strings.h"

namespace zolt {

std::string FindPrefix(std::string className) {
  host::TRegIniFile store(RegistryKey);
  return store.ReadString(PrefixSection, className, "");
}

std::string PrefixUsers(std::string prefix) {
  host::TRegIniFile store(RegistryKey);
  vcl::TStringList lines;
  store.ReadSectionValues(PrefixSection, lines);
  std::string result;
  std::string separator = " and ";
  for (int i = 0; i < lines.Count(); ++i) {
    // The line is "class=prefix": the class name ends at the first "=".
    const std::string& line = lines.Strings(i);
    const auto equals = line.find('=');
    if (line.compare(equals + 1, std::string::npos, prefix) != 0) continue;
    const std::string className = line.substr(0, equals);
    if (result.empty()) {
      result = className;
    } else {
      result += separator + className;
      separator = ", ";
    }
  }
  return result;
}

}  // namespace zolt
