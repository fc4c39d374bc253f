// The IDE's own modules, their lookup by path, the palette and the tool services.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "host/tool_services.h"
#include "ide/ide.h"
#include "package/ZoltIDE.h"
#include "vcl/actnlist.h"
#include "vcl/bitmap.h"
#include "vcl/colors.h"
#include "vcl/comctrls.h"
#include "vcl/extctrls.h"
#include "vcl/menus.h"

using namespace vcl;
using zolt::FindDelphiComponent;

namespace {

TContainedAction* FindAction(TCustomActionList* list, const std::string& name) {
  for (int i = 0; i < list->ActionCount(); ++i)
    if (list->Actions(i)->Name() == name) return list->Actions(i);
  return nullptr;
}

TCustomActionList* MainActions() { return As<TCustomActionList>(FindDelphiComponent("AppBuilder,ActionList1")); }

}  // namespace

TEST(Ide, StartsOnceAndLeavesNothingBehind) {
  EXPECT_EQ(Application, nullptr);
  {
    ide::TIde ide;
    EXPECT_EQ(Application, ide.Application());
    EXPECT_EQ(Application->MainForm(), ide.AppBuilder());
    EXPECT_EQ(host::ToolServices(), &ide.Tools());
    EXPECT_THROW(ide::TIde(), EInvalidOperation);
    EXPECT_EQ(Application, ide.Application());
  }
  EXPECT_EQ(Application, nullptr);
  EXPECT_EQ(host::ToolServices(), nullptr);
  ide::TIde again;
  EXPECT_NE(Application, nullptr);
}

TEST(FindDelphiComponent, FindsEachHostComponentByItsPath) {
  ide::TIde ide;
  auto* appBuilder = FindDelphiComponent("AppBuilder");
  EXPECT_EQ(appBuilder, ide.AppBuilder());
  EXPECT_EQ(appBuilder->Owner(), Application);

  auto* paletteMenu = Cast<TPopupMenu>(FindDelphiComponent("AppBuilder,PaletteMenu"));
  ASSERT_NE(paletteMenu, nullptr);
  EXPECT_GT(paletteMenu->Items()->Count(), 0);

  auto* tools = Cast<TMenuItem>(FindDelphiComponent("AppBuilder,ToolsMenu"));
  ASSERT_NE(tools, nullptr);
  EXPECT_EQ(tools->Caption(), "&Tools");
  EXPECT_EQ(tools->Parent(), ide.AppBuilder()->Menu()->Items());
  ASSERT_GT(tools->Count(), 2);
  EXPECT_EQ(tools->Items(0)->Caption(), "&Environment Options...");

  auto* mainActions = Cast<TActionList>(FindDelphiComponent("AppBuilder,ActionList1"));
  auto* databaseActions = Cast<TActionList>(FindDelphiComponent("DatabaseCommands,ActionList1"));
  ASSERT_NE(mainActions, nullptr);
  ASSERT_NE(databaseActions, nullptr);
  EXPECT_NE(mainActions, databaseActions);
  EXPECT_EQ(databaseActions->Owner(), ide.DatabaseCommands());
  ASSERT_NE(mainActions->Images(), nullptr);
  ASSERT_NE(databaseActions->Images(), nullptr);

  auto* tabs = Cast<TTabControl>(FindDelphiComponent("AppBuilder,TabControl"));
  auto* bar = Cast<TPanel>(FindDelphiComponent("AppBuilder,PaletteBar"));
  ASSERT_NE(tabs, nullptr);
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(tabs->Parent(), bar);
  EXPECT_EQ(tabs->Height(), 51);
  EXPECT_EQ(bar->Height(), 52);
}

TEST(FindDelphiComponent, MissingLinksAndEmptyPathsGiveNull) {
  EXPECT_EQ(FindDelphiComponent("AppBuilder"), nullptr);  // no application object
  ide::TIde ide;
  // An empty path is not the application object itself.
  EXPECT_EQ(FindDelphiComponent(""), nullptr);
  EXPECT_EQ(FindDelphiComponent("Missing,PaletteMenu"), nullptr);
  EXPECT_EQ(FindDelphiComponent("AppBuilder,Missing"), nullptr);
  EXPECT_EQ(FindDelphiComponent("AppBuilder,PaletteMenu,Missing"), nullptr);
  // Names are looked up among owned components only, each level in turn.
  EXPECT_EQ(FindDelphiComponent("PaletteMenu"), nullptr);
  EXPECT_EQ(FindDelphiComponent("DatabaseCommands,PaletteMenu"), nullptr);
  // Lookup ignores case, and a blank after a comma is skipped, as comma text does.
  EXPECT_EQ(FindDelphiComponent("appbuilder, palettemenu"), FindDelphiComponent("AppBuilder,PaletteMenu"));
}

TEST(IdeActions, CarryTheDefaultShortcutsAndCategories) {
  ide::TIde ide;
  TCustomActionList* actions = MainActions();
  auto shortCutOf = [&](const std::string& name) {
    auto* action = Cast<TCustomAction>(FindAction(actions, name));
    return action ? ShortCutToText(action->ShortCut()) : "(missing)";
  };
  EXPECT_EQ(shortCutOf("FileSaveCommand"), "Ctrl+S");
  EXPECT_EQ(shortCutOf("FileSaveAllCommand"), "Shift+Ctrl+S");
  EXPECT_EQ(shortCutOf("RunRunCommand"), "F9");
  EXPECT_EQ(shortCutOf("ViewToggleFormCommand"), "F12");
  EXPECT_EQ(shortCutOf("RunResetCommand"), "Ctrl+F2");
  EXPECT_EQ(shortCutOf("ViewFormsCommand"), "Shift+F12");
  EXPECT_EQ(shortCutOf("ViewUnitsCommand"), "Ctrl+F12");
  EXPECT_EQ(shortCutOf("ProjectCompileCommand"), "Ctrl+F9");
  EXPECT_EQ(shortCutOf("ViewObjectInspectorCommand"), "F11");
  EXPECT_EQ(shortCutOf("FileExitCommand"), "");

  // Every action has a caption and a hint; no two actions share a shortcut.
  std::set<std::string> categories;
  std::set<TShortCut> shortCuts;
  auto* databaseActions = As<TCustomActionList>(FindDelphiComponent("DatabaseCommands,ActionList1"));
  for (TCustomActionList* list : {actions, databaseActions}) {
    for (int i = 0; i < list->ActionCount(); ++i) {
      auto* action = As<TCustomAction>(list->Actions(i));
      SCOPED_TRACE(action->Name());
      EXPECT_FALSE(action->Caption().empty());
      EXPECT_FALSE(action->Hint().empty());
      categories.insert(action->Category());
      if (action->ShortCut() != 0) {
        EXPECT_TRUE(shortCuts.insert(action->ShortCut()).second);
      }
    }
  }
  EXPECT_EQ(categories, (std::set<std::string>{"Component", "Database", "Edit", "File", "Help", "Project", "Run",
                                               "Search", "Tools", "View"}));
}

TEST(IdeActions, MenuItemsShowAndRunTheirActions) {
  ide::TIde ide;
  auto* save = As<TMenuItem>(ide.AppBuilder()->FindComponent("FileSaveItem"));
  EXPECT_EQ(save->Caption(), "&Save");
  EXPECT_EQ(ShortCutToText(save->ShortCut()), "Ctrl+S");
  // The command's picture is in the action list's image list, transparent around the disk.
  ASSERT_EQ(save->ImageIndex(), 2);
  TCustomImageList* images = MainActions()->Images();
  EXPECT_EQ(images->Count(), 8);
  TBitmap picture, mask;
  images->GetBitmap(2, &picture);
  images->GetMask(2, &mask);
  EXPECT_EQ(picture.Pixel(0, 0), clFuchsia);
  EXPECT_EQ(mask.Pixel(0, 0), clWhite);
  EXPECT_EQ(picture.Pixel(1, 1), clBlack);  // the disk's outline
  EXPECT_EQ(mask.Pixel(1, 1), clBlack);
  int runs = 0;
  As<TCustomAction>(FindAction(MainActions(), "FileSaveCommand"))->OnExecute = [&](TObject*) { ++runs; };
  save->Click();
  EXPECT_EQ(runs, 1);

  // The Database menu lists the commands of the database module.
  auto* database = As<TMenuItem>(ide.AppBuilder()->FindComponent("DatabaseMenu"));
  auto* databaseActions = As<TCustomActionList>(FindDelphiComponent("DatabaseCommands,ActionList1"));
  ASSERT_EQ(database->Count(), databaseActions->ActionCount());
  EXPECT_EQ(database->Items(0)->Action(), databaseActions->Actions(0));
  EXPECT_EQ(database->Items(0)->Caption(), "&Explore");
}

TEST(ToolServices, ListThePalettePagesAndTheirClasses) {
  ide::TIde ide;
  host::TIToolServices* tools = host::ToolServices();
  ASSERT_NE(tools, nullptr);
  auto* tabs = As<TTabControl>(FindDelphiComponent("AppBuilder,TabControl"));
  ASSERT_EQ(tools->GetModuleCount(), tabs->Tabs()->Count());
  EXPECT_EQ(tabs->TabIndex(), 0);
  std::set<std::string> all;
  for (int module = 0; module < tools->GetModuleCount(); ++module) {
    EXPECT_EQ(tools->GetModuleName(module), tabs->Tabs()->Strings(module));
    EXPECT_GT(tools->GetComponentCount(module), 0);
    for (int i = 0; i < tools->GetComponentCount(module); ++i) {
      std::string name = tools->GetComponentName(module, i);
      TClass cls = GetClass(name);
      ASSERT_NE(cls, nullptr) << name;
      EXPECT_EQ(cls->ClassName(), name);
      EXPECT_TRUE(cls->InheritsFrom(TComponent::ClassInfo())) << name;
      EXPECT_TRUE(all.insert(name).second) << name << " is on two pages";
    }
  }
  EXPECT_EQ(tools->GetModuleName(0), "Standard");
  EXPECT_EQ(tools->GetComponentName(0, 0), "TMainMenu");
  for (const char* expected : {"TPanel", "TScrollBox", "TGroupBox", "TTabControl", "TPageControl", "TDataSource",
                               "TDBEdit", "TDBCheckBox", "TDBNavigator", "TSpinEdit"})
    EXPECT_TRUE(all.count(expected)) << expected;
  EXPECT_THROW(tools->GetComponentCount(tools->GetModuleCount()), EListError);
  EXPECT_THROW(tools->GetComponentName(0, tools->GetComponentCount(0)), EListError);
  EXPECT_THROW(tools->GetModuleName(-1), EListError);
}
