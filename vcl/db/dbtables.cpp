#include "vcl/db/dbtables.h"

#include <filesystem>

#include "vcl/class_builder.h"
#include "vcl/db/dataset_events.h"

namespace vcl {

namespace {
std::string& Folder() {
  static std::string folder;
  return folder;
}

const TTypeInfo* TypeInfoTableType() {
  static auto t = MakeEnumType("TTableType", {"ttDefault", "ttParadox", "ttDBase", "ttASCII"});
  return t;
}
}  // namespace

const TTypeInfo* TypeInfoUpdateMode() {
  static auto t = MakeEnumType("TUpdateMode", {"upWhereAll", "upWhereChanged", "upWhereKeyOnly"});
  return t;
}

void SetDatabaseFolder(const std::string& folder) { Folder() = folder; }
const std::string& DatabaseFolder() { return Folder(); }

std::string DatabasePath(const std::string& databaseName) {
  std::filesystem::path path(databaseName);
  if (path.is_absolute() || Folder().empty()) return databaseName;
  return (std::filesystem::path(Folder()) / path).string();
}

// ---- TDBDataSet

TClass TDBDataSet::ClassInfo() {
  static TClass cls = [] {
    using D = TDBDataSet;
    TClassBuilder<D> b("TDBDataSet", TDataSet::ClassInfo());
    b.Bool("Active", &TDataSet::Active, &TDataSet::SetActive, false)
        .Bool("AutoCalcFields", &TDataSet::AutoCalcFields, &TDataSet::SetAutoCalcFields, true)
        .String("DatabaseName", &D::DatabaseName, &D::SetDatabaseName)
        .String("Filter", &TDataSet::Filter, &TDataSet::SetFilter)
        .Bool("Filtered", &TDataSet::Filtered, &TDataSet::SetFiltered, false)
        .Set("FilterOptions", TypeInfoFilterOptions(), &TDataSet::FilterOptions, &TDataSet::SetFilterOptions, 0)
        .String("SessionName", &D::SessionName, &D::SetSessionName);
    PublishDataSetEvents(b);
    b.Event("OnDeleteError", &D::OnDeleteError, "TDataSetErrorEvent")
        .Event("OnEditError", &D::OnEditError, "TDataSetErrorEvent")
        .Event("OnFilterRecord", &D::OnFilterRecord, "TFilterRecordEvent")
        .Event("OnNewRecord", &TDataSet::OnNewRecord, "TDataSetNotifyEvent")
        .Event("OnPostError", &D::OnPostError, "TDataSetErrorEvent");
    return b.Build();
  }();
  return cls;
}

TDBDataSet::TDBDataSet(TComponent* owner) : TDataSet(owner) {}

void TDBDataSet::SetDatabaseName(const std::string& value) {
  if (value == databaseName_) return;
  CheckInactive();
  databaseName_ = value;
}

TDatabase* TDBDataSet::Database() const {
  if (!Owner() || databaseName_.empty()) return nullptr;
  for (int i = 0; i < Owner()->ComponentCount(); ++i)
    if (auto* database = Cast<TDatabase>(Owner()->Components(i));
        database && SameText(database->DatabaseName(), databaseName_))
      return database;
  return nullptr;
}

TDatabaseLocation TDBDataSet::Location() const {
  if (TDatabase* database = Database()) {
    TDatabaseLocation location = database->Location();
    database->Open();
    return location;
  }
  if (std::optional<TDatabaseAlias> alias = FindAlias(databaseName_))
    return LocationOf(alias->DriverName, std::move(alias->Params));
  return {"", DatabasePath(databaseName_), {}};
}

void TDBDataSet::CreateFields() {
  if (databaseName_.empty()) DatabaseError("Database name missing", this);
  std::vector<TColumnDescription> columns;
  try {
    TDatabaseLocation location = Location();
    columns = ReadColumns(DatabaseEngine(location.DriverName), location);
  } catch (const EDatabaseError& e) {
    DatabaseError(e.Message(), this);
  }
  for (const TColumnDescription& column : columns) {
    auto* field = As<TField>(DefaultFieldClasses()[column.Type.DataType]->Create(this));
    // In the list at once, so that a failure below still frees it with the others.
    field->SetDataSet(this);
    // Result columns may share a name ("a.ID, b.ID"); later ones get a suffix.
    std::string name = column.Name;
    for (int n = 1; FindField(name); ++n) name = column.Name + "_" + std::to_string(n);
    field->SetFieldName(name);
    field->SetFieldType(column.Type.DataType);
    if (auto* bcd = Cast<TBCDField>(field)) bcd->SetPrecision(column.Type.Precision);
    field->SetSize(column.Type.Size);
    field->SetRequired(column.Required);
  }
}

// ---- TTable

TClass TTable::ClassInfo() {
  static TClass cls =
      TClassBuilder<TTable>("TTable", TDBDataSet::ClassInfo())
          .Creatable()
          .Bool("DefaultIndex", &TTable::DefaultIndex, &TTable::SetDefaultIndex, true)
          .Bool("Exclusive", &TTable::Exclusive, &TTable::SetExclusive, false)
          .String("IndexFieldNames", &TTable::IndexFieldNames, &TTable::SetIndexFieldNames)
          .String("IndexName", &TTable::IndexName, &TTable::SetIndexName)
          .String("MasterFields", &TTable::MasterFields, &TTable::SetMasterFields)
          .Reference<TDataSource>("MasterSource", &TTable::MasterSource, &TTable::SetMasterSource)
          .Bool("ReadOnly", &TTable::ReadOnly, &TTable::SetReadOnly, false)
          .Bool("StoreDefs", &TTable::StoreDefs, &TTable::SetStoreDefs, false)
          .String("TableName", &TTable::TableName, &TTable::SetTableName)
          .Enum<TTableType>("TableType", TypeInfoTableType(), &TTable::TableType, &TTable::SetTableType, ttDefault)
          .Enum<TUpdateMode>("UpdateMode", TypeInfoUpdateMode(), &TDBDataSet::UpdateMode,
                             &TDBDataSet::SetUpdateMode, upWhereAll)
          .Build();
  return cls;
}

TTable::TTable(TComponent* owner) : TDBDataSet(owner) {}

void TTable::SetTableName(const std::string& value) {
  if (value == tableName_) return;
  CheckInactive();
  tableName_ = value;
}

std::vector<TColumnDescription> TTable::ReadColumns(const TDatabaseEngine& engine,
                                                    const TDatabaseLocation& location) const {
  if (tableName_.empty()) DatabaseError("Missing TableName property");
  return engine.TableColumns(location, tableName_);
}

// ---- TQuery

TClass TQuery::ClassInfo() {
  static TClass cls = TClassBuilder<TQuery>("TQuery", TDBDataSet::ClassInfo())
                          .Creatable()
                          .Reference<TDataSource>("DataSource", &TQuery::DataSource, &TQuery::SetDataSource)
                          .Bool("ParamCheck", &TQuery::ParamCheck, &TQuery::SetParamCheck, true)
                          .Bool("RequestLive", &TQuery::RequestLive, &TQuery::SetRequestLive, false)
                          .Object("SQL", &TQuery::SQL)
                          .Bool("UniDirectional", &TQuery::UniDirectional, &TQuery::SetUniDirectional, false)
                          .Enum<TUpdateMode>("UpdateMode", TypeInfoUpdateMode(), &TDBDataSet::UpdateMode,
                                             &TDBDataSet::SetUpdateMode, upWhereAll)
                          .Build();
  return cls;
}

TQuery::TQuery(TComponent* owner) : TDBDataSet(owner), sql_(std::make_unique<TStringList>()) {
  sql_->OnChange = [this](TObject*) { Close(); };
}

std::vector<TColumnDescription> TQuery::ReadColumns(const TDatabaseEngine& engine,
                                                    const TDatabaseLocation& location) const {
  std::string text = sql_->Text();
  if (Trim(text).empty()) DatabaseError("No SQL statement available");
  return engine.QueryColumns(location, text);
}

}  // namespace vcl
