// The flat tables of components: the open table, the small list and the pointer set, and the
// name index and references built on them.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "vcl/classes.h"
#include "vcl/open_table.h"
#include "vcl/stdctrls.h"

using namespace vcl;

namespace {

// Hashes chosen to share their home places in a small table, so that runs form and wrap.
std::size_t CollidingHash(int key) { return static_cast<std::size_t>(key % 3) * 16 + 15; }

}  // namespace

TEST(OpenTable, EntriesStayFoundThroughGrowingShrinkingAndCollidingRuns) {
  TOpenTable<int> table;
  std::map<int, bool> present;
  auto find = [&table](int key) { return table.Find(CollidingHash(key), [key](int k) { return k == key; }); };
  for (int key = 0; key < 200; ++key) {
    ASSERT_EQ(find(key), nullptr);
    table.Insert(CollidingHash(key), key);
    present[key] = true;
  }
  // Erase in an order that breaks runs in the middle and across the end of the table.
  for (int key = 0; key < 200; key += 3) EXPECT_TRUE(table.Erase(CollidingHash(key), [key](int k) { return k == key; }));
  for (int key = 199; key > 0; key -= 7)
    if (present[key] && key % 3 != 0) {
      EXPECT_TRUE(table.Erase(CollidingHash(key), [key](int k) { return k == key; }));
      present[key] = false;
    }
  for (int key = 0; key < 200; key += 3) present[key] = false;
  for (auto [key, in] : present) {
    const int* found = find(key);
    EXPECT_EQ(found != nullptr, in) << key;
    if (found) {
      EXPECT_EQ(*found, key);
    }
  }
  EXPECT_FALSE(table.Erase(CollidingHash(0), [](int k) { return k == 0; }));
  std::size_t left = table.Size();
  EXPECT_EQ(left, static_cast<std::size_t>(std::count_if(present.begin(), present.end(), [](auto& p) { return p.second; })));
  // The table gives room back as it empties; whatever is left stays found.
  for (const auto& [key, in] : present)
    if (in && key > 10) table.Erase(CollidingHash(key), [k = key](int other) { return other == k; });
  for (int key = 0; key <= 10; ++key) EXPECT_EQ(find(key) != nullptr, present[key]) << key;
}

TEST(OpenTable, AnInsertAfterAMissTakesItsPlaceOnlyWhileNothingChanged) {
  TOpenTable<int> table;
  table.Reserve(100);
  table.Insert(CollidingHash(1), 1);
  EXPECT_FALSE(table.JustMissed(CollidingHash(4)));
  EXPECT_EQ(table.Find(CollidingHash(4), [](int k) { return k == 4; }), nullptr);
  EXPECT_TRUE(table.JustMissed(CollidingHash(4)));
  EXPECT_FALSE(table.JustMissed(CollidingHash(2))) << "another hash";
  table.Insert(CollidingHash(4), 4);
  EXPECT_FALSE(table.JustMissed(CollidingHash(4))) << "the place is taken now";
  // A miss, then a change: the insert probes again and lands behind the entries of its run.
  EXPECT_EQ(table.Find(CollidingHash(7), [](int k) { return k == 7; }), nullptr);
  table.Insert(CollidingHash(10), 10);
  EXPECT_FALSE(table.JustMissed(CollidingHash(7)));
  table.Insert(CollidingHash(7), 7);
  for (int key : {1, 4, 7, 10}) {
    const int* found = table.Find(CollidingHash(key), [key](int k) { return k == key; });
    ASSERT_NE(found, nullptr) << key;
    EXPECT_EQ(*found, key);
  }
  EXPECT_EQ(table.Size(), 4u);
}

TEST(SmallList, HoldsOneInPlaceAndMoreOnTheHeapInOrder) {
  int a = 0, b = 0, c = 0, d = 0;
  TSmallList<int> list;
  EXPECT_TRUE(list.Empty());
  list.PushBack(&a);
  EXPECT_EQ(list.Back(), &a);
  list.PushBack(&b);
  list.PushBack(&c);
  list.PushBack(&d);
  EXPECT_EQ(std::vector<int*>(list.begin(), list.end()), (std::vector<int*>{&a, &b, &c, &d}));
  list.EraseIf([&](int* p) { return p == &b || p == &d; });
  EXPECT_EQ(std::vector<int*>(list.begin(), list.end()), (std::vector<int*>{&a, &c}));
  list.Set(0, &d);
  list.PopBack();
  EXPECT_EQ(list.Size(), 1u);
  EXPECT_EQ(list[0], &d);
}

TEST(PointerSet, FindsItsItemsByScanAndByIndexAsItGrowsAndShrinks) {
  std::vector<int> storage(40);
  TPointerSet<int> set;
  for (int& item : storage) EXPECT_TRUE(set.Insert(&item));
  EXPECT_FALSE(set.Insert(&storage[5]));
  for (std::size_t i = 0; i < storage.size(); i += 2) EXPECT_TRUE(set.Erase(&storage[i]));
  EXPECT_FALSE(set.Erase(&storage[0]));
  for (std::size_t i = 0; i < storage.size(); ++i) EXPECT_EQ(set.Contains(&storage[i]), i % 2 == 1) << i;
  while (!set.Empty()) set.Erase(set.Back());
  EXPECT_TRUE(set.Insert(&storage[0]));
  EXPECT_TRUE(set.Contains(&storage[0]));
}

TEST(Components, ManyNamesFoundThroughRenamesRemovalsAndAReservedIndex) {
  TComponent owner(nullptr);
  owner.ReserveComponents(500);
  std::vector<TComponent*> components;
  for (int i = 0; i < 3000; ++i) {
    components.push_back(new TComponent(&owner));
    components.back()->SetName("Item" + std::to_string(i));
  }
  EXPECT_THROW(components[7]->SetName("ITEM8"), EComponentError);
  EXPECT_EQ(owner.FindComponent("item7"), components[7]) << "a refused rename keeps the name indexed";
  components[9]->SetName("ITEM9");
  EXPECT_EQ(owner.FindComponent("Item9"), components[9]);
  components[10]->SetName("Moved");
  EXPECT_EQ(owner.FindComponent("Item10"), nullptr);
  EXPECT_EQ(owner.FindComponent("moved"), components[10]);
  for (int i = 0; i < 3000; ++i)
    if (i % 10 != 0) components[static_cast<std::size_t>(i)]->Free();
  EXPECT_EQ(owner.ComponentCount(), 300);
  for (int i = 0; i < 3000; ++i) {
    TComponent* found = owner.FindComponent("Item" + std::to_string(i));
    EXPECT_EQ(found, i % 10 == 0 && i != 10 ? components[static_cast<std::size_t>(i)] : nullptr) << i;
  }
  (new TComponent(&owner))->SetName("Item11");  // the name of one that went is free again
  EXPECT_NE(owner.FindComponent("Item11"), nullptr);
}

TEST(Components, AHolderOfManyReferencesAndATargetOfManyClearEachAsItGoes) {
  TComponent owner(nullptr);
  auto* edit = new TEdit(&owner);
  std::vector<TLabel*> labels;
  for (int i = 0; i < 12; ++i) {
    labels.push_back(new TLabel(&owner));
    labels.back()->SetFocusControl(edit);
  }
  labels[3]->Free();
  labels[3] = nullptr;
  labels[4]->SetFocusControl(nullptr);
  auto* other = new TEdit(&owner);
  labels[5]->SetFocusControl(other);
  edit->Free();
  for (std::size_t i = 0; i < labels.size(); ++i)
    if (labels[i]) {
      EXPECT_EQ(labels[i]->FocusControl(), i == 5 ? other : nullptr) << i;
    }
  other->Free();
  EXPECT_EQ(labels[5]->FocusControl(), nullptr);
}
