// The scroll bar control: a thumb at Position between Min and Max, level or upright.
#pragma once

#include "vcl/stdctrls.h"

namespace vcl {

enum TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };
// Sender, what moved the thumb, the new position (the handler may change it).
using TScrollEvent = TEvent<TObject*, TScrollCode, int&>;

// Min stays at most Max and PageSize at most the range ("Scroll bar property out of
// range" otherwise); Position is kept between Min and Max. Changing Kind turns the bar,
// swapping its width and height (not while loading: the file gives the size).
class TScrollBar : public TWinControl {
  VCL_CLASS(TScrollBar, TWinControl)
  explicit TScrollBar(TComponent* owner);

  TScrollBarKind Kind() const { return kind_; }
  void SetKind(TScrollBarKind value);
  int Min() const { return min_; }
  void SetMin(int value) { SetParams(position_, value, max_); }
  int Max() const { return max_; }
  void SetMax(int value) { SetParams(position_, min_, value); }
  int Position() const { return position_; }
  void SetPosition(int value) { SetParams(value, min_, max_); }
  void SetParams(int position, int min, int max);
  int PageSize() const { return pageSize_; }
  void SetPageSize(int value);
  int SmallChange() const { return smallChange_; }
  void SetSmallChange(int value) { smallChange_ = value; }
  int LargeChange() const { return largeChange_; }
  void SetLargeChange(int value) { largeChange_ = value; }

  TNotifyEvent OnChange;
  TScrollEvent OnScroll;

private:
  TScrollBarKind kind_ = sbHorizontal;
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int pageSize_ = 0;
  int smallChange_ = 1;
  int largeChange_ = 1;
};

}  // namespace vcl
