// Buttons with pictures: the speed button (a tool button, optionally one of a group that
// stays down) and the bitmap button (a push button with a glyph and predefined kinds).
#pragma once

#include <memory>

#include "vcl/bitmap.h"
#include "vcl/stdctrls.h"

namespace vcl {

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TButtonStyle { bsAutoDetect, bsWin31, bsNew };
enum TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };

const TTypeInfo* TypeInfoButtonLayout();
const TTypeInfo* TypeInfoNumGlyphs();

// A button without a window. With a GroupIndex it stays down when pressed and raises
// the other speed buttons of its parent with the same GroupIndex; AllowAllUp lets the
// pressed one come up again.
class TSpeedButton : public TGraphicControl {
  VCL_CLASS(TSpeedButton, TGraphicControl)
  explicit TSpeedButton(TComponent* owner);
  ~TSpeedButton() override;

  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool value);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value);
  bool Down() const { return down_; }
  void SetDown(bool value);
  bool Flat() const { return flat_; }
  void SetFlat(bool value) { flat_ = value; }
  TBitmap* Glyph() const { return glyph_.get(); }
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout value) { layout_ = value; }
  int Margin() const { return margin_; }
  void SetMargin(int value) { margin_ = value; }
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int value);
  int Spacing() const { return spacing_; }
  void SetSpacing(int value) { spacing_ = value; }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value) { transparent_ = value; }

  // A click with the mouse: a grouped button goes down (or, when AllowAllUp, up again),
  // then OnClick runs. Click alone runs OnClick only.
  void Press();

protected:
  void Paint() override;

private:
  void UpdateExclusive();

  bool allowAllUp_ = false;
  int groupIndex_ = 0;
  bool down_ = false;
  bool flat_ = false;
  std::unique_ptr<TBitmap> glyph_;
  TButtonLayout layout_ = blGlyphLeft;
  int margin_ = -1;
  int numGlyphs_ = 1;
  int spacing_ = 4;
  bool transparent_ = true;
};

// A push button with a glyph. A Kind other than bkCustom gives it the kind's caption,
// modal result and Default/Cancel setting; changing any of those makes it custom again.
class TBitBtn : public TButton {
  VCL_CLASS(TBitBtn, TButton)
  explicit TBitBtn(TComponent* owner);
  ~TBitBtn() override;

  TBitmap* Glyph() const { return glyph_.get(); }
  TBitBtnKind Kind() const;
  void SetKind(TBitBtnKind value);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout value) { layout_ = value; }
  int Margin() const { return margin_; }
  void SetMargin(int value) { margin_ = value; }
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int value);
  TButtonStyle Style() const { return style_; }
  void SetStyle(TButtonStyle value) { style_ = value; }
  int Spacing() const { return spacing_; }
  void SetSpacing(int value) { spacing_ = value; }

  // Properties that a kind provides are written only for custom buttons.
  bool IsCustom() const { return Kind() == bkCustom; }
  bool IsCustomCaption() const;

  // A bkClose button closes its form (as a modal form closes: mrCancel) instead of
  // running OnClick.
  void Click() override;

private:
  std::unique_ptr<TBitmap> glyph_;
  mutable TBitBtnKind kind_ = bkCustom;
  bool modifiedGlyph_ = false;
  TButtonLayout layout_ = blGlyphLeft;
  int margin_ = -1;
  int numGlyphs_ = 1;
  TButtonStyle style_ = bsAutoDetect;
  int spacing_ = 4;
};

}  // namespace vcl
