#include "vcl/comctrls_pager.h"

#include "vcl/published_controls.h"

namespace vcl {

namespace {
const TTypeInfo* TypeInfoPageScrollerOrientation() {
  static auto t = MakeEnumType("TPageScrollerOrientation", {"soHorizontal", "soVertical"});
  return t;
}
}  // namespace

TClass TPageScroller::ClassInfo() {
  static TClass cls = [] {
    using P = TPageScroller;
    TClassBuilder<P> b("TPageScroller", TWinControl::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Align Anchors");
    b.Bool("AutoScroll", &P::AutoScroll, &P::SetAutoScroll, std::nullopt);
    PublishStandard(b, "BorderWidth");
    b.Integer("ButtonSize", &P::ButtonSize, &P::SetButtonSize, 12);
    b.Integer("Color", &P::Color, &P::SetColor, clBtnFace, TypeInfoColor()).StoredWhen(&P::IsColorStored);
    PublishStandard(b, "Constraints");
    b.Reference<TWinControl>("Control", &P::Control, &P::SetControl);
    PublishStandard(b, "DragCursor DragKind DragMode Enabled Font");
    b.Integer("Margin", &P::Margin, &P::SetMargin, 0);
    b.Enum<TPageScrollerOrientation>("Orientation", TypeInfoPageScrollerOrientation(), &P::Orientation,
                                     &P::SetOrientation, soHorizontal);
    b.Bool("ParentColor", &P::ParentColor, &P::SetParentColor, false);
    PublishStandard(b, "ParentFont ParentShowHint PopupMenu");
    b.Integer("Position", &P::Position, &P::SetPosition, 0);
    PublishStandard(b, "ShowHint TabOrder");
    b.Bool("TabStop", &P::TabStop, &P::SetTabStop, true);
    PublishStandard(b, "Visible OnClick OnDragDrop OnDragOver OnEndDrag OnEnter OnExit OnMouseDown OnMouseMove "
                       "OnMouseUp OnResize");
    b.Event("OnScroll", &P::OnScroll, "TPageScrollEvent");
    PublishStandard(b, "OnStartDrag");
    return b.Build();
  }();
  return cls;
}

TPageScroller::TPageScroller(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 150, 45);
  SetColor(clBtnFace);
  SetParentColor(false);
  SetTabStop(true);
}

TPageScrollerButtonState TPageScroller::ButtonState(TPageScrollerButton button) const {
  TWinControl* control = Control();
  if (!control) return bsInvisible;
  bool horizontal = orientation_ == soHorizontal;
  int extent = horizontal ? control->Width() : control->Height();
  int room = horizontal ? ClientWidth() : ClientHeight();
  bool more = button == sbFirst ? position_ > 0 : position_ + room < extent;
  return more ? bsNormal : bsInvisible;
}

}  // namespace vcl
