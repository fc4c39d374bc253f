// Reading forms into the component model and writing them back.
#include <gtest/gtest.h>

#include "form_test_util.h"
#include "vcl/controls.h"
#include "vcl/extctrls.h"
#include "vcl/forms.h"
#include "vcl/stdctrls.h"
#include "vcl/streaming/form_file.h"
#include "vcl/strings.h"

using namespace vcl;

namespace {

const char* const kForm =
    "object Form1: TForm1\r\n"
    "  Left = 192\r\n"
    "  Top = 107\r\n"
    "  Width = 435\r\n"
    "  Height = 300\r\n"
    "  Caption = 'Customers'\r\n"
    "  Color = clBtnFace\r\n"
    "  Font.Charset = DEFAULT_CHARSET\r\n"
    "  Font.Color = clWindowText\r\n"
    "  Font.Height = -11\r\n"
    "  Font.Name = 'MS Sans Serif'\r\n"
    "  Font.Style = []\r\n"
    "  OldCreateOrder = False\r\n"
    "  PixelsPerInch = 96\r\n"
    "  TextHeight = 13\r\n"
    "  object Panel1: TPanel\r\n"
    "    Left = 8\r\n"
    "    Top = 8\r\n"
    "    Width = 300\r\n"
    "    Height = 200\r\n"
    "    TabOrder = 0\r\n"
    "    object Label1: TLabel\r\n"
    "      Left = 8\r\n"
    "      Top = 12\r\n"
    "      Width = 28\r\n"
    "      Height = 13\r\n"
    "      Caption = '&Name:'\r\n"
    "      FocusControl = Edit1\r\n"
    "    end\r\n"
    "    object Edit1: TEdit\r\n"
    "      Left = 48\r\n"
    "      Top = 8\r\n"
    "      Width = 121\r\n"
    "      Height = 21\r\n"
    "      TabOrder = 0\r\n"
    "      Text = 'Edit1'\r\n"
    "      OnChange = Edit1Change\r\n"
    "    end\r\n"
    "    object Mystery1: TMysteryGadget\r\n"
    "      Left = 8\r\n"
    "      Top = 40\r\n"
    "      Width = 50\r\n"
    "      Height = 50\r\n"
    "      Sparkle = <\r\n"
    "        item\r\n"
    "          Glow = 3\r\n"
    "        end>\r\n"
    "      TabOrder = 1\r\n"
    "    end\r\n"
    "  end\r\n"
    "end\r\n";

std::unique_ptr<TFormFile> Load(const std::string& text) { return TFormFile::Read(text, "Unit1.dfm"); }

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  auto at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

}  // namespace

TEST(FormFile, ReadsComponentsPropertiesAndReferences) {
  auto form = Load(kForm);
  TComponent* root = form->Root();
  EXPECT_EQ(root->ClassName(), "TForm1");
  EXPECT_TRUE(root->Is<TForm>());
  EXPECT_EQ(root->Name(), "Form1");
  EXPECT_EQ(root->ComponentCount(), 4);
  auto* panel = As<TPanel>(root->FindComponent("panel1"));
  auto* label = As<TLabel>(root->FindComponent("Label1"));
  auto* edit = As<TEdit>(root->FindComponent("Edit1"));
  ASSERT_TRUE(panel && label && edit);
  EXPECT_EQ(label->Parent(), panel);
  EXPECT_EQ(label->FocusControl(), edit);
  EXPECT_EQ(label->Caption(), "&Name:");
  EXPECT_EQ(edit->Text(), "Edit1");
  EXPECT_EQ(edit->Left(), 48);
  EXPECT_EQ(edit->OnChange.HandlerName(), "Edit1Change");
  EXPECT_EQ(As<TForm>(root)->Color(), clBtnFace);
  TComponent* mystery = root->FindComponent("Mystery1");
  ASSERT_NE(mystery, nullptr);
  EXPECT_EQ(mystery->ClassName(), "TMysteryGadget");
  auto* gadget = As<TControl>(mystery);
  EXPECT_EQ(gadget->Parent(), panel);
  EXPECT_EQ(gadget->Width(), 50);
  EXPECT_TRUE(mystery->Is<TWinControl>()) << "it has a tab order";
}

TEST(FormFile, UnchangedFormWritesBackByteForByte) {
  auto form = Load(kForm);
  EXPECT_EQ(form->Write(), kForm);
  EXPECT_EQ(form->Write(), kForm) << "writing twice changes nothing either";
}

TEST(FormFile, ChangedValuesRewriteOnlyThemselves) {
  auto form = Load(kForm);
  auto* edit = As<TEdit>(form->Root()->FindComponent("Edit1"));
  edit->SetLeft(60);
  edit->SetText("It's");
  std::string expected = Replace(kForm, "      Left = 48\r\n", "      Left = 60\r\n");
  expected = Replace(expected, "Text = 'Edit1'", "Text = 'It'#39's'");
  EXPECT_EQ(form->Write(), expected);
}

TEST(FormFile, DefaultValuesAreRemovedAndNewOnesGoInPublishedOrder) {
  auto form = Load(kForm);
  auto* edit = As<TEdit>(form->Root()->FindComponent("Edit1"));
  edit->SetText("");
  edit->SetEnabled(false);
  std::string expected = Replace(kForm, "      Text = 'Edit1'\r\n", "");
  expected = Replace(expected, "      Height = 21\r\n", "      Height = 21\r\n      Enabled = False\r\n");
  EXPECT_EQ(form->Write(), expected);
}

TEST(FormFile, DestroyedAndRenamedComponents) {
  auto form = Load(kForm);
  form->Root()->FindComponent("Mystery1")->Free();
  auto* label = As<TLabel>(form->Root()->FindComponent("Label1"));
  label->SetName("lblName");
  std::string expected = Replace(kForm,
                                 "    object Mystery1: TMysteryGadget\r\n"
                                 "      Left = 8\r\n"
                                 "      Top = 40\r\n"
                                 "      Width = 50\r\n"
                                 "      Height = 50\r\n"
                                 "      Sparkle = <\r\n"
                                 "        item\r\n"
                                 "          Glow = 3\r\n"
                                 "        end>\r\n"
                                 "      TabOrder = 1\r\n"
                                 "    end\r\n",
                                 "");
  expected = Replace(expected, "object Label1: TLabel", "object lblName: TLabel");
  EXPECT_EQ(form->Write(), expected);
}

TEST(FormFile, NewComponentsAreWrittenAsTheIdeWritesThem) {
  auto form = Load(kForm);
  auto* panel = As<TPanel>(form->Root()->FindComponent("Panel1"));
  auto* check = new TCheckBox(form->Root());
  check->SetName("CheckBox1");
  check->SetParent(panel);
  check->SetBounds(8, 100, 97, 17);
  check->SetCaption("Active");
  check->SetTabOrder(0);
  std::string written = form->Write();
  std::string expected = Replace(kForm,
                                 "      TabOrder = 1\r\n"
                                 "    end\r\n",
                                 "      TabOrder = 2\r\n"
                                 "    end\r\n"
                                 "    object CheckBox1: TCheckBox\r\n"
                                 "      Left = 8\r\n"
                                 "      Top = 100\r\n"
                                 "      Width = 97\r\n"
                                 "      Height = 17\r\n"
                                 "      Caption = 'Active'\r\n"
                                 "      TabOrder = 0\r\n"
                                 "    end\r\n");
  expected = Replace(expected, "      TabOrder = 0\r\n      Text", "      TabOrder = 1\r\n      Text");
  EXPECT_EQ(written, expected);
}

TEST(FormFile, ErrorsNameFileLineAndColumn) {
  std::string bad = Replace(kForm, "Left = 48", "Left = 'x'");
  try {
    Load(bad);
    FAIL();
  } catch (const EReadError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("Unit1.dfm:31:14: ", 0), 0u) << e.what();
  }
  std::string dup = Replace(kForm, "object Edit1", "object Label1");
  EXPECT_THROW(Load(dup), EReadError);
}

TEST(FormFile, CorpusTextFormsRoundTripThroughTheModel) {
  auto entries = formtest::CorpusEntries();
  if (entries.empty()) GTEST_SKIP() << "corpus not found at " << formtest::CorpusDir();
  int checked = 0;
  for (const auto& entry : entries) {
    if (entry.kind == "dfm-binary") continue;
    std::string bytes = formtest::ReadAll(formtest::CorpusDir() / entry.file);
    try {
      auto form = TFormFile::Read(bytes, entry.file);
      EXPECT_TRUE(form->Write() == bytes) << entry.file;
    } catch (const std::exception& e) {
      ADD_FAILURE() << entry.file << ": " << e.what();
    }
    ++checked;
  }
  EXPECT_GT(checked, 200);
}
