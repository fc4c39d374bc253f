// zolt palette: the "&Multi-line" switch of the component palette's context menu, clicked
// when the mode must change; prints the mode with the heights of the tab control and bar.
#include <iostream>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "cli/ide_session.h"
#include "package/ZoltIDE.h"
#include "render/form_svg.h"
#include "vcl/comctrls.h"
#include "vcl/menus.h"
#include "vcl/streaming/atomic_file.h"

namespace cli {

namespace {

using namespace vcl;

struct PaletteOptions {
  std::optional<std::string> multiLine;
  std::string svg;
};

template <class T>
T& Required(const char* path) {
  auto* found = Cast<T>(zolt::FindDelphiComponent(path));
  if (!found) throw EInvalidOperation(std::string("The IDE has no ") + path);
  return *found;
}

void Run(const PaletteOptions& o) {
  TIdeSession session;
  auto& item = Required<TMenuItem>("AppBuilder,PaletteMenu,mniZoltMultiLinePalette");
  if (o.multiLine && item.Checked() != (*o.multiLine == "on")) item.Click();
  auto& tabs = Required<TCustomTabControl>("AppBuilder,TabControl");
  auto& bar = Required<TControl>("AppBuilder,PaletteBar");
  std::cout << (item.Checked() ? "multi-line" : "single-line") << ": tab control " << tabs.Height() << ", bar "
            << bar.Height() << "\n";
  if (!o.svg.empty()) {
    TSvgOptions options;
    options.Grid = false;
    WriteFileAtomic(o.svg, RenderSvg(session.Ide().AppBuilder(), &bar, options));
    std::cout << "Picture of the palette written to " << o.svg << "\n";
  }
  session.Close();
}

}  // namespace

void AddPaletteCommand(CLI::App& app) {
  auto o = std::make_shared<PaletteOptions>();
  CLI::App* command = app.add_subcommand("palette", "Show the component palette's mode, or switch it");
  command->add_option("--multi-line", o->multiLine, "on: as many rows of tabs as they need; off: one row")
      ->check(CLI::IsMember({"on", "off"}));
  command->add_option("--svg", o->svg, "write a picture of the palette as it stands");
  command->callback([o] { Run(*o); });
}

}  // namespace cli
