// What a command without a form works in: the IDE running with the package loaded, so that
// the stored shortcuts and the palette mode are applied as at every start of the IDE.
#pragma once

#include "ide/ide.h"
#include "ide/package_loader.h"

namespace cli {

class TIdeSession {
public:
  TIdeSession() : package_(ide::ZoltPackage(), ide_.Editors()) {}
  // Unloads the package, which stores the palette mode; an error of the unloading passes on.
  void Close() { package_.Unload(); }

  ide::TIde& Ide() { return ide_; }

private:
  ide::TIde ide_;
  ide::TLoadedPackage package_;
};

}  // namespace cli
