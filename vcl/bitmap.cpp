#include "vcl/bitmap.h"

#include <algorithm>
#include <optional>

#include "vcl/class_builder.h"
#include "vcl/icon.h"

namespace vcl {

// ---- TGraphic

TClass TGraphic::ClassInfo() {
  static TClass cls = TClassBuilder<TGraphic>("TGraphic", TPersistent::ClassInfo()).Build();
  return cls;
}

void TGraphic::SetTransparent(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  Changed();
}

// ---- BMP decoding

namespace {

// The largest picture accepted, in pixels: guards against absurd sizes in bad data.
constexpr long long kMaxPixels = 1LL << 26;

[[noreturn]] void Invalid(const std::string& reason) {
  throw EInvalidGraphic("Bitmap image is not valid: " + reason);
}

class Reader {
public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::uint32_t U8(std::size_t at) const { return Byte(at); }
  std::uint32_t U16(std::size_t at) const { return Byte(at) | Byte(at + 1) << 8; }
  std::uint32_t U32(std::size_t at) const { return U16(at) | U16(at + 2) << 16; }
  std::int32_t I32(std::size_t at) const { return static_cast<std::int32_t>(U32(at)); }
  std::size_t Size() const { return bytes_.size(); }

private:
  std::uint32_t Byte(std::size_t at) const {
    if (at >= bytes_.size()) Invalid("unexpected end of data");
    return bytes_[at];
  }
  std::span<const std::uint8_t> bytes_;
};

TColor FromRgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) { return RGB(int(r), int(g), int(b)); }

// Extracts the channel selected by `mask` and scales it to 0..255.
std::uint32_t Channel(std::uint32_t value, std::uint32_t mask) {
  if (mask == 0) return 0;
  int shift = 0;
  while (!((mask >> shift) & 1)) ++shift;
  std::uint32_t max = mask >> shift;
  return ((value & mask) >> shift) * 255 / max;
}

struct Header {
  int width = 0;
  int height = 0;
  bool topDown = false;
  int bpp = 0;
  std::uint32_t compression = 0;
  std::uint32_t masks[3] = {0, 0, 0};
  std::vector<TColor> palette;
  std::size_t pixelOffset = 0;
};

constexpr std::uint32_t BI_RGB = 0, BI_RLE8 = 1, BI_RLE4 = 2, BI_BITFIELDS = 3;

Header ReadHeader(const Reader& in) {
  if (in.Size() < 26 || in.U8(0) != 'B' || in.U8(1) != 'M') Invalid("no BM header");
  Header h;
  std::size_t infoSize = in.U32(14);
  std::size_t paletteAt = 14 + infoSize;
  int entryBytes = 4;
  std::uint32_t colorsUsed = 0;
  if (infoSize == 12) {
    h.width = static_cast<int>(in.U16(18));
    h.height = static_cast<int>(in.U16(20));
    h.bpp = static_cast<int>(in.U16(24));
    entryBytes = 3;
  } else if (infoSize >= 40) {
    h.width = in.I32(18);
    int height = in.I32(22);
    h.topDown = height < 0;
    h.height = height < 0 ? -height : height;
    h.bpp = static_cast<int>(in.U16(28));
    h.compression = in.U32(30);
    colorsUsed = in.U32(46);
    if (h.compression == BI_BITFIELDS) {
      std::size_t at = 54;  // masks follow a 40-byte header, or open the rest of a longer one
      for (auto& m : h.masks) {
        m = in.U32(at);
        at += 4;
      }
      if (infoSize == 40) paletteAt += 12;
    }
  } else {
    Invalid("unknown header size " + std::to_string(infoSize));
  }
  if (h.width <= 0 || h.height <= 0) Invalid("bad size");
  if (static_cast<long long>(h.width) * h.height > kMaxPixels) Invalid("picture too large");
  switch (h.bpp) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: Invalid("unsupported colour depth " + std::to_string(h.bpp));
  }
  bool compressionFits = h.compression == BI_RGB || (h.compression == BI_RLE8 && h.bpp == 8) ||
                         (h.compression == BI_RLE4 && h.bpp == 4) ||
                         (h.compression == BI_BITFIELDS && (h.bpp == 16 || h.bpp == 32));
  if (!compressionFits) Invalid("unsupported compression " + std::to_string(h.compression));
  if (h.compression == BI_RLE8 || h.compression == BI_RLE4) {
    if (h.topDown) Invalid("compressed picture stored top-down");
  }
  if (h.bpp <= 8) {
    std::size_t count = colorsUsed ? colorsUsed : (1u << h.bpp);
    if (count > 256) Invalid("bad palette size");
    for (std::size_t i = 0; i < count; ++i) {
      std::size_t at = paletteAt + i * static_cast<std::size_t>(entryBytes);
      h.palette.push_back(FromRgb(in.U8(at + 2), in.U8(at + 1), in.U8(at)));
    }
  }
  h.pixelOffset = in.U32(10);
  if (h.pixelOffset == 0 || h.pixelOffset >= in.Size()) Invalid("bad pixel data offset");
  return h;
}

TColor PaletteColor(const Header& h, std::uint32_t index) {
  if (index >= h.palette.size()) Invalid("palette index out of range");
  return h.palette[index];
}

void DecodeRows(const Reader& in, const Header& h, std::vector<TColor>& out) {
  std::size_t stride = ((static_cast<std::size_t>(h.width) * static_cast<std::size_t>(h.bpp) + 31) / 32) * 4;
  if (h.pixelOffset + stride * static_cast<std::size_t>(h.height) > in.Size()) Invalid("unexpected end of data");
  for (int row = 0; row < h.height; ++row) {
    int y = h.topDown ? row : h.height - 1 - row;
    std::size_t base = h.pixelOffset + stride * static_cast<std::size_t>(row);
    for (int x = 0; x < h.width; ++x) {
      auto ux = static_cast<std::size_t>(x);
      TColor c;
      switch (h.bpp) {
        case 1: c = PaletteColor(h, (in.U8(base + ux / 8) >> (7 - ux % 8)) & 1); break;
        case 4: c = PaletteColor(h, (in.U8(base + ux / 2) >> (ux % 2 ? 0 : 4)) & 0xF); break;
        case 8: c = PaletteColor(h, in.U8(base + ux)); break;
        case 16: {
          std::uint32_t v = in.U16(base + ux * 2);
          if (h.compression == BI_BITFIELDS)
            c = FromRgb(Channel(v, h.masks[0]), Channel(v, h.masks[1]), Channel(v, h.masks[2]));
          else
            c = FromRgb(Channel(v, 0x7C00), Channel(v, 0x03E0), Channel(v, 0x001F));
          break;
        }
        case 24: c = FromRgb(in.U8(base + ux * 3 + 2), in.U8(base + ux * 3 + 1), in.U8(base + ux * 3)); break;
        default: {
          std::uint32_t v = in.U32(base + ux * 4);
          if (h.compression == BI_BITFIELDS)
            c = FromRgb(Channel(v, h.masks[0]), Channel(v, h.masks[1]), Channel(v, h.masks[2]));
          else
            c = FromRgb((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
        }
      }
      out[static_cast<std::size_t>(y) * static_cast<std::size_t>(h.width) + ux] = c;
    }
  }
}

// Run-length encoded 8- or 4-bit data, rows bottom-up; pixels not drawn stay palette colour 0.
void DecodeRle(const Reader& in, const Header& h, std::vector<TColor>& out) {
  bool four = h.compression == BI_RLE4;
  std::fill(out.begin(), out.end(), PaletteColor(h, 0));
  int x = 0, y = 0;  // y counts rows from the bottom
  auto put = [&](std::uint32_t index) {
    if (x < h.width && y < h.height)
      out[static_cast<std::size_t>(h.height - 1 - y) * static_cast<std::size_t>(h.width) +
          static_cast<std::size_t>(x)] = PaletteColor(h, index);
    ++x;
  };
  std::size_t at = h.pixelOffset;
  while (true) {
    std::uint32_t count = in.U8(at), value = in.U8(at + 1);
    at += 2;
    if (count > 0) {
      for (std::uint32_t i = 0; i < count; ++i) put(four ? (i % 2 ? value & 0xF : value >> 4) : value);
    } else if (value == 0) {
      x = 0;
      ++y;
    } else if (value == 1) {
      return;
    } else if (value == 2) {
      x += static_cast<int>(in.U8(at));
      y += static_cast<int>(in.U8(at + 1));
      at += 2;
    } else {
      std::size_t bytes = four ? (value + 1) / 2 : value;
      for (std::uint32_t i = 0; i < value; ++i) {
        std::uint32_t b = in.U8(at + (four ? i / 2 : i));
        put(four ? (i % 2 ? b & 0xF : b >> 4) : b);
      }
      at += bytes + bytes % 2;
    }
    if (y > h.height) Invalid("compressed data runs past the picture");
  }
}

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  PutU16(out, v & 0xFFFF);
  PutU16(out, v >> 16);
}

}  // namespace

// ---- TBitmap

TClass TBitmap::ClassInfo() {
  static TClass cls = TClassBuilder<TBitmap>("TBitmap", TGraphic::ClassInfo()).Creatable().Build();
  return cls;
}

TBitmap::TBitmap() = default;
TBitmap::~TBitmap() = default;

void TBitmap::Assign(TPersistent* source) {
  auto* bitmap = Cast<TBitmap>(source);
  if (!bitmap) {
    if (!source) {
      width_ = height_ = 0;
      pixels_.clear();
      loaded_.clear();
      return Changed();
    }
    return TGraphic::Assign(source);
  }
  width_ = bitmap->width_;
  height_ = bitmap->height_;
  pixels_ = bitmap->pixels_;
  loaded_ = bitmap->loaded_;
  SetTransparent(bitmap->Transparent());
  Changed();
}

void TBitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  if (static_cast<long long>(width) * height > kMaxPixels) throw EInvalidGraphic("Bitmap too large");
  std::vector<TColor> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), clWhite);
  for (int y = 0; y < std::min(height, height_); ++y)
    for (int x = 0; x < std::min(width, width_); ++x)
      pixels[static_cast<std::size_t>(y * width + x)] = pixels_[static_cast<std::size_t>(y * width_ + x)];
  pixels_ = std::move(pixels);
  width_ = width;
  height_ = height;
  loaded_.clear();
  Changed();
}

TColor TBitmap::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return clNone;
  return pixels_[static_cast<std::size_t>(y * width_ + x)];
}

void TBitmap::SetPixel(int x, int y, TColor color) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[static_cast<std::size_t>(y * width_ + x)] = color;
  loaded_.clear();
  Changed();
}

TColor TBitmap::TransparentColor() const { return Empty() ? clNone : Pixel(0, height_ - 1); }

void TBitmap::LoadFromBmp(std::span<const std::uint8_t> bytes) {
  Reader in(bytes);
  Header h = ReadHeader(in);
  std::vector<TColor> pixels(static_cast<std::size_t>(h.width) * static_cast<std::size_t>(h.height));
  if (h.compression == BI_RLE8 || h.compression == BI_RLE4)
    DecodeRle(in, h, pixels);
  else
    DecodeRows(in, h, pixels);
  width_ = h.width;
  height_ = h.height;
  pixels_ = std::move(pixels);
  loaded_.assign(bytes.begin(), bytes.end());
  Changed();
}

std::vector<std::uint8_t> TBitmap::SaveToBmp() const {
  std::vector<std::uint8_t> out;
  AppendBmp(out);
  return out;
}

void TBitmap::AppendBmp(std::vector<std::uint8_t>& out) const {
  if (!loaded_.empty()) {
    out.insert(out.end(), loaded_.begin(), loaded_.end());
    return;
  }
  std::size_t stride = ((static_cast<std::size_t>(width_) * 24 + 31) / 32) * 4;
  auto imageSize = static_cast<std::uint32_t>(stride * static_cast<std::size_t>(height_));
  out.reserve(out.size() + 54 + imageSize);
  out.push_back('B');
  out.push_back('M');
  PutU32(out, 54 + imageSize);
  PutU32(out, 0);
  PutU32(out, 54);
  PutU32(out, 40);
  PutU32(out, static_cast<std::uint32_t>(width_));
  PutU32(out, static_cast<std::uint32_t>(height_));
  PutU16(out, 1);
  PutU16(out, 24);
  PutU32(out, BI_RGB);
  PutU32(out, imageSize);
  PutU32(out, 0);
  PutU32(out, 0);
  PutU32(out, 0);
  PutU32(out, 0);
  for (int y = height_ - 1; y >= 0; --y) {
    std::size_t rowStart = out.size();
    for (int x = 0; x < width_; ++x) {
      TColor c = pixels_[static_cast<std::size_t>(y * width_ + x)];
      out.push_back(static_cast<std::uint8_t>(c >> 16));
      out.push_back(static_cast<std::uint8_t>(c >> 8));
      out.push_back(static_cast<std::uint8_t>(c));
    }
    out.resize(rowStart + stride, 0);
  }
}

void TBitmap::ReadData(std::span<const std::uint8_t> data) {
  if (data.size() < 4) Invalid("missing length");
  std::uint32_t length = Reader(data).U32(0);
  if (length > data.size() - 4) Invalid("length exceeds the data");
  if (length == 0) return Assign(nullptr);
  LoadFromBmp(data.subspan(4, length));
}

std::vector<std::uint8_t> TBitmap::WriteData() const {
  // The length comes first: the picture is written after a placeholder that is then filled.
  std::vector<std::uint8_t> out(4, 0);
  if (!Empty()) AppendBmp(out);
  auto length = static_cast<std::uint32_t>(out.size() - 4);
  for (int i = 0; i < 4; ++i) out[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(length >> (8 * i));
  return out;
}

TCanvas* TBitmap::Canvas() {
  if (!canvas_) canvas_ = std::make_unique<TCanvas>();
  return canvas_.get();
}

// ---- TPicture

TClass TPicture::ClassInfo() {
  static TClass cls = TClassBuilder<TPicture>("TPicture", TPersistent::ClassInfo()).Creatable().Build();
  return cls;
}

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::Adopt(std::unique_ptr<TGraphic> graphic) {
  graphic_ = std::move(graphic);
  if (graphic_) graphic_->OnChange = [this](TObject*) { Changed(); };
  Changed();
}

void TPicture::SetGraphic(const TGraphic* graphic) {
  if (!graphic) return Adopt(nullptr);
  auto copy = std::unique_ptr<TGraphic>(As<TGraphic>(graphic->ClassType()->Create()));
  copy->Assign(const_cast<TGraphic*>(graphic));
  Adopt(std::move(copy));
}

void TPicture::Assign(TPersistent* source) {
  if (!source) return SetGraphic(nullptr);
  if (auto* picture = Cast<TPicture>(source)) return SetGraphic(picture->graphic_.get());
  if (auto* graphic = Cast<TGraphic>(source)) return SetGraphic(graphic);
  TPersistent::Assign(source);
}

TBitmap* TPicture::Bitmap() {
  auto* bitmap = dynamic_cast<TBitmap*>(graphic_.get());
  if (!bitmap) {
    Adopt(std::make_unique<TBitmap>());
    bitmap = static_cast<TBitmap*>(graphic_.get());
  }
  return bitmap;
}

namespace {
std::span<const std::uint8_t> Bytes(std::string_view bytes) {
  return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

// The class name that starts a picture's form-file data, or nothing when it is cut short.
std::optional<std::string> PictureClassName(std::span<const std::uint8_t> data) {
  std::size_t nameLength = data[0];
  if (nameLength + 1 > data.size()) return std::nullopt;
  return std::string(data.begin() + 1, data.begin() + 1 + static_cast<std::ptrdiff_t>(nameLength));
}
}  // namespace

bool TBitmap::ReadBinaryProperty(std::string_view name, std::string_view bytes) {
  if (!SameText(name, "Data")) return false;
  ReadData(Bytes(bytes));
  return true;
}

bool TPicture::ReadBinaryProperty(std::string_view name, std::string_view bytes) {
  if (!SameText(name, "Data")) return false;
  if (CanRead(Bytes(bytes))) ReadData(Bytes(bytes));
  return true;
}

bool TPicture::CanRead(std::span<const std::uint8_t> data) {
  if (data.empty()) return true;
  std::optional<std::string> name = PictureClassName(data);
  return !name || *name == "TBitmap" || *name == "TIcon";
}

void TPicture::ReadData(std::span<const std::uint8_t> data) {
  if (data.empty()) return SetGraphic(nullptr);
  std::optional<std::string> className = PictureClassName(data);
  if (!className) throw EInvalidGraphic("Picture data is not valid: class name cut short");
  auto rest = data.subspan(className->size() + 1);
  if (*className == "TIcon") {
    auto icon = std::make_unique<TIcon>();
    icon->ReadData(rest);
    return Adopt(std::move(icon));
  }
  if (*className != "TBitmap") throw EInvalidGraphic("Unsupported picture class " + *className);
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->ReadData(rest);
  Adopt(std::move(bitmap));
}

std::vector<std::uint8_t> TPicture::WriteData() const {
  std::vector<std::uint8_t> out;
  if (!graphic_) return out;
  const std::string& name = graphic_->ClassName();
  out.push_back(static_cast<std::uint8_t>(name.size()));
  out.insert(out.end(), name.begin(), name.end());
  if (auto* bitmap = dynamic_cast<const TBitmap*>(graphic_.get())) {
    std::vector<std::uint8_t> data = bitmap->WriteData();
    out.insert(out.end(), data.begin(), data.end());
  } else if (auto* icon = dynamic_cast<const TIcon*>(graphic_.get())) {
    out.insert(out.end(), icon->Data().begin(), icon->Data().end());
  }
  return out;
}

}  // namespace vcl
