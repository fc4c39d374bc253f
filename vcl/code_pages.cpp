#include "vcl/code_pages.h"

#include <iconv.h>

#include <memory>
#include <string>

namespace vcl {

int CodePageOfCharset(TFontCharset charset) {
  switch (charset) {
    case SHIFTJIS_CHARSET: return 932;
    case HANGEUL_CHARSET: return 949;
    case JOHAB_CHARSET: return 1361;
    case GB2312_CHARSET: return 936;
    case CHINESEBIG5_CHARSET: return 950;
    case GREEK_CHARSET: return 1253;
    case TURKISH_CHARSET: return 1254;
    case VIETNAMESE_CHARSET: return 1258;
    case HEBREW_CHARSET: return 1255;
    case ARABIC_CHARSET: return 1256;
    case BALTIC_CHARSET: return 1257;
    case RUSSIAN_CHARSET: return 1251;
    case THAI_CHARSET: return 874;
    case EASTEUROPE_CHARSET: return 1250;
    case OEM_CHARSET: return 437;
    default: return 0;
  }
}

std::optional<std::string> DecodeCodePage(std::string_view bytes, int codePage) {
  iconv_t converter = iconv_open("UTF-8", ("CP" + std::to_string(codePage)).c_str());
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::unique_ptr<void, int (*)(iconv_t)> closer(converter, iconv_close);
  // A character of these code pages takes at most 4 bytes of UTF-8 per byte.
  std::string out(bytes.size() * 4, '\0');
  char* in = const_cast<char*>(bytes.data());
  std::size_t inLeft = bytes.size();
  char* to = out.data();
  std::size_t outLeft = out.size();
  if (iconv(converter, &in, &inLeft, &to, &outLeft) == static_cast<std::size_t>(-1)) return std::nullopt;
  // A sequence cut short at the end is not text of the code page either.
  if (iconv(converter, nullptr, nullptr, &to, &outLeft) == static_cast<std::size_t>(-1)) return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}

}  // namespace vcl
