#include "ide/ide.h"

#include "host/editors.h"
#include "host/reg_ini_file.h"
#include "ide/database_aliases.h"
#include "ide/registry_file.h"
#include "host/tool_services.h"
#include "vcl/actnlist.h"
#include "vcl/bitmap.h"
#include "vcl/buttons.h"
#include "vcl/extctrls.h"
#include "vcl/class_builder.h"
#include "vcl/comctrls.h"
#include "vcl/menus.h"
#include "vcl/resources.h"

namespace ide {

using vcl::TClassBuilder;

namespace {

// A button per component class of the selected page, labelled with the capitals of its
// class name ("MM" for TMainMenu) and the full name as its hint.
void ShowPaletteButtons(vcl::TComponent* appBuilder, const TToolServices& tools) {
  auto* tabs = vcl::As<vcl::TTabControl>(appBuilder->FindComponent("TabControl"));
  auto* panel = vcl::As<vcl::TPanel>(appBuilder->FindComponent("PaletteButtons"));
  while (panel->ControlCount() > 0) panel->Controls(panel->ControlCount() - 1)->Free();
  int page = tabs->TabIndex();
  if (page < 0) return;
  constexpr int kButtonSize = 24;
  for (int i = 0; i < tools.GetComponentCount(page); ++i) {
    std::string className = tools.GetComponentName(page, i);
    std::string label;
    for (char c : className.substr(1))
      if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) label += c;
    auto* button = new vcl::TSpeedButton(appBuilder);
    button->SetName("Palette" + className.substr(1) + "Button");
    button->SetBounds(i * kButtonSize, 0, kButtonSize, kButtonSize);
    button->SetCaption(label);
    button->SetHint(className);
    button->SetParent(panel);
  }
}

}  // namespace

vcl::TClass TAppBuilder::ClassInfo() {
  static vcl::TClass cls = TClassBuilder<TAppBuilder>("TAppBuilder", vcl::TForm::ClassInfo()).Creatable().Build();
  return cls;
}

vcl::TClass TDatabaseCommands::ClassInfo() {
  static vcl::TClass cls =
      TClassBuilder<TDatabaseCommands>("TDatabaseCommands", vcl::TDataModule::ClassInfo()).Creatable().Build();
  return cls;
}

TIde::TIde() : tools_(DefaultPalette()) {
  if (vcl::Application) throw vcl::EInvalidOperation("The IDE is running already");
  application_.reset(new vcl::TApplication(nullptr));
  vcl::Application = application_.get();
  application_->SetTitle("Project1");
  appBuilder_ = new TAppBuilder(application_.get());
  ReadLayout("AppBuilder.dfm", appBuilder_);
  databaseCommands_ = new TDatabaseCommands(application_.get());
  ReadLayout("DatabaseCommands.dfm", databaseCommands_);
  application_->SetMainForm(appBuilder_);
  LoadGlyphs();
  ShowPalettePages();
  ListDatabaseCommands();
  host::SetEditorRegistrar(&editors_);
  host::SetToolServices(&tools_);
  InstallRegistryFile();
  vcl::SetAliasLookup(StoredAlias);
}

TIde::~TIde() {
  vcl::SetAliasLookup(nullptr);
  host::SetRegistrySessionFactory(nullptr);
  host::SetToolServices(nullptr);
  host::SetEditorRegistrar(nullptr);
}

void TIde::ReadLayout(const char* name, vcl::TComponent* root) {
  vcl::TFormReadOptions options;
  options.Root = root;
  options.RootOwner = application_.get();
  layouts_.push_back(vcl::TFormFile::Read(std::string(vcl::FindResourceText(name)), name, options));
}

// The pictures of the main window's commands, transparent where they are fuchsia.
void TIde::LoadGlyphs() {
  vcl::TBitmap strip;
  strip.LoadFromBmp(vcl::FindResource("IdeGlyphs.bmp"));
  vcl::TBitmap mask;
  mask.SetSize(strip.Width(), strip.Height());
  for (int y = 0; y < strip.Height(); ++y)
    for (int x = 0; x < strip.Width(); ++x)
      mask.SetPixel(x, y, strip.Pixel(x, y) == vcl::clFuchsia ? vcl::clWhite : vcl::clBlack);
  vcl::As<vcl::TCustomActionList>(appBuilder_->FindComponent("ActionList1"))->Images()->Add(&strip, &mask);
}

// One tab per palette page, the first one selected.
void TIde::ShowPalettePages() {
  auto* tabs = vcl::As<vcl::TTabControl>(appBuilder_->FindComponent("TabControl"));
  for (int page = 0; page < tools_.GetModuleCount(); ++page) tabs->Tabs()->Add(tools_.GetModuleName(page));
  tabs->SetTabIndex(0);
  // The buttons lie on a panel that fills the display area, so that they follow the rows of tabs.
  auto* buttons = new vcl::TPanel(appBuilder_);
  buttons->SetName("PaletteButtons");
  buttons->SetBevelOuter(vcl::bvNone);
  buttons->SetCaption("");
  buttons->SetParent(tabs);
  buttons->SetAlign(vcl::alClient);
  tabs->OnChange = [this](vcl::TObject*) { ShowPaletteButtons(appBuilder_, tools_); };
  ShowPaletteButtons(appBuilder_, tools_);
}

// The Database menu of the main window runs the commands of DatabaseCommands.
void TIde::ListDatabaseCommands() {
  auto* menu = vcl::As<vcl::TMenuItem>(appBuilder_->FindComponent("DatabaseMenu"));
  auto* actions = vcl::As<vcl::TCustomActionList>(databaseCommands_->FindComponent("ActionList1"));
  const std::string suffix = "Command";
  for (int i = 0; i < actions->ActionCount(); ++i) {
    vcl::TContainedAction* action = actions->Actions(i);
    std::string name = action->Name();
    if (name.ends_with(suffix)) name.resize(name.size() - suffix.size());
    auto* item = new vcl::TMenuItem(appBuilder_);
    item->SetName(name + "Item");
    item->SetAction(action);
    menu->Add(item);
  }
}

}  // namespace ide
