// Pictures: the abstract TGraphic, TBitmap (decoded from Windows BMP data) and TPicture,
// the holder published by image controls and buttons.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "vcl/canvas.h"

namespace vcl {

VCL_EXCEPTION(EInvalidGraphic, Exception);

// A picture of some format: its size and a change event.
class TGraphic : public TPersistent {
  VCL_CLASS(TGraphic, TPersistent)
  virtual bool Empty() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  TNotifyEvent OnChange;

protected:
  TGraphic() = default;
  void Changed() { OnChange(this); }

private:
  bool transparent_ = false;
};

// A bitmap: rows of $00BBGGRR pixels, top row first. Loads the Windows BMP format
// (uncompressed 1, 4, 8, 16, 24 and 32 bits per pixel, and RLE-compressed 4 and 8 bits)
// and keeps the loaded bytes, which it saves back unchanged until the picture changes.
class TBitmap : public TGraphic {
  VCL_CLASS(TBitmap, TGraphic)
  TBitmap();
  ~TBitmap() override;

  void Assign(TPersistent* source) override;

  bool Empty() const override { return width_ == 0 || height_ == 0; }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void SetWidth(int value) { SetSize(value, height_); }
  void SetHeight(int value) { SetSize(width_, value); }
  // Keeps the pixels that still fit; new ones are white.
  void SetSize(int width, int height);

  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);
  const std::vector<TColor>& PixelData() const { return pixels_; }
  // The colour drawn transparently: the bottom-left pixel, as the host chooses it.
  TColor TransparentColor() const;

  // A whole BMP file ("BM" header). Raises EInvalidGraphic "Bitmap image is not valid"
  // with the reason for data it cannot read; the bitmap is then unchanged.
  void LoadFromBmp(std::span<const std::uint8_t> bytes);
  std::vector<std::uint8_t> SaveToBmp() const;
  // The form-file form: a 32-bit little-endian length, then the BMP file.
  void ReadData(std::span<const std::uint8_t> data);
  std::vector<std::uint8_t> WriteData() const;
  // Reads its form-file "Data"; the file keeps the bytes, which are never written back.
  bool ReadBinaryProperty(std::string_view name, std::string_view bytes) override;

  // A recording canvas for drawing on the bitmap (drawing does not change its pixels).
  TCanvas* Canvas();

private:
  void AppendBmp(std::vector<std::uint8_t>& out) const;

  int width_ = 0;
  int height_ = 0;
  std::vector<TColor> pixels_;
  std::vector<std::uint8_t> loaded_;  // the BMP bytes as loaded, until the pixels change
  std::unique_ptr<TCanvas> canvas_;
};

// Holds one graphic (a bitmap here), owned; assigning copies it.
class TPicture : public TPersistent {
  VCL_CLASS(TPicture, TPersistent)
  TPicture();
  ~TPicture() override;

  void Assign(TPersistent* source) override;

  TGraphic* Graphic() const { return graphic_.get(); }
  // Takes a copy of `graphic` (null clears the picture).
  void SetGraphic(const TGraphic* graphic);
  // The picture as a bitmap: replaces any other graphic with an empty bitmap.
  TBitmap* Bitmap();
  int Width() const { return graphic_ ? graphic_->Width() : 0; }
  int Height() const { return graphic_ ? graphic_->Height() : 0; }

  // The form-file form: the graphic's class name as a length-prefixed string, then its
  // data; empty for no graphic. Raises EInvalidGraphic for a class it cannot hold
  // (bitmaps and icons it can: CanRead tells).
  static bool CanRead(std::span<const std::uint8_t> data);
  void ReadData(std::span<const std::uint8_t> data);
  std::vector<std::uint8_t> WriteData() const;
  // Reads its form-file "Data" when CanRead (a picture of a compressed format stays
  // undrawn); the file keeps the bytes, which are never written back.
  bool ReadBinaryProperty(std::string_view name, std::string_view bytes) override;

  TNotifyEvent OnChange;

private:
  void Changed() { OnChange(this); }
  void Adopt(std::unique_ptr<TGraphic> graphic);

  std::unique_ptr<TGraphic> graphic_;
};

}  // namespace vcl
