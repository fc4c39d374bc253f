// The tabbed notebook: a notebook with a row of tabs, TabsPerRow tabs of equal width to a
// row, one per page.
#pragma once

#include <memory>
#include <string>

#include "vcl/comctrls.h"
#include "vcl/notebook_pages.h"

namespace vcl {

// One page of a tabbed notebook: it fills the area inside the tabs; its size and
// visibility are not written.
class TTabPage : public TWinControl {
  VCL_CLASS(TTabPage, TWinControl)
  explicit TTabPage(TComponent* owner);

protected:
  void TextChanged() override;
};

using TPageChangeEvent = TEvent<TObject*, int, bool&>;

// A new tabbed notebook has one page, "Default"; one read from a file has the pages the
// file holds. Selecting a tab shows its page.
class TTabbedNotebook : public TCustomTabControl {
  VCL_CLASS(TTabbedNotebook, TCustomTabControl)
  explicit TTabbedNotebook(TComponent* owner);
  ~TTabbedNotebook() override;

  int PageCount() const { return pages_.Count(); }
  TTabPage* Pages(int index) const { return static_cast<TTabPage*>(pages_.Page(index)); }
  TStrings* PageNames() const { return pages_.Captions(); }
  int PageIndex() const { return pages_.Index(); }
  void SetPageIndex(int value);
  std::string ActivePage() const { return pages_.ActiveCaption(); }
  void SetActivePage(const std::string& value);
  int TabsPerRow() const { return tabsPerRow_; }
  void SetTabsPerRow(int value);
  TFont* TabFont() const { return tabFont_.get(); }

  void SetTabIndex(int value) override;
  void Loading() override;
  void Loaded() override;

  TPageChangeEvent OnPageChange;

protected:
  friend class TTabPage;
  void ControlChange(TControl* control, bool inserting) override;
  void BoundsChanged(bool sizeChanged) override;
  void Change() override;

private:
  // Rows of TabsPerRow tabs sharing the width.
  void LayOutTabs();

  TNotebookPages pages_{this, TTabPage::ClassInfo(), Tabs()};
  int tabsPerRow_ = 3;
  std::unique_ptr<TFont> tabFont_;
};

}  // namespace vcl
