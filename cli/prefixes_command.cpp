// zolt prefixes [list | set | delete | load | save]: the prefix list editor of the Tools menu,
// its list read, its buttons pressed and its questions answered from the options.
#include <iostream>

#include "cli/commands.h"
#include "cli/dialog_options.h"
#include "ide/ide.h"
#include "ide/package_loader.h"
#include "prefix/ZoltPrefixListEdit.h"
#include "prefix/dlgPrefix.h"
#include "vcl/application.h"

namespace cli {

namespace {

using namespace vcl;

struct PrefixesOptions {
  std::string className, prefix, file;
  TDialogOptions dialog;
};

// Runs `show` with the IDE started and the package loaded.
void WithPackage(const std::function<void()>& show) {
  ide::TIde ide;
  ide::TLoadedPackage package(ide::ZoltPackage(), ide.Editors());
  show();
  package.Unload();
}

// Creates a dialog owned by the application, shows it modally and destroys it.
template <class Dialog>
void ShowDialog(const std::function<void(Dialog&)>& setUp = nullptr) {
  auto* dialog = new Dialog(Application);
  try {
    if (setUp) setUp(*dialog);
    dialog->ShowModal();
  } catch (...) {
    dialog->Free();
    throw;
  }
  dialog->Free();
}

TStrings& ListLines(TCustomForm& form) { return *dynamic_cast<TListBox&>(ide::FindControl(form, "lbxPrefix")).Items(); }

void List() {
  WithPackage([] {
    ide::TBatchDriver driver(std::nullopt, [](const std::string& line) { std::cerr << line << "\n"; });
    driver
        .Do("read the list",
            [](TCustomForm& form) {
              TStrings& lines = ListLines(form);
              for (int i = 0; i < lines.Count(); ++i) std::cout << lines.Strings(i) << "\n";
            })
        .Click("btnOK");
    ShowDialog<zolt::TdlgPrefixListEdit>();
  });
}

// A listed class: select its line, type the prefix, press "&Change". A class not listed yet:
// the "Add component prefix" dialog, as the Name editor shows it.
void Set(const PrefixesOptions& o) {
  WithPackage([&o] {
    ide::TBatchDriver driver = o.dialog.Driver();
    bool listed = false;
    driver
        .Do("change the prefix of " + o.className,
            [&](TCustomForm& form) {
              int index = ListLines(form).IndexOfName(o.className);
              if (index < 0) return;
              listed = true;
              ide::SelectListItem(form, "lbxPrefix", index);
              ide::EnterText(form, "edtPrefix", o.prefix);
              ide::ClickControl(form, "btnChange");
            })
        .Click("btnOK");
    ShowDialog<zolt::TdlgPrefixListEdit>();
    if (!listed) {
      driver.Do("add the prefix of " + o.className, [&](TCustomForm& form) {
        ide::EnterText(form, "edtPrefix", o.prefix);
        ide::ClickControl(form, "btnOK");
        // Declining the question leaves the dialog open; the command then gives up.
        if (form.ModalResult() == mrNone) ide::ClickControl(form, "btnCancel");
      });
      ShowDialog<zolt::TdlgPrefix>([&o](zolt::TdlgPrefix& dialog) { dialog.edtName->SetText(o.className); });
    }
    if (AnsweredNo(driver))
      std::cout << o.className << ": prefix not changed\n";
    else if (o.prefix.empty())
      std::cout << o.className << ": prefix removed\n";
    else
      std::cout << o.className << "=" << o.prefix << "\n";
  });
}

void Delete(const PrefixesOptions& o) {
  WithPackage([&o] {
    ide::TBatchDriver driver = o.dialog.Driver();
    driver
        .Do("delete " + o.className,
            [&](TCustomForm& form) {
              int index = ListLines(form).IndexOfName(o.className);
              if (index < 0) throw EInvalidOperation(o.className + " has no prefix in the prefix list");
              ide::SelectListItem(form, "lbxPrefix", index);
              ide::ClickControl(form, "btnDelete");
            })
        .Click("btnOK");
    ShowDialog<zolt::TdlgPrefixListEdit>();
    std::cout << o.className << ": prefix deleted\n";
  });
}

void Load(const PrefixesOptions& o) {
  WithPackage([&o] {
    ide::TBatchDriver driver = o.dialog.Driver();
    int count = 0;
    driver.Click("btnLoad")
        .ChooseFile(o.file)
        .Do("count the lines", [&count](TCustomForm& form) { count = ListLines(form).Count(); })
        .Click("btnOK");
    ShowDialog<zolt::TdlgPrefixListEdit>();
    if (AnsweredNo(driver))
      std::cout << "Prefix list kept\n";
    else
      std::cout << "Loaded " << count << " prefixes from " << o.file << "\n";
  });
}

void Save(const PrefixesOptions& o) {
  WithPackage([&o] {
    ide::TBatchDriver driver = o.dialog.Driver();
    int count = 0;
    driver.Click("btnSave")
        .ChooseFile(o.file)
        .Do("count the lines", [&count](TCustomForm& form) { count = ListLines(form).Count(); })
        .Click("btnOK");
    ShowDialog<zolt::TdlgPrefixListEdit>();
    if (AnsweredNo(driver))
      std::cout << o.file << ": not replaced\n";
    else
      std::cout << "Saved " << count << " prefixes to " << o.file << "\n";
  });
}

}  // namespace

void AddPrefixesCommand(CLI::App& app) {
  auto o = std::make_shared<PrefixesOptions>();
  CLI::App* command = app.add_subcommand("prefixes", "Show and edit the stored component-name prefixes");
  command->require_subcommand(0, 1);
  command->callback([command] {
    if (command->get_subcommands().empty()) List();
  });

  command->add_subcommand("list", "Print the prefix list, one CLASS=PREFIX line each")->callback(List);

  CLI::App* set = command->add_subcommand("set", "Give a class a prefix (an empty one removes it from the list)");
  set->add_option("CLASS", o->className, "component class, such as TButton")->required();
  set->add_option("PREFIX", o->prefix, "the prefix, as it is to be typed")->required();
  AddAnswerOptions(set, o->dialog);
  set->callback([o] { Set(*o); });

  CLI::App* remove = command->add_subcommand("delete", "Delete the prefix of a class");
  remove->add_option("CLASS", o->className, "component class")->required();
  remove->callback([o] { Delete(*o); });

  CLI::App* load = command->add_subcommand("load", "Replace the prefix list by a prefix-list file (.prl)");
  load->add_option("FILE", o->file, "prefix-list file")->required();
  AddAnswerOptions(load, o->dialog);
  load->callback([o] { Load(*o); });

  CLI::App* save = command->add_subcommand("save", "Save the prefix list to a prefix-list file (.prl)");
  save->add_option("FILE", o->file, "prefix-list file")->required();
  AddAnswerOptions(save, o->dialog);
  save->callback([o] { Save(*o); });
}

}  // namespace cli
