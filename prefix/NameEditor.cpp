#include "prefix/NameEditor.h"

#include <string_view>
#include <unordered_set>

#include "prefix/ZoltPrefix.h"
#include "prefix/dlgPrefix.h"
#include "vcl/application.h"

namespace zolt {

using namespace vcl;

namespace {

// A data module is designed inside a window of this class.
constexpr std::string_view DataModuleWindow = "TDataModuleForm";

// The class whose prefix names `component`: every form shares the one of "TForm", every
// data module the one of "TDataModule".
std::string LookupClass(const TComponent& component) {
  const TComponent* owner = component.Owner();
  if (!owner) return "TForm";
  if (owner->ClassName() == DataModuleWindow) return "TDataModule";
  return component.ClassName();
}

// The names of the owner's components, compared byte for byte; the edited one is among them.
class TNamesInUse {
public:
  explicit TNamesInUse(const TComponent& owner) {
    names_.reserve(static_cast<std::size_t>(owner.ComponentCount()));
    for (int i = 0; i < owner.ComponentCount(); ++i) names_.insert(owner.Components(i)->Name());
  }
  bool NameExists(const std::string& name) const { return names_.count(name) != 0; }
  // The prefix followed by the first number from 1 that is free.
  std::string FirstFree(const std::string& prefix) const {
    for (int i = 1;; ++i) {
      std::string name = prefix + std::to_string(i);
      if (!NameExists(name)) return name;
    }
  }

private:
  std::unordered_set<std::string> names_;
};

}  // namespace

host::TPropertyAttributes TNameEditor::GetAttributes() { return host::AttributeOf(host::paDialog); }

std::string TNameEditor::GetValue() { return As<TComponent>(GetComponent(0))->Name(); }

void TNameEditor::SetValue(const std::string& value) { SetStrValue(value); }

void TNameEditor::Edit() {
  auto* component = As<TComponent>(GetComponent(0));
  TComponent* owner = component->Owner();
  const std::string lookupClass = LookupClass(*component);
  std::string prefix = FindPrefix(lookupClass);
  if (!prefix.empty()) {
    if (component->Name().rfind(prefix, 0) == 0) return;
    std::string name = prefix;
    if (owner && owner->ClassName() != DataModuleWindow) {
      TNamesInUse names(*owner);
      if (names.NameExists(prefix)) name = names.FirstFree(prefix);
    }
    SetStrValue(name);
    Designer()->Modified();
    return;
  }
  auto* dialog = new TdlgPrefix(Application);
  try {
    dialog->edtName->SetText(lookupClass);
    if (dialog->ShowModal() == mrOk) {
      prefix = dialog->edtPrefix->Text();
      std::string name = prefix;
      if (owner) {
        TNamesInUse names(*owner);
        if (names.NameExists(prefix)) name = names.FirstFree(prefix);
      }
      SetStrValue(name);
    }
  } catch (...) {
    dialog->Free();
    throw;
  }
  dialog->Free();
}

void RegisterPrefix() {
  host::RegisterPropertyEditor(TypeInfoComponentName(), TComponent::ClassInfo(), "Name",
                               host::PropertyEditorClass<TNameEditor>());
}

}  // namespace zolt
