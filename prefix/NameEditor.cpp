#include "prefix/NameEditor.h"

#include <cstdint>
#include <map>
#include <string_view>
#include <utility>

#include "prefix/ZoltPrefix.h"
#include "prefix/dlgPrefix.h"
#include "vcl/application.h"
#include "vcl/name_releases.h"

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

// Whether the owner has a component of that name, compared byte for byte: its names are
// unique ignoring case, so the one it finds by name is the only candidate.
bool NameExists(const TComponent& owner, const std::string& name) {
  const TComponent* found = owner.FindComponent(name);
  return found && found->Name() == name;
}

// The first free number after each prefix in each owner, remembered between edits: naming
// many components asks for the same prefixes over and over, and each search would otherwise
// start again from 1. What it remembers stays true while names are only taken; a name given
// up elsewhere makes it forget everything, and the one an edit gives up is accounted for.
class TFreeNumbers {
public:
  // The prefix followed by the first number from 1 that is free in the owner.
  std::string FirstFree(const TComponent& owner, const std::string& prefix) {
    if (released_ != ComponentNamesReleased()) {
      firstFree_.clear();
      released_ = ComponentNamesReleased();
    }
    int& number = firstFree_.try_emplace({&owner, prefix}, 1).first->second;
    while (NameExists(owner, prefix + std::to_string(number))) ++number;
    return prefix + std::to_string(number);
  }

  // A component of the owner gave up `oldName` while the count of names given up went from
  // `before` to one more: when the name is a number remembered as taken, it is free again.
  void Renamed(const TComponent& owner, const std::string& oldName, std::uint64_t before) {
    if (released_ != before || ComponentNamesReleased() != before + 1) return;
    released_ = ComponentNamesReleased();
    for (auto it = firstFree_.lower_bound({&owner, std::string()}); it != firstFree_.end() && it->first.first == &owner;
         ++it) {
      const std::string& prefix = it->first.second;
      if (oldName.size() <= prefix.size() || oldName.compare(0, prefix.size(), prefix) != 0) continue;
      const std::string digits = oldName.substr(prefix.size());
      if (digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos) continue;
      const int number = std::stoi(digits);
      if (std::to_string(number) == digits && number < it->second) it->second = number;
    }
  }

private:
  std::uint64_t released_ = 0;
  std::map<std::pair<const TComponent*, std::string>, int> firstFree_;
};

TFreeNumbers& FreeNumbers() {
  static TFreeNumbers numbers;
  return numbers;
}

// The prefix itself, or the first free numbered name when a component has it.
std::string FreeName(const TComponent& owner, const std::string& prefix) {
  return NameExists(owner, prefix) ? FreeNumbers().FirstFree(owner, prefix) : prefix;
}

}  // namespace

host::TPropertyAttributes TNameEditor::GetAttributes() { return host::AttributeOf(host::paDialog); }

std::string TNameEditor::GetValue() { return As<TComponent>(GetComponent(0))->Name(); }

void TNameEditor::SetValue(const std::string& value) { SetStrValue(value); }

void TNameEditor::Edit() {
  auto* component = As<TComponent>(GetComponent(0));
  TComponent* owner = component->Owner();
  const std::string lookupClass = LookupClass(*component);
  std::string prefix = FindPrefix(lookupClass);
  // Gives the component its new name, accounting for the one it gives up.
  auto rename = [&](const std::string& name) {
    const std::string oldName = component->Name();
    const std::uint64_t before = ComponentNamesReleased();
    SetStrValue(name);
    if (owner) FreeNumbers().Renamed(*owner, oldName, before);
  };
  if (!prefix.empty()) {
    if (component->Name().rfind(prefix, 0) == 0) return;
    rename(owner && owner->ClassName() != DataModuleWindow ? FreeName(*owner, prefix) : prefix);
    Designer()->Modified();
    return;
  }
  auto* dialog = new TdlgPrefix(Application);
  try {
    dialog->edtName->SetText(lookupClass);
    if (dialog->ShowModal() == mrOk) {
      prefix = dialog->edtPrefix->Text();
      rename(owner ? FreeName(*owner, prefix) : prefix);
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
