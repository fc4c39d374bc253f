// String lists: editing, sorting, duplicates, text and comma text, name=value lines, events.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "vcl/strings.h"
#include "vcl/sysutils.h"

using namespace vcl;

namespace {

std::vector<std::string> Lines(const TStrings& list) {
  std::vector<std::string> lines;
  for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Strings(i));
  return lines;
}

using V = std::vector<std::string>;

V CommaEntries(std::string_view text) {
  TStringList list;
  list.SetCommaText(text);
  return Lines(list);
}

std::string CommaTextOf(const V& lines) {
  TStringList list;
  for (auto& s : lines) list.Add(s);
  return list.CommaText();
}

// The message of the EStringListError that `action` raises; empty when it raises none.
template <class F>
std::string ListError(F action) {
  try {
    action();
  } catch (const EStringListError& e) {
    return e.Message();
  }
  return {};
}

const char* kSortedError = "Operation not allowed on sorted string list";

}  // namespace

TEST(StringList, AddInsertDeleteKeepObjects) {
  TStringList list, a, b;
  EXPECT_EQ(list.Add("one"), 0);
  EXPECT_EQ(list.AddObject("two", &a), 1);
  list.InsertObject(0, "zero", &b);
  list.Insert(3, "three");
  EXPECT_EQ(Lines(list), (V{"zero", "one", "two", "three"}));
  EXPECT_EQ(list.Objects(0), &b);
  EXPECT_EQ(list.Objects(1), nullptr);
  EXPECT_EQ(list.Objects(2), &a);
  list.Delete(0);
  EXPECT_EQ(Lines(list), (V{"one", "two", "three"}));
  EXPECT_EQ(list.Objects(1), &a);
  list.Put(1, "TWO");
  list.PutObject(0, &b);
  EXPECT_EQ(list.Strings(1), "TWO");
  EXPECT_EQ(list.Objects(1), &a);
  EXPECT_EQ(list.Objects(0), &b);
  EXPECT_EQ(list.IndexOfObject(&a), 1);
  EXPECT_EQ(list.IndexOfObject(&list), -1);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST(StringList, BadIndexesRaiseWithTheIndex) {
  TStringList list;
  list.Add("a");
  list.Add("b");
  EXPECT_EQ(ListError([&] { list.Strings(2); }), "List index out of bounds (2)");
  EXPECT_EQ(ListError([&] { list.Strings(-1); }), "List index out of bounds (-1)");
  EXPECT_EQ(ListError([&] { list.Objects(5); }), "List index out of bounds (5)");
  EXPECT_EQ(ListError([&] { list.Put(2, "x"); }), "List index out of bounds (2)");
  EXPECT_EQ(ListError([&] { list.PutObject(-3, nullptr); }), "List index out of bounds (-3)");
  EXPECT_EQ(ListError([&] { list.Delete(2); }), "List index out of bounds (2)");
  EXPECT_EQ(ListError([&] { list.Insert(3, "x"); }), "List index out of bounds (3)");
  EXPECT_EQ(ListError([&] { list.Insert(-1, "x"); }), "List index out of bounds (-1)");
  EXPECT_EQ(ListError([&] { list.Exchange(0, 7); }), "List index out of bounds (7)");
  EXPECT_EQ(ListError([&] { list.Names(9); }), "List index out of bounds (9)");
  EXPECT_EQ(Lines(list), (V{"a", "b"}));
  list.Insert(2, "end");  // inserting at Count appends
  EXPECT_EQ(list.Strings(2), "end");
  EXPECT_THROW(list.Strings(3), EListError);
}

TEST(StringList, ExchangeAndMoveCarryObjects) {
  TStringList list, x, y;
  list.SetCommaText("a,b,c,d");
  list.PutObject(0, &x);
  list.PutObject(3, &y);
  list.Exchange(0, 3);
  EXPECT_EQ(Lines(list), (V{"d", "b", "c", "a"}));
  EXPECT_EQ(list.Objects(0), &y);
  EXPECT_EQ(list.Objects(3), &x);
  list.Move(0, 2);
  EXPECT_EQ(Lines(list), (V{"b", "c", "d", "a"}));
  EXPECT_EQ(list.Objects(2), &y);
  list.Move(3, 0);
  EXPECT_EQ(Lines(list), (V{"a", "b", "c", "d"}));
  EXPECT_EQ(list.Objects(0), &x);
  list.Move(1, 1);
  EXPECT_EQ(Lines(list), (V{"a", "b", "c", "d"}));
  // A bad target index leaves the list as it was.
  EXPECT_EQ(ListError([&] { list.Move(0, 4); }), "List index out of bounds (4)");
  EXPECT_EQ(ListError([&] { list.Move(-1, 0); }), "List index out of bounds (-1)");
  EXPECT_EQ(Lines(list), (V{"a", "b", "c", "d"}));
}

TEST(StringList, IndexOfIgnoresCase) {
  TStringList list;
  list.SetCommaText("TCheckBox,TRadiobutton,TDBCheckBox");
  EXPECT_EQ(list.IndexOf("TRadioButton"), 1);
  EXPECT_EQ(list.IndexOf("tdbcheckbox"), 2);
  EXPECT_EQ(list.IndexOf("TCheckBox "), -1);
  EXPECT_EQ(list.IndexOf(""), -1);
  // Only ASCII letters fold.
  list.Add("Ärger");
  EXPECT_EQ(list.IndexOf("ärger"), -1);
  EXPECT_EQ(list.IndexOf("Ärger"), 3);
}

TEST(StringList, UnsortedListsAcceptDuplicatesWhateverTheMode) {
  TStringList list;
  list.SetDuplicates(dupError);
  list.Add("a");
  list.Add("A");
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.IndexOf("a"), 0);
}

TEST(SortedStringList, SortingOrdersByCompareTextAndKeepsEqualsInOrder) {
  TStringList list, o;
  list.SetCommaText("b,A,_x,a,B,c");
  list.PutObject(2, &o);
  list.Sort();
  EXPECT_FALSE(list.Sorted());
  EXPECT_EQ(Lines(list), (V{"A", "a", "b", "B", "c", "_x"}));
  EXPECT_EQ(list.Objects(5), &o);
  list.Add("0");  // unsorted: appended
  EXPECT_EQ(list.Strings(6), "0");
  list.SetSorted(true);
  EXPECT_EQ(list.Strings(0), "0");
}

TEST(SortedStringList, SortIsStableOnLargeLists) {
  // 64 spellings of each of two words, equal under CompareText and told apart by case.
  auto spelling = [](char letter, int pattern) {
    std::string s(6, letter);
    for (int bit = 0; bit < 6; ++bit)
      if (pattern & (1 << bit)) s[static_cast<std::size_t>(bit)] = static_cast<char>(letter - 32);
    return s;
  };
  TStringList list;
  V as, bs;
  for (int i = 0; i < 64; ++i) {
    bs.push_back(spelling('b', (i * 37) % 64));
    as.push_back(spelling('a', (i * 21) % 64));
    list.Add(bs.back());
    list.Add(as.back());
  }
  list.SetSorted(true);
  V expected = as;
  expected.insert(expected.end(), bs.begin(), bs.end());
  EXPECT_EQ(Lines(list), expected);
}

TEST(SortedStringList, AddPlacesLinesAndLookupsUseTheOrder) {
  TStringList list;
  list.SetSorted(true);
  EXPECT_EQ(list.Add("delta"), 0);
  EXPECT_EQ(list.Add("alpha"), 0);
  EXPECT_EQ(list.Add("Charlie"), 1);
  EXPECT_EQ(list.Add("bravo"), 1);
  EXPECT_EQ(list.Add("echo"), 4);
  EXPECT_EQ(Lines(list), (V{"alpha", "bravo", "Charlie", "delta", "echo"}));
  EXPECT_EQ(list.IndexOf("CHARLIE"), 2);
  EXPECT_EQ(list.IndexOf("foxtrot"), -1);
  int index = -1;
  EXPECT_TRUE(list.Find("Delta", index));
  EXPECT_EQ(index, 3);
  EXPECT_FALSE(list.Find("c", index));
  EXPECT_EQ(index, 2);
  EXPECT_FALSE(list.Find("zulu", index));
  EXPECT_EQ(index, 5);
  list.SetText("z\r\ny\r\nx");
  EXPECT_EQ(Lines(list), (V{"x", "y", "z"}));
}

TEST(SortedStringList, BinarySearchFindsEveryLineOfALargeList) {
  TStringList list;
  list.SetSorted(true);
  list.SetDuplicates(dupError);
  for (int i = 0; i < 2000; ++i) list.Add("item" + IntToStr((i * 7919) % 2000));
  ASSERT_EQ(list.Count(), 2000);
  for (int i = 1; i < list.Count(); ++i) ASSERT_LT(CompareText(list.Strings(i - 1), list.Strings(i)), 0);
  for (int i = 0; i < 2000; ++i) {
    std::string s = "ITEM" + IntToStr(i);
    int index = list.IndexOf(s);
    ASSERT_GE(index, 0) << s;
    EXPECT_TRUE(SameText(list.Strings(index), s));
  }
  EXPECT_EQ(list.IndexOf("item2000"), -1);
}

TEST(SortedStringList, PositionalEditsAreRefused) {
  TStringList list;
  list.SetCommaText("b,a");
  list.SetSorted(true);
  EXPECT_EQ(ListError([&] { list.Insert(0, "c"); }), kSortedError);
  EXPECT_EQ(ListError([&] { list.InsertObject(0, "c", nullptr); }), kSortedError);
  EXPECT_EQ(ListError([&] { list.Put(0, "z"); }), kSortedError);
  EXPECT_EQ(ListError([&] { list.Exchange(0, 1); }), kSortedError);
  EXPECT_EQ(ListError([&] { list.Move(0, 1); }), kSortedError);
  EXPECT_EQ(Lines(list), (V{"a", "b"}));
  // Objects, deleting and turning sorting off stay allowed; the order remains.
  list.PutObject(0, &list);
  list.Delete(1);
  list.SetSorted(false);
  list.Insert(0, "z");
  EXPECT_EQ(Lines(list), (V{"z", "a"}));
}

TEST(SortedStringList, DupIgnoreKeepsTheFirstLineAndItsObject) {
  TStringList list, first, second;
  list.SetSorted(true);
  list.AddObject("Apple", &first);
  list.Add("pear");
  EXPECT_EQ(list.AddObject("APPLE", &second), 0);
  EXPECT_EQ(Lines(list), (V{"Apple", "pear"}));
  EXPECT_EQ(list.Objects(0), &first);
}

TEST(SortedStringList, DupAcceptKeepsBoth) {
  TStringList list;
  list.SetSorted(true);
  list.SetDuplicates(dupAccept);
  list.Add("b");
  list.Add("a");
  list.Add("B");
  list.Add("b");
  EXPECT_EQ(list.Count(), 4);
  EXPECT_EQ(list.Strings(0), "a");
  for (int i = 1; i < 4; ++i) EXPECT_TRUE(SameText(list.Strings(i), "b"));
  EXPECT_EQ(list.IndexOf("B"), 1);
}

TEST(SortedStringList, DupErrorRaisesAndLeavesTheList) {
  TStringList list;
  list.SetSorted(true);
  list.SetDuplicates(dupError);
  list.SetCommaText("TButton,TEdit");
  EXPECT_EQ(ListError([&] { list.Add("tbutton"); }), "String list does not allow duplicates");
  EXPECT_EQ(Lines(list), (V{"TButton", "TEdit"}));
  EXPECT_EQ(ListError([&] { list.SetCommaText("a,b,A,c"); }), "String list does not allow duplicates");
  EXPECT_EQ(Lines(list), (V{"a", "b"}));
}

TEST(StringsText, JoinsWithCrLfAndSplitsAtAnyLineBreak) {
  TStringList list;
  EXPECT_EQ(list.Text(), "");
  list.SetText("a\r\nb\nc\rd");
  EXPECT_EQ(Lines(list), (V{"a", "b", "c", "d"}));
  EXPECT_EQ(list.Text(), "a\r\nb\r\nc\r\nd\r\n");
  list.SetText("a\r\n");
  EXPECT_EQ(Lines(list), (V{"a"}));
  list.SetText("\r\n");
  EXPECT_EQ(Lines(list), (V{""}));
  list.SetText("a\n\nb\n\r c ");
  EXPECT_EQ(Lines(list), (V{"a", "", "b", "", " c "}));
  list.SetText("");
  EXPECT_EQ(list.Count(), 0);
  list.SetText(std::string_view("x\r\ny\0z\r\nw", 9));
  EXPECT_EQ(Lines(list), (V{"x", "y"}));
  list.SetText("Ünïcödé\r\n中文");
  EXPECT_EQ(Lines(list), (V{"Ünïcödé", "中文"}));
}

TEST(CommaText, ParsesEntriesAndSkipsBlanksAfterCommas) {
  EXPECT_EQ(CommaEntries("TCheckBox,TRadiobutton, TDBCheckBox"), (V{"TCheckBox", "TRadiobutton", "TDBCheckBox"}));
  EXPECT_EQ(CommaTextOf(CommaEntries("TCheckBox,TRadiobutton, TDBCheckBox")), "TCheckBox,TRadiobutton,TDBCheckBox");
  EXPECT_EQ(CommaEntries("  a ,  b\t,\r\nc  "), (V{"a", "b", "c"}));
  // An unquoted entry ends at a blank: what follows is the next entry.
  EXPECT_EQ(CommaEntries("a b"), (V{"a", "b"}));
  EXPECT_EQ(CommaEntries("a b,c"), (V{"a", "b", "c"}));
  EXPECT_EQ(CommaEntries(""), V{});
  EXPECT_EQ(CommaEntries("   "), V{});
  EXPECT_EQ(CommaEntries("Ärger,Öl"), (V{"Ärger", "Öl"}));
}

TEST(CommaText, EmptyEntries) {
  EXPECT_EQ(CommaEntries("a,,b"), (V{"a", "", "b"}));
  EXPECT_EQ(CommaEntries(",a"), (V{"", "a"}));
  EXPECT_EQ(CommaEntries("a,"), (V{"a"}));
  EXPECT_EQ(CommaEntries("a, ,b"), (V{"a", "", "b"}));
  EXPECT_EQ(CommaEntries("\"\""), (V{""}));
  EXPECT_EQ(CommaEntries(","), (V{""}));
  EXPECT_EQ(CommaTextOf({}), "");
  EXPECT_EQ(CommaTextOf({""}), "\"\"");
  EXPECT_EQ(CommaTextOf({"a", "", "b"}), "a,,b");
  EXPECT_EQ(CommaTextOf({"", "a"}), ",a");
  // An empty last entry is quoted, so it survives a round trip.
  EXPECT_EQ(CommaTextOf({"a", ""}), "a,\"\"");
  EXPECT_EQ(CommaEntries("a,\"\""), (V{"a", ""}));
  EXPECT_EQ(CommaEntries(CommaTextOf({"", ""})), (V{"", ""}));
}

TEST(CommaText, QuotesEntriesWithBlanksCommasAndQuotes) {
  EXPECT_EQ(CommaTextOf({"a b", "c,d", "say \"hi\"", "tab\there", "plain"}),
            "\"a b\",\"c,d\",\"say \"\"hi\"\"\",\"tab\there\",plain");
  EXPECT_EQ(CommaTextOf({"\""}), "\"\"\"\"");
  EXPECT_EQ(CommaTextOf({"Ünï cödé"}), "\"Ünï cödé\"");
  EXPECT_EQ(CommaEntries("\"a b\",\"c,d\",\"say \"\"hi\"\"\""), (V{"a b", "c,d", "say \"hi\""}));
  EXPECT_EQ(CommaEntries("  \"x y\"  ,  z"), (V{"x y", "z"}));
  EXPECT_EQ(CommaEntries("\"\"\"\""), (V{"\""}));
  // Text right after a closing quote starts the next entry.
  EXPECT_EQ(CommaEntries("\"a\"b,c"), (V{"a", "b", "c"}));
  // A quote inside an unquoted entry is kept.
  EXPECT_EQ(CommaEntries("a\"b"), (V{"a\"b"}));
  // An unterminated quote runs to the end of the text, nothing lost.
  EXPECT_EQ(CommaEntries("x,\"abc, d"), (V{"x", "abc, d"}));
  EXPECT_EQ(CommaEntries("\""), (V{""}));
}

TEST(CommaText, RoundTripsAnyList) {
  const std::vector<V> cases = {
      {"a"}, {"", "", ""}, {" lead", "trail ", "\"", ",", "\"\"", "a\"", "x,y z"}, {"\r\n", "\x01", "Ω"}, {"", "x", ""}};
  for (const V& lines : cases) EXPECT_EQ(CommaEntries(CommaTextOf(lines)), lines) << CommaTextOf(lines);
}

TEST(NameValue, NamesAndValues) {
  TStringList list;
  list.SetText("TButton=btn\r\nTEdit=edt\r\nnoequals\r\n=empty name\r\nTLabel=a=b\r\nTMemo=");
  EXPECT_EQ(list.Names(0), "TButton");
  EXPECT_EQ(list.Names(2), "");
  EXPECT_EQ(list.Names(3), "");
  EXPECT_EQ(list.Names(4), "TLabel");
  EXPECT_EQ(list.IndexOfName("tedit"), 1);
  EXPECT_EQ(list.IndexOfName("noequals"), -1);
  EXPECT_EQ(list.IndexOfName("TButton=btn"), -1);
  EXPECT_EQ(list.IndexOfName(""), 3);
  EXPECT_EQ(list.Values("TBUTTON"), "btn");
  EXPECT_EQ(list.Values("TLabel"), "a=b");
  EXPECT_EQ(list.Values("TMemo"), "");
  EXPECT_EQ(list.Values("TPanel"), "");
  EXPECT_EQ(list.Values(""), "empty name");
}

TEST(NameValue, SetValuesReplacesAddsAndDeletes) {
  TStringList list;
  list.SetText("TButton=btn\r\nTEdit=edt");
  list.SetValues("tbutton", "b");
  EXPECT_EQ(Lines(list), (V{"tbutton=b", "TEdit=edt"}));
  list.SetValues("TPanel", "pnl");
  EXPECT_EQ(Lines(list), (V{"tbutton=b", "TEdit=edt", "TPanel=pnl"}));
  list.SetValues("TEDIT", "");
  EXPECT_EQ(Lines(list), (V{"tbutton=b", "TPanel=pnl"}));
  list.SetValues("TMissing", "");
  EXPECT_EQ(list.Count(), 2);
  // On a sorted list a new line takes its sorted place.
  list.SetSorted(true);
  list.SetValues("TLabel", "lbl");
  EXPECT_EQ(Lines(list), (V{"tbutton=b", "TLabel=lbl", "TPanel=pnl"}));
}

TEST(StringsAssign, CopiesLinesAndObjects) {
  TStringList source, target, o;
  source.AddObject("b", &o);
  source.Add("a");
  target.Add("old");
  target.Assign(&source);
  EXPECT_EQ(Lines(target), (V{"b", "a"}));
  EXPECT_EQ(target.Objects(0), &o);
  EXPECT_TRUE(target.Equals(source));
  // The target keeps its own sorting.
  TStringList sorted;
  sorted.SetSorted(true);
  sorted.Assign(&source);
  EXPECT_EQ(Lines(sorted), (V{"a", "b"}));
  EXPECT_EQ(sorted.Objects(1), &o);
  // Assigning a list to itself changes nothing.
  target.Assign(&target);
  EXPECT_EQ(Lines(target), (V{"b", "a"}));
}

TEST(StringsAssign, OtherSourcesRaise) {
  TStringList list;
  TComponent component(nullptr);
  try {
    list.Assign(&component);
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a TComponent to a TStringList");
  }
  EXPECT_THROW(list.Assign(nullptr), EConvertError);
}

TEST(StringsAssign, AddStringsAppendsEvenFromItself) {
  TStringList list, other;
  list.Add("a");
  other.SetCommaText("b,c");
  list.AddStrings(other);
  EXPECT_EQ(Lines(list), (V{"a", "b", "c"}));
  list.AddStrings(list);
  EXPECT_EQ(Lines(list), (V{"a", "b", "c", "a", "b", "c"}));
}

TEST(StringsAssign, EqualsComparesTextWithCase) {
  TStringList a, b;
  EXPECT_TRUE(a.Equals(b));
  a.Add("x");
  EXPECT_FALSE(a.Equals(b));
  b.Add("X");
  EXPECT_FALSE(a.Equals(b));
  b.Put(0, "x");
  b.PutObject(0, &a);
  EXPECT_TRUE(a.Equals(b));
}

TEST(StringListEvents, EachChangeFiresOnceOutsideUpdates) {
  TStringList list;
  int changing = 0, changed = 0, countWhenChanging = -1;
  list.OnChanging = [&](TObject* sender) {
    EXPECT_EQ(sender, &list);
    ++changing;
    countWhenChanging = list.Count();
  };
  list.OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, &list);
    ++changed;
  };
  list.Add("a");
  EXPECT_EQ(changing, 1);
  EXPECT_EQ(changed, 1);
  EXPECT_EQ(countWhenChanging, 0);  // fired before the change
  list.Put(0, "b");
  list.PutObject(0, nullptr);
  list.Add("c");
  list.Exchange(0, 1);
  list.Move(0, 1);
  list.Delete(0);
  EXPECT_EQ(changed, 7);
  EXPECT_EQ(changing, 7);
  list.Clear();
  list.Clear();  // nothing to clear: no event
  list.Sort();   // nothing to sort: no event
  EXPECT_EQ(changed, 8);
  EXPECT_THROW(list.Delete(0), EStringListError);
  EXPECT_EQ(changed, 8);
}

TEST(StringListEvents, UpdatesBatchTheirChanges) {
  TStringList list;
  int changing = 0, changed = 0;
  list.OnChanging = [&](TObject*) { ++changing; };
  list.OnChange = [&](TObject*) { ++changed; };
  list.BeginUpdate();
  list.BeginUpdate();
  list.Add("a");
  list.Add("b");
  list.EndUpdate();
  EXPECT_EQ(changed, 0);
  list.EndUpdate();
  EXPECT_EQ(changing, 1);
  EXPECT_EQ(changed, 1);
  list.EndUpdate();  // unmatched: ignored
  EXPECT_EQ(changed, 1);
  list.SetCommaText("x,y,z");
  list.SetText("p\r\nq");
  list.Assign(&list);
  EXPECT_EQ(changing, 3);
  EXPECT_EQ(changed, 3);
}

TEST(StringListEvents, AFailedSetterStillClosesItsUpdate) {
  TStringList list;
  int changed = 0;
  list.OnChange = [&](TObject*) { ++changed; };
  list.SetSorted(true);
  list.SetDuplicates(dupError);
  EXPECT_THROW(list.SetCommaText("a,a"), EStringListError);
  EXPECT_EQ(changed, 1);
  list.Add("b");
  EXPECT_EQ(changed, 2);
}

TEST(StringList, IsARegisteredPersistentClass) {
  TStringList::ClassInfo();  // library classes register on first use
  TClass cls = FindClass("tstringlist");
  EXPECT_EQ(cls, TStringList::ClassInfo());
  EXPECT_TRUE(cls->InheritsFrom(TStrings::ClassInfo()));
  EXPECT_TRUE(cls->InheritsFrom(TPersistent::ClassInfo()));
  EXPECT_TRUE(TStrings::ClassInfo()->IsAbstract());
  TObject* made = cls->Create();
  auto* list = Cast<TStringList>(made);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->ClassName(), "TStringList");
  delete made;
}

TEST(StringList, DoesNotOwnItsObjects) {
  auto* object = new TStringList;
  {
    TStringList list;
    list.AddObject("x", object);
    list.Delete(0);
    list.AddObject("y", object);
  }
  object->Add("still alive");
  EXPECT_EQ(object->Count(), 1);
  delete object;
}
