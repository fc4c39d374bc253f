// Message boxes and the common file dialogs, shown through the installed UI driver.
#pragma once

#include <cstdint>
#include <string>

#include "vcl/classes.h"
#include "vcl/common_dialog.h"
#include "vcl/ui_driver.h"

namespace vcl {

enum TMsgDlgType : int { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp };
constexpr TMsgDlgButtons MsgDlgButtonOf(TMsgDlgBtn b) { return 1u << b; }
constexpr TMsgDlgButtons mbYesNoCancel = MsgDlgButtonOf(mbYes) | MsgDlgButtonOf(mbNo) | MsgDlgButtonOf(mbCancel);
constexpr TMsgDlgButtons mbYesNo = MsgDlgButtonOf(mbYes) | MsgDlgButtonOf(mbNo);
constexpr TMsgDlgButtons mbOKCancel = MsgDlgButtonOf(mbOK) | MsgDlgButtonOf(mbCancel);
constexpr TMsgDlgButtons mbAbortRetryIgnore =
    MsgDlgButtonOf(mbAbort) | MsgDlgButtonOf(mbRetry) | MsgDlgButtonOf(mbIgnore);

// The modal result a button gives (mbYes -> mrYes, ...).
TModalResult ModalResultOf(TMsgDlgBtn button);
// The message box's title for its type: "Warning", "Error", "Information", "Confirm".
std::string MsgDlgTitle(TMsgDlgType type);

// Shows a message box and returns the result of the button pressed. The answer must be
// one of `buttons`: a driver answering otherwise is an error.
TModalResult MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext);

enum TOpenOption {
  ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate, ofAllowMultiSelect,
  ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt, ofShareAware, ofNoReadOnlyReturn,
  ofNoTestFileCreate, ofNoNetworkButton, ofNoLongNames, ofOldStyleDialog, ofNoDereferenceLinks,
  ofEnableIncludeNotify, ofEnableSizing
};
using TOpenOptions = std::uint32_t;  // bit n for TOpenOption n
constexpr TOpenOptions OpenOptionOf(TOpenOption o) { return 1u << o; }
const TTypeInfo* TypeInfoOpenOptions();

// The open dialog: FileName (chosen or initial), Filter ("Text|*.txt|All|*.*"),
// DefaultExt, InitialDir, Title, Options. Execute shows it; false when the user cancels.
class TOpenDialog : public TCommonDialog {
  VCL_CLASS(TOpenDialog, TCommonDialog)
  explicit TOpenDialog(TComponent* owner);

  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& value) { fileName_ = value; }
  const std::string& Filter() const { return filter_; }
  void SetFilter(const std::string& value) { filter_ = value; }
  int FilterIndex() const { return filterIndex_; }
  void SetFilterIndex(int value) { filterIndex_ = value; }
  const std::string& DefaultExt() const { return defaultExt_; }
  void SetDefaultExt(const std::string& value) { defaultExt_ = value; }
  const std::string& InitialDir() const { return initialDir_; }
  void SetInitialDir(const std::string& value) { initialDir_ = value; }
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& value) { title_ = value; }
  TOpenOptions Options() const { return options_; }
  void SetOptions(TOpenOptions value) { options_ = value; }

  virtual bool Execute();

private:
  std::string fileName_, filter_, defaultExt_, initialDir_, title_;
  int filterIndex_ = 1;
  TOpenOptions options_ = OpenOptionOf(ofHideReadOnly);
};

// Shows `dialog` as a save dialog. With ofOverwritePrompt, choosing a file that exists asks
// whether to replace it; No leaves the dialog open for another choice.
bool ExecuteSaveDialog(TOpenDialog& dialog);

class TSaveDialog : public TOpenDialog {
  VCL_CLASS(TSaveDialog, TOpenDialog)
  using TOpenDialog::TOpenDialog;
  bool Execute() override;
};

}  // namespace vcl
