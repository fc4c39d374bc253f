// zolt convert IN -o OUT [--text | --binary]: reads a form into the designer and saves it,
// in the format it came in unless told otherwise.
#include <iostream>

#include "cli/commands.h"
#include "ide/form_designer.h"

namespace cli {

void AddConvertCommand(CLI::App& app) {
  struct Options {
    std::string in, out;
    bool text = false, binary = false;
  };
  auto options = std::make_shared<Options>();
  CLI::App* command = app.add_subcommand("convert", "Read a form file and write it again, as text or binary");
  command->add_option("IN", options->in, "form file to read (.dfm, .lfm)")->required();
  command->add_option("-o,--output", options->out, "form file to write")->required();
  CLI::Option* text = command->add_flag("--text", options->text, "write a text form");
  command->add_flag("--binary", options->binary, "write a binary form")->excludes(text);
  command->callback([options] {
    auto designer = ide::TFormDesigner::Open(options->in);
    if (options->text) designer->SetFormat(vcl::TFormFormat::Text);
    if (options->binary) designer->SetFormat(vcl::TFormFormat::Binary);
    for (const std::string& warning : designer->Save(options->out)) std::cerr << "warning: " << warning << "\n";
  });
}

}  // namespace cli
