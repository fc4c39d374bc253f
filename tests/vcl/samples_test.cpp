// The Samples page's gauge and colour grid: what they publish with which defaults, their
// sizes, and the rules of their values.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "vcl/forms.h"
#include "vcl/samples_colorgrd.h"
#include "vcl/samples_gauges.h"

using namespace vcl;

namespace {

std::vector<std::string> PublishedNames(TClass cls) {
  std::vector<std::string> names;
  for (PPropInfo p : cls->Properties()) names.push_back(p->Name);
  return names;
}

TEST(Samples, GaugeAndColorGridPublishTheHostsPropertiesAndDefaults) {
  EXPECT_EQ(PublishedNames(TGauge::ClassInfo()),
            (std::vector<std::string>{"Name", "Tag", "Left", "Top", "Width", "Height", "Cursor", "Hint", "Align", "Anchors",
                                      "BackColor", "BorderStyle", "Color", "Constraints", "Enabled", "ForeColor",
                                      "Font", "Kind", "MinValue", "MaxValue", "ParentColor", "ParentFont",
                                      "ParentShowHint", "PopupMenu", "Progress", "ShowHint", "ShowText",
                                      "Visible"}));
  const std::vector<std::tuple<TClass, const char*, NativeInt>> defaults = {
      {TGauge::ClassInfo(), "BackColor", clWhite}, {TGauge::ClassInfo(), "ForeColor", clBlack},
      {TGauge::ClassInfo(), "BorderStyle", bsSingle}, {TGauge::ClassInfo(), "Kind", gkHorizontalBar},
      {TGauge::ClassInfo(), "MinValue", 0}, {TGauge::ClassInfo(), "MaxValue", 100},
      {TGauge::ClassInfo(), "ShowText", 1}, {TColorGrid::ClassInfo(), "GridOrdering", go4x4},
      {TColorGrid::ClassInfo(), "ForegroundIndex", 0}, {TColorGrid::ClassInfo(), "BackgroundEnabled", 1},
      {TColorGrid::ClassInfo(), "ClickEnablesColor", 0}, {TColorGrid::ClassInfo(), "TabStop", 1},
      {TColorGrid::ClassInfo(), "Selection", 0}};
  for (const auto& [cls, name, value] : defaults) {
    PPropInfo prop = GetPropInfo(cls, name);
    ASSERT_TRUE(prop && prop->Default) << cls->ClassName() << "." << name;
    EXPECT_EQ(*prop->Default, value) << cls->ClassName() << "." << name;
  }
  // Progress has no default: a new gauge writes it.
  EXPECT_FALSE(GetPropInfo(TGauge::ClassInfo(), "Progress")->Default);
  for (const char* name : {"OnChange", "OnClick", "OnKeyDown", "Ctl3D", "TabOrder"})
    EXPECT_NE(GetPropInfo(TColorGrid::ClassInfo(), name), nullptr) << name;
  TForm form(nullptr);
  EXPECT_EQ(TGauge(&form).BoundsRect(), Bounds(0, 0, 100, 100));
  TColorGrid grid(&form);
  EXPECT_EQ(grid.BoundsRect(), Bounds(0, 0, 100, 100));
  EXPECT_TRUE(grid.TabStop());
}

TEST(Samples, GaugeProgressStaysInItsRangeAndTheRangeStaysOrdered) {
  TForm form(nullptr);
  TGauge gauge(&form);
  gauge.SetProgress(150);
  EXPECT_EQ(gauge.Progress(), 100);
  EXPECT_EQ(gauge.PercentDone(), 100);
  gauge.SetMaxValue(50);
  EXPECT_EQ(gauge.Progress(), 50) << "pulled down with the maximum";
  gauge.SetMinValue(10);
  gauge.SetProgress(-5);
  EXPECT_EQ(gauge.Progress(), 10);
  EXPECT_EQ(gauge.PercentDone(), 0);
  gauge.SetProgress(30);
  EXPECT_EQ(gauge.PercentDone(), 50);
  try {
    gauge.SetMinValue(60);
    ADD_FAILURE() << "a minimum above the maximum";
  } catch (const EInvalidOperation& e) {
    EXPECT_EQ(e.Message(), "Value must be between -2147483647 and 49");
  }
  EXPECT_THROW(gauge.SetMaxValue(5), EInvalidOperation);
  EXPECT_EQ(gauge.MinValue(), 10);
  EXPECT_EQ(gauge.MaxValue(), 50);
  // An empty range is 0 per cent, not a division by zero.
  gauge.SetMaxValue(10);
  EXPECT_EQ(gauge.PercentDone(), 0);
}

TEST(Samples, ColorGridNamesItsColoursAndReportsChanges) {
  TForm form(nullptr);
  TColorGrid grid(&form);
  int changes = 0;
  grid.OnChange = [&](TObject*) { ++changes; };
  grid.SetForegroundIndex(12);
  grid.SetForegroundIndex(12);
  grid.SetBackgroundIndex(7);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(grid.ForegroundColor(), clBlue);
  EXPECT_EQ(grid.BackgroundColor(), clSilver);
  EXPECT_EQ(TColorGrid::PaletteColor(8), clGray);
  grid.SetGridOrdering(go2x8);
  EXPECT_EQ(grid.Columns(), 2);
  EXPECT_EQ(grid.Rows(), 8);
}

}  // namespace
