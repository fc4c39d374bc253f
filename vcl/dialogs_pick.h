// The font and colour dialogs of the Dialogs page: what they publish, the font or colour
// chosen (or first shown) and their options.
#pragma once

#include <cstdint>
#include <memory>

#include "vcl/colors.h"
#include "vcl/common_dialog.h"
#include "vcl/font.h"
#include "vcl/strings.h"

namespace vcl {

enum TFontDialogDevice { fdScreen, fdPrinter, fdBoth };
enum TFontDialogOption {
  fdAnsiOnly, fdTrueTypeOnly, fdEffects, fdFixedPitchOnly, fdForceFontExist, fdNoFaceSel, fdNoOEMFonts,
  fdNoSimulations, fdNoSizeSel, fdNoStyleSel, fdNoVectorFonts, fdShowHelp, fdWysiwyg, fdLimitSize,
  fdScalableOnly, fdApplyButton
};
using TFontDialogOptions = std::uint32_t;  // bit n for TFontDialogOption n
using TFDApplyEvent = TEvent<TObject*, NativeInt>;  // sender, the dialog's window

class TFontDialog : public TCommonDialog {
  VCL_CLASS(TFontDialog, TCommonDialog)
  explicit TFontDialog(TComponent* owner);
  ~TFontDialog() override;

  TFont* Font() const { return font_.get(); }
  TFontDialogDevice Device() const { return device_; }
  void SetDevice(TFontDialogDevice value) { device_ = value; }
  // Sizes in points; 0 sets no limit. They apply with fdLimitSize.
  int MinFontSize() const { return minFontSize_; }
  void SetMinFontSize(int value) { minFontSize_ = value; }
  int MaxFontSize() const { return maxFontSize_; }
  void SetMaxFontSize(int value) { maxFontSize_ = value; }
  TFontDialogOptions Options() const { return options_; }
  void SetOptions(TFontDialogOptions value) { options_ = value; }

  TFDApplyEvent OnApply;

private:
  std::unique_ptr<TFont> font_;
  TFontDialogDevice device_ = fdScreen;
  int minFontSize_ = 0, maxFontSize_ = 0;
  TFontDialogOptions options_ = 1u << fdEffects;
};

enum TColorDialogOption { cdFullOpen, cdPreventFullOpen, cdShowHelp, cdSolidColor, cdAnyColor };
using TColorDialogOptions = std::uint32_t;  // bit n for TColorDialogOption n

// CustomColors holds the sixteen custom colours as "ColorA=RRGGBB" .. "ColorP=RRGGBB" lines.
class TColorDialog : public TCommonDialog {
  VCL_CLASS(TColorDialog, TCommonDialog)
  explicit TColorDialog(TComponent* owner);
  ~TColorDialog() override;

  TColor Color() const { return color_; }
  void SetColor(TColor value) { color_ = value; }
  TStrings* CustomColors() const { return customColors_.get(); }
  TColorDialogOptions Options() const { return options_; }
  void SetOptions(TColorDialogOptions value) { options_ = value; }

private:
  TColor color_ = clBlack;
  std::unique_ptr<TStringList> customColors_;
  TColorDialogOptions options_ = 0;
};

}  // namespace vcl
