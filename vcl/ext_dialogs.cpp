#include "vcl/ext_dialogs.h"

#include "vcl/class_builder.h"

namespace vcl {

const std::string& GraphicFilter() {
  static const std::string filter =
      "All (*.bmp;*.ico;*.emf;*.wmf)|*.bmp;*.ico;*.emf;*.wmf|Bitmaps (*.bmp)|*.bmp|Icons (*.ico)|*.ico|"
      "Enhanced Metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf";
  return filter;
}

TClass TOpenPictureDialog::ClassInfo() {
  using O = TOpenPictureDialog;
  static TClass cls = TClassBuilder<O>("TOpenPictureDialog", TOpenDialog::ClassInfo())
                          .Creatable()
                          .String("Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter)
                          .StoredWhen(&O::IsFilterStored)
                          .Build();
  return cls;
}

TOpenPictureDialog::TOpenPictureDialog(TComponent* owner) : TOpenDialog(owner) { SetFilter(GraphicFilter()); }

TClass TSavePictureDialog::ClassInfo() {
  static TClass cls =
      TClassBuilder<TSavePictureDialog>("TSavePictureDialog", TOpenPictureDialog::ClassInfo()).Creatable().Build();
  return cls;
}

bool TSavePictureDialog::Execute() { return ExecuteSaveDialog(*this); }

}  // namespace vcl
