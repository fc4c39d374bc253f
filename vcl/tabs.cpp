#include "vcl/tabs.h"

#include "vcl/published_controls.h"

namespace vcl {

namespace {
const TTypeInfo* TypeInfoTabSetStyle() {
  static auto t = MakeEnumType("TTabStyle", {"tsStandard", "tsOwnerDraw"});
  return t;
}
}  // namespace

TClass TTabSet::ClassInfo() {
  static TClass cls = [] {
    using T = TTabSet;
    TClassBuilder<T> b("TTabSet", TCustomControl::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Align Anchors");
    b.Bool("AutoScroll", &T::AutoScroll, &T::SetAutoScroll, true);
    b.Integer("BackgroundColor", &T::BackgroundColor, &T::SetBackgroundColor, clBtnFace, TypeInfoColor());
    PublishStandard(b, "Constraints");
    b.Bool("DitherBackground", &T::DitherBackground, &T::SetDitherBackground, true);
    PublishStandard(b, "DragCursor DragKind DragMode Enabled");
    b.Integer("EndMargin", &T::EndMargin, &T::SetEndMargin, 5);
    PublishStandard(b, "Font ParentShowHint PopupMenu ShowHint");
    b.Integer("StartMargin", &T::StartMargin, &T::SetStartMargin, 5);
    b.Integer("SelectedColor", &T::SelectedColor, &T::SetSelectedColor, clBtnFace, TypeInfoColor());
    b.Bool("SoftTop", &T::SoftTop, &T::SetSoftTop, false);
    b.Enum<TTabSetStyle>("Style", TypeInfoTabSetStyle(), &T::Style, &T::SetStyle, tsStandard);
    b.Integer("TabHeight", &T::TabHeight, &T::SetTabHeight, 20);
    // Tabs come before TabIndex: the index is read once the tabs exist.
    b.Object("Tabs", &T::Tabs);
    b.Integer("TabIndex", &T::TabIndex, &T::SetTabIndex, -1);
    b.Integer("UnselectedColor", &T::UnselectedColor, &T::SetUnselectedColor, clWindow, TypeInfoColor());
    PublishStandard(b, "Visible");
    b.Event("OnChange", &T::OnChange, "TTabChangeEvent");
    PublishStandard(b, "OnClick OnDragDrop OnDragOver");
    b.Event("OnDrawTab", &T::OnDrawTab, "TDrawTabEvent");
    PublishStandard(b, "OnEndDock OnEndDrag OnEnter OnExit");
    b.Event("OnMeasureTab", &T::OnMeasureTab, "TMeasureTabEvent");
    PublishStandard(b, "OnMouseDown OnMouseMove OnMouseUp OnStartDock OnStartDrag");
    return b.Build();
  }();
  return cls;
}

TTabSet::TTabSet(TComponent* owner) : TCustomControl(owner), tabs_(std::make_unique<TStringList>()) {
  SetControlStyle(StyleOf(csCaptureMouse) | StyleOf(csDoubleClicks) | StyleOf(csOpaque));
  SetBounds(0, 0, 185, 21);
  tabs_->OnChange = [this](TObject*) {
    if (tabIndex_ >= tabs_->Count()) tabIndex_ = tabs_->Count() - 1;
  };
}

TTabSet::~TTabSet() { tabs_->OnChange.Clear(); }

void TTabSet::SetTabIndex(int value) {
  if (IsLoading() || (value >= -1 && value < tabs_->Count())) tabIndex_ = value;
}

bool TTabSet::SelectTab(int index) {
  if (index < 0 || index >= tabs_->Count() || index == tabIndex_) return false;
  bool allow = true;
  OnChange(this, index, allow);
  if (allow) tabIndex_ = index;
  return allow;
}

void TTabSet::Loaded() {
  TCustomControl::Loaded();
  if (tabIndex_ >= tabs_->Count()) tabIndex_ = tabs_->Count() - 1;
}

}  // namespace vcl
