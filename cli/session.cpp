#include "cli/session.h"

#include "vcl/sysutils.h"
#include "vcl/typinfo.h"

namespace cli {

TSession::TSession(const std::string& formPath)
    : package_(ide::ZoltPackage(), ide_.Editors()), designer_(ide::TFormDesigner::Open(formPath)) {}

TSession::TSession() : package_(ide::ZoltPackage(), ide_.Editors()) {}

void TSession::OpenForm(const std::string& formPath) {
  designer_.reset();
  designer_ = ide::TFormDesigner::Open(formPath);
}

ide::TFormDesigner& TSession::Designer() {
  if (!designer_) throw vcl::EInvalidOperation("No form is open");
  return *designer_;
}

void TSession::Close() {
  designer_.reset();
  package_.Unload();
}

vcl::TComponent& TSession::Component(const std::string& name) const {
  vcl::TComponent* component = designer_->FindComponent(name);
  if (!component) throw vcl::EComponentError("Component " + name + " not found in " + designer_->FormPath());
  return *component;
}

void TSession::ExecuteVerb(vcl::TComponent& component, const std::string& verb) {
  if (auto editor = ide_.Editors().GetComponentEditor(&component, designer_.get()))
    for (int i = 0; i < editor->GetVerbCount(); ++i)
      if (editor->GetVerb(i) == verb) return editor->ExecuteVerb(i);
  throw vcl::EInvalidOperation(component.Name() + " (" + component.ClassName() + ") has no verb \"" + verb + "\"");
}

std::unique_ptr<host::TPropertyEditor> TSession::PropertyEditor(vcl::TComponent& component,
                                                               const std::string& property) {
  const vcl::TPropInfo* prop = vcl::GetPropInfo(&component, property);
  if (!prop) throw vcl::EPropertyError(component.ClassName() + " has no property " + property);
  auto editor = ide_.Editors().GetPropertyEditor({&component}, prop, &Designer());
  if (!editor) throw vcl::EInvalidOperation("No editor is registered for " + component.ClassName() + "." + property);
  return editor;
}

}  // namespace cli
