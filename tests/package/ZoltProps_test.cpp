// Published properties by name on classes the caller does not know in advance.
#include <gtest/gtest.h>

#include "package/ZoltProps.h"
#include "vcl/extctrls.h"
#include "vcl/forms.h"
#include "vcl/stdctrls.h"

using namespace vcl;
using namespace zolt;

TEST(ZoltProps, WritesGoThroughTheSetter) {
  TForm form(nullptr);
  auto* label = new TLabel(&form);
  label->SetParent(&form);
  ASSERT_TRUE(label->AutoSize());
  EXPECT_TRUE(SetCompStrPropByName(label, "Caption", "Customer &number:"));
  EXPECT_EQ(label->Caption(), "Customer &number:");
  EXPECT_GT(label->Width(), 0) << "the auto-sizing label re-measured itself";
  auto* check = new TCheckBox(&form);
  EXPECT_TRUE(SetCompOrdPropByName(check, "Alignment", taLeftJustify));
  NativeInt alignment = -1;
  EXPECT_TRUE(GetCompOrdPropByName(check, "Alignment", alignment));
  EXPECT_EQ(alignment, taLeftJustify);
  std::string caption = "unchanged";
  EXPECT_TRUE(GetCompStrPropByName(label, "caption", caption)) << "the host's lookup ignores case";
  EXPECT_EQ(caption, "Customer &number:");
}

TEST(ZoltProps, MissingPropertiesAnswerFalseAndChangeNothing) {
  TForm form(nullptr);
  auto* edit = new TEdit(&form);
  edit->SetText("kept");
  EXPECT_FALSE(SetCompStrPropByName(edit, "Caption", "x"));
  EXPECT_EQ(edit->Text(), "kept");
  std::string out = "before";
  EXPECT_FALSE(GetCompStrPropByName(edit, "Caption", out));
  EXPECT_EQ(out, "before");
  NativeInt ord = 77;
  EXPECT_FALSE(GetCompOrdPropByName(edit, "Alignment", ord));
  EXPECT_EQ(ord, 77);
  EXPECT_FALSE(SetCompOrdPropByName(edit, "", 1));
  // A property of the other kind is answered with false as well.
  EXPECT_FALSE(SetCompStrPropByName(edit, "Left", "12"));
  EXPECT_FALSE(GetCompOrdPropByName(edit, "Text", ord));
  EXPECT_EQ(ord, 77);
}

TEST(ZoltProps, ReferencesTravelAsThemselves) {
  TForm form(nullptr);
  auto* label = new TLabel(&form);
  auto* edit = new TEdit(&form);
  EXPECT_TRUE(SetCompOrdPropByName(label, "FocusControl", ObjectToOrd(edit)));
  EXPECT_EQ(label->FocusControl(), edit);
  NativeInt ref = 0;
  EXPECT_TRUE(GetCompOrdPropByName(label, "FocusControl", ref));
  EXPECT_EQ(OrdToObject(ref), edit) << "the whole pointer, not 32 bits of it";
  EXPECT_TRUE(SetCompOrdPropByName(label, "FocusControl", 0));
  EXPECT_EQ(label->FocusControl(), nullptr);
  EXPECT_TRUE(SetCompOrdPropByName(label, "FocusControl", ObjectToOrd(edit)));
  edit->Free();
  EXPECT_TRUE(GetCompOrdPropByName(label, "FocusControl", ref));
  EXPECT_EQ(ref, 0) << "free notification cleared the reference";
}

TEST(ZoltProps, ClassHasPropertyIgnoresCaseAndEvents) {
  EXPECT_TRUE(ClassHasProperty(TLabel::ClassInfo(), "caption"));
  EXPECT_TRUE(ClassHasProperty(TCheckBox::ClassInfo(), "Alignment"));
  EXPECT_TRUE(ClassHasProperty(TCheckBox::ClassInfo(), "Caption"));
  EXPECT_FALSE(ClassHasProperty(TEdit::ClassInfo(), "Caption"));
  EXPECT_FALSE(ClassHasProperty(TButton::ClassInfo(), "OnClick")) << "events do not count";
  EXPECT_FALSE(ClassHasProperty(TLabel::ClassInfo(), ""));
  EXPECT_FALSE(ClassHasProperty(TObject::ClassInfo(), "Name")) << "a class without published properties";
  EXPECT_TRUE(ClassHasProperty(TStaticText::ClassInfo(), "FocusControl"));
  EXPECT_FALSE(TStaticText::ClassInfo()->InheritsFrom(TCustomLabel::ClassInfo())) << "it is windowed, not a label";
}
