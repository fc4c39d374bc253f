#include "vcl/dialogs_print.h"

#include "vcl/class_builder.h"

namespace vcl {

namespace {
const TTypeInfo* TypeInfoPrintRange() {
  static auto t = MakeEnumType("TPrintRange", {"prAllPages", "prSelection", "prPageNums"});
  return t;
}
const TTypeInfo* TypeInfoPrintDialogOptions() {
  static auto t = MakeSetType("TPrintDialogOptions",
                              MakeEnumType("TPrintDialogOption", {"poPrintToFile", "poPageNums", "poSelection",
                                                                  "poWarning", "poHelp", "poDisablePrintToFile"}));
  return t;
}
}  // namespace

TClass TPrintDialog::ClassInfo() {
  using P = TPrintDialog;
  static TClass cls =
      TClassBuilder<P>("TPrintDialog", TCommonDialog::ClassInfo())
          .Creatable()
          .Bool("Collate", &P::Collate, &P::SetCollate, false)
          .Integer("Copies", &P::Copies, &P::SetCopies, 0)
          .Integer("FromPage", &P::FromPage, &P::SetFromPage, 0)
          .Integer("MinPage", &P::MinPage, &P::SetMinPage, 0)
          .Integer("MaxPage", &P::MaxPage, &P::SetMaxPage, 0)
          .Set("Options", TypeInfoPrintDialogOptions(), &P::Options, &P::SetOptions, 0)
          .Bool("PrintToFile", &P::PrintToFile, &P::SetPrintToFile, false)
          .Enum<TPrintRange>("PrintRange", TypeInfoPrintRange(), &P::PrintRange, &P::SetPrintRange, prAllPages)
          .Integer("ToPage", &P::ToPage, &P::SetToPage, 0)
          .Build();
  return cls;
}

TPrintDialog::TPrintDialog(TComponent* owner) : TCommonDialog(owner) {}

TClass TPrinterSetupDialog::ClassInfo() {
  static TClass cls =
      TClassBuilder<TPrinterSetupDialog>("TPrinterSetupDialog", TCommonDialog::ClassInfo()).Creatable().Build();
  return cls;
}

}  // namespace vcl
