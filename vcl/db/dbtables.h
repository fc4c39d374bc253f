// Databases and the data sets on them: tables and queries. A data set's DatabaseName names,
// in this order: a TDatabase of the same owner with that DatabaseName, an alias, or the path
// of a database file or folder. Without persistent fields, opening makes one field per
// column that the database's engine describes (vcl/db/db_engine.h); the database is only
// ever read. With persistent fields the database is not read.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "vcl/db/db.h"
#include "vcl/db/db_engine.h"
#include "vcl/strings.h"

namespace vcl {

enum TUpdateMode { upWhereAll, upWhereChanged, upWhereKeyOnly };
const TTypeInfo* TypeInfoUpdateMode();

enum TTableType { ttDefault, ttParadox, ttDBase, ttASCII };

enum TDataAction { daFail, daAbort, daRetry };
using TDataSetErrorEvent = TEvent<TDataSet*, EDatabaseError*, TDataAction&>;
using TFilterRecordEvent = TEvent<TDataSet*, bool&>;

// The folder that a relative DatabaseName is read from: the folder of the form being
// designed, as the IDE's project folder. Empty: the process's working folder.
void SetDatabaseFolder(const std::string& folder);
const std::string& DatabaseFolder();
// Where the database named `databaseName` lies.
std::string DatabasePath(const std::string& databaseName);

// A name that stands for a driver and its parameters, as the IDE's aliases do.
struct TDatabaseAlias {
  std::string DriverName;
  std::vector<std::string> Params;  // "NAME=value"
};
using TAliasLookup = std::function<std::optional<TDatabaseAlias>(const std::string& name)>;
// Installed by the IDE; without one no alias is known.
void SetAliasLookup(TAliasLookup lookup);
std::optional<TDatabaseAlias> FindAlias(const std::string& name);
// The location of a driver with its parameters, a relative PATH read from the form's folder.
TDatabaseLocation LocationOf(std::string driverName, std::vector<std::string> params);

enum TTransIsolation { tiDirtyRead, tiReadCommitted, tiRepeatableRead };
class TDatabase;
using TDatabaseLoginEvent = TEvent<TDatabase*, TStrings*>;

// A database that data sets of the same owner name by its DatabaseName. It is an alias
// (AliasName, its parameters overridden by Params) or a driver with its Params; the local
// files driver takes "PATH=" a database file or folder, relative to the form's folder.
// Connecting resolves that; the data sets on it connect it when they open and close when it
// disconnects or goes.
class TDatabase : public TComponent {
  VCL_CLASS(TDatabase, TComponent)
  explicit TDatabase(TComponent* owner);
  ~TDatabase() override;

  const std::string& AliasName() const { return aliasName_; }
  // Only while disconnected; a name clears DriverName.
  void SetAliasName(const std::string& value);
  bool Connected() const { return connected_; }
  // While the database is being read from a form, connecting waits for Loaded.
  void SetConnected(bool value);
  void Open() { SetConnected(true); }
  void Close() { SetConnected(false); }
  const std::string& DatabaseName() const { return databaseName_; }
  // Only while disconnected.
  void SetDatabaseName(const std::string& value);
  const std::string& DriverName() const { return driverName_; }
  // Only while disconnected; a name clears AliasName.
  void SetDriverName(const std::string& value);
  bool HandleShared() const { return handleShared_; }
  void SetHandleShared(bool value) { handleShared_ = value; }
  bool KeepConnection() const { return keepConnection_; }
  void SetKeepConnection(bool value) { keepConnection_ = value; }
  bool LoginPrompt() const { return loginPrompt_; }
  void SetLoginPrompt(bool value) { loginPrompt_ = value; }
  TStrings* Params() const { return params_.get(); }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value) { readOnly_ = value; }
  const std::string& SessionName() const { return sessionName_; }
  void SetSessionName(const std::string& value) { sessionName_ = value; }
  TTransIsolation TransIsolation() const { return transIsolation_; }
  void SetTransIsolation(TTransIsolation value) { transIsolation_ = value; }

  TDatabaseLoginEvent OnLogin;

  // Where its data lies. Raises EDatabaseError "Alias 'X' not found" for an unknown alias.
  TDatabaseLocation Location() const;
  void Loaded() override;

private:
  void CheckDisconnected() const;

  std::string aliasName_;
  bool connected_ = false;
  bool streamedConnected_ = false;
  std::string databaseName_;
  std::string driverName_;
  bool handleShared_ = false;
  bool keepConnection_ = true;
  bool loginPrompt_ = true;
  std::unique_ptr<TStringList> params_;
  bool readOnly_ = false;
  std::string sessionName_;
  TTransIsolation transIsolation_ = tiReadCommitted;
};

class TDBDataSet : public TDataSet {
  VCL_CLASS(TDBDataSet, TDataSet)
  explicit TDBDataSet(TComponent* owner);

  const std::string& DatabaseName() const { return databaseName_; }
  // Only while closed.
  void SetDatabaseName(const std::string& value);
  const std::string& SessionName() const { return sessionName_; }
  void SetSessionName(const std::string& value) { sessionName_ = value; }
  TUpdateMode UpdateMode() const { return updateMode_; }
  void SetUpdateMode(TUpdateMode value) { updateMode_ = value; }

  TDataSetErrorEvent OnDeleteError, OnEditError, OnPostError;
  TFilterRecordEvent OnFilterRecord;

  // The database of the owner that DatabaseName names; null when none does.
  TDatabase* Database() const;

protected:
  void CreateFields() override;
  // The columns that the fields are made from; raises EDatabaseError.
  virtual std::vector<TColumnDescription> ReadColumns(const TDatabaseEngine& engine,
                                                      const TDatabaseLocation& location) const = 0;

private:
  // Where DatabaseName leads, connecting the database that it names.
  TDatabaseLocation Location() const;

  std::string databaseName_;
  std::string sessionName_;
  TUpdateMode updateMode_ = upWhereAll;
};

// All columns of one table.
class TTable : public TDBDataSet {
  VCL_CLASS(TTable, TDBDataSet)
  explicit TTable(TComponent* owner);

  bool DefaultIndex() const { return defaultIndex_; }
  void SetDefaultIndex(bool value) { defaultIndex_ = value; }
  bool Exclusive() const { return exclusive_; }
  void SetExclusive(bool value) { exclusive_ = value; }
  const std::string& IndexFieldNames() const { return indexFieldNames_; }
  void SetIndexFieldNames(const std::string& value) { indexFieldNames_ = value; }
  const std::string& IndexName() const { return indexName_; }
  void SetIndexName(const std::string& value) { indexName_ = value; }
  const std::string& MasterFields() const { return masterFields_; }
  void SetMasterFields(const std::string& value) { masterFields_ = value; }
  TDataSource* MasterSource() const { return masterSource_.get(); }
  void SetMasterSource(TDataSource* value) { masterSource_.Set(value); }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value) { readOnly_ = value; }
  bool StoreDefs() const { return storeDefs_; }
  void SetStoreDefs(bool value) { storeDefs_ = value; }
  const std::string& TableName() const { return tableName_; }
  // Only while closed.
  void SetTableName(const std::string& value);
  TTableType TableType() const { return tableType_; }
  void SetTableType(TTableType value) { tableType_ = value; }

protected:
  std::vector<TColumnDescription> ReadColumns(const TDatabaseEngine& engine,
                                              const TDatabaseLocation& location) const override;

private:
  bool defaultIndex_ = true;
  bool exclusive_ = false;
  std::string indexFieldNames_;
  std::string indexName_;
  std::string masterFields_;
  TComponentRef<TDataSource> masterSource_{this};
  bool readOnly_ = false;
  bool storeDefs_ = false;
  std::string tableName_;
  TTableType tableType_ = ttDefault;
};

// The result of an SQL statement. Changing the SQL closes the query.
class TQuery : public TDBDataSet {
  VCL_CLASS(TQuery, TDBDataSet)
  explicit TQuery(TComponent* owner);

  TDataSource* DataSource() const { return dataSource_.get(); }
  void SetDataSource(TDataSource* value) { dataSource_.Set(value); }
  bool ParamCheck() const { return paramCheck_; }
  void SetParamCheck(bool value) { paramCheck_ = value; }
  bool RequestLive() const { return requestLive_; }
  void SetRequestLive(bool value) { requestLive_ = value; }
  TStrings* SQL() const { return sql_.get(); }
  bool UniDirectional() const { return uniDirectional_; }
  void SetUniDirectional(bool value) { uniDirectional_ = value; }

protected:
  std::vector<TColumnDescription> ReadColumns(const TDatabaseEngine& engine,
                                              const TDatabaseLocation& location) const override;

private:
  TComponentRef<TDataSource> dataSource_{this};
  bool paramCheck_ = true;
  bool requestLive_ = false;
  std::unique_ptr<TStringList> sql_;
  bool uniDirectional_ = false;
};

}  // namespace vcl
