// A form with a panel, a table with persistent fields and a data source, opened in the
// designer with the package loaded and a settings store of its own; the wizard driven by
// a script.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include "datacontrols/dlgDataControls.h"
#include "host/reg_ini_file.h"
#include "ide/form_designer.h"
#include "ide/ide.h"
#include "ide/package_loader.h"
#include "ide/scripted_driver.h"
#include "vcl/keyboard.h"

namespace wizard_test {

namespace fs = std::filesystem;

// The form's start up to its components; `components` and "end" follow.
inline std::string FormText(const std::string& components) {
  return "object Form1: TForm1\n"
         "  Left = 0\n  Top = 0\n  Width = 500\n  Height = 400\n  Caption = 'Form1'\n"
         "  Font.Charset = DEFAULT_CHARSET\n  Font.Color = clWindowText\n  Font.Height = -11\n"
         "  Font.Name = 'MS Sans Serif'\n  Font.Style = []\n  PixelsPerInch = 96\n  TextHeight = 13\n" +
         components + "end\n";
}

inline const std::string kPanel =
    "  object Panel1: TPanel\n    Left = 0\n    Top = 0\n    Width = 480\n    Height = 300\n"
    "    TabOrder = 0\n  end\n";

// Persistent fields A (Boolean), B (memo) and C (graphic).
inline const std::string kTableABC =
    "  object Table1: TTable\n    DatabaseName = 'none.db'\n    TableName = 'T'\n"
    "    object Table1A: TBooleanField\n      FieldName = 'A'\n    end\n"
    "    object Table1B: TMemoField\n      FieldName = 'B'\n      BlobType = ftMemo\n    end\n"
    "    object Table1C: TGraphicField\n      FieldName = 'C'\n      BlobType = ftGraphic\n    end\n"
    "  end\n";

inline const std::string kSource = "  object DataSource1: TDataSource\n    DataSet = Table1\n  end\n";

class Wizard : public ::testing::Test {
protected:
  fs::path dir = fs::temp_directory_path() / ("zolt-wizard-" + std::to_string(::getpid()));
  ide::TScriptedDriver driver;
  std::unique_ptr<ide::TIde> ide;
  std::unique_ptr<ide::TLoadedPackage> package;
  std::unique_ptr<ide::TFormDesigner> designer;

  Wizard() {
    fs::create_directories(dir);
    ::setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
    ide = std::make_unique<ide::TIde>();
    package = std::make_unique<ide::TLoadedPackage>(ide::ZoltPackage(), ide->Editors());
  }
  ~Wizard() override {
    designer.reset();
    package.reset();
    ide.reset();
    fs::remove_all(dir);
  }

  void Open(const std::string& components = kPanel + kTableABC + kSource) {
    std::ofstream(dir / "Form1.dfm") << FormText(components);
    designer = ide::TFormDesigner::Open((dir / "Form1.dfm").string());
  }
  vcl::TComponent* Find(const char* name) { return designer->FindComponent(name); }
  template <class T>
  T* Get(const char* name) {
    return vcl::Cast<T>(designer->FindComponent(name));
  }
  std::unique_ptr<host::TComponentEditor> Editor(const char* component = "DataSource1") {
    return ide->Editors().GetComponentEditor(Find(component), designer.get());
  }
  void RunWizard() {
    auto editor = Editor();
    ASSERT_NE(editor, nullptr);
    ASSERT_EQ(editor->GetVerbCount(), 1);
    editor->ExecuteVerb(0);
  }
  // A look at the dialog while it shows.
  void Inspect(std::function<void(zolt::TdlgDataControls&)> check) {
    driver.Do("inspect", [check](vcl::TCustomForm& form) { check(dynamic_cast<zolt::TdlgDataControls&>(form)); });
  }
  // A click on button `item` of the width radio group.
  void ChooseWidth(int item) {
    driver.Do("choose width " + std::to_string(item), [item](vcl::TCustomForm& form) {
      dynamic_cast<zolt::TdlgDataControls&>(form).rgpWidth->Buttons(item)->SetChecked(true);
    });
  }
  static void Store(const std::string& section, const std::string& name, const std::string& value) {
    host::TRegIniFile store("Software\\Borland\\Delphi\\Zol-t");
    store.WriteString(section, name, value);
  }
  // Prefixes for the edits, labels and check boxes the wizard makes.
  static void StorePrefixes() {
    Store("Prefix", "TDBEdit", "dbe");
    Store("Prefix", "TLabel", "lbl");
    Store("Prefix", "TDBCheckBox", "dbchb");
  }
  static std::string Stored(const std::string& section, const std::string& name) {
    host::TRegIniFile store("Software\\Borland\\Delphi\\Zol-t");
    return store.ReadString(section, name, "(none)");
  }
};

}  // namespace wizard_test
