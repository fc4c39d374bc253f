// The package's entry points: the table of its modules, and their initialization and
// finalization as the IDE runs them when it loads and unloads the package.
#pragma once

#include <span>
#include <string_view>

namespace zolt {

using TProcedure = void (*)();

// One module of the package.
struct TModuleInfo {
  std::string_view Name;
  // Each lowers (raises) the module's counter and does the module's load-time (unload-time)
  // work only on the first initialization (the finalization that balances it).
  TProcedure Initialization;
  TProcedure Finalization;
  // The module's registration of its editors, which the IDE calls once after loading;
  // null for a module that registers nothing.
  TProcedure Register;
  // The module's counter: 0 when not initialized, -n after n unbalanced initializations.
  const int* InitCount;
};

// The modules in their initialization order.
std::span<const TModuleInfo> GetPackageInfoTable();
// Initializes every module in table order. When one raises, the modules initialized before
// it are finalized again (in reverse order) and the error passes on.
void Initialize();
// Finalizes every module in reverse table order. An error of one module passes on once the
// others are finalized.
void Finalize();

}  // namespace zolt
