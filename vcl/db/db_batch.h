// Components that move or write records for data sets: a batch move from one data set into
// a table, and the statements that apply a data set's cached updates. The model keeps what
// the form declares; it never writes to a database.
#pragma once

#include <memory>
#include <string>

#include "vcl/db/dbtables.h"

namespace vcl {

enum TBatchMode { batAppend, batUpdate, batAppendUpdate, batDelete, batCopy };

// Source and Destination are cleared when their data set goes.
class TBatchMove : public TComponent {
  VCL_CLASS(TBatchMove, TComponent)
  explicit TBatchMove(TComponent* owner);
  ~TBatchMove() override;

  bool AbortOnKeyViol() const { return abortOnKeyViol_; }
  void SetAbortOnKeyViol(bool value) { abortOnKeyViol_ = value; }
  bool AbortOnProblem() const { return abortOnProblem_; }
  void SetAbortOnProblem(bool value) { abortOnProblem_ = value; }
  int CommitCount() const { return commitCount_; }
  void SetCommitCount(int value) { commitCount_ = value; }
  const std::string& ChangedTableName() const { return changedTableName_; }
  void SetChangedTableName(const std::string& value) { changedTableName_ = value; }
  TTable* Destination() const { return destination_.get(); }
  void SetDestination(TTable* value) { destination_.Set(value); }
  const std::string& KeyViolTableName() const { return keyViolTableName_; }
  void SetKeyViolTableName(const std::string& value) { keyViolTableName_ = value; }
  // "DESTFIELD=SOURCEFIELD" lines, or a field name both data sets share.
  TStrings* Mappings() const { return mappings_.get(); }
  TBatchMode Mode() const { return mode_; }
  void SetMode(TBatchMode value) { mode_ = value; }
  const std::string& ProblemTableName() const { return problemTableName_; }
  void SetProblemTableName(const std::string& value) { problemTableName_ = value; }
  // How many records to move; 0 moves them all.
  int RecordCount() const { return recordCount_; }
  void SetRecordCount(int value) { recordCount_ = value; }
  TDataSet* Source() const { return source_.get(); }
  void SetSource(TDataSet* value) { source_.Set(value); }
  bool Transliterate() const { return transliterate_; }
  void SetTransliterate(bool value) { transliterate_ = value; }

private:
  bool abortOnKeyViol_ = true, abortOnProblem_ = true;
  int commitCount_ = 0;
  std::string changedTableName_;
  TComponentRef<TTable> destination_{this};
  std::string keyViolTableName_;
  std::unique_ptr<TStringList> mappings_;
  TBatchMode mode_ = batAppend;
  std::string problemTableName_;
  int recordCount_ = 0;
  TComponentRef<TDataSet> source_{this};
  bool transliterate_ = true;
};

// The SQL that applies a modified, an inserted and a deleted record.
class TUpdateSQL : public TComponent {
  VCL_CLASS(TUpdateSQL, TComponent)
  explicit TUpdateSQL(TComponent* owner);
  ~TUpdateSQL() override;

  TStrings* ModifySQL() const { return modifySQL_.get(); }
  TStrings* InsertSQL() const { return insertSQL_.get(); }
  TStrings* DeleteSQL() const { return deleteSQL_.get(); }

private:
  std::unique_ptr<TStringList> modifySQL_, insertSQL_, deleteSQL_;
};

}  // namespace vcl
