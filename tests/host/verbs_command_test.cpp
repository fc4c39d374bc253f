// zolt verbs, end to end: the binary on a copy of a form in a temporary folder.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "../cli/run_zolt.h"

namespace fs = std::filesystem;

namespace {

const char* const kForm =
    "object Form1: TForm1\r\n"
    "  Left = 200\r\n"
    "  Top = 100\r\n"
    "  Width = 400\r\n"
    "  Height = 300\r\n"
    "  Caption = 'Form1'\r\n"
    "  PixelsPerInch = 96\r\n"
    "  TextHeight = 13\r\n"
    "  object Panel1: TPanel\r\n"
    "    Left = 8\r\n"
    "    Top = 8\r\n"
    "    Width = 185\r\n"
    "    Height = 41\r\n"
    "    TabOrder = 0\r\n"
    "    object Button1: TButton\r\n"
    "      Left = 8\r\n"
    "      Top = 8\r\n"
    "      Width = 75\r\n"
    "      Height = 25\r\n"
    "      Caption = 'Button1'\r\n"
    "      TabOrder = 0\r\n"
    "    end\r\n"
    "  end\r\n"
    "end\r\n";

class VerbsCommandTest : public ::testing::Test {
protected:
  void SetUp() override {
    fs::create_directories(dir / "config");
    setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
    std::ofstream(dir / "Unit1.dfm", std::ios::binary) << kForm;
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string Form() const { return (dir / "Unit1.dfm").string(); }

  fs::path dir = fs::temp_directory_path() / ("zolt-verbs-" + std::to_string(::getpid()));
};

}  // namespace

TEST_F(VerbsCommandTest, AComponentWithoutEditorHasNoVerbs) {
  for (const char* component : {"Button1", "button1", "Form1"}) {
    ZoltRun run = RunZolt("verbs " + Form() + " " + component);
    EXPECT_EQ(run.exitCode, 0) << component << ": " << run.out;
    EXPECT_EQ(run.out, "") << component;
  }
  // Nothing is written: neither the form nor the settings.
  std::ifstream in(Form(), std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), kForm);
  EXPECT_TRUE(fs::is_empty(dir / "config"));
}

TEST_F(VerbsCommandTest, AContainerOffersTheVerbsOfItsEditor) {
  ZoltRun run = RunZolt("verbs " + Form() + " Panel1");
  EXPECT_EQ(run.exitCode, 0) << run.out;
  EXPECT_EQ(run.out, "Align controls\n");
}

TEST_F(VerbsCommandTest, AMissingComponentIsOneErrorLine) {
  ZoltRun run = RunZolt("verbs " + Form() + " Panel2");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.out.find("Panel2"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find('\n'), run.out.size() - 1) << run.out;
}

TEST_F(VerbsCommandTest, AMissingFormOrArgumentFails) {
  ZoltRun missingForm = RunZolt("verbs " + (dir / "Nothing.dfm").string() + " Button1");
  EXPECT_EQ(missingForm.exitCode, 1) << missingForm.out;
  EXPECT_NE(missingForm.out.find("Nothing.dfm"), std::string::npos) << missingForm.out;
  EXPECT_EQ(RunZolt("verbs " + Form()).exitCode, 2);
}
