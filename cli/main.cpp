// The `zolt` command: drives the add-in's editors and dialogs on form files.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <iostream>

#include "cli/commands.h"

int main(int argc, char** argv) {
  CLI::App app{"Zol-t: design-time tools for Delphi forms (align, data controls, prefixes, shortcuts)", "zolt"};
  app.set_version_flag("--version", "Zol-t 0.9ß");
  app.require_subcommand(0, 1);
  cli::AddConvertCommand(app);
  cli::AddRenderCommand(app);
  cli::AddVerbsCommand(app);
  cli::AddAboutCommand(app);
  cli::AddAlignCommand(app);
  cli::AddNameCommand(app);
  cli::AddPrefixesCommand(app);
  cli::AddWizardCommand(app);
  cli::AddClassesCommand(app);
  cli::AddShortCutsCommand(app);
  cli::AddPaletteCommand(app);
  cli::AddMenuCommand(app);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    // Help and version end well; any other usage error exits with 2.
    int code = app.exit(e);
    return code == 0 ? 0 : 2;
  } catch (const std::exception& e) {
    std::string message = e.what();
    std::replace(message.begin(), message.end(), '\n', ' ');
    std::cerr << message << "\n";
    return 1;
  }
  if (app.get_subcommands().empty()) std::cout << app.help();
  return 0;
}
