// zolt menu [NAME]: the IDE's main menu, or the sub-items of one of its items, one per line
// in menu order: the caption, then the shortcut, then "disabled" where the item is.
#include <iostream>

#include "cli/commands.h"
#include "cli/ide_session.h"
#include "vcl/forms.h"
#include "vcl/menus.h"
#include "vcl/strings.h"

namespace cli {

namespace {

using namespace vcl;

// The item of the tree below `root` whose name, or caption without its & marks, is `name`
// (ignoring case); null when none.
TMenuItem* FindItem(TMenuItem* root, const std::string& name) {
  for (int i = 0; i < root->Count(); ++i) {
    TMenuItem* item = root->Items(i);
    if (SameText(item->Name(), name) || SameText(StripHotkey(item->Caption()), name)) return item;
    if (TMenuItem* found = FindItem(item, name)) return found;
  }
  return nullptr;
}

void PrintItems(const TMenuItem& menu) {
  for (int i = 0; i < menu.Count(); ++i) {
    TMenuItem* item = menu.Items(i);
    std::string line = item->Caption();
    std::string shortCut = ShortCutToText(item->ShortCut());
    if (!shortCut.empty() || !item->Enabled()) line += "\t" + shortCut;
    if (!item->Enabled()) line += "\tdisabled";
    std::cout << line << "\n";
  }
}

}  // namespace

void AddMenuCommand(CLI::App& app) {
  auto name = std::make_shared<std::string>();
  CLI::App* command = app.add_subcommand("menu", "List the IDE's main menu, or the items of one of its menus");
  command->add_option("NAME", *name, "a menu item's name or caption, e.g. Tools");
  command->callback([name] {
    TIdeSession session;
    TMenuItem* root = session.Ide().AppBuilder()->Menu()->Items();
    if (!name->empty()) {
      root = FindItem(root, *name);
      if (!root) throw EInvalidOperation("The main menu has no item \"" + *name + "\"");
    }
    PrintItems(*root);
    session.Close();
  });
}

}  // namespace cli
