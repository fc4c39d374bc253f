#include "prefix/ZoltPrefixListEdit.h"

#include "host/reg_ini_file.h"
#include "package/ZoltAbout.h"
#include "package/ZoltConst.h"
#include "prefix/ZoltPrefix.h"
#include "vcl/class_builder.h"
#include "vcl/keyboard.h"
#include "vcl/streaming/layout.h"
#include "vcl/streaming/strings_file.h"

namespace zolt {

using namespace vcl;

TClass TdlgPrefixListEdit::ClassInfo() {
  using D = TdlgPrefixListEdit;
  static TClass cls = TClassBuilder<D>("TdlgPrefixListEdit", TForm::ClassInfo())
                          .Field("lbxPrefix", &D::lbxPrefix)
                          .Field("btnChange", &D::btnChange)
                          .Field("edtPrefix", &D::edtPrefix)
                          .Field("btnDelete", &D::btnDelete)
                          .Field("btnOK", &D::btnOK)
                          .Field("btnLoad", &D::btnLoad)
                          .Field("btnSave", &D::btnSave)
                          .Field("dlgLoad", &D::dlgLoad)
                          .Field("dlgSave", &D::dlgSave)
                          .Field("pnlAbout", &D::pnlAbout)
                          .Field("SpeedButton1", &D::SpeedButton1)
                          .Method("FormCreate", &D::FormCreate)
                          .Method("lbxPrefixClick", &D::lbxPrefixClick)
                          .Method("btnChangeClick", &D::btnChangeClick)
                          .Method("lbxPrefixKeyDown", &D::lbxPrefixKeyDown)
                          .Method("btnDeleteClick", &D::btnDeleteClick)
                          .Method("btnLoadClick", &D::btnLoadClick)
                          .Method("btnSaveClick", &D::btnSaveClick)
                          .Method("SpeedButton1Click", &D::SpeedButton1Click)
                          .Build();
  return cls;
}

TdlgPrefixListEdit::TdlgPrefixListEdit(TComponent* owner) : TForm(owner) {
  InitDialog(this, "dlgPrefixListEdit.dfm");
}

std::string TdlgPrefixListEdit::SelectedClass() const { return lbxPrefix->Items()->Names(lbxPrefix->ItemIndex()); }

void TdlgPrefixListEdit::ToggleButtons() {
  bool selected = lbxPrefix->ItemIndex() >= 0;
  btnChange->SetEnabled(selected);
  btnDelete->SetEnabled(selected);
}

void TdlgPrefixListEdit::FormCreate(TObject*) {
  SetCaption(std::string(DisplayName) + " prefix list editor");
  host::TRegIniFile store(RegistryKey);
  lbxPrefix->SetSorted(false);
  store.ReadSectionValues(PrefixSection, *lbxPrefix->Items());
  lbxPrefix->SetSorted(true);
  ToggleButtons();
}

void TdlgPrefixListEdit::lbxPrefixClick(TObject*) {
  if (lbxPrefix->ItemIndex() >= 0) edtPrefix->SetText(lbxPrefix->Items()->Values(SelectedClass()));
  ToggleButtons();
}

void TdlgPrefixListEdit::btnChangeClick(TObject*) {
  if (lbxPrefix->ItemIndex() < 0) return;
  const std::string prefix = edtPrefix->Text();
  const std::string users = PrefixUsers(prefix);
  if (!users.empty() &&
      MessageDlg("Prefix already in use by " + users + ". Use anyway?", mtConfirmation, mbYesNo, 0) == mrNo)
    return;
  const std::string className = SelectedClass();
  host::TRegIniFile store(RegistryKey);
  store.WriteString(PrefixSection, className, prefix);
  // The line that shows the class's prefix: the first of that class, which is the selected
  // one unless a loaded file doubled the class.
  TStrings& lines = *lbxPrefix->Items();
  int index = lines.IndexOfName(className);
  if (index < 0) index = lbxPrefix->ItemIndex();
  lines.Delete(index);
  lbxPrefix->SetItemIndex(prefix.empty() ? -1 : lines.Add(className + "=" + prefix));
}

void TdlgPrefixListEdit::lbxPrefixKeyDown(TObject*, Word& key, TShiftState) {
  if (key != VK_DELETE) return;
  key = 0;
  if (btnDelete->Enabled()) btnDelete->Click();
}

void TdlgPrefixListEdit::btnDeleteClick(TObject*) {
  if (lbxPrefix->ItemIndex() < 0) return;
  host::TRegIniFile store(RegistryKey);
  store.DeleteKey(PrefixSection, SelectedClass());
  lbxPrefix->Items()->Delete(lbxPrefix->ItemIndex());
  lbxPrefix->SetItemIndex(-1);
  edtPrefix->SetText("");
  ToggleButtons();
}

void TdlgPrefixListEdit::btnLoadClick(TObject*) {
  if (dlgLoad->Execute() &&
      MessageDlg("Are you sure you want to overwrite the current prefix list?", mtConfirmation, mbYesNoCancel, 0) ==
          mrYes) {
    lbxPrefix->SetItemIndex(-1);
    // The file is read whole before anything is replaced: one that cannot be read leaves the
    // list and the store as they were.
    TStrings& lines = *lbxPrefix->Items();
    LoadStringsFromFile(lines, dlgLoad->FileName());
    host::TRegIniFile store(RegistryKey);
    store.EraseSection(PrefixSection);
    // Each line's prefix is that of the first line of its class, as the list's values are.
    TextMap<std::string> firstPrefix;
    for (int i = 0; i < lines.Count(); ++i) {
      const std::string line = lines.Strings(i);
      const auto equals = line.find('=');
      if (equals == std::string::npos) continue;
      firstPrefix.try_emplace(line.substr(0, equals), line.substr(equals + 1));
    }
    for (int i = 0; i < lines.Count(); ++i) {
      const std::string className = lines.Names(i);
      auto found = firstPrefix.find(className);
      store.WriteString(PrefixSection, className, found == firstPrefix.end() ? std::string() : found->second);
    }
  }
  ToggleButtons();
}

void TdlgPrefixListEdit::btnSaveClick(TObject*) {
  if (dlgSave->Execute()) SaveStringsToFile(*lbxPrefix->Items(), dlgSave->FileName());
}

void TdlgPrefixListEdit::SpeedButton1Click(TObject*) { ShowZoltAbout(this); }

}  // namespace zolt
