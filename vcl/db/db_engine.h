// The seam between data sets and the database engines that read their data. A data set asks
// the engine that its database's driver names for the columns of a table or of a statement's
// result; the engines are found by driver name, so that adding one changes no data set and no
// tool that uses data sets.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "vcl/db/db_fields.h"

namespace vcl {

struct TColumnType {
  TFieldType DataType = ftUnknown;
  int Size = 0;       // characters, bytes, or a BCD's decimal places
  int Precision = 0;  // a BCD's digits
};

struct TColumnDescription {
  std::string Name;
  TColumnType Type;
  bool Required = false;  // declared NOT NULL (an auto-increment key is not required)
};

// Where a data set's data lies, as its database names it.
struct TDatabaseLocation {
  std::string DriverName;  // empty for the local files driver
  // The "PATH" parameter made absolute against the form's folder: a database file or a folder
  // of them; empty when the database names none.
  std::string Path;
  // The database's parameters ("NAME=value" lines as the host keeps them), PATH included.
  std::vector<std::string> Params;
};

// An engine reads descriptions only; it never changes the database. Failures raise
// EDatabaseError naming the database and what was read.
class TDatabaseEngine {
public:
  virtual ~TDatabaseEngine() = default;
  // The columns of the table `tableName`.
  virtual std::vector<TColumnDescription> TableColumns(const TDatabaseLocation& location,
                                                       const std::string& tableName) const = 0;
  // The result columns of the statement `sql`, which must not change the database.
  virtual std::vector<TColumnDescription> QueryColumns(const TDatabaseLocation& location,
                                                       const std::string& sql) const = 0;
};

// Installs `engine` for the driver `driverName` (ignoring case), replacing an earlier one.
// SQLite is installed from the start, as "SQLITE" and as the local files drivers "" and
// "STANDARD": a table in a folder is then a database file there.
void RegisterDatabaseEngine(const std::string& driverName, std::shared_ptr<const TDatabaseEngine> engine);
// The engine of `driverName`; raises EDatabaseError "Driver 'X' is not installed" when none.
const TDatabaseEngine& DatabaseEngine(const std::string& driverName);

}  // namespace vcl
