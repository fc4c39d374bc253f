// A string list's lines as an 8-bit text file in the system code page (Windows-1252, the
// code page of the form files): the library's LoadFromFile and SaveToFile.
#pragma once

#include <string>

#include "vcl/strings.h"

namespace vcl {

// Replaces the lines of `strings` by those of the file: split at CR LF, a lone CR and a lone
// LF, a last line without a break included, a NUL ending the text; lines kept exactly (blank
// ones too). A sorted list sorts them. Raises EInOutError naming the file when it cannot be
// read; the lines are then unchanged.
void LoadStringsFromFile(TStrings& strings, const std::string& path);

// Writes every line followed by CR LF (an empty list gives an empty file), atomically.
// Raises EConvertError for a character the code page cannot hold and EInOutError when the
// file cannot be written; the file is then untouched.
void SaveStringsToFile(const TStrings& strings, const std::string& path);

}  // namespace vcl
