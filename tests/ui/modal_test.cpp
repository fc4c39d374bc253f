// Modal forms, message boxes and file dialogs through the scripted driver, and dialogs
// streamed from layouts.
#include <gtest/gtest.h>

#include "ide/scripted_driver.h"
#include "package/ZoltAbout.h"
#include "vcl/class_builder.h"
#include "vcl/dialogs.h"
#include "vcl/forms.h"
#include "vcl/keyboard.h"
#include "vcl/stdctrls.h"
#include "vcl/streaming/layout.h"

using namespace vcl;

namespace {

// A dialog class of the tests' own, streamed from a layout.
class TdlgAsk : public TForm {
  VCL_CLASS(TdlgAsk, TForm)
  explicit TdlgAsk(TComponent* owner, std::string_view layout) : TForm(owner) {
    ReadLayoutText(this, layout, "dlgAsk.dfm");
    DoCreate();
  }
  void FormCreate(TObject*) { events.push_back("create"); }
  void FormDestroy(TObject*) { events.push_back("destroy"); }
  void btnAskClick(TObject*) {
    events.push_back(MessageDlg("Sure?", mtConfirmation, mbYesNo, 0) == mrYes ? "yes" : "no");
  }
  TEdit* edtName = nullptr;
  TButton* btnOK = nullptr;
  static inline std::vector<std::string> events;
};

TClass TdlgAsk::ClassInfo() {
  static TClass cls = TClassBuilder<TdlgAsk>("TdlgAsk", TForm::ClassInfo())
                          .Field("edtName", &TdlgAsk::edtName)
                          .Field("btnOK", &TdlgAsk::btnOK)
                          .Method("FormCreate", &TdlgAsk::FormCreate)
                          .Method("FormDestroy", &TdlgAsk::FormDestroy)
                          .Method("btnAskClick", &TdlgAsk::btnAskClick)
                          .Build();
  return cls;
}

constexpr std::string_view kLayout = R"(object dlgAsk: TdlgAsk
  Caption = 'Ask'
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  object edtName: TEdit
    Left = 8
    Top = 8
    TabOrder = 0
    Text = 'start'
  end
  object btnAsk: TButton
    Left = 8
    Top = 40
    Caption = '&Ask'
    TabOrder = 1
    OnClick = btnAskClick
  end
  object btnOK: TButton
    Left = 88
    Top = 40
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 2
  end
end
)";

struct ModalTest : ::testing::Test {
  ide::TScriptedDriver driver;
  ModalTest() { TdlgAsk::events.clear(); }
};

}  // namespace

TEST_F(ModalTest, ALayoutBindsFieldsAndHandlersAndTheDialogRunsItsEvents) {
  auto* dialog = new TdlgAsk(nullptr, kLayout);
  ASSERT_NE(dialog->edtName, nullptr);
  EXPECT_EQ(dialog->edtName->Text(), "start");
  EXPECT_EQ(dialog->btnOK->Caption(), "OK");
  EXPECT_EQ(dialog->Caption(), "Ask");
  driver.Click("btnAsk").Answer(mrYes).Click("btnAsk").Answer(mrNo).Enter("edtName", "Zol").Press(VK_RETURN);
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_EQ(dialog->edtName->Text(), "Zol");
  ASSERT_EQ(driver.Messages().size(), 2u);
  EXPECT_EQ(driver.Messages()[0].Text, "Sure?");
  EXPECT_EQ(driver.Messages()[1].Answer, mrNo);
  EXPECT_TRUE(driver.Finished());
  dialog->Free();
  EXPECT_EQ(TdlgAsk::events, (std::vector<std::string>{"create", "yes", "no", "destroy"}));
}

TEST_F(ModalTest, ALayoutNamingAMissingHandlerIsRefusedWithItsPosition) {
  std::string layout(kLayout);
  layout.replace(layout.find("btnAskClick"), 11, "btnGoneClick");
  try {
    TdlgAsk dialog(nullptr, layout);
    FAIL() << "no error";
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Message(), "dlgAsk.dfm:16:5: Error reading btnAsk.OnClick: method btnGoneClick not found in TdlgAsk");
  }
}

TEST_F(ModalTest, TheCloseBoxGivesCancelAndOnCloseQueryMayKeepTheFormOpen) {
  TForm form(nullptr);
  form.SetName("Form1");
  int asked = 0;
  form.OnCloseQuery = [&](TObject*, bool& canClose) { canClose = ++asked > 1; };
  driver.CloseForm().CloseForm();
  EXPECT_EQ(form.ShowModal(), mrCancel);
  EXPECT_EQ(asked, 2);
  EXPECT_FALSE(form.Visible());
}

TEST_F(ModalTest, ARunOutScriptOrAWrongAnswerIsAnErrorNotAHang) {
  TForm form(nullptr);
  form.SetName("Form1");
  try {
    form.ShowModal();
    FAIL() << "no error";
  } catch (const EInvalidOperation& e) {
    EXPECT_EQ(e.Message(), "The window Form1 waits for the user, but the script has nothing left");
  }
  EXPECT_FALSE(form.Modal());
  driver.Answer(mrCancel);
  EXPECT_THROW(MessageDlg("Delete?", mtConfirmation, mbYesNo, 0), EInvalidOperation);
  EXPECT_THROW(MessageDlg("Unasked", mtError, MsgDlgButtonOf(mbOK), 0), EInvalidOperation);
}

TEST_F(ModalTest, FileDialogsTakeTheScriptedChoice) {
  TOpenDialog open(nullptr);
  TSaveDialog save(nullptr);
  driver.ChooseFile("/tmp/prefixes.txt").CancelFile();
  EXPECT_TRUE(open.Execute());
  EXPECT_EQ(open.FileName(), "/tmp/prefixes.txt");
  EXPECT_FALSE(save.Execute());
  EXPECT_THROW(open.Execute(), EInvalidOperation);
}

TEST_F(ModalTest, TheAboutBoxShowsItsPictureAndClosesWithOK) {
  TForm owner(nullptr);
  driver.Do("look at the box", [](TCustomForm& form) {
    auto& about = dynamic_cast<zolt::TdlgZoltAbout&>(form);
    EXPECT_EQ(about.Caption(), "About Zol-t");
    EXPECT_EQ(about.BorderStyle(), bsDialog);
    EXPECT_EQ(about.ClientWidth(), 160);
    EXPECT_EQ(about.imgZolt->Picture()->Bitmap()->Width(), 159);
    EXPECT_EQ(about.imgZolt->Picture()->Bitmap()->Height(), 95);
    EXPECT_TRUE(about.imgZolt->Transparent());
    EXPECT_EQ(about.lblProgramming->Caption(), "Programming");
    EXPECT_EQ(about.lblVersion->Caption(), "0.9ß");
    EXPECT_EQ(about.btnOK->ModalResult(), mrOk);
    EXPECT_EQ(about.Owner(), form.Owner());
    EXPECT_EQ(about.ActiveControl(), about.btnOK);
  });
  driver.Press(VK_RETURN).CloseForm();
  zolt::ShowZoltAbout(&owner);
  EXPECT_EQ(owner.ComponentCount(), 0);  // freed after closing
  zolt::ShowZoltAbout(&owner);           // a fresh box each time, closed by its close box
  EXPECT_EQ(owner.ComponentCount(), 0);
  EXPECT_EQ(driver.FormsShown(), (std::vector<std::string>{"dlgZoltAbout", "dlgZoltAbout"}));
}
