#include "vcl/comctrls_combo_ex.h"

#include "vcl/published_controls.h"

namespace vcl {

namespace {
const TTypeInfo* TypeInfoComboBoxExStyle() {
  static auto t = MakeEnumType("TComboBoxExStyle", {"csExDropDown", "csExSimple", "csExDropDownList"});
  return t;
}
const TTypeInfo* TypeInfoComboBoxExStyles() {
  static auto t = MakeSetType("TComboBoxExStyles",
                              MakeEnumType("TComboBoxExStyleEx", {"csExCaseSensitive", "csExNoEditImage",
                                                                  "csExNoEditImageIndent", "csExNoSizeLimit",
                                                                  "csExPathWordBreakProc"}));
  return t;
}
}  // namespace

TClass TComboExItem::ClassInfo() {
  static TClass cls = [] {
    using I = TComboExItem;
    TClassBuilder<I> b("TComboExItem", TCollectionItem::ClassInfo());
    b.String("Caption", &I::Caption, &I::SetCaption);
    b.Integer("ImageIndex", &I::ImageIndex, &I::SetImageIndex, -1, TypeInfoImageIndex());
    b.Integer("SelectedImageIndex", &I::SelectedImageIndex, &I::SetSelectedImageIndex, -1, TypeInfoImageIndex());
    b.Integer("OverlayImageIndex", &I::OverlayImageIndex, &I::SetOverlayImageIndex, -1, TypeInfoImageIndex());
    b.Integer("Indent", &I::Indent, &I::SetIndent, -1);
    return b.Build();
  }();
  return cls;
}

TClass TComboExItems::ClassInfo() {
  static TClass cls = TClassBuilder<TComboExItems>("TComboExItems", TCollection::ClassInfo()).Build();
  return cls;
}

// ---- TCustomComboBoxEx

TClass TCustomComboBoxEx::ClassInfo() {
  static TClass cls = TClassBuilder<TCustomComboBoxEx>("TCustomComboBoxEx", TCustomComboBox::ClassInfo()).Build();
  return cls;
}

TCustomComboBoxEx::TCustomComboBoxEx(TComponent* owner)
    : TCustomComboBox(owner), itemsEx_(std::make_unique<TComboExItems>()) {
  itemsEx_->OnChange = [this](TObject*) { ItemsExChanged(); };
}

TCustomComboBoxEx::~TCustomComboBoxEx() { itemsEx_->OnChange.Clear(); }

void TCustomComboBoxEx::SetStyle(TComboBoxExStyle value) {
  styleEx_ = value;
  TCustomComboBox::SetStyle(value == csExSimple         ? csSimple
                            : value == csExDropDownList ? csDropDownList
                                                        : csDropDown);
}

TComboExItem* TCustomComboBoxEx::SelectedItem() const {
  int index = ItemIndex();
  return index >= 0 && index < itemsEx_->Count() ? itemsEx_->Items(index) : nullptr;
}

// While a form is read, the items are taken over once, when it is loaded.
void TCustomComboBoxEx::ItemsExChanged() {
  if (IsLoading()) return;
  std::string text = Text();
  TStrings* items = Items();
  items->BeginUpdate();
  items->Clear();
  for (int i = 0; i < itemsEx_->Count(); ++i) items->Add(itemsEx_->Items(i)->Caption());
  items->EndUpdate();
  SetText(text);
}

void TCustomComboBoxEx::Loaded() {
  TCustomComboBox::Loaded();
  ItemsExChanged();
}

TClass TComboBoxEx::ClassInfo() {
  static TClass cls = [] {
    using C = TComboBoxEx;
    TClassBuilder<C> b("TComboBoxEx", TCustomComboBoxEx::ClassInfo());
    b.Creatable();
    b.Object("ItemsEx", &C::ItemsEx);
    b.Enum<TComboBoxExStyle>("Style", TypeInfoComboBoxExStyle(), &C::Style, &C::SetStyle, csExDropDown);
    b.Set("StyleEx", TypeInfoComboBoxExStyles(), &C::StyleEx, &C::SetStyleEx, 0);
    PublishStandard(b, "Action Anchors BiDiMode Color Constraints Ctl3D DragCursor DragKind DragMode Enabled Font "
                       "ImeMode ImeName");
    b.Integer("MaxLength", &C::MaxLength, &C::SetMaxLength, 0);
    PublishStandard(b, "ParentBiDiMode ParentColor=False ParentCtl3D ParentFont ParentShowHint PopupMenu ShowHint "
                       "TabOrder");
    b.Bool("TabStop", &C::TabStop, &C::SetTabStop, true);
    PublishStandard(b, "Text Visible");
    b.Event("OnBeginEdit", &C::OnBeginEdit);
    b.Event("OnChange", &C::OnChange);
    PublishStandard(b, "OnClick OnDblClick OnDragDrop OnDragOver");
    b.Event("OnDropDown", &C::OnDropDown);
    b.Event("OnEndEdit", &C::OnEndEdit);
    PublishStandard(b, "OnEndDock OnEndDrag OnEnter OnExit OnKeyDown OnKeyPress OnKeyUp OnStartDock OnStartDrag");
    b.Reference<TCustomImageList>("Images", &C::Images, &C::SetImages);
    b.Integer("DropDownCount", &C::DropDownCount, &C::SetDropDownCount, 8);
    return b.Build();
  }();
  return cls;
}

}  // namespace vcl
