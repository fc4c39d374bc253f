#include "vcl/streaming/strings_file.h"

#include <fstream>
#include <sstream>

#include "vcl/streaming/atomic_file.h"
#include "vcl/streaming/dfm_text_internal.h"
#include "vcl/sysutils.h"

namespace vcl {

namespace {

constexpr dfm::CodePage kSystemCodePage = dfm::CodePage::Windows1252;

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw EInOutError("Cannot open file " + path);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) throw EInOutError("Cannot read file " + path);
  return bytes.str();
}

}  // namespace

void LoadStringsFromFile(TStrings& strings, const std::string& path) {
  std::string text;
  for (unsigned char byte : ReadBytes(path)) dfm::detail::append_utf8(text, dfm::detail::code_page_char(kSystemCodePage, byte));
  strings.SetText(text);
}

void SaveStringsToFile(const TStrings& strings, const std::string& path) {
  std::string bytes;
  for (char32_t c : dfm::detail::utf8_to_code_points(strings.Text())) {
    int byte = dfm::detail::code_page_byte(kSystemCodePage, c);
    if (byte < 0)
      throw EConvertError("Cannot write " + path + ": the character U+" + IntToHex(static_cast<int>(c), 4) +
                          " has no place in the code page Windows-1252");
    bytes += static_cast<char>(byte);
  }
  WriteFileAtomic(path, bytes);
}

}  // namespace vcl
