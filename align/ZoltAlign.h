// The align tool: lays the windowed children of a container out in columns, each control
// with its caption labels at its left, and keeps the layout parameters per container class.
#pragma once

#include <memory>
#include <string>

#include "vcl/controls.h"
#include "vcl/strings.h"

namespace zolt {

// One windowed control with the labels whose FocusControl it is.
class TLabeledWinControl : public vcl::TObject {
  VCL_CLASS(TLabeledWinControl, vcl::TObject)
  explicit TLabeledWinControl(vcl::TWinControl* control);
  ~TLabeledWinControl() override;

  // The control; not owned.
  vcl::TWinControl* Control;
  // One entry per label, with empty text and the label as its object; the labels are not owned.
  // Held in place: records are made by the thousand, and the list goes with its record.
  vcl::TStringList Labels;

  void AddLabel(vcl::TControl* label);
  int LabelCount() const { return Labels.Count(); }
  vcl::TControl* Label(int index) const;
};

// The measures of one column: widest control, widest label or caption, total width (margin,
// labels, gap, controls) and the height taken by the controls placed in it so far.
class TColumnProperties : public vcl::TObject {
  VCL_CLASS(TColumnProperties, vcl::TObject)
  // A new, empty column.
  TColumnProperties(int horColumnOffset, int horLabelOffset);

  int ControlWidth = 0;
  int LabelWidth = 0;
  int Width = 0;
  int UsedHeight = 0;
};

// Stacks the windowed children of `container` named in `alignList` (comma text) in tab order,
// top to bottom, in columns: as many as the container's height needs (`verticalFit`), or at
// most `columns` of about equal height. Each control's labels go into a label column at its
// left. Controls whose class is listed in `customButtonControls` carry their caption
// themselves: when any laid-out control has a label, their caption takes a label's place and
// is left-justified. Only Left, Top and Width of controls (and Alignment of custom button
// controls) change. `specialAlignCustomButtons` is accepted for the callers' sake; the
// placement of custom button controls depends on the presence of labels alone.
void Align(vcl::TWinControl* container, bool verticalFit, int columns, int horColumnOffset, int vertColumnOffset,
           int horLabelOffset, int vertControlOffset, int vertLabelOffset, int customButtonWidth,
           int customButtonOffset, std::string alignList, std::string customButtonControls,
           bool specialAlignCustomButtons);

// The stored layout parameters for a container class (`containerType`, a class name such as
// "TPanel"), each value the stored one or its default.
void ReadAlignFromRegistry(std::string containerType, bool& verticalFit, int& columns, int& horColumnOffset,
                           int& vertColumnOffset, int& horLabelOffset, int& vertControlOffset,
                           int& vertLabelOffset, int& customButtonWidth, int& customButtonOffset,
                           std::string& exclude, std::string& customButtonControls,
                           bool& specialAlignCustomButtons);

// Stores the layout parameters for a container class; the exclude list, the custom button
// controls and the button measures are shared by every container class.
void WriteAlignToRegistry(std::string containerType, bool verticalFit, int columns, int horColumnOffset,
                          int vertColumnOffset, int horLabelOffset, int vertControlOffset, int vertLabelOffset,
                          int customButtonWidth, int customButtonOffset, std::string exclude,
                          std::string customButtonControls, bool specialAlignCustomButtons);

}  // namespace zolt
