// Pictures of the Samples page's gauge, in each of its kinds, and colour grid, and of the
// Win32 page's page scroller.
#include <gtest/gtest.h>

#include "render/form_svg.h"
#include "tests/render/svg_query.h"
#include "vcl/comctrls_pager.h"
#include "vcl/samples_colorgrd.h"
#include "vcl/samples_gauges.h"

using namespace vcl;
using namespace rendertest;

namespace {

// The gauge `name` of kind `kind`, 100 x `height` at the client area's corner (4, 23),
// 40 per cent done, red on white.
std::string Gauge(const std::string& name, const std::string& kind, int height, int progress = 40) {
  return "  object " + name + ": TGauge\n    Left = 0\n    Top = 0\n    Width = 100\n    Height = " +
         std::to_string(height) + "\n    ForeColor = clRed\n    Kind = " + kind +
         "\n    Progress = " + std::to_string(progress) + "\n  end\n";
}

std::string Picture(const std::string& body, const std::string& name) {
  std::string svg = Render(*ReadForm(body));
  auto picture = Named(svg, name);
  EXPECT_TRUE(picture) << svg;
  EXPECT_FALSE(picture && Contains(picture->body, "stroke-dasharray")) << name << " drawn as a placeholder";
  return picture ? picture->body : std::string();
}

TEST(RenderGauge, BarsFillTheirShareOfTheInsideOfTheBorder) {
  // Inside the one-pixel border: 98 x 48 from (5, 24); 40 per cent is 39 wide or 19 high.
  std::string horizontal = Picture(Gauge("Gauge1", "gkHorizontalBar", 50), "Gauge1");
  EXPECT_TRUE(Contains(horizontal, "<rect x=\"5\" y=\"24\" width=\"98\" height=\"48\" fill=\"#FFFFFF\"/>")) << horizontal;
  EXPECT_TRUE(Contains(horizontal, "<rect x=\"5\" y=\"24\" width=\"39\" height=\"48\" fill=\"#FF0000\"/>")) << horizontal;
  EXPECT_TRUE(FindText(horizontal, "40%"));
  std::string vertical = Picture(Gauge("Gauge2", "gkVerticalBar", 50), "Gauge2");
  EXPECT_TRUE(Contains(vertical, "<rect x=\"5\" y=\"53\" width=\"98\" height=\"19\" fill=\"#FF0000\"/>")) << vertical;
  // Text alone: the back colour and the percentage, nothing filled in the fore colour.
  std::string text = Picture(Gauge("Gauge3", "gkText", 50), "Gauge3");
  EXPECT_TRUE(FindText(text, "40%"));
  EXPECT_FALSE(Contains(text, "height=\"48\" fill=\"#FF0000\"")) << text;
}

TEST(RenderGauge, APieFillsClockwiseFromTwelveAndANeedlePointsAtItsShare) {
  // A quarter: the wedge from three o'clock anticlockwise up to twelve.
  std::string pie = Picture(Gauge("Gauge1", "gkPie", 100, 25), "Gauge1");
  EXPECT_TRUE(Contains(pie, "<ellipse cx=\"54\" cy=\"73\" rx=\"48.5\" ry=\"48.5\" fill=\"#FFFFFF\"")) << pie;
  EXPECT_TRUE(Contains(pie, "d=\"M54.00 73.00L103.00 73.00A49 49 0 0 0 54.00 24.00Z\" fill=\"#FF0000\"")) << pie;
  // Three quarters take the long way round.
  std::string most = Picture(Gauge("Gauge2", "gkPie", 100, 75), "Gauge2");
  EXPECT_TRUE(Contains(most, "A49 49 0 1 0 54.00 24.00Z")) << most;
  // Nothing done: no wedge.
  EXPECT_FALSE(Contains(Picture(Gauge("Gauge3", "gkPie", 100, 0), "Gauge3"), "A49 49"));
  // Half way the needle stands upright from the middle of the base.
  std::string needle = Picture(Gauge("Gauge4", "gkNeedle", 50, 50), "Gauge4");
  EXPECT_TRUE(Contains(needle, "d=\"M54.5 71V24\"")) << needle;
}

TEST(RenderColorGrid, SixteenColoursWithTheForegroundAndBackgroundMarked) {
  std::string body =
      "  object ColorGrid1: TColorGrid\n    Left = 0\n    Top = 0\n    Width = 100\n    Height = 100\n"
      "    ForegroundIndex = 9\n    BackgroundIndex = 15\n  end\n"
      "  object ColorGrid2: TColorGrid\n    Left = 0\n    Top = 110\n    Width = 160\n    Height = 20\n"
      "    GridOrdering = go16x1\n    BackgroundEnabled = False\n  end\n";
  std::string grid = Picture(body, "ColorGrid1");
  // Entry 9 (red) is the second cell of the third row of 25 x 25 cells.
  EXPECT_TRUE(Contains(grid, "<rect x=\"29\" y=\"73\" width=\"25\" height=\"25\" fill=\"#FF0000\"/>")) << grid;
  auto fg = FindText(grid, "FG");
  ASSERT_TRUE(fg) << grid;
  EXPECT_EQ(Attr(fg->tag, "fill"), "#00FFFF") << "the inverse of red";
  EXPECT_TRUE(FindText(grid, "BG"));
  std::string row = Picture(body, "ColorGrid2");
  // One row of sixteen 10 x 20 cells; black (entry 0) is the foreground, no background.
  EXPECT_TRUE(Contains(row, "<rect x=\"154\" y=\"133\" width=\"10\" height=\"20\" fill=\"#FFFFFF\"/>")) << row;
  EXPECT_TRUE(FindText(row, "FG"));
  EXPECT_FALSE(FindText(row, "BG"));
  EXPECT_FALSE(FindText(row, "FB"));
}

TEST(RenderPageScroller, ArrowButtonsAtTheEndsThatHaveMoreToShow) {
  const std::string body =
      "  object PageScroller1: TPageScroller\n    Left = 0\n    Top = 0\n    Width = 150\n    Height = 45\n"
      "    AutoScroll = False\n    Control = Panel1\n    Position = 10\n    TabOrder = 0\n"
      "    object Panel1: TPanel\n      Left = 0\n      Top = 0\n      Width = 400\n      Height = 45\n"
      "      TabOrder = 0\n    end\n  end\n"
      "  object PageScroller2: TPageScroller\n    Left = 0\n    Top = 50\n    Width = 150\n    Height = 45\n"
      "    AutoScroll = False\n    TabOrder = 1\n  end\n";
  auto form = ReadForm(body);
  EXPECT_EQ(As<TPageScroller>(form->Root()->FindComponent("PageScroller1"))->Control(),
            form->Root()->FindComponent("Panel1"));
  std::string pager = Picture(body, "PageScroller1");
  // Two 12-pixel buttons, at the left edge and at the right one, their arrows' 7-pixel bases
  // at the middle of each.
  EXPECT_TRUE(Contains(pager, "<rect x=\"4\" y=\"23\" width=\"150\" height=\"45\" fill=\"#C0C0C0\"/>")) << pager;
  EXPECT_TRUE(Contains(pager, "<rect x=\"11\" y=\"42\" width=\"1\" height=\"7\" fill=\"#000000\"/>")) << pager;
  EXPECT_TRUE(Contains(pager, "<rect x=\"146\" y=\"42\" width=\"1\" height=\"7\" fill=\"#000000\"/>")) << pager;
  // Nothing to scroll: no buttons.
  std::string empty = Picture(body, "PageScroller2");
  EXPECT_FALSE(Contains(empty, "width=\"1\" height=\"7\"")) << empty;
}

}  // namespace
