// Code references in a form's unit following renamed components: what counts as a reference
// and what never does.
#include <gtest/gtest.h>

#include "ide/unit_sync.h"

namespace {

using ide::TUnitSource;

std::string Unit(const std::string& implementation) {
  return "unit Unit1;\r\n\r\ninterface\r\n\r\nuses Forms, StdCtrls;\r\n\r\ntype\r\n"
         "  TForm1 = class(TForm)\r\n    Button1: TButton;\r\n    Edit1: TEdit;\r\n"
         "    procedure Button1Click(Sender: TObject);\r\n  end;\r\n\r\nvar\r\n  Form1: TForm1;\r\n\r\n"
         "implementation\r\n\r\n" +
         implementation + "\r\nend.\r\n";
}

// Renames Button1 to btnSave (field and references) and returns the implementation's text.
std::string Renamed(const std::string& implementation, int expected,
                    std::vector<std::pair<std::string, std::string>> renames = {{"Button1", "btnSave"}}) {
  TUnitSource unit("Unit1.pas", Unit(implementation), "TForm1");
  EXPECT_TRUE(unit.Found()) << unit.Warning();
  for (const auto& [from, to] : renames) unit.RenameField(from, to);
  EXPECT_EQ(unit.RenameReferences(renames, "Form1"), expected);
  const std::string& text = unit.Text();
  const auto begin = text.find("implementation\r\n\r\n") + 18;
  return text.substr(begin, text.size() - begin - 8);  // without "\r\nend.\r\n"
}

TEST(UnitReferences, DesignatorsSelfAndTheFormVariableFollowIgnoringCase) {
  EXPECT_EQ(Renamed("procedure TForm1.Button1Click(Sender: TObject);\r\nbegin\r\n"
                    "  Button1.Caption := 'x';\r\n  BUTTON1.Enabled := Self.Button1.Visible;\r\n"
                    "  Form1.button1.Hide;\r\n  with Form1 do Button1.Show;\r\nend;\r\n",
                    5),
            "procedure TForm1.Button1Click(Sender: TObject);\r\nbegin\r\n"
            "  btnSave.Caption := 'x';\r\n  btnSave.Enabled := Self.btnSave.Visible;\r\n"
            "  Form1.btnSave.Hide;\r\n  with Form1 do btnSave.Show;\r\nend;\r\n");
}

TEST(UnitReferences, StringsCommentsDirectivesLongerNamesAndOtherQualifiersStay) {
  const std::string code =
      "procedure TForm1.Button1Click(Sender: TObject);\r\nbegin\r\n"
      "  ShowMessage('Button1'); { Button1 } // Button1\r\n  (* Button1 *) {$IFDEF Button1} {$ENDIF}\r\n"
      "  Button1Click(nil); Other.Button1 := 1; Self.Edit1.Button1 := 2;\r\nend;\r\n";
  EXPECT_EQ(Renamed(code, 0), code);
}

TEST(UnitReferences, ALocalNameOrParameterShadowsTheComponent) {
  const std::string code =
      "procedure TForm1.Button1Click(Sender: TObject);\r\nvar\r\n  Button1: Integer;\r\nbegin\r\n"
      "  Button1 := 1;\r\n  Self.Button1.Caption := 'x';\r\nend;\r\n\r\n"
      "procedure Helper(Button1: TObject);\r\nbegin\r\n  Button1.Free;\r\nend;\r\n";
  EXPECT_EQ(Renamed(code, 1),
            "procedure TForm1.Button1Click(Sender: TObject);\r\nvar\r\n  Button1: Integer;\r\nbegin\r\n"
            "  Button1 := 1;\r\n  Self.btnSave.Caption := 'x';\r\nend;\r\n\r\n"
            "procedure Helper(Button1: TObject);\r\nbegin\r\n  Button1.Free;\r\nend;\r\n");
}

TEST(UnitReferences, NestedRoutinesSeeTheFieldsAndOtherClassesOnlyThroughTheFormVariable) {
  EXPECT_EQ(Renamed("type\r\n  THelper = class\r\n    Button1: TObject;\r\n    procedure Run;\r\n  end;\r\n\r\n"
                    "procedure THelper.Run;\r\nbegin\r\n  Button1 := nil;\r\n  Self.Button1 := nil;\r\n"
                    "  Form1.Button1.Click;\r\nend;\r\n\r\n"
                    "procedure TForm1.Button1Click(Sender: TObject);\r\n"
                    "  procedure Inner;\r\n  begin\r\n    Button1.Click;\r\n  end;\r\n"
                    "begin\r\n  try Inner; finally Button1.Tag := 0; end;\r\n  case 1 of 1: Button1.Tag := 1; end;\r\n"
                    "  Button1.Hide;\r\nend;\r\n\r\ninitialization\r\n  Form1.Button1.Tag := 3;\r\n",
                    6),
            "type\r\n  THelper = class\r\n    Button1: TObject;\r\n    procedure Run;\r\n  end;\r\n\r\n"
            "procedure THelper.Run;\r\nbegin\r\n  Button1 := nil;\r\n  Self.Button1 := nil;\r\n"
            "  Form1.btnSave.Click;\r\nend;\r\n\r\n"
            "procedure TForm1.Button1Click(Sender: TObject);\r\n"
            "  procedure Inner;\r\n  begin\r\n    btnSave.Click;\r\n  end;\r\n"
            "begin\r\n  try Inner; finally btnSave.Tag := 0; end;\r\n  case 1 of 1: btnSave.Tag := 1; end;\r\n"
            "  btnSave.Hide;\r\nend;\r\n\r\ninitialization\r\n  Form1.btnSave.Tag := 3;\r\n");
}

TEST(UnitReferences, RenamesApplyAtOnceSoThatAChainDoesNotMixThemUp) {
  EXPECT_EQ(Renamed("procedure TForm1.Button1Click(Sender: TObject);\r\nbegin\r\n"
                    "  Button1.Tag := Edit1.Tag;\r\nend;\r\n",
                    2, {{"Edit1", "edtName"}, {"Button1", "Edit1"}}),
            "procedure TForm1.Button1Click(Sender: TObject);\r\nbegin\r\n"
            "  Edit1.Tag := edtName.Tag;\r\nend;\r\n");
}

TEST(UnitReferences, AUnitThatCannotBeLexedIsLeftAlone) {
  TUnitSource unit("Unit1.pas", Unit("procedure X;\r\nbegin\r\n  { never closed\r\n"), "TForm1");
  EXPECT_FALSE(unit.Found());
  EXPECT_EQ(unit.RenameReferences({{"Button1", "btnSave"}}, "Form1"), 0);
  EXPECT_FALSE(unit.Modified());
}

}  // namespace
