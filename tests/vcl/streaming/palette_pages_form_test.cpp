// The components of the System, Dialogs, Data Access and Samples pages in form files: values
// read into the model, what a new one writes, and the corpus forms that use them.
#include <gtest/gtest.h>

#include <iostream>
#include <map>
#include <set>

#include "form_test_util.h"
#include "vcl/db/db_session.h"
#include "vcl/dialogs_find.h"
#include "vcl/dialogs_pick.h"
#include "vcl/ext_dialogs.h"
#include "vcl/ext_timer.h"
#include "vcl/streaming/form_file.h"

using namespace vcl;

namespace {

const std::string kHead = "object Form1: TForm1\r\n  Width = 435\r\n  Height = 300\r\n";

std::unique_ptr<TFormFile> Load(const std::string& body) { return TFormFile::Read(kHead + body + "end\r\n", "Unit1.dfm"); }

std::vector<std::string> WrittenNames(const TFormFile& form, const TComponent* component) {
  std::vector<std::string> names;
  if (const dfm::Object* node = form.Node(component))
    for (const dfm::Property& property : node->properties) names.emplace_back(property.name());
  return names;
}

using Names = std::vector<std::string>;

TEST(PalettePageForms, ValuesAreReadIntoTheModelAndWrittenBackUnchanged) {
  const std::string body =
      "  object Timer1: TTimer\r\n    Enabled = False\r\n    Interval = 250\r\n    OnTimer = Timer1Timer\r\n"
      "    Left = 8\r\n    Top = 8\r\n  end\r\n"
      "  object FontDialog1: TFontDialog\r\n    Font.Charset = RUSSIAN_CHARSET\r\n    Font.Color = clRed\r\n"
      "    Font.Height = -13\r\n    Font.Name = 'Courier New'\r\n    Font.Style = [fsBold]\r\n"
      "    Device = fdBoth\r\n    MaxFontSize = 24\r\n    Options = [fdEffects, fdFixedPitchOnly, fdLimitSize]\r\n"
      "    Left = 40\r\n    Top = 8\r\n  end\r\n"
      "  object ColorDialog1: TColorDialog\r\n    Ctl3D = False\r\n    Color = clNavy\r\n"
      "    CustomColors.Strings = (\r\n      'ColorA=000000'\r\n      'ColorB=FFFFFF')\r\n"
      "    Options = [cdFullOpen]\r\n    Left = 72\r\n    Top = 8\r\n  end\r\n"
      "  object ReplaceDialog1: TReplaceDialog\r\n    FindText = 'old'\r\n    Options = [frDown, frMatchCase]\r\n"
      "    OnFind = ReplaceDialog1Find\r\n    ReplaceText = 'new'\r\n    OnReplace = ReplaceDialog1Replace\r\n"
      "    Left = 104\r\n    Top = 8\r\n  end\r\n"
      "  object OpenPictureDialog1: TOpenPictureDialog\r\n    Filter = 'Bitmaps (*.bmp)|*.bmp'\r\n"
      "    Left = 136\r\n    Top = 8\r\n  end\r\n"
      "  object Session1: TSession\r\n    Active = True\r\n    SessionName = 'Session1_1'\r\n"
      "    Left = 168\r\n    Top = 8\r\n  end\r\n";
  std::string text = kHead + body + "end\r\n";
  auto form = TFormFile::Read(text, "Unit1.dfm");
  TComponent* root = form->Root();
  auto* timer = As<TTimer>(root->FindComponent("Timer1"));
  EXPECT_FALSE(timer->Enabled());
  EXPECT_EQ(timer->Interval(), 250u);
  EXPECT_EQ(timer->OnTimer.HandlerName(), "Timer1Timer");
  auto* font = As<TFontDialog>(root->FindComponent("FontDialog1"));
  EXPECT_EQ(font->Font()->Name(), "Courier New");
  EXPECT_EQ(font->Font()->Height(), -13);
  EXPECT_EQ(font->Device(), fdBoth);
  EXPECT_EQ(font->MaxFontSize(), 24);
  EXPECT_EQ(font->Options(), (1u << fdEffects) | (1u << fdFixedPitchOnly) | (1u << fdLimitSize));
  auto* color = As<TColorDialog>(root->FindComponent("ColorDialog1"));
  EXPECT_FALSE(color->Ctl3D());
  EXPECT_EQ(color->Color(), clNavy);
  EXPECT_EQ(color->CustomColors()->Values("ColorB"), "FFFFFF");
  auto* replace = As<TReplaceDialog>(root->FindComponent("ReplaceDialog1"));
  EXPECT_EQ(replace->FindText(), "old");
  EXPECT_EQ(replace->ReplaceText(), "new");
  EXPECT_EQ(replace->Options(), (1u << frDown) | (1u << frMatchCase));
  EXPECT_EQ(replace->OnReplace.HandlerName(), "ReplaceDialog1Replace");
  EXPECT_EQ(As<TOpenPictureDialog>(root->FindComponent("OpenPictureDialog1"))->Filter(), "Bitmaps (*.bmp)|*.bmp");
  auto* session = As<TSession>(root->FindComponent("Session1"));
  EXPECT_TRUE(session->Active());
  EXPECT_EQ(session->SessionName(), "Session1_1");
  EXPECT_EQ(form->Write(), text);

  // A changed value rewrites that value only.
  timer->SetInterval(1000);
  color->CustomColors()->Add("ColorC=808080");
  std::string changed = form->Write();
  EXPECT_EQ(changed.find("Interval"), std::string::npos) << "back at its default";
  EXPECT_NE(changed.find("      'ColorB=FFFFFF'\r\n      'ColorC=808080')\r\n"), std::string::npos) << changed;
  EXPECT_NE(changed.find("    Enabled = False\r\n    OnTimer = Timer1Timer\r\n"), std::string::npos) << changed;
}

TEST(PalettePageForms, ANewOneWritesWhatTheIdeWrites) {
  auto form = Load("");
  auto add = [&](TComponent* component, const char* name) {
    component->SetName(name);
    return component;
  };
  TComponent* root = form->Root();
  TComponent* timer = add(new TTimer(root), "Timer1");
  TComponent* font = add(new TFontDialog(root), "FontDialog1");
  TComponent* picture = add(new TOpenPictureDialog(root), "OpenPictureDialog1");
  auto* find = static_cast<TFindDialog*>(add(new TFindDialog(root), "FindDialog1"));
  find->SetOptions((1u << frDown) | (1u << frWholeWord));
  form->Write();
  EXPECT_EQ(WrittenNames(*form, timer), Names{});
  // A font is written whole: none of its values has a default but its pitch.
  EXPECT_EQ(WrittenNames(*form, font),
            (Names{"Font.Charset", "Font.Color", "Font.Height", "Font.Name", "Font.Style"}));
  EXPECT_EQ(WrittenNames(*form, picture), Names{}) << "the graphic formats are the filter's default";
  EXPECT_EQ(WrittenNames(*form, find), Names{"Options"});
}

// The classes of the System, Dialogs, Data Access and Samples pages added here.
const std::set<std::string> kPageClasses = {
    "TTimer",      "TOpenPictureDialog", "TSavePictureDialog", "TFontDialog", "TColorDialog", "TPrintDialog",
    "TPrinterSetupDialog", "TFindDialog", "TReplaceDialog", "TSession", "TStoredProc", "TBatchMove",
    "TUpdateSQL",  "TNestedTable", "TGauge", "TColorGrid", "TPageScroller", "TDdeClientConv", "TDdeClientItem",
    "TDdeServerConv", "TDdeServerItem"};

TEST(PalettePageForms, CorpusFormsGiveRealComponentsAndStillRoundTrip) {
  auto entries = formtest::CorpusEntries();
  if (entries.empty()) GTEST_SKIP() << "corpus not found at " << formtest::CorpusDir();
  std::map<std::string, int> real;
  for (const auto& entry : entries) {
    if (entry.corrupt) continue;
    std::string bytes = formtest::ReadAll(formtest::CorpusDir() / entry.file);
    try {
      auto form = TFormFile::Read(bytes, entry.file);
      bool any = false;
      formtest::ForEachComponent(form->Root(), [&](TComponent* component) {
        const std::string& name = component->ClassName();
        if (!kPageClasses.count(name)) return;
        any = true;
        bool isReal = component->ClassType() == GetClass(name);
        real[name] += isReal;
        EXPECT_TRUE(isReal) << entry.file << ": " << component->Name() << " of " << name << " is a placeholder";
      });
      if (any) {
        EXPECT_TRUE(form->Write() == bytes) << entry.file << " changed on the way through";
      }
    } catch (const std::exception& e) {
      ADD_FAILURE() << entry.file << ": " << e.what();
    }
  }
  int total = 0;
  for (const auto& [name, count] : real) {
    std::cout << "  " << name << ": " << count << " real\n";
    total += count;
  }
  // 13 forms hold timers (some several), 9 hold dialogs, one a session, a binary one a gauge.
  EXPECT_GE(real["TTimer"], 13);
  EXPECT_EQ(real["TGauge"], 1);
  EXPECT_GE(total, 25);
}

}  // namespace
