#include "vcl/streaming/form_placeholders.h"

#include "vcl/class_builder.h"
#include "vcl/classes.h"
#include "vcl/controls.h"
#include "vcl/published_controls.h"

namespace vcl {

namespace {

// The stand-in for an unknown non-visual component.
class TPlaceholderComponent : public TComponent {
  VCL_CLASS(TPlaceholderComponent, TComponent)
  using TComponent::TComponent;
};

TClass TPlaceholderComponent::ClassInfo() {
  static TClass cls = TClassBuilder<TPlaceholderComponent>("TPlaceholderComponent", TComponent::ClassInfo())
                          .Creatable()
                          .Build();
  return cls;
}

// The stand-in for an unknown windowed control: it takes its place, size, caption and
// tab order from the file, so that tools can lay it out with the others.
class TPlaceholderWinControl : public TCustomControl {
  VCL_CLASS(TPlaceholderWinControl, TCustomControl)
  using TCustomControl::TCustomControl;
};

TClass TPlaceholderWinControl::ClassInfo() {
  static TClass cls = [] {
    TClassBuilder<TPlaceholderWinControl> b("TPlaceholderWinControl", TCustomControl::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Align Caption Enabled Visible TabOrder TabStop");
    return b.Build();
  }();
  return cls;
}

class TPlaceholderControl : public TGraphicControl {
  VCL_CLASS(TPlaceholderControl, TGraphicControl)
  using TGraphicControl::TGraphicControl;
};

TClass TPlaceholderControl::ClassInfo() {
  static TClass cls = [] {
    TClassBuilder<TPlaceholderControl> b("TPlaceholderControl", TGraphicControl::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Align Caption Enabled Visible");
    return b.Build();
  }();
  return cls;
}

TClass PlaceholderBase(const dfm::Object& node) {
  bool windowed = !node.children.empty() || node.find_property("TabOrder");
  if (windowed) return TPlaceholderWinControl::ClassInfo();
  if (node.find_property("Width") || node.find_property("Height")) return TPlaceholderControl::ClassInfo();
  return TPlaceholderComponent::ClassInfo();
}

}  // namespace

std::unique_ptr<TMetaClass> MakePlaceholderClass(const dfm::Object& node) {
  return TMetaClass::CreateDescendant(std::string(node.class_name()), PlaceholderBase(node));
}

bool IsControlClass(TClass cls) { return cls->InheritsFrom(TControl::ClassInfo()); }

}  // namespace vcl
