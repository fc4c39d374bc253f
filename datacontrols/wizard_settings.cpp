// The wizard's stored settings and field-type associations: most in the section
// "DataControls", the labels-for-buttons flag and the custom button controls in the root key
// itself (the list shared with the align tool).
#include "datacontrols/dlgDataControls.h"
#include "host/reg_ini_file.h"
#include "package/ZoltConst.h"

namespace zolt {

using namespace vcl;

namespace {
const std::string Section = "DataControls";
const std::string RootSection = "";

const std::string AppendName = "Append to label";
const std::string LabelName = "Label";
const std::string AddLabelsName = "Add labels";
const std::string DecapitalizeName = "Decapitalize";
const std::string LabelForButtonsName = "Label for custom button control";
const std::string CustomButtonControlsName = "Custom button controls";
const std::string WidthTypeName = "Width type";
// The wizard's own default; the blank after the second comma is skipped when parsed.
const std::string DefaultCustomButtonControls = "TCheckBox,TRadiobutton, TDBCheckBox";

const std::string& FieldTypeName(int ordinal) { return TypeInfoFieldType()->EnumName(ordinal); }
}  // namespace

void TdlgDataControls::LoadSettings() {
  host::TRegIniFile store(RegistryKey);
  edtAppend->SetText(store.ReadString(Section, AppendName, ":"));
  edtLabel->SetText(store.ReadString(Section, LabelName, "TLabel"));
  chbAddLabels->SetChecked(store.ReadBool(Section, AddLabelsName, true));
  chbDecapitalize->SetChecked(store.ReadBool(Section, DecapitalizeName, false));
  chbCreateLabelCustBtn->SetChecked(store.ReadBool(RootSection, LabelForButtonsName, false));
  mmoCustBtnControls->Lines()->SetCommaText(
      store.ReadString(RootSection, CustomButtonControlsName, DefaultCustomButtonControls));
  rgpWidth->SetItemIndex(store.ReadInteger(Section, WidthTypeName, 0));
  TStrings* rows = lstTypes->Items();
  rows->BeginUpdate();
  for (int i = 0; i < FieldTypeCount; ++i) {
    const std::string& name = FieldTypeName(i);
    FAssociations->Add(store.ReadString(Section, name, GetDefaultAssoc(name)));
    rows->Add(name + ": " + FAssociations->Strings(i));
  }
  rows->EndUpdate();
}

void TdlgDataControls::SaveSettings() {
  host::TRegIniFile store(RegistryKey);
  store.WriteString(Section, AppendName, edtAppend->Text());
  store.WriteString(Section, LabelName, edtLabel->Text());
  store.WriteBool(Section, AddLabelsName, chbAddLabels->Checked());
  store.WriteBool(Section, DecapitalizeName, chbDecapitalize->Checked());
  store.WriteBool(RootSection, LabelForButtonsName, chbCreateLabelCustBtn->Checked());
  store.WriteString(RootSection, CustomButtonControlsName, GetCustomButtonControls());
  store.WriteInteger(Section, WidthTypeName, getWidthType());
}

void TdlgDataControls::SaveAssociations() {
  host::TRegIniFile store(RegistryKey);
  for (int i = 0; i < lstTypes->Items()->Count(); ++i)
    store.WriteString(Section, FieldTypeName(i), FAssociations->Strings(i));
}

}  // namespace zolt
