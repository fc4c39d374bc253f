#include "package/Zolt.h"

#include <array>
#include <exception>

#include "align/AlignEditor.h"
#include "datacontrols/DataControlsEditor.h"
#include "package/ZoltIDE.h"
#include "prefix/NameEditor.h"

namespace zolt {

namespace {

// The load-time and unload-time work of a module; most have none.
struct TModuleWork {
  TProcedure Load = nullptr;
  TProcedure Unload = nullptr;
};

constexpr std::array<TModuleWork, 9> kWork{{
    {},  // ZoltConst
    {},  // ZoltAbout
    {},  // ZoltPrefix
    {},  // ZoltProps
    {},  // ZoltAlign
    {},  // ZoltDataControls
    {},  // ZoltShortCuts
    {},  // ZoltPrefixListEdit
    {ZoltIDEStartUp, ZoltIDEShutDown},
}};

std::array<int, kWork.size()> initCounts{};

// The counter changes only once the work succeeded: a module whose load-time work raised
// counts as not initialized.
template <std::size_t Module>
void Initialization() {
  if (initCounts[Module] == 0 && kWork[Module].Load) kWork[Module].Load();
  --initCounts[Module];
}

template <std::size_t Module>
void Finalization() {
  if (++initCounts[Module] == 0 && kWork[Module].Unload) kWork[Module].Unload();
}

template <std::size_t Module>
constexpr TModuleInfo ModuleInfo(std::string_view name, TProcedure registerProc = nullptr) {
  return {name, Initialization<Module>, Finalization<Module>, registerProc, &initCounts[Module]};
}

const std::array<TModuleInfo, kWork.size()> kModules{{
    ModuleInfo<0>("ZoltConst"),
    ModuleInfo<1>("ZoltAbout"),
    ModuleInfo<2>("ZoltPrefix", RegisterPrefix),
    ModuleInfo<3>("ZoltProps"),
    ModuleInfo<4>("ZoltAlign", RegisterAlign),
    ModuleInfo<5>("ZoltDataControls", RegisterDataControls),
    ModuleInfo<6>("ZoltShortCuts"),
    ModuleInfo<7>("ZoltPrefixListEdit"),
    ModuleInfo<8>("ZoltIDE"),
}};

}  // namespace

std::span<const TModuleInfo> GetPackageInfoTable() { return kModules; }

void Initialize() {
  std::size_t done = 0;
  try {
    for (; done < kModules.size(); ++done) kModules[done].Initialization();
  } catch (...) {
    while (done > 0) kModules[--done].Finalization();
    throw;
  }
}

void Finalize() {
  std::exception_ptr error;
  for (auto module = kModules.rbegin(); module != kModules.rend(); ++module) {
    try {
      module->Finalization();
    } catch (...) {
      if (!error) error = std::current_exception();
    }
  }
  if (error) std::rethrow_exception(error);
}

}  // namespace zolt
