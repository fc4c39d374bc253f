// The align tool's entry in the form designer: the verb "Align controls" on containers.
#pragma once

#include "host/editors.h"

namespace zolt {

class TAlignEditor : public host::TComponentEditor {
public:
  using host::TComponentEditor::TComponentEditor;
  // Verb 0 opens the align dialog for the container, loaded with the stored settings of
  // its class; OK aligns the checked controls and marks the form as modified.
  void ExecuteVerb(int index) override;
  std::string GetVerb(int index) override;
  int GetVerbCount() override;
};

// Registers TAlignEditor for panels, scroll boxes, group boxes, tab sheets and tab controls.
void RegisterAlign();

}  // namespace zolt
