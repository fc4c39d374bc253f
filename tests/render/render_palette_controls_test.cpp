// Pictures of the grids, scroll bars, tab sets, notebooks, masked edits, simple combo
// boxes, pictures and glyphs read from form files, Lazarus group boxes and texts in the
// code page of their font.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "render/form_svg.h"
#include "tests/render/svg_query.h"
#include "vcl/bitmap.h"
#include "vcl/extctrls.h"
#include "vcl/forms.h"
#include "vcl/grids.h"
#include "vcl/stdctrls.h"

using namespace vcl;
using namespace rendertest;

namespace {

constexpr int kClientX = 4, kClientY = 23;

std::string Render(const TFormFile& form) {
  TSvgOptions options;
  options.FormFile = &form;
  return RenderSvg(form.Root(), nullptr, options);
}

std::string Hex(const std::vector<std::uint8_t>& bytes) {
  static const char* digits = "0123456789ABCDEF";
  std::string out;
  for (std::uint8_t b : bytes) {
    out += digits[b >> 4];
    out += digits[b & 15];
  }
  return out;
}

// A red 2 x 2 bitmap as a picture's (or a glyph's) form-file data.
std::string BitmapData(bool picture) {
  TBitmap bitmap;
  bitmap.SetSize(2, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) bitmap.SetPixel(x, y, clRed);
  if (!picture) return Hex(bitmap.WriteData());
  TPicture holder;
  holder.SetGraphic(&bitmap);
  return Hex(holder.WriteData());
}

TEST(RenderGrids, FixedCellsLinesAndScrollBarsWhereTheCellsDoNotFit) {
  auto form = ReadForm(
      "  object Grid1: TStringGrid\n    Left = 0\n    Top = 0\n    Width = 320\n    Height = 120\n"
      "    TabOrder = 0\n  end\n"
      "  object Grid2: TDrawGrid\n    Left = 0\n    Top = 130\n    Width = 200\n    Height = 80\n"
      "    ColCount = 2\n    RowCount = 2\n    FixedCols = 0\n    TabOrder = 1\n  end\n");
  static_cast<TStringGrid*>(form->Root()->FindComponent("Grid1"))->SetCells(1, 1, "Cell");
  std::string svg = Render(*form);
  auto grid = Named(svg, "Grid1");
  ASSERT_TRUE(grid);
  EXPECT_FALSE(IsPlaceholder(*grid));
  // Inside the sunken 2-pixel border: the fixed corner cell in the button colour, a black
  // line after it, and the scrollable cells' silver lines.
  EXPECT_TRUE(Contains(grid->body, "<rect x=\"6\" y=\"25\" width=\"64\" height=\"24\" fill=\"#C0C0C0\"/>"));
  EXPECT_TRUE(Contains(grid->body, "<rect x=\"70\" y=\"25\" width=\"1\" height=\"25\" fill=\"#000000\"/>"));
  EXPECT_TRUE(Contains(grid->body, "fill=\"#C0C0C0\"/>"));
  EXPECT_TRUE(FindText(grid->body, "Cell"));
  // 5 x 65 pixels do not fit in 316: both scroll bars.
  EXPECT_TRUE(Contains(grid->body, "url(#dither)"));
  auto small = Named(svg, "Grid2");
  ASSERT_TRUE(small);
  // Two rows of 25 and two columns of 65 fit: no scroll bar, and no fixed column.
  EXPECT_FALSE(Contains(small->body, "url(#dither)"));
  EXPECT_FALSE(Contains(small->body, "height=\"24\" fill=\"#C0C0C0\"/>\n<rect x=\"70\""));
}

TEST(RenderGrids, ADataGridWithoutDataShowsItsTitlesAndIndicator) {
  auto form = ReadForm(
      "  object DBGrid1: TDBGrid\n    Left = 0\n    Top = 0\n    Width = 200\n    Height = 100\n"
      "    TabOrder = 0\n  end\n");
  auto grid = Named(Render(*form), "DBGrid1");
  ASSERT_TRUE(grid);
  EXPECT_FALSE(IsPlaceholder(*grid));
  // The 11-pixel indicator cell and the first title, 13 + 4 pixels high.
  EXPECT_TRUE(Contains(grid->body, "<rect x=\"6\" y=\"25\" width=\"11\" height=\"17\" fill=\"#C0C0C0\"/>"));
  EXPECT_TRUE(Contains(grid->body, "<rect x=\"18\" y=\"25\" width=\"64\" height=\"17\" fill=\"#C0C0C0\"/>"));
}

TEST(RenderGrids, AScrollBarPlacesItsThumbByPosition) {
  auto form = ReadForm(
      "  object Bar1: TScrollBar\n    Left = 0\n    Top = 0\n    Width = 116\n    Height = 16\n"
      "    Position = 50\n    TabOrder = 0\n  end\n"
      "  object Bar2: TScrollBar\n    Left = 200\n    Top = 0\n    Width = 16\n    Height = 116\n"
      "    Kind = sbVertical\n    TabOrder = 1\n  end\n");
  std::string svg = Render(*form);
  auto bar = Named(svg, "Bar1");
  ASSERT_TRUE(bar);
  EXPECT_FALSE(IsPlaceholder(*bar));
  // Track 116 - 2 x 16 = 84; the 16-pixel thumb halfway along its 68 pixels of travel.
  EXPECT_TRUE(Contains(bar->body, "<rect x=\"" + std::to_string(kClientX + 16 + 34) + "\" y=\"23\" width=\"16\" height=\"16\""));
  auto upright = Named(svg, "Bar2");
  EXPECT_TRUE(Contains(upright->body, "<rect x=\"204\" y=\"39\" width=\"16\" height=\"16\""));
}

TEST(RenderTabs, ATabSetHangsItsTabsTheSelectedOneJoined) {
  auto form = ReadForm(
      "  object TabSet1: TTabSet\n    Left = 0\n    Top = 0\n    Width = 200\n    Height = 21\n"
      "    Tabs.Strings = (\n      'Auto'\n      'Locals')\n    TabIndex = 1\n  end\n");
  std::string svg = Render(*form);
  auto tabs = Named(svg, "TabSet1");
  ASSERT_TRUE(tabs);
  EXPECT_FALSE(IsPlaceholder(*tabs));
  EXPECT_TRUE(FindText(tabs->body, "Auto"));
  EXPECT_TRUE(FindText(tabs->body, "Locals"));
  // The selected tab is drawn last, in the selected colour (the button face).
  std::size_t selected = tabs->body.rfind("<polygon");
  ASSERT_NE(selected, std::string::npos);
  EXPECT_NE(tabs->body.find("fill=\"#C0C0C0\"", selected), std::string::npos);
  EXPECT_NE(tabs->body.find("fill=\"#FFFFFF\""), std::string::npos);  // the other one, in the window colour
}

TEST(RenderTabs, NotebooksShowTheActivePagesControlsOnly) {
  auto form = ReadForm(
      "  object Notebook1: TNotebook\n    Left = 0\n    Top = 0\n    Width = 150\n    Height = 80\n"
      "    PageIndex = 1\n"
      "    object TPage\n      Left = 0\n      Top = 0\n      Caption = 'One'\n"
      "      object Hidden1: TEdit\n        Left = 1\n        Top = 1\n        Width = 50\n        Height = 21\n"
      "        TabOrder = 0\n      end\n    end\n"
      "    object TPage\n      Left = 0\n      Top = 0\n      Caption = 'Two'\n"
      "      object Shown1: TEdit\n        Left = 1\n        Top = 1\n        Width = 50\n        Height = 21\n"
      "        TabOrder = 0\n      end\n    end\n  end\n"
      "  object Tabbed1: TTabbedNotebook\n    Left = 0\n    Top = 90\n    Width = 300\n    Height = 100\n"
      "    TabOrder = 1\n"
      "    object TTabPage\n      Left = 4\n      Top = 24\n      Caption = 'First'\n"
      "      object Shown2: TButton\n        Left = 1\n        Top = 1\n        Width = 50\n        Height = 21\n"
      "        TabOrder = 0\n      end\n    end\n"
      "    object TTabPage\n      Left = 4\n      Top = 24\n      Caption = 'Second'\n"
      "      object Hidden2: TButton\n        Left = 1\n        Top = 1\n        Width = 50\n        Height = 21\n"
      "        TabOrder = 0\n      end\n    end\n  end\n");
  std::string svg = Render(*form);
  EXPECT_TRUE(Named(svg, "Shown1"));
  EXPECT_FALSE(Named(svg, "Hidden1"));
  EXPECT_TRUE(Named(svg, "Shown2"));
  EXPECT_FALSE(Named(svg, "Hidden2"));
  auto tabbed = Named(svg, "Tabbed1");
  ASSERT_TRUE(tabbed);
  EXPECT_TRUE(FindText(tabbed->body, "First"));
  EXPECT_TRUE(FindText(tabbed->body, "Second"));
  EXPECT_FALSE(IsPlaceholder(*Named(svg, "Notebook1")));
}

TEST(RenderEdits, AMaskedEditShowsItsMaskAndASimpleComboItsList) {
  auto form = ReadForm(
      "  object MaskEdit1: TMaskEdit\n    Left = 0\n    Top = 0\n    Width = 100\n    Height = 21\n"
      "    EditMask = '!99/99/0000;1;_'\n    MaxLength = 10\n    TabOrder = 0\n    Text = '  /  /    '\n  end\n"
      "  object Combo1: TComboBox\n    Left = 0\n    Top = 30\n    Width = 100\n    Height = 80\n"
      "    Style = csSimple\n    ItemHeight = 13\n    TabOrder = 1\n    Text = 'Typed'\n"
      "    Items.Strings = (\n      'Alpha'\n      'Beta')\n  end\n");
  std::string svg = Render(*form);
  auto mask = Named(svg, "MaskEdit1");
  ASSERT_TRUE(mask);
  EXPECT_TRUE(FindText(mask->body, "  /  /    "));
  auto combo = Named(svg, "Combo1");
  ASSERT_TRUE(combo);
  EXPECT_TRUE(FindText(combo->body, "Typed"));
  auto alpha = FindText(combo->body, "Alpha");
  ASSERT_TRUE(alpha);
  // The list starts below the 21-pixel edit box; there is no drop-down button.
  EXPECT_GT(alpha->y, kClientY + 30 + 21);
  EXPECT_FALSE(Contains(combo->body, "width=\"7\" height=\"1\""));
}

TEST(RenderPictures, ImagesAndGlyphsFromTheirFormFileData) {
  auto form = ReadForm(
      "  object Image1: TImage\n    Left = 0\n    Top = 0\n    Width = 10\n    Height = 10\n"
      "    Picture.Data = {" + BitmapData(true) + "}\n  end\n"
      "  object Image2: TImage\n    Left = 20\n    Top = 0\n    Width = 10\n    Height = 10\n"
      "    Picture.Data = {0954506E67496D616765}\n  end\n"
      "  object Image3: TImage\n    Left = 40\n    Top = 0\n    Width = 32\n    Height = 32\n    Stretch = True\n"
      "    Picture.Data = {055449636F6E0000010001002020100001000400E802000016000000}\n  end\n"
      "  object SpeedButton1: TSpeedButton\n    Left = 0\n    Top = 40\n    Width = 23\n    Height = 22\n"
      "    Glyph.Data = {" + BitmapData(false) + "}\n  end\n");
  std::string svg = Render(*form);
  auto image = Named(svg, "Image1");
  ASSERT_TRUE(image);
  EXPECT_TRUE(Contains(image->body, "<image x=\"4\" y=\"23\" width=\"2\" height=\"2\""));
  EXPECT_TRUE(Contains(image->body, "data:image/bmp;base64,Qk"));
  // A picture in a format the model does not decode stays undrawn (the designer's outline).
  EXPECT_FALSE(Contains(Named(svg, "Image2")->body, "<image"));
  // An icon is embedded as it is, stretched.
  EXPECT_TRUE(Contains(Named(svg, "Image3")->body, "<image x=\"44\" y=\"23\" width=\"32\" height=\"32\""));
  EXPECT_TRUE(Contains(Named(svg, "Image3")->body, "data:image/x-icon;base64,AAABAA"));
  EXPECT_TRUE(Contains(Named(svg, "SpeedButton1")->body, "data:image/bmp;base64,Qk"));
  // The designer outlines an image with a dash, whether it shows a picture or not.
  form->Root()->FindComponent("Image2")->SetDesigning(true);
  auto outlined = Named(Render(*form), "Image2");
  EXPECT_TRUE(Contains(outlined->body, "stroke-dasharray=\"18 6\""));
  EXPECT_FALSE(IsPlaceholder(*outlined));
  // The save keeps the data as the file has it.
  std::string saved = form->Write();
  EXPECT_NE(saved.find("Picture.Data = {0954506E67496D616765}"), std::string::npos);
}

// The pixels' alpha values of a PNG whose image data is in stored deflate blocks, row by
// row (empty when it is not such a PNG of 8-bit RGBA pixels).
std::vector<std::vector<int>> PngAlpha(const std::string& base64) {
  const std::string digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string bytes;
  unsigned bits = 0;
  int count = 0;
  for (char c : base64) {
    if (c == '=') break;
    bits = bits << 6 | static_cast<unsigned>(digits.find(c));
    if ((count += 6) >= 8) bytes += static_cast<char>(bits >> (count -= 8) & 0xFF);
  }
  auto u8 = [&](std::size_t at) { return static_cast<unsigned char>(bytes.at(at)); };
  auto u32 = [&](std::size_t at) { return u8(at) << 24 | u8(at + 1) << 16 | u8(at + 2) << 8 | u8(at + 3); };
  if (bytes.substr(1, 3) != "PNG" || bytes.substr(12, 4) != "IHDR" || u8(24) != 8 || u8(25) != 6) return {};
  unsigned width = u32(16), height = u32(20);
  std::string raw;
  for (std::size_t at = 8; at + 8 <= bytes.size(); at += 12 + u32(at)) {
    if (bytes.substr(at + 4, 4) != "IDAT") continue;
    for (std::size_t block = at + 10;;) {  // past the zlib header
      std::size_t size = u8(block + 1) | u8(block + 2) << 8;
      raw += bytes.substr(block + 5, size);
      if (u8(block) & 1) break;
      block += 5 + size;
    }
  }
  std::vector<std::vector<int>> rows;
  for (unsigned y = 0; y < height; ++y) {
    std::size_t row = y * (1 + 4 * width);
    if (raw.at(row) != 0) return {};
    rows.emplace_back();
    for (unsigned x = 0; x < width; ++x) rows.back().push_back(static_cast<unsigned char>(raw.at(row + 4 + 4 * x)));
  }
  return rows;
}

// A transparent picture lets the form show through where its pixels have the colour of its
// bottom-left pixel; an opaque one is embedded as the bitmap it is.
TEST(RenderPictures, ATransparentImageHidesThePixelsOfItsBottomLeftColour) {
  TBitmap bitmap;
  bitmap.SetSize(3, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) bitmap.SetPixel(x, y, clRed);
  bitmap.SetPixel(0, 1, clFuchsia);
  bitmap.SetPixel(2, 0, clFuchsia);
  TPicture holder;
  holder.SetGraphic(&bitmap);
  std::string data = Hex(holder.WriteData());
  auto form = ReadForm(
      "  object Image1: TImage\n    Left = 0\n    Top = 0\n    Width = 10\n    Height = 10\n"
      "    Picture.Data = {" + data + "}\n    Transparent = True\n  end\n"
      "  object Image2: TImage\n    Left = 20\n    Top = 0\n    Width = 10\n    Height = 10\n"
      "    Picture.Data = {" + data + "}\n  end\n");
  std::string svg = Render(*form);
  auto transparent = Named(svg, "Image1");
  ASSERT_TRUE(transparent);
  const std::string prefix = "data:image/png;base64,";
  std::size_t at = transparent->body.find(prefix);
  ASSERT_NE(at, std::string::npos) << transparent->body;
  at += prefix.size();
  std::string encoded = transparent->body.substr(at, transparent->body.find('"', at) - at);
  EXPECT_EQ(PngAlpha(encoded), (std::vector<std::vector<int>>{{255, 255, 0}, {0, 255, 255}}));
  EXPECT_TRUE(Contains(Named(svg, "Image2")->body, "data:image/bmp;base64,Qk"));
  // Turning it off draws it opaque again.
  As<TImage>(form->Root()->FindComponent("Image1"))->SetTransparent(false);
  EXPECT_TRUE(Contains(Named(Render(*form), "Image1")->body, "data:image/bmp;base64,Qk"));
}

TEST(RenderPictures, ABitmapThatCannotBeReadIsAnErrorAtItsPlace) {
  try {
    ReadForm("  object Image1: TImage\n    Left = 0\n    Top = 0\n    Width = 10\n    Height = 10\n"
             "    Picture.Data = {07544269746D617004000000}\n  end\n");
    FAIL() << "a picture without its bitmap was read";
  } catch (const EReadError& e) {
    EXPECT_NE(e.Message().find("Form1.dfm:14:20:"), std::string::npos) << e.Message();
    EXPECT_NE(e.Message().find("Image1.Picture.Data"), std::string::npos) << e.Message();
  }
}

TEST(RenderContainers, ALazarusGroupBoxPlacesItsChildrenInItsClientArea) {
  auto form = TFormFile::Read(
      "object Form1: TForm1\n  Left = 0\n  Top = 0\n  Width = 320\n  Height = 240\n"
      "  object Group1: TGroupBox\n    Left = 8\n    Height = 131\n    Top = 8\n    Width = 200\n"
      "    Caption = 'Find Data'\n    ClientHeight = 114\n    ClientWidth = 196\n    TabOrder = 0\n"
      "    object Check1: TCheckBox\n      Left = 6\n      Height = 19\n      Top = 4\n      Width = 90\n"
      "      Caption = 'Case'\n      TabOrder = 0\n    end\n  end\nend\n",
      "Form1.lfm");
  std::string svg = Render(*form);
  auto check = Named(svg, "Check1");
  ASSERT_TRUE(check);
  // The client area starts 2 pixels inside the frame and 131 - 114 - 2 = 15 below the top.
  EXPECT_EQ(IntAttr(check->open, "x"), kClientX + 8 + 2 + 6);
  EXPECT_EQ(IntAttr(check->open, "y"), kClientY + 8 + 15 + 4);
}

TEST(RenderTexts, ByteCodedTextsTakeTheCodePageOfTheirFontsCharset) {
  std::string source =
      "object Form1: TForm1\n  Left = 0\n  Top = 0\n  Width = 320\n  Height = 240\n"
      "  object Label1: TLabel\n    Left = 8\n    Top = 8\n    Width = 60\n    Height = 13\n"
      "    Caption = #203#206#204#229\n    Font.Charset = GB2312_CHARSET\n    Font.Color = clWindowText\n"
      "    Font.Height = -12\n    Font.Name = #203#206#204#229\n    Font.Style = []\n    ParentFont = False\n  end\n"
      "  object Label2: TLabel\n    Left = 8\n    Top = 30\n    Width = 60\n    Height = 13\n"
      "    Caption = 'Stra'#223'e'\n  end\n"
      "  object Label3: TLabel\n    Left = 8\n    Top = 50\n    Width = 60\n    Height = 13\n"
      "    Caption = #1055#1088#1080\n    Font.Charset = RUSSIAN_CHARSET\n    ParentFont = False\n  end\n"
      "end\n";
  auto form = TFormFile::Read(source, "Form1.dfm");
  auto* chinese = static_cast<TLabel*>(form->Root()->FindComponent("Label1"));
  EXPECT_EQ(chinese->Caption(), "\xE5\xAE\x8B\xE4\xBD\x93");  // 宋体 in GB2312
  EXPECT_EQ(chinese->Font()->Name(), "\xE5\xAE\x8B\xE4\xBD\x93");
  // Without a character set of its own a text keeps the file's reading.
  EXPECT_EQ(static_cast<TLabel*>(form->Root()->FindComponent("Label2"))->Caption(), "Stra\xC3\x9F" "e");
  // Codes above 255 are Unicode whatever the font.
  EXPECT_EQ(static_cast<TLabel*>(form->Root()->FindComponent("Label3"))->Caption(), "\xD0\x9F\xD1\x80\xD0\xB8");
  EXPECT_TRUE(FindText(Render(*form), "\xE5\xAE\x8B\xE4\xBD\x93"));
  EXPECT_EQ(form->Write(), source);
}

}  // namespace
