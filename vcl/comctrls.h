// Tabbed controls: the tab control and the page control with its tab sheets.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "vcl/controls.h"
#include "vcl/imglist.h"
#include "vcl/stdctrls.h"
#include "vcl/strings.h"

namespace vcl {

enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
enum TTabStyle { tsTabs, tsButtons, tsFlatButtons };

class TCustomTabControl;
using TTabChangingEvent = TEvent<TObject*, bool&>;
using TDrawTabEvent = TEvent<TCustomTabControl*, int, TRect, bool>;
using TTabGetImageEvent = TEvent<TObject*, int, int&>;

// A row (or rows) of tabs over a display area. TabIndex is the selected tab (-1 for
// none); tabs selected by the user pass OnChanging and then run OnChange.
//
// Tab geometry: a row is TabHeight high, or the font's text height + 5; a tab is TabWidth
// wide, or its caption's width + 12. Single-line controls keep one row; MultiLine ones
// wrap the tabs into as many rows as the width (minus 4) needs. The display area lies 4
// pixels inside the other edges and rows x row height + 6 pixels from the tab edge.
class TCustomTabControl : public TWinControl {
  VCL_CLASS(TCustomTabControl, TWinControl)
  explicit TCustomTabControl(TComponent* owner);
  ~TCustomTabControl() override;

  TStrings* Tabs() const { return tabs_.get(); }
  int TabIndex() const { return tabIndex_; }
  // Out-of-range values select no tab.
  virtual void SetTabIndex(int value);
  // What a click on tab `index` does: asks OnChanging, selects, runs OnChange.
  // False when the change was refused or the index names no tab.
  virtual bool SelectTab(int index);

  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool value);
  int TabHeight() const { return tabHeight_; }
  void SetTabHeight(int value);
  int TabWidth() const { return tabWidth_; }
  void SetTabWidth(int value);
  TTabPosition TabPosition() const { return tabPosition_; }
  void SetTabPosition(TTabPosition value);
  TTabStyle Style() const { return style_; }
  void SetStyle(TTabStyle value);
  bool HotTrack() const { return hotTrack_; }
  void SetHotTrack(bool value) { hotTrack_ = value; }
  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool value) { ownerDraw_ = value; }
  bool RaggedRight() const { return raggedRight_; }
  void SetRaggedRight(bool value) { raggedRight_ = value; }
  bool ScrollOpposite() const { return scrollOpposite_; }
  void SetScrollOpposite(bool value) { scrollOpposite_ = value; }
  TCustomImageList* Images() const { return images_.get(); }
  void SetImages(TCustomImageList* value) { images_.Set(value); }

  // The number of rows the tabs take.
  int RowCount() const;
  // The area inside the tabs and borders, in client coordinates.
  TRect DisplayRect() const;
  void AdjustClientRect(TRect& rect) const override;

  TNotifyEvent OnChange;
  TTabChangingEvent OnChanging;
  TDrawTabEvent OnDrawTab;
  TTabGetImageEvent OnGetImageIndex;

protected:
  virtual void Change() { OnChange(this); }
  bool CanChange();
  void FontChanged() override;
  // The tabs changed (added, removed, renamed).
  virtual void TabsChanged();

private:
  void LayoutChanged() { Realign(); }

  std::unique_ptr<TStringList> tabs_;
  int tabIndex_ = -1;
  bool multiLine_ = false;
  int tabHeight_ = 0;
  int tabWidth_ = 0;
  TTabPosition tabPosition_ = tpTop;
  TTabStyle style_ = tsTabs;
  bool hotTrack_ = false;
  bool ownerDraw_ = false;
  bool raggedRight_ = false;
  bool scrollOpposite_ = false;
  TComponentRef<TCustomImageList> images_{this};
};

class TTabControl : public TCustomTabControl {
  VCL_CLASS(TTabControl, TCustomTabControl)
  using TCustomTabControl::TCustomTabControl;
};

class TPageControl;

// One page of a page control. Its bounds follow the page control's display area; only
// the active page is visible.
class TTabSheet : public TWinControl {
  VCL_CLASS(TTabSheet, TWinControl)
  explicit TTabSheet(TComponent* owner);
  ~TTabSheet() override;

  TPageControl* PageControl() const { return pageControl_; }
  // Moves the sheet to the end of `value`'s pages (null: out of any page control).
  void SetPageControl(TPageControl* value);
  void SetParentComponent(TComponent* value) override;
  // Position among the page control's pages; setting it moves the sheet.
  int PageIndex() const;
  void SetPageIndex(int value);
  // Position among the visible tabs; -1 when the tab is hidden.
  int TabIndex() const;
  bool TabVisible() const { return tabVisible_; }
  void SetTabVisible(bool value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value) { imageIndex_ = value; }

  TNotifyEvent OnHide;
  TNotifyEvent OnShow;

protected:
  void TextChanged() override;
  void VisibleChanged() override;

private:
  friend class TPageControl;
  TPageControl* pageControl_ = nullptr;
  bool tabVisible_ = true;
  int imageIndex_ = 0;
};

// Pages (tab sheets) of which one, the ActivePage, shows; each visible page has a tab.
class TPageControl : public TCustomTabControl {
  VCL_CLASS(TPageControl, TCustomTabControl)
  explicit TPageControl(TComponent* owner);
  ~TPageControl() override;

  int PageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet* Pages(int index) const;
  TTabSheet* ActivePage() const { return activePage_.get(); }
  // Shows `page` and hides the previous one; a page of another control is ignored.
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const;
  void SetActivePageIndex(int value);
  // The next (or previous) visible page after `current`, wrapping around.
  TTabSheet* FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const;
  void SelectNextPage(bool goForward);

  void SetTabIndex(int value) override;
  bool SelectTab(int index) override;
  // Pages have no bounds in form files: once loaded, they take the display area (their
  // own children, still loading, keep the positions read).
  void Loaded() override;
  // Writes the pages in page order.
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;

protected:
  void ControlChange(TControl* control, bool inserting) override;

private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void MovePage(TTabSheet* page, int index);
  // Rebuilds the tabs from the visible pages and selects the active page's tab.
  void UpdateTabs();
  void ChangeActivePage(TTabSheet* page);

  std::vector<TTabSheet*> pages_;
  TComponentRef<TTabSheet> activePage_{this};
};

// Sender, start and end of the protected text, whether to allow the change.
using TRichEditProtectChange = TEvent<TObject*, int, int, bool&>;
using TRichEditResizeEvent = TEvent<TObject*, TRect>;
// Sender, number of objects and of characters, whether to keep them on the clipboard.
using TRichEditSaveClipboard = TEvent<TObject*, int, int, bool&>;

// A memo for formatted text. The model keeps the plain text of its lines only.
class TCustomRichEdit : public TCustomMemo {
  VCL_CLASS(TCustomRichEdit, TCustomMemo)
  explicit TCustomRichEdit(TComponent* owner);

  bool HideScrollBars() const { return hideScrollBars_; }
  void SetHideScrollBars(bool value) { hideScrollBars_ = value; }
  // Lines are read and written as plain text rather than rich text format.
  bool PlainText() const { return plainText_; }
  void SetPlainText(bool value) { plainText_ = value; }

  TRichEditProtectChange OnProtectChange;
  TRichEditResizeEvent OnResizeRequest;
  TRichEditSaveClipboard OnSaveClipboard;
  TNotifyEvent OnSelectionChange;

private:
  bool hideScrollBars_ = true;
  bool plainText_ = false;
};

class TRichEdit : public TCustomRichEdit {
  VCL_CLASS(TRichEdit, TCustomRichEdit)
  using TCustomRichEdit::TCustomRichEdit;
};

}  // namespace vcl
