// Shortcut text, menu item trees, clicks, radio groups and menus.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "vcl/db/dbtables.h"
#include "vcl/menus.h"
#include "vcl/streaming/form_file.h"
#include "vcl/typinfo.h"

using namespace vcl;

namespace {

constexpr Word vkF5 = 0x74;

std::vector<std::string> PublishedNames(TClass cls) {
  std::vector<std::string> names;
  for (PPropInfo p : cls->Properties()) names.push_back(p->Name);
  return names;
}

std::vector<std::string> Captions(const TMenuItem* parent) {
  std::vector<std::string> captions;
  for (int i = 0; i < parent->Count(); ++i) captions.push_back(parent->Items(i)->Caption());
  return captions;
}

TMenuItem* NewItem(TComponent* owner, const std::string& caption) {
  auto* item = new TMenuItem(owner);
  item->SetCaption(caption);
  return item;
}

using V = std::vector<std::string>;

V FieldNamesOf(const TDataSet* dataSet) {
  V names;
  for (int i = 0; i < dataSet->FieldCount(); ++i) names.push_back(dataSet->Fields()->Fields(i)->FieldName());
  return names;
}

}  // namespace

// ---- shortcuts

TEST(ShortCuts, EncodeKeysAndModifiers) {
  EXPECT_EQ(ShortCut('S', ShiftOf(ssCtrl)), 0x4053);
  EXPECT_EQ(ShortCut('S', ShiftOf(ssCtrl)), 16467);
  EXPECT_EQ(ShortCut(vkF5, ShiftOf(ssShift) | ShiftOf(ssCtrl) | ShiftOf(ssAlt)), 0xE074);
  EXPECT_EQ(ShortCut(0x141, ShiftOf(ssCtrl)), 0) << "a key code beyond one byte has no shortcut";
  Word key = 0;
  TShiftState shift = 0;
  ShortCutToKey(0xA022, key, shift);
  EXPECT_EQ(key, 0x22);
  EXPECT_EQ(shift, ShiftOf(ssShift) | ShiftOf(ssAlt));
}

TEST(ShortCuts, TextPutsModifiersInFixedOrder) {
  EXPECT_EQ(ShortCutToText(16467), "Ctrl+S");
  EXPECT_EQ(ShortCutToText(0xE074), "Shift+Ctrl+Alt+F5");
  EXPECT_EQ(ShortCutToText(0xA022), "Shift+Alt+PgDn");
  EXPECT_EQ(ShortCutToText(0x0D), "Enter");
  EXPECT_EQ(ShortCutToText(0x08), "BkSp");
  EXPECT_EQ(ShortCutToText(0x2D), "Ins");
  EXPECT_EQ(ShortCutToText(0x27), "Right");
  EXPECT_EQ(ShortCutToText(0x87), "F24");
  EXPECT_EQ(ShortCutToText(0x35), "5");
  EXPECT_EQ(ShortCutToText(0x65), "5") << "number pad keys read as digits";
  EXPECT_EQ(ShortCutToText(scNone), "");
  EXPECT_EQ(ShortCutToText(scCtrl | 0xBA), "") << "a key without a name gives no text, modifiers or not";
  EXPECT_EQ(ShortCutToText(scCtrl | 0x88), "");
}

TEST(ShortCuts, TextToShortCutStripsModifiersInAnyOrderAndCase) {
  EXPECT_EQ(TextToShortCut("Ctrl+S"), 0x4053);
  EXPECT_EQ(TextToShortCut("ctrl+s"), 0x4053);
  EXPECT_EQ(TextToShortCut("^S"), 0x4053);
  EXPECT_EQ(TextToShortCut("Shift+Ctrl+Alt+F5"), 0xE074);
  EXPECT_EQ(TextToShortCut("alt+SHIFT+^f5"), 0xE074);
  EXPECT_EQ(TextToShortCut("pgdn"), 0x22);
  EXPECT_EQ(TextToShortCut("Esc"), 0x1B);
  EXPECT_EQ(TextToShortCut("5"), 0x35) << "the main keyboard's digit, never the number pad's";
  EXPECT_EQ(TextToShortCut("Shift+5"), scShift | 0x35);
}

TEST(ShortCuts, TextToShortCutRejectsWhatNamesNoKey) {
  EXPECT_EQ(TextToShortCut("Ctrl + S"), 0) << "no blanks allowed";
  EXPECT_EQ(TextToShortCut(" Ctrl+S"), 0);
  EXPECT_EQ(TextToShortCut(""), 0);
  EXPECT_EQ(TextToShortCut("Ctrl+"), 0);
  EXPECT_EQ(TextToShortCut("Ctrl+Shift"), 0);
  EXPECT_EQ(TextToShortCut("F25"), 0);
  EXPECT_EQ(TextToShortCut("Control+S"), 0);
  EXPECT_EQ(TextToShortCut("S+Ctrl"), 0);
}

TEST(ShortCuts, EveryNamedKeyRoundTrips) {
  int named = 0;
  for (unsigned key = 0; key <= 0xFF; ++key) {
    if (key >= 0x60 && key <= 0x69) continue;  // number pad: reads back as the digit row
    for (TShortCut mods : {TShortCut(0), scShift, TShortCut(scCtrl | scAlt), TShortCut(scShift | scCtrl | scAlt)}) {
      auto shortCut = static_cast<TShortCut>(key | mods);
      std::string text = ShortCutToText(shortCut);
      if (text.empty()) continue;
      ++named;
      EXPECT_EQ(TextToShortCut(text), shortCut) << text;
    }
  }
  // 15 named keys, 10 digits, 26 letters, 24 function keys, each with four modifier sets.
  EXPECT_EQ(named, (15 + 10 + 26 + 24) * 4);
  EXPECT_EQ(TextToShortCut(ShortCutToText(scAlt | 0x69)), scAlt | 0x39);
}

// ---- menu item trees

TEST(MenuItems, InsertAddDeleteAndRemoveKeepOrder) {
  TComponent form(nullptr);
  auto* file = NewItem(&form, "&File");
  auto* open = NewItem(&form, "&Open");
  auto* save = NewItem(&form, "&Save");
  auto* exit = NewItem(&form, "E&xit");
  file->Add(open);
  file->Add(exit);
  file->Insert(1, save);
  EXPECT_EQ(Captions(file), (V{"&Open", "&Save", "E&xit"}));
  EXPECT_EQ(save->Parent(), file);
  EXPECT_EQ(save->MenuIndex(), 1);
  EXPECT_EQ(file->IndexOf(exit), 2);
  EXPECT_EQ(file->Find("save"), save) << "found by caption without its '&', ignoring case";
  EXPECT_EQ(file->Find("Quit"), nullptr);

  exit->SetMenuIndex(0);
  EXPECT_EQ(Captions(file), (V{"E&xit", "&Open", "&Save"}));

  file->Delete(0);
  EXPECT_EQ(exit->Parent(), nullptr);
  EXPECT_EQ(Captions(file), (V{"&Open", "&Save"}));
  file->Remove(save);
  EXPECT_EQ(Captions(file), (V{"&Open"}));
  EXPECT_EQ(form.ComponentCount(), 4) << "taking items out frees nothing";
}

TEST(MenuItems, BadInsertionsRaise) {
  TComponent form(nullptr);
  auto* file = NewItem(&form, "File");
  auto* sub = NewItem(&form, "Sub");
  auto* other = NewItem(&form, "Other");
  file->Add(sub);
  EXPECT_THROW(file->Add(sub), EMenuError);
  EXPECT_THROW(other->Add(sub), EMenuError) << "an item has one parent";
  EXPECT_THROW(sub->Add(file), EMenuError) << "no item inside its own sub-menu";
  EXPECT_THROW(file->Add(file), EMenuError);
  EXPECT_THROW(file->Insert(3, other), EListError);
  EXPECT_THROW(file->Items(1), EMenuError);
  EXPECT_THROW(file->Delete(-1), EMenuError);
  try {
    file->Remove(other);
    FAIL() << "removing a stranger must raise";
  } catch (const EMenuError& e) {
    EXPECT_EQ(e.Message(), "Sub-menu is not in menu");
  }
  EXPECT_EQ(file->Count(), 1);
}

TEST(MenuItems, FreeingAnItemFreesItsSubItemsAndLeavesItsParent) {
  TComponent form(nullptr);
  auto* file = NewItem(&form, "File");
  auto* recent = NewItem(&form, "Recent");
  auto* one = NewItem(&form, "One");
  auto* exit = NewItem(&form, "Exit");
  file->Add(recent);
  file->Add(exit);
  recent->Add(one);

  recent->Free();
  EXPECT_EQ(Captions(file), (V{"Exit"}));
  EXPECT_EQ(form.ComponentCount(), 2) << "the sub-item went with its parent, out of the form too";
  EXPECT_EQ(form.FindComponent("One"), nullptr);
}

TEST(MenuItems, OwnerFreesTreesInEitherOrder) {
  // Parent created after its children: the owner frees the parent first, which frees them.
  auto form = std::make_unique<TComponent>(nullptr);
  auto* a = NewItem(form.get(), "A");
  auto* b = NewItem(form.get(), "B");
  auto* parent = NewItem(form.get(), "Parent");
  parent->Add(a);
  parent->Add(b);
  form.reset();  // the sanitizer build catches a double free here

  // Children created last: freed first, each leaving the parent.
  form = std::make_unique<TComponent>(nullptr);
  TMainMenu* menu = new TMainMenu(form.get());
  auto* top = NewItem(form.get(), "Top");
  menu->Items()->Add(top);
  top->Add(NewItem(form.get(), "Child"));
  form.reset();
}

TEST(MenuItems, ClickRunsOnClickWhileEnabled) {
  TComponent form(nullptr);
  auto* item = NewItem(&form, "Go");
  std::vector<TObject*> senders;
  item->OnClick = [&](TObject* sender) { senders.push_back(sender); };
  item->Click();
  item->SetEnabled(false);
  item->Click();
  EXPECT_EQ(senders, (std::vector<TObject*>{item}));
}

TEST(MenuItems, CheckingARadioItemUnchecksItsGroup) {
  TComponent form(nullptr);
  auto* parent = NewItem(&form, "View");
  std::vector<TMenuItem*> items;
  for (int i = 0; i < 4; ++i) {
    auto* item = NewItem(&form, "Item" + std::to_string(i));
    item->SetRadioItem(i < 3);
    item->SetGroupIndex(i < 2 ? 1 : 2);
    parent->Add(item);
    items.push_back(item);
  }
  items[3]->SetChecked(true);  // not a radio item
  items[2]->SetChecked(true);  // radio item alone in group 2
  items[0]->SetChecked(true);
  items[1]->SetChecked(true);
  EXPECT_FALSE(items[0]->Checked()) << "same group";
  EXPECT_TRUE(items[1]->Checked());
  EXPECT_TRUE(items[2]->Checked()) << "other group";
  EXPECT_TRUE(items[3]->Checked()) << "not a radio item";
}

TEST(MenuItems, GroupIndexesNeverDecreaseAlongTheMenu) {
  TComponent form(nullptr);
  auto* parent = NewItem(&form, "Menu");
  auto* a = NewItem(&form, "A");
  auto* b = NewItem(&form, "B");
  auto* c = NewItem(&form, "C");
  a->SetGroupIndex(2);
  parent->Add(a);
  parent->Add(b);
  EXPECT_EQ(b->GroupIndex(), 2) << "an item takes its predecessor's group index";
  parent->Insert(0, c);
  EXPECT_EQ(c->GroupIndex(), 0);
  EXPECT_THROW(b->SetGroupIndex(1), EMenuError) << "below a preceding item's group index";
  EXPECT_EQ(b->GroupIndex(), 2);
  c->SetGroupIndex(3);
  EXPECT_EQ(a->GroupIndex(), 3) << "raising one raises those after it";
  EXPECT_EQ(b->GroupIndex(), 3);
  EXPECT_THROW(a->SetGroupIndex(256), EMenuError);
}

// ---- menus

TEST(Menus, ItemsRootBelongsToTheMenuAndReportsChanges) {
  std::vector<std::pair<TMenuItem*, bool>> changes;  // outlives the form, whose end reports too
  TComponent form(nullptr);
  auto* menu = new TMainMenu(&form);
  TMenuItem* root = menu->Items();
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->Owner(), menu);
  EXPECT_EQ(root->Parent(), nullptr);

  menu->OnChange = [&](TObject* sender, TMenuItem* source, bool rebuild) {
    EXPECT_EQ(sender, menu);
    changes.emplace_back(source, rebuild);
  };
  auto* file = NewItem(&form, "File");
  auto* open = NewItem(&form, "Open");
  root->Add(file);
  file->Add(open);
  open->SetChecked(true);
  using C = std::vector<std::pair<TMenuItem*, bool>>;
  EXPECT_EQ(changes, (C{{nullptr, true}, {file, true}, {open, false}}));

  open->SetShortCut(TextToShortCut("Ctrl+O"));
  EXPECT_EQ(menu->FindItem(0x404F), open);
  EXPECT_EQ(menu->FindItem(0x4050), nullptr);
}

TEST(Menus, PopupRunsOnPopupAndImagesAreCleared) {
  TComponent form(nullptr);
  auto* popup = new TPopupMenu(&form);
  auto* images = new TImageList(&form);
  popup->SetImages(images);
  int popups = 0;
  popup->OnPopup = [&](TObject* sender) {
    EXPECT_EQ(sender, popup);
    ++popups;
  };
  popup->Popup(10, 20);
  EXPECT_EQ(popups, 1);
  images->Free();
  EXPECT_EQ(popup->Images(), nullptr);
}

TEST(Menus, PublishTheHostsPropertiesWithItsDefaults) {
  EXPECT_EQ(PublishedNames(TMenuItem::ClassInfo()),
            (V{"Name", "Tag", "Action", "Bitmap", "Break", "Caption", "Checked", "SubMenuImages", "Default",
               "Enabled", "GroupIndex", "HelpContext", "Hint", "ImageIndex", "RadioItem", "ShortCut", "Visible",
               "OnClick", "OnDrawItem", "OnMeasureItem"}));
  TClass item = FindClass("TMenuItem");
  EXPECT_EQ(GetPropInfo(item, "ImageIndex")->Default, -1);
  EXPECT_EQ(GetPropInfo(item, "Enabled")->Default, 1);
  EXPECT_EQ(GetPropInfo(item, "ShortCut")->PropType->TypeName(), "TShortCut");
  EXPECT_EQ(GetPropInfo(FindClass("TPopupMenu"), "AutoPopup")->Default, 1);
  EXPECT_NE(GetPropInfo(FindClass("TMainMenu"), "Images"), nullptr);
  EXPECT_NE(GetPropInfo(FindClass("TPopupMenu"), "OnPopup"), nullptr);

  TComponent form(nullptr);
  auto* created = As<TMenuItem>(item->Create(&form));
  EXPECT_EQ(created->Owner(), &form);
  SetOrdProp(created, GetPropInfo(created, "ShortCut"), 16467);
  EXPECT_EQ(ShortCutToText(created->ShortCut()), "Ctrl+S");
  EXPECT_FALSE(GetPropInfo(created, "Bitmap")->IsStoredOn(created)) << "an empty glyph is not written";
}

TEST(Menus, FormFilesNestItemsInsideTheirMenu) {
  TComponent form(nullptr);
  auto* menu = new TMainMenu(&form);
  auto* file = NewItem(&form, "File");
  auto* open = NewItem(&form, "Open");
  // As a form reader does: each item is put inside the object it was read in.
  file->SetParentComponent(menu);
  open->SetParentComponent(file);
  EXPECT_EQ(menu->Items()->Items(0), file);
  EXPECT_EQ(file->GetParentComponent(), menu);
  EXPECT_EQ(open->GetParentComponent(), file);
  EXPECT_TRUE(open->HasParent()) << "so the form does not write it at the top";

  std::vector<TComponent*> children;
  auto collect = [&](TComponent* c) { children.push_back(c); };
  menu->GetChildren(collect, &form);
  file->GetChildren(collect, &form);
  EXPECT_EQ(children, (std::vector<TComponent*>{file, open}));

  open->SetParentComponent(menu);
  EXPECT_EQ(file->Count(), 0) << "moved, not copied";
  EXPECT_EQ(menu->Items()->Count(), 2);
}

TEST(Menus, StripHotkeyRemovesMarks) {
  EXPECT_EQ(StripHotkey("&File"), "File");
  EXPECT_EQ(StripHotkey("Save && Exit"), "Save & Exit");
  EXPECT_EQ(StripHotkey("End&"), "End");
}

// ---- form files

namespace {
const char* kDesignedForm = R"(object Form1: TForm1
  Left = 10
  Top = 10
  Caption = 'Form1'
  Menu = MainMenu1
  object MainMenu1: TMainMenu
    Left = 8
    Top = 8
    object mniFile: TMenuItem
      Caption = '&File'
      object mniSave: TMenuItem
        Action = actSave
      end
      object mniExit: TMenuItem
        Caption = 'E&xit'
        ShortCut = 32856
      end
    end
  end
  object ActionList1: TActionList
    Left = 40
    Top = 8
    object actSave: TAction
      Category = 'File'
      Caption = '&Save'
      ShortCut = 16467
    end
  end
  object Table1: TTable
    Active = True
    DatabaseName = 'NOSUCHALIAS'
    TableName = 'CUSTOMER.DB'
    object Table1CustNo: TFloatField
      FieldName = 'CustNo'
    end
    object Table1Company: TStringField
      DisplayWidth = 12
      FieldName = 'Company'
      Size = 30
    end
  end
  object DataSource1: TDataSource
    DataSet = Table1
  end
end
)";
}  // namespace

TEST(FormFiles, MenusActionsAndFieldsReadNestedAndWriteBackAsTheIdeDoes) {
  auto file = TFormFile::Read(kDesignedForm, "Unit1.dfm");
  TComponent* root = file->Root();
  auto* menu = As<TMainMenu>(root->FindComponent("MainMenu1"));
  auto* fileItem = As<TMenuItem>(root->FindComponent("mniFile"));
  auto* save = As<TMenuItem>(root->FindComponent("mniSave"));
  auto* action = As<TAction>(root->FindComponent("actSave"));
  auto* list = As<TActionList>(root->FindComponent("ActionList1"));
  auto* table = As<TTable>(root->FindComponent("Table1"));
  ASSERT_TRUE(menu && fileItem && save && action && list && table);
  EXPECT_EQ(menu->Items()->Items(0), fileItem);
  EXPECT_EQ(save->Parent(), fileItem);
  EXPECT_EQ(save->Caption(), "&Save") << "taken from the action";
  EXPECT_EQ(ShortCutToText(save->ShortCut()), "Ctrl+S");
  EXPECT_EQ(list->Actions(0), action);
  EXPECT_EQ(FieldNamesOf(table), (V{"CustNo", "Company"}));
  EXPECT_TRUE(table->Active()) << "persistent fields need no database";
  EXPECT_EQ(file->Write(), kDesignedForm) << "unchanged, byte for byte";

  action->SetCaption("Save &all");
  EXPECT_EQ(save->Caption(), "Save &all");
  auto* open = new TMenuItem(root);
  open->SetName("mniOpen");
  open->SetCaption("&Open");
  fileItem->Insert(0, open);
  auto* openAction = new TAction(root);
  openAction->SetName("actOpen");
  openAction->SetActionList(list);
  table->Close();
  auto* count = new TIntegerField(root);
  count->SetName("Table1Count");
  count->SetFieldName("Count");
  count->SetDataSet(table);

  std::string written = file->Write();
  auto contains = [&](const char* text) { return written.find(text) != std::string::npos; };
  EXPECT_TRUE(contains("      object mniOpen: TMenuItem\n        Caption = '&Open'\n      end\n"
                       "      object mniSave: TMenuItem\n        Action = actSave\n      end\n"))
      << written;
  EXPECT_TRUE(contains("      Caption = 'Save &all'\n")) << "the item's linked caption stays unwritten";
  EXPECT_TRUE(contains("    object actOpen: TAction\n    end\n  end\n  object Table1: TTable\n    DatabaseName"))
      << written;
  EXPECT_TRUE(contains("    object Table1Count: TIntegerField\n      FieldName = 'Count'\n    end\n  end\n"))
      << written;
}
