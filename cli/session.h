// What a command works in: the IDE running with the package loaded and one form open in
// its designer (a command that works on many forms opens them one after another).
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "ide/form_designer.h"
#include "ide/ide.h"
#include "ide/package_loader.h"

namespace cli {

class TSession {
public:
  explicit TSession(const std::string& formPath);
  // No form open yet.
  TSession();
  // Closes the open form, unsaved, and opens this one.
  void OpenForm(const std::string& formPath);
  // Closes the form and unloads the package; an error of the unloading passes on.
  void Close();

  ide::TIde& Ide() { return ide_; }
  // The designer of the open form; raises EInvalidOperation when none is open.
  ide::TFormDesigner& Designer();
  // The component of the form with that name; raises "Component X not found in FORM".
  vcl::TComponent& Component(const std::string& name) const;
  // Runs the verb `verb` of the component's editor; raises when no editor offers it.
  void ExecuteVerb(vcl::TComponent& component, const std::string& verb);
  // The Object Inspector's editor of the component's property, as the IDE chooses it;
  // raises when the component has no such property.
  std::unique_ptr<host::TPropertyEditor> PropertyEditor(vcl::TComponent& component, const std::string& property);

private:
  ide::TIde ide_;
  ide::TLoadedPackage package_;
  std::unique_ptr<ide::TFormDesigner> designer_;
};

}  // namespace cli
