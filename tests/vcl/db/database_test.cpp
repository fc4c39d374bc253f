// Databases: TDatabase with aliases and "PATH=" parameters, the engines behind data sets by
// driver name, table files in a folder, and a database that another connection keeps locked.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "db_fixture.h"
#include "vcl/db/db_engine.h"
#include "vcl/db/dbtables.h"
#include "vcl/streaming/form_file.h"
#include "vcl/typinfo.h"

using namespace vcl;
using namespace dbtest;

namespace {

class Databases : public ::testing::Test {
protected:
  Databases() {
    SetDatabaseFolder(folder.File(""));
    fs::create_directories(folder.File("data"));
    Execute(folder.File("data/customers.db"), "CREATE TABLE customers (id INTEGER, name VARCHAR(20));");
    Execute(folder.File("data/ORDERS.DB"), "CREATE TABLE orders (no INTEGER, total MONEY, paid BOOLEAN);");
    database = new TDatabase(&form);
    database->SetName("dbMain");
    database->SetDatabaseName("Main");
    table = new TTable(&form);
    table->SetName("tblCustomers");
    table->SetDatabaseName("MAIN");
    table->SetTableName("customers");
  }
  ~Databases() override {
    SetDatabaseFolder("");
    SetAliasLookup(nullptr);
  }
  V Fields() {
    V names;
    for (int i = 0; i < table->FieldCount(); ++i) names.push_back(table->Fields()->Fields(i)->FieldName());
    return names;
  }

  TempFolder folder;
  TComponent form{nullptr};
  TDatabase* database;
  TTable* table;
};

TEST(Database, PublishesTheHostsPropertiesWithItsDefaults) {
  TDatabase database(nullptr);
  EXPECT_TRUE(database.KeepConnection());
  EXPECT_TRUE(database.LoginPrompt());
  EXPECT_FALSE(database.Connected());
  EXPECT_EQ(database.TransIsolation(), tiReadCommitted);
  for (const char* name : {"AliasName", "Connected", "DatabaseName", "DriverName", "HandleShared",
                           "KeepConnection", "LoginPrompt", "Params", "ReadOnly", "SessionName",
                           "TransIsolation", "OnLogin"})
    EXPECT_NE(GetPropInfo(&database, name), nullptr) << name;
  EXPECT_EQ(GetEnumProp(&database, GetPropInfo(&database, "TransIsolation")), "tiReadCommitted");
  EXPECT_EQ(FindClass("TDatabase"), TDatabase::ClassInfo());

  database.SetDriverName("STANDARD");
  database.SetAliasName("DBDEMOS");
  EXPECT_EQ(database.DriverName(), "") << "an alias and a driver exclude each other";
  database.SetDriverName("SQLITE");
  EXPECT_EQ(database.AliasName(), "");
}

TEST(Database, ACorpusFormLoadsItAsADatabaseAndWritesItBackUnchanged) {
  fs::path file = fs::path(ZOLT_SHARED_DIR) / "corpus/forms" /
                  "project-jedi__jvcl__tests__restructured__examples__RALib__RaDBMove__fJvDBMove.dfm";
  if (!fs::exists(file)) GTEST_SKIP() << "form corpus not found at " << file.parent_path();
  std::string bytes = Contents(file.string());
  auto form = TFormFile::Read(bytes, file.string());
  auto* database = Cast<TDatabase>(form->Root()->FindComponent("DestinationDatabase"));
  ASSERT_NE(database, nullptr) << "a real component, not a placeholder";
  EXPECT_EQ(database->DatabaseName(), "DestBase");
  EXPECT_EQ(database->DriverName(), "STANDARD");
  EXPECT_EQ(database->Params()->Values("PATH"), "C:\\Temp");
  EXPECT_EQ(database->TransIsolation(), tiDirtyRead);
  EXPECT_TRUE(database->Connected());
  EXPECT_TRUE(form->Write() == bytes);
}

TEST_F(Databases, PathNamesAFolderOfTableFiles) {
  database->Params()->Add("PATH=data");
  table->Open();
  EXPECT_EQ(Fields(), (V{"id", "name"}));
  EXPECT_TRUE(database->Connected()) << "the data set connects its database";
  EXPECT_EQ(table->Database(), database);

  // The host's table names carry the extension and another letter case.
  auto* orders = new TTable(&form);
  orders->SetDatabaseName("Main");
  orders->SetTableName("orders.db");
  orders->Open();
  EXPECT_EQ(orders->FieldCount(), 3);
  EXPECT_EQ(orders->FieldByName("total")->DataType(), ftCurrency);

  database->Close();
  EXPECT_FALSE(table->Active()) << "disconnecting closes its data sets";
  EXPECT_FALSE(orders->Active());
}

TEST_F(Databases, PathNamesAFileOrAFolderWithOneDatabase) {
  database->Params()->Add("PATH=" + folder.File("data/customers.db"));
  table->Open();
  EXPECT_EQ(Fields(), (V{"id", "name"}));
  table->Close();
  database->Close();

  fs::create_directories(folder.File("one"));
  Execute(folder.File("one/shop.sqlite"), "CREATE TABLE customers (code CHAR(4));");
  database->Params()->SetText("PATH=one\n");
  table->Open();
  EXPECT_EQ(Fields(), (V{"code"})) << "the folder's only database file";
  table->Close();

  table->SetTableName("missing");
  std::string message = DatabaseErrorOf([&] { table->Open(); });
  EXPECT_NE(message.find("table 'missing'"), std::string::npos) << message;
  EXPECT_NE(message.find(folder.File("one/shop.sqlite")), std::string::npos) << message;

  database->Close();
  database->Params()->SetText("PATH=data\n");
  message = DatabaseErrorOf([&] { table->Open(); });
  EXPECT_EQ(message, "tblCustomers: Cannot read table 'missing' from folder '" + folder.File("data") +
                         "': it holds 2 database files and none is named for it");
  database->Close();
  database->Params()->SetText("PATH=nowhere\n");
  table->SetTableName("customers");
  message = DatabaseErrorOf([&] { table->Open(); });
  EXPECT_EQ(message, "tblCustomers: Database '" + folder.File("nowhere") + "' not found");
  database->Close();
  database->Params()->Clear();
  EXPECT_EQ(DatabaseErrorOf([&] { table->Open(); }),
            "tblCustomers: No PATH parameter names the database's file or folder");
  EXPECT_EQ(table->FieldCount(), 0);
}

TEST_F(Databases, AliasesGiveTheDriverAndParametersThatTheDatabaseOverrides) {
  std::vector<std::string> asked;
  SetAliasLookup([&](const std::string& name) -> std::optional<TDatabaseAlias> {
    asked.push_back(name);
    if (!SameText(name, "Shop")) return std::nullopt;
    return TDatabaseAlias{"SQLITE", {"PATH=" + folder.File("nowhere"), "ENABLE BCD=FALSE"}};
  });
  database->SetAliasName("DBDEMOS");
  EXPECT_EQ(DatabaseErrorOf([&] { table->Open(); }), "tblCustomers: Alias 'DBDEMOS' not found");
  EXPECT_FALSE(database->Connected());
  EXPECT_EQ(DatabaseErrorOf([&] { database->Open(); }), "dbMain: Alias 'DBDEMOS' not found");

  database->SetAliasName("shop");
  std::string message = DatabaseErrorOf([&] { table->Open(); });
  EXPECT_NE(message.find(folder.File("nowhere")), std::string::npos) << "the alias's PATH: " << message;
  database->Close();
  database->Params()->Add("PATH=data");
  table->Open();
  EXPECT_EQ(Fields(), (V{"id", "name"})) << "the database's PATH overrides the alias's";
  EXPECT_THROW(database->SetDatabaseName("Other"), EDatabaseError) << "only while disconnected";

  // Without a database of that name in the form, the data set's DatabaseName may be an alias.
  SetAliasLookup([&](const std::string& name) -> std::optional<TDatabaseAlias> {
    if (name != "Orders") return std::nullopt;
    return TDatabaseAlias{"", {"PATH=data/ORDERS.DB"}};
  });
  auto* orders = new TTable(&form);
  orders->SetDatabaseName("Orders");
  orders->SetTableName("orders");
  orders->Open();
  EXPECT_EQ(orders->FieldCount(), 3);
  EXPECT_EQ(orders->Database(), nullptr);
}

// An engine that describes every table as one integer column named after the table, and
// records where it was asked to look.
struct TRecordingEngine : TDatabaseEngine {
  mutable std::vector<std::string> calls;
  std::vector<TColumnDescription> TableColumns(const TDatabaseLocation& location,
                                               const std::string& tableName) const override {
    calls.push_back(location.DriverName + " " + location.Path + " " + tableName + " " +
                    std::to_string(location.Params.size()));
    return {{tableName + "_id", {ftInteger}, true}};
  }
  std::vector<TColumnDescription> QueryColumns(const TDatabaseLocation&, const std::string& sql) const override {
    calls.push_back(sql);
    return {{"n", {ftLargeint}, false}};
  }
};

TEST_F(Databases, TheDriverChoosesTheEngine) {
  auto engine = std::make_shared<TRecordingEngine>();
  RegisterDatabaseEngine("Recording", engine);
  database->SetDriverName("RECORDING");
  database->Params()->SetText("SERVER NAME=db.example\nPATH=\n");
  table->Open();
  EXPECT_EQ(Fields(), (V{"customers_id"}));
  EXPECT_TRUE(table->FieldByName("customers_id")->Required());
  EXPECT_EQ(engine->calls, (V{"RECORDING  customers 2"})) << "an empty PATH is none";

  auto* query = new TQuery(&form);
  query->SetDatabaseName("Main");
  query->SQL()->Add("SELECT count(*) AS n FROM t");
  query->Open();
  EXPECT_EQ(query->FieldByName("n")->ClassName(), "TLargeintField");
  EXPECT_EQ(engine->calls.back(), "SELECT count(*) AS n FROM t\r\n") << "the text of the SQL lines";

  table->Close();
  database->Close();
  database->SetDriverName("ORACLE");
  EXPECT_EQ(DatabaseErrorOf([&] { table->Open(); }), "tblCustomers: Driver 'ORACLE' is not installed");
  RegisterDatabaseEngine("Recording", nullptr);
  database->Close();
  database->SetDriverName("Recording");
  EXPECT_EQ(DatabaseErrorOf([&] { table->Open(); }), "tblCustomers: Driver 'Recording' is not installed");
}

TEST_F(Databases, AConnectedDatabaseReadFromAFormConnectsWhenLoaded) {
  database->Loading();
  database->SetConnected(true);
  EXPECT_FALSE(database->Connected());
  database->Loaded();
  EXPECT_TRUE(database->Connected());

  auto* broken = new TDatabase(&form);
  broken->SetAliasName("Gone");
  broken->SetDesigning(true);
  broken->Loading();
  broken->SetConnected(true);
  EXPECT_NO_THROW(broken->Loaded()) << "a designed form still loads";
  EXPECT_FALSE(broken->Connected());
}

TEST_F(Databases, FreeingTheDatabaseClosesItsDataSets) {
  database->Params()->Add("PATH=data");
  table->Open();
  database->Free();
  EXPECT_FALSE(table->Active());
  EXPECT_EQ(table->Database(), nullptr);
}

TEST_F(Databases, ALockedDatabaseIsOneErrorNamingFileAndTable) {
  std::string path = folder.File("data/customers.db");
  sqlite3* writer = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &writer), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(writer, "BEGIN EXCLUSIVE; INSERT INTO customers VALUES (1, 'held');", nullptr, nullptr,
                         nullptr),
            SQLITE_OK);
  std::string bytes = Contents(path);
  database->Params()->Add("PATH=data");
  std::string message = DatabaseErrorOf([&] { table->Open(); });
  sqlite3_exec(writer, "ROLLBACK;", nullptr, nullptr, nullptr);
  sqlite3_close(writer);
  EXPECT_EQ(message, "tblCustomers: Cannot read table 'customers' from database '" + path + "': database is locked");
  EXPECT_EQ(message.find('\n'), std::string::npos);
  EXPECT_FALSE(table->Active());
  EXPECT_EQ(Contents(path), bytes) << "nothing written";
}

}  // namespace
