#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "run_zolt.h"

namespace fs = std::filesystem;

namespace {

struct TempDir {
  fs::path path = fs::temp_directory_path() / ("zolt-convert-" + std::to_string(::getpid()));
  TempDir() { fs::create_directories(path); }
  ~TempDir() { fs::remove_all(path); }
  std::string operator/(const std::string& name) const { return (path / name).string(); }
};

void WriteText(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

}  // namespace

TEST(ZoltConvert, WritesTheFormBackUnchanged) {
  TempDir dir;
  const std::string form = "object Form1: TForm1\r\n  Caption = 'Hello'#13#10'World'\r\n  object B: TButton\r\n  end\r\nend";
  WriteText(dir / "a.dfm", form);
  ZoltRun run = RunZolt("convert " + (dir / "a.dfm") + " -o " + (dir / "b.dfm"));
  EXPECT_EQ(run.exitCode, 0) << run.out;
  EXPECT_EQ(ReadText(dir / "b.dfm"), form);
}

TEST(ZoltConvert, ErrorsAreOnePositionedLineAndNothingIsWritten) {
  TempDir dir;
  WriteText(dir / "bad.dfm", "object Form1: TForm1\n  Left = 'x'\nend\n");
  ZoltRun run = RunZolt("convert " + (dir / "bad.dfm") + " -o " + (dir / "out.dfm"));
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out.rfind(dir / "bad.dfm:2:10: ", 0), 0u) << run.out;
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << run.out;
  EXPECT_FALSE(fs::exists(dir / "out.dfm"));

  WriteText(dir / "bin.dfm", std::string("TPF0\x06TForm1\x05" "Form1\x00\x00", 19));
  run = RunZolt("convert " + (dir / "bin.dfm") + " -o " + (dir / "out.dfm"));
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.out.find("binary"), std::string::npos) << run.out;
  EXPECT_FALSE(fs::exists(dir / "out.dfm"));

  run = RunZolt("convert " + (dir / "missing.dfm") + " -o " + (dir / "out.dfm"));
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.out.find("missing.dfm"), std::string::npos) << run.out;
  EXPECT_EQ(RunZolt("convert " + (dir / "bad.dfm")).exitCode, 2) << "no output given";
}
