// The shortcut list editor as a person uses it from the Tools menu of a running IDE, with
// the package loaded and a settings file of its own.
#include <gtest/gtest.h>

#include <set>

#include "host/reg_ini_file.h"
#include "ide/ide.h"
#include "ide/package_loader.h"
#include "ide/scripted_driver.h"
#include "package/ZoltIDE.h"
#include "shortcuts/ZoltShortCuts.h"
#include "shortcuts/dlgShortCuts.h"
#include "tests/store/store_fixture.h"
#include "vcl/keyboard.h"

using namespace vcl;
using zolt::TdlgShortCuts;

namespace {

const std::string kShortCutKey = "Software\\Borland\\Delphi\\Zol-t\\ShortCut";

class ShortCutDialog : public store_test::StoreTest {
protected:
  // The actions tests add go into the IDE's lists before the package loads.
  void Start() {
    package_ = std::make_unique<ide::TLoadedPackage>(ide::ZoltPackage(), ide_.Editors());
  }
  void Open() {
    if (!package_) Start();
    auto* item = Cast<TMenuItem>(zolt::FindDelphiComponent("AppBuilder,ToolsMenu,mniZoltShortCutListEditor"));
    ASSERT_NE(item, nullptr);
    item->Click();
    EXPECT_TRUE(driver_.Finished());
  }
  void Inspect(std::function<void(TdlgShortCuts&)> check) {
    driver_.Do("inspect", [check](TCustomForm& form) { check(dynamic_cast<TdlgShortCuts&>(form)); });
  }
  // Selects the category line `name` as a click does.
  void Category(const std::string& name) {
    driver_.Do("select category " + name, [name](TCustomForm& form) {
      auto& dialog = dynamic_cast<TdlgShortCuts&>(form);
      int index = dialog.lbxCategory->Items()->IndexOf(name);
      ASSERT_GE(index, 0) << name;
      ide::SelectListItem(form, "lbxCategory", index);
    });
  }
  // Selects the command line of the action `name`.
  void Command(const std::string& name) {
    driver_.Do("select command " + name, [name](TCustomForm& form) {
      auto& dialog = dynamic_cast<TdlgShortCuts&>(form);
      for (int i = 0; i < dialog.lbxActions->Items()->Count(); ++i)
        if (dialog.LineAction(i)->Name() == name) return ide::SelectListItem(form, "lbxActions", i);
      FAIL() << name << " is not listed";
    });
  }
  TCustomAction* Action(const std::string& path) { return As<TCustomAction>(zolt::FindDelphiComponent(path)); }
  TCustomActionList* MainActions() { return As<TCustomActionList>(zolt::FindDelphiComponent("AppBuilder,ActionList1")); }
  std::string Stored(const std::string& name) const {
    return host::TRegIniFile(kShortCutKey).ReadString("", name, "(none)");
  }

  ide::TScriptedDriver driver_;
  ide::TIde ide_;
  std::unique_ptr<ide::TLoadedPackage> package_;
};

}  // namespace

TEST(ShortCutTexts, SevenGroupsOfKeyNamesEachReadBackToItself) {
  const std::vector<std::string>& texts = zolt::ShortCutTexts();
  ASSERT_EQ(texts.size(), 368u);
  EXPECT_EQ(texts[0], "F1");
  EXPECT_EQ(texts[26], "Right");
  EXPECT_EQ(texts[27], "Ctrl+0");
  EXPECT_EQ(texts[27 + 36], "Ctrl+F1");
  EXPECT_EQ(texts[90], "Shift+F1");
  EXPECT_EQ(texts[117], "Shift+Ctrl+0");
  EXPECT_EQ(texts[180], "Ctrl+Alt+0");
  EXPECT_EQ(texts[180 + 36 + 12], "Ctrl+Alt+Ins");
  EXPECT_EQ(texts[180 + 36 + 13], "Ctrl+Alt+Home") << "Ctrl+Alt+Del is left out";
  EXPECT_EQ(texts[242], "Shift+Alt+0");
  EXPECT_EQ(texts[305], "Shift+Ctrl+Alt+0");
  EXPECT_EQ(texts.back(), "Shift+Ctrl+Alt+Right");
  EXPECT_EQ(std::set<std::string>(texts.begin(), texts.end()).size(), texts.size()) << "no text twice";
  for (const std::string& text : texts) {
    EXPECT_FALSE(text.starts_with("Alt+")) << text;
    TShortCut shortCut = TextToShortCut(text);
    EXPECT_NE(shortCut, 0) << text;
    EXPECT_EQ(ShortCutToText(shortCut), text);
  }
}

TEST_F(ShortCutDialog, OpensOnTheFirstCategoryWithAllCommandsLast) {
  Inspect([](TdlgShortCuts& d) {
    EXPECT_EQ(d.Caption(), "Zol-t shortcut list editor");
    EXPECT_EQ(d.Owner(), Application);
    EXPECT_EQ(d.cbxShortCut->Items()->Count(), 368);
    EXPECT_EQ(d.cbxShortCut->Items()->Strings(0), "F1") << "the layout's own items are gone";
    TStrings* categories = d.lbxCategory->Items();
    EXPECT_EQ(categories->Strings(0), "Component");
    EXPECT_EQ(categories->Strings(categories->Count() - 1), "All commands");
    EXPECT_NE(categories->IndexOf("Database"), -1) << "a category of the second list only";
    for (int i = 1; i + 1 < categories->Count(); ++i)
      EXPECT_LT(CompareText(categories->Strings(i - 1), categories->Strings(i)), 0);
    EXPECT_EQ(d.lbxCategory->ItemIndex(), 0);
    EXPECT_EQ(d.lbxActions->ItemIndex(), -1);
    for (int i = 0; i < d.lbxActions->Items()->Count(); ++i) EXPECT_EQ(d.LineAction(i)->Category(), "Component");
    EXPECT_GT(d.lbxActions->Items()->Count(), 0);
    // Tab order: categories, commands, the box, the three buttons by their numbers.
    EXPECT_EQ(d.lbxCategory->TabOrder(), 0);
    EXPECT_EQ(d.lbxActions->TabOrder(), 1);
    EXPECT_EQ(d.cbxShortCut->TabOrder(), 2);
    EXPECT_EQ(d.btnSetShortCut->TabOrder(), 3);
    EXPECT_EQ(d.btnRestoreShortCut->TabOrder(), 4);
    EXPECT_EQ(d.btnOK->TabOrder(), 5);
    EXPECT_EQ(d.pnlAbout->TabOrder(), 6);
    EXPECT_EQ(d.btnRestoreAll->TabOrder(), 7);
    EXPECT_EQ(d.lbxActions->ItemHeight(), 20);
    EXPECT_EQ(d.lbxActions->Style(), lbOwnerDrawFixed);
    EXPECT_FALSE(d.btnOK->Default());
    // The labels are as wide as their captions.
    for (TLabel* label : {d.lblCategory, d.lblCommands, d.lblShortCut})
      EXPECT_EQ(label->Width(), d.Canvas()->TextWidth(StripHotkey(label->Caption()))) << label->Name();
  });
  Category("All commands");
  Inspect([this](TdlgShortCuts& d) {
    int count = MainActions()->ActionCount() +
                As<TCustomActionList>(zolt::FindDelphiComponent("DatabaseCommands,ActionList1"))->ActionCount();
    ASSERT_EQ(d.lbxActions->Items()->Count(), count);
    for (int i = 1; i < count; ++i)
      EXPECT_LE(CompareText(d.lbxActions->Items()->Strings(i - 1), d.lbxActions->Items()->Strings(i)), 0);
    EXPECT_GE(d.lbxActions->Items()->IndexOf("Explore"), 0) << "captions without their & marks";
    EXPECT_EQ(d.lbxActions->Items()->IndexOf("&Explore"), -1);
  });
  driver_.Click("btnOK");
  Open();
}

TEST_F(ShortCutDialog, CategoriesMergeIgnoringCaseButListTheirActionsByExactName) {
  auto* lower = new TAction(ide_.AppBuilder());
  lower->SetName("LowerCaseCommand");
  lower->SetCategory("file");
  lower->SetCaption("&Lower");
  lower->SetActionList(MainActions());
  auto* empty = new TAction(ide_.AppBuilder());
  empty->SetName("NoCategoryCommand");
  empty->SetCaption("Uncategorised");
  empty->SetActionList(MainActions());
  Inspect([](TdlgShortCuts& d) {
    EXPECT_EQ(d.lbxCategory->Items()->Strings(0), "") << "the empty category sorts first and is selected";
    ASSERT_EQ(d.lbxActions->Items()->Count(), 1);
    EXPECT_EQ(d.lbxActions->Items()->Strings(0), "Uncategorised");
    EXPECT_EQ(d.lbxCategory->Items()->IndexOf("file"), d.lbxCategory->Items()->IndexOf("File"));
  });
  Category("File");
  Inspect([](TdlgShortCuts& d) {
    EXPECT_EQ(d.lbxActions->Items()->IndexOf("Lower"), -1) << "category \"file\" is not \"File\"";
    EXPECT_GT(d.lbxActions->Items()->Count(), 1);
  });
  driver_.Click("btnOK");
  Open();
}

TEST_F(ShortCutDialog, EnterInTheBoxSetsTheShortCutAndShowsItInTheLibrarysText) {
  Category("All commands");
  Command("EditCopyCommand");
  Inspect([](TdlgShortCuts& d) { EXPECT_EQ(d.cbxShortCut->Text(), "Ctrl+C"); });
  driver_.Enter("cbxShortCut", "#113").Press(VK_RETURN);
  Inspect([this](TdlgShortCuts& d) {
    EXPECT_EQ(d.cbxShortCut->Text(), "F2");
    EXPECT_EQ(Action("AppBuilder,EditCopyCommand")->ShortCut(), 0x0071);
    EXPECT_EQ(Stored("EditCopyCommand"), "40430071");
    EXPECT_EQ(d.ModalResult(), mrNone) << "Enter is no default button's";
    ASSERT_GE(d.lbxActions->ItemIndex(), 0);
    EXPECT_EQ(d.LineAction(d.lbxActions->ItemIndex())->Name(), "EditCopyCommand");
  });
  // A key without a name: the # form, kept.
  driver_.Enter("cbxShortCut", "#186").Press(VK_RETURN);
  Inspect([this](TdlgShortCuts& d) {
    EXPECT_EQ(d.cbxShortCut->Text(), "#186");
    EXPECT_EQ(Stored("EditCopyCommand"), "404300BA");
  });
  // Text that names no shortcut leaves the action without one.
  driver_.Enter("cbxShortCut", "Hyper+Q").Press(VK_RETURN);
  Inspect([this](TdlgShortCuts& d) {
    EXPECT_EQ(d.cbxShortCut->Text(), "");
    EXPECT_EQ(Action("AppBuilder,EditCopyCommand")->ShortCut(), 0);
    EXPECT_EQ(Stored("EditCopyCommand"), "40430000");
  });
  driver_.Click("btnOK");
  Open();
}

TEST_F(ShortCutDialog, TheSetButtonWithoutALineOnlyNormalisesTheBox) {
  Category("All commands");
  driver_.Enter("cbxShortCut", "ctrl+f2").Click("btnSetShortCut");
  Inspect([](TdlgShortCuts& d) { EXPECT_EQ(d.cbxShortCut->Text(), "Ctrl+F2"); });
  driver_.Click("btnRestoreShortCut").Click("btnOK");
  const std::string before = ReadFile();
  Open();
  EXPECT_EQ(ReadFile(), before);
}

TEST_F(ShortCutDialog, RestoreBringsBackTheIdeShortCutOfOneOrOfAll) {
  TCustomAction* copy = Action("AppBuilder,EditCopyCommand");
  TCustomAction* explore = Action("DatabaseCommands,DatabaseExploreCommand");
  Start();
  zolt::SetCustomShortCut(copy, 0x0071);
  zolt::SetCustomShortCut(explore, 0x4045);
  host::TRegIniFile(kShortCutKey).WriteString("", "NotAnAction", "00000071");

  Category("All commands");
  Command("EditCopyCommand");
  driver_.Click("btnRestoreShortCut");
  Inspect([&](TdlgShortCuts& d) {
    EXPECT_EQ(copy->ShortCut(), 0x4043);
    EXPECT_EQ(d.cbxShortCut->Text(), "Ctrl+C");
  });
  // Restoring an action without a custom shortcut changes nothing.
  driver_.Click("btnRestoreShortCut");
  // Restore all, answered No, changes nothing; Yes restores every listed action.
  driver_.Click("btnRestoreAll").Answer(mrNo);
  Inspect([&](TdlgShortCuts&) { EXPECT_EQ(explore->ShortCut(), 0x4045); });
  driver_.Click("btnRestoreAll").Answer(mrYes);
  Inspect([&](TdlgShortCuts&) { EXPECT_EQ(explore->ShortCut(), 0); });
  driver_.Click("btnOK");
  Open();
  ASSERT_EQ(driver_.Messages().size(), 2u);
  EXPECT_EQ(driver_.Messages()[0].Text, "Are you sure you want to delete all your custom shortcuts?");
  EXPECT_EQ(driver_.Messages()[0].Type, mtConfirmation);
  EXPECT_EQ(Stored("EditCopyCommand"), "(none)");
  EXPECT_EQ(Stored("DatabaseExploreCommand"), "(none)");
  EXPECT_EQ(Stored("NotAnAction"), "00000071") << "values of actions in neither list stay";
}

TEST_F(ShortCutDialog, EachLineIsDrawnWithItsGlyphCaptionAndCurrentShortCut) {
  // Two actions of equal captions, one without a glyph.
  auto* twin = new TAction(ide_.AppBuilder());
  twin->SetName("TwinCommand");
  twin->SetCategory("File");
  twin->SetCaption("&New...");
  twin->SetShortCut(0x2071);
  twin->SetActionList(MainActions());
  Category("File");
  Command("FileNewCommand");
  Inspect([&](TdlgShortCuts& d) {
    TStrings* lines = d.lbxActions->Items();
    int first = lines->IndexOf("New...");
    ASSERT_GE(first, 0);
    ASSERT_EQ(lines->Strings(first + 1), "New...") << "both actions are listed";
    d.lbxActions->Repaint();
    const auto& ops = d.lbxActions->Canvas()->Operations();
    std::vector<const TCanvasOp*> texts, pictures, fills;
    for (const TCanvasOp& op : ops) {
      if (op.kind == TCanvasOp::opTextOut) texts.push_back(&op);
      if (op.kind == TCanvasOp::opDraw) pictures.push_back(&op);
      if (op.kind == TCanvasOp::opFillRect) fills.push_back(&op);
    }
    int width = d.lbxActions->ClientWidth();
    ASSERT_EQ(fills.size(), static_cast<std::size_t>(lines->Count()));
    ASSERT_EQ(texts.size(), 2 * fills.size());
    for (int i = 0; i < lines->Count(); ++i) {
      auto at = static_cast<std::size_t>(i);
      EXPECT_EQ(fills[at]->rect, Rect(0, 20 * i, width, 20 * i + 20));
      EXPECT_EQ(fills[at]->brushColor, d.lbxActions->Selected(i) ? clHighlight : d.lbxActions->Color());
      EXPECT_EQ(texts[2 * at]->points[0], Point(26, 20 * i + 4));
      EXPECT_EQ(texts[2 * at]->text, lines->Strings(i));
      EXPECT_EQ(texts[2 * at + 1]->points[0], Point(200, 20 * i + 4));
      EXPECT_EQ(texts[2 * at + 1]->text, zolt::ShortCutDisplayText(d.LineAction(i)->ShortCut()));
    }
    EXPECT_EQ(d.lbxActions->Color(), d.Color()) << "the list takes the dialog's colour";
    // The glyph of the action's own image list, 2 pixels in; the twin has none to draw.
    std::vector<TPoint> glyphs;
    for (int i = 0; i < lines->Count(); ++i)
      if (d.LineAction(i)->ImageIndex() >= 0) glyphs.push_back(Point(2, 20 * i + 2));
    ASSERT_EQ(pictures.size(), glyphs.size());
    ASSERT_FALSE(glyphs.empty());
    for (std::size_t k = 0; k < glyphs.size(); ++k) EXPECT_EQ(pictures[k]->points[0], glyphs[k]);
    EXPECT_EQ(pictures[0]->graphicWidth, 16);
    int selected = d.lbxActions->ItemIndex();
    EXPECT_EQ(texts[2 * static_cast<std::size_t>(selected)]->fontColor, clHighlightText);
    auto twinLine = static_cast<std::size_t>(d.LineAction(first) == twin ? first : first + 1);
    EXPECT_EQ(texts[2 * twinLine + 1]->text, "Shift+F2");
    EXPECT_NE(texts[2 * static_cast<std::size_t>(first) + 1]->text, texts[2 * static_cast<std::size_t>(first) + 3]->text)
        << "each twin shows its own shortcut";
  });
  driver_.Enter("cbxShortCut", "F11").Click("btnSetShortCut");
  Inspect([](TdlgShortCuts& d) {
    d.lbxActions->Repaint();
    bool shown = false;
    for (const TCanvasOp& op : d.lbxActions->Canvas()->Operations())
      shown = shown || (op.kind == TCanvasOp::opTextOut && op.text == "F11" && op.points[0].X == 200);
    EXPECT_TRUE(shown) << "the line shows the new shortcut";
  });
  driver_.Click("btnOK");
  Open();
}

TEST_F(ShortCutDialog, TheQuestionMarkShowsTheAboutBoxEachTime) {
  driver_.Click("SpeedButton1").Click("btnOK").Click("SpeedButton1").Click("btnOK");
  Inspect([](TdlgShortCuts& d) {
    for (int i = 0; i < d.ComponentCount(); ++i) EXPECT_NE(d.Components(i)->ClassName(), "TdlgZoltAbout");
  });
  driver_.Click("btnOK");
  Open();
  EXPECT_EQ(driver_.FormsShown(), (std::vector<std::string>{"dlgShortCuts", "dlgZoltAbout", "dlgZoltAbout"}));
}

TEST_F(ShortCutDialog, WithoutTheSecondActionListOnlyTheFirstIsListed) {
  Start();
  auto* dialog = new TdlgShortCuts(Application);
  dialog->SetActionList(MainActions(), nullptr);
  dialog->lbxCategory->SetItemIndex(dialog->lbxCategory->Items()->Count() - 1);
  dialog->lbxCategoryClick(dialog->lbxCategory);
  EXPECT_EQ(dialog->lbxActions->Items()->Count(), MainActions()->ActionCount());
  EXPECT_EQ(dialog->lbxCategory->Items()->IndexOf("Database"), -1);
  dialog->Free();
}
