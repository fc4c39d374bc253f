#include "ide/editor_registry.h"

#include <tuple>
#include <vector>

#include "vcl/sysutils.h"

namespace ide {

namespace {

// The number of ancestors of `cls`; -1 for no class, so that any class is more specific.
int Depth(vcl::TClass cls) {
  int depth = -1;
  for (; cls; cls = cls->ClassParent()) ++depth;
  return depth;
}

bool TypeServes(const vcl::TTypeInfo* registered, const vcl::TTypeInfo* actual) {
  if (registered == actual) return true;
  vcl::TClass registeredClass = registered->ClassType();
  vcl::TClass actualClass = actual->ClassType();
  return registeredClass && actualClass && actualClass->InheritsFrom(registeredClass);
}

}  // namespace

void TEditorRegistry::RegisterComponentEditor(vcl::TClass componentClass, host::TComponentEditorFactory factory) {
  if (!componentClass) throw vcl::EInvalidOperation("A component editor needs a component class");
  components_.push_back({currentGroup_, componentClass, std::move(factory)});
}

void TEditorRegistry::RegisterPropertyEditor(const vcl::TTypeInfo* propertyType, vcl::TClass componentClass,
                                             const std::string& propertyName, host::TPropertyEditorFactory factory) {
  if (!propertyType) throw vcl::EInvalidOperation("A property editor needs a property type");
  properties_.push_back({currentGroup_, propertyType, componentClass, propertyName, std::move(factory)});
}

int TEditorRegistry::RegisterGroup(const std::function<void()>& registrations) {
  int group = ++lastGroup_;
  currentGroup_ = group;
  try {
    registrations();
  } catch (...) {
    FreeGroup(group);
    throw;
  }
  currentGroup_ = 0;
  return group;
}

void TEditorRegistry::FreeGroup(int group) {
  std::erase_if(components_, [group](const TComponentEntry& entry) { return entry.Group == group; });
  std::erase_if(properties_, [group](const TPropertyEntry& entry) { return entry.Group == group; });
  if (currentGroup_ == group) currentGroup_ = 0;
}

std::unique_ptr<host::TComponentEditor> TEditorRegistry::GetComponentEditor(vcl::TComponent* component,
                                                                          host::IFormDesigner* designer) const {
  if (!component) return nullptr;
  const TComponentEntry* best = nullptr;
  for (const TComponentEntry& entry : components_) {
    if (!component->InheritsFrom(entry.ComponentClass)) continue;
    if (!best || Depth(entry.ComponentClass) >= Depth(best->ComponentClass)) best = &entry;
  }
  return best ? best->Factory(component, designer) : nullptr;
}

bool TEditorRegistry::Serves(const TPropertyEntry& entry, const vcl::TPersistent* component,
                             const vcl::TPropInfo* prop) {
  return TypeServes(entry.PropertyType, prop->PropType) &&
         (!entry.ComponentClass || component->InheritsFrom(entry.ComponentClass)) &&
         (entry.PropertyName.empty() || vcl::SameText(entry.PropertyName, prop->Name));
}

std::unique_ptr<host::TPropertyEditor> TEditorRegistry::GetPropertyEditor(
    const std::vector<vcl::TPersistent*>& components, const vcl::TPropInfo* prop,
    host::IFormDesigner* designer) const {
  if (components.empty() || !prop) return nullptr;
  auto rank = [](const TPropertyEntry& entry) {
    return std::make_tuple(!entry.PropertyName.empty(), Depth(entry.ComponentClass),
                           Depth(entry.PropertyType->ClassType()));
  };
  const TPropertyEntry* best = nullptr;
  for (const TPropertyEntry& entry : properties_) {
    bool servesAll = true;
    for (const vcl::TPersistent* component : components) servesAll = servesAll && Serves(entry, component, prop);
    if (servesAll && (!best || rank(entry) >= rank(*best))) best = &entry;
  }
  if (!best) return nullptr;
  auto editor = best->Factory(designer, components, prop);
  editor->Initialize();
  return editor;
}

}  // namespace ide
