// The editors registered with the IDE and the choice of the one that serves a component or
// a property: the most specific registration that applies, the later one among equals.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/editors.h"

namespace ide {

class TEditorRegistry : public host::IEditorRegistrar {
public:
  void RegisterComponentEditor(vcl::TClass componentClass, host::TComponentEditorFactory factory) override;
  void RegisterPropertyEditor(const vcl::TTypeInfo* propertyType, vcl::TClass componentClass,
                              const std::string& propertyName, host::TPropertyEditorFactory factory) override;

  // Runs `registrations` (the Register procedures of a package) and returns the number of
  // the group that holds what they registered. When they raise, what they registered is
  // withdrawn and the error passes on.
  int RegisterGroup(const std::function<void()>& registrations);
  // Withdraws the registrations of the group.
  void FreeGroup(int group);

  // A new editor for `component`, from the registration for its class or the nearest
  // ancestor class that has one; null when no registration applies.
  std::unique_ptr<host::TComponentEditor> GetComponentEditor(vcl::TComponent* component,
                                                             host::IFormDesigner* designer) const;
  // A new, initialized editor for the property `prop` of `components` (all of them must be
  // served by the registration); null when no registration applies. A registration is the
  // more specific for naming the property, then for a nearer component class, then for the
  // property's own type over an ancestor class type.
  std::unique_ptr<host::TPropertyEditor> GetPropertyEditor(const std::vector<vcl::TPersistent*>& components,
                                                           const vcl::TPropInfo* prop,
                                                           host::IFormDesigner* designer) const;

private:
  struct TComponentEntry {
    int Group;
    vcl::TClass ComponentClass;
    host::TComponentEditorFactory Factory;
  };
  struct TPropertyEntry {
    int Group;
    const vcl::TTypeInfo* PropertyType;
    vcl::TClass ComponentClass;  // null: any
    std::string PropertyName;    // empty: any
    host::TPropertyEditorFactory Factory;
  };
  static bool Serves(const TPropertyEntry& entry, const vcl::TPersistent* component, const vcl::TPropInfo* prop);

  int lastGroup_ = 0;
  int currentGroup_ = 0;  // 0: none
  std::vector<TComponentEntry> components_;
  std::vector<TPropertyEntry> properties_;
};

}  // namespace ide
