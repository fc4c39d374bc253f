#include "align/AlignEditor.h"

#include "align/ZoltAlign.h"
#include "align/dlgAlign.h"
#include "vcl/application.h"

namespace zolt {

using namespace vcl;

int TAlignEditor::GetVerbCount() { return 1; }

std::string TAlignEditor::GetVerb(int index) { return index == 0 ? "Align controls" : std::string(); }

void TAlignEditor::ExecuteVerb(int index) {
  if (index != 0) return;
  auto* container = As<TWinControl>(Component());
  auto* dialog = new TdlgAlign(Application);
  try {
    bool fit, alignCustomButtons;
    int columns, horColumn, vertColumn, horLabel, vertControl, vertLabel, buttonWidth, buttonOffset;
    std::string exclude, customButtons;
    ReadAlignFromRegistry(container->ClassName(), fit, columns, horColumn, vertColumn, horLabel, vertControl,
                          vertLabel, buttonWidth, buttonOffset, exclude, customButtons, alignCustomButtons);
    dialog->SetFit(fit);
    dialog->SetColumns(columns);
    dialog->SetColumnXOffSet(horColumn);
    dialog->SetColumnYOffSet(vertColumn);
    dialog->SetAfterLabelSpace(horLabel);
    dialog->SetInterControlSpace(vertControl);
    dialog->SetLabelOffset(vertLabel);
    dialog->CustomButtonWidth = buttonWidth;
    dialog->CustomButtonOffset = buttonOffset;
    dialog->SetExclude(exclude);
    dialog->SetBtnList(customButtons);
    dialog->SetAlignCustomBtn(alignCustomButtons);
    dialog->SetContainerType(container->ClassName());
    for (int i = 0; i < container->ControlCount(); ++i)
      if (container->Controls(i)->Is<TWinControl>()) dialog->AddControl(container->Controls(i));
    if (dialog->ShowModal() == mrOk) {
      Align(container, dialog->GetFit(), dialog->Getcolumns(), dialog->GetColumnXOffSet(),
            dialog->GetColumnYOffSet(), dialog->GetAfterLabelSpace(), dialog->GetInterControlSpace(),
            dialog->GetLabelOffset(), buttonWidth, buttonOffset, dialog->GetAlignList(), dialog->GetCustomBtnList(),
            dialog->GetAlignCustomBtn());
      GetDesigner()->Modified();
    }
  } catch (...) {
    dialog->Free();
    throw;
  }
  dialog->Free();
}

void RegisterAlign() {
  for (TClass cls : {TPanel::ClassInfo(), TScrollBox::ClassInfo(), TGroupBox::ClassInfo(), TTabSheet::ClassInfo(),
                     TTabControl::ClassInfo()})
    host::RegisterComponentEditor(cls, host::ComponentEditorClass<TAlignEditor>());
}

}  // namespace zolt
