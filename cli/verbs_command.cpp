// zolt verbs FORM COMPONENT: the verbs that the component's registered editor offers on its
// context menu in the form designer, one per line.
#include <iostream>

#include "cli/commands.h"
#include "cli/session.h"

namespace cli {

void AddVerbsCommand(CLI::App& app) {
  struct Options {
    std::string form, component;
  };
  auto options = std::make_shared<Options>();
  CLI::App* command =
      app.add_subcommand("verbs", "List the verbs of a component's context menu in the form designer");
  command->add_option("FORM", options->form, "form file (.dfm, .lfm)")->required();
  command->add_option("COMPONENT", options->component, "name of the component (or of the form itself)")->required();
  command->callback([options] {
    TSession session(options->form);
    vcl::TComponent& component = session.Component(options->component);
    if (auto editor = session.Ide().Editors().GetComponentEditor(&component, &session.Designer()))
      for (int i = 0; i < editor->GetVerbCount(); ++i) std::cout << editor->GetVerb(i) << "\n";
    session.Close();
  });
}

}  // namespace cli
