// Finding the properties a form file names, guided by the order earlier objects gave them in.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "vcl/forms.h"
#include "vcl/stdctrls.h"
#include "vcl/streaming/form_values.h"

namespace vcl {
namespace {

// Every name of `names` looked up for an object of `cls` through `guide` and through the
// class's index: the same property, or null from both.
void ExpectSameAsIndex(TPropertyGuide& guide, TClass cls, const std::vector<std::string>& names) {
  guide.Begin(cls);
  for (const std::string& name : names) EXPECT_EQ(guide.Find(name), cls->FindProperty(name)) << cls->ClassName() << "." << name;
}

TEST(PropertyGuide, FindsWhatTheClassIndexFindsInAnyOrderAndCase) {
  TClass edit = TEdit::ClassInfo(), label = TLabel::ClassInfo();
  const std::vector<std::string> written = {"Left", "Top", "Width", "Height", "TabOrder", "Text", "OnChange"};
  TPropertyGuide guide;
  ExpectSameAsIndex(guide, edit, written);
  ExpectSameAsIndex(guide, edit, written);  // now by the order learnt
  ExpectSameAsIndex(guide, label, {"Left", "Top", "Caption", "FocusControl"});
  ExpectSameAsIndex(guide, edit, {"Top", "Left", "Text", "Height", "OnChange", "Width"});
  ExpectSameAsIndex(guide, edit, {"LEFT", "top", "NoSuchValue", "Width", "Font", "height", "NoSuchValue"});
  ExpectSameAsIndex(guide, label, {"Left", "Top", "Caption", "FocusControl"});
  ExpectSameAsIndex(guide, edit, written);
}

TEST(PropertyGuide, GuidesOnlyThePathsFirstName) {
  TForm form(nullptr);
  auto* edit = new TEdit(&form);
  TPropertyGuide guide;
  guide.Begin(edit->ClassType());
  for (int round = 0; round < 2; ++round) {
    TPathTarget font = ResolvePath(edit, "Font.Height", &guide);
    EXPECT_EQ(font.Instance, edit->Font());
    EXPECT_EQ(font.Prop, edit->Font()->ClassType()->FindProperty("Height"));
    TPathTarget height = ResolvePath(edit, "Height", &guide);
    EXPECT_EQ(height.Instance, edit);
    EXPECT_EQ(height.Prop, edit->ClassType()->FindProperty("Height"));
    EXPECT_EQ(ResolvePath(edit, "Font.NoSuchValue", &guide).Prop, nullptr);
    guide.Begin(edit->ClassType());
  }
}

}  // namespace
}  // namespace vcl
