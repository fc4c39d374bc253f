#include "vcl/strings.h"

#include <algorithm>

#include "vcl/class_builder.h"
#include "vcl/sysutils.h"

namespace vcl {

namespace {

// Runs `work` inside an update bracket that is closed also when `work` raises.
template <class F>
void Updating(TStrings& list, F&& work) {
  list.BeginUpdate();
  try {
    work();
  } catch (...) {
    list.EndUpdate();
    throw;
  }
  list.EndUpdate();
}

bool NeedsQuotes(std::string_view s) {
  return std::any_of(s.begin(), s.end(),
                     [](char c) { return static_cast<unsigned char>(c) <= ' ' || c == '"' || c == ','; });
}

std::string Quoted(std::string_view s) {
  std::string out = "\"";
  for (char c : s) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + '"';
}

// Reads the quoted entry that starts at text[pos], leaving `pos` after its closing quote.
// An entry whose closing quote is missing runs to the end of the text.
std::string ReadQuoted(std::string_view text, std::size_t& pos) {
  std::string entry;
  ++pos;
  while (pos < text.size()) {
    std::size_t quote = text.find('"', pos);
    if (quote == std::string_view::npos) {
      entry += text.substr(pos);
      pos = text.size();
      break;
    }
    entry += text.substr(pos, quote - pos);
    pos = quote + 1;
    if (pos < text.size() && text[pos] == '"') {
      entry += '"';
      ++pos;
    } else {
      break;
    }
  }
  return entry;
}

// The text up to its first NUL character.
std::string_view UpToNul(std::string_view text) { return text.substr(0, text.find('\0')); }

[[noreturn]] void IndexError(int index) {
  throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
}

}  // namespace

// ---- TStrings

TClass TStrings::ClassInfo() {
  static TClass cls = TClassBuilder<TStrings>("TStrings", TPersistent::ClassInfo()).Build();
  return cls;
}

int TStrings::AddObject(const std::string& s, TObject* object) {
  int index = Count();
  InsertObject(index, s, object);
  return index;
}

void TStrings::Exchange(int index1, int index2) {
  std::string s1 = Strings(index1), s2 = Strings(index2);
  TObject* o1 = Objects(index1);
  TObject* o2 = Objects(index2);
  Updating(*this, [&] {
    Put(index1, s2);
    PutObject(index1, o2);
    Put(index2, s1);
    PutObject(index2, o1);
  });
}

void TStrings::Move(int curIndex, int newIndex) {
  if (curIndex == newIndex) return;
  // Reading both lines checks both indexes before anything changes.
  std::string s = Strings(curIndex);
  (void)Strings(newIndex);
  TObject* object = Objects(curIndex);
  Updating(*this, [&] {
    Delete(curIndex);
    InsertObject(newIndex, s, object);
  });
}

void TStrings::AddStrings(const TStrings& source) {
  std::vector<std::pair<std::string, TObject*>> lines;
  int count = source.Count();
  lines.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) lines.emplace_back(source.Strings(i), source.Objects(i));
  Updating(*this, [&] {
    for (auto& [s, object] : lines) AddObject(s, object);
  });
}

void TStrings::Assign(TPersistent* source) {
  auto* strings = Cast<TStrings>(source);
  if (!strings) {
    TPersistent::Assign(source);
    return;
  }
  if (strings == this) return;
  Updating(*this, [&] {
    Clear();
    AddStrings(*strings);
  });
}

int TStrings::IndexOf(std::string_view s) const {
  for (int i = 0, n = Count(); i < n; ++i)
    if (CompareText(Strings(i), s) == 0) return i;
  return -1;
}

int TStrings::IndexOfObject(const TObject* object) const {
  for (int i = 0, n = Count(); i < n; ++i)
    if (Objects(i) == object) return i;
  return -1;
}

bool TStrings::Equals(const TStrings& other) const {
  int count = Count();
  if (count != other.Count()) return false;
  for (int i = 0; i < count; ++i)
    if (Strings(i) != other.Strings(i)) return false;
  return true;
}

std::string TStrings::Names(int index) const {
  std::string line = Strings(index);
  std::size_t eq = line.find('=');
  return eq == std::string::npos ? std::string() : line.substr(0, eq);
}

int TStrings::IndexOfName(std::string_view name) const {
  for (int i = 0, n = Count(); i < n; ++i) {
    std::string line = Strings(i);
    std::size_t eq = line.find('=');
    if (eq != std::string::npos && SameText(std::string_view(line).substr(0, eq), name)) return i;
  }
  return -1;
}

std::string TStrings::Values(std::string_view name) const {
  int index = IndexOfName(name);
  // A matching name has the same length, whatever its letter case.
  return index < 0 ? std::string() : Strings(index).substr(name.size() + 1);
}

void TStrings::SetValues(std::string_view name, std::string_view value) {
  int index = IndexOfName(name);
  if (value.empty()) {
    if (index >= 0) Delete(index);
    return;
  }
  std::string line = std::string(name) + "=" + std::string(value);
  if (index < 0)
    Add(line);
  else
    Put(index, line);
}

std::string TStrings::Text() const {
  std::string text;
  for (int i = 0, n = Count(); i < n; ++i) {
    text += Strings(i);
    text += "\r\n";
  }
  return text;
}

void TStrings::SetText(std::string_view text) {
  text = UpToNul(text);
  Updating(*this, [&] {
    Clear();
    std::size_t pos = 0;
    while (pos < text.size()) {
      std::size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
      Add(std::string(text.substr(pos, end - pos)));
      pos = end;
      if (pos < text.size() && text[pos] == '\r') ++pos;
      if (pos < text.size() && text[pos] == '\n') ++pos;
    }
  });
}

std::string TStrings::CommaText() const {
  std::string text;
  for (int i = 0, n = Count(); i < n; ++i) {
    std::string s = Strings(i);
    if (i > 0) text += ',';
    // An empty last entry is quoted, or it would read back as no entry at all.
    bool quote = NeedsQuotes(s) || (s.empty() && i == n - 1);
    text += quote ? Quoted(s) : s;
  }
  return text;
}

void TStrings::SetCommaText(std::string_view text) {
  std::vector<std::string> entries = SplitCommaText(text);
  Updating(*this, [&] {
    Clear();
    for (const std::string& entry : entries) Add(entry);
  });
}

std::vector<std::string> SplitCommaText(std::string_view text) {
  text = UpToNul(text);
  auto isBlank = [&](std::size_t pos) { return pos < text.size() && static_cast<unsigned char>(text[pos]) <= ' '; };
  std::vector<std::string> entries;
  std::size_t pos = 0;
  while (isBlank(pos)) ++pos;
  while (pos < text.size()) {
    if (text[pos] == '"') {
      entries.push_back(ReadQuoted(text, pos));
    } else {
      std::size_t start = pos;
      while (pos < text.size() && !isBlank(pos) && text[pos] != ',') ++pos;
      entries.emplace_back(text.substr(start, pos - start));
    }
    while (isBlank(pos)) ++pos;
    if (pos < text.size() && text[pos] == ',') {
      ++pos;
      while (isBlank(pos)) ++pos;
    }
  }
  return entries;
}

void TStrings::BeginUpdate() {
  if (updateCount_ == 0) SetUpdateState(true);
  ++updateCount_;
}

void TStrings::EndUpdate() {
  if (updateCount_ == 0) return;
  if (--updateCount_ == 0) SetUpdateState(false);
}

// ---- TStringList

TClass TStringList::ClassInfo() {
  static TClass cls = TClassBuilder<TStringList>("TStringList", TStrings::ClassInfo()).Creatable().Build();
  return cls;
}

void TStringList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) IndexError(index);
}

void TStringList::CheckUnsorted() const {
  if (sorted_) throw EStringListError("Operation not allowed on sorted string list");
}

std::string TStringList::Strings(int index) const {
  CheckIndex(index);
  return items_[static_cast<std::size_t>(index)].text;
}

TObject* TStringList::Objects(int index) const {
  CheckIndex(index);
  return items_[static_cast<std::size_t>(index)].object;
}

void TStringList::Put(int index, const std::string& s) {
  CheckUnsorted();
  CheckIndex(index);
  Changing();
  items_[static_cast<std::size_t>(index)].text = s;
  Changed();
}

void TStringList::PutObject(int index, TObject* object) {
  CheckIndex(index);
  Changing();
  items_[static_cast<std::size_t>(index)].object = object;
  Changed();
}

void TStringList::InsertObject(int index, const std::string& s, TObject* object) {
  CheckUnsorted();
  if (index < 0 || index > Count()) IndexError(index);
  InsertItem(index, s, object);
}

void TStringList::InsertItem(int index, const std::string& s, TObject* object) {
  Changing();
  items_.insert(items_.begin() + index, Item{s, object});
  Changed();
}

void TStringList::Delete(int index) {
  CheckIndex(index);
  Changing();
  items_.erase(items_.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (items_.empty()) return;
  Changing();
  items_.clear();
  Changed();
}

int TStringList::AddObject(const std::string& s, TObject* object) {
  int index = Count();
  if (sorted_ && Find(s, index)) {
    // An ignored duplicate leaves the line already there untouched, object included.
    if (duplicates_ == dupIgnore) return index;
    if (duplicates_ == dupError) throw EStringListError("String list does not allow duplicates");
  }
  InsertItem(index, s, object);
  return index;
}

void TStringList::Exchange(int index1, int index2) {
  CheckUnsorted();
  CheckIndex(index1);
  CheckIndex(index2);
  Changing();
  std::swap(items_[static_cast<std::size_t>(index1)], items_[static_cast<std::size_t>(index2)]);
  Changed();
}

void TStringList::Move(int curIndex, int newIndex) {
  if (curIndex == newIndex) return;
  CheckUnsorted();
  CheckIndex(curIndex);
  CheckIndex(newIndex);
  Changing();
  auto cur = items_.begin() + curIndex, target = items_.begin() + newIndex;
  if (curIndex < newIndex)
    std::rotate(cur, cur + 1, target + 1);
  else
    std::rotate(target, cur, cur + 1);
  Changed();
}

int TStringList::IndexOf(std::string_view s) const {
  if (sorted_) {
    int index;
    return Find(s, index) ? index : -1;
  }
  auto it = std::find_if(items_.begin(), items_.end(), [&](const Item& item) { return CompareText(item.text, s) == 0; });
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

bool TStringList::Find(std::string_view s, int& index) const {
  auto it = std::lower_bound(items_.begin(), items_.end(), s,
                             [](const Item& item, std::string_view key) { return CompareText(item.text, key) < 0; });
  index = static_cast<int>(it - items_.begin());
  return it != items_.end() && CompareText(it->text, s) == 0;
}

void TStringList::Sort() {
  if (sorted_ || items_.size() < 2) return;
  Changing();
  std::stable_sort(items_.begin(), items_.end(),
                   [](const Item& a, const Item& b) { return CompareText(a.text, b.text) < 0; });
  Changed();
}

void TStringList::SetSorted(bool value) {
  if (value == sorted_) return;
  if (value) Sort();
  sorted_ = value;
}

void TStringList::SetUpdateState(bool updating) {
  if (updating)
    Changing();
  else
    Changed();
}

void TStringList::Changing() {
  if (UpdateCount() == 0) OnChanging(this);
}

void TStringList::Changed() {
  if (UpdateCount() == 0) OnChange(this);
}

}  // namespace vcl
