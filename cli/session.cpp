#include "cli/session.h"

#include "vcl/sysutils.h"

namespace cli {

TSession::TSession(const std::string& formPath)
    : package_(ide::ZoltPackage(), ide_.Editors()), designer_(ide::TFormDesigner::Open(formPath)) {}

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

}  // namespace cli
