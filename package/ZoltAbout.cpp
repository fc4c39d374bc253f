#include "package/ZoltAbout.h"

#include "vcl/class_builder.h"
#include "vcl/resources.h"
#include "vcl/streaming/layout.h"

namespace zolt {

using namespace vcl;

TClass TdlgZoltAbout::ClassInfo() {
  static TClass cls = TClassBuilder<TdlgZoltAbout>("TdlgZoltAbout", TForm::ClassInfo())
                          .Field("imgZolt", &TdlgZoltAbout::imgZolt)
                          .Field("lblProgramming", &TdlgZoltAbout::lblProgramming)
                          .Field("lblVersionCaption", &TdlgZoltAbout::lblVersionCaption)
                          .Field("lblVersion", &TdlgZoltAbout::lblVersion)
                          .Field("btnOK", &TdlgZoltAbout::btnOK)
                          .Build();
  return cls;
}

TdlgZoltAbout::TdlgZoltAbout(TComponent* owner) : TForm(owner) {
  InitDialog(this, "dlgZoltAbout.dfm");
  imgZolt->Picture()->Bitmap()->LoadFromBmp(FindResource("ZoltAbout.bmp"));
}

void ShowZoltAbout(TComponent* owner) {
  auto* about = new TdlgZoltAbout(owner);
  try {
    about->ShowModal();
  } catch (...) {
    about->Free();
    throw;
  }
  about->Free();
}

}  // namespace zolt
