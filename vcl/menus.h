// Menus: menu items in a tree, main and pop-up menus, and the items' links to actions.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "vcl/actnlist.h"
#include "vcl/bitmap.h"
#include "vcl/canvas.h"
#include "vcl/classes.h"
#include "vcl/imglist.h"
#include "vcl/shortcuts.h"

namespace vcl {

VCL_EXCEPTION(EMenuError, Exception);

class TMenu;
class TMenuItem;

enum TMenuBreak { mbNone, mbBreak, mbBarBreak };

using TMenuDrawItemEvent = TEvent<TObject*, TCanvas*, TRect, bool>;
using TMenuMeasureItemEvent = TEvent<TObject*, TCanvas*, int&, int&>;
using TMenuChangeEvent = TEvent<TObject*, TMenuItem*, bool>;

// One entry of a menu and the sub-menu below it. Items are components (usually owned by
// the form); apart from that, an item holds its sub-items (Items) and frees those it still
// holds when it goes. Linked to an action, an item shows the action's caption, state,
// hint, image and shortcut, follows their changes and runs the action when clicked.
class TMenuItem : public TComponent {
  VCL_CLASS(TMenuItem, TComponent)
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  // ---- Published state.
  // Null when none, or when the action has been destroyed.
  TBasicAction* Action() const;
  void SetAction(TBasicAction* value);
  TBitmap* Bitmap() const { return bitmap_.get(); }
  TMenuBreak Break() const { return break_; }
  void SetBreak(TMenuBreak value);
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& value);
  bool Checked() const { return checked_; }
  // Checking a radio item unchecks the radio items of its group among its siblings.
  void SetChecked(bool value);
  TCustomImageList* SubMenuImages() const { return subMenuImages_.get(); }
  void SetSubMenuImages(TCustomImageList* value) { subMenuImages_.Set(value); }
  bool Default() const { return default_; }
  void SetDefault(bool value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  // Never lower than a preceding sibling's; raising it raises the following siblings'.
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value);
  int HelpContext() const { return helpContext_; }
  void SetHelpContext(int value) { helpContext_ = value; }
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& value) { hint_ = value; }
  TImageIndex ImageIndex() const { return imageIndex_; }
  void SetImageIndex(TImageIndex value);
  bool RadioItem() const { return radioItem_; }
  void SetRadioItem(bool value);
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);

  TNotifyEvent OnClick;
  TMenuDrawItemEvent OnDrawItem;
  TMenuMeasureItemEvent OnMeasureItem;

  // ---- Sub-items.
  int Count() const { return static_cast<int>(items_.size()); }
  // Raises EMenuError "Menu index out of range" for a bad index.
  TMenuItem* Items(int index) const;
  // Raises EMenuError when `item` already has a parent or would contain this item, and
  // EListError for an index outside 0..Count.
  void Insert(int index, TMenuItem* item);
  void Add(TMenuItem* item) { Insert(Count(), item); }
  // Takes the item out of this menu without freeing it.
  void Delete(int index);
  // Raises EMenuError "Sub-menu is not in menu" when `item` is not a sub-item.
  void Remove(TMenuItem* item);
  int IndexOf(const TMenuItem* item) const;
  // The sub-item whose caption, without its '&' marks, equals `caption` ignoring case.
  TMenuItem* Find(std::string_view caption) const;
  TMenuItem* Parent() const { return parent_; }
  // Position among the parent's items; -1 without a parent. Setting moves the item.
  int MenuIndex() const { return parent_ ? parent_->IndexOf(this) : -1; }
  void SetMenuIndex(int value);

  // Runs OnClick, or, without one, the linked action; nothing while disabled.
  virtual void Click();
  TActionLink* ActionLink() const { return actionLink_.get(); }

  // In a form file an item lies inside its parent item, or inside its menu at the top.
  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  // Adds the item to a menu's or an item's sub-items (taking it out of its current one).
  void SetParentComponent(TComponent* value) override;
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;

protected:
  // Copies the action's properties; with `checkDefaults` only into properties that still
  // have their default (an item read from a form keeps the values it was given).
  void ActionChange(TCustomAction* action, bool checkDefaults);

private:
  friend class TMenu;
  bool IsLinked(bool (TActionLink::*linked)() const) const;
  void VerifyGroupIndex(int position, int value);
  void TurnSiblingsOff();
  // Tells the menu at the root of the tree that this item changed.
  void Changed(bool rebuild);

  std::unique_ptr<TActionLink> actionLink_;
  std::unique_ptr<TBitmap> bitmap_;
  TMenuBreak break_ = mbNone;
  std::string caption_;
  bool checked_ = false;
  TComponentRef<TCustomImageList> subMenuImages_{this};
  bool default_ = false;
  bool enabled_ = true;
  int groupIndex_ = 0;
  int helpContext_ = 0;
  std::string hint_;
  TImageIndex imageIndex_ = -1;
  bool radioItem_ = false;
  TShortCut shortCut_ = 0;
  bool visible_ = true;
  TMenuItem* parent_ = nullptr;
  std::vector<TMenuItem*> items_;
  TMenu* menu_ = nullptr;  // set on the root item of a menu
};

// A menu: a root item, owned by the menu, whose sub-items are the menu's entries.
class TMenu : public TComponent {
  VCL_CLASS(TMenu, TComponent)
  explicit TMenu(TComponent* owner);
  ~TMenu() override;

  // Cleared when the image list is destroyed.
  TCustomImageList* Images() const { return images_.get(); }
  void SetImages(TCustomImageList* value) { images_.Set(value); }
  TMenuItem* Items() const { return items_; }
  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool value) { ownerDraw_ = value; }

  // An item of the tree whose shortcut is `shortCut`; null when none.
  TMenuItem* FindItem(TShortCut shortCut) const;

  // The top items, written inside the menu in a form file.
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;

  // Fired when an item of the menu changes (Source: the item; Rebuild: items came or went).
  TMenuChangeEvent OnChange;

private:
  friend class TMenuItem;
  void MenuChanged(TMenuItem* source, bool rebuild);

  TComponentRef<TCustomImageList> images_{this};
  TMenuItem* items_;
  bool ownerDraw_ = false;
};

class TMainMenu : public TMenu {
  VCL_CLASS(TMainMenu, TMenu)
  explicit TMainMenu(TComponent* owner) : TMenu(owner) {}
  bool AutoMerge() const { return autoMerge_; }
  void SetAutoMerge(bool value) { autoMerge_ = value; }

private:
  bool autoMerge_ = false;
};

enum TPopupAlignment { paLeft, paRight, paCenter };
enum TTrackButton { tbRightButton, tbLeftButton };
enum TMenuAnimations { maLeftToRight, maRightToLeft, maTopToBottom, maBottomToTop, maNone };
using TMenuAnimation = std::uint32_t;  // bit n for TMenuAnimations n

class TPopupMenu : public TMenu {
  VCL_CLASS(TPopupMenu, TMenu)
  explicit TPopupMenu(TComponent* owner) : TMenu(owner) {}

  TPopupAlignment Alignment() const { return alignment_; }
  void SetAlignment(TPopupAlignment value) { alignment_ = value; }
  bool AutoPopup() const { return autoPopup_; }
  void SetAutoPopup(bool value) { autoPopup_ = value; }
  int HelpContext() const { return helpContext_; }
  void SetHelpContext(int value) { helpContext_ = value; }
  TMenuAnimation MenuAnimation() const { return menuAnimation_; }
  void SetMenuAnimation(TMenuAnimation value) { menuAnimation_ = value; }
  TTrackButton TrackButton() const { return trackButton_; }
  void SetTrackButton(TTrackButton value) { trackButton_ = value; }
  // The component whose context menu this popped up as, until the next Popup.
  TComponent* PopupComponent() const { return popupComponent_.get(); }
  void SetPopupComponent(TComponent* value) { popupComponent_.Set(value); }

  // Shows the menu at screen position (x, y): runs OnPopup.
  virtual void Popup(int x, int y);

  TNotifyEvent OnPopup;

private:
  TPopupAlignment alignment_ = paLeft;
  bool autoPopup_ = true;
  int helpContext_ = 0;
  TMenuAnimation menuAnimation_ = 0;
  TTrackButton trackButton_ = tbRightButton;
  TComponentRef<TComponent> popupComponent_{this};
};

// Removes the '&' marks of a caption ("&&" stands for one '&').
std::string StripHotkey(std::string_view caption);

}  // namespace vcl
