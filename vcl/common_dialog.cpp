#include "vcl/common_dialog.h"

#include "vcl/actnlist.h"
#include "vcl/class_builder.h"

namespace vcl {

TClass TCommonDialog::ClassInfo() {
  static TClass cls = TClassBuilder<TCommonDialog>("TCommonDialog", TComponent::ClassInfo())
                          .Bool("Ctl3D", &TCommonDialog::Ctl3D, &TCommonDialog::SetCtl3D, true)
                          .Integer("HelpContext", &TCommonDialog::HelpContext, &TCommonDialog::SetHelpContext, 0,
                                   TypeInfoHelpContext())
                          .Event("OnClose", &TCommonDialog::OnClose)
                          .Event("OnShow", &TCommonDialog::OnShow)
                          .Build();
  return cls;
}

TCommonDialog::TCommonDialog(TComponent* owner) : TComponent(owner) {}

}  // namespace vcl
