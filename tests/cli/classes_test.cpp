// zolt classes: declared ancestors listed, added and removed, and the tools of the ancestor
// offered on a form's component of the declared class.
#include <gtest/gtest.h>

#include <cstdlib>

#include "run_zolt.h"
#include "temp_files.h"

TEST(ZoltClasses, DeclaredAncestorsBringTheAncestorsTools) {
  TempDir dir{"classes"};
  ::setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
  const std::string form = dir / "Bench.lfm";
  WriteText(form,
            "object Form1: TForm1\n"
            "  Width = 400\n"
            "  Height = 300\n"
            "  object ButtonPanel: TButtonPanel\n"
            "    Left = 6\n"
            "    Top = 150\n"
            "    Width = 388\n"
            "    Height = 100\n"
            "    TabOrder = 0\n"
            "    ShowButtons = [pbClose]\n"
            "    object edtName: TEdit\n"
            "      Left = 50\n"
            "      Top = 4\n"
            "      Width = 75\n"
            "      Height = 25\n"
            "      TabOrder = 0\n"
            "    end\n"
            "  end\n"
            "end\n");
  ZoltRun run = RunZolt("classes");
  EXPECT_EQ(run.exitCode, 0) << run.out;
  EXPECT_EQ(run.out, "");
  run = RunZolt("align " + form + " ButtonPanel");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.out.find("has no verb \"Align controls\""), std::string::npos) << run.out;

  run = RunZolt("classes add TButtonPanel TPanel");
  EXPECT_EQ(run.exitCode, 0) << run.out;
  EXPECT_EQ(run.out, "TButtonPanel = class(TPanel)\n");
  EXPECT_EQ(RunZolt("classes").out, "TButtonPanel = class(TPanel)\n");
  run = RunZolt("align " + form + " ButtonPanel");
  ASSERT_EQ(run.exitCode, 0) << run.out;
  std::string aligned = ReadText(form);
  EXPECT_NE(aligned.find("      Left = 8\n"), std::string::npos) << aligned;
  EXPECT_NE(aligned.find("    ShowButtons = [pbClose]\n"), std::string::npos) << aligned;

  run = RunZolt("classes add TPanel TGroupBox");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "TPanel is a class of the component library; its ancestry is known\n");
  run = RunZolt("classes remove TButtonPanel");
  EXPECT_EQ(run.exitCode, 0) << run.out;
  EXPECT_EQ(run.out, "TButtonPanel removed\n");
  EXPECT_EQ(RunZolt("classes").out, "");
  run = RunZolt("classes remove TButtonPanel");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "TButtonPanel is not declared\n");
  EXPECT_EQ(RunZolt("classes add TOnlyOne").exitCode, 2);
}
