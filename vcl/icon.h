// Icons: the Windows ICO format, kept as loaded; the size is that of the first image.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "vcl/bitmap.h"

namespace vcl {

class TIcon : public TGraphic {
  VCL_CLASS(TIcon, TGraphic)
  TIcon() = default;
  void Assign(TPersistent* source) override;

  bool Empty() const override { return data_.empty(); }
  int Width() const override { return width_; }
  int Height() const override { return height_; }

  // A whole ICO file. Raises EInvalidGraphic "Icon image is not valid" with the reason;
  // the icon is then unchanged.
  void LoadFromIco(std::span<const std::uint8_t> bytes);
  // The form-file form is the ICO file itself.
  void ReadData(std::span<const std::uint8_t> data) { LoadFromIco(data); }
  const std::vector<std::uint8_t>& Data() const { return data_; }

private:
  std::vector<std::uint8_t> data_;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace vcl
