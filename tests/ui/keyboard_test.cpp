// Keys and typed characters routed as the host routes them on a form.
#include <gtest/gtest.h>

#include "vcl/checklst.h"
#include "vcl/forms.h"
#include "vcl/keyboard.h"
#include "vcl/spin.h"
#include "vcl/stdctrls.h"

using namespace vcl;

namespace {

template <class T>
T* Add(TForm& form, const std::string& name) {
  auto* control = new T(&form);
  control->SetName(name);
  control->SetParent(&form);
  return control;
}

// A dialog: an edit, OK (default) and Cancel (cancel) buttons.
struct Dialog : ::testing::Test {
  TForm form{nullptr};
  TEdit* edit = Add<TEdit>(form, "edtName");
  TButton* ok = Add<TButton>(form, "btnOK");
  TButton* cancel = Add<TButton>(form, "btnCancel");
  std::vector<std::string> log;

  Dialog() {
    form.SetName("Form1");
    edit->SetText("");
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    ok->OnClick = [this](TObject*) { log.push_back("ok"); };
    cancel->OnClick = [this](TObject*) { log.push_back("cancel"); };
    edit->OnKeyDown = [this](TObject*, Word& key, TShiftState) { log.push_back("down " + std::to_string(key)); };
    edit->OnKeyPress = [this](TObject*, char32_t& ch) { log.push_back("press " + std::to_string(ch)); };
    edit->OnKeyUp = [this](TObject*, Word& key, TShiftState) { log.push_back("up " + std::to_string(key)); };
    edit->SetFocus();
  }
};

}  // namespace

TEST_F(Dialog, EnterPressesTheDefaultButtonAndSendsNoCharacter) {
  PressKey(form, VK_RETURN);
  EXPECT_EQ(log, (std::vector<std::string>{"down 13", "ok", "up 13"}));
  EXPECT_EQ(form.ModalResult(), mrOk);
}

TEST_F(Dialog, WithoutADefaultButtonEnterReachesTheControlAndChangesNothing) {
  ok->SetDefault(false);
  edit->SetText("abc");
  PressKey(form, VK_RETURN);
  EXPECT_EQ(log, (std::vector<std::string>{"down 13", "press 13", "up 13"}));
  EXPECT_EQ(edit->Text(), "abc");
  EXPECT_EQ(form.ModalResult(), mrNone);
}

TEST_F(Dialog, AFocusedButtonTakesEnterItselfAndADisabledDefaultIsSkipped) {
  cancel->SetFocus();
  PressKey(form, VK_RETURN);
  EXPECT_EQ(log, (std::vector<std::string>{"cancel"}));
  EXPECT_EQ(form.ModalResult(), mrCancel);
  log.clear();
  edit->SetFocus();
  ok->SetEnabled(false);
  PressKey(form, VK_RETURN);
  EXPECT_EQ(log, (std::vector<std::string>{"down 13", "press 13", "up 13"}));
}

TEST_F(Dialog, AKeyDownHandlerThatClearsTheKeyStopsDialogKeysAndTheCharacter) {
  edit->OnKeyDown = [this](TObject*, Word& key, TShiftState) {
    log.push_back("down " + std::to_string(key));
    key = 0;
  };
  PressKey(form, VK_RETURN);
  TypeChar(form, U'x');
  EXPECT_EQ(log, (std::vector<std::string>{"down 13", "up 13", "down 88", "up 88"}));
  EXPECT_EQ(form.ModalResult(), mrNone);
  EXPECT_EQ(edit->Text(), "");
}

TEST_F(Dialog, AKeyPressHandlerMayClearOrChangeTheCharacter) {
  edit->OnKeyPress = [](TObject*, char32_t& ch) {
    if (ch == U'x') ch = 0;
    if (ch == U'a') ch = U'b';
  };
  TypeText(form, "xax");
  EXPECT_EQ(edit->Text(), "b");
}

TEST_F(Dialog, EscPressesTheCancelButtonButNotWithModifiers) {
  PressKey(form, VK_ESCAPE, ShiftOf(ssShift));
  EXPECT_EQ(form.ModalResult(), mrNone);
  PressKey(form, VK_ESCAPE);
  EXPECT_EQ(form.ModalResult(), mrCancel);
  EXPECT_EQ(log.back(), "up 27");
}

TEST_F(Dialog, TabMovesTheFocusInTabOrderSkippingWhatCannotTakeIt) {
  std::vector<std::string> focus;
  for (TWinControl* c : std::vector<TWinControl*>{edit, ok, cancel}) {
    c->OnEnter = [&focus, c](TObject*) { focus.push_back("enter " + c->Name()); };
    c->OnExit = [&focus, c](TObject*) { focus.push_back("exit " + c->Name()); };
  }
  PressKey(form, VK_TAB);
  EXPECT_EQ(form.ActiveControl(), ok);
  EXPECT_EQ(focus, (std::vector<std::string>{"exit edtName", "enter btnOK"}));
  cancel->SetVisible(false);
  PressKey(form, VK_TAB);
  EXPECT_EQ(form.ActiveControl(), edit);  // wrapped around, past the hidden button
  PressKey(form, VK_TAB, ShiftOf(ssShift));
  EXPECT_EQ(form.ActiveControl(), ok);
  ok->SetTabOrder(0);
  ok->SetTabStop(false);
  edit->SetFocus();
  PressKey(form, VK_TAB);
  EXPECT_EQ(form.ActiveControl(), edit);  // the only tab stop left
}

TEST_F(Dialog, TypingReplacesTheSelectionAndBackspaceAndDeleteEdit) {
  TypeText(form, "Hallo");
  EXPECT_EQ(edit->Text(), "Hallo");
  EXPECT_EQ(edit->SelStart(), 5);
  edit->SetSelStart(1);
  edit->SetSelLength(1);
  EXPECT_EQ(edit->SelText(), "a");
  TypeText(form, "e");
  EXPECT_EQ(edit->Text(), "Hello");
  PressKey(form, VK_BACK);
  EXPECT_EQ(edit->Text(), "Hllo");
  PressKey(form, VK_DELETE);
  EXPECT_EQ(edit->Text(), "Hlo");
  PressKey(form, VK_HOME);
  PressKey(form, VK_BACK);  // nothing before the caret
  EXPECT_EQ(edit->Text(), "Hlo");
  edit->SelectAll();
  TypeText(form, "Grüße");
  EXPECT_EQ(edit->Text(), "Grüße");
  EXPECT_EQ(edit->SelStart(), 5);
}

TEST_F(Dialog, MaxLengthReadOnlyAndOnChange) {
  int changes = 0;
  edit->OnChange = [&](TObject*) { ++changes; };
  edit->SetMaxLength(3);
  TypeText(form, "abcd");
  EXPECT_EQ(edit->Text(), "abc");
  EXPECT_EQ(changes, 3);
  edit->SetReadOnly(true);
  TypeText(form, "x");
  PressKey(form, VK_BACK);
  EXPECT_EQ(edit->Text(), "abc");
}

TEST_F(Dialog, AMemoWantsEnterWhileItWantsReturns) {
  auto* memo = Add<TMemo>(form, "Memo1");
  memo->SetText("");
  memo->SetFocus();
  TypeText(form, "a");
  PressKey(form, VK_RETURN);
  TypeText(form, "b");
  EXPECT_EQ(memo->Lines()->Count(), 2);
  EXPECT_EQ(memo->Lines()->Strings(1), "b");
  EXPECT_EQ(form.ModalResult(), mrNone);
  memo->SetWantReturns(false);
  PressKey(form, VK_RETURN);
  EXPECT_EQ(form.ModalResult(), mrOk);
}

TEST_F(Dialog, AFormThatPreviewsKeysSeesThemFirst) {
  form.SetKeyPreview(true);
  form.OnKeyDown = [this](TObject* sender, Word& key, TShiftState) {
    log.push_back(sender == &form ? "form down" : "?");
    if (key == VK_ESCAPE) key = 0;
  };
  PressKey(form, VK_ESCAPE);
  EXPECT_EQ(log, (std::vector<std::string>{"form down", "up 27"}));
  EXPECT_EQ(form.ModalResult(), mrNone);
}

TEST_F(Dialog, SpaceClicksAFocusedButtonAndTogglesACheckBox) {
  auto* check = Add<TCheckBox>(form, "chkFit");
  check->SetFocus();
  PressKey(form, VK_SPACE);
  EXPECT_TRUE(check->Checked());
  cancel->SetFocus();
  PressKey(form, VK_SPACE);
  EXPECT_EQ(form.ModalResult(), mrCancel);
}

TEST_F(Dialog, ASpinEditTakesDigitsAndStepsWithTheArrows) {
  auto* spin = Add<TSpinEdit>(form, "speColumns");
  spin->SetMaxValue(10);
  spin->SetValue(2);
  spin->SetFocus();
  spin->SelectAll();
  TypeText(form, "x7");
  EXPECT_EQ(spin->Text(), "7");
  PressKey(form, VK_UP);
  EXPECT_EQ(spin->Value(), 8);
}

TEST_F(Dialog, ComboBoxesEditTheirTextOrSelectByKey) {
  auto* combo = Add<TComboBox>(form, "cbxKind");
  combo->Items()->SetCommaText("Apple,Banana,Cherry,Blueberry");
  combo->SetText("");
  int changes = 0;
  combo->OnChange = [&](TObject*) { ++changes; };
  combo->SetFocus();
  TypeText(form, "Banana");
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(changes, 6);
  PressKey(form, VK_DOWN);
  EXPECT_EQ(combo->Text(), "Cherry");
  EXPECT_EQ(changes, 7);
  PressKey(form, VK_F4);
  EXPECT_TRUE(combo->DroppedDown());
  PressKey(form, VK_RETURN);  // closes the list, not the dialog
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(form.ModalResult(), mrNone);
  combo->SetStyle(csDropDownList);
  TypeChar(form, U'b');
  EXPECT_EQ(combo->Text(), "Blueberry");  // the next item after Cherry starting with B
  TypeChar(form, U'b');
  EXPECT_EQ(combo->Text(), "Banana");
}

TEST_F(Dialog, SpaceTogglesTheSelectedItemOfACheckListBox) {
  auto* list = Add<TCheckListBox>(form, "lstControls");
  list->Items()->SetCommaText("Edit1,Edit2");
  int clicks = 0;
  list->OnClickCheck = [&](TObject*) { ++clicks; };
  list->SetFocus();
  PressKey(form, VK_DOWN);
  EXPECT_EQ(list->ItemIndex(), 0);
  PressKey(form, VK_SPACE);
  EXPECT_TRUE(list->Checked(0));
  EXPECT_EQ(clicks, 1);
}
