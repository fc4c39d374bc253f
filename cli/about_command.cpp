// zolt about: what the about box shows, top to bottom.
#include <algorithm>
#include <iostream>

#include "cli/commands.h"
#include "ide/batch_driver.h"
#include "ide/ide.h"
#include "ide/package_loader.h"
#include "package/ZoltAbout.h"

namespace cli {

namespace {

// The box's caption, then each visible control by its place: pictures by their size,
// buttons in brackets, labels by their captions.
void Describe(vcl::TCustomForm& form, std::ostream& out) {
  out << form.Caption() << "\n";
  std::vector<vcl::TControl*> controls;
  for (int i = 0; i < form.ControlCount(); ++i)
    if (form.Controls(i)->Visible()) controls.push_back(form.Controls(i));
  std::stable_sort(controls.begin(), controls.end(), [](auto* a, auto* b) { return a->Top() < b->Top(); });
  for (vcl::TControl* control : controls) {
    if (auto* image = vcl::Cast<vcl::TImage>(control)) {
      auto* bitmap = image->Picture()->Bitmap();
      out << "[picture " << bitmap->Width() << " x " << bitmap->Height() << "]\n";
    } else if (control->Is<vcl::TButton>()) {
      out << "[" << control->Caption() << "]\n";
    } else {
      out << control->Caption() << "\n";
    }
  }
}

}  // namespace

void AddAboutCommand(CLI::App& app) {
  CLI::App* command = app.add_subcommand("about", "Show what the about box of the add-in shows");
  command->callback([] {
    ide::TIde ide;
    ide::TLoadedPackage package(ide::ZoltPackage(), ide.Editors());
    {
      ide::TBatchDriver driver(std::nullopt, [](const std::string& line) { std::cerr << line << "\n"; });
      driver.Do("read the about box", [](vcl::TCustomForm& form) { Describe(form, std::cout); }).Click("btnOK");
      zolt::ShowZoltAbout(ide.Application());
    }
    package.Unload();
  });
}

}  // namespace cli
