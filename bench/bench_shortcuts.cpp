// Start-up with custom shortcuts stored: every action of the IDE's two lists given its
// stored shortcut, through one store opened for all of them (as the enhancer does) beside
// a store opened per action; and a whole load and unload of the package.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "host/reg_ini_file.h"
#include "ide/ide.h"
#include "ide/package_loader.h"
#include "package/ZoltConst.h"
#include "package/ZoltIDE.h"
#include "vcl/actnlist.h"

namespace {

namespace fs = std::filesystem;

// An IDE whose every action has a stored custom shortcut, in a settings folder of its own.
class ShortCutFixture {
public:
  ShortCutFixture() : folder_(fs::temp_directory_path() / ("zolt_bench_shortcuts_" + std::to_string(::getpid()))) {
    fs::remove_all(folder_);
    ::setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
    ide_ = std::make_unique<ide::TIde>();
    host::TRegIniFile store(zolt::ShortCutRegistryKey);
    for (const char* path : {"AppBuilder,ActionList1", "DatabaseCommands,ActionList1"}) {
      auto* list = vcl::As<vcl::TCustomActionList>(zolt::FindDelphiComponent(path));
      for (int i = 0; i < list->ActionCount(); ++i) {
        auto* action = vcl::As<vcl::TCustomAction>(list->Actions(i));
        actions_.push_back(action);
        store.WriteString("", action->Name(), "0000C0" + std::to_string(10 + i % 80));
      }
    }
  }
  ~ShortCutFixture() {
    ide_.reset();
    fs::remove_all(folder_);
  }
  const std::vector<vcl::TCustomAction*>& Actions() const { return actions_; }
  ide::TIde& Ide() { return *ide_; }

private:
  fs::path folder_;
  std::unique_ptr<ide::TIde> ide_;
  std::vector<vcl::TCustomAction*> actions_;
};

ShortCutFixture& Fixture() {
  static ShortCutFixture fixture;
  return fixture;
}

void BM_ApplyThroughOneStore(benchmark::State& state) {
  auto& actions = Fixture().Actions();
  for (auto _ : state) {
    host::TRegIniFile store(zolt::ShortCutRegistryKey);
    for (vcl::TCustomAction* action : actions) zolt::ApplyStoredShortCut(action, store);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(actions.size()));
}
BENCHMARK(BM_ApplyThroughOneStore)->Unit(benchmark::kMicrosecond);

void BM_ApplyOpeningAStorePerAction(benchmark::State& state) {
  auto& actions = Fixture().Actions();
  for (auto _ : state)
    for (vcl::TCustomAction* action : actions) zolt::ApplyStoredShortCut(action);
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(actions.size()));
}
BENCHMARK(BM_ApplyOpeningAStorePerAction)->Unit(benchmark::kMicrosecond);

void BM_LoadAndUnloadThePackage(benchmark::State& state) {
  ide::TIde& ide = Fixture().Ide();
  for (auto _ : state) {
    ide::TLoadedPackage package(ide::ZoltPackage(), ide.Editors());
    package.Unload();
  }
}
BENCHMARK(BM_LoadAndUnloadThePackage)->Unit(benchmark::kMicrosecond);

}  // namespace
