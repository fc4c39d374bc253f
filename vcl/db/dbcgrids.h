// The control grid: a panel of data-aware controls repeated for each record shown.
#pragma once

#include "vcl/controls.h"
#include "vcl/db/db.h"

namespace vcl {

enum TDBCtrlGridOrientation { goVertical, goHorizontal };
enum TDBCtrlGridBorder { gbNone, gbRaised };

class TDBCtrlGrid;
// The grid and the index of the panel to paint.
using TPaintPanelEvent = TEvent<TDBCtrlGrid*, int>;

// ColCount x RowCount panels of PanelWidth x PanelHeight, plus a scroll bar (16 pixels)
// on the right (vertical orientation) or at the bottom. Changing any of these sizes the
// grid; sizing the grid sizes the panels. Sizes read from a form file are kept as read.
//
// The controls of the panel are the grid's own children here (the host keeps them on an
// inner panel, which it never writes).
class TDBCtrlGrid : public TWinControl {
  VCL_CLASS(TDBCtrlGrid, TWinControl)
  explicit TDBCtrlGrid(TComponent* owner);

  // Cleared when the data source is destroyed.
  TDataSource* DataSource() const { return dataSource_.get(); }
  void SetDataSource(TDataSource* value) { dataSource_.Set(value); }
  bool AllowDelete() const { return allowDelete_; }
  void SetAllowDelete(bool value) { allowDelete_ = value; }
  bool AllowInsert() const { return allowInsert_; }
  void SetAllowInsert(bool value) { allowInsert_ = value; }
  // From 1 to 100.
  int ColCount() const { return colCount_; }
  void SetColCount(int value);
  int RowCount() const { return rowCount_; }
  void SetRowCount(int value);
  // From 1 to 65535.
  int PanelWidth() const { return panelWidth_; }
  void SetPanelWidth(int value);
  int PanelHeight() const { return panelHeight_; }
  void SetPanelHeight(int value);
  TDBCtrlGridOrientation Orientation() const { return orientation_; }
  void SetOrientation(TDBCtrlGridOrientation value);
  TDBCtrlGridBorder PanelBorder() const { return panelBorder_; }
  void SetPanelBorder(TDBCtrlGridBorder value) { panelBorder_ = value; }
  // The colour of the current record's panel: the grid's colour until set.
  TColor SelectedColor() const { return selectedColor_; }
  void SetSelectedColor(TColor value);
  bool IsSelectedColorStored() const { return selectedColorSet_; }
  bool ShowFocus() const { return showFocus_; }
  void SetShowFocus(bool value) { showFocus_ = value; }

  void SetBounds(int left, int top, int width, int height) override;

  TPaintPanelEvent OnPaintPanel;

protected:
  void ColorChanged() override;

private:
  int ScrollBarWidth() const { return orientation_ == goVertical ? ScrollBarSize : 0; }
  int ScrollBarHeight() const { return orientation_ == goHorizontal ? ScrollBarSize : 0; }
  // Sizes the grid to hold its panels (not while loading).
  void FitToPanels();

  static constexpr int ScrollBarSize = 16;

  TComponentRef<TDataSource> dataSource_{this};
  bool allowDelete_ = true;
  bool allowInsert_ = true;
  int colCount_ = 1;
  int rowCount_ = 3;
  int panelWidth_ = 200;
  int panelHeight_ = 72;
  TDBCtrlGridOrientation orientation_ = goVertical;
  TDBCtrlGridBorder panelBorder_ = gbRaised;
  TColor selectedColor_;
  bool selectedColorSet_ = false;
  bool showFocus_ = true;
};

}  // namespace vcl
