// Pictures of the data grid's columns and of the cool bar's bands.
#include <gtest/gtest.h>

#include <string>

#include "render/form_svg.h"
#include "tests/render/svg_query.h"
#include "vcl/font.h"
#include "vcl/text_metrics.h"

using namespace rendertest;

namespace {

bool IsPlaceholder(const Fragment& control) { return Contains(control.body, "stroke=\"#808080\" stroke-dasharray"); }

TEST(RenderBands, ADataGridShowsAVisibleColumnsTitlesAtTheirWidths) {
  auto form = ReadForm(
      "  object DBGrid1: TDBGrid\n    Left = 0\n    Top = 0\n    Width = 300\n    Height = 100\n"
      "    TabOrder = 0\n    Columns = <\n"
      "      item\n        FieldName = 'OrderNo'\n        Title.Caption = 'Order'\n        Width = 80\n"
      "        Visible = True\n      end\n"
      "      item\n        FieldName = 'Hidden'\n        Visible = False\n      end\n"
      "      item\n        FieldName = 'Customer'\n        Title.Alignment = taRightJustify\n"
      "        Title.Color = clYellow\n        Visible = True\n      end>\n  end\n");
  std::string svg = Render(*form);
  auto grid = Named(svg, "DBGrid1");
  ASSERT_TRUE(grid);
  EXPECT_FALSE(IsPlaceholder(*grid));
  auto order = FindText(grid->body, "Order");
  auto customer = FindText(grid->body, "Customer");
  ASSERT_TRUE(order && customer);
  EXPECT_FALSE(FindText(grid->body, "Hidden")) << "an invisible column has no title";
  // The indicator (11 + 1), then 80 + 1 for the first column: the second starts at 94 in
  // the grid's client area, 6 pixels in; its title is right-aligned in 64 pixels, on yellow.
  EXPECT_TRUE(Contains(grid->body, "<rect x=\"18\" y=\"25\" width=\"80\" height=\"17\" fill=\"#C0C0C0\"/>"));
  EXPECT_TRUE(Contains(grid->body, "<rect x=\"99\" y=\"25\" width=\"64\" height=\"17\" fill=\"#FFFF00\"/>"));
  EXPECT_EQ(order->x, 20);
  EXPECT_EQ(customer->x, 99 + 64 - 2 - vcl::MeasureTextWidth(vcl::TFont(), "Customer"));
}

}  // namespace
