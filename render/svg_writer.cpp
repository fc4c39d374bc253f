#include "render/svg_writer.h"

#include <fmt/format.h>

#include <algorithm>

#include "render/png.h"
#include "vcl/sysutils.h"
#include "vcl/text_metrics.h"

namespace vcl::svg {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD
constexpr std::string_view kDefaultFamily = "'MS Sans Serif','Microsoft Sans Serif',Tahoma,Arial,sans-serif";

// The length of the well-formed UTF-8 character at `i` whose code is allowed in XML;
// 0 for a malformed byte or a character XML cannot hold.
std::size_t ValidCharAt(std::string_view s, std::size_t i, char32_t& code) {
  auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  unsigned char lead = byte(i);
  std::size_t length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : (lead & 0xF8) == 0xF0 ? 4 : 0;
  if (length == 0 || i + length > s.size()) return 0;
  code = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(i + k) & 0x3F);
  }
  static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  bool overlong = code < kSmallest[length];
  bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  bool xmlAllowed = code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code != 0xFFFE && code != 0xFFFF);
  if (overlong || surrogate || code > 0x10FFFF || !xmlAllowed) return 0;
  return length;
}

// The CSS font list for a font name, with fallbacks of similar shape.
std::string FontFamily(const std::string& name) {
  if (SameText(name, "MS Sans Serif") || SameText(name, "MS Shell Dlg")) return std::string(kDefaultFamily);
  if (SameText(name, "Arial")) return "Arial,'Liberation Sans',Helvetica,sans-serif";
  if (SameText(name, "Courier New")) return "'Courier New','Liberation Mono',monospace";
  if (SameText(name, "Tahoma") || SameText(name, "MS Shell Dlg 2")) return "Tahoma,'DejaVu Sans',sans-serif";
  std::string quoted;
  for (char c : name)
    if (c != '\'' && c != '"' && c != '\\') quoted += c;
  return "'" + quoted + "'," + std::string(kDefaultFamily);
}

// The size of the font's em in pixels: a negative height is the em itself, a positive
// one the cell height including internal leading.
int EmPixels(const TFont& font) {
  int height = font.Height();
  return height < 0 ? -height : MulDiv(height, 11, 13);
}

}  // namespace

std::string Escape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    char32_t code = 0;
    std::size_t length = ValidCharAt(text, i, code);
    if (length == 0) {
      out += kReplacement;
      ++i;
      continue;
    }
    switch (code) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&apos;"; break;
      case '\t':
      case '\r':
      case '\n': out += ' '; break;
      default: out.append(text.substr(i, length));
    }
    i += length;
  }
  return out;
}

std::string Hex(TColor color) {
  TColor rgb = ColorToRGB(color);
  return fmt::format("#{:02X}{:02X}{:02X}", rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

std::string Base64(std::string_view bytes) {
  static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    std::size_t n = std::min<std::size_t>(3, bytes.size() - i);
    std::uint32_t chunk = 0;
    for (std::size_t k = 0; k < 3; ++k)
      chunk = (chunk << 8) | (k < n ? static_cast<unsigned char>(bytes[i + k]) : 0u);
    for (std::size_t k = 0; k < 4; ++k) out += k <= n ? kDigits[(chunk >> (18 - 6 * k)) & 0x3F] : '=';
  }
  return out;
}

TAccelText ParseAccel(std::string_view caption) {
  TAccelText result;
  bool marked = false;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] != '&') {
      result.text += caption[i];
      continue;
    }
    if (i + 1 >= caption.size()) continue;
    if (caption[i + 1] == '&') {
      result.text += '&';
      ++i;
    } else if (!marked) {
      marked = true;
      result.markStart = result.text.size();
      auto lead = static_cast<unsigned char>(caption[i + 1]);
      std::size_t length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : 4;
      result.markLength = std::min(length, caption.size() - i - 1);
    }
  }
  return result;
}

int Ascent(const TFont& font) { return MulDiv(MeasureTextHeight(font), 11, 13); }

// ---- structure

void TWriter::OpenViewport(const TRect& r, std::string_view attributes) {
  out_ += fmt::format("<svg x=\"{}\" y=\"{}\" width=\"{}\" height=\"{}\" viewBox=\"{} {} {} {}\"", r.Left, r.Top,
                      std::max(0, r.Width()), std::max(0, r.Height()), r.Left, r.Top, std::max(0, r.Width()),
                      std::max(0, r.Height()));
  if (!attributes.empty()) out_ += ' ';
  out_ += attributes;
  out_ += ">\n";
}

void TWriter::OpenGroup(std::string_view attributes) {
  out_ += "<g ";
  out_ += attributes;
  out_ += ">\n";
}

// ---- shapes

void TWriter::Fill(const TRect& r, TColor color) {
  if (r.Width() <= 0 || r.Height() <= 0) return;
  out_ += fmt::format("<rect x=\"{}\" y=\"{}\" width=\"{}\" height=\"{}\" fill=\"{}\"/>\n", r.Left, r.Top, r.Width(),
                      r.Height(), Hex(color));
}

void TWriter::Frame(const TRect& r, TColor color) { Edge(r, color, color); }

void TWriter::DashedFrame(const TRect& r, TColor color) {
  if (r.Width() <= 1 || r.Height() <= 1) return Fill(r, color);
  out_ += fmt::format(
      "<rect x=\"{}.5\" y=\"{}.5\" width=\"{}\" height=\"{}\" fill=\"none\" stroke=\"{}\" stroke-dasharray=\"4 2\"/>\n",
      r.Left, r.Top, r.Width() - 1, r.Height() - 1, Hex(color));
}

void TWriter::Edge(const TRect& r, TColor topLeft, TColor bottomRight) {
  int w = r.Width(), h = r.Height();
  if (w <= 0 || h <= 0) return;
  if (w < 2 || h < 2) return Fill(r, bottomRight);
  // Top row up to the last column and left column up to the last row.
  out_ += fmt::format("<path d=\"M{} {}h{}v1h{}v{}h-1z\" fill=\"{}\"/>\n", r.Left, r.Top, w - 1, -(w - 2), h - 2,
                      Hex(topLeft));
  // Right column and bottom row, corners included.
  out_ += fmt::format("<path d=\"M{} {}h1v{}h{}v-1h{}z\" fill=\"{}\"/>\n", r.Right - 1, r.Top, h, -w, w - 1,
                      Hex(bottomRight));
}

void TWriter::Pixels(int x, int y, const std::vector<std::string>& rows, TColor color) {
  std::string d;
  int row = 0;
  for (const std::string& line : rows) {
    for (std::size_t i = 0; i < line.size();) {
      if (line[i] != '#') {
        ++i;
        continue;
      }
      std::size_t end = line.find_first_not_of('#', i);
      if (end == std::string::npos) end = line.size();
      d += fmt::format("M{} {}h{}v1h{}z", x + static_cast<int>(i), y + row, end - i, -static_cast<int>(end - i));
      i = end;
    }
    ++row;
  }
  if (!d.empty()) out_ += fmt::format("<path d=\"{}\" fill=\"{}\"/>\n", d, Hex(color));
}

std::string TWriter::PatternId(std::string_view kind, TPoint origin) {
  auto residue = [](int v) { return ((v % 8) + 8) % 8; };
  return fmt::format("{}-{}-{}", kind, residue(origin.X), residue(origin.Y));
}

void TWriter::Grid(const TRect& r, TPoint origin, TColor color) {
  std::string id = PatternId("grid" + Hex(color).substr(1), origin);
  if (!defs_.contains(id))
    defs_[id] = fmt::format(
        "<pattern id=\"{}\" x=\"{}\" y=\"{}\" width=\"8\" height=\"8\" patternUnits=\"userSpaceOnUse\">"
        "<rect width=\"1\" height=\"1\" fill=\"{}\"/></pattern>",
        id, ((origin.X % 8) + 8) % 8, ((origin.Y % 8) + 8) % 8, Hex(color));
  if (r.Width() > 0 && r.Height() > 0)
    out_ += fmt::format("<rect x=\"{}\" y=\"{}\" width=\"{}\" height=\"{}\" fill=\"url(#{})\"/>\n", r.Left, r.Top,
                        r.Width(), r.Height(), id);
}

void TWriter::Dither(const TRect& r) {
  if (!defs_.contains("dither"))
    defs_["dither"] = fmt::format(
        "<pattern id=\"dither\" width=\"2\" height=\"2\" patternUnits=\"userSpaceOnUse\">"
        "<rect width=\"2\" height=\"2\" fill=\"{}\"/><rect width=\"1\" height=\"1\" fill=\"{}\"/>"
        "<rect x=\"1\" y=\"1\" width=\"1\" height=\"1\" fill=\"{}\"/></pattern>",
        Hex(clBtnFace), Hex(clBtnHighlight), Hex(clBtnHighlight));
  if (r.Width() > 0 && r.Height() > 0)
    out_ += fmt::format("<rect x=\"{}\" y=\"{}\" width=\"{}\" height=\"{}\" fill=\"url(#dither)\"/>\n", r.Left, r.Top,
                        r.Width(), r.Height());
}

void TWriter::Gradient(const TRect& r, TColor from, TColor to) {
  std::string id = "fade-" + Hex(from).substr(1) + "-" + Hex(to).substr(1);
  if (!defs_.contains(id))
    defs_[id] = fmt::format(
        "<linearGradient id=\"{}\" x1=\"0\" y1=\"0\" x2=\"1\" y2=\"0\"><stop offset=\"0\" stop-color=\"{}\"/>"
        "<stop offset=\"1\" stop-color=\"{}\"/></linearGradient>",
        id, Hex(from), Hex(to));
  if (r.Width() > 0 && r.Height() > 0)
    out_ += fmt::format("<rect x=\"{}\" y=\"{}\" width=\"{}\" height=\"{}\" fill=\"url(#{})\"/>\n", r.Left, r.Top,
                        r.Width(), r.Height(), id);
}

// ---- text

void TWriter::Text(int x, int y, std::string_view text, const TFont& font, TColor color) {
  if (text.empty()) return;
  out_ += fmt::format("<text x=\"{}\" y=\"{}\" font-size=\"{}\"", x, y + Ascent(font), EmPixels(font));
  std::string family = FontFamily(font.Name());
  if (family != kDefaultFamily) out_ += " font-family=\"" + Escape(family) + "\"";
  if (font.HasStyle(fsBold)) out_ += " font-weight=\"bold\"";
  if (font.HasStyle(fsItalic)) out_ += " font-style=\"italic\"";
  if (font.HasStyle(fsUnderline) || font.HasStyle(fsStrikeOut)) {
    out_ += " text-decoration=\"";
    out_ += font.HasStyle(fsUnderline) ? (font.HasStyle(fsStrikeOut) ? "underline line-through" : "underline")
                                       : "line-through";
    out_ += "\"";
  }
  out_ += " fill=\"" + Hex(color) + "\"";
  int width = MeasureTextWidth(font, text);
  if (width > 0) out_ += fmt::format(" textLength=\"{}\" lengthAdjust=\"spacingAndGlyphs\"", width);
  out_ += fmt::format(">{}</text>\n", Escape(text));
}

void TWriter::Caption(int x, int y, std::string_view caption, const TFont& font, TColor color, bool showAccel) {
  if (!showAccel) return Text(x, y, caption, font, color);
  TAccelText accel = ParseAccel(caption);
  Text(x, y, accel.text, font, color);
  if (accel.markLength == 0) return;
  int before = MeasureTextWidth(font, std::string_view(accel.text).substr(0, accel.markStart));
  int width = MeasureTextWidth(font, std::string_view(accel.text).substr(accel.markStart, accel.markLength));
  Fill(Bounds(x + before, y + Ascent(font) + 1, width, 1), color);
}

void TWriter::DisabledCaption(int x, int y, std::string_view caption, const TFont& font, bool showAccel) {
  Caption(x + 1, y + 1, caption, font, clBtnHighlight, showAccel);
  Caption(x, y, caption, font, clBtnShadow, showAccel);
}

// ---- pictures

void TWriter::EncodedImage(const TRect& r, std::string_view mime, const std::vector<std::uint8_t>& bytes) {
  out_ += fmt::format(
      "<image x=\"{}\" y=\"{}\" width=\"{}\" height=\"{}\" preserveAspectRatio=\"none\" image-rendering=\"optimizeSpeed\" "
      "xlink:href=\"data:{};base64,{}\"/>\n",
      r.Left, r.Top, r.Width(), r.Height(), mime,
      Base64(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())));
}

void TWriter::Image(const TRect& r, const TBitmap& bitmap, TColor transparent) {
  if (bitmap.Empty() || r.Width() <= 0 || r.Height() <= 0) return;
  if (transparent == clNone) return EncodedImage(r, "image/bmp", bitmap.SaveToBmp());
  EncodedImage(r, "image/png", EncodePng(bitmap, transparent));
}

void TWriter::Icon(const TRect& r, const std::vector<std::uint8_t>& ico) {
  if (ico.empty() || r.Width() <= 0 || r.Height() <= 0) return;
  EncodedImage(r, "image/x-icon", ico);
}

std::string TWriter::Document(TPoint size, const TRect& view) const {
  std::string doc = fmt::format(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" version=\"1.1\" "
      "width=\"{}\" height=\"{}\" viewBox=\"{} {} {} {}\" shape-rendering=\"crispEdges\" font-family=\"{}\" "
      "font-size=\"11\" xml:space=\"preserve\">\n",
      size.X, size.Y, view.Left, view.Top, view.Width(), view.Height(), Escape(kDefaultFamily));
  if (!defs_.empty()) {
    doc += "<defs>\n";
    for (const auto& [id, definition] : defs_) doc += definition + "\n";
    doc += "</defs>\n";
  }
  doc += out_;
  doc += "</svg>\n";
  return doc;
}

}  // namespace vcl::svg
