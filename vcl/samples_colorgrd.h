// The colour grid of the Samples page: the sixteen colours of the standard palette in a
// grid, the foreground colour marked "FG", the background one "BG" (both: "FB").
#pragma once

#include "vcl/controls.h"

namespace vcl {

enum TGridOrdering { go16x1, go8x2, go4x4, go2x8, go1x16 };

class TColorGrid : public TCustomControl {
  VCL_CLASS(TColorGrid, TCustomControl)
  explicit TColorGrid(TComponent* owner);

  bool ClickEnablesColor() const { return clickEnablesColor_; }
  void SetClickEnablesColor(bool value) { clickEnablesColor_ = value; }
  TGridOrdering GridOrdering() const { return gridOrdering_; }
  void SetGridOrdering(TGridOrdering value) { gridOrdering_ = value; }
  int ForegroundIndex() const { return foregroundIndex_; }
  void SetForegroundIndex(int value);
  int BackgroundIndex() const { return backgroundIndex_; }
  void SetBackgroundIndex(int value);
  bool ForegroundEnabled() const { return foregroundEnabled_; }
  void SetForegroundEnabled(bool value) { foregroundEnabled_ = value; }
  bool BackgroundEnabled() const { return backgroundEnabled_; }
  void SetBackgroundEnabled(bool value) { backgroundEnabled_ = value; }
  int Selection() const { return selection_; }
  void SetSelection(int value) { selection_ = value; }
  // The colour of palette entry `index` (0 to 15).
  static TColor PaletteColor(int index);
  TColor ForegroundColor() const { return PaletteColor(foregroundIndex_); }
  TColor BackgroundColor() const { return PaletteColor(backgroundIndex_); }
  // Columns and rows of the grid.
  int Columns() const;
  int Rows() const { return 16 / Columns(); }

  TNotifyEvent OnChange;

protected:
  void Paint() override;

private:
  bool clickEnablesColor_ = false;
  TGridOrdering gridOrdering_ = go4x4;
  int foregroundIndex_ = 0, backgroundIndex_ = 0;
  bool foregroundEnabled_ = true, backgroundEnabled_ = true;
  int selection_ = 0;
};

}  // namespace vcl
