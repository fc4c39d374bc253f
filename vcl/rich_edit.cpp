#include "vcl/class_builder.h"
#include "vcl/comctrls.h"

namespace vcl {

TClass TCustomRichEdit::ClassInfo() {
  static TClass cls = TClassBuilder<TCustomRichEdit>("TCustomRichEdit", TCustomMemo::ClassInfo()).Build();
  return cls;
}

TCustomRichEdit::TCustomRichEdit(TComponent* owner) : TCustomMemo(owner) {}

}  // namespace vcl
