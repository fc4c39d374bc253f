// What the wizard creates: names, captions, widths, bindings, labels, custom button
// controls, the layout, the selection, and the failures that end a run.
#include "datacontrols/DataControlsEditor.h"
#include "tests/datacontrols/wizard_fixture.h"
#include "vcl/class_builder.h"
#include "vcl/db/dbctrls.h"
#include "vcl/text_metrics.h"

using namespace vcl;
using wizard_test::Wizard;

namespace {

const std::string kCustNo =
    "  object Table1: TTable\n    DatabaseName = 'none.db'\n    TableName = 'T'\n"
    "    object Table1CustNo: TStringField\n      DisplayLabel = 'Customer Number'\n"
    "      FieldName = 'Cust No'\n      Size = 10\n    end\n"
    "  end\n";

// Fields of widths 10 (Name), 25 (City, unchecked below) and 5 (Paid).
const std::string kThree =
    "  object Table1: TTable\n    DatabaseName = 'none.db'\n    TableName = 'T'\n"
    "    object Table1Name: TStringField\n      FieldName = 'Name'\n      Size = 10\n    end\n"
    "    object Table1City: TStringField\n      FieldName = 'City'\n      Size = 25\n    end\n"
    "    object Table1Paid: TBooleanField\n      FieldName = 'Paid'\n    end\n"
    "  end\n";

std::string Names(const TComponentList& list) {
  std::string names;
  for (int i = 0; i < list.Count(); ++i) names += (i ? "," : "") + list.Items(i)->Name();
  return names;
}

// A windowed control whose DataSource is text: it passes the dialog's check, but the
// wizard cannot bind it.
class TOddDataControl : public TWinControl {
  VCL_CLASS(TOddDataControl, TWinControl)
  using TWinControl::TWinControl;
  std::string DataSourceText, DataFieldText;
  const std::string& DataSource() const { return DataSourceText; }
  void SetDataSource(const std::string& v) { DataSourceText = v; }
  const std::string& DataField() const { return DataFieldText; }
  void SetDataField(const std::string& v) { DataFieldText = v; }
};

TClass TOddDataControl::ClassInfo() {
  static TClass cls = TClassBuilder<TOddDataControl>("TOddDataControl", TWinControl::ClassInfo())
                          .Creatable()
                          .String("DataSource", &TOddDataControl::DataSource, &TOddDataControl::SetDataSource)
                          .String("DataField", &TOddDataControl::DataField, &TOddDataControl::SetDataField)
                          .Build();
  return cls;
}

}  // namespace

TEST_F(Wizard, TheVerbIsOfferedOnFormsOnly) {
  Open();
  auto editor = Editor();
  ASSERT_EQ(editor->GetVerbCount(), 1);
  EXPECT_EQ(editor->GetVerb(0), "Data controls wizard");
  EXPECT_EQ(editor->GetVerb(1), "");
  editor->ExecuteVerb(1);  // nothing, not even a dialog
  EXPECT_TRUE(driver.FormsShown().empty());
  EXPECT_FALSE(designer->IsModified());

  designer.reset();
  std::ofstream(dir / "Data1.dfm") << "object Data1: TDataModule\n  Left = 0\n  Top = 0\n" + wizard_test::kTableABC +
                                          wizard_test::kSource + "end\n";
  designer = ide::TFormDesigner::Open((dir / "Data1.dfm").string());
  editor = Editor();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->GetVerbCount(), 0);
  EXPECT_EQ(editor->GetVerb(0), "");
  editor->ExecuteVerb(0);
  EXPECT_TRUE(driver.FormsShown().empty());
}

TEST_F(Wizard, ADataSourceWithoutDataSetOnlySaysSo) {
  Open(wizard_test::kPanel + "  object DataSource1: TDataSource\n  end\n");
  driver.Answer(mrOk);
  RunWizard();
  ASSERT_EQ(driver.Messages().size(), 1u);
  EXPECT_EQ(driver.Messages()[0].Text, "No dataset assigned");
  EXPECT_EQ(driver.Messages()[0].Type, mtError);
  EXPECT_EQ(driver.Messages()[0].Buttons, MsgDlgButtonOf(mbOK));
  EXPECT_TRUE(driver.FormsShown().empty());
  EXPECT_FALSE(designer->IsModified());
}

TEST_F(Wizard, TheCustNoExampleWithPrefixes) {
  Store("Prefix", "TDBEdit", "dbe");
  Store("Prefix", "TLabel", "lbl");
  Open(wizard_test::kPanel + kCustNo + wizard_test::kSource);
  driver.Click("btnOK");
  RunWizard();
  auto* edit = Get<TDBEdit>("dbeCust_no");
  auto* label = Get<TLabel>("lblCust_No");
  ASSERT_TRUE(edit && label);
  EXPECT_EQ(edit->Name(), "dbeCust_no");
  EXPECT_EQ(label->Name(), "lblCust_No");
  EXPECT_EQ(label->Caption(), "Customer number:");
  EXPECT_EQ(label->FocusControl(), edit);
  EXPECT_EQ(edit->DataSource(), Find("DataSource1"));
  EXPECT_EQ(edit->DataField(), "Cust No");
  EXPECT_EQ(edit->Parent(), Find("Panel1"));
  EXPECT_EQ(edit->Width(), 121);  // default width type: the class's own size
  // Laid out by the stored (default) align settings: margin 8, label, gap 4.
  EXPECT_EQ(label->Left(), 8);
  EXPECT_EQ(label->Top(), 10);
  EXPECT_EQ(edit->Left(), 8 + label->Width() + 4);
  EXPECT_EQ(edit->Top(), 8);
  TComponentList selection;
  designer->GetSelections(selection);
  EXPECT_EQ(Names(selection), "dbeCust_no,lblCust_No");
  EXPECT_TRUE(designer->IsModified());
}

TEST_F(Wizard, DecapitalizeKeepsTheDisplayNamesCase) {
  Open(wizard_test::kPanel + kCustNo + wizard_test::kSource);
  driver.Click("TabSheet2").Click("chbDecapitalize").Click("btnOK");
  RunWizard();
  // No prefixes: the label's proposal Cust_No is taken by the control (names ignore case).
  ASSERT_TRUE(Get<TDBEdit>("Cust_no"));
  EXPECT_EQ(Find("Cust_no")->Name(), "Cust_no");
  auto* label = Get<TLabel>("Cust_No1");
  ASSERT_TRUE(label);
  EXPECT_EQ(label->Caption(), "Customer Number:");
}

TEST_F(Wizard, NamesKeepOnlyAsciiLettersDigitsAndUnderscoresWhileCaptionsKeepAll) {
  Open(wizard_test::kPanel +
       "  object Table1: TTable\n    DatabaseName = 'none.db'\n    TableName = 'T'\n"
       "    object Table1Strasse: TStringField\n      FieldName = '\xC3\x84RZTE.NR'\n      Size = 10\n    end\n"
       "  end\n" + wizard_test::kSource);
  driver.Click("btnOK");
  RunWizard();
  // Capitalized, then the umlaut and the full stop dropped.
  ASSERT_TRUE(Find("rztenr"));
  EXPECT_EQ(Find("rztenr")->Name(), "rztenr");
  auto* label = Get<TLabel>("RZTENR1");  // RZTENR is taken, ignoring case
  ASSERT_TRUE(label);
  EXPECT_EQ(label->Name(), "RZTENR1");
  EXPECT_EQ(label->Caption(), "\xC3\x84rzte.nr:");
}

TEST_F(Wizard, WidthsFromTheDisplayWidthOrTheLargestCheckedOne) {
  StorePrefixes();
  Open(wizard_test::kPanel + kThree + wizard_test::kSource);
  driver.Click("TabSheet2");
  ChooseWidth(1);
  driver.Click("btnOK");
  RunWizard();
  int zero = MeasureTextWidth(*Get<TPanel>("Panel1")->Font(), "0");
  EXPECT_EQ(zero, 6);
  EXPECT_EQ(Get<TControl>("dbeName")->Width(), 69);  // (10 + 1) * 6 + 3
  EXPECT_EQ(Get<TControl>("dbeCity")->Width(), (25 + 1) * 6 + 3);
}

TEST_F(Wizard, TheLargestWidthCountsCheckedFieldsOnlyAndCustomButtonsCarryTheirCaption) {
  StorePrefixes();
  Open(wizard_test::kPanel + kThree + wizard_test::kSource);
  driver.ToggleCheck("lstFields", 1);  // City, the widest
  driver.Click("TabSheet2");
  ChooseWidth(2);
  driver.Enter("mmoCustBtnControls", "tdbcheckbox");  // matched ignoring case
  driver.Click("btnOK");
  RunWizard();
  EXPECT_FALSE(Find("dbeCity"));
  EXPECT_EQ(Get<TControl>("dbeName")->Width(), 69);  // Name 10 wins over Paid 5
  auto* box = Get<TDBCheckBox>("dbchbPaid");
  ASSERT_TRUE(box);
  EXPECT_EQ(box->Caption(), "Paid:");
  EXPECT_EQ(box->Alignment(), taLeftJustify);
  EXPECT_FALSE(Find("lblPaid"));  // a custom button control gets no label by default
  TComponentList selection;
  designer->GetSelections(selection);
  EXPECT_EQ(Names(selection), "dbeName,lblName,dbchbPaid");
  // The check box takes a label's place in the label column.
  EXPECT_EQ(box->Left(), 8 - 2);
  EXPECT_EQ(box->Top(), 8 + 21 + 4);
}

TEST_F(Wizard, LabelsForCustomButtonsAndNoLabelsAtAll) {
  StorePrefixes();
  Open(wizard_test::kPanel + kThree + wizard_test::kSource);
  driver.Click("TabSheet2").Click("chbCreateLabelCustBtn").Click("btnOK");
  RunWizard();
  auto* label = Get<TLabel>("lblPaid");
  ASSERT_TRUE(label);
  EXPECT_EQ(label->FocusControl(), Find("dbchbPaid"));
  EXPECT_EQ(Get<TDBCheckBox>("dbchbPaid")->Caption(), "Paid:");

  designer.reset();
  StorePrefixes();
  Open(wizard_test::kPanel + kThree + wizard_test::kSource);
  driver.Click("TabSheet2").Click("chbAddLabels").Click("btnOK");
  RunWizard();
  auto* panel = Get<TPanel>("Panel1");
  for (int i = 0; i < panel->ControlCount(); ++i) EXPECT_FALSE(panel->Controls(i)->Is<TLabel>());
  EXPECT_EQ(panel->ControlCount(), 3);
  EXPECT_EQ(Get<TControl>("dbeName")->Left(), 8);  // no label anywhere: the column's edge
}

TEST_F(Wizard, PrefixesFollowTheCreatedClassNotTheTypedName) {
  StorePrefixes();
  Open(wizard_test::kPanel + kThree + wizard_test::kSource);
  driver.Enter("cbxFieldControl", "").Type("tdbedi").Press(VK_RETURN);  // completed to TDBEdit
  driver.Select("lstFields", 2).Enter("cbxFieldControl", "tdbedit").Press(VK_DELETE).Press(VK_RETURN);
  driver.Click("btnOK");
  RunWizard();
  EXPECT_TRUE(Get<TDBEdit>("dbeName"));
  EXPECT_TRUE(Get<TDBEdit>("dbePaid"));  // typed "tdbedit": the class's own name finds the prefix
}

TEST_F(Wizard, NothingCheckedCreatesNothingAndEmptiesTheSelection) {
  Open();
  driver.ToggleCheck("lstFields", 0).ToggleCheck("lstFields", 1).ToggleCheck("lstFields", 2).Click("btnOK");
  RunWizard();
  EXPECT_EQ(Get<TPanel>("Panel1")->ControlCount(), 0);
  TComponentList selection;
  designer->GetSelections(selection);
  EXPECT_EQ(selection.Count(), 0);
  EXPECT_TRUE(designer->IsModified());
}

TEST_F(Wizard, ARowThatCannotBeBoundEndsTheRunAndEarlierRowsStay) {
  RegisterClass(TOddDataControl::ClassInfo());
  StorePrefixes();
  Open(wizard_test::kPanel + kThree + wizard_test::kSource);
  driver.Select("lstFields", 1).Enter("cbxFieldControl", "TOddDataControl").Press(VK_RETURN).Click("btnOK");
  try {
    RunWizard();
    ADD_FAILURE() << "the run did not fail";
  } catch (const Exception& e) {
    EXPECT_EQ(std::string(e.what()), "TOddDataControl has no DataSource property");
  }
  UnRegisterClass(TOddDataControl::ClassInfo());
  EXPECT_TRUE(Find("dbeName"));
  EXPECT_TRUE(Find("lblName"));
  EXPECT_FALSE(Find("OddDataControl1"));  // destroyed at once
  EXPECT_FALSE(Find("City"));
  EXPECT_FALSE(Find("dbchbPaid"));   // the remaining rows are skipped
  EXPECT_EQ(Get<TControl>("dbeName")->Left(), 0);  // and the layout
  for (int i = 0; i < Application->ComponentCount(); ++i)  // the dialog is gone
    EXPECT_FALSE(Application->Components(i)->Is<zolt::TdlgDataControls>());
}

TEST_F(Wizard, TheSavedFormLoadsAgainWithItsControlsAndTheUnitGainsTheirFields) {
  std::ofstream(dir / "Form1.pas") << "unit Form1;\n\ninterface\n\nuses Forms, Db, DBTables, ExtCtrls;\n\n"
                                      "type\n  TForm1 = class(TForm)\n    Panel1: TPanel;\n    Table1: TTable;\n"
                                      "    Table1Name: TStringField;\n    Table1City: TStringField;\n"
                                      "    Table1Paid: TBooleanField;\n    DataSource1: TDataSource;\n"
                                      "  end;\n\nvar\n  Form1: TForm1;\n\nimplementation\n\n{$R *.DFM}\n\nend.\n";
  StorePrefixes();
  Open(wizard_test::kPanel + kThree + wizard_test::kSource);
  driver.Click("btnOK");
  RunWizard();
  int left = Get<TControl>("dbeCity")->Left(), top = Get<TControl>("dbeCity")->Top();
  designer->Save();
  designer.reset();
  designer = ide::TFormDesigner::Open((dir / "Form1.dfm").string());
  auto* edit = Get<TDBEdit>("dbeCity");
  ASSERT_TRUE(edit);
  EXPECT_EQ(edit->DataSource(), Find("DataSource1"));
  EXPECT_EQ(edit->DataField(), "City");
  EXPECT_EQ(edit->Left(), left);
  EXPECT_EQ(edit->Top(), top);
  EXPECT_EQ(Get<TLabel>("lblCity")->FocusControl(), edit);
  std::ifstream in(dir / "Form1.pas");
  std::string unit((std::istreambuf_iterator<char>(in)), {});
  EXPECT_NE(unit.find("dbeCity: TDBEdit;"), std::string::npos);
  EXPECT_NE(unit.find("lblCity: TLabel;"), std::string::npos);
  EXPECT_NE(unit.find("dbchbPaid: TDBCheckBox;"), std::string::npos);
  // Saved again unchanged, the form is the same byte for byte.
  std::ifstream first(dir / "Form1.dfm");
  std::string before((std::istreambuf_iterator<char>(first)), {});
  designer->Save();
  std::ifstream second(dir / "Form1.dfm");
  EXPECT_EQ(std::string((std::istreambuf_iterator<char>(second)), {}), before);
}
