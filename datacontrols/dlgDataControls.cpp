#include "datacontrols/dlgDataControls.h"

#include <fmt/format.h>

#include "host/tool_services.h"
#include "package/ZoltAbout.h"
#include "package/ZoltProps.h"
#include "vcl/class_builder.h"
#include "vcl/keyboard.h"
#include "vcl/resources.h"
#include "vcl/streaming/layout.h"

namespace zolt {

using namespace vcl;

TClass TdlgDataControls::ClassInfo() {
  using D = TdlgDataControls;
  static TClass cls = TClassBuilder<D>("TdlgDataControls", TForm::ClassInfo())
                          .Field("btnOK", &D::btnOK)
                          .Field("btnCancel", &D::btnCancel)
                          .Field("PageControl1", &D::PageControl1)
                          .Field("TabSheet1", &D::TabSheet1)
                          .Field("Associations", &D::Associations)
                          .Field("lstTypes", &D::lstTypes)
                          .Field("lblAssocType", &D::lblAssocType)
                          .Field("lblFieldTypes", &D::lblFieldTypes)
                          .Field("lblFields", &D::lblFields)
                          .Field("lblControl", &D::lblControl)
                          .Field("btnRefreshFields", &D::btnRefreshFields)
                          .Field("TabSheet2", &D::TabSheet2)
                          .Field("chbAddLabels", &D::chbAddLabels)
                          .Field("chbDecapitalize", &D::chbDecapitalize)
                          .Field("lstFields", &D::lstFields)
                          .Field("btnUp", &D::btnUp)
                          .Field("btnDown", &D::btnDown)
                          .Field("btnSaveAssoc", &D::btnSaveAssoc)
                          .Field("edtAppend", &D::edtAppend)
                          .Field("lblAppend", &D::lblAppend)
                          .Field("chbCreateLabelCustBtn", &D::chbCreateLabelCustBtn)
                          .Field("lblCustButtonList", &D::lblCustButtonList)
                          .Field("mmoCustBtnControls", &D::mmoCustBtnControls)
                          .Field("lblContainer", &D::lblContainer)
                          .Field("cbxContainer", &D::cbxContainer)
                          .Field("btnSaveSettings", &D::btnSaveSettings)
                          .Field("pnlAbout", &D::pnlAbout)
                          .Field("SpeedButton1", &D::SpeedButton1)
                          .Field("rgpWidth", &D::rgpWidth)
                          .Field("lblWidth", &D::lblWidth)
                          .Field("cbxFieldControl", &D::cbxFieldControl)
                          .Field("cbxControl", &D::cbxControl)
                          .Field("lblLabelType", &D::lblLabelType)
                          .Field("edtLabel", &D::edtLabel)
                          .Method("FormCreate", &D::FormCreate)
                          .Method("FormDestroy", &D::FormDestroy)
                          .Method("btnOKClick", &D::btnOKClick)
                          .Method("btnCancelClick", &D::btnCancelClick)
                          .Method("btnUpClick", &D::btnUpClick)
                          .Method("btnDownClick", &D::btnDownClick)
                          .Method("btnRefreshFieldsClick", &D::btnRefreshFieldsClick)
                          .Method("btnSaveAssocClick", &D::btnSaveAssocClick)
                          .Method("btnSaveSettingsClick", &D::btnSaveSettingsClick)
                          .Method("SpeedButton1Click", &D::SpeedButton1Click)
                          .Method("lstFieldsClick", &D::lstFieldsClick)
                          .Method("lstFieldsKeyDown", &D::lstFieldsKeyDown)
                          .Method("lstTypesClick", &D::lstTypesClick)
                          .Method("cbxSelectControlEnter", &D::cbxSelectControlEnter)
                          .Method("cbxSelectControlExit", &D::cbxSelectControlExit)
                          .Method("cbxSelectControlKeyUp", &D::cbxSelectControlKeyUp)
                          .Method("cbxFieldControlKeyPress", &D::cbxFieldControlKeyPress)
                          .Method("cbxControlKeyPress", &D::cbxControlKeyPress)
                          .Build();
  return cls;
}

TdlgDataControls::TdlgDataControls(TComponent* owner) : TForm(owner) {
  InitDialog(this, "dlgDataControls.dfm");
  // Each glyph holds the normal and the disabled image side by side.
  btnUp->Glyph()->LoadFromBmp(FindResource("ArrowUp.bmp"));
  btnDown->Glyph()->LoadFromBmp(FindResource("ArrowDown.bmp"));
}

// ---- Creation

void TdlgDataControls::FormCreate(TObject*) {
  SetCaption("Zol-t datacontrols wizard");
  FAssociations = std::make_unique<TStringList>();
  FFieldControls = std::make_unique<TStringList>();
  FFieldIndexes = std::make_unique<TStringList>();
  LoadSettings();
  if (lstTypes->Items()->Count() > 0) {
    lstTypes->SetItemIndex(0);
    lstTypesClick(lstTypes);
  }
  FillClassBoxes();
  ToggleButtons();
}

void TdlgDataControls::FormDestroy(TObject*) {
  FAssociations.reset();
  FFieldControls.reset();
  FFieldIndexes.reset();
}

void TdlgDataControls::FillClassBoxes() {
  TStrings* items = cbxFieldControl->Items();
  items->Clear();
  if (host::TIToolServices* tools = host::ToolServices()) {
    items->BeginUpdate();
    for (int m = 0; m < tools->GetModuleCount(); ++m) {
      for (int c = 0; c < tools->GetComponentCount(m); ++c) {
        std::string name = tools->GetComponentName(m, c);
        TClass cls = FindClass(name);
        if (cls->InheritsFrom(TWinControl::ClassInfo()) && ClassHasProperty(cls, "DataSource") &&
            ClassHasProperty(cls, "DataField"))
          items->Add(name);
      }
    }
    items->EndUpdate();
  }
  cbxControl->Items()->Assign(items);
}

std::string TdlgDataControls::GetDefaultAssoc(const std::string& fieldType) const {
  if (fieldType == "ftGraphic") return "TDBImage";
  if (fieldType == "ftBoolean") return "TDBCheckBox";
  if (fieldType == "ftMemo") return "TDBMemo";
  if (fieldType == "ftBlob") return "TDBRichEdit";
  return "TDBEdit";
}

// ---- The field list

void TdlgDataControls::SetFields(TFields* fields) {
  FFields = fields;
  AssociateFields();
}

std::string TdlgDataControls::FieldRowText(int fieldIndex, const std::string& control) const {
  TField* field = FFields->Fields(fieldIndex);
  return field->DisplayName() + " (" + TypeInfoFieldType()->EnumName(field->DataType()) + "): " + control;
}

void TdlgDataControls::AssociateFields() {
  int keep = std::max(lstFields->ItemIndex(), 0);
  TStrings* rows = lstFields->Items();
  rows->BeginUpdate();
  rows->Clear();
  FFieldControls->Clear();
  FFieldIndexes->Clear();
  int count = FFields ? FFields->Count() : 0;
  for (int i = 0; i < count; ++i) {
    std::string control = FAssociations->Strings(FFields->Fields(i)->DataType());
    FFieldControls->Add(control);
    FFieldIndexes->Add(fmt::format("{:04}", i));
    rows->Add(FieldRowText(i, control));
    lstFields->SetChecked(i, true);
  }
  rows->EndUpdate();
  if (rows->Count() > keep) {
    lstFields->SetItemIndex(keep);
    lstFieldsClick(lstFields);
  } else {
    ToggleButtons();
  }
}

void TdlgDataControls::lstFieldsClick(TObject*) {
  int row = lstFields->ItemIndex();
  if (lstFields->Items()->Count() > 0 && row >= 0) cbxFieldControl->SetText(FFieldControls->Strings(row));
  ToggleButtons();
}

void TdlgDataControls::lstTypesClick(TObject*) {
  int row = lstTypes->ItemIndex();
  if (lstTypes->Items()->Count() > 0 && row >= 0) cbxControl->SetText(FAssociations->Strings(row));
}

void TdlgDataControls::ToggleButtons() {
  int row = lstFields->ItemIndex();
  btnUp->SetEnabled(row > 0);
  btnDown->SetEnabled(row >= 0 && row < lstFields->Items()->Count() - 1);
}

void TdlgDataControls::SwapFields(int from, int to) {
  bool fromChecked = lstFields->Checked(from), toChecked = lstFields->Checked(to);
  lstFields->Items()->Exchange(from, to);
  lstFields->SetChecked(from, toChecked);
  lstFields->SetChecked(to, fromChecked);
  FFieldControls->Exchange(from, to);
  FFieldIndexes->Exchange(from, to);
  lstFields->SetItemIndex(to);
}

void TdlgDataControls::btnUpClick(TObject*) {
  int row = lstFields->ItemIndex();
  SwapFields(row, row - 1);
  ToggleButtons();
}

void TdlgDataControls::btnDownClick(TObject*) {
  int row = lstFields->ItemIndex();
  SwapFields(row, row + 1);
  ToggleButtons();
}

void TdlgDataControls::lstFieldsKeyDown(TObject*, Word& key, TShiftState shift) {
  if (shift != ShiftOf(ssCtrl) || (key != VK_UP && key != VK_DOWN)) return;
  TSpeedButton* button = key == VK_UP ? btnUp : btnDown;
  if (button->Enabled()) button->Click();
  key = 0;
}

// ---- The class boxes

void TdlgDataControls::cbxSelectControlKeyUp(TObject* sender, Word& key, TShiftState) {
  switch (key) {
    case VK_UP: case VK_DOWN: case VK_HOME: case VK_END: case VK_LEFT: case VK_RIGHT:
    case 16 /* Shift */: case 17 /* Ctrl */:
      return;
  }
  auto* box = As<TComboBox>(sender);
  std::string text = box->Text();
  std::size_t n = text.size();
  if (n > 0) {
    int start = box->SelStart();
    TStrings* items = box->Items();
    for (int i = 0; i < items->Count(); ++i) {
      std::string item = items->Strings(i);
      if (CompareText(std::string_view(item).substr(0, n), text) != 0) continue;
      if (key != VK_DELETE && key != VK_BACK) {
        box->SetItemIndex(i);
        box->SetText(item);
        box->SetSelStart(start);
        box->SetSelLength(static_cast<int>(item.size()) - start);
      }
      break;
    }
  }
  if (key == VK_RETURN) {
    int index = box->ItemIndex();
    if (box->DroppedDown()) box->SetDroppedDown(false);
    box->SetItemIndex(index);
    box->SetSelStart(0);
    box->SetSelLength(static_cast<int>(box->Text().size()));
  }
}

void TdlgDataControls::cbxSelectControlEnter(TObject* sender) {
  btnOK->SetDefault(false);
  auto* box = As<TComboBox>(sender);
  box->SetSelStart(0);
  box->SetSelLength(static_cast<int>(box->Text().size()));
}

void TdlgDataControls::cbxSelectControlExit(TObject*) { btnOK->SetDefault(true); }

void TdlgDataControls::cbxFieldControlKeyPress(TObject*, char32_t& key) {
  if (key != '\r') return;
  key = 0;
  int row = lstFields->ItemIndex();
  if (row < 0) return;
  std::string control = cbxFieldControl->Text();
  FFieldControls->Put(row, control);
  bool checked = lstFields->Checked(row);
  lstFields->Items()->Put(row, FieldRowText(GetFieldIndex(row), control));
  lstFields->SetChecked(row, checked);
}

void TdlgDataControls::cbxControlKeyPress(TObject*, char32_t& key) {
  if (key != '\r') return;
  key = 0;
  int row = lstTypes->ItemIndex();
  if (row < 0) return;
  std::string control = cbxControl->Text();
  FAssociations->Put(row, control);
  lstTypes->Items()->Put(row, TypeInfoFieldType()->EnumName(row) + ": " + control);
}

// ---- Containers

void TdlgDataControls::SetContainerOwner(TComponent* owner) {
  if (owner == FContainerOwner) return;
  FContainerOwner = owner;
  CreateContainerList();
}

void TdlgDataControls::CreateContainerList() {
  TStrings* items = cbxContainer->Items();
  items->Clear();
  cbxContainer->SetText("");
  for (int i = 0; i < FContainerOwner->ComponentCount(); ++i) {
    TComponent* component = FContainerOwner->Components(i);
    if (component->Is<TPanel>() || component->Is<TScrollBox>() || component->Is<TGroupBox>() ||
        component->Is<TTabControl>() || component->Is<TTabSheet>())
      items->AddObject(component->Name(), component);
  }
  if (items->Count() > 0)
    cbxContainer->SetItemIndex(0);
  else
    btnOK->SetEnabled(false);
}

// ---- Checks

namespace {
// The class named `name`, which must derive from `base` (`baseName` in the message) and
// publish each of `properties`.
void CheckClass(const std::string& name, TClass base, const char* baseName,
                std::initializer_list<const char*> properties) {
  TClass cls = FindClass(name);
  if (!cls->InheritsFrom(base)) throw Exception(name + " is not a " + baseName + " descendant");
  for (const char* property : properties)
    if (!ClassHasProperty(cls, property)) throw Exception(name + " has no " + property + " property");
}
}  // namespace

void TdlgDataControls::CheckFieldControls() const {
  for (int i = 0; i < FFieldControls->Count(); ++i)
    CheckClass(FFieldControls->Strings(i), TWinControl::ClassInfo(), "TWinControl", {"DataSource", "DataField"});
}

void TdlgDataControls::CheckCustomButtons() const {
  TStrings* lines = mmoCustBtnControls->Lines();
  for (int i = 0; i < lines->Count(); ++i) {
    std::string line = lines->Strings(i);
    if (Trim(line).empty()) continue;
    CheckClass(line, TWinControl::ClassInfo(), "TWinControl", {"Alignment", "Caption"});
  }
}

void TdlgDataControls::CheckLabel() const {
  CheckClass(edtLabel->Text(), TCustomLabel::ClassInfo(), "TCustomLabel", {"Caption", "FocusControl"});
}

// ---- Buttons

void TdlgDataControls::btnOKClick(TObject*) {
  CheckFieldControls();
  CheckCustomButtons();
  CheckLabel();
  SetModalResult(mrOk);
}

void TdlgDataControls::btnCancelClick(TObject*) { SetModalResult(mrCancel); }

void TdlgDataControls::btnRefreshFieldsClick(TObject*) { AssociateFields(); }

void TdlgDataControls::btnSaveSettingsClick(TObject*) {
  CheckCustomButtons();
  CheckLabel();
  SaveSettings();
}

void TdlgDataControls::btnSaveAssocClick(TObject*) { SaveAssociations(); }

void TdlgDataControls::SpeedButton1Click(TObject*) { ShowZoltAbout(this); }

// ---- Getters

std::string TdlgDataControls::GetCustomButtonControls() const { return mmoCustBtnControls->Lines()->CommaText(); }

TWinControl* TdlgDataControls::GetSelectedContainer() const {
  int index = cbxContainer->ItemIndex();
  return index < 0 ? nullptr : As<TWinControl>(cbxContainer->Items()->Objects(index));
}

int TdlgDataControls::getWidthType() const { return rgpWidth->ItemIndex(); }

bool TdlgDataControls::GetChecked(int row) const {
  return row >= 0 && row < lstFields->Items()->Count() && lstFields->Checked(row);
}

int TdlgDataControls::GetFieldIndex(int row) const {
  return row >= 0 && row < FFieldIndexes->Count() ? StrToInt(FFieldIndexes->Strings(row)) : -1;
}

std::string TdlgDataControls::GetFieldControl(int row) const {
  return row >= 0 && row < FFieldControls->Count() ? FFieldControls->Strings(row) : std::string();
}

std::string TdlgDataControls::GetAppendText() const { return edtAppend->Text(); }
bool TdlgDataControls::GetAddLabels() const { return chbAddLabels->Checked(); }
bool TdlgDataControls::GetDecapitalize() const { return chbDecapitalize->Checked(); }
bool TdlgDataControls::GetLabelsForCustomButtons() const { return chbCreateLabelCustBtn->Checked(); }
std::string TdlgDataControls::GetLabelControl() const { return edtLabel->Text(); }

}  // namespace zolt
