// The form designer on a real form: a form file (and its unit when one lies beside it)
// loaded into the component model, edited through IFormDesigner, saved atomically.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "host/designer.h"
#include "ide/unit_sync.h"
#include "vcl/forms.h"
#include "vcl/streaming/form_file.h"

namespace ide {

// The designer window in which the IDE hosts a data module being designed; it owns it.
class TDataModuleForm : public vcl::TForm {
  VCL_CLASS(TDataModuleForm, vcl::TForm)
  using vcl::TForm::TForm;
};

class TFormDesigner : public host::IFormDesigner {
public:
  // Reads NAME.dfm (or .lfm), text or binary, and NAME.pas beside it when present. Errors name
  // the file and position.
  static std::unique_ptr<TFormDesigner> Open(const std::string& formPath);
  ~TFormDesigner() override;

  void Modified() override { modified_ = true; }
  std::string UniqueName(const std::string& baseName) override;
  vcl::TComponent* CreateComponent(vcl::TClass cls, vcl::TComponent* parent, int left, int top, int width,
                                   int height) override;
  void SetSelections(const vcl::TComponentList& list) override;
  void GetSelections(vcl::TComponentList& list) const override;
  vcl::TComponent* GetRoot() const override { return form_->Root(); }

  bool IsModified() const { return modified_; }
  const std::string& FormPath() const { return formPath_; }
  // The form file being designed (its syntax tree holds what the model does not).
  const vcl::TFormFile& FormFile() const { return *form_; }
  // The component of the form with that name (the root included), ignoring case; null if none.
  // A dotted path names a component inside an inline frame: "frmOptions.pnlOptions".
  vcl::TComponent* FindComponent(std::string_view name) const;

  // The format Save writes the form in; the one it was read in unless changed.
  void SetFormat(vcl::TFormFormat format) { form_->SetFormat(format); }

  // Raises "FILE is read-only" when the form could not be saved to `formPath` (default: where
  // it was read); a command asks before it changes anything.
  void CheckWritable(std::optional<std::string> formPath = std::nullopt) const;

  // Writes the form to `formPath` (default: where it was read) and, when the unit changed,
  // the unit beside it; a read-only target of either is refused before anything is written.
  // Returns the warnings to show (a unit whose declaration was not found). The unit also
  // follows the renamed components in its code (TUnitSource::RenameReferences).
  std::vector<std::string> Save(std::optional<std::string> formPath = std::nullopt);
  // How many code references of the unit the last Save renamed.
  int ReferencesRenamed() const { return referencesRenamed_; }

private:
  class TNameWatcher;
  TFormDesigner() = default;
  void SyncUnit();

  std::string formPath_;
  std::string unitPath_;
  std::unique_ptr<vcl::TFormFile> form_;
  vcl::TForm* window_ = nullptr;  // owner of a data module
  std::optional<TUnitSource> unit_;
  std::unique_ptr<TNameWatcher> watcher_;
  // What changed among the root's components since the unit last saw them: those added,
  // those renamed (with the name the unit saw) and the names of those removed.
  std::unordered_set<vcl::TComponent*> added_;
  std::unordered_map<vcl::TComponent*, std::string> renamed_;
  std::vector<std::string> removedNames_;
  std::string rootName_;
  vcl::TComponentList selection_;
  bool modified_ = false;
  int referencesRenamed_ = 0;
};

}  // namespace ide
