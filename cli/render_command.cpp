// zolt render FORM -o FILE.svg [--component NAME]: a picture of the form as the designer
// shows it, or of one control with its children.
#include "cli/commands.h"
#include "ide/form_designer.h"
#include "render/form_svg.h"
#include "vcl/streaming/atomic_file.h"

namespace cli {

void AddRenderCommand(CLI::App& app) {
  struct Options {
    std::string form, out, component;
    bool noGrid = false;
  };
  auto options = std::make_shared<Options>();
  CLI::App* command = app.add_subcommand("render", "Draw a form as the designer shows it, as an SVG picture");
  command->add_option("FORM", options->form, "form file to draw (.dfm, .lfm)")->required();
  command->add_option("-o,--output", options->out, "SVG file to write")->required();
  command->add_option("--component", options->component, "draw only this control (with its children)");
  command->add_flag("--no-grid", options->noGrid, "leave out the designer's dot grid");
  command->callback([options] {
    auto designer = ide::TFormDesigner::Open(options->form);
    vcl::TControl* only = nullptr;
    if (!options->component.empty()) {
      vcl::TComponent* found = designer->FindComponent(options->component);
      if (!found) throw vcl::EComponentError("Component " + options->component + " not found in " + options->form);
      only = vcl::Cast<vcl::TControl>(found);
      if (!only) throw vcl::EComponentError(options->component + " is not a control and has no picture of its own");
    }
    vcl::TSvgOptions svg;
    svg.FormFile = &designer->FormFile();
    svg.Grid = !options->noGrid;
    vcl::WriteFileAtomic(options->out, vcl::RenderSvg(designer->GetRoot(), only, svg));
  });
}

}  // namespace cli
