#include "vcl/imglist.h"

#include <algorithm>

#include "vcl/canvas.h"
#include "vcl/class_builder.h"
#include "vcl/colors.h"

namespace vcl {

namespace {
const TTypeInfo* TypeInfoDrawingStyle() {
  static auto t = MakeEnumType("TDrawingStyle", {"dsFocus", "dsSelected", "dsNormal", "dsTransparent"});
  return t;
}
const TTypeInfo* TypeInfoImageType() {
  static auto t = MakeEnumType("TImageType", {"itImage", "itMask"});
  return t;
}
}  // namespace

const TTypeInfo* TypeInfoImageIndex() {
  static const TTypeInfo type{TTypeKind::tkInteger, "TImageIndex", {}, nullptr, nullptr};
  return &type;
}

TClass TCustomImageList::ClassInfo() {
  static TClass cls = TClassBuilder<TCustomImageList>("TCustomImageList", TComponent::ClassInfo()).Build();
  return cls;
}

TClass TImageList::ClassInfo() {
  using L = TCustomImageList;
  static TClass cls =
      TClassBuilder<TImageList>("TImageList", TCustomImageList::ClassInfo())
          .Creatable()
          .Integer("BlendColor", &L::BlendColor, &L::SetBlendColor, clNone, TypeInfoColor())
          .Integer("BkColor", &L::BkColor, &L::SetBkColor, clNone, TypeInfoColor())
          .Integer("AllocBy", &L::AllocBy, &L::SetAllocBy, 4)
          .Enum<TDrawingStyle>("DrawingStyle", TypeInfoDrawingStyle(), &L::DrawingStyle, &L::SetDrawingStyle, dsNormal)
          .Integer("Height", &L::Height, &L::SetHeight, 16)
          .Enum<TImageType>("ImageType", TypeInfoImageType(), &L::ImageType, &L::SetImageType, itImage)
          .Bool("Masked", &L::Masked, &L::SetMasked, true)
          .Event("OnChange", &L::OnChange)
          .Bool("ShareImages", &L::ShareImages, &L::SetShareImages, false)
          .Integer("Width", &L::Width, &L::SetWidth, 16)
          .Build();
  return cls;
}

TCustomImageList::TCustomImageList(TComponent* owner) : TComponent(owner) {}

TCustomImageList::~TCustomImageList() = default;

void TCustomImageList::SetSize(int width, int height) {
  if (width == width_ && height == height_) return;
  if (width < 1 || height < 1) throw EInvalidOperation("Invalid image size");
  width_ = width;
  height_ = height;
  images_.clear();
  Changed();
}

std::unique_ptr<TBitmap> TCustomImageList::Slice(const TBitmap* source, int part) const {
  auto slice = std::make_unique<TBitmap>();
  slice->SetSize(width_, height_);
  int left = part * width_;
  int right = std::min(source->Width(), left + width_);
  int bottom = std::min(source->Height(), height_);
  for (int y = 0; y < bottom; ++y)
    for (int x = left; x < right; ++x) slice->SetPixel(x - left, y, source->Pixel(x, y));
  return slice;
}

int TCustomImageList::Add(const TBitmap* image, const TBitmap* mask) {
  if (!image) throw EInvalidOperation("No image to add to the image list");
  if (image->Empty()) return -1;
  int first = Count();
  int parts = std::max(1, image->Width() / width_);
  for (int part = 0; part < parts; ++part)
    images_.push_back(Image{Slice(image, part), mask && !mask->Empty() ? Slice(mask, part) : nullptr});
  Changed();
  return first;
}

void TCustomImageList::Delete(int index) {
  if (index == -1) {
    Clear();
    return;
  }
  At(index);  // checks the index
  images_.erase(images_.begin() + index);
  Changed();
}

void TCustomImageList::Clear() {
  images_.clear();
  Changed();
}

const TCustomImageList::Image& TCustomImageList::At(int index) const {
  if (index < 0 || index >= Count()) throw EInvalidOperation("Invalid ImageList Index");
  return images_[static_cast<std::size_t>(index)];
}

void TCustomImageList::Draw(TCanvas* canvas, int x, int y, int index) const {
  if (!canvas || index < 0 || index >= Count()) return;
  const Image& image = At(index);
  if (!image.mask) return canvas->Draw(x, y, image.picture.get());
  // Where the mask is white the canvas shows through: those pixels take the brush's colour,
  // the background that owner drawing fills before it draws an image.
  TBitmap masked;
  masked.Assign(image.picture.get());
  TColor background = ColorToRGB(canvas->Brush()->Color());
  for (int py = 0; py < masked.Height(); ++py)
    for (int px = 0; px < masked.Width(); ++px)
      if (ColorToRGB(image.mask->Pixel(px, py)) != ColorToRGB(clBlack)) masked.SetPixel(px, py, background);
  canvas->Draw(x, y, &masked);
}

void TCustomImageList::GetBitmap(int index, TBitmap* target) const { target->Assign(At(index).picture.get()); }

void TCustomImageList::GetMask(int index, TBitmap* target) const {
  const Image& image = At(index);
  if (image.mask) {
    target->Assign(image.mask.get());
    return;
  }
  // No mask: every pixel is drawn.
  target->SetSize(0, 0);
  target->SetSize(width_, height_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) target->SetPixel(x, y, clBlack);
}

}  // namespace vcl
