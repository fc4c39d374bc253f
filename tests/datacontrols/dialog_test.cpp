// The wizard's dialog driven as a person uses it: the field list, the moves, the class boxes
// with their completion, the containers and the checks of OK.
#include "tests/datacontrols/wizard_fixture.h"
#include "ide/tool_services.h"
#include "vcl/db/dbctrls.h"

using namespace vcl;
using wizard_test::Wizard;

namespace {
const Word kCtrl = ShiftOf(ssCtrl);

// Runs the dialog's OK handler, expecting it to refuse with `message` and leave the dialog open.
void ExpectRefused(zolt::TdlgDataControls& d, const std::string& message) {
  try {
    d.btnOKClick(d.btnOK);
    ADD_FAILURE() << "OK was not refused";
  } catch (const std::exception& e) {
    EXPECT_EQ(std::string(e.what()), message);
  }
  EXPECT_EQ(d.ModalResult(), mrNone);
}
}  // namespace

TEST_F(Wizard, TheFieldsAreListedCheckedWithTheirAssociatedClasses) {
  Open();
  Inspect([](zolt::TdlgDataControls& d) {
    EXPECT_EQ(d.Caption(), "Zol-t datacontrols wizard");
    EXPECT_EQ(d.Owner(), Application);
    EXPECT_EQ(d.PageControl1->ActivePage(), d.TabSheet1);
    EXPECT_EQ(d.ActiveControl(), d.lstFields);
    EXPECT_FALSE(d.btnOK->Default());
    EXPECT_FALSE(d.btnCancel->Cancel());
    ASSERT_EQ(d.lstFields->Items()->Count(), 3);
    EXPECT_EQ(d.lstFields->Items()->Strings(0), "A (ftBoolean): TDBCheckBox");
    EXPECT_EQ(d.lstFields->Items()->Strings(1), "B (ftMemo): TDBMemo");
    EXPECT_EQ(d.lstFields->Items()->Strings(2), "C (ftGraphic): TDBImage");
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(d.lstFields->Checked(i));
    EXPECT_EQ(d.lstFields->ItemIndex(), 0);
    EXPECT_EQ(d.cbxFieldControl->Text(), "TDBCheckBox");
    EXPECT_FALSE(d.btnUp->Enabled());
    EXPECT_TRUE(d.btnDown->Enabled());
    EXPECT_EQ(d.btnUp->Hint(), "Move up (ctrl - up)");
    EXPECT_EQ(d.btnDown->NumGlyphs(), 2);
    EXPECT_EQ(d.btnDown->Glyph()->Width(), 32);
    // Out-of-range rows.
    EXPECT_FALSE(d.GetChecked(3));
    EXPECT_FALSE(d.GetChecked(-1));
    EXPECT_EQ(d.GetFieldIndex(3), -1);
    EXPECT_EQ(d.GetFieldControl(-1), "");
    // The palette's data-aware windowed classes, sorted; no grid, navigator or label.
    TStrings* items = d.cbxFieldControl->Items();
    EXPECT_EQ(items->Strings(0), "TDBCheckBox");
    EXPECT_GE(items->IndexOf("TDBRichEdit"), 0);
    EXPECT_LT(items->IndexOf("TDBNavigator"), 0);
    EXPECT_LT(items->IndexOf("TDBGrid"), 0);
    EXPECT_LT(items->IndexOf("TDBText"), 0);
    for (int i = 1; i < items->Count(); ++i) EXPECT_LT(CompareText(items->Strings(i - 1), items->Strings(i)), 0);
    EXPECT_EQ(d.cbxControl->Items()->Text(), items->Text());
    ASSERT_EQ(d.cbxContainer->Items()->Count(), 1);
    EXPECT_EQ(d.GetSelectedContainer()->Name(), "Panel1");
  });
  driver.Click("btnCancel");
  RunWizard();
  EXPECT_EQ(Get<TPanel>("Panel1")->ControlCount(), 0);
  EXPECT_TRUE(designer->IsModified());  // cancelled, and still modified
}

TEST_F(Wizard, CtrlArrowsMoveTheSelectedFieldWithItsCheckAndClass) {
  Open();
  driver.Press(VK_DOWN, kCtrl);
  Inspect([](zolt::TdlgDataControls& d) {
    EXPECT_EQ(d.lstFields->Items()->Strings(1), "A (ftBoolean): TDBCheckBox");
    EXPECT_EQ(d.lstFields->ItemIndex(), 1);
    EXPECT_TRUE(d.btnUp->Enabled());
    EXPECT_TRUE(d.btnDown->Enabled());
    EXPECT_EQ(d.GetFieldIndex(1), 0);
    EXPECT_EQ(d.GetFieldIndex(0), 1);
    EXPECT_EQ(d.GetFieldControl(1), "TDBCheckBox");
  });
  driver.ToggleCheck("lstFields", 1).Press(VK_DOWN, kCtrl).Press(VK_DOWN, kCtrl);  // the second stops at the end
  Inspect([](zolt::TdlgDataControls& d) {
    EXPECT_EQ(d.lstFields->ItemIndex(), 2);
    EXPECT_EQ(d.GetFieldIndex(2), 0);
    EXPECT_FALSE(d.lstFields->Checked(2));
    EXPECT_FALSE(d.btnDown->Enabled());
  });
  driver.Press(VK_UP, kCtrl);
  Inspect([](zolt::TdlgDataControls& d) {
    EXPECT_EQ(d.GetFieldIndex(1), 0);
    EXPECT_FALSE(d.lstFields->Checked(1));
    EXPECT_TRUE(d.lstFields->Checked(2));
  });
  // Ctrl+Shift+Up is no move; a plain Up moves the selection only.
  driver.Press(VK_UP, kCtrl | ShiftOf(ssShift));
  Inspect([](zolt::TdlgDataControls& d) { EXPECT_EQ(d.GetFieldIndex(1), 0); });
  driver.Click("btnCancel");
  RunWizard();
}

TEST_F(Wizard, EnterInTheClassBoxTakesTheClassForTheRowAndNeverClosesTheDialog) {
  Open();
  driver.Press(VK_DOWN, kCtrl).Enter("cbxFieldControl", "TDBEdit").Press(VK_RETURN);
  Inspect([](zolt::TdlgDataControls& d) {
    EXPECT_EQ(d.lstFields->Items()->Strings(1), "A (ftBoolean): TDBEdit");
    EXPECT_TRUE(d.lstFields->Checked(1));
    EXPECT_EQ(d.GetFieldControl(1), "TDBEdit");
    EXPECT_EQ(d.ModalResult(), mrNone);
    EXPECT_FALSE(d.btnOK->Default());
    EXPECT_EQ(d.cbxFieldControl->SelStart(), 0);
    EXPECT_EQ(d.cbxFieldControl->SelLength(), 7);
  });
  // Text typed without Enter is dropped when another row is selected.
  driver.Enter("cbxFieldControl", "TDBMemo").Select("lstFields", 0);
  Inspect([](zolt::TdlgDataControls& d) {
    EXPECT_EQ(d.GetFieldControl(1), "TDBEdit");
    EXPECT_EQ(d.cbxFieldControl->Text(), "TDBMemo");  // row 0 is B, a memo
    EXPECT_TRUE(d.btnOK->Default());                  // the box was left
  });
  driver.Press(VK_RETURN);  // now OK
  RunWizard();
  auto* panel = Get<TPanel>("Panel1");
  EXPECT_EQ(panel->ControlCount(), 6);
  EXPECT_TRUE(Get<TDBEdit>("A"));  // no stored prefixes: the field name alone
}

TEST_F(Wizard, TypingCompletesFromTheFirstMatchingClassButDeletingDoesNot) {
  Open();
  driver.Enter("cbxFieldControl", "").Type("t");
  Inspect([](zolt::TdlgDataControls& d) {
    EXPECT_EQ(d.cbxFieldControl->Text(), "TDBCheckBox");
    EXPECT_EQ(d.cbxFieldControl->SelStart(), 1);
    EXPECT_EQ(d.cbxFieldControl->SelLength(), 10);
  });
  driver.Type("d");
  Inspect([](zolt::TdlgDataControls& d) {
    EXPECT_EQ(d.cbxFieldControl->Text(), "TDBCheckBox");
    EXPECT_EQ(d.cbxFieldControl->SelStart(), 2);
  });
  driver.Press(VK_BACK);
  Inspect([](zolt::TdlgDataControls& d) { EXPECT_EQ(d.cbxFieldControl->Text(), "TD"); });  // the item's case
  driver.Type("bm");
  Inspect([](zolt::TdlgDataControls& d) { EXPECT_EQ(d.cbxFieldControl->Text(), "TDBMemo"); });
  driver.Press(VK_LEFT);  // moving the caret completes nothing
  Inspect([](zolt::TdlgDataControls& d) { EXPECT_EQ(d.cbxFieldControl->SelLength(), 0); });
  driver.Type("x");
  Inspect([](zolt::TdlgDataControls& d) { EXPECT_EQ(d.cbxFieldControl->Text(), "TDBMxemo"); });  // no match
  driver.Click("btnCancel");
  RunWizard();
}

TEST_F(Wizard, OKChecksEveryRowsClassTheCustomButtonsAndTheLabelClass) {
  Open();
  // An unchecked row whose class is not data-aware still blocks OK.
  driver.ToggleCheck("lstFields", 0).Enter("cbxFieldControl", "TEdit").Press(VK_RETURN);
  Inspect([](zolt::TdlgDataControls& d) { ExpectRefused(d, "TEdit has no DataSource property"); });
  driver.Enter("cbxFieldControl", "TDBNavigator").Press(VK_RETURN);
  Inspect([](zolt::TdlgDataControls& d) { ExpectRefused(d, "TDBNavigator has no DataField property"); });
  driver.Enter("cbxFieldControl", "TDBText").Press(VK_RETURN);
  Inspect([](zolt::TdlgDataControls& d) { ExpectRefused(d, "TDBText is not a TWinControl descendant"); });
  driver.Enter("cbxFieldControl", "TNoSuchEdit").Press(VK_RETURN);
  Inspect([](zolt::TdlgDataControls& d) { ExpectRefused(d, "Class TNoSuchEdit not found"); });
  driver.Enter("cbxFieldControl", "TDBEdit").Press(VK_RETURN);
  // Blank lines are skipped; a blank before a class name is part of the name.
  driver.Click("TabSheet2").Enter("mmoCustBtnControls", "TCheckBox\r   \r TDBCheckBox");
  Inspect([](zolt::TdlgDataControls& d) { ExpectRefused(d, "Class  TDBCheckBox not found"); });
  driver.Enter("mmoCustBtnControls", "TCheckBox\r   \rTEdit");
  Inspect([](zolt::TdlgDataControls& d) { ExpectRefused(d, "TEdit has no Alignment property"); });
  driver.Enter("mmoCustBtnControls", "TCheckBox\r   \rTDBCheckBox").Enter("edtLabel", "TEdit");
  Inspect([](zolt::TdlgDataControls& d) { ExpectRefused(d, "TEdit is not a TCustomLabel descendant"); });
  driver.Enter("edtLabel", "TDBText");
  Inspect([](zolt::TdlgDataControls& d) { ExpectRefused(d, "TDBText has no Caption property"); });
  driver.Enter("edtLabel", "TLabel");
  Inspect([](zolt::TdlgDataControls& d) {
    d.btnOKClick(d.btnOK);
    EXPECT_EQ(d.ModalResult(), mrOk);
  });
  RunWizard();
  EXPECT_TRUE(Get<TDBMemo>("B"));
  EXPECT_FALSE(Find("A"));  // unchecked
}

TEST_F(Wizard, RefreshRestoresOrderChecksAndTheCurrentAssociations) {
  Open();
  driver.ToggleCheck("lstFields", 0).Select("lstFields", 1).Press(VK_DOWN, kCtrl);
  driver.Click("Associations").Select("lstTypes", ftMemo);
  driver.Enter("cbxControl", "TDBRichEdit").Press(VK_RETURN);
  Inspect([](zolt::TdlgDataControls& d) {
    EXPECT_EQ(d.lstTypes->Items()->Strings(ftMemo), "ftMemo: TDBRichEdit");
    EXPECT_EQ(d.lstFields->Items()->Strings(2), "B (ftMemo): TDBMemo");  // untouched until refreshed
  });
  driver.Click("btnRefreshFields");
  Inspect([](zolt::TdlgDataControls& d) {
    EXPECT_EQ(d.lstFields->Items()->Strings(1), "B (ftMemo): TDBRichEdit");
    for (int i = 0; i < 3; ++i) {
      EXPECT_TRUE(d.lstFields->Checked(i));
      EXPECT_EQ(d.GetFieldIndex(i), i);
    }
    EXPECT_EQ(d.lstFields->ItemIndex(), 2);  // kept: above 0 and still there
    EXPECT_EQ(d.cbxFieldControl->Text(), "TDBImage");
  });
  driver.Click("btnCancel");
  RunWizard();
  // Not saved: the next dialog proposes the stored association again.
  EXPECT_EQ(Stored("DataControls", "ftMemo"), "(none)");
}

TEST_F(Wizard, AFormWithoutContainersDisablesOKForGood) {
  Open(wizard_test::kTableABC + wizard_test::kSource);
  Inspect([](zolt::TdlgDataControls& d) {
    EXPECT_FALSE(d.btnOK->Enabled());
    EXPECT_EQ(d.cbxContainer->Items()->Count(), 0);
    EXPECT_EQ(d.GetSelectedContainer(), nullptr);
  });
  driver.Click("TabSheet2").Click("btnSaveSettings");  // settings can still be saved
  Inspect([](zolt::TdlgDataControls& d) { EXPECT_FALSE(d.btnOK->Enabled()); });
  driver.Click("btnCancel");
  RunWizard();
  EXPECT_EQ(Stored("DataControls", "Label"), "TLabel");
}

TEST_F(Wizard, EveryKindOfContainerIsOfferedInTheOwnersOrder) {
  Open(
      "  object GroupBox1: TGroupBox\n    Left = 0\n    Top = 0\n    Width = 100\n    Height = 100\n"
      "    TabOrder = 0\n"
      "    object ScrollBox1: TScrollBox\n      Left = 0\n      Top = 0\n      Width = 50\n      Height = 50\n"
      "      TabOrder = 0\n    end\n  end\n"
      "  object RadioGroup1: TRadioGroup\n    Left = 100\n    Top = 0\n    Width = 100\n    Height = 100\n"
      "    TabOrder = 1\n  end\n"
      "  object PageControl1: TPageControl\n    Left = 0\n    Top = 100\n    Width = 200\n    Height = 100\n"
      "    ActivePage = TabSheet1\n    TabOrder = 2\n"
      "    object TabSheet1: TTabSheet\n      Caption = 'One'\n    end\n  end\n"
      "  object TabControl1: TTabControl\n    Left = 200\n    Top = 100\n    Width = 100\n    Height = 100\n"
      "    TabOrder = 3\n  end\n" +
      wizard_test::kTableABC + wizard_test::kSource);
  Inspect([](zolt::TdlgDataControls& d) {
    EXPECT_EQ(d.cbxContainer->Items()->CommaText(), "GroupBox1,ScrollBox1,TabSheet1,TabControl1");
    EXPECT_EQ(d.cbxContainer->ItemIndex(), 0);
  });
  driver.Click("btnCancel");
  RunWizard();
}

TEST_F(Wizard, TheQuestionMarkShowsTheAboutBox) {
  Open();
  driver.Click("SpeedButton1").Click("btnOK").Click("SpeedButton1").CloseForm().Click("btnCancel");
  RunWizard();
  EXPECT_EQ(driver.FormsShown(),
            (std::vector<std::string>{"dlgDataControls", "dlgZoltAbout", "dlgZoltAbout"}));
  EXPECT_TRUE(driver.Finished());
}

TEST_F(Wizard, ClosingByTheTitleBarCancels) {
  Open();
  driver.CloseForm();
  RunWizard();
  EXPECT_EQ(Get<TPanel>("Panel1")->ControlCount(), 0);
}

TEST_F(Wizard, WithoutDataAwareClassesOnThePaletteTypedClassesAreStillTaken) {
  Open();
  ide::TToolServices bare({{"Standard", {"TLabel", "TEdit"}}});
  struct Installed {
    host::TIToolServices* services = host::ToolServices();
    ~Installed() { host::SetToolServices(services); }
  } installed;
  host::SetToolServices(&bare);
  Inspect([](zolt::TdlgDataControls& d) {
    EXPECT_EQ(d.cbxFieldControl->Items()->Count(), 0);
    EXPECT_EQ(d.cbxControl->Items()->Count(), 0);
  });
  driver.Enter("cbxFieldControl", "TDBMemo").Press(VK_RETURN).Click("btnOK");
  RunWizard();
  EXPECT_TRUE(Get<TDBMemo>("A"));
}
