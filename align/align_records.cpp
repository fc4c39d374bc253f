#include "align/ZoltAlign.h"
#include "vcl/class_builder.h"

namespace zolt {

using namespace vcl;

TClass TLabeledWinControl::ClassInfo() {
  static TClass cls = TClassBuilder<TLabeledWinControl>("TLabeledWinControl", TObject::ClassInfo()).Build();
  return cls;
}

TLabeledWinControl::TLabeledWinControl(TWinControl* control) : Control(control) {}

TLabeledWinControl::~TLabeledWinControl() = default;

void TLabeledWinControl::AddLabel(TControl* label) { Labels.AddObject("", label); }

TControl* TLabeledWinControl::Label(int index) const { return static_cast<TControl*>(Labels.Objects(index)); }

TClass TColumnProperties::ClassInfo() {
  static TClass cls = TClassBuilder<TColumnProperties>("TColumnProperties", TObject::ClassInfo()).Build();
  return cls;
}

TColumnProperties::TColumnProperties(int horColumnOffset, int horLabelOffset)
    : Width(horColumnOffset + horLabelOffset) {}

}  // namespace zolt
