#include "vcl/filectrl.h"

#include "vcl/published_controls.h"

namespace vcl {

namespace {
const TTypeInfo* TypeInfoFileType() {
  static auto t = MakeSetType("TFileType", MakeEnumType("TFileAttr", {"ftReadOnly", "ftHidden", "ftSystem", "ftVolumeID",
                                                                      "ftDirectory", "ftArchive", "ftNormal"}));
  return t;
}
const TTypeInfo* TypeInfoTextCase() {
  static auto t = MakeEnumType("TTextCase", {"tcLowerCase", "tcUpperCase"});
  return t;
}

// The lists' common properties around the ones of their own, in the host's order.
template <class L>
void PublishFileList(TClassBuilder<L>& b, void (*own)(TClassBuilder<L>&)) {
  PublishStandard(b, "Align Anchors Color Constraints Ctl3D DragCursor DragMode Enabled");
  own(b);
  PublishStandard(b, "Font ImeMode ImeName");
  b.Bool("IntegralHeight", &L::IntegralHeight, &L::SetIntegralHeight, false);
  b.Integer("ItemHeight", &L::ItemHeight, &L::SetItemHeight);
  PublishStandard(b, "ParentColor=False ParentCtl3D ParentFont ParentShowHint PopupMenu ShowHint TabOrder");
  b.Bool("TabStop", &L::TabStop, &L::SetTabStop, true);
  PublishStandard(b, "Visible");
  b.Event("OnChange", &L::OnChange);
  PublishStandard(b,
                  "OnClick OnDblClick OnDragDrop OnDragOver OnEndDrag OnEnter OnExit OnKeyDown OnKeyPress OnKeyUp "
                  "OnMouseDown OnMouseMove OnMouseUp OnStartDrag");
}

template <class C>
void PublishFileCombo(TClassBuilder<C>& b, void (*own)(TClassBuilder<C>&)) {
  PublishStandard(b, "Anchors Color Constraints Ctl3D DragMode DragCursor Enabled");
  own(b);
  PublishStandard(b, "Font ImeMode ImeName ParentColor=False ParentCtl3D ParentFont ParentShowHint PopupMenu ShowHint");
  PublishStandard(b, "TabOrder");
  b.Bool("TabStop", &C::TabStop, &C::SetTabStop, true);
  PublishStandard(b, "Visible");
  b.Event("OnChange", &C::OnChange);
  PublishStandard(b, "OnClick OnDblClick OnDragDrop OnDragOver");
  b.Event("OnDropDown", &C::OnDropDown);
  PublishStandard(b, "OnEndDrag OnEnter OnExit OnKeyDown OnKeyPress OnKeyUp OnStartDrag");
}
}  // namespace

// ---- TFileListBox

TClass TFileListBox::ClassInfo() {
  static TClass cls = [] {
    using L = TFileListBox;
    TClassBuilder<L> b("TFileListBox", TCustomListBox::ClassInfo());
    b.Creatable();
    PublishFileList<L>(b, [](TClassBuilder<L>& own) {
      own.Bool("ExtendedSelect", &L::ExtendedSelect, &L::SetExtendedSelect, true);
      own.Reference<TEdit>("FileEdit", &L::FileEdit, &L::SetFileEdit);
      own.Set("FileType", TypeInfoFileType(), &L::FileType, &L::SetFileType, NativeInt{1} << ftNormal);
    });
    // Mask, MultiSelect and ShowGlyphs follow ItemHeight in the host's list.
    b.String("Mask", &L::Mask, &L::SetMask);
    b.Bool("MultiSelect", &L::MultiSelect, &L::SetMultiSelect, false);
    b.Bool("ShowGlyphs", &L::ShowGlyphs, &L::SetShowGlyphs, false);
    return b.Build();
  }();
  return cls;
}

TFileListBox::TFileListBox(TComponent* owner) : TCustomListBox(owner) { SetBounds(0, 0, 145, 97); }

// ---- TDirectoryListBox

TClass TDirectoryListBox::ClassInfo() {
  static TClass cls = [] {
    using L = TDirectoryListBox;
    TClassBuilder<L> b("TDirectoryListBox", TCustomListBox::ClassInfo());
    b.Creatable();
    PublishFileList<L>(b, [](TClassBuilder<L>& own) {
      own.Integer("Columns", &L::Columns, &L::SetColumns, 0);
      own.Reference<TLabel>("DirLabel", &L::DirLabel, &L::SetDirLabel);
      own.Reference<TFileListBox>("FileList", &L::FileList, &L::SetFileList);
    });
    return b.Build();
  }();
  return cls;
}

TDirectoryListBox::TDirectoryListBox(TComponent* owner) : TCustomListBox(owner) {
  SetBounds(0, 0, 145, 97);
  SetStyle(lbOwnerDrawFixed);
  SetItemHeight(16);
}

// ---- TDriveComboBox

TClass TDriveComboBox::ClassInfo() {
  static TClass cls = [] {
    using C = TDriveComboBox;
    TClassBuilder<C> b("TDriveComboBox", TCustomComboBox::ClassInfo());
    b.Creatable();
    PublishFileCombo<C>(b, [](TClassBuilder<C>& own) {
      own.Reference<TDirectoryListBox>("DirList", &C::DirList, &C::SetDirList);
    });
    b.Enum<TTextCase>("TextCase", TypeInfoTextCase(), &C::TextCase, &C::SetTextCase, tcLowerCase);
    return b.Build();
  }();
  return cls;
}

TDriveComboBox::TDriveComboBox(TComponent* owner) : TCustomComboBox(owner) { SetStyle(csOwnerDrawFixed); }

// ---- TFilterComboBox

TClass TFilterComboBox::ClassInfo() {
  static TClass cls = [] {
    using C = TFilterComboBox;
    TClassBuilder<C> b("TFilterComboBox", TCustomComboBox::ClassInfo());
    b.Creatable();
    PublishFileCombo<C>(b, [](TClassBuilder<C>& own) {
      own.Reference<TFileListBox>("FileList", &C::FileList, &C::SetFileList);
      own.String("Filter", &C::Filter, &C::SetFilter);
    });
    return b.Build();
  }();
  return cls;
}

TFilterComboBox::TFilterComboBox(TComponent* owner) : TCustomComboBox(owner) {
  SetStyle(csDropDownList);
  SetFilter("All files (*.*)|*.*");
}

void TFilterComboBox::SetFilter(const std::string& value) {
  // Descriptions and masks alternate, separated by '|'.
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= value.size()) {
    std::size_t bar = value.find('|', start);
    if (bar == std::string::npos) bar = value.size();
    parts.push_back(value.substr(start, bar - start));
    start = bar + 1;
  }
  filter_ = value;
  masks_.clear();
  Items()->BeginUpdate();
  Items()->Clear();
  for (std::size_t i = 0; i < parts.size(); i += 2) {
    if (i + 1 == parts.size() && parts[i].empty()) break;  // a closing '|'
    Items()->Add(parts[i]);
    masks_.push_back(i + 1 < parts.size() ? parts[i + 1] : "*.*");
  }
  Items()->EndUpdate();
  SetItemIndex(Items()->Count() > 0 ? 0 : -1);
}

std::string TFilterComboBox::Mask() const {
  int index = ItemIndex();
  return index >= 0 && index < static_cast<int>(masks_.size()) ? masks_[static_cast<std::size_t>(index)] : "*.*";
}

}  // namespace vcl
