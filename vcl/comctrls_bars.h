// Bars of the common controls: the status bar with its panels, the header control with its
// sections, and the tool bar with its tool buttons.
#pragma once

#include "vcl/collections.h"
#include "vcl/controls.h"
#include "vcl/imglist.h"
#include "vcl/menus.h"

namespace vcl {

enum TStatusPanelStyle { psText, psOwnerDraw };
enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };

class TStatusPanel : public TCollectionItem {
  VCL_CLASS(TStatusPanel, TCollectionItem)
  using TCollectionItem::TCollectionItem;

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value) { alignment_ = value, Changed(); }
  TStatusPanelBevel Bevel() const { return bevel_; }
  void SetBevel(TStatusPanelBevel value) { bevel_ = value, Changed(); }
  TStatusPanelStyle Style() const { return style_; }
  void SetStyle(TStatusPanelStyle value) { style_ = value, Changed(); }
  const std::string& Text() const { return text_; }
  void SetText(const std::string& value) { text_ = value, Changed(); }
  int Width() const { return width_; }
  void SetWidth(int value) { width_ = value, Changed(); }

private:
  TAlignment alignment_ = taLeftJustify;
  TStatusPanelBevel bevel_ = pbLowered;
  TStatusPanelStyle style_ = psText;
  std::string text_;
  int width_ = 50;
};

class TStatusPanels : public TTypedCollection<TStatusPanel> {
  VCL_CLASS(TStatusPanels, TCollection)
};

// A bar at the bottom of its parent: one SimpleText when SimplePanel, else its Panels side
// by side (the last one takes what is left); a size grip in the corner.
class TStatusBar : public TWinControl {
  VCL_CLASS(TStatusBar, TWinControl)
  explicit TStatusBar(TComponent* owner);

  TStatusPanels* Panels() const { return panels_.get(); }
  bool SimplePanel() const { return simplePanel_; }
  void SetSimplePanel(bool value) { simplePanel_ = value; }
  const std::string& SimpleText() const { return simpleText_; }
  void SetSimpleText(const std::string& value) { simpleText_ = value; }
  bool SizeGrip() const { return sizeGrip_; }
  void SetSizeGrip(bool value) { sizeGrip_ = value; }
  bool AutoHint() const { return autoHint_; }
  void SetAutoHint(bool value) { autoHint_ = value; }

  TNotifyEvent OnHint;
  TEvent<TStatusBar*, TStatusPanel*, TRect> OnDrawPanel;

private:
  std::unique_ptr<TStatusPanels> panels_;
  bool simplePanel_ = false;
  bool sizeGrip_ = true;
  bool autoHint_ = false;
  std::string simpleText_;
};

enum THeaderSectionStyle { hsText, hsOwnerDraw };

class THeaderSection : public TCollectionItem {
  VCL_CLASS(THeaderSection, TCollectionItem)
  using TCollectionItem::TCollectionItem;

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value) { alignment_ = value, Changed(); }
  bool AllowClick() const { return allowClick_; }
  void SetAllowClick(bool value) { allowClick_ = value; }
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value) { autoSize_ = value, Changed(); }
  int MaxWidth() const { return maxWidth_; }
  void SetMaxWidth(int value) { maxWidth_ = value; }
  int MinWidth() const { return minWidth_; }
  void SetMinWidth(int value) { minWidth_ = value; }
  THeaderSectionStyle Style() const { return style_; }
  void SetStyle(THeaderSectionStyle value) { style_ = value, Changed(); }
  const std::string& Text() const { return text_; }
  void SetText(const std::string& value) { text_ = value, Changed(); }
  int Width() const { return width_; }
  void SetWidth(int value) { width_ = value, Changed(); }

private:
  TAlignment alignment_ = taLeftJustify;
  bool allowClick_ = true;
  bool autoSize_ = false;
  int maxWidth_ = 10000;
  int minWidth_ = 0;
  THeaderSectionStyle style_ = hsText;
  std::string text_;
  int width_ = 50;
};

class THeaderSections : public TTypedCollection<THeaderSection> {
  VCL_CLASS(THeaderSections, TCollection)
};

// Column headings side by side, as buttons (HotTrack lights the one under the mouse).
class THeaderControl : public TWinControl {
  VCL_CLASS(THeaderControl, TWinControl)
  explicit THeaderControl(TComponent* owner);

  THeaderSections* Sections() const { return sections_.get(); }
  bool HotTrack() const { return hotTrack_; }
  void SetHotTrack(bool value) { hotTrack_ = value; }

  TNotifyEvent OnSectionClick;

private:
  std::unique_ptr<THeaderSections> sections_;
  bool hotTrack_ = false;
};

enum TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };

class TToolBar;

// A button of a tool bar: the bar gives it its size (but for separators, which keep the
// width they have); it shows its image from the bar's Images, and its caption when the bar
// shows captions.
class TToolButton : public TGraphicControl {
  VCL_CLASS(TToolButton, TGraphicControl)
  explicit TToolButton(TComponent* owner);

  TToolBar* ToolBar() const;
  TToolButtonStyle Style() const { return style_; }
  void SetStyle(TToolButtonStyle value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value) { imageIndex_ = value; }
  bool Down() const { return down_; }
  void SetDown(bool value) { down_ = value; }
  bool Grouped() const { return grouped_; }
  void SetGrouped(bool value) { grouped_ = value; }
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool value) { allowAllUp_ = value; }
  bool Indeterminate() const { return indeterminate_; }
  void SetIndeterminate(bool value) { indeterminate_ = value; }
  bool Marked() const { return marked_; }
  void SetMarked(bool value) { marked_ = value; }
  bool Wrap() const { return wrap_; }
  void SetWrap(bool value) { wrap_ = value; }
  TPopupMenu* DropdownMenu() const { return dropdownMenu_.get(); }
  void SetDropdownMenu(TPopupMenu* value) { dropdownMenu_.Set(value); }
  bool IsSeparator() const { return style_ == tbsSeparator || style_ == tbsDivider; }
  // Only a separator's width is its own.
  bool IsWidthStored() const { return IsSeparator(); }

protected:
  void ParentChanged() override;

private:
  TToolButtonStyle style_ = tbsButton;
  int imageIndex_ = -1;
  bool down_ = false, grouped_ = false, allowAllUp_ = false, indeterminate_ = false, marked_ = false, wrap_ = false;
  TComponentRef<TPopupMenu> dropdownMenu_{this};
};

enum TEdgeBorder { ebLeft, ebTop, ebRight, ebBottom };
enum TEdgeStyle { esNone, esRaised, esLowered };
const TTypeInfo* TypeInfoEdgeBorders();
const TTypeInfo* TypeInfoEdgeStyle();

// A bar of tool buttons (and other controls) along the top of its parent. Its buttons take
// ButtonWidth x ButtonHeight; the places the form file gives them are kept.
class TToolBar : public TWinControl {
  VCL_CLASS(TToolBar, TWinControl)
  explicit TToolBar(TComponent* owner);

  int ButtonWidth() const { return buttonWidth_; }
  void SetButtonWidth(int value);
  int ButtonHeight() const { return buttonHeight_; }
  void SetButtonHeight(int value);
  // The size of `button` on this bar.
  TPoint ButtonSize(const TToolButton* button) const;
  TCustomImageList* Images() const { return images_.get(); }
  void SetImages(TCustomImageList* value) { images_.Set(value); }
  TCustomImageList* DisabledImages() const { return disabledImages_.get(); }
  void SetDisabledImages(TCustomImageList* value) { disabledImages_.Set(value); }
  TCustomImageList* HotImages() const { return hotImages_.get(); }
  void SetHotImages(TCustomImageList* value) { hotImages_.Set(value); }
  // Bits of TEdgeBorder.
  NativeInt EdgeBorders() const { return edgeBorders_; }
  void SetEdgeBorders(NativeInt value) { edgeBorders_ = value; }
  TEdgeStyle EdgeInner() const { return edgeInner_; }
  void SetEdgeInner(TEdgeStyle value) { edgeInner_ = value; }
  TEdgeStyle EdgeOuter() const { return edgeOuter_; }
  void SetEdgeOuter(TEdgeStyle value) { edgeOuter_ = value; }
  bool Flat() const { return flat_; }
  void SetFlat(bool value) { flat_ = value; }
  int Indent() const { return indent_; }
  void SetIndent(int value) { indent_ = value; }
  bool List() const { return list_; }
  void SetList(bool value) { list_ = value; }
  bool ShowCaptions() const { return showCaptions_; }
  void SetShowCaptions(bool value) { showCaptions_ = value; }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value) { transparent_ = value; }
  bool Wrapable() const { return wrapable_; }
  void SetWrapable(bool value) { wrapable_ = value; }

  // The edges take a 2-pixel band on each side EdgeBorders names.
  void AdjustClientRect(TRect& rect) const override;

private:
  void ResizeButtons();

  int buttonWidth_ = 23, buttonHeight_ = 22, indent_ = 0;
  NativeInt edgeBorders_ = 1 << ebTop;
  TEdgeStyle edgeInner_ = esRaised, edgeOuter_ = esLowered;
  bool flat_ = false, list_ = false, showCaptions_ = false, transparent_ = false, wrapable_ = true;
  TComponentRef<TCustomImageList> images_{this};
  TComponentRef<TCustomImageList> disabledImages_{this};
  TComponentRef<TCustomImageList> hotImages_{this};
};

}  // namespace vcl
