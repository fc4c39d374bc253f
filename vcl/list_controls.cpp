#include <algorithm>

#include "vcl/published_controls.h"
#include "vcl/stdctrls.h"
#include "vcl/text_metrics.h"

namespace vcl {

const TTypeInfo* TypeInfoComboBoxStyle() {
  static auto t = MakeEnumType("TComboBoxStyle",
                               {"csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable"});
  return t;
}
const TTypeInfo* TypeInfoListBoxStyle() {
  static auto t = MakeEnumType("TListBoxStyle", {"lbStandard", "lbOwnerDrawFixed", "lbOwnerDrawVariable"});
  return t;
}

// ---- TCustomComboBox

TClass TCustomComboBox::ClassInfo() {
  static TClass cls = TClassBuilder<TCustomComboBox>("TCustomComboBox", TWinControl::ClassInfo()).Build();
  return cls;
}

TCustomComboBox::TCustomComboBox(TComponent* owner) : TWinControl(owner), items_(std::make_unique<TStringList>()) {
  SetControlStyle(StyleOf(csCaptureMouse) | StyleOf(csSetCaption) | StyleOf(csDoubleClicks) |
                  StyleOf(csFixedHeight) | StyleOf(csReflector));
  SetBounds(0, 0, 145, 21);
  SetTabStop(true);
  SetParentColor(false);
  items_->OnChange = [this](TObject*) { ItemsChanged(); };
}

TCustomComboBox::~TCustomComboBox() { items_->OnChange.Clear(); }

void TCustomComboBox::ItemsChanged() {
  if (itemIndex_ >= items_->Count()) itemIndex_ = -1;
}

void TCustomComboBox::SetText(const std::string& value) {
  itemIndex_ = items_->IndexOf(value);
  selection_ = {};
  TWinControl::SetText(value);
}

void TCustomComboBox::Change() { OnChange(this); }

void TCustomComboBox::SetItemIndex(int value) {
  if (value < 0 || value >= items_->Count()) value = -1;
  if (value >= 0) TWinControl::SetText(items_->Strings(value));
  itemIndex_ = value;
}

int TCustomComboBox::ItemHeight() const {
  if (style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable) return itemHeight_;
  return MeasureTextHeight(EffectiveFont());
}

void TCustomComboBox::SetItemHeight(int value) {
  if (value > 0) itemHeight_ = value;
}

TClass TComboBox::ClassInfo() {
  static TClass cls = [] {
    using C = TComboBox;
    TClassBuilder<C> b("TComboBox", TCustomComboBox::ClassInfo());
    b.Creatable();
    // Style comes first and Items last: the items are read once the style is known.
    b.Enum<TComboBoxStyle>("Style", TypeInfoComboBoxStyle(), &C::Style, &C::SetStyle, csDropDown);
    PublishStandard(b, "Anchors BiDiMode Color Constraints Ctl3D DragCursor DragKind DragMode");
    b.Integer("DropDownCount", &C::DropDownCount, &C::SetDropDownCount, 8);
    PublishStandard(b, "Enabled Font ImeMode ImeName");
    b.Integer("ItemHeight", &C::ItemHeight, &C::SetItemHeight);
    b.Integer("MaxLength", &C::MaxLength, &C::SetMaxLength, 0);
    PublishStandard(b, "ParentBiDiMode ParentColor=False ParentCtl3D ParentFont ParentShowHint PopupMenu ShowHint");
    b.Bool("Sorted", &C::Sorted, &C::SetSorted, false);
    PublishStandard(b, "TabOrder");
    b.Bool("TabStop", &C::TabStop, &C::SetTabStop, true);
    PublishStandard(b, "Text Visible");
    b.Event("OnChange", &C::OnChange);
    PublishStandard(b, "OnClick OnDblClick OnDragDrop OnDragOver");
    b.Event("OnDrawItem", &C::OnDrawItem, "TDrawItemEvent");
    b.Event("OnDropDown", &C::OnDropDown);
    PublishStandard(b, "OnEndDock OnEndDrag OnEnter OnExit OnKeyDown OnKeyPress OnKeyUp");
    b.Event("OnMeasureItem", &C::OnMeasureItem, "TMeasureItemEvent");
    PublishStandard(b, "OnStartDock OnStartDrag");
    b.Object("Items", &C::Items);
    return b.Build();
  }();
  return cls;
}

// ---- TCustomListBox

TClass TCustomListBox::ClassInfo() {
  static TClass cls = TClassBuilder<TCustomListBox>("TCustomListBox", TWinControl::ClassInfo()).Build();
  return cls;
}

TCustomListBox::TCustomListBox(TComponent* owner) : TCustomListBox(owner, std::make_unique<TStringList>()) {}

TCustomListBox::TCustomListBox(TComponent* owner, std::unique_ptr<TStringList> items)
    : TWinControl(owner), items_(std::move(items)), canvas_(std::make_unique<TCanvas>()) {
  canvas_->Font()->Assign(EffectiveFont());
  // A list box keeps equal lines, sorted or not.
  items_->SetDuplicates(dupAccept);
  SetControlStyle(StyleOf(csSetCaption) | StyleOf(csDoubleClicks));
  SetBounds(0, 0, 121, 97);
  SetTabStop(true);
  SetParentColor(false);
  // A sorted list box keeps every line it is given, equal ones included.
  items_->SetDuplicates(dupAccept);
  items_->OnChange = [this](TObject*) { ItemsChanged(); };
}

TCustomListBox::~TCustomListBox() { items_->OnChange.Clear(); }

void TCustomListBox::ItemsChanged() {
  // The items moved: selections by position no longer hold.
  selected_.assign(static_cast<std::size_t>(items_->Count()), false);
  if (itemIndex_ >= items_->Count()) itemIndex_ = -1;
}

void TCustomListBox::SetItemIndex(int value) {
  if (value < 0 || value >= items_->Count()) value = -1;
  itemIndex_ = value;
  if (!multiSelect_) {
    selected_.assign(static_cast<std::size_t>(items_->Count()), false);
    if (value >= 0) selected_[static_cast<std::size_t>(value)] = true;
  }
}

void TCustomListBox::SetMultiSelect(bool value) {
  if (value == multiSelect_) return;
  multiSelect_ = value;
  selected_.assign(static_cast<std::size_t>(items_->Count()), false);
  if (!value && itemIndex_ >= 0) selected_[static_cast<std::size_t>(itemIndex_)] = true;
}

bool TCustomListBox::Selected(int index) const {
  if (index < 0 || index >= items_->Count())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  auto i = static_cast<std::size_t>(index);
  return i < selected_.size() && selected_[i];
}

void TCustomListBox::SetSelected(int index, bool value) {
  if (index < 0 || index >= items_->Count())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  if (!multiSelect_) return SetItemIndex(value ? index : (itemIndex_ == index ? -1 : itemIndex_));
  selected_.resize(static_cast<std::size_t>(items_->Count()), false);
  selected_[static_cast<std::size_t>(index)] = value;
}

int TCustomListBox::SelCount() const {
  if (!multiSelect_) return -1;
  return static_cast<int>(std::count(selected_.begin(), selected_.end(), true));
}

void TCustomListBox::SetBorderStyle(TBorderStyle value) {
  if (value == borderStyle_) return;
  borderStyle_ = value;
  Realign();
}

int TCustomListBox::BorderExtent() const {
  if (borderStyle_ == bsNone) return 0;
  return Ctl3D() ? 2 : 1;
}

void TCustomListBox::FontChanged() {
  canvas_->Font()->Assign(EffectiveFont());
  TWinControl::FontChanged();
}

void TCustomListBox::Repaint() {
  canvas_->ClearOperations();
  if (style_ == lbStandard) return;
  int height = std::max(1, ItemHeight()), width = ClientWidth(), rows = ClientHeight();
  for (int i = 0; i < items_->Count() && i * height < rows; ++i) {
    bool selected = Selected(i);
    canvas_->Font()->Assign(EffectiveFont());
    canvas_->Brush()->SetColor(selected ? clHighlight : Color());
    if (selected) canvas_->Font()->SetColor(clHighlightText);
    TOwnerDrawState state = selected ? (1u << odSelected) : 0u;
    if (i == itemIndex_ && Focused()) state |= 1u << odFocused;
    DrawItem(i, Rect(0, i * height, width, (i + 1) * height), state);
  }
}

void TCustomListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
  if (OnDrawItem.Assigned()) return OnDrawItem(this, index, rect, state);
  canvas_->FillRect(rect);
  canvas_->TextOut(rect.Left + 2, rect.Top, items_->Strings(index));
}

int TCustomListBox::ItemHeight() const {
  if (style_ == lbStandard) return MeasureTextHeight(EffectiveFont());
  return itemHeight_;
}

void TCustomListBox::SetItemHeight(int value) {
  if (value > 0) itemHeight_ = value;
}

TClass TListBox::ClassInfo() {
  static TClass cls = [] {
    using L = TListBox;
    TClassBuilder<L> b("TListBox", TCustomListBox::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Align Anchors BiDiMode");
    b.Enum<TBorderStyle>("BorderStyle", TypeInfoBorderStyle(), &L::BorderStyle, &L::SetBorderStyle, bsSingle);
    PublishStandard(b, "Color");
    b.Integer("Columns", &L::Columns, &L::SetColumns, 0);
    PublishStandard(b, "Constraints Ctl3D DragCursor DragKind DragMode Enabled");
    b.Bool("ExtendedSelect", &L::ExtendedSelect, &L::SetExtendedSelect, true);
    PublishStandard(b, "Font ImeMode ImeName");
    b.Bool("IntegralHeight", &L::IntegralHeight, &L::SetIntegralHeight, false);
    b.Integer("ItemHeight", &L::ItemHeight, &L::SetItemHeight);
    b.Object("Items", &L::Items);
    b.Bool("MultiSelect", &L::MultiSelect, &L::SetMultiSelect, false);
    PublishStandard(b, "ParentBiDiMode ParentColor=False ParentCtl3D ParentFont ParentShowHint PopupMenu ShowHint");
    b.Bool("Sorted", &L::Sorted, &L::SetSorted, false);
    b.Enum<TListBoxStyle>("Style", TypeInfoListBoxStyle(), &L::Style, &L::SetStyle, lbStandard);
    PublishStandard(b, "TabOrder");
    b.Bool("TabStop", &L::TabStop, &L::SetTabStop, true);
    b.Integer("TabWidth", &L::TabWidth, &L::SetTabWidth, 0);
    PublishStandard(b, "Visible OnClick OnDblClick OnDragDrop OnDragOver");
    b.Event("OnDrawItem", &L::OnDrawItem, "TDrawItemEvent");
    PublishStandard(b, "OnEndDock OnEndDrag OnEnter OnExit OnKeyDown OnKeyPress OnKeyUp");
    b.Event("OnMeasureItem", &L::OnMeasureItem, "TMeasureItemEvent");
    PublishStandard(b, "OnMouseDown OnMouseMove OnMouseUp OnStartDock OnStartDrag");
    return b.Build();
  }();
  return cls;
}

}  // namespace vcl

