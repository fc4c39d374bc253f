// The Name property editor: its attributes, the stored-prefix branch with its numbering, and
// the "Add component prefix" dialog for a class without a prefix.
#include "prefix/NameEditor.h"
#include "prefix/dlgPrefix.h"

#include "tests/prefix/prefix_fixture.h"
#include "vcl/keyboard.h"

using namespace vcl;

namespace {

std::string FormWith(const std::string& components) {
  return "object Form1: TForm1\n  Left = 0\n  Top = 0\n  Width = 300\n  Height = 200\n" + components + "end\n";
}
std::string Button(const std::string& name) {
  return "  object " + name + ": TButton\n    Left = 8\n    Top = 8\n    Width = 75\n    Height = 25\n"
         "    TabOrder = 0\n  end\n";
}

std::string Label(const std::string& name) {
  return "  object " + name + ": TLabel\n    Left = 8\n    Top = 40\n    Width = 30\n    Height = 13\n  end\n";
}

class NameEditor : public prefix_test::PrefixIdeTest {
protected:
  void Open(const std::string& form, const std::string& file = "Form1.dfm") {
    Write(file, form);
    designer_ = ide::TFormDesigner::Open(Path(file));
  }
  std::unique_ptr<host::TPropertyEditor> EditorOf(const std::string& name) {
    TComponent* component = designer_->FindComponent(name);
    EXPECT_NE(component, nullptr) << name;
    return ide_->Editors().GetPropertyEditor({component}, GetPropInfo(component, "Name"), designer_.get());
  }
  // Presses the ellipsis of the component's Name; returns the component's name after it.
  std::string Edit(const std::string& name) {
    TComponent* component = designer_->FindComponent(name);
    EditorOf(name)->Edit();
    return component->Name();
  }
};

TEST_F(NameEditor, IsRegisteredForEveryComponentWithTheDialogAttributeAlone) {
  Open(FormWith(Button("Button1")));
  auto editor = EditorOf("Button1");
  ASSERT_NE(dynamic_cast<zolt::TNameEditor*>(editor.get()), nullptr);
  EXPECT_EQ(editor->GetAttributes(), 4u);
  EXPECT_EQ(editor->GetValue(), "Button1");
  EXPECT_NE(dynamic_cast<zolt::TNameEditor*>(EditorOf("Form1").get()), nullptr);
}

TEST_F(NameEditor, TypedNamesGoThroughTheHostsChecks) {
  Open(FormWith(Button("Button1") + Button("Button2")));
  auto editor = EditorOf("Button1");
  editor->SetValue("btnSave");
  EXPECT_EQ(designer_->FindComponent("btnSave"), editor->GetComponent(0));
  EXPECT_TRUE(designer_->IsModified());
  EXPECT_THROW(editor->SetValue("button2"), EComponentError) << "taken, ignoring case";
  EXPECT_THROW(editor->SetValue("1st"), EComponentError);
  EXPECT_EQ(editor->GetValue(), "btnSave");
}

TEST_F(NameEditor, ANameStartingWithThePrefixIsKeptWithoutNotifyingTheDesigner) {
  Store("TButton", "btn");
  Open(FormWith(Button("btnSave")));
  EXPECT_EQ(Edit("btnSave"), "btnSave");
  EXPECT_FALSE(designer_->IsModified());
}

TEST_F(NameEditor, TheBarePrefixComesFirstThenTheFirstFreeNumber) {
  Store("TButton", "btn");
  Open(FormWith(Button("Button1") + Button("btn") + Button("btn1") + Button("Button2") + Button("Button3")));
  EXPECT_EQ(Edit("Button1"), "btn2");
  EXPECT_TRUE(designer_->IsModified());
  EXPECT_EQ(Edit("Button2"), "btn3");
  designer_->FindComponent("btn")->SetName("Other");
  EXPECT_EQ(Edit("Button3"), "btn") << "the bare prefix is free again";
}

TEST_F(NameEditor, NumberingTakesTheFirstGapAndComparesNamesExactly) {
  Store("TButton", "btn");
  Open(FormWith(Button("Button1") + Button("btn2")));
  EXPECT_EQ(Edit("Button1"), "btn") << "with only btn2 taken";

  Open(FormWith(Button("Button1") + Button("btn") + Button("btn2")), "Form2.dfm");
  EXPECT_EQ(Edit("Button1"), "btn1");

  // BTN does not count as btn; the host then refuses btn, which differs only in case.
  Open(FormWith(Button("Button1") + Button("BTN")), "Form3.dfm");
  EXPECT_THROW(Edit("Button1"), EComponentError);
  EXPECT_NE(designer_->FindComponent("Button1"), nullptr);
}

TEST_F(NameEditor, NumbersGivenUpBetweenEditsAreFreeAgain) {
  Store("TButton", "btn");
  Store("TLabel", "lbl");
  Open(FormWith(Button("btn") + Button("Button1") + Button("Button2") + Button("Button3") + Button("Button4") +
                Label("lbl") + Button("lbl1") + Label("Label1") + Label("Label2")));
  EXPECT_EQ(Edit("Button1"), "btn1");
  EXPECT_EQ(Edit("Button2"), "btn2");
  designer_->FindComponent("btn1")->SetName("Other");
  EXPECT_EQ(Edit("Button3"), "btn1") << "renamed elsewhere";
  designer_->FindComponent("btn2")->Free();
  EXPECT_EQ(Edit("Button4"), "btn2") << "destroyed";

  EXPECT_EQ(Edit("Label1"), "lbl2");
  EXPECT_EQ(Edit("lbl1"), "btn3") << "a button that had a label's name";
  EXPECT_EQ(Edit("Label2"), "lbl1") << "the name the button gave up";
}

TEST_F(NameEditor, TheDesignedFormUsesThePrefixOfTFormWithoutNumbering) {
  Store("TForm", "frm");
  Store("TForm1", "f");
  Open(FormWith(Button("frm")));
  designer_->FindComponent("frm")->SetName("Other");  // a component may not share the form's name
  EXPECT_EQ(Edit("Form1"), "frm");
  EXPECT_EQ(designer_->GetRoot()->Name(), "frm");
}

TEST_F(NameEditor, ADataModuleUsesThePrefixOfTDataModuleWithoutNumbering) {
  Store("TDataModule", "dm");
  Write("Data1.pas", "unit Data1;\ninterface\nuses Classes;\ntype\n  TData1 = class(TDataModule)\n"
                     "  private\n  end;\nvar\n  Data1: TData1;\nimplementation\nend.\n");
  Open("object Data1: TData1\n  Left = 0\n  Top = 0\n  Height = 150\n  Width = 215\nend\n", "Data1.dfm");
  ASSERT_EQ(designer_->GetRoot()->Owner()->ClassName(), "TDataModuleForm");
  EXPECT_EQ(Edit("Data1"), "dm");
}

TEST_F(NameEditor, TheDialogAsksForThePrefixStoresItAndNamesTheComponent) {
  Open(FormWith(Button("Button1")));
  driver_.Do("inspect", [](TCustomForm& form) {
    auto& d = dynamic_cast<zolt::TdlgPrefix&>(form);
    EXPECT_EQ(d.Caption(), "Add component prefix");
    EXPECT_EQ(d.edtName->Text(), "TButton");
    EXPECT_TRUE(d.edtName->ReadOnly());
    EXPECT_FALSE(d.edtName->TabStop());
    EXPECT_EQ(d.ActiveControl(), d.edtPrefix);
    EXPECT_FALSE(d.btnOK->Enabled());
    EXPECT_TRUE(d.btnCancel->Cancel());
  });
  driver_.Type(" ");
  driver_.Do("a blank counts as text", [](TCustomForm& form) {
    EXPECT_TRUE(dynamic_cast<zolt::TdlgPrefix&>(form).btnOK->Enabled());
  });
  driver_.Enter("edtPrefix", "btn").Click("btnOK");
  EXPECT_EQ(Edit("Button1"), "btn");
  EXPECT_EQ(Stored("TButton"), "btn");
  EXPECT_TRUE(driver_.Finished());
}

TEST_F(NameEditor, InTheDialogBranchTheEditedComponentCountsAmongTheNames) {
  Open(FormWith("  object pnl: TPanel\n    Left = 0\n    Top = 0\n    Width = 100\n    Height = 50\n"
                "    TabOrder = 0\n  end\n"));
  driver_.Enter("edtPrefix", "pnl").Press(VK_RETURN);
  EXPECT_EQ(Edit("pnl"), "pnl1");
  EXPECT_EQ(Stored("TPanel"), "pnl");
}

TEST_F(NameEditor, APrefixInUseAsksNoKeepsTheDialogOpenAndYesStoresIt) {
  Store("TLabel", "lbl");
  Open(FormWith(Button("Button1")));
  driver_.Enter("edtPrefix", "lbl").Click("btnOK").Answer(mrNo);
  driver_.Do("still open with the typed prefix", [](TCustomForm& form) {
    EXPECT_EQ(form.ModalResult(), mrNone);
    EXPECT_EQ(dynamic_cast<zolt::TdlgPrefix&>(form).edtPrefix->Text(), "lbl");
  });
  driver_.Click("btnOK").Answer(mrYes);
  EXPECT_EQ(Edit("Button1"), "lbl");
  ASSERT_EQ(driver_.Messages().size(), 2u);
  EXPECT_EQ(driver_.Messages()[0].Text, "Prefix already in use by TLabel. Use anyway?");
  EXPECT_EQ(Stored("TButton"), "lbl");
}

TEST_F(NameEditor, CancelOrEscapeStoresNothingAndRenamesNothing) {
  Open(FormWith(Button("Button1")));
  driver_.Enter("edtPrefix", "btn").Click("btnCancel");
  EXPECT_EQ(Edit("Button1"), "Button1");
  driver_.Enter("edtPrefix", "btn").Press(VK_ESCAPE);
  EXPECT_EQ(Edit("Button1"), "Button1");
  EXPECT_EQ(Stored("TButton"), "(none)");
  EXPECT_FALSE(designer_->IsModified());
}

TEST_F(NameEditor, ARefusedNameInTheDialogBranchKeepsTheStoredPrefix) {
  Open(FormWith(Button("Button1")));
  driver_.Enter("edtPrefix", "1b").Click("btnOK");
  EXPECT_THROW(Edit("Button1"), EComponentError);
  EXPECT_EQ(Stored("TButton"), "1b");
  EXPECT_NE(designer_->FindComponent("Button1"), nullptr);
}

}  // namespace
