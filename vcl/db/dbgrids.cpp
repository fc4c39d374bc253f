#include "vcl/db/dbgrids.h"

#include "vcl/published_controls.h"

namespace vcl {

namespace {
const TTypeInfo* TypeInfoDBGridOptions() {
  static auto t = MakeSetType(
      "TDBGridOptions",
      MakeEnumType("TDBGridOption", {"dgEditing", "dgAlwaysShowEditor", "dgTitles", "dgIndicator", "dgColumnResize",
                                     "dgColLines", "dgRowLines", "dgTabs", "dgRowSelect", "dgAlwaysShowSelection",
                                     "dgConfirmDelete", "dgCancelOnExit", "dgMultiSelect"}));
  return t;
}
}  // namespace

TClass TCustomDBGrid::ClassInfo() {
  static TClass cls = TClassBuilder<TCustomDBGrid>("TCustomDBGrid", TCustomGrid::ClassInfo()).Build();
  return cls;
}

TCustomDBGrid::TCustomDBGrid(TComponent* owner)
    : TCustomGrid(owner), columns_(std::make_unique<TDBGridColumns>(this)), titleFont_(std::make_unique<TFont>()) {
  columns_->OnChange = [this](TObject*) { Repaint(); };
  titleFont_->OnChange = [this](TObject*) {
    if (!followingFont_ && !IsLoading()) SetParentFont(false);
    Repaint();
  };
}

TCustomDBGrid::~TCustomDBGrid() {
  titleFont_->OnChange.Clear();
  columns_->OnChange.Clear();
  // The columns go first: their references are held through the grid.
  columns_.reset();
}

void TCustomDBGrid::FontChanged() {
  TCustomControl::FontChanged();
  // A font equal to the parent's came from the parent: the titles take it too.
  if (!Parent() || !EffectiveFont().SameAs(Parent()->EffectiveFont())) return;
  followingFont_ = true;
  titleFont_->Assign(EffectiveFont());
  followingFont_ = false;
}

TClass TDBGrid::ClassInfo() {
  static TClass cls = [] {
    using G = TDBGrid;
    TClassBuilder<G> b("TDBGrid", TCustomDBGrid::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Align Anchors BiDiMode");
    b.Enum<TBorderStyle>("BorderStyle", TypeInfoBorderStyle(), &G::BorderStyle, &G::SetBorderStyle, bsSingle);
    PublishStandard(b, "Color Constraints Ctl3D");
    b.Reference<TDataSource>("DataSource", &G::DataSource, &G::SetDataSource);
    b.Bool("DefaultDrawing", &G::DefaultDrawing, &G::SetDefaultDrawing, true);
    PublishStandard(b, "DragCursor DragKind DragMode Enabled");
    b.Integer("FixedColor", &G::FixedColor, &G::SetFixedColor, clBtnFace, TypeInfoColor());
    PublishStandard(b, "Font ImeMode ImeName");
    b.Set("Options", TypeInfoDBGridOptions(), &G::Options, &G::SetOptions, DefaultDBGridOptions);
    PublishStandard(b, "ParentBiDiMode ParentColor=False ParentCtl3D ParentFont ParentShowHint PopupMenu");
    b.Bool("ReadOnly", &G::ReadOnly, &G::SetReadOnly, false);
    PublishStandard(b, "ShowHint TabOrder");
    b.Bool("TabStop", &G::TabStop, &G::SetTabStop, true);
    b.Object("TitleFont", &G::TitleFont);
    PublishStandard(b, "Visible");
    b.Event("OnCellClick", &G::OnCellClick, "TDBGridClickEvent");
    b.Event("OnColEnter", &G::OnColEnter);
    b.Event("OnColExit", &G::OnColExit);
    b.Event("OnColumnMoved", &G::OnColumnMoved, "TMovedEvent");
    b.Event("OnDrawDataCell", &G::OnDrawDataCell, "TDrawDataCellEvent");
    b.Event("OnDrawColumnCell", &G::OnDrawColumnCell, "TDrawColumnCellEvent");
    PublishStandard(b, "OnDblClick OnDragDrop OnDragOver");
    b.Event("OnEditButtonClick", &G::OnEditButtonClick);
    PublishStandard(b, "OnEndDock OnEndDrag OnEnter OnExit OnKeyDown OnKeyPress OnKeyUp OnStartDock OnStartDrag");
    b.Event("OnTitleClick", &G::OnTitleClick, "TDBGridClickEvent");
    // The grid writes its columns itself, after its other values, and only its user's own.
    b.Object<TDBGridColumns>("Columns", &G::Columns)
        .StoredWhen([](G& grid) { return grid.Columns()->State() == csCustomized; });
    return b.Build();
  }();
  return cls;
}

}  // namespace vcl
