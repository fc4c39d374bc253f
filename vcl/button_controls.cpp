#include "vcl/forms.h"
#include "vcl/published_controls.h"
#include "vcl/stdctrls.h"

namespace vcl {

const TTypeInfo* TypeInfoCheckBoxState() {
  static auto t = MakeEnumType("TCheckBoxState", {"cbUnchecked", "cbChecked", "cbGrayed"});
  return t;
}

namespace {
const char* const kWinControlEvents =
    "OnDragDrop OnDragOver OnEndDock OnEndDrag OnEnter OnExit OnKeyDown OnKeyPress OnKeyUp OnMouseDown "
    "OnMouseMove OnMouseUp OnStartDock OnStartDrag";

// A button control's link: the checked state follows the action too.
class TButtonActionLink : public TControlActionLink {
public:
  explicit TButtonActionLink(TButtonControl* client) : TControlActionLink(client), button_(client) {}
  bool IsCheckedLinked() const override {
    return TActionLink::IsCheckedLinked() && button_->Checked() == CustomAction()->Checked();
  }
  void SetChecked(bool value) override {
    if (IsCheckedLinked()) button_->SetChecked(value);
  }

private:
  TButtonControl* button_;
};
}  // namespace

// ---- TButtonControl

TClass TButtonControl::ClassInfo() {
  static TClass cls = TClassBuilder<TButtonControl>("TButtonControl", TWinControl::ClassInfo()).Build();
  return cls;
}

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {}

void TButtonControl::ActionChange(TCustomAction* action, bool checkDefaults) {
  TWinControl::ActionChange(action, checkDefaults);
  if (!checkDefaults || !Checked()) SetChecked(action->Checked());
}

std::unique_ptr<TControlActionLink> TButtonControl::CreateActionLink() {
  return std::make_unique<TButtonActionLink>(this);
}

// ---- TButton

TClass TButton::ClassInfo() {
  static TClass cls = [] {
    using B = TButton;
    TClassBuilder<B> b("TButton", TButtonControl::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Action Anchors BiDiMode");
    b.Bool("Cancel", &B::Cancel, &B::SetCancel, false);
    PublishStandard(b, "Caption Constraints");
    b.Bool("Default", &B::Default, &B::SetDefault, false);
    PublishStandard(b, "DragCursor DragKind DragMode Enabled Font");
    b.Integer("ModalResult", &B::ModalResult, &B::SetModalResult, 0, TypeInfoModalResult());
    PublishStandard(b, "ParentBiDiMode ParentFont ParentShowHint PopupMenu ShowHint TabOrder");
    b.Bool("TabStop", &B::TabStop, &B::SetTabStop, true);
    PublishStandard(b, "Visible OnClick");
    PublishStandard(b, kWinControlEvents);
    return b.Build();
  }();
  return cls;
}

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
  SetControlStyle(StyleOf(csSetCaption) | StyleOf(csDoubleClicks));
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
}

void TButton::Click() {
  if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(modalResult_);
  TButtonControl::Click();
}

// ---- TCustomCheckBox

TClass TCustomCheckBox::ClassInfo() {
  static TClass cls = TClassBuilder<TCustomCheckBox>("TCustomCheckBox", TButtonControl::ClassInfo()).Build();
  return cls;
}

TCustomCheckBox::TCustomCheckBox(TComponent* owner) : TButtonControl(owner) {
  SetControlStyle(StyleOf(csSetCaption) | StyleOf(csDoubleClicks));
  SetBounds(0, 0, 97, 17);
  SetTabStop(true);
}

void TCustomCheckBox::SetState(TCheckBoxState value) {
  if (value == state_) return;
  state_ = value;
  if (!ClicksDisabled()) Click();
}

void TCustomCheckBox::Toggle() {
  switch (state_) {
    case cbUnchecked: SetState(allowGrayed_ ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    case cbGrayed: SetState(cbChecked); break;
  }
}

TClass TCheckBox::ClassInfo() {
  static TClass cls = [] {
    using C = TCheckBox;
    TClassBuilder<C> b("TCheckBox", TCustomCheckBox::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Action");
    b.Enum<TLeftRight>("Alignment", TypeInfoLeftRight(), &C::Alignment, &C::SetAlignment, taRightJustify);
    b.Bool("AllowGrayed", &C::AllowGrayed, &C::SetAllowGrayed, false);
    PublishStandard(b, "Anchors BiDiMode Caption");
    b.Bool("Checked", &C::Checked, &C::SetChecked, false).StoredWhen(&C::IsCheckedStored);
    PublishStandard(b,
                    "Color Constraints Ctl3D DragCursor DragKind DragMode Enabled Font ParentBiDiMode ParentColor "
                    "ParentCtl3D ParentFont ParentShowHint PopupMenu ShowHint");
    b.Enum<TCheckBoxState>("State", TypeInfoCheckBoxState(), &C::State, &C::SetState, cbUnchecked);
    PublishStandard(b, "TabOrder");
    b.Bool("TabStop", &C::TabStop, &C::SetTabStop, true);
    PublishStandard(b, "Visible OnClick");
    PublishStandard(b, kWinControlEvents);
    return b.Build();
  }();
  return cls;
}

// ---- TRadioButton

TClass TRadioButton::ClassInfo() {
  static TClass cls = [] {
    using R = TRadioButton;
    TClassBuilder<R> b("TRadioButton", TButtonControl::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Action");
    b.Enum<TLeftRight>("Alignment", TypeInfoLeftRight(), &R::Alignment, &R::SetAlignment, taRightJustify);
    PublishStandard(b, "Anchors BiDiMode Caption");
    b.Bool("Checked", &R::Checked, &R::SetChecked, false).StoredWhen(&R::IsCheckedStored);
    PublishStandard(b,
                    "Color Constraints Ctl3D DragCursor DragKind DragMode Enabled Font ParentBiDiMode ParentColor "
                    "ParentCtl3D ParentFont ParentShowHint PopupMenu ShowHint TabOrder TabStop Visible OnClick "
                    "OnDblClick");
    PublishStandard(b, kWinControlEvents);
    return b.Build();
  }();
  return cls;
}

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) {
  SetControlStyle(StyleOf(csSetCaption) | StyleOf(csDoubleClicks));
  SetBounds(0, 0, 113, 17);
}

void TRadioButton::SetChecked(bool value) {
  if (value == checked_) return;
  checked_ = value;
  SetTabStop(value);
  if (!value) return;
  if (TWinControl* parent = Parent())
    for (int i = 0; i < parent->ControlCount(); ++i)
      if (auto* sibling = Cast<TRadioButton>(parent->Controls(i)); sibling && sibling != this)
        sibling->SetChecked(false);
  if (!ClicksDisabled()) Click();
}

}  // namespace vcl
