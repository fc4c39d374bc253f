// zolt convert IN -o OUT: reads a form into the designer and saves it.
#include <iostream>

#include "cli/commands.h"
#include "ide/form_designer.h"

namespace cli {

void AddConvertCommand(CLI::App& app) {
  struct Options {
    std::string in, out;
  };
  auto options = std::make_shared<Options>();
  CLI::App* command = app.add_subcommand("convert", "Read a form file and write it again (text forms)");
  command->add_option("IN", options->in, "form file to read (.dfm, .lfm)")->required();
  command->add_option("-o,--output", options->out, "form file to write")->required();
  command->callback([options] {
    auto designer = ide::TFormDesigner::Open(options->in);
    for (const std::string& warning : designer->Save(options->out)) std::cerr << "warning: " << warning << "\n";
  });
}

}  // namespace cli
