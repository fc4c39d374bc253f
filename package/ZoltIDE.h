// The package's hold on the IDE: lookup of the IDE's own components by a path of names,
// and the single IDE enhancer that lives while the package is loaded.
#pragma once

#include <memory>
#include <string_view>

#include "vcl/actnlist.h"
#include "vcl/classes.h"
#include "vcl/menus.h"

namespace host {
class TRegIniFile;
}

namespace zolt {

// Changes the IDE itself while the package is loaded: the "&Multi-line" switch of the
// palette's context menu, the Tools commands of the prefix and shortcut list editors, and
// the stored custom shortcuts of the IDE's actions. Destroying it takes all of that back
// out and leaves the palette single-line, after storing the mode it was in.
class TEnhanceIDE : public vcl::TObject {
  VCL_CLASS(TEnhanceIDE, vcl::TObject)
  TEnhanceIDE();
  // Unhooks, unless Unhook did.
  ~TEnhanceIDE() override;
  TEnhanceIDE(const TEnhanceIDE&) = delete;
  TEnhanceIDE& operator=(const TEnhanceIDE&) = delete;

  // Stores the palette mode, leaves single-line mode and frees the items, actions and
  // glyphs it added; once only. An error of the store or the IDE passes on.
  void Unhook();

  // Switches the palette between one row of tabs and as many as its tabs need.
  void MultiLinePaletteClick(vcl::TObject* sender);
  void PrefixListCommandExecute(vcl::TObject* sender);
  void ShortCutListCommandExecute(vcl::TObject* sender);

  vcl::TMenuItem* MultiLineItem() const { return FMultiLineItem; }
  vcl::TMenuItem* PrefixListItem() const { return FPrefixListItem; }
  vcl::TMenuItem* ShortCutListItem() const { return FShortCutListItem; }
  vcl::TAction* PrefixListAction() const { return FPrefixListAction; }
  vcl::TAction* ShortCutListAction() const { return FShortCutListAction; }
  int ShortCutImageIndex() const { return FShortCutImageIndex; }
  int PrefixImageIndex() const { return FPrefixImageIndex; }

private:
  // Construction after reading the stored mode.
  void HookIn(bool multiLine);
  // Frees the menu items, then each action after its glyph (the last added first).
  void RemoveAdded();

  // Clears the references below when the IDE frees what they point at first.
  vcl::TComponent watcher_{nullptr};
  vcl::TComponentRef<vcl::TMenuItem> FMultiLineItem{&watcher_};
  vcl::TComponentRef<vcl::TMenuItem> FPrefixListItem{&watcher_};
  vcl::TComponentRef<vcl::TMenuItem> FShortCutListItem{&watcher_};
  vcl::TComponentRef<vcl::TAction> FPrefixListAction{&watcher_};
  vcl::TComponentRef<vcl::TAction> FShortCutListAction{&watcher_};
  int FShortCutImageIndex = -1;
  int FPrefixImageIndex = -1;
  bool unhooked_ = false;
};

// The one enhancer: made by the module's load-time work, freed by its unload-time work;
// null while the package is not loaded.
extern std::unique_ptr<TEnhanceIDE> EnhanceIDE;

// The component at the end of `path`, a comma-separated list of component names: the first
// is looked up among the components the application object owns, each later one among those
// of the component found before. Null for an empty path, without an application object, or
// at the first name that is not found (the names after it are not looked up).
vcl::TComponent* FindDelphiComponent(std::string_view path);

// Gives the action the custom shortcut stored for it (the value's characters 5 to 8, in
// hexadecimal); without a stored value it keeps its shortcut. A value whose characters 5
// to 8 are no hexadecimal number is skipped: a damaged value must not keep the package
// from loading, and restoring the action removes it.
void ApplyStoredShortCut(vcl::TCustomAction* action);
// The same with the shortcut key already open (start-up applies every action's at once).
void ApplyStoredShortCut(vcl::TCustomAction* action, const host::TRegIniFile& store);

// The module's load-time and unload-time work.
void ZoltIDEStartUp();
void ZoltIDEShutDown();

}  // namespace zolt
