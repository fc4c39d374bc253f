#include "vcl/text_metrics.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "vcl/sysutils.h"

namespace vcl {

namespace {

using AdvanceTable = std::array<unsigned char, 95>;  // characters 32..126

struct FontFamily {
  const AdvanceTable* advances;
  int lineHeight;  // at an 11-pixel em
};

constexpr AdvanceTable kMsSansSerif = {
    3, 3, 4, 7, 6, 8, 7, 2, 3, 3, 4, 6, 3, 3, 3, 5, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 3, 3,
    6, 6, 6, 6, 11, 7, 7, 7, 8, 7, 6, 8, 8, 3, 5, 7, 6, 9, 8, 8, 7, 8, 8, 7, 7, 8, 7, 11,
    7, 7, 7, 3, 3, 3, 6, 6, 3, 6, 6, 6, 6, 6, 3, 6, 6, 2, 2, 6, 2, 8, 6, 6, 6, 6, 3, 5,
    3, 6, 6, 8, 5, 5, 5, 4, 2, 4, 7};
constexpr AdvanceTable kArial = {
    3, 3, 4, 6, 6, 10, 7, 2, 4, 4, 4, 6, 3, 4, 3, 3, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 3, 3,
    6, 6, 6, 6, 11, 7, 7, 8, 8, 7, 7, 9, 8, 3, 6, 7, 6, 9, 8, 9, 7, 9, 8, 7, 7, 8, 7, 10,
    7, 7, 7, 3, 3, 3, 5, 6, 4, 6, 6, 6, 6, 6, 3, 6, 6, 2, 2, 6, 2, 9, 6, 6, 6, 6, 4, 6,
    3, 6, 6, 8, 6, 6, 6, 4, 3, 4, 6};
constexpr AdvanceTable kTahoma = {
    3, 4, 4, 8, 6, 11, 7, 2, 4, 4, 6, 8, 3, 4, 3, 4, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 4, 4,
    8, 8, 8, 5, 10, 7, 6, 7, 7, 6, 6, 7, 7, 4, 5, 6, 5, 8, 7, 8, 6, 8, 7, 6, 6, 7, 7, 10,
    6, 6, 6, 4, 4, 4, 8, 6, 6, 6, 6, 5, 6, 6, 3, 6, 6, 3, 3, 5, 3, 9, 6, 6, 6, 6, 4, 5,
    4, 6, 5, 8, 5, 5, 5, 5, 4, 5, 8};
constexpr AdvanceTable kCourierNew = [] {
  AdvanceTable t{};
  t.fill(7);
  return t;
}();

const FontFamily& FamilyOf(const TFont& font) {
  static const FontFamily msSansSerif{&kMsSansSerif, 13};
  static const FontFamily arial{&kArial, 14};
  static const FontFamily tahoma{&kTahoma, 13};
  static const FontFamily courierNew{&kCourierNew, 14};
  const std::string& name = font.Name();
  if (SameText(name, "Arial")) return arial;
  if (SameText(name, "Tahoma") || SameText(name, "MS Shell Dlg 2")) return tahoma;
  if (SameText(name, "Courier New")) return courierNew;
  return msSansSerif;
}

// Rounds numerator / denominator half away from zero (both positive).
int RoundedRatio(long long numerator, long long denominator) {
  return static_cast<int>((numerator + denominator / 2) / denominator);
}

// Decodes one UTF-8 character starting at `i`, advancing `i`; a malformed byte counts alone.
char32_t NextChar(std::string_view s, std::size_t& i) {
  auto lead = static_cast<unsigned char>(s[i]);
  if (lead < 0x80) {
    ++i;
    return lead;
  }
  std::size_t extra = (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2 : (lead & 0xF8) == 0xF0 ? 3 : 0;
  char32_t c = lead & (0x3F >> extra);
  for (std::size_t k = 1; k <= extra; ++k) {
    if (i + k >= s.size() || (static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) extra = 0;
    if (extra == 0) break;
    c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
  }
  if (extra == 0) {
    ++i;
    return 0xFFFD;
  }
  i += extra + 1;
  return c;
}

}  // namespace

int MeasureTextWidth(const TFont& font, std::string_view text) {
  const AdvanceTable& advances = *FamilyOf(font).advances;
  long long units = 0;
  int count = 0;
  for (std::size_t i = 0; i < text.size();) {
    char32_t c = NextChar(text, i);
    units += c >= 32 && c <= 126 ? advances[c - 32] : advances['n' - 32];
    ++count;
  }
  int size = std::abs(font.Size());
  int width = RoundedRatio(units * size, 8);
  if (font.HasStyle(fsBold)) width += count;
  return width;
}

int MeasureTextHeight(const TFont& font) {
  int em = std::abs(font.Height());
  return RoundedRatio(static_cast<long long>(FamilyOf(font).lineHeight) * em, 11);
}

std::string StripAccelChars(std::string_view caption) {
  std::string out;
  out.reserve(caption.size());
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] != '&') {
      out += caption[i];
    } else if (i + 1 < caption.size() && caption[i + 1] == '&') {
      out += '&';
      ++i;
    }
  }
  return out;
}

namespace {
std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  lines.emplace_back(text.substr(start));
  return lines;
}

// Breaks one line into pieces no wider than maxWidth, between words.
void WrapLine(const TFont& font, const std::string& line, int maxWidth, std::vector<std::string>& out) {
  std::string current;
  std::size_t i = 0;
  while (i < line.size()) {
    std::size_t end = line.find(' ', i);
    std::size_t wordEnd = end == std::string::npos ? line.size() : end;
    std::string word = line.substr(i, wordEnd - i);
    std::string candidate = current.empty() ? word : current + " " + word;
    if (!current.empty() && MeasureTextWidth(font, candidate) > maxWidth) {
      out.push_back(current);
      current = word;
    } else {
      current = candidate;
    }
    i = wordEnd == line.size() ? wordEnd : wordEnd + 1;
  }
  out.push_back(current);
}
}  // namespace

TTextLayoutResult LayoutText(const TFont& font, std::string_view text, bool wordWrap, int maxWidth) {
  TTextLayoutResult result;
  for (const std::string& line : SplitLines(text)) {
    if (wordWrap)
      WrapLine(font, line, maxWidth, result.lines);
    else
      result.lines.push_back(line);
  }
  for (const std::string& line : result.lines) result.width = std::max(result.width, MeasureTextWidth(font, line));
  result.height = MeasureTextHeight(font) * static_cast<int>(result.lines.size());
  return result;
}

}  // namespace vcl
