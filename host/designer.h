// The form designer as the add-in sees it: the designer of the form being edited.
#pragma once

#include <string>

#include "vcl/classes.h"

namespace host {

class IFormDesigner {
public:
  virtual ~IFormDesigner() = default;

  // The form counts as changed (it will be saved).
  virtual void Modified() = 0;
  // The base name followed by the lowest number from 1 that no component of the form (nor
  // the form itself) has as its name, ignoring case.
  virtual std::string UniqueName(const std::string& baseName) = 0;
  // A new component of `cls` owned by the designed root, inside `parent` (a control's
  // parent; ignored for non-visual components) at that rectangle. A width and height of 0
  // give the class's default size. Named as the IDE names new components.
  virtual vcl::TComponent* CreateComponent(vcl::TClass cls, vcl::TComponent* parent, int left, int top, int width,
                                           int height) = 0;
  // The listed components become the selection.
  virtual void SetSelections(const vcl::TComponentList& list) = 0;
  virtual void GetSelections(vcl::TComponentList& list) const = 0;
  // The component being designed (the form or data module).
  virtual vcl::TComponent* GetRoot() const = 0;
};

}  // namespace host
