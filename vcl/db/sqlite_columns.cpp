#include "vcl/db/sqlite_columns.h"

#include <sqlite3.h>

#include <charconv>
#include <filesystem>
#include <limits>
#include <memory>

#include "vcl/sysutils.h"

namespace vcl {

namespace {

constexpr int MaxStringSize = 8192;
constexpr int MaxBCDPrecision = 32;
constexpr int UnsizedStringSize = 255;
constexpr int kBusyTimeoutMs = 1000;

struct TypeName {
  std::string_view Name;
  TFieldType Type;
  int DefaultSize;
};

constexpr TypeName TypeNames[] = {
    {"VARCHAR", ftString, UnsizedStringSize},          {"VARCHAR2", ftString, UnsizedStringSize},
    {"STRING", ftString, UnsizedStringSize},           {"CHARACTER VARYING", ftString, UnsizedStringSize},
    {"VARYING CHARACTER", ftString, UnsizedStringSize}, {"CHAR", ftFixedChar, 1},
    {"CHARACTER", ftFixedChar, 1},                     {"NVARCHAR", ftWideString, UnsizedStringSize},
    {"NCHAR", ftWideString, UnsizedStringSize},        {"NATIONAL CHARACTER", ftWideString, UnsizedStringSize},
    {"NATIVE CHARACTER", ftWideString, UnsizedStringSize},
    {"INTEGER", ftInteger, 0},                         {"INT", ftInteger, 0},
    {"INT4", ftInteger, 0},                            {"MEDIUMINT", ftInteger, 0},
    {"SMALLINT", ftSmallint, 0},                       {"INT2", ftSmallint, 0},
    {"TINYINT", ftSmallint, 0},                        {"WORD", ftWord, 0},
    {"UNSIGNED SMALLINT", ftWord, 0},                  {"BIGINT", ftLargeint, 0},
    {"INT8", ftLargeint, 0},                           {"LARGEINT", ftLargeint, 0},
    {"UNSIGNED BIG INT", ftLargeint, 0},               {"BOOLEAN", ftBoolean, 0},
    {"BOOL", ftBoolean, 0},                            {"BIT", ftBoolean, 0},
    {"LOGICAL", ftBoolean, 0},                         {"REAL", ftFloat, 0},
    {"FLOAT", ftFloat, 0},                             {"DOUBLE", ftFloat, 0},
    {"DOUBLE PRECISION", ftFloat, 0},                  {"NUMERIC", ftBCD, 0},
    {"DECIMAL", ftBCD, 0},                             {"MONEY", ftCurrency, 0},
    {"SMALLMONEY", ftCurrency, 0},                     {"CURRENCY", ftCurrency, 0},
    {"DATE", ftDate, 0},                               {"TIME", ftTime, 0},
    {"DATETIME", ftDateTime, 0},                       {"TIMESTAMP", ftDateTime, 0},
    {"BINARY", ftBytes, 16},                           {"BYTES", ftBytes, 16},
    {"VARBINARY", ftVarBytes, 16},                     {"VARBYTES", ftVarBytes, 16},
    {"BLOB", ftBlob, 0},                               {"TEXT", ftMemo, 0},
    {"MEMO", ftMemo, 0},                               {"CLOB", ftMemo, 0},
    {"NTEXT", ftMemo, 0},                              {"TINYTEXT", ftMemo, 0},
    {"MEDIUMTEXT", ftMemo, 0},                         {"LONGTEXT", ftMemo, 0},
    {"GRAPHIC", ftGraphic, 0},                         {"IMAGE", ftGraphic, 0},
    {"PICTURE", ftGraphic, 0},
};

// Upper case, words separated by single blanks.
std::string NormalizeName(std::string_view text) {
  std::string result;
  bool blank = false;
  for (char c : UpperCase(Trim(text))) {
    if (static_cast<unsigned char>(c) <= ' ') {
      blank = true;
      continue;
    }
    if (blank) result += ' ';
    blank = false;
    result += c;
  }
  return result;
}

// The integers between the parentheses of "NAME(a, b)"; parsing stops at anything else.
std::vector<int> TypeArguments(std::string_view text) {
  std::vector<int> args;
  std::size_t open = text.find('(');
  if (open == std::string_view::npos) return args;
  std::string_view rest = text.substr(open + 1);
  while (true) {
    std::string item = Trim(rest.substr(0, rest.find_first_of(",)")));
    int value = 0;
    auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), value);
    if (item.empty() || error != std::errc() || end != item.data() + item.size()) break;
    args.push_back(value);
    std::size_t next = rest.find_first_of(",)");
    if (next == std::string_view::npos || rest[next] == ')') break;
    rest.remove_prefix(next + 1);
  }
  return args;
}

TColumnType AffinityType(const std::string& name) {
  auto has = [&](const char* part) { return name.find(part) != std::string::npos; };
  if (has("INT")) return {ftInteger};
  if (has("CHAR") || has("CLOB") || has("TEXT")) return {ftMemo};
  if (has("BLOB")) return {ftBlob};
  return {ftFloat};
}

bool IsStringType(TFieldType type) { return type == ftString || type == ftFixedChar || type == ftWideString; }

TColumnType TypeOfEntry(const TypeName& entry, const std::vector<int>& args) {
  TColumnType type{entry.Type, entry.DefaultSize};
  if (entry.Type == ftBCD) {
    type.Precision = args.empty() ? 0 : args[0];
    type.Size = args.size() > 1 ? args[1] : 0;
    if (type.Precision > MaxBCDPrecision || type.Size < 0 || type.Size > MaxBCDPrecision) return {ftFloat};
    return type;
  }
  if (entry.DefaultSize > 0 && !args.empty() && args[0] > 0) type.Size = args[0];
  if (IsStringType(type.DataType) && type.Size > MaxStringSize) return {ftMemo};
  return type;
}

// The type of an untyped column by the value it holds in the current row.
TColumnType TypeOfValue(sqlite3_stmt* stmt, int column) {
  switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER: {
      sqlite3_int64 value = sqlite3_column_int64(stmt, column);
      bool small = value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
      return {small ? ftInteger : ftLargeint};
    }
    case SQLITE_FLOAT: return {ftFloat};
    case SQLITE_BLOB: return {ftBlob};
    default: return {ftString, UnsizedStringSize};
  }
}

struct CloseDatabase {
  void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct FinalizeStatement {
  void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};

}  // namespace

TColumnType ColumnTypeOfDeclaration(std::string_view declaredType) {
  std::string name = NormalizeName(declaredType.substr(0, declaredType.find('(')));
  for (const TypeName& entry : TypeNames)
    if (entry.Name == name) return TypeOfEntry(entry, TypeArguments(declaredType));
  return AffinityType(name);
}

std::vector<TColumnDescription> DescribeColumns(const std::string& path, const std::string& sql,
                                                const std::string& subject) {
  std::error_code ignored;
  if (!std::filesystem::is_regular_file(path, ignored)) throw EDatabaseError("Database '" + path + "' not found");

  sqlite3* rawDb = nullptr;
  int rc = sqlite3_open_v2(path.c_str(), &rawDb, SQLITE_OPEN_READONLY, nullptr);
  std::unique_ptr<sqlite3, CloseDatabase> db(rawDb);
  if (rc != SQLITE_OK) {
    std::string reason = rawDb ? sqlite3_errmsg(rawDb) : sqlite3_errstr(rc);
    throw EDatabaseError("Cannot open database '" + path + "': " + reason);
  }
  // A writer holds its lock for the moment of a commit; one that holds it longer is another
  // program's open transaction, which waiting at a prompt does not end.
  sqlite3_busy_timeout(db.get(), kBusyTimeoutMs);

  auto failure = [&](const std::string& reason) {
    return EDatabaseError("Cannot read " + subject + " from database '" + path + "': " + reason);
  };
  sqlite3_stmt* rawStmt = nullptr;
  rc = sqlite3_prepare_v2(db.get(), sql.c_str(), static_cast<int>(sql.size()), &rawStmt, nullptr);
  std::unique_ptr<sqlite3_stmt, FinalizeStatement> stmt(rawStmt);
  if (rc != SQLITE_OK) throw failure(sqlite3_errmsg(db.get()));
  int count = stmt ? sqlite3_column_count(stmt.get()) : 0;
  if (count == 0) throw failure("the statement returns no result set");
  if (!sqlite3_stmt_readonly(stmt.get())) throw failure("the statement would change the database");

  std::vector<TColumnDescription> columns;
  bool hasRow = false, stepped = false;
  for (int i = 0; i < count; ++i) {
    TColumnDescription column;
    column.Name = sqlite3_column_name(stmt.get(), i);
    const char* declared = sqlite3_column_decltype(stmt.get(), i);
    if (declared && *declared) {
      column.Type = ColumnTypeOfDeclaration(declared);
    } else {
      if (!stepped) {
        rc = sqlite3_step(stmt.get());
        if (rc != SQLITE_ROW && rc != SQLITE_DONE) throw failure(sqlite3_errmsg(db.get()));
        hasRow = rc == SQLITE_ROW;
        stepped = true;
      }
      column.Type = hasRow ? TypeOfValue(stmt.get(), i) : TColumnType{ftString, UnsizedStringSize};
    }
    // Columns taken straight from a table know its constraints.
    const char* table = sqlite3_column_table_name(stmt.get(), i);
    const char* origin = sqlite3_column_origin_name(stmt.get(), i);
    int notNull = 0, primaryKey = 0, autoIncrement = 0;
    if (table && origin &&
        sqlite3_table_column_metadata(db.get(), sqlite3_column_database_name(stmt.get(), i), table, origin,
                                      nullptr, nullptr, &notNull, &primaryKey, &autoIncrement) == SQLITE_OK) {
      if (autoIncrement) column.Type = {ftAutoInc};
      column.Required = notNull && !autoIncrement;
    }
    columns.push_back(std::move(column));
  }
  return columns;
}

}  // namespace vcl
