// The tab set: a strip of tabs hanging from its top edge, usually below a notebook whose
// page it picks.
#pragma once

#include <memory>

#include "vcl/stdctrls.h"

namespace vcl {

enum TTabSetStyle { tsStandard, tsOwnerDraw };
// Sender, the tab about to be selected, whether to allow it.
using TTabChangeEvent = TEvent<TObject*, int, bool&>;
// Sender, the canvas, the tab's rectangle, its index, whether it is selected.
using TDrawTabSetEvent = TEvent<TObject*, TCanvas*, TRect, int, bool>;
using TMeasureTabEvent = TEvent<TObject*, int, int&>;

// TabIndex is the selected tab (-1 for none; values that name no tab are ignored, except
// while loading, when the tabs may come later).
class TTabSet : public TCustomControl {
  VCL_CLASS(TTabSet, TCustomControl)
  explicit TTabSet(TComponent* owner);
  ~TTabSet() override;

  TStrings* Tabs() const { return tabs_.get(); }
  int TabIndex() const { return tabIndex_; }
  void SetTabIndex(int value);
  // What a click on a tab does: asks OnChange, then selects it.
  bool SelectTab(int index);
  bool AutoScroll() const { return autoScroll_; }
  void SetAutoScroll(bool value) { autoScroll_ = value; }
  TColor BackgroundColor() const { return backgroundColor_; }
  void SetBackgroundColor(TColor value) { backgroundColor_ = value; }
  bool DitherBackground() const { return ditherBackground_; }
  void SetDitherBackground(bool value) { ditherBackground_ = value; }
  int StartMargin() const { return startMargin_; }
  void SetStartMargin(int value) { startMargin_ = value; }
  int EndMargin() const { return endMargin_; }
  void SetEndMargin(int value) { endMargin_ = value; }
  TColor SelectedColor() const { return selectedColor_; }
  void SetSelectedColor(TColor value) { selectedColor_ = value; }
  TColor UnselectedColor() const { return unselectedColor_; }
  void SetUnselectedColor(TColor value) { unselectedColor_ = value; }
  bool SoftTop() const { return softTop_; }
  void SetSoftTop(bool value) { softTop_ = value; }
  TTabSetStyle Style() const { return style_; }
  void SetStyle(TTabSetStyle value) { style_ = value; }
  int TabHeight() const { return tabHeight_; }
  void SetTabHeight(int value) { tabHeight_ = value; }

  void Loaded() override;

  TTabChangeEvent OnChange;
  TDrawTabSetEvent OnDrawTab;
  TMeasureTabEvent OnMeasureTab;

private:
  std::unique_ptr<TStringList> tabs_;
  int tabIndex_ = -1;
  bool autoScroll_ = true;
  TColor backgroundColor_ = clBtnFace;
  bool ditherBackground_ = true;
  int startMargin_ = 5;
  int endMargin_ = 5;
  TColor selectedColor_ = clBtnFace;
  TColor unselectedColor_ = clWindow;
  bool softTop_ = false;
  TTabSetStyle style_ = tsStandard;
  int tabHeight_ = 20;
};

}  // namespace vcl
