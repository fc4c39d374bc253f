#include "vcl/notebook_pages.h"

#include "vcl/sysutils.h"

namespace vcl {

TNotebookPages::TNotebookPages(TWinControl* book, TClass pageClass, TStrings* captions)
    : book_(book),
      pageClass_(pageClass),
      ownCaptions_(captions ? nullptr : std::make_unique<TStringList>()),
      captions_(captions ? captions : ownCaptions_.get()) {}

TNotebookPages::~TNotebookPages() = default;

int TNotebookPages::Count() const {
  int count = 0;
  for (int i = 0; i < book_->ControlCount(); ++i)
    if (IsPage(book_->Controls(i))) ++count;
  return count;
}

TWinControl* TNotebookPages::Page(int index) const {
  int at = 0;
  for (int i = 0; i < book_->ControlCount(); ++i) {
    TControl* control = book_->Controls(i);
    if (IsPage(control) && at++ == index) return static_cast<TWinControl*>(control);
  }
  throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

std::vector<TWinControl*> TNotebookPages::List() const {
  std::vector<TWinControl*> pages;
  for (int i = 0; i < book_->ControlCount(); ++i)
    if (TControl* control = book_->Controls(i); IsPage(control)) pages.push_back(static_cast<TWinControl*>(control));
  return pages;
}

void TNotebookPages::Clear() {
  for (TWinControl* page : List()) page->Free();
}

void TNotebookPages::CaptionsChanged(const TControl* leaving) {
  // While the pages are read, once at the end.
  if (book_->HasState(csLoading)) return;
  captions_->BeginUpdate();
  captions_->Clear();
  for (int i = 0; i < book_->ControlCount(); ++i)
    if (TControl* control = book_->Controls(i); IsPage(control) && control != leaving)
      captions_->Add(control->Caption());
  captions_->EndUpdate();
}

void TNotebookPages::ShowOnly(int index) {
  int at = 0;
  for (int i = 0; i < book_->ControlCount(); ++i)
    if (TControl* control = book_->Controls(i); IsPage(control)) control->SetVisible(at++ == index);
}

bool TNotebookPages::SetIndex(int value) {
  if (book_->HasState(csLoading)) {
    index_ = value;
    return false;
  }
  if (value < 0 || value >= Count() || value == index_) return false;
  index_ = value;
  ShowOnly(value);
  return true;
}

void TNotebookPages::Loaded() {
  CaptionsChanged();
  ShowOnly(index_);
}

std::string TNotebookPages::ActiveCaption() const {
  return index_ >= 0 && index_ < Count() ? Page(index_)->Caption() : std::string();
}

bool TNotebookPages::SetActiveCaption(const std::string& caption) {
  int at = 0;
  for (int i = 0; i < book_->ControlCount(); ++i) {
    TControl* control = book_->Controls(i);
    if (!IsPage(control)) continue;
    if (SameText(control->Caption(), caption)) return SetIndex(at);
    ++at;
  }
  return false;
}

}  // namespace vcl
