#include "vcl/dialogs_pick.h"

#include "vcl/class_builder.h"

namespace vcl {

namespace {
const TTypeInfo* TypeInfoFontDialogDevice() {
  static auto t = MakeEnumType("TFontDialogDevice", {"fdScreen", "fdPrinter", "fdBoth"});
  return t;
}
const TTypeInfo* TypeInfoFontDialogOptions() {
  static auto t = MakeSetType(
      "TFontDialogOptions",
      MakeEnumType("TFontDialogOption",
                   {"fdAnsiOnly", "fdTrueTypeOnly", "fdEffects", "fdFixedPitchOnly", "fdForceFontExist",
                    "fdNoFaceSel", "fdNoOEMFonts", "fdNoSimulations", "fdNoSizeSel", "fdNoStyleSel",
                    "fdNoVectorFonts", "fdShowHelp", "fdWysiwyg", "fdLimitSize", "fdScalableOnly",
                    "fdApplyButton"}));
  return t;
}
const TTypeInfo* TypeInfoColorDialogOptions() {
  static auto t = MakeSetType("TColorDialogOptions",
                              MakeEnumType("TColorDialogOption", {"cdFullOpen", "cdPreventFullOpen", "cdShowHelp",
                                                                  "cdSolidColor", "cdAnyColor"}));
  return t;
}
}  // namespace

// ---- TFontDialog

TClass TFontDialog::ClassInfo() {
  using F = TFontDialog;
  static TClass cls =
      TClassBuilder<F>("TFontDialog", TCommonDialog::ClassInfo())
          .Creatable()
          .Object("Font", &F::Font)
          .Enum<TFontDialogDevice>("Device", TypeInfoFontDialogDevice(), &F::Device, &F::SetDevice, fdScreen)
          .Integer("MinFontSize", &F::MinFontSize, &F::SetMinFontSize, 0)
          .Integer("MaxFontSize", &F::MaxFontSize, &F::SetMaxFontSize, 0)
          .Set("Options", TypeInfoFontDialogOptions(), &F::Options, &F::SetOptions, NativeInt{1} << fdEffects)
          .Event("OnApply", &F::OnApply, "TFDApplyEvent")
          .Build();
  return cls;
}

TFontDialog::TFontDialog(TComponent* owner) : TCommonDialog(owner), font_(std::make_unique<TFont>()) {}

TFontDialog::~TFontDialog() = default;

// ---- TColorDialog

TClass TColorDialog::ClassInfo() {
  using C = TColorDialog;
  static TClass cls = TClassBuilder<C>("TColorDialog", TCommonDialog::ClassInfo())
                          .Creatable()
                          .Integer("Color", &C::Color, &C::SetColor, clBlack, TypeInfoColor())
                          .Object("CustomColors", &C::CustomColors)
                          .Set("Options", TypeInfoColorDialogOptions(), &C::Options, &C::SetOptions, 0)
                          .Build();
  return cls;
}

TColorDialog::TColorDialog(TComponent* owner)
    : TCommonDialog(owner), customColors_(std::make_unique<TStringList>()) {}

TColorDialog::~TColorDialog() = default;

}  // namespace vcl
