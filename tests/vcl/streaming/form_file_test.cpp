// Reading forms into the component model and writing them back.
#include <gtest/gtest.h>

#include <map>

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

TEST(FormFile, ComponentsOwnedAnywhereLeaveTheFileOnlyWhenDestroyed) {
  const std::string framed =
      "object Form1: TForm1\n"
      "  inline Frame1: TFrame1\n"
      "    object edtInner: TEdit\n"
      "      Left = 8\n"
      "    end\n"
      "  end\n"
      "  object edtKept: TEdit\n"
      "    Left = 16\n"
      "  end\n"
      "end\n";
  auto form = Load(framed);
  TComponent* root = form->Root();
  TComponent* frame = root->FindComponent("Frame1");
  ASSERT_NE(frame, nullptr);
  TComponent* inner = frame->FindComponent("edtInner");
  ASSERT_NE(inner, nullptr) << "the frame owns what it holds";
  inner->Free();
  TComponent* kept = root->FindComponent("edtKept");
  root->RemoveComponent(kept);  // leaves the root, but lives on
  As<TControl>(kept)->SetTop(3);
  std::string expected = Replace(framed, "    object edtInner: TEdit\n      Left = 8\n    end\n", "");
  expected = Replace(expected, "    Left = 16\n", "    Left = 16\n    Top = 3\n");
  EXPECT_EQ(form->Write(), expected);
  kept->Free();
  EXPECT_EQ(form->Write(), Replace(expected, "  object edtKept: TEdit\n    Left = 16\n    Top = 3\n  end\n", ""));
  EXPECT_EQ(form->Node(kept), nullptr);
}

TEST(FormFile, ARootDestroyedElsewhereTakesEveryBindingWithIt) {
  TComponent owner(nullptr);
  TFormReadOptions options;
  options.RootOwner = &owner;
  auto form = TFormFile::Read(kForm, "Unit1.dfm", options);
  TComponent* edit = form->Root()->FindComponent("Edit1");
  ASSERT_NE(form->Node(edit), nullptr);
  owner.DestroyComponents();
  EXPECT_EQ(form->Root(), nullptr);
  EXPECT_EQ(form->Node(edit), nullptr);
  EXPECT_THROW(form->Write(), EInvalidOperation);
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

// A panel of many children of which many go and many come: the file keeps the survivors'
// text, drops the destroyed ones, and writes the new ones where the model streams them.
TEST(FormFile, ManyDestroyedAndNewChildrenOfOneParent) {
  std::map<int, std::pair<int, int>> sizes;  // of the new labels, which size themselves
  auto label = [&](int n) {
    auto [width, height] = sizes.count(n) ? sizes[n] : std::pair(60, 13);
    return "    object Label" + std::to_string(n) + ": TLabel\r\n      Left = 8\r\n      Top = " + std::to_string(n) +
           "\r\n      Width = " + std::to_string(width) + "\r\n      Height = " + std::to_string(height) +
           "\r\n      Caption = 'L'\r\n    end\r\n";
  };
  auto edit = [](int n) {
    return "    object Edit" + std::to_string(n) + ": TEdit\r\n      Left = 80\r\n      Top = " + std::to_string(n) +
           "\r\n      Width = 121\r\n      Height = 21\r\n      TabOrder = " + std::to_string(n - 1) + "\r\n    end\r\n";
  };
  auto form = [&](const std::vector<int>& labels, const std::vector<int>& edits) {
    std::string text = "object Form1: TForm1\r\n  object Panel1: TPanel\r\n    Left = 0\r\n    Top = 0\r\n"
                       "    Width = 400\r\n    Height = 300\r\n    TabOrder = 0\r\n";
    for (int n : labels) text += label(n);
    for (int n : edits) text += edit(n);
    return text + "  end\r\nend\r\n";
  };
  std::vector<int> labels, edits;
  for (int n = 1; n <= 30; ++n) labels.push_back(n), edits.push_back(n);
  auto file = TFormFile::Read(form(labels, edits), "Many.dfm");
  TComponent* root = file->Root();
  auto* panel = As<TPanel>(root->FindComponent("Panel1"));
  std::vector<int> keptLabels, keptEdits;
  for (int n = 1; n <= 30; ++n) {
    if (n % 3 == 0) {
      root->FindComponent("Label" + std::to_string(n))->Free();
    } else {
      keptLabels.push_back(n);
    }
    if (n % 4 == 0) {
      root->FindComponent("Edit" + std::to_string(n))->Free();
    } else {
      keptEdits.push_back(n);
    }
  }
  // New labels come after the last label, new edits after the last edit.
  for (int n = 31; n <= 35; ++n) {
    auto* newLabel = new TLabel(root);
    newLabel->SetName("Label" + std::to_string(n));
    newLabel->SetParent(panel);
    newLabel->SetCaption("L");
    newLabel->SetBounds(8, n, 60, 13);
    sizes[n] = {newLabel->Width(), newLabel->Height()};
    keptLabels.push_back(n);
    auto* newEdit = new TEdit(root);
    newEdit->SetName("Edit" + std::to_string(n));
    newEdit->SetParent(panel);
    newEdit->SetBounds(80, n, 121, 21);
    newEdit->SetText("");
    keptEdits.push_back(n);
  }
  // The survivors' tab orders close up; write them as the model now has them.
  std::string expected = form(keptLabels, {});
  expected.resize(expected.size() - std::string("  end\r\nend\r\n").size());
  for (std::size_t i = 0; i < keptEdits.size(); ++i) {
    std::string text = edit(keptEdits[i]);
    text = Replace(text, "TabOrder = " + std::to_string(keptEdits[i] - 1), "TabOrder = " + std::to_string(i));
    expected += text;
  }
  expected += "  end\r\nend\r\n";
  EXPECT_EQ(file->Write(), expected);
  EXPECT_EQ(file->Write(), expected);  // a second save finds nothing more to do
}

// Save after save of a form of many alike components, each time with other edits: the
// values kept for telling what changed follow every save, however often a component's
// values grow and shrink, and a renamed component changes the references to it.
TEST(FormFile, EverySaveOfManyAlikeComponentsWritesJustTheirEdits) {
  auto pair = [](int n, const std::string& text, const std::string& target) {
    const std::string at = std::to_string(n);
    return "    object Label" + at + ": TLabel\r\n      Left = 8\r\n      Top = " + at +
           "\r\n      Width = 60\r\n      Height = 13\r\n      Caption = 'L'\r\n      FocusControl = " + target +
           "\r\n    end\r\n    object Edit" + at + ": TEdit\r\n      Left = 80\r\n      Top = " + at +
           "\r\n      Width = 121\r\n      Height = 21\r\n      TabOrder = " + std::to_string(n - 1) +
           "\r\n      Text = '" + text + "'\r\n    end\r\n";
  };
  constexpr int kPairs = 2'000;
  auto form = [&](auto text, auto target) {
    std::string out = "object Form1: TForm1\r\n  object Panel1: TPanel\r\n    Left = 0\r\n    Top = 0\r\n"
                      "    Width = 400\r\n    Height = 300\r\n    TabOrder = 0\r\n";
    for (int n = 1; n <= kPairs; ++n) out += pair(n, text(n), target(n));
    return out + "  end\r\nend\r\n";
  };
  auto edit = [](int n) { return "Edit" + std::to_string(n); };
  const std::string original = form([](int) { return std::string("v"); }, edit);
  auto file = TFormFile::Read(original, "Alike.dfm");
  TComponent* root = file->Root();
  for (int round = 1; round <= 6; ++round) {
    // Odd rounds give every third edit a longer text, even rounds a short one back.
    auto text = [&](int n) { return n % 3 == 0 ? std::string(round % 2 ? 40 + round : 1, 't') : std::string("v"); };
    for (int n = 3; n <= kPairs; n += 3) As<TEdit>(root->FindComponent(edit(n)))->SetText(text(n));
    ASSERT_EQ(file->Write(), form(text, edit)) << round;
  }
  for (int n = 3; n <= kPairs; n += 3) As<TEdit>(root->FindComponent(edit(n)))->SetText("v");
  EXPECT_EQ(file->Write(), original);
  root->FindComponent("Edit7")->SetName("Renamed");
  auto renamed = [&](int n) { return n == 7 ? std::string("Renamed") : edit(n); };
  std::string expected = Replace(form([](int) { return std::string("v"); }, renamed), "object Edit7: TEdit",
                                 "object Renamed: TEdit");
  EXPECT_EQ(file->Write(), expected);
  EXPECT_EQ(file->Write(), expected);
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

// An edit's tab stop: read from the file into the control, written where the IDE writes it
// (before the edit's other values), removed again at its default; a corpus memo that
// leaves the tab order keeps its file byte for byte.
TEST(FormFile, AnEditsTabStopIsItsOwnPublishedValue) {
  std::string withoutTabStop = Replace(kForm, "      Height = 21\r\n", "      Height = 21\r\n      TabStop = False\r\n");
  auto form = Load(withoutTabStop);
  auto* edit = As<TEdit>(form->Root()->FindComponent("Edit1"));
  EXPECT_FALSE(edit->TabStop());
  EXPECT_EQ(form->Write(), withoutTabStop);
  edit->SetTabStop(true);
  EXPECT_EQ(form->Write(), kForm);
  auto fresh = Load(kForm);
  auto* freshEdit = As<TEdit>(fresh->Root()->FindComponent("Edit1"));
  EXPECT_TRUE(freshEdit->TabStop());
  freshEdit->SetTabStop(false);
  freshEdit->SetEnabled(false);
  EXPECT_EQ(fresh->Write(),
            Replace(kForm, "      Height = 21\r\n", "      Height = 21\r\n      TabStop = False\r\n      Enabled = False\r\n"));

  std::filesystem::path file = formtest::CorpusDir() / "winscp__winscp__source__forms__EditMask.dfm";
  if (!std::filesystem::exists(file)) GTEST_SKIP() << "corpus not found at " << formtest::CorpusDir();
  std::string bytes = formtest::ReadAll(file);
  auto corpus = TFormFile::Read(bytes, file.filename().string());
  auto* memo = As<TMemo>(corpus->Root()->FindComponent("MaskMemo"));
  EXPECT_FALSE(memo->TabStop());
  EXPECT_EQ(memo->BorderStyle(), bsNone);
  EXPECT_EQ(corpus->Write(), bytes);
}

// What a control does when it joins its parent and what the file then sets: an edit the file
// gives no height takes the height of its parent's font; one it gives a height keeps that.
TEST(FormFile, AnEditWithoutAHeightTakesTheHeightOfItsFont) {
  std::string large = Replace(Replace(kForm, "  Font.Height = -11\r\n", "  Font.Height = -16\r\n"),
                              "  Font.Name = 'MS Sans Serif'\r\n", "  Font.Name = 'Arial'\r\n");
  auto sized = Load(large);
  EXPECT_EQ(As<TEdit>(sized->Root()->FindComponent("Edit1"))->Height(), 21);
  std::string unsized = Replace(large, "      Width = 121\r\n      Height = 21\r\n", "      Width = 121\r\n");
  auto form = Load(unsized);
  auto* edit = As<TEdit>(form->Root()->FindComponent("Edit1"));
  EXPECT_GT(edit->Height(), 21);
  EXPECT_EQ(form->Write(), unsized);
}

// Tab orders as the file gives them, whether in the children's order or not.
TEST(FormFile, WindowedChildrenTakeTheTabOrdersRead) {
  auto inOrder = Load(kForm);
  auto* panel = As<TWinControl>(inOrder->Root()->FindComponent("Panel1"));
  auto* edit = As<TWinControl>(inOrder->Root()->FindComponent("Edit1"));
  auto* mystery = As<TWinControl>(inOrder->Root()->FindComponent("Mystery1"));
  ASSERT_TRUE(panel && edit && mystery);
  EXPECT_EQ(edit->TabOrder(), 0);
  EXPECT_EQ(mystery->TabOrder(), 1);

  std::string swapped = Replace(Replace(kForm, "      TabOrder = 0\r\n      Text", "      TabOrder = 1\r\n      Text"),
                                "        end>\r\n      TabOrder = 1\r\n", "        end>\r\n      TabOrder = 0\r\n");
  auto form = Load(swapped);
  EXPECT_EQ(As<TWinControl>(form->Root()->FindComponent("Edit1"))->TabOrder(), 1);
  EXPECT_EQ(As<TWinControl>(form->Root()->FindComponent("Mystery1"))->TabOrder(), 0);
  EXPECT_EQ(form->Write(), swapped);
}
