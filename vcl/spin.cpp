#include "vcl/spin.h"

#include <algorithm>

#include "vcl/published_controls.h"
#include "vcl/text_metrics.h"

namespace vcl {

// ---- TSpinButton

TClass TSpinButton::ClassInfo() {
  static TClass cls = [] {
    using S = TSpinButton;
    TClassBuilder<S> b("TSpinButton", TWinControl::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Align Anchors Constraints Ctl3D DragCursor DragKind DragMode Enabled");
    b.Reference<TWinControl>("FocusControl", &S::FocusControl, &S::SetFocusControl);
    PublishStandard(b, "ParentCtl3D ParentShowHint PopupMenu ShowHint TabOrder TabStop Visible");
    b.Event("OnDownClick", &S::OnDownClick);
    PublishStandard(b, "OnDragDrop OnDragOver OnEndDock OnEndDrag OnEnter OnExit OnStartDock OnStartDrag");
    b.Event("OnUpClick", &S::OnUpClick);
    return b.Build();
  }();
  return cls;
}

TSpinButton::TSpinButton(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(ControlStyle() & ~(StyleOf(csAcceptsControls) | StyleOf(csSetCaption)));
  SetBounds(0, 0, 20, 18);
}

// ---- TSpinEdit

TClass TSpinEdit::ClassInfo() {
  static TClass cls = [] {
    using S = TSpinEdit;
    TClassBuilder<S> b("TSpinEdit", TCustomEdit::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Anchors");
    b.Bool("AutoSelect", &S::AutoSelect, &S::SetAutoSelect, true);
    b.Bool("AutoSize", &S::AutoSize, &S::SetAutoSize, true);
    PublishStandard(b, "Color Constraints Ctl3D DragCursor DragMode");
    b.Bool("EditorEnabled", &S::EditorEnabled, &S::SetEditorEnabled, true);
    PublishStandard(b, "Enabled Font");
    b.Integer("Increment", &S::Increment, &S::SetIncrement, 1);
    b.Integer("MaxLength", &S::MaxLength, &S::SetMaxLength, 0);
    b.Integer("MaxValue", &S::MaxValue, &S::SetMaxValue);
    b.Integer("MinValue", &S::MinValue, &S::SetMinValue);
    PublishStandard(b, "ParentColor=False ParentCtl3D ParentFont ParentShowHint PopupMenu");
    b.Bool("ReadOnly", &S::ReadOnly, &S::SetReadOnly, false);
    PublishStandard(b, "ShowHint TabOrder");
    b.Integer("Value", &S::Value, &S::SetValue);
    PublishStandard(b, "Visible");
    b.Event("OnChange", &S::OnChange);
    PublishStandard(b,
                    "OnClick OnDblClick OnDragDrop OnDragOver OnEndDrag OnEnter OnExit OnKeyDown OnKeyPress OnKeyUp "
                    "OnMouseDown OnMouseMove OnMouseUp OnStartDrag");
    return b.Build();
  }();
  return cls;
}

TSpinEdit::TSpinEdit(TComponent* owner) : TCustomEdit(owner), button_(new TSpinButton(this)) {
  button_->SetBounds(0, 0, 15, 17);
  button_->SetParent(this);
  button_->SetFocusControl(this);
  button_->OnUpClick = [this](TObject*) { UpClick(); };
  button_->OnDownClick = [this](TObject*) { DownClick(); };
  SetText("0");
  SetControlStyle(ControlStyle() & ~StyleOf(csSetCaption));
  SetHeight(22);
}

int TSpinEdit::AutoHeight() const {
  int textHeight = MeasureTextHeight(EffectiveFont());
  return textHeight + textHeight / 4 + 6;
}

void TSpinEdit::BoundsChanged(bool sizeChanged) {
  TCustomEdit::BoundsChanged(sizeChanged);
  if (sizeChanged) button_->SetBounds(Width() - button_->Width() - 5, 0, button_->Width(), std::max(Height() - 5, 0));
}

int TSpinEdit::CheckValue(int value) const {
  if (maxValue_ == minValue_) return value;
  if (value < minValue_) return minValue_;
  return value > maxValue_ ? maxValue_ : value;
}

int TSpinEdit::Value() const {
  try {
    return StrToInt(Text());
  } catch (const EConvertError&) {
    return minValue_;
  }
}

void TSpinEdit::SetValue(int value) { SetText(IntToStr(CheckValue(value))); }

void TSpinEdit::UpClick() {
  if (!ReadOnly()) SetValue(Value() + increment_);
}

void TSpinEdit::DownClick() {
  if (!ReadOnly()) SetValue(Value() - increment_);
}

}  // namespace vcl
