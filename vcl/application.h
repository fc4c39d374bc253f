// The application object: owner of the IDE's windows and of the dialogs that tools open,
// and the root from which components are found by name.
#pragma once

#include <string>

#include "vcl/classes.h"
#include "vcl/forms.h"

namespace vcl {

class TApplication : public TComponent {
  VCL_CLASS(TApplication, TComponent)
  explicit TApplication(TComponent* owner);
  // Clears the global Application when it is this object.
  ~TApplication() override;

  // The text of the application's task-bar button.
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& value) { title_ = value; }
  // The main window; null when none or once it is destroyed.
  TForm* MainForm() const { return mainForm_.get(); }
  void SetMainForm(TForm* value) { mainForm_.Set(value); }

  // Lets pending window messages run. The model keeps no message queue: every call is
  // handled when it is made, so there is never anything pending.
  void ProcessMessages() {}

private:
  std::string title_;
  TComponentRef<TForm> mainForm_{this};
};

// The running application; null until the IDE makes it, and again once it is destroyed.
extern TApplication* Application;

}  // namespace vcl
