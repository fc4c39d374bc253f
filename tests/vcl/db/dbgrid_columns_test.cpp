// The data grid's columns: what they publish, the values they take from the grid and the
// field until set, and their reading and writing with titles, fonts and references.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "vcl/db/dbgrids.h"
#include "vcl/forms.h"
#include "vcl/menus.h"
#include "vcl/streaming/dfm_binary.h"
#include "vcl/streaming/form_file.h"
#include "vcl/typinfo.h"

using namespace vcl;

namespace {

using Names = std::vector<std::string>;

Names PublishedNames(TClass cls) {
  Names names;
  for (PPropInfo p : cls->Properties()) names.push_back(p->Name);
  return names;
}

const std::string kGridForm =
    "object Form1: TForm1\r\n"
    "  Left = 192\r\n"
    "  Top = 107\r\n"
    "  Width = 435\r\n"
    "  Height = 300\r\n"
    "  Caption = 'Orders'\r\n"
    "  PixelsPerInch = 96\r\n"
    "  TextHeight = 13\r\n"
    "  object DBGrid1: TDBGrid\r\n"
    "    Left = 8\r\n"
    "    Top = 8\r\n"
    "    Width = 320\r\n"
    "    Height = 120\r\n"
    "    TabOrder = 0\r\n"
    "    TitleFont.Charset = DEFAULT_CHARSET\r\n"
    "    TitleFont.Color = clWindowText\r\n"
    "    TitleFont.Height = -11\r\n"
    "    TitleFont.Name = 'MS Sans Serif'\r\n"
    "    TitleFont.Style = []\r\n"
    "    Columns = <\r\n"
    "      item\r\n"
    "        Expanded = False\r\n"
    "        FieldName = 'OrderNo'\r\n"
    "        PopupMenu = PopupMenu1\r\n"
    "        Title.Caption = 'Order'\r\n"
    "        Title.Font.Charset = DEFAULT_CHARSET\r\n"
    "        Title.Font.Color = clRed\r\n"
    "        Title.Font.Height = -11\r\n"
    "        Title.Font.Name = 'MS Sans Serif'\r\n"
    "        Title.Font.Style = [fsBold]\r\n"
    "        Width = 80\r\n"
    "        Visible = True\r\n"
    "      end\r\n"
    "      item\r\n"
    "        FieldName = 'Customer'\r\n"
    "        PickList.Strings = (\r\n"
    "          'Smith'\r\n"
    "          'Jones')\r\n"
    "        PopupMenu = Other.PopupMenu9\r\n"
    "        Sparkle = 2\r\n"
    "        Visible = True\r\n"
    "      end>\r\n"
    "  end\r\n"
    "  object PopupMenu1: TPopupMenu\r\n"
    "    Left = 40\r\n"
    "    Top = 200\r\n"
    "  end\r\n"
    "end\r\n";

std::string BinaryOf(const std::string& text) { return dfm::write_binary(dfm::Document::parse(text, "Unit1.dfm")); }

TDBGrid* GridOf(const TFormFile& form) { return As<TDBGrid>(form.Root()->FindComponent("DBGrid1")); }

// ---- published properties and defaults

TEST(DBGridColumnsPublish, ColumnsAndTitlesPublishTheHostsPropertiesInItsOrder) {
  EXPECT_EQ(PublishedNames(TColumn::ClassInfo()),
            (Names{"Alignment", "ButtonStyle", "Color", "DropDownRows", "Expanded", "FieldName", "Font", "ImeMode",
                   "ImeName", "PickList", "PopupMenu", "ReadOnly", "Title", "Width", "Visible"}));
  EXPECT_EQ(PublishedNames(TColumnTitle::ClassInfo()), (Names{"Alignment", "Caption", "Color", "Font"}));
  struct Default {
    const char* name;
    std::optional<NativeInt> value;
  };
  for (Default d : {Default{"ButtonStyle", cbsAuto}, Default{"DropDownRows", 7}, Default{"Expanded", 1},
                    Default{"Visible", std::nullopt}, Default{"Width", std::nullopt}, Default{"Color", std::nullopt}}) {
    SCOPED_TRACE(d.name);
    EXPECT_EQ(GetPropInfo(TColumn::ClassInfo(), d.name)->Default, d.value);
  }
  EXPECT_TRUE(TDBGrid::ClassInfo()->InheritsFrom(TCustomGrid::ClassInfo()));
  EXPECT_EQ(PublishedNames(TDBGrid::ClassInfo()).back(), "Columns") << "written after the grid's other values";
}

TEST(DBGridColumnsDefaults, UnsetValuesFollowTheGridAndTheField) {
  TForm form(nullptr);
  auto* grid = new TDBGrid(&form);
  grid->SetParent(&form);
  grid->SetColor(clYellow);
  grid->SetFixedColor(clGray);
  grid->SetReadOnly(true);
  TColumn* column = grid->Columns()->Add();
  column->SetFieldName("OrderNo");
  EXPECT_EQ(column->Color(), clYellow);
  EXPECT_EQ(column->Title()->Color(), clGray);
  EXPECT_TRUE(column->ReadOnly());
  EXPECT_EQ(column->Width(), 64) << "the grid's column width without a field";
  EXPECT_EQ(column->Title()->Caption(), "OrderNo") << "the field name without a field";
  EXPECT_EQ(column->AssignedValues(), 0u);
  grid->Font()->SetSize(14);
  EXPECT_EQ(column->Font()->Size(), 14) << "the grid's font while not set";
  column->Font()->SetStyle(FontStyleOf(fsBold));
  grid->Font()->SetSize(8);
  EXPECT_EQ(column->Font()->Size(), 14) << "its own once set";
  EXPECT_TRUE(column->HasValue(cvFont));
  column->SetWidth(64);
  EXPECT_FALSE(column->HasValue(cvWidth)) << "a width equal to the default keeps following";
  column->SetWidth(90);
  EXPECT_TRUE(column->HasValue(cvWidth));
}

TEST(DBGridColumnsState, CustomizedColumnsAreWrittenDefaultOnesNot) {
  auto form = TFormFile::Read(kGridForm, "Unit1.dfm");
  TDBGridColumns* columns = GridOf(*form)->Columns();
  EXPECT_EQ(columns->State(), csCustomized);
  columns->SetState(csDefault);
  EXPECT_EQ(columns->Count(), 0);
  std::string saved = form->Write();
  EXPECT_EQ(saved.find("Columns"), std::string::npos) << saved;
  // New columns are the user's: written again.
  columns->Add()->SetFieldName("Total");
  EXPECT_EQ(columns->State(), csCustomized);
  EXPECT_NE(form->Write().find("    Columns = <\r\n      item\r\n        FieldName = 'Total'\r\n"
                               "        Visible = True\r\n      end>\r\n  end\r\n"),
            std::string::npos)
      << form->Write();
}

// ---- reading and writing

TEST(DBGridColumnsStreaming, SubObjectsReferencesAndListsAreRead) {
  for (bool binary : {false, true}) {
    SCOPED_TRACE(binary ? "binary" : "text");
    auto form = TFormFile::Read(binary ? BinaryOf(kGridForm) : kGridForm, "Unit1.dfm");
    TDBGridColumns* columns = GridOf(*form)->Columns();
    ASSERT_EQ(columns->Count(), 2);
    TColumn* order = columns->Items(0);
    EXPECT_EQ(order->Title()->Caption(), "Order");
    EXPECT_EQ(order->Title()->Font()->Style(), FontStyleOf(fsBold));
    EXPECT_EQ(order->Title()->Font()->Color(), clRed);
    EXPECT_EQ(order->PopupMenu(), form->Root()->FindComponent("PopupMenu1"));
    EXPECT_EQ(order->Width(), 80);
    EXPECT_FALSE(order->Expanded());
    EXPECT_EQ(columns->Items(1)->PickList()->CommaText(), "Smith,Jones");
    EXPECT_EQ(columns->Items(1)->PopupMenu(), nullptr) << "another module's: kept in the file";
    EXPECT_TRUE(form->Write() == (binary ? BinaryOf(kGridForm) : kGridForm)) << "untouched: byte for byte";
  }
}

TEST(DBGridColumnsStreaming, ColumnsGivenTwiceTakeTheSecondWithoutTheFirstsReferences) {
  std::string text = kGridForm;
  text.insert(text.find("    Columns = <"),
              "    Columns = <\r\n      item\r\n        PopupMenu = PopupMenu1\r\n      end\r\n"
              "      item\r\n      end\r\n      item\r\n      end>\r\n");
  auto form = TFormFile::Read(text, "Unit1.dfm");
  TDBGridColumns* columns = GridOf(*form)->Columns();
  ASSERT_EQ(columns->Count(), 2);
  EXPECT_EQ(columns->Items(0)->FieldName(), "OrderNo");
  EXPECT_EQ(columns->Items(0)->PopupMenu(), form->Root()->FindComponent("PopupMenu1"));
  EXPECT_EQ(columns->Items(1)->PopupMenu(), nullptr);
}

TEST(DBGridColumnsStreaming, EditsAreSavedAndReadBackInTextAndBinary) {
  struct Edit {
    const char* what;
    std::function<void(TDBGrid&)> apply;
    std::function<void(const std::string&)> checkText;
    std::function<void(TDBGrid&)> checkRead;
  };
  const std::vector<Edit> edits = {
      {"title caption and font",
       [](TDBGrid& g) {
         g.Columns()->Items(0)->Title()->SetCaption("No.");
         g.Columns()->Items(1)->Title()->Font()->SetStyle(FontStyleOf(fsItalic));
       },
       [](const std::string& s) {
         EXPECT_NE(s.find("        Title.Caption = 'No.'\r\n        Title.Font.Charset = DEFAULT_CHARSET\r\n"
                          "        Title.Font.Color = clRed\r\n"),
                   std::string::npos);
         EXPECT_NE(s.find("        Title.Font.Style = [fsItalic]\r\n"), std::string::npos);
         // What the model does not hold stays with its item: the other module's reference too.
         EXPECT_NE(s.find("        PopupMenu = Other.PopupMenu9\r\n"), std::string::npos);
         EXPECT_NE(s.find("        Sparkle = 2\r\n"), std::string::npos);
       },
       [](TDBGrid& g) {
         EXPECT_EQ(g.Columns()->Items(0)->Title()->Caption(), "No.");
         EXPECT_EQ(g.Columns()->Items(1)->Title()->Font()->Style(), FontStyleOf(fsItalic));
       }},
      {"menu freed",
       [](TDBGrid& g) { g.Owner()->FindComponent("PopupMenu1")->Free(); },
       [](const std::string& s) {
         EXPECT_EQ(s.find("PopupMenu = PopupMenu1"), std::string::npos);
         EXPECT_EQ(s.find("object PopupMenu1"), std::string::npos);
       },
       [](TDBGrid& g) { EXPECT_EQ(g.Columns()->Items(0)->PopupMenu(), nullptr); }},
      {"menu renamed and a column added",
       [](TDBGrid& g) {
         g.Owner()->FindComponent("PopupMenu1")->SetName("GridMenu");
         TColumn* added = g.Columns()->Add();
         added->SetFieldName("Total");
         added->SetAlignment(taRightJustify);
         added->PickList()->Add("0");
       },
       [](const std::string& s) {
         EXPECT_NE(s.find("        PopupMenu = GridMenu\r\n"), std::string::npos);
         EXPECT_NE(s.find("      item\r\n        Alignment = taRightJustify\r\n        FieldName = 'Total'\r\n"
                          "        PickList.Strings = (\r\n          '0')\r\n        Visible = True\r\n      end>"),
                   std::string::npos);
       },
       [](TDBGrid& g) {
         ASSERT_EQ(g.Columns()->Count(), 3);
         EXPECT_EQ(g.Columns()->Items(0)->PopupMenu(), g.Owner()->FindComponent("GridMenu"));
         EXPECT_EQ(g.Columns()->Items(2)->Alignment(), taRightJustify);
       }},
  };
  for (bool binary : {false, true}) {
    for (const Edit& edit : edits) {
      SCOPED_TRACE(std::string(edit.what) + (binary ? " (binary)" : " (text)"));
      auto form = TFormFile::Read(binary ? BinaryOf(kGridForm) : kGridForm, "Unit1.dfm");
      edit.apply(*GridOf(*form));
      std::string saved = form->Write();
      if (binary) {
        form->SetFormat(TFormFormat::Text);
        edit.checkText(form->Write());
      } else {
        edit.checkText(saved);
      }
      auto again = TFormFile::Read(saved, "Unit1.dfm");
      edit.checkRead(*GridOf(*again));
      EXPECT_TRUE(again->Write() == saved) << "saved again unchanged: the same";
    }
  }
}

}  // namespace
