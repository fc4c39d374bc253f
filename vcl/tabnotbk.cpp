#include "vcl/tabnotbk.h"

#include <algorithm>

#include "vcl/published_controls.h"

namespace vcl {

// ---- TTabPage

TClass TTabPage::ClassInfo() {
  static TClass cls = PublishNotebookPage<TTabPage>("TTabPage", TWinControl::ClassInfo());
  return cls;
}

TTabPage::TTabPage(TComponent* owner) : TWinControl(owner) { InitNotebookPage(this); }

void TTabPage::TextChanged() {
  if (auto* book = Cast<TTabbedNotebook>(Parent())) book->pages_.CaptionsChanged();
}

// ---- TTabbedNotebook

TClass TTabbedNotebook::ClassInfo() {
  static TClass cls = [] {
    using N = TTabbedNotebook;
    auto never = [](N&) { return false; };
    TClassBuilder<N> b("TTabbedNotebook", TCustomTabControl::ClassInfo());
    b.Creatable();
    b.String("ActivePage", &N::ActivePage, &N::SetActivePage).StoredWhen(never);
    PublishStandard(b, "Align Anchors Constraints Enabled");
    b.Integer("PageIndex", &N::PageIndex, &N::SetPageIndex, 0);
    b.Object("Pages", &N::PageNames).StoredWhen(never);
    PublishStandard(b, "Font");
    b.Integer("TabsPerRow", &N::TabsPerRow, &N::SetTabsPerRow, 3);
    b.Object("TabFont", &N::TabFont);
    PublishStandard(b, "ParentShowHint PopupMenu ShowHint TabOrder");
    b.Bool("TabStop", &N::TabStop, &N::SetTabStop, true);
    PublishStandard(b, "Visible OnClick");
    b.Event("OnChange", &N::OnPageChange, "TPageChangeEvent");
    PublishStandard(b, "OnDragDrop OnDragOver OnEndDrag OnEnter OnExit OnStartDrag");
    return b.Build();
  }();
  return cls;
}

TTabbedNotebook::TTabbedNotebook(TComponent* owner)
    : TCustomTabControl(owner), tabFont_(std::make_unique<TFont>()) {
  SetBounds(0, 0, 300, 250);
  SetMultiLine(true);
  LayOutTabs();
  auto* page = new TTabPage(this);
  page->SetCaption("Default");
  page->SetParent(this);
  page->SetVisible(true);
  TCustomTabControl::SetTabIndex(0);
}

TTabbedNotebook::~TTabbedNotebook() = default;

void TTabbedNotebook::LayOutTabs() { SetTabWidth(std::max(1, (Width() - 4) / tabsPerRow_)); }

void TTabbedNotebook::SetTabsPerRow(int value) {
  tabsPerRow_ = std::max(1, value);
  LayOutTabs();
}

void TTabbedNotebook::BoundsChanged(bool sizeChanged) {
  if (sizeChanged) LayOutTabs();
  TCustomTabControl::BoundsChanged(sizeChanged);
}

void TTabbedNotebook::Loading() {
  // The file's pages replace the default one.
  pages_.Clear();
  TCustomTabControl::Loading();
}

void TTabbedNotebook::Loaded() {
  TCustomTabControl::Loaded();
  pages_.Loaded();
  TCustomTabControl::SetTabIndex(pages_.Index());
}

void TTabbedNotebook::SetPageIndex(int value) {
  pages_.SetIndex(value);
  if (!IsLoading()) TCustomTabControl::SetTabIndex(pages_.Index());
}

void TTabbedNotebook::SetActivePage(const std::string& value) {
  pages_.SetActiveCaption(value);
  if (!IsLoading()) TCustomTabControl::SetTabIndex(pages_.Index());
}

void TTabbedNotebook::SetTabIndex(int value) {
  TCustomTabControl::SetTabIndex(value);
  pages_.SetIndex(TabIndex());
}

void TTabbedNotebook::Change() {
  // A tab the user selected: the host asks OnChange (which may refuse) before the page shows.
  bool allow = true;
  OnPageChange(this, TabIndex(), allow);
  if (allow)
    pages_.SetIndex(TabIndex());
  else
    TCustomTabControl::SetTabIndex(pages_.Index());
  TCustomTabControl::Change();
}

void TTabbedNotebook::ControlChange(TControl* control, bool inserting) {
  // A page being destroyed no longer knows its class: any control that leaves counts.
  if (inserting && !pages_.IsPage(control)) return;
  pages_.CaptionsChanged(inserting ? nullptr : control);
  if (!IsLoading()) TCustomTabControl::SetTabIndex(pages_.Index());
}

}  // namespace vcl
