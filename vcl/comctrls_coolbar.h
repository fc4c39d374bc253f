// The cool bar: rows of bands, each with a grip, a text, an image and a control of its own.
// The bands are a collection; a band's control is a child of the bar that the band places.
#pragma once

#include <memory>
#include <string>

#include "vcl/bitmap.h"
#include "vcl/collections.h"
#include "vcl/comctrls_bars.h"
#include "vcl/controls.h"
#include "vcl/imglist.h"

namespace vcl {

class TCoolBar;

class TCoolBand : public TCollectionItem {
  VCL_CLASS(TCoolBand, TCollectionItem)
  // A band belongs to the bands of a bar, through which it refers to its control.
  explicit TCoolBand(TCollection* collection);

  TCoolBar* CoolBar() const;

  TBitmap* Bitmap() const { return bitmap_.get(); }
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value) { borderStyle_ = value, Changed(); }
  // Starts a new row of bands.
  bool Break() const { return break_; }
  void SetBreak(bool value) { break_ = value, Changed(); }
  // The bar's colour while ParentColor.
  TColor Color() const;
  void SetColor(TColor value);
  TWinControl* Control() const { return control_.get(); }
  // The control becomes the bar's child; a band that had it before lets it go.
  void SetControl(TWinControl* value);
  bool FixedBackground() const { return fixedBackground_; }
  void SetFixedBackground(bool value) { fixedBackground_ = value; }
  bool FixedSize() const { return fixedSize_; }
  void SetFixedSize(bool value) { fixedSize_ = value, Changed(); }
  bool HorizontalOnly() const { return horizontalOnly_; }
  void SetHorizontalOnly(bool value) { horizontalOnly_ = value, Changed(); }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value) { imageIndex_ = value, Changed(); }
  int MinHeight() const { return minHeight_; }
  void SetMinHeight(int value) { minHeight_ = value, Changed(); }
  int MinWidth() const { return minWidth_; }
  void SetMinWidth(int value) { minWidth_ = value, Changed(); }
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value) { parentColor_ = value, Changed(); }
  bool ParentBitmap() const { return parentBitmap_; }
  void SetParentBitmap(bool value) { parentBitmap_ = value, Changed(); }
  const std::string& Text() const { return text_; }
  void SetText(const std::string& value) { text_ = value, Changed(); }
  bool Visible() const { return visible_; }
  void SetVisible(bool value) { visible_ = value, Changed(); }
  // Zero until set: the band then takes what its row leaves.
  int Width() const { return width_; }
  void SetWidth(int value) { width_ = value, Changed(); }

private:
  std::unique_ptr<TBitmap> bitmap_ = std::make_unique<TBitmap>();
  TBorderStyle borderStyle_ = bsNone;
  bool break_ = true;
  TColor color_ = clBtnFace;
  TComponentRef<TWinControl> control_;
  bool fixedBackground_ = true, fixedSize_ = false, horizontalOnly_ = false;
  int imageIndex_ = -1, minHeight_ = 25, minWidth_ = 0;
  bool parentColor_ = true, parentBitmap_ = true;
  std::string text_;
  bool visible_ = true;
  int width_ = 0;
};

class TCoolBands : public TTypedCollection<TCoolBand> {
  VCL_CLASS(TCoolBands, TCollection)
  explicit TCoolBands(TCoolBar* bar);

  TCoolBar* CoolBar() const { return bar_; }
  // The band whose control `control` is; null when none.
  TCoolBand* FindBand(const TControl* control) const;

private:
  TCoolBar* bar_;
};

// The bar: on top of its parent by default, its bands in rows.
class TCoolBar : public TWinControl {
  VCL_CLASS(TCoolBar, TWinControl)
  explicit TCoolBar(TComponent* owner);
  ~TCoolBar() override;

  TCoolBands* Bands() const { return bands_.get(); }
  TBorderStyle BandBorderStyle() const { return bandBorderStyle_; }
  void SetBandBorderStyle(TBorderStyle value) { bandBorderStyle_ = value, Repaint(); }
  TBitmap* Bitmap() const { return bitmap_.get(); }
  NativeInt EdgeBorders() const { return edgeBorders_; }  // bits of TEdgeBorder
  void SetEdgeBorders(NativeInt value) { edgeBorders_ = value; }
  TEdgeStyle EdgeInner() const { return edgeInner_; }
  void SetEdgeInner(TEdgeStyle value) { edgeInner_ = value; }
  TEdgeStyle EdgeOuter() const { return edgeOuter_; }
  void SetEdgeOuter(TEdgeStyle value) { edgeOuter_ = value; }
  bool FixedOrder() const { return fixedOrder_; }
  void SetFixedOrder(bool value) { fixedOrder_ = value; }
  bool FixedSize() const { return fixedSize_; }
  void SetFixedSize(bool value) { fixedSize_ = value; }
  TCustomImageList* Images() const { return images_.get(); }
  void SetImages(TCustomImageList* value) { images_.Set(value); }
  bool ShowText() const { return showText_; }
  void SetShowText(bool value) { showText_ = value, Repaint(); }
  bool Vertical() const { return vertical_; }
  void SetVertical(bool value) { vertical_ = value, Repaint(); }

  TNotifyEvent OnChange;

private:
  std::unique_ptr<TCoolBands> bands_;
  TBorderStyle bandBorderStyle_ = bsSingle;
  std::unique_ptr<TBitmap> bitmap_ = std::make_unique<TBitmap>();
  NativeInt edgeBorders_ = (NativeInt{1} << ebLeft) | (NativeInt{1} << ebTop) | (NativeInt{1} << ebRight) |
                           (NativeInt{1} << ebBottom);
  TEdgeStyle edgeInner_ = esRaised, edgeOuter_ = esLowered;
  bool fixedOrder_ = false, fixedSize_ = false, showText_ = true, vertical_ = false;
  TComponentRef<TCustomImageList> images_{this};
};

}  // namespace vcl
