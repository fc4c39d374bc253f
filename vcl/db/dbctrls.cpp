#include "vcl/db/dbctrls.h"

#include <algorithm>

#include "vcl/published_controls.h"
#include "vcl/text_metrics.h"

namespace vcl {

namespace {

const char* const kWinControlEvents =
    "OnDragDrop OnDragOver OnEndDock OnEndDrag OnEnter OnExit OnKeyDown OnKeyPress OnKeyUp OnMouseDown "
    "OnMouseMove OnMouseUp OnStartDock OnStartDrag";

// DataField then DataSource, as every data-aware control publishes them.
template <class C>
void PublishDataLink(TClassBuilder<C>& b) {
  b.String("DataField", &C::DataField, &C::SetDataField);
  b.template Reference<TDataSource>("DataSource", &C::DataSource, &C::SetDataSource);
}

template <class C>
void PublishReadOnly(TClassBuilder<C>& b) {
  b.Bool("ReadOnly", &C::ReadOnly, &C::SetReadOnly, false);
}

// Sets a flag for the lifetime of the scope.
class TFlagScope {
public:
  explicit TFlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;
  ~TFlagScope() { flag_ = false; }

private:
  bool& flag_;
};

}  // namespace

// ---- TFieldDataLink

void TFieldDataLink::SetDataSource(TDataSource* value) {
  dataSource_.Set(value);
  CheckField();
}

void TFieldDataLink::SetFieldName(const std::string& value) {
  fieldName_ = value;
  CheckField();
}

TField* TFieldDataLink::Field() const {
  return Active() && !fieldName_.empty() ? DataSource()->DataSet()->FindField(fieldName_) : nullptr;
}

void TFieldDataLink::CheckField() const {
  if (control_->HasState(csLoading) || fieldName_.empty() || !Active()) return;
  DataSource()->DataSet()->FieldByName(fieldName_);
}

// ---- TDBText

TClass TDBText::ClassInfo() {
  static TClass cls = [] {
    using T = TDBText;
    TClassBuilder<T> b("TDBText", TCustomLabel::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Align");
    b.Enum<TAlignment>("Alignment", TypeInfoAlignment(), &T::Alignment, &T::SetAlignment, taLeftJustify);
    PublishStandard(b, "Anchors");
    b.Bool("AutoSize", &T::AutoSize, &T::SetAutoSize, false);
    PublishStandard(b, "BiDiMode Color Constraints");
    PublishDataLink(b);
    PublishStandard(b, "DragCursor DragKind DragMode Enabled Font ParentBiDiMode ParentColor ParentFont ParentShowHint PopupMenu");
    b.Bool("Transparent", &T::Transparent, &T::SetTransparent, false);
    PublishStandard(b, "ShowHint Visible");
    b.Bool("WordWrap", &T::WordWrap, &T::SetWordWrap, false);
    PublishStandard(b,
                    "OnClick OnDblClick OnDragDrop OnDragOver OnEndDock OnEndDrag OnMouseDown OnMouseMove OnMouseUp "
                    "OnStartDock OnStartDrag");
    return b.Build();
  }();
  return cls;
}

TDBText::TDBText(TComponent* owner) : TCustomLabel(owner), TFieldDataControl(this) {
  SetAutoSize(false);
  SetShowAccelChar(false);
}

void TDBText::Loaded() {
  TCustomLabel::Loaded();
  // Its caption is not stored: while designed it shows its name.
  if (HasState(csDesigning)) SetCaption(Name());
}

// ---- TDBEdit

TClass TDBEdit::ClassInfo() {
  static TClass cls = [] {
    using E = TDBEdit;
    TClassBuilder<E> b("TDBEdit", TCustomEdit::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Anchors");
    b.Bool("AutoSelect", &E::AutoSelect, &E::SetAutoSelect, true);
    b.Bool("AutoSize", &E::AutoSize, &E::SetAutoSize, true);
    PublishStandard(b, "BiDiMode");
    b.Enum<TBorderStyle>("BorderStyle", TypeInfoBorderStyle(), &E::BorderStyle, &E::SetBorderStyle, bsSingle);
    b.Enum<TEditCharCase>("CharCase", TypeInfoEditCharCase(), &E::CharCase, &E::SetCharCase, ecNormal);
    PublishStandard(b, "Color Constraints Ctl3D");
    PublishDataLink(b);
    PublishStandard(b, "DragCursor DragKind DragMode Enabled Font ImeMode ImeName");
    b.Integer("MaxLength", &E::MaxLength, &E::SetMaxLength, 0);
    PublishStandard(b, "ParentBiDiMode ParentColor=False ParentCtl3D ParentFont ParentShowHint");
    b.Char("PasswordChar", &E::PasswordChar, &E::SetPasswordChar, 0);
    PublishStandard(b, "PopupMenu");
    b.Bool("ReadOnly", &E::ReadOnly, &E::SetReadOnly, false);
    PublishStandard(b, "ShowHint TabOrder Visible");
    b.Event("OnChange", &E::OnChange);
    PublishStandard(b, "OnClick OnDblClick");
    PublishStandard(b, kWinControlEvents);
    return b.Build();
  }();
  return cls;
}

TDBEdit::TDBEdit(TComponent* owner) : TCustomEdit(owner), TFieldDataControl(this) {
  SetControlStyle(ControlStyle() | StyleOf(csReplicatable));
}

// ---- TDBMemo

TClass TDBMemo::ClassInfo() {
  static TClass cls = [] {
    using M = TDBMemo;
    TClassBuilder<M> b("TDBMemo", TCustomMemo::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Align");
    b.Enum<TAlignment>("Alignment", TypeInfoAlignment(), &M::Alignment, &M::SetAlignment, taLeftJustify);
    PublishStandard(b, "Anchors");
    b.Bool("AutoDisplay", &M::AutoDisplay, &M::SetAutoDisplay, true);
    PublishStandard(b, "BiDiMode");
    b.Enum<TBorderStyle>("BorderStyle", TypeInfoBorderStyle(), &M::BorderStyle, &M::SetBorderStyle, bsSingle);
    PublishStandard(b, "Color Constraints Ctl3D");
    PublishDataLink(b);
    PublishStandard(b, "DragCursor DragKind DragMode Enabled Font ImeMode ImeName");
    b.Integer("MaxLength", &M::MaxLength, &M::SetMaxLength, 0);
    PublishStandard(b, "ParentBiDiMode ParentColor=False ParentCtl3D ParentFont ParentShowHint PopupMenu");
    b.Bool("ReadOnly", &M::ReadOnly, &M::SetReadOnly, false);
    b.Enum<TScrollStyle>("ScrollBars", TypeInfoScrollStyle(), &M::ScrollBars, &M::SetScrollBars, ssNone);
    PublishStandard(b, "ShowHint TabOrder");
    b.Bool("TabStop", &M::TabStop, &M::SetTabStop, true);
    PublishStandard(b, "Visible");
    b.Bool("WantReturns", &M::WantReturns, &M::SetWantReturns, true);
    b.Bool("WantTabs", &M::WantTabs, &M::SetWantTabs, false);
    b.Bool("WordWrap", &M::WordWrap, &M::SetWordWrap, true);
    b.Event("OnChange", &M::OnChange);
    PublishStandard(b, "OnClick OnDblClick");
    PublishStandard(b, kWinControlEvents);
    return b.Build();
  }();
  return cls;
}

TDBMemo::TDBMemo(TComponent* owner) : TCustomMemo(owner), TFieldDataControl(this) {
  SetControlStyle(ControlStyle() | StyleOf(csReplicatable));
}

// ---- TDBRichEdit

TClass TDBRichEdit::ClassInfo() {
  static TClass cls = [] {
    using R = TDBRichEdit;
    TClassBuilder<R> b("TDBRichEdit", TCustomRichEdit::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Align");
    b.Enum<TAlignment>("Alignment", TypeInfoAlignment(), &R::Alignment, &R::SetAlignment, taLeftJustify);
    PublishStandard(b, "Anchors");
    b.Bool("AutoDisplay", &R::AutoDisplay, &R::SetAutoDisplay, true);
    PublishStandard(b, "BiDiMode");
    b.Enum<TBorderStyle>("BorderStyle", TypeInfoBorderStyle(), &R::BorderStyle, &R::SetBorderStyle, bsSingle);
    PublishStandard(b, "Color Constraints Ctl3D");
    PublishDataLink(b);
    PublishStandard(b, "DragCursor DragKind DragMode Enabled Font");
    b.Bool("HideSelection", &R::HideSelection, &R::SetHideSelection, true);
    b.Bool("HideScrollBars", &R::HideScrollBars, &R::SetHideScrollBars, true);
    PublishStandard(b, "ImeMode ImeName");
    b.Integer("MaxLength", &R::MaxLength, &R::SetMaxLength, 0);
    PublishStandard(b, "ParentBiDiMode ParentColor=False ParentCtl3D ParentFont ParentShowHint");
    b.Bool("PlainText", &R::PlainText, &R::SetPlainText, false);
    PublishStandard(b, "PopupMenu");
    b.Bool("ReadOnly", &R::ReadOnly, &R::SetReadOnly, false);
    b.Enum<TScrollStyle>("ScrollBars", TypeInfoScrollStyle(), &R::ScrollBars, &R::SetScrollBars, ssNone);
    PublishStandard(b, "ShowHint TabOrder");
    b.Bool("TabStop", &R::TabStop, &R::SetTabStop, true);
    PublishStandard(b, "Visible");
    b.Bool("WantReturns", &R::WantReturns, &R::SetWantReturns, true);
    b.Bool("WantTabs", &R::WantTabs, &R::SetWantTabs, false);
    b.Bool("WordWrap", &R::WordWrap, &R::SetWordWrap, true);
    b.Event("OnChange", &R::OnChange);
    PublishStandard(b, "OnClick OnDblClick OnDragDrop OnDragOver OnEndDock OnEndDrag OnEnter OnExit OnKeyDown "
                       "OnKeyPress OnKeyUp OnMouseDown OnMouseMove OnMouseUp");
    b.Event("OnProtectChange", &R::OnProtectChange, "TRichEditProtectChange");
    b.Event("OnResizeRequest", &R::OnResizeRequest, "TRichEditResizeEvent");
    b.Event("OnSaveClipboard", &R::OnSaveClipboard, "TRichEditSaveClipboard");
    b.Event("OnSelectionChange", &R::OnSelectionChange);
    PublishStandard(b, "OnStartDock OnStartDrag");
    return b.Build();
  }();
  return cls;
}

TDBRichEdit::TDBRichEdit(TComponent* owner) : TCustomRichEdit(owner), TFieldDataControl(this) {
  SetControlStyle(ControlStyle() | StyleOf(csReplicatable));
}

// ---- TDBImage

TClass TDBImage::ClassInfo() {
  static TClass cls = [] {
    using I = TDBImage;
    TClassBuilder<I> b("TDBImage", TCustomControl::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Align Anchors");
    b.Bool("AutoDisplay", &I::AutoDisplay, &I::SetAutoDisplay, true);
    b.Enum<TBorderStyle>("BorderStyle", TypeInfoBorderStyle(), &I::BorderStyle, &I::SetBorderStyle, bsSingle);
    b.Bool("Center", &I::Center, &I::SetCenter, true);
    PublishStandard(b, "Color Constraints Ctl3D");
    PublishDataLink(b);
    PublishStandard(b, "DragCursor DragKind DragMode Enabled Font ParentColor=False ParentCtl3D ParentFont "
                       "ParentShowHint PopupMenu");
    b.Bool("QuickDraw", &I::QuickDraw, &I::SetQuickDraw, true);
    PublishReadOnly(b);
    PublishStandard(b, "ShowHint");
    b.Bool("Stretch", &I::Stretch, &I::SetStretch, false);
    PublishStandard(b, "TabOrder");
    b.Bool("TabStop", &I::TabStop, &I::SetTabStop, true);
    PublishStandard(b, "Visible OnClick OnDblClick");
    PublishStandard(b, kWinControlEvents);
    return b.Build();
  }();
  return cls;
}

TDBImage::TDBImage(TComponent* owner)
    : TCustomControl(owner), TFieldDataControl(this), picture_(std::make_unique<TPicture>()) {
  SetControlStyle(StyleOf(csOpaque) | StyleOf(csReplicatable));
  SetBounds(0, 0, 105, 105);
  SetTabStop(true);
  SetParentColor(false);
  picture_->OnChange = [this](TObject*) { Repaint(); };
}

TDBImage::~TDBImage() { picture_->OnChange.Clear(); }

void TDBImage::SetBorderStyle(TBorderStyle value) {
  if (value == borderStyle_) return;
  borderStyle_ = value;
  Realign();
}

int TDBImage::BorderExtent() const {
  if (borderStyle_ == bsNone) return 0;
  return Ctl3D() ? 2 : 1;
}

// ---- TDBCheckBox

TClass TDBCheckBox::ClassInfo() {
  static TClass cls = [] {
    using C = TDBCheckBox;
    TClassBuilder<C> b("TDBCheckBox", TCustomCheckBox::ClassInfo());
    b.Creatable();
    b.Enum<TLeftRight>("Alignment", TypeInfoLeftRight(), &C::Alignment, &C::SetAlignment, taRightJustify);
    b.Bool("AllowGrayed", &C::AllowGrayed, &C::SetAllowGrayed, false);
    PublishStandard(b, "Anchors BiDiMode Caption Color Constraints Ctl3D");
    PublishDataLink(b);
    PublishStandard(b, "DragCursor DragKind DragMode Enabled Font ParentBiDiMode ParentColor ParentCtl3D ParentFont "
                       "ParentShowHint PopupMenu");
    PublishReadOnly(b);
    PublishStandard(b, "ShowHint TabOrder");
    b.Bool("TabStop", &C::TabStop, &C::SetTabStop, true);
    b.String("ValueChecked", &C::ValueChecked, &C::SetValueChecked).StoredWhen(&C::IsValueCheckedStored);
    b.String("ValueUnchecked", &C::ValueUnchecked, &C::SetValueUnchecked).StoredWhen(&C::IsValueUncheckedStored);
    PublishStandard(b, "Visible OnClick");
    PublishStandard(b, kWinControlEvents);
    return b.Build();
  }();
  return cls;
}

TDBCheckBox::TDBCheckBox(TComponent* owner) : TCustomCheckBox(owner), TFieldDataControl(this) {
  SetControlStyle(ControlStyle() | StyleOf(csReplicatable));
}

bool TDBCheckBox::IsValueCheckedStored() const { return AnsiCompareText(valueChecked_, "True") != 0; }

bool TDBCheckBox::IsValueUncheckedStored() const { return AnsiCompareText(valueUnchecked_, "False") != 0; }

// ---- TDBListBox

TClass TDBListBox::ClassInfo() {
  static TClass cls = [] {
    using L = TDBListBox;
    TClassBuilder<L> b("TDBListBox", TCustomListBox::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Align Anchors BiDiMode");
    b.Enum<TBorderStyle>("BorderStyle", TypeInfoBorderStyle(), &L::BorderStyle, &L::SetBorderStyle, bsSingle);
    PublishStandard(b, "Color Constraints Ctl3D");
    PublishDataLink(b);
    PublishStandard(b, "DragCursor DragKind DragMode Enabled Font ImeMode ImeName");
    b.Bool("IntegralHeight", &L::IntegralHeight, &L::SetIntegralHeight, false);
    b.Integer("ItemHeight", &L::ItemHeight, &L::SetItemHeight);
    b.Object("Items", &L::Items);
    PublishStandard(b, "ParentBiDiMode ParentColor=False ParentCtl3D ParentFont ParentShowHint PopupMenu");
    PublishReadOnly(b);
    PublishStandard(b, "ShowHint");
    b.Enum<TListBoxStyle>("Style", TypeInfoListBoxStyle(), &L::Style, &L::SetStyle, lbStandard);
    PublishStandard(b, "TabOrder");
    b.Bool("TabStop", &L::TabStop, &L::SetTabStop, true);
    PublishStandard(b, "Visible OnClick OnDblClick OnDragDrop OnDragOver");
    b.Event("OnDrawItem", &L::OnDrawItem, "TDrawItemEvent");
    PublishStandard(b, "OnEndDock OnEndDrag OnEnter OnExit OnKeyDown OnKeyPress OnKeyUp");
    b.Event("OnMeasureItem", &L::OnMeasureItem, "TMeasureItemEvent");
    PublishStandard(b, "OnMouseDown OnMouseMove OnMouseUp OnStartDock OnStartDrag");
    return b.Build();
  }();
  return cls;
}

TDBListBox::TDBListBox(TComponent* owner) : TCustomListBox(owner), TFieldDataControl(this) {}

// ---- TDBComboBox

TClass TDBComboBox::ClassInfo() {
  static TClass cls = [] {
    using C = TDBComboBox;
    TClassBuilder<C> b("TDBComboBox", TCustomComboBox::ClassInfo());
    b.Creatable();
    // Style comes first: the items are read once the style is known.
    b.Enum<TComboBoxStyle>("Style", TypeInfoComboBoxStyle(), &C::Style, &C::SetStyle, csDropDown);
    PublishStandard(b, "Anchors BiDiMode Color Constraints Ctl3D");
    PublishDataLink(b);
    PublishStandard(b, "DragCursor DragKind DragMode");
    b.Integer("DropDownCount", &C::DropDownCount, &C::SetDropDownCount, 8);
    PublishStandard(b, "Enabled Font ImeMode ImeName");
    b.Integer("ItemHeight", &C::ItemHeight, &C::SetItemHeight);
    b.Object("Items", &C::Items);
    b.Integer("MaxLength", &C::MaxLength, &C::SetMaxLength, 0);
    PublishStandard(b, "ParentBiDiMode ParentColor=False ParentCtl3D ParentFont ParentShowHint PopupMenu");
    PublishReadOnly(b);
    PublishStandard(b, "ShowHint");
    b.Bool("Sorted", &C::Sorted, &C::SetSorted, false);
    PublishStandard(b, "TabOrder");
    b.Bool("TabStop", &C::TabStop, &C::SetTabStop, true);
    PublishStandard(b, "Visible");
    b.Event("OnChange", &C::OnChange);
    PublishStandard(b, "OnClick OnDblClick OnDragDrop OnDragOver");
    b.Event("OnDrawItem", &C::OnDrawItem, "TDrawItemEvent");
    b.Event("OnDropDown", &C::OnDropDown);
    PublishStandard(b, "OnEndDock OnEndDrag OnEnter OnExit OnKeyDown OnKeyPress OnKeyUp");
    b.Event("OnMeasureItem", &C::OnMeasureItem, "TMeasureItemEvent");
    PublishStandard(b, "OnStartDock OnStartDrag");
    return b.Build();
  }();
  return cls;
}

TDBComboBox::TDBComboBox(TComponent* owner) : TCustomComboBox(owner), TFieldDataControl(this) {}

// ---- TDBRadioGroup

TClass TDBRadioGroup::ClassInfo() {
  static TClass cls = [] {
    using R = TDBRadioGroup;
    TClassBuilder<R> b("TDBRadioGroup", TCustomRadioGroup::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Align Anchors BiDiMode Caption Color");
    b.Integer("Columns", &R::Columns, &R::SetColumns, 1);
    PublishStandard(b, "Constraints Ctl3D");
    PublishDataLink(b);
    PublishStandard(b, "DragCursor DragKind DragMode Enabled Font");
    b.Object("Items", &R::Items);
    PublishStandard(b, "ParentBiDiMode ParentColor ParentCtl3D ParentFont ParentShowHint PopupMenu");
    PublishReadOnly(b);
    PublishStandard(b, "ShowHint TabOrder TabStop");
    b.Object("Values", &R::Values);
    PublishStandard(b, "Visible");
    b.Event("OnChange", &R::OnChange);
    PublishStandard(b, "OnClick OnDragDrop OnDragOver OnEndDock OnEndDrag OnEnter OnExit OnStartDock OnStartDrag");
    return b.Build();
  }();
  return cls;
}

TDBRadioGroup::TDBRadioGroup(TComponent* owner)
    : TCustomRadioGroup(owner), TFieldDataControl(this), values_(std::make_unique<TStringList>()) {}

TDBRadioGroup::~TDBRadioGroup() = default;

std::string TDBRadioGroup::ButtonValue(int index) const {
  if (index >= 0 && index < values_->Count() && !values_->Strings(index).empty()) return values_->Strings(index);
  if (index >= 0 && index < Items()->Count()) return Items()->Strings(index);
  return "";
}

void TDBRadioGroup::SetValue(const std::string& value) {
  if (value == value_) return;
  {
    // Checking the button is not a click: OnClick does not run.
    TFlagScope inSetValue(inSetValue_);
    int index = -1;
    for (int i = 0; i < Items()->Count() && index < 0; ++i)
      if (ButtonValue(i) == value) index = i;
    SetItemIndex(index);
  }
  value_ = value;
  OnChange(this);
}

void TDBRadioGroup::Click() {
  if (inSetValue_) return;
  TCustomRadioGroup::Click();
  if (ItemIndex() >= 0) SetValue(ButtonValue(ItemIndex()));
}

// ---- TDBLookupControl

namespace {
const TTypeInfo* TypeInfoDropDownAlign() {
  static auto t = MakeEnumType("TDropDownAlign", {"daLeft", "daRight", "daCenter"});
  return t;
}

// KeyField, ListField, ListFieldIndex and ListSource, as both lookup controls publish them.
template <class C>
void PublishLookup(TClassBuilder<C>& b) {
  b.String("KeyField", &C::KeyField, &C::SetKeyField);
  b.String("ListField", &C::ListField, &C::SetListField);
  b.Integer("ListFieldIndex", &C::ListFieldIndex, &C::SetListFieldIndex, 0);
  b.template Reference<TDataSource>("ListSource", &C::ListSource, &C::SetListSource);
}
}  // namespace

TClass TDBLookupControl::ClassInfo() {
  static TClass cls = TClassBuilder<TDBLookupControl>("TDBLookupControl", TCustomControl::ClassInfo()).Build();
  return cls;
}

TDBLookupControl::TDBLookupControl(TComponent* owner) : TCustomControl(owner), TFieldDataControl(this) {
  SetControlStyle(ControlStyle() | StyleOf(csOpaque));
  SetBounds(Left(), Top(), 121, Height());
  SetParentColor(false);
  SetTabStop(true);
}

int TDBLookupControl::TextHeight() const { return MeasureTextHeight(EffectiveFont()); }

int TDBLookupControl::BorderSize() const {
  // A control that follows a parent it does not have yet has the host's 3D default.
  bool ctl3D = Ctl3D() || (ParentCtl3D() && !Parent());
  return ctl3D ? 4 : 2;
}

// ---- TDBLookupListBox

TClass TDBLookupListBox::ClassInfo() {
  static TClass cls = [] {
    using L = TDBLookupListBox;
    TClassBuilder<L> b("TDBLookupListBox", TDBLookupControl::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Align Anchors BiDiMode");
    b.Enum<TBorderStyle>("BorderStyle", TypeInfoBorderStyle(), &L::BorderStyle, &L::SetBorderStyle, bsSingle);
    PublishStandard(b, "Color Constraints Ctl3D");
    PublishDataLink(b);
    PublishStandard(b, "DragCursor DragKind DragMode Enabled Font ImeMode ImeName");
    PublishLookup(b);
    PublishStandard(b, "ParentBiDiMode ParentColor=False ParentCtl3D ParentFont ParentShowHint PopupMenu");
    PublishReadOnly(b);
    // Follows from the height, which is stored.
    b.Integer("RowCount", &L::RowCount, &L::SetRowCount).StoredWhen([](L&) { return false; });
    PublishStandard(b, "ShowHint TabOrder");
    b.Bool("TabStop", &L::TabStop, &L::SetTabStop, true);
    PublishStandard(b, "Visible OnClick OnDblClick");
    PublishStandard(b, kWinControlEvents);
    return b.Build();
  }();
  return cls;
}

TDBLookupListBox::TDBLookupListBox(TComponent* owner) : TDBLookupControl(owner) {
  SetRowCount(7);
}

void TDBLookupListBox::SetRowCount(int value) {
  rowCount_ = std::clamp(value, 1, 100);
  TDBLookupControl::SetBounds(Left(), Top(), Width(), rowCount_ * TextHeight() + ListBorderSize());
}

void TDBLookupListBox::SetBounds(int left, int top, int width, int height) {
  // Sizes read from a form file are kept; Loaded takes the rows from them.
  if (!IsLoading()) {
    rowCount_ = std::max(1, (height - ListBorderSize()) / TextHeight());
    height = rowCount_ * TextHeight() + ListBorderSize();
  }
  TDBLookupControl::SetBounds(left, top, width, height);
}

void TDBLookupListBox::Loaded() {
  TDBLookupControl::Loaded();
  rowCount_ = std::max(1, (Height() - ListBorderSize()) / TextHeight());
}

void TDBLookupListBox::SetBorderStyle(TBorderStyle value) {
  if (value == borderStyle_) return;
  borderStyle_ = value;
  LayoutChanged();
}

void TDBLookupListBox::LayoutChanged() {
  if (!IsLoading()) SetRowCount(rowCount_);
}

int TDBLookupListBox::BorderExtent() const { return ListBorderSize() / 2; }

// ---- TDBLookupComboBox

TClass TDBLookupComboBox::ClassInfo() {
  static TClass cls = [] {
    using C = TDBLookupComboBox;
    TClassBuilder<C> b("TDBLookupComboBox", TDBLookupControl::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Anchors BiDiMode Color Constraints Ctl3D");
    PublishDataLink(b);
    PublishStandard(b, "DragCursor DragKind DragMode");
    b.Enum<TDropDownAlign>("DropDownAlign", TypeInfoDropDownAlign(), &C::DropDownAlign, &C::SetDropDownAlign, daLeft);
    b.Integer("DropDownRows", &C::DropDownRows, &C::SetDropDownRows, 7);
    b.Integer("DropDownWidth", &C::DropDownWidth, &C::SetDropDownWidth, 0);
    PublishStandard(b, "Enabled Font ImeMode ImeName");
    PublishLookup(b);
    PublishStandard(b, "ParentBiDiMode ParentColor=False ParentCtl3D ParentFont ParentShowHint PopupMenu");
    PublishReadOnly(b);
    PublishStandard(b, "ShowHint TabOrder");
    b.Bool("TabStop", &C::TabStop, &C::SetTabStop, true);
    PublishStandard(b, "Visible OnClick");
    b.Event("OnCloseUp", &C::OnCloseUp);
    PublishStandard(b, "OnDragDrop OnDragOver");
    b.Event("OnDropDown", &C::OnDropDown);
    PublishStandard(b, "OnEndDock OnEndDrag OnEnter OnExit OnKeyDown OnKeyPress OnKeyUp OnMouseDown OnMouseMove "
                       "OnMouseUp OnStartDock OnStartDrag");
    return b.Build();
  }();
  return cls;
}

TDBLookupComboBox::TDBLookupComboBox(TComponent* owner) : TDBLookupControl(owner) {
  SetWidth(145);
  LayoutChanged();
}

void TDBLookupComboBox::LayoutChanged() {
  if (!IsLoading()) SetHeight(TextHeight() + BorderSize() + 4);
}

// ---- TDBNavigator

namespace {
const TTypeInfo* TypeInfoButtonSet() {
  static auto t = MakeSetType("TButtonSet", MakeEnumType("TNavigateBtn", {"nbFirst", "nbPrior", "nbNext", "nbLast",
                                                                          "nbInsert", "nbDelete", "nbEdit", "nbPost",
                                                                          "nbCancel", "nbRefresh"}));
  return t;
}
constexpr int MinButtonWidth = 20;
constexpr int MinButtonHeight = 18;
}  // namespace

TClass TDBNavigator::ClassInfo() {
  static TClass cls = [] {
    using N = TDBNavigator;
    TClassBuilder<N> b("TDBNavigator", TCustomPanel::ClassInfo());
    b.Creatable();
    b.Reference<TDataSource>("DataSource", &N::DataSource, &N::SetDataSource);
    b.Set("VisibleButtons", TypeInfoButtonSet(), &N::VisibleButtons, &N::SetVisibleButtons, AllNavigateButtons);
    PublishStandard(b, "Align Anchors Constraints DragCursor DragKind DragMode Enabled");
    b.Bool("Flat", &N::Flat, &N::SetFlat, false);
    PublishStandard(b, "Ctl3D");
    b.Object("Hints", &N::Hints);
    PublishStandard(b, "ParentCtl3D ParentShowHint PopupMenu");
    b.Bool("ConfirmDelete", &N::ConfirmDelete, &N::SetConfirmDelete, true);
    PublishStandard(b, "ShowHint TabOrder TabStop Visible");
    b.Event("BeforeAction", &N::BeforeAction, "ENavClick");
    b.Event("OnClick", &N::OnNavClick, "ENavClick");
    PublishStandard(b, "OnDblClick OnDragDrop OnDragOver OnEndDock OnEndDrag OnEnter OnExit OnResize OnStartDock "
                       "OnStartDrag");
    return b.Build();
  }();
  return cls;
}

TDBNavigator::TDBNavigator(TComponent* owner) : TCustomPanel(owner), hints_(std::make_unique<TStringList>()) {
  SetControlStyle((ControlStyle() & ~StyleOf(csAcceptsControls) & ~StyleOf(csSetCaption)) | StyleOf(csOpaque));
  SetBevelOuter(bvNone);
  SetBevelInner(bvNone);
  SetFullRepaint(false);
  SetBounds(Left(), Top(), 241, 25);
}

TDBNavigator::~TDBNavigator() = default;

int TDBNavigator::VisibleCount() const {
  int count = 0;
  for (int i = 0; i < NavigateBtnCount; ++i)
    if (visibleButtons_ & (1u << i)) ++count;
  return count;
}

void TDBNavigator::FitSize(int& width, int& height) {
  if (IsLoading()) return;
  int count = std::max(1, VisibleCount());
  width = std::max(width, count * MinButtonWidth);
  height = std::max(height, MinButtonHeight);
  buttonWidth_ = width / count;
  if (Align() == alNone) width = count * buttonWidth_;
}

void TDBNavigator::SetBounds(int left, int top, int width, int height) {
  FitSize(width, height);
  TCustomPanel::SetBounds(left, top, width, height);
}

void TDBNavigator::SetVisibleButtons(TButtonSet value) {
  visibleButtons_ = value & AllNavigateButtons;
  SetBounds(Left(), Top(), Width(), Height());
}

void TDBNavigator::Loaded() {
  TCustomPanel::Loaded();
  SetBounds(Left(), Top(), Width(), Height());
}

}  // namespace vcl
