// Controls: TControl (bounds, parent, caption, colour, font, hints, constraints),
// TWinControl (a windowed control holding child controls in the host's order, with a tab
// order per parent), TGraphicControl and TCustomControl (controls with a canvas).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "vcl/canvas.h"
#include "vcl/classes.h"
#include "vcl/control_types.h"
#include "vcl/menus.h"
#include "vcl/size_constraints.h"

namespace vcl {

class TWinControl;
class TCustomForm;
class TControl;
class TControlFont;

// Keeps a control in step with its action: caption, enabled state, hint, visibility (and,
// for windowed controls, help context) follow the action while they still show its value.
class TControlActionLink : public TActionLink {
public:
  explicit TControlActionLink(TControl* client) : client_(client) {}
  bool IsCaptionLinked() const override;
  bool IsEnabledLinked() const override;
  bool IsHelpContextLinked() const override;
  bool IsHintLinked() const override;
  bool IsVisibleLinked() const override;
  void SetCaption(const std::string& value) override;
  void SetEnabled(bool value) override;
  void SetHelpContext(int value) override;
  void SetHint(const std::string& value) override;
  void SetVisible(bool value) override;

protected:
  TControl* Client() const { return client_; }

private:
  TControl* client_;
};

// How many controls ahead a loop over many controls asks for the next ones (PrefetchLayout).
constexpr int kPrefetchDistance = 16;

class TControl : public TComponent {
  VCL_CLASS(TControl, TComponent)
  explicit TControl(TComponent* owner);
  ~TControl() override;

  // A caption that equals the old name follows the new one (csSetCaption).
  void SetName(const std::string& name) override;

  // ---- Bounds, in the parent's client coordinates.
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
  void SetTop(int value) { SetBounds(left_, value, width_, height_); }
  void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
  void SetHeight(int value) { SetBounds(left_, top_, width_, value); }
  // Sizes pass OnCanResize, auto-sizing and the constraints first; a change re-aligns the
  // parent's children and runs OnResize (not while loading).
  virtual void SetBounds(int left, int top, int width, int height);
  TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
  void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
  // The area inside the control's borders, at (0, 0).
  virtual TRect ClientRect() const { return Rect(0, 0, width_, height_); }
  int ClientWidth() const { return ClientRect().Right; }
  int ClientHeight() const { return ClientRect().Bottom; }
  void SetClientWidth(int value) { SetClientSize(value, ClientHeight()); }
  void SetClientHeight(int value) { SetClientSize(ClientWidth(), value); }
  virtual void SetClientSize(int width, int height);

  TAlign Align() const { return align_; }
  void SetAlign(TAlign value);
  TAnchors Anchors() const { return anchors_; }
  void SetAnchors(TAnchors value);
  // Anchors are written only when they differ from what the alignment implies.
  bool IsAnchorsStored() const { return anchors_ != AnchorAlign(align_); }
  bool AutoSize() const { return autoSize_; }
  virtual void SetAutoSize(bool value);
  // The limits to change, made when first asked for: most controls have none.
  TSizeConstraints* Constraints() const { return &Rare().constraints; }
  // The limits as they stand, made for nobody: a control without its own has no limits.
  const TSizeConstraints& EffectiveConstraints() const;

  // ---- Parent: setting it moves the control into the new parent's child lists.
  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* value) override;

  // ---- Text: Caption and Text are the same string.
  std::string Caption() const { return GetText(); }
  void SetCaption(const std::string& value) { SetText(value); }
  std::string Text() const { return GetText(); }
  // The length of the text in characters (as a text box counts them for its selection).
  int TextLength() const;
  virtual std::string GetText() const { return text_; }
  virtual void SetText(const std::string& value);

  // ---- Colour, font and hints, each following the parent while its Parent* flag is set;
  // setting the value itself clears the flag.
  TColor Color() const { return color_; }
  void SetColor(TColor value);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value);
  bool IsColorStored() const { return !parentColor_; }
  // The font to change: the control's own, made on the first request as a copy of the font
  // it shows. While it follows its parent a control keeps none and shows the parent's, so
  // code that only reads a font asks for EffectiveFont, which makes none.
  TFont* Font() const;
  void SetFont(TFont* value) { Font()->Assign(value); }
  // The font the control shows: its own, else its parent's, else (without a parent) the
  // default font.
  const TFont& EffectiveFont() const;
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool value);
  bool IsFontStored() const { return !parentFont_; }
  const std::string& Hint() const { return rare_ ? rare_->hint : NoText(); }
  void SetHint(const std::string& value);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool value);
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool value);
  bool IsShowHintStored() const { return !parentShowHint_; }
  TBiDiMode BiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode value);
  bool ParentBiDiMode() const { return parentBiDiMode_; }
  void SetParentBiDiMode(bool value);
  bool IsBiDiModeStored() const { return !parentBiDiMode_; }

  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }

  TCursor Cursor() const { return rare_ ? rare_->cursor : crDefault; }
  void SetCursor(TCursor value);
  TCursor DragCursor() const { return rare_ ? rare_->dragCursor : crDrag; }
  void SetDragCursor(TCursor value);
  TDragKind DragKind() const { return rare_ ? rare_->dragKind : dkDrag; }
  void SetDragKind(TDragKind value);
  TDragMode DragMode() const { return rare_ ? rare_->dragMode : dmManual; }
  void SetDragMode(TDragMode value);
  TPopupMenu* PopupMenu() const { return rare_ ? rare_->popupMenu.get() : nullptr; }
  void SetPopupMenu(TPopupMenu* value);

  // The linked action; null when none or when it has been destroyed.
  TBasicAction* Action() const;
  void SetAction(TBasicAction* value);
  TControlActionLink* ActionLink() const { return rare_ ? rare_->actionLink.get() : nullptr; }
  // A property that shows the linked action's value is not written: the action gives it.
  bool IsCaptionStored() const { return !IsLinked(&TActionLink::IsCaptionLinked); }
  bool IsEnabledStored() const { return !IsLinked(&TActionLink::IsEnabledLinked); }
  bool IsHintStored() const { return !IsLinked(&TActionLink::IsHintLinked); }
  bool IsVisibleStored() const { return !IsLinked(&TActionLink::IsVisibleLinked); }
  bool IsLinked(bool (TActionLink::*linked)() const) const {
    const TControlActionLink* link = ActionLink();
    return link && (link->*linked)();
  }

  // Ask the processor to start fetching what laying the control out reads, without waiting:
  // a loop over many controls calls them a few controls ahead, so that their fetches from
  // memory overlap. PrefetchBounds fetches the rare fields' pointer, bounds, alignment,
  // anchors and resize events; PrefetchSize only the width and height, for passes that read
  // nothing else of the block; PrefetchLayout the whole block and the class, state and name.
  void PrefetchBounds() const {
    // The rare fields' pointer begins the block; the resize events end it.
    const char* first = reinterpret_cast<const char*>(&rare_);
    const char* last = reinterpret_cast<const char*>(&OnConstrainedResize + 1) - 1;
    __builtin_prefetch(first);
    __builtin_prefetch(last);
  }
  void PrefetchSize() const { __builtin_prefetch(&width_); }
  void PrefetchLayout() const {
    PrefetchHeader();
    PrefetchBounds();
  }

  TControlStyle ControlStyle() const { return controlStyle_; }
  void SetControlStyle(TControlStyle value) { controlStyle_ = value; }
  bool HasStyle(TControlStyleElement e) const { return (controlStyle_ & StyleOf(e)) != 0; }

  // Runs OnClick, or without a handler the linked action (not while designing).
  virtual void Click();
  // Draws the control again on its canvas (controls without one draw nothing).
  virtual void Repaint() {}

  void Loaded() override;

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TDragDropEvent OnDragDrop;
  TDragOverEvent OnDragOver;
  TEndDragEvent OnEndDrag;
  TStartDragEvent OnStartDrag;
  TEndDragEvent OnEndDock;
  TStartDockEvent OnStartDock;
  TNotifyEvent OnResize;
  // OnCanResize and OnConstrainedResize are declared with the bounds, below.

protected:
  friend class TWinControl;

  // Reactions to changes of the control's own state.
  virtual void FontChanged();
  virtual void TextChanged() {}
  virtual void ColorChanged() {}
  virtual void ShowHintChanged() {}
  virtual void BiDiModeChanged() {}
  virtual void EnabledChanged() {}
  virtual void VisibleChanged();
  // Reactions to a change of the parent's state (each applies only under its Parent* flag).
  void ParentFontChanged();
  // Joining a parent: under ParentFont the control now shows the parent's font. Leaving one:
  // it keeps showing the font it showed.
  void ParentFontJoined();
  void ParentFontLeaving();
  void ParentColorChanged();
  void ParentShowHintChanged();
  void ParentBiDiModeChanged();
  virtual void ParentChanged() {}  // the control got a new parent (or none)

  // Auto-sizing: the size the control wants; false refuses any size. The default keeps
  // the proposed size.
  virtual bool CanAutoSize(int& width, int& height);
  // Re-applies auto-sizing and the constraints to the current bounds.
  virtual void AdjustSize();
  virtual void Resize() { OnResize(this); }
  // The bounds changed (after the new values are set).
  virtual void BoundsChanged(bool sizeChanged);
  void RequestAlign();
  // Whether realigning the parent can move the control: it is aligned or anchored to a side
  // other than the top-left corner.
  bool MovedByRealign() const { return align_ != alNone || anchors_ != DefaultAnchors; }
  // Tells the parent's count of such children that alignment or anchors changed; `before` is
  // what MovedByRealign said before the change.
  void RecountMovedByRealign(bool before);
  // Remembers the distances that the anchors keep when the parent is resized.
  void UpdateAnchorRules();

  // Copies the action's properties; with `checkDefaults` only into those still at their
  // defaults (a control loaded with its action keeps what the form file gave it).
  virtual void ActionChange(TCustomAction* action, bool checkDefaults);
  virtual std::unique_ptr<TControlActionLink> CreateActionLink() {
    return std::make_unique<TControlActionLink>(this);
  }

  bool IsLoading() const { return HasState(csLoading); }
  bool IsReading() const { return HasState(csReading); }

private:
  bool CheckNewSize(int& width, int& height);
  // Its font and constraints tell the control of their changes directly.
  friend class TControlFont;
  friend class TSizeConstraints;

  // What most controls leave at their defaults (windowed controls too), made when a value
  // is first set: a form may hold many thousands of controls.
  struct TRareFields {
    explicit TRareFields(TControl* control) : popupMenu(control), constraints(control) {}
    std::string hint;
    std::string imeName;
    std::unique_ptr<TFont> font;  // the control's own (see Font)
    std::unique_ptr<TControlActionLink> actionLink;
    TComponentRef<TPopupMenu> popupMenu;
    TSizeConstraints constraints;
    TCursor cursor = crDefault;
    TCursor dragCursor = crDrag;
    TDragKind dragKind = dkDrag;
    TDragMode dragMode = dmManual;
    int helpContext = 0;
    TImeMode imeMode = imDontCare;
  };
  TRareFields& Rare() const;
  TFont* OwnFont() const { return rare_ ? rare_->font.get() : nullptr; }
  static const std::string& NoText();

  // Strings and pointers first, then the four-byte values, then the flags, so that no
  // member leaves padding behind it.
  std::string text_;
  TColor color_ = clWindow;
  TBiDiMode biDiMode_ = bdLeftToRight;
  TControlStyle controlStyle_;
  bool parentColor_ = true;
  bool parentFont_ = true;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  bool parentBiDiMode_ = true;
  bool enabled_ = true;
  bool visible_ = true;
  bool windowed_ = false;  // a TWinControl (known also while it is being destroyed)

  TPoint anchorRules_;
  // How far the file placed this docked control from where the model's realignment puts it
  // (spacing the model does not compute, such as margins and border spacing): added to its
  // left, top, width and height at every realignment, so that a control nothing moved stays
  // where the file put it and one that moves keeps its spacing. Zero for controls made or
  // docked anew.
  TRect dockOffset_;

  // What every move reads, side by side in 50 bytes, so that it takes at most two cache
  // lines: the rare fields (which hold the limits, if any), the bounds, the parent, alignment
  // and anchors, and the two resize events. A const control hands its sub-objects out for
  // change, made when first asked for.
  mutable std::unique_ptr<TRareFields> rare_;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  TWinControl* parent_ = nullptr;
  TAlign align_ = alNone;
  TAnchors anchors_ = DefaultAnchors;
  bool anchorMove_ = false;
  bool autoSize_ = false;
  TPoint originalParentSize_;

public:
  TCanResizeEvent OnCanResize;
  TConstrainedResizeEvent OnConstrainedResize;
};

// A windowed control: it can hold child controls and take the focus.
class TWinControl : public TControl {
  VCL_CLASS(TWinControl, TControl)
  explicit TWinControl(TComponent* owner);
  // Destroys every child control first, whoever owns it.
  ~TWinControl() override;

  // ---- Children in the host's order: the non-windowed ones, then the windowed ones,
  // each group in insertion order.
  int ControlCount() const {
    return children_ ? static_cast<int>(children_->controls.size() + children_->winControls.size()) : 0;
  }
  // The non-windowed children come first in that order; this is how many there are.
  int NonWindowedControlCount() const { return children_ ? static_cast<int>(children_->controls.size()) : 0; }
  TControl* Controls(int index) const;
  bool ContainsControl(const TControl* control) const;
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  // Streams children in Controls order when the form file's root owns them.
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;

  // ---- Tab order: the position in the parent's tab list, -1 without a parent. Setting
  // it moves the control in that list, shifting the others; values past the end go to
  // the end. While loading the value is only remembered; Loaded places every child at
  // its remembered position.
  int TabOrder() const;
  void SetTabOrder(int value);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool value) { tabStop_ = value; }
  // The windowed children in tab order.
  const std::vector<TWinControl*>& TabList() const;
  // Every windowed descendant, depth first in tab order.
  void GetTabOrderList(std::vector<TWinControl*>& list) const;
  // The next (or previous) focusable control after `current` in the tab order of this
  // control's descendants, wrapping around; null when there is none.
  TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop, bool checkParent) const;
  void FixupTabList();

  // ---- Focus: a control can take it when it and its parents are visible and enabled.
  virtual bool CanFocus() const;
  bool Focused() const;
  // Makes this control the active control of its form.
  void SetFocus();

  // ---- Keyboard (vcl/keyboard.h routes keys here after the control's own events).
  // Whether the control takes `key` itself rather than letting its form use it as a
  // dialog key (Enter, Esc, Tab).
  virtual bool WantsKey(Word key, TShiftState shift) const;
  // The control's own handling of a key, after OnKeyDown left it set.
  virtual void KeyDownDefault(Word key, TShiftState shift);
  // The control's own handling of a typed character, after OnKeyPress left it set.
  virtual void KeyPressDefault(char32_t ch);
  virtual void KeyUpDefault(Word key, TShiftState shift);

  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool value);
  bool ParentCtl3D() const { return parentCtl3D_; }
  void SetParentCtl3D(bool value);
  bool IsCtl3DStored() const { return !parentCtl3D_; }
  int HelpContext() const { return rare_ ? rare_->helpContext : 0; }
  void SetHelpContext(int value);
  TImeMode ImeMode() const { return rare_ ? rare_->imeMode : imDontCare; }
  void SetImeMode(TImeMode value);
  const std::string& ImeName() const { return rare_ ? rare_->imeName : NoText(); }
  void SetImeName(const std::string& value);
  // A margin inside the border, outside the client area.
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int value);
  bool DockSite() const { return dockSite_; }
  void SetDockSite(bool value) { dockSite_ = value; }
  bool UseDockManager() const { return useDockManager_; }
  void SetUseDockManager(bool value) { useDockManager_ = value; }

  // ---- Alignment of the children (Align and Anchors), suspended while disabled.
  void DisableAlign() { ++alignLevel_; }
  void EnableAlign();
  void Realign() { AlignControl(nullptr); }
  // Records, for each docked child, how far its place lies from the realignment's; the form
  // file calls it once the controls are loaded, before anything moves them.
  void CalibrateAlignment();
  // The area the children are aligned in.
  virtual void AdjustClientRect(TRect& rect) const { (void)rect; }
  TRect ClientRect() const override;

  void Loaded() override;

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TKeyEvent OnKeyUp;
  TDockDropEvent OnDockDrop;
  TDockOverEvent OnDockOver;
  TGetSiteInfoEvent OnGetSiteInfo;
  TUnDockEvent OnUnDock;

protected:
  friend class TControl;
  // The width of the border around the client area (window frame and edges).
  virtual int BorderExtent() const { return 0; }
  // The caption bar's height above the client area (forms).
  virtual int CaptionExtent() const { return 0; }
  void AlignControl(TControl* control);
  virtual void AlignControls(TControl* control, TRect& rect);
  void FontChanged() override;
  void ColorChanged() override;
  void ShowHintChanged() override;
  void BiDiModeChanged() override;
  void BoundsChanged(bool sizeChanged) override;
  bool CanAutoSize(int& width, int& height) override;
  void ParentCtl3DChanged();
  virtual void Ctl3DChanged() {}
  // A child was inserted (true) or removed (false).
  virtual void ControlChange(TControl* control, bool inserting) { (void)control, (void)inserting; }
  void NotifyControls(void (TControl::*notify)());

private:
  void UpdateTabOrder(int value);
  // Tells the children at [first, last) of the tab list where they stand in it.
  void IndexTabList(std::size_t first, std::size_t last) const;
  // Drops the gaps that children leaving the tab list left in it, and tells the others where
  // they now stand: a child leaves in constant time, whichever way the tab order runs.
  void CloseTabGaps() const;
  bool AlignDisabled() const;

  // The children, made with the first one: most windowed controls have none.
  struct TChildLists {
    std::vector<TControl*> controls;
    std::vector<TWinControl*> winControls;
    std::vector<TWinControl*> tabList;  // null where a child left, until the gaps close
    std::size_t tabGaps = 0;
  };
  mutable std::unique_ptr<TChildLists> children_;
  int tabOrder_ = -1;  // the value read from a form file, until Loaded places it
  int tabIndex_ = -1;  // where the control stands in its parent's tab list, gaps included
  int borderWidth_ = 0;
  int alignLevel_ = 0;
  // How many children a realignment can move; with none it has nothing to do.
  int movedByRealign_ = 0;
  bool tabStop_ = false;
  bool ctl3D_ = false;
  bool parentCtl3D_ = true;
  bool dockSite_ = false;
  bool useDockManager_ = false;
  bool alignNeeded_ = false;
  bool calibrating_ = false;  // a realignment that records offsets and moves nothing
};

// A control without a window that draws itself on a canvas.
class TGraphicControl : public TControl {
  VCL_CLASS(TGraphicControl, TControl)
  explicit TGraphicControl(TComponent* owner);
  ~TGraphicControl() override;
  // The canvas, whose font follows the control's; made when first asked for, since most
  // controls of a form are never drawn.
  TCanvas* Canvas() const;
  // Clears the canvas's record and paints.
  void Repaint() override;

protected:
  virtual void Paint() {}
  void FontChanged() override;

private:
  mutable std::unique_ptr<TCanvas> canvas_;
};

// A windowed control that draws itself on a canvas.
class TCustomControl : public TWinControl {
  VCL_CLASS(TCustomControl, TWinControl)
  explicit TCustomControl(TComponent* owner);
  ~TCustomControl() override;
  // Made when first asked for, as a graphic control's.
  TCanvas* Canvas() const;
  void Repaint() override;

protected:
  virtual void Paint() {}
  void FontChanged() override;

private:
  mutable std::unique_ptr<TCanvas> canvas_;
};

// The form that (directly or through its parents) holds the control; null when none.
TCustomForm* GetParentForm(const TControl* control);

}  // namespace vcl
