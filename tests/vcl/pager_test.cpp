// The page scroller: what it publishes, its size, the control it scrolls and its buttons.
#include <gtest/gtest.h>

#include "vcl/comctrls_pager.h"
#include "vcl/extctrls.h"
#include "vcl/forms.h"

using namespace vcl;

namespace {

TEST(PageScroller, PublishesTheHostsPropertiesAndStartsWithItsDefaults) {
  TClass cls = TPageScroller::ClassInfo();
  const std::vector<std::pair<const char*, NativeInt>> defaults = {
      {"ButtonSize", 12}, {"Color", clBtnFace}, {"Margin", 0}, {"Orientation", soHorizontal},
      {"ParentColor", 0}, {"Position", 0}, {"TabStop", 1}};
  TForm form(nullptr);
  TPageScroller pager(&form);
  for (auto [name, value] : defaults) {
    PPropInfo prop = GetPropInfo(cls, name);
    ASSERT_TRUE(prop && prop->Default) << name;
    EXPECT_EQ(*prop->Default, value) << name;
    EXPECT_EQ(GetOrdProp(&pager, prop), value) << name;
  }
  EXPECT_FALSE(GetPropInfo(cls, "AutoScroll")->Default) << "written whatever its value";
  EXPECT_TRUE(GetPropInfo(cls, "Control")->IsComponentReference());
  EXPECT_NE(GetPropInfo(cls, "OnScroll"), nullptr);
  EXPECT_EQ(pager.BoundsRect(), Bounds(0, 0, 150, 45));
}

TEST(PageScroller, ButtonsShowWhereThereIsMoreToScrollToAndTheControlIsForgottenWhenItGoes) {
  TForm form(nullptr);
  auto* pager = new TPageScroller(&form);
  pager->SetParent(&form);
  EXPECT_EQ(pager->ButtonState(sbFirst), bsInvisible);
  EXPECT_EQ(pager->ButtonState(sbLast), bsInvisible);
  auto* panel = new TPanel(&form);
  panel->SetParent(pager);
  panel->SetBounds(0, 0, 400, 45);
  pager->SetControl(panel);
  EXPECT_EQ(pager->ButtonState(sbFirst), bsInvisible);
  EXPECT_EQ(pager->ButtonState(sbLast), bsNormal);
  pager->SetPosition(250);
  EXPECT_EQ(pager->ButtonState(sbFirst), bsNormal);
  EXPECT_EQ(pager->ButtonState(sbLast), bsInvisible) << "150 of the 400 left to show, all in view";
  pager->SetPosition(-3);
  EXPECT_EQ(pager->Position(), 0);
  panel->Free();
  EXPECT_EQ(pager->Control(), nullptr);
  EXPECT_EQ(pager->ButtonState(sbLast), bsInvisible);
}

}  // namespace
