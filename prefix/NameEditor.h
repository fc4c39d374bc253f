// The Object Inspector's editor of every component's Name: the ellipsis names the component
// from the prefix stored for its class, asking for a prefix when there is none yet.
#pragma once

#include "host/editors.h"

namespace zolt {

class TNameEditor : public host::TPropertyEditor {
public:
  using host::TPropertyEditor::TPropertyEditor;
  // Names the component with its class's prefix, numbered (1, 2, ...) when the bare prefix
  // is taken in its owner; a name already starting with the prefix is kept. Without a
  // stored prefix the "Add component prefix" dialog asks for one first.
  void Edit() override;
  // The ellipsis alone: free text, no value list, one component at a time.
  host::TPropertyAttributes GetAttributes() override;
  std::string GetValue() override;
  // The typed name, which the component's setter checks.
  void SetValue(const std::string& value) override;
};

// Registers TNameEditor for the Name of every component.
void RegisterPrefix();

}  // namespace zolt
