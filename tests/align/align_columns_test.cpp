// Column layout: order, column breaks in both modes, label and caption placement, measures.
#include <fmt/format.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "align/ZoltAlign.h"
#include "ide/scripted_driver.h"
#include "vcl/extctrls.h"
#include "vcl/forms.h"
#include "vcl/stdctrls.h"
#include "vcl/text_metrics.h"

using namespace vcl;

namespace {

// The stored defaults: offsets 8, 8, 4, 4, 2; button width 15, offset -2.
struct Layout {
  bool verticalFit = true;
  int columns = 1;
  int horColumnOffset = 8;
  int vertColumnOffset = 8;
  int horLabelOffset = 4;
  int vertControlOffset = 4;
  int vertLabelOffset = 2;
  int customButtonWidth = 15;
  int customButtonOffset = -2;
  std::string customButtonControls = "TCheckBox,TRadiobutton,TDBCheckBox";
};

Layout FixedColumns(int columns) {
  Layout fixed;
  fixed.verticalFit = false;
  fixed.columns = columns;
  return fixed;
}

class AlignTest : public ::testing::Test {
protected:
  void SetUp() override {
    panel = new TPanel(&form);
    panel->SetName("Panel1");
    panel->SetParent(&form);
    panel->SetBounds(0, 0, 400, 200);
  }

  template <class T>
  T* Add(const std::string& name, int width, int height) {
    auto* control = new T(&form);
    control->SetName(name);
    control->SetAutoSize(false);
    control->SetParent(panel);
    control->SetBounds(300, 150, width, height);
    return control;
  }
  TEdit* Edit(const std::string& name, int width = 100, int height = 21) { return Add<TEdit>(name, width, height); }
  TCheckBox* Check(const std::string& name, const std::string& caption, int height = 17) {
    auto* box = Add<TCheckBox>(name, 97, height);
    box->SetCaption(caption);
    return box;
  }
  TLabel* LabelFor(TWinControl* control, int width, const std::string& name = "") {
    auto* label = new TLabel(&form);
    label->SetName(name.empty() ? "lbl" + control->Name() : name);
    label->SetAutoSize(false);
    label->SetParent(panel);
    label->SetBounds(350, 180, width, 13);
    label->SetFocusControl(control);
    return label;
  }
  void Run(const std::string& names, const Layout& l = Layout()) {
    zolt::Align(panel, l.verticalFit, l.columns, l.horColumnOffset, l.vertColumnOffset, l.horLabelOffset,
                l.vertControlOffset, l.vertLabelOffset, l.customButtonWidth, l.customButtonOffset, names,
                l.customButtonControls, true);
  }

  TForm form{nullptr};
  TPanel* panel = nullptr;
  ide::TScriptedDriver driver;  // raises on any message box the test did not expect
};

// A control's left and top.
using Spot = std::pair<int, int>;
Spot At(const TControl* control) { return {control->Left(), control->Top()}; }

TEST_F(AlignTest, LabelsGoLeftOfTheirControlsAndCustomButtonsTakeTheLabelColumn) {
  TEdit* first = Edit("edtFirst", 121);
  TLabel* firstLabel = LabelFor(first, 40);
  TEdit* second = Edit("edtSecond", 60);
  TLabel* secondLabel = LabelFor(second, 55);
  TCheckBox* check = Check("chbActive", "0123456789");  // ten digits of 6 pixels
  ASSERT_EQ(MeasureTextWidth(*check->Font(), check->Caption()), 60);
  ASSERT_EQ(check->Alignment(), taRightJustify);

  Run("edtFirst,edtSecond,chbActive");

  EXPECT_EQ(At(first), Spot(72, 8));
  EXPECT_EQ(At(firstLabel), Spot(8, 10));
  EXPECT_EQ(At(second), Spot(72, 33));
  EXPECT_EQ(At(secondLabel), Spot(8, 35));
  EXPECT_EQ(At(check), Spot(6, 58));
  EXPECT_EQ(check->Width(), 79);
  EXPECT_EQ(check->Alignment(), taLeftJustify);
  EXPECT_EQ(first->Width(), 121) << "ordinary controls keep their width";
  EXPECT_EQ(first->Height(), 21);
  EXPECT_EQ(firstLabel->Width(), 40);
  EXPECT_EQ(firstLabel->Height(), 13);
}

TEST_F(AlignTest, FixedColumnsShareTheTotalHeightAndTheLastColumnTakesTheRest) {
  std::vector<TEdit*> edits;
  for (int i = 1; i <= 5; ++i) edits.push_back(Edit("Edit" + std::to_string(i)));
  Layout fixed = FixedColumns(2);

  Run("Edit1,Edit2,Edit3,Edit4,Edit5", fixed);

  // Limit 125 / 2 = 62: the third control would reach 71 and opens the second column, whose
  // left edge lies one column width (8 + 0 + 4 + 100) further right.
  EXPECT_EQ(At(edits[0]), Spot(8, 8));
  EXPECT_EQ(At(edits[1]), Spot(8, 33));
  EXPECT_EQ(At(edits[2]), Spot(120, 8));
  EXPECT_EQ(At(edits[3]), Spot(120, 33));
  EXPECT_EQ(At(edits[4]), Spot(120, 58));
}

TEST_F(AlignTest, ColumnCountsBelowOneLayOutOneColumn) {
  for (int columns : {0, -3}) {
    std::vector<TEdit*> edits;
    for (int i = 1; i <= 3; ++i) edits.push_back(Edit(fmt::format("E{}_{}", columns + 10, i)));
    Layout fixed = FixedColumns(columns);
    std::string names;
    for (TEdit* edit : edits) names += edit->Name() + ",";
    Run(names, fixed);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(At(edits[i]), Spot(8, 8 + 25 * i)) << "columns " << columns;
    for (TEdit* edit : edits) delete edit;
  }
}

TEST_F(AlignTest, TabOrderAloneDecidesTheStackingOrder) {
  TEdit* a = Edit("edtA");
  TEdit* b = Edit("edtB");
  TEdit* c = Edit("edtC");
  c->SetTabOrder(0);
  a->SetTabOrder(1);
  b->SetTabOrder(2);

  Run("EDTB, edta, edtC");  // names match ignoring case, in any order

  EXPECT_EQ(c->Top(), 8);
  EXPECT_EQ(a->Top(), 33);
  EXPECT_EQ(b->Top(), 58);
}

TEST_F(AlignTest, ControlsLabelsAndNamesInUnrelatedOrdersStillFindEachOther) {
  // Tab order, the labels' order and the list's order all differ; every fifth control has no
  // label, one is left out of the list and one name is listed twice.
  constexpr int kCount = 30;
  std::vector<TEdit*> edits;
  for (int i = 0; i < kCount; ++i) edits.push_back(Edit(fmt::format("e{}", i)));
  for (int i = 0; i < kCount; ++i) edits[i]->SetTabOrder((i * 7) % kCount);  // shuffles the tab order
  std::vector<TLabel*> labels(kCount, nullptr);
  for (int k = 0; k < kCount; ++k) {
    int i = (k * 11) % kCount;
    if (i % 5 != 0) labels[i] = LabelFor(edits[i], 40);
  }
  std::string names = "e3,";
  for (int i = kCount - 1; i >= 0; --i) names += i == 13 ? std::string(",") : edits[i]->Name() + ",";

  Run(names, FixedColumns(1));

  for (int i = 0; i < kCount; ++i) {
    SCOPED_TRACE(edits[i]->Name());
    if (i == 13) {
      EXPECT_EQ(At(edits[i]), Spot(300, 150));
      EXPECT_EQ(At(labels[i]), Spot(350, 180));
      continue;
    }
    // One column stacked by tab order, the left-out control taking no place.
    int above = edits[i]->TabOrder() - (edits[i]->TabOrder() > edits[13]->TabOrder() ? 1 : 0);
    EXPECT_EQ(At(edits[i]), Spot(8 + 40 + 4, 8 + above * (21 + 4)));
    if (labels[i]) {
      EXPECT_EQ(At(labels[i]), Spot(8, edits[i]->Top() + 2));
    }
  }
}

TEST_F(AlignTest, VerticalFitBreaksOnlyPastTheLimit) {
  // Height 62 gives the limit 46: the second control reaches exactly 25 + 21 = 46 and stays.
  panel->SetHeight(62);
  TEdit* a = Edit("edtA");
  TEdit* b = Edit("edtB");
  TEdit* c = Edit("edtC");
  Run("edtA,edtB,edtC");
  EXPECT_EQ(At(a), Spot(8, 8));
  EXPECT_EQ(At(b), Spot(8, 33));
  EXPECT_EQ(At(c), Spot(120, 8));

  panel->SetHeight(61);
  Run("edtA,edtB,edtC");
  EXPECT_EQ(At(a), Spot(8, 8));
  EXPECT_EQ(At(b), Spot(120, 8));
  EXPECT_EQ(At(c), Spot(232, 8)) << "in vertical-fit mode the number of columns is unbounded";
}

TEST_F(AlignTest, AControlTallerThanTheLimitGetsAColumnOfItsOwn) {
  TEdit* tall = Edit("mmoTall", 50, 300);
  TEdit* next = Edit("edtNext", 70);
  TEdit* last = Edit("edtLast", 70);

  Run("mmoTall,edtNext,edtLast");

  // The first column stays empty but still takes 8 + 4 pixels.
  EXPECT_EQ(At(tall), Spot(20, 8));
  // The tall column is 8 + 0 + 4 + 50 wide.
  EXPECT_EQ(At(next), Spot(82, 8));
  EXPECT_EQ(At(last), Spot(82, 33));
}

TEST_F(AlignTest, WithoutLabelsControlsSitAtTheColumnEdgeButCaptionsStillWidenTheColumn) {
  Layout fixed = FixedColumns(2);
  TCheckBox* check = Check("chbA", "0123456789");
  TEdit* edit = Edit("edtB", 100, 17);
  TEdit* other = Edit("edtC", 100, 17);
  TEdit* fourth = Edit("edtD", 100, 17);

  Run("chbA,edtB,edtC,edtD", fixed);

  EXPECT_EQ(At(check), Spot(8, 8));
  EXPECT_EQ(check->Width(), 97) << "no label: the check box keeps its width";
  EXPECT_EQ(check->Alignment(), taRightJustify);
  EXPECT_EQ(At(edit), Spot(8, 29));
  // First column: 8 + 60 (caption) + 4 + 100.
  EXPECT_EQ(At(other), Spot(180, 8));
  EXPECT_EQ(At(fourth), Spot(180, 29));
}

TEST_F(AlignTest, OneLabelAnywhereShiftsOrdinaryControlsInEveryColumn) {
  Layout fixed = FixedColumns(2);
  TEdit* a = Edit("edtA");
  LabelFor(a, 30);
  TEdit* b = Edit("edtB");
  TRadioButton* radio = Add<TRadioButton>("radC", 80, 21);
  radio->SetCaption("1");

  Run("edtA,edtB,radC", fixed);

  EXPECT_EQ(At(a), Spot(8 + 30 + 4, 8));
  // The second column starts at 8 + (8 + 30 + 4 + 100) = 150; it has no label, only a
  // 6-pixel caption.
  EXPECT_EQ(At(b), Spot(150 + 6 + 4, 8));
  EXPECT_EQ(At(radio), Spot(150 - 2, 33));
  EXPECT_EQ(radio->Width(), 6 + 4 + 15);
  EXPECT_EQ(radio->Alignment(), taLeftJustify) << "'TRadiobutton' matches TRadioButton";
}

TEST_F(AlignTest, SeveralLabelsLandOnTheSameSpotAndForeignLabelsStay) {
  TEdit* edit = Edit("edtA");
  TLabel* one = LabelFor(edit, 20, "lblOne");
  TLabel* two = LabelFor(edit, 50, "lblTwo");
  TEdit* unlisted = Edit("edtUnlisted");
  TLabel* foreign = LabelFor(unlisted, 30);
  TLabel* loose = LabelFor(edit, 30, "lblLoose");
  loose->SetFocusControl(nullptr);

  Run("edtA,lblOne,lblLoose");

  EXPECT_EQ(At(edit), Spot(8 + 50 + 4, 8));
  EXPECT_EQ(At(one), Spot(8, 10));
  EXPECT_EQ(At(two), Spot(8, 10));
  EXPECT_EQ(one->Width(), 20);
  EXPECT_EQ(At(foreign), Spot(350, 180));
  EXPECT_EQ(At(loose), Spot(350, 180)) << "named in the list, but labels are never laid out as controls";
  EXPECT_EQ(At(unlisted), Spot(300, 150));
}

TEST_F(AlignTest, AutoSizedLabelsKeepTheirSize) {
  TEdit* edit = Edit("edtA");
  auto* label = new TLabel(&form);
  label->SetParent(panel);
  label->SetCaption("&Customer:");
  label->SetFocusControl(edit);
  int width = label->Width(), height = label->Height();
  ASSERT_GT(width, 0);

  Run("edtA");

  EXPECT_EQ(At(label), Spot(8, 10));
  EXPECT_EQ(label->Width(), width);
  EXPECT_EQ(label->Height(), height);
  EXPECT_EQ(At(edit), Spot(8 + width + 4, 8));
}

TEST_F(AlignTest, CaptionsAreMeasuredInTheControlsOwnFont) {
  TEdit* edit = Edit("edtA");
  LabelFor(edit, 10);
  TCheckBox* check = Check("chbB", "abcdefghij");
  check->Font()->SetName("Courier New");  // fixed pitch: 7 pixels a character
  ASSERT_EQ(MeasureTextWidth(*check->Font(), check->Caption()), 70);

  Run("edtA,chbB");

  EXPECT_EQ(edit->Left(), 8 + 70 + 4);
  EXPECT_EQ(check->Width(), 70 + 4 + 15);
}

TEST_F(AlignTest, CustomButtonsWithoutAlignmentOrCaptionAreStillPlaced) {
  Layout l;
  l.customButtonControls = "TCheckBox,TButton,TListBox";
  TEdit* edit = Edit("edtA", 100);
  LabelFor(edit, 30);
  auto* button = Add<TButton>("btnGo", 75, 25);
  button->SetCaption("12");
  auto* captionless = Add<TListBox>("lbxWide", 200, 21);

  driver.Answer(mrOk).Answer(mrOk);

  Run("edtA,btnGo,lbxWide", l);

  // The button's caption counts; the list box has no caption, and the width of neither counts.
  EXPECT_EQ(At(button), Spot(6, 33));
  EXPECT_EQ(button->Width(), 30 + 4 + 15);
  EXPECT_EQ(At(captionless), Spot(6, 62));
  EXPECT_EQ(captionless->Width(), 30 + 4 + 15);
  ASSERT_EQ(driver.Messages().size(), 2u);
  EXPECT_EQ(driver.Messages()[0].Text, "Could not set align property of btnGo");
  EXPECT_EQ(driver.Messages()[1].Text, "Could not set align property of lbxWide");
  for (const ide::TShownMessage& message : driver.Messages()) {
    EXPECT_EQ(message.Type, mtError);
    EXPECT_EQ(message.Buttons, MsgDlgButtonOf(mbOK));
  }
}

TEST_F(AlignTest, UnknownNamesAndAnEmptyListMoveNothing) {
  TEdit* edit = Edit("edtA");
  Run("");
  Run("edtMissing,\"\"");
  EXPECT_EQ(At(edit), Spot(300, 150));
  Run("edtMissing,edtA");
  EXPECT_EQ(At(edit), Spot(8, 8));
}

TEST_F(AlignTest, TheContainersOwnAlignmentStillHoldsAfterwards) {
  TEdit* edit = Edit("edtA");
  auto* footer = Add<TPanel>("pnlFooter", 50, 30);
  footer->SetAlign(alBottom);
  Spot aligned = At(footer);  // at the bottom, inside the panel's bevel
  int width = footer->Width();
  ASSERT_GT(aligned.second, 150);

  Run("edtA,pnlFooter");

  EXPECT_EQ(At(edit), Spot(8, 8));
  EXPECT_EQ(At(footer), aligned) << "a bottom-aligned child goes back to the bottom";
  EXPECT_EQ(footer->Width(), width);
  auto* header = Add<TPanel>("pnlHeader", 50, 20);
  header->SetAlign(alTop);
  EXPECT_EQ(header->Width(), width) << "the container aligns its children again";
}

TEST_F(AlignTest, TabOrdersPastFourDigitsStillStackInOrder) {
  panel->DisableAlign();
  std::vector<TEdit*> edits;
  std::string names;
  for (int i = 0; i <= 10000; ++i) {
    auto* edit = new TEdit(&form);
    edit->SetName(fmt::format("E{}", i));
    edit->SetAutoSize(false);
    edit->SetBounds(0, 0, 10, 1);
    edit->SetParent(panel);
    edits.push_back(edit);
    names += edit->Name() + ',';
  }
  panel->EnableAlign();
  Layout fixed = FixedColumns(1);
  fixed.vertControlOffset = 0;

  Run(names, fixed);

  EXPECT_EQ(edits[9999]->Top(), 8 + 9999);
  EXPECT_EQ(edits[10000]->Top(), 8 + 10000) << "tab order 10000 comes after 9999";
}

}  // namespace
