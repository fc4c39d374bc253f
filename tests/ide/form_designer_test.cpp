// The designer on files: creating, renaming and destroying components, the unit kept in step.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "ide/form_designer.h"
#include "vcl/extctrls.h"
#include "vcl/stdctrls.h"

using namespace vcl;
namespace fs = std::filesystem;

namespace {

const char* const kForm =
    "object Form1: TForm1\n"
    "  Left = 200\n"
    "  Top = 100\n"
    "  Width = 400\n"
    "  Height = 300\n"
    "  Caption = 'Form1'\n"
    "  PixelsPerInch = 96\n"
    "  TextHeight = 13\n"
    "  object Button1: TButton\n"
    "    Left = 8\n"
    "    Top = 8\n"
    "    Width = 75\n"
    "    Height = 25\n"
    "    Caption = 'Button1'\n"
    "    TabOrder = 0\n"
    "    OnClick = Button1Click\n"
    "  end\n"
    "end\n";

const char* const kUnit =
    "unit Unit1;\n"
    "\n"
    "interface\n"
    "\n"
    "uses Forms, StdCtrls;\n"
    "\n"
    "type\n"
    "  TForm1 = class(TForm)\n"
    "    Button1: TButton;\n"
    "    procedure Button1Click(Sender: TObject);\n"
    "  end;\n"
    "\n"
    "var\n"
    "  Form1: TForm1;\n"
    "\n"
    "implementation\n"
    "\n"
    "{$R *.DFM}\n"
    "\n"
    "procedure TForm1.Button1Click(Sender: TObject);\n"
    "begin\n"
    "  Form1.Caption := 'TForm1';\n"
    "end;\n"
    "\n"
    "end.\n";

class DesignerTest : public ::testing::Test {
protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("zolt-designer-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
    Write("Unit1.dfm", kForm);
    Write("Unit1.pas", kUnit);
  }
  void TearDown() override { fs::remove_all(dir_); }

  void Write(const std::string& name, const std::string& text) {
    std::ofstream(dir_ / name, std::ios::binary) << text;
  }
  std::string Read(const std::string& name) {
    std::ifstream in(dir_ / name, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }
  std::string Path(const std::string& name) { return (dir_ / name).string(); }

  fs::path dir_;
};

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  auto at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

}  // namespace

TEST_F(DesignerTest, RootIsOwnedAsTheIdeOwnsIt) {
  auto designer = ide::TFormDesigner::Open(Path("Unit1.dfm"));
  EXPECT_EQ(designer->GetRoot()->Owner(), nullptr);
  EXPECT_EQ(designer->GetRoot()->ClassName(), "TForm1");
  EXPECT_TRUE(designer->GetRoot()->Is<TForm>());

  Write("DM.dfm", "object DataModule1: TDataModule1\n  Left = 1\n  Top = 2\nend\n");
  Write("DM.pas", "unit DM;\ninterface\ntype\n  TDataModule1 = class(TDataModule)\n  end;\nimplementation\nend.\n");
  auto dm = ide::TFormDesigner::Open(Path("DM.dfm"));
  ASSERT_NE(dm->GetRoot()->Owner(), nullptr);
  EXPECT_EQ(dm->GetRoot()->Owner()->ClassName(), "TDataModuleForm");
  EXPECT_TRUE(dm->GetRoot()->Is<TDataModule>());
}

TEST_F(DesignerTest, UniqueNameTakesTheLowestFreeNumber) {
  auto designer = ide::TFormDesigner::Open(Path("Unit1.dfm"));
  EXPECT_EQ(designer->UniqueName("Button"), "Button2");
  EXPECT_EQ(designer->UniqueName("BUTTON"), "BUTTON2") << "taken names are compared ignoring case";
  EXPECT_EQ(designer->UniqueName("Form"), "Form2") << "the form's own name is taken too";
  EXPECT_EQ(designer->UniqueName("Edit"), "Edit1");
}

TEST_F(DesignerTest, CreateComponentNamesSizesAndPlacesIt) {
  auto designer = ide::TFormDesigner::Open(Path("Unit1.dfm"));
  TComponent* root = designer->GetRoot();
  auto* edit = As<TEdit>(designer->CreateComponent(TEdit::ClassInfo(), root, 8, 40, 0, 0));
  EXPECT_EQ(edit->Name(), "Edit1");
  EXPECT_EQ(edit->Owner(), root);
  EXPECT_EQ(edit->Parent(), root);
  EXPECT_EQ(edit->Left(), 8);
  EXPECT_EQ(edit->Top(), 40);
  EXPECT_EQ(edit->Width(), 121) << "the class's default size";
  EXPECT_EQ(edit->Height(), 21);
  auto* button = As<TButton>(designer->CreateComponent(TButton::ClassInfo(), root, 1, 2, 30, 40));
  EXPECT_EQ(button->Name(), "Button2");
  EXPECT_EQ(button->Width(), 30);
  EXPECT_TRUE(designer->IsModified());
}

TEST_F(DesignerTest, SaveKeepsTheUnitInStep) {
  auto designer = ide::TFormDesigner::Open(Path("Unit1.dfm"));
  TComponent* root = designer->GetRoot();
  root->FindComponent("Button1")->SetName("btnSave");
  auto* panel = designer->CreateComponent(TPanel::ClassInfo(), root, 8, 50, 0, 0);
  EXPECT_EQ(panel->Name(), "Panel1");
  EXPECT_TRUE(designer->Save().empty());
  std::string unit = Replace(kUnit, "    Button1: TButton;\n", "    btnSave: TButton;\n    Panel1: TPanel;\n");
  EXPECT_EQ(Read("Unit1.pas"), unit);
  std::string form = Read("Unit1.dfm");
  EXPECT_NE(form.find("  object btnSave: TButton\n"), std::string::npos) << form;
  EXPECT_NE(form.find("  object Panel1: TPanel\n    Left = 8\n    Top = 50\n"), std::string::npos) << form;
  EXPECT_NE(form.find("OnClick = Button1Click"), std::string::npos) << "handler names never change";

  panel->Free();
  root->SetName("frmMain");
  designer->Save();
  unit = Replace(unit, "    Panel1: TPanel;\n", "");
  unit = Replace(unit, "  TForm1 = class(TForm)", "  TfrmMain = class(TForm)");
  unit = Replace(unit, "  Form1: TForm1;", "  frmMain: TfrmMain;");
  unit = Replace(unit, "procedure TForm1.Button1Click", "procedure TfrmMain.Button1Click");
  unit = Replace(unit, "  Form1.Caption := 'TForm1';", "  frmMain.Caption := 'TForm1';");
  EXPECT_EQ(Read("Unit1.pas"), unit);
  form = Read("Unit1.dfm");
  EXPECT_EQ(form.rfind("object frmMain: TfrmMain\n", 0), 0u) << form;
  EXPECT_EQ(form.find("Panel1"), std::string::npos);
}

TEST_F(DesignerTest, TheUnitFollowsWhatChangedSinceItsLastSave) {
  auto designer = ide::TFormDesigner::Open(Path("Unit1.dfm"));
  TComponent* root = designer->GetRoot();
  TComponent* button = root->FindComponent("Button1");
  button->SetName("btnA");
  button->SetName("btnOK");  // renamed twice: one rename in the unit
  designer->CreateComponent(TEdit::ClassInfo(), root, 8, 40, 0, 0)->SetName("edtName");
  designer->CreateComponent(TLabel::ClassInfo(), root, 8, 70, 0, 0)->Free();  // the unit never saw it
  designer->Save();
  std::string unit = Replace(kUnit, "    Button1: TButton;\n", "    btnOK: TButton;\n    edtName: TEdit;\n");
  EXPECT_EQ(Read("Unit1.pas"), unit);

  button->SetName("btnGo");
  button->Free();  // goes by the name the unit knows
  designer->Save();
  EXPECT_EQ(Read("Unit1.pas"), Replace(unit, "    btnOK: TButton;\n", ""));
  EXPECT_EQ(Read("Unit1.dfm").find("btn"), std::string::npos);
  designer->Save();  // nothing changed since
  EXPECT_EQ(Read("Unit1.pas"), Replace(unit, "    btnOK: TButton;\n", ""));
}

// A component the root no longer owns has no field in the unit; owned again, it has one.
TEST_F(DesignerTest, TheUnitDeclaresWhatTheRootOwns) {
  auto designer = ide::TFormDesigner::Open(Path("Unit1.dfm"));
  TComponent* root = designer->GetRoot();
  TComponent* button = root->FindComponent("Button1");
  root->RemoveComponent(button);
  designer->Save();
  EXPECT_EQ(Read("Unit1.pas"), Replace(kUnit, "    Button1: TButton;\n", ""));
  root->InsertComponent(button);
  designer->Save();
  EXPECT_EQ(Read("Unit1.pas"), kUnit);
}

TEST_F(DesignerTest, MissingDeclarationStillSavesTheFormWithAWarning) {
  Write("Unit1.pas", "unit Unit1;\ninterface\nimplementation\nend.\n");
  auto designer = ide::TFormDesigner::Open(Path("Unit1.dfm"));
  designer->GetRoot()->FindComponent("Button1")->SetName("btnOK");
  auto warnings = designer->Save();
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find("Unit1.pas"), std::string::npos) << warnings[0];
  EXPECT_NE(Read("Unit1.dfm").find("object btnOK: TButton"), std::string::npos);
  EXPECT_EQ(Read("Unit1.pas"), "unit Unit1;\ninterface\nimplementation\nend.\n");
}

TEST_F(DesignerTest, ATruncatedBinaryFormIsRefused) {
  Write("Bin.dfm", std::string("\xFF\x0A\x00TFORM1\x00", 10));
  EXPECT_THROW(ide::TFormDesigner::Open(Path("Bin.dfm")), EReadError);
}
