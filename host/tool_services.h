// The IDE's tool services as the add-in reads them: the component classes installed on the
// palette, module by module (a module is a palette page).
#pragma once

#include <string>

namespace host {

class TIToolServices {
public:
  virtual ~TIToolServices() = default;

  virtual int GetModuleCount() const = 0;
  // The name of module `index`; raises EListError for a bad index.
  virtual std::string GetModuleName(int index) const = 0;
  // The number of component classes in module `module`; raises EListError for a bad index.
  virtual int GetComponentCount(int module) const = 0;
  // The class name of component `index` of module `module`; raises EListError for bad indexes.
  virtual std::string GetComponentName(int module, int index) const = 0;
};

// The running IDE's tool services; null when no IDE runs.
TIToolServices* ToolServices();
// Installs the IDE's tool services (null: none).
void SetToolServices(TIToolServices* services);

}  // namespace host
