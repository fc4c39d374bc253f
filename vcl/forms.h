// Forms and their relatives: scrolling containers (TScrollBox, frames), TCustomForm/TForm
// with its active control and modal result, and TDataModule.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "vcl/controls.h"
#include "vcl/icon.h"
#include "vcl/menus.h"

namespace vcl {

// One scroll bar of a scrolling control: its range, position and behaviour.
class TControlScrollBar : public TPersistent {
  VCL_CLASS(TControlScrollBar, TPersistent)
  explicit TControlScrollBar(TScrollBarKind kind = sbHorizontal) : kind_(kind) {}
  void Assign(TPersistent* source) override;

  TScrollBarKind Kind() const { return kind_; }
  int Increment() const { return increment_; }
  void SetIncrement(int value) { increment_ = value; }
  int Margin() const { return margin_; }
  void SetMargin(int value) { margin_ = value; }
  int Position() const { return position_; }
  void SetPosition(int value);
  int Range() const { return range_; }
  void SetRange(int value);
  bool Tracking() const { return tracking_; }
  void SetTracking(bool value) { tracking_ = value; }
  bool Visible() const { return visible_; }
  void SetVisible(bool value) { visible_ = value; }

private:
  TScrollBarKind kind_;
  int increment_ = 8;
  int margin_ = 0;
  int position_ = 0;
  int range_ = 0;
  bool tracking_ = false;
  bool visible_ = true;
};

class TScrollingWinControl : public TWinControl {
  VCL_CLASS(TScrollingWinControl, TWinControl)
  explicit TScrollingWinControl(TComponent* owner);
  ~TScrollingWinControl() override;

  TControlScrollBar* HorzScrollBar() const { return horzScrollBar_.get(); }
  TControlScrollBar* VertScrollBar() const { return vertScrollBar_.get(); }
  bool AutoScroll() const { return autoScroll_; }
  void SetAutoScroll(bool value) { autoScroll_ = value; }

private:
  std::unique_ptr<TControlScrollBar> horzScrollBar_;
  std::unique_ptr<TControlScrollBar> vertScrollBar_;
  bool autoScroll_ = true;
};

class TScrollBox : public TScrollingWinControl {
  VCL_CLASS(TScrollBox, TScrollingWinControl)
  explicit TScrollBox(TComponent* owner);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);

protected:
  int BorderExtent() const override;

private:
  TBorderStyle borderStyle_ = bsSingle;
};

// A frame: a designed container of controls placed on forms; it writes the components it
// owns, like a form.
class TCustomFrame : public TScrollingWinControl {
  VCL_CLASS(TCustomFrame, TScrollingWinControl)
  explicit TCustomFrame(TComponent* owner);
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;
};

class TFrame : public TCustomFrame {
  VCL_CLASS(TFrame, TCustomFrame)
  using TCustomFrame::TCustomFrame;
};

enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = std::uint8_t;  // set of TBorderIcon
constexpr TBorderIcons BorderIconOf(TBorderIcon b) { return static_cast<TBorderIcons>(1u << b); }
enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TDefaultMonitor { dmDesktop, dmPrimary, dmMainForm, dmActiveForm };
enum TPrintScale { poNone, poProportional, poPrintToFit };
enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TCloseEvent = TEvent<TObject*, TCloseAction&>;
using TCloseQueryEvent = TEvent<TObject*, bool&>;
// The key's character code (may be changed) and whether the shortcut was handled.
using TShortCutEvent = TEvent<Word&, bool&>;
using TMouseWheelEvent = TEvent<TObject*, TShiftState, int, TPoint, bool&>;
using TMouseWheelUpDownEvent = TEvent<TObject*, TShiftState, TPoint, bool&>;

// A form: a top-level window with a border and caption, a main menu, an active control
// (the one with the focus) and a modal result.
class TCustomForm : public TScrollingWinControl {
  VCL_CLASS(TCustomForm, TScrollingWinControl)
  explicit TCustomForm(TComponent* owner);
  // Runs OnDestroy while the form is still whole.
  void BeforeDestruction() override;

  // Writes, after its controls, the components it owns that have no parent (menus,
  // data sources, ...), when it is the root being written.
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;

  // ---- The active control: a focusable windowed control of this form, or null.
  TWinControl* ActiveControl() const { return activeControl_.get(); }
  // Raises EInvalidOperation "Cannot focus a disabled or invisible window" for a control
  // that is not on this form or cannot take the focus (while loading only the first is
  // checked). Outside design mode the change runs OnExit of the controls left and OnEnter
  // of the controls entered; an exception from OnExit keeps the focus where it was.
  void SetActiveControl(TWinControl* control);
  void FocusControl(TWinControl* control) { SetActiveControl(control); }
  // Takes the focus away from `control` and its children (it is hidden or removed).
  void DefocusControl(TWinControl* control, bool removing);

  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons value) { borderIcons_ = value & 0x0F; }
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle value);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition value) { position_ = value; }
  TWindowState WindowState() const { return windowState_; }
  void SetWindowState(TWindowState value) { windowState_ = value; }
  TFormStyle FormStyle() const { return formStyle_; }
  void SetFormStyle(TFormStyle value) { formStyle_ = value; }
  TDefaultMonitor DefaultMonitor() const { return defaultMonitor_; }
  void SetDefaultMonitor(TDefaultMonitor value) { defaultMonitor_ = value; }
  TPrintScale PrintScale() const { return printScale_; }
  void SetPrintScale(TPrintScale value) { printScale_ = value; }
  bool Scaled() const { return scaled_; }
  void SetScaled(bool value) { scaled_ = value; }
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool value) { keyPreview_ = value; }
  bool OldCreateOrder() const { return oldCreateOrder_; }
  void SetOldCreateOrder(bool value) { oldCreateOrder_ = value; }
  const std::string& HelpFile() const { return helpFile_; }
  void SetHelpFile(const std::string& value) { helpFile_ = value; }
  TIcon* Icon() const { return icon_.get(); }
  TMainMenu* Menu() const { return menu_.get(); }
  void SetMenu(TMainMenu* value);
  TMenuItem* ObjectMenuItem() const { return objectMenuItem_.get(); }
  void SetObjectMenuItem(TMenuItem* value) { objectMenuItem_.Set(value); }
  TMenuItem* WindowMenu() const { return windowMenu_.get(); }
  void SetWindowMenu(TMenuItem* value) { windowMenu_.Set(value); }

  // The resolution the form was designed at; a form file's value is kept as read.
  int PixelsPerInch() const { return pixelsPerInch_; }
  void SetPixelsPerInch(int value);
  // The height of the text "0" in the form's font, written to form files.
  int TextHeight() const;
  // The TextHeight a form file gave, kept for reference.
  int StoredTextHeight() const { return storedTextHeight_; }
  void SetStoredTextHeight(int value) { storedTextHeight_ = value; }

  // Width and Height are written unless the client size is (scroll-less, fixed forms).
  bool IsFormSizeStored() const;
  // ClientHeight as a form file sets it: remembered, so that a menu read later keeps it.
  void SetFormClientHeight(int value) {
    clientHeightRead_ = IsLoading();
    SetClientHeight(value);
  }
  bool IsClientSizeStored() const { return !IsFormSizeStored(); }

  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult value) { modalResult_ = value; }
  // Asks OnCloseQuery whether the form may close.
  bool CloseQuery();

  // Shows the form and lets the user (the installed UI driver) act on it until its
  // ModalResult is set and the form agrees to close (OnCloseQuery, OnClose); then hides
  // it and returns the result. The focus starts on ActiveControl or the first control
  // in tab order. Raises EInvalidOperation for a form already showing.
  TModalResult ShowModal();
  bool Modal() const { return modal_; }
  // Closing by the title bar: a modal form ends with mrCancel; otherwise OnClose decides.
  void Close();

  TCanvas* Canvas() const { return canvas_.get(); }

  // Runs OnCreate; the code that makes a form from its form file calls it after loading.
  void DoCreate() { OnCreate(this); }

  TNotifyEvent OnActivate;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;
  TNotifyEvent OnCreate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnHide;
  TNotifyEvent OnPaint;
  TShortCutEvent OnShortCut;
  TNotifyEvent OnShow;
  TMouseWheelEvent OnMouseWheel;
  TMouseWheelUpDownEvent OnMouseWheelDown;
  TMouseWheelUpDownEvent OnMouseWheelUp;

protected:
  int BorderExtent() const override;
  int CaptionExtent() const override;
  void FontChanged() override;

private:
  TComponentRef<TWinControl> activeControl_{this};
  TBorderIcons borderIcons_ = BorderIconOf(biSystemMenu) | BorderIconOf(biMinimize) | BorderIconOf(biMaximize);
  TFormBorderStyle borderStyle_ = bsSizeable;
  TPosition position_ = poDesigned;
  TWindowState windowState_ = wsNormal;
  TFormStyle formStyle_ = fsNormal;
  TDefaultMonitor defaultMonitor_ = dmActiveForm;
  TPrintScale printScale_ = poProportional;
  bool scaled_ = true;
  bool keyPreview_ = false;
  bool oldCreateOrder_ = false;
  std::string helpFile_;
  std::unique_ptr<TIcon> icon_;
  TComponentRef<TMainMenu> menu_{this};
  TComponentRef<TMenuItem> objectMenuItem_{this};
  TComponentRef<TMenuItem> windowMenu_{this};
  int pixelsPerInch_ = ScreenPixelsPerInch;
  int storedTextHeight_ = 0;
  TModalResult modalResult_ = mrNone;
  bool modal_ = false;
  bool clientHeightRead_ = false;
  std::unique_ptr<TCanvas> canvas_;
};

class TForm : public TCustomForm {
  VCL_CLASS(TForm, TCustomForm)
  using TCustomForm::TCustomForm;
};

// A container of non-visual components, designed like a form. Its designer's position
// and size are not published: form files hold them as defined values (Left, Top, Height,
// Width after the published properties).
class TDataModule : public TComponent {
  VCL_CLASS(TDataModule, TComponent)
  explicit TDataModule(TComponent* owner);
  // Runs OnDestroy while the data module is still whole.
  void BeforeDestruction() override;

  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;

  bool OldCreateOrder() const { return oldCreateOrder_; }
  void SetOldCreateOrder(bool value) { oldCreateOrder_ = value; }
  TPoint DesignOffset() const { return designOffset_; }
  void SetDesignOffset(TPoint value) { designOffset_ = value; }
  TPoint DesignSize() const { return designSize_; }
  void SetDesignSize(TPoint value) { designSize_ = value; }

  void DoCreate() { OnCreate(this); }

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;

private:
  bool oldCreateOrder_ = false;
  TPoint designOffset_;
  TPoint designSize_;
};

const TTypeInfo* TypeInfoBorderIcons();
const TTypeInfo* TypeInfoPosition();

}  // namespace vcl
