// Data sets whose records the engine would compute: a stored procedure's result, and the
// records of a nested data-set field. The model publishes what they publish; the local
// databases it reads have neither, so opening one reports that.
#pragma once

#include <cstdint>
#include <string>

#include "vcl/db/dbtables.h"

namespace vcl {

enum TParamBindMode { pbByName, pbByNumber };

class TStoredProc : public TDBDataSet {
  VCL_CLASS(TStoredProc, TDBDataSet)
  explicit TStoredProc(TComponent* owner);

  const std::string& StoredProcName() const { return storedProcName_; }
  // Only while closed.
  void SetStoredProcName(const std::string& value);
  // Which of the overloaded procedures of that name (0: the only one).
  std::uint16_t Overload() const { return overload_; }
  void SetOverload(std::uint16_t value) { overload_ = value; }
  TParamBindMode ParamBindMode() const { return paramBindMode_; }
  void SetParamBindMode(TParamBindMode value) { paramBindMode_ = value; }

protected:
  std::vector<TColumnDescription> ReadColumns(const TDatabaseEngine& engine,
                                              const TDatabaseLocation& location) const override;

private:
  std::string storedProcName_;
  std::uint16_t overload_ = 0;
  TParamBindMode paramBindMode_ = pbByName;
};

// The records of a data-set field of another data set. DataSetField is cleared when the
// field goes.
class TNestedTable : public TDataSet {
  VCL_CLASS(TNestedTable, TDataSet)
  explicit TNestedTable(TComponent* owner);

  TDataSetField* DataSetField() const { return dataSetField_.get(); }
  void SetDataSetField(TDataSetField* value);
  bool ObjectView() const { return objectView_; }
  void SetObjectView(bool value) { objectView_ = value; }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value) { readOnly_ = value; }
  TUpdateMode UpdateMode() const { return updateMode_; }
  void SetUpdateMode(TUpdateMode value) { updateMode_ = value; }

protected:
  void CreateFields() override;

private:
  TComponentRef<TDataSetField> dataSetField_{this};
  bool objectView_ = true;
  bool readOnly_ = false;
  TUpdateMode updateMode_ = upWhereAll;
};

}  // namespace vcl
