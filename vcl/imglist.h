// Image lists: numbered pictures of one size, each with an optional mask, drawn by index.
#pragma once

#include <memory>
#include <vector>

#include "vcl/bitmap.h"
#include "vcl/classes.h"

namespace vcl {

// The property type `TImageIndex`: an index into an image list, -1 for none.
using TImageIndex = int;
const TTypeInfo* TypeInfoImageIndex();

enum TDrawingStyle { dsFocus, dsSelected, dsNormal, dsTransparent };
enum TImageType { itImage, itMask };

class TCustomImageList : public TComponent {
  VCL_CLASS(TCustomImageList, TComponent)
  explicit TCustomImageList(TComponent* owner);
  ~TCustomImageList() override;

  // The size of every image, 16 by 16 unless set. A new size empties the list.
  int Width() const { return width_; }
  void SetWidth(int value) { SetSize(value, height_); }
  int Height() const { return height_; }
  void SetHeight(int value) { SetSize(width_, value); }
  int Count() const { return static_cast<int>(images_.size()); }

  int AllocBy() const { return allocBy_; }
  void SetAllocBy(int value) { allocBy_ = value; }
  TColor BkColor() const { return bkColor_; }
  void SetBkColor(TColor value) { bkColor_ = value; }
  TColor BlendColor() const { return blendColor_; }
  void SetBlendColor(TColor value) { blendColor_ = value; }
  TDrawingStyle DrawingStyle() const { return drawingStyle_; }
  void SetDrawingStyle(TDrawingStyle value) { drawingStyle_ = value; }
  TImageType ImageType() const { return imageType_; }
  void SetImageType(TImageType value) { imageType_ = value; }
  bool Masked() const { return masked_; }
  void SetMasked(bool value) { masked_ = value; }
  bool ShareImages() const { return shareImages_; }
  void SetShareImages(bool value) { shareImages_ = value; }

  // Adds `image` cut into as many images as its width holds (at least one), each with
  // the same part of `mask` (may be null: nothing masked). Returns the index of the first
  // new image, or -1 for an empty image. Raises EInvalidOperation for a null image.
  int Add(const TBitmap* image, const TBitmap* mask);
  // Removes one image; the later ones move down. -1 removes all. Raises
  // EInvalidOperation "Invalid ImageList Index" for any other index that names no image.
  void Delete(int index);
  void Clear();
  // Draws image `index` with its top-left corner at (x, y); nothing for a bad index.
  void Draw(TCanvas* canvas, int x, int y, int index) const;
  // Copies image `index` (its mask) into `target`; raises EInvalidOperation for a bad index.
  void GetBitmap(int index, TBitmap* target) const;
  void GetMask(int index, TBitmap* target) const;

  TNotifyEvent OnChange;

private:
  struct Image {
    std::unique_ptr<TBitmap> picture;
    std::unique_ptr<TBitmap> mask;
  };
  void SetSize(int width, int height);
  const Image& At(int index) const;
  // The `part`-th Width-wide slice of `source`, Width by Height, white where it has no pixels.
  std::unique_ptr<TBitmap> Slice(const TBitmap* source, int part) const;
  void Changed() { OnChange(this); }

  int width_ = 16;
  int height_ = 16;
  int allocBy_ = 4;
  TColor bkColor_ = clNone;
  TColor blendColor_ = clNone;
  TDrawingStyle drawingStyle_ = dsNormal;
  TImageType imageType_ = itImage;
  bool masked_ = true;
  bool shareImages_ = false;
  std::vector<Image> images_;
};

class TImageList : public TCustomImageList {
  VCL_CLASS(TImageList, TCustomImageList)
  explicit TImageList(TComponent* owner) : TCustomImageList(owner) {}
};

}  // namespace vcl
