#include "vcl/db/db_fields.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "vcl/class_builder.h"
#include "vcl/db/db.h"

namespace vcl {

namespace {
// Longest text a string field holds.
constexpr int MaxStringSize = 8192;
// Most digits a BCD field holds.
constexpr int MaxBCDPrecision = 32;

[[noreturn]] void InvalidFieldSize() { DatabaseError("Invalid field size"); }

const TTypeInfo* TypeInfoBlobType() {
  static auto t = MakeEnumType("TBlobType", TypeInfoFieldType()->EnumNames);
  return t;
}
}  // namespace

void DatabaseError(const std::string& message, const TComponent* component) {
  if (component && !component->Name().empty()) throw EDatabaseError(component->Name() + ": " + message);
  throw EDatabaseError(message);
}

const TTypeInfo* TypeInfoFieldType() {
  static auto t = MakeEnumType(
      "TFieldType",
      {"ftUnknown",     "ftString",   "ftSmallint", "ftInteger",   "ftWord",        "ftBoolean",
       "ftFloat",       "ftCurrency", "ftBCD",      "ftDate",      "ftTime",        "ftDateTime",
       "ftBytes",       "ftVarBytes", "ftAutoInc",  "ftBlob",      "ftMemo",        "ftGraphic",
       "ftFmtMemo",     "ftParadoxOle", "ftDBaseOle", "ftTypedBinary", "ftCursor",  "ftFixedChar",
       "ftWideString",  "ftLargeint", "ftADT",      "ftArray",     "ftReference",   "ftDataSet"});
  return t;
}

const TTypeInfo* TypeInfoFieldKind() {
  static auto t = MakeEnumType("TFieldKind", {"fkData", "fkCalculated", "fkLookup", "fkInternalCalc"});
  return t;
}

// ---- TField

TClass TField::ClassInfo() {
  static TClass cls =
      TClassBuilder<TField>("TField", TComponent::ClassInfo())
          .Enum<TAlignment>("Alignment", TypeInfoAlignment(), &TField::Alignment, &TField::SetAlignment,
                            taLeftJustify)
          .String("CustomConstraint", &TField::CustomConstraint, &TField::SetCustomConstraint)
          .String("ConstraintErrorMessage", &TField::ConstraintErrorMessage, &TField::SetConstraintErrorMessage)
          .String("DefaultExpression", &TField::DefaultExpression, &TField::SetDefaultExpression)
          .String("DisplayLabel", &TField::DisplayLabel, &TField::SetDisplayLabel)
          .StoredWhen(&TField::IsDisplayLabelStored)
          .Integer("DisplayWidth", &TField::DisplayWidth, &TField::SetDisplayWidth)
          .StoredWhen(&TField::IsDisplayWidthStored)
          .Enum<TFieldKind>("FieldKind", TypeInfoFieldKind(), &TField::FieldKind, &TField::SetFieldKind, fkData)
          .String("FieldName", &TField::FieldName, &TField::SetFieldName)
          .Bool("HasConstraints", &TField::HasConstraints, nullptr, std::nullopt)
          .StoredWhen([](TField&) { return false; })
          .Integer("Index", &TField::Index, &TField::SetIndex)
          .StoredWhen([](TField&) { return false; })
          .String("ImportedConstraint", &TField::ImportedConstraint, &TField::SetImportedConstraint)
          .Reference<TDataSet>("LookupDataSet", &TField::LookupDataSet, &TField::SetLookupDataSet)
          .String("LookupKeyFields", &TField::LookupKeyFields, &TField::SetLookupKeyFields)
          .String("LookupResultField", &TField::LookupResultField, &TField::SetLookupResultField)
          .String("KeyFields", &TField::KeyFields, &TField::SetKeyFields)
          .Bool("LookupCache", &TField::LookupCache, &TField::SetLookupCache, false)
          .String("Origin", &TField::Origin, &TField::SetOrigin)
          .Bool("ReadOnly", &TField::ReadOnly, &TField::SetReadOnly, false)
          .Bool("Required", &TField::Required, &TField::SetRequired, false)
          .Bool("Visible", &TField::Visible, &TField::SetVisible, true)
          .Event("OnChange", &TField::OnChange, "TFieldNotifyEvent")
          .Event("OnGetText", &TField::OnGetText, "TFieldGetTextEvent")
          .Event("OnSetText", &TField::OnSetText, "TFieldSetTextEvent")
          .Event("OnValidate", &TField::OnValidate, "TFieldNotifyEvent")
          .Build();
  return cls;
}

TField::TField(TComponent* owner) : TComponent(owner) {}

TField::~TField() {
  if (TDataSet* dataSet = dataSet_) {
    // Leave the list first: closing may free the data set's own fields.
    dataSet->Fields()->Remove(this);
    dataSet_ = nullptr;
    dataSet->Close();
  }
}

void TField::SetDisplayLabel(const std::string& value) { displayLabel_ = value == fieldName_ ? "" : value; }

void TField::SetFieldKind(TFieldKind value) {
  if (value == fieldKind_) return;
  if (dataSet_) dataSet_->CheckInactive();
  fieldKind_ = value;
}

int TField::Index() const { return dataSet_ ? dataSet_->Fields()->IndexOf(this) : -1; }

void TField::SetIndex(int value) {
  if (dataSet_) dataSet_->Fields()->Move(this, value);
}

TDataSet* TField::LookupDataSet() const { return lookupDataSet_.get(); }
void TField::SetLookupDataSet(TDataSet* value) { lookupDataSet_.Set(value); }

void TField::SetSize(int value) {
  if (value == size_) return;
  if (dataSet_) dataSet_->CheckInactive();
  CheckTypeSize(value);
  size_ = value;
}

void TField::CheckTypeSize(int value) const {
  if (value != 0) InvalidFieldSize();
}

void TField::SetDataSet(TDataSet* dataSet) {
  if (dataSet == dataSet_) return;
  if (dataSet_) dataSet_->CheckInactive();
  if (dataSet) {
    dataSet->CheckInactive();
    if (!fieldName_.empty() && dataSet->FindField(fieldName_))
      DatabaseError("Duplicate field name '" + fieldName_ + "'", dataSet);
  }
  if (dataSet_) dataSet_->Fields()->Remove(this);
  if (dataSet) dataSet->Fields()->Add(this);
  dataSet_ = dataSet;
}

TComponent* TField::GetParentComponent() const { return dataSet_; }

void TField::SetParentComponent(TComponent* value) { SetDataSet(Cast<TDataSet>(value)); }

// ---- string fields

TClass TStringField::ClassInfo() {
  static TClass cls = TClassBuilder<TStringField>("TStringField", TField::ClassInfo())
                          .Creatable()
                          .String("EditMask", &TField::EditMask, &TField::SetEditMask)
                          .Bool("FixedChar", &TStringField::FixedChar, &TStringField::SetFixedChar, false)
                          .Integer("Size", &TField::Size, &TField::SetSize, 20)
                          .Bool("Transliterate", &TStringField::Transliterate, &TStringField::SetTransliterate, true)
                          .Build();
  return cls;
}

TStringField::TStringField(TComponent* owner) : TField(owner) {
  SetDataType(ftString);
  InitSize(20);
}

void TStringField::SetFieldType(TFieldType value) {
  if (value == ftString || value == ftFixedChar) SetDataType(value);
}

void TStringField::CheckTypeSize(int value) const {
  if (value < 0 || value > MaxStringSize) InvalidFieldSize();
}

TClass TWideStringField::ClassInfo() {
  static TClass cls =
      TClassBuilder<TWideStringField>("TWideStringField", TStringField::ClassInfo()).Creatable().Build();
  return cls;
}

TWideStringField::TWideStringField(TComponent* owner) : TStringField(owner) { SetDataType(ftWideString); }

// ---- numeric fields

TClass TNumericField::ClassInfo() {
  static TClass cls =
      TClassBuilder<TNumericField>("TNumericField", TField::ClassInfo())
          .Enum<TAlignment>("Alignment", TypeInfoAlignment(), &TField::Alignment, &TField::SetAlignment,
                            taRightJustify)
          .String("DisplayFormat", &TNumericField::DisplayFormat, &TNumericField::SetDisplayFormat)
          .String("EditFormat", &TNumericField::EditFormat, &TNumericField::SetEditFormat)
          .Build();
  return cls;
}

TNumericField::TNumericField(TComponent* owner) : TField(owner) { SetAlignment(taRightJustify); }

TClass TIntegerField::ClassInfo() {
  static TClass cls = TClassBuilder<TIntegerField>("TIntegerField", TNumericField::ClassInfo())
                          .Creatable()
                          .Integer("MaxValue", &TIntegerField::MaxValue, &TIntegerField::SetMaxValue, 0)
                          .Integer("MinValue", &TIntegerField::MinValue, &TIntegerField::SetMinValue, 0)
                          .Build();
  return cls;
}

TIntegerField::TIntegerField(TComponent* owner) : TNumericField(owner) { SetDataType(ftInteger); }

TClass TSmallintField::ClassInfo() {
  static TClass cls =
      TClassBuilder<TSmallintField>("TSmallintField", TIntegerField::ClassInfo()).Creatable().Build();
  return cls;
}

TSmallintField::TSmallintField(TComponent* owner) : TIntegerField(owner) { SetDataType(ftSmallint); }

TClass TWordField::ClassInfo() {
  static TClass cls = TClassBuilder<TWordField>("TWordField", TIntegerField::ClassInfo()).Creatable().Build();
  return cls;
}

TWordField::TWordField(TComponent* owner) : TIntegerField(owner) { SetDataType(ftWord); }

TClass TAutoIncField::ClassInfo() {
  static TClass cls =
      TClassBuilder<TAutoIncField>("TAutoIncField", TIntegerField::ClassInfo()).Creatable().Build();
  return cls;
}

TAutoIncField::TAutoIncField(TComponent* owner) : TIntegerField(owner) { SetDataType(ftAutoInc); }

TClass TLargeintField::ClassInfo() {
  static TClass cls =
      TClassBuilder<TLargeintField>("TLargeintField", TNumericField::ClassInfo())
          .Creatable()
          .Integer("MaxValue", &TLargeintField::MaxValue, &TLargeintField::SetMaxValue, 0, TypeInfoInt64())
          .Integer("MinValue", &TLargeintField::MinValue, &TLargeintField::SetMinValue, 0, TypeInfoInt64())
          .Build();
  return cls;
}

TLargeintField::TLargeintField(TComponent* owner) : TNumericField(owner) { SetDataType(ftLargeint); }

TClass TFloatField::ClassInfo() {
  static TClass cls = TClassBuilder<TFloatField>("TFloatField", TNumericField::ClassInfo())
                          .Creatable()
                          .Bool("Currency", &TFloatField::Currency, &TFloatField::SetCurrency, false)
                          .Float("MaxValue", &TFloatField::MaxValue, &TFloatField::SetMaxValue)
                          .Float("MinValue", &TFloatField::MinValue, &TFloatField::SetMinValue)
                          .Integer("Precision", &TFloatField::Precision, &TFloatField::SetPrecision, 15)
                          .Build();
  return cls;
}

TFloatField::TFloatField(TComponent* owner) : TNumericField(owner) { SetDataType(ftFloat); }

void TFloatField::SetPrecision(int value) { precision_ = std::clamp(value, 2, 15); }

TClass TCurrencyField::ClassInfo() {
  static TClass cls = TClassBuilder<TCurrencyField>("TCurrencyField", TFloatField::ClassInfo())
                          .Creatable()
                          .Bool("Currency", &TFloatField::Currency, &TFloatField::SetCurrency, true)
                          .Build();
  return cls;
}

TCurrencyField::TCurrencyField(TComponent* owner) : TFloatField(owner) {
  SetDataType(ftCurrency);
  SetCurrency(true);
}

TClass TBCDField::ClassInfo() {
  static TClass cls = TClassBuilder<TBCDField>("TBCDField", TNumericField::ClassInfo())
                          .Creatable()
                          .Bool("Currency", &TBCDField::Currency, &TBCDField::SetCurrency, false)
                          .Float("MaxValue", &TBCDField::MaxValue, &TBCDField::SetMaxValue)
                          .Float("MinValue", &TBCDField::MinValue, &TBCDField::SetMinValue)
                          .Integer("Precision", &TBCDField::Precision, &TBCDField::SetPrecision, 0)
                          .Integer("Size", &TField::Size, &TField::SetSize, 4)
                          .Build();
  return cls;
}

TBCDField::TBCDField(TComponent* owner) : TNumericField(owner) {
  SetDataType(ftBCD);
  InitSize(4);
}

void TBCDField::SetPrecision(int value) {
  if (value == precision_) return;
  if (value < 0 || value > MaxBCDPrecision) DatabaseError("Invalid field precision " + std::to_string(value), this);
  if (DataSet()) DataSet()->CheckInactive();
  precision_ = value;
}

void TBCDField::CheckTypeSize(int value) const {
  if (value < 0 || value > MaxBCDPrecision) InvalidFieldSize();
}

// ---- Boolean and date-time fields

TClass TBooleanField::ClassInfo() {
  static TClass cls =
      TClassBuilder<TBooleanField>("TBooleanField", TField::ClassInfo())
          .Creatable()
          .String("DisplayValues", &TBooleanField::DisplayValues, &TBooleanField::SetDisplayValues)
          .Build();
  return cls;
}

TBooleanField::TBooleanField(TComponent* owner) : TField(owner) { SetDataType(ftBoolean); }

TClass TDateTimeField::ClassInfo() {
  static TClass cls =
      TClassBuilder<TDateTimeField>("TDateTimeField", TField::ClassInfo())
          .Creatable()
          .String("DisplayFormat", &TDateTimeField::DisplayFormat, &TDateTimeField::SetDisplayFormat)
          .String("EditMask", &TField::EditMask, &TField::SetEditMask)
          .Build();
  return cls;
}

TDateTimeField::TDateTimeField(TComponent* owner) : TField(owner) { SetDataType(ftDateTime); }

TClass TDateField::ClassInfo() {
  static TClass cls = TClassBuilder<TDateField>("TDateField", TDateTimeField::ClassInfo()).Creatable().Build();
  return cls;
}

TDateField::TDateField(TComponent* owner) : TDateTimeField(owner) { SetDataType(ftDate); }

TClass TTimeField::ClassInfo() {
  static TClass cls = TClassBuilder<TTimeField>("TTimeField", TDateTimeField::ClassInfo()).Creatable().Build();
  return cls;
}

TTimeField::TTimeField(TComponent* owner) : TDateTimeField(owner) { SetDataType(ftTime); }

// ---- binary and blob fields

TClass TBinaryField::ClassInfo() {
  static TClass cls = TClassBuilder<TBinaryField>("TBinaryField", TField::ClassInfo())
                          .Integer("Size", &TField::Size, &TField::SetSize, 16)
                          .Build();
  return cls;
}

TBinaryField::TBinaryField(TComponent* owner) : TField(owner) { InitSize(16); }

void TBinaryField::CheckTypeSize(int value) const {
  if (value < 0) InvalidFieldSize();
}

TClass TBytesField::ClassInfo() {
  static TClass cls = TClassBuilder<TBytesField>("TBytesField", TBinaryField::ClassInfo()).Creatable().Build();
  return cls;
}

TBytesField::TBytesField(TComponent* owner) : TBinaryField(owner) { SetDataType(ftBytes); }

TClass TVarBytesField::ClassInfo() {
  static TClass cls =
      TClassBuilder<TVarBytesField>("TVarBytesField", TBinaryField::ClassInfo()).Creatable().Build();
  return cls;
}

TVarBytesField::TVarBytesField(TComponent* owner) : TBinaryField(owner) { SetDataType(ftVarBytes); }

TClass TBlobField::ClassInfo() {
  static TClass cls = TClassBuilder<TBlobField>("TBlobField", TField::ClassInfo())
                          .Creatable()
                          .Enum<TFieldType>("BlobType", TypeInfoBlobType(), &TBlobField::BlobType,
                                            &TBlobField::SetBlobType, std::nullopt)
                          .Integer("Size", &TField::Size, &TField::SetSize, 0)
                          .Build();
  return cls;
}

TBlobField::TBlobField(TComponent* owner) : TField(owner) { SetDataType(ftBlob); }

void TBlobField::SetFieldType(TFieldType value) {
  if (value >= ftBlob && value <= ftTypedBinary) SetDataType(value);
}

void TBlobField::CheckTypeSize(int value) const {
  if (value < 0) InvalidFieldSize();
}

TClass TMemoField::ClassInfo() {
  static TClass cls =
      TClassBuilder<TMemoField>("TMemoField", TBlobField::ClassInfo())
          .Creatable()
          .Bool("Transliterate", &TMemoField::Transliterate, &TMemoField::SetTransliterate, true)
          .Build();
  return cls;
}

TMemoField::TMemoField(TComponent* owner) : TBlobField(owner) { SetDataType(ftMemo); }

TClass TGraphicField::ClassInfo() {
  static TClass cls = TClassBuilder<TGraphicField>("TGraphicField", TBlobField::ClassInfo()).Creatable().Build();
  return cls;
}

TGraphicField::TGraphicField(TComponent* owner) : TBlobField(owner) { SetDataType(ftGraphic); }

// ---- object fields

TClass TObjectField::ClassInfo() {
  static TClass cls = TClassBuilder<TObjectField>("TObjectField", TField::ClassInfo()).Build();
  return cls;
}

TObjectField::TObjectField(TComponent* owner) : TField(owner) {}

void TObjectField::CheckTypeSize(int value) const {
  if (value < 0) InvalidFieldSize();
}

TClass TADTField::ClassInfo() {
  static TClass cls = TClassBuilder<TADTField>("TADTField", TObjectField::ClassInfo()).Creatable().Build();
  return cls;
}

TADTField::TADTField(TComponent* owner) : TObjectField(owner) { SetDataType(ftADT); }

TClass TArrayField::ClassInfo() {
  static TClass cls = TClassBuilder<TArrayField>("TArrayField", TObjectField::ClassInfo())
                          .Creatable()
                          .Integer("Size", &TField::Size, &TField::SetSize, 10)
                          .Build();
  return cls;
}

TArrayField::TArrayField(TComponent* owner) : TObjectField(owner) {
  SetDataType(ftArray);
  InitSize(10);
}

TClass TDataSetField::ClassInfo() {
  static TClass cls = TClassBuilder<TDataSetField>("TDataSetField", TObjectField::ClassInfo())
                          .Creatable()
                          .Bool("IncludeObjectField", &TDataSetField::IncludeObjectField,
                                &TDataSetField::SetIncludeObjectField, false)
                          .Build();
  return cls;
}

TDataSetField::TDataSetField(TComponent* owner) : TObjectField(owner) { SetDataType(ftDataSet); }

TClass TReferenceField::ClassInfo() {
  static TClass cls = TClassBuilder<TReferenceField>("TReferenceField", TDataSetField::ClassInfo())
                          .Creatable()
                          .String("ReferenceTableName", &TReferenceField::ReferenceTableName,
                                  &TReferenceField::SetReferenceTableName)
                          .Integer("Size", &TField::Size, &TField::SetSize, 0)
                          .Build();
  return cls;
}

TReferenceField::TReferenceField(TComponent* owner) : TDataSetField(owner) { SetDataType(ftReference); }

// ---- field classes by type

const std::array<TClass, FieldTypeCount>& DefaultFieldClasses() {
  static const std::array<TClass, FieldTypeCount> classes = {
      nullptr,                        // ftUnknown
      TStringField::ClassInfo(),      // ftString
      TSmallintField::ClassInfo(),    // ftSmallint
      TIntegerField::ClassInfo(),     // ftInteger
      TWordField::ClassInfo(),        // ftWord
      TBooleanField::ClassInfo(),     // ftBoolean
      TFloatField::ClassInfo(),       // ftFloat
      TCurrencyField::ClassInfo(),    // ftCurrency
      TBCDField::ClassInfo(),         // ftBCD
      TDateField::ClassInfo(),        // ftDate
      TTimeField::ClassInfo(),        // ftTime
      TDateTimeField::ClassInfo(),    // ftDateTime
      TBytesField::ClassInfo(),       // ftBytes
      TVarBytesField::ClassInfo(),    // ftVarBytes
      TAutoIncField::ClassInfo(),     // ftAutoInc
      TBlobField::ClassInfo(),        // ftBlob
      TMemoField::ClassInfo(),        // ftMemo
      TGraphicField::ClassInfo(),     // ftGraphic
      TBlobField::ClassInfo(),        // ftFmtMemo
      TBlobField::ClassInfo(),        // ftParadoxOle
      TBlobField::ClassInfo(),        // ftDBaseOle
      TBlobField::ClassInfo(),        // ftTypedBinary
      nullptr,                        // ftCursor
      TStringField::ClassInfo(),      // ftFixedChar
      TWideStringField::ClassInfo(),  // ftWideString
      TLargeintField::ClassInfo(),    // ftLargeint
      TADTField::ClassInfo(),         // ftADT
      TArrayField::ClassInfo(),       // ftArray
      TReferenceField::ClassInfo(),   // ftReference
      TDataSetField::ClassInfo(),     // ftDataSet
  };
  return classes;
}

// ---- TFields

TField* TFields::Fields(int index) const {
  if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return list_[static_cast<std::size_t>(index)];
}

int TFields::IndexOf(const TField* field) const {
  auto it = std::find(list_.begin(), list_.end(), field);
  return it == list_.end() ? -1 : static_cast<int>(it - list_.begin());
}

TField* TFields::FindField(std::string_view fieldName) const {
  if (!indexed_) {
    names_.clear();
    for (TField* field : list_)
      if (!field->FieldName().empty()) names_.emplace(field->FieldName(), field);
    indexed_ = true;
  }
  if (fieldName.empty()) return nullptr;
  auto found = names_.find(fieldName);
  return found == names_.end() ? nullptr : found->second;
}

void TFields::Add(TField* field) {
  list_.push_back(field);
  if (indexed_ && !field->FieldName().empty()) names_.emplace(field->FieldName(), field);
}

void TFields::Renamed(TField* field, const std::string& oldName) {
  if (!indexed_) return;
  auto old = names_.find(oldName);
  // Another field may hold either name earlier in the list: then the index is made anew.
  if ((old != names_.end() && old->second == field) || names_.count(field->FieldName()))
    NamesChanged();
  else if (!field->FieldName().empty())
    names_.emplace(field->FieldName(), field);
}

void TField::SetFieldName(const std::string& value) {
  std::string old = std::exchange(fieldName_, value);
  if (dataSet_) dataSet_->Fields()->Renamed(this, old);
}

TField* TFields::FieldByName(std::string_view fieldName) const {
  TField* field = FindField(fieldName);
  if (!field) DatabaseError("Field '" + std::string(fieldName) + "' not found", dataSet_);
  return field;
}

void TFields::Remove(TField* field) {
  // Fields leave last first when their data set or their owner frees them: look from the end.
  auto found = std::find(list_.rbegin(), list_.rend(), field);
  if (found == list_.rend()) return;
  list_.erase(std::next(found).base());
  NamesChanged();
}

void TFields::Move(TField* field, int index) {
  int current = IndexOf(field);
  if (current < 0) return;
  index = std::clamp(index, 0, Count() - 1);
  list_.erase(list_.begin() + current);
  list_.insert(list_.begin() + index, field);
  NamesChanged();
}

}  // namespace vcl
