// The IDE while it runs: the application object with the main window "AppBuilder" and the
// data module "DatabaseCommands" (built from their layouts), the component palette, the
// editor registry and the tool services.
#pragma once

#include <memory>
#include <vector>

#include "ide/editor_registry.h"
#include "ide/tool_services.h"
#include "vcl/application.h"
#include "vcl/forms.h"
#include "vcl/streaming/form_file.h"

namespace ide {

// The IDE's main window: main menu, palette and the action list of its commands.
class TAppBuilder : public vcl::TForm {
  VCL_CLASS(TAppBuilder, vcl::TForm)
  using vcl::TForm::TForm;
};

// The IDE's database commands, in a data module of their own.
class TDatabaseCommands : public vcl::TDataModule {
  VCL_CLASS(TDatabaseCommands, vcl::TDataModule)
  using vcl::TDataModule::TDataModule;
};

class TIde {
public:
  // Starts the IDE: makes vcl::Application and its two modules, and installs the editor
  // registry, the tool services, the user's settings file for the add-in and the database
  // aliases kept there. Raises EInvalidOperation while another IDE runs.
  TIde();
  // Shuts the IDE down: the application object and everything it owns go.
  ~TIde();
  TIde(const TIde&) = delete;
  TIde& operator=(const TIde&) = delete;

  vcl::TApplication* Application() const { return application_.get(); }
  TAppBuilder* AppBuilder() const { return appBuilder_; }
  TDatabaseCommands* DatabaseCommands() const { return databaseCommands_; }
  TEditorRegistry& Editors() { return editors_; }
  const TToolServices& Tools() const { return tools_; }

private:
  struct TFree {
    void operator()(vcl::TComponent* component) const { component->Free(); }
  };
  // Reads the layout resource `name` into `root`.
  void ReadLayout(const char* name, vcl::TComponent* root);
  void LoadGlyphs();
  void ShowPalettePages();
  void ListDatabaseCommands();

  TEditorRegistry editors_;
  TToolServices tools_;
  // The layouts outlive the components read from them.
  std::vector<std::unique_ptr<vcl::TFormFile>> layouts_;
  std::unique_ptr<vcl::TApplication, TFree> application_;
  TAppBuilder* appBuilder_ = nullptr;
  TDatabaseCommands* databaseCommands_ = nullptr;
};

}  // namespace ide
