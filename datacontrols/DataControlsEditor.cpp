#include "datacontrols/DataControlsEditor.h"

#include "align/ZoltAlign.h"
#include "datacontrols/dlgDataControls.h"
#include "package/ZoltProps.h"
#include "prefix/ZoltPrefix.h"
#include "vcl/application.h"
#include "vcl/dialogs.h"
#include "vcl/typinfo.h"

namespace zolt {

using namespace vcl;

namespace {

bool OnForm(TComponent* component) { return component->Owner() && component->Owner()->Is<TForm>(); }

// The first character in upper case, the rest in lower case, by the user's locale.
std::string Capitalize(const std::string& text) {
  if (text.empty()) return text;
  std::size_t first = 1;  // the length of the first character in UTF-8
  while (first < text.size() && (static_cast<unsigned char>(text[first]) & 0xC0) == 0x80) ++first;
  return AnsiUpperCase(text.substr(0, first)) + AnsiLowerCase(text.substr(first));
}

// One run of the generation over the closed dialog's choices.
class TGeneration {
public:
  TGeneration(TDataSource* source, host::IFormDesigner* designer, const TdlgDataControls& dialog)
      : source_(source), designer_(designer), dialog_(dialog), container_(dialog.GetSelectedContainer()) {}

  void Run();

private:
  // `proposed` with blanks as "_" and every character but ASCII letters, digits and "_"
  // dropped; the designer's unique variant when the form has a component of that name.
  std::string MakeUniqueName(const std::string& proposed) const;
  int MeasureCharWidth() const;
  int LargestDisplayWidth() const;
  TComponent* Create(const std::string& className) const;
  void AddControl(TField* field, const std::string& className, int widthType, int charWidth, int largest);
  void AddLabel(TField* field, TComponent* control);
  void Created(TComponent* component);

  TDataSource* source_;
  host::IFormDesigner* designer_;
  const TdlgDataControls& dialog_;
  TWinControl* container_;
  TStringList customButtonClasses_;
  TComponentList createdComponents_;
  TStringList createdNames_;
};

std::string TGeneration::MakeUniqueName(const std::string& proposed) const {
  std::string name;
  for (char c : proposed) {
    if (c == ' ')
      name += '_';
    else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_')
      name += c;
  }
  return source_->Owner()->FindComponent(name) ? designer_->UniqueName(name) : name;
}

int TGeneration::MeasureCharWidth() const {
  auto* box = new TPaintBox(nullptr);
  try {
    box->SetParent(container_);
    box->SetParentFont(true);
    int width = box->Canvas()->TextWidth("0");
    box->Free();
    return width;
  } catch (...) {
    box->Free();
    throw;
  }
}

int TGeneration::LargestDisplayWidth() const {
  int largest = 0;
  TFields* fields = source_->DataSet()->Fields();
  for (int row = 0; row < fields->Count(); ++row)
    if (dialog_.GetChecked(row)) largest = std::max(largest, fields->Fields(dialog_.GetFieldIndex(row))->DisplayWidth());
  return largest;
}

TComponent* TGeneration::Create(const std::string& className) const {
  return designer_->CreateComponent(FindClass(className), container_, 0, 0, 0, 0);
}

void TGeneration::Created(TComponent* component) {
  createdComponents_.Add(component);
  createdNames_.Add(component->Name());
}

void TGeneration::AddControl(TField* field, const std::string& className, int widthType, int charWidth,
                             int largest) {
  auto* control = As<TControl>(Create(className));
  try {
    control->SetName(MakeUniqueName(FindPrefix(control->ClassName()) + Capitalize(field->FieldName())));
    control->SetLeft(0);
    control->SetTop(0);
    if (widthType == 1) control->SetWidth((field->DisplayWidth() + 1) * charWidth + 3);
    if (widthType == 2) control->SetWidth((largest + 1) * charWidth + 3);
    control->SetParent(container_);
    if (!SetCompOrdPropByName(control, "DataSource", ObjectToOrd(source_)))
      throw Exception(className + " has no DataSource property");
    if (!SetCompStrPropByName(control, "DataField", field->FieldName()))
      throw Exception(className + " has no DataField property");
  } catch (...) {
    control->Free();
    throw;
  }
  Created(control);
  bool customButton = customButtonClasses_.IndexOf(control->ClassName()) >= 0;
  if (customButton) {
    SetCompOrdPropByName(control, "Alignment", taLeftJustify);
    SetCompStrPropByName(control, "Caption", field->DisplayName() + dialog_.GetAppendText());
  }
  if (dialog_.GetAddLabels() && (dialog_.GetLabelsForCustomButtons() || !customButton)) AddLabel(field, control);
}

void TGeneration::AddLabel(TField* field, TComponent* control) {
  auto* label = As<TControl>(Create(dialog_.GetLabelControl()));
  label->SetName(MakeUniqueName(FindPrefix(label->ClassName()) + field->FieldName()));
  std::string caption = field->DisplayName() + dialog_.GetAppendText();
  SetCompStrPropByName(label, "Caption", dialog_.GetDecapitalize() ? caption : Capitalize(caption));
  label->SetLeft(0);
  label->SetTop(0);
  label->SetParent(container_);
  SetCompOrdPropByName(label, "FocusControl", ObjectToOrd(control));
  Created(label);
}

void TGeneration::Run() {
  customButtonClasses_.SetCommaText(dialog_.GetCustomButtonControls());
  int charWidth = MeasureCharWidth();
  int widthType = dialog_.getWidthType();
  int largest = widthType == 2 ? LargestDisplayWidth() : 0;
  TFields* fields = source_->DataSet()->Fields();
  for (int row = 0; row < fields->Count(); ++row) {
    if (!dialog_.GetChecked(row)) continue;
    AddControl(fields->Fields(dialog_.GetFieldIndex(row)), dialog_.GetFieldControl(row), widthType, charWidth,
               largest);
  }
  bool fit, alignCustomButtons;
  int columns, horColumn, vertColumn, horLabel, vertControl, vertLabel, buttonWidth, buttonOffset;
  std::string exclude, customButtons;
  ReadAlignFromRegistry(container_->ClassName(), fit, columns, horColumn, vertColumn, horLabel, vertControl,
                        vertLabel, buttonWidth, buttonOffset, exclude, customButtons, alignCustomButtons);
  Align(container_, fit, columns, horColumn, vertColumn, horLabel, vertControl, vertLabel, buttonWidth,
        buttonOffset, createdNames_.CommaText(), customButtons, alignCustomButtons);
  designer_->SetSelections(createdComponents_);
}

}  // namespace

int TDataControlsEditor::GetVerbCount() { return OnForm(Component()) ? 1 : 0; }

std::string TDataControlsEditor::GetVerb(int index) {
  return index == 0 && OnForm(Component()) ? "Data controls wizard" : std::string();
}

void TDataControlsEditor::ExecuteVerb(int index) {
  if (index != 0 || !OnForm(Component())) return;
  auto* source = As<TDataSource>(Component());
  if (!source->DataSet()) {
    MessageDlg("No dataset assigned", mtError, MsgDlgButtonOf(mbOK), 0);
    return;
  }
  source->DataSet()->SetActive(true);
  auto* dialog = new TdlgDataControls(Application);
  try {
    dialog->SetFields(source->DataSet()->Fields());
    dialog->SetContainerOwner(source->Owner());
    if (dialog->ShowModal() == mrOk) TGeneration(source, GetDesigner(), *dialog).Run();
  } catch (...) {
    dialog->Free();
    throw;
  }
  dialog->Free();
  GetDesigner()->Modified();
}

void RegisterDataControls() {
  host::RegisterComponentEditor(TDataSource::ClassInfo(), host::ComponentEditorClass<TDataControlsEditor>());
}

}  // namespace zolt
