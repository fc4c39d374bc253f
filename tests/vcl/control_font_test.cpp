// Controls that follow their parent's font keep none of their own until they need one: what
// they show, what reaches them when an ancestor's font changes, and what they keep when they
// get a copy, change it, or leave their parent.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "vcl/extctrls.h"
#include "vcl/forms.h"
#include "vcl/stdctrls.h"
#include "vcl/streaming/form_values.h"
#include "vcl/streaming/value_snapshot.h"
#include "vcl/text_metrics.h"

using namespace vcl;

namespace {

template <class T>
T* Make(TComponent* owner, TWinControl* parent) {
  auto* control = new T(owner);
  if (parent) control->SetParent(parent);
  return control;
}

// Whether the control shows another control's font: it has made none of its own.
bool ShowsFontOf(const TControl* control, const TControl* holder) {
  return &control->EffectiveFont() == holder->Font();
}

class ControlFontTest : public ::testing::Test {
protected:
  std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
};

TEST_F(ControlFontTest, ReadingShowsTheParentsFontWithoutMakingOne) {
  auto* panel = Make<TPanel>(form.get(), form.get());
  auto* label = Make<TLabel>(form.get(), panel);
  EXPECT_TRUE(ShowsFontOf(panel, form.get()));
  EXPECT_TRUE(ShowsFontOf(label, form.get()));
  // Drawing, measuring and the form file's value walk only read.
  label->SetCaption("Name:");
  label->Repaint();
  std::vector<TStoredValue> values;
  CollectValues(label, values);
  SnapshotValues(panel);
  EXPECT_TRUE(ShowsFontOf(label, form.get()));
  EXPECT_TRUE(ShowsFontOf(panel, form.get()));
  const TStoredValue* name = nullptr;
  for (const TStoredValue& value : values)
    if (value.Path == "Font.Name") name = &value;
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(std::get<std::string>(name->Value), "MS Sans Serif");
  EXPECT_TRUE(name->Unstored);
  EXPECT_EQ(ReadObjectProp(label, GetPropInfo(label, "Font")), form->Font());

  // Asking for the font to change makes a copy, equal and still following the parent.
  TFont* own = label->Font();
  EXPECT_NE(own, form->Font());
  EXPECT_TRUE(own->SameAs(*form->Font()));
  EXPECT_EQ(label->Font(), own) << "made once";
  EXPECT_TRUE(label->ParentFont());
  EXPECT_EQ(GetObjectProp(panel, GetPropInfo(panel, "Font")), panel->Font());
  EXPECT_NE(panel->Font(), form->Font());
}

TEST_F(ControlFontTest, AParentsChangeReachesEveryFollowerAtAnyDepth) {
  auto* outer = Make<TPanel>(form.get(), form.get());
  auto* inner = Make<TPanel>(form.get(), outer);
  auto* lazy = Make<TLabel>(form.get(), inner);
  auto* copied = Make<TLabel>(form.get(), inner);
  auto* edit = Make<TEdit>(form.get(), inner);
  lazy->SetCaption("Lazy caption");
  copied->SetCaption("Copied caption");
  copied->Font();  // a copy made before the change
  inner->Canvas();
  int labelHeight = lazy->Height();

  form->Font()->SetName("Arial");
  form->Font()->SetSize(16);
  for (const TControl* control : std::vector<const TControl*>{outer, inner, lazy, copied, edit}) {
    EXPECT_EQ(control->EffectiveFont().Name(), "Arial") << control->ClassName();
    EXPECT_EQ(control->EffectiveFont().Size(), 16) << control->ClassName();
    EXPECT_TRUE(control->ParentFont()) << control->ClassName();
  }
  EXPECT_TRUE(ShowsFontOf(lazy, form.get()));
  EXPECT_EQ(copied->Font()->Name(), "Arial");
  // What depends on the font followed it, with or without a copy.
  EXPECT_GT(lazy->Height(), labelHeight);
  EXPECT_EQ(lazy->Width(), MeasureTextWidth(lazy->EffectiveFont(), "Lazy caption"));
  EXPECT_EQ(copied->Height(), lazy->Height());
  EXPECT_EQ(edit->Height(), MeasureTextHeight(edit->EffectiveFont()) + 8);
  EXPECT_EQ(inner->Canvas()->Font()->Name(), "Arial");

  // A copy made by a middle parent after the change passes the next change on as well.
  inner->Font();
  form->Font()->SetName("Tahoma");
  EXPECT_EQ(lazy->EffectiveFont().Name(), "Tahoma");
  EXPECT_TRUE(ShowsFontOf(lazy, inner));
  EXPECT_EQ(copied->Font()->Name(), "Tahoma");
  EXPECT_EQ(inner->Canvas()->Font()->Name(), "Tahoma");
}

TEST_F(ControlFontTest, ChangingAFontStopsFollowingAndItsChildrenFollowIt) {
  auto* panel = Make<TPanel>(form.get(), form.get());
  auto* label = Make<TLabel>(form.get(), panel);
  auto* sibling = Make<TLabel>(form.get(), form.get());
  panel->Font()->SetName("Courier New");
  EXPECT_FALSE(panel->ParentFont());
  EXPECT_TRUE(GetPropInfo(panel, "Font")->IsStoredOn(panel));
  EXPECT_TRUE(ShowsFontOf(label, panel));
  EXPECT_FALSE(GetPropInfo(label, "Font")->IsStoredOn(label));
  form->Font()->SetName("Arial");
  EXPECT_EQ(panel->Font()->Name(), "Courier New");
  EXPECT_EQ(label->EffectiveFont().Name(), "Courier New");
  EXPECT_EQ(sibling->EffectiveFont().Name(), "Arial");

  // Setting ParentFont back takes the parent's font again; turning it off keeps the one shown.
  panel->SetParentFont(true);
  EXPECT_EQ(label->EffectiveFont().Name(), "Arial");
  sibling->SetParentFont(false);
  form->Font()->SetName("Tahoma");
  EXPECT_EQ(sibling->EffectiveFont().Name(), "Arial");
  EXPECT_EQ(label->EffectiveFont().Name(), "Tahoma");

  // Assigning an equal font makes a copy but does not stop following.
  TFont same;
  same.Assign(form->Font());
  label->SetFont(&same);
  EXPECT_TRUE(label->ParentFont());
  same.SetStyle(FontStyleOf(fsItalic));
  label->SetFont(&same);
  EXPECT_FALSE(label->ParentFont());
}

TEST_F(ControlFontTest, AControlLeavingItsParentKeepsTheFontItShowed) {
  auto* arial = Make<TPanel>(form.get(), form.get());
  auto* plain = Make<TPanel>(form.get(), form.get());
  arial->Font()->SetName("Arial");
  auto* label = Make<TLabel>(form.get(), arial);
  auto* edit = Make<TEdit>(form.get(), plain);

  // Into another parent: the new parent's font, and its changes.
  label->SetParent(plain);
  EXPECT_EQ(label->EffectiveFont().Name(), "MS Sans Serif");
  form->Font()->SetStyle(FontStyleOf(fsBold));
  EXPECT_TRUE(label->EffectiveFont().HasStyle(fsBold));
  EXPECT_TRUE(label->ParentFont());
  form->Font()->SetStyle(0);
  label->SetParent(arial);
  EXPECT_EQ(label->EffectiveFont().Name(), "Arial");

  // Out of any parent: the font it showed, which its old parent's changes no longer reach.
  label->SetParent(nullptr);
  EXPECT_TRUE(label->ParentFont());
  EXPECT_EQ(label->EffectiveFont().Name(), "Arial");
  arial->Font()->SetName("Tahoma");
  EXPECT_EQ(label->EffectiveFont().Name(), "Arial");
  delete arial;  // the parent it left goes: the label's font is its own
  EXPECT_EQ(label->EffectiveFont().Name(), "Arial");
  label->SetParent(plain);
  EXPECT_EQ(label->EffectiveFont().Name(), "MS Sans Serif");

  // One that showed the default font shows it still.
  edit->SetParent(nullptr);
  form->Font()->SetName("Courier New");
  EXPECT_EQ(edit->EffectiveFont().Name(), "MS Sans Serif");
  edit->SetParent(form.get());
  EXPECT_EQ(edit->EffectiveFont().Name(), "Courier New");
  EXPECT_TRUE(ShowsFontOf(edit, form.get()));
}

TEST_F(ControlFontTest, ChildrenGoWithTheirParentWhateverTheirFonts) {
  auto* panel = Make<TPanel>(form.get(), form.get());
  panel->Font()->SetName("Arial");
  auto* inner = Make<TPanel>(nullptr, panel);  // owned by nobody: the parent destroys it
  Make<TLabel>(form.get(), inner);
  Make<TLabel>(form.get(), inner)->Font()->SetStyle(FontStyleOf(fsBold));
  Make<TEdit>(form.get(), panel)->Font();
  delete panel;
  EXPECT_EQ(form->ControlCount(), 0);
  EXPECT_EQ(form->ComponentCount(), 0);
  form->Font()->SetName("Tahoma");
}

TEST_F(ControlFontTest, AFormHasAFontOfItsOwn) {
  EXPECT_FALSE(form->ParentFont());
  EXPECT_EQ(&form->EffectiveFont(), form->Font());
  EXPECT_TRUE(GetPropInfo(form.get(), "Font")->IsStoredOn(form.get()));
  // A form inside another control keeps it until it follows its parent.
  auto host = std::make_unique<TForm>(nullptr);
  host->Font()->SetName("Arial");
  form->SetParent(host.get());
  EXPECT_EQ(form->EffectiveFont().Name(), "MS Sans Serif");
  form->SetParentFont(true);
  EXPECT_EQ(form->EffectiveFont().Name(), "Arial");
  EXPECT_EQ(form->Canvas()->Font()->Name(), "Arial");
  form->SetParent(nullptr);
}

TEST_F(ControlFontTest, ConstraintsAreMadeWhenFirstAskedFor) {
  auto* panel = Make<TPanel>(form.get(), form.get());
  auto* edit = Make<TEdit>(form.get(), panel);
  // Without constraints of their own controls share a set of no limits, which reading keeps.
  EXPECT_EQ(&panel->EffectiveConstraints(), &edit->EffectiveConstraints());
  std::vector<TStoredValue> values;
  CollectValues(panel, values);
  EXPECT_EQ(ReadObjectProp(panel, GetPropInfo(panel, "Constraints")), &edit->EffectiveConstraints());
  panel->SetBounds(0, 0, 5000, 3);
  EXPECT_EQ(panel->Width(), 5000);

  // Asked for to change, they are the panel's own and limit its size at once.
  TSizeConstraints* own = panel->Constraints();
  EXPECT_EQ(&panel->EffectiveConstraints(), own);
  EXPECT_EQ(own->Control(), panel);
  own->SetMaxWidth(300);
  EXPECT_EQ(panel->Width(), 300);
  EXPECT_EQ(edit->EffectiveConstraints().MaxWidth(), 0);
  EXPECT_EQ(GetObjectProp(edit, GetPropInfo(edit, "Constraints")), edit->Constraints());
  EXPECT_NE(edit->Constraints(), own);
}

}  // namespace
