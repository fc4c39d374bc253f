// TDatabase and the aliases it can stand for (declared in vcl/db/dbtables.h, the host's unit).
#include <utility>

#include "vcl/class_builder.h"
#include "vcl/db/dbtables.h"

namespace vcl {

namespace {
TAliasLookup& AliasLookup() {
  static TAliasLookup lookup;
  return lookup;
}

const TTypeInfo* TypeInfoTransIsolation() {
  static auto t = MakeEnumType("TTransIsolation", {"tiDirtyRead", "tiReadCommitted", "tiRepeatableRead"});
  return t;
}

// The value of `name` among "NAME=value" lines, ignoring case; the last line wins.
std::optional<std::string> ParamValue(const std::vector<std::string>& params, std::string_view name) {
  std::optional<std::string> value;
  for (const std::string& line : params) {
    std::size_t equals = line.find('=');
    if (equals != std::string::npos && SameText(Trim(std::string_view(line).substr(0, equals)), name))
      value = line.substr(equals + 1);
  }
  return value;
}
}  // namespace

void SetAliasLookup(TAliasLookup lookup) { AliasLookup() = std::move(lookup); }

std::optional<TDatabaseAlias> FindAlias(const std::string& name) {
  if (!AliasLookup() || name.empty()) return std::nullopt;
  return AliasLookup()(name);
}

TDatabaseLocation LocationOf(std::string driverName, std::vector<std::string> params) {
  TDatabaseLocation location{std::move(driverName), "", std::move(params)};
  if (std::optional<std::string> path = ParamValue(location.Params, "PATH"); path && !Trim(*path).empty())
    location.Path = DatabasePath(Trim(*path));
  return location;
}

TClass TDatabase::ClassInfo() {
  static TClass cls =
      TClassBuilder<TDatabase>("TDatabase", TComponent::ClassInfo())
          .Creatable()
          .String("AliasName", &TDatabase::AliasName, &TDatabase::SetAliasName)
          .Bool("Connected", &TDatabase::Connected, &TDatabase::SetConnected, false)
          .String("DatabaseName", &TDatabase::DatabaseName, &TDatabase::SetDatabaseName)
          .String("DriverName", &TDatabase::DriverName, &TDatabase::SetDriverName)
          .Bool("HandleShared", &TDatabase::HandleShared, &TDatabase::SetHandleShared, false)
          .Bool("KeepConnection", &TDatabase::KeepConnection, &TDatabase::SetKeepConnection, true)
          .Bool("LoginPrompt", &TDatabase::LoginPrompt, &TDatabase::SetLoginPrompt, true)
          .Object("Params", &TDatabase::Params)
          .Bool("ReadOnly", &TDatabase::ReadOnly, &TDatabase::SetReadOnly, false)
          .String("SessionName", &TDatabase::SessionName, &TDatabase::SetSessionName)
          .Enum<TTransIsolation>("TransIsolation", TypeInfoTransIsolation(), &TDatabase::TransIsolation,
                                 &TDatabase::SetTransIsolation, tiReadCommitted)
          .Event("OnLogin", &TDatabase::OnLogin, "TDatabaseLoginEvent")
          .Build();
  return cls;
}

TDatabase::TDatabase(TComponent* owner) : TComponent(owner), params_(std::make_unique<TStringList>()) {}

TDatabase::~TDatabase() {
  Destroying();
  // The owner going frees its data sets anyway.
  if (!Owner() || !Owner()->HasState(csDestroying)) Close();
}

void TDatabase::CheckDisconnected() const {
  if (connected_) DatabaseError("Cannot perform this operation on an open database", this);
}

void TDatabase::SetAliasName(const std::string& value) {
  if (value == aliasName_) return;
  CheckDisconnected();
  if (!value.empty()) driverName_.clear();
  aliasName_ = value;
}

void TDatabase::SetDriverName(const std::string& value) {
  if (value == driverName_) return;
  CheckDisconnected();
  if (!value.empty()) aliasName_.clear();
  driverName_ = value;
}

void TDatabase::SetDatabaseName(const std::string& value) {
  if (value == databaseName_) return;
  CheckDisconnected();
  databaseName_ = value;
}

void TDatabase::SetConnected(bool value) {
  if (HasState(csReading) && !HasState(csDestroying)) {
    streamedConnected_ = value;
    return;
  }
  if (value == connected_) return;
  if (value) {
    try {
      Location();
    } catch (const EDatabaseError& e) {
      DatabaseError(e.Message(), this);
    }
    connected_ = true;
    return;
  }
  connected_ = false;
  if (!Owner()) return;
  for (int i = 0; i < Owner()->ComponentCount(); ++i)
    if (auto* dataSet = Cast<TDBDataSet>(Owner()->Components(i));
        dataSet && SameText(dataSet->DatabaseName(), databaseName_) && dataSet->Database() == this)
      dataSet->Close();
}

TDatabaseLocation TDatabase::Location() const {
  std::vector<std::string> params;
  for (int i = 0; i < params_->Count(); ++i) params.push_back(params_->Strings(i));
  if (aliasName_.empty()) return LocationOf(driverName_, std::move(params));
  std::optional<TDatabaseAlias> alias = FindAlias(aliasName_);
  if (!alias) throw EDatabaseError("Alias '" + aliasName_ + "' not found");
  // The database's own parameters override the alias's.
  alias->Params.insert(alias->Params.end(), params.begin(), params.end());
  return LocationOf(alias->DriverName, std::move(alias->Params));
}

void TDatabase::Loaded() {
  TComponent::Loaded();
  if (!streamedConnected_) return;
  streamedConnected_ = false;
  try {
    Open();
  } catch (const EDatabaseError&) {
    // As a data set: a designed form still loads when its database cannot be reached.
    if (!HasState(csDesigning)) throw;
  }
}

}  // namespace vcl
