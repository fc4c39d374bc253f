#include "prefix/dlgPrefix.h"

#include "host/reg_ini_file.h"
#include "package/ZoltAbout.h"
#include "package/ZoltConst.h"
#include "prefix/ZoltPrefix.h"
#include "vcl/class_builder.h"
#include "vcl/dialogs.h"
#include "vcl/streaming/layout.h"

namespace zolt {

using namespace vcl;

TClass TdlgPrefix::ClassInfo() {
  using D = TdlgPrefix;
  static TClass cls = TClassBuilder<D>("TdlgPrefix", TForm::ClassInfo())
                          .Field("btnOK", &D::btnOK)
                          .Field("btnCancel", &D::btnCancel)
                          .Field("lblName", &D::lblName)
                          .Field("edtName", &D::edtName)
                          .Field("edtPrefix", &D::edtPrefix)
                          .Field("lblPrefix", &D::lblPrefix)
                          .Field("pnlAbout", &D::pnlAbout)
                          .Field("SpeedButton1", &D::SpeedButton1)
                          .Method("edtPrefixChange", &D::edtPrefixChange)
                          .Method("btnOKClick", &D::btnOKClick)
                          .Method("SpeedButton1Click", &D::SpeedButton1Click)
                          .Build();
  return cls;
}

TdlgPrefix::TdlgPrefix(TComponent* owner) : TForm(owner) { InitDialog(this, "dlgPrefix.dfm"); }

void TdlgPrefix::edtPrefixChange(TObject*) { btnOK->SetEnabled(!edtPrefix->Text().empty()); }

void TdlgPrefix::btnOKClick(TObject*) {
  host::TRegIniFile store(RegistryKey);
  const std::string prefix = edtPrefix->Text();
  const std::string users = PrefixUsers(prefix);
  if (users.empty() ||
      MessageDlg("Prefix already in use by " + users + ". Use anyway?", mtConfirmation, mbYesNo, 0) == mrYes) {
    store.WriteString(PrefixSection, edtName->Text(), prefix);
    SetModalResult(mrOk);
  } else {
    SetModalResult(mrNone);
  }
}

void TdlgPrefix::SpeedButton1Click(TObject*) { ShowZoltAbout(this); }

}  // namespace zolt
