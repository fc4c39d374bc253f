#include "package/ZoltIDE.h"

#include "host/reg_ini_file.h"
#include "package/ZoltConst.h"
#include "prefix/ZoltPrefixListEdit.h"
#include "shortcuts/dlgShortCuts.h"
#include "vcl/application.h"
#include "vcl/bitmap.h"
#include "vcl/class_builder.h"
#include "vcl/comctrls.h"
#include "vcl/extctrls.h"
#include "vcl/resources.h"
#include "vcl/strings.h"
#include "vcl/sysutils.h"

namespace zolt {

using namespace vcl;

std::unique_ptr<TEnhanceIDE> EnhanceIDE;

namespace {

constexpr const char* kMultiLine = "Multi-line";
constexpr int kSingleLineHeight = 51;
constexpr int kSingleLineBarHeight = 52;
constexpr int kButtonRowAllowance = 28;
constexpr int kBarMargin = 1;

constexpr const char* kPaletteMenu = "AppBuilder,PaletteMenu";
constexpr const char* kToolsMenu = "AppBuilder,ToolsMenu";
constexpr const char* kMainActions = "AppBuilder,ActionList1";
constexpr const char* kDatabaseActions = "DatabaseCommands,ActionList1";
constexpr const char* kTabControl = "AppBuilder,TabControl";
constexpr const char* kPaletteBar = "AppBuilder,PaletteBar";

// One Tools command as the enhancer adds it.
struct TCommand {
  const char* actionName;
  const char* caption;
  const char* hint;
  const char* image;
  const char* mask;
  const char* itemName;
};

constexpr TCommand kShortCutCommand{"ToolsZoltShortcutListCommand", "&Shortcut list editor",
                                    "Zol-t shortcut list editor", "CSB.bmp", "CSM.bmp", "mniZoltShortCutListEditor"};
constexpr TCommand kPrefixCommand{"ToolsZoltPrefixListCommand", "&Prefix list editor", "Zol-t prefix list editor",
                                  "CPB.bmp", "CPM.bmp", "mniZoltPrefixListEditor"};

template <class T>
T* Find(const char* path) {
  return Cast<T>(FindDelphiComponent(path));
}

// The command's action, owned by the Tools item and listed in `actions`, with its glyph
// added to the list's images; its menu item goes to position 1 of the Tools menu.
TAction* AddCommand(TMenuItem* tools, TCustomActionList* actions, TBitmap& image, TBitmap& mask,
                    const TCommand& command, TNotifyEvent::Handler onExecute, int& imageIndex,
                    TComponentRef<TMenuItem>& item) {
  auto* action = new TAction(tools);
  action->SetName(command.actionName);
  action->SetActionList(actions);
  image.LoadFromBmp(FindResource(command.image));
  mask.LoadFromBmp(FindResource(command.mask));
  imageIndex = actions->Images()->Add(&image, &mask);
  action->SetImageIndex(imageIndex);
  action->OnExecute = std::move(onExecute);
  action->SetHint(command.hint);
  action->SetCategory("Tools");
  action->SetCaption(command.caption);
  auto* menuItem = new TMenuItem(tools);
  item.Set(menuItem);
  menuItem->SetName(command.itemName);
  menuItem->SetAction(action);
  tools->Insert(1, menuItem);
  return action;
}

// Deletes the command's glyph from its action list's images, then frees the action.
void RemoveCommand(TAction* action, int imageIndex) {
  if (!action) return;
  TCustomActionList* actions = action->ActionList();
  if (actions && actions->Images() && imageIndex >= 0 && imageIndex < actions->Images()->Count())
    actions->Images()->Delete(imageIndex);
  action->Free();
}

void ApplyStoredShortCuts(const char* path, const host::TRegIniFile& store) {
  auto* actions = Find<TCustomActionList>(path);
  if (!actions) return;
  for (int i = 0; i < actions->ActionCount(); ++i)
    if (auto* action = Cast<TCustomAction>(actions->Actions(i))) ApplyStoredShortCut(action, store);
}

}  // namespace

vcl::TClass TEnhanceIDE::ClassInfo() {
  static vcl::TClass cls = vcl::TClassBuilder<TEnhanceIDE>("TEnhanceIDE", vcl::TObject::ClassInfo()).Build();
  return cls;
}

TEnhanceIDE::TEnhanceIDE() {
  bool multiLine = host::TRegIniFile(RegistryKey).ReadBool("", kMultiLine, false);
  try {
    HookIn(multiLine);
  } catch (...) {
    // Nothing may stay in the IDE that calls back into an enhancer that never was.
    RemoveAdded();
    throw;
  }
}

void TEnhanceIDE::HookIn(bool multiLine) {

  if (auto* palette = Find<TPopupMenu>(kPaletteMenu)) {
    auto* item = new TMenuItem(palette);
    FMultiLineItem.Set(item);
    item->SetName("mniZoltMultiLinePalette");
    item->SetCaption("&Multi-line");
    item->OnClick = [this](TObject* sender) { MultiLinePaletteClick(sender); };
    item->SetChecked(!multiLine);
    palette->Items()->Insert(0, item);
    // The click flips the mark to the stored mode and sizes the palette for it.
    item->Click();
  }

  TBitmap image, mask;
  auto* tools = Find<TMenuItem>(kToolsMenu);
  auto* actions = Find<TCustomActionList>(kMainActions);
  // Without the main action list or its images there is nowhere to put the commands.
  if (tools && actions && actions->Images()) {
    FShortCutListAction.Set(AddCommand(tools, actions, image, mask, kShortCutCommand,
                                       [this](TObject* sender) { ShortCutListCommandExecute(sender); },
                                       FShortCutImageIndex, FShortCutListItem));
    FPrefixListAction.Set(AddCommand(tools, actions, image, mask, kPrefixCommand,
                                     [this](TObject* sender) { PrefixListCommandExecute(sender); },
                                     FPrefixImageIndex, FPrefixListItem));
  }

  host::TRegIniFile shortCuts(ShortCutRegistryKey);
  ApplyStoredShortCuts(kMainActions, shortCuts);
  ApplyStoredShortCuts(kDatabaseActions, shortCuts);
}

TEnhanceIDE::~TEnhanceIDE() {
  if (!unhooked_) Unhook();
}

void TEnhanceIDE::Unhook() {
  if (unhooked_) return;
  unhooked_ = true;
  if (TMenuItem* item = FMultiLineItem) {
    // A mode the store holds already is not written again: a run that changed nothing
    // leaves the settings file as it was.
    host::TRegIniFile store(RegistryKey);
    if (store.ReadBool("", kMultiLine, false) != item->Checked()) store.WriteBool("", kMultiLine, item->Checked());
    if (item->Checked()) item->Click();
  }
  RemoveAdded();
}

void TEnhanceIDE::RemoveAdded() {
  for (TMenuItem* item : {FMultiLineItem.get(), FPrefixListItem.get(), FShortCutListItem.get()})
    if (item) item->Free();
  // The glyph added last goes first, so that the other keeps its index.
  RemoveCommand(FPrefixListAction, FPrefixImageIndex);
  RemoveCommand(FShortCutListAction, FShortCutImageIndex);
}

void TEnhanceIDE::MultiLinePaletteClick(TObject* sender) {
  auto* item = As<TMenuItem>(sender);
  auto* tabs = Find<TCustomTabControl>(kTabControl);
  auto* bar = Find<TControl>(kPaletteBar);
  if (item->Checked()) {
    item->SetChecked(false);
    if (tabs) {
      tabs->SetMultiLine(false);
      tabs->Constraints()->SetMinHeight(kSingleLineHeight);
      tabs->Constraints()->SetMaxHeight(kSingleLineHeight);
    }
    if (bar) {
      bar->SetAutoSize(false);
      bar->SetHeight(kSingleLineBarHeight);
    }
    return;
  }
  item->SetChecked(true);
  int height = kSingleLineHeight;
  if (tabs) {
    tabs->SetMultiLine(true);
    height = tabs->DisplayRect().Top + kButtonRowAllowance;
    tabs->Constraints()->SetMaxHeight(height);
    tabs->Constraints()->SetMinHeight(height);
    tabs->SetHeight(height);
  }
  if (bar) {
    bar->SetHeight(height + kBarMargin);
    bar->SetAutoSize(true);
  }
}

void TEnhanceIDE::PrefixListCommandExecute(TObject*) {
  auto* dialog = new TdlgPrefixListEdit(Application);
  try {
    dialog->ShowModal();
  } catch (...) {
    dialog->Free();
    throw;
  }
  dialog->Free();
}

void TEnhanceIDE::ShortCutListCommandExecute(TObject*) {
  auto* dialog = new TdlgShortCuts(Application);
  try {
    dialog->SetActionList(Find<TCustomActionList>(kMainActions), Find<TCustomActionList>(kDatabaseActions));
    dialog->ShowModal();
  } catch (...) {
    dialog->Free();
    throw;
  }
  dialog->Free();
}

vcl::TComponent* FindDelphiComponent(std::string_view path) {
  if (path.empty()) return nullptr;
  auto names = std::make_unique<vcl::TStringList>();
  names->SetCommaText(path);
  vcl::TComponent* current = vcl::Application;
  for (int i = 0; current && i < names->Count(); ++i) current = current->FindComponent(names->Strings(i));
  return current;
}

void ApplyStoredShortCut(TCustomAction* action) { ApplyStoredShortCut(action, host::TRegIniFile(ShortCutRegistryKey)); }

void ApplyStoredShortCut(TCustomAction* action, const host::TRegIniFile& store) {
  std::string stored = store.ReadString("", action->Name(), "");
  if (stored.empty()) return;
  std::string custom = stored.size() > 4 ? stored.substr(4, 4) : std::string();
  try {
    action->SetShortCut(static_cast<TShortCut>(StrToInt("$" + custom)));
  } catch (const EConvertError&) {
  }
}

void ZoltIDEStartUp() { EnhanceIDE = std::make_unique<TEnhanceIDE>(); }

void ZoltIDEShutDown() {
  // The enhancer goes even when unhooking raises; the error passes to the finalization.
  std::unique_ptr<TEnhanceIDE> enhancer = std::move(EnhanceIDE);
  enhancer->Unhook();
}

}  // namespace zolt
