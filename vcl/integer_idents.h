// Symbolic names of integer property values (clBtnFace, crHandPoint, DEFAULT_CHARSET):
// form files write such a value by its name when it has one.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "vcl/typinfo.h"

namespace vcl {

struct TIdentMapEntry {
  int Value;
  const char* Name;
};

using TIdentToInt = bool (*)(std::string_view ident, int& value);
using TIntToIdent = bool (*)(int value, std::string& ident);

// Look-ups in a name table; names compare ignoring case. False when absent.
bool IdentToInt(std::string_view ident, int& value, std::span<const TIdentMapEntry> map);
bool IntToIdent(int value, std::string& ident, std::span<const TIdentMapEntry> map);

// The converters of an integer type, found by its type descriptor. The library's own
// types (TColor, TCursor, TFontCharset) are known from the start; null when none.
void RegisterIntegerConsts(const TTypeInfo* type, TIdentToInt identToInt, TIntToIdent intToIdent);
TIdentToInt FindIdentToInt(const TTypeInfo* type);
TIntToIdent FindIntToIdent(const TTypeInfo* type);

}  // namespace vcl
