#include "vcl/db/sqlite_engine.h"

#include <array>
#include <filesystem>
#include <string_view>

#include "vcl/db/sqlite_columns.h"
#include "vcl/sysutils.h"

namespace vcl {

namespace {

namespace fs = std::filesystem;

constexpr std::array<std::string_view, 4> kExtensions = {".db", ".sqlite", ".sqlite3", ".db3"};

bool HasDatabaseExtension(const std::string& name) {
  std::string extension = fs::path(name).extension().string();
  for (std::string_view known : kExtensions)
    if (SameText(extension, known)) return true;
  return false;
}

// The regular files of `folder`, by name.
std::vector<std::string> FilesOf(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
    if (it->is_regular_file(error)) names.push_back(it->path().filename().string());
  if (error) DatabaseError("Cannot read folder '" + folder + "': " + error.message());
  return names;
}

// The database file of a folder that holds just one; `what` says what is read, for the error.
std::string OnlyDatabaseFile(const std::string& folder, const std::vector<std::string>& files,
                             const std::string& what) {
  std::string found;
  int count = 0;
  for (const std::string& name : files)
    if (HasDatabaseExtension(name)) {
      found = name;
      ++count;
    }
  if (count == 1) return (fs::path(folder) / found).string();
  DatabaseError("Cannot read " + what + " from folder '" + folder + "': " +
                (count == 0 ? "it holds no database file"
                            : "it holds " + std::to_string(count) + " database files and none is named for it"));
}

struct TableFile {
  std::string Path;
  std::string Table;
};

TableFile FindTableFile(const std::string& folder, const std::string& tableName) {
  std::vector<std::string> files = FilesOf(folder);
  std::string table = HasDatabaseExtension(tableName) ? fs::path(tableName).stem().string() : tableName;
  std::vector<std::string> wanted{tableName};
  for (std::string_view extension : kExtensions) wanted.push_back(table + std::string(extension));
  for (const std::string& name : wanted)
    for (const std::string& file : files)
      if (SameText(file, name)) return {(fs::path(folder) / file).string(), table};
  return {OnlyDatabaseFile(folder, files, "table '" + tableName + "'"), table};
}

bool IsFolder(const std::string& path) {
  std::error_code ignored;
  return fs::is_directory(path, ignored);
}

void CheckPath(const TDatabaseLocation& location) {
  if (location.Path.empty()) DatabaseError("No PATH parameter names the database's file or folder");
}

std::string QuotedName(const std::string& name) {
  std::string quoted = "\"";
  for (char c : name) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

}  // namespace

std::vector<TColumnDescription> TSQLiteEngine::TableColumns(const TDatabaseLocation& location,
                                                            const std::string& tableName) const {
  CheckPath(location);
  TableFile file{location.Path, tableName};
  if (IsFolder(location.Path)) file = FindTableFile(location.Path, tableName);
  return DescribeColumns(file.Path, "SELECT * FROM " + QuotedName(file.Table), "table '" + tableName + "'");
}

std::vector<TColumnDescription> TSQLiteEngine::QueryColumns(const TDatabaseLocation& location,
                                                            const std::string& sql) const {
  CheckPath(location);
  const std::string what = "the result of the query";
  std::string path = location.Path;
  if (IsFolder(path)) path = OnlyDatabaseFile(path, FilesOf(path), what);
  return DescribeColumns(path, sql, what);
}

}  // namespace vcl
