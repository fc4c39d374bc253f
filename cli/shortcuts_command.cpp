// zolt shortcuts: the Tools command "&Shortcut list editor", driven through its dialog:
// list a category's command lines, set or restore an action's shortcut, restore all, and
// the shortcuts that two actions hold at once.
#include <functional>
#include <iostream>
#include <map>

#include "cli/commands.h"
#include "cli/dialog_options.h"
#include "cli/ide_session.h"
#include "package/ZoltConst.h"
#include "package/ZoltIDE.h"
#include "host/reg_ini_file.h"
#include "render/form_svg.h"
#include "shortcuts/ZoltShortCuts.h"
#include "shortcuts/dlgShortCuts.h"
#include "vcl/keyboard.h"
#include "vcl/streaming/atomic_file.h"

namespace cli {

namespace {

using namespace vcl;
using zolt::TdlgShortCuts;

struct ShortCutsOptions {
  std::string category = zolt::kAllCommands;
  std::string action, shortCut;
  bool all = false;
  TDialogOptions dialog;
};

TdlgShortCuts& Dialog(TCustomForm& form) { return dynamic_cast<TdlgShortCuts&>(form); }

// Clicks the category line `name`; raises naming the categories there are.
void SelectCategory(TCustomForm& form, const std::string& name) {
  TStrings* categories = Dialog(form).lbxCategory->Items();
  int index = categories->IndexOf(name);
  if (index < 0 || categories->Strings(index) != name) {
    std::string known;
    for (int i = 0; i < categories->Count(); ++i) known += (i ? ", " : "") + categories->Strings(i);
    throw EInvalidOperation("No category \"" + name + "\"; the categories are " + known);
  }
  ide::SelectListItem(form, "lbxCategory", index);
}

// The command line of the action named `action`, or else of the one caption as listed;
// raises when none or several match.
int FindLine(TdlgShortCuts& dialog, const std::string& action) {
  TStrings* lines = dialog.lbxActions->Items();
  std::vector<int> byCaption;
  for (int i = 0; i < lines->Count(); ++i) {
    if (SameText(dialog.LineAction(i)->Name(), action)) return i;
    if (lines->Strings(i) == action) byCaption.push_back(i);
  }
  if (byCaption.size() == 1) return byCaption.front();
  if (byCaption.empty()) throw EInvalidOperation("No action \"" + action + "\" among the commands");
  std::string names;
  for (int i : byCaption) names += (names.empty() ? "" : ", ") + dialog.LineAction(i)->Name();
  throw EInvalidOperation("\"" + action + "\" is the caption of " + names + "; name one of them");
}

// The actions of both lists that hold `shortCut`, but `except`.
std::vector<TCustomAction*> Holders(TdlgShortCuts& dialog, TShortCut shortCut, const TCustomAction* except) {
  std::vector<TCustomAction*> holders;
  for (int i = 0; i < dialog.lbxActions->Items()->Count(); ++i) {
    TCustomAction* action = dialog.LineAction(i);
    if (action != except && action->ShortCut() == shortCut) holders.push_back(action);
  }
  return holders;
}

std::string ShortCutLine(const TCustomAction* action) {
  std::string text = zolt::ShortCutDisplayText(action->ShortCut());
  return action->Name() + ": " + (text.empty() ? "no shortcut" : text);
}

bool HasCustomShortCut(const TCustomAction* action) {
  return !host::TRegIniFile(zolt::ShortCutRegistryKey).ReadString("", action->Name(), "").empty();
}

void ListLines(TCustomForm& form) {
  TdlgShortCuts& dialog = Dialog(form);
  for (int i = 0; i < dialog.lbxActions->Items()->Count(); ++i)
    std::cout << dialog.lbxActions->Items()->Strings(i) << "\t"
              << zolt::ShortCutDisplayText(dialog.LineAction(i)->ShortCut()) << "\n";
}

void WritePicture(TCustomForm& form, const std::string& path) {
  if (path.empty()) return;
  TSvgOptions options;
  options.Grid = false;
  WriteFileAtomic(path, RenderSvg(&form, nullptr, options));
  std::cout << "Picture of the shortcut list editor written to " << path << "\n";
}

void SetShortCut(TCustomForm& form, const ShortCutsOptions& o) {
  TdlgShortCuts& dialog = Dialog(form);
  int line = FindLine(dialog, o.action);
  ide::SelectListItem(form, "lbxActions", line);
  TCustomAction* action = dialog.LineAction(line);
  ide::EnterText(form, "cbxShortCut", o.shortCut);
  PressKey(form, VK_RETURN, 0);
  if (action->ShortCut() == 0 && !o.shortCut.empty())
    std::cerr << "warning: \"" << o.shortCut << "\" names no shortcut; " << action->Name() << " now has none\n";
  if (action->ShortCut() != 0)
    for (TCustomAction* other : Holders(dialog, action->ShortCut(), action))
      std::cerr << "warning: " << zolt::ShortCutDisplayText(action->ShortCut()) << " is also held by "
                << other->Name() << "\n";
  std::cout << ShortCutLine(action) << "\n";
}

void RestoreOne(TCustomForm& form, const std::string& name) {
  TdlgShortCuts& dialog = Dialog(form);
  int line = FindLine(dialog, name);
  ide::SelectListItem(form, "lbxActions", line);
  TCustomAction* action = dialog.LineAction(line);
  bool custom = HasCustomShortCut(action);
  ide::ClickControl(form, "btnRestoreShortCut");
  std::cout << ShortCutLine(action) << (custom ? "" : " (it had no custom shortcut)") << "\n";
}

void RestoreAll(TCustomForm& form) {
  TdlgShortCuts& dialog = Dialog(form);
  std::vector<TCustomAction*> custom;
  for (int i = 0; i < dialog.lbxActions->Items()->Count(); ++i)
    if (HasCustomShortCut(dialog.LineAction(i))) custom.push_back(dialog.LineAction(i));
  ide::ClickControl(form, "btnRestoreAll");
  std::size_t restored = 0;
  for (TCustomAction* action : custom) restored += HasCustomShortCut(action) ? 0 : 1;
  std::cout << "Restored the IDE's shortcuts of " << restored << " action" << (restored == 1 ? "" : "s") << "\n";
}

// Each shortcut held by two or more actions, in the order the lines list its first holder.
void ListConflicts(TCustomForm& form) {
  TdlgShortCuts& dialog = Dialog(form);
  std::map<TShortCut, std::vector<TCustomAction*>> holders;
  std::vector<TShortCut> order;
  for (int i = 0; i < dialog.lbxActions->Items()->Count(); ++i) {
    TCustomAction* action = dialog.LineAction(i);
    if (action->ShortCut() == 0) continue;
    auto& list = holders[action->ShortCut()];
    if (list.empty()) order.push_back(action->ShortCut());
    list.push_back(action);
  }
  int conflicts = 0;
  for (TShortCut shortCut : order) {
    const auto& list = holders[shortCut];
    if (list.size() < 2) continue;
    ++conflicts;
    std::cout << zolt::ShortCutDisplayText(shortCut) << "\t";
    for (std::size_t i = 0; i < list.size(); ++i) std::cout << (i ? ", " : "") << list[i]->Name();
    std::cout << "\n";
  }
  if (conflicts == 0) std::cout << "No shortcut is held by two actions\n";
}

// Opens the editor from the Tools menu with `work` queued on it, then OK.
void RunEditor(const TDialogOptions& dialog, const std::string& category,
               std::function<void(TCustomForm&)> work) {
  TIdeSession session;
  {
    ide::TBatchDriver driver = dialog.Driver();
    driver.Do("select category " + category, [category](TCustomForm& form) { SelectCategory(form, category); });
    driver.Do("work on the shortcut list", std::move(work));
    driver.Click("btnOK");
    auto* tools = As<TMenuItem>(zolt::FindDelphiComponent("AppBuilder,ToolsMenu"));
    TMenuItem* item = tools->Find("Shortcut list editor");
    if (!item) throw EInvalidOperation("The Tools menu has no item \"&Shortcut list editor\"");
    item->Click();
  }
  session.Close();
}

}  // namespace

void AddShortCutsCommand(CLI::App& app) {
  auto o = std::make_shared<ShortCutsOptions>();
  CLI::App* command = app.add_subcommand(
      "shortcuts", "The shortcut list editor: list a category's commands with their shortcuts (default: all)");
  command->add_option("--category", o->category, "the category to list (default: \"All commands\")");
  command->add_option("--svg", o->dialog.svg, "write a picture of the dialog as it stands");
  command->require_subcommand(0, 1);

  CLI::App* set = command->add_subcommand("set", "Give an action a custom shortcut (as typed into the box, then Enter)");
  set->add_option("ACTION", o->action, "the action's name, or its caption as listed")->required();
  set->add_option("SHORTCUT", o->shortCut, "e.g. Ctrl+F2, Shift+Alt+Del, #186; text naming no key removes it")
      ->required();
  set->callback([o] {
    RunEditor(o->dialog, zolt::kAllCommands, [o](TCustomForm& form) { SetShortCut(form, *o); });
  });

  CLI::App* restore = command->add_subcommand("restore", "Give an action (or, with --all, every action) the IDE's own shortcut back");
  restore->add_option("ACTION", o->action, "the action's name, or its caption as listed");
  restore->add_flag("--all", o->all, "every action (asks first: answer with --yes or --no)");
  CLI::Option* yes = restore->add_flag("--yes", o->dialog.yes, "answer the question with Yes");
  restore->add_flag("--no", o->dialog.no, "answer the question with No")->excludes(yes);
  restore->callback([o] {
    if (o->all == !o->action.empty()) throw CLI::ValidationError("restore", "give either ACTION or --all");
    RunEditor(o->dialog, zolt::kAllCommands, [o](TCustomForm& form) {
      if (o->all)
        RestoreAll(form);
      else
        RestoreOne(form, o->action);
    });
  });

  CLI::App* conflicts = command->add_subcommand("conflicts", "List every shortcut that two or more actions hold");
  conflicts->callback([o] { RunEditor(o->dialog, zolt::kAllCommands, ListConflicts); });

  command->callback([o, command] {
    if (!command->get_subcommands().empty()) return;
    RunEditor(o->dialog, o->category, [o](TCustomForm& form) {
      ListLines(form);
      WritePicture(form, o->dialog.svg);
    });
  });
}

}  // namespace cli
