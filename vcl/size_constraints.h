// A control's minimum and maximum size, published as its Constraints sub-object.
#pragma once

#include "vcl/classes.h"

namespace vcl {

class TControl;

// Each limit is 0 for none. Raising a minimum above its maximum raises the maximum; lowering
// a maximum below its minimum lowers the minimum. Every change makes the owning control
// re-apply the limits to its size, then runs OnChange.
class TSizeConstraints : public TPersistent {
  VCL_CLASS(TSizeConstraints, TPersistent)
  explicit TSizeConstraints(TControl* control = nullptr) : control_(control) {}

  TControl* Control() const { return control_; }
  int MaxHeight() const { return maxHeight_; }
  int MaxWidth() const { return maxWidth_; }
  int MinHeight() const { return minHeight_; }
  int MinWidth() const { return minWidth_; }
  void SetMaxHeight(int value);
  void SetMaxWidth(int value);
  void SetMinHeight(int value);
  void SetMinWidth(int value);

  // Clamps a proposed size to the limits.
  void Apply(int& width, int& height) const;

  TNotifyEvent OnChange;

protected:
  void AssignTo(TPersistent* dest) override;

private:
  // Re-applies the limits to the control's size, then runs OnChange.
  void Change();

  TControl* control_;
  int maxHeight_ = 0;
  int maxWidth_ = 0;
  int minHeight_ = 0;
  int minWidth_ = 0;
};

}  // namespace vcl
