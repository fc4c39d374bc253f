#include "vcl/db/db_stored_proc.h"

#include "vcl/control_types.h"
#include "vcl/db/dataset_events.h"

namespace vcl {

namespace {
const TTypeInfo* TypeInfoParamBindMode() {
  static auto t = MakeEnumType("TParamBindMode", {"pbByName", "pbByNumber"});
  return t;
}
}  // namespace

// ---- TStoredProc

TClass TStoredProc::ClassInfo() {
  using P = TStoredProc;
  static TClass cls =
      TClassBuilder<P>("TStoredProc", TDBDataSet::ClassInfo())
          .Creatable()
          .String("StoredProcName", &P::StoredProcName, &P::SetStoredProcName)
          .Integer("Overload", &P::Overload, &P::SetOverload, 0, NamedIntegerType("Word"))
          .Enum<TParamBindMode>("ParamBindMode", TypeInfoParamBindMode(), &P::ParamBindMode, &P::SetParamBindMode,
                                pbByName)
          .Enum<TUpdateMode>("UpdateMode", TypeInfoUpdateMode(), &TDBDataSet::UpdateMode, &TDBDataSet::SetUpdateMode,
                             upWhereAll)
          .Build();
  return cls;
}

TStoredProc::TStoredProc(TComponent* owner) : TDBDataSet(owner) {}

void TStoredProc::SetStoredProcName(const std::string& value) {
  if (value == storedProcName_) return;
  CheckInactive();
  storedProcName_ = value;
}

std::vector<TColumnDescription> TStoredProc::ReadColumns(const TDatabaseEngine&, const TDatabaseLocation&) const {
  if (storedProcName_.empty()) DatabaseError("Missing StoredProcName property");
  DatabaseError("Stored procedure " + storedProcName_ + " not found: the database has no stored procedures");
}

// ---- TNestedTable

TClass TNestedTable::ClassInfo() {
  static TClass cls = [] {
    using N = TNestedTable;
    TClassBuilder<N> b("TNestedTable", TDataSet::ClassInfo());
    b.Creatable()
        .Bool("Active", &TDataSet::Active, &TDataSet::SetActive, false)
        .Bool("AutoCalcFields", &TDataSet::AutoCalcFields, &TDataSet::SetAutoCalcFields, true)
        .Reference<TDataSetField>("DataSetField", &N::DataSetField, &N::SetDataSetField)
        .String("Filter", &TDataSet::Filter, &TDataSet::SetFilter)
        .Bool("Filtered", &TDataSet::Filtered, &TDataSet::SetFiltered, false)
        .Set("FilterOptions", TypeInfoFilterOptions(), &TDataSet::FilterOptions, &TDataSet::SetFilterOptions, 0)
        .Bool("ObjectView", &N::ObjectView, &N::SetObjectView, true)
        .Bool("ReadOnly", &N::ReadOnly, &N::SetReadOnly, false)
        .Enum<TUpdateMode>("UpdateMode", TypeInfoUpdateMode(), &N::UpdateMode, &N::SetUpdateMode, upWhereAll);
    PublishDataSetEvents(b);
    b.Event("OnNewRecord", &TDataSet::OnNewRecord, "TDataSetNotifyEvent");
    return b.Build();
  }();
  return cls;
}

TNestedTable::TNestedTable(TComponent* owner) : TDataSet(owner) {}

void TNestedTable::SetDataSetField(TDataSetField* value) {
  if (value == dataSetField_.get()) return;
  CheckInactive();
  dataSetField_.Set(value);
}

void TNestedTable::CreateFields() {
  if (!dataSetField_) DatabaseError("Missing DataSetField property", this);
  DatabaseError("Field '" + dataSetField_->FieldName() + "' holds no nested records: the database has none", this);
}

}  // namespace vcl
