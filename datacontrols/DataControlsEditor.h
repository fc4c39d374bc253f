// The data-controls wizard's entry in the form designer: the verb "Data controls wizard" on
// a data source that lies on a form.
#pragma once

#include "host/editors.h"

namespace zolt {

class TDataControlsEditor : public host::TComponentEditor {
public:
  using host::TComponentEditor::TComponentEditor;
  // Verb 0 opens the data source's data set and the wizard dialog; OK creates a bound,
  // named, sized control (and usually a label) per checked field in the chosen container
  // and aligns them. The form counts as modified after OK and Cancel alike.
  void ExecuteVerb(int index) override;
  std::string GetVerb(int index) override;
  // One verb on a form, none on any other owner (a data module).
  int GetVerbCount() override;
};

// Registers TDataControlsEditor for data sources.
void RegisterDataControls();

}  // namespace zolt
