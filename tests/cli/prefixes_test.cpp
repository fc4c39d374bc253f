// zolt prefixes end to end, with a settings folder of the test's own: the starter list loaded,
// entries set and deleted, the questions answered or refused.
#include <gtest/gtest.h>

#include <cstdlib>

#include "run_zolt.h"
#include "temp_files.h"

namespace fs = std::filesystem;

namespace {

struct ZoltPrefixes : ::testing::Test {
  TempDir dir{"prefixes"};
  std::string starter = (fs::path(ZOLT_SOURCE_DIR) / "examples/prefixes/Zol-t.prl").string();

  ZoltPrefixes() { ::setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1); }
  std::string Registry() const { return ReadText(dir / "config/zolt/registry.reg"); }
};

TEST_F(ZoltPrefixes, TheStarterListLoadsAndSavesBackByteForByte) {
  ZoltRun empty = RunZolt("prefixes");
  EXPECT_EQ(empty.exitCode, 0);
  EXPECT_EQ(empty.out, "") << "nothing is built in";

  ZoltRun refused = RunZolt("prefixes load " + starter);
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_NE(refused.out.find("\"Are you sure you want to overwrite the current prefix list?\" needs an answer"),
            std::string::npos);

  ZoltRun load = RunZolt("prefixes load " + starter + " --yes");
  ASSERT_EQ(load.exitCode, 0) << load.out;
  ZoltRun list = RunZolt("prefixes list");
  EXPECT_EQ(list.out.substr(0, 28), "TAction=act\nTActionList=acl\n");
  EXPECT_NE(list.out.find("TButton=btn\n"), std::string::npos);
  EXPECT_NE(Registry().find("\"TButton\"=\"btn\""), std::string::npos);

  ZoltRun save = RunZolt("prefixes save " + (dir / "copy.prl"));
  ASSERT_EQ(save.exitCode, 0) << save.out;
  EXPECT_EQ(ReadText(dir / "copy.prl"), ReadText(starter));
}

TEST_F(ZoltPrefixes, SetAsksBeforeSharingAPrefixAndAddsANewClassThroughTheDialog) {
  ASSERT_EQ(RunZolt("prefixes set TButton btn").exitCode, 0);
  EXPECT_EQ(RunZolt("prefixes").out, "TButton=btn\n") << "a class not yet listed goes through the dialog";

  ZoltRun question = RunZolt("prefixes set TBitBtn btn");
  EXPECT_EQ(question.exitCode, 1);
  EXPECT_NE(question.out.find("Prefix already in use by TButton. Use anyway?"), std::string::npos);
  EXPECT_EQ(RunZolt("prefixes set TBitBtn btn --no").out, "TBitBtn: prefix not changed\n");
  EXPECT_EQ(RunZolt("prefixes").out, "TButton=btn\n");
  EXPECT_EQ(RunZolt("prefixes set TBitBtn btn --yes").out, "TBitBtn=btn\n");

  EXPECT_EQ(RunZolt("prefixes set TButton b").out, "TButton=b\n");
  EXPECT_EQ(RunZolt("prefixes set TBitBtn \"\" --yes").out, "TBitBtn: prefix removed\n");
  EXPECT_EQ(RunZolt("prefixes").out, "TButton=b\n");
  EXPECT_NE(Registry().find("\"TBitBtn\"=\"\""), std::string::npos) << "the empty prefix stays stored";
}

TEST_F(ZoltPrefixes, DeleteAndSaveQuestions) {
  RunZolt("prefixes set TButton btn");
  RunZolt("prefixes set TLabel lbl");
  EXPECT_EQ(RunZolt("prefixes delete tbutton").out, "tbutton: prefix deleted\n");
  EXPECT_EQ(RunZolt("prefixes").out, "TLabel=lbl\n");
  ZoltRun missing = RunZolt("prefixes delete TButton");
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.out.find("TButton has no prefix in the prefix list"), std::string::npos);

  WriteText(dir / "old.prl", "keep\r\n");
  EXPECT_EQ(RunZolt("prefixes save " + (dir / "old.prl")).exitCode, 1);
  EXPECT_EQ(RunZolt("prefixes save " + (dir / "old.prl") + " --no").exitCode, 0);
  EXPECT_EQ(ReadText(dir / "old.prl"), "keep\r\n");
  EXPECT_EQ(RunZolt("prefixes save " + (dir / "old.prl") + " --yes").exitCode, 0);
  EXPECT_EQ(ReadText(dir / "old.prl"), "TLabel=lbl\r\n");

  ZoltRun unreadable = RunZolt("prefixes load " + (dir / "none.prl") + " --yes");
  EXPECT_EQ(unreadable.exitCode, 1);
  EXPECT_NE(unreadable.out.find("none.prl"), std::string::npos);
  EXPECT_EQ(RunZolt("prefixes").out, "TLabel=lbl\n");
}

TEST_F(ZoltPrefixes, EntriesWrittenByHandInTheExportFormatAreRead) {
  fs::create_directories(dir.path / "config/zolt");
  WriteText(dir / "config/zolt/registry.reg",
            "Windows Registry Editor Version 5.00\r\n\r\n"
            "[HKEY_CURRENT_USER\\Software\\Borland\\Delphi\\Zol-t\\Prefix]\r\n"
            "\"TEdit\"=\"edt\"\r\n\"TMemo\"=\"\"\r\n\"TButton\"=\"btn\"\r\n");
  EXPECT_EQ(RunZolt("prefixes").out, "TButton=btn\nTEdit=edt\n");
}

}  // namespace
