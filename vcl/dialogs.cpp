#include "vcl/dialogs.h"

#include <filesystem>
#include <utility>

#include "vcl/class_builder.h"
#include "vcl/sysutils.h"

namespace vcl {

namespace {
TUIDriver* installed = nullptr;
}

TUIDriver& UIDriver() {
  if (!installed) throw EInvalidOperation("No user interface is available to show this window");
  return *installed;
}

TUIDriver* SetUIDriver(TUIDriver* driver) { return std::exchange(installed, driver); }

TModalResult ModalResultOf(TMsgDlgBtn button) {
  static constexpr TModalResult results[] = {mrYes, mrNo, mrOk, mrCancel, mrAbort, mrRetry,
                                             mrIgnore, mrAll, mrNoToAll, mrYesToAll, mrNone};
  return results[button];
}

std::string MsgDlgTitle(TMsgDlgType type) {
  switch (type) {
    case mtWarning: return "Warning";
    case mtError: return "Error";
    case mtInformation: return "Information";
    case mtConfirmation: return "Confirm";
    case mtCustom: break;
  }
  return {};
}

TModalResult MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int) {
  TModalResult answer = UIDriver().MessageBox(text, type, buttons);
  for (int b = mbYes; b <= mbYesToAll; ++b)
    if ((buttons & MsgDlgButtonOf(static_cast<TMsgDlgBtn>(b))) && ModalResultOf(static_cast<TMsgDlgBtn>(b)) == answer)
      return answer;
  throw EInvalidOperation("The message box \"" + text + "\" has no button for that answer");
}

const TTypeInfo* TypeInfoOpenOptions() {
  static auto t = MakeSetType(
      "TOpenOptions",
      MakeEnumType("TOpenOption",
                   {"ofReadOnly", "ofOverwritePrompt", "ofHideReadOnly", "ofNoChangeDir", "ofShowHelp", "ofNoValidate",
                    "ofAllowMultiSelect", "ofExtensionDifferent", "ofPathMustExist", "ofFileMustExist",
                    "ofCreatePrompt", "ofShareAware", "ofNoReadOnlyReturn", "ofNoTestFileCreate", "ofNoNetworkButton",
                    "ofNoLongNames", "ofOldStyleDialog", "ofNoDereferenceLinks", "ofEnableIncludeNotify",
                    "ofEnableSizing"}));
  return t;
}

TClass TOpenDialog::ClassInfo() {
  static TClass cls = TClassBuilder<TOpenDialog>("TOpenDialog", TCommonDialog::ClassInfo())
                          .Creatable()
                          .String("DefaultExt", &TOpenDialog::DefaultExt, &TOpenDialog::SetDefaultExt)
                          .String("FileName", &TOpenDialog::FileName, &TOpenDialog::SetFileName)
                          .String("Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter)
                          .Integer("FilterIndex", &TOpenDialog::FilterIndex, &TOpenDialog::SetFilterIndex, 1)
                          .String("InitialDir", &TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir)
                          .Set("Options", TypeInfoOpenOptions(), &TOpenDialog::Options, &TOpenDialog::SetOptions,
                               OpenOptionOf(ofHideReadOnly))
                          .String("Title", &TOpenDialog::Title, &TOpenDialog::SetTitle)
                          .Build();
  return cls;
}

TOpenDialog::TOpenDialog(TComponent* owner) : TCommonDialog(owner) {}

bool TOpenDialog::Execute() { return UIDriver().ChooseFile(*this, false); }

TClass TSaveDialog::ClassInfo() {
  static TClass cls = TClassBuilder<TSaveDialog>("TSaveDialog", TOpenDialog::ClassInfo()).Creatable().Build();
  return cls;
}

bool ExecuteSaveDialog(TOpenDialog& dialog) {
  while (UIDriver().ChooseFile(dialog, true)) {
    const std::string& chosen = dialog.FileName();
    std::error_code error;
    if (!(dialog.Options() & OpenOptionOf(ofOverwritePrompt)) || !std::filesystem::exists(chosen, error)) return true;
    if (MessageDlg(chosen + " already exists. Do you want to replace it?", mtWarning, mbYesNo, 0) == mrYes)
      return true;
  }
  return false;
}

bool TSaveDialog::Execute() { return ExecuteSaveDialog(*this); }

}  // namespace vcl
