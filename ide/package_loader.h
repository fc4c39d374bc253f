// Loading a package into the IDE: its initialization, then the Register procedures of its
// modules; unloading: its finalization and the removal of what it registered.
#pragma once

#include <span>

#include "ide/editor_registry.h"
#include "package/Zolt.h"

namespace ide {

// The entry points by which the IDE drives a package.
struct TPackageEntryPoints {
  std::span<const zolt::TModuleInfo> (*GetPackageInfoTable)();
  void (*Initialize)();
  void (*Finalize)();
};

// The add-in's package.
TPackageEntryPoints ZoltPackage();

// A package while it is loaded. Loading runs Initialize (every module's initialization in
// table order), then the Register procedure of each module that has one, in table order;
// their registrations go into `editors`, the registry that the running IDE installed. If any
// of it raises, the package is unloaded again and the error passes on. Unloading runs
// Finalize (the finalizations in reverse order) and withdraws the package's registrations;
// it must happen before the IDE shuts down.
class TLoadedPackage {
public:
  TLoadedPackage(const TPackageEntryPoints& package, TEditorRegistry& editors);
  // Unloads the package unless Unload did; an error of its finalization is lost here.
  ~TLoadedPackage();
  // Unloads the package now; an error of its finalization passes on (the package counts as
  // unloaded all the same).
  void Unload();
  TLoadedPackage(const TLoadedPackage&) = delete;
  TLoadedPackage& operator=(const TLoadedPackage&) = delete;

private:
  TPackageEntryPoints package_;
  TEditorRegistry& editors_;
  int group_ = 0;
  bool loaded_ = true;
};

}  // namespace ide
