// Loading and unloading the package: module order, initialization counters, the enhancer's
// life, and the IDE's part (Register procedures, withdrawal of registrations).
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "host/editors.h"
#include "ide/ide.h"
#include "ide/package_loader.h"
#include "package/Zolt.h"
#include "package/ZoltIDE.h"
#include "tests/store/store_fixture.h"
#include "vcl/extctrls.h"

using namespace vcl;

namespace {

std::vector<int> Counters() {
  std::vector<int> counts;
  for (const zolt::TModuleInfo& module : zolt::GetPackageInfoTable()) counts.push_back(*module.InitCount);
  return counts;
}

std::vector<int> All(int value) { return std::vector<int>(zolt::GetPackageInfoTable().size(), value); }

// Loading the package reads and unloading writes the settings: a settings file of its own.
class ZoltPackageLoad : public store_test::StoreTest {};

}  // namespace

TEST(ZoltPackage, ModulesAreInTheirInitializationOrder) {
  std::vector<std::string> names;
  for (const zolt::TModuleInfo& module : zolt::GetPackageInfoTable()) {
    names.emplace_back(module.Name);
    EXPECT_NE(module.Initialization, nullptr);
    EXPECT_NE(module.Finalization, nullptr);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"ZoltConst", "ZoltAbout", "ZoltPrefix", "ZoltProps", "ZoltAlign",
                                             "ZoltDataControls", "ZoltShortCuts", "ZoltPrefixListEdit", "ZoltIDE"}));
}

TEST_F(ZoltPackageLoad, LoadingMakesOneEnhancerAndUnloadingFreesIt) {
  ide::TIde ide;
  EXPECT_EQ(zolt::EnhanceIDE, nullptr);
  EXPECT_EQ(Counters(), All(0));
  {
    ide::TLoadedPackage package(ide::ZoltPackage(), ide.Editors());
    ASSERT_NE(zolt::EnhanceIDE, nullptr);
    EXPECT_EQ(Counters(), All(-1));
    zolt::TEnhanceIDE* first = zolt::EnhanceIDE.get();

    // A second, balanced pair inside the first makes no second enhancer and frees none.
    zolt::Initialize();
    EXPECT_EQ(zolt::EnhanceIDE.get(), first);
    EXPECT_EQ(Counters(), All(-2));
    zolt::Finalize();
    EXPECT_EQ(zolt::EnhanceIDE.get(), first);
    EXPECT_EQ(Counters(), All(-1));

    package.Unload();
    EXPECT_EQ(zolt::EnhanceIDE, nullptr);
    EXPECT_EQ(Counters(), All(0));
  }  // the destructor does not unload twice
  EXPECT_EQ(Counters(), All(0));

  ide::TLoadedPackage again(ide::ZoltPackage(), ide.Editors());
  EXPECT_NE(zolt::EnhanceIDE, nullptr);
}

TEST_F(ZoltPackageLoad, OnlyTheIdeModuleHasLoadTimeWork) {
  auto table = zolt::GetPackageInfoTable();
  for (std::size_t i = 0; i + 1 < table.size(); ++i) table[i].Initialization();
  EXPECT_EQ(zolt::EnhanceIDE, nullptr);
  table.back().Initialization();
  EXPECT_NE(zolt::EnhanceIDE, nullptr);
  EXPECT_EQ(*table.back().InitCount, -1);
  table.back().Finalization();
  EXPECT_EQ(zolt::EnhanceIDE, nullptr);
  for (std::size_t i = 0; i + 1 < table.size(); ++i) table[i].Finalization();
  EXPECT_EQ(Counters(), All(0));
}

// A package of the tests' own, which logs what the IDE calls.
namespace fake {

std::vector<std::string> log;
bool failRegister = false;

class TPanelEditor : public host::TComponentEditor {
public:
  using TComponentEditor::TComponentEditor;
  int GetVerbCount() override { return 1; }
  std::string GetVerb(int) override { return "Fake verb"; }
};

void InitA() { log.push_back("init A"); }
void FinA() { log.push_back("fin A"); }
void InitB() { log.push_back("init B"); }
void FinB() { log.push_back("fin B"); }
void RegisterA() {
  log.push_back("register A");
  host::RegisterComponentEditor(TPanel::ClassInfo(), host::ComponentEditorClass<TPanelEditor>());
}
void RegisterB() {
  log.push_back("register B");
  if (failRegister) throw EInvalidOperation("B cannot register");
}

const std::array<zolt::TModuleInfo, 3> modules{{
    {"A", InitA, FinA, RegisterA, nullptr},
    {"Quiet", [] {}, [] {}, nullptr, nullptr},
    {"B", InitB, FinB, RegisterB, nullptr},
}};

ide::TPackageEntryPoints Package() {
  return {[] { return std::span<const zolt::TModuleInfo>(modules); },
          [] {
            log.push_back("Initialize");
            for (const auto& module : modules) module.Initialization();
          },
          [] {
            log.push_back("Finalize");
            for (auto module = modules.rbegin(); module != modules.rend(); ++module) module->Finalization();
          }};
}

}  // namespace fake

class PackageLoaderTest : public ::testing::Test {
protected:
  void SetUp() override {
    fake::log.clear();
    fake::failRegister = false;
    panel = new TPanel(ide.AppBuilder());
  }
  ide::TIde ide;
  TPanel* panel = nullptr;
};

TEST_F(PackageLoaderTest, InitializesThenRegistersAndFinalizesInReverse) {
  {
    ide::TLoadedPackage package(fake::Package(), ide.Editors());
    EXPECT_EQ(fake::log, (std::vector<std::string>{"Initialize", "init A", "init B", "register A", "register B"}));
    auto editor = ide.Editors().GetComponentEditor(panel, nullptr);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->GetVerb(0), "Fake verb");
    fake::log.clear();
  }
  EXPECT_EQ(fake::log, (std::vector<std::string>{"Finalize", "fin B", "fin A"}));
  // The package's registrations leave with it.
  EXPECT_EQ(ide.Editors().GetComponentEditor(panel, nullptr), nullptr);
}

TEST_F(PackageLoaderTest, AFailingRegistrationUnloadsThePackage) {
  fake::failRegister = true;
  EXPECT_THROW(ide::TLoadedPackage(fake::Package(), ide.Editors()), EInvalidOperation);
  EXPECT_EQ(fake::log, (std::vector<std::string>{"Initialize", "init A", "init B", "register A", "register B",
                                                 "Finalize", "fin B", "fin A"}));
  EXPECT_EQ(ide.Editors().GetComponentEditor(panel, nullptr), nullptr);
}
