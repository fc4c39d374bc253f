// The columns of a data grid: which field each shows, with its title, width, font, colour
// and editing options. A value not set on the column follows the grid (its font and colour)
// or the field (its caption, alignment and width), and the form file holds only the values
// that were set.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "vcl/collections.h"
#include "vcl/control_types.h"
#include "vcl/font.h"
#include "vcl/menus.h"
#include "vcl/strings.h"

namespace vcl {

class TColumn;
class TCustomDBGrid;
class TField;

enum TColumnButtonStyle { cbsAuto, cbsEllipsis, cbsNone };
const TTypeInfo* TypeInfoColumnButtonStyle();

// The values a column (or its title) holds itself rather than takes from the grid or field.
enum TColumnValue {
  cvColor, cvWidth, cvFont, cvAlignment, cvReadOnly, cvTitleColor, cvTitleCaption, cvTitleAlignment, cvTitleFont,
  cvImeMode, cvImeName
};
using TColumnValues = std::uint32_t;  // bit n for TColumnValue n

// A font that follows another until it is changed itself.
class TFollowingFont {
public:
  // `changed` runs when the font is changed itself.
  explicit TFollowingFont(std::function<void()> changed);
  // The font: `source`'s while not changed itself.
  TFont* Get(const TFont* source) const;

private:
  std::unique_ptr<TFont> font_ = std::make_unique<TFont>();
  bool assigned_ = false;
  mutable bool following_ = false;
};

class TColumnTitle : public TPersistent {
  VCL_CLASS(TColumnTitle, TPersistent)
  explicit TColumnTitle(TColumn* column);

  TAlignment Alignment() const;
  void SetAlignment(TAlignment value);
  // The field's display name (or the field name) until set.
  std::string Caption() const;
  void SetCaption(const std::string& value);
  TColor Color() const;
  void SetColor(TColor value);
  TFont* Font() const;

  bool IsAlignmentStored() const;
  bool IsCaptionStored() const;
  bool IsColorStored() const;

private:
  TColumn* column_;
  TAlignment alignment_ = taLeftJustify;
  std::string caption_;
  TColor color_ = clBtnFace;
  TFollowingFont font_;
};

class TColumn : public TCollectionItem {
  VCL_CLASS(TColumn, TCollectionItem)
  // A column belongs to a collection with an owner (a grid's columns), through which it
  // refers to its pop-up menu.
  explicit TColumn(TCollection* collection);

  // The grid the column belongs to; null for a collection without one.
  TCustomDBGrid* Grid() const;
  // The field of the grid's data set the column shows; null when none is open or found.
  TField* Field() const;

  TAlignment Alignment() const;
  void SetAlignment(TAlignment value);
  TColumnButtonStyle ButtonStyle() const { return buttonStyle_; }
  void SetButtonStyle(TColumnButtonStyle value) { buttonStyle_ = value, Changed(); }
  TColor Color() const;
  void SetColor(TColor value);
  int DropDownRows() const { return dropDownRows_; }
  void SetDropDownRows(int value) { dropDownRows_ = value; }
  bool Expanded() const { return expanded_; }
  void SetExpanded(bool value) { expanded_ = value, Changed(); }
  const std::string& FieldName() const { return fieldName_; }
  void SetFieldName(const std::string& value) { fieldName_ = value, Changed(); }
  TFont* Font() const;
  TImeMode ImeMode() const;
  void SetImeMode(TImeMode value);
  std::string ImeName() const;
  void SetImeName(const std::string& value);
  TStrings* PickList() const { return pickList_.get(); }
  TPopupMenu* PopupMenu() const { return popupMenu_.get(); }
  void SetPopupMenu(TPopupMenu* value) { popupMenu_.Set(value); }
  bool ReadOnly() const;
  void SetReadOnly(bool value);
  TColumnTitle* Title() const { return title_.get(); }
  // The field's display width in the column's font, or the grid's column width, until set.
  int Width() const;
  void SetWidth(int value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value) { visible_ = value, Changed(); }

  TColumnValues AssignedValues() const { return assigned_; }
  bool HasValue(TColumnValue value) const { return (assigned_ & (1u << value)) != 0; }
  // Whether the form file holds the column (the grid's own default columns it does not).
  bool IsStored() const { return stored_; }
  void SetStored(bool value) { stored_ = value; }

private:
  friend class TColumnTitle;
  void MarkAssigned(TColumnValue value) { assigned_ |= 1u << value; }
  // Runs the item's change notification for the title.
  void TitleChanged() { Changed(); }

  std::string fieldName_;
  TAlignment alignment_ = taLeftJustify;
  TColumnButtonStyle buttonStyle_ = cbsAuto;
  TColor color_ = clWindow;
  int dropDownRows_ = 7;
  bool expanded_ = true;
  TFollowingFont font_;
  TImeMode imeMode_ = imDontCare;
  std::string imeName_;
  std::unique_ptr<TStringList> pickList_ = std::make_unique<TStringList>();
  TComponentRef<TPopupMenu> popupMenu_;
  bool readOnly_ = false;
  std::unique_ptr<TColumnTitle> title_;
  int width_ = 64;
  bool visible_ = true;
  TColumnValues assigned_ = 0;
  bool stored_ = true;
};

// Default: the grid shows its data set's fields with columns of its own making, which the
// form file leaves out; customized: the columns are the user's and the file holds them.
enum TDBGridColumnsState { csDefault, csCustomized };
const TTypeInfo* TypeInfoDBGridColumnsState();

class TDBGridColumns : public TTypedCollection<TColumn> {
  VCL_CLASS(TDBGridColumns, TCollection)
  explicit TDBGridColumns(TCustomDBGrid* grid);

  TCustomDBGrid* Grid() const { return grid_; }
  // Customized once its first column is stored.
  TDBGridColumnsState State() const;
  // Either way the columns go: the grid then makes its own (default) or keeps them (customized).
  void SetState(TDBGridColumnsState value);

private:
  TCustomDBGrid* grid_;
};

}  // namespace vcl
