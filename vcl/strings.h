// Lists of text lines, each line with an associated object: the abstract TStrings with
// its text forms and look-ups, and TStringList, which stores the lines and can keep them sorted.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "vcl/classes.h"
#include "vcl/events.h"

namespace vcl {

// An ordered list of UTF-8 lines. Each line carries an object, which the list does not own.
// Descendants store the lines; this class builds every other operation on that storage.
// Look-ups by text ignore ASCII letter case (CompareText).
class TStrings : public TPersistent {
  VCL_CLASS(TStrings, TPersistent)

  // ---- Storage, provided by descendants. Bad indexes raise EStringListError.
  virtual int Count() const = 0;
  virtual std::string Strings(int index) const = 0;
  virtual TObject* Objects(int index) const = 0;
  virtual void Put(int index, const std::string& s) = 0;
  virtual void PutObject(int index, TObject* object) = 0;
  virtual void InsertObject(int index, const std::string& s, TObject* object) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;

  // ---- Editing. Add and AddObject return the index of the new line.
  int Add(const std::string& s) { return AddObject(s, nullptr); }
  virtual int AddObject(const std::string& s, TObject* object);
  void Insert(int index, const std::string& s) { InsertObject(index, s, nullptr); }
  virtual void Exchange(int index1, int index2);
  // Moves the line (with its object) at `curIndex` so that it ends up at `newIndex`.
  virtual void Move(int curIndex, int newIndex);
  // Appends every line of `source` with its object.
  void AddStrings(const TStrings& source);
  // From another list: its lines and objects replace this list's. Anything else goes to TPersistent.
  void Assign(TPersistent* source) override;

  // ---- Look-ups; -1 when absent.
  virtual int IndexOf(std::string_view s) const;
  int IndexOfObject(const TObject* object) const;
  // Same lines in the same order, letter case included (objects are not compared).
  bool Equals(const TStrings& other) const;

  // ---- Name=value lines: the name is the text before the first '='.
  std::string Names(int index) const;  // empty when the line has no '='
  int IndexOfName(std::string_view name) const;
  std::string Values(std::string_view name) const;  // empty when no line has that name
  // Replaces the value of the named line, or adds the line; an empty value deletes it.
  void SetValues(std::string_view name, std::string_view value);

  // ---- Text forms. When setting, a NUL character ends the text.
  // Every line followed by CR LF.
  std::string Text() const;
  // One line per CR LF, CR or LF; a last line without one is a line too.
  void SetText(std::string_view text);
  // Entries separated by commas; an entry holding a blank, a control character, a comma
  // or a double quote is quoted, with inner quotes doubled, and so is an empty last entry.
  std::string CommaText() const;
  // Reads entries separated by commas or blanks; blanks around an entry are skipped and
  // a quoted entry keeps its blanks and commas.
  void SetCommaText(std::string_view text);

  // ---- Update brackets: the change notifications of descendants come once per bracket.
  void BeginUpdate();
  void EndUpdate();

protected:
  TStrings() = default;
  int UpdateCount() const { return updateCount_; }
  // Called as the first bracket opens (true) and the last one closes (false).
  virtual void SetUpdateState(bool) {}

private:
  int updateCount_ = 0;
};

enum TDuplicates { dupIgnore, dupAccept, dupError };

// A list of strings held in memory. When Sorted, lines stay in CompareText order, Add puts
// a line at its sorted place, look-ups use binary search, and Duplicates decides what
// adding a line that is already there does.
class TStringList : public TStrings {
  VCL_CLASS(TStringList, TStrings)
  TStringList() = default;

  int Count() const override { return static_cast<int>(items_.size()); }
  std::string Strings(int index) const override;
  TObject* Objects(int index) const override;
  // Raises EStringListError on a sorted list, where a line's text fixes its place.
  void Put(int index, const std::string& s) override;
  void PutObject(int index, TObject* object) override;
  // Raises EStringListError on a sorted list; use Add there.
  void InsertObject(int index, const std::string& s, TObject* object) override;
  void Delete(int index) override;
  void Clear() override;
  int AddObject(const std::string& s, TObject* object) override;
  // Both raise EStringListError on a sorted list.
  void Exchange(int index1, int index2) override;
  void Move(int curIndex, int newIndex) override;

  int IndexOf(std::string_view s) const override;
  // Binary search of a sorted list: true when found; `index` gets the position of the
  // match, or where `s` would be inserted.
  bool Find(std::string_view s, int& index) const;
  // Orders the lines by CompareText; equal lines keep their order.
  void Sort();

  bool Sorted() const { return sorted_; }
  void SetSorted(bool value);
  TDuplicates Duplicates() const { return duplicates_; }
  void SetDuplicates(TDuplicates value) { duplicates_ = value; }

  // Fired before and after each change, or once for a whole BeginUpdate/EndUpdate bracket.
  TNotifyEvent OnChanging;
  TNotifyEvent OnChange;

protected:
  void SetUpdateState(bool updating) override;
  void Changing();
  void Changed();

private:
  struct Item {
    std::string text;
    TObject* object;
  };
  void CheckIndex(int index) const;
  void CheckUnsorted() const;
  void InsertItem(int index, const std::string& s, TObject* object);

  std::vector<Item> items_;
  bool sorted_ = false;
  TDuplicates duplicates_ = dupIgnore;
};

// The entries of a comma text, read as TStrings::SetCommaText reads them.
std::vector<std::string> SplitCommaText(std::string_view text);

}  // namespace vcl
