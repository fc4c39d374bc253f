// The page scroller of the Win32 page: a strip that holds one control larger than itself
// and scrolls it by arrow buttons at its two ends.
#pragma once

#include "vcl/controls.h"

namespace vcl {

enum TPageScrollerOrientation { soHorizontal, soVertical };
enum TPageScrollerButton { sbFirst, sbLast };
enum TPageScrollerButtonState { bsNormal, bsInvisible, bsGrayed, bsDepressed, bsHot };
// Sender, shift state, x, y, orientation, the delta to scroll by (may be changed).
using TPageScrollEvent = TEvent<TObject*, TShiftState, int, int, TPageScrollerOrientation, int&>;

class TPageScroller : public TWinControl {
  VCL_CLASS(TPageScroller, TWinControl)
  explicit TPageScroller(TComponent* owner);

  bool AutoScroll() const { return autoScroll_; }
  void SetAutoScroll(bool value) { autoScroll_ = value; }
  int ButtonSize() const { return buttonSize_; }
  void SetButtonSize(int value) { buttonSize_ = value; }
  // The control scrolled; cleared when it goes.
  TWinControl* Control() const { return control_.get(); }
  void SetControl(TWinControl* value) { control_.Set(value); }
  int Margin() const { return margin_; }
  void SetMargin(int value) { margin_ = value; }
  TPageScrollerOrientation Orientation() const { return orientation_; }
  void SetOrientation(TPageScrollerOrientation value) { orientation_ = value; }
  // How far the control is scrolled, in pixels.
  int Position() const { return position_; }
  void SetPosition(int value) { position_ = value < 0 ? 0 : value; }
  // Invisible where there is nothing more to scroll to on that side, else normal.
  TPageScrollerButtonState ButtonState(TPageScrollerButton button) const;

  TPageScrollEvent OnScroll;

private:
  bool autoScroll_ = false;
  int buttonSize_ = 12;
  TComponentRef<TWinControl> control_{this};
  int margin_ = 0;
  TPageScrollerOrientation orientation_ = soHorizontal;
  int position_ = 0;
};

}  // namespace vcl
