// The registry export text format: a header line ("Windows Registry Editor Version 5.00" or
// "REGEDIT4"), then per key a line "[path]" followed by its values, one per line:
// "name"="text" (backslash and double quote escaped by a backslash, line breaks as \n and \r),
// "name"=dword:0000000c, "name"=hex:... (other typed data), and @=... for the unnamed value.
// A key line "[-path]" deletes that key and "name"=- deletes a value; lines starting with ';'
// are comments.
#pragma once

#include <string>
#include <string_view>

#include "ide/registry_tree.h"

namespace ide {

// Reads the bytes of a registry file: UTF-8 (a byte order mark is skipped) or UTF-16 with its
// byte order mark. An empty file is an empty registry. Anything that cannot be read raises
// host::ERegistryException naming `fileName` and the line.
RegistryTree ParseRegistryText(std::string_view bytes, const std::string& fileName);

// The text of the registry in UTF-8, keys and values in their order.
std::string FormatRegistryText(const RegistryTree& tree);

}  // namespace ide
