// zolt wizard end to end, on a copy of the example's entry form and its SQLite database
// built from the example's SQL, with a settings folder of the test's own.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>

#include "run_zolt.h"
#include "temp_files.h"

namespace fs = std::filesystem;

namespace {

struct ZoltWizard : ::testing::Test {
  TempDir dir{"wizard"};
  std::string form = dir / "CustomerEntry.dfm";
  std::string original;

  ZoltWizard() {
    ::setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
    fs::path example = fs::path(ZOLT_SOURCE_DIR) / "examples/customers";
    for (const char* name : {"CustomerEntry.dfm", "CustomerEntry.pas"}) fs::copy_file(example / name, dir.path / name);
    sqlite3* db = nullptr;
    sqlite3_open((dir / "customers.db").c_str(), &db);
    EXPECT_EQ(sqlite3_exec(db, ReadText((example / "customers.sql").string()).c_str(), nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
    original = ReadText(form);
    // Prefixes for the edits, labels, check boxes and memos; none for combo boxes.
    fs::create_directories(dir.path / "config/zolt");
    WriteText(dir / "config/zolt/registry.reg",
              "Windows Registry Editor Version 5.00\r\n\r\n"
              "[HKEY_CURRENT_USER\\Software\\Borland\\Delphi\\Zol-t\\Prefix]\r\n"
              "\"TDBEdit\"=\"dbedt\"\r\n\"TLabel\"=\"lbl\"\r\n\"TDBCheckBox\"=\"dbchb\"\r\n\"TDBMemo\"=\"dbmmo\"\r\n");
  }

  ZoltRun Wizard(const std::string& options) { return RunZolt("wizard " + form + " dsrCustomer " + options); }
  // The value of `property` in the form's object `name`.
  static std::string ValueOf(const std::string& text, const std::string& name, const std::string& property) {
    std::size_t object = text.find(" " + name + ": ");
    if (object == std::string::npos) return "(no " + name + ")";
    std::size_t end_of_object = text.find("\n    end", object);
    std::size_t at = text.find("\n      " + property + " = ", object);
    if (at == std::string::npos || at > end_of_object) return "(none)";
    at += 7 + property.size() + 3;
    return text.substr(at, text.find_first_of("\r\n", at) - at);
  }
};

}  // namespace

TEST_F(ZoltWizard, FillsThePanelFromTheDatabaseAndKeepsTheUnitInStep) {
  ZoltRun run = Wizard("--width display --svg " + (dir / "panel.svg"));
  ASSERT_EQ(run.exitCode, 0) << run.out;
  EXPECT_NE(run.out.find("Created TDBEdit dbedtCustno\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Created TLabel lblCustNo \"Custno:\"\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Created TDBCheckBox dbchbTaxexempt \"TaxExempt:\"\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Created TDBMemo dbmmoNotes\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Form written to " + form + "\n"), std::string::npos);
  EXPECT_NE(run.out.find("Picture of pnlCustomer written to " + (dir / "panel.svg")), std::string::npos);
  std::string text = ReadText(form);
  EXPECT_EQ(ValueOf(text, "dbedtCompany", "DataField"), "'Company'");
  EXPECT_EQ(ValueOf(text, "dbedtCompany", "DataSource"), "dsrCustomer");
  // VARCHAR(30): display width 30, "0" 6 pixels wide.
  EXPECT_EQ(ValueOf(text, "dbedtCompany", "Width"), std::to_string(31 * 6 + 3));
  EXPECT_EQ(ValueOf(text, "lblCompany", "FocusControl"), "dbedtCompany");
  EXPECT_EQ(ValueOf(text, "lblCompany", "Left"), "8");
  EXPECT_EQ(ValueOf(text, "dbedtCustno", "Top"), "8");
  std::string unit = ReadText(dir / "CustomerEntry.pas");
  EXPECT_NE(unit.find("dbedtCompany: TDBEdit;"), std::string::npos);
  EXPECT_NE(unit.find("lblCompany: TLabel;"), std::string::npos);
  EXPECT_NE(ReadText(dir / "panel.svg").find("<svg"), std::string::npos);
}

TEST_F(ZoltWizard, ChosenFieldsInTheirOrderWithTheirClassesAndSettings) {
  ZoltRun run = Wizard("--fields City,Company,TaxExempt --control City=TDBComboBox --control TaxExempt=TDBEdit "
                       "--append ' =' --decapitalize on --labels on --label-class TLabel -o " + (dir / "out.dfm"));
  ASSERT_EQ(run.exitCode, 0) << run.out;
  EXPECT_EQ(ReadText(form), original);  // -o: the form itself is untouched
  std::string text = ReadText(dir / "out.dfm");
  EXPECT_EQ(ValueOf(text, "lblCity", "Caption"), "'City ='");
  EXPECT_EQ(ValueOf(text, "City", "DataField"), "'City'");
  EXPECT_EQ(ValueOf(text, "dbedtTaxexempt", "DataField"), "'TaxExempt'");
  EXPECT_EQ(text.find("Phone"), std::string::npos);  // not chosen
  // In the chosen order: City first, TaxExempt last.
  std::size_t city = run.out.find("City"), company = run.out.find("dbedtCompany"),
              tax = run.out.find("dbedtTaxexempt");
  EXPECT_LT(city, company);
  EXPECT_LT(company, tax);
  EXPECT_EQ(ValueOf(text, "City", "Top"), "8");
}

TEST_F(ZoltWizard, SavedSettingsAndAssociationsAreUsedNextTime) {
  ZoltRun run = Wizard("--assoc ftString=TDBMemo --save-assoc --append '' --save-settings --fields Company "
                       "-o " + (dir / "out.dfm"));
  ASSERT_EQ(run.exitCode, 0) << run.out;
  // Saved, but the field list took the association only with --refresh.
  EXPECT_NE(run.out.find("Created TDBEdit dbedtCompany"), std::string::npos) << run.out;
  run = Wizard("--fields Company,City -o " + (dir / "out.dfm"));
  ASSERT_EQ(run.exitCode, 0) << run.out;
  EXPECT_NE(run.out.find("Created TDBMemo dbmmoCompany"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Created TLabel lblCompany \"Company\""), std::string::npos) << run.out;
  std::string store = ReadText(dir / "config/zolt/registry.reg");
  EXPECT_NE(store.find("\"ftString\"=\"TDBMemo\""), std::string::npos);
  EXPECT_NE(store.find("\"Custom button controls\"=\"TCheckBox,TRadiobutton,TDBCheckBox\""), std::string::npos);
}

TEST_F(ZoltWizard, AFailedCheckOrABadDatabaseWritesNothing) {
  ZoltRun run = Wizard("--label-class TEdit");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "TEdit is not a TCustomLabel descendant\n");
  EXPECT_EQ(ReadText(form), original);

  run = Wizard("--control Company=TEdit");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "TEdit has no DataSource property\n");

  run = Wizard("--fields Company,Nothing");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "Field Nothing not found in the data set of dsrCustomer\n");

  run = Wizard("--container tblCustomer");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "tblCustomer is not a container of the form\n");

  fs::remove(dir.path / "customers.db");
  run = Wizard("");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.out.find("customers.db' not found"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find('\n'), run.out.size() - 1);  // one line
  WriteText(dir / "customers.db", "not a database at all, but long enough to be looked at by the library");
  run = Wizard("");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.out.find("customers.db"), std::string::npos) << run.out;
  EXPECT_EQ(ReadText(form), original);
  EXPECT_FALSE(fs::exists(dir.path / "out.dfm"));
}

TEST_F(ZoltWizard, HelpNamesEveryOption) {
  ZoltRun run = RunZolt("wizard --help");
  EXPECT_EQ(run.exitCode, 0);
  for (const char* option : {"--container", "--fields", "--control", "--width", "--labels", "--label-class",
                             "--append", "--decapitalize", "--label-custom-buttons", "--custom-buttons", "--assoc",
                             "--refresh", "--save-settings", "--save-assoc", "-o", "--svg", "--yes", "--no"})
    EXPECT_NE(run.out.find(option), std::string::npos) << option;
}

// The example's table reached through a TDatabase of the form: by a PATH folder, by an alias
// of the settings store, and failing for a missing alias and a locked file.
struct ZoltWizardDatabase : ZoltWizard {
  std::string data = dir / "data";
  ZoltWizardDatabase() {
    fs::create_directories(data);
    fs::rename(dir / "customers.db", data + "/customers.db");
  }
  // The form with its table on the database "Shop" that `database` (its properties) defines.
  void UseDatabase(const std::string& database) {
    std::string text = original;
    std::size_t at = text.find("DatabaseName = 'customers.db'");
    text.replace(at, std::string("DatabaseName = 'customers.db'").size(), "DatabaseName = 'Shop'");
    at = text.find("  object dsrCustomer");
    text.insert(at, "  object dbShop: TDatabase\n    DatabaseName = 'Shop'\n" + database +
                        "    SessionName = 'Default'\n    Left = 80\n    Top = 264\n  end\n");
    original = text;
    WriteText(form, text);
  }
};

TEST_F(ZoltWizardDatabase, ReadsTheTableFromThePathFolder) {
  UseDatabase("    DriverName = 'STANDARD'\n    LoginPrompt = False\n    Params.Strings = (\n      'PATH=data')\n");
  ZoltRun run = Wizard("--fields Company,City --width display");
  ASSERT_EQ(run.exitCode, 0) << run.out;
  EXPECT_NE(run.out.find("Created TDBEdit dbedtCompany\n"), std::string::npos) << run.out;
  std::string text = ReadText(form);
  EXPECT_EQ(ValueOf(text, "dbedtCompany", "Width"), std::to_string(31 * 6 + 3)) << "VARCHAR(30) read from the file";
  // The database stays as it was written, connected now as the open table needs it.
  std::size_t database = text.find("  object dbShop: TDatabase\n");
  ASSERT_NE(database, std::string::npos);
  EXPECT_EQ(text.substr(database, text.find("  end\n", database) - database),
            "  object dbShop: TDatabase\n    Connected = True\n    DatabaseName = 'Shop'\n"
            "    DriverName = 'STANDARD'\n    LoginPrompt = False\n    Params.Strings = (\n      'PATH=data')\n"
            "    SessionName = 'Default'\n    Left = 80\n    Top = 264\n");
}

TEST_F(ZoltWizardDatabase, ReadsTheTableThroughAnAliasOrNamesTheMissingOne) {
  UseDatabase("    AliasName = 'CUSTDATA'\n");
  ZoltRun run = Wizard("--fields Company");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "tblCustomer: Alias 'CUSTDATA' not found\n");
  EXPECT_EQ(ReadText(form), original);

  WriteText(dir / "config/zolt/registry.reg",
            ReadText(dir / "config/zolt/registry.reg") +
                "\r\n[HKEY_CURRENT_USER\\Software\\Borland\\Delphi\\Zol-t\\Aliases\\CustData]\r\n\"PATH\"=\"" + data +
                "/customers.db\"\r\n");
  run = Wizard("--fields Company -o " + (dir / "out.dfm"));
  ASSERT_EQ(run.exitCode, 0) << run.out;
  EXPECT_NE(run.out.find("Created TDBEdit dbedtCompany\n"), std::string::npos) << run.out;
}

TEST_F(ZoltWizardDatabase, ALockedDatabaseWritesNothing) {
  UseDatabase("    Params.Strings = (\n      'PATH=data')\n");
  sqlite3* writer = nullptr;
  ASSERT_EQ(sqlite3_open((data + "/customers.db").c_str(), &writer), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(writer, "BEGIN EXCLUSIVE; DELETE FROM customer;", nullptr, nullptr, nullptr), SQLITE_OK);
  ZoltRun run = Wizard("--svg " + (dir / "panel.svg"));
  sqlite3_exec(writer, "ROLLBACK;", nullptr, nullptr, nullptr);
  sqlite3_close(writer);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "tblCustomer: Cannot read table 'customer' from database '" + data +
                         "/customers.db': database is locked\n");
  EXPECT_EQ(ReadText(form), original);
  EXPECT_FALSE(fs::exists(dir / "panel.svg"));
}
