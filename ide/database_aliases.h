// The IDE's database aliases, kept in the settings store: the section "Aliases\NAME" holds the
// parameters of the alias NAME ("PATH", and what other drivers need), and its value "DRIVER"
// the driver (none: the local files driver). A relative PATH is read from the form's folder.
#pragma once

#include <optional>
#include <string>

#include "vcl/db/dbtables.h"

namespace ide {

// The alias of that name (ignoring case); nothing when the store holds none.
std::optional<vcl::TDatabaseAlias> StoredAlias(const std::string& name);

}  // namespace ide
