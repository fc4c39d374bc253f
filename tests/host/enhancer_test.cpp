// The IDE enhancer on a running IDE: the multi-line palette switch, the two Tools commands
// with their glyphs, the stored shortcuts applied at start, and everything taken out again
// at unload, also on an IDE that lacks one of the components it looks for.
#include <gtest/gtest.h>

#include "host/reg_ini_file.h"
#include "ide/ide.h"
#include "ide/package_loader.h"
#include "package/ZoltIDE.h"
#include "tests/store/store_fixture.h"
#include "vcl/comctrls.h"
#include "vcl/extctrls.h"
#include "vcl/resources.h"

using namespace vcl;
using zolt::FindDelphiComponent;

namespace {

const std::string kRoot = "Software\\Borland\\Delphi\\Zol-t";
const std::string kShortCutKey = kRoot + "\\ShortCut";

class Enhancer : public store_test::StoreTest {
protected:
  void Load() { package_ = std::make_unique<ide::TLoadedPackage>(ide::ZoltPackage(), ide_->Editors()); }
  void Unload() {
    package_->Unload();
    package_.reset();
  }
  TPopupMenu* Palette() { return As<TPopupMenu>(FindDelphiComponent("AppBuilder,PaletteMenu")); }
  TMenuItem* Tools() { return As<TMenuItem>(FindDelphiComponent("AppBuilder,ToolsMenu")); }
  TTabControl* Tabs() { return As<TTabControl>(FindDelphiComponent("AppBuilder,TabControl")); }
  TPanel* Bar() { return As<TPanel>(FindDelphiComponent("AppBuilder,PaletteBar")); }
  TCustomActionList* MainActions() { return As<TCustomActionList>(FindDelphiComponent("AppBuilder,ActionList1")); }
  TMenuItem* MultiLine() { return zolt::EnhanceIDE->MultiLineItem(); }
  bool StoredMultiLine() { return host::TRegIniFile(kRoot).ReadBool("", "Multi-line", false); }
  void ExpectSingleLine() {
    EXPECT_FALSE(Tabs()->MultiLine());
    EXPECT_EQ(Tabs()->Height(), 51);
    EXPECT_EQ(Tabs()->Constraints()->MinHeight(), 51);
    EXPECT_EQ(Tabs()->Constraints()->MaxHeight(), 51);
    EXPECT_EQ(Bar()->Height(), 52);
    EXPECT_FALSE(Bar()->AutoSize());
  }
  void ExpectMultiLine() {
    EXPECT_TRUE(Tabs()->MultiLine());
    int height = Tabs()->DisplayRect().Top + 28;
    EXPECT_EQ(Tabs()->Height(), height);
    EXPECT_EQ(Tabs()->Constraints()->MinHeight(), height);
    EXPECT_EQ(Tabs()->Constraints()->MaxHeight(), height);
    EXPECT_EQ(Bar()->Height(), height + 1);
    EXPECT_TRUE(Bar()->AutoSize());
  }

  std::unique_ptr<ide::TIde> ide_ = std::make_unique<ide::TIde>();
  std::unique_ptr<ide::TLoadedPackage> package_;
};

}  // namespace

TEST_F(Enhancer, TheFirstStartPutsTheSwitchOnTopAndSizesASingleLinePalette) {
  int items = Palette()->Items()->Count();
  Bar()->SetHeight(70);  // the start sets the sizes explicitly
  Load();
  ASSERT_EQ(Palette()->Items()->Count(), items + 1);
  TMenuItem* item = Palette()->Items()->Items(0);
  EXPECT_EQ(item, MultiLine());
  EXPECT_EQ(item->Name(), "mniZoltMultiLinePalette");
  EXPECT_EQ(item->Caption(), "&Multi-line");
  EXPECT_EQ(item->Owner(), Palette());
  EXPECT_FALSE(item->Checked());
  ExpectSingleLine();
}

TEST_F(Enhancer, TheSwitchTogglesTheModeAndTwoClicksGiveTheSizesBack) {
  // A palette too narrow for its pages in one row.
  Bar()->SetWidth(300);
  Tabs()->SetWidth(300);
  Load();
  MultiLine()->Click();
  EXPECT_TRUE(MultiLine()->Checked());
  ExpectMultiLine();
  EXPECT_GT(Tabs()->RowCount(), 1);
  EXPECT_EQ(Tabs()->DisplayRect().Top, Tabs()->RowCount() * 18 + 6);
  MultiLine()->Click();
  EXPECT_FALSE(MultiLine()->Checked());
  ExpectSingleLine();
}

TEST_F(Enhancer, TheModeSurvivesARestartAndTheIdeIsLeftSingleLine) {
  Load();
  MultiLine()->Click();
  Unload();
  EXPECT_TRUE(StoredMultiLine());
  ExpectSingleLine();
  EXPECT_EQ(FindDelphiComponent("AppBuilder,PaletteMenu,mniZoltMultiLinePalette"), nullptr);

  Load();
  EXPECT_TRUE(MultiLine()->Checked());
  ExpectMultiLine();
  MultiLine()->Click();
  Unload();
  EXPECT_FALSE(StoredMultiLine());
}

TEST_F(Enhancer, TheToolsCommandsComeAfterTheFirstItemWithTheirGlyphs) {
  TCustomImageList* images = MainActions()->Images();
  // An image that another package added before: the glyphs come after it.
  TBitmap other;
  other.SetSize(16, 16);
  images->Add(&other, nullptr);
  int before = images->Count();
  std::string first = Tools()->Items(0)->Name();
  int toolItems = Tools()->Count();
  Load();
  ASSERT_EQ(Tools()->Count(), toolItems + 2);
  EXPECT_EQ(Tools()->Items(0)->Name(), first);
  EXPECT_EQ(Tools()->Items(1)->Name(), "mniZoltPrefixListEditor");
  EXPECT_EQ(Tools()->Items(2)->Name(), "mniZoltShortCutListEditor");

  TAction* shortCuts = zolt::EnhanceIDE->ShortCutListAction();
  TAction* prefixes = zolt::EnhanceIDE->PrefixListAction();
  ASSERT_NE(shortCuts, nullptr);
  ASSERT_NE(prefixes, nullptr);
  EXPECT_EQ(shortCuts->Name(), "ToolsZoltShortcutListCommand");
  EXPECT_EQ(shortCuts->Caption(), "&Shortcut list editor");
  EXPECT_EQ(shortCuts->Hint(), "Zol-t shortcut list editor");
  EXPECT_EQ(prefixes->Name(), "ToolsZoltPrefixListCommand");
  EXPECT_EQ(prefixes->Caption(), "&Prefix list editor");
  EXPECT_EQ(prefixes->Hint(), "Zol-t prefix list editor");
  for (TAction* action : {shortCuts, prefixes}) {
    EXPECT_EQ(action->Category(), "Tools");
    EXPECT_EQ(action->Owner(), Tools());
    EXPECT_EQ(action->ActionList(), MainActions());
  }
  EXPECT_EQ(zolt::EnhanceIDE->ShortCutImageIndex(), before);
  EXPECT_EQ(zolt::EnhanceIDE->PrefixImageIndex(), before + 1);
  EXPECT_EQ(shortCuts->ImageIndex(), before);
  EXPECT_EQ(prefixes->ImageIndex(), before + 1);
  ASSERT_EQ(images->Count(), before + 2);
  EXPECT_EQ(Tools()->Items(2)->Action(), shortCuts);
  EXPECT_EQ(Tools()->Items(2)->Caption(), "&Shortcut list editor") << "the item shows its action";
  EXPECT_EQ(Tools()->Items(1)->ImageIndex(), before + 1);

  // The glyph is the package's picture, with the mask's transparent pixels.
  TBitmap glyph, expected;
  images->GetBitmap(before, &glyph);
  expected.LoadFromBmp(FindResource("CSB.bmp"));
  ASSERT_EQ(glyph.Width(), 16);
  EXPECT_EQ(glyph.Pixel(5, 5), expected.Pixel(5, 5));
  TBitmap mask, expectedMask;
  images->GetMask(before + 1, &mask);
  expectedMask.LoadFromBmp(FindResource("CPM.bmp"));
  EXPECT_EQ(mask.Pixel(0, 15), expectedMask.Pixel(0, 15));
  EXPECT_NE(mask.Pixel(0, 15), mask.Pixel(5, 5)) << "the mask has transparent and opaque pixels";

  Unload();
  EXPECT_EQ(images->Count(), before) << "exactly the two glyphs go";
  TBitmap kept;
  images->GetBitmap(before - 1, &kept);
  EXPECT_EQ(kept.Pixel(5, 5), other.Pixel(5, 5));
  EXPECT_EQ(Tools()->Count(), toolItems);
  EXPECT_EQ(FindDelphiComponent("AppBuilder,ToolsMenu,ToolsZoltShortcutListCommand"), nullptr);
  for (int i = 0; i < MainActions()->ActionCount(); ++i)
    EXPECT_EQ(MainActions()->Actions(i)->Name().find("Zolt"), std::string::npos);
}

TEST_F(Enhancer, StoredShortCutsAreAppliedToBothListsAndToTheOwnCommand) {
  host::TRegIniFile store(kShortCutKey);
  store.WriteString("", "EditCopyCommand", "40430071");
  store.WriteString("", "EditCutCommand", "0000c053");
  store.WriteString("", "EditPasteCommand", "40560000");
  store.WriteString("", "DatabaseExploreCommand", "00004045");
  store.WriteString("", "ToolsZoltShortcutListCommand", "00002071");
  store.WriteString("", "EditUndoCommand", "4071");         // no custom part: skipped
  store.WriteString("", "EditRedoCommand", "0000WXYZ");     // damaged: skipped
  TShortCut undo = As<TCustomAction>(FindDelphiComponent("AppBuilder,EditUndoCommand"))->ShortCut();
  TShortCut redo = As<TCustomAction>(FindDelphiComponent("AppBuilder,EditRedoCommand"))->ShortCut();
  Load();
  auto shortCut = [](const char* path) { return As<TCustomAction>(FindDelphiComponent(path))->ShortCut(); };
  EXPECT_EQ(shortCut("AppBuilder,EditCopyCommand"), 0x0071);
  EXPECT_EQ(shortCut("AppBuilder,EditCutCommand"), 0xC053);
  EXPECT_EQ(shortCut("AppBuilder,EditPasteCommand"), 0);
  EXPECT_EQ(shortCut("DatabaseCommands,DatabaseExploreCommand"), 0x4045);
  EXPECT_EQ(zolt::EnhanceIDE->ShortCutListAction()->ShortCut(), 0x2071);
  EXPECT_EQ(shortCut("AppBuilder,EditUndoCommand"), undo);
  EXPECT_EQ(shortCut("AppBuilder,EditRedoCommand"), redo);
  // The menu items linked to the actions show the new keys.
  EXPECT_EQ(As<TMenuItem>(FindDelphiComponent("AppBuilder,EditCopyItem"))->ShortCut(), 0x0071);
}

// An IDE without one of the components the enhancer looks for: it skips what needs it
// and still loads and unloads cleanly.
TEST_F(Enhancer, AMissingHostComponentOnlySkipsWhatNeedsIt) {
  const char* paths[] = {"AppBuilder,PaletteMenu", "AppBuilder,ToolsMenu", "AppBuilder,ActionList1",
                         "DatabaseCommands,ActionList1", "AppBuilder,TabControl", "AppBuilder,PaletteBar",
                         "AppBuilder,ImageList1"};
  for (const char* path : paths) {
    SCOPED_TRACE(path);
    // Each round runs on an IDE of its own.
    ide_.reset();
    ide_ = std::make_unique<ide::TIde>();
    host::TRegIniFile(kRoot).WriteBool("", "Multi-line", true);
    FindDelphiComponent(path)->Free();
    Load();
    ASSERT_NE(zolt::EnhanceIDE, nullptr);
    bool palette = FindDelphiComponent("AppBuilder,PaletteMenu") != nullptr;
    EXPECT_EQ(MultiLine() != nullptr, palette);
    bool commands = Tools() && MainActions() && MainActions()->Images();
    EXPECT_EQ(zolt::EnhanceIDE->ShortCutListAction() != nullptr, commands);
    EXPECT_EQ(zolt::EnhanceIDE->PrefixListItem() != nullptr, commands);
    if (palette && Tabs()) {
      EXPECT_TRUE(Tabs()->MultiLine());
    }
    if (palette && Bar()) {
      EXPECT_TRUE(Bar()->AutoSize());
    }
    Unload();
    EXPECT_EQ(zolt::EnhanceIDE, nullptr);
    // Without the switch this run, the stored mode stays as it was.
    EXPECT_TRUE(StoredMultiLine());
    if (Tabs()) {
      EXPECT_FALSE(Tabs()->MultiLine()) << "left single-line by the unload, or never touched";
    }
  }
}
