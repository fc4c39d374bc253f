// Pictures of the common controls: bars, ranges, views and pickers as the designer shows
// them, drawn from what the form file gives them.
#include <fmt/format.h>
#include <gtest/gtest.h>

#include "render/form_svg.h"
#include "tests/render/svg_query.h"
#include "vcl/bitmap.h"
#include "vcl/comctrls_bars.h"
#include "vcl/imglist.h"

using namespace vcl;
using namespace rendertest;

namespace {

// The form's client area starts 4 pixels in from its left edge.
constexpr int kClientX = 4;

// The control's picture, which must be drawn by a painter of its own (no dashed outline).
Fragment Picture(const std::string& svg, const std::string& name) {
  auto fragment = Named(svg, name);
  EXPECT_TRUE(fragment) << name << " not drawn in\n" << svg;
  if (!fragment) return {};
  EXPECT_FALSE(Contains(fragment->body, "stroke-dasharray")) << name << " drawn as a placeholder:\n" << fragment->body;
  return *fragment;
}

TEST(RenderStatusBar, PanelsSideBySideTheLastToTheEndAndSimpleTextInstead) {
  auto form = ReadForm(
      "  object StatusBar1: TStatusBar\n    Left = 0\n    Top = 194\n    Width = 312\n    Height = 19\n"
      "    Panels = <\n      item\n        Text = 'Ready'\n        Width = 100\n      end\n"
      "      item\n        Alignment = taRightJustify\n        Text = 'Line 1'\n        Width = 50\n      end>\n  end\n"
      "  object StatusBar2: TStatusBar\n    Left = 0\n    Top = 175\n    Width = 312\n    Height = 19\n"
      "    Align = alNone\n    Panels = <\n      item\n        Text = 'Hidden'\n        Width = 50\n      end>\n"
      "    SimplePanel = True\n    SimpleText = 'Simple'\n  end\n");
  std::string svg = Render(*form);
  auto first = Picture(svg, "StatusBar1");
  auto ready = FindText(first.body, "Ready");
  ASSERT_TRUE(ready) << first.body;
  EXPECT_EQ(ready->x, kClientX + 3);
  // The first panel's lowered bevel 2 pixels below the bar's top, 100 pixels wide: shadow
  // above and left, highlight below and right.
  EXPECT_TRUE(Contains(first.body, "<path d=\"M4 219h99v1h-98v15h-1z\" fill=\"#808080\"/>")) << first.body;
  EXPECT_TRUE(Contains(first.body, "<path d=\"M103 219h1v17h-100v-1h99z\" fill=\"#FFFFFF\"/>"));
  // The last panel runs to the bar's end, its text right-justified 3 pixels before it.
  auto line = FindText(first.body, "Line 1");
  ASSERT_TRUE(line);
  EXPECT_GT(line->x, kClientX + 312 - 60);
  auto second = Picture(svg, "StatusBar2");
  EXPECT_TRUE(FindText(second.body, "Simple"));
  EXPECT_FALSE(FindText(second.body, "Hidden"));
}

TEST(RenderToolBar, ButtonsTakeTheBarsSizeAndShowImagesAndCaptions) {
  auto form = ReadForm(
      "  object ImageList1: TImageList\n    Left = 200\n    Top = 100\n  end\n"
      "  object ToolBar1: TToolBar\n    Left = 0\n    Top = 0\n    Width = 312\n    Height = 40\n"
      "    ButtonHeight = 36\n    ButtonWidth = 40\n    Caption = 'ToolBar1'\n    Images = ImageList1\n"
      "    ShowCaptions = True\n    TabOrder = 0\n"
      "    object ToolButton1: TToolButton\n      Left = 0\n      Top = 2\n      Caption = 'Open'\n"
      "      ImageIndex = 0\n    end\n"
      "    object ToolButton2: TToolButton\n      Left = 40\n      Top = 2\n      Width = 8\n"
      "      Caption = 'ToolButton2'\n      Style = tbsSeparator\n    end\n"
      "    object ToolButton3: TToolButton\n      Left = 48\n      Top = 2\n      Caption = 'Save'\n"
      "      ImageIndex = 5\n    end\n  end\n");
  auto* images = As<TImageList>(form->Root()->FindComponent("ImageList1"));
  TBitmap red;
  red.SetSize(16, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) red.SetPixel(x, y, clRed);
  images->Add(&red, nullptr);
  std::string svg = Render(*form);
  Picture(svg, "ToolBar1");
  auto open = Picture(svg, "ToolButton1");
  EXPECT_EQ(IntAttr(open.open, "width"), 40);
  EXPECT_EQ(IntAttr(open.open, "height"), 36);
  // The image centred above the caption.
  EXPECT_TRUE(Contains(open.body, "<image x=\"16\"")) << open.body;
  EXPECT_TRUE(FindText(open.body, "Open"));
  EXPECT_EQ(IntAttr(Picture(svg, "ToolButton2").open, "width"), 8);
  // An index past the list's images draws no image, but still the caption.
  auto save = Picture(svg, "ToolButton3");
  EXPECT_FALSE(Contains(save.body, "<image"));
  EXPECT_TRUE(FindText(save.body, "Save"));
}

TEST(RenderRanges, TrackBarProgressBarAndUpDown) {
  auto form = ReadForm(
      "  object TrackBar1: TTrackBar\n    Left = 0\n    Top = 0\n    Width = 150\n    Height = 45\n"
      "    Position = 5\n    TabOrder = 0\n  end\n"
      "  object ProgressBar1: TProgressBar\n    Left = 0\n    Top = 50\n    Width = 102\n    Height = 16\n"
      "    Position = 50\n    Smooth = True\n    TabOrder = 1\n  end\n"
      "  object UpDown1: TUpDown\n    Left = 0\n    Top = 80\n    Width = 16\n    Height = 24\n"
      "    TabOrder = 2\n  end\n");
  std::string svg = Render(*form);
  auto track = Picture(svg, "TrackBar1");
  // Eleven ticks (0 to 10) below the channel, the thumb at the middle one.
  int ticks = 0;
  for (std::size_t at = track.body.find("height=\"3\" fill=\"#000000\""); at != std::string::npos;
       at = track.body.find("height=\"3\" fill=\"#000000\"", at + 1))
    ++ticks;
  EXPECT_EQ(ticks, 11);
  auto progress = Picture(svg, "ProgressBar1");
  // Half of the 100 pixels inside the border filled in the highlight colour.
  EXPECT_TRUE(Contains(progress.body, "width=\"50\" height=\"12\" fill=\"#000080\"")) << progress.body;
  auto updown = Picture(svg, "UpDown1");
  EXPECT_TRUE(Contains(updown.body, "height=\"12\" fill=\"#C0C0C0\"")) << updown.body;  // two 12-pixel buttons
}

TEST(RenderViews, TreeNodesFromItemsDataAndReportColumnHeaders) {
  // One root "Item 0" with the child "Item 1", in the first library's layout.
  auto node = [](std::string_view text, int children) {
    std::string info;
    auto int32 = [&](int v) {
      for (int i = 0; i < 4; ++i) info += static_cast<char>((static_cast<unsigned>(v) >> (8 * i)) & 0xFF);
    };
    int32(25 + static_cast<int>(text.size()));
    for (int v : {-1, -1, -1, -1, 0, children}) int32(v);
    info += static_cast<char>(text.size());
    info += text;
    return info;
  };
  std::string data = std::string("\x01\x00\x00\x00", 4) + node("Item 0", 1) + node("Item 1", 0);
  std::string hex;
  for (unsigned char c : data) hex += fmt::format("{:02X}", c);
  auto form = ReadForm(
      "  object TreeView1: TTreeView\n    Left = 0\n    Top = 0\n    Width = 121\n    Height = 97\n"
      "    Indent = 19\n    TabOrder = 0\n    Items.Data = {\n      " + hex + "}\n  end\n"
      "  object ListView1: TListView\n    Left = 130\n    Top = 0\n    Width = 180\n    Height = 97\n"
      "    Columns = <\n      item\n        Caption = 'Name'\n        Width = 80\n      end\n"
      "      item\n        Caption = 'Size'\n      end>\n    TabOrder = 1\n    ViewStyle = vsReport\n  end\n"
      "  object TreeView2: TTreeView\n    Left = 0\n    Top = 100\n    Width = 121\n    Height = 97\n"
      "    Indent = 19\n    TabOrder = 2\n    Items.Data = {0100}\n  end\n");
  std::string svg = Render(*form);
  auto tree = Picture(svg, "TreeView1");
  EXPECT_TRUE(FindText(tree.body, "Item 0")) << tree.body;
  EXPECT_FALSE(FindText(tree.body, "Item 1"));  // collapsed under its parent
  // A damaged node list draws the empty white box.
  auto empty = Picture(svg, "TreeView2");
  EXPECT_TRUE(Texts(empty.body).empty());
  EXPECT_TRUE(Contains(empty.body, "fill=\"#FFFFFF\""));
  auto list = Picture(svg, "ListView1");
  auto name = FindText(list.body, "Name"), size = FindText(list.body, "Size");
  ASSERT_TRUE(name && size) << list.body;
  EXPECT_EQ(size->x - name->x, 80);
}

TEST(RenderPickers, DateTimeHotKeyAndHeaderTexts) {
  auto form = ReadForm(
      "  object DateTimePicker1: TDateTimePicker\n    Left = 0\n    Top = 0\n    Width = 186\n    Height = 21\n"
      "    Date = 36526.5\n    Time = 36526.5\n    TabOrder = 0\n  end\n"
      "  object DateTimePicker2: TDateTimePicker\n    Left = 0\n    Top = 30\n    Width = 186\n    Height = 21\n"
      "    Date = 36526.5\n    Time = 36526.5\n    Kind = dtkTime\n    TabOrder = 1\n  end\n"
      "  object HotKey1: THotKey\n    Left = 0\n    Top = 60\n    Width = 121\n    Height = 19\n"
      "    HotKey = 16467\n    Modifiers = []\n    TabOrder = 2\n  end\n"
      "  object HeaderControl1: THeaderControl\n    Left = 0\n    Top = 100\n    Width = 312\n    Height = 17\n"
      "    Sections = <\n      item\n        Text = 'First'\n        Width = 60\n      end>\n  end\n");
  std::string svg = Render(*form);
  EXPECT_TRUE(FindText(Picture(svg, "DateTimePicker1").body, "1/1/00"));
  EXPECT_TRUE(FindText(Picture(svg, "DateTimePicker2").body, "12:00:00"));
  EXPECT_TRUE(FindText(Picture(svg, "HotKey1").body, "Ctrl+S"));
  EXPECT_TRUE(FindText(Picture(svg, "HeaderControl1").body, "First"));
}

TEST(RenderPickers, MonthCalendarShowsTheMonthOfItsDate) {
  // February 2000 starts on a Tuesday and has 29 days.
  auto form = ReadForm(
      "  object MonthCalendar1: TMonthCalendar\n    Left = 0\n    Top = 0\n    Width = 191\n    Height = 154\n"
      "    Date = 36570\n    ShowToday = False\n    TabOrder = 0\n  end\n");
  auto calendar = Picture(Render(*form), "MonthCalendar1");
  EXPECT_TRUE(FindText(calendar.body, "February 2000")) << calendar.body;
  auto first = FindText(calendar.body, "1"), last = FindText(calendar.body, "29");
  ASSERT_TRUE(first && last);
  EXPECT_GT(last->y, first->y);
  EXPECT_FALSE(FindText(calendar.body, "30"));
  auto sunday = FindText(calendar.body, "S"), tuesday = FindText(calendar.body, "T");
  ASSERT_TRUE(sunday && tuesday);
  // The 1st stands under the Tuesday, two columns right of the Sunday.
  int cell = (191 - 4) / 7;
  EXPECT_NEAR(first->x - sunday->x, 2 * cell, 3);
}

}  // namespace

namespace {
// A bitmap of one colour.
std::unique_ptr<TBitmap> Solid(int width, int height, TColor color) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetSize(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap->SetPixel(x, y, color);
  return bitmap;
}
}  // namespace

TEST(RenderComboBoxEx, TheSelectedItemsImageBeforeItsTextAndSimpleListsOpen) {
  const std::string items =
      "    ItemsEx = <\n      item\n        Caption = 'Excel'\n        ImageIndex = 5\n      end\n"
      "      item\n        Caption = 'CSV'\n        ImageIndex = 5\n        SelectedImageIndex = 0\n      end>\n";
  auto form = ReadForm(
      "  object ImageList1: TImageList\n    Left = 200\n    Top = 100\n  end\n"
      "  object Combo1: TComboBoxEx\n    Left = 8\n    Top = 8\n    Width = 145\n    Height = 22\n" + items +
      "    Style = csExDropDownList\n    Images = ImageList1\n    Text = 'CSV'\n  end\n"
      "  object Combo2: TComboBoxEx\n    Left = 8\n    Top = 40\n    Width = 145\n    Height = 22\n" + items +
      "    Images = ImageList1\n    Text = 'Excel'\n  end\n"
      "  object Combo3: TComboBoxEx\n    Left = 8\n    Top = 70\n    Width = 145\n    Height = 80\n" + items +
      "    Style = csExSimple\n    Images = ImageList1\n    StyleEx = [csExNoEditImage]\n    Text = 'CSV'\n  end\n");
  auto red = Solid(16, 16, clRed);
  As<TImageList>(form->Root()->FindComponent("ImageList1"))->Add(red.get(), nullptr);
  std::string svg = Render(*form);
  // The edit part starts 2 pixels inside the sunken edge: the image, then the text.
  auto selected = Picture(svg, "Combo1");
  EXPECT_TRUE(Contains(selected.body, fmt::format("<image x=\"{}\"", kClientX + 8 + 4))) << selected.body;
  auto csv = FindText(selected.body, "CSV");
  ASSERT_TRUE(csv);
  EXPECT_EQ(csv->x, kClientX + 8 + 4 + 16 + 4);
  // An item whose image the list does not hold shows its text alone.
  auto missing = Picture(svg, "Combo2");
  EXPECT_FALSE(Contains(missing.body, "<image"));
  auto excel = FindText(missing.body, "Excel");
  ASSERT_TRUE(excel);
  EXPECT_EQ(excel->x, kClientX + 8 + 4);
  // A simple one shows its items' captions in the open list; this one wants no edit image.
  auto simple = Picture(svg, "Combo3");
  EXPECT_FALSE(Contains(simple.body, "<image"));
  EXPECT_EQ(Texts(simple.body).size(), 3u) << simple.body;
}

// Items.Data in the first library's layout: "Alpha" (image 0) with the sub-item "12 KB",
// and "Beta".
const char* const kListItems =
    "410000000200000000000000FFFFFFFFFFFFFFFF010000000000000005416C706861053132204B42FFFFFFFFFFFFFFFFFFFFFFFF"
    "00000000000000000442657461";

TEST(RenderViews, ListItemsInReportListAndIconViews) {
  auto view = [](const std::string& name, int top, const std::string& style) {
    return "  object " + name + ": TListView\n    Left = 0\n    Top = " + std::to_string(top) +
           "\n    Width = 200\n    Height = 60\n    Columns = <\n      item\n        Caption = 'Name'\n"
           "        Width = 80\n      end\n      item\n        Alignment = taRightJustify\n        Caption = 'Size'\n"
           "        Width = 60\n      end>\n    Items.Data = {\n      " + kListItems + "}\n"
           "    SmallImages = ImageList1\n    LargeImages = ImageList1\n    ViewStyle = " + style + "\n  end\n";
  };
  auto form = ReadForm("  object ImageList1: TImageList\n    Left = 250\n    Top = 250\n  end\n" +
                       view("Report", 0, "vsReport") + view("List", 70, "vsList") + view("Icons", 140, "vsIcon") +
                       "  object Damaged: TListView\n    Left = 0\n    Top = 210\n    Width = 200\n    Height = 60\n"
                       "    Items.Data = {\n      4100000002000000}\n    ViewStyle = vsList\n  end\n");
  auto red = Solid(16, 16, clRed);
  As<TImageList>(form->Root()->FindComponent("ImageList1"))->Add(red.get(), nullptr);
  std::string svg = Render(*form);
  // Report: rows below the headers, sub-items in their columns as the columns align.
  auto report = Picture(svg, "Report");
  auto header = FindText(report.body, "Name"), alpha = FindText(report.body, "Alpha"), size = FindText(report.body, "12 KB");
  auto beta = FindText(report.body, "Beta");
  ASSERT_TRUE(header && alpha && size && beta) << report.body;
  EXPECT_GT(alpha->y, header->y);
  EXPECT_GT(beta->y, alpha->y);
  EXPECT_EQ(beta->x - alpha->x, 0);  // "Beta" has no image, yet keeps to the caption column
  EXPECT_GT(size->x, kClientX + 2 + 80 + 20);  // right-justified in the second column
  EXPECT_LT(size->x, kClientX + 2 + 140);
  EXPECT_TRUE(Contains(report.body, "<image"));
  // List: captions beside small images, top down; no sub-items.
  auto list = Picture(svg, "List");
  auto listAlpha = FindText(list.body, "Alpha"), listBeta = FindText(list.body, "Beta");
  ASSERT_TRUE(listAlpha && listBeta) << list.body;
  EXPECT_EQ(listAlpha->x, listBeta->x);
  EXPECT_GT(listBeta->y, listAlpha->y);
  EXPECT_FALSE(FindText(list.body, "12 KB"));
  // Icons: side by side in cells of 75 pixels, captions under the images.
  auto icons = Picture(svg, "Icons");
  auto iconAlpha = FindText(icons.body, "Alpha"), iconBeta = FindText(icons.body, "Beta");
  ASSERT_TRUE(iconAlpha && iconBeta) << icons.body;
  EXPECT_EQ(iconAlpha->y, iconBeta->y);
  EXPECT_GT(iconBeta->x, iconAlpha->x + 40);
  // Bytes the list cannot read show an empty list.
  EXPECT_TRUE(Texts(Picture(svg, "Damaged").body).empty());
}
