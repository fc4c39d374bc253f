// The non-visual components of the System, Dialogs and Data Access pages: what they publish,
// in the host's order, with which defaults, and that a new one starts with those defaults.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "vcl/db/db_batch.h"
#include "vcl/db/db_session.h"
#include "vcl/db/db_stored_proc.h"
#include "vcl/ddeman.h"
#include "vcl/dialogs_find.h"
#include "vcl/dialogs_pick.h"
#include "vcl/dialogs_print.h"
#include "vcl/ext_dialogs.h"
#include "vcl/ext_timer.h"

using namespace vcl;

namespace {

using Names = std::vector<std::string>;

// The published names after those every component has (Name, Tag) and, for dialogs, after
// those of every common dialog.
Names OwnNames(TClass cls) {
  Names names;
  for (PPropInfo p : cls->Properties()) names.push_back(p->Name);
  std::size_t skip = cls->InheritsFrom(TCommonDialog::ClassInfo()) ? 6 : 2;
  EXPECT_GE(names.size(), skip) << cls->ClassName();
  names.erase(names.begin(), names.begin() + static_cast<std::ptrdiff_t>(std::min(skip, names.size())));
  return names;
}

TEST(NonVisualPalette, ClassesPublishTheHostsPropertiesInItsOrder) {
  const std::vector<std::pair<const char*, Names>> classes = {
      {"TTimer", {"Enabled", "Interval", "OnTimer"}},
      {"TCommonDialog", {}},
      {"TOpenPictureDialog",
       {"DefaultExt", "FileName", "Filter", "FilterIndex", "InitialDir", "Options", "Title"}},
      {"TSavePictureDialog",
       {"DefaultExt", "FileName", "Filter", "FilterIndex", "InitialDir", "Options", "Title"}},
      {"TFontDialog", {"Font", "Device", "MinFontSize", "MaxFontSize", "Options", "OnApply"}},
      {"TColorDialog", {"Color", "CustomColors", "Options"}},
      {"TPrintDialog",
       {"Collate", "Copies", "FromPage", "MinPage", "MaxPage", "Options", "PrintToFile", "PrintRange", "ToPage"}},
      {"TPrinterSetupDialog", {}},
      {"TFindDialog", {"FindText", "Options", "OnFind"}},
      {"TReplaceDialog", {"FindText", "Options", "OnFind", "ReplaceText", "OnReplace"}},
      {"TSession",
       {"Active", "AutoSessionName", "KeepConnections", "NetFileDir", "PrivateDir", "SessionName", "SQLHourGlass",
        "OnPassword", "OnStartup"}},
      {"TBatchMove",
       {"AbortOnKeyViol", "AbortOnProblem", "CommitCount", "ChangedTableName", "Destination", "KeyViolTableName",
        "Mappings", "Mode", "ProblemTableName", "RecordCount", "Source", "Transliterate"}},
      {"TUpdateSQL", {"ModifySQL", "InsertSQL", "DeleteSQL"}},
      {"TDdeClientConv",
       {"ServiceApplication", "DdeService", "DdeTopic", "ConnectMode", "FormatChars", "OnClose", "OnOpen"}},
      {"TDdeClientItem", {"DdeConv", "DdeItem", "Lines", "OnChange"}},
      {"TDdeServerConv", {"OnOpen", "OnClose", "OnExecuteMacro"}},
      {"TDdeServerItem", {"ServerConv", "Lines", "OnChange", "OnPokeData"}},
  };
  for (const auto& [name, own] : classes) EXPECT_EQ(OwnNames(FindClass(name)), own) << name;
  // Every common dialog starts with the same four.
  Names common;
  for (PPropInfo p : TFindDialog::ClassInfo()->Properties()) common.push_back(p->Name);
  EXPECT_EQ(Names(common.begin(), common.begin() + 6),
            (Names{"Name", "Tag", "Ctl3D", "HelpContext", "OnClose", "OnShow"}));
  EXPECT_TRUE(TOpenDialog::ClassInfo()->InheritsFrom(TCommonDialog::ClassInfo()));
  EXPECT_TRUE(TCommonDialog::ClassInfo()->IsAbstract());
  // The data sets publish what data sets publish, and their own values among them.
  for (const char* name : {"StoredProcName", "Overload", "ParamBindMode", "DatabaseName", "UpdateMode",
                           "BeforeOpen", "OnCalcFields", "OnPostError"})
    EXPECT_NE(GetPropInfo(TStoredProc::ClassInfo(), name), nullptr) << name;
  for (const char* name : {"DataSetField", "ObjectView", "ReadOnly", "Filter", "AfterScroll", "OnNewRecord"})
    EXPECT_NE(GetPropInfo(TNestedTable::ClassInfo(), name), nullptr) << name;
  EXPECT_EQ(GetPropInfo(TNestedTable::ClassInfo(), "DatabaseName"), nullptr);
  EXPECT_TRUE(GetPropInfo(TNestedTable::ClassInfo(), "DataSetField")->IsComponentReference());
  EXPECT_TRUE(GetPropInfo(TBatchMove::ClassInfo(), "Source")->IsComponentReference());
}

TEST(NonVisualPalette, DefaultsAreTheHostsAndANewComponentHoldsThem) {
  const std::vector<std::tuple<const char*, const char*, NativeInt>> defaults = {
      {"TTimer", "Enabled", 1}, {"TTimer", "Interval", 1000},
      {"TFindDialog", "Ctl3D", 1}, {"TFindDialog", "HelpContext", 0},
      {"TFontDialog", "Device", fdScreen}, {"TFontDialog", "Options", NativeInt{1} << fdEffects},
      {"TFontDialog", "MinFontSize", 0}, {"TFontDialog", "MaxFontSize", 0},
      {"TColorDialog", "Color", clBlack}, {"TColorDialog", "Options", 0},
      {"TPrintDialog", "Copies", 0}, {"TPrintDialog", "PrintRange", prAllPages}, {"TPrintDialog", "Collate", 0},
      {"TFindDialog", "Options", NativeInt{1} << frDown}, {"TReplaceDialog", "Options", NativeInt{1} << frDown},
      {"TOpenPictureDialog", "FilterIndex", 1},
      {"TSession", "Active", 0}, {"TSession", "KeepConnections", 1}, {"TSession", "SQLHourGlass", 1},
      {"TSession", "AutoSessionName", 0},
      {"TStoredProc", "ParamBindMode", pbByName}, {"TStoredProc", "Overload", 0},
      {"TNestedTable", "ObjectView", 1}, {"TNestedTable", "Active", 0},
      {"TBatchMove", "Mode", batAppend}, {"TBatchMove", "AbortOnKeyViol", 1}, {"TBatchMove", "Transliterate", 1},
      {"TBatchMove", "RecordCount", 0}, {"TDdeClientConv", "ConnectMode", ddeAutomatic},
      {"TDdeClientConv", "FormatChars", 0}};
  for (const auto& [cls, prop, value] : defaults) {
    PPropInfo info = GetPropInfo(FindClass(cls), prop);
    ASSERT_NE(info, nullptr) << cls << "." << prop;
    ASSERT_TRUE(info->Default) << cls << "." << prop << " has no default";
    EXPECT_EQ(*info->Default, value) << cls << "." << prop;
  }
  // A new component holds every declared default, so a form writes nothing for it.
  for (const char* name : {"TTimer", "TOpenPictureDialog", "TSavePictureDialog", "TFontDialog", "TColorDialog",
                           "TPrintDialog", "TPrinterSetupDialog", "TFindDialog", "TReplaceDialog", "TSession",
                           "TStoredProc", "TBatchMove", "TUpdateSQL", "TNestedTable", "TDdeClientConv",
                           "TDdeClientItem", "TDdeServerConv", "TDdeServerItem"}) {
    TClass cls = FindClass(name);
    std::unique_ptr<TObject> component(cls->Create(nullptr));
    for (PPropInfo prop : cls->Properties()) {
      if (!prop->Default) continue;
      EXPECT_EQ(GetOrdProp(component.get(), prop), *prop->Default) << name << "." << prop->Name;
    }
  }
}

TEST(NonVisualPalette, PictureDialogsListTheGraphicFormatsUnlessTheFormSaysOtherwise) {
  TOpenPictureDialog open(nullptr);
  EXPECT_EQ(open.Filter(), GraphicFilter());
  EXPECT_EQ(GraphicFilter().rfind("All (*.bmp;", 0), 0u);
  EXPECT_FALSE(open.IsFilterStored());
  open.SetFilter("Bitmaps (*.bmp)|*.bmp");
  EXPECT_TRUE(open.IsFilterStored());
  TSavePictureDialog save(nullptr);
  EXPECT_EQ(save.Filter(), GraphicFilter());
  EXPECT_TRUE(TSavePictureDialog::ClassInfo()->InheritsFrom(TOpenDialog::ClassInfo()));
}

TEST(NonVisualPalette, ReferencesAreClearedWhenTheirTargetGoes) {
  TComponent form(nullptr);
  auto* move = new TBatchMove(&form);
  auto* source = new TStoredProc(&form);
  auto* destination = new TTable(&form);
  move->SetSource(source);
  move->SetDestination(destination);
  source->Free();
  EXPECT_EQ(move->Source(), nullptr);
  EXPECT_EQ(move->Destination(), destination);
  destination->Free();
  EXPECT_EQ(move->Destination(), nullptr);

  auto* nested = new TNestedTable(&form);
  auto* field = new TDataSetField(&form);
  nested->SetDataSetField(field);
  EXPECT_EQ(nested->DataSetField(), field);
  field->Free();
  EXPECT_EQ(nested->DataSetField(), nullptr);

  auto* conv = new TDdeClientConv(&form);
  auto* item = new TDdeClientItem(&form);
  auto* topic = new TDdeServerConv(&form);
  auto* served = new TDdeServerItem(&form);
  item->SetDdeConv(conv);
  served->SetServerConv(topic);
  conv->Free();
  topic->Free();
  EXPECT_EQ(item->DdeConv(), nullptr);
  EXPECT_EQ(served->ServerConv(), nullptr);
}

}  // namespace
