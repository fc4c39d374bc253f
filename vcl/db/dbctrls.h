// Data-aware controls: controls bound to a field of a data source's data set, the lookup
// controls that also list the records of a second data source, and the navigator.
//
// The model keeps no record values: a bound control knows its data source and its field
// (while the data set is open) but shows no field contents.
#pragma once

#include <memory>
#include <string>

#include "vcl/bitmap.h"
#include "vcl/comctrls.h"
#include "vcl/db/db.h"
#include "vcl/extctrls.h"
#include "vcl/stdctrls.h"

namespace vcl {

// A control's link to one field: the data source (cleared when it is destroyed) and the
// field's name.
class TFieldDataLink {
public:
  explicit TFieldDataLink(TComponent* control) : control_(control), dataSource_(control) {}

  TDataSource* DataSource() const { return dataSource_.get(); }
  void SetDataSource(TDataSource* value);
  const std::string& FieldName() const { return fieldName_; }
  // While the link is active (and the control is not loading) the data set must have a
  // field of that name: EDatabaseError "Field 'X' not found" otherwise. The name is kept.
  void SetFieldName(const std::string& value);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value) { readOnly_ = value; }

  // The data source is enabled and its data set is open.
  bool Active() const { return DataSource() && DataSource()->State() != dsInactive; }
  // The field named FieldName while the link is active; null otherwise.
  TField* Field() const;

private:
  void CheckField() const;

  TComponent* control_;
  TComponentRef<TDataSource> dataSource_;
  std::string fieldName_;
  bool readOnly_ = false;
};

// The DataField and DataSource of a data-aware control, held in its field link.
class TFieldDataControl {
public:
  const std::string& DataField() const { return link_.FieldName(); }
  void SetDataField(const std::string& value) { link_.SetFieldName(value); }
  TDataSource* DataSource() const { return link_.DataSource(); }
  void SetDataSource(TDataSource* value) { link_.SetDataSource(value); }
  TField* Field() const { return link_.Field(); }

protected:
  explicit TFieldDataControl(TComponent* self) : link_(self) {}
  // The control's ReadOnly, for controls whose ancestor has none.
  bool LinkReadOnly() const { return link_.ReadOnly(); }
  void SetLinkReadOnly(bool value) { link_.SetReadOnly(value); }

private:
  TFieldDataLink link_;
};

// ---- Texts and edits

// A label showing a field. Unlike a label it does not size itself unless asked to
// (AutoSize is False) and shows ampersands as they are. While designed it shows its name.
class TDBText : public TCustomLabel, public TFieldDataControl {
  VCL_CLASS(TDBText, TCustomLabel)
  explicit TDBText(TComponent* owner);
  void Loaded() override;
};

class TDBEdit : public TCustomEdit, public TFieldDataControl {
  VCL_CLASS(TDBEdit, TCustomEdit)
  explicit TDBEdit(TComponent* owner);
};

// A memo showing a text field. AutoDisplay: show the contents as soon as the record
// changes (otherwise on demand).
class TDBMemo : public TCustomMemo, public TFieldDataControl {
  VCL_CLASS(TDBMemo, TCustomMemo)
  explicit TDBMemo(TComponent* owner);
  bool AutoDisplay() const { return autoDisplay_; }
  void SetAutoDisplay(bool value) { autoDisplay_ = value; }

private:
  bool autoDisplay_ = true;
};

class TDBRichEdit : public TCustomRichEdit, public TFieldDataControl {
  VCL_CLASS(TDBRichEdit, TCustomRichEdit)
  explicit TDBRichEdit(TComponent* owner);
  bool AutoDisplay() const { return autoDisplay_; }
  void SetAutoDisplay(bool value) { autoDisplay_ = value; }

private:
  bool autoDisplay_ = true;
};

// A picture held in a graphic field.
class TDBImage : public TCustomControl, public TFieldDataControl {
  VCL_CLASS(TDBImage, TCustomControl)
  explicit TDBImage(TComponent* owner);
  ~TDBImage() override;

  TPicture* Picture() const { return picture_.get(); }
  bool AutoDisplay() const { return autoDisplay_; }
  void SetAutoDisplay(bool value) { autoDisplay_ = value; }
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  bool Center() const { return center_; }
  void SetCenter(bool value) { center_ = value; }
  bool QuickDraw() const { return quickDraw_; }
  void SetQuickDraw(bool value) { quickDraw_ = value; }
  bool ReadOnly() const { return LinkReadOnly(); }
  void SetReadOnly(bool value) { SetLinkReadOnly(value); }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool value) { stretch_ = value; }

protected:
  int BorderExtent() const override;

private:
  std::unique_ptr<TPicture> picture_;
  bool autoDisplay_ = true;
  TBorderStyle borderStyle_ = bsSingle;
  bool center_ = true;
  bool quickDraw_ = true;
  bool stretch_ = false;
};

// ---- Buttons and lists

// A check box for a field whose value is ValueChecked or ValueUnchecked ('True' and
// 'False' unless set; each may list several values separated by semicolons).
class TDBCheckBox : public TCustomCheckBox, public TFieldDataControl {
  VCL_CLASS(TDBCheckBox, TCustomCheckBox)
  explicit TDBCheckBox(TComponent* owner);

  bool ReadOnly() const { return LinkReadOnly(); }
  void SetReadOnly(bool value) { SetLinkReadOnly(value); }
  const std::string& ValueChecked() const { return valueChecked_; }
  void SetValueChecked(const std::string& value) { valueChecked_ = value; }
  const std::string& ValueUnchecked() const { return valueUnchecked_; }
  void SetValueUnchecked(const std::string& value) { valueUnchecked_ = value; }
  // Stored unless they read 'True' and 'False', ignoring case.
  bool IsValueCheckedStored() const;
  bool IsValueUncheckedStored() const;

private:
  std::string valueChecked_ = "True";
  std::string valueUnchecked_ = "False";
};

class TDBListBox : public TCustomListBox, public TFieldDataControl {
  VCL_CLASS(TDBListBox, TCustomListBox)
  explicit TDBListBox(TComponent* owner);
  bool ReadOnly() const { return LinkReadOnly(); }
  void SetReadOnly(bool value) { SetLinkReadOnly(value); }
};

class TDBComboBox : public TCustomComboBox, public TFieldDataControl {
  VCL_CLASS(TDBComboBox, TCustomComboBox)
  explicit TDBComboBox(TComponent* owner);
  bool ReadOnly() const { return LinkReadOnly(); }
  void SetReadOnly(bool value) { SetLinkReadOnly(value); }
};

// A radio group whose checked button is the field's value. Button i stands for Values[i],
// or for Items[i] when that is missing or empty.
class TDBRadioGroup : public TCustomRadioGroup, public TFieldDataControl {
  VCL_CLASS(TDBRadioGroup, TCustomRadioGroup)
  explicit TDBRadioGroup(TComponent* owner);
  ~TDBRadioGroup() override;

  bool ReadOnly() const { return LinkReadOnly(); }
  void SetReadOnly(bool value) { SetLinkReadOnly(value); }
  TStrings* Values() const { return values_.get(); }
  // The value of the checked button ('' for none). Setting it checks the first button
  // standing for that value (none when no button does) and runs OnChange.
  const std::string& Value() const { return value_; }
  void SetValue(const std::string& value);
  std::string ButtonValue(int index) const;

  // A button checked by a click sets Value.
  void Click() override;

  TNotifyEvent OnChange;

private:
  std::unique_ptr<TStringList> values_;
  std::string value_;
  bool inSetValue_ = false;
};

// ---- Lookup controls

enum TDropDownAlign { daLeft, daRight, daCenter };

// A control that shows, for the field DataField, the ListField of the ListSource record
// whose KeyField matches.
class TDBLookupControl : public TCustomControl, public TFieldDataControl {
  VCL_CLASS(TDBLookupControl, TCustomControl)
  explicit TDBLookupControl(TComponent* owner);

  const std::string& KeyField() const { return keyField_; }
  void SetKeyField(const std::string& value) { keyField_ = value; }
  // Field names separated by semicolons; ListFieldIndex picks the one searched by typing.
  const std::string& ListField() const { return listField_; }
  void SetListField(const std::string& value) { listField_ = value; }
  int ListFieldIndex() const { return listFieldIndex_; }
  void SetListFieldIndex(int value) { listFieldIndex_ = value < 0 ? 0 : value; }
  // Cleared when that data source is destroyed.
  TDataSource* ListSource() const { return listSource_.get(); }
  void SetListSource(TDataSource* value) { listSource_.Set(value); }
  bool ReadOnly() const { return LinkReadOnly(); }
  void SetReadOnly(bool value) { SetLinkReadOnly(value); }

protected:
  // The height of a text line in the control's font.
  int TextHeight() const;
  // The border around the client area, both sides together.
  int BorderSize() const;
  // The font, the 3D look or the parent changed: the height follows them.
  virtual void LayoutChanged() {}
  void FontChanged() override {
    TCustomControl::FontChanged();
    LayoutChanged();
  }
  void Ctl3DChanged() override { LayoutChanged(); }
  void ParentChanged() override { LayoutChanged(); }

private:
  std::string keyField_;
  std::string listField_;
  int listFieldIndex_ = 0;
  TComponentRef<TDataSource> listSource_{this};
};

// A list of RowCount lines: its height is always a whole number of lines plus the border.
class TDBLookupListBox : public TDBLookupControl {
  VCL_CLASS(TDBLookupListBox, TDBLookupControl)
  explicit TDBLookupListBox(TComponent* owner);

  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  int RowCount() const { return rowCount_; }
  // From 1 to 100 lines.
  void SetRowCount(int value);
  // Outside loading, the height becomes a whole number of rows.
  void SetBounds(int left, int top, int width, int height) override;
  void Loaded() override;

protected:
  void LayoutChanged() override;
  int BorderExtent() const override;

private:
  int ListBorderSize() const { return borderStyle_ == bsSingle ? BorderSize() : 0; }

  TBorderStyle borderStyle_ = bsSingle;
  int rowCount_ = 7;
};

// A drop-down list one text line high (the height follows the font).
class TDBLookupComboBox : public TDBLookupControl {
  VCL_CLASS(TDBLookupComboBox, TDBLookupControl)
  explicit TDBLookupComboBox(TComponent* owner);

  TDropDownAlign DropDownAlign() const { return dropDownAlign_; }
  void SetDropDownAlign(TDropDownAlign value) { dropDownAlign_ = value; }
  int DropDownRows() const { return dropDownRows_; }
  void SetDropDownRows(int value) { dropDownRows_ = value; }
  // 0: as wide as the control.
  int DropDownWidth() const { return dropDownWidth_; }
  void SetDropDownWidth(int value) { dropDownWidth_ = value; }

  TNotifyEvent OnCloseUp;
  TNotifyEvent OnDropDown;

protected:
  void LayoutChanged() override;

private:
  TDropDownAlign dropDownAlign_ = daLeft;
  int dropDownRows_ = 7;
  int dropDownWidth_ = 0;
};

// ---- Navigator

enum TNavigateBtn { nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbEdit, nbPost, nbCancel, nbRefresh };
constexpr int NavigateBtnCount = nbRefresh + 1;
using TButtonSet = std::uint32_t;  // bit n for TNavigateBtn n
constexpr TButtonSet AllNavigateButtons = (1u << NavigateBtnCount) - 1;
using ENavClick = TEvent<TObject*, TNavigateBtn>;

// A row of buttons that move through and edit a data source's records. The visible
// buttons share the width equally: unless aligned, the navigator is exactly as wide as
// its buttons together, at least 20 pixels per button and 18 pixels high.
class TDBNavigator : public TCustomPanel {
  VCL_CLASS(TDBNavigator, TCustomPanel)
  explicit TDBNavigator(TComponent* owner);
  ~TDBNavigator() override;

  // Cleared when the data source is destroyed.
  TDataSource* DataSource() const { return dataSource_.get(); }
  void SetDataSource(TDataSource* value) { dataSource_.Set(value); }
  TButtonSet VisibleButtons() const { return visibleButtons_; }
  void SetVisibleButtons(TButtonSet value);
  bool Flat() const { return flat_; }
  void SetFlat(bool value) { flat_ = value; }
  // Hints of the buttons, one line per button; empty lines leave a button's own hint.
  TStrings* Hints() const { return hints_.get(); }
  bool ConfirmDelete() const { return confirmDelete_; }
  void SetConfirmDelete(bool value) { confirmDelete_ = value; }
  // The width each visible button gets.
  int ButtonWidth() const { return buttonWidth_; }

  void SetBounds(int left, int top, int width, int height) override;
  void Loaded() override;

  ENavClick BeforeAction;
  ENavClick OnNavClick;  // published as OnClick

private:
  int VisibleCount() const;
  // Fits the proposed size to the visible buttons (nothing while loading).
  void FitSize(int& width, int& height);

  TComponentRef<TDataSource> dataSource_{this};
  TButtonSet visibleButtons_ = AllNavigateButtons;
  bool flat_ = false;
  std::unique_ptr<TStringList> hints_;
  bool confirmDelete_ = true;
  int buttonWidth_ = 0;
};

}  // namespace vcl
