// The cool bar: what it and its bands publish, their defaults, the bands' controls, and the
// bands read, edited and written with their references in text and binary forms.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "vcl/comctrls_coolbar.h"
#include "vcl/forms.h"
#include "vcl/stdctrls.h"
#include "vcl/streaming/dfm_binary.h"
#include "vcl/streaming/form_file.h"
#include "vcl/typinfo.h"

using namespace vcl;

namespace {

using Names = std::vector<std::string>;

// The properties a class publishes beyond its ancestor's, but for the events.
Names PublishedNames(TClass cls, TClass ancestor) {
  Names names;
  for (PPropInfo p : cls->Properties())
    if (p->Name.rfind("On", 0) != 0 && !GetPropInfo(ancestor, p->Name)) names.push_back(p->Name);
  return names;
}

const std::string kCoolForm =
    "object Form1: TForm1\r\n"
    "  Left = 192\r\n"
    "  Top = 107\r\n"
    "  Width = 435\r\n"
    "  Height = 300\r\n"
    "  Caption = 'Cool'\r\n"
    "  PixelsPerInch = 96\r\n"
    "  TextHeight = 13\r\n"
    "  object CoolBar1: TCoolBar\r\n"
    "    Left = 0\r\n"
    "    Top = 0\r\n"
    "    Width = 427\r\n"
    "    Height = 29\r\n"
    "    Bands = <\r\n"
    "      item\r\n"
    "        Control = Edit1\r\n"
    "        MinHeight = 25\r\n"
    "        Text = 'Address'\r\n"
    "        Width = 200\r\n"
    "      end\r\n"
    "      item\r\n"
    "        Break = False\r\n"
    "        Control = Other.Panel9\r\n"
    "        Width = 223\r\n"
    "      end>\r\n"
    "    object Edit1: TEdit\r\n"
    "      Left = 57\r\n"
    "      Top = 2\r\n"
    "      Width = 139\r\n"
    "      Height = 21\r\n"
    "      TabOrder = 0\r\n"
    "    end\r\n"
    "  end\r\n"
    "end\r\n";

std::string BinaryOf(const std::string& text) { return dfm::write_binary(dfm::Document::parse(text, "Unit1.dfm")); }

TCoolBar* BarOf(const TFormFile& form) { return As<TCoolBar>(form.Root()->FindComponent("CoolBar1")); }

TEST(CoolBarPublish, TheBarAndItsBandsPublishTheHostsPropertiesWithItsDefaults) {
  EXPECT_EQ(PublishedNames(TCoolBar::ClassInfo(), TWinControl::ClassInfo()),
            (Names{"Align", "Anchors", "AutoSize", "BandBorderStyle", "BiDiMode", "BorderWidth", "Color",
                   "Constraints", "Ctl3D", "DockSite", "DragCursor", "DragKind", "DragMode", "EdgeBorders",
                   "EdgeInner", "EdgeOuter", "Enabled", "FixedSize", "FixedOrder", "Font", "Images",
                   "ParentBiDiMode", "ParentColor", "ParentCtl3D", "ParentFont", "ParentShowHint", "Bitmap",
                   "PopupMenu", "ShowHint", "ShowText", "Vertical", "Visible", "Bands"}));
  EXPECT_EQ(PublishedNames(TCoolBand::ClassInfo(), TCollectionItem::ClassInfo()),
            (Names{"Bitmap", "BorderStyle", "Break", "Color", "Control", "FixedBackground", "FixedSize",
                   "HorizontalOnly", "ImageIndex", "MinHeight", "MinWidth", "ParentColor", "ParentBitmap", "Text",
                   "Visible", "Width"}));
  struct Default {
    TClass cls;
    const char* name;
    NativeInt value;
  };
  for (Default d : {Default{TCoolBar::ClassInfo(), "Align", alTop}, Default{TCoolBar::ClassInfo(), "ShowText", 1},
                    Default{TCoolBar::ClassInfo(), "BandBorderStyle", bsSingle},
                    Default{TCoolBar::ClassInfo(), "FixedOrder", 0}, Default{TCoolBand::ClassInfo(), "Break", 1},
                    Default{TCoolBand::ClassInfo(), "MinHeight", 25}, Default{TCoolBand::ClassInfo(), "ImageIndex", -1},
                    Default{TCoolBand::ClassInfo(), "FixedBackground", 1}}) {
    SCOPED_TRACE(d.name);
    EXPECT_EQ(GetPropInfo(d.cls, d.name)->Default, d.value);
  }
  TForm form(nullptr);
  auto* bar = new TCoolBar(&form);
  bar->SetParent(&form);
  EXPECT_EQ(bar->Align(), alTop);
  EXPECT_EQ(bar->Height(), 75);
  EXPECT_EQ(bar->Width(), form.ClientWidth()) << "docked at the top";
}

TEST(CoolBarBands, ABandsControlIsTheBarsChildHeldByOneBandAndClearedWhenFreed) {
  TForm form(nullptr);
  auto* bar = new TCoolBar(&form);
  bar->SetParent(&form);
  auto* edit = new TEdit(&form);
  edit->SetParent(&form);
  TCoolBand* first = bar->Bands()->Add();
  TCoolBand* second = bar->Bands()->Add();
  first->SetControl(edit);
  EXPECT_EQ(edit->Parent(), bar);
  second->SetControl(edit);
  EXPECT_EQ(first->Control(), nullptr) << "a control has one band";
  EXPECT_EQ(bar->Bands()->FindBand(edit), second);
  edit->Free();
  EXPECT_EQ(second->Control(), nullptr);
  bar->SetColor(clNavy);
  EXPECT_EQ(second->Color(), clNavy) << "the bar's colour while ParentColor";
  second->SetColor(clRed);
  EXPECT_FALSE(second->ParentColor());
}

TEST(CoolBarStreaming, BandsAreReadEditedAndWrittenInTextAndBinary) {
  for (bool binary : {false, true}) {
    SCOPED_TRACE(binary ? "binary" : "text");
    const std::string original = binary ? BinaryOf(kCoolForm) : kCoolForm;
    auto form = TFormFile::Read(original, "Unit1.dfm");
    TCoolBar* bar = BarOf(*form);
    ASSERT_EQ(bar->Bands()->Count(), 2);
    TCoolBand* address = bar->Bands()->Items(0);
    EXPECT_EQ(address->Control(), form->Root()->FindComponent("Edit1"));
    EXPECT_EQ(address->Text(), "Address");
    EXPECT_EQ(address->Width(), 200);
    EXPECT_FALSE(bar->Bands()->Items(1)->Break());
    EXPECT_TRUE(form->Write() == original) << "untouched: byte for byte";

    address->SetText("URL");
    TCoolBand* added = bar->Bands()->Add();
    added->SetMinHeight(30);
    added->SetFixedSize(true);
    std::string saved = form->Write();
    form->SetFormat(TFormFormat::Text);
    std::string text = form->Write();
    EXPECT_NE(text.find("      item\r\n        Control = Edit1\r\n        Text = 'URL'\r\n        Width = 200\r\n"
                        "      end\r\n      item\r\n        Break = False\r\n        Width = 223\r\n"
                        "        Control = Other.Panel9\r\n      end\r\n      item\r\n        FixedSize = True\r\n"
                        "        MinHeight = 30\r\n      end>\r\n"),
              std::string::npos)
        << text;
    auto again = TFormFile::Read(saved, "Unit1.dfm");
    TCoolBar* read = BarOf(*again);
    ASSERT_EQ(read->Bands()->Count(), 3);
    EXPECT_EQ(read->Bands()->Items(0)->Text(), "URL");
    EXPECT_EQ(read->Bands()->Items(0)->Control(), again->Root()->FindComponent("Edit1"));
    EXPECT_EQ(read->Bands()->Items(2)->MinHeight(), 30);
    EXPECT_TRUE(again->Write() == saved);
  }
}

}  // namespace
