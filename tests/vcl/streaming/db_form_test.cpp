// A form with a table, its persistent fields, a data source and data-aware controls.
#include <gtest/gtest.h>

#include "vcl/db/db.h"
#include "vcl/db/dbctrls.h"
#include "vcl/db/dbgrids.h"
#include "vcl/db/dbtables.h"
#include "vcl/streaming/form_file.h"

using namespace vcl;

namespace {

const char* const kDataForm =
    "object Form1: TForm1\r\n"
    "  Left = 192\r\n"
    "  Top = 107\r\n"
    "  Width = 435\r\n"
    "  Height = 300\r\n"
    "  Caption = 'Orders'\r\n"
    "  Color = clBtnFace\r\n"
    "  Font.Charset = DEFAULT_CHARSET\r\n"
    "  Font.Color = clWindowText\r\n"
    "  Font.Height = -11\r\n"
    "  Font.Name = 'MS Sans Serif'\r\n"
    "  Font.Style = []\r\n"
    "  OldCreateOrder = False\r\n"
    "  PixelsPerInch = 96\r\n"
    "  TextHeight = 13\r\n"
    "  object DBText1: TDBText\r\n"
    "    Left = 8\r\n"
    "    Top = 8\r\n"
    "    Width = 65\r\n"
    "    Height = 17\r\n"
    "    DataField = 'OrderNo'\r\n"
    "    DataSource = DataSource1\r\n"
    "  end\r\n"
    "  object DBEdit1: TDBEdit\r\n"
    "    Left = 8\r\n"
    "    Top = 32\r\n"
    "    Width = 121\r\n"
    "    Height = 21\r\n"
    "    DataField = 'Customer'\r\n"
    "    DataSource = DataSource1\r\n"
    "    TabOrder = 0\r\n"
    "  end\r\n"
    "  object DBCheckBox1: TDBCheckBox\r\n"
    "    Left = 8\r\n"
    "    Top = 64\r\n"
    "    Width = 97\r\n"
    "    Height = 17\r\n"
    "    Caption = 'Paid'\r\n"
    "    DataField = 'Paid'\r\n"
    "    DataSource = DataSource1\r\n"
    "    TabOrder = 1\r\n"
    "    ValueChecked = 'Yes'\r\n"
    "    ValueUnchecked = 'No'\r\n"
    "  end\r\n"
    "  object DBNavigator1: TDBNavigator\r\n"
    "    Left = 8\r\n"
    "    Top = 96\r\n"
    "    Width = 240\r\n"
    "    Height = 25\r\n"
    "    DataSource = DataSource1\r\n"
    "    VisibleButtons = [nbFirst, nbPrior, nbNext, nbLast]\r\n"
    "    TabOrder = 2\r\n"
    "  end\r\n"
    "  object Table1: TTable\r\n"
    "    DatabaseName = 'orders.db'\r\n"
    "    TableName = 'ORDERS'\r\n"
    "    Left = 300\r\n"
    "    Top = 8\r\n"
    "    object Table1OrderNo: TIntegerField\r\n"
    "      FieldName = 'OrderNo'\r\n"
    "    end\r\n"
    "    object Table1Customer: TStringField\r\n"
    "      DisplayWidth = 25\r\n"
    "      FieldName = 'Customer'\r\n"
    "      Size = 30\r\n"
    "    end\r\n"
    "    object Table1Paid: TBooleanField\r\n"
    "      FieldName = 'Paid'\r\n"
    "    end\r\n"
    "  end\r\n"
    "  object DataSource1: TDataSource\r\n"
    "    DataSet = Table1\r\n"
    "    Left = 340\r\n"
    "    Top = 8\r\n"
    "  end\r\n"
    "end\r\n";

TEST(DataForm, ReferencesResolveAndTheFormWritesBackUnchanged) {
  auto form = TFormFile::Read(kDataForm, "Orders.dfm");
  TComponent* root = form->Root();
  auto* table = As<TTable>(root->FindComponent("Table1"));
  auto* source = As<TDataSource>(root->FindComponent("DataSource1"));
  auto* edit = As<TDBEdit>(root->FindComponent("DBEdit1"));
  auto* text = As<TDBText>(root->FindComponent("DBText1"));
  auto* box = As<TDBCheckBox>(root->FindComponent("DBCheckBox1"));
  auto* navigator = As<TDBNavigator>(root->FindComponent("DBNavigator1"));
  ASSERT_TRUE(table && source && edit && text && box && navigator);

  EXPECT_EQ(source->DataSet(), table);
  EXPECT_EQ(edit->DataSource(), source) << "a reference to a component read later";
  EXPECT_EQ(text->DataSource(), source);
  EXPECT_EQ(box->DataSource(), source);
  EXPECT_EQ(navigator->DataSource(), source);
  EXPECT_EQ(edit->DataField(), "Customer");
  EXPECT_EQ(text->DataField(), "OrderNo");
  EXPECT_EQ(box->Caption(), "Paid");
  EXPECT_EQ(box->ValueChecked(), "Yes");
  EXPECT_EQ(navigator->VisibleButtons(), (1u << nbFirst) | (1u << nbPrior) | (1u << nbNext) | (1u << nbLast));
  EXPECT_EQ(navigator->Width(), 240);

  ASSERT_EQ(table->FieldCount(), 3);
  const char* names[] = {"OrderNo", "Customer", "Paid"};
  for (int i = 0; i < 3; ++i) {
    TField* field = table->Fields()->Fields(i);
    EXPECT_EQ(field->FieldName(), names[i]);
    EXPECT_EQ(field->DataSet(), table);
    EXPECT_EQ(field->Owner(), root);
  }
  EXPECT_TRUE(table->Fields()->Fields(0)->Is<TIntegerField>());
  EXPECT_EQ(table->FieldByName("Customer")->DisplayWidth(), 25);
  EXPECT_TRUE(table->Fields()->Fields(2)->Is<TBooleanField>());

  table->Open();  // persistent fields: the database file is not read
  EXPECT_EQ(edit->Field(), table->FieldByName("Customer"));
  EXPECT_EQ(text->Field(), table->Fields()->Fields(0));
  table->Close();

  EXPECT_EQ(form->Write(), kDataForm);

  // The data source goes: every reference to it goes with it, in the model and the file.
  source->Free();
  EXPECT_EQ(edit->DataSource(), nullptr);
  std::string written = form->Write();
  EXPECT_EQ(written.find("DataSource"), std::string::npos) << written;
  EXPECT_NE(written.find("DataField = 'Customer'"), std::string::npos);
}

TEST(DataForm, GridsKeepWhatTheModelDoesNotKnow) {
  const std::string text =
      "object Form1: TForm1\r\n"
      "  object DBGrid1: TDBGrid\r\n"
      "    Left = 8\r\n"
      "    Top = 8\r\n"
      "    Width = 320\r\n"
      "    Height = 120\r\n"
      "    Options = [dgEditing, dgTitles, dgColumnMove]\r\n"
      "    TabOrder = 0\r\n"
      "    TitleFont.Charset = DEFAULT_CHARSET\r\n"
      "    TitleFont.Color = clWindowText\r\n"
      "    TitleFont.Height = -11\r\n"
      "    TitleFont.Name = 'MS Sans Serif'\r\n"
      "    TitleFont.Style = []\r\n"
      "    Columns = <\r\n"
      "      item\r\n"
      "        Expanded = False\r\n"
      "        FieldName = 'NAME'\r\n"
      "        Visible = True\r\n"
      "      end>\r\n"
      "  end\r\n"
      "end\r\n";
  auto form = TFormFile::Read(text, "Grid.dfm");
  auto* grid = As<TDBGrid>(form->Root()->FindComponent("DBGrid1"));
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->Options(), DefaultDBGridOptions) << "an option of another library: the value stays in the file";
  EXPECT_EQ(form->Write(), text);

  grid->SetTop(16);
  std::string moved = form->Write();
  EXPECT_NE(moved.find("    Top = 16\r\n"), std::string::npos);
  EXPECT_NE(moved.find("dgColumnMove"), std::string::npos);
  EXPECT_NE(moved.find("FieldName = 'NAME'"), std::string::npos);
}

}  // namespace
