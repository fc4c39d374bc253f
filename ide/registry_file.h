// The user's registry as the IDE keeps it: the file $XDG_CONFIG_HOME/zolt/registry.reg
// (~/.config/zolt/registry.reg when the variable is unset) in the registry export text format.
#pragma once

#include <memory>
#include <string>

#include "host/reg_ini_file.h"

namespace ide {

// The path of the registry file, from the environment as it is now.
std::string RegistryFilePath();

// A session of the registry file at `path`: reads the file as it is now (parsing it again only
// when it changed since this process last parsed it) and stores each write at once, replayed
// under an exclusive lock onto the file as it is then and written atomically. A file that cannot
// be parsed raises ERegistryException naming the file and line, and is never overwritten.
std::unique_ptr<host::IRegistrySession> OpenRegistryFile(const std::string& path);

// Makes every host::TRegIniFile use the registry file at RegistryFilePath().
void InstallRegistryFile();
// The same for a dry run: the file is read as it is now, and every later write is seen by
// later reads of this process but never reaches the file. InstallRegistryFile ends it.
void InstallUnsavedRegistryFile();

}  // namespace ide
