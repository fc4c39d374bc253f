// Controls that show or pick a value in a range: the track bar, the progress bar and the
// up-down buttons that step a value (and show it in an associated control).
#pragma once

#include "vcl/controls.h"

namespace vcl {

enum TTrackBarOrientation { trHorizontal, trVertical };
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum TTickStyle { tsNone, tsAuto, tsManual };

// A slider over Min..Max with tick marks every Frequency positions.
class TTrackBar : public TWinControl {
  VCL_CLASS(TTrackBar, TWinControl)
  explicit TTrackBar(TComponent* owner);

  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  // Kept within Min..Max once the form is read.
  int Position() const { return position_; }
  void SetPosition(int value);
  int Frequency() const { return frequency_; }
  void SetFrequency(int value) { frequency_ = value; }
  int LineSize() const { return lineSize_; }
  void SetLineSize(int value) { lineSize_ = value; }
  int PageSize() const { return pageSize_; }
  void SetPageSize(int value) { pageSize_ = value; }
  int SelStart() const { return selStart_; }
  void SetSelStart(int value) { selStart_ = value; }
  int SelEnd() const { return selEnd_; }
  void SetSelEnd(int value) { selEnd_ = value; }
  int ThumbLength() const { return thumbLength_; }
  void SetThumbLength(int value) { thumbLength_ = value; }
  bool SliderVisible() const { return sliderVisible_; }
  void SetSliderVisible(bool value) { sliderVisible_ = value; }
  TTrackBarOrientation Orientation() const { return orientation_; }
  // Turning the bar swaps its width and height (not while the form is read).
  void SetOrientation(TTrackBarOrientation value);
  TTickMark TickMarks() const { return tickMarks_; }
  void SetTickMarks(TTickMark value) { tickMarks_ = value; }
  TTickStyle TickStyle() const { return tickStyle_; }
  void SetTickStyle(TTickStyle value) { tickStyle_ = value; }

  void Loaded() override;
  TNotifyEvent OnChange;

private:
  int min_ = 0, max_ = 10, position_ = 0, frequency_ = 1, lineSize_ = 1, pageSize_ = 2;
  int selStart_ = 0, selEnd_ = 0, thumbLength_ = 20;
  bool sliderVisible_ = true;
  TTrackBarOrientation orientation_ = trHorizontal;
  TTickMark tickMarks_ = tmBottomRight;
  TTickStyle tickStyle_ = tsAuto;
};

enum TProgressBarOrientation { pbHorizontal, pbVertical };

// A bar filled in proportion to Position within Min..Max, in blocks unless Smooth.
class TProgressBar : public TWinControl {
  VCL_CLASS(TProgressBar, TWinControl)
  explicit TProgressBar(TComponent* owner);

  int Min() const { return min_; }
  void SetMin(int value) { min_ = value; }
  int Max() const { return max_; }
  void SetMax(int value) { max_ = value; }
  int Position() const { return position_; }
  void SetPosition(int value) { position_ = value; }
  int Step() const { return step_; }
  void SetStep(int value) { step_ = value; }
  // Advances Position by Step, wrapping to Min past Max as the common control does.
  void StepIt();
  bool Smooth() const { return smooth_; }
  void SetSmooth(bool value) { smooth_ = value; }
  TProgressBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TProgressBarOrientation value) { orientation_ = value; }

private:
  int min_ = 0, max_ = 100, position_ = 0, step_ = 10;
  bool smooth_ = false;
  TProgressBarOrientation orientation_ = pbHorizontal;
};

enum TUDAlignButton { udLeft, udRight };
enum TUDOrientation { udHorizontal, udVertical };
enum TUDBtnType { btNext, btPrev };
using TUDChangingEvent = TEvent<TObject*, bool&>;
using TUDClickEvent = TEvent<TObject*, TUDBtnType>;

// A pair of arrow buttons that step Position within Min..Max. With an Associate it sits
// against that control's edge (narrowing it by its own width) and shows the position in
// the control's text.
class TUpDown : public TWinControl {
  VCL_CLASS(TUpDown, TWinControl)
  explicit TUpDown(TComponent* owner);

  int Min() const { return min_; }
  void SetMin(int value) { min_ = value; }
  int Max() const { return max_; }
  void SetMax(int value) { max_ = value; }
  int Increment() const { return increment_; }
  void SetIncrement(int value) { increment_ = value; }
  int Position() const { return position_; }
  void SetPosition(int value);
  bool Wrap() const { return wrap_; }
  void SetWrap(bool value) { wrap_ = value; }
  bool Thousands() const { return thousands_; }
  void SetThousands(bool value);
  bool ArrowKeys() const { return arrowKeys_; }
  void SetArrowKeys(bool value) { arrowKeys_ = value; }
  TUDAlignButton AlignButton() const { return alignButton_; }
  void SetAlignButton(TUDAlignButton value);
  TUDOrientation Orientation() const { return orientation_; }
  void SetOrientation(TUDOrientation value) { orientation_ = value; }
  TWinControl* Associate() const { return associate_.get(); }
  // Attaches to `value` (null: detaches). While the form is read only the reference is
  // taken: the file holds the places the attachment gave.
  void SetAssociate(TWinControl* value);

  // What a click on an arrow does: asks OnChanging, steps (wrapping or stopping at the
  // ends), runs OnClick.
  void ClickButton(TUDBtnType button);

  TUDChangingEvent OnChanging;
  TUDClickEvent OnClick;

private:
  void Attach();
  void ShowPosition();

  int min_ = 0, max_ = 100, increment_ = 1, position_ = 0;
  bool wrap_ = false, thousands_ = true, arrowKeys_ = true;
  TUDAlignButton alignButton_ = udRight;
  TUDOrientation orientation_ = udVertical;
  TComponentRef<TWinControl> associate_{this};
};

}  // namespace vcl
