// What the two notebooks share: their pages are their children of one page class, in
// order; one of them, at the page index, shows. A page is found by its caption.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "vcl/controls.h"
#include "vcl/published_controls.h"
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

  // Destroys every page (a file's pages replace a new notebook's default one).
  void Clear();

  int Index() const { return index_; }
  // Shows the page at `value` (not while loading: Loaded shows it once the pages exist);
  // an index that names no page is ignored. True when the shown page changed.
  bool SetIndex(int value);
  // Once the pages are read: lists their captions and shows the page the file names.
  void Loaded();
  // The caption of the shown page; showing one by caption (ignoring case, unknown ignored).
  std::string ActiveCaption() const;
  bool SetActiveCaption(const std::string& caption);

private:
  void ShowOnly(int index);
  std::vector<TWinControl*> List() const;

  TWinControl* book_;
  TClass pageClass_;
  std::unique_ptr<TStringList> ownCaptions_;
  TStrings* captions_;
  int index_ = 0;
};

// What a notebook's page publishes: its caption; its size, tab order and visibility, which
// the notebook sets, are not written.
template <class P>
TClass PublishNotebookPage(const char* name, TClass parent) {
  auto never = [](P&) { return false; };
  TClassBuilder<P> b(name, parent);
  b.Creatable();
  PublishStandard(b, "Caption");
  b.Integer("Height", &P::Height, &P::SetHeight).StoredWhen(never);
  b.Integer("TabOrder", &P::TabOrder, &P::SetTabOrder, -1, TypeInfoTabOrder()).StoredWhen(never);
  b.Bool("Visible", &P::Visible, &P::SetVisible, true).StoredWhen(never);
  b.Integer("Width", &P::Width, &P::SetWidth).StoredWhen(never);
  PublishStandard(b, "OnEnter OnExit");
  return b.Build();
}

// A new page is hidden and fills its notebook.
inline void InitNotebookPage(TControl* page) {
  page->SetControlStyle(page->ControlStyle() | StyleOf(csAcceptsControls) | StyleOf(csNoDesignVisible));
  page->SetVisible(false);
  page->SetAlign(alClient);
}

}  // namespace vcl
