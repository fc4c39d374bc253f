// The spin edit: an edit box for whole numbers with up and down buttons.
#pragma once

#include "vcl/stdctrls.h"

namespace vcl {

// The pair of arrow buttons of a spin edit (made and owned by it, never written).
class TSpinButton : public TWinControl {
  VCL_CLASS(TSpinButton, TWinControl)
  explicit TSpinButton(TComponent* owner);
  TWinControl* FocusControl() const { return focusControl_.get(); }
  void SetFocusControl(TWinControl* value) { focusControl_.Set(value); }
  // Clicks on the arrows.
  void ClickUp() { OnUpClick(this); }
  void ClickDown() { OnDownClick(this); }

  TNotifyEvent OnUpClick;
  TNotifyEvent OnDownClick;

private:
  TComponentRef<TWinControl> focusControl_{this};
};

// Value is the text read as an integer (MinValue when it is not one). Setting it, and the
// arrows, raise it to MinValue or lower it to MaxValue, unless the two are equal.
class TSpinEdit : public TCustomEdit {
  VCL_CLASS(TSpinEdit, TCustomEdit)
  explicit TSpinEdit(TComponent* owner);

  int Value() const;
  void SetValue(int value);
  int MinValue() const { return minValue_; }
  void SetMinValue(int value) { minValue_ = value; }
  int MaxValue() const { return maxValue_; }
  void SetMaxValue(int value) { maxValue_ = value; }
  int Increment() const { return increment_; }
  void SetIncrement(int value) { increment_ = value; }
  bool EditorEnabled() const { return editorEnabled_; }
  void SetEditorEnabled(bool value) { editorEnabled_ = value; }
  TSpinButton* Button() const { return button_; }

  // What the arrows do (nothing while ReadOnly).
  void UpClick();
  void DownClick();

protected:
  // Text height + a quarter of it + 6: room for the arrows.
  int AutoHeight() const override;
  // Digits and signs; nothing when the editor is disabled.
  bool IsValidChar(char32_t ch) const override;
  // Up and Down step the value.
  void KeyDownDefault(Word key, TShiftState shift) override;
  void BoundsChanged(bool sizeChanged) override;

private:
  int CheckValue(int value) const;

  TSpinButton* button_;
  int minValue_ = 0;
  int maxValue_ = 0;
  int increment_ = 1;
  bool editorEnabled_ = true;
};

}  // namespace vcl
