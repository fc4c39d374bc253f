#include <gtest/gtest.h>

#include "run_zolt.h"

TEST(Zolt, VersionAndHelp) {
  ZoltRun version = RunZolt("--version");
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out, "Zol-t 0.9ß\n");
  ZoltRun help = RunZolt("--help");
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("Usage: zolt"), std::string::npos) << help.out;
  ZoltRun bad = RunZolt("--no-such-option");
  EXPECT_EQ(bad.exitCode, 2) << bad.out;
}
