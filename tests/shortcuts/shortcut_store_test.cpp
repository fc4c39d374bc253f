// The shortcut store: the 8-digit values, capturing the IDE's own shortcut once, restoring
// it, and the text form of shortcuts with its "#" escape.
#include <gtest/gtest.h>

#include "host/reg_ini_file.h"
#include "shortcuts/ZoltShortCuts.h"
#include "tests/store/store_fixture.h"

using namespace vcl;
using zolt::ParseShortCutText;
using zolt::ShortCutDisplayText;

namespace {

const std::string kShortCutKey = "Software\\Borland\\Delphi\\Zol-t\\ShortCut";

class ShortCutStore : public store_test::StoreTest {
protected:
  ShortCutStore() {
    action_ = new TAction(&root_);
    action_->SetName("EditCopyCommand");
    action_->SetShortCut(0x4071);
  }
  std::string Stored(const std::string& name = "EditCopyCommand") const {
    return host::TRegIniFile(kShortCutKey).ReadString("", name, "(none)");
  }

  TComponent root_{nullptr};
  TAction* action_;
};

}  // namespace

TEST_F(ShortCutStore, TheFirstCustomShortCutCapturesTheIdeOneAndLaterOnesKeepIt) {
  zolt::SetCustomShortCut(action_, 0x0071);
  EXPECT_EQ(Stored(), "40710071");
  EXPECT_EQ(action_->ShortCut(), 0x0071);
  zolt::SetCustomShortCut(action_, 0xC053);
  EXPECT_EQ(Stored(), "4071C053") << "the IDE's shortcut stays although the action had F2 by then";
  EXPECT_EQ(action_->ShortCut(), 0xC053);

  zolt::RestoreDelphiShortCut(action_);
  EXPECT_EQ(action_->ShortCut(), 0x4071);
  EXPECT_EQ(Stored(), "(none)");

  // After a restore the next change captures the shortcut the action has then.
  action_->SetShortCut(0x2070);
  zolt::SetCustomShortCut(action_, 0);
  EXPECT_EQ(Stored(), "20700000");
  EXPECT_EQ(action_->ShortCut(), 0);
}

TEST_F(ShortCutStore, AnActionWithoutAnIdeShortCutStoresZeros) {
  action_->SetShortCut(0);
  zolt::SetCustomShortCut(action_, 0xC053);
  EXPECT_EQ(Stored(), "0000C053");
  zolt::RestoreDelphiShortCut(action_);
  EXPECT_EQ(action_->ShortCut(), 0);
}

TEST_F(ShortCutStore, RestoringAnActionWithoutAValueChangesAndWritesNothing) {
  host::TRegIniFile(kShortCutKey).WriteString("", "Other", "40710000");
  const std::string before = ReadFile();
  zolt::RestoreDelphiShortCut(action_);
  EXPECT_EQ(action_->ShortCut(), 0x4071);
  EXPECT_EQ(ReadFile(), before);
}

TEST_F(ShortCutStore, ReadersAcceptLowerCaseAndShortValues) {
  host::TRegIniFile(kShortCutKey).WriteString("", "EditCopyCommand", "c0530071");
  zolt::RestoreDelphiShortCut(action_);
  EXPECT_EQ(action_->ShortCut(), 0xC053);

  host::TRegIniFile(kShortCutKey).WriteString("", "EditCopyCommand", "71");
  zolt::RestoreDelphiShortCut(action_);
  EXPECT_EQ(action_->ShortCut(), 0x71) << "a value shorter than 4 characters converts what is there";
}

TEST_F(ShortCutStore, ADamagedIdeShortCutIsRemovedAndReportedWithTheActionUnchanged) {
  host::TRegIniFile(kShortCutKey).WriteString("", "EditCopyCommand", "XYZW0071");
  action_->SetShortCut(0x0071);
  EXPECT_THROW(zolt::RestoreDelphiShortCut(action_), EConvertError);
  EXPECT_EQ(action_->ShortCut(), 0x0071);
  EXPECT_EQ(Stored(), "(none)");
}

TEST_F(ShortCutStore, AStoreThatCannotBeReadLeavesTheActionAsItWas) {
  PutFile("this is not a registry file\n");
  EXPECT_THROW(zolt::SetCustomShortCut(action_, 0x0071), host::ERegistryException);
  EXPECT_EQ(action_->ShortCut(), 0x4071);
  EXPECT_THROW(zolt::RestoreDelphiShortCut(action_), host::ERegistryException);
  EXPECT_EQ(ReadFile(), "this is not a registry file\n") << "a file that does not parse is never overwritten";
}

TEST(ShortCutText, DisplayTextIsTheLibrarysTextOrTheNumber) {
  EXPECT_EQ(ShortCutDisplayText(0), "");
  EXPECT_EQ(ShortCutDisplayText(0x4071), "Ctrl+F2");
  EXPECT_EQ(ShortCutDisplayText(0xE025), "Shift+Ctrl+Alt+Left");
  EXPECT_EQ(ShortCutDisplayText(0x00BA), "#186");
  EXPECT_EQ(ShortCutDisplayText(0x40BA), "#16570") << "a key without a name shows the whole value";
  EXPECT_EQ(ShortCutDisplayText(0x2000), "#8192") << "modifiers alone name no key";
}

TEST(ShortCutText, ParsingTakesTheLibrarysTextOrTheHashForm) {
  EXPECT_EQ(ParseShortCutText(""), 0);
  EXPECT_EQ(ParseShortCutText("#"), 0) << "too short for the # form";
  EXPECT_EQ(ParseShortCutText("#113"), 0x0071);
  EXPECT_EQ(ParseShortCutText("#70000"), 0x1170) << "only the low 16 bits count";
  EXPECT_EQ(ParseShortCutText("#$C053"), 0xC053);
  EXPECT_EQ(ParseShortCutText("#$c053"), 0xC053);
  EXPECT_EQ(ParseShortCutText("#x"), 0);
  EXPECT_EQ(ParseShortCutText("#99999999999"), 0) << "beyond an integer: not a number";
  EXPECT_EQ(ParseShortCutText("Ctrl+F2"), 0x4071);
  EXPECT_EQ(ParseShortCutText("ctrl+f2"), 0x4071);
  EXPECT_EQ(ParseShortCutText("Ctrl+Hyper"), 0);
  EXPECT_EQ(ParseShortCutText("113"), 0) << "a number without # is no key name";
}

TEST(ShortCutText, EveryShortCutCanBeNamedAndReadBack) {
  // Every key code with every set of modifiers (the bits between them mean nothing to the
  // library, which names such a value by its key alone).
  for (unsigned value = 0; value <= 0xFFFF; ++value) {
    unsigned key = value & 0xFF;
    if (value & 0x1F00) continue;
    if (key >= 0x60 && key <= 0x69) continue;  // number pad: reads back as the digit row
    auto shortCut = static_cast<TShortCut>(value);
    ASSERT_EQ(ParseShortCutText(ShortCutDisplayText(shortCut)), shortCut) << ShortCutDisplayText(shortCut);
  }
}
