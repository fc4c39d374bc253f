// zolt classes [add CLASS ANCESTOR | remove CLASS]: the ancestors declared in the user's
// settings for classes the component library does not know, so that forms holding them are
// read with the ancestor's properties and the ancestor's editors apply ("TButtonPanel" as a
// "TPanel"). Without a subcommand, lists them.
#include <iostream>

#include "cli/commands.h"
#include "ide/class_ancestry.h"
#include "ide/ide.h"

namespace cli {

void AddClassesCommand(CLI::App& app) {
  struct Options {
    std::string className, ancestor;
  };
  auto options = std::make_shared<Options>();
  CLI::App* command = app.add_subcommand(
      "classes", "List, add or remove the declared ancestors of classes the component library does not know");
  command->require_subcommand(0, 1);
  CLI::App* add = command->add_subcommand("add", "Declare a class a descendant of a known class");
  add->add_option("CLASS", options->className, "the unknown class (TButtonPanel)")->required();
  add->add_option("ANCESTOR", options->ancestor, "its ancestor: a class of the library or a declared one (TPanel)")
      ->required();
  add->callback([options] {
    ide::TIde ide;
    ide::DeclareClass(options->className, options->ancestor);
    std::cout << options->className << " = class(" << options->ancestor << ")\n";
  });
  CLI::App* remove = command->add_subcommand("remove", "Remove a class's declared ancestor");
  remove->add_option("CLASS", options->className, "the declared class")->required();
  remove->callback([options] {
    ide::TIde ide;
    ide::ForgetClass(options->className);
    std::cout << options->className << " removed\n";
  });
  command->callback([command] {
    if (!command->get_subcommands().empty()) return;
    ide::TIde ide;
    for (const auto& [name, ancestor] : ide::DeclaredClasses()) std::cout << name << " = class(" << ancestor << ")\n";
  });
}

}  // namespace cli
