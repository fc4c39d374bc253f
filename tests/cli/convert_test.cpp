#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "run_zolt.h"
#include "temp_files.h"

namespace fs = std::filesystem;


TEST(ZoltConvert, WritesTheFormBackUnchanged) {
  TempDir dir{"convert"};
  const std::string form = "object Form1: TForm1\r\n  Caption = 'Hello'#13#10'World'\r\n  object B: TButton\r\n  end\r\nend";
  WriteText(dir / "a.dfm", form);
  ZoltRun run = RunZolt("convert " + (dir / "a.dfm") + " -o " + (dir / "b.dfm"));
  EXPECT_EQ(run.exitCode, 0) << run.out;
  EXPECT_EQ(ReadText(dir / "b.dfm"), form);
}

TEST(ZoltConvert, ErrorsAreOnePositionedLineAndNothingIsWritten) {
  TempDir dir{"convert"};
  WriteText(dir / "bad.dfm", "object Form1: TForm1\n  Left = 'x'\nend\n");
  ZoltRun run = RunZolt("convert " + (dir / "bad.dfm") + " -o " + (dir / "out.dfm"));
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out.rfind(dir / "bad.dfm:2:10: ", 0), 0u) << run.out;
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << run.out;
  EXPECT_FALSE(fs::exists(dir / "out.dfm"));

  // A binary form cut short: refused with the offset where it ends.
  WriteText(dir / "bin.dfm", std::string("TPF0\x06TForm1\x05" "Form1\x00", 18));
  run = RunZolt("convert " + (dir / "bin.dfm") + " -o " + (dir / "out.dfm"));
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out.rfind(dir / "bin.dfm: offset 18: ", 0), 0u) << run.out;
  EXPECT_FALSE(fs::exists(dir / "out.dfm"));

  run = RunZolt("convert " + (dir / "missing.dfm") + " -o " + (dir / "out.dfm"));
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.out.find("missing.dfm"), std::string::npos) << run.out;
  EXPECT_EQ(RunZolt("convert " + (dir / "bad.dfm")).exitCode, 2) << "no output given";
}
