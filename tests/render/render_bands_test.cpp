// Pictures of the data grid's columns and of the cool bar's bands.
#include <gtest/gtest.h>

#include <string>

#include "render/form_svg.h"
#include "tests/render/svg_query.h"
#include "vcl/font.h"
#include "vcl/text_metrics.h"

using namespace rendertest;

namespace {

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

TEST(RenderBands, ACoolBarDrawsItsBandsTextsAndControls) {
  auto form = ReadForm(
      "  object CoolBar1: TCoolBar\n    Left = 0\n    Top = 0\n    Width = 312\n    Height = 54\n"
      "    Bands = <\n"
      "      item\n        Control = Edit1\n        Text = 'Address'\n        Width = 200\n      end\n"
      "      item\n        Break = False\n        Text = 'Links'\n      end\n"
      "      item\n        Text = 'Second row'\n      end>\n"
      "    object Edit1: TEdit\n      Left = 60\n      Top = 2\n      Width = 130\n      Height = 21\n"
      "      TabOrder = 0\n    end\n  end\n");
  std::string svg = Render(*form);
  auto bar = Named(svg, "CoolBar1");
  ASSERT_TRUE(bar);
  EXPECT_FALSE(IsPlaceholder(*bar));
  auto address = FindText(bar->body, "Address");
  auto links = FindText(bar->body, "Links");
  auto second = FindText(bar->body, "Second row");
  ASSERT_TRUE(address && links && second);
  EXPECT_EQ(links->y, address->y) << "a band that does not break shares the row";
  EXPECT_GT(links->x, address->x + 200 - 10);
  EXPECT_GT(second->y, address->y + 20) << "a band that breaks starts a row";
  EXPECT_TRUE(Named(bar->body, "Edit1")) << "the band's control is drawn inside the bar";
}

}  // namespace
