#include "ide/form_designer.h"

#include <filesystem>

#include "ide/class_ancestry.h"
#include "vcl/class_builder.h"
#include "vcl/controls.h"
#include "vcl/db/dbtables.h"
#include "vcl/streaming/atomic_file.h"
#include "vcl/streaming/read_file.h"
#include "vcl/sysutils.h"

namespace ide {

using namespace vcl;

TClass TDataModuleForm::ClassInfo() {
  static TClass cls = TClassBuilder<TDataModuleForm>("TDataModuleForm", TForm::ClassInfo()).Creatable().Build();
  return cls;
}

// Hears from the root what the unit must follow: components added, renamed and removed
// since the unit last saw them.
class TFormDesigner::TNameWatcher : public TComponent {
public:
  explicit TNameWatcher(TFormDesigner& designer) : TComponent(nullptr), designer_(designer) {}

protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == opInsert) {
      designer_.added_.insert(component);
      return;
    }
    designer_.selection_.Remove(component);
    if (!OwnedByRoot(component) || designer_.added_.erase(component)) return;
    auto renamed = designer_.renamed_.find(component);
    std::string seen = component->Name();
    if (renamed != designer_.renamed_.end()) {
      seen = std::move(renamed->second);
      designer_.renamed_.erase(renamed);
    }
    if (!seen.empty()) designer_.removedNames_.push_back(std::move(seen));
  }

  void ValidateRename(TComponent* component, const std::string& curName, const std::string& newName) override {
    TComponent::ValidateRename(component, curName, newName);
    if (OwnedByRoot(component) && !designer_.added_.contains(component))
      designer_.renamed_.try_emplace(component, curName);
  }

private:
  bool OwnedByRoot(const TComponent* component) const {
    const TComponent* root = designer_.form_->Root();
    return component && root && component->Owner() == root;
  }

  TFormDesigner& designer_;
};

std::unique_ptr<TFormDesigner> TFormDesigner::Open(const std::string& formPath) {
  std::string bytes = ReadWholeFile(formPath);
  std::unique_ptr<TFormDesigner> designer(new TFormDesigner());
  designer->formPath_ = formPath;
  // The form's data sets read relative database names from the form's folder.
  SetDatabaseFolder(std::filesystem::absolute(formPath).parent_path().string());
  std::filesystem::path unitPath = std::filesystem::path(formPath).replace_extension(".pas");
  TFormReadOptions options;
  std::string folder = std::filesystem::path(formPath).parent_path().string();
  auto ancestry = std::make_shared<TClassAncestry>(folder.empty() ? "." : folder);
  options.DeclaredAncestor = [ancestry](std::string_view className) { return ancestry->ModelledAncestor(className); };
  TFormSyntax syntax = TFormSyntax::Parse(std::move(bytes), formPath, options.Syntax);
  std::string rootClass(syntax.Document.root().class_name());
  if (std::filesystem::exists(unitPath)) {
    designer->unitPath_ = unitPath.string();
    designer->unit_.emplace(TUnitSource::Load(designer->unitPath_, rootClass));
    if (designer->unit_->Found()) options.RootAncestor = GetClass(designer->unit_->Ancestor());
  }
  if (options.RootAncestor && !options.RootAncestor->InheritsFrom(TComponent::ClassInfo())) options.RootAncestor = nullptr;
  // A data module is designed inside a window that owns it; a form has no owner.
  bool dataModule = options.RootAncestor && options.RootAncestor->InheritsFrom(TDataModule::ClassInfo());
  if (dataModule) {
    designer->window_ = new TDataModuleForm(nullptr);
    options.RootOwner = designer->window_;
  }
  designer->form_ = TFormFile::Read(std::move(syntax), options);
  if (!dataModule && designer->GetRoot()->Is<TDataModule>()) {
    // Inferred from the form itself: re-home it in a designer window.
    designer->window_ = new TDataModuleForm(nullptr);
    designer->window_->InsertComponent(designer->GetRoot());
  }
  designer->watcher_ = std::make_unique<TNameWatcher>(*designer);
  designer->rootName_ = designer->GetRoot()->Name();
  designer->GetRoot()->AddNotificationListener(designer->watcher_.get());
  return designer;
}

TFormDesigner::~TFormDesigner() {
  watcher_.reset();
  if (window_) {
    // A data module the form file owns was re-homed in the window: take it back so that
    // it is destroyed once, by the form file; otherwise the window destroys it.
    TComponent* root = form_ ? form_->Root() : nullptr;
    if (root && root->Owner() == window_ && form_->OwnsRoot()) window_->RemoveComponent(root);
    form_.reset();
    window_->Free();
  }
}

TComponent* TFormDesigner::FindComponent(std::string_view name) const {
  TComponent* root = GetRoot();
  const std::size_t dot = name.find('.');
  if (dot == std::string_view::npos) return SameText(root->Name(), name) ? root : root->FindComponent(name);
  // A dotted path: each name after the first is one of the components its predecessor owns
  // (an inline frame owns those inside it).
  TComponent* found = FindComponent(name.substr(0, dot));
  for (std::size_t start = dot + 1; found; start = name.find('.', start) + 1) {
    const std::size_t end = name.find('.', start);
    found = found->FindComponent(name.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) break;
  }
  return found;
}

std::string TFormDesigner::UniqueName(const std::string& baseName) {
  for (int i = 1;; ++i) {
    std::string name = baseName + std::to_string(i);
    if (!FindComponent(name)) return name;
  }
}

TComponent* TFormDesigner::CreateComponent(TClass cls, TComponent* parent, int left, int top, int width, int height) {
  TComponent* root = GetRoot();
  auto* component = As<TComponent>(cls->Create(root));
  try {
    std::string base = cls->ClassName();
    if (base.size() > 1 && (base[0] == 'T' || base[0] == 't')) base.erase(0, 1);
    component->SetName(UniqueName(base));
    if (auto* control = Cast<TControl>(component)) {
      auto* container = Cast<TWinControl>(parent ? parent : root);
      control->SetParent(container);
      control->SetBounds(left, top, width > 0 ? width : control->Width(), height > 0 ? height : control->Height());
    }
  } catch (...) {
    component->Free();
    throw;
  }
  Modified();
  return component;
}

void TFormDesigner::SetSelections(const TComponentList& list) {
  selection_.Clear();
  // The root tells of the components it owns; others are watched one by one.
  for (int i = 0; i < list.Count(); ++i) {
    selection_.Add(list.Items(i));
    if (list.Items(i)->Owner() != GetRoot()) watcher_->FreeNotification(list.Items(i));
  }
}

void TFormDesigner::GetSelections(TComponentList& list) const {
  list.Clear();
  for (int i = 0; i < selection_.Count(); ++i) list.Add(selection_.Items(i));
}

void TFormDesigner::SyncUnit() {
  TComponent* root = GetRoot();
  if (root->Name() != rootName_) {
    std::string oldClass = root->ClassName();
    std::string newClass = "T" + root->Name();
    form_->RenameRootClass(newClass);
    if (unit_) unit_->RenameClass(oldClass, newClass, rootName_, root->Name());
    rootName_ = root->Name();
  }
  referencesRenamed_ = 0;
  std::vector<std::string> removed = std::move(removedNames_);
  std::unordered_set<TComponent*> added = std::move(added_);
  std::unordered_map<TComponent*, std::string> renamed = std::move(renamed_);
  removedNames_.clear(), added_.clear(), renamed_.clear();
  if (!unit_) return;
  for (const std::string& name : removed) unit_->RemoveField(name);
  std::vector<std::pair<std::string, std::string>> renames;
  // In the components' order, and only when something was added or renamed.
  for (int i = 0; (!added.empty() || !renamed.empty()) && i < root->ComponentCount(); ++i) {
    TComponent* component = root->Components(i);
    if (added.contains(component)) {
      if (!component->Name().empty()) unit_->AddField(component->Name(), component->ClassName());
      continue;
    }
    auto known = renamed.find(component);
    if (known == renamed.end() || known->second == component->Name()) continue;
    if (known->second.empty())
      unit_->AddField(component->Name(), component->ClassName());
    else if (component->Name().empty())
      unit_->RemoveField(known->second);
    else if (unit_->RenameField(known->second, component->Name()))
      renames.emplace_back(known->second, component->Name());
  }
  referencesRenamed_ = unit_->RenameReferences(renames, root->Name());
}

void TFormDesigner::CheckWritable(std::optional<std::string> formPath) const {
  vcl::CheckWritable(formPath.value_or(formPath_));
}

std::vector<std::string> TFormDesigner::Save(std::optional<std::string> formPath) {
  std::string target = formPath.value_or(formPath_);
  SyncUnit();
  const bool writeUnit = unit_ && unit_->Found() && unit_->Modified();
  const std::string unitTarget = std::filesystem::path(target).replace_extension(".pas").string();
  // Both refused before either is written, so that a read-only unit leaves the form as it was.
  vcl::CheckWritable(target);
  if (writeUnit) vcl::CheckWritable(unitTarget);
  WriteFileAtomic(target, [this](const TByteSink& put) { form_->Write(put); });
  std::vector<std::string> warnings;
  if (unit_ && !unit_->Found()) warnings.push_back(unit_->Warning());
  if (writeUnit) unit_->Save(unitTarget);
  return warnings;
}

}  // namespace ide
