#include "vcl/icon.h"

#include "vcl/class_builder.h"

namespace vcl {

TClass TIcon::ClassInfo() {
  static TClass cls = TClassBuilder<TIcon>("TIcon", TGraphic::ClassInfo()).Creatable().Build();
  return cls;
}

void TIcon::Assign(TPersistent* source) {
  auto* icon = Cast<TIcon>(source);
  if (!icon) {
    if (source) return TGraphic::Assign(source);
    data_.clear();
    width_ = height_ = 0;
    return Changed();
  }
  data_ = icon->data_;
  width_ = icon->width_;
  height_ = icon->height_;
  Changed();
}

void TIcon::LoadFromIco(std::span<const std::uint8_t> bytes) {
  auto fail = [](const char* reason) { throw EInvalidGraphic(std::string("Icon image is not valid: ") + reason); };
  auto u16 = [&](std::size_t at) { return bytes[at] | bytes[at + 1] << 8; };
  if (bytes.size() < 6 || u16(0) != 0 || (u16(2) != 1 && u16(2) != 2)) fail("no icon header");
  std::size_t count = static_cast<std::size_t>(u16(4));
  if (count == 0) fail("no images");
  if (bytes.size() < 6 + 16 * count) fail("unexpected end of data");
  // A size byte of 0 means 256 pixels.
  width_ = bytes[6] ? bytes[6] : 256;
  height_ = bytes[7] ? bytes[7] : 256;
  data_.assign(bytes.begin(), bytes.end());
  Changed();
}

}  // namespace vcl
