// The wizard's stored settings and associations: defaults, where each value lies, and what
// the two "&Save" buttons write.
#include "align/ZoltAlign.h"
#include "tests/datacontrols/wizard_fixture.h"

using namespace vcl;
using wizard_test::Wizard;

TEST_F(Wizard, AnEmptyStoreGivesTheDefaults) {
  Open();
  Inspect([](zolt::TdlgDataControls& d) {
    EXPECT_EQ(d.GetAppendText(), ":");
    EXPECT_EQ(d.GetLabelControl(), "TLabel");
    EXPECT_TRUE(d.GetAddLabels());
    EXPECT_FALSE(d.GetDecapitalize());
    EXPECT_FALSE(d.GetLabelsForCustomButtons());
    EXPECT_EQ(d.mmoCustBtnControls->Lines()->Count(), 3);
    EXPECT_EQ(d.mmoCustBtnControls->Lines()->Strings(2), "TDBCheckBox");
    EXPECT_EQ(d.GetCustomButtonControls(), "TCheckBox,TRadiobutton,TDBCheckBox");
    EXPECT_EQ(d.getWidthType(), 0);
    ASSERT_EQ(d.lstTypes->Items()->Count(), 30);
    EXPECT_EQ(d.lstTypes->Items()->Strings(0), "ftUnknown: TDBEdit");
    EXPECT_EQ(d.lstTypes->Items()->Strings(ftBoolean), "ftBoolean: TDBCheckBox");
    EXPECT_EQ(d.lstTypes->Items()->Strings(ftBlob), "ftBlob: TDBRichEdit");
    EXPECT_EQ(d.lstTypes->Items()->Strings(ftMemo), "ftMemo: TDBMemo");
    EXPECT_EQ(d.lstTypes->Items()->Strings(ftGraphic), "ftGraphic: TDBImage");
    EXPECT_EQ(d.lstTypes->Items()->Strings(29), "ftDataSet: TDBEdit");
    EXPECT_EQ(d.lstTypes->ItemIndex(), 0);
    EXPECT_EQ(d.cbxControl->Text(), "TDBEdit");
    EXPECT_EQ(d.GetDefaultAssoc("ftboolean"), "TDBEdit");  // identifiers compare exactly
  });
  driver.Click("btnCancel");
  RunWizard();
  EXPECT_EQ(Stored("DataControls", "Label"), "(none)");  // closing saves nothing
}

TEST_F(Wizard, StoredValuesAreReadFromTheirSectionsOnly) {
  Store("DataControls", "Append to label", " =");
  Store("DataControls", "Decapitalize", "1");
  Store("DataControls", "Width type", "1");
  Store("DataControls", "ftInteger", "TDBComboBox");
  // Values of the root key stored in the section are never read.
  Store("DataControls", "Label for custom button control", "1");
  Store("DataControls", "Custom button controls", "TCheckBox");
  Store("", "Custom button controls", "TDBCheckBox,\"T Odd\"");
  Open();
  Inspect([](zolt::TdlgDataControls& d) {
    EXPECT_EQ(d.GetAppendText(), " =");
    EXPECT_TRUE(d.GetDecapitalize());
    EXPECT_EQ(d.getWidthType(), 1);
    EXPECT_FALSE(d.GetLabelsForCustomButtons());
    EXPECT_EQ(d.mmoCustBtnControls->Lines()->Count(), 2);
    EXPECT_EQ(d.mmoCustBtnControls->Lines()->Strings(1), "T Odd");
    EXPECT_EQ(d.lstTypes->Items()->Strings(ftInteger), "ftInteger: TDBComboBox");
  });
  driver.Click("btnCancel");
  RunWizard();
}

TEST_F(Wizard, SavingTheSettingsChecksFirstAndSharesTheButtonListWithTheAlignTool) {
  Open();
  driver.Click("TabSheet2").Enter("edtLabel", "TEdit");
  Inspect([](zolt::TdlgDataControls& d) {
    EXPECT_THROW(d.btnSaveSettingsClick(d.btnSaveSettings), Exception);
  });
  driver.Enter("edtLabel", "TLabel").Click("chbCreateLabelCustBtn").Enter("edtAppend", "").Press(VK_DELETE).Click("btnSaveSettings");
  driver.Click("btnCancel");
  RunWizard();
  EXPECT_EQ(Stored("DataControls", "Append to label"), "");
  EXPECT_EQ(Stored("DataControls", "Label"), "TLabel");
  EXPECT_EQ(Stored("DataControls", "Add labels"), "1");
  EXPECT_EQ(Stored("DataControls", "Decapitalize"), "0");
  EXPECT_EQ(Stored("", "Label for custom button control"), "1");
  EXPECT_EQ(Stored("", "Custom button controls"), "TCheckBox,TRadiobutton,TDBCheckBox");
  EXPECT_EQ(Stored("DataControls", "Width type"), "0");
  EXPECT_EQ(Stored("DataControls", "ftBoolean"), "(none)");  // associations are saved apart
  bool fit, special;
  int columns, a, b, c, e, f, g, h;
  std::string exclude, buttons;
  zolt::ReadAlignFromRegistry("TPanel", fit, columns, a, b, c, e, f, g, h, exclude, buttons, special);
  EXPECT_EQ(buttons, "TCheckBox,TRadiobutton,TDBCheckBox");
}

TEST_F(Wizard, SavingTheAssociationsWritesAllThirtyUnchecked) {
  Open();
  driver.Click("Associations").Select("lstTypes", ftString).Enter("cbxControl", "TNoSuchClass").Press(VK_RETURN);
  driver.Click("btnSaveAssoc").Click("btnCancel");
  RunWizard();
  host::TRegIniFile store("Software\\Borland\\Delphi\\Zol-t");
  TStringList values;
  store.ReadSectionValues("DataControls", values);
  ASSERT_EQ(values.Count(), 30);
  EXPECT_EQ(values.Strings(0), "ftUnknown=TDBEdit");
  EXPECT_EQ(values.Values("ftString"), "TNoSuchClass");
  EXPECT_EQ(values.Values("ftGraphic"), "TDBImage");
  EXPECT_EQ(values.Strings(29), "ftDataSet=TDBEdit");
}
