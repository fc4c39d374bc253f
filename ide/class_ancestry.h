// Ancestors declared for classes the component library does not model, so that a component of
// such a class is read as of its nearest modelled ancestor and the tools for that ancestor
// apply to it. Two sources, asked in this order: the project's units beside the form
// ("TMyPanel = class(TPanel)"), and the user's settings section "Classes" (value name = class,
// value = ancestor).
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "vcl/object.h"

namespace ide {

class TClassAncestry {
public:
  // Declarations of the units (*.pas) in `folder`, read when first needed, and of the settings
  // store when the IDE has installed it.
  explicit TClassAncestry(std::string folder);

  // The modelled component class that `className` descends from through the declarations,
  // following declared classes that descend from declared classes; null when the chain ends
  // at no modelled class (or runs in a circle).
  vcl::TClass ModelledAncestor(std::string_view className);

private:
  void LoadUnits();

  std::string folder_;
  bool unitsLoaded_ = false;
  vcl::TextMap<std::string> units_;
  vcl::TextMap<std::string> settings_;
};

// The classes of the settings section, in the order they were declared, with their ancestors.
std::vector<std::pair<std::string, std::string>> DeclaredClasses();
// Declares `className` a descendant of `ancestor` in the settings store (replacing an earlier
// declaration). Raises EInvalidOperation when either is no identifier, when `className` is a
// class of the library itself, or when `ancestor` leads to no modelled component class.
void DeclareClass(const std::string& className, const std::string& ancestor);
// Removes the declaration; raises EInvalidOperation "X is not declared" when there is none.
void ForgetClass(const std::string& className);

}  // namespace ide
