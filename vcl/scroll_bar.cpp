#include "vcl/scroll_bar.h"

#include <algorithm>

#include "vcl/published_controls.h"

namespace vcl {

namespace {
const TTypeInfo* TypeInfoScrollBarKind() {
  static auto t = MakeEnumType("TScrollBarKind", {"sbHorizontal", "sbVertical"});
  return t;
}
[[noreturn]] void RangeError() { throw EInvalidOperation("Scroll bar property out of range"); }
}  // namespace

TClass TScrollBar::ClassInfo() {
  static TClass cls = [] {
    using S = TScrollBar;
    TClassBuilder<S> b("TScrollBar", TWinControl::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Align Anchors BiDiMode Constraints Ctl3D DragCursor DragKind DragMode Enabled");
    b.Enum<TScrollBarKind>("Kind", TypeInfoScrollBarKind(), &S::Kind, &S::SetKind, sbHorizontal);
    b.Integer("LargeChange", &S::LargeChange, &S::SetLargeChange, 1, NamedIntegerType("TScrollBarInc"));
    b.Integer("Max", &S::Max, &S::SetMax, 100);
    b.Integer("Min", &S::Min, &S::SetMin, 0);
    b.Integer("PageSize", &S::PageSize, &S::SetPageSize, 0);
    PublishStandard(b, "ParentBiDiMode ParentCtl3D ParentShowHint PopupMenu");
    b.Integer("Position", &S::Position, &S::SetPosition, 0);
    PublishStandard(b, "ShowHint");
    b.Integer("SmallChange", &S::SmallChange, &S::SetSmallChange, 1, NamedIntegerType("TScrollBarInc"));
    PublishStandard(b, "TabOrder");
    b.Bool("TabStop", &S::TabStop, &S::SetTabStop, true);
    PublishStandard(b, "Visible");
    b.Event("OnChange", &S::OnChange);
    PublishStandard(b, "OnDragDrop OnDragOver OnEndDock OnEndDrag OnEnter OnExit OnKeyDown OnKeyPress OnKeyUp");
    b.Event("OnScroll", &S::OnScroll, "TScrollEvent");
    PublishStandard(b, "OnStartDock OnStartDrag");
    return b.Build();
  }();
  return cls;
}

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 121, 16);
  SetTabStop(true);
  SetControlStyle(StyleOf(csFramed) | StyleOf(csDoubleClicks) | StyleOf(csOpaque));
}

void TScrollBar::SetKind(TScrollBarKind value) {
  if (value == kind_) return;
  kind_ = value;
  if (!IsLoading()) SetBounds(Left(), Top(), Height(), Width());
}

void TScrollBar::SetParams(int position, int min, int max) {
  if (max < min || max < pageSize_) RangeError();
  bool moved = std::clamp(position, min, max) != position_;
  min_ = min;
  max_ = max;
  position_ = std::clamp(position, min, max);
  if (moved && !IsLoading()) OnChange(this);
}

void TScrollBar::SetPageSize(int value) {
  if (value < 0 || value > max_ - min_ + 1) RangeError();
  pageSize_ = value;
}

}  // namespace vcl
