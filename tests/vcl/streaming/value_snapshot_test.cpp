// The packed copies of a component's values that tell the form writer what changed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "vcl/class_builder.h"
#include "vcl/comctrls_bars.h"
#include "vcl/forms.h"
#include "vcl/graphics.h"
#include "vcl/stdctrls.h"
#include "vcl/streaming/value_snapshot.h"

namespace vcl {
namespace {

// The entries of a snapshot of a text and an ordinal, as owned strings.
std::vector<std::string> Entries(std::string_view caption, NativeInt height) {
  TValueSnapshot::TBuilder builder;
  builder.Text(caption);
  builder.Ordinal(height);
  TValueSnapshot snapshot = builder.Finish();
  TValueSnapshot::TReader reader(snapshot);
  std::vector<std::string> entries{std::string(reader.Sized()), std::string(reader.Ordinal())};
  EXPECT_TRUE(reader.Sized().empty());  // nothing more
  return entries;
}

TEST(ValueSnapshot, EqualValuesGiveEqualEntriesAndAChangeShowsInItsEntryOnly) {
  auto before = Entries("Name:", 21);
  EXPECT_EQ(before, Entries("Name:", 21));
  auto changed = Entries("Name: ", 21);
  EXPECT_NE(before[0], changed[0]);
  EXPECT_EQ(before[1], changed[1]);
  EXPECT_NE(Entries("", -1)[1], Entries("", 1)[1]);
  EXPECT_NE(Entries("", 1 << 20)[1], Entries("", 1 << 21)[1]);
}

// An entry of 128 bytes or more needs a longer size than the one byte kept for it: the entries
// after it must still be found whole.
TEST(ValueSnapshot, LongEntriesKeepTheirNeighboursApart) {
  for (std::size_t size : {126u, 127u, 128u, 300u, 20'000u}) {
    std::string caption(size, 'x');
    auto entries = Entries(caption, 21);
    EXPECT_EQ(entries[0].substr(entries[0].size() - size), caption) << size;
    EXPECT_EQ(entries[1], Entries("", 21)[1]) << size;
  }
  // A string list's size is known only once its lines are in.
  for (std::size_t size : {120u, 126u, 200u, 20'000u}) {
    TValueSnapshot::TBuilder builder;
    builder.BeginLines(2);
    builder.Line(std::string(size, 'a'));
    builder.Line("b");
    builder.EndLines();
    builder.Ordinal(21);
    TValueSnapshot snapshot = builder.Finish();
    TValueSnapshot::TReader reader(snapshot);
    std::string_view lines = reader.Sized();
    EXPECT_EQ(lines.substr(lines.size() - 2), "\x01" "b") << size;
    EXPECT_NE(lines.find(std::string(size, 'a')), std::string_view::npos) << size;
    EXPECT_EQ(reader.Ordinal(), Entries("", 21)[1]) << size;
  }
}

// A reader asked for more entries of a kind than there are (the snapshot of another shape)
// gives empty ones and stays inside the snapshot; the ordinals and the other entries are
// read apart, so reading the one kind never takes from the other.
TEST(ValueSnapshot, AReaderAskedPastTheEndStaysInside) {
  TValueSnapshot::TBuilder builder;
  builder.Ordinal(-1'000'000);
  builder.Text(std::string(200, 'y'));
  builder.Ordinal(7);
  TValueSnapshot snapshot = builder.Finish();
  TValueSnapshot::TReader reader(snapshot);
  EXPECT_EQ(reader.Sized().size(), 2u + 200u);
  for (int i = 0; i < 8; ++i) EXPECT_TRUE(reader.Sized().empty()) << i;
  std::string_view first = reader.Ordinal();
  EXPECT_EQ(reader.Ordinal().size(), 8u);
  EXPECT_TRUE(reader.Ordinal().empty());
  EXPECT_NE(first, Entries("", 1'000'000)[1]) << "the sign stays";
}

TEST(ValueSnapshot, FloatsCompareByValueWhateverTheirPadding) {
  long double a, b;
  std::memset(&a, 0x00, sizeof a);
  std::memset(&b, 0xFF, sizeof b);
  a = 1.5L;
  b = 1.5L;
  auto entry = [](long double value) {
    TValueSnapshot::TBuilder builder;
    builder.Float(value);
    return std::string(builder.Last());
  };
  EXPECT_EQ(entry(a), entry(b));
  EXPECT_NE(entry(a), entry(1.25L));
}

TEST(ValueSnapshot, StringListsCompareLineByLine) {
  auto entry = [](std::vector<std::string> lines) {
    TValueSnapshot::TBuilder builder;
    builder.BeginLines(lines.size());
    for (const std::string& line : lines) builder.Line(line);
    builder.EndLines();
    return std::string(builder.Last());
  };
  EXPECT_EQ(entry({"a", "bc"}), entry({"a", "bc"}));
  EXPECT_NE(entry({"a", "bc"}), entry({"ab", "c"}));
  EXPECT_NE(entry({"a"}), entry({"a", ""}));
}

// The paths ChangedValues reports for `component` since `before`, sorted; `now` must then equal a
// snapshot taken afresh.
std::vector<std::string> ChangedPaths(TComponent* component, const TValueSnapshot& before) {
  TValueSnapshot::TBuilder now;
  std::vector<TStoredValue> changed;
  bool any = ChangedValues(component, before, now, changed);
  EXPECT_EQ(any, !changed.empty());
  EXPECT_TRUE(now.Finish() == SnapshotValues(component));
  std::vector<std::string> paths;
  for (const TStoredValue& value : changed) paths.emplace_back(value.Path);
  std::sort(paths.begin(), paths.end());
  return paths;
}

// The paths whose collected values differ, told by comparing every value.
std::vector<std::string> DifferingPaths(const std::vector<TStoredValue>& before, const std::vector<TStoredValue>& after) {
  std::vector<std::string> paths;
  for (std::size_t i = 0; i < after.size(); ++i)
    if (i >= before.size() || before[i].Path != after[i].Path || before[i].Value != after[i].Value)
      paths.emplace_back(after[i].Path);
  return paths;
}

// Each kind of value: texts, handler names, ordinals, references, fonts, string lists and
// collections; a change reports that value and no other.
TEST(ValueSnapshot, ChangedValuesAreExactlyThoseThatDiffer) {
  TForm form(nullptr);
  auto* memo = new TMemo(&form);
  memo->SetName("Memo1");
  memo->SetParent(&form);
  auto* label = new TLabel(&form);
  label->SetParent(&form);
  auto* edit = new TEdit(&form);
  edit->SetName("Edit1");
  edit->SetParent(&form);
  auto* bar = new TStatusBar(&form);
  bar->SetParent(&form);
  bar->Panels()->Add();
  std::vector<TComponent*> components{&form, memo, label, edit, bar};
  std::vector<TValueSnapshot> snapshots;
  std::vector<std::vector<TStoredValue>> collected(components.size());
  for (std::size_t i = 0; i < components.size(); ++i) {
    snapshots.push_back(SnapshotValues(components[i]));
    CollectValues(components[i], collected[i]);
    EXPECT_TRUE(ChangedPaths(components[i], snapshots[i]).empty()) << components[i]->ClassName();
  }
  memo->Lines()->Add("first");
  memo->Lines()->Add("");
  memo->Font()->SetStyle(FontStyleOf(fsBold));
  memo->OnChange.SetHandlerName("MemoChange");
  label->SetFocusControl(edit);
  label->SetCaption(std::string(200, 'c'));
  edit->SetLeft(-70'000);
  bar->Panels()->Items(0)->SetWidth(120);
  using Paths = std::vector<std::string>;
  EXPECT_EQ(ChangedPaths(&form, snapshots[0]), Paths{});
  // A font of its own ends ParentFont; a longer caption makes the label bigger.
  EXPECT_EQ(ChangedPaths(memo, snapshots[1]), (Paths{"Font.Style", "Lines.Strings", "OnChange", "ParentFont"}));
  EXPECT_EQ(ChangedPaths(label, snapshots[2]), (Paths{"Caption", "FocusControl", "Height", "Width"}));
  EXPECT_EQ(ChangedPaths(edit, snapshots[3]), Paths{"Left"});
  EXPECT_EQ(ChangedPaths(bar, snapshots[4]), Paths{"Panels"});
  std::vector<TStoredValue> after;
  for (std::size_t i = 0; i < 4; ++i) {  // a collection is collected as its pointer only
    CollectValues(components[i], after);
    std::vector<std::string> expected = DifferingPaths(collected[i], after);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(ChangedPaths(components[i], snapshots[i]), expected) << components[i]->ClassName();
  }
}

TEST(ValueSnapshot, ARenamedTargetChangesTheReference) {
  TForm form(nullptr);
  auto* label = new TLabel(&form);
  label->SetParent(&form);
  auto* edit = new TEdit(&form);
  edit->SetName("Edit1");
  edit->SetParent(&form);
  label->SetFocusControl(edit);
  TValueSnapshot before = SnapshotValues(label);
  edit->SetName("Edit2");
  EXPECT_EQ(ChangedPaths(label, before), std::vector<std::string>{"FocusControl"});
}

// A component whose one sub-object may be of any class, or none.
class TShapeShifter : public TComponent {
  VCL_CLASS(TShapeShifter, TComponent)
  using TComponent::TComponent;
  TPersistent* Part() const { return part_.get(); }
  void SetPart(std::unique_ptr<TPersistent> part) { part_ = std::move(part); }
  int Size() const { return size_; }
  void SetSize(int value) { size_ = value; }

private:
  std::unique_ptr<TPersistent> part_;
  int size_ = 0;
};

TClass TShapeShifter::ClassInfo() {
  static TClass cls = TClassBuilder<TShapeShifter>("TShapeShifter", TComponent::ClassInfo())
                          .Creatable()
                          .Object("Part", &TShapeShifter::Part)
                          .Integer("Size", &TShapeShifter::Size, &TShapeShifter::SetSize, 0)
                          .Build();
  return cls;
}

// Of another shape, entries do not correspond: every value counts as changed.
TEST(ValueSnapshot, ASubObjectOfAnotherClassChangesEveryValue) {
  TShapeShifter shifter(nullptr);
  shifter.SetPart(std::make_unique<TFont>());
  TValueSnapshot font = SnapshotValues(&shifter);
  std::vector<TStoredValue> values;
  auto all = [&] {
    CollectValues(&shifter, values);
    std::vector<std::string> paths;
    for (const TStoredValue& value : values) paths.emplace_back(value.Path);
    std::sort(paths.begin(), paths.end());
    return paths;
  };
  auto lines = std::make_unique<TStringList>();
  lines->Add("one");
  shifter.SetPart(std::move(lines));
  EXPECT_EQ(ChangedPaths(&shifter, font), all());
  EXPECT_EQ(all(), (std::vector<std::string>{"Part.Strings", "Size", "Tag"}));
  TValueSnapshot strings = SnapshotValues(&shifter);
  shifter.SetPart(nullptr);
  EXPECT_EQ(ChangedPaths(&shifter, strings), (std::vector<std::string>{"Size", "Tag"}));
  TValueSnapshot none = SnapshotValues(&shifter);
  shifter.SetSize(3);
  EXPECT_EQ(ChangedPaths(&shifter, none), std::vector<std::string>{"Size"});
}

// A form's own class goes with its form; the next one, made in its place, may be of another
// ancestor and must be walked by its own properties.
TEST(ValueSnapshot, AClassMadeWhereAnotherWasIsWalkedByItsOwnProperties) {
  std::vector<TStoredValue> values;
  auto has = [&](std::string_view path) {
    return std::any_of(values.begin(), values.end(), [&](const TStoredValue& v) { return v.Path == path; });
  };
  for (int round = 0; round < 6; ++round) {
    bool edit = round % 2 == 0;
    auto cls = TMetaClass::CreateDescendant("TMine", edit ? TEdit::ClassInfo() : TLabel::ClassInfo());
    std::unique_ptr<TObject> component(cls->Create(nullptr));
    CollectValues(component.get(), values);
    EXPECT_EQ(has("Text"), edit) << round;
    EXPECT_EQ(has("Caption"), !edit) << round;
    component.reset();
  }
}

}  // namespace
}  // namespace vcl
