// The store of a form's value snapshots: each kept as its differences from the first of its
// shape, in shared blocks.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "vcl/streaming/snapshot_store.h"

namespace vcl {
namespace {

// A snapshot of a component-like shape: a name, some ordinals, a caption, lines, a float.
struct TValues {
  std::string Name = "Edit1";
  std::vector<NativeInt> Ordinals{8, 16, 121, 21, 0, -1, 1 << 20};
  std::string Caption = "Value";
  std::vector<std::string> Lines{"a", "b"};
  long double Size = 1.5L;
};

void Build(const TValues& values, TValueSnapshot::TBuilder& builder, const void* shape = "edit") {
  builder.Reset();
  builder.Shape(shape);
  builder.Text(values.Name);
  for (NativeInt ordinal : values.Ordinals) builder.Ordinal(ordinal);
  builder.Text(values.Caption);
  builder.BeginLines(values.Lines.size());
  for (const std::string& line : values.Lines) builder.Line(line);
  builder.EndLines();
  builder.Float(values.Size);
}

TValueSnapshot Loaded(const TSnapshotStore& store, std::uint32_t slot) {
  TValueSnapshot snapshot;
  store.Load(slot, snapshot);
  return snapshot;
}

// Each snapshot comes back as it was kept, whichever of its entries differ from the first of
// its shape: none, the first, the last, neighbours, every one, or longer and shorter ones.
TEST(SnapshotStore, EverySnapshotComesBackAsItWasKept) {
  std::vector<TValues> variants(10);
  variants[1].Name = "Edit2";
  variants[2].Size = 2.5L;
  variants[3].Ordinals[1] = 17;
  variants[3].Ordinals[2] = 122;
  variants[4].Ordinals[0] = 9;
  variants[4].Ordinals[3] = 22;  // one equal entry between two changes
  variants[5] = {"E", {1, 2, 3, 4, 5, 6, 7}, "V", {"c"}, 0.25L};
  variants[6].Caption = std::string(300, 'c');  // a long entry
  variants[6].Lines = {std::string(200, 'l'), "", "m"};
  variants[7].Ordinals.push_back(5);  // the same shape told with more entries
  variants[8].Ordinals.clear();
  // Ordinals of the widest magnitudes, of either sign, in place of small ones.
  variants[9].Ordinals[0] = std::numeric_limits<NativeInt>::min();
  variants[9].Ordinals[1] = std::numeric_limits<NativeInt>::max();
  variants[9].Ordinals[6] = -(NativeInt{1} << 40);
  TSnapshotStore store;
  TValueSnapshot::TBuilder builder;
  for (std::uint32_t slot = 0; slot < variants.size(); ++slot) {
    Build(variants[slot], builder);
    store.Keep(slot + 1, builder);
  }
  for (std::uint32_t slot = 0; slot < variants.size(); ++slot) {
    Build(variants[slot], builder);
    EXPECT_TRUE(Loaded(store, slot + 1) == builder.Finish()) << slot;
    EXPECT_TRUE(store.Holds(slot + 1, builder)) << slot;
    // Any other variant differs from it, and the store tells so as its copy does.
    for (std::uint32_t other = 0; other < variants.size(); ++other) {
      if (other == slot) continue;
      EXPECT_FALSE(store.Holds(other + 1, builder)) << slot << " in " << other;
    }
  }
  // Another shape of the same values is its own template, and does not pass for the first.
  Build(variants[1], builder, "other");
  store.Keep(20, builder);
  EXPECT_TRUE(Loaded(store, 20) == builder.Finish());
  EXPECT_FALSE(Loaded(store, 20).SameShape(Loaded(store, 2)));
  EXPECT_FALSE(store.Holds(2, builder)) << "the same bytes of another shape";
  // Slots never kept, past the end and forgotten ones give an empty snapshot.
  EXPECT_TRUE(Loaded(store, 0) == TValueSnapshot{});
  EXPECT_TRUE(Loaded(store, 1000) == TValueSnapshot{});
  store.Forget(2);
  EXPECT_TRUE(Loaded(store, 2) == TValueSnapshot{});
  EXPECT_FALSE(store.Holds(2, builder));
  Build(variants[3], builder);
  EXPECT_TRUE(Loaded(store, 4) == builder.Finish()) << "its neighbours stay";
}

// Components of one class that differ in a value or two cost a few bytes each, not their
// whole snapshot.
TEST(SnapshotStore, ASnapshotCostsTheEntriesThatSetItApart) {
  TSnapshotStore store;
  TValueSnapshot::TBuilder builder;
  TValues values;
  values.Caption = std::string(100, 'x');
  constexpr std::uint32_t kCount = 20'000;
  for (std::uint32_t slot = 1; slot <= kCount; ++slot) {
    values.Ordinals[1] = slot;
    values.Name = "Edit" + std::to_string(slot);
    Build(values, builder);
    store.Keep(slot, builder);
  }
  EXPECT_GT(builder.Written().size(), 120u);
  EXPECT_LT(store.Allocated(), kCount * 24);
  values.Ordinals[1] = 777;
  values.Name = "Edit777";
  Build(values, builder);
  EXPECT_TRUE(Loaded(store, 777) == builder.Finish());
}

// Snapshots replaced again and again, by longer and shorter ones, or forgotten, leave the
// store within a bound of what it keeps.
TEST(SnapshotStore, ReplacedAndForgottenSnapshotsDoNotPileUp) {
  TSnapshotStore store;
  TValueSnapshot::TBuilder builder;
  TValues values;
  constexpr std::uint32_t kSlots = 200;
  for (int round = 0; round < 200; ++round) {
    values.Caption = std::string(static_cast<std::size_t>(round % 2 ? 50 + round : 10), 'r');
    for (std::uint32_t slot = 1; slot <= kSlots; ++slot) {
      values.Ordinals[0] = round * 1000 + slot;
      Build(values, builder);
      store.Keep(slot, builder);
    }
    // Each round kept at most ~kSlots * 270 bytes; all rounds together ten times a megabyte.
    ASSERT_LT(store.Allocated(), std::size_t{1} << 20) << round;
  }
  for (std::uint32_t slot = 1; slot <= kSlots; ++slot) {
    values.Ordinals[0] = 199 * 1000 + slot;
    Build(values, builder);
    ASSERT_TRUE(Loaded(store, slot) == builder.Finish()) << slot;
  }
  values.Caption = std::string(4000, 'f');
  for (std::uint32_t slot = 1; slot <= kSlots; ++slot) {
    Build(values, builder);
    store.Keep(slot, builder);
  }
  EXPECT_GT(store.Allocated(), kSlots * 4000);
  for (std::uint32_t slot = 2; slot <= kSlots; ++slot) store.Forget(slot);
  EXPECT_LT(store.Allocated(), std::size_t{256} << 10);
  EXPECT_TRUE(Loaded(store, 1) == builder.Finish());
}

}  // namespace
}  // namespace vcl
