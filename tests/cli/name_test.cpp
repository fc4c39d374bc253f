// zolt name end to end: one component through the Name editor, a typed name, and every
// component of a folder of forms, with the unit's code following.
#include <gtest/gtest.h>

#include <cstdlib>

#include "run_zolt.h"
#include "temp_files.h"

namespace fs = std::filesystem;

namespace {

const std::string kForm =
    "object Form1: TForm1\r\n  Left = 0\r\n  Top = 0\r\n  Width = 300\r\n  Height = 200\r\n"
    "  Caption = 'Button1'\r\n"
    "  object Button1: TButton\r\n    Left = 8\r\n    Top = 8\r\n    Width = 75\r\n    Height = 25\r\n"
    "    Caption = 'Button1'\r\n    TabOrder = 0\r\n    OnClick = Button1Click\r\n  end\r\n"
    "  object Edit1: TEdit\r\n    Left = 8\r\n    Top = 40\r\n    Width = 121\r\n    Height = 21\r\n"
    "    TabOrder = 1\r\n  end\r\n"
    "  object Total: TEdit\r\n    Left = 8\r\n    Top = 70\r\n    Width = 121\r\n    Height = 21\r\n"
    "    TabOrder = 2\r\n  end\r\n"
    "  object Label1: TLabel\r\n    Left = 140\r\n    Top = 44\r\n    Width = 30\r\n    Height = 13\r\n"
    "    Caption = 'Name'\r\n    FocusControl = Edit1\r\n  end\r\nend\r\n";

const std::string kUnit =
    "unit Form1;\r\n\r\ninterface\r\n\r\nuses Forms, StdCtrls;\r\n\r\ntype\r\n  TForm1 = class(TForm)\r\n"
    "    Button1: TButton;\r\n    Edit1: TEdit;\r\n    Total: TEdit;\r\n    Label1: TLabel;\r\n"
    "    procedure Button1Click(Sender: TObject);\r\n  end;\r\n\r\nvar\r\n  Form1: TForm1;\r\n\r\n"
    "implementation\r\n\r\n{$R *.DFM}\r\n\r\nprocedure TForm1.Button1Click(Sender: TObject);\r\nbegin\r\n"
    "  Edit1.Text := 'Edit1'; // Edit1\r\n  Self.Edit1.SetFocus;\r\nend;\r\n\r\nend.\r\n";

struct ZoltName : ::testing::Test {
  TempDir dir{"name"};
  std::string form = dir / "Form1.dfm";

  ZoltName() {
    ::setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
    WriteText(form, kForm);
    WriteText(dir / "Form1.pas", kUnit);
  }
  static std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
      text.replace(at, from.size(), to);
    return text;
  }
};

TEST_F(ZoltName, AStoredPrefixNamesTheComponentAndTheUnitFollows) {
  RunZolt("prefixes set TEdit edt");
  ZoltRun run = RunZolt("name " + form + " Edit1");
  ASSERT_EQ(run.exitCode, 0) << run.out;
  EXPECT_EQ(run.out, "Edit1 -> edt\n2 code references renamed in the unit\n");
  std::string expectedForm = Replaced(Replaced(kForm, "object Edit1", "object edt"), "FocusControl = Edit1",
                                      "FocusControl = edt");
  EXPECT_EQ(ReadText(form), expectedForm) << "only the names change";
  EXPECT_EQ(ReadText(dir / "Form1.pas"),
            Replaced(Replaced(Replaced(kUnit, "    Edit1: TEdit", "    edt: TEdit"), "  Edit1.Text", "  edt.Text"),
                     "Self.Edit1", "Self.edt"));

  EXPECT_EQ(RunZolt("name " + form + " edt").out, "edt: name kept\n");
  EXPECT_EQ(RunZolt("name " + form + " Total").out, "Total -> edt1\n");
}

TEST_F(ZoltName, WithoutAStoredPrefixTheDialogNeedsOne) {
  ZoltRun refused = RunZolt("name " + form + " Button1");
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_NE(refused.out.find("no prefix is stored for TButton: give one with --prefix"), std::string::npos);
  EXPECT_EQ(ReadText(form), kForm);

  ZoltRun given = RunZolt("name " + form + " Button1 --prefix btn -o " + (dir / "Out.dfm"));
  ASSERT_EQ(given.exitCode, 0) << given.out;
  EXPECT_EQ(given.out, "Button1 -> btn\n");
  EXPECT_EQ(ReadText(form), kForm) << "-o writes elsewhere";
  EXPECT_NE(ReadText(dir / "Out.dfm").find("object btn: TButton"), std::string::npos);
  EXPECT_EQ(RunZolt("prefixes").out, "TButton=btn\n");

  RunZolt("prefixes set TLabel lbl");
  ZoltRun question = RunZolt("name " + form + " Edit1 --prefix lbl");
  EXPECT_EQ(question.exitCode, 1);
  EXPECT_NE(question.out.find("\"Prefix already in use by TLabel. Use anyway?\""), std::string::npos);
  EXPECT_EQ(RunZolt("name " + form + " Edit1 --prefix lbl --no").out,
            "Edit1: not renamed, the prefix was not stored\n");
  EXPECT_EQ(ReadText(form), kForm);
}

TEST_F(ZoltName, ATypedNameMeetsTheHostsChecks) {
  EXPECT_EQ(RunZolt("name " + form + " Button1 --set btnSave").out, "Button1 -> btnSave\n");
  ZoltRun taken = RunZolt("name " + form + " btnSave --set edit1");
  EXPECT_EQ(taken.exitCode, 1);
  EXPECT_NE(taken.out.find("A component named edit1 already exists"), std::string::npos);
  ZoltRun invalid = RunZolt("name " + form + " btnSave --set 2x");
  EXPECT_EQ(invalid.exitCode, 1);
  EXPECT_NE(invalid.out.find("'2x' is not a valid component name"), std::string::npos);
  EXPECT_NE(ReadText(dir / "Form1.pas").find("btnSave: TButton;"), std::string::npos);
}

TEST_F(ZoltName, AllNamesEveryFormOfAFolderAndReportsABrokenOne) {
  fs::create_directories(dir.path / "sub");
  WriteText(dir / "sub/Second.dfm",
            "object Second: TSecond\r\n  object Button1: TButton\r\n    TabOrder = 0\r\n  end\r\n"
            "  object Memo1: TMemo\r\n    TabOrder = 1\r\n  end\r\n"
            "  object TButton\r\n    TabOrder = 2\r\n  end\r\nend\r\n");
  WriteText(dir / "sub/Broken.dfm", "object Broken: TBroken\r\n  Left = \r\n");
  RunZolt("prefixes set TButton btn");
  RunZolt("prefixes set TEdit edt");

  const std::string settings = ReadText(dir / "config/zolt/registry.reg");
  ZoltRun dry = RunZolt("name " + dir.path.string() + " --all --dry-run --prefix-for TLabel=lbl");
  EXPECT_EQ(dry.exitCode, 1) << dry.out;
  EXPECT_NE(dry.out.find(form + ": Button1 -> btn\n"), std::string::npos) << dry.out;
  EXPECT_NE(dry.out.find(form + ": Total -> edt1\n"), std::string::npos);
  EXPECT_NE(dry.out.find("Broken.dfm"), std::string::npos);
  EXPECT_EQ(dry.out.find("Broken.dfm"), dry.out.rfind("Broken.dfm")) << "the broken form is named once";
  EXPECT_NE(dry.out.find(form + ": Label1 -> lbl\n"), std::string::npos);
  EXPECT_EQ(ReadText(form), kForm) << "a dry run writes nothing";
  EXPECT_EQ(ReadText(dir / "config/zolt/registry.reg"), settings) << "not even the prefix given";

  ZoltRun run = RunZolt("name " + dir.path.string() + " --all --only-default-names --prefix-for TMemo=mmo");
  EXPECT_EQ(run.exitCode, 1) << "the broken form failed";
  EXPECT_NE(run.out.find(form + ": Edit1 -> edt\n"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("Total ->"), std::string::npos) << "Total is not a name the IDE makes";
  EXPECT_NE(run.out.find((dir / "sub/Second.dfm") + ": Memo1 -> mmo\n"), std::string::npos);
  EXPECT_NE(run.out.find("skipped without a prefix: TLabel 1"), std::string::npos);
  EXPECT_NE(ReadText(dir / "Form1.pas").find("  edt.Text := 'Edit1'; // Edit1"), std::string::npos);
  EXPECT_NE(ReadText(form).find("object Form1: TForm1"), std::string::npos) << "the root is left alone";
  EXPECT_NE(RunZolt("prefixes").out.find("TMemo=mmo\n"), std::string::npos);
  EXPECT_NE(ReadText(dir / "sub/Second.dfm").find("  object TButton\r\n"), std::string::npos)
      << "an unnamed component stays unnamed";
}

}  // namespace
