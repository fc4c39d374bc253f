#include "ide/package_loader.h"

namespace ide {

TPackageEntryPoints ZoltPackage() { return {zolt::GetPackageInfoTable, zolt::Initialize, zolt::Finalize}; }

TLoadedPackage::TLoadedPackage(const TPackageEntryPoints& package, TEditorRegistry& editors)
    : package_(package), editors_(editors) {
  package_.Initialize();
  try {
    group_ = editors_.RegisterGroup([this] {
      for (const zolt::TModuleInfo& module : package_.GetPackageInfoTable())
        if (module.Register) module.Register();
    });
  } catch (...) {
    package_.Finalize();
    throw;
  }
}

TLoadedPackage::~TLoadedPackage() {
  if (!loaded_) return;
  try {
    Unload();
  } catch (...) {
    // Nobody is left to tell once the package object goes.
  }
}

void TLoadedPackage::Unload() {
  if (!loaded_) return;
  loaded_ = false;
  editors_.FreeGroup(group_);
  package_.Finalize();
}

}  // namespace ide
