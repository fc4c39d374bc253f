// Reading a file the user named (a form, a unit, a list) whole, refusing what is not one.
#pragma once

#include <cstdint>
#include <string>

namespace vcl {

// Larger input files are refused: no form, unit or list comes near this size, and reading one
// whole into memory would only exhaust it.
inline constexpr std::uint64_t kMaxInputFileSize = 256u << 20;

// The bytes of the regular file at `path`. Raises EInOutError with a message naming the file
// when it is missing or unreadable ("Cannot open PATH: reason"), a directory ("PATH is a
// directory, not a file"), a device, pipe or socket ("PATH is not a regular file") or larger than
// kMaxInputFileSize ("PATH is larger than 256 MB").
std::string ReadWholeFile(const std::string& path);

}  // namespace vcl
