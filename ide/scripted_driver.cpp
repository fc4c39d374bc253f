#include "ide/scripted_driver.h"

#include "vcl/checklst.h"
#include "vcl/comctrls.h"
#include "vcl/keyboard.h"
#include "vcl/stdctrls.h"
#include "vcl/sysutils.h"

namespace ide {

using namespace vcl;

namespace {

std::string FormTitle(const TCustomForm& form) { return form.Name().empty() ? form.ClassName() : form.Name(); }

// What a person can reach: a control that is visible and enabled with all its parents.
// A control on a page that is not showing is reached by clicking the page's tab first.
void CheckUsable(TCustomForm& form, TControl& control) {
  for (TControl* c = &control; c && c != &form; c = c->Parent())
    if (auto* page = Cast<TTabSheet>(c); page && page->PageControl() && page->TabVisible())
      page->PageControl()->SetActivePage(page);
  for (TControl* c = &control; c && c != &form; c = c->Parent())
    if (!c->Visible() || !c->Enabled())
      throw EInvalidOperation(FormTitle(form) + "." + control.Name() + " cannot be used: it is disabled or hidden");
}

void FocusByMouse(TControl& control) {
  if (auto* windowed = Cast<TWinControl>(&control); windowed && windowed->CanFocus()) windowed->SetFocus();
}

}  // namespace

TControl& FindControl(TCustomForm& form, const std::string& name) {
  if (auto* control = Cast<TControl>(form.FindComponent(name))) return *control;
  throw EInvalidOperation(FormTitle(form) + " has no control named " + name);
}

void ClickControl(TCustomForm& form, const std::string& name) {
  TControl& control = FindControl(form, name);
  CheckUsable(form, control);
  FocusByMouse(control);
  if (auto* button = Cast<TButtonControl>(&control))
    button->Press();
  else
    control.Click();
}

void EnterText(TCustomForm& form, const std::string& name, const std::string& text) {
  TControl& control = FindControl(form, name);
  CheckUsable(form, control);
  auto* windowed = Cast<TWinControl>(&control);
  if (!windowed) throw EInvalidOperation(FormTitle(form) + "." + name + " does not take text");
  windowed->SetFocus();
  if (auto* edit = Cast<TCustomEdit>(windowed)) {
    edit->SelectAll();
  } else if (auto* combo = Cast<TCustomComboBox>(windowed)) {
    combo->SetSelStart(0);
    combo->SetSelLength(static_cast<int>(Utf8ToChars(combo->Text()).size()));
  } else {
    throw EInvalidOperation(FormTitle(form) + "." + name + " does not take text");
  }
  // Typing nothing over the selection would keep it: an empty text is entered by deleting it.
  if (text.empty())
    PressKey(form, VK_DELETE);
  else
    TypeText(form, text);
}

void SelectListItem(TCustomForm& form, const std::string& name, int index) {
  TControl& control = FindControl(form, name);
  CheckUsable(form, control);
  FocusByMouse(control);
  auto checkIndex = [&](TStrings* items) {
    if (index < 0 || index >= items->Count())
      throw EInvalidOperation(FormTitle(form) + "." + name + " has no item " + std::to_string(index));
  };
  if (auto* list = Cast<TCustomListBox>(&control)) {
    checkIndex(list->Items());
    return list->SelectItem(index);
  }
  if (auto* combo = Cast<TCustomComboBox>(&control)) {
    checkIndex(combo->Items());
    return combo->SelectItem(index);
  }
  throw EInvalidOperation(FormTitle(form) + "." + name + " is not a list");
}

void ToggleListCheck(TCustomForm& form, const std::string& name, int index) {
  auto* list = Cast<TCheckListBox>(&FindControl(form, name));
  if (!list) throw EInvalidOperation(FormTitle(form) + "." + name + " is not a check list box");
  CheckUsable(form, *list);
  if (index < 0 || index >= list->Items()->Count())
    throw EInvalidOperation(FormTitle(form) + "." + name + " has no item " + std::to_string(index));
  FocusByMouse(*list);
  list->SetItemIndex(index);
  list->ClickCheck(index);
}

TScriptedDriver::TScriptedDriver() : previous_(SetUIDriver(this)) {}

TScriptedDriver::~TScriptedDriver() { SetUIDriver(previous_); }

TScriptedDriver& TScriptedDriver::Queue(TStep step) {
  script_.push_back(std::move(step));
  return *this;
}

TScriptedDriver& TScriptedDriver::Do(std::string description, std::function<void(TCustomForm&)> action) {
  return Queue({TStepKind::FormAction, std::move(description), std::move(action), mrNone, std::nullopt});
}

TScriptedDriver& TScriptedDriver::Click(std::string name) {
  return Do("click " + name, [name](TCustomForm& form) { ClickControl(form, name); });
}

TScriptedDriver& TScriptedDriver::Enter(std::string name, std::string text) {
  return Do("enter '" + text + "' into " + name, [name, text](TCustomForm& form) { EnterText(form, name, text); });
}

TScriptedDriver& TScriptedDriver::Type(std::string text) {
  return Do("type '" + text + "'", [text](TCustomForm& form) { TypeText(form, text); });
}

TScriptedDriver& TScriptedDriver::Press(Word key, TShiftState shift) {
  return Do("press key " + std::to_string(key), [key, shift](TCustomForm& form) { PressKey(form, key, shift); });
}

TScriptedDriver& TScriptedDriver::Select(std::string name, int index) {
  return Do("select item " + std::to_string(index) + " of " + name,
            [name, index](TCustomForm& form) { SelectListItem(form, name, index); });
}

TScriptedDriver& TScriptedDriver::ToggleCheck(std::string name, int index) {
  return Do("check item " + std::to_string(index) + " of " + name,
            [name, index](TCustomForm& form) { ToggleListCheck(form, name, index); });
}

TScriptedDriver& TScriptedDriver::CloseForm() {
  return Do("close the form", [](TCustomForm& form) { form.Close(); });
}

TScriptedDriver& TScriptedDriver::Answer(TModalResult result) {
  return Queue({TStepKind::Answer, "answer a message box", nullptr, result, std::nullopt});
}

TScriptedDriver& TScriptedDriver::ChooseFile(std::string path) {
  return Queue({TStepKind::File, "choose " + path, nullptr, mrNone, std::move(path)});
}

TScriptedDriver& TScriptedDriver::CancelFile() { return Queue({TStepKind::File, "cancel a file dialog", nullptr, mrNone, std::nullopt}); }

void TScriptedDriver::ModalShown(TCustomForm& form) { formsShown_.push_back(FormTitle(form)); }

void TScriptedDriver::ModalStep(TCustomForm& form) {
  if (script_.empty() || script_.front().Kind != TStepKind::FormAction) {
    std::string next = script_.empty() ? "nothing left" : "\"" + script_.front().Description + "\" next";
    throw EInvalidOperation("The window " + FormTitle(form) + " waits for the user, but the script has " + next);
  }
  TStep step = std::move(script_.front());
  script_.pop_front();
  step.Action(form);
}

TModalResult TScriptedDriver::MessageBox(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) {
  TModalResult answer;
  if (!script_.empty() && script_.front().Kind == TStepKind::Answer) {
    answer = script_.front().Result;
    script_.pop_front();
  } else {
    answer = Unanswered(text, type, buttons);
  }
  messages_.push_back({text, type, buttons, answer});
  return answer;
}

TModalResult TScriptedDriver::Unanswered(const std::string& text, TMsgDlgType, TMsgDlgButtons) {
  throw EInvalidOperation("The script has no answer for the message \"" + text + "\"");
}

bool TScriptedDriver::Unchosen(TOpenDialog&, bool save) {
  throw EInvalidOperation(std::string("The script has no file for the ") + (save ? "save" : "open") + " dialog");
}

bool TScriptedDriver::ChooseFile(TOpenDialog& dialog, bool save) {
  if (script_.empty() || script_.front().Kind != TStepKind::File) return Unchosen(dialog, save);
  std::optional<std::string> file = std::move(script_.front().File);
  script_.pop_front();
  if (!file) return false;
  dialog.SetFileName(*file);
  return true;
}

}  // namespace ide
