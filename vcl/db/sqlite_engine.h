// The SQLite engine: a database is one SQLite file, opened read-only.
//
// The location's PATH names either the database file or a folder. In a folder, the table
// "customers" (or "CUSTOMERS.DB") is read from the file of that name, or of that name with
// one of the extensions .db, .sqlite, .sqlite3 or .db3, letter case ignored, as a table of
// the name without its extension; without such a file, from the folder's only database file
// (a file with one of those extensions). A query reads the folder's only database file.
#pragma once

#include "vcl/db/db_engine.h"

namespace vcl {

class TSQLiteEngine : public TDatabaseEngine {
public:
  std::vector<TColumnDescription> TableColumns(const TDatabaseLocation& location,
                                               const std::string& tableName) const override;
  std::vector<TColumnDescription> QueryColumns(const TDatabaseLocation& location,
                                               const std::string& sql) const override;
};

}  // namespace vcl
