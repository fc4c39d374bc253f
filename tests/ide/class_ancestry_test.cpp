// Classes the library does not know, read as their declared ancestors: declarations from the
// units beside the form and from the settings store, chains of them, and what stays unknown.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/reg_ini_file.h"
#include "ide/class_ancestry.h"
#include "ide/form_designer.h"
#include "ide/registry_file.h"
#include "vcl/extctrls.h"
#include "vcl/stdctrls.h"

using namespace vcl;
namespace fs = std::filesystem;

namespace {

const char* const kForm =
    "object Form1: TForm1\n"
    "  Width = 400\n"
    "  Height = 300\n"
    "  object ButtonPanel: TButtonPanel\n"
    "    Left = 6\n"
    "    Top = 200\n"
    "    Width = 388\n"
    "    Height = 34\n"
    "    Caption = 'Buttons'\n"
    "    OKButton.Name = 'OKButton'\n"
    "    TabOrder = 0\n"
    "    ShowButtons = [pbClose]\n"
    "    object btnHelp: TButton\n"
    "      Left = 8\n"
    "      Top = 4\n"
    "      Width = 75\n"
    "      Height = 25\n"
    "      TabOrder = 0\n"
    "    end\n"
    "  end\n"
    "  object grpThird: TThirdPartyGroup\n"
    "    Left = 6\n"
    "    Top = 6\n"
    "    Width = 200\n"
    "    Height = 100\n"
    "    TabOrder = 1\n"
    "  end\n"
    "end\n";

class ClassAncestry : public testing::Test {
protected:
  ClassAncestry() : folder_(fs::path(testing::TempDir()) / ("class_ancestry_" + std::to_string(::getpid()))) {
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    ::setenv("XDG_CONFIG_HOME", (folder_ / "config").c_str(), 1);
    ide::InstallRegistryFile();
    Put("Form1.dfm", kForm);
  }
  ~ClassAncestry() override {
    host::SetRegistrySessionFactory(nullptr);
    fs::remove_all(folder_);
  }

  void Put(const std::string& name, const std::string& text) const {
    std::ofstream(folder_ / name, std::ios::binary) << text;
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(folder_ / name, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }
  std::unique_ptr<ide::TFormDesigner> Open() const { return ide::TFormDesigner::Open((folder_ / "Form1.dfm").string()); }
  static std::string ErrorOf(const std::function<void()>& action) {
    try {
      action();
    } catch (const EInvalidOperation& e) {
      return e.Message();
    }
    return {};
  }

  fs::path folder_;
};

}  // namespace

TEST_F(ClassAncestry, UnitsBesideTheFormDeclareChainsOfAncestors) {
  Put("ButtonPanels.pas",
      "unit ButtonPanels;\ninterface\ntype\n"
      "  { TThirdPartyGroup = class(TGroupBox) is only a comment }\n"
      "  TButtonPanel = class(TCustomButtonPanel)\n  end;\n"
      "  TCustomButtonPanel = class(ExtCtrls.TPanel, IButtons);\n"
      "  TButtonPanelClass = class of TButtonPanel;\n"
      "implementation\nend.\n");
  auto designer = Open();
  TComponent* panel = designer->FindComponent("ButtonPanel");
  ASSERT_TRUE(panel->Is<TPanel>()) << panel->ClassType()->ClassParent()->ClassName();
  EXPECT_EQ(panel->ClassName(), "TButtonPanel");
  EXPECT_EQ(Cast<TPanel>(panel)->Caption(), "Buttons");
  EXPECT_EQ(Cast<TPanel>(panel)->ControlCount(), 1);
  EXPECT_FALSE(designer->FindComponent("grpThird")->Is<TGroupBox>()) << "a comment declares nothing";

  // What a panel does not publish stays in the file; what changed is written as a panel's.
  designer->Save();
  EXPECT_EQ(Read("Form1.dfm"), kForm);
  Cast<TPanel>(panel)->SetLeft(10);
  designer->Save();
  std::string saved = Read("Form1.dfm");
  EXPECT_NE(saved.find("    Left = 10\n"), std::string::npos) << saved;
  EXPECT_NE(saved.find("    ShowButtons = [pbClose]\n"), std::string::npos) << saved;
  EXPECT_NE(saved.find("    OKButton.Name = 'OKButton'\n"), std::string::npos) << saved;
}

TEST_F(ClassAncestry, TheSettingsDeclareWhatTheUnitsDoNot) {
  Put("Panels.pas", "unit Panels;\ninterface\ntype\n  TButtonPanel = class(TPanel);\nimplementation\nend.\n");
  ide::DeclareClass("TButtonPanel", "TGroupBox");
  ide::DeclareClass("TThirdPartyBase", "TGroupBox");
  ide::DeclareClass("tthirdpartygroup", "TThirdPartyBase");
  auto designer = Open();
  EXPECT_TRUE(designer->FindComponent("ButtonPanel")->Is<TPanel>()) << "the project's own unit comes first";
  EXPECT_TRUE(designer->FindComponent("grpThird")->Is<TGroupBox>());
  EXPECT_EQ(designer->FindComponent("grpThird")->ClassName(), "TThirdPartyGroup");

  using Pairs = std::vector<std::pair<std::string, std::string>>;
  EXPECT_EQ(ide::DeclaredClasses(), (Pairs{{"TButtonPanel", "TGroupBox"},
                                           {"TThirdPartyBase", "TGroupBox"},
                                           {"tthirdpartygroup", "TThirdPartyBase"}}));
  ide::DeclareClass("TButtonPanel", "TPanel");  // a new ancestor replaces the old in place
  ide::ForgetClass("TTHIRDPARTYBASE");
  EXPECT_EQ(ide::DeclaredClasses(), (Pairs{{"TButtonPanel", "TPanel"}, {"tthirdpartygroup", "TThirdPartyBase"}}));
  designer = Open();
  EXPECT_FALSE(designer->FindComponent("grpThird")->Is<TGroupBox>()) << "its chain now ends at an unknown class";
}

TEST_F(ClassAncestry, CirclesAndUnknownEndsStayPlaceholders) {
  Put("Loop.pas",
      "unit Loop;\ninterface\ntype\n  TButtonPanel = class(TLoopPanel);\n  TLoopPanel = class(TButtonPanel);\n"
      "  TThirdPartyGroup = class(TNowhere);\nimplementation\nend.\n");
  Put("Broken.pas", "unit Broken;\ninterface\n{ never closed\n  TButtonPanel = class(TPanel);\n");
  fs::create_directory(folder_ / "Folder.pas");  // not a unit at all
  auto designer = Open();
  EXPECT_FALSE(designer->FindComponent("ButtonPanel")->Is<TPanel>());
  EXPECT_FALSE(designer->FindComponent("grpThird")->Is<TGroupBox>());
  EXPECT_EQ(designer->FindComponent("ButtonPanel")->ClassName(), "TButtonPanel");
  designer->Save();
  EXPECT_EQ(Read("Form1.dfm"), kForm);
}

TEST_F(ClassAncestry, DeclarationsAreCheckedBeforeTheyAreStored) {
  EXPECT_EQ(ErrorOf([] { ide::DeclareClass("TPanel", "TGroupBox"); }),
            "TPanel is a class of the component library; its ancestry is known");
  EXPECT_EQ(ErrorOf([] { ide::DeclareClass("T Bad", "TPanel"); }), "'T Bad' is not a valid class name");
  EXPECT_EQ(ErrorOf([] { ide::DeclareClass("TGood", ""); }), "'' is not a valid class name");
  EXPECT_EQ(ErrorOf([] { ide::DeclareClass("TGood", "TNowhere"); }),
            "TNowhere leads to no component class of the library, so TGood cannot descend from it");
  EXPECT_EQ(ErrorOf([] { ide::DeclareClass("TGood", "TGood"); }),
            "TGood leads to no component class of the library, so TGood cannot descend from it");
  EXPECT_EQ(ErrorOf([] { ide::DeclareClass("TGood", "TFont"); }),
            "TFont leads to no component class of the library, so TGood cannot descend from it");
  EXPECT_EQ(ErrorOf([] { ide::ForgetClass("TGood"); }), "TGood is not declared");
  EXPECT_TRUE(ide::DeclaredClasses().empty());
  EXPECT_FALSE(fs::exists(folder_ / "config/zolt/registry.reg"));
}
