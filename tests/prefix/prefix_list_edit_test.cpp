// The prefix list editor driven as a person uses it: the sorted list, changing and deleting
// entries, and loading and saving prefix-list files.
#include "prefix/ZoltPrefixListEdit.h"

#include "tests/prefix/prefix_fixture.h"
#include "vcl/application.h"
#include "vcl/keyboard.h"

using namespace vcl;

namespace {

class PrefixListEdit : public prefix_test::PrefixIdeTest {
protected:
  // Shows the editor as the Tools menu command does, with the queued script.
  void Show() {
    auto* dialog = new zolt::TdlgPrefixListEdit(Application);
    try {
      dialog->ShowModal();
    } catch (...) {
      dialog->Free();
      throw;
    }
    dialog->Free();
  }
  void Inspect(std::function<void(zolt::TdlgPrefixListEdit&)> check) {
    driver_.Do("inspect", [check](TCustomForm& form) { check(dynamic_cast<zolt::TdlgPrefixListEdit&>(form)); });
  }
  // The list's lines, comma separated.
  void ExpectLines(const std::string& lines) {
    Inspect([lines](zolt::TdlgPrefixListEdit& d) { EXPECT_EQ(d.lbxPrefix->Items()->CommaText(), lines); });
  }
};

TEST_F(PrefixListEdit, AnEmptyStoreShowsAnEmptyListWithTheButtonsDisabled) {
  Inspect([](zolt::TdlgPrefixListEdit& d) {
    EXPECT_EQ(d.Caption(), "Zol-t prefix list editor");
    EXPECT_EQ(d.lbxPrefix->Items()->Count(), 0);
    EXPECT_FALSE(d.btnChange->Enabled());
    EXPECT_FALSE(d.btnDelete->Enabled());
    EXPECT_EQ(d.lbxPrefix->TabOrder(), 0);
    EXPECT_EQ(d.btnOK->TabOrder(), 6);
    EXPECT_EQ(d.pnlAbout->TabOrder(), 7);
    EXPECT_TRUE(d.btnOK->Default());
    EXPECT_EQ(d.btnOK->ModalResult(), mrOk);
    EXPECT_EQ(d.dlgLoad->Filter(), "Zol-t prefix list|*.prl|Any file|*.*");
    EXPECT_EQ(d.dlgSave->FileName(), "Zol-t.prl");
    EXPECT_TRUE(d.dlgSave->Options() & OpenOptionOf(ofOverwritePrompt));
  });
  driver_.Click("btnOK");
  Show();
  EXPECT_TRUE(driver_.Finished());
}

TEST_F(PrefixListEdit, TheStoreIsListedSortedWithoutEmptyPrefixesAndAClickShowsThePrefix) {
  Store("TLabel", "lbl");
  Store("TButton", "btn");
  Store("TEdit", "");
  Store("tbitbtn", "bbt");
  ExpectLines("tbitbtn=bbt,TButton=btn,TLabel=lbl");
  driver_.Select("lbxPrefix", 1);
  Inspect([](zolt::TdlgPrefixListEdit& d) {
    EXPECT_EQ(d.edtPrefix->Text(), "btn");
    EXPECT_TRUE(d.btnChange->Enabled());
    EXPECT_TRUE(d.btnDelete->Enabled());
  });
  driver_.Click("btnOK");
  Show();
}

TEST_F(PrefixListEdit, ChangingToAPrefixInUseAsksAndNoChangesNothing) {
  Store("TButton", "btn");
  Store("TBitBtn", "b");
  driver_.Select("lbxPrefix", 1).Enter("edtPrefix", "b").Click("btnChange").Answer(mrNo);
  ExpectLines("TBitBtn=b,TButton=btn");
  driver_.Click("btnOK");
  Show();
  ASSERT_EQ(driver_.Messages().size(), 1u);
  EXPECT_EQ(driver_.Messages()[0].Text, "Prefix already in use by TBitBtn. Use anyway?");
  EXPECT_EQ(driver_.Messages()[0].Type, mtConfirmation);
  EXPECT_EQ(driver_.Messages()[0].Buttons, mbYesNo);
  EXPECT_EQ(Stored("TButton"), "btn");
}

TEST_F(PrefixListEdit, YesGivesTheSharedPrefixAndTheLineTakesItsSortedPlace) {
  Store("TButton", "btn");
  Store("TBitBtn", "b");
  Store("TAction", "act");
  driver_.Select("lbxPrefix", 2).Enter("edtPrefix", "b").Click("btnChange").Answer(mrYes);
  ExpectLines("TAction=act,TBitBtn=b,TButton=b");
  driver_.Click("btnOK");
  Show();
  EXPECT_EQ(Stored("TButton"), "b");
}

TEST_F(PrefixListEdit, GivingAClassItsOwnPrefixNamesThatClassAsTheUser) {
  Store("TButton", "btn");
  driver_.Select("lbxPrefix", 0).Click("btnChange").Answer(mrYes).Click("btnOK");
  Show();
  ASSERT_EQ(driver_.Messages().size(), 1u);
  EXPECT_EQ(driver_.Messages()[0].Text, "Prefix already in use by TButton. Use anyway?");
}

TEST_F(PrefixListEdit, AnEmptyPrefixRemovesTheLineAndStoresTheEmptyText) {
  Store("TButton", "btn");
  Store("TLabel", "lbl");
  driver_.Select("lbxPrefix", 0).Enter("edtPrefix", "").Click("btnChange");
  ExpectLines("TLabel=lbl");
  // Nothing is selected any more: the buttons, not re-evaluated, act on nothing.
  driver_.Click("btnChange").Click("btnDelete");
  ExpectLines("TLabel=lbl");
  driver_.Click("btnOK");
  Show();
  EXPECT_EQ(Stored("TButton"), "");
  EXPECT_EQ(Stored("TLabel"), "lbl");
  driver_.Do("inspect the next opening", [](TCustomForm& form) {
    EXPECT_EQ(dynamic_cast<zolt::TdlgPrefixListEdit&>(form).lbxPrefix->Items()->CommaText(), "TLabel=lbl");
  });
  driver_.Click("btnOK");
  Show();
}

TEST_F(PrefixListEdit, DeleteRemovesTheEntryAndTheDeleteKeyDoesTheSame) {
  Store("TButton", "btn");
  Store("TLabel", "lbl");
  Store("TEdit", "edt");
  driver_.Select("lbxPrefix", 0).Click("btnDelete");
  Inspect([](zolt::TdlgPrefixListEdit& d) {
    EXPECT_EQ(d.lbxPrefix->Items()->CommaText(), "TEdit=edt,TLabel=lbl");
    EXPECT_EQ(d.edtPrefix->Text(), "");
    EXPECT_FALSE(d.btnDelete->Enabled());
  });
  driver_.Select("lbxPrefix", 1).Press(VK_DELETE, ShiftOf(ssCtrl));
  ExpectLines("TEdit=edt");
  driver_.Press(VK_DELETE);  // nothing selected: the button is disabled and the key does nothing
  ExpectLines("TEdit=edt");
  driver_.Click("btnOK");
  Show();
  EXPECT_EQ(Section(), "TEdit=edt");
  EXPECT_EQ(Stored("TButton"), "(none)");
}

TEST_F(PrefixListEdit, LoadingReplacesListAndStoreWithTheFirstPrefixOfADoubledClass) {
  Store("TMemo", "mmo");
  Write("list.prl", "TButton=btn\r\nTButton=b\r\nnoequals\r\n\r\nTLabel=lbl");
  driver_.Select("lbxPrefix", 0).Click("btnLoad").ChooseFile(Path("list.prl")).Answer(mrYes);
  Inspect([](zolt::TdlgPrefixListEdit& d) {
    EXPECT_EQ(d.lbxPrefix->Items()->CommaText(), ",noequals,TButton=b,TButton=btn,TLabel=lbl");
    EXPECT_EQ(d.lbxPrefix->ItemIndex(), -1);
    EXPECT_FALSE(d.btnChange->Enabled());
    EXPECT_EQ(d.edtPrefix->Text(), "mmo") << "the edit keeps its text";
  });
  driver_.Click("btnOK");
  Show();
  ASSERT_EQ(driver_.Messages().size(), 1u);
  EXPECT_EQ(driver_.Messages()[0].Text, "Are you sure you want to overwrite the current prefix list?");
  EXPECT_EQ(driver_.Messages()[0].Buttons, mbYesNoCancel);
  EXPECT_EQ(Stored("TMemo"), "(none)");
  EXPECT_EQ(Stored("TButton"), "b");
  EXPECT_EQ(Stored("TLabel"), "lbl");
  EXPECT_EQ(Stored(""), "") << "the lines without \"=\" write an entry with an empty name";
}

TEST_F(PrefixListEdit, NoOrCancelToTheOverwriteQuestionAndACancelledFileDialogChangeNothing) {
  Store("TMemo", "mmo");
  Write("list.prl", "TButton=btn\r\n");
  driver_.Click("btnLoad").ChooseFile(Path("list.prl")).Answer(mrNo);
  driver_.Click("btnLoad").ChooseFile(Path("list.prl")).Answer(mrCancel);
  driver_.Click("btnLoad").CancelFile();
  ExpectLines("TMemo=mmo");
  driver_.Click("btnOK");
  Show();
  EXPECT_EQ(driver_.Messages().size(), 2u);
  EXPECT_EQ(Section(), "TMemo=mmo");
}

TEST_F(PrefixListEdit, AFileThatCannotBeReadLeavesListAndStoreAlone) {
  Store("TMemo", "mmo");
  driver_.Click("btnLoad").ChooseFile(Path("missing.prl")).Answer(mrYes);
  EXPECT_THROW(Show(), EInOutError);
  EXPECT_EQ(Section(), "TMemo=mmo");
}

TEST_F(PrefixListEdit, SavingWritesTheSortedLinesWithCrLfAndAnEmptyListGivesAnEmptyFile) {
  Store("TLabel", "lbl");
  Store("TButton", "btn");
  driver_.Click("btnSave").ChooseFile(Path("out.prl")).Click("btnOK");
  Show();
  EXPECT_EQ(Read("out.prl"), "TButton=btn\r\nTLabel=lbl\r\n");

  // Replacing asks first; No leaves the dialog open, and cancelling it writes nothing.
  driver_.Select("lbxPrefix", 0).Click("btnDelete").Select("lbxPrefix", 0).Click("btnDelete");
  driver_.Click("btnSave").ChooseFile(Path("out.prl")).Answer(mrNo).CancelFile();
  driver_.Click("btnSave").ChooseFile(Path("out.prl")).Answer(mrYes).Click("btnOK");
  Show();
  EXPECT_EQ(driver_.Messages().back().Text, Path("out.prl") + " already exists. Do you want to replace it?");
  EXPECT_EQ(Read("out.prl"), "");
  EXPECT_TRUE(prefix_test::fs::exists(Path("out.prl")));

  Store("TMemo", "mmo");
  driver_.Click("btnLoad").ChooseFile(Path("out.prl")).Answer(mrYes);
  ExpectLines("");
  driver_.Click("btnOK");
  Show();
  EXPECT_EQ(Section(), "") << "loading the empty file empties the section";
}

TEST_F(PrefixListEdit, ASavedListLoadsBackTheSameWithCharactersOfTheCodePage) {
  Store("TButton", "btn");
  Store("TÜberschrift", "üb");
  Store("TLabel", "lbl");
  driver_.Click("btnSave").ChooseFile(Path("round.prl")).Click("btnOK");
  Show();
  EXPECT_NE(Read("round.prl").find("T\xDC" "berschrift=\xFC" "b\r\n"), std::string::npos) << "Windows-1252 bytes";
  driver_.Click("btnLoad").ChooseFile(Path("round.prl")).Answer(mrYes);
  ExpectLines("TButton=btn,TLabel=lbl,TÜberschrift=üb");
  driver_.Click("btnOK");
  Show();
  EXPECT_EQ(Stored("TÜberschrift"), "üb");
}

}  // namespace
