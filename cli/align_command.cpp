// zolt align FORM CONTAINER [options]: the verb "Align controls" on a container, with the
// dialog's controls set from the options, then OK.
#include <iostream>

#include "cli/commands.h"
#include "cli/dialog_options.h"
#include "vcl/checklst.h"
#include "vcl/spin.h"

namespace cli {

namespace {

using namespace vcl;

struct AlignOptions {
  std::string form, container;
  TDialogOptions dialog;
  bool fit = false, save = false;
  std::optional<int> columns, horColumn, vertColumn, horLabel, vertLabel, vertControl;
  std::vector<std::string> check, uncheck;
  std::optional<std::string> exclude, customButtons, specialCustomButtons;
};

// Types a number into a spin edit, refusing one outside its limits before anything changes.
void EnterNumber(ide::TScriptedDriver& driver, const std::string& control, const std::string& option, int value) {
  driver.Do("check " + option, [control, option, value](TCustomForm& form) {
    auto& spin = dynamic_cast<TSpinEdit&>(ide::FindControl(form, control));
    if (value < spin.MinValue() || value > spin.MaxValue())
      throw EConvertError(option + " " + std::to_string(value) + " is out of range: the value must be from " +
                          std::to_string(spin.MinValue()) + " to " + std::to_string(spin.MaxValue()));
  });
  driver.Enter(control, std::to_string(value));
}

// Sets the check mark of the listed control `name` as a click on it would.
void SetListed(ide::TScriptedDriver& driver, const std::string& name, bool checked) {
  driver.Do((checked ? "check " : "uncheck ") + name, [name, checked](TCustomForm& form) {
    auto& list = dynamic_cast<TCheckListBox&>(ide::FindControl(form, "lstControls"));
    for (int i = 0; i < list.Items()->Count(); ++i) {
      if (list.Items()->Strings(i).rfind(name + " (", 0) != 0) continue;
      if (list.Checked(i) != checked) ide::ToggleListCheck(form, "lstControls", i);
      return;
    }
    throw EInvalidOperation(name + " is not among the controls of the container");
  });
}

void QueueOptions(ide::TScriptedDriver& driver, const AlignOptions& o) {
  if (o.fit) driver.Click("radVerticalFit");
  if (o.columns) {
    driver.Click("radFixedColumns");
    EnterNumber(driver, "edtColumns", "--columns", *o.columns);
  }
  if (o.horColumn) EnterNumber(driver, "edtHorColumn", "--hor-column-offset", *o.horColumn);
  if (o.vertColumn) EnterNumber(driver, "edtVertColumn", "--vert-column-offset", *o.vertColumn);
  if (o.horLabel) EnterNumber(driver, "edtHorLabel", "--hor-label-offset", *o.horLabel);
  if (o.vertLabel) EnterNumber(driver, "edtVertLabel", "--vert-label-offset", *o.vertLabel);
  if (o.vertControl) EnterNumber(driver, "edtVertControl", "--vert-control-offset", *o.vertControl);
  if (o.exclude) driver.Enter("mmoExclude", MemoText(*o.exclude)).Click("btnRefreshControls");
  if (o.customButtons) driver.Enter("mmoCustBtnControls", MemoText(*o.customButtons));
  if (o.specialCustomButtons) {
    bool on = *o.specialCustomButtons == "on";
    driver.Do("set the special custom button check box", [on](TCustomForm& form) {
      auto& box = dynamic_cast<TCheckBox&>(ide::FindControl(form, "chbSpecialCustomBtn"));
      if (box.Checked() != on) box.Press();
    });
  }
  for (const std::string& name : o.check) SetListed(driver, name, true);
  for (const std::string& name : o.uncheck) SetListed(driver, name, false);
  if (o.save) driver.Click("btnStore");
  driver.Click("btnOK");
}

void Run(const AlignOptions& o) {
  TSession session(o.form);
  TComponent& container = session.Component(o.container);
  ide::TBatchDriver driver = o.dialog.Driver();
  QueueOptions(driver, o);
  session.ExecuteVerb(container, "Align controls");
  o.dialog.SaveForm(session);
  std::cout << "Aligned " << o.container << "; form written to " << o.dialog.Target(o.form) << "\n";
  o.dialog.WritePicture(session, Cast<TControl>(&container), o.container);
  session.Close();
}

}  // namespace

void AddAlignCommand(CLI::App& app) {
  auto o = std::make_shared<AlignOptions>();
  CLI::App* command = app.add_subcommand("align", "Align the controls of a container in labelled columns");
  command->add_option("FORM", o->form, "form file (.dfm, .lfm)")->required();
  command->add_option("CONTAINER", o->container, "panel, scroll box, group box, tab sheet or tab control")
      ->required();
  command->add_flag("--fit", o->fit, "as many columns as the container's height needs");
  command->add_option("--columns", o->columns, "a fixed number of columns");
  command->add_option("--hor-column-offset", o->horColumn, "space between columns");
  command->add_option("--vert-column-offset", o->vertColumn, "space above the first row");
  command->add_option("--hor-label-offset", o->horLabel, "space between a label and its control");
  command->add_option("--vert-label-offset", o->vertLabel, "vertical shift of the labels");
  command->add_option("--vert-control-offset", o->vertControl, "space between rows");
  command->add_option("--check", o->check, "include this control (repeatable)");
  command->add_option("--uncheck", o->uncheck, "leave this control where it is (repeatable)");
  command->add_option("--exclude", o->exclude, "classes not to align, comma separated (then refreshes the list)");
  command->add_option("--custom-buttons", o->customButtons, "classes that carry their own caption, comma separated");
  command->add_option("--special-custom-buttons", o->specialCustomButtons, "align custom button controls specially")
      ->check(CLI::IsMember({"on", "off"}));
  command->add_flag("--save", o->save, "store these settings for the container's class");
  AddDialogOptions(command, o->dialog, "write a picture of the container after aligning");
  command->callback([o] { Run(*o); });
}

}  // namespace cli
