#include "vcl/db/dbgrid_columns.h"

#include <algorithm>

#include "vcl/class_builder.h"
#include "vcl/control_types.h"
#include "vcl/db/dbgrids.h"
#include "vcl/text_metrics.h"

namespace vcl {

const TTypeInfo* TypeInfoColumnButtonStyle() {
  static auto t = MakeEnumType("TColumnButtonStyle", {"cbsAuto", "cbsEllipsis", "cbsNone"});
  return t;
}

const TTypeInfo* TypeInfoDBGridColumnsState() {
  static auto t = MakeEnumType("TDBGridColumnsState", {"csDefault", "csCustomized"});
  return t;
}

// ---- TFollowingFont

TFollowingFont::TFollowingFont(std::function<void()> changed) {
  font_->OnChange = [this, changed = std::move(changed)](TObject*) {
    if (following_) return;
    assigned_ = true;
    changed();
  };
}

TFont* TFollowingFont::Get(const TFont* source) const {
  if (!assigned_ && source && !font_->SameAs(*source)) {
    following_ = true;
    font_->Assign(const_cast<TFont*>(source));
    following_ = false;
  }
  return font_.get();
}

// ---- TColumnTitle

TClass TColumnTitle::ClassInfo() {
  static TClass cls = [] {
    using T = TColumnTitle;
    TClassBuilder<T> b("TColumnTitle", TPersistent::ClassInfo());
    b.Enum<TAlignment>("Alignment", TypeInfoAlignment(), &T::Alignment, &T::SetAlignment, std::nullopt)
        .StoredWhen(&T::IsAlignmentStored);
    b.String("Caption", &T::Caption, &T::SetCaption, TypeInfoCaption()).StoredWhen(&T::IsCaptionStored);
    b.Integer("Color", &T::Color, &T::SetColor, std::nullopt, TypeInfoColor()).StoredWhen(&T::IsColorStored);
    b.Object<TFont>("Font", &T::Font).StoredWhen([](T& t) { return t.column_->HasValue(cvTitleFont); });
    return b.Build();
  }();
  return cls;
}

TColumnTitle::TColumnTitle(TColumn* column)
    : column_(column), font_([column] {
        column->MarkAssigned(cvTitleFont);
        column->TitleChanged();
      }) {}

TAlignment TColumnTitle::Alignment() const { return IsAlignmentStored() ? alignment_ : taLeftJustify; }

void TColumnTitle::SetAlignment(TAlignment value) {
  alignment_ = value;
  column_->MarkAssigned(cvTitleAlignment);
  column_->TitleChanged();
}

std::string TColumnTitle::Caption() const {
  if (IsCaptionStored()) return caption_;
  TField* field = column_->Field();
  return field ? field->DisplayName() : column_->FieldName();
}

void TColumnTitle::SetCaption(const std::string& value) {
  caption_ = value;
  column_->MarkAssigned(cvTitleCaption);
  column_->TitleChanged();
}

TColor TColumnTitle::Color() const {
  if (IsColorStored()) return color_;
  TCustomDBGrid* grid = column_->Grid();
  return grid ? grid->FixedColor() : clBtnFace;
}

void TColumnTitle::SetColor(TColor value) {
  color_ = value;
  column_->MarkAssigned(cvTitleColor);
  column_->TitleChanged();
}

TFont* TColumnTitle::Font() const {
  TCustomDBGrid* grid = column_->Grid();
  return font_.Get(grid ? grid->TitleFont() : nullptr);
}

bool TColumnTitle::IsAlignmentStored() const { return column_->HasValue(cvTitleAlignment); }
bool TColumnTitle::IsCaptionStored() const { return column_->HasValue(cvTitleCaption); }
bool TColumnTitle::IsColorStored() const { return column_->HasValue(cvTitleColor); }

// ---- TColumn

TClass TColumn::ClassInfo() {
  static TClass cls = [] {
    using C = TColumn;
    TClassBuilder<C> b("TColumn", TCollectionItem::ClassInfo());
    b.Enum<TAlignment>("Alignment", TypeInfoAlignment(), &C::Alignment, &C::SetAlignment, std::nullopt)
        .StoredWhen([](C& c) { return c.HasValue(cvAlignment); });
    b.Enum<TColumnButtonStyle>("ButtonStyle", TypeInfoColumnButtonStyle(), &C::ButtonStyle, &C::SetButtonStyle,
                               cbsAuto);
    b.Integer("Color", &C::Color, &C::SetColor, std::nullopt, TypeInfoColor())
        .StoredWhen([](C& c) { return c.HasValue(cvColor); });
    b.Integer("DropDownRows", &C::DropDownRows, &C::SetDropDownRows, 7);
    b.Bool("Expanded", &C::Expanded, &C::SetExpanded, true);
    b.String("FieldName", &C::FieldName, &C::SetFieldName);
    b.Object<TFont>("Font", &C::Font).StoredWhen([](C& c) { return c.HasValue(cvFont); });
    b.Enum<TImeMode>("ImeMode", TypeInfoImeMode(), &C::ImeMode, &C::SetImeMode, std::nullopt)
        .StoredWhen([](C& c) { return c.HasValue(cvImeMode); });
    b.String("ImeName", &C::ImeName, &C::SetImeName, TypeInfoImeName())
        .StoredWhen([](C& c) { return c.HasValue(cvImeName); });
    b.Object<TStrings>("PickList", &C::PickList);
    b.Reference<TPopupMenu>("PopupMenu", &C::PopupMenu, &C::SetPopupMenu);
    b.Bool("ReadOnly", &C::ReadOnly, &C::SetReadOnly, std::nullopt)
        .StoredWhen([](C& c) { return c.HasValue(cvReadOnly); });
    b.Object<TColumnTitle>("Title", &C::Title);
    b.Integer("Width", &C::Width, &C::SetWidth, std::nullopt).StoredWhen([](C& c) { return c.HasValue(cvWidth); });
    // Without a default: the IDE writes it whatever its value.
    b.Bool("Visible", &C::Visible, &C::SetVisible, std::nullopt);
    return b.Build();
  }();
  return cls;
}

namespace {
// The grid that owns a collection's items, when it is a data grid's.
TCustomDBGrid* GridOf(const TCollection* collection) {
  return collection ? Cast<TCustomDBGrid>(collection->Owner()) : nullptr;
}
}  // namespace

TColumn::TColumn(TCollection* collection)
    : TCollectionItem(collection),
      font_([this] {
        MarkAssigned(cvFont);
        Changed();
      }),
      popupMenu_(collection->Owner()),
      title_(std::make_unique<TColumnTitle>(this)) {
  pickList_->OnChange = [this](TObject*) { Changed(); };
}

TCustomDBGrid* TColumn::Grid() const { return GridOf(Collection()); }

TField* TColumn::Field() const {
  TCustomDBGrid* grid = Grid();
  TDataSource* source = grid ? grid->DataSource() : nullptr;
  TDataSet* data = source ? source->DataSet() : nullptr;
  return data && !fieldName_.empty() ? data->FindField(fieldName_) : nullptr;
}

TAlignment TColumn::Alignment() const {
  if (HasValue(cvAlignment)) return alignment_;
  TField* field = Field();
  return field ? field->Alignment() : taLeftJustify;
}

void TColumn::SetAlignment(TAlignment value) {
  alignment_ = value;
  MarkAssigned(cvAlignment);
  Changed();
}

TColor TColumn::Color() const {
  if (HasValue(cvColor)) return color_;
  TCustomDBGrid* grid = Grid();
  return grid ? grid->Color() : clWindow;
}

void TColumn::SetColor(TColor value) {
  color_ = value;
  MarkAssigned(cvColor);
  Changed();
}

TFont* TColumn::Font() const {
  TCustomDBGrid* grid = Grid();
  return font_.Get(grid ? &grid->EffectiveFont() : nullptr);
}

TImeMode TColumn::ImeMode() const {
  if (HasValue(cvImeMode)) return imeMode_;
  TCustomDBGrid* grid = Grid();
  return grid ? grid->ImeMode() : imDontCare;
}

void TColumn::SetImeMode(TImeMode value) {
  imeMode_ = value;
  MarkAssigned(cvImeMode);
}

std::string TColumn::ImeName() const {
  if (HasValue(cvImeName)) return imeName_;
  TCustomDBGrid* grid = Grid();
  return grid ? grid->ImeName() : std::string();
}

void TColumn::SetImeName(const std::string& value) {
  imeName_ = value;
  MarkAssigned(cvImeName);
}

bool TColumn::ReadOnly() const {
  if (HasValue(cvReadOnly)) return readOnly_;
  TCustomDBGrid* grid = Grid();
  return grid && grid->ReadOnly();
}

void TColumn::SetReadOnly(bool value) {
  readOnly_ = value;
  MarkAssigned(cvReadOnly);
  Changed();
}

int TColumn::Width() const {
  if (HasValue(cvWidth)) return width_;
  TCustomDBGrid* grid = Grid();
  if (!grid) return 64;
  TField* field = Field();
  if (!field) return grid->DefaultColWidth();
  // As many average characters as the field shows, and at least the title.
  int digit = MeasureTextWidth(*Font(), "0");
  int width = field->DisplayWidth() * digit - digit / 2 + 3;
  if (grid->HasDBOption(dgTitles)) width = std::max(width, MeasureTextWidth(*title_->Font(), title_->Caption()) + 4);
  return width;
}

void TColumn::SetWidth(int value) {
  value = std::max(value, 0);
  // A width equal to the default one leaves the column following the field.
  if (!HasValue(cvWidth) && value == Width()) return;
  width_ = value;
  MarkAssigned(cvWidth);
  Changed();
}

// ---- TDBGridColumns

TClass TDBGridColumns::ClassInfo() {
  static TClass cls = TClassBuilder<TDBGridColumns>("TDBGridColumns", TCollection::ClassInfo()).Build();
  return cls;
}

TDBGridColumns::TDBGridColumns(TCustomDBGrid* grid) : TTypedCollection<TColumn>(grid), grid_(grid) {}

TDBGridColumnsState TDBGridColumns::State() const {
  return Count() > 0 && Items(0)->IsStored() ? csCustomized : csDefault;
}

void TDBGridColumns::SetState(TDBGridColumnsState value) {
  if (value == State()) return;
  if (value == csDefault) {
    Clear();
    return;
  }
  for (int i = 0; i < Count(); ++i) Items(i)->SetStored(true);
}

}  // namespace vcl
