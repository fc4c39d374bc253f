// The user in front of the screen. Modal forms, message boxes and file dialogs ask the
// installed driver what the user does: a test's script, the command line's options, or
// (later) a person in a browser.
#pragma once

#include <string>

#include "vcl/control_types.h"

namespace vcl {

class TCustomForm;
class TOpenDialog;
enum TMsgDlgType : int;
using TMsgDlgButtons = unsigned;

class TUIDriver {
public:
  virtual ~TUIDriver() = default;
  // A modal form comes up (before the user's first action on it).
  virtual void ModalShown(TCustomForm& form) = 0;
  // Does the user's next action on the modal form `form` (clicks, typing, closing it).
  // Called until the form's ModalResult is set; raises when the user has nothing left to do.
  virtual void ModalStep(TCustomForm& form) = 0;
  // The button (mrYes, mrNo, mrOk, ...) the user answers a message box with.
  virtual TModalResult MessageBox(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) = 0;
  // The file the user chooses in an open (or save) dialog, stored into its FileName;
  // false when the user cancels.
  virtual bool ChooseFile(TOpenDialog& dialog, bool save) = 0;
};

// The installed driver; raises EInvalidOperation when none is installed.
TUIDriver& UIDriver();
// Installs `driver` (null: none) and returns the one it replaces.
TUIDriver* SetUIDriver(TUIDriver* driver);

}  // namespace vcl
