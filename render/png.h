// PNG files of bitmaps, for pictures whose transparent pixels must show what lies beneath.
#pragma once

#include <cstdint>
#include <vector>

#include "vcl/bitmap.h"

namespace vcl::svg {

// The bitmap as an 8-bit RGBA PNG; pixels of colour `transparent` (clNone: none) are fully
// transparent. The image data is stored uncompressed.
std::vector<std::uint8_t> EncodePng(const TBitmap& bitmap, TColor transparent);

}  // namespace vcl::svg
