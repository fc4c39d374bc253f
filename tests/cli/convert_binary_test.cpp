// zolt convert between text and binary forms.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "run_zolt.h"
#include "temp_files.h"

namespace fs = std::filesystem;

namespace {

const fs::path kCorpus = fs::path(ZOLT_SHARED_DIR) / "corpus" / "forms";

const std::string kText = "object Form1: TForm1\r\n  Caption = 'It'#39's'\r\n  object B: TButton\r\n    Left = 300\r\n  end\r\nend\r\n";
const std::string kBinary = std::string("\xFF\x0A\x00TFORM1\x00\x30\x10\x35\x00\x00\x00TPF0\x06TForm1\x05" "Form1"
                                        "\x07" "Caption\x06\x04It's\x00"
                                        "\x07TButton\x01" "B\x04Left\x03\x2C\x01\x00\x00\x00",
                                        69);

}  // namespace

TEST(ZoltConvertBinary, ConvertsBothWaysAndKeepsTheFormatByDefault) {
  TempDir dir{"convert-binary"};
  WriteText(dir / "text.dfm", kText);
  ZoltRun run = RunZolt("convert " + (dir / "text.dfm") + " -o " + (dir / "bin.dfm") + " --binary");
  ASSERT_EQ(run.exitCode, 0) << run.out;
  EXPECT_TRUE(ReadText(dir / "bin.dfm") == kBinary);

  run = RunZolt("convert " + (dir / "bin.dfm") + " -o " + (dir / "copy.dfm"));
  ASSERT_EQ(run.exitCode, 0) << run.out;
  EXPECT_TRUE(ReadText(dir / "copy.dfm") == kBinary) << "a binary form stays binary";

  run = RunZolt("convert " + (dir / "bin.dfm") + " -o " + (dir / "back.dfm") + " --text");
  ASSERT_EQ(run.exitCode, 0) << run.out;
  EXPECT_EQ(ReadText(dir / "back.dfm"), kText);

  EXPECT_EQ(RunZolt("convert " + (dir / "bin.dfm") + " -o " + (dir / "x.dfm") + " --text --binary").exitCode, 2);
  EXPECT_FALSE(fs::exists(dir / "x.dfm"));
}

TEST(ZoltConvertBinary, CorpusFormsComeBackFromTextByteForByte) {
  if (!fs::exists(kCorpus)) GTEST_SKIP() << "form corpus not found at " << kCorpus;
  TempDir dir{"convert-binary"};
  for (const char* name : {"TurboPack__AsyncPro__Emulator__AboutDlg.dfm", "TurboPack__AsyncPro__apax__AxAbout.dfm"}) {
    const std::string form = (kCorpus / name).string();
    ZoltRun run = RunZolt("convert " + form + " -o " + (dir / "a.dfm") + " --text");
    ASSERT_EQ(run.exitCode, 0) << run.out;
    EXPECT_EQ(ReadText(dir / "a.dfm").rfind("inherited AboutDialog: TAboutDialog\r\n", 0) == 0,
              std::string(name).find("AboutDlg") != std::string::npos);
    run = RunZolt("convert " + (dir / "a.dfm") + " -o " + (dir / "b.dfm") + " --binary");
    ASSERT_EQ(run.exitCode, 0) << run.out;
    EXPECT_TRUE(ReadText(dir / "b.dfm") == ReadText(form)) << name;
  }
}

TEST(ZoltConvertBinary, DamagedFormsAreRefusedWithTheOffsetAndNothingIsWritten) {
  TempDir dir{"convert-binary"};
  std::string damaged = kBinary;
  damaged[42] = 0x7F;  // Caption's string length, past the end
  WriteText(dir / "bad.dfm", damaged);
  ZoltRun run = RunZolt("convert " + (dir / "bad.dfm") + " -o " + (dir / "out.dfm") + " --text");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, (dir / "bad.dfm") + ": offset 43: a string needs 127 bytes but the form ends after 26\n");
  EXPECT_FALSE(fs::exists(dir / "out.dfm"));

  const fs::path corrupt = kCorpus / "project-jedi__jvcl__donations__SIMDView__JvSIMDModifyForm.dfm";
  if (!fs::exists(corrupt)) return;
  run = RunZolt("convert " + corrupt.string() + " -o " + (dir / "out.dfm"));
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out.rfind(corrupt.string() + ": offset 264: ", 0), 0u) << run.out;
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << run.out;
  EXPECT_FALSE(fs::exists(dir / "out.dfm"));
}
