#include "vcl/db/db.h"

#include <algorithm>

#include "vcl/class_builder.h"

namespace vcl {

const TTypeInfo* TypeInfoFilterOptions() {
  static auto t = MakeSetType("TFilterOptions", MakeEnumType("TFilterOption", {"foCaseInsensitive", "foNoPartialCompare"}));
  return t;
}

// ---- TDataSet

TClass TDataSet::ClassInfo() {
  static TClass cls = TClassBuilder<TDataSet>("TDataSet", TComponent::ClassInfo()).Build();
  return cls;
}

TDataSet::TDataSet(TComponent* owner) : TComponent(owner) {}

TDataSet::~TDataSet() {
  Destroying();
  Close();
  while (!dataSources_.empty()) dataSources_.back()->SetDataSet(nullptr);
  DestroyFields();
}

void TDataSet::SetActive(bool value) {
  if (HasState(csReading) && !HasState(csDestroying)) {
    streamedActive_ = value;
    return;
  }
  if (value == Active()) return;
  bool destroying = HasState(csDestroying);
  if (value) {
    BeforeOpen(this);
    OpenCursor();
    SetState(dsBrowse);
    AfterOpen(this);
  } else {
    if (!destroying) BeforeClose(this);
    SetState(dsInactive);
    CloseCursor();
    if (!destroying) AfterClose(this);
  }
}

void TDataSet::OpenCursor() {
  defaultFields_ = fields_.Count() == 0;
  if (!defaultFields_) return;
  try {
    CreateFields();
  } catch (...) {
    DestroyFields();
    defaultFields_ = false;
    throw;
  }
}

void TDataSet::CloseCursor() {
  if (defaultFields_) DestroyFields();
  defaultFields_ = false;
}

void TDataSet::DestroyFields() {
  while (fields_.Count() > 0) {
    TField* field = fields_.Fields(fields_.Count() - 1);
    fields_.Remove(field);
    field->dataSet_ = nullptr;
    delete field;
  }
}

void TDataSet::SetState(TDataSetState value) {
  if (value == state_) return;
  state_ = value;
  for (TDataSource* source : std::vector<TDataSource*>(dataSources_)) source->UpdateState();
}

void TDataSet::CheckInactive() const {
  if (Active()) DatabaseError("Cannot perform this operation on an open dataset", this);
}

void TDataSet::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const {
  for (int i = 0; i < fields_.Count(); ++i)
    if (TField* field = fields_.Fields(i); field->Owner() == root) proc(field);
}

void TDataSet::Loaded() {
  TComponent::Loaded();
  if (!streamedActive_) return;
  streamedActive_ = false;
  try {
    Open();
  } catch (const EDatabaseError&) {
    // A form being designed still loads when its data cannot be reached; the data set
    // stays closed. Anywhere else the failure is the loader's.
    if (!HasState(csDesigning)) throw;
  }
}

// ---- TDataSource

TClass TDataSource::ClassInfo() {
  static TClass cls = TClassBuilder<TDataSource>("TDataSource", TComponent::ClassInfo())
                          .Creatable()
                          .Bool("AutoEdit", &TDataSource::AutoEdit, &TDataSource::SetAutoEdit, true)
                          .Reference<TDataSet>("DataSet", &TDataSource::DataSet, &TDataSource::SetDataSet)
                          .Bool("Enabled", &TDataSource::Enabled, &TDataSource::SetEnabled, true)
                          .Event("OnStateChange", &TDataSource::OnStateChange)
                          .Event("OnDataChange", &TDataSource::OnDataChange, "TDataChangeEvent")
                          .Event("OnUpdateData", &TDataSource::OnUpdateData)
                          .Build();
  return cls;
}

TDataSource::TDataSource(TComponent* owner) : TComponent(owner) {}

TDataSource::~TDataSource() {
  Destroying();
  SetDataSet(nullptr);
}

void TDataSource::SetDataSet(TDataSet* value) {
  TDataSet* old = dataSet_.get();
  if (value == old) return;
  if (old) {
    auto& list = old->dataSources_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
  }
  dataSet_.Set(value);
  if (value) value->dataSources_.push_back(this);
  UpdateState();
}

void TDataSource::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  UpdateState();
}

void TDataSource::UpdateState() {
  TDataSetState state = enabled_ && DataSet() ? DataSet()->State() : dsInactive;
  if (state == state_) return;
  TDataSetState prior = state_;
  state_ = state;
  if (HasState(csDestroying)) return;
  OnStateChange(this);
  if (prior == dsInactive) OnDataChange(this, nullptr);
}

}  // namespace vcl
