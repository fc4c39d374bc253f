#include "host/editors.h"

namespace host {

namespace {

IEditorRegistrar* registrar = nullptr;

IEditorRegistrar& Registrar() {
  if (!registrar) throw vcl::EInvalidOperation("Editors can only be registered while the IDE runs");
  return *registrar;
}

}  // namespace

TComponentEditor::TComponentEditor(vcl::TComponent* component, IFormDesigner* designer)
    : component_(component), designer_(designer) {}

void TComponentEditor::Edit() {
  if (GetVerbCount() > 0) ExecuteVerb(0);
}

void TComponentEditor::ExecuteVerb(int) {}
std::string TComponentEditor::GetVerb(int) { return {}; }
int TComponentEditor::GetVerbCount() { return 0; }
void TComponentEditor::Copy() {}

TPropertyEditor::TPropertyEditor(IFormDesigner* designer, std::vector<vcl::TPersistent*> components,
                                 const vcl::TPropInfo* prop)
    : designer_(designer), components_(std::move(components)), prop_(prop) {}

void TPropertyEditor::Activate() {}

bool TPropertyEditor::AllEqual() {
  for (int i = 1; i < PropCount(); ++i)
    if (GetStrValueAt(i) != GetStrValue()) return false;
  return true;
}

bool TPropertyEditor::AutoFill() { return true; }
void TPropertyEditor::Edit() {}

TPropertyAttributes TPropertyEditor::GetAttributes() {
  return AttributeOf(paMultiSelect) | AttributeOf(paRevertable);
}

int TPropertyEditor::GetEditLimit() { return 255; }
std::string TPropertyEditor::GetName() { return prop_->Name; }
void TPropertyEditor::GetProperties(const std::function<void(TPropertyEditor&)>&) {}
std::string TPropertyEditor::GetValue() { return "(unknown)"; }
void TPropertyEditor::GetValues(const std::function<void(const std::string&)>&) {}
void TPropertyEditor::Initialize() {}
void TPropertyEditor::SetValue(const std::string&) {}

vcl::TPersistent* TPropertyEditor::GetComponent(int index) const {
  if (index < 0 || index >= PropCount())
    throw vcl::EListError("List index out of bounds (" + std::to_string(index) + ")");
  return components_[static_cast<std::size_t>(index)];
}

std::string TPropertyEditor::GetStrValueAt(int index) const { return vcl::GetStrProp(GetComponent(index), prop_); }

void TPropertyEditor::SetStrValue(const std::string& value) {
  for (vcl::TPersistent* component : components_) vcl::SetStrProp(component, prop_, value);
  Modified();
}

vcl::NativeInt TPropertyEditor::GetOrdValueAt(int index) const { return vcl::GetOrdProp(GetComponent(index), prop_); }

void TPropertyEditor::SetOrdValue(vcl::NativeInt value) {
  for (vcl::TPersistent* component : components_) vcl::SetOrdProp(component, prop_, value);
  Modified();
}

void TPropertyEditor::Modified() {
  if (designer_) designer_->Modified();
}

void SetEditorRegistrar(IEditorRegistrar* value) { registrar = value; }

void RegisterComponentEditor(vcl::TClass componentClass, TComponentEditorFactory factory) {
  Registrar().RegisterComponentEditor(componentClass, std::move(factory));
}

void RegisterPropertyEditor(const vcl::TTypeInfo* propertyType, vcl::TClass componentClass,
                            const std::string& propertyName, TPropertyEditorFactory factory) {
  Registrar().RegisterPropertyEditor(propertyType, componentClass, propertyName, std::move(factory));
}

}  // namespace host
