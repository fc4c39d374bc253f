// zolt wizard FORM DATASOURCE [options]: the verb "Data controls wizard" on a data source,
// with the dialog's controls set from the options, then OK.
#include <iostream>

#include "cli/commands.h"
#include "cli/dialog_options.h"
#include "datacontrols/dlgDataControls.h"
#include "vcl/keyboard.h"
#include "vcl/typinfo.h"

namespace cli {

namespace {

using namespace vcl;
using zolt::TdlgDataControls;

struct WizardOptions {
  std::string form, source;
  TDialogOptions dialog;
  std::optional<std::string> container, fields, width, labels, labelClass, append, decapitalize,
      labelCustomButtons, customButtons;
  std::vector<std::string> controls, assocs;
  bool refresh = false, saveSettings = false, saveAssoc = false;
};

// NAME=VALUE of a repeatable option; raises naming the option when there is no "=".
std::pair<std::string, std::string> Pair(const std::string& option, const std::string& text) {
  std::size_t equals = text.find('=');
  if (equals == std::string::npos || equals == 0)
    throw EConvertError(option + " " + text + ": expected NAME=CLASS");
  return {text.substr(0, equals), text.substr(equals + 1)};
}

// Types `text` over the text of an edit; an empty text deletes it.
void EnterText(ide::TScriptedDriver& driver, const std::string& edit, const std::string& text) {
  driver.Enter(edit, text);
  if (text.empty()) driver.Press(VK_DELETE);
}

// The row of lstFields that shows the field named `field`; raises when the data set has none.
int FieldRow(TdlgDataControls& dialog, TDataSource& source, const std::string& field) {
  TFields* fields = source.DataSet()->Fields();
  for (int row = 0; row < fields->Count(); ++row)
    if (SameText(fields->Fields(dialog.GetFieldIndex(row))->FieldName(), field)) return row;
  throw EInvalidOperation("Field " + field + " not found in the data set of " + source.Name());
}

// Types `className` into a class box and takes it with Enter; a completion the user did not
// want is deleted first.
void TakeClass(ide::TScriptedDriver& driver, const std::string& box, const std::string& className) {
  driver.Enter(box, className);
  driver.Do("keep " + className + " as typed", [box, className](TCustomForm& form) {
    if (ide::FindControl(form, box).Text() != className) PressKey(form, VK_DELETE);
  });
  driver.Press(VK_RETURN);
}

void SetCheckBox(ide::TScriptedDriver& driver, const std::string& name, const std::optional<std::string>& state) {
  if (!state) return;
  bool on = *state == "on";
  driver.Do("set " + name, [name, on](TCustomForm& form) {
    auto& box = dynamic_cast<TCheckBox&>(ide::FindControl(form, name));
    if (box.Checked() != on) ide::ClickControl(form, name);
  });
}

void QueueSettings(ide::TScriptedDriver& driver, const WizardOptions& o) {
  driver.Click("TabSheet2");
  SetCheckBox(driver, "chbAddLabels", o.labels);
  SetCheckBox(driver, "chbDecapitalize", o.decapitalize);
  if (o.labelClass) EnterText(driver, "edtLabel", *o.labelClass);
  if (o.append) EnterText(driver, "edtAppend", *o.append);
  if (o.width) {
    int item = *o.width == "default" ? 0 : *o.width == "display" ? 1 : 2;
    driver.Do("choose the width", [item](TCustomForm& form) {
      dynamic_cast<TdlgDataControls&>(form).rgpWidth->Buttons(item)->SetChecked(true);
    });
  }
  SetCheckBox(driver, "chbCreateLabelCustBtn", o.labelCustomButtons);
  if (o.customButtons) driver.Enter("mmoCustBtnControls", MemoText(*o.customButtons));
  if (o.saveSettings) driver.Click("btnSaveSettings");
}

void QueueAssociations(ide::TScriptedDriver& driver, const WizardOptions& o) {
  if (o.assocs.empty() && !o.saveAssoc && !o.refresh) return;
  driver.Click("Associations");
  for (const std::string& text : o.assocs) {
    auto [type, className] = Pair("--assoc", text);
    driver.Do("select " + type, [type = type](TCustomForm& form) {
      for (int row = 0; row < FieldTypeCount; ++row)
        if (TypeInfoFieldType()->EnumName(row) == type) return ide::SelectListItem(form, "lstTypes", row);
      throw EConvertError("--assoc " + type + ": not a field type (ftString, ftBoolean, ...)");
    });
    TakeClass(driver, "cbxControl", className);
  }
  if (o.saveAssoc) driver.Click("btnSaveAssoc");
  if (o.refresh) driver.Click("btnRefreshFields");
}

void QueueFields(ide::TScriptedDriver& driver, const WizardOptions& o, TDataSource& source) {
  driver.Click("TabSheet1");
  if (o.container) {
    std::string name = *o.container;
    driver.Do("select container " + name, [name](TCustomForm& form) {
      auto& d = dynamic_cast<TdlgDataControls&>(form);
      int index = d.cbxContainer->Items()->IndexOf(name);
      if (index < 0) throw EInvalidOperation(name + " is not a container of the form");
      ide::SelectListItem(form, "cbxContainer", index);
    });
  }
  if (o.fields) {
    TStringList wanted;
    wanted.SetCommaText(*o.fields);
    std::vector<std::string> names;
    for (int i = 0; i < wanted.Count(); ++i) names.push_back(wanted.Strings(i));
    driver.Do("choose the fields", [names, &source](TCustomForm& form) {
      auto& d = dynamic_cast<TdlgDataControls&>(form);
      // Each wanted field is moved up to its place with Ctrl+Up.
      for (int place = 0; place < static_cast<int>(names.size()); ++place) {
        int row = FieldRow(d, source, names[place]);
        if (row < place) throw EInvalidOperation("--fields names " + names[place] + " twice");
        ide::SelectListItem(form, "lstFields", row);
        for (; row > place; --row) PressKey(form, VK_UP, ShiftOf(ssCtrl));
      }
      for (int row = 0; row < d.lstFields->Items()->Count(); ++row)
        if (d.lstFields->Checked(row) != (row < static_cast<int>(names.size())))
          ide::ToggleListCheck(form, "lstFields", row);
    });
  }
  for (const std::string& text : o.controls) {
    auto [field, className] = Pair("--control", text);
    driver.Do("select " + field, [field = field, &source](TCustomForm& form) {
      ide::SelectListItem(form, "lstFields", FieldRow(dynamic_cast<TdlgDataControls&>(form), source, field));
    });
    TakeClass(driver, "cbxFieldControl", className);
  }
}

// The created components, as the designer's selection holds them after OK.
void PrintCreated(TSession& session) {
  TComponentList created;
  session.Designer().GetSelections(created);
  for (int i = 0; i < created.Count(); ++i) {
    TComponent* c = created.Items(i);
    std::cout << "Created " << c->ClassName() << " " << c->Name();
    if (PPropInfo caption = GetPropInfo(c, "Caption"); caption && caption->Kind() == TTypeKind::tkString)
      std::cout << " \"" << GetStrProp(c, caption) << "\"";
    std::cout << "\n";
  }
}

void Run(const WizardOptions& o) {
  TSession session(o.form);
  TComponent& component = session.Component(o.source);
  auto* source = Cast<TDataSource>(&component);
  if (!source) throw EInvalidOperation(o.source + " (" + component.ClassName() + ") is not a data source");
  // The verb would only say so in a message box; the command fails before anything else.
  if (!source->DataSet()) throw EInvalidOperation("No dataset assigned to " + o.source + "; nothing written");
  ide::TBatchDriver driver = o.dialog.Driver();
  QueueSettings(driver, o);
  QueueAssociations(driver, o);
  QueueFields(driver, o, *source);
  driver.Click("btnOK");
  session.ExecuteVerb(component, "Data controls wizard");
  o.dialog.SaveForm(session);
  PrintCreated(session);
  std::cout << "Form written to " << o.dialog.Target(o.form) << "\n";
  TComponentList created;
  session.Designer().GetSelections(created);
  if (created.Count() > 0) {
    TControl* container = As<TControl>(created.Items(0))->Parent();
    o.dialog.WritePicture(session, container, container->Name());
  }
  session.Close();
}

}  // namespace

void AddWizardCommand(CLI::App& app) {
  auto o = std::make_shared<WizardOptions>();
  CLI::App* command =
      app.add_subcommand("wizard", "Create labelled data-aware controls for the fields of a data source");
  command->add_option("FORM", o->form, "form file (.dfm, .lfm)")->required();
  command->add_option("DATASOURCE", o->source, "the data source whose data set's fields are used")->required();
  command->add_option("--container", o->container, "the panel, scroll box, group box, tab sheet or tab control "
                                                   "that receives the controls (default: the first)");
  command->add_option("--fields", o->fields, "exactly these fields, in this order, comma separated");
  command->add_option("--control", o->controls, "FIELD=CLASS: the control class for one field (repeatable)");
  command->add_option("--width", o->width, "control widths: the class's default, the field's display width, "
                                           "or the largest display width")
      ->check(CLI::IsMember({"default", "display", "largest"}));
  command->add_option("--labels", o->labels, "create a label beside each control")->check(CLI::IsMember({"on", "off"}));
  command->add_option("--label-class", o->labelClass, "the class of the labels (a TCustomLabel descendant)");
  command->add_option("--append", o->append, "text appended to the captions");
  command->add_option("--decapitalize", o->decapitalize, "on: keep the display names' letter case in labels")
      ->check(CLI::IsMember({"on", "off"}));
  command->add_option("--label-custom-buttons", o->labelCustomButtons, "labels for check boxes and radio buttons too")
      ->check(CLI::IsMember({"on", "off"}));
  command->add_option("--custom-buttons", o->customButtons, "classes that carry their own caption, comma separated");
  command->add_option("--assoc", o->assocs, "ftType=CLASS: the class proposed for a field type (repeatable)");
  command->add_flag("--refresh", o->refresh, "apply the associations to the field list again");
  command->add_flag("--save-settings", o->saveSettings, "store the settings");
  command->add_flag("--save-assoc", o->saveAssoc, "store the field-type associations");
  AddDialogOptions(command, o->dialog, "write a picture of the container after generating");
  command->callback([o] { Run(*o); });
}

}  // namespace cli
