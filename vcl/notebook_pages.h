// What the two notebooks share: their pages are their children of one page class, in
// order; one of them, at the page index, shows. A page is found by its caption.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "vcl/controls.h"
#include "vcl/strings.h"

namespace vcl {

class TNotebookPages {
public:
  // The captions go into `captions` (a tabbed notebook's tabs), or a list of its own.
  TNotebookPages(TWinControl* book, TClass pageClass, TStrings* captions = nullptr);
  ~TNotebookPages();

  int Count() const;
  TWinControl* Page(int index) const;
  bool IsPage(const TControl* control) const { return control && control->InheritsFrom(pageClass_); }
  // The captions, one per page, kept in step with the pages (published as Pages): the
  // book calls this when a page comes, goes (`leaving`, still a child) or is renamed.
  TStrings* Captions() const { return captions_; }
  void CaptionsChanged(const TControl* leaving = nullptr);

  int Index() const { return index_; }
  // Shows the page at `value` (not while loading: Loaded shows it once the pages exist);
  // an index that names no page is ignored. True when the shown page changed.
  bool SetIndex(int value);
  // Once the pages are read: shows the page the file names.
  void Loaded();
  // The caption of the shown page; showing one by caption (ignoring case, unknown ignored).
  std::string ActiveCaption() const;
  bool SetActiveCaption(const std::string& caption);

private:
  void ShowOnly(int index);

  TWinControl* book_;
  TClass pageClass_;
  std::unique_ptr<TStringList> ownCaptions_;
  TStrings* captions_;
  int index_ = 0;
};

}  // namespace vcl
