// The data-controls wizard generating N fields into one panel: the dialog filled with the
// fields and confirmed, the controls and labels created, named and bound, and the layout.
// The form (N persistent fields) is opened outside the timing, afresh for each run.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "ide/form_designer.h"
#include "ide/ide.h"
#include "ide/package_loader.h"
#include "ide/scripted_driver.h"

namespace {

namespace fs = std::filesystem;

std::string FormWithFields(int count) {
  std::string text =
      "object Form1: TForm1\n  Width = 800\n  Height = 600\n  Font.Name = 'MS Sans Serif'\n  Font.Height = -11\n"
      "  object Panel1: TPanel\n    Left = 0\n    Top = 0\n    Width = 780\n    Height = 560\n    TabOrder = 0\n"
      "  end\n  object Table1: TTable\n    DatabaseName = 'none.db'\n    TableName = 'T'\n";
  for (int i = 1; i <= count; ++i) {
    std::string n = std::to_string(i);
    // Every tenth a Boolean field, which becomes a check box without a label.
    if (i % 10 == 0)
      text += "    object Table1Flag" + n + ": TBooleanField\n      FieldName = 'Flag " + n + "'\n    end\n";
    else
      text += "    object Table1Field" + n + ": TStringField\n      DisplayLabel = 'FIELD NUMBER " + n +
              "'\n      FieldName = 'Field " + n + "'\n      Size = 20\n    end\n";
  }
  return text + "  end\n  object DataSource1: TDataSource\n    DataSet = Table1\n  end\nend\n";
}

void GenerateFields(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  fs::path dir = fs::temp_directory_path() / ("zolt-bench-wizard-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  ::setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
  std::ofstream(dir / "Form1.dfm") << FormWithFields(count);
  ide::TIde ide;
  ide::TLoadedPackage package(ide::ZoltPackage(), ide.Editors());
  for (auto _ : state) {
    state.PauseTiming();
    auto designer = ide::TFormDesigner::Open((dir / "Form1.dfm").string());
    ide::TScriptedDriver driver;
    driver.Click("btnOK");
    auto editor = ide.Editors().GetComponentEditor(designer->FindComponent("DataSource1"), designer.get());
    state.ResumeTiming();
    editor->ExecuteVerb(0);
    state.PauseTiming();
    editor.reset();
    designer.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * count);
  fs::remove_all(dir);
}

}  // namespace

BENCHMARK(GenerateFields)->Arg(500)->Arg(5000)->Unit(benchmark::kMillisecond);
