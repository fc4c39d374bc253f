// The Windows code pages of font character sets, and text in them decoded to UTF-8 (with the
// C library's converters).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "vcl/font.h"

namespace vcl {

// The code page a font of `charset` draws its 8-bit text in (GB2312_CHARSET: 936,
// RUSSIAN_CHARSET: 1251, ...); 0 for the character sets without one of their own (ANSI,
// the system's default, symbols).
int CodePageOfCharset(TFontCharset charset);

// `bytes` in Windows code page `codePage` as UTF-8; nothing when they are not valid text of
// that code page or the code page is not available.
std::optional<std::string> DecodeCodePage(std::string_view bytes, int codePage);

}  // namespace vcl
