// Controls: children order, tab order, inherited fonts and colours, auto-sizing labels,
// alignment, ownership on destruction, published properties and default sizes.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "vcl/buttons.h"
#include "vcl/checklst.h"
#include "vcl/comctrls.h"
#include "vcl/extctrls.h"
#include "vcl/forms.h"
#include "vcl/spin.h"
#include "vcl/stdctrls.h"
#include "vcl/text_metrics.h"
#include "vcl/actnlist.h"

using namespace vcl;

namespace {

template <class T>
T* Make(TComponent* owner, TWinControl* parent, const std::string& name = "") {
  auto* control = new T(owner);
  if (!name.empty()) control->SetName(name);
  if (parent) control->SetParent(parent);
  return control;
}

std::vector<TControl*> Children(const TWinControl* parent) {
  std::vector<TControl*> list;
  for (int i = 0; i < parent->ControlCount(); ++i) list.push_back(parent->Controls(i));
  return list;
}

std::vector<std::string> PublishedNames(TClass cls) {
  std::vector<std::string> names;
  for (PPropInfo p : cls->Properties()) names.push_back(p->Name);
  return names;
}

class ControlsTest : public ::testing::Test {
protected:
  std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
};

// ---- children and tab order

TEST_F(ControlsTest, ChildrenListNonWindowedControlsFirst) {
  auto* edit1 = Make<TEdit>(form.get(), form.get());
  auto* label1 = Make<TLabel>(form.get(), form.get());
  auto* button = Make<TButton>(form.get(), form.get());
  auto* label2 = Make<TLabel>(form.get(), form.get());
  EXPECT_EQ(Children(form.get()), (std::vector<TControl*>{label1, label2, edit1, button}));
  EXPECT_EQ(form->ControlCount(), 4);
  EXPECT_THROW(form->Controls(4), EListError);
  EXPECT_EQ(label1->Parent(), form.get());

  auto* panel = Make<TPanel>(form.get(), form.get());
  edit1->SetParent(panel);
  EXPECT_EQ(Children(form.get()), (std::vector<TControl*>{label1, label2, button, panel}));
  EXPECT_EQ(Children(panel), (std::vector<TControl*>{edit1}));
  edit1->SetParent(nullptr);
  EXPECT_EQ(panel->ControlCount(), 0);
  EXPECT_EQ(edit1->TabOrder(), -1);
}

TEST_F(ControlsTest, AWindowedControlWithoutChildrenAnswersAsAnEmptyParent) {
  auto* edit = Make<TEdit>(form.get(), form.get());
  EXPECT_EQ(edit->ControlCount(), 0);
  EXPECT_EQ(edit->NonWindowedControlCount(), 0);
  EXPECT_THROW(edit->Controls(0), EListError);
  EXPECT_TRUE(edit->TabList().empty());
  edit->FixupTabList();
  edit->SetCtl3D(false);
  edit->Font()->SetSize(12);
  std::vector<TWinControl*> list;
  edit->GetTabOrderList(list);
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(edit->FindNextControl(nullptr, true, false, false), nullptr);
  // Once it has had children and lost them, it answers the same.
  auto* label = Make<TLabel>(form.get(), edit);
  auto* inner = Make<TEdit>(form.get(), edit);
  EXPECT_EQ(Children(edit), (std::vector<TControl*>{label, inner}));
  EXPECT_EQ(edit->TabList(), (std::vector<TWinControl*>{inner}));
  delete inner;
  label->SetParent(form.get());
  EXPECT_EQ(edit->ControlCount(), 0);
  EXPECT_TRUE(edit->TabList().empty());
}

TEST_F(ControlsTest, SettingATabOrderShiftsTheOthers) {
  auto* a = Make<TEdit>(form.get(), form.get());
  auto* b = Make<TEdit>(form.get(), form.get());
  auto* c = Make<TButton>(form.get(), form.get());
  auto* d = Make<TCheckBox>(form.get(), form.get());
  Make<TLabel>(form.get(), form.get());  // labels take no part
  EXPECT_EQ(a->TabOrder(), 0);
  EXPECT_EQ(d->TabOrder(), 3);
  d->SetTabOrder(1);
  EXPECT_EQ(form->TabList(), (std::vector<TWinControl*>{a, d, b, c}));
  a->SetTabOrder(100);  // past the end goes to the end
  EXPECT_EQ(form->TabList(), (std::vector<TWinControl*>{d, b, c, a}));
  c->SetTabOrder(-5);
  EXPECT_EQ(form->TabList(), (std::vector<TWinControl*>{c, d, b, a}));
  // Tab orders stay distinct per parent; the children order does not change.
  EXPECT_EQ(c->TabOrder(), 0);
  EXPECT_EQ(b->TabOrder(), 2);
  EXPECT_EQ(form->Controls(1), a);
  // Leaving a parent closes the gap; a new child comes last.
  d->SetParent(nullptr);
  EXPECT_EQ(b->TabOrder(), 1);
  d->SetParent(form.get());
  EXPECT_EQ(d->TabOrder(), 3);
  delete d;
}

TEST_F(ControlsTest, TabOrdersReadWhileLoadingArePlacedAfterLoading) {
  form->Loading();
  std::vector<TWinControl*> made;
  for (int order : {2, 0, 3, 1}) {
    auto* edit = new TEdit(form.get());
    edit->Loading();
    edit->SetParent(form.get());
    edit->SetTabOrder(order);
    EXPECT_EQ(edit->TabOrder(), static_cast<int>(made.size()));  // only remembered so far
    made.push_back(edit);
  }
  form->Loaded();
  for (TWinControl* edit : made) static_cast<TEdit*>(edit)->Loaded();
  EXPECT_EQ(form->TabList(), (std::vector<TWinControl*>{made[1], made[3], made[0], made[2]}));
  EXPECT_EQ(made[0]->TabOrder(), 2);
  // After loading a value takes effect at once.
  made[2]->SetTabOrder(0);
  EXPECT_EQ(made[1]->TabOrder(), 1);
}

// The tab orders read for a parent's children, placed as the host places them: each child
// in turn moved to its position, 0, 1, 2, ... The placement must end the same way for any
// values, repeated, missing or out of range, and the children's TabOrder must tell it.
TEST_F(ControlsTest, TabOrdersReadWhileLoadingEndAsMovingEachInTurn) {
  unsigned seed = 12345;
  auto random = [&seed](int bound) {
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 16) % static_cast<unsigned>(bound));
  };
  for (int round = 0; round < 300; ++round) {
    int count = 1 + random(12);
    auto parent = std::make_unique<TPanel>(nullptr);
    parent->Loading();
    std::vector<TWinControl*> expected;
    std::vector<int> orders;
    for (int i = 0; i < count; ++i) {
      auto* edit = new TEdit(nullptr);
      edit->SetParent(parent.get());
      int order = random(4) == 0 ? -1 : random(count + 2);  // some without, some past the end
      edit->SetTabOrder(order);
      expected.push_back(edit);
      orders.push_back(order);
    }
    // The host's way, spelled out: the last child claiming a position wins it.
    std::vector<TWinControl*> placed(static_cast<std::size_t>(count), nullptr);
    for (int i = 0; i < count; ++i)
      if (orders[i] >= 0 && orders[i] < count) placed[static_cast<std::size_t>(orders[i])] = expected[i];
    for (int position = 0; position < count; ++position) {
      TWinControl* control = placed[static_cast<std::size_t>(position)];
      if (!control) continue;
      expected.erase(std::find(expected.begin(), expected.end(), control));
      expected.insert(expected.begin() + position, control);
    }
    parent->Loaded();
    ASSERT_EQ(parent->TabList(), expected) << "round " << round;
    for (int i = 0; i < count; ++i) EXPECT_EQ(expected[static_cast<std::size_t>(i)]->TabOrder(), i);
  }
}

TEST_F(ControlsTest, TabOrdersStayRightThroughRemovalsAndMoves) {
  std::vector<TEdit*> edits;
  for (int i = 0; i < 6; ++i) edits.push_back(Make<TEdit>(form.get(), form.get()));
  delete edits[1];  // from the middle
  edits[5]->SetTabOrder(0);
  delete edits[3];
  // 5, 0, 2, 4
  EXPECT_EQ(edits[5]->TabOrder(), 0);
  EXPECT_EQ(edits[0]->TabOrder(), 1);
  EXPECT_EQ(edits[2]->TabOrder(), 2);
  EXPECT_EQ(edits[4]->TabOrder(), 3);
  edits[0]->SetParent(nullptr);
  EXPECT_EQ(edits[0]->TabOrder(), -1);
  EXPECT_EQ(edits[4]->TabOrder(), 2);
  delete edits[0];
}

// Children leaving from the front, the middle and the end, with new ones coming and tab orders
// set before anything reads the list again: what is read afterwards is the list as if each
// change had taken effect at once.
TEST_F(ControlsTest, TabOrdersStayRightWhenManyLeaveBeforeTheListIsRead) {
  std::vector<TEdit*> edits;
  for (int i = 0; i < 8; ++i) edits.push_back(Make<TEdit>(form.get(), form.get()));
  for (int i = 0; i < 8; ++i) edits[static_cast<std::size_t>(i)]->SetTabOrder(7 - i);  // 7, 6, ..., 0
  delete edits[7];  // first in the tab order
  delete edits[6];
  delete edits[0];  // last
  delete edits[3];  // in the middle
  auto* late = Make<TEdit>(form.get(), form.get());
  EXPECT_EQ(late->TabOrder(), 4);
  EXPECT_EQ(form->TabList(), (std::vector<TWinControl*>{edits[5], edits[4], edits[2], edits[1], late}));
  delete edits[4];
  delete edits[1];
  late->SetTabOrder(0);  // set while gaps are open
  EXPECT_EQ(form->TabList(), (std::vector<TWinControl*>{late, edits[5], edits[2]}));
  EXPECT_EQ(edits[2]->TabOrder(), 2);
  delete edits[5];
  std::vector<TWinControl*> walked;
  form->GetTabOrderList(walked);
  EXPECT_EQ(walked, (std::vector<TWinControl*>{late, edits[2]}));
  EXPECT_EQ(form->FindNextControl(late, true, false, false), edits[2]);
}

TEST_F(ControlsTest, FindNextControlFollowsTheTabOrderOfFocusableControls) {
  auto* a = Make<TEdit>(form.get(), form.get());
  auto* panel = Make<TPanel>(form.get(), form.get());
  auto* inner = Make<TEdit>(form.get(), panel);
  auto* b = Make<TButton>(form.get(), form.get());
  b->SetEnabled(false);
  EXPECT_EQ(form->FindNextControl(a, true, true, false), inner);  // the panel is no tab stop
  EXPECT_EQ(form->FindNextControl(inner, true, true, false), a);  // disabled b is skipped
  EXPECT_EQ(form->FindNextControl(a, false, true, false), inner);
  EXPECT_EQ(form->FindNextControl(nullptr, true, true, true), a);
}

TEST_F(ControlsTest, AControlCannotContainItself) {
  auto* outer = Make<TPanel>(form.get(), form.get());
  auto* inner = Make<TPanel>(form.get(), outer);
  EXPECT_THROW(outer->SetParent(outer), EInvalidOperation);
  EXPECT_THROW(outer->SetParent(inner), EInvalidOperation);
  EXPECT_EQ(outer->Parent(), form.get());
}

// ---- destruction

TEST_F(ControlsTest, DestroyingAParentDestroysItsChildrenWhoeverOwnsThem) {
  auto* panel = Make<TPanel>(form.get(), form.get(), "Panel1");
  auto* edit = Make<TEdit>(form.get(), panel, "Edit1");
  auto* inner = Make<TGroupBox>(form.get(), panel, "GroupBox1");
  Make<TLabel>(form.get(), inner, "Label2");
  auto* label = Make<TLabel>(form.get(), form.get(), "Label1");
  label->SetFocusControl(edit);
  form->SetActiveControl(edit);
  EXPECT_EQ(form->ComponentCount(), 5);
  delete panel;
  EXPECT_EQ(form->ComponentCount(), 1);
  EXPECT_EQ(form->FindComponent("Edit1"), nullptr);
  EXPECT_EQ(form->FindComponent("Label2"), nullptr);
  EXPECT_EQ(label->FocusControl(), nullptr);
  EXPECT_EQ(form->ActiveControl(), nullptr);
  EXPECT_EQ(Children(form.get()), (std::vector<TControl*>{label}));
}

TEST_F(ControlsTest, DestroyingAChildLeavesItsParent) {
  auto* panel = Make<TPanel>(form.get(), form.get());
  auto* a = Make<TButton>(form.get(), panel);
  auto* b = Make<TButton>(form.get(), panel);
  delete a;
  EXPECT_EQ(Children(panel), (std::vector<TControl*>{b}));
  EXPECT_EQ(b->TabOrder(), 0);
  // A form with controls of its own and of others goes cleanly too.
  auto other = std::make_unique<TForm>(nullptr);
  Make<TEdit>(other.get(), panel);
  form.reset();
  other.reset();
}

// ---- inherited font, colour and hints

TEST_F(ControlsTest, ParentFontFollowsTheParent) {
  auto* panel = Make<TPanel>(form.get(), form.get());
  auto* label = Make<TLabel>(form.get(), panel);
  auto* edit = Make<TEdit>(form.get(), panel);
  form->Font()->SetName("Arial");
  form->Font()->SetSize(10);
  EXPECT_EQ(label->Font()->Name(), "Arial");
  EXPECT_EQ(edit->Font()->Height(), -13);
  EXPECT_TRUE(label->ParentFont());

  // A font of its own clears ParentFont; the same font as the parent's changes nothing.
  TFont own;
  own.Assign(form->Font());
  edit->SetFont(&own);
  EXPECT_TRUE(edit->ParentFont());
  own.SetStyle(FontStyleOf(fsBold));
  edit->SetFont(&own);
  EXPECT_FALSE(edit->ParentFont());
  form->Font()->SetName("Tahoma");
  EXPECT_EQ(edit->Font()->Name(), "Arial");
  EXPECT_EQ(label->Font()->Name(), "Tahoma");
  // Turning ParentFont back on takes the parent's font again.
  edit->SetParentFont(true);
  EXPECT_EQ(edit->Font()->Name(), "Tahoma");
  EXPECT_EQ(edit->Font()->Style(), 0);
  EXPECT_TRUE(edit->ParentFont());
  // A control without a parent keeps the flag and its font.
  auto* loose = new TLabel(form.get());
  EXPECT_TRUE(loose->ParentFont());
  EXPECT_EQ(loose->Font()->Name(), "MS Sans Serif");
  loose->SetParent(panel);
  EXPECT_EQ(loose->Font()->Name(), "Tahoma");
}

TEST_F(ControlsTest, ColourAndHintsFollowTheParentUnderTheirFlags) {
  auto* group = Make<TGroupBox>(form.get(), form.get());
  auto* label = Make<TLabel>(form.get(), group);
  auto* edit = Make<TEdit>(form.get(), group);
  auto* panel = Make<TPanel>(form.get(), form.get());
  EXPECT_EQ(label->Color(), clBtnFace);
  form->SetColor(clTeal);
  EXPECT_EQ(group->Color(), clTeal);
  EXPECT_EQ(label->Color(), clTeal);
  EXPECT_EQ(edit->Color(), clWindow);  // edits have a colour of their own
  EXPECT_EQ(panel->Color(), clBtnFace);
  label->SetColor(clRed);
  EXPECT_FALSE(label->ParentColor());
  group->SetColor(clGray);
  EXPECT_EQ(label->Color(), clRed);

  form->SetShowHint(true);
  EXPECT_TRUE(edit->ShowHint());
  edit->SetShowHint(false);
  EXPECT_FALSE(edit->ParentShowHint());
  PPropInfo showHint = GetPropInfo(edit, "ShowHint");
  EXPECT_TRUE(showHint->IsStoredOn(edit));
  EXPECT_FALSE(GetPropInfo(label, "ShowHint")->IsStoredOn(label));
}

// ---- labels

TEST_F(ControlsTest, LabelsMeasureTheirCaptionInTheirOwnFont) {
  auto* label = new TLabel(form.get());
  EXPECT_EQ(label->Width(), 65);  // until it gets a caption
  EXPECT_EQ(label->Height(), 17);
  label->SetParent(form.get());
  label->SetName("Label1");  // the caption follows the name
  EXPECT_EQ(label->Caption(), "Label1");
  EXPECT_EQ(label->Width(), 32);
  EXPECT_EQ(label->Height(), 13);
  label->SetCaption("&Name:");
  EXPECT_EQ(label->Width(), MeasureTextWidth(*label->Font(), "Name:"));
  label->SetCaption("");
  EXPECT_EQ(label->Width(), 3);  // one blank
  label->SetCaption("0123456789");
  label->Font()->SetStyle(FontStyleOf(fsBold));
  EXPECT_EQ(label->Width(), 70);
  form->Font()->SetSize(16);  // not inherited any more: the label has its own font
  EXPECT_EQ(label->Width(), 70);
  label->SetParentFont(true);
  EXPECT_EQ(label->Width(), 120);
  EXPECT_EQ(label->Height(), MeasureTextHeight(*form->Font()));
  label->SetCaption("two\r\nlines");
  EXPECT_EQ(label->Height(), 2 * MeasureTextHeight(*form->Font()));
}

TEST_F(ControlsTest, LabelSizesReadFromAFormFileAreKept) {
  auto* label = new TLabel(form.get());
  label->Loading();
  label->SetParent(form.get());
  label->SetBounds(8, 8, 100, 20);
  label->SetCaption("Short");
  label->Font()->SetSize(12);
  label->Loaded();
  EXPECT_EQ(label->Width(), 100);
  EXPECT_EQ(label->Height(), 20);
  label->SetCaption("Longer caption");  // a later change measures again
  EXPECT_EQ(label->Width(), MeasureTextWidth(*label->Font(), "Longer caption"));
}

TEST_F(ControlsTest, LabelAutoSizeOptions) {
  auto* label = Make<TLabel>(form.get(), form.get());
  label->SetAutoSize(false);
  label->SetBounds(10, 10, 50, 30);
  label->SetCaption("A much longer caption");
  EXPECT_EQ(label->Width(), 50);
  // Right-justified labels keep their right edge.
  label->SetAlignment(taRightJustify);
  label->SetAutoSize(true);
  int width = MeasureTextWidth(*label->Font(), "A much longer caption");
  EXPECT_EQ(label->Width(), width);
  EXPECT_EQ(label->Left(), 60 - width);
  // Word wrap breaks the caption at the current width.
  label->SetAlignment(taLeftJustify);
  label->SetAutoSize(false);
  label->SetWidth(MeasureTextWidth(*label->Font(), "A much"));
  label->SetWordWrap(true);
  label->SetAutoSize(true);
  EXPECT_EQ(label->Height(), 3 * 13);
  label->SetShowAccelChar(false);
  label->SetWordWrap(false);
  label->SetCaption("&&");
  EXPECT_EQ(label->Width(), MeasureTextWidth(*label->Font(), "&&"));
}

TEST_F(ControlsTest, StaticTextIsWindowedAndMeasuresItsRawCaption) {
  auto* text = Make<TStaticText>(form.get(), form.get(), "StaticText1");
  EXPECT_TRUE(text->Is<TWinControl>());
  EXPECT_FALSE(text->Is<TCustomLabel>());
  EXPECT_EQ(text->Width(), MeasureTextWidth(*text->Font(), "StaticText1") + 4);
  EXPECT_EQ(text->Height(), 17);
  text->SetCaption("&Go");
  EXPECT_EQ(text->Width(), MeasureTextWidth(*text->Font(), "&Go") + 4);
}

// ---- names and captions

TEST_F(ControlsTest, CaptionsFollowNamesUntilEdited) {
  auto* button = Make<TButton>(form.get(), form.get(), "Button1");
  EXPECT_EQ(button->Caption(), "Button1");
  button->SetName("btnOK");
  EXPECT_EQ(button->Caption(), "btnOK");
  button->SetCaption("OK");
  button->SetName("btnAccept");
  EXPECT_EQ(button->Caption(), "OK");
  auto* list = Make<TListBox>(form.get(), form.get(), "ListBox1");
  EXPECT_EQ(list->Items()->Count(), 0);
  auto* memo = Make<TMemo>(form.get(), form.get(), "Memo1");
  EXPECT_EQ(memo->Lines()->Count(), 1);
  EXPECT_EQ(memo->Lines()->Strings(0), "Memo1");
  auto* spin = Make<TSpinEdit>(form.get(), form.get(), "SpinEdit1");
  EXPECT_EQ(spin->Text(), "0");
}

// ---- bounds, constraints, alignment

TEST_F(ControlsTest, ConstraintsLimitTheSize) {
  auto* panel = Make<TPanel>(form.get(), form.get());
  panel->Constraints()->SetMinWidth(50);
  panel->Constraints()->SetMaxHeight(60);
  panel->SetBounds(0, 0, 10, 100);
  EXPECT_EQ(panel->Width(), 50);
  EXPECT_EQ(panel->Height(), 60);
  panel->Constraints()->SetMaxHeight(30);  // applied at once
  EXPECT_EQ(panel->Height(), 30);
  panel->Constraints()->SetMinHeight(40);  // raising the minimum raises the maximum
  EXPECT_EQ(panel->Constraints()->MaxHeight(), 40);
  EXPECT_EQ(panel->Height(), 40);
  int vetoes = 0;
  panel->OnCanResize = [&](TObject*, int&, int&, bool& resize) {
    ++vetoes;
    resize = false;
  };
  panel->SetWidth(200);
  EXPECT_EQ(panel->Width(), 50);
  EXPECT_EQ(vetoes, 1);
}

// A control without constraints of its own still has its sizes pass its handlers, and a
// size below zero become zero.
TEST_F(ControlsTest, SizesPassTheHandlersOfAControlWithoutConstraints) {
  auto* panel = Make<TPanel>(form.get(), form.get());
  panel->SetBounds(10, 10, 100, 50);
  panel->SetBounds(10, 10, -5, -1);
  EXPECT_EQ(panel->Width(), 0);
  EXPECT_EQ(panel->Height(), 0);
  int asked = 0;
  panel->OnCanResize = [&](TObject*, int& width, int&, bool&) {
    ++asked;
    width += 1;
  };
  panel->SetBounds(10, 10, 0, 0);  // the bounds it has: the handler is asked all the same
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(panel->Width(), 1);
  panel->SetLeft(20);  // a move asks too
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(panel->Left(), 20);
  panel->OnCanResize = nullptr;
  panel->OnConstrainedResize = [](TObject*, int&, int&, int& maxWidth, int&) { maxWidth = 80; };
  panel->SetWidth(200);
  EXPECT_EQ(panel->Width(), 80);
  EXPECT_FALSE(panel->Constraints()->MaxWidth());  // limited by the handler, not by constraints
}

TEST_F(ControlsTest, AlignedControlsShareTheClientArea) {
  form->SetBorderStyle(bsNone);
  form->SetBounds(0, 0, 400, 300);
  auto* top = Make<TPanel>(form.get(), form.get());
  top->SetHeight(40);
  top->SetAlign(alTop);
  auto* left = Make<TPanel>(form.get(), form.get());
  left->SetWidth(100);
  left->SetAlign(alLeft);
  auto* client = Make<TPanel>(form.get(), form.get());
  client->SetAlign(alClient);
  auto* bottom = Make<TPanel>(form.get(), form.get());
  bottom->SetHeight(30);
  bottom->SetAlign(alBottom);
  EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 400, 40));
  EXPECT_EQ(bottom->BoundsRect(), Rect(0, 270, 400, 300));
  EXPECT_EQ(left->BoundsRect(), Rect(0, 40, 100, 270));
  EXPECT_EQ(client->BoundsRect(), Rect(100, 40, 400, 270));
  EXPECT_EQ(top->Anchors(), AnchorOf(akLeft) | AnchorOf(akTop) | AnchorOf(akRight));
  EXPECT_FALSE(top->IsAnchorsStored());
  form->SetWidth(500);
  EXPECT_EQ(client->Width(), 400);
  // Inside a panel the bevel narrows the area.
  auto* inner = Make<TMemo>(form.get(), client);
  inner->SetAlign(alClient);
  EXPECT_EQ(inner->BoundsRect(), Rect(1, 1, 399, 229));
}

TEST_F(ControlsTest, AnchorsKeepDistancesWhenTheParentResizes) {
  auto* panel = Make<TPanel>(form.get(), form.get());
  panel->SetBounds(0, 0, 200, 100);
  auto* button = Make<TButton>(form.get(), panel);
  button->SetBounds(110, 60, 75, 25);
  button->SetAnchors(AnchorOf(akRight) | AnchorOf(akBottom));
  auto* edit = Make<TEdit>(form.get(), panel);
  edit->SetBounds(10, 10, 100, 21);
  edit->SetAnchors(AnchorOf(akLeft) | AnchorOf(akTop) | AnchorOf(akRight));
  panel->SetBounds(0, 0, 300, 150);
  EXPECT_EQ(button->Left(), 210);
  EXPECT_EQ(button->Top(), 110);
  EXPECT_EQ(edit->Width(), 200);
  EXPECT_EQ(edit->Left(), 10);
  EXPECT_TRUE(button->IsAnchorsStored());
}

TEST_F(ControlsTest, RealigningMovesWhatIsAlignedOrAnchoredWhereverItGoes) {
  auto* first = Make<TPanel>(form.get(), form.get());
  first->SetBounds(0, 0, 200, 100);
  auto* second = Make<TPanel>(form.get(), form.get());
  second->SetBounds(0, 0, 200, 100);
  auto* button = new TButton(form.get());
  button->SetBounds(110, 60, 75, 25);
  button->SetAnchors(AnchorOf(akRight) | AnchorOf(akTop));  // anchored before it has a parent
  button->SetParent(first);
  first->SetWidth(300);
  EXPECT_EQ(button->Left(), 210);

  button->SetParent(second);  // keeps its distance to the right side
  EXPECT_EQ(button->Left(), 110);
  first->SetWidth(200);
  EXPECT_EQ(button->Left(), 110);  // no longer the first panel's
  second->SetWidth(250);
  EXPECT_EQ(button->Left(), 160);

  button->SetAnchors(DefaultAnchors);
  second->SetWidth(300);
  EXPECT_EQ(button->Left(), 160);
  button->SetAlign(alBottom);
  int bottom = button->Top() + button->Height();
  second->SetHeight(150);
  EXPECT_EQ(button->Top() + button->Height(), bottom + 50);
  button->SetAlign(alNone);
  button->SetAnchors(DefaultAnchors);
  int top = button->Top();
  second->SetHeight(200);
  EXPECT_EQ(button->Top(), top);
}

TEST_F(ControlsTest, EditHeightFollowsItsFont) {
  auto* edit = Make<TEdit>(form.get(), form.get());
  EXPECT_EQ(edit->Height(), 21);
  edit->Font()->SetSize(16);
  EXPECT_EQ(edit->Height(), MeasureTextHeight(*edit->Font()) + 8);
  edit->SetAutoSize(false);
  edit->SetHeight(50);
  edit->Font()->SetSize(8);
  EXPECT_EQ(edit->Height(), 50);
}

// ---- behaviour of standard controls

TEST_F(ControlsTest, ButtonsGiveTheirFormAModalResult) {
  auto* panel = Make<TPanel>(form.get(), form.get());
  auto* ok = Make<TButton>(form.get(), panel);
  ok->SetModalResult(mrOk);
  int clicks = 0;
  ok->OnClick = [&](TObject* sender) {
    EXPECT_EQ(sender, ok);
    EXPECT_EQ(form->ModalResult(), mrOk);
    ++clicks;
  };
  ok->Click();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(form->ModalResult(), mrOk);
}

TEST_F(ControlsTest, CheckBoxesAndRadioButtons) {
  auto* check = Make<TCheckBox>(form.get(), form.get());
  int clicks = 0;
  check->OnClick = [&](TObject*) { ++clicks; };
  check->SetChecked(true);
  EXPECT_EQ(check->State(), cbChecked);
  EXPECT_EQ(clicks, 1);
  check->Toggle();
  EXPECT_EQ(check->State(), cbUnchecked);
  check->SetAllowGrayed(true);
  check->Toggle();
  EXPECT_EQ(check->State(), cbGrayed);
  EXPECT_FALSE(check->Checked());
  EXPECT_EQ(clicks, 3);

  auto* a = Make<TRadioButton>(form.get(), form.get());
  auto* b = Make<TRadioButton>(form.get(), form.get());
  auto* other = Make<TRadioButton>(form.get(), Make<TPanel>(form.get(), form.get()));
  a->SetChecked(true);
  other->SetChecked(true);
  EXPECT_TRUE(a->TabStop());
  b->SetChecked(true);
  EXPECT_FALSE(a->Checked());
  EXPECT_FALSE(a->TabStop());
  EXPECT_TRUE(other->Checked());  // another parent, another group
}

TEST_F(ControlsTest, ListsKeepAValidItemIndex) {
  auto* list = Make<TListBox>(form.get(), form.get());
  list->Items()->SetCommaText("b,a,c");
  list->SetItemIndex(2);
  EXPECT_TRUE(list->Selected(2));
  list->SetItemIndex(7);
  EXPECT_EQ(list->ItemIndex(), -1);
  list->SetItemIndex(2);
  list->Items()->Delete(2);
  EXPECT_EQ(list->ItemIndex(), -1);
  list->SetSorted(true);
  EXPECT_EQ(list->Items()->CommaText(), "a,b");
  list->SetMultiSelect(true);
  list->SetSelected(0, true);
  list->SetSelected(1, true);
  EXPECT_EQ(list->SelCount(), 2);
  EXPECT_THROW(list->Selected(5), EListError);

  auto* combo = Make<TComboBox>(form.get(), form.get());
  combo->Items()->SetCommaText("one,two");
  combo->SetItemIndex(1);
  EXPECT_EQ(combo->Text(), "two");
  combo->SetText("ONE");
  EXPECT_EQ(combo->ItemIndex(), 0);
  combo->SetText("three");
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(combo->ItemHeight(), 13);
}

TEST_F(ControlsTest, EditChangesRunOnChangeExceptWhileLoading) {
  auto* edit = Make<TEdit>(form.get(), form.get());
  int changes = 0;
  edit->OnChange = [&](TObject*) { ++changes; };
  edit->SetText("abc");
  edit->SetText("abc");
  EXPECT_EQ(changes, 1);
  edit->SetCharCase(ecUpperCase);
  EXPECT_EQ(edit->Text(), "ABC");
  edit->Loading();
  edit->SetText("read");
  edit->Loaded();
  EXPECT_EQ(changes, 2);
  auto* memo = Make<TMemo>(form.get(), form.get());
  memo->SetText("a\r\nb");
  EXPECT_EQ(memo->Lines()->Count(), 2);
  memo->Lines()->Add("c");
  EXPECT_EQ(memo->Text(), "a\r\nb\r\nc");
}

TEST_F(ControlsTest, CheckListBoxStatesTravelWithTheirItems) {
  auto* list = Make<TCheckListBox>(form.get(), form.get());
  list->Items()->SetCommaText("c,a,b");
  list->SetChecked(0, true);
  list->SetState(2, cbGrayed);
  list->SetSorted(true);
  EXPECT_EQ(list->Items()->CommaText(), "a,b,c");
  EXPECT_TRUE(list->Checked(2));
  EXPECT_EQ(list->State(1), cbGrayed);
  list->Items()->Delete(0);
  EXPECT_EQ(list->State(0), cbGrayed);
  list->Items()->Add("aa");  // sorted: goes first
  EXPECT_EQ(list->State(0), cbUnchecked);
  EXPECT_TRUE(list->Checked(2));
  int clicks = 0;
  list->OnClickCheck = [&](TObject*) { ++clicks; };
  list->ClickCheck(0);
  EXPECT_TRUE(list->Checked(0));
  EXPECT_EQ(clicks, 1);
  EXPECT_THROW(list->Checked(9), EListError);
}

TEST_F(ControlsTest, SpinEditKeepsItsValueInRange) {
  auto* spin = Make<TSpinEdit>(form.get(), form.get());
  EXPECT_EQ(spin->ControlCount(), 1);  // its arrow buttons
  spin->SetMinValue(1);
  spin->SetMaxValue(10);
  spin->SetValue(50);
  EXPECT_EQ(spin->Value(), 10);
  spin->Button()->ClickUp();
  EXPECT_EQ(spin->Value(), 10);
  spin->SetIncrement(3);
  spin->DownClick();
  EXPECT_EQ(spin->Text(), "7");
  spin->SetText("abc");
  EXPECT_EQ(spin->Value(), 1);
  spin->SetMaxValue(1);
  spin->SetValue(-20);  // equal limits: any value
  EXPECT_EQ(spin->Value(), -20);
}

TEST_F(ControlsTest, SpeedButtonsInAGroupStayDownOneAtATime) {
  auto* a = Make<TSpeedButton>(form.get(), form.get());
  auto* b = Make<TSpeedButton>(form.get(), form.get());
  a->SetDown(true);
  EXPECT_FALSE(a->Down());  // no group: never down
  a->SetGroupIndex(1);
  b->SetGroupIndex(1);
  a->Press();
  EXPECT_TRUE(a->Down());
  b->Press();
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  b->Press();
  EXPECT_TRUE(b->Down());  // stays down without AllowAllUp
  b->SetAllowAllUp(true);
  EXPECT_TRUE(a->AllowAllUp());
  b->Press();
  EXPECT_FALSE(b->Down());
}

TEST_F(ControlsTest, BitBtnKindsSetCaptionAndModalResult) {
  auto* button = Make<TBitBtn>(form.get(), form.get(), "BitBtn1");
  button->SetKind(bkOK);
  EXPECT_EQ(button->Caption(), "OK");
  EXPECT_EQ(button->ModalResult(), mrOk);
  EXPECT_TRUE(button->Default());
  EXPECT_FALSE(GetPropInfo(button, "ModalResult")->IsStoredOn(button));
  EXPECT_FALSE(GetPropInfo(button, "Caption")->IsStoredOn(button));
  button->SetCaption("&Accept");
  EXPECT_TRUE(GetPropInfo(button, "Caption")->IsStoredOn(button));
  button->SetModalResult(mrYes);  // no longer what the kind gives
  EXPECT_EQ(button->Kind(), bkCustom);
  auto* close = Make<TBitBtn>(form.get(), form.get());
  close->SetKind(bkClose);
  int clicks = 0;
  close->OnClick = [&](TObject*) { ++clicks; };
  close->Click();
  EXPECT_EQ(form->ModalResult(), mrCancel);
  EXPECT_EQ(clicks, 0);
}

// ---- painting

TEST_F(ControlsTest, PaintBoxCanvasUsesTheInheritedFont) {
  auto* panel = Make<TPanel>(form.get(), form.get());
  panel->Font()->SetName("Courier New");
  auto* box = new TPaintBox(nullptr);
  box->SetParent(panel);
  EXPECT_EQ(box->Canvas()->TextWidth("0"), 7);
  int paints = 0;
  box->OnPaint = [&](TObject*) {
    ++paints;
    box->Canvas()->TextOut(1, 2, "x");
  };
  box->Repaint();
  EXPECT_EQ(paints, 1);
  ASSERT_EQ(box->Canvas()->Operations().size(), 1u);
  EXPECT_EQ(box->Canvas()->Operations()[0].fontName, "Courier New");
  // A canvas made before a change of the font follows it, as one made after does.
  panel->Font()->SetName("Arial");
  EXPECT_EQ(box->Canvas()->Font()->Name(), "Arial");
  EXPECT_EQ(panel->Canvas()->Font()->Name(), "Arial");
  panel->Font()->SetHeight(-20);
  EXPECT_EQ(panel->Canvas()->Font()->Height(), -20);
  EXPECT_EQ(box->Canvas()->Font()->Height(), -20);
  delete box;
  EXPECT_EQ(panel->ControlCount(), 0);
}

TEST_F(ControlsTest, LabelsPaintTheirText) {
  auto* label = Make<TLabel>(form.get(), form.get(), "Label1");
  label->SetColor(clYellow);
  label->Repaint();
  const auto& ops = label->Canvas()->Operations();
  ASSERT_EQ(ops.size(), 2u);
  EXPECT_EQ(ops[0].kind, TCanvasOp::opFillRect);
  EXPECT_EQ(ops[0].brushColor, clYellow);
  EXPECT_EQ(ops[1].text, "Label1");
  label->SetTransparent(true);
  label->Repaint();
  EXPECT_EQ(label->Canvas()->Operations().size(), 1u);
}

TEST_F(ControlsTest, ShapesAndBevelsDrawWithTheirSettings) {
  auto* shape = Make<TShape>(form.get(), form.get());
  shape->SetBounds(0, 0, 80, 40);
  shape->Brush()->SetColor(clAqua);
  shape->SetShape(stCircle);
  shape->Repaint();
  ASSERT_EQ(shape->Canvas()->Operations().size(), 1u);
  const TCanvasOp& circle = shape->Canvas()->Operations()[0];
  EXPECT_EQ(circle.kind, TCanvasOp::opEllipse);
  EXPECT_EQ(circle.rect, Rect(20, 0, 60, 40));  // a square centred in the bounds
  EXPECT_EQ(circle.brushColor, clAqua);
  auto* bevel = Make<TBevel>(form.get(), form.get());
  bevel->SetShape(bsTopLine);
  bevel->Repaint();
  ASSERT_EQ(bevel->Canvas()->Operations().size(), 2u);
  EXPECT_EQ(bevel->Canvas()->Operations()[0].penColor, clBtnShadow);
  EXPECT_EQ(bevel->Canvas()->Operations()[1].rect, Rect(0, 1, 50, 1));
}

TEST_F(ControlsTest, ImagesAndPanelsAutoSize) {
  auto* image = Make<TImage>(form.get(), form.get());
  image->SetAutoSize(true);
  image->Picture()->Bitmap()->SetSize(16, 24);
  EXPECT_EQ(image->Width(), 16);
  EXPECT_EQ(image->Height(), 24);
  image->SetTransparent(true);
  EXPECT_TRUE(image->Picture()->Graphic()->Transparent());
  image->Repaint();
  ASSERT_EQ(image->Canvas()->Operations().size(), 1u);
  EXPECT_EQ(image->Canvas()->Operations()[0].kind, TCanvasOp::opDraw);

  auto* panel = Make<TPanel>(form.get(), form.get());
  auto* button = Make<TButton>(form.get(), panel);
  button->SetBounds(10, 5, 75, 25);
  panel->SetAutoSize(true);
  EXPECT_EQ(panel->Width(), 86);  // the child's right edge and the bevel
  EXPECT_EQ(panel->Height(), 31);
  panel->SetAutoSize(false);
  panel->SetWidth(300);
  EXPECT_EQ(panel->Width(), 300);
}

TEST_F(ControlsTest, ControlsFollowTheirAction) {
  TAction& action = *new TAction(form.get());
  action.SetCaption("&Open");
  action.SetHint("Open a file");
  auto* button = Make<TButton>(form.get(), form.get(), "Button1");
  int executed = 0;
  action.OnExecute = [&](TObject*) { ++executed; };
  button->SetAction(&action);
  EXPECT_EQ(button->Caption(), "&Open");
  EXPECT_EQ(button->Hint(), "Open a file");
  EXPECT_FALSE(GetPropInfo(button, "Caption")->IsStoredOn(button));
  action.SetEnabled(false);
  EXPECT_FALSE(button->Enabled());
  action.SetEnabled(true);
  button->Click();
  EXPECT_EQ(executed, 1);
  button->SetCaption("Other");  // no longer the action's caption
  EXPECT_TRUE(GetPropInfo(button, "Caption")->IsStoredOn(button));
  action.SetCaption("&Close");
  EXPECT_EQ(button->Caption(), "Other");
  // A check box takes the action's checked state too.
  action.SetChecked(true);
  auto* check = Make<TCheckBox>(form.get(), form.get());
  check->SetAction(&action);
  EXPECT_TRUE(check->Checked());
  action.SetChecked(false);
  EXPECT_FALSE(check->Checked());
  button->SetAction(nullptr);
  EXPECT_EQ(button->Action(), nullptr);
}

TEST_F(ControlsTest, RarelySetValuesKeepTheirDefaultsUntilSetAndTheirReferencesClear) {
  auto* edit = Make<TEdit>(form.get(), form.get(), "Edit1");
  auto* label = Make<TLabel>(form.get(), form.get(), "Label1");
  EXPECT_EQ(edit->Cursor(), crDefault);
  EXPECT_EQ(edit->DragCursor(), crDrag);
  EXPECT_EQ(edit->DragKind(), dkDrag);
  EXPECT_EQ(edit->DragMode(), dmManual);
  EXPECT_EQ(edit->ImeMode(), imDontCare);
  EXPECT_EQ(edit->HelpContext(), 0);
  EXPECT_EQ(edit->Hint(), "");
  EXPECT_EQ(edit->ImeName(), "");
  EXPECT_EQ(edit->PopupMenu(), nullptr);
  SetOrdProp(edit, GetPropInfo(edit, "Cursor"), crHandPoint);
  SetOrdProp(edit, GetPropInfo(edit, "HelpContext"), 7);
  SetStrProp(edit, GetPropInfo(edit, "ImeName"), "Kana");
  edit->SetDragKind(dkDock);
  edit->SetHint("");  // a default does not hide the values set before it
  EXPECT_EQ(edit->Cursor(), crHandPoint);
  EXPECT_EQ(edit->HelpContext(), 7);
  EXPECT_EQ(edit->ImeName(), "Kana");
  EXPECT_EQ(edit->DragKind(), dkDock);
  EXPECT_EQ(edit->DragCursor(), crDrag);
  EXPECT_TRUE(GetPropInfo(edit, "HelpContext")->IsStoredOn(edit));

  auto* menu = new TPopupMenu(form.get());
  menu->SetName("PopupMenu1");
  edit->SetPopupMenu(menu);
  SetObjectProp(label, GetPropInfo(label, "PopupMenu"), menu);
  EXPECT_EQ(label->PopupMenu(), menu);
  label->Free();  // the menu outlives a control that showed it
  menu->Free();
  EXPECT_EQ(edit->PopupMenu(), nullptr);
}

TEST_F(ControlsTest, Ctl3DAndBiDiModeFollowTheParent) {
  auto* panel = Make<TPanel>(form.get(), form.get());
  auto* edit = Make<TEdit>(form.get(), panel);
  EXPECT_TRUE(edit->Ctl3D());
  panel->SetCtl3D(false);
  EXPECT_FALSE(edit->Ctl3D());
  EXPECT_EQ(edit->Height(), 13 + 6);  // a flat edit is lower
  EXPECT_TRUE(GetPropInfo(panel, "Ctl3D")->IsStoredOn(panel));
  EXPECT_FALSE(GetPropInfo(edit, "Ctl3D")->IsStoredOn(edit));
  form->SetBiDiMode(bdRightToLeft);
  EXPECT_EQ(edit->BiDiMode(), bdRightToLeft);
  std::string ident;
  ASSERT_TRUE(CursorToIdent(crHandPoint, ident));
  EXPECT_EQ(ident, "crHandPoint");
  int cursor = 0;
  ASSERT_TRUE(IdentToCursor("crhsplit", cursor));
  EXPECT_EQ(cursor, crHSplit);
}

TEST_F(ControlsTest, GroupBoxesAlignBelowTheirCaption) {
  auto* group = Make<TGroupBox>(form.get(), form.get());
  auto* memo = Make<TMemo>(form.get(), group);
  memo->SetAlign(alClient);
  EXPECT_EQ(memo->BoundsRect(), Rect(2, 15, 183, 103));
  group->Font()->SetSize(16);
  EXPECT_EQ(memo->Top(), MeasureTextHeight(*group->Font()) + 2);
}

// ---- published properties

TEST(PublishedControls, ControlsListTheirBoundsFirst) {
  for (const char* name : {"TButton", "TLabel", "TEdit", "TPanel", "TForm", "TTabSheet", "TSplitter", "TBevel"}) {
    std::vector<std::string> names = PublishedNames(FindClass(name));
    ASSERT_GE(names.size(), 6u) << name;
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 6),
              (std::vector<std::string>{"Name", "Tag", "Left", "Top", "Width", "Height"}))
        << name;
  }
}

TEST(PublishedControls, ClassesPublishWhatTheHostPublishes) {
  TPropList props;
  PPropInfo alignment = GetPropInfo(TCheckBox::ClassInfo(), "Alignment");
  ASSERT_NE(alignment, nullptr);
  EXPECT_EQ(alignment->PropType->Name, "TLeftRight");
  EXPECT_EQ(alignment->Default, taRightJustify);
  EXPECT_NE(GetPropInfo(TCheckBox::ClassInfo(), "Caption"), nullptr);
  EXPECT_NE(GetPropInfo(TRadioButton::ClassInfo(), "Alignment"), nullptr);
  EXPECT_EQ(GetPropInfo(TEdit::ClassInfo(), "Caption"), nullptr);
  EXPECT_EQ(GetPropInfo(TEdit::ClassInfo(), "Text")->PropType->Name, "TCaption");
  EXPECT_EQ(GetPropInfo(TMemo::ClassInfo(), "Text"), nullptr);
  EXPECT_FALSE(TStaticText::ClassInfo()->InheritsFrom(TCustomLabel::ClassInfo()));
  EXPECT_TRUE(TLabel::ClassInfo()->InheritsFrom(TCustomLabel::ClassInfo()));
  EXPECT_TRUE(GetPropInfo(TLabel::ClassInfo(), "FocusControl")->IsComponentReference());
  EXPECT_EQ(GetPropInfo(TLabel::ClassInfo(), "AutoSize")->Default, 1);
  EXPECT_EQ(GetPropInfo(TButton::ClassInfo(), "ModalResult")->PropType->Name, "TModalResult");
  EXPECT_EQ(GetPropInfo(TButton::ClassInfo(), "TabStop")->Default, 1);
  EXPECT_EQ(GetPropInfo(TButton::ClassInfo(), "PopupMenu")->PropType->ClassType(), TPopupMenu::ClassInfo());
  EXPECT_EQ(GetPropInfo(TPanel::ClassInfo(), "Color")->Default, clBtnFace);
  EXPECT_EQ(GetPropInfo(TLabel::ClassInfo(), "Color")->PropType, TypeInfoColor());
  EXPECT_EQ(GetPropInfo(TSplitter::ClassInfo(), "Cursor")->Default, crHSplit);
  EXPECT_EQ(GetPropInfo(TComboBox::ClassInfo(), "Items")->Index,
            static_cast<int>(TComboBox::ClassInfo()->Properties().size()) - 1);
  EXPECT_EQ(GetPropInfo(TRadioGroup::ClassInfo(), "Items")->PropType->ClassType(), TStrings::ClassInfo());
  EXPECT_NE(GetPropInfo(TCheckListBox::ClassInfo(), "OnClickCheck"), nullptr);
  EXPECT_EQ(GetPropInfo(TTabControl::ClassInfo(), "TabIndex")->Index,
            GetPropInfo(TTabControl::ClassInfo(), "Tabs")->Index + 1);
}

// Which windowed controls of the palette publish TabStop, with which default (the value a
// new control starts with, so not written for it), and the other properties every one of
// them shares.
TEST(PublishedControls, TabStopAndTheCommonPropertiesAsTheHostPublishesThem) {
  const std::vector<std::pair<const char*, int>> tabStops = {
      {"TEdit", 1}, {"TMemo", 1}, {"TButton", 1}, {"TCheckBox", 1}, {"TRadioButton", 0}, {"TListBox", 1},
      {"TComboBox", 1}, {"TScrollBar", 1}, {"TGroupBox", 0}, {"TRadioGroup", 0}, {"TPanel", 0},
      {"TMaskEdit", 1}, {"TBitBtn", 1}, {"TStringGrid", 1}, {"TDrawGrid", 1}, {"TCheckListBox", 1},
      {"TStaticText", 0}, {"TScrollBox", 0}, {"TTabControl", 1}, {"TPageControl", 1}, {"TRichEdit", 1},
      {"TTrackBar", 1}, {"TProgressBar", 0}, {"TUpDown", 0}, {"THotKey", 1}, {"TDateTimePicker", 1},
      {"TMonthCalendar", 1}, {"TTreeView", 1}, {"TListView", 1}, {"TToolBar", 0}, {"TComboBoxEx", 1},
      {"TDBGrid", 1}, {"TDBNavigator", 0}, {"TDBEdit", 1}, {"TDBMemo", 1}, {"TDBImage", 1}, {"TDBListBox", 1},
      {"TDBComboBox", 1}, {"TDBCheckBox", 1}, {"TDBRadioGroup", 0}, {"TDBLookupListBox", 1},
      {"TDBLookupComboBox", 1}, {"TDBRichEdit", 1}, {"TDBCtrlGrid", 1}, {"TNotebook", 0},
      {"TTabbedNotebook", 1}, {"TFileListBox", 1}, {"TDirectoryListBox", 1}, {"TDriveComboBox", 1},
      {"TFilterComboBox", 1}, {"TSpinEdit", 1}};
  for (auto [name, tabStop] : tabStops) {
    TClass cls = FindClass(name);
    PPropInfo prop = GetPropInfo(cls, "TabStop");
    ASSERT_NE(prop, nullptr) << name << " does not publish TabStop";
    EXPECT_EQ(prop->Default, tabStop) << name;
    std::unique_ptr<TObject> control(cls->Create(nullptr));
    EXPECT_EQ(GetOrdProp(control.get(), prop), tabStop) << name << " starts with another TabStop";
    for (const char* common : {"TabOrder", "Enabled", "Visible", "Hint", "ShowHint", "ParentShowHint", "PopupMenu"})
      EXPECT_NE(GetPropInfo(cls, common), nullptr) << name << " does not publish " << common;
  }
  // Those the host does not give a tab stop, and those without drag properties.
  for (const char* name : {"TStatusBar", "THeaderControl", "TAnimate", "TTabSheet", "TTabSet", "TForm"})
    EXPECT_EQ(GetPropInfo(FindClass(name), "TabStop"), nullptr) << name;
  for (const char* name : {"TUpDown", "THotKey", "TTabbedNotebook", "TComboBoxEx"})
    EXPECT_EQ(GetPropInfo(FindClass(name), "DragCursor") != nullptr, std::string(name) == "TComboBoxEx") << name;
}

TEST(PublishedControls, ButtonsKeepTheHostsOrder) {
  std::vector<std::string> names = PublishedNames(TButton::ClassInfo());
  std::vector<std::string> expected = {"Name", "Tag", "Left", "Top", "Width", "Height", "Cursor", "Hint",
                                       "HelpContext", "Action", "Anchors", "BiDiMode", "Cancel", "Caption",
                                       "Constraints", "Default", "DragCursor", "DragKind", "DragMode", "Enabled",
                                       "Font", "ModalResult", "ParentBiDiMode", "ParentFont", "ParentShowHint",
                                       "PopupMenu", "ShowHint", "TabOrder", "TabStop", "Visible", "OnClick"};
  ASSERT_GT(names.size(), expected.size());
  EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + static_cast<long>(expected.size())), expected);
  // A bitmap button lists its own properties after the button's, in place for the rest.
  std::vector<std::string> bit = PublishedNames(TBitBtn::ClassInfo());
  EXPECT_EQ(std::vector<std::string>(bit.end() - 7, bit.end()),
            (std::vector<std::string>{"Glyph", "Kind", "Layout", "Margin", "NumGlyphs", "Style", "Spacing"}));
}

TEST(PublishedControls, WritingThroughPropertiesRunsTheSetters) {
  TForm form(nullptr);
  auto* edit = Make<TEdit>(&form, &form);
  auto* label = Make<TLabel>(&form, &form, "Label1");
  SetOrdProp(label, GetPropInfo(label, "FocusControl"), ObjectToOrd(edit));
  EXPECT_EQ(label->FocusControl(), edit);
  SetStrProp(label, GetPropInfo(label, "Caption"), "Longer text");
  EXPECT_EQ(label->Width(), MeasureTextWidth(*label->Font(), "Longer text"));
  SetEnumProp(label, GetPropInfo(label, "Alignment"), "taCenter");
  EXPECT_EQ(label->Alignment(), taCenter);
  TFont font;
  font.SetName("Arial");
  SetObjectProp(label, GetPropInfo(label, "Font"), &font);
  EXPECT_EQ(label->Font()->Name(), "Arial");
  EXPECT_FALSE(label->ParentFont());
  EXPECT_TRUE(GetPropInfo(label, "Font")->IsStoredOn(label));
  SetOrdProp(edit, GetPropInfo(edit, "TabOrder"), 0);
  EXPECT_EQ(GetOrdProp(edit, GetPropInfo(edit, "TabOrder")), 0);
  EXPECT_EQ(SetToString(GetPropInfo(edit, "Anchors")->PropType, edit->Anchors()), "[akLeft,akTop]");
}

// ---- default sizes

TEST(DefaultSizes, AreWhatTheHostsConstructorsSet) {
  struct Expected {
    const char* cls;
    int width;
    int height;
  };
  for (const Expected& e : std::initializer_list<Expected>{
           {"TButton", 75, 25}, {"TBitBtn", 75, 25}, {"TEdit", 121, 21}, {"TLabel", 65, 17},
           {"TPanel", 185, 41}, {"TCheckBox", 97, 17}, {"TRadioButton", 113, 17}, {"TGroupBox", 185, 105},
           {"TRadioGroup", 185, 105}, {"TComboBox", 145, 21}, {"TListBox", 121, 97}, {"TCheckListBox", 121, 97},
           {"TMemo", 185, 89}, {"TSpinEdit", 121, 22}, {"TStaticText", 65, 17}, {"TSpeedButton", 23, 22},
           {"TImage", 105, 105}, {"TPaintBox", 105, 105}, {"TBevel", 50, 50}, {"TShape", 65, 65},
           {"TSplitter", 3, 100}, {"TScrollBox", 185, 41}, {"TPageControl", 289, 193}, {"TTabControl", 289, 193},
           {"TForm", 320, 240}, {"TFrame", 320, 240}}) {
    std::unique_ptr<TObject> object(FindClass(e.cls)->Create(nullptr));
    auto* control = As<TControl>(object.get());
    EXPECT_EQ(control->Width(), e.width) << e.cls;
    EXPECT_EQ(control->Height(), e.height) << e.cls;
  }
}

}  // namespace
