#include "vcl/comctrls_ranges.h"

#include <algorithm>

#include "vcl/published_controls.h"

namespace vcl {

namespace {
const TTypeInfo* TypeInfoTrackBarOrientation() {
  static auto t = MakeEnumType("TTrackBarOrientation", {"trHorizontal", "trVertical"});
  return t;
}
const TTypeInfo* TypeInfoTickMark() {
  static auto t = MakeEnumType("TTickMark", {"tmBottomRight", "tmTopLeft", "tmBoth"});
  return t;
}
const TTypeInfo* TypeInfoTickStyle() {
  static auto t = MakeEnumType("TTickStyle", {"tsNone", "tsAuto", "tsManual"});
  return t;
}
const TTypeInfo* TypeInfoProgressBarOrientation() {
  static auto t = MakeEnumType("TProgressBarOrientation", {"pbHorizontal", "pbVertical"});
  return t;
}
const TTypeInfo* TypeInfoUDAlignButton() {
  static auto t = MakeEnumType("TUDAlignButton", {"udLeft", "udRight"});
  return t;
}
const TTypeInfo* TypeInfoUDOrientation() {
  static auto t = MakeEnumType("TUDOrientation", {"udHorizontal", "udVertical"});
  return t;
}

// The decimal digits of `value` in groups of three, as the up-down shows them.
std::string GroupedDigits(int value) {
  std::string digits = IntToStr(value < 0 ? -static_cast<std::int64_t>(value) : value);
  std::string grouped(value < 0 ? "-" : "");
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
    grouped += digits[i];
  }
  return grouped;
}
}  // namespace

// ---- TTrackBar

TClass TTrackBar::ClassInfo() {
  static TClass cls = [] {
    using T = TTrackBar;
    TClassBuilder<T> b("TTrackBar", TWinControl::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Align Anchors BorderWidth Ctl3D DragCursor DragKind DragMode Enabled Constraints");
    b.Integer("LineSize", &T::LineSize, &T::SetLineSize, 1);
    b.Integer("Max", &T::Max, &T::SetMax, 10);
    b.Integer("Min", &T::Min, &T::SetMin, 0);
    b.Enum<TTrackBarOrientation>("Orientation", TypeInfoTrackBarOrientation(), &T::Orientation, &T::SetOrientation,
                                 trHorizontal);
    PublishStandard(b, "ParentCtl3D ParentShowHint");
    b.Integer("PageSize", &T::PageSize, &T::SetPageSize, 2);
    PublishStandard(b, "PopupMenu");
    b.Integer("Frequency", &T::Frequency, &T::SetFrequency, 1);
    b.Integer("Position", &T::Position, &T::SetPosition, 0);
    b.Bool("SliderVisible", &T::SliderVisible, &T::SetSliderVisible, true);
    b.Integer("SelEnd", &T::SelEnd, &T::SetSelEnd, 0);
    b.Integer("SelStart", &T::SelStart, &T::SetSelStart, 0);
    PublishStandard(b, "ShowHint TabOrder");
    b.Bool("TabStop", &T::TabStop, &T::SetTabStop, true);
    b.Integer("ThumbLength", &T::ThumbLength, &T::SetThumbLength, 20);
    b.Enum<TTickMark>("TickMarks", TypeInfoTickMark(), &T::TickMarks, &T::SetTickMarks, tmBottomRight);
    b.Enum<TTickStyle>("TickStyle", TypeInfoTickStyle(), &T::TickStyle, &T::SetTickStyle, tsAuto);
    PublishStandard(b, "Visible");
    b.Event("OnChange", &T::OnChange);
    PublishStandard(b,
                    "OnDragDrop OnDragOver OnEndDock OnEndDrag OnEnter OnExit OnKeyDown OnKeyPress OnKeyUp "
                    "OnStartDock OnStartDrag");
    return b.Build();
  }();
  return cls;
}

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(ControlStyle() & ~(StyleOf(csAcceptsControls) | StyleOf(csSetCaption)));
  SetBounds(0, 0, 150, 45);
  SetTabStop(true);
}

void TTrackBar::SetMin(int value) {
  min_ = value;
  if (!HasState(csLoading)) SetPosition(position_);
}

void TTrackBar::SetMax(int value) {
  max_ = value;
  if (!HasState(csLoading)) SetPosition(position_);
}

void TTrackBar::SetPosition(int value) {
  // While reading, the range may not be complete yet: Loaded clamps.
  int clamped = HasState(csLoading) || max_ < min_ ? value : std::clamp(value, min_, max_);
  if (clamped == position_) return;
  position_ = clamped;
  if (!HasState(csLoading)) OnChange(this);
}

void TTrackBar::SetOrientation(TTrackBarOrientation value) {
  if (value == orientation_) return;
  orientation_ = value;
  if (!HasState(csLoading)) SetBounds(Left(), Top(), Height(), Width());
}

void TTrackBar::Loaded() {
  TWinControl::Loaded();
  if (max_ >= min_) position_ = std::clamp(position_, min_, max_);
}

// ---- TProgressBar

TClass TProgressBar::ClassInfo() {
  static TClass cls = [] {
    using P = TProgressBar;
    TClassBuilder<P> b("TProgressBar", TWinControl::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Align Anchors BorderWidth DragCursor DragKind DragMode Enabled Constraints");
    b.Integer("Min", &P::Min, &P::SetMin, 0);
    b.Integer("Max", &P::Max, &P::SetMax, 100);
    b.Enum<TProgressBarOrientation>("Orientation", TypeInfoProgressBarOrientation(), &P::Orientation,
                                    &P::SetOrientation, pbHorizontal);
    PublishStandard(b, "ParentShowHint PopupMenu");
    b.Integer("Position", &P::Position, &P::SetPosition, 0);
    b.Bool("Smooth", &P::Smooth, &P::SetSmooth, false);
    b.Integer("Step", &P::Step, &P::SetStep, 10);
    PublishStandard(b, "ShowHint TabOrder TabStop Visible");
    PublishStandard(b,
                    "OnDragDrop OnDragOver OnEndDock OnEndDrag OnEnter OnExit OnMouseDown OnMouseMove OnMouseUp "
                    "OnStartDock OnStartDrag");
    return b.Build();
  }();
  return cls;
}

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(ControlStyle() & ~(StyleOf(csAcceptsControls) | StyleOf(csSetCaption)));
  SetBounds(0, 0, 150, 16);
}

void TProgressBar::StepIt() {
  position_ += step_;
  if (position_ > max_) position_ = min_ + (position_ - max_) % std::max(1, max_ - min_);
}

// ---- TUpDown

TClass TUpDown::ClassInfo() {
  static TClass cls = [] {
    using U = TUpDown;
    TClassBuilder<U> b("TUpDown", TWinControl::ClassInfo());
    b.Creatable();
    b.Enum<TUDAlignButton>("AlignButton", TypeInfoUDAlignButton(), &U::AlignButton, &U::SetAlignButton, udRight);
    PublishStandard(b, "Anchors");
    b.Reference<TWinControl>("Associate", &U::Associate, &U::SetAssociate);
    b.Bool("ArrowKeys", &U::ArrowKeys, &U::SetArrowKeys, true);
    PublishStandard(b, "Enabled");
    b.Integer("Min", &U::Min, &U::SetMin, 0);
    b.Integer("Max", &U::Max, &U::SetMax, 100);
    b.Integer("Increment", &U::Increment, &U::SetIncrement, 1);
    PublishStandard(b, "Constraints");
    b.Enum<TUDOrientation>("Orientation", TypeInfoUDOrientation(), &U::Orientation, &U::SetOrientation, udVertical);
    PublishStandard(b, "ParentShowHint PopupMenu");
    b.Integer("Position", &U::Position, &U::SetPosition, 0);
    PublishStandard(b, "ShowHint TabOrder TabStop");
    b.Bool("Thousands", &U::Thousands, &U::SetThousands, true);
    PublishStandard(b, "Visible");
    b.Bool("Wrap", &U::Wrap, &U::SetWrap, false);
    b.Event("OnChanging", &U::OnChanging, "TUDChangingEvent");
    b.Event("OnClick", &U::OnClick, "TUDClickEvent");
    PublishStandard(b, "OnEnter OnExit OnMouseDown OnMouseMove OnMouseUp");
    return b.Build();
  }();
  return cls;
}

TUpDown::TUpDown(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(ControlStyle() & ~(StyleOf(csAcceptsControls) | StyleOf(csSetCaption)));
  SetBounds(0, 0, 16, 24);
}

void TUpDown::SetPosition(int value) {
  position_ = value;
  if (!HasState(csLoading)) ShowPosition();
}

void TUpDown::SetThousands(bool value) {
  thousands_ = value;
  if (!HasState(csLoading)) ShowPosition();
}

void TUpDown::SetAlignButton(TUDAlignButton value) {
  alignButton_ = value;
  if (!HasState(csLoading)) Attach();
}

void TUpDown::SetAssociate(TWinControl* value) {
  if (value == this) value = nullptr;
  associate_.Set(value);
  if (HasState(csLoading)) return;
  Attach();
  ShowPosition();
}

void TUpDown::Attach() {
  TWinControl* buddy = associate_.get();
  if (!buddy || buddy->Parent() != Parent()) return;
  int left = buddy->Left();
  buddy->SetWidth(std::max(0, buddy->Width() - Width()));
  if (alignButton_ == udLeft) {
    buddy->SetLeft(left + Width());
    SetBounds(left, buddy->Top(), Width(), buddy->Height());
  } else {
    SetBounds(left + buddy->Width(), buddy->Top(), Width(), buddy->Height());
  }
}

void TUpDown::ShowPosition() {
  if (TWinControl* buddy = associate_.get()) buddy->SetText(thousands_ ? GroupedDigits(position_) : IntToStr(position_));
}

void TUpDown::ClickButton(TUDBtnType button) {
  bool allow = true;
  OnChanging(this, allow);
  if (!allow) return;
  int next = position_ + (button == btNext ? increment_ : -increment_);
  if (next > max_) next = wrap_ ? min_ : max_;
  if (next < min_) next = wrap_ ? max_ : min_;
  SetPosition(next);
  OnClick(this, button);
}

}  // namespace vcl
