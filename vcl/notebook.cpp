#include "vcl/notebook.h"

#include "vcl/published_controls.h"

namespace vcl {

// ---- TPage

TClass TPage::ClassInfo() {
  static TClass cls = PublishNotebookPage<TPage>("TPage", TCustomControl::ClassInfo());
  return cls;
}

TPage::TPage(TComponent* owner) : TCustomControl(owner) { InitNotebookPage(this); }

void TPage::TextChanged() {
  if (auto* book = Cast<TNotebook>(Parent())) book->pages_.CaptionsChanged();
}

// ---- TNotebook

TClass TNotebook::ClassInfo() {
  static TClass cls = [] {
    using N = TNotebook;
    auto never = [](N&) { return false; };
    TClassBuilder<N> b("TNotebook", TCustomControl::ClassInfo());
    b.Creatable();
    b.String("ActivePage", &N::ActivePage, &N::SetActivePage).StoredWhen(never);
    PublishStandard(b, "Align Anchors Color Ctl3D DragCursor DragKind DragMode Font Enabled Constraints");
    b.Integer("PageIndex", &N::PageIndex, &N::SetPageIndex, 0);
    b.Object("Pages", &N::PageNames).StoredWhen(never);
    PublishStandard(b, "ParentColor ParentCtl3D ParentFont ParentShowHint PopupMenu ShowHint TabOrder TabStop Visible");
    PublishStandard(b,
                    "OnClick OnDblClick OnDragDrop OnDragOver OnEndDock OnEndDrag OnEnter OnExit OnMouseDown "
                    "OnMouseMove OnMouseUp");
    b.Event("OnPageChanged", &N::OnPageChanged);
    PublishStandard(b, "OnStartDock OnStartDrag");
    return b.Build();
  }();
  return cls;
}

TNotebook::TNotebook(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 150, 150);
  auto* page = new TPage(this);
  page->SetCaption("Default");
  page->SetParent(this);
  pages_.SetIndex(0);
  page->SetVisible(true);
}

void TNotebook::Loading() {
  // The file's pages replace the default one.
  pages_.Clear();
  TCustomControl::Loading();
}

void TNotebook::Loaded() {
  TCustomControl::Loaded();
  pages_.Loaded();
}

void TNotebook::SetPageIndex(int value) {
  if (pages_.SetIndex(value)) OnPageChanged(this);
}

void TNotebook::SetActivePage(const std::string& value) {
  if (pages_.SetActiveCaption(value)) OnPageChanged(this);
}

void TNotebook::ControlChange(TControl* control, bool inserting) {
  // A page being destroyed no longer knows its class: any control that leaves counts.
  if (!inserting || pages_.IsPage(control)) pages_.CaptionsChanged(inserting ? nullptr : control);
}

}  // namespace vcl
