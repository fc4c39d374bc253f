// Fields of data sets: the field types, the field classes with their display defaults,
// and the ordered field collection of a data set.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "vcl/classes.h"
#include "vcl/typinfo.h"

namespace vcl {

class TDataSet;

// Raises EDatabaseError with `message`, prefixed by "Name: " when `component` has a name.
[[noreturn]] void DatabaseError(const std::string& message, const TComponent* component = nullptr);

// The host's 30 field types; forms name them by identifier.
enum TFieldType {
  ftUnknown, ftString, ftSmallint, ftInteger, ftWord, ftBoolean, ftFloat, ftCurrency, ftBCD, ftDate,
  ftTime, ftDateTime, ftBytes, ftVarBytes, ftAutoInc, ftBlob, ftMemo, ftGraphic, ftFmtMemo, ftParadoxOle,
  ftDBaseOle, ftTypedBinary, ftCursor, ftFixedChar, ftWideString, ftLargeint, ftADT, ftArray, ftReference,
  ftDataSet
};
constexpr int FieldTypeCount = ftDataSet + 1;
const TTypeInfo* TypeInfoFieldType();

enum TFieldKind { fkData, fkCalculated, fkLookup, fkInternalCalc };
const TTypeInfo* TypeInfoFieldKind();

class TField;
using TFieldNotifyEvent = TEvent<TField*>;
using TFieldGetTextEvent = TEvent<TField*, std::string&, bool>;
using TFieldSetTextEvent = TEvent<TField*, const std::string&>;

// One column of a data set. A field belongs to the data set named by its DataSet
// property (which puts it into that set's Fields) and to its owner: fields made from a
// form are owned by the form, fields made when a data set opens by the data set. A data
// set frees its fields when it goes; a field leaving its data set closes it.
class TField : public TComponent {
  VCL_CLASS(TField, TComponent)
  explicit TField(TComponent* owner);
  ~TField() override;

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value) { alignment_ = value; }
  const std::string& CustomConstraint() const { return customConstraint_; }
  void SetCustomConstraint(const std::string& value) { customConstraint_ = value; }
  const std::string& ConstraintErrorMessage() const { return constraintErrorMessage_; }
  void SetConstraintErrorMessage(const std::string& value) { constraintErrorMessage_ = value; }
  const std::string& DefaultExpression() const { return defaultExpression_; }
  void SetDefaultExpression(const std::string& value) { defaultExpression_ = value; }
  // Reads as DisplayName; setting the field name itself clears it.
  std::string DisplayLabel() const { return DisplayName(); }
  void SetDisplayLabel(const std::string& value);
  bool IsDisplayLabelStored() const { return !displayLabel_.empty(); }
  // The width set, or the class's default while none is set (then it is not stored).
  int DisplayWidth() const { return displayWidth_ > 0 ? displayWidth_ : DefaultWidth(); }
  void SetDisplayWidth(int value) { displayWidth_ = value; }
  bool IsDisplayWidthStored() const { return displayWidth_ > 0; }
  TFieldKind FieldKind() const { return fieldKind_; }
  void SetFieldKind(TFieldKind value);
  const std::string& FieldName() const { return fieldName_; }
  void SetFieldName(const std::string& value);
  bool HasConstraints() const { return !customConstraint_.empty() || !importedConstraint_.empty(); }
  // Position in the data set's Fields; -1 without a data set. Setting moves the field.
  int Index() const;
  void SetIndex(int value);
  const std::string& ImportedConstraint() const { return importedConstraint_; }
  void SetImportedConstraint(const std::string& value) { importedConstraint_ = value; }
  TDataSet* LookupDataSet() const;
  void SetLookupDataSet(TDataSet* value);
  const std::string& LookupKeyFields() const { return lookupKeyFields_; }
  void SetLookupKeyFields(const std::string& value) { lookupKeyFields_ = value; }
  const std::string& LookupResultField() const { return lookupResultField_; }
  void SetLookupResultField(const std::string& value) { lookupResultField_ = value; }
  const std::string& KeyFields() const { return keyFields_; }
  void SetKeyFields(const std::string& value) { keyFields_ = value; }
  bool LookupCache() const { return lookupCache_; }
  void SetLookupCache(bool value) { lookupCache_ = value; }
  const std::string& Origin() const { return origin_; }
  void SetOrigin(const std::string& value) { origin_ = value; }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value) { readOnly_ = value; }
  bool Required() const { return required_; }
  void SetRequired(bool value) { required_ = value; }
  bool Visible() const { return visible_; }
  void SetVisible(bool value) { visible_ = value; }

  TFieldNotifyEvent OnChange;
  TFieldGetTextEvent OnGetText;
  TFieldSetTextEvent OnSetText;
  TFieldNotifyEvent OnValidate;

  // DisplayLabel when set, else FieldName.
  std::string DisplayName() const { return displayLabel_.empty() ? fieldName_ : displayLabel_; }
  TFieldType DataType() const { return dataType_; }
  // Size in the class's unit (characters, bytes, decimal places); checked per class.
  int Size() const { return size_; }
  void SetSize(int value);
  const std::string& EditMask() const { return editMask_; }
  void SetEditMask(const std::string& value) { editMask_ = value; }
  TDataSet* DataSet() const { return dataSet_; }
  // Moves the field into `dataSet`'s Fields (at the end); both data sets must be closed.
  void SetDataSet(TDataSet* dataSet);

  // In a form file a field lies inside its data set.
  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* value) override;
  // Sets the type of a class that stands for several types (string and blob fields);
  // other classes and other types leave the type as it is.
  virtual void SetFieldType(TFieldType) {}

protected:
  // Display width while none is set.
  virtual int DefaultWidth() const { return 10; }
  // Raises "Invalid field size" for a size this class cannot have.
  virtual void CheckTypeSize(int value) const;
  void SetDataType(TFieldType value) { dataType_ = value; }
  void InitSize(int value) { size_ = value; }

private:
  friend class TDataSet;
  TAlignment alignment_ = taLeftJustify;
  std::string customConstraint_;
  std::string constraintErrorMessage_;
  std::string defaultExpression_;
  std::string displayLabel_;
  int displayWidth_ = 0;
  TFieldKind fieldKind_ = fkData;
  std::string fieldName_;
  std::string importedConstraint_;
  TComponentRef<TDataSet> lookupDataSet_{this};
  std::string lookupKeyFields_;
  std::string lookupResultField_;
  std::string keyFields_;
  bool lookupCache_ = false;
  std::string origin_;
  bool readOnly_ = false;
  bool required_ = false;
  bool visible_ = true;
  TFieldType dataType_ = ftUnknown;
  int size_ = 0;
  std::string editMask_;
  TDataSet* dataSet_ = nullptr;
};

// Text of any length up to 8192 characters; Size is the length, 20 unless set.
class TStringField : public TField {
  VCL_CLASS(TStringField, TField)
  explicit TStringField(TComponent* owner);
  bool FixedChar() const { return DataType() == ftFixedChar; }
  void SetFixedChar(bool value) { SetFieldType(value ? ftFixedChar : ftString); }
  bool Transliterate() const { return transliterate_; }
  void SetTransliterate(bool value) { transliterate_ = value; }
  void SetFieldType(TFieldType value) override;

protected:
  int DefaultWidth() const override { return Size(); }
  void CheckTypeSize(int value) const override;

private:
  bool transliterate_ = true;
};

class TWideStringField : public TStringField {
  VCL_CLASS(TWideStringField, TStringField)
  explicit TWideStringField(TComponent* owner);
};

// Numbers: right-justified, with display and edit formats.
class TNumericField : public TField {
  VCL_CLASS(TNumericField, TField)
  explicit TNumericField(TComponent* owner);
  const std::string& DisplayFormat() const { return displayFormat_; }
  void SetDisplayFormat(const std::string& value) { displayFormat_ = value; }
  const std::string& EditFormat() const { return editFormat_; }
  void SetEditFormat(const std::string& value) { editFormat_ = value; }

private:
  std::string displayFormat_;
  std::string editFormat_;
};

class TIntegerField : public TNumericField {
  VCL_CLASS(TIntegerField, TNumericField)
  explicit TIntegerField(TComponent* owner);
  int MaxValue() const { return maxValue_; }
  void SetMaxValue(int value) { maxValue_ = value; }
  int MinValue() const { return minValue_; }
  void SetMinValue(int value) { minValue_ = value; }

private:
  int maxValue_ = 0;
  int minValue_ = 0;
};

class TSmallintField : public TIntegerField {
  VCL_CLASS(TSmallintField, TIntegerField)
  explicit TSmallintField(TComponent* owner);
};

class TWordField : public TIntegerField {
  VCL_CLASS(TWordField, TIntegerField)
  explicit TWordField(TComponent* owner);
};

class TAutoIncField : public TIntegerField {
  VCL_CLASS(TAutoIncField, TIntegerField)
  explicit TAutoIncField(TComponent* owner);
};

class TLargeintField : public TNumericField {
  VCL_CLASS(TLargeintField, TNumericField)
  explicit TLargeintField(TComponent* owner);
  std::int64_t MaxValue() const { return maxValue_; }
  void SetMaxValue(std::int64_t value) { maxValue_ = value; }
  std::int64_t MinValue() const { return minValue_; }
  void SetMinValue(std::int64_t value) { minValue_ = value; }

protected:
  int DefaultWidth() const override { return 15; }

private:
  std::int64_t maxValue_ = 0;
  std::int64_t minValue_ = 0;
};

class TFloatField : public TNumericField {
  VCL_CLASS(TFloatField, TNumericField)
  explicit TFloatField(TComponent* owner);
  bool Currency() const { return currency_; }
  void SetCurrency(bool value) { currency_ = value; }
  double MaxValue() const { return maxValue_; }
  void SetMaxValue(double value) { maxValue_ = value; }
  double MinValue() const { return minValue_; }
  void SetMinValue(double value) { minValue_ = value; }
  int Precision() const { return precision_; }
  void SetPrecision(int value);

private:
  bool currency_ = false;
  double maxValue_ = 0;
  double minValue_ = 0;
  int precision_ = 15;
};

class TCurrencyField : public TFloatField {
  VCL_CLASS(TCurrencyField, TFloatField)
  explicit TCurrencyField(TComponent* owner);
};

// Binary-coded decimals: Precision digits in all, Size of them after the point.
class TBCDField : public TNumericField {
  VCL_CLASS(TBCDField, TNumericField)
  explicit TBCDField(TComponent* owner);
  bool Currency() const { return currency_; }
  void SetCurrency(bool value) { currency_ = value; }
  double MaxValue() const { return maxValue_; }
  void SetMaxValue(double value) { maxValue_ = value; }
  double MinValue() const { return minValue_; }
  void SetMinValue(double value) { minValue_ = value; }
  int Precision() const { return precision_; }
  void SetPrecision(int value);

protected:
  // Room for every digit and the sign; 10 while the precision is unknown.
  int DefaultWidth() const override { return precision_ > 0 ? precision_ + 1 : 10; }
  void CheckTypeSize(int value) const override;

private:
  bool currency_ = false;
  double maxValue_ = 0;
  double minValue_ = 0;
  int precision_ = 0;
};

class TBooleanField : public TField {
  VCL_CLASS(TBooleanField, TField)
  explicit TBooleanField(TComponent* owner);
  // "True text;False text"; empty for the default words.
  const std::string& DisplayValues() const { return displayValues_; }
  void SetDisplayValues(const std::string& value) { displayValues_ = value; }

protected:
  int DefaultWidth() const override { return 5; }  // the longer of "True" and "False"

private:
  std::string displayValues_;
};

class TDateTimeField : public TField {
  VCL_CLASS(TDateTimeField, TField)
  explicit TDateTimeField(TComponent* owner);
  const std::string& DisplayFormat() const { return displayFormat_; }
  void SetDisplayFormat(const std::string& value) { displayFormat_ = value; }

protected:
  int DefaultWidth() const override { return 18; }

private:
  std::string displayFormat_;
};

class TDateField : public TDateTimeField {
  VCL_CLASS(TDateField, TDateTimeField)
  explicit TDateField(TComponent* owner);

protected:
  int DefaultWidth() const override { return 10; }
};

class TTimeField : public TDateTimeField {
  VCL_CLASS(TTimeField, TDateTimeField)
  explicit TTimeField(TComponent* owner);

protected:
  int DefaultWidth() const override { return 10; }
};

// Fixed-size binary data: Size bytes, 16 unless set.
class TBinaryField : public TField {
  VCL_CLASS(TBinaryField, TField)
  explicit TBinaryField(TComponent* owner);

protected:
  void CheckTypeSize(int value) const override;
};

class TBytesField : public TBinaryField {
  VCL_CLASS(TBytesField, TBinaryField)
  explicit TBytesField(TComponent* owner);
};

class TVarBytesField : public TBinaryField {
  VCL_CLASS(TVarBytesField, TBinaryField)
  explicit TVarBytesField(TComponent* owner);
};

// Data of any length. BlobType tells which of the blob types it holds.
class TBlobField : public TField {
  VCL_CLASS(TBlobField, TField)
  explicit TBlobField(TComponent* owner);
  TFieldType BlobType() const { return DataType(); }
  void SetBlobType(TFieldType value) { SetFieldType(value); }
  // Takes the blob types ftBlob to ftTypedBinary.
  void SetFieldType(TFieldType value) override;

protected:
  void CheckTypeSize(int value) const override;
};

class TMemoField : public TBlobField {
  VCL_CLASS(TMemoField, TBlobField)
  explicit TMemoField(TComponent* owner);
  bool Transliterate() const { return transliterate_; }
  void SetTransliterate(bool value) { transliterate_ = value; }

private:
  bool transliterate_ = true;
};

class TGraphicField : public TBlobField {
  VCL_CLASS(TGraphicField, TBlobField)
  explicit TGraphicField(TComponent* owner);
};

// Fields of object types (records, arrays, nested data sets, references).
class TObjectField : public TField {
  VCL_CLASS(TObjectField, TField)
  explicit TObjectField(TComponent* owner);

protected:
  void CheckTypeSize(int value) const override;
};

class TADTField : public TObjectField {
  VCL_CLASS(TADTField, TObjectField)
  explicit TADTField(TComponent* owner);
};

class TArrayField : public TObjectField {
  VCL_CLASS(TArrayField, TObjectField)
  explicit TArrayField(TComponent* owner);
};

class TDataSetField : public TObjectField {
  VCL_CLASS(TDataSetField, TObjectField)
  explicit TDataSetField(TComponent* owner);
  bool IncludeObjectField() const { return includeObjectField_; }
  void SetIncludeObjectField(bool value) { includeObjectField_ = value; }

private:
  bool includeObjectField_ = false;
};

class TReferenceField : public TDataSetField {
  VCL_CLASS(TReferenceField, TDataSetField)
  explicit TReferenceField(TComponent* owner);
  const std::string& ReferenceTableName() const { return referenceTableName_; }
  void SetReferenceTableName(const std::string& value) { referenceTableName_ = value; }

private:
  std::string referenceTableName_;
};

// The field class of each field type; null for ftUnknown and ftCursor.
const std::array<TClass, FieldTypeCount>& DefaultFieldClasses();

// The fields of one data set, in order. The list does not own them: the data set frees them.
class TFields {
public:
  explicit TFields(TDataSet* dataSet) : dataSet_(dataSet) {}
  TFields(const TFields&) = delete;
  TFields& operator=(const TFields&) = delete;

  TDataSet* DataSet() const { return dataSet_; }
  int Count() const { return static_cast<int>(list_.size()); }
  // Raises EListError for a bad index.
  TField* Fields(int index) const;
  int IndexOf(const TField* field) const;
  // The field of that name, ignoring case; null when none.
  TField* FindField(std::string_view fieldName) const;
  // Raises EDatabaseError "Field 'X' not found" when none.
  TField* FieldByName(std::string_view fieldName) const;

private:
  friend class TField;
  friend class TDataSet;
  void Add(TField* field);
  void Remove(TField* field);
  void Move(TField* field, int index);
  // A field left or moved: the name index is made again when next asked.
  void NamesChanged() { indexed_ = false; }
  // `field`, once named `oldName`, has a new name.
  void Renamed(TField* field, const std::string& oldName);

  TDataSet* dataSet_;
  std::vector<TField*> list_;
  // The first field of each name, ignoring case, unnamed fields left out; valid while indexed_.
  mutable TextMap<TField*> names_;
  mutable bool indexed_ = false;
};

}  // namespace vcl
