// The standard controls: labels, edits, memos, buttons, check boxes, radio buttons,
// combo boxes, list boxes, group boxes and static texts.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "vcl/canvas.h"
#include "vcl/controls.h"
#include "vcl/strings.h"
#include "vcl/text_editing.h"

namespace vcl {

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };
enum TStaticBorderStyle { sbsNone, sbsSingle, sbsSunken };
// Owner-drawn items: a set of TOwnerDrawStateElement.
enum TOwnerDrawStateElement { odSelected, odGrayed, odDisabled, odChecked, odFocused };
using TOwnerDrawState = std::uint32_t;

using TDrawItemEvent = TEvent<TWinControl*, int, TRect, TOwnerDrawState>;
using TMeasureItemEvent = TEvent<TWinControl*, int, int&>;

const TTypeInfo* TypeInfoCheckBoxState();
const TTypeInfo* TypeInfoEditCharCase();
const TTypeInfo* TypeInfoScrollStyle();
const TTypeInfo* TypeInfoComboBoxStyle();
const TTypeInfo* TypeInfoListBoxStyle();

// ---- Labels

// A caption drawn on the parent. With AutoSize the label measures its text in its own
// font whenever the caption, the font or the layout options change (not while loading:
// sizes read from a form file are kept).
class TCustomLabel : public TGraphicControl {
  VCL_CLASS(TCustomLabel, TGraphicControl)
  explicit TCustomLabel(TComponent* owner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  void SetAutoSize(bool value) override;
  TWinControl* FocusControl() const { return focusControl_.get(); }
  void SetFocusControl(TWinControl* value) { focusControl_.Set(value); }
  // Asks the processor for the FocusControl reference ahead of reading it (see PrefetchLayout).
  void PrefetchFocusControl() const { __builtin_prefetch(&focusControl_); }
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout value);
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool value);
  bool Transparent() const { return !HasStyle(csOpaque); }
  void SetTransparent(bool value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);

  // The text shown (the caption; data-aware labels show a field's value).
  virtual std::string GetLabelText() const { return Caption(); }

protected:
  void AdjustBounds();
  void TextChanged() override { AdjustBounds(); }
  void FontChanged() override;
  void Paint() override;

private:
  TAlignment alignment_ = taLeftJustify;
  TComponentRef<TWinControl> focusControl_{this};
  TTextLayout layout_ = tlTop;
  bool showAccelChar_ = true;
  bool wordWrap_ = false;
};

class TLabel : public TCustomLabel {
  VCL_CLASS(TLabel, TCustomLabel)
  using TCustomLabel::TCustomLabel;
};

// ---- Edits

// A one-line text box. OnChange runs when the text changes (not while loading).
class TCustomEdit : public TWinControl {
  VCL_CLASS(TCustomEdit, TWinControl)
  explicit TCustomEdit(TComponent* owner);

  void SetText(const std::string& value) override;
  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool value) { autoSelect_ = value; }
  void SetAutoSize(bool value) override;
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  TEditCharCase CharCase() const { return charCase_; }
  void SetCharCase(TEditCharCase value);
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool value) { hideSelection_ = value; }
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int value) { maxLength_ = value; }
  bool OEMConvert() const { return oemConvert_; }
  void SetOEMConvert(bool value) { oemConvert_ = value; }
  char PasswordChar() const { return passwordChar_; }
  void SetPasswordChar(char value) { passwordChar_ = value; }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value) { readOnly_ = value; }
  bool Modified() const { return modified_; }
  void SetModified(bool value) { modified_ = value; }

  // ---- The caret and selection, in characters; new text puts the caret at its start.
  int SelStart() const { return selection_.Start; }
  void SetSelStart(int value);
  int SelLength() const { return selection_.Length; }
  void SetSelLength(int value);
  std::string SelText() const;
  void SelectAll();

  // Typing edits the text (not while ReadOnly): see vcl/text_editing.h.
  void KeyDownDefault(Word key, TShiftState shift) override;
  void KeyPressDefault(char32_t ch) override;

  TNotifyEvent OnChange;

protected:
  // Runs OnChange.
  virtual void Change();
  void TextChanged() override;
  void FontChanged() override;
  int BorderExtent() const override;
  // With AutoSize and a single border, the height follows the font (AutoHeight).
  void AdjustHeight();
  // Text height + 8 (+ 6 without 3D borders).
  virtual int AutoHeight() const;
  // Whether typing `ch` is allowed (a spin edit takes digits and signs only).
  virtual bool IsValidChar(char32_t ch) const { return ch != U'\r'; }
  // Replaces the text by what typing made of it, keeping the caret.
  void SetTypedText(const std::u32string& chars);
  TTextSelection selection_;
  void Ctl3DChanged() override { AdjustHeight(); }
  // AutoSize fits the height to the font only, never to children.
  bool CanAutoSize(int&, int&) override { return true; }

private:
  bool autoSelect_ = true;
  TBorderStyle borderStyle_ = bsSingle;
  TEditCharCase charCase_ = ecNormal;
  bool hideSelection_ = true;
  int maxLength_ = 0;
  bool oemConvert_ = false;
  char passwordChar_ = 0;
  bool readOnly_ = false;
  bool modified_ = false;
};

class TEdit : public TCustomEdit {
  VCL_CLASS(TEdit, TCustomEdit)
  using TCustomEdit::TCustomEdit;
};

// A multi-line text box: its text is its Lines joined by CR LF.
class TCustomMemo : public TCustomEdit {
  VCL_CLASS(TCustomMemo, TCustomEdit)
  explicit TCustomMemo(TComponent* owner);
  ~TCustomMemo() override;

  std::string GetText() const override;
  void SetText(const std::string& value) override;
  TStrings* Lines() const { return lines_.get(); }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value) { alignment_ = value; }
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle value) { scrollBars_ = value; }
  bool WantReturns() const { return wantReturns_; }
  void SetWantReturns(bool value) { wantReturns_ = value; }
  bool WantTabs() const { return wantTabs_; }
  void SetWantTabs(bool value) { wantTabs_ = value; }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value) { wordWrap_ = value; }

  // Enter (with WantReturns) and Tab (with WantTabs) go into the text.
  bool WantsKey(Word key, TShiftState shift) const override;
  void KeyPressDefault(char32_t ch) override;

private:
  std::unique_ptr<TStringList> lines_;
  TAlignment alignment_ = taLeftJustify;
  TScrollStyle scrollBars_ = ssNone;
  bool wantReturns_ = true;
  bool wantTabs_ = false;
  bool wordWrap_ = true;
};

class TMemo : public TCustomMemo {
  VCL_CLASS(TMemo, TCustomMemo)
  using TCustomMemo::TCustomMemo;
};

// ---- Buttons

// Base of push buttons, check boxes and radio buttons: a Checked state that a linked
// action can drive.
class TButtonControl : public TWinControl {
  VCL_CLASS(TButtonControl, TWinControl)
  explicit TButtonControl(TComponent* owner);

  virtual bool Checked() const { return false; }
  virtual void SetChecked(bool) {}
  bool IsCheckedStored() const { return !IsLinked(&TActionLink::IsCheckedLinked); }
  // What a mouse click or the Space key does to the control.
  virtual void Press() { Click(); }
  void KeyUpDefault(Word key, TShiftState shift) override;

protected:
  // While set, a change of state does not run Click (as when a form file sets Checked).
  bool ClicksDisabled() const { return clicksDisabled_ || IsLoading(); }
  void SetClicksDisabled(bool value) { clicksDisabled_ = value; }
  void ActionChange(TCustomAction* action, bool checkDefaults) override;
  std::unique_ptr<TControlActionLink> CreateActionLink() override;

private:
  bool clicksDisabled_ = false;
};

// A push button. Clicking it gives its form its ModalResult, then runs OnClick.
class TButton : public TButtonControl {
  VCL_CLASS(TButton, TButtonControl)
  explicit TButton(TComponent* owner);

  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  bool Default() const { return default_; }
  void SetDefault(bool value) { default_ = value; }
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult value) { modalResult_ = value; }

  void Click() override;

private:
  bool cancel_ = false;
  bool default_ = false;
  TModalResult modalResult_ = mrNone;
};

// A check box: unchecked, checked, or (with AllowGrayed) grayed. Changing the state runs
// Click.
class TCustomCheckBox : public TButtonControl {
  VCL_CLASS(TCustomCheckBox, TButtonControl)
  explicit TCustomCheckBox(TComponent* owner);

  TLeftRight Alignment() const { return alignment_; }
  void SetAlignment(TLeftRight value) { alignment_ = value; }
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool value) { allowGrayed_ = value; }
  bool Checked() const override { return state_ == cbChecked; }
  void SetChecked(bool value) override { SetState(value ? cbChecked : cbUnchecked); }
  TCheckBoxState State() const { return state_; }
  void SetState(TCheckBoxState value);
  // What a click on the box does: unchecked -> grayed (when allowed) or checked;
  // checked -> unchecked; grayed -> checked.
  void Toggle();
  void Press() override { Toggle(); }

private:
  TLeftRight alignment_ = taRightJustify;
  bool allowGrayed_ = false;
  TCheckBoxState state_ = cbUnchecked;
};

class TCheckBox : public TCustomCheckBox {
  VCL_CLASS(TCheckBox, TCustomCheckBox)
  using TCustomCheckBox::TCustomCheckBox;
};

// A radio button. Checking it unchecks the other radio buttons of its parent, makes it a
// tab stop and runs Click.
class TRadioButton : public TButtonControl {
  VCL_CLASS(TRadioButton, TButtonControl)
  explicit TRadioButton(TComponent* owner);

  TLeftRight Alignment() const { return alignment_; }
  void SetAlignment(TLeftRight value) { alignment_ = value; }
  bool Checked() const override { return checked_; }
  void SetChecked(bool value) override;
  void Press() override { SetChecked(true); }

private:
  TLeftRight alignment_ = taRightJustify;
  bool checked_ = false;
};

// ---- Lists

// A drop-down list with an edit box. Items is an owned string list; ItemIndex is the
// selected item (-1 for none) and follows the text.
class TCustomComboBox : public TWinControl {
  VCL_CLASS(TCustomComboBox, TWinControl)
  explicit TCustomComboBox(TComponent* owner);
  ~TCustomComboBox() override;

  void SetText(const std::string& value) override;
  TStrings* Items() const { return items_.get(); }
  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle value) { style_ = value; }
  bool Sorted() const { return items_->Sorted(); }
  void SetSorted(bool value) { items_->SetSorted(value); }
  // Out-of-range values select nothing (-1). Selecting an item shows its text.
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int value);
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int value) { dropDownCount_ = value; }
  // Owner-drawn styles use the set height; the others the font's text height.
  int ItemHeight() const;
  void SetItemHeight(int value);
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int value) { maxLength_ = value; }
  // The caret and selection of the edit part, in characters.
  int SelStart() const { return selection_.Start; }
  void SetSelStart(int value);
  int SelLength() const { return selection_.Length; }
  void SetSelLength(int value);
  // Whether the list is open; opening it runs OnDropDown.
  bool DroppedDown() const { return droppedDown_; }
  void SetDroppedDown(bool value);
  // Selects an item as the user does (Up/Down, a click in the list): its text, then
  // OnClick and OnChange.
  void SelectItem(int index);

  // Up, Down, Home and End select items; F4 and Alt+Down open or close the list; typing
  // edits the text, or in a drop-down list selects the next item starting with the
  // typed character. While the list is open it takes Enter and Esc to close itself.
  bool WantsKey(Word key, TShiftState shift) const override;
  void KeyDownDefault(Word key, TShiftState shift) override;
  void KeyPressDefault(char32_t ch) override;

  TNotifyEvent OnChange;
  TNotifyEvent OnDropDown;
  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

protected:
  // Runs OnChange: the user typed into the edit part or selected an item (setting Text
  // or ItemIndex in code does not run it).
  virtual void Change();

private:
  void ItemsChanged();

  std::unique_ptr<TStringList> items_;
  TComboBoxStyle style_ = csDropDown;
  int itemIndex_ = -1;
  TTextSelection selection_;
  bool droppedDown_ = false;
  int dropDownCount_ = 8;
  int itemHeight_ = 16;
  int maxLength_ = 0;
};

class TComboBox : public TCustomComboBox {
  VCL_CLASS(TComboBox, TCustomComboBox)
  using TCustomComboBox::TCustomComboBox;
};

// A list of items, one or several selected. Items is an owned string list.
class TCustomListBox : public TWinControl {
  VCL_CLASS(TCustomListBox, TWinControl)
  explicit TCustomListBox(TComponent* owner);
  ~TCustomListBox() override;

  TStrings* Items() const { return items_.get(); }
  bool Sorted() const { return items_->Sorted(); }
  virtual void SetSorted(bool value) { items_->SetSorted(value); }
  // Out-of-range values select nothing (-1); with MultiSelect the focused item.
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int value);
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool value);
  bool ExtendedSelect() const { return extendedSelect_; }
  void SetExtendedSelect(bool value) { extendedSelect_ = value; }
  // Selection of single items (MultiSelect; otherwise the item at ItemIndex).
  bool Selected(int index) const;
  void SetSelected(int index, bool value);
  int SelCount() const;
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  int Columns() const { return columns_; }
  void SetColumns(int value) { columns_ = value; }
  bool IntegralHeight() const { return integralHeight_; }
  void SetIntegralHeight(bool value) { integralHeight_ = value; }
  int ItemHeight() const;
  void SetItemHeight(int value);
  TListBoxStyle Style() const { return style_; }
  void SetStyle(TListBoxStyle value) { style_ = value; }
  int TabWidth() const { return tabWidth_; }
  void SetTabWidth(int value) { tabWidth_ = value; }
  // Selects an item as the user does (arrow keys, a click): then OnClick.
  virtual void SelectItem(int index);
  // Up, Down, Home, End, Page Up and Page Down move the selection.
  void KeyDownDefault(Word key, TShiftState shift) override;

  // What owner-drawn items are drawn on; its font follows the list's.
  TCanvas* Canvas() const { return canvas_.get(); }
  // Clears the canvas's record and, for the owner-drawn styles, draws every item that fits
  // in the client area with DrawItem, the brush and font set as the host sets them: the
  // selection colours for a selected item, the list's own otherwise.
  void Repaint() override;

  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

protected:
  // For lists whose items carry more state (check list boxes).
  TCustomListBox(TComponent* owner, std::unique_ptr<TStringList> items);
  int BorderExtent() const override;
  void FontChanged() override;
  TStringList* ItemList() const { return items_.get(); }
  // OnDrawItem when set; otherwise the brush fills `rect` and the text follows 2 pixels in.
  virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);

private:
  void ItemsChanged();

  std::unique_ptr<TStringList> items_;
  std::unique_ptr<TCanvas> canvas_;
  std::vector<bool> selected_;
  int itemIndex_ = -1;
  bool multiSelect_ = false;
  bool extendedSelect_ = true;
  TBorderStyle borderStyle_ = bsSingle;
  int columns_ = 0;
  bool integralHeight_ = false;
  int itemHeight_ = 16;
  TListBoxStyle style_ = lbStandard;
  int tabWidth_ = 0;
};

class TListBox : public TCustomListBox {
  VCL_CLASS(TListBox, TCustomListBox)
  explicit TListBox(TComponent* owner) : TCustomListBox(owner) {}
};

// ---- Containers and texts

// A frame with a caption around a group of controls.
class TCustomGroupBox : public TCustomControl {
  VCL_CLASS(TCustomGroupBox, TCustomControl)
  explicit TCustomGroupBox(TComponent* owner);
  // Below the caption and inside the frame.
  void AdjustClientRect(TRect& rect) const override;
  // A file that gives a group box's client size (as Lazarus writes it) places the children
  // from that client area: it lies inside the frame and below the caption, and the
  // children's positions count from its corner.
  void DeclareClientSize(int width, int height);
  TRect ClientRect() const override;
  // Lazarus's "ClientWidth" and "ClientHeight": the size is declared once both are read.
  bool ReadUnpublishedProperty(std::string_view name, const TUnpublishedValue& value) override;

protected:
  void Paint() override;
  void FontChanged() override;

private:
  // The frame's width on each side (Left, Top, Right, Bottom) once a client size is declared.
  std::optional<TRect> frame_;
  std::optional<int> fileClientWidth_, fileClientHeight_;
};

class TGroupBox : public TCustomGroupBox {
  VCL_CLASS(TGroupBox, TCustomGroupBox)
  using TCustomGroupBox::TCustomGroupBox;
};

// A text in a window of its own (it can have a border and take part in the tab order).
// With AutoSize it is as large as its caption plus 4 pixels each way.
class TCustomStaticText : public TWinControl {
  VCL_CLASS(TCustomStaticText, TWinControl)
  explicit TCustomStaticText(TComponent* owner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value) { alignment_ = value; }
  void SetAutoSize(bool value) override;
  TStaticBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TStaticBorderStyle value) { borderStyle_ = value; }
  TWinControl* FocusControl() const { return focusControl_.get(); }
  void SetFocusControl(TWinControl* value) { focusControl_.Set(value); }
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool value) { showAccelChar_ = value; }

protected:
  void AdjustBounds();
  void TextChanged() override { AdjustBounds(); }
  void FontChanged() override;

private:
  TAlignment alignment_ = taLeftJustify;
  TStaticBorderStyle borderStyle_ = sbsNone;
  TComponentRef<TWinControl> focusControl_{this};
  bool showAccelChar_ = true;
};

class TStaticText : public TCustomStaticText {
  VCL_CLASS(TStaticText, TCustomStaticText)
  using TCustomStaticText::TCustomStaticText;
};

}  // namespace vcl
