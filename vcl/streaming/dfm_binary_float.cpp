// Floats of binary forms: the x87 80-bit format and exact text for every float width.
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "vcl/streaming/dfm_binary_internal.h"
#include "vcl/sysutils.h"

namespace vcl::dfm::detail {

static_assert(std::numeric_limits<long double>::digits == 64,
              "Extended floats need the x87 80-bit long double");

namespace {

// Rewrites the exponent of std::to_chars ("1e-05", "1e+20") as the text form writes it
// ("1E-5", "1E20"); a bare integer gains ".0" so that it still reads as a float.
template <typename T>
std::string shortest(T value) {
  if (!std::isfinite(value)) throw EConvertError("A form file cannot hold an infinite or undefined float");
  char buffer[64];
  auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
  std::size_t e = text.find('e');
  std::string out(text.substr(0, e));
  if (e == std::string_view::npos) {
    if (out.find('.') == std::string::npos) out += ".0";
    return out;
  }
  std::string_view exponent = text.substr(e + 1);
  out += 'E';
  if (exponent[0] == '-') out += '-';
  exponent.remove_prefix(1);
  std::size_t digits = exponent.find_first_not_of('0');
  out += digits == std::string_view::npos ? "0" : exponent.substr(digits);
  return out;
}

}  // namespace

std::string float_text(long double value) { return shortest(value); }
std::string float_text(double value) { return shortest(value); }
std::string float_text(float value) { return shortest(value); }

bool load_extended(const unsigned char* bytes, long double& value) {
  std::uint64_t mantissa = 0;
  for (int i = 7; i >= 0; --i) mantissa = mantissa << 8 | bytes[i];
  const unsigned exponent = (bytes[8] | bytes[9] << 8) & 0x7FFF;
  const bool integer_bit = mantissa >> 63;
  // All ones is an infinity or NaN; a non-zero exponent needs the explicit integer bit.
  if (exponent == 0x7FFF || (exponent != 0 && !integer_bit)) return false;
  value = 0;
  std::memcpy(&value, bytes, 10);
  return true;
}

void store_extended(long double value, std::string& out) {
  unsigned char bytes[sizeof(long double)] = {};
  std::memcpy(bytes, &value, sizeof value);
  out.append(reinterpret_cast<const char*>(bytes), 10);
}

}  // namespace vcl::dfm::detail
