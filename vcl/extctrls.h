// Additional controls: panels, bevels, shapes, images, paint boxes, splitters and radio
// groups.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "vcl/bitmap.h"
#include "vcl/stdctrls.h"

namespace vcl {

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle { bsLowered, bsRaised };
enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };
enum TResizeStyle { rsNone, rsLine, rsUpdate, rsPattern };

// A container with beveled edges and a caption.
class TCustomPanel : public TCustomControl {
  VCL_CLASS(TCustomPanel, TCustomControl)
  explicit TCustomPanel(TComponent* owner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value) { alignment_ = value; }
  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut value);
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut value);
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  bool FullRepaint() const { return fullRepaint_; }
  void SetFullRepaint(bool value) { fullRepaint_ = value; }
  bool Locked() const { return locked_; }
  void SetLocked(bool value) { locked_ = value; }

  // Inside the bevels.
  void AdjustClientRect(TRect& rect) const override;

protected:
  int BorderExtent() const override;
  void Paint() override;

private:
  TAlignment alignment_ = taCenter;
  TBevelCut bevelInner_ = bvNone;
  TBevelCut bevelOuter_ = bvRaised;
  int bevelWidth_ = 1;
  TBorderStyle borderStyle_ = bsNone;
  bool fullRepaint_ = true;
  bool locked_ = false;
};

class TPanel : public TCustomPanel {
  VCL_CLASS(TPanel, TCustomPanel)
  using TCustomPanel::TCustomPanel;
};

// A beveled line or box.
class TBevel : public TGraphicControl {
  VCL_CLASS(TBevel, TGraphicControl)
  explicit TBevel(TComponent* owner);
  TBevelShape Shape() const { return shape_; }
  void SetShape(TBevelShape value) { shape_ = value; }
  TBevelStyle Style() const { return style_; }
  void SetStyle(TBevelStyle value) { style_ = value; }

protected:
  void Paint() override;

private:
  TBevelShape shape_ = bsBox;
  TBevelStyle style_ = bsLowered;
};

// A geometric shape drawn with its own pen and brush.
class TShape : public TGraphicControl {
  VCL_CLASS(TShape, TGraphicControl)
  explicit TShape(TComponent* owner);
  ~TShape() override;
  TBrush* Brush() const { return brush_.get(); }
  TPen* Pen() const { return pen_.get(); }
  TShapeType Shape() const { return shape_; }
  void SetShape(TShapeType value) { shape_ = value; }

protected:
  void Paint() override;

private:
  std::unique_ptr<TBrush> brush_;
  std::unique_ptr<TPen> pen_;
  TShapeType shape_ = stRectangle;
};

// Sender, stage (0 starting, 1 running, 2 ending), percent done, redraw now, the
// rectangle to redraw, a message.
using TProgressEvent = TEvent<TObject*, int, int, bool, TRect, std::string>;

// Shows a picture. With AutoSize it takes the picture's size when the picture changes.
class TImage : public TGraphicControl {
  VCL_CLASS(TImage, TGraphicControl)
  explicit TImage(TComponent* owner);
  ~TImage() override;

  TPicture* Picture() const { return picture_.get(); }
  bool Center() const { return center_; }
  void SetCenter(bool value) { center_ = value; }
  bool IncrementalDisplay() const { return incrementalDisplay_; }
  void SetIncrementalDisplay(bool value) { incrementalDisplay_ = value; }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool value) { stretch_ = value; }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);

  TProgressEvent OnProgress;

protected:
  bool CanAutoSize(int& width, int& height) override;
  void Paint() override;

private:
  void PictureChanged();

  std::unique_ptr<TPicture> picture_;
  bool center_ = false;
  bool incrementalDisplay_ = false;
  bool stretch_ = false;
  bool transparent_ = false;
};

// A surface that its OnPaint handler draws on.
class TPaintBox : public TGraphicControl {
  VCL_CLASS(TPaintBox, TGraphicControl)
  explicit TPaintBox(TComponent* owner);
  TNotifyEvent OnPaint;

protected:
  void Paint() override;
};

using TSplitterCanResizeEvent = TEvent<TObject*, int&, bool&>;

// A bar between aligned controls that resizes the control before it.
class TSplitter : public TGraphicControl {
  VCL_CLASS(TSplitter, TGraphicControl)
  explicit TSplitter(TComponent* owner);

  bool Beveled() const { return beveled_; }
  void SetBeveled(bool value) { beveled_ = value; }
  int MinSize() const { return minSize_; }
  void SetMinSize(int value) { minSize_ = value; }
  TResizeStyle ResizeStyle() const { return resizeStyle_; }
  void SetResizeStyle(TResizeStyle value) { resizeStyle_ = value; }

  // Sender, the proposed size of the resized control, whether to accept it.
  TSplitterCanResizeEvent OnCanResize;
  TNotifyEvent OnMoved;
  TNotifyEvent OnPaint;

protected:
  void Paint() override;

private:
  bool beveled_ = false;
  int minSize_ = 30;
  TResizeStyle resizeStyle_ = rsPattern;
};

class TCustomRadioGroup;

// One radio button of a radio group (made and owned by the group, never written).
class TGroupButton : public TRadioButton {
  VCL_CLASS(TGroupButton, TRadioButton)
  explicit TGroupButton(TCustomRadioGroup* group);
  void Click() override;

private:
  TCustomRadioGroup* group_;
};

// A group box holding one radio button per line of Items, arranged in Columns.
// ItemIndex is the checked button (-1 for none); selecting one runs OnClick.
class TCustomRadioGroup : public TCustomGroupBox {
  VCL_CLASS(TCustomRadioGroup, TCustomGroupBox)
  explicit TCustomRadioGroup(TComponent* owner);
  ~TCustomRadioGroup() override;

  TStrings* Items() const { return items_.get(); }
  int ItemIndex() const { return itemIndex_; }
  // Values past the last button select the last one; below -1, none. While loading the
  // value is kept until the buttons exist.
  void SetItemIndex(int value);
  int Columns() const { return columns_; }
  // From 1 to 16.
  void SetColumns(int value);
  // The radio buttons, one per item.
  int ButtonCount() const { return static_cast<int>(buttons_.size()); }
  TGroupButton* Buttons(int index) const;

  void Loaded() override;

protected:
  void BoundsChanged(bool sizeChanged) override;
  void FontChanged() override;
  void EnabledChanged() override;

private:
  friend class TGroupButton;
  void ButtonClicked(TGroupButton* button);
  void UpdateButtons();
  void ArrangeButtons();

  std::unique_ptr<TStringList> items_;
  std::vector<TGroupButton*> buttons_;
  int itemIndex_ = -1;
  int columns_ = 1;
  bool updating_ = false;
};

class TRadioGroup : public TCustomRadioGroup {
  VCL_CLASS(TRadioGroup, TCustomRadioGroup)
  using TCustomRadioGroup::TCustomRadioGroup;
};

}  // namespace vcl
