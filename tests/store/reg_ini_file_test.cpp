// The settings store's operations as its callers see them.
#include <climits>

#include "store_fixture.h"
#include "vcl/strings.h"

using host::ERegistryException;
using host::TRegIniFile;
using namespace store_test;

namespace {

std::string SectionValues(const TRegIniFile& store, const std::string& section) {
  vcl::TStringList lines;
  store.ReadSectionValues(section, lines);
  return lines.CommaText();
}

}  // namespace

TEST_F(StoreTest, AbsentValuesReadAsTheirDefaultsAndReadingCreatesNothing) {
  const TRegIniFile store(kRoot);
  EXPECT_EQ(store.ReadString("", "Custom button controls", "TCheckBox"), "TCheckBox");
  EXPECT_EQ(store.ReadInteger("Align\\TPanel", "Columns", 2), 2);
  EXPECT_TRUE(store.ReadBool("", "Multi-line", true));
  EXPECT_FALSE(store.ReadBool("", "Multi-line", false));
  EXPECT_EQ(SectionValues(store, "Prefix"), "");
  EXPECT_FALSE(fs::exists(fs::path(path_).parent_path()));
}

TEST_F(StoreTest, ValuesReadBackInEveryStoreOpenedLater) {
  {
    TRegIniFile store(kRoot);
    store.WriteString("", "Custom button controls", "TCheckBox,TRadiobutton");
    store.WriteInteger("Align\\TPanel", "Columns", 12);
    store.WriteInteger("Align\\TPanel", "Vertical fit", INT_MIN);
    store.WriteBool("", "Multi-line", true);
    store.WriteBool("DataControls", "Add labels", false);
    EXPECT_EQ(store.ReadInteger("Align\\TPanel", "Columns", 0), 12);  // its own writes at once
  }
  const TRegIniFile store(kRoot);
  EXPECT_EQ(store.ReadString("", "Custom button controls", ""), "TCheckBox,TRadiobutton");
  EXPECT_EQ(store.ReadInteger("Align\\TPanel", "Columns", 0), 12);
  EXPECT_EQ(store.ReadInteger("Align\\TPanel", "Vertical fit", 0), INT_MIN);
  EXPECT_TRUE(store.ReadBool("", "Multi-line", false));
  EXPECT_FALSE(store.ReadBool("DataControls", "Add labels", true));
  // Integers and booleans are stored as their text.
  EXPECT_EQ(store.ReadString("Align\\TPanel", "Columns", ""), "12");
  EXPECT_EQ(store.ReadString("", "Multi-line", ""), "1");
  EXPECT_EQ(store.ReadString("DataControls", "Add labels", ""), "0");
}

TEST_F(StoreTest, NumbersAndBooleansReadFromText) {
  TRegIniFile store(kRoot);
  store.WriteString("", "Text", "abc");
  store.WriteString("", "Hex", "$1F");
  store.WriteString("", "Two", "2");
  store.WriteString("", "Empty", "");
  EXPECT_EQ(store.ReadInteger("", "Text", 7), 7);
  EXPECT_EQ(store.ReadInteger("", "Hex", 0), 31);
  EXPECT_EQ(store.ReadInteger("", "Empty", 5), 5);
  EXPECT_TRUE(store.ReadBool("", "Two", false));
  EXPECT_TRUE(store.ReadBool("", "Text", true));
  EXPECT_FALSE(store.ReadBool("", "Text", false));
  EXPECT_EQ(store.ReadString("", "Empty", "default"), "");  // present, though empty
}

TEST_F(StoreTest, NamesMatchIgnoringCaseAndKeepTheirFirstSpelling) {
  TRegIniFile store(kRoot);
  store.WriteInteger("Align\\TPanel", "Columns", 1);
  store.WriteInteger("Align\\TPanel", "Exclude", 2);
  store.WriteInteger("ALIGN\\tpanel", "COLUMNS", 3);
  EXPECT_EQ(store.ReadInteger("align\\TPANEL", "columns", 0), 3);
  EXPECT_EQ(SectionValues(store, "Align\\TPanel"), "Columns=3,Exclude=2");
  const TRegIniFile upper("SOFTWARE\\borland\\DELPHI\\zol-T");
  EXPECT_EQ(upper.ReadInteger("Align\\TPanel", "Columns", 0), 3);
  // Doubled and outer backslashes do not make other sections.
  EXPECT_EQ(upper.ReadInteger("\\Align\\\\TPanel\\", "Columns", 0), 3);
}

TEST_F(StoreTest, SectionValuesListInCreationOrderWithoutEmptyTexts) {
  TRegIniFile store(kRoot);
  store.WriteString("Prefix", "TPanel", "pnl");
  store.WriteString("Prefix", "TEdit", "");
  store.WriteString("Prefix", "TButton", "btn");
  store.WriteString("Prefix", "TLabel", "lbl");
  store.WriteString("Prefix", "tpanel", "pan");
  store.WriteInteger("Prefix\\Nested", "Ignored", 1);
  EXPECT_EQ(SectionValues(store, "Prefix"), "TPanel=pan,TButton=btn,TLabel=lbl");

  // Lines already in the list are replaced by name or kept, as name=value lines behave; the
  // empty value removes its line.
  vcl::TStringList lines;
  lines.Add("TButton=old");
  lines.Add("TEdit=edt");
  lines.Add("Other=x");
  store.ReadSectionValues("Prefix", lines);
  EXPECT_EQ(lines.CommaText(), "TButton=btn,Other=x,TPanel=pan,TLabel=lbl");
}

TEST_F(StoreTest, EraseSectionRemovesTheSectionAndItsSubSectionsOnly) {
  TRegIniFile store(kRoot);
  store.WriteInteger("Align", "Exclude", 1);
  store.WriteInteger("Align\\TPanel", "Columns", 2);
  store.WriteInteger("AlignX", "Columns", 3);
  store.WriteInteger("", "Root", 4);
  store.EraseSection("ALIGN");
  EXPECT_EQ(store.ReadInteger("Align", "Exclude", 0), 0);
  EXPECT_EQ(store.ReadInteger("Align\\TPanel", "Columns", 0), 0);
  EXPECT_EQ(store.ReadInteger("AlignX", "Columns", 0), 3);
  EXPECT_EQ(store.ReadInteger("", "Root", 0), 4);
  const TRegIniFile later(kRoot);
  EXPECT_EQ(later.ReadInteger("Align\\TPanel", "Columns", 0), 0);
  EXPECT_EQ(later.ReadInteger("AlignX", "Columns", 0), 3);
  EXPECT_EQ(ReadFile().find("Align]"), std::string::npos);
}

TEST_F(StoreTest, DeleteKeyAndDeleteValueRemoveOneValue) {
  TRegIniFile store(kRoot);
  store.WriteString("Prefix", "TPanel", "pnl");
  store.WriteString("Prefix", "TEdit", "edt");
  store.WriteString("", "TPanel", "root");
  store.DeleteKey("Prefix", "tpanel");
  EXPECT_EQ(SectionValues(store, "Prefix"), "TEdit=edt");
  EXPECT_EQ(store.ReadString("", "TPanel", ""), "root");
  store.DeleteValue("TPANEL");
  EXPECT_EQ(store.ReadString("", "TPanel", "gone"), "gone");
  store.DeleteKey("Missing", "Value");  // absent: nothing happens
  const TRegIniFile later(kRoot);
  EXPECT_EQ(SectionValues(later, "Prefix"), "TEdit=edt");
  EXPECT_EQ(later.ReadString("", "TPanel", "gone"), "gone");
}

TEST_F(StoreTest, DeletingWhatIsAbsentWritesNoFile) {
  TRegIniFile store(kRoot);
  store.DeleteValue("Multi-line");
  store.EraseSection("Align");
  EXPECT_FALSE(fs::exists(path_));
}

TEST_F(StoreTest, AStoreOpenedAtASubKeySeesThatKeysValues) {
  TRegIniFile shortcuts(kRoot + "\\ShortCut");
  shortcuts.WriteString("", "actSave", "4053");
  shortcuts.DeleteValue("actMissing");
  const TRegIniFile root(kRoot);
  EXPECT_EQ(root.ReadString("ShortCut", "actSave", ""), "4053");
  EXPECT_EQ(root.FileName(), kRoot);
  shortcuts.DeleteValue("ACTSAVE");
  EXPECT_EQ(TRegIniFile(kRoot).ReadString("ShortCut", "actSave", "none"), "none");
}

TEST_F(StoreTest, AStoreReadsItsSnapshotAndItsOwnWritesOnly) {
  TRegIniFile first(kRoot);
  {
    TRegIniFile second(kRoot);
    second.WriteString("", "Written later", "x");
  }
  EXPECT_EQ(first.ReadString("", "Written later", "unseen"), "unseen");
  first.WriteString("", "Mine", "y");
  EXPECT_EQ(first.ReadString("", "Mine", ""), "y");
  EXPECT_EQ(first.ReadString("", "Written later", "unseen"), "unseen");
  // The write of the first store replayed onto the file kept the other store's write.
  const TRegIniFile later(kRoot);
  EXPECT_EQ(later.ReadString("", "Written later", ""), "x");
  EXPECT_EQ(later.ReadString("", "Mine", ""), "y");
}

TEST_F(StoreTest, InvalidKeysAreRefusedBeforeAnythingIsWritten) {
  TRegIniFile store("");
  EXPECT_THROW(store.WriteString("", "Name", "x"), ERegistryException);
  EXPECT_THROW(store.EraseSection(""), ERegistryException);
  TRegIniFile root(kRoot);
  EXPECT_THROW(root.WriteString("Line\nbreak", "Name", "x"), ERegistryException);
  EXPECT_FALSE(fs::exists(path_));
}

TEST_F(StoreTest, OpeningWithoutAnInstalledRegistryFails) {
  host::SetRegistrySessionFactory(nullptr);
  const std::string message = ErrorOf([] { TRegIniFile store(kRoot); });
  EXPECT_NE(message.find(kRoot), std::string::npos) << message;
}
