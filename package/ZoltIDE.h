// The package's hold on the IDE: lookup of the IDE's own components by a path of names,
// and the single IDE enhancer that lives while the package is loaded.
#pragma once

#include <memory>
#include <string_view>

#include "vcl/classes.h"

namespace zolt {

// Changes the IDE itself while the package is loaded.
class TEnhanceIDE : public vcl::TObject {
  VCL_CLASS(TEnhanceIDE, vcl::TObject)
  TEnhanceIDE() = default;
};

// The one enhancer: made by the module's load-time work, freed by its unload-time work;
// null while the package is not loaded.
extern std::unique_ptr<TEnhanceIDE> EnhanceIDE;

// The component at the end of `path`, a comma-separated list of component names: the first
// is looked up among the components the application object owns, each later one among those
// of the component found before. Null for an empty path, without an application object, or
// at the first name that is not found (the names after it are not looked up).
vcl::TComponent* FindDelphiComponent(std::string_view path);

// The module's load-time and unload-time work.
void ZoltIDEStartUp();
void ZoltIDEShutDown();

}  // namespace zolt
