// The align editor and its dialog, driven as a person uses them in the IDE.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "align/dlgAlign.h"
#include "host/reg_ini_file.h"
#include "ide/form_designer.h"
#include "ide/ide.h"
#include "ide/package_loader.h"
#include "ide/scripted_driver.h"
#include "vcl/keyboard.h"

using namespace vcl;
namespace fs = std::filesystem;

namespace {

constexpr const char* kForm = R"(object Form1: TForm1
  Left = 0
  Top = 0
  Width = 400
  Height = 300
  Caption = 'Form1'
  PixelsPerInch = 96
  TextHeight = 13
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 392
    Height = 200
    TabOrder = 0
    object Label1: TLabel
      Left = 100
      Top = 50
      Width = 30
      Height = 13
      Caption = 'Name'
      FocusControl = Edit1
    end
    object Edit1: TEdit
      Left = 150
      Top = 90
      Width = 121
      Height = 21
      TabOrder = 0
    end
    object Button1: TButton
      Left = 200
      Top = 150
      Width = 75
      Height = 25
      Caption = 'Button1'
      TabOrder = 1
    end
  end
  object GroupBox1: TGroupBox
    Left = 0
    Top = 200
    Width = 392
    Height = 60
    Caption = 'Empty'
    TabOrder = 1
  end
end
)";

struct AlignDialog : ::testing::Test {
  fs::path dir = fs::temp_directory_path() / ("zolt-align-dialog-" + std::to_string(::getpid()));
  ide::TScriptedDriver driver;
  std::unique_ptr<ide::TIde> ide;
  std::unique_ptr<ide::TLoadedPackage> package;
  std::unique_ptr<ide::TFormDesigner> designer;

  AlignDialog() {
    fs::create_directories(dir);
    ::setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
    std::ofstream(dir / "Form1.dfm") << kForm;
    ide = std::make_unique<ide::TIde>();
    package = std::make_unique<ide::TLoadedPackage>(ide::ZoltPackage(), ide->Editors());
    designer = ide::TFormDesigner::Open((dir / "Form1.dfm").string());
  }
  ~AlignDialog() override {
    designer.reset();
    package.reset();
    ide.reset();
    fs::remove_all(dir);
  }

  TControl* Control(const char* name) { return As<TControl>(designer->FindComponent(name)); }
  void RunVerb(const char* container) {
    auto editor = ide->Editors().GetComponentEditor(designer->FindComponent(container), designer.get());
    ASSERT_NE(editor, nullptr);
    ASSERT_EQ(editor->GetVerbCount(), 1);
    ASSERT_EQ(editor->GetVerb(0), "Align controls");
    editor->ExecuteVerb(0);
  }
  // A look at the dialog while it shows.
  void Inspect(std::function<void(zolt::TdlgAlign&)> check) {
    driver.Do("inspect", [check](TCustomForm& form) { check(dynamic_cast<zolt::TdlgAlign&>(form)); });
  }
  std::string Stored(const std::string& section, const std::string& name) {
    host::TRegIniFile store("Software\\Borland\\Delphi\\Zol-t");
    return store.ReadString(section, name, "(none)");
  }
};

}  // namespace

TEST_F(AlignDialog, TheDialogIsLoadedFromTheDefaultsAndListsTheWindowedChildren) {
  Inspect([](zolt::TdlgAlign& d) {
    EXPECT_EQ(d.Caption(), "Zol-t align TPanel");
    EXPECT_EQ(d.Owner(), Application);
    EXPECT_EQ(d.PageControl1->ActivePage(), d.TabSheet2);
    EXPECT_TRUE(d.GetFit());
    EXPECT_FALSE(d.edtColumns->Enabled());
    EXPECT_EQ(d.GetColumnXOffSet(), 8);
    EXPECT_EQ(d.GetAfterLabelSpace(), 4);
    EXPECT_EQ(d.GetExclude(), "TButton,TDBNavigator");
    EXPECT_EQ(d.edtHorColumn->MaxValue(), 999);
    EXPECT_EQ(d.edtColumns->MinValue(), 1);
    EXPECT_EQ(d.edtColumns->MaxLength(), 8);
    ASSERT_EQ(d.lstControls->Items()->Count(), 2);  // the label is not listed
    EXPECT_EQ(d.lstControls->Items()->Strings(0), "Edit1 (TEdit)");
    EXPECT_TRUE(d.lstControls->Checked(0));
    EXPECT_FALSE(d.lstControls->Checked(1));  // TButton is excluded by default
    EXPECT_EQ(d.GetAlignList(), "Edit1,\"\"");
    EXPECT_EQ(d.btnOK->TabOrder(), 0);
    EXPECT_EQ(d.pnlAbout->TabOrder(), 3);
    EXPECT_EQ(d.ActiveControl(), d.btnOK);
  });
  driver.Click("btnOK");
  RunVerb("Panel1");
  EXPECT_TRUE(designer->IsModified());
  EXPECT_EQ(Control("Edit1")->Left(), 8 + 30 + 4);  // margin, label, gap
  EXPECT_EQ(Control("Label1")->Left(), 8);
  EXPECT_EQ(Control("Button1")->Left(), 200);  // unchecked: not moved
}

TEST_F(AlignDialog, CheckingByHandIncludesAControlAndTheRadioButtonsToggleTheColumnCount) {
  driver.ToggleCheck("lstControls", 1).Click("radFixedColumns");
  Inspect([](zolt::TdlgAlign& d) {
    EXPECT_EQ(d.GetAlignList(), "Edit1,Button1");
    EXPECT_TRUE(d.edtColumns->Enabled());
  });
  driver.Click("radVerticalFit");
  Inspect([](zolt::TdlgAlign& d) { EXPECT_FALSE(d.edtColumns->Enabled()); });
  driver.Press(VK_RETURN);  // the default button, from the focused radio button
  RunVerb("Panel1");
  EXPECT_NE(Control("Button1")->Left(), 200);
}

TEST_F(AlignDialog, EditingTheExcludeListAloneChangesNoCheckMarkUntilRefreshed) {
  driver.Enter("mmoExclude", "TEdit").Click("lstControls");
  Inspect([](zolt::TdlgAlign& d) {
    EXPECT_EQ(d.PageControl1->ActivePage(), d.TabSheet2);  // clicking the list showed its page again
    EXPECT_TRUE(d.lstControls->Checked(0));
  });
  driver.Click("btnRefreshControls");
  Inspect([](zolt::TdlgAlign& d) {
    EXPECT_FALSE(d.lstControls->Checked(0));
    EXPECT_TRUE(d.lstControls->Checked(1));
    EXPECT_EQ(d.GetAlignList(), ",Button1");
  });
  driver.Click("btnCancel");
  RunVerb("Panel1");
  EXPECT_FALSE(designer->IsModified());
}

TEST_F(AlignDialog, SaveStoresForTheContainerClassAndCancelKeepsWhatWasStored) {
  driver.Enter("edtHorColumn", "12").Click("btnStore").Enter("edtHorColumn", "30").Click("btnCancel");
  RunVerb("Panel1");
  EXPECT_EQ(Stored("Align\\TPanel", "Horizontral column offset"), "12");
  EXPECT_EQ(Stored("Align", "Exclude"), "TButton,TDBNavigator");
  EXPECT_EQ(Control("Edit1")->Left(), 150);  // Cancel aligned nothing
  Inspect([](zolt::TdlgAlign& d) { EXPECT_EQ(d.GetColumnXOffSet(), 12); });
  driver.Click("btnOK");
  RunVerb("Panel1");
  EXPECT_EQ(Control("Label1")->Left(), 12);
}

TEST_F(AlignDialog, AnEmptyContainerListsNothingAndOKStillMarksTheFormModified) {
  Inspect([](zolt::TdlgAlign& d) {
    EXPECT_EQ(d.Caption(), "Zol-t align TGroupBox");
    EXPECT_EQ(d.lstControls->Items()->Count(), 0);
  });
  driver.Click("btnOK");
  RunVerb("GroupBox1");
  EXPECT_TRUE(designer->IsModified());
}

TEST_F(AlignDialog, TheQuestionMarkShowsAFreshAboutBoxOwnedByTheDialog) {
  driver.Click("SpeedButton1").Do("look", [](TCustomForm& about) {
    EXPECT_EQ(about.Owner()->ClassName(), "TdlgAlign");
  });
  driver.Click("btnOK").Click("SpeedButton1").CloseForm().Click("btnCancel");
  RunVerb("Panel1");
  EXPECT_EQ(driver.FormsShown(), (std::vector<std::string>{"dlgAlign", "dlgZoltAbout", "dlgZoltAbout"}));
  EXPECT_EQ(Application->ComponentCount(), 2);  // AppBuilder and DatabaseCommands: the dialog is gone
}
