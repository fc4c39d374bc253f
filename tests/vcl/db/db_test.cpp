// Fields, data sets and data sources; tables and queries read from real SQLite files.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "db_fixture.h"
#include "vcl/db/db.h"
#include "vcl/db/dbtables.h"
#include "vcl/db/sqlite_columns.h"
#include "vcl/typinfo.h"

using namespace vcl;
using namespace dbtest;

namespace {

const char* kSchema = R"(
  BEGIN;
  CREATE TABLE everything (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    name VARCHAR(30) NOT NULL,
    code CHAR(4),
    title NVARCHAR(40),
    small SMALLINT,
    count INTEGER,
    big BIGINT,
    flag BOOLEAN,
    ratio REAL,
    amount NUMERIC(10,2),
    price MONEY,
    born DATE,
    alarm TIME,
    stamp DATETIME,
    data BLOB,
    notes TEXT,
    photo GRAPHIC,
    raw BYTES(8),
    varraw VARBINARY(12),
    huge VARCHAR(10000)
  );
  CREATE TABLE tags (id INTEGER PRIMARY KEY, everything_id INTEGER, label VARCHAR(10));
  INSERT INTO everything (name, count) VALUES ('first', 1), ('second', 2);
  INSERT INTO tags (everything_id, label) VALUES (1, 'red'), (1, 'blue'), (2, 'green');
  COMMIT;
)";

struct ExpectedField {
  const char* name;
  const char* className;
  TFieldType type;
  int size;
  int displayWidth;
};

V FieldNames(const TDataSet& dataSet) {
  V names;
  for (int i = 0; i < dataSet.FieldCount(); ++i) names.push_back(dataSet.Fields()->Fields(i)->FieldName());
  return names;
}

TField* NewField(TClass cls, TComponent* owner, TDataSet* dataSet, const std::string& fieldName) {
  auto* field = As<TField>(cls->Create(owner));
  field->SetFieldName(fieldName);
  field->SetDataSet(dataSet);
  return field;
}

}  // namespace

// ---- field types and classes

TEST(FieldTypes, ThirtyIdentifiersInTheHostsOrder) {
  const TTypeInfo* type = TypeInfoFieldType();
  EXPECT_EQ(type->Kind, TTypeKind::tkEnumeration);
  EXPECT_EQ(type->EnumNames,
            (V{"ftUnknown", "ftString", "ftSmallint", "ftInteger", "ftWord", "ftBoolean", "ftFloat", "ftCurrency",
               "ftBCD", "ftDate", "ftTime", "ftDateTime", "ftBytes", "ftVarBytes", "ftAutoInc", "ftBlob", "ftMemo",
               "ftGraphic", "ftFmtMemo", "ftParadoxOle", "ftDBaseOle", "ftTypedBinary", "ftCursor", "ftFixedChar",
               "ftWideString", "ftLargeint", "ftADT", "ftArray", "ftReference", "ftDataSet"}));
  EXPECT_EQ(type->EnumValue("ftblob"), ftBlob);
}

TEST(FieldTypes, EachTypeHasItsFieldClass) {
  const auto& classes = DefaultFieldClasses();
  EXPECT_EQ(classes[ftUnknown], nullptr);
  EXPECT_EQ(classes[ftCursor], nullptr);
  TComponent owner(nullptr);
  for (int t = 0; t < FieldTypeCount; ++t) {
    if (!classes[t]) continue;
    auto* field = As<TField>(classes[t]->Create(&owner));
    field->SetFieldType(static_cast<TFieldType>(t));
    EXPECT_EQ(field->DataType(), t) << field->ClassName() << " for " << TypeInfoFieldType()->EnumName(t);
  }
  EXPECT_EQ(classes[ftFixedChar], TStringField::ClassInfo());
  EXPECT_EQ(classes[ftTypedBinary], TBlobField::ClassInfo());
  EXPECT_EQ(classes[ftReference], TReferenceField::ClassInfo());
  EXPECT_EQ(FindClass("TLargeintField"), TLargeintField::ClassInfo());
}

TEST(Fields, DisplayWidthDefaultsPerClassAndIsStoredOnlyWhenSet) {
  struct Case {
    const char* className;
    int width;
  };
  TComponent owner(nullptr);
  for (Case c : {Case{"TStringField", 20}, Case{"TWideStringField", 20}, Case{"TIntegerField", 10},
                 Case{"TSmallintField", 10}, Case{"TWordField", 10}, Case{"TAutoIncField", 10},
                 Case{"TLargeintField", 15}, Case{"TBooleanField", 5}, Case{"TFloatField", 10},
                 Case{"TCurrencyField", 10}, Case{"TBCDField", 10}, Case{"TDateField", 10}, Case{"TTimeField", 10},
                 Case{"TDateTimeField", 18}, Case{"TBytesField", 10}, Case{"TBlobField", 10},
                 Case{"TMemoField", 10}, Case{"TGraphicField", 10}, Case{"TADTField", 10}}) {
    auto* field = As<TField>(FindClass(c.className)->Create(&owner));
    EXPECT_EQ(field->DisplayWidth(), c.width) << c.className;
    EXPECT_FALSE(GetPropInfo(field, "DisplayWidth")->IsStoredOn(field)) << c.className;
  }

  TStringField name(&owner);
  name.SetSize(35);
  EXPECT_EQ(name.DisplayWidth(), 35) << "a string field shows its size";
  name.SetDisplayWidth(12);
  EXPECT_EQ(name.DisplayWidth(), 12);
  EXPECT_TRUE(GetPropInfo(&name, "DisplayWidth")->IsStoredOn(&name));

  TBCDField amount(&owner);
  amount.SetPrecision(8);
  EXPECT_EQ(amount.DisplayWidth(), 9) << "precision plus one";
  EXPECT_THROW(amount.SetPrecision(33), EDatabaseError);
}

TEST(Fields, DisplayNameIsTheLabelOrTheFieldName) {
  TComponent owner(nullptr);
  TStringField field(&owner);
  field.SetFieldName("CustNo");
  EXPECT_EQ(field.DisplayName(), "CustNo");
  EXPECT_EQ(field.DisplayLabel(), "CustNo");
  PPropInfo label = GetPropInfo(&field, "DisplayLabel");
  EXPECT_FALSE(label->IsStoredOn(&field));
  field.SetDisplayLabel("Customer Number");
  EXPECT_EQ(field.DisplayName(), "Customer Number");
  EXPECT_TRUE(label->IsStoredOn(&field));
  field.SetDisplayLabel("CustNo");
  EXPECT_FALSE(label->IsStoredOn(&field)) << "the field name itself clears the label";
}

TEST(Fields, SizesAreCheckedPerClass) {
  TComponent owner(nullptr);
  TStringField text(&owner);
  EXPECT_EQ(text.Size(), 20);
  EXPECT_THROW(text.SetSize(8193), EDatabaseError);
  TIntegerField number(&owner);
  EXPECT_THROW(number.SetSize(4), EDatabaseError);
  EXPECT_EQ(number.Alignment(), taRightJustify);
  EXPECT_EQ(GetPropInfo(&number, "Alignment")->Default, taRightJustify);
  TFloatField real(&owner);
  real.SetPrecision(40);
  EXPECT_EQ(real.Precision(), 15);
}

TEST(Fields, PublishTheHostsProperties) {
  V names;
  for (PPropInfo p : TStringField::ClassInfo()->Properties()) names.push_back(p->Name);
  EXPECT_EQ(names, (V{"Name", "Tag", "Alignment", "CustomConstraint", "ConstraintErrorMessage", "DefaultExpression",
                      "DisplayLabel", "DisplayWidth", "FieldKind", "FieldName", "HasConstraints", "Index",
                      "ImportedConstraint", "LookupDataSet", "LookupKeyFields", "LookupResultField", "KeyFields",
                      "LookupCache", "Origin", "ReadOnly", "Required", "Visible", "OnChange", "OnGetText",
                      "OnSetText", "OnValidate", "EditMask", "FixedChar", "Size", "Transliterate"}));
  EXPECT_EQ(GetPropInfo(TStringField::ClassInfo(), "Size")->Default, 20);
  EXPECT_EQ(GetPropInfo(TBCDField::ClassInfo(), "Size")->Default, 4);
  EXPECT_EQ(GetPropInfo(TBlobField::ClassInfo(), "BlobType")->PropType->EnumName(ftMemo), "ftMemo");
  EXPECT_EQ(GetPropInfo(TField::ClassInfo(), "DataSet"), nullptr) << "set by the data set that holds the field";
}

// ---- persistent fields in a data set

class PersistentFields : public ::testing::Test {
protected:
  PersistentFields() {
    table = new TTable(&form);
    table->SetName("Table1");
    table->SetDatabaseName(folder.File("absent.db"));
    table->SetTableName("customer");
    custNo = NewField(TIntegerField::ClassInfo(), &form, table, "CustNo");
    company = NewField(TStringField::ClassInfo(), &form, table, "Company");
    source = new TDataSource(&form);
    source->SetDataSet(table);
  }
  TempFolder folder;
  TComponent form{nullptr};
  TTable* table;
  TField* custNo;
  TField* company;
  TDataSource* source;
};

TEST_F(PersistentFields, JoinTheirDataSetInOrder) {
  EXPECT_EQ(FieldNames(*table), (V{"CustNo", "Company"}));
  EXPECT_EQ(custNo->Owner(), &form);
  EXPECT_EQ(custNo->DataSet(), table);
  EXPECT_EQ(company->Index(), 1);
  company->SetIndex(0);
  EXPECT_EQ(FieldNames(*table), (V{"Company", "CustNo"}));
  company->SetIndex(9);
  EXPECT_EQ(FieldNames(*table), (V{"CustNo", "Company"}));
  EXPECT_EQ(table->FieldByName("COMPANY"), company);
  EXPECT_EQ(table->FindField("nothing"), nullptr);
  EXPECT_EQ(DatabaseErrorOf([&] { table->FieldByName("Addr"); }), "Table1: Field 'Addr' not found");
  EXPECT_EQ(DatabaseErrorOf([&] { NewField(TStringField::ClassInfo(), &form, table, "custno"); }),
            "Table1: Duplicate field name 'custno'");
  EXPECT_THROW(table->Fields()->Fields(5), EListError);
}

TEST_F(PersistentFields, LookUpsFollowRenamesMovesAndDepartures) {
  EXPECT_EQ(table->FindField("company"), company);
  company->SetFieldName("Name");
  EXPECT_EQ(table->FindField("company"), nullptr);
  EXPECT_EQ(table->FindField("NAME"), company);
  custNo->SetFieldName("Name");  // two of a name: the first in the list is found
  EXPECT_EQ(table->FindField("name"), custNo);
  company->SetIndex(0);
  EXPECT_EQ(table->FindField("name"), company);
  company->Free();
  EXPECT_EQ(table->FindField("name"), custNo);
  custNo->SetFieldName("");
  EXPECT_EQ(table->FindField("name"), nullptr);
  EXPECT_EQ(table->FindField(""), nullptr);
  TField* later = NewField(TStringField::ClassInfo(), &form, table, "Later");
  EXPECT_EQ(table->FindField("LATER"), later);
}

TEST_F(PersistentFields, FormFilesNestFieldsInsideTheirDataSet) {
  TComponent elsewhere(nullptr);
  NewField(TStringField::ClassInfo(), &elsewhere, table, "City");
  auto* read = As<TField>(TFloatField::ClassInfo()->Create(&form));
  read->SetParentComponent(table);  // as a form reader does, before the properties
  read->SetFieldName("Balance");
  EXPECT_EQ(read->DataSet(), table);
  EXPECT_EQ(read->GetParentComponent(), table);
  EXPECT_TRUE(read->HasParent());

  std::vector<TComponent*> children;
  table->GetChildren([&](TComponent* c) { children.push_back(c); }, &form);
  EXPECT_EQ(children, (std::vector<TComponent*>{custNo, company, read})) << "the form's own fields, in order";
}

TEST_F(PersistentFields, OpenWithoutReadingTheDatabase) {
  table->Open();
  EXPECT_TRUE(table->Active());
  EXPECT_FALSE(table->DefaultFields());
  EXPECT_EQ(FieldNames(*table), (V{"CustNo", "Company"}));
  EXPECT_EQ(folder.Entries(), V{}) << "nothing created";

  const std::string open = "Table1: Cannot perform this operation on an open dataset";
  EXPECT_EQ(DatabaseErrorOf([&] { NewField(TStringField::ClassInfo(), &form, table, "City"); }), open);
  EXPECT_EQ(DatabaseErrorOf([&] { table->SetTableName("orders"); }), open);
  EXPECT_EQ(DatabaseErrorOf([&] { company->SetSize(40); }), open);
  EXPECT_EQ(table->FieldCount(), 2);

  table->Close();
  EXPECT_EQ(FieldNames(*table), (V{"CustNo", "Company"})) << "persistent fields stay";
}

TEST_F(PersistentFields, AFreedFieldLeavesAndClosesItsDataSet) {
  table->Open();
  custNo->Free();
  EXPECT_FALSE(table->Active());
  EXPECT_EQ(FieldNames(*table), (V{"Company"}));
}

TEST_F(PersistentFields, AFreedDataSetFreesItsFieldsAndClearsItsSources) {
  int before = form.ComponentCount();
  table->Free();
  EXPECT_EQ(source->DataSet(), nullptr);
  EXPECT_EQ(source->State(), dsInactive);
  EXPECT_EQ(form.ComponentCount(), before - 3);
  EXPECT_EQ(form.FindComponent("Table1"), nullptr);
}

TEST_F(PersistentFields, DataSourceFollowsTheState) {
  std::vector<std::string> events;
  source->OnStateChange = [&](TObject*) { events.push_back("state " + std::to_string(source->State())); };
  source->OnDataChange = [&](TObject*, TField* field) {
    EXPECT_EQ(field, nullptr);
    events.push_back("data");
  };
  table->Open();
  table->Close();
  source->SetEnabled(false);
  table->Open();
  EXPECT_EQ(source->State(), dsInactive) << "a disabled source stays inactive";
  source->SetEnabled(true);
  EXPECT_EQ(events, (V{"state 1", "data", "state 0", "state 1", "data"}));
  EXPECT_TRUE(source->AutoEdit());

  PPropInfo dataSet = GetPropInfo(source, "DataSet");
  ASSERT_NE(dataSet, nullptr);
  EXPECT_TRUE(dataSet->IsComponentReference());
  EXPECT_EQ(GetObjectProp(source, dataSet), table);
}

// ---- tables and queries on SQLite files

class SqliteData : public ::testing::Test {
protected:
  SqliteData() : path(folder.File("data.db")) {
    Execute(path, kSchema);
    table = new TTable(&form);
    table->SetName("Table1");
    table->SetDatabaseName(path);
    table->SetTableName("everything");
  }
  TempFolder folder;
  std::string path;
  TComponent form{nullptr};
  TTable* table;
};

TEST_F(SqliteData, TableFieldsFollowTheDeclaredTypes) {
  table->Open();
  EXPECT_TRUE(table->DefaultFields());
  const ExpectedField expected[] = {
      {"id", "TAutoIncField", ftAutoInc, 0, 10},        {"name", "TStringField", ftString, 30, 30},
      {"code", "TStringField", ftFixedChar, 4, 4},      {"title", "TWideStringField", ftWideString, 40, 40},
      {"small", "TSmallintField", ftSmallint, 0, 10},   {"count", "TIntegerField", ftInteger, 0, 10},
      {"big", "TLargeintField", ftLargeint, 0, 15},     {"flag", "TBooleanField", ftBoolean, 0, 5},
      {"ratio", "TFloatField", ftFloat, 0, 10},         {"amount", "TBCDField", ftBCD, 2, 11},
      {"price", "TCurrencyField", ftCurrency, 0, 10},   {"born", "TDateField", ftDate, 0, 10},
      {"alarm", "TTimeField", ftTime, 0, 10},           {"stamp", "TDateTimeField", ftDateTime, 0, 18},
      {"data", "TBlobField", ftBlob, 0, 10},            {"notes", "TMemoField", ftMemo, 0, 10},
      {"photo", "TGraphicField", ftGraphic, 0, 10},     {"raw", "TBytesField", ftBytes, 8, 10},
      {"varraw", "TVarBytesField", ftVarBytes, 12, 10}, {"huge", "TMemoField", ftMemo, 0, 10},
  };
  ASSERT_EQ(table->FieldCount(), static_cast<int>(std::size(expected)));
  for (int i = 0; i < table->FieldCount(); ++i) {
    const ExpectedField& e = expected[i];
    TField* field = table->Fields()->Fields(i);
    EXPECT_EQ(field->FieldName(), e.name);
    EXPECT_EQ(field->ClassName(), e.className) << e.name;
    EXPECT_EQ(field->DataType(), e.type) << e.name;
    EXPECT_EQ(field->Size(), e.size) << e.name;
    EXPECT_EQ(field->DisplayWidth(), e.displayWidth) << e.name;
    EXPECT_EQ(field->Owner(), table) << "made by the data set";
    EXPECT_EQ(field->Name(), "");
  }
  EXPECT_EQ(As<TBCDField>(table->FieldByName("amount"))->Precision(), 10);
  EXPECT_TRUE(table->FieldByName("name")->Required()) << "NOT NULL";
  EXPECT_FALSE(table->FieldByName("id")->Required()) << "the key fills itself";
  EXPECT_FALSE(table->FieldByName("code")->Required());

  int owned = table->ComponentCount();
  EXPECT_EQ(owned, 20);
  table->Close();
  EXPECT_EQ(table->FieldCount(), 0) << "made fields go at Close";
  EXPECT_EQ(table->ComponentCount(), 0);
}

TEST_F(SqliteData, OpeningNeverWritesTheFile) {
  std::string bytes = Contents(path);
  V entries = folder.Entries();
  auto lastWrite = fs::last_write_time(path);
  table->Open();
  table->Close();
  auto* query = new TQuery(&form);
  query->SetDatabaseName(path);
  query->SQL()->Add("SELECT count(*) AS n FROM everything");
  query->Open();
  query->Free();
  EXPECT_EQ(Contents(path), bytes);
  EXPECT_EQ(folder.Entries(), entries) << "no journal or other file left behind";
  EXPECT_EQ(fs::last_write_time(path), lastWrite);
}

TEST_F(SqliteData, QueryFieldsComeFromItsResultColumns) {
  auto* query = new TQuery(&form);
  query->SetName("Query1");
  query->SetDatabaseName(path);
  query->SQL()->SetText(
      "SELECT e.id, t.id, t.label, count(*) AS n, 'tag ' || t.label AS tagged, 2.5 AS ratio, NULL AS blank\n"
      "FROM everything e JOIN tags t ON t.everything_id = e.id GROUP BY t.id");
  query->Open();
  EXPECT_EQ(FieldNames(*query), (V{"id", "id_1", "label", "n", "tagged", "ratio", "blank"}));
  EXPECT_EQ(query->FieldByName("id")->DataType(), ftAutoInc) << "taken from the table it comes from";
  EXPECT_EQ(query->FieldByName("id_1")->DataType(), ftInteger) << "a plain integer key";
  EXPECT_EQ(query->FieldByName("label")->Size(), 10);
  EXPECT_EQ(query->FieldByName("n")->ClassName(), "TIntegerField");
  EXPECT_EQ(query->FieldByName("tagged")->ClassName(), "TStringField");
  EXPECT_EQ(query->FieldByName("ratio")->ClassName(), "TFloatField");
  EXPECT_EQ(query->FieldByName("blank")->ClassName(), "TStringField");

  query->SQL()->Add("ORDER BY 1");
  EXPECT_FALSE(query->Active()) << "changing the SQL closes the query";
  EXPECT_EQ(query->FieldCount(), 0);

  query->SQL()->SetText("SELECT label FROM tags WHERE id = :Number");
  query->Open();
  EXPECT_EQ(FieldNames(*query), (V{"label"})) << "parameters need no values to describe the result";
}

TEST_F(SqliteData, ErrorsNameTheDatabaseAndTheTable) {
  table->SetTableName("nothere");
  std::string message = DatabaseErrorOf([&] { table->Open(); });
  EXPECT_NE(message.find("Table1: "), std::string::npos) << message;
  EXPECT_NE(message.find("table 'nothere'"), std::string::npos) << message;
  EXPECT_NE(message.find(path), std::string::npos) << message;
  EXPECT_NE(message.find("no such table"), std::string::npos) << message;
  EXPECT_FALSE(table->Active());
  EXPECT_EQ(table->FieldCount(), 0);

  std::string missing = folder.File("missing.db");
  table->SetDatabaseName(missing);
  EXPECT_EQ(DatabaseErrorOf([&] { table->Open(); }), "Table1: Database '" + missing + "' not found");
  EXPECT_FALSE(fs::exists(missing)) << "opening creates nothing";

  std::string text = folder.File("notes.txt");
  std::ofstream(text) << "these are not the tables you are looking for, not at all, no";
  table->SetDatabaseName(text);
  table->SetTableName("everything");
  message = DatabaseErrorOf([&] { table->Open(); });
  EXPECT_NE(message.find("not a database"), std::string::npos) << message;

  table->SetDatabaseName("");
  EXPECT_EQ(DatabaseErrorOf([&] { table->Open(); }), "Table1: Database name missing");
  table->SetDatabaseName(path);
  table->SetTableName("");
  EXPECT_EQ(DatabaseErrorOf([&] { table->Open(); }), "Table1: Missing TableName property");
}

TEST_F(SqliteData, QueriesMustReadWithoutWriting) {
  auto* query = new TQuery(&form);
  query->SetName("Query1");
  query->SetDatabaseName(path);
  EXPECT_EQ(DatabaseErrorOf([&] { query->Open(); }), "Query1: No SQL statement available");
  query->SQL()->SetText("DELETE FROM tags");
  std::string message = DatabaseErrorOf([&] { query->Open(); });
  EXPECT_NE(message.find("no result set"), std::string::npos) << message;
  query->SQL()->SetText("INSERT INTO tags (label) VALUES ('x') RETURNING id");
  message = DatabaseErrorOf([&] { query->Open(); });
  EXPECT_NE(message.find("change the database"), std::string::npos) << message;
  query->SQL()->SetText("SELEKT 1");
  message = DatabaseErrorOf([&] { query->Open(); });
  EXPECT_NE(message.find("syntax error"), std::string::npos) << message;
  EXPECT_FALSE(query->Active());
}

TEST_F(SqliteData, ActiveReadFromAFormOpensWhenLoaded) {
  table->Loading();
  table->SetActive(true);
  EXPECT_FALSE(table->Active()) << "waits until the form is read";
  table->Loaded();
  EXPECT_TRUE(table->Active());
  EXPECT_EQ(table->FieldCount(), 20);

  auto* broken = new TTable(&form);
  broken->SetDatabaseName(folder.File("gone.db"));
  broken->SetTableName("x");
  broken->Loading();
  broken->SetActive(true);
  EXPECT_THROW(broken->Loaded(), EDatabaseError);

  broken->SetDesigning(true);
  broken->Loading();
  broken->SetActive(true);
  EXPECT_NO_THROW(broken->Loaded()) << "a designed form still loads";
  EXPECT_FALSE(broken->Active());
}

TEST(SqliteColumns, DeclaredTypesMapToFieldTypes) {
  struct Case {
    const char* declared;
    TFieldType type;
    int size;
    int precision;
  };
  for (Case c : {Case{"VARCHAR(30)", ftString, 30, 0}, Case{"  varchar ( 12 ) ", ftString, 12, 0},
                 Case{"VARCHAR", ftString, 255, 0}, Case{"character varying(7)", ftString, 7, 0},
                 Case{"CHAR", ftFixedChar, 1, 0}, Case{"NCHAR(3)", ftWideString, 3, 0},
                 Case{"VARCHAR(8193)", ftMemo, 0, 0}, Case{"INT", ftInteger, 0, 0},
                 Case{"TINYINT", ftSmallint, 0, 0}, Case{"UNSIGNED  BIG INT", ftLargeint, 0, 0},
                 Case{"WORD", ftWord, 0, 0}, Case{"DOUBLE PRECISION", ftFloat, 0, 0},
                 Case{"DECIMAL(18,4)", ftBCD, 4, 18}, Case{"NUMERIC", ftBCD, 0, 0},
                 Case{"NUMERIC(40,2)", ftFloat, 0, 0}, Case{"timestamp", ftDateTime, 0, 0},
                 Case{"BINARY", ftBytes, 16, 0}, Case{"CLOB", ftMemo, 0, 0}, Case{"IMAGE", ftGraphic, 0, 0},
                 Case{"MEDIUMINTEGER", ftInteger, 0, 0}, Case{"VARYING NATIVE TEXT", ftMemo, 0, 0},
                 Case{"BLOBBY", ftBlob, 0, 0}, Case{"JSON", ftFloat, 0, 0}}) {
    TColumnType type = ColumnTypeOfDeclaration(c.declared);
    EXPECT_EQ(type.DataType, c.type) << c.declared;
    EXPECT_EQ(type.Size, c.size) << c.declared;
    EXPECT_EQ(type.Precision, c.precision) << c.declared;
  }
}
