#include <algorithm>

#include "vcl/comctrls.h"
#include "vcl/forms.h"
#include "vcl/published_controls.h"
#include "vcl/text_metrics.h"

namespace vcl {

namespace {
const TTypeInfo* TypeInfoTabPosition() {
  static auto t = MakeEnumType("TTabPosition", {"tpTop", "tpBottom", "tpLeft", "tpRight"});
  return t;
}
const TTypeInfo* TypeInfoTabStyle() {
  static auto t = MakeEnumType("TTabStyle", {"tsTabs", "tsButtons", "tsFlatButtons"});
  return t;
}

// Properties shared by the tab and page controls, in the host's order around Tabs.
template <class C>
void PublishTabProperties(TClassBuilder<C>& b, bool withTabs) {
  PublishStandard(b, "Align Anchors BiDiMode Constraints DockSite DragCursor DragKind DragMode Enabled Font");
  b.Bool("HotTrack", &C::HotTrack, &C::SetHotTrack, false);
  b.template Reference<TCustomImageList>("Images", &C::Images, &C::SetImages);
  b.Bool("MultiLine", &C::MultiLine, &C::SetMultiLine, false);
  b.Bool("OwnerDraw", &C::OwnerDraw, &C::SetOwnerDraw, false);
  PublishStandard(b, "ParentBiDiMode ParentFont ParentShowHint PopupMenu");
  b.Bool("RaggedRight", &C::RaggedRight, &C::SetRaggedRight, false);
  b.Bool("ScrollOpposite", &C::ScrollOpposite, &C::SetScrollOpposite, false);
  PublishStandard(b, "ShowHint");
  b.template Enum<TTabStyle>("Style", TypeInfoTabStyle(), &C::Style, &C::SetStyle, tsTabs);
  b.Integer("TabHeight", &C::TabHeight, &C::SetTabHeight, 0, NamedIntegerType("Smallint"));
  PublishStandard(b, "TabOrder");
  b.template Enum<TTabPosition>("TabPosition", TypeInfoTabPosition(), &C::TabPosition, &C::SetTabPosition, tpTop);
  if (withTabs) {
    // Tabs come before TabIndex: the index is read once the tabs exist.
    b.Object("Tabs", &C::Tabs);
    b.Integer("TabIndex", &C::TabIndex, &C::SetTabIndex, -1);
  }
  b.Bool("TabStop", &C::TabStop, &C::SetTabStop, true);
  b.Integer("TabWidth", &C::TabWidth, &C::SetTabWidth, 0, NamedIntegerType("Smallint"));
  PublishStandard(b, "Visible");
  b.Event("OnChange", &C::OnChange);
  b.Event("OnChanging", &C::OnChanging, "TTabChangingEvent");
  PublishStandard(b, "OnDockDrop OnDockOver OnDragDrop OnDragOver");
  b.Event("OnDrawTab", &C::OnDrawTab, "TDrawTabEvent");
  PublishStandard(b, "OnEndDock OnEndDrag OnEnter OnExit");
  b.Event("OnGetImageIndex", &C::OnGetImageIndex, "TTabGetImageEvent");
  PublishStandard(b, "OnGetSiteInfo OnMouseDown OnMouseMove OnMouseUp OnResize OnStartDock OnStartDrag OnUnDock");
}
}  // namespace

// ---- TCustomTabControl

TClass TCustomTabControl::ClassInfo() {
  static TClass cls = TClassBuilder<TCustomTabControl>("TCustomTabControl", TWinControl::ClassInfo()).Build();
  return cls;
}

TCustomTabControl::TCustomTabControl(TComponent* owner)
    : TWinControl(owner), tabs_(std::make_unique<TStringList>()) {
  SetControlStyle(StyleOf(csAcceptsControls) | StyleOf(csDoubleClicks));
  SetBounds(0, 0, 289, 193);
  SetTabStop(true);
  tabs_->OnChange = [this](TObject*) { TabsChanged(); };
}

TCustomTabControl::~TCustomTabControl() { tabs_->OnChange.Clear(); }

void TCustomTabControl::TabsChanged() {
  // The first tab added becomes the selected one; a selection past the end moves back.
  int count = tabs_->Count();
  if (count == 0)
    tabIndex_ = -1;
  else
    tabIndex_ = std::clamp(tabIndex_, 0, count - 1);
  LayoutChanged();
}

void TCustomTabControl::SetTabIndex(int value) {
  tabIndex_ = value >= 0 && value < tabs_->Count() ? value : -1;
}

bool TCustomTabControl::CanChange() {
  bool allow = true;
  OnChanging(this, allow);
  return allow;
}

bool TCustomTabControl::SelectTab(int index) {
  if (index < 0 || index >= tabs_->Count()) return false;
  if (index == tabIndex_) return true;
  if (!CanChange()) return false;
  tabIndex_ = index;
  Change();
  return true;
}

void TCustomTabControl::SetMultiLine(bool value) {
  if (value == multiLine_) return;
  multiLine_ = value;
  LayoutChanged();
}

void TCustomTabControl::SetTabHeight(int value) {
  if (value == tabHeight_) return;
  tabHeight_ = value;
  LayoutChanged();
}

void TCustomTabControl::SetTabWidth(int value) {
  if (value == tabWidth_) return;
  tabWidth_ = value;
  LayoutChanged();
}

void TCustomTabControl::SetTabPosition(TTabPosition value) {
  if (value == tabPosition_) return;
  tabPosition_ = value;
  LayoutChanged();
}

void TCustomTabControl::SetStyle(TTabStyle value) {
  if (value == style_) return;
  style_ = value;
  LayoutChanged();
}

void TCustomTabControl::FontChanged() {
  TWinControl::FontChanged();
  LayoutChanged();
}

int TCustomTabControl::RowCount() const {
  if (!multiLine_ || tabs_->Count() == 0) return 1;
  bool vertical = tabPosition_ == tpLeft || tabPosition_ == tpRight;
  int available = (vertical ? Height() : Width()) - 4;
  int rows = 1, used = 0;
  for (int i = 0; i < tabs_->Count(); ++i) {
    int width = tabWidth_ > 0 ? tabWidth_ : MeasureTextWidth(EffectiveFont(), StripAccelChars(tabs_->Strings(i))) + 12;
    if (used > 0 && used + width > available) {
      ++rows;
      used = 0;
    }
    used += width;
  }
  return rows;
}

TRect TCustomTabControl::DisplayRect() const {
  int rowHeight = tabHeight_ > 0 ? tabHeight_ : MeasureTextHeight(EffectiveFont()) + 5;
  TRect client = ClientRect();
  bool buttons = style_ != tsTabs;
  int strip = RowCount() * (buttons ? rowHeight + 3 : rowHeight) + (buttons ? 0 : 6);
  int margin = buttons ? 0 : 4;
  TRect r = Rect(margin, margin, client.Right - margin, client.Bottom - margin);
  switch (tabPosition_) {
    case tpTop: r.Top = strip; break;
    case tpBottom: r.Bottom = client.Bottom - strip; break;
    case tpLeft: r.Left = strip; break;
    case tpRight: r.Right = client.Right - strip; break;
  }
  return r;
}

void TCustomTabControl::AdjustClientRect(TRect& rect) const { rect = DisplayRect(); }

TClass TTabControl::ClassInfo() {
  static TClass cls = [] {
    TClassBuilder<TTabControl> b("TTabControl", TCustomTabControl::ClassInfo());
    b.Creatable();
    PublishTabProperties(b, true);
    return b.Build();
  }();
  return cls;
}

// ---- TTabSheet

TClass TTabSheet::ClassInfo() {
  static TClass cls = [] {
    using S = TTabSheet;
    auto never = [](S&) { return false; };
    TClassBuilder<S> b("TTabSheet", TWinControl::ClassInfo());
    b.Creatable();
    // The page control places its pages: their bounds and visibility are not written.
    b.Integer("Left", &S::Left, &S::SetLeft).StoredWhen(never);
    b.Integer("Top", &S::Top, &S::SetTop).StoredWhen(never);
    b.Integer("Width", &S::Width, &S::SetWidth).StoredWhen(never);
    b.Integer("Height", &S::Height, &S::SetHeight).StoredWhen(never);
    PublishStandard(b, "BorderWidth Caption DragMode Enabled Font");
    b.Integer("ImageIndex", &S::ImageIndex, &S::SetImageIndex, 0, TypeInfoImageIndex());
    PublishStandard(b, "Constraints");
    b.Integer("PageIndex", &S::PageIndex, &S::SetPageIndex).StoredWhen(never);
    PublishStandard(b, "ParentFont ParentShowHint PopupMenu ShowHint");
    b.Bool("TabVisible", &S::TabVisible, &S::SetTabVisible, true);
    b.Bool("Visible", &S::Visible, &S::SetVisible, true).StoredWhen(never);
    PublishStandard(b, "OnDragDrop OnDragOver OnEndDrag OnEnter OnExit");
    b.Event("OnHide", &S::OnHide);
    PublishStandard(b, "OnMouseDown OnMouseMove OnMouseUp OnResize");
    b.Event("OnShow", &S::OnShow);
    PublishStandard(b, "OnStartDrag");
    return b.Build();
  }();
  return cls;
}

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(ControlStyle() | StyleOf(csAcceptsControls) | StyleOf(csNoDesignVisible));
  SetAlign(alClient);
  SetVisible(false);
}

TTabSheet::~TTabSheet() {
  Destroying();
  SetPageControl(nullptr);
}

void TTabSheet::SetPageControl(TPageControl* value) {
  if (value == pageControl_) return;
  SetParent(value);
}

void TTabSheet::SetParentComponent(TComponent* value) {
  if (auto* pageControl = Cast<TPageControl>(value))
    SetPageControl(pageControl);
  else
    TWinControl::SetParentComponent(value);
}

int TTabSheet::PageIndex() const {
  if (!pageControl_) return -1;
  auto& pages = pageControl_->pages_;
  return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int value) {
  if (pageControl_) pageControl_->MovePage(this, value);
}

int TTabSheet::TabIndex() const {
  if (!pageControl_ || !tabVisible_) return -1;
  int index = 0;
  for (TTabSheet* page : pageControl_->pages_) {
    if (page == this) return index;
    if (page->tabVisible_) ++index;
  }
  return -1;
}

void TTabSheet::SetTabVisible(bool value) {
  if (value == tabVisible_) return;
  tabVisible_ = value;
  if (pageControl_) pageControl_->UpdateTabs();
}

void TTabSheet::TextChanged() {
  if (pageControl_) pageControl_->UpdateTabs();
}

void TTabSheet::VisibleChanged() {
  if (IsLoading()) return;
  if (Visible())
    OnShow(this);
  else
    OnHide(this);
}

// ---- TPageControl

TClass TPageControl::ClassInfo() {
  static TClass cls = [] {
    TClassBuilder<TPageControl> b("TPageControl", TCustomTabControl::ClassInfo());
    b.Creatable();
    b.Reference<TTabSheet>("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage);
    PublishTabProperties(b, false);
    return b.Build();
  }();
  return cls;
}

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {
  SetControlStyle(StyleOf(csDoubleClicks));
}

TPageControl::~TPageControl() {
  // The pages are destroyed with the other children; let them forget this control first.
  for (TTabSheet* page : pages_) page->pageControl_ = nullptr;
  pages_.clear();
}

TTabSheet* TPageControl::Pages(int index) const {
  if (index < 0 || index >= PageCount())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return pages_[static_cast<std::size_t>(index)];
}

void TPageControl::ControlChange(TControl* control, bool inserting) {
  auto* page = Cast<TTabSheet>(control);
  if (!page) return;
  if (inserting)
    InsertPage(page);
  else
    RemovePage(page);
}

void TPageControl::InsertPage(TTabSheet* page) {
  if (std::find(pages_.begin(), pages_.end(), page) != pages_.end()) return;
  pages_.push_back(page);
  page->pageControl_ = this;
  UpdateTabs();
}

void TPageControl::RemovePage(TTabSheet* page) {
  auto it = std::find(pages_.begin(), pages_.end(), page);
  if (it == pages_.end()) return;
  // The page after the removed one becomes the active page, as the host does.
  TTabSheet* next = FindNextPage(page, true, !HasState(csDesigning));
  if (next == page) next = nullptr;
  pages_.erase(it);
  page->pageControl_ = nullptr;
  UpdateTabs();
  SetActivePage(next);
}

void TPageControl::MovePage(TTabSheet* page, int index) {
  auto it = std::find(pages_.begin(), pages_.end(), page);
  if (it == pages_.end()) return;
  pages_.erase(it);
  index = std::clamp(index, 0, PageCount());
  pages_.insert(pages_.begin() + index, page);
  UpdateTabs();
}

void TPageControl::UpdateTabs() {
  TStrings* tabs = Tabs();
  tabs->BeginUpdate();
  tabs->Clear();
  for (TTabSheet* page : pages_)
    if (page->TabVisible()) tabs->Add(page->Caption());
  tabs->EndUpdate();
  TCustomTabControl::SetTabIndex(ActivePage() ? ActivePage()->TabIndex() : -1);
}

void TPageControl::ChangeActivePage(TTabSheet* page) {
  TTabSheet* old = ActivePage();
  if (page == old) return;
  if (page) page->SetVisible(true);
  activePage_.Set(page);
  if (old) {
    if (TCustomForm* form = GetParentForm(this)) form->DefocusControl(old, false);
    old->SetVisible(false);
  }
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page && page->pageControl_ != this) return;
  ChangeActivePage(page);
  TCustomTabControl::SetTabIndex(page ? page->TabIndex() : -1);
}

int TPageControl::ActivePageIndex() const { return ActivePage() ? ActivePage()->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int value) {
  SetActivePage(value >= 0 && value < PageCount() ? pages_[static_cast<std::size_t>(value)] : nullptr);
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const {
  if (pages_.empty()) return nullptr;
  auto count = static_cast<int>(pages_.size());
  auto it = std::find(pages_.begin(), pages_.end(), current);
  int start = it == pages_.end() ? (goForward ? count - 1 : 0) : static_cast<int>(it - pages_.begin());
  int i = start;
  do {
    i = goForward ? (i + 1) % count : (i + count - 1) % count;
    TTabSheet* page = pages_[static_cast<std::size_t>(i)];
    if (!checkTabVisible || page->TabVisible()) return page;
  } while (i != start);
  return nullptr;
}

void TPageControl::SelectNextPage(bool goForward) {
  TTabSheet* page = FindNextPage(ActivePage(), goForward, true);
  if (page && page != ActivePage() && CanChange()) {
    SetActivePage(page);
    Change();
  }
}

void TPageControl::SetTabIndex(int value) {
  for (TTabSheet* page : pages_)
    if (page->TabIndex() == value && value >= 0) return SetActivePage(page);
  SetActivePage(nullptr);
}

bool TPageControl::SelectTab(int index) {
  TTabSheet* target = nullptr;
  for (TTabSheet* page : pages_)
    if (page->TabIndex() == index && index >= 0) target = page;
  if (!target) return false;
  if (target == ActivePage()) return true;
  if (!CanChange()) return false;
  SetActivePage(target);
  Change();
  return true;
}

void TPageControl::Loaded() {
  TCustomTabControl::Loaded();
  Realign();
}

void TPageControl::GetChildren(const std::function<void(TComponent*)>& proc, TComponent*) const {
  for (TTabSheet* page : pages_) proc(page);
}

}  // namespace vcl
