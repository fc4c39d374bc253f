// Data sets on database files: tables and queries. DatabaseName is the path of an SQLite
// database file, which is only ever opened read-only. Without persistent fields, opening
// makes one field per result column, typed by the column's declaration (see
// vcl/sqlite_columns.h for the mapping); with persistent fields the file is not read.
#pragma once

#include <memory>
#include <string>

#include "vcl/db/db.h"
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

protected:
  void CreateFields() override;
  // The statement whose result columns are the fields.
  virtual std::string SelectStatement() const = 0;
  // What the statement reads, for error messages ("table 'CUSTOMER'").
  virtual std::string Subject() const = 0;

private:
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
  std::string SelectStatement() const override;
  std::string Subject() const override { return "table '" + tableName_ + "'"; }

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
  std::string SelectStatement() const override;
  std::string Subject() const override { return "the result of the query"; }

private:
  TComponentRef<TDataSource> dataSource_{this};
  bool paramCheck_ = true;
  bool requestLive_ = false;
  std::unique_ptr<TStringList> sql_;
  bool uniDirectional_ = false;
};

}  // namespace vcl
