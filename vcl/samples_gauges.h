// The gauge of the Samples page: Progress within MinValue..MaxValue shown as a bar, a pie,
// a needle or the percentage alone, with the percentage written over it.
#pragma once

#include "vcl/controls.h"

namespace vcl {

enum TGaugeKind { gkText, gkHorizontalBar, gkVerticalBar, gkPie, gkNeedle };

class TGauge : public TGraphicControl {
  VCL_CLASS(TGauge, TGraphicControl)
  explicit TGauge(TComponent* owner);

  TColor BackColor() const { return backColor_; }
  void SetBackColor(TColor value) { backColor_ = value; }
  TColor ForeColor() const { return foreColor_; }
  void SetForeColor(TColor value) { foreColor_ = value; }
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value) { borderStyle_ = value; }
  TGaugeKind Kind() const { return kind_; }
  void SetKind(TGaugeKind value) { kind_ = value; }
  int MinValue() const { return minValue_; }
  // Raises EInvalidOperation "Value must be between X and Y" above MaxValue (not while the
  // form is read); pulls Progress up to it.
  void SetMinValue(int value);
  int MaxValue() const { return maxValue_; }
  // Raises EInvalidOperation below MinValue (not while the form is read); pulls Progress
  // down to it.
  void SetMaxValue(int value);
  int Progress() const { return progress_; }
  // Kept within MinValue..MaxValue.
  void SetProgress(int value);
  bool ShowText() const { return showText_; }
  void SetShowText(bool value) { showText_ = value; }
  // How much of the range Progress has covered, 0 to 100 (0 for an empty range).
  int PercentDone() const;

protected:
  void Paint() override;

private:
  void PaintBar(const TRect& r);
  void PaintPie(const TRect& r);
  void PaintNeedle(const TRect& r);

  TColor backColor_ = clWhite, foreColor_ = clBlack;
  TBorderStyle borderStyle_ = bsSingle;
  TGaugeKind kind_ = gkHorizontalBar;
  int minValue_ = 0, maxValue_ = 100, progress_ = 0;
  bool showText_ = true;
};

}  // namespace vcl
