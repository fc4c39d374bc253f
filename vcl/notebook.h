// The notebook: pages stacked in one place, of which the one at PageIndex shows (switched
// by code or by a tab set beside it).
#pragma once

#include <string>

#include "vcl/notebook_pages.h"
#include "vcl/stdctrls.h"

namespace vcl {

// One page of a notebook: it fills the notebook; its size and visibility are not written.
class TPage : public TCustomControl {
  VCL_CLASS(TPage, TCustomControl)
  explicit TPage(TComponent* owner);

protected:
  void TextChanged() override;
};

// A new notebook has one page, "Default"; a notebook read from a file has the pages the
// file holds.
class TNotebook : public TCustomControl {
  VCL_CLASS(TNotebook, TCustomControl)
  explicit TNotebook(TComponent* owner);

  int PageCount() const { return pages_.Count(); }
  TPage* Pages(int index) const { return static_cast<TPage*>(pages_.Page(index)); }
  TStrings* PageNames() const { return pages_.Captions(); }
  int PageIndex() const { return pages_.Index(); }
  void SetPageIndex(int value);
  std::string ActivePage() const { return pages_.ActiveCaption(); }
  void SetActivePage(const std::string& value);

  void Loading() override;
  void Loaded() override;

  TNotifyEvent OnPageChanged;

protected:
  friend class TPage;
  void ControlChange(TControl* control, bool inserting) override;

private:
  TNotebookPages pages_{this, TPage::ClassInfo()};
};

}  // namespace vcl
