// The UI driver that plays a script: a queue of what a person would do on the modal
// forms, message boxes and file dialogs that come up, in order. Tests queue the actions;
// the command line's batch driver queues its options the same way.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "vcl/dialogs.h"
#include "vcl/forms.h"

namespace ide {

// A message box that was shown, and how it was answered.
struct TShownMessage {
  std::string Text;
  vcl::TMsgDlgType Type;
  vcl::TMsgDlgButtons Buttons;
  vcl::TModalResult Answer;
};

class TScriptedDriver : public vcl::TUIDriver {
public:
  TScriptedDriver();
  ~TScriptedDriver() override;

  // ---- Actions on the modal form showing when their turn comes.
  // A mouse click: focuses a windowed control that can take the focus, then presses it
  // (buttons click, check boxes toggle, radio buttons check; other controls run OnClick).
  TScriptedDriver& Click(std::string control);
  // Focuses an edit or combo box, selects its whole text and types `text` over it (an
  // empty text deletes it).
  TScriptedDriver& Enter(std::string control, std::string text);
  // Types into the focused control.
  TScriptedDriver& Type(std::string text);
  TScriptedDriver& Press(vcl::Word key, vcl::TShiftState shift = 0);
  // Clicks item `index` of a list box or combo box.
  TScriptedDriver& Select(std::string control, int index);
  // Clicks the check mark of item `index` of a check list box.
  TScriptedDriver& ToggleCheck(std::string control, int index);
  // The close box of the title bar.
  TScriptedDriver& CloseForm();
  // Anything else a test wants done on the form (described for error messages).
  TScriptedDriver& Do(std::string description, std::function<void(vcl::TCustomForm&)> action);

  // ---- Answers to the message boxes and file dialogs, in order.
  TScriptedDriver& Answer(vcl::TModalResult result);
  TScriptedDriver& ChooseFile(std::string path);
  TScriptedDriver& CancelFile();

  const std::vector<TShownMessage>& Messages() const { return messages_; }
  // Names of the modal forms shown, in order.
  const std::vector<std::string>& FormsShown() const { return formsShown_; }
  bool Finished() const { return script_.empty(); }

  void ModalShown(vcl::TCustomForm& form) override;
  void ModalStep(vcl::TCustomForm& form) override;
  vcl::TModalResult MessageBox(const std::string& text, vcl::TMsgDlgType type, vcl::TMsgDlgButtons buttons) override;
  bool ChooseFile(vcl::TOpenDialog& dialog, bool save) override;

protected:
  // What to answer a message box when the script holds no answer for it; the scripted
  // driver raises, naming the message.
  virtual vcl::TModalResult Unanswered(const std::string& text, vcl::TMsgDlgType type, vcl::TMsgDlgButtons buttons);
  // What to do in a file dialog when the script holds no file for it; the scripted driver
  // raises.
  virtual bool Unchosen(vcl::TOpenDialog& dialog, bool save);

private:
  enum class TStepKind { FormAction, Answer, File };
  struct TStep {
    TStepKind Kind;
    std::string Description;
    std::function<void(vcl::TCustomForm&)> Action;
    vcl::TModalResult Result = vcl::mrNone;
    std::optional<std::string> File;  // none: the file dialog is cancelled
  };

  TScriptedDriver& Queue(TStep step);

  std::deque<TStep> script_;
  std::vector<TShownMessage> messages_;
  std::vector<std::string> formsShown_;
  vcl::TUIDriver* previous_;
};

// ---- What a person does on a form, by control name. Each raises EInvalidOperation
// naming the form and control when the control is missing, of the wrong kind, or disabled
// or hidden (a control on a page that is not showing is reached by clicking its tab first).
vcl::TControl& FindControl(vcl::TCustomForm& form, const std::string& name);
void ClickControl(vcl::TCustomForm& form, const std::string& name);
void EnterText(vcl::TCustomForm& form, const std::string& name, const std::string& text);
void SelectListItem(vcl::TCustomForm& form, const std::string& name, int index);
void ToggleListCheck(vcl::TCustomForm& form, const std::string& name, int index);

}  // namespace ide
