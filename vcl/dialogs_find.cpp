#include "vcl/dialogs_find.h"

#include "vcl/class_builder.h"

namespace vcl {

namespace {
const TTypeInfo* TypeInfoFindOptions() {
  static auto t = MakeSetType(
      "TFindOptions",
      MakeEnumType("TFindOption", {"frDown", "frFindNext", "frHideMatchCase", "frHideWholeWord", "frHideUpDown",
                                   "frMatchCase", "frDisableMatchCase", "frDisableUpDown", "frDisableWholeWord",
                                   "frReplace", "frReplaceAll", "frWholeWord", "frShowHelp"}));
  return t;
}
}  // namespace

TClass TFindDialog::ClassInfo() {
  using F = TFindDialog;
  static TClass cls = TClassBuilder<F>("TFindDialog", TCommonDialog::ClassInfo())
                          .Creatable()
                          .String("FindText", &F::FindText, &F::SetFindText)
                          .Set("Options", TypeInfoFindOptions(), &F::Options, &F::SetOptions, NativeInt{1} << frDown)
                          .Event("OnFind", &F::OnFind)
                          .Build();
  return cls;
}

TFindDialog::TFindDialog(TComponent* owner) : TCommonDialog(owner) {}

TClass TReplaceDialog::ClassInfo() {
  using R = TReplaceDialog;
  static TClass cls = TClassBuilder<R>("TReplaceDialog", TFindDialog::ClassInfo())
                          .Creatable()
                          .String("ReplaceText", &R::ReplaceText, &R::SetReplaceText)
                          .Event("OnReplace", &R::OnReplace)
                          .Build();
  return cls;
}

TReplaceDialog::TReplaceDialog(TComponent* owner) : TFindDialog(owner) {}

}  // namespace vcl
