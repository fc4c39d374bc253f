// Exceptions and string helpers of the component library's run-time library.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vcl {

// Root of every error the library raises; carries its message as the host's Exception does.
class Exception : public std::runtime_error {
public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

#define VCL_EXCEPTION(Name, Base)                           \
  class Name : public Base {                                \
  public:                                                   \
    explicit Name(const std::string& message) : Base(message) {} \
  }

VCL_EXCEPTION(EConvertError, Exception);
VCL_EXCEPTION(EClassNotFound, Exception);
VCL_EXCEPTION(EComponentError, Exception);
VCL_EXCEPTION(EListError, Exception);
VCL_EXCEPTION(EStringListError, EListError);
VCL_EXCEPTION(EPropertyError, Exception);
VCL_EXCEPTION(EInvalidOperation, Exception);
VCL_EXCEPTION(EInvalidCast, Exception);
VCL_EXCEPTION(EOutOfResources, Exception);
VCL_EXCEPTION(EDatabaseError, Exception);
VCL_EXCEPTION(EInOutError, Exception);
VCL_EXCEPTION(EReadError, Exception);
VCL_EXCEPTION(EWriteError, Exception);

// Case-insensitive comparison folding ASCII letters only: <0, 0 or >0.
int CompareText(std::string_view a, std::string_view b);
bool SameText(std::string_view a, std::string_view b);
// A hash of a text that texts equal by SameText share.
std::size_t HashText(std::string_view s);
// Text as characters and back (UTF-8 inside); a byte that is not UTF-8 stands for itself.
std::u32string Utf8ToChars(std::string_view s);
std::string CharsToUtf8(std::u32string_view chars);
// Case-sensitive byte comparison: <0, 0 or >0.
int CompareStr(std::string_view a, std::string_view b);

// ASCII-only case mapping, as the host's UpperCase/LowerCase.
std::string UpperCase(std::string_view s);
std::string LowerCase(std::string_view s);
// Unicode case mapping of UTF-8 text ("ÜBER" lowers to "über").
std::string AnsiUpperCase(std::string_view s);
std::string AnsiLowerCase(std::string_view s);
int AnsiCompareText(std::string_view a, std::string_view b);

// Removes characters up to and including the blank (code <= 32) from both ends / one end.
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);

std::string IntToStr(std::int64_t value);
// Upper-case hexadecimal, zero-padded to at least `digits` digits.
std::string IntToHex(std::int64_t value, int digits);
// Decimal, or "$"/"0x" followed by hexadecimal digits of either case; leading blanks are skipped.
// Anything else raises EConvertError "'X' is not a valid integer value".
int StrToInt(std::string_view s);
std::int64_t StrToInt64(std::string_view s);
int StrToIntDef(std::string_view s, int fallback);

bool IsValidIdent(std::string_view s);

}  // namespace vcl
