// The IDE's component palette (pages of installed component classes) and the tool services
// that list it.
#pragma once

#include <string>
#include <vector>

#include "host/tool_services.h"

namespace ide {

struct TPalettePage {
  std::string Name;
  // The classes of the library it holds, in the order the page shows them; each is built when
  // first used, not when the IDE starts.
  std::vector<std::string> ClassNames;
};

// The pages the IDE installs, holding the component classes of the library.
std::vector<TPalettePage> DefaultPalette();

class TToolServices : public host::TIToolServices {
public:
  explicit TToolServices(std::vector<TPalettePage> palette) : palette_(std::move(palette)) {}

  int GetModuleCount() const override { return static_cast<int>(palette_.size()); }
  std::string GetModuleName(int index) const override;
  int GetComponentCount(int module) const override;
  std::string GetComponentName(int module, int index) const override;

private:
  const TPalettePage& Page(int module) const;

  std::vector<TPalettePage> palette_;
};

}  // namespace ide
