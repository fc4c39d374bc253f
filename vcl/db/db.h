// Data sets and data sources: the abstract data set with its field collection and its
// open and closed states, and the data source that links data-aware controls to one.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "vcl/classes.h"
#include "vcl/db/db_fields.h"

namespace vcl {

class TDataSource;

enum TDataSetState {
  dsInactive, dsBrowse, dsEdit, dsInsert, dsSetKey, dsCalcFields, dsFilter, dsNewValue, dsOldValue,
  dsCurValue, dsBlockRead, dsInternalCalc
};

enum TFilterOption { foCaseInsensitive, foNoPartialCompare };
using TFilterOptions = std::uint32_t;  // bit n for TFilterOption n
const TTypeInfo* TypeInfoFilterOptions();

using TDataSetNotifyEvent = TEvent<TDataSet*>;

// A set of records with named fields. Its fields are either persistent (TField components,
// usually owned by the form, whose DataSet names this data set) or, when it opens without
// any, made by the data set from its source and freed again when it closes.
class TDataSet : public TComponent {
  VCL_CLASS(TDataSet, TComponent)
  explicit TDataSet(TComponent* owner);
  ~TDataSet() override;

  bool Active() const { return state_ != dsInactive; }
  // While the data set is being read from a form, opening waits for Loaded.
  void SetActive(bool value);
  void Open() { SetActive(true); }
  void Close() { SetActive(false); }
  TDataSetState State() const { return state_; }
  // Raises "Cannot perform this operation on an open dataset" while open.
  void CheckInactive() const;

  TFields* Fields() { return &fields_; }
  const TFields* Fields() const { return &fields_; }
  int FieldCount() const { return fields_.Count(); }
  TField* FindField(std::string_view fieldName) const { return fields_.FindField(fieldName); }
  TField* FieldByName(std::string_view fieldName) const { return fields_.FieldByName(fieldName); }
  // True while open with fields that the data set made itself.
  bool DefaultFields() const { return defaultFields_; }

  bool AutoCalcFields() const { return autoCalcFields_; }
  void SetAutoCalcFields(bool value) { autoCalcFields_ = value; }
  const std::string& Filter() const { return filter_; }
  void SetFilter(const std::string& value) { filter_ = value; }
  bool Filtered() const { return filtered_; }
  void SetFiltered(bool value) { filtered_ = value; }
  TFilterOptions FilterOptions() const { return filterOptions_; }
  void SetFilterOptions(TFilterOptions value) { filterOptions_ = value; }

  TDataSetNotifyEvent BeforeOpen, AfterOpen, BeforeClose, AfterClose, BeforeInsert, AfterInsert, BeforeEdit,
      AfterEdit, BeforePost, AfterPost, BeforeCancel, AfterCancel, BeforeDelete, AfterDelete, BeforeScroll,
      AfterScroll, OnCalcFields, OnNewRecord;

  void Loaded() override;
  // The fields that `root` owns, written inside the data set in a form file.
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;

protected:
  // Makes the fields of a data set that opens without persistent fields, each owned by
  // the data set and put into it with SetDataSet.
  virtual void CreateFields() = 0;

private:
  friend class TDataSource;
  void OpenCursor();
  void CloseCursor();
  void SetState(TDataSetState value);
  void DestroyFields();

  TFields fields_{this};
  TDataSetState state_ = dsInactive;
  bool defaultFields_ = false;
  bool streamedActive_ = false;
  bool autoCalcFields_ = true;
  std::string filter_;
  bool filtered_ = false;
  TFilterOptions filterOptions_ = 0;
  std::vector<TDataSource*> dataSources_;  // sources whose DataSet is this data set
};

using TDataChangeEvent = TEvent<TObject*, TField*>;

// Links data-aware controls to a data set and follows its state. Destroying the data set
// clears DataSet.
class TDataSource : public TComponent {
  VCL_CLASS(TDataSource, TComponent)
  explicit TDataSource(TComponent* owner);
  ~TDataSource() override;

  bool AutoEdit() const { return autoEdit_; }
  void SetAutoEdit(bool value) { autoEdit_ = value; }
  // Cleared when the data set is destroyed.
  TDataSet* DataSet() const { return dataSet_.get(); }
  void SetDataSet(TDataSet* value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  // The data set's state while enabled, else dsInactive.
  TDataSetState State() const { return state_; }

  TNotifyEvent OnStateChange;
  TDataChangeEvent OnDataChange;
  TNotifyEvent OnUpdateData;

private:
  friend class TDataSet;
  // Takes the data set's state (dsInactive while disabled); a change fires OnStateChange,
  // and leaving dsInactive then fires OnDataChange.
  void UpdateState();

  bool autoEdit_ = true;
  TComponentRef<TDataSet> dataSet_{this};
  bool enabled_ = true;
  TDataSetState state_ = dsInactive;
};

}  // namespace vcl
