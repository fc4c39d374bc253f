// Pictures of single controls: positions, texts, fonts, sides, clipping and kinds.
#include <gtest/gtest.h>

#include "render/form_svg.h"
#include "render/svg_writer.h"
#include "tests/render/svg_query.h"
#include "vcl/comctrls.h"
#include "vcl/extctrls.h"
#include "vcl/forms.h"
#include "vcl/stdctrls.h"
#include "vcl/text_metrics.h"

using namespace vcl;
using namespace rendertest;

namespace {

// The form's client area starts inside the 4-pixel sizeable border, below the 19-pixel
// caption bar.
constexpr int kClientX = 4, kClientY = 23;

TEST(RenderLabel, CaptionAtItsPositionInItsFontWithTheAcceleratorUnderlined) {
  auto form = ReadForm(
      "  object Label1: TLabel\n    Left = 10\n    Top = 20\n    Width = 30\n    Height = 13\n"
      "    Caption = '&Name:'\n  end\n");
  std::string svg = Render(*form);
  auto label = Named(svg, "Label1");
  ASSERT_TRUE(label) << svg;
  EXPECT_EQ(Attr(label->open, "data-class"), "TLabel");
  EXPECT_EQ(IntAttr(label->open, "x"), kClientX + 10);
  EXPECT_EQ(IntAttr(label->open, "y"), kClientY + 20);
  EXPECT_EQ(IntAttr(label->open, "width"), 30);
  auto text = FindText(label->body, "Name:");
  ASSERT_TRUE(text) << label->body;
  EXPECT_EQ(text->x, kClientX + 10);
  EXPECT_EQ(text->y, kClientY + 20 + 11);  // the baseline of MS Sans Serif 8
  EXPECT_EQ(Attr(text->tag, "font-size"), "11");
  // Stretched to the width the model measures, so that the picture matches the layout.
  TFont font;
  EXPECT_EQ(IntAttr(text->tag, "textLength"), MeasureTextWidth(font, "Name:"));
  // "N" underlined one pixel below the baseline.
  EXPECT_TRUE(Contains(label->body, "<rect x=\"14\" y=\"55\" width=\"8\" height=\"1\" fill=\"#000000\"/>")) << label->body;
  // An opaque label fills its bounds with its colour first.
  EXPECT_TRUE(Contains(label->body, "<rect x=\"14\" y=\"43\" width=\"30\" height=\"13\" fill=\"#C0C0C0\"/>"));
}

TEST(RenderLabel, AlignmentFontStyleColourAndTransparency) {
  auto form = ReadForm(
      "  object Right1: TLabel\n    Left = 0\n    Top = 0\n    Width = 100\n    Height = 13\n"
      "    Alignment = taRightJustify\n    AutoSize = False\n    Caption = 'Hi'\n    Transparent = True\n  end\n"
      "  object Centre1: TLabel\n    Left = 0\n    Top = 20\n    Width = 100\n    Height = 13\n"
      "    Alignment = taCenter\n    AutoSize = False\n    Caption = 'Hi'\n  end\n"
      "  object Big1: TLabel\n    Left = 0\n    Top = 40\n    Width = 100\n    Height = 20\n    Caption = 'Big'\n"
      "    Font.Color = clRed\n    Font.Height = -16\n    Font.Name = 'Arial'\n    Font.Style = [fsBold, fsItalic]\n"
      "    ParentFont = False\n  end\n"
      "  object Plain1: TLabel\n    Left = 0\n    Top = 70\n    Width = 100\n    Height = 13\n"
      "    Caption = 'a&&b'\n    ShowAccelChar = True\n  end\n");
  std::string svg = Render(*form);
  int hi = MeasureTextWidth(TFont(), "Hi");
  auto right = Named(svg, "Right1");
  ASSERT_TRUE(right);
  EXPECT_EQ(FindText(right->body, "Hi")->x, kClientX + 100 - hi);
  EXPECT_FALSE(Contains(right->body, "<rect")) << "a transparent label paints no background";
  EXPECT_EQ(FindText(Named(svg, "Centre1")->body, "Hi")->x, kClientX + (100 - hi) / 2);

  auto big = FindText(Named(svg, "Big1")->body, "Big");
  ASSERT_TRUE(big);
  EXPECT_EQ(Attr(big->tag, "font-size"), "16");
  EXPECT_EQ(Attr(big->tag, "font-weight"), "bold");
  EXPECT_EQ(Attr(big->tag, "font-style"), "italic");
  EXPECT_EQ(Attr(big->tag, "fill"), "#FF0000");
  EXPECT_TRUE(Contains(Attr(big->tag, "font-family"), "Arial"));

  // "&&" shows one ampersand and underlines nothing.
  auto plain = Named(svg, "Plain1");
  EXPECT_TRUE(FindText(plain->body, "a&amp;b"));
  EXPECT_FALSE(Contains(plain->body, "height=\"1\""));
}

TEST(RenderLabel, DisabledTextIsEngraved) {
  auto form = ReadForm(
      "  object Label1: TLabel\n    Left = 0\n    Top = 0\n    Width = 40\n    Height = 13\n"
      "    Caption = 'Off'\n    Enabled = False\n  end\n");
  auto label = Named(Render(*form), "Label1");
  std::vector<Text> texts = Texts(label->body);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(Attr(texts[0].tag, "fill"), "#FFFFFF");
  EXPECT_EQ(texts[0].x, texts[1].x + 1);
  EXPECT_EQ(Attr(texts[1].tag, "fill"), "#808080");
}

TEST(RenderCheckBox, BoxOnTheSideTheAlignmentNames) {
  auto form = ReadForm(
      "  object Right1: TCheckBox\n    Left = 10\n    Top = 10\n    Width = 100\n    Height = 17\n"
      "    Caption = 'Box'\n    Checked = True\n    State = cbChecked\n    TabOrder = 0\n  end\n"
      "  object Left1: TCheckBox\n    Left = 10\n    Top = 40\n    Width = 100\n    Height = 17\n"
      "    Alignment = taLeftJustify\n    Caption = 'Box'\n    TabOrder = 1\n  end\n"
      "  object Radio1: TRadioButton\n    Left = 10\n    Top = 70\n    Width = 100\n    Height = 17\n"
      "    Alignment = taLeftJustify\n    Caption = 'Radio'\n    TabOrder = 2\n  end\n");
  std::string svg = Render(*form);
  int x = kClientX + 10;
  // Default (taRightJustify): the 13-pixel box at the left, the caption 4 pixels after it.
  auto right = Named(svg, "Right1");
  int top = kClientY + 10 + (17 - 13) / 2;
  EXPECT_TRUE(Contains(right->body, "<path d=\"M" + std::to_string(x) + " " + std::to_string(top) + "h12"))
      << right->body;
  EXPECT_EQ(FindText(right->body, "Box")->x, x + 17);
  // The check mark's first pixel, top right of the 7 x 7 mark.
  EXPECT_TRUE(Contains(right->body, "M" + std::to_string(x + 3 + 6) + " " + std::to_string(top + 3) + "h1v1h-1z"));

  // taLeftJustify: the caption at the left, the box against the right edge.
  auto left = Named(svg, "Left1");
  top = kClientY + 40 + 2;
  EXPECT_TRUE(Contains(left->body, "<path d=\"M" + std::to_string(x + 100 - 13) + " " + std::to_string(top) + "h12"))
      << left->body;
  EXPECT_EQ(FindText(left->body, "Box")->x, x);

  // Radio buttons follow the same rule: their circle's first pixels lie at the right.
  auto radio = Named(svg, "Radio1");
  EXPECT_TRUE(Contains(radio->body, "M" + std::to_string(x + 100 - 13 + 4) + " " + std::to_string(kClientY + 72) + "h4"))
      << radio->body;
  EXPECT_EQ(FindText(radio->body, "Radio")->x, x);
}

TEST(RenderButton, RaisedFaceCentredCaptionAndDefaultFrame) {
  auto form = ReadForm(
      "  object Button1: TButton\n    Left = 10\n    Top = 10\n    Width = 75\n    Height = 25\n"
      "    Caption = 'OK'\n    Default = True\n    TabOrder = 0\n  end\n");
  auto button = Named(Render(*form), "Button1");
  ASSERT_TRUE(button);
  // The default button's black frame, then the face inside it with a white top-left edge.
  EXPECT_TRUE(Contains(button->body, "<path d=\"M14 33h74v1h-73v23h-1z\" fill=\"#000000\"/>")) << button->body;
  EXPECT_TRUE(Contains(button->body, "<path d=\"M15 34h72v1h-71v21h-1z\" fill=\"#FFFFFF\"/>"));
  int width = MeasureTextWidth(TFont(), "OK");
  auto caption = FindText(button->body, "OK");
  ASSERT_TRUE(caption);
  EXPECT_EQ(caption->x, 15 + (73 - width) / 2);
  EXPECT_EQ(caption->y, 34 + (23 - 13) / 2 + 11);
}

TEST(RenderContainers, ChildrenAreClippedToTheClientArea) {
  auto form = ReadForm(
      "  object Panel1: TPanel\n    Left = 10\n    Top = 10\n    Width = 100\n    Height = 60\n"
      "    BorderStyle = bsSingle\n    Caption = 'Inside'\n    TabOrder = 0\n"
      "    object Edit1: TEdit\n      Left = 50\n      Top = 5\n      Width = 121\n      Height = 21\n"
      "      TabOrder = 0\n      Text = 'Edit1'\n    end\n  end\n"
      "  object GroupBox1: TGroupBox\n    Left = 120\n    Top = 10\n    Width = 150\n    Height = 80\n"
      "    Caption = 'Group'\n    TabOrder = 1\n"
      "    object Check1: TCheckBox\n      Left = 8\n      Top = 20\n      Width = 97\n      Height = 17\n"
      "      Caption = 'Check1'\n      TabOrder = 0\n    end\n  end\n");
  std::string svg = Render(*form);
  auto panel = Named(svg, "Panel1");
  ASSERT_TRUE(panel);
  // A bordered panel's client area lies inside its 2-pixel sunken border.
  std::string clip = "<svg x=\"16\" y=\"35\" width=\"96\" height=\"56\" viewBox=\"16 35 96 56\">";
  ASSERT_TRUE(Contains(panel->body, clip)) << panel->body;
  EXPECT_LT(panel->body.find(clip), panel->body.find("data-name=\"Edit1\""));
  auto edit = Named(svg, "Edit1");
  EXPECT_EQ(IntAttr(edit->open, "x"), 16 + 50);
  EXPECT_EQ(IntAttr(edit->open, "y"), 35 + 5);
  EXPECT_TRUE(FindText(panel->body, "Inside"));

  // A group box's children sit in the whole box, below its etched frame and caption.
  auto group = Named(svg, "GroupBox1");
  ASSERT_TRUE(group);
  EXPECT_TRUE(Contains(group->body, "<svg x=\"124\" y=\"33\" width=\"150\" height=\"80\" viewBox=\"124 33 150 80\">"));
  EXPECT_TRUE(Named(group->body, "Check1"));
  EXPECT_EQ(FindText(group->body, "Group")->x, 124 + 8);
}

TEST(RenderContainers, PageControlShowsOnlyTheActivePage) {
  auto form = ReadForm(
      "  object PageControl1: TPageControl\n    Left = 8\n    Top = 8\n    Width = 200\n    Height = 150\n"
      "    ActivePage = TabSheet2\n    TabOrder = 0\n"
      "    object TabSheet1: TTabSheet\n      Caption = 'One'\n"
      "      object Edit1: TEdit\n        Left = 8\n        Top = 8\n        Width = 80\n        Height = 21\n"
      "        TabOrder = 0\n      end\n    end\n"
      "    object TabSheet2: TTabSheet\n      Caption = 'Two'\n"
      "      object Edit2: TEdit\n        Left = 8\n        Top = 8\n        Width = 80\n        Height = 21\n"
      "        TabOrder = 0\n      end\n    end\n  end\n");
  std::string svg = Render(*form);
  auto pages = Named(svg, "PageControl1");
  ASSERT_TRUE(pages);
  EXPECT_TRUE(FindText(pages->body, "One"));
  EXPECT_TRUE(FindText(pages->body, "Two"));
  EXPECT_FALSE(Named(svg, "TabSheet1"));
  EXPECT_FALSE(Named(svg, "Edit1"));
  auto sheet = Named(svg, "TabSheet2");
  ASSERT_TRUE(sheet);
  auto* control = static_cast<TPageControl*>(form->Root()->FindComponent("PageControl1"));
  TRect display = control->DisplayRect();
  EXPECT_EQ(IntAttr(sheet->open, "x"), kClientX + 8 + display.Left);
  EXPECT_EQ(IntAttr(sheet->open, "y"), kClientY + 8 + display.Top);
  EXPECT_TRUE(Named(sheet->body, "Edit2"));
}

TEST(RenderKinds, ListsCombosSpinEditsAndUnknownClasses) {
  auto form = ReadForm(
      "  object ListBox1: TListBox\n    Left = 0\n    Top = 0\n    Width = 100\n    Height = 40\n"
      "    ItemHeight = 13\n    Items.Strings = (\n      'First'\n      'Second'\n      'Third'\n      'Fourth')\n"
      "    TabOrder = 0\n  end\n"
      "  object ComboBox1: TComboBox\n    Left = 0\n    Top = 50\n    Width = 100\n    Height = 21\n"
      "    ItemHeight = 13\n    TabOrder = 1\n    Text = 'Chosen'\n  end\n"
      "  object SpinEdit1: TSpinEdit\n    Left = 0\n    Top = 80\n    Width = 60\n    Height = 22\n"
      "    MaxValue = 0\n    MinValue = 0\n    TabOrder = 2\n    Value = 7\n  end\n"
      "  object Fancy1: TJvFancyThing\n    Left = 120\n    Top = 0\n    Width = 90\n    Height = 40\n  end\n");
  std::string svg = Render(*form);
  auto list = Named(svg, "ListBox1");
  ASSERT_TRUE(list);
  // Items one per 13-pixel row inside the sunken border; the overflow brings a scroll bar.
  EXPECT_EQ(FindText(list->body, "First")->y, kClientY + 2 + 11);
  EXPECT_EQ(FindText(list->body, "Second")->y, kClientY + 2 + 13 + 11);
  EXPECT_TRUE(Contains(list->body, "url(#dither)"));

  auto combo = Named(svg, "ComboBox1");
  EXPECT_TRUE(FindText(combo->body, "Chosen"));
  // The drop-down button's arrow: a 7-pixel line on top.
  EXPECT_TRUE(Contains(combo->body, "width=\"7\" height=\"1\""));

  auto spin = Named(svg, "SpinEdit1");
  ASSERT_TRUE(spin);
  EXPECT_TRUE(FindText(spin->body, "7"));
  EXPECT_TRUE(Contains(spin->body, "data-class=\"TSpinButton\""));

  auto fancy = Named(svg, "Fancy1");
  ASSERT_TRUE(fancy);
  EXPECT_TRUE(Contains(fancy->body, "stroke-dasharray"));
  EXPECT_TRUE(FindText(fancy->body, "TJvFancyThing"));
}

TEST(RenderKinds, PicturesAndShapesReplayTheirCanvas) {
  auto form = ReadForm(
      "  object Image1: TImage\n    Left = 0\n    Top = 0\n    Width = 20\n    Height = 20\n  end\n"
      "  object Image2: TImage\n    Left = 30\n    Top = 0\n    Width = 20\n    Height = 20\n  end\n"
      "  object Shape1: TShape\n    Left = 60\n    Top = 0\n    Width = 40\n    Height = 30\n"
      "    Brush.Color = clYellow\n    Shape = stEllipse\n  end\n");
  auto* image = static_cast<TImage*>(form->Root()->FindComponent("Image1"));
  TBitmap* bitmap = image->Picture()->Bitmap();
  bitmap->SetSize(2, 2);
  bitmap->SetPixel(0, 0, clRed);
  std::string svg = Render(*form);
  auto picture = Named(svg, "Image1");
  ASSERT_TRUE(picture);
  EXPECT_TRUE(Contains(picture->body, "<image x=\"4\" y=\"23\" width=\"2\" height=\"2\""));
  EXPECT_TRUE(Contains(picture->body, "data:image/bmp;base64,Qk"));  // "BM"
  // An image without a picture shows as the designer's dashed outline.
  EXPECT_TRUE(Contains(Named(svg, "Image2")->body, "stroke-dasharray"));
  auto shape = Named(svg, "Shape1");
  EXPECT_TRUE(Contains(shape->body, "<ellipse cx=\"84\" cy=\"38\" rx=\"19.5\" ry=\"14.5\" fill=\"#FFFF00\""))
      << shape->body;
}

TEST(RenderKinds, DataAwareControlsLookLikeWhatTheyShow) {
  auto form = ReadForm(
      "  object DBEdit1: TDBEdit\n    Left = 0\n    Top = 0\n    Width = 121\n    Height = 21\n    TabOrder = 0\n  end\n"
      "  object DBNavigator1: TDBNavigator\n    Left = 0\n    Top = 30\n    Width = 60\n    Height = 25\n"
      "    VisibleButtons = [nbFirst, nbPrior, nbPost]\n    TabOrder = 1\n  end\n"
      "  object DBLookupComboBox1: TDBLookupComboBox\n    Left = 0\n    Top = 60\n    Width = 145\n    Height = 21\n"
      "    TabOrder = 2\n  end\n");
  std::string svg = Render(*form);
  // An edit's sunken border: the outer ring's grey top-left.
  EXPECT_TRUE(Contains(Named(svg, "DBEdit1")->body, "<path d=\"M4 23h120v1h-119v19h-1z\" fill=\"#808080\"/>"));
  auto navigator = Named(svg, "DBNavigator1");
  ASSERT_TRUE(navigator);
  // One raised face per visible button, side by side.
  EXPECT_TRUE(Texts(navigator->body).empty());
  for (int left : {4, 24, 44})
    EXPECT_TRUE(Contains(navigator->body, "<rect x=\"" + std::to_string(left) + "\" y=\"53\" width=\"20\" height=\"25\" fill=\"#C0C0C0\"/>"))
        << navigator->body;
  EXPECT_FALSE(Contains(navigator->body, "x=\"64\""));
  auto lookup = Named(svg, "DBLookupComboBox1");
  EXPECT_TRUE(Contains(lookup->body, "width=\"7\" height=\"1\"")) << "the drop-down arrow";
  EXPECT_FALSE(Contains(lookup->body, "stroke-dasharray"));
}

TEST(RenderOnly, OneContainerInAPictureOfItsOwnSize) {
  auto form = ReadForm(
      "  object Panel1: TPanel\n    Left = 10\n    Top = 20\n    Width = 100\n    Height = 60\n    TabOrder = 0\n"
      "    object Button1: TButton\n      Left = 5\n      Top = 5\n      Width = 75\n      Height = 25\n"
      "      TabOrder = 0\n    end\n  end\n"
      "  object Button2: TButton\n    Left = 150\n    Top = 20\n    Width = 75\n    Height = 25\n    TabOrder = 1\n  end\n");
  auto* panel = static_cast<TControl*>(form->Root()->FindComponent("Panel1"));
  std::string svg = RenderSvg(form->Root(), panel);
  std::string header = svg.substr(svg.find("<svg "), svg.find('>', svg.find("<svg ")) - svg.find("<svg "));
  EXPECT_EQ(Attr(header, "width"), "100");
  EXPECT_EQ(Attr(header, "height"), "60");
  EXPECT_EQ(Attr(header, "viewBox"), "14 43 100 60");
  EXPECT_TRUE(Named(svg, "Button1"));
  EXPECT_FALSE(Named(svg, "Button2"));
  EXPECT_FALSE(FindText(svg, "Form1")) << "no window frame";

  TForm other(nullptr);
  TButton stranger(&other);
  stranger.SetParent(&other);
  EXPECT_THROW(RenderSvg(form->Root(), &stranger), EInvalidOperation);
}

TEST(SvgText, EscapesMarkupAndWhatXmlCannotHold) {
  EXPECT_EQ(svg::Escape("A < B & \"C\" 'd' >"), "A &lt; B &amp; &quot;C&quot; &apos;d&apos; &gt;");
  EXPECT_EQ(svg::Escape("Grüße €"), "Grüße €");
  EXPECT_EQ(svg::Escape("a\tb\r\nc"), "a b  c");
  const std::string replacement = "\xEF\xBF\xBD";
  EXPECT_EQ(svg::Escape(std::string("x\x01y")), "x" + replacement + "y");
  EXPECT_EQ(svg::Escape("bad \xFF byte"), "bad " + replacement + " byte");
  EXPECT_EQ(svg::Escape("\xC3"), replacement) << "a cut sequence";
  EXPECT_EQ(svg::Escape("\xC0\xAF"), replacement + replacement) << "an overlong form";
  EXPECT_EQ(svg::Escape("\xED\xA0\x80"), replacement + replacement + replacement) << "a surrogate";
}

TEST(SvgText, CaptionsAndNamesAreEscapedInThePicture) {
  auto form = ReadForm(
      "  object Label1: TLabel\n    Left = 0\n    Top = 0\n    Width = 80\n    Height = 13\n"
      "    Caption = 'x < y && \"z\"'\n  end\n",
      "  Font.Name = 'Odd\"Font'\n");
  std::string svg = Render(*form);
  EXPECT_TRUE(FindText(svg, "x &lt; y &amp; &quot;z&quot;")) << svg;
  EXPECT_FALSE(Contains(svg, "Odd\"Font"));
  EXPECT_FALSE(Contains(svg, "< y"));
}

TEST(SvgText, AcceleratorMarks) {
  svg::TAccelText accel = svg::ParseAccel("Sa&ve && &Quit");
  EXPECT_EQ(accel.text, "Save & Quit");
  EXPECT_EQ(accel.markStart, 2u);
  EXPECT_EQ(accel.markLength, 1u);
  accel = svg::ParseAccel("&Über");
  EXPECT_EQ(accel.text, "Über");
  EXPECT_EQ(accel.markLength, 2u) << "the whole UTF-8 letter";
  accel = svg::ParseAccel("end&");
  EXPECT_EQ(accel.text, "end");
  EXPECT_EQ(accel.markLength, 0u);
}

}  // namespace

TEST(RenderKinds, AListShowsItsSelectedItemInTheSelectionColours) {
  auto form = ReadForm(
      "  object ListBox1: TListBox\n    Left = 0\n    Top = 0\n    Width = 100\n    Height = 60\n"
      "    ItemHeight = 13\n    Items.Strings = (\n      'First'\n      'Second')\n    TabOrder = 0\n  end\n");
  std::string plain = Named(Render(*form), "ListBox1")->body;
  EXPECT_FALSE(Contains(plain, "fill=\"" + vcl::svg::Hex(clHighlight) + "\""));
  As<TListBox>(form->Root()->FindComponent("ListBox1"))->SetItemIndex(1);
  std::string body = Named(Render(*form), "ListBox1")->body;
  EXPECT_TRUE(Contains(body, "fill=\"" + vcl::svg::Hex(clHighlight) + "\""));
  EXPECT_TRUE(Contains(FindText(body, "Second")->tag, vcl::svg::Hex(clHighlightText)));
  EXPECT_FALSE(Contains(FindText(body, "First")->tag, vcl::svg::Hex(clHighlightText)));
}
