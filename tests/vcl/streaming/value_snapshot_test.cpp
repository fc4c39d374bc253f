// The packed copies of a component's values that tell the form writer what changed.
#include <gtest/gtest.h>

#include <cstring>

#include "vcl/forms.h"
#include "vcl/stdctrls.h"
#include "vcl/streaming/value_snapshot.h"

namespace vcl {
namespace {

std::vector<TStoredValue> Values(TPropValue caption, TPropValue height, std::string_view heightPath = "Height") {
  static const std::string captionPath = "Caption";
  return {{captionPath, nullptr, nullptr, std::move(caption)}, {heightPath, nullptr, nullptr, std::move(height)}};
}

// The entries as owned strings, outliving the snapshot.
std::vector<std::string> Entries(const std::vector<TStoredValue>& values) {
  TValueSnapshot snapshot(values);
  TValueSnapshot::TCursor cursor(snapshot);
  std::vector<std::string> entries;
  for (std::string_view entry = cursor.Next(); !entry.empty(); entry = cursor.Next()) entries.emplace_back(entry);
  return entries;
}

TEST(ValueSnapshot, EqualValuesGiveEqualEntriesAndAChangeShowsInItsEntryOnly) {
  static const std::string height = "Height";
  auto before = Entries(Values(std::string("Name:"), NativeInt{21}, height));
  auto same = Entries(Values(std::string("Name:"), NativeInt{21}, height));
  auto changed = Entries(Values(std::string("Name: "), NativeInt{21}, height));
  ASSERT_EQ(before.size(), 2u);
  EXPECT_EQ(before, same);
  EXPECT_NE(before[0], changed[0]);
  EXPECT_EQ(before[1], changed[1]);
  EXPECT_NE(Entries(Values(std::string(), NativeInt{-1}, height))[1],
            Entries(Values(std::string(), NativeInt{1}, height))[1]);
  EXPECT_NE(Entries(Values(std::string(), NativeInt{300}, height))[1],
            Entries(Values(std::string(), std::string("300"), height))[1]);
}

// An entry of 128 bytes or more needs a longer size than the one byte kept for it: the entries
// after it must still be found whole.
TEST(ValueSnapshot, LongEntriesKeepTheirNeighboursApart) {
  static const std::string height = "Height";
  for (std::size_t size : {126u, 127u, 128u, 300u, 20'000u}) {
    std::string caption(size, 'x');
    auto entries = Entries(Values(caption, NativeInt{21}, height));
    ASSERT_EQ(entries.size(), 2u) << size;
    EXPECT_EQ(entries[0].size(), size + 1) << size;  // its kind, then the text
    EXPECT_EQ(entries[0].substr(1), caption);
    EXPECT_EQ(entries[1], Entries(Values(std::string(), NativeInt{21}, height))[1]) << size;
  }
}

TEST(ValueSnapshot, OnlySnapshotsOfTheSamePathsCompare) {
  static const std::string height = "Height", width = "Width";
  TValueSnapshot heights(Values(std::string("Name:"), NativeInt{21}, height));
  EXPECT_TRUE(heights.SamePaths(TValueSnapshot(Values(std::string("Other"), NativeInt{5}, height))));
  EXPECT_FALSE(heights.SamePaths(TValueSnapshot(Values(std::string("Name:"), NativeInt{21}, width))));
  std::vector<TStoredValue> shorter = Values(std::string("Name:"), NativeInt{21}, height);
  shorter.pop_back();
  EXPECT_FALSE(heights.SamePaths(TValueSnapshot(shorter)));
}

TEST(ValueSnapshot, FloatsCompareByValueWhateverTheirPadding) {
  static const std::string path = "Value";
  long double a, b;
  std::memset(&a, 0x00, sizeof a);
  std::memset(&b, 0xFF, sizeof b);
  a = 1.5L;
  b = 1.5L;
  auto first = Entries(Values(std::string(), a, path));
  auto second = Entries(Values(std::string(), b, path));
  EXPECT_EQ(first[1], second[1]);
  EXPECT_NE(first[1], Entries(Values(std::string(), 1.25L, path))[1]);
}

TEST(ValueSnapshot, StringListsCompareLineByLine) {
  static const std::string path = "Lines.Strings";
  using Lines = std::vector<std::string>;
  auto entry = [&](Lines lines) { return Entries(Values(std::string(), std::move(lines), path))[1]; };
  EXPECT_EQ(entry({"a", "bc"}), entry({"a", "bc"}));
  EXPECT_NE(entry({"a", "bc"}), entry({"ab", "c"}));
  EXPECT_NE(entry({"a"}), entry({"a", ""}));
}

// The snapshot packed straight from a component holds exactly what packing its collected
// values holds, for every kind of value: texts, handler names, ordinals, references, fonts
// and string lists, defaults and changes alike.
TEST(ValueSnapshot, PackedFromTheComponentEqualsPackedFromItsCollectedValues) {
  TForm form(nullptr);
  auto* memo = new TMemo(&form);
  memo->SetName("Memo1");
  memo->SetParent(&form);
  auto* label = new TLabel(&form);
  label->SetParent(&form);
  auto* edit = new TEdit(&form);
  edit->SetParent(&form);
  std::vector<TStoredValue> values;
  auto same = [&](TComponent* component) {
    CollectValues(component, values);
    return SnapshotValues(component) == TValueSnapshot(values);
  };
  for (TComponent* component : std::initializer_list<TComponent*>{&form, memo, label, edit})
    EXPECT_TRUE(same(component)) << component->ClassName();
  TValueSnapshot before = SnapshotValues(memo);
  memo->Lines()->Add("first");
  memo->Lines()->Add("");
  memo->Font()->SetStyle(FontStyleOf(fsBold));
  memo->OnChange.SetHandlerName("MemoChange");
  label->SetFocusControl(edit);
  label->SetCaption("Name:");
  for (TComponent* component : std::initializer_list<TComponent*>{&form, memo, label, edit})
    EXPECT_TRUE(same(component)) << component->ClassName();
  EXPECT_FALSE(SnapshotValues(memo) == before);
}

}  // namespace
}  // namespace vcl
