#include "vcl/db/db_engine.h"

#include "vcl/db/sqlite_engine.h"

namespace vcl {

namespace {
TextMap<std::shared_ptr<const TDatabaseEngine>>& Engines() {
  static TextMap<std::shared_ptr<const TDatabaseEngine>> engines = [] {
    TextMap<std::shared_ptr<const TDatabaseEngine>> installed;
    auto sqlite = std::make_shared<TSQLiteEngine>();
    for (const char* name : {"", "STANDARD", "SQLITE"}) installed.emplace(name, sqlite);
    return installed;
  }();
  return engines;
}
}  // namespace

void RegisterDatabaseEngine(const std::string& driverName, std::shared_ptr<const TDatabaseEngine> engine) {
  Engines().insert_or_assign(driverName, std::move(engine));
}

const TDatabaseEngine& DatabaseEngine(const std::string& driverName) {
  auto found = Engines().find(driverName);
  if (found == Engines().end() || !found->second) DatabaseError("Driver '" + driverName + "' is not installed");
  return *found->second;
}

}  // namespace vcl
