// Data sets whose records the local databases cannot give: opening one says why.
#include <gtest/gtest.h>

#include "db_fixture.h"
#include "vcl/db/db_stored_proc.h"

using namespace vcl;
using namespace dbtest;

namespace {

TEST(StoredProc, OpeningOneOnALocalDatabaseSaysItHasNoStoredProcedures) {
  TempFolder folder;
  Execute(folder.File("shop.db"), "CREATE TABLE orders (no INTEGER);");
  SetDatabaseFolder(folder.File(""));
  TComponent form(nullptr);
  auto* proc = new TStoredProc(&form);
  proc->SetName("spOrders");
  proc->SetDatabaseName("shop.db");
  try {
    proc->Open();
    ADD_FAILURE() << "opened without a procedure name";
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(e.Message(), "spOrders: Missing StoredProcName property");
  }
  proc->SetStoredProcName("GetOrders");
  try {
    proc->Open();
    ADD_FAILURE() << "opened a procedure the database does not have";
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(e.Message(), "spOrders: Stored procedure GetOrders not found: the database has no stored procedures");
  }
  EXPECT_FALSE(proc->Active());
  EXPECT_EQ(proc->FieldCount(), 0);
  SetDatabaseFolder("");
}

TEST(NestedTable, OpeningOneNeedsItsDataSetField) {
  TComponent form(nullptr);
  auto* nested = new TNestedTable(&form);
  nested->SetName("tblLines");
  EXPECT_THROW(
      {
        try {
          nested->Open();
        } catch (const EDatabaseError& e) {
          EXPECT_EQ(e.Message(), "tblLines: Missing DataSetField property");
          throw;
        }
      },
      EDatabaseError);
  EXPECT_FALSE(nested->Active());
}

}  // namespace
