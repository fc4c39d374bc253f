// The prefix store: lookups ignore the class name's case, prefixes compare exactly, empty
// prefixes count as absent, and users are joined in the store's order.
#include <gtest/gtest.h>

#include "prefix/ZoltPrefix.h"
#include "tests/store/store_fixture.h"

namespace {

using PrefixStoreTest = store_test::StoreTest;

void Store(const std::string& className, const std::string& prefix) {
  host::TRegIniFile(store_test::kRoot).WriteString("Prefix", className, prefix);
}

TEST_F(PrefixStoreTest, AbsentAndEmptyEntriesGiveTheEmptyText) {
  EXPECT_EQ(zolt::FindPrefix("TButton"), "") << "no store file at all";
  Store("TLabel", "");
  EXPECT_EQ(zolt::FindPrefix("TLabel"), "");
  EXPECT_EQ(zolt::PrefixUsers(""), "") << "empty prefixes are not listed";
}

TEST_F(PrefixStoreTest, ClassNamesIgnoreCaseAndPrefixesAreKeptAsTyped) {
  Store("TButton", " btn ");
  EXPECT_EQ(zolt::FindPrefix("tbutton"), " btn ");
  Store("TBUTTON", "cmd");
  EXPECT_EQ(zolt::FindPrefix("TButton"), "cmd") << "one entry per class";
  EXPECT_EQ(zolt::PrefixUsers("CMD"), "") << "prefixes compare case-sensitively";
  EXPECT_EQ(zolt::PrefixUsers("cmd"), "TButton") << "the name keeps the case it was created with";
}

TEST_F(PrefixStoreTest, UsersAreJoinedByAndThenByCommas) {
  Store("TButton", "btn");
  EXPECT_EQ(zolt::PrefixUsers("btn"), "TButton");
  Store("TBitBtn", "btn");
  EXPECT_EQ(zolt::PrefixUsers("btn"), "TButton and TBitBtn");
  Store("TEdit", "edt");
  Store("TSpeedButton", "btn");
  Store("TMaskEdit", "btn");
  EXPECT_EQ(zolt::PrefixUsers("btn"), "TButton and TBitBtn, TSpeedButton, TMaskEdit");
}

TEST_F(PrefixStoreTest, APrefixHoldingAnEqualsSignIsComparedWhole) {
  Store("TEdit", "a=b");
  Store("TMemo", "a");
  EXPECT_EQ(zolt::PrefixUsers("a=b"), "TEdit");
  EXPECT_EQ(zolt::PrefixUsers("a"), "TMemo");
}

TEST_F(PrefixStoreTest, AStoreThatCannotBeReadReachesTheCaller) {
  PutFile("not a registry file\n");
  EXPECT_NE(store_test::ErrorOf([] { zolt::FindPrefix("TButton"); }), "");
  EXPECT_NE(store_test::ErrorOf([] { zolt::PrefixUsers("btn"); }), "");
}

}  // namespace
