// Keeping a form's unit in step: given a unit, running an edit, produces exactly this text.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "ide/unit_sync.h"

using namespace ide;

namespace {

const std::string kUnit =
    "unit Unit1;\n"
    "\n"
    "interface\n"
    "\n"
    "uses\n"
    "  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs, StdCtrls;\n"
    "\n"
    "type\n"
    "  TForm1 = class(TForm)\n"
    "    Button1: TButton;\n"
    "    Label1: TLabel;\n"
    "    procedure Button1Click(Sender: TObject);\n"
    "  private\n"
    "    Label2: TLabel;\n"
    "  public\n"
    "    { Public declarations }\n"
    "  end;\n"
    "\n"
    "var\n"
    "  Form1: TForm1;\n"
    "\n"
    "implementation\n"
    "\n"
    "{$R *.DFM}\n"
    "\n"
    "procedure TForm1.Button1Click(Sender: TObject);\n"
    "begin\n"
    "  Label1.Caption := 'Button1: TButton;';\n"
    "end;\n"
    "\n"
    "end.\n";

// `text` with the single occurrence of `from` replaced by `to`.
std::string With(std::string text, const std::string& from, const std::string& to) {
  const auto at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  EXPECT_EQ(text.find(from, at + 1), std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

std::string Crlf(const std::string& lf) {
  std::string out;
  for (char c : lf) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

// A unit whose form class declaration is `declaration` (its lines, up to and including "end;").
std::string UnitWith(const std::string& declaration) {
  return "unit Unit1;\n\ninterface\n\ntype\n" + declaration + "\nimplementation\n\nend.\n";
}

std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const vcl::Exception& e) {
    return e.what();
  }
  return {};
}

}  // namespace

TEST(UnitSource, FindsTheDeclarationAndItsComponentFields) {
  TUnitSource unit("Unit1.pas", kUnit, "tform1");
  EXPECT_TRUE(unit.Found());
  EXPECT_EQ(unit.Warning(), "");
  EXPECT_EQ(unit.FieldNames(), (std::vector<std::string>{"Button1", "Label1"}));
  EXPECT_FALSE(unit.Modified());
  EXPECT_EQ(unit.Text(), kUnit);

  // Any ancestor, qualified or with interfaces; a forward declaration is skipped.
  TUnitSource module("DM.pas", UnitWith("  TDM = class;\n  TDM = class(TDataModule)\n    Query1: TQuery;\n  end;\n"),
                     "TDM");
  EXPECT_EQ(module.FieldNames(), (std::vector<std::string>{"Query1"}));
  TUnitSource derived("U.pas",
                      UnitWith("  TForm2 = class ( Base.TBaseForm, IUnknown ) { fields: }\n"
                               "    Edit1 {first}, Edit2: StdCtrls.TEdit; Grid: array[0..1] of TPanel;\n"
                               "  end;\n"),
                      "TForm2");
  EXPECT_EQ(derived.FieldNames(), (std::vector<std::string>{"Edit1", "Edit2", "Grid"}));
}

TEST(UnitSource, RenamesOnlyTheDeclaredField) {
  TUnitSource unit("Unit1.pas", kUnit, "TForm1");
  EXPECT_TRUE(unit.RenameField("BUTTON1", "btnSave"));
  // The handler's name, the string and the code stay as they are.
  EXPECT_EQ(unit.Text(), With(kUnit, "    Button1: TButton;\n", "    btnSave: TButton;\n"));
  EXPECT_TRUE(unit.Modified());
  EXPECT_EQ(unit.FieldNames(), (std::vector<std::string>{"btnSave", "Label1"}));

  // A field of a later section is not a component field; neither is a method.
  EXPECT_FALSE(unit.RenameField("Label2", "lblOther"));
  EXPECT_FALSE(unit.RenameField("Button1Click", "X"));
  EXPECT_FALSE(unit.RenameField("Button1", "X"));
  EXPECT_EQ(unit.Text(), With(kUnit, "    Button1: TButton;\n", "    btnSave: TButton;\n"));

  EXPECT_EQ(ErrorOf([&] { unit.RenameField("btnSave", "btn Save"); }), "'btn Save' is not a valid identifier");
  EXPECT_EQ(ErrorOf([&] { unit.RenameField("btnSave", "end"); }), "'end' is not a valid identifier");
}

TEST(UnitSource, EditsNamesInAFieldList) {
  const std::string unit = UnitWith(
      "  TForm1 = class(TForm)\n"
      "    Button1, Button2, Button3: TButton;\n"
      "    Edit1,\n"
      "    Edit2: TEdit;\n"
      "  end;\n");
  {
    TUnitSource u("U.pas", unit, "TForm1");
    EXPECT_TRUE(u.RenameField("Button2", "btnOk"));
    EXPECT_EQ(u.Text(), With(unit, "Button1, Button2, Button3", "Button1, btnOk, Button3"));
  }
  const auto removing = [&](const char* name) {
    TUnitSource u("U.pas", unit, "TForm1");
    EXPECT_TRUE(u.RemoveField(name)) << name;
    return u.Text();
  };
  EXPECT_EQ(removing("Button1"), With(unit, "Button1, Button2, Button3:", "Button2, Button3:"));
  EXPECT_EQ(removing("Button2"), With(unit, "Button1, Button2, Button3:", "Button1, Button3:"));
  EXPECT_EQ(removing("Button3"), With(unit, "Button1, Button2, Button3:", "Button1, Button2:"));
  EXPECT_EQ(removing("Edit1"), With(unit, "    Edit1,\n    Edit2: TEdit;\n", "    Edit2: TEdit;\n"));
  EXPECT_EQ(removing("Edit2"), With(unit, "    Edit1,\n    Edit2: TEdit;\n", "    Edit1: TEdit;\n"));
}

TEST(UnitSource, RemovesAFieldLine) {
  {
    TUnitSource u("Unit1.pas", kUnit, "TForm1");
    EXPECT_TRUE(u.RemoveField("label1"));
    EXPECT_EQ(u.Text(), With(kUnit, "    Label1: TLabel;\n", ""));
    EXPECT_FALSE(u.RemoveField("Label1"));
    EXPECT_FALSE(u.RemoveField("Label2"));
  }
  {
    TUnitSource u("Unit1.pas", Crlf(kUnit), "TForm1");
    EXPECT_TRUE(u.RemoveField("Button1"));
    EXPECT_EQ(u.Text(), With(Crlf(kUnit), "    Button1: TButton;\r\n", ""));
  }
  // A comment on the field's line goes with it; a field sharing its line leaves the rest.
  const std::string unit = UnitWith(
      "  TForm1 = class(TForm)\n"
      "    Button1: TButton; { the OK button }\n"
      "    Edit1: TEdit; Edit2: TEdit;\n"
      "    Label1: TLabel; Label2: TLabel; // captions\n"
      "  end;\n");
  const auto removing = [&](const char* name) {
    TUnitSource u("U.pas", unit, "TForm1");
    EXPECT_TRUE(u.RemoveField(name)) << name;
    return u.Text();
  };
  EXPECT_EQ(removing("Button1"), With(unit, "    Button1: TButton; { the OK button }\n", ""));
  EXPECT_EQ(removing("Edit1"), With(unit, "Edit1: TEdit; Edit2", "Edit2"));
  EXPECT_EQ(removing("Edit2"), With(unit, "Edit1: TEdit; Edit2: TEdit;", "Edit1: TEdit;"));
  EXPECT_EQ(removing("Label2"), With(unit, "Label1: TLabel; Label2: TLabel; //", "Label1: TLabel; //"));
}

TEST(UnitSource, AddsAFieldAfterTheLastOne) {
  {
    TUnitSource u("Unit1.pas", kUnit, "TForm1");
    EXPECT_TRUE(u.AddField("Edit1", "TEdit"));
    EXPECT_EQ(u.Text(), With(kUnit, "    Label1: TLabel;\n", "    Label1: TLabel;\n    Edit1: TEdit;\n"));
    EXPECT_FALSE(u.AddField("EDIT1", "TEdit"));  // already declared
    EXPECT_TRUE(u.AddField("Edit2", "TEdit"));
    EXPECT_EQ(u.FieldNames(), (std::vector<std::string>{"Button1", "Label1", "Edit1", "Edit2"}));
    EXPECT_EQ(ErrorOf([&] { u.AddField("Edit3", "TEdit; end"); }), "'TEdit; end' is not a valid identifier");
  }
  {
    TUnitSource u("Unit1.pas", Crlf(kUnit), "TForm1");
    EXPECT_TRUE(u.AddField("Edit1", "TEdit"));
    EXPECT_EQ(u.Text(), With(Crlf(kUnit), "    Label1: TLabel;\r\n", "    Label1: TLabel;\r\n    Edit1: TEdit;\r\n"));
  }
  const auto adding = [](const std::string& unit) {
    TUnitSource u("U.pas", unit, "TForm1");
    EXPECT_TRUE(u.AddField("Edit1", "TEdit"));
    return u.Text();
  };
  // The indentation of the existing fields, and after a comment that ends the last field's line.
  EXPECT_EQ(adding(UnitWith("TForm1 = class(TForm)\n\tButton1: TButton; // OK\nend;\n")),
            UnitWith("TForm1 = class(TForm)\n\tButton1: TButton; // OK\n\tEdit1: TEdit;\nend;\n"));
  // No fields yet: two blanks more than the class line, right after the class header's line.
  EXPECT_EQ(adding(UnitWith("  TForm1 = class(TForm) // main\n  private\n    FCount: Integer;\n  end;\n")),
            UnitWith("  TForm1 = class(TForm) // main\n    Edit1: TEdit;\n  private\n    FCount: Integer;\n  end;\n"));
  EXPECT_EQ(adding(UnitWith("  TForm1 = class(TForm)\n    procedure FormCreate(Sender: TObject);\n  end;\n")),
            UnitWith("  TForm1 = class(TForm)\n    Edit1: TEdit;\n    procedure FormCreate(Sender: TObject);\n  end;\n"));
  // A one-line class is opened after its header, with the unit's line break.
  EXPECT_EQ(adding("unit U;\r\ninterface\r\ntype TForm1 = class(TForm) end;\r\nimplementation\r\nend.\r\n"),
            "unit U;\r\ninterface\r\ntype TForm1 = class(TForm)\r\n  Edit1: TEdit; end;\r\nimplementation\r\nend.\r\n");
  // A field that shares its line with a method: the new field comes before the method.
  EXPECT_EQ(adding(UnitWith("  TForm1 = class(TForm)\n    Button1: TButton; procedure X;\n  end;\n")),
            UnitWith("  TForm1 = class(TForm)\n    Button1: TButton;\n    Edit1: TEdit; procedure X;\n  end;\n"));
}

TEST(UnitSource, RenamesTheClassAndItsVariableAsIdentifiersOnly) {
  const std::string unit =
      "unit Unit1;\r\n"
      "\r\n"
      "interface\r\n"
      "\r\n"
      "type\r\n"
      "  TForm1 = class(TForm)\r\n"
      "    Button1: TButton;\r\n"
      "    procedure Button1Click(Sender: TObject);\r\n"
      "    procedure Form1Create(Sender: TObject);\r\n"
      "  end;\r\n"
      "  TForm10 = class(TForm1);\r\n"
      "\r\n"
      "var\r\n"
      "  Form1: TForm1; { Form1 is the TForm1 instance }\r\n"
      "  MyForm1: TForm10;\r\n"
      "\r\n"
      "implementation\r\n"
      "\r\n"
      "{$R *.DFM} (*$IFDEF TForm1*) (*$ENDIF*)\r\n"
      "\r\n"
      "procedure tform1.Button1Click(Sender: TObject);\r\n"
      "begin\r\n"
      "  form1.Caption := 'Form1 of TForm1'#13'TForm1'; // TForm1 stays here\r\n"
      "  if Sender is TForm1 then (Sender as TForm1).Show else Unit1.Form1.Hide;\r\n"
      "end;\r\n"
      "\r\n"
      "procedure TForm1.Form1Create(Sender: TObject);\r\n"
      "begin\r\n"
      "end;\r\n"
      "\r\n"
      "end.\r\n";
  TUnitSource u("Unit1.pas", unit, "TForm1");
  EXPECT_FALSE(u.RenameClass("TForm2", "TfrmMain", "Form1", "frmMain"));
  EXPECT_FALSE(u.Modified());
  EXPECT_TRUE(u.RenameClass("TFORM1", "TfrmMain", "Form1", "frmMain"));
  EXPECT_EQ(u.Text(),
            "unit Unit1;\r\n"
            "\r\n"
            "interface\r\n"
            "\r\n"
            "type\r\n"
            "  TfrmMain = class(TForm)\r\n"
            "    Button1: TButton;\r\n"
            "    procedure Button1Click(Sender: TObject);\r\n"
            "    procedure Form1Create(Sender: TObject);\r\n"
            "  end;\r\n"
            "  TForm10 = class(TfrmMain);\r\n"
            "\r\n"
            "var\r\n"
            "  frmMain: TfrmMain; { Form1 is the TForm1 instance }\r\n"
            "  MyForm1: TForm10;\r\n"
            "\r\n"
            "implementation\r\n"
            "\r\n"
            "{$R *.DFM} (*$IFDEF TForm1*) (*$ENDIF*)\r\n"
            "\r\n"
            "procedure TfrmMain.Button1Click(Sender: TObject);\r\n"
            "begin\r\n"
            "  frmMain.Caption := 'Form1 of TForm1'#13'TForm1'; // TForm1 stays here\r\n"
            "  if Sender is TfrmMain then (Sender as TfrmMain).Show else Unit1.frmMain.Hide;\r\n"
            "end;\r\n"
            "\r\n"
            "procedure TfrmMain.Form1Create(Sender: TObject);\r\n"
            "begin\r\n"
            "end;\r\n"
            "\r\n"
            "end.\r\n");
  // The declaration is followed under its new name.
  EXPECT_EQ(u.FormClass(), "TfrmMain");
  EXPECT_TRUE(u.Found());
  EXPECT_TRUE(u.AddField("Edit1", "TEdit"));
  EXPECT_NE(u.Text().find("    Button1: TButton;\r\n    Edit1: TEdit;\r\n"), std::string::npos);

  // A unit that names no variable (a frame) keeps every other identifier.
  TUnitSource frame("F.pas", UnitWith("  TFrame1 = class(TFrame)\n  end;\n") + "Frame1 TFrame1", "TFrame1");
  EXPECT_TRUE(frame.RenameClass("TFrame1", "TfraList", "", ""));
  EXPECT_EQ(frame.Text(), UnitWith("  TfraList = class(TFrame)\n  end;\n") + "Frame1 TfraList");
}

TEST(UnitSource, WithoutTheDeclarationNothingChanges) {
  const auto expectUntouched = [](TUnitSource& u, const std::string& text) {
    EXPECT_FALSE(u.Found());
    EXPECT_TRUE(u.FieldNames().empty());
    EXPECT_FALSE(u.RenameField("Button1", "btnOk"));
    EXPECT_FALSE(u.AddField("Edit1", "TEdit"));
    EXPECT_FALSE(u.RemoveField("Button1"));
    EXPECT_FALSE(u.RenameClass("TForm1", "TfrmMain", "Form1", "frmMain"));
    EXPECT_FALSE(u.Modified());
    EXPECT_EQ(u.Text(), text);
  };
  {
    // Another class, a body-less declaration and one in the implementation section do not count.
    const std::string text =
        "unit Unit1;\ninterface\ntype\n  TForm2 = class(TForm)\n    Button1: TButton;\n  end;\n"
        "  TForm1 = class(TForm2);\nimplementation\ntype TForm1 = class(TForm)\n    Button1: TButton;\n  end;\nend.\n";
    TUnitSource u("/src/Unit1.pas", text, "TForm1");
    EXPECT_EQ(u.Warning(), "/src/Unit1.pas: no declaration of TForm1 in the interface section; the unit is not updated");
    expectUntouched(u, text);
  }
  {
    // A declaration whose fields cannot be read is not edited.
    const std::string text = UnitWith("  TForm1 = class(TForm)\n    Button1 TButton;\n  end;\n");
    TUnitSource u("Unit1.pas", text, "TForm1");
    expectUntouched(u, text);
  }
  {
    const std::string text = "unit Unit1;\r\ninterface\r\n{ the form\r\ntype\r\n  TForm1 = class(TForm)\r\n  end;\r\n";
    TUnitSource u("Unit1.pas", text, "TForm1");
    EXPECT_EQ(u.Warning(), "Unit1.pas(3,1): unterminated comment; the unit is not updated");
    expectUntouched(u, text);
  }
  {
    TUnitSource u("Unit1.pas", "", "TForm1");
    expectUntouched(u, "");
  }
}

TEST(UnitSource, KeepsEveryOtherByte) {
  // Byte order mark, mixed line endings, tabs, trailing blanks and a final Ctrl-Z.
  const std::string text =
      "\xEF\xBB\xBFunit Unit1;\r\ninterface\ntype\r  TForm1 = class(TForm)  \r\n"
      "    Button1: TButton;\t\r\n    Label1: TLabel;\n  end;\r\nimplementation\r\nend.\x1A";
  TUnitSource u("Unit1.pas", text, "TForm1");
  EXPECT_EQ(u.Text(), text);
  EXPECT_TRUE(u.RenameField("Button1", "btnOk"));
  EXPECT_TRUE(u.AddField("Edit1", "TEdit"));
  EXPECT_TRUE(u.RemoveField("btnOk"));
  EXPECT_EQ(u.Text(),
            "\xEF\xBB\xBFunit Unit1;\r\ninterface\ntype\r  TForm1 = class(TForm)  \r\n"
            "    Label1: TLabel;\n    Edit1: TEdit;\n  end;\r\nimplementation\r\nend.\x1A");
}

TEST(UnitSource, LoadsAndSavesFiles) {
  const std::filesystem::path folder =
      std::filesystem::path(testing::TempDir()) / ("unit_sync_" + std::to_string(::getpid()));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "Unit1.pas").string();
  std::ofstream(path, std::ios::binary) << Crlf(kUnit);

  TUnitSource u = TUnitSource::Load(path, "TForm1");
  EXPECT_EQ(u.Text(), Crlf(kUnit));
  EXPECT_TRUE(u.RenameField("Label1", "lblName"));
  u.Save(path);
  std::ifstream in(path, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), With(Crlf(kUnit), "    Label1:", "    lblName:"));

  const std::string missing = (folder / "Missing.pas").string();
  EXPECT_EQ(ErrorOf([&] { TUnitSource::Load(missing, "TForm1"); }),
            "Cannot open " + missing + ": No such file or directory");
  std::filesystem::remove_all(folder);
}
