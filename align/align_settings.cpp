// The align tool's stored parameters: per container class in "Align\<class>", shared ones in
// "Align", and the custom button controls in the root key (shared with the data-controls wizard).
#include "align/ZoltAlign.h"
#include "host/reg_ini_file.h"

namespace zolt {

namespace {
const std::string RootKey = "Software\\Borland\\Delphi\\Zol-t";
const std::string SharedSection = "Align";
const std::string RootSection = "";

// Value names as stored; "Horizontral" is spelled as existing stores hold it.
const std::string VerticalFitName = "Vertical fit";
const std::string ColumnsName = "Columns";
const std::string HorColumnOffsetName = "Horizontral column offset";
const std::string VertColumnOffsetName = "Vertical column offset";
const std::string HorLabelOffsetName = "Horizontal label offset";
const std::string VertLabelOffsetName = "Vertical label offset";
const std::string VertControlOffsetName = "Vertical control offset";
const std::string SpecialAlignName = "Special align custom button controls";
const std::string ExcludeName = "Exclude";
const std::string CustomButtonControlsName = "Custom button controls";
const std::string CustomButtonWidthName = "Custom button width";
const std::string CustomButtonOffsetName = "Custom button offset";

std::string TypeSection(const std::string& containerType) { return "Align\\" + containerType; }
}  // namespace

void ReadAlignFromRegistry(std::string containerType, bool& verticalFit, int& columns, int& horColumnOffset,
                           int& vertColumnOffset, int& horLabelOffset, int& vertControlOffset,
                           int& vertLabelOffset, int& customButtonWidth, int& customButtonOffset,
                           std::string& exclude, std::string& customButtonControls,
                           bool& specialAlignCustomButtons) {
  host::TRegIniFile store(RootKey);
  verticalFit = store.ReadBool(TypeSection(containerType), VerticalFitName, true);
  columns = store.ReadInteger(TypeSection(containerType), ColumnsName, 1);
  horColumnOffset = store.ReadInteger(TypeSection(containerType), HorColumnOffsetName, 8);
  vertColumnOffset = store.ReadInteger(TypeSection(containerType), VertColumnOffsetName, 8);
  horLabelOffset = store.ReadInteger(TypeSection(containerType), HorLabelOffsetName, 4);
  vertLabelOffset = store.ReadInteger(TypeSection(containerType), VertLabelOffsetName, 2);
  vertControlOffset = store.ReadInteger(TypeSection(containerType), VertControlOffsetName, 4);
  specialAlignCustomButtons =
      store.ReadBool(TypeSection(containerType), SpecialAlignName, true);
  exclude = store.ReadString(SharedSection, ExcludeName, "TButton,TDBNavigator");
  customButtonControls =
      store.ReadString(RootSection, CustomButtonControlsName, "TCheckBox,TRadiobutton,TDBCheckBox");
  customButtonWidth = store.ReadInteger(SharedSection, CustomButtonWidthName, 15);
  customButtonOffset = store.ReadInteger(SharedSection, CustomButtonOffsetName, -2);
}

void WriteAlignToRegistry(std::string containerType, bool verticalFit, int columns, int horColumnOffset,
                          int vertColumnOffset, int horLabelOffset, int vertControlOffset, int vertLabelOffset,
                          int customButtonWidth, int customButtonOffset, std::string exclude,
                          std::string customButtonControls, bool specialAlignCustomButtons) {
  host::TRegIniFile store(RootKey);
  store.WriteBool(TypeSection(containerType), VerticalFitName, verticalFit);
  store.WriteInteger(TypeSection(containerType), ColumnsName, columns);
  store.WriteInteger(TypeSection(containerType), HorColumnOffsetName, horColumnOffset);
  store.WriteInteger(TypeSection(containerType), VertColumnOffsetName, vertColumnOffset);
  store.WriteInteger(TypeSection(containerType), HorLabelOffsetName, horLabelOffset);
  store.WriteInteger(TypeSection(containerType), VertLabelOffsetName, vertLabelOffset);
  store.WriteInteger(TypeSection(containerType), VertControlOffsetName, vertControlOffset);
  store.WriteBool(TypeSection(containerType), SpecialAlignName, specialAlignCustomButtons);
  store.WriteString(SharedSection, ExcludeName, exclude);
  store.WriteString(RootSection, CustomButtonControlsName, customButtonControls);
  store.WriteInteger(SharedSection, CustomButtonWidthName, customButtonWidth);
  store.WriteInteger(SharedSection, CustomButtonOffsetName, customButtonOffset);
}

}  // namespace zolt
