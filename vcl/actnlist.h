// Actions: commands with a caption, hint, image, shortcut and handlers, which menu items
// and controls link to through action links, and the action lists that gather them.
#pragma once

#include <string>
#include <vector>

#include "vcl/classes.h"
#include "vcl/imglist.h"
#include "vcl/shortcuts.h"

namespace vcl {

class TBasicAction;
class TCustomActionList;

// The property type `THelpContext`.
const TTypeInfo* TypeInfoHelpContext();

// Ties one client (a menu item, a control) to an action. The action tells its links
// about property changes; the client runs the action through its link. Destroying the
// link detaches it; destroying the action leaves the link without an action.
class TBasicActionLink {
public:
  TBasicActionLink() = default;
  TBasicActionLink(const TBasicActionLink&) = delete;
  TBasicActionLink& operator=(const TBasicActionLink&) = delete;
  virtual ~TBasicActionLink();

  TBasicAction* Action() const { return action_; }
  void SetAction(TBasicAction* value);
  // Runs the action; false without one or when nothing handled it.
  virtual bool Execute();
  virtual bool Update();

private:
  friend class TBasicAction;
  TBasicAction* action_ = nullptr;
};

class TBasicAction : public TComponent {
  VCL_CLASS(TBasicAction, TComponent)
  explicit TBasicAction(TComponent* owner);
  ~TBasicAction() override;

  // Runs OnExecute; false when there is none.
  virtual bool Execute();
  // Runs OnUpdate; false when there is none.
  virtual bool Update();

  TNotifyEvent OnExecute;
  TNotifyEvent OnUpdate;

protected:
  const std::vector<TBasicActionLink*>& Clients() const { return clients_; }

private:
  friend class TBasicActionLink;
  std::vector<TBasicActionLink*> clients_;
};

// An action that belongs to an action list, with a category.
class TContainedAction : public TBasicAction {
  VCL_CLASS(TContainedAction, TBasicAction)
  explicit TContainedAction(TComponent* owner);
  ~TContainedAction() override;

  // Lets the list's OnExecute handle it first.
  bool Execute() override;
  bool Update() override;

  TCustomActionList* ActionList() const { return actionList_; }
  // Moves the action to the end of `value` (null: out of any list).
  void SetActionList(TCustomActionList* value);
  const std::string& Category() const { return category_; }
  void SetCategory(const std::string& value) { category_ = value; }
  // Position in the action list; -1 outside one. Setting moves the action.
  int Index() const;
  void SetIndex(int value);

  // In a form file an action lies inside its action list.
  bool HasParent() const override { return actionList_ != nullptr; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* value) override;

private:
  friend class TCustomActionList;
  TCustomActionList* actionList_ = nullptr;
  std::string category_;
};

// An action with the properties that linked clients show. Changing one passes the new
// value to every linked client that still shows the old one.
class TCustomAction : public TContainedAction {
  VCL_CLASS(TCustomAction, TContainedAction)
  explicit TCustomAction(TComponent* owner);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& value);
  bool Checked() const { return checked_; }
  void SetChecked(bool value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  int HelpContext() const { return helpContext_; }
  void SetHelpContext(int value);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& value);
  TImageIndex ImageIndex() const { return imageIndex_; }
  void SetImageIndex(TImageIndex value);
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);

private:
  std::string caption_;
  bool checked_ = false;
  bool enabled_ = true;
  int helpContext_ = 0;
  std::string hint_;
  TImageIndex imageIndex_ = -1;
  TShortCut shortCut_ = 0;
  bool visible_ = true;
};

class TAction : public TCustomAction {
  VCL_CLASS(TAction, TCustomAction)
  explicit TAction(TComponent* owner) : TCustomAction(owner) {}
};

// A link to a TCustomAction. Each "linked" test tells whether the client still shows the
// action's value of that property (the base says only whether the action has it); each
// setter passes a new value to the client when it is linked (the base does nothing).
class TActionLink : public TBasicActionLink {
public:
  virtual bool IsCaptionLinked() const { return HasCustomAction(); }
  virtual bool IsCheckedLinked() const { return HasCustomAction(); }
  virtual bool IsEnabledLinked() const { return HasCustomAction(); }
  virtual bool IsHelpContextLinked() const { return HasCustomAction(); }
  virtual bool IsHintLinked() const { return HasCustomAction(); }
  virtual bool IsImageIndexLinked() const { return HasCustomAction(); }
  virtual bool IsShortCutLinked() const { return HasCustomAction(); }
  virtual bool IsVisibleLinked() const { return HasCustomAction(); }

  virtual void SetCaption(const std::string&) {}
  virtual void SetChecked(bool) {}
  virtual void SetEnabled(bool) {}
  virtual void SetHelpContext(int) {}
  virtual void SetHint(const std::string&) {}
  virtual void SetImageIndex(TImageIndex) {}
  virtual void SetShortCut(TShortCut) {}
  virtual void SetVisible(bool) {}

protected:
  // The linked action as a TCustomAction; null for none or another kind.
  TCustomAction* CustomAction() const { return Cast<TCustomAction>(Action()); }

private:
  bool HasCustomAction() const { return CustomAction() != nullptr; }
};

using TActionEvent = TEvent<TBasicAction*, bool&>;

// Lists actions. The actions usually belong to the list's owner; the list frees the ones
// it still lists when it goes.
class TCustomActionList : public TComponent {
  VCL_CLASS(TCustomActionList, TComponent)
  explicit TCustomActionList(TComponent* owner);
  ~TCustomActionList() override;

  int ActionCount() const { return static_cast<int>(actions_.size()); }
  // Raises EListError for a bad index.
  TContainedAction* Actions(int index) const;
  int IndexOf(const TContainedAction* action) const;
  // Cleared when the image list is destroyed.
  TCustomImageList* Images() const { return images_.get(); }
  void SetImages(TCustomImageList* value) { images_.Set(value); }

  // Runs OnExecute / OnUpdate for `action`; true when the handler set Handled.
  bool ExecuteAction(TBasicAction* action);
  bool UpdateAction(TBasicAction* action);

  // The listed actions that `root` owns, written inside the list in a form file.
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;

  TNotifyEvent OnChange;
  TActionEvent OnExecute;
  TActionEvent OnUpdate;

private:
  friend class TContainedAction;
  void AddAction(TContainedAction* action);
  void RemoveAction(TContainedAction* action);
  void Changed() { OnChange(this); }

  std::vector<TContainedAction*> actions_;
  TComponentRef<TCustomImageList> images_{this};
};

class TActionList : public TCustomActionList {
  VCL_CLASS(TActionList, TCustomActionList)
  explicit TActionList(TComponent* owner) : TCustomActionList(owner) {}
};

}  // namespace vcl
