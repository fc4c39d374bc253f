// zolt shortcuts, zolt palette and zolt menu end to end: each run is one start of the IDE
// with the package loaded and one unload, on a settings folder of the test's own.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <vector>

#include "run_zolt.h"
#include "temp_files.h"

namespace {

struct ZoltShortCuts : ::testing::Test {
  TempDir dir{"shortcuts"};
  ZoltShortCuts() { ::setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1); }

  std::string Settings() { return ReadText(dir / "config/zolt/registry.reg"); }
  // The line of `listing` that begins with `caption` and a tab; empty when none.
  static std::string LineOf(const std::string& listing, const std::string& caption) {
    std::istringstream in(listing);
    for (std::string line; std::getline(in, line);)
      if (line.rfind(caption + "\t", 0) == 0) return line;
    return {};
  }
  static int Lines(const std::string& text) {
    int count = 0;
    for (char c : text) count += c == '\n';
    return count;
  }
};

}  // namespace

TEST_F(ZoltShortCuts, ListsTheCommandLinesOfACategoryAsTheDialogShowsThem) {
  ZoltRun all = RunZolt("shortcuts");
  ASSERT_EQ(all.exitCode, 0) << all.out;
  EXPECT_EQ(LineOf(all.out, "Copy"), "Copy\tCtrl+C");
  EXPECT_EQ(LineOf(all.out, "Explore"), "Explore\t") << "the second list's actions, without a shortcut";
  EXPECT_EQ(LineOf(all.out, "Shortcut list editor"), "Shortcut list editor\t") << "the enhancer's own command";
  EXPECT_GT(Lines(all.out), 80);

  ZoltRun edit = RunZolt("shortcuts --category Edit --svg " + (dir / "dialog.svg"));
  ASSERT_EQ(edit.exitCode, 0) << edit.out;
  EXPECT_NE(edit.out.find("Copy\tCtrl+C\n"), std::string::npos);
  EXPECT_EQ(edit.out.find("Explore"), std::string::npos);
  EXPECT_NE(edit.out.find("Picture of the shortcut list editor written to"), std::string::npos);
  std::string svg = ReadText(dir / "dialog.svg");
  EXPECT_NE(svg.find("Zol-t shortcut list editor"), std::string::npos);
  EXPECT_NE(svg.find(">Ctrl+C<"), std::string::npos) << "the owner-drawn shortcut column";
  EXPECT_NE(svg.find(">Set custom shortcut<"), std::string::npos) << "the buttons draw their captions";

  ZoltRun missing = RunZolt("shortcuts --category Nothing");
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.out.find("No category \"Nothing\"; the categories are"), std::string::npos) << missing.out;
}

TEST_F(ZoltShortCuts, AShortCutSetInOneRunIsInForceInTheNextAndRestoreBringsTheDefaultBack) {
  ZoltRun set = RunZolt("shortcuts set EditCopyCommand F2");
  ASSERT_EQ(set.exitCode, 0) << set.out;
  EXPECT_EQ(set.out, "EditCopyCommand: F2\n");
  EXPECT_NE(Settings().find("\"EditCopyCommand\"=\"40430071\""), std::string::npos);

  EXPECT_EQ(LineOf(RunZolt("shortcuts").out, "Copy"), "Copy\tF2");
  EXPECT_NE(RunZolt("menu Edit").out.find("&Copy\tF2\n"), std::string::npos) << "the menu follows the action";

  // By caption, with a key that has no name, then a text that names none.
  ZoltRun byCaption = RunZolt("shortcuts set Paste '#186'");
  EXPECT_EQ(byCaption.out, "EditPasteCommand: #186\n");
  ZoltRun none = RunZolt("shortcuts set Paste Hyper+V");
  EXPECT_EQ(none.exitCode, 0);
  EXPECT_NE(none.out.find("warning: \"Hyper+V\" names no shortcut; EditPasteCommand now has none"), std::string::npos);
  EXPECT_NE(none.out.find("EditPasteCommand: no shortcut\n"), std::string::npos);

  ZoltRun restore = RunZolt("shortcuts restore EditCopyCommand");
  EXPECT_EQ(restore.out, "EditCopyCommand: Ctrl+C\n");
  EXPECT_EQ(LineOf(RunZolt("shortcuts").out, "Copy"), "Copy\tCtrl+C");
  EXPECT_EQ(RunZolt("shortcuts restore EditCopyCommand").out,
            "EditCopyCommand: Ctrl+C (it had no custom shortcut)\n");

  ZoltRun unknown = RunZolt("shortcuts set NoSuchCommand F2");
  EXPECT_EQ(unknown.exitCode, 1);
  EXPECT_EQ(unknown.out, "No action \"NoSuchCommand\" among the commands\n");
}

TEST_F(ZoltShortCuts, SettingAHeldShortCutWarnsAndConflictsListEveryHolder) {
  ZoltRun none = RunZolt("shortcuts conflicts");
  ASSERT_EQ(none.exitCode, 0) << none.out;
  EXPECT_EQ(none.out, "No shortcut is held by two actions\n");

  ZoltRun set = RunZolt("shortcuts set EditPasteCommand Ctrl+C");
  EXPECT_EQ(set.exitCode, 0);
  EXPECT_EQ(set.out, "warning: Ctrl+C is also held by EditCopyCommand\nEditPasteCommand: Ctrl+C\n");
  RunZolt("shortcuts set DatabaseExploreCommand Ctrl+C");
  ZoltRun conflicts = RunZolt("shortcuts conflicts");
  EXPECT_EQ(conflicts.exitCode, 0);
  EXPECT_EQ(conflicts.out, "Ctrl+C\tEditCopyCommand, DatabaseExploreCommand, EditPasteCommand\n");
}

TEST_F(ZoltShortCuts, RestoreAllAsksAndGivesEveryActionItsDefault) {
  RunZolt("shortcuts set EditCopyCommand F2");
  RunZolt("shortcuts set DatabaseExploreCommand Shift+F3");
  RunZolt("shortcuts set ToolsZoltShortcutListCommand Ctrl+Alt+K");
  ZoltRun asked = RunZolt("shortcuts restore --all");
  EXPECT_EQ(asked.exitCode, 1);
  EXPECT_NE(asked.out.find("Are you sure you want to delete all your custom shortcuts?"), std::string::npos)
      << asked.out;
  EXPECT_EQ(RunZolt("shortcuts restore --all --no").out, "Restored the IDE's shortcuts of 0 actions\n");
  EXPECT_EQ(LineOf(RunZolt("shortcuts").out, "Copy"), "Copy\tF2");

  ZoltRun yes = RunZolt("shortcuts restore --all --yes");
  EXPECT_EQ(yes.out, "Restored the IDE's shortcuts of 3 actions\n");
  ZoltRun after = RunZolt("shortcuts");
  EXPECT_EQ(LineOf(after.out, "Copy"), "Copy\tCtrl+C");
  EXPECT_EQ(LineOf(after.out, "Explore"), "Explore\t");
  EXPECT_EQ(LineOf(after.out, "Shortcut list editor"), "Shortcut list editor\t");
  EXPECT_EQ(Settings().find("Command\"="), std::string::npos) << "the ShortCut key holds none of them";

  EXPECT_EQ(RunZolt("shortcuts restore").exitCode, 2) << "neither ACTION nor --all";
}

TEST_F(ZoltShortCuts, MultiLineSurvivesARestartAndEveryRunEndsSingleLine) {
  ZoltRun first = RunZolt("palette");
  ASSERT_EQ(first.exitCode, 0) << first.out;
  EXPECT_EQ(first.out, "single-line: tab control 51, bar 52\n");
  ZoltRun on = RunZolt("palette --multi-line on --svg " + (dir / "palette.svg"));
  ASSERT_EQ(on.exitCode, 0) << on.out;
  EXPECT_EQ(on.out.rfind("multi-line: tab control ", 0), 0u) << on.out;
  EXPECT_NE(Settings().find("\"Multi-line\"=\"1\""), std::string::npos);
  std::string svg = ReadText(dir / "palette.svg");
  EXPECT_NE(svg.find(">Standard<"), std::string::npos);
  EXPECT_NE(svg.find(">Data Controls<"), std::string::npos);

  ZoltRun again = RunZolt("palette");
  EXPECT_EQ(again.out, on.out.substr(0, on.out.find('\n') + 1)) << "the mode came back at the start";
  EXPECT_EQ(RunZolt("palette --multi-line off").out, "single-line: tab control 51, bar 52\n");
  EXPECT_EQ(RunZolt("palette").out, "single-line: tab control 51, bar 52\n");
  EXPECT_EQ(RunZolt("palette --multi-line sideways").exitCode, 2);
}

TEST_F(ZoltShortCuts, TheMenuShowsTheEnhancersAdditions) {
  ZoltRun top = RunZolt("menu");
  ASSERT_EQ(top.exitCode, 0) << top.out;
  EXPECT_EQ(top.out.rfind("&File\n&Edit\n", 0), 0u) << top.out;
  ZoltRun tools = RunZolt("menu Tools");
  ASSERT_EQ(tools.exitCode, 0) << tools.out;
  std::istringstream lines(tools.out);
  std::vector<std::string> items;
  for (std::string line; std::getline(lines, line);) items.push_back(line);
  ASSERT_GT(items.size(), 3u);
  EXPECT_EQ(items[1], "&Prefix list editor");
  EXPECT_EQ(items[2], "&Shortcut list editor");
  RunZolt("shortcuts set ToolsZoltPrefixListCommand Ctrl+Alt+P");
  EXPECT_NE(RunZolt("menu tools").out.find("&Prefix list editor\tCtrl+Alt+P\n"), std::string::npos);
  ZoltRun missing = RunZolt("menu Nowhere");
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.out, "The main menu has no item \"Nowhere\"\n");
}
