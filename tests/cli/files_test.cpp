// What zolt does with the files it is given: read-only forms and units are never replaced,
// paths that name no form file are refused with a message that says why, and components inside
// inline frames are named by their dotted path.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>

#include "run_zolt.h"
#include "temp_files.h"

namespace fs = std::filesystem;

namespace {

// A form whose panel of the same name lies once on the form and once inside an inline frame.
const char* const kFramedForm =
    "object Form1: TForm1\n"
    "  Width = 400\n"
    "  Height = 300\n"
    "  inline frmOptions: TOptionsFrame\n"
    "    Left = 0\n"
    "    Top = 0\n"
    "    Width = 300\n"
    "    Height = 200\n"
    "    TabOrder = 0\n"
    "    object pnlOptions: TPanel\n"
    "      Left = 0\n"
    "      Top = 0\n"
    "      Width = 300\n"
    "      Height = 200\n"
    "      TabOrder = 0\n"
    "      object edtName: TEdit\n"
    "        Left = 100\n"
    "        Top = 60\n"
    "        Width = 121\n"
    "        Height = 21\n"
    "        TabOrder = 0\n"
    "      end\n"
    "    end\n"
    "  end\n"
    "  object pnlOptions: TPanel\n"
    "    Left = 0\n"
    "    Top = 200\n"
    "    Width = 300\n"
    "    Height = 80\n"
    "    TabOrder = 1\n"
    "    object edtOther: TEdit\n"
    "      Left = 50\n"
    "      Top = 40\n"
    "      Width = 121\n"
    "      Height = 21\n"
    "      TabOrder = 0\n"
    "    end\n"
    "  end\n"
    "end\n";

struct ZoltFiles : ::testing::Test {
  TempDir dir{"files"};
  std::string form = dir / "Options.dfm";

  ZoltFiles() {
    ::setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
    WriteText(form, kFramedForm);
  }
  static bool HasLine(const std::string& text, const std::string& line) {
    return text.find("\n" + line + "\n") != std::string::npos;
  }
};

}  // namespace

TEST_F(ZoltFiles, AReadOnlyFormOrTargetIsNeverReplaced) {
  ASSERT_EQ(::chmod(form.c_str(), 0444), 0);
  ZoltRun run = RunZolt("align " + form + " pnlOptions");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, form + " is read-only\n");
  EXPECT_EQ(ReadText(form), kFramedForm);
  struct stat info;
  ASSERT_EQ(::stat(form.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0444u);

  // Written elsewhere a read-only form is fine; onto a read-only target it is not.
  run = RunZolt("align " + form + " pnlOptions -o " + (dir / "Out.dfm"));
  EXPECT_EQ(run.exitCode, 0) << run.out;
  std::string aligned = ReadText(dir / "Out.dfm");
  ASSERT_EQ(::chmod((dir / "Out.dfm").c_str(), 0444), 0);
  run = RunZolt("align " + form + " pnlOptions --columns 2 --save -o " + (dir / "Out.dfm"));
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, (dir / "Out.dfm") + " is read-only\n");
  EXPECT_EQ(ReadText(dir / "Out.dfm"), aligned);
  EXPECT_FALSE(fs::exists(dir / "config/zolt/registry.reg")) << "the settings were stored all the same";

  // A read-only picture target stops the command before the form is written.
  ASSERT_EQ(::chmod(form.c_str(), 0644), 0);
  WriteText(dir / "picture.svg", "old");
  ASSERT_EQ(::chmod((dir / "picture.svg").c_str(), 0444), 0);
  run = RunZolt("align " + form + " pnlOptions --svg " + (dir / "picture.svg"));
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, (dir / "picture.svg") + " is read-only\n");
  EXPECT_EQ(ReadText(form), kFramedForm);
}

TEST_F(ZoltFiles, AReadOnlyUnitKeepsTheFormAsItWasToo) {
  const std::string unit = dir / "Options.pas";
  const std::string unitText =
      "unit Options;\n\ninterface\n\ntype\n  TForm1 = class(TForm)\n    pnlOptions: TPanel;\n"
      "  end;\n\nimplementation\n\nend.\n";
  WriteText(unit, unitText);
  ASSERT_EQ(::chmod(unit.c_str(), 0444), 0);
  // Converting renames nothing, so the unit need not be written and may stay read-only.
  ZoltRun run = RunZolt("convert " + form + " -o " + form + " --binary");
  EXPECT_EQ(run.exitCode, 0) << run.out;
  EXPECT_EQ(ReadText(unit), unitText);
}

TEST_F(ZoltFiles, PathsThatAreNoFormFileAreRefusedSayingWhy) {
  ZoltRun run = RunZolt("align " + dir.path.string() + " pnlOptions");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, dir.path.string() + " is a directory, not a file\n");
  run = RunZolt("render /dev/zero -o " + (dir / "zero.svg"));
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "/dev/zero is not a regular file (a device, pipe or socket)\n");
  WriteText(dir / "Big.dfm", "");
  fs::resize_file(dir / "Big.dfm", (std::uintmax_t{256} << 20) + 1);
  run = RunZolt("convert " + (dir / "Big.dfm") + " -o " + (dir / "Out.dfm"));
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, (dir / "Big.dfm") + " is larger than 256 MB\n");
  EXPECT_FALSE(fs::exists(dir / "zero.svg"));
  EXPECT_FALSE(fs::exists(dir / "Out.dfm"));
}

TEST_F(ZoltFiles, ComponentsInsideInlineFramesAreNamedByTheirPath) {
  ZoltRun run = RunZolt("align " + form + " frmOptions.pnlOptions");
  ASSERT_EQ(run.exitCode, 0) << run.out;
  std::string aligned = ReadText(form);
  EXPECT_TRUE(HasLine(aligned, "        Left = 8")) << aligned;  // edtName, inside the frame
  EXPECT_TRUE(HasLine(aligned, "      Left = 50")) << "the form's own panel was aligned";

  run = RunZolt("align " + form + " pnlOptions");
  ASSERT_EQ(run.exitCode, 0) << run.out;
  EXPECT_TRUE(HasLine(ReadText(form), "      Left = 8")) << "a bare name is the form's own";

  run = RunZolt("verbs " + form + " FRMOPTIONS.PNLOPTIONS");
  EXPECT_EQ(run.exitCode, 0) << run.out;
  EXPECT_NE(run.out.find("Align controls"), std::string::npos) << run.out;
  EXPECT_EQ(RunZolt("render " + form + " -o " + (dir / "f.svg") + " --component frmOptions.pnlOptions").exitCode, 0);

  for (const char* missing : {"frmOptions.pnlNone", "frmNone.pnlOptions", "frmOptions.pnlOptions.edtName.x"}) {
    run = RunZolt("align " + form + " " + missing);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, std::string("Component ") + missing + " not found in " + form + "\n");
  }
}
