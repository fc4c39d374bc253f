// Docked controls read from a file stay where the file put them: spacing the model does not
// compute (margins, border spacing) is kept through every realignment, and follows when a
// sibling really moves.
#include <gtest/gtest.h>

#include "vcl/extctrls.h"
#include "vcl/forms.h"
#include "vcl/stdctrls.h"
#include "vcl/streaming/form_file.h"

using namespace vcl;

namespace {

// A later IDE's panel: a tool bar docked at the top with margins, a list filling the rest
// with margins too, and a free edit. The model places docked controls without margins.
const char* const kForm =
    "object Form1: TForm\n"
    "  Width = 400\n"
    "  Height = 300\n"
    "  object pnlLeft: TPanel\n"
    "    Left = 0\n"
    "    Top = 0\n"
    "    Width = 200\n"
    "    Height = 200\n"
    "    TabOrder = 0\n"
    "    object pnlTools: TPanel\n"
    "      AlignWithMargins = True\n"
    "      Left = 4\n"
    "      Top = 4\n"
    "      Width = 192\n"
    "      Height = 22\n"
    "      Margins.Left = 3\n"
    "      Margins.Top = 3\n"
    "      Align = alTop\n"
    "      TabOrder = 0\n"
    "    end\n"
    "    object lstItems: TListBox\n"
    "      AlignWithMargins = True\n"
    "      Left = 4\n"
    "      Top = 32\n"
    "      Width = 192\n"
    "      Height = 164\n"
    "      Align = alClient\n"
    "      TabOrder = 1\n"
    "    end\n"
    "    object edtFree: TEdit\n"
    "      Left = 50\n"
    "      Top = 50\n"
    "      Width = 60\n"
    "      Height = 21\n"
    "      TabOrder = 2\n"
    "    end\n"
    "  end\n"
    "end\n";

struct Place {
  int left, top, width, height;
  friend bool operator==(const Place&, const Place&) = default;
};
Place Of(const TControl* c) { return {c->Left(), c->Top(), c->Width(), c->Height()}; }
void PrintTo(const Place& b, std::ostream* os) {
  *os << "(" << b.left << ", " << b.top << ", " << b.width << ", " << b.height << ")";
}

struct DockedLayout : ::testing::Test {
  std::unique_ptr<TFormFile> file = TFormFile::Read(kForm, "Form1.dfm");
  TControl* Control(const char* name) { return Cast<TControl>(file->Root()->FindComponent(name)); }
};

}  // namespace

TEST_F(DockedLayout, ARealignmentWithNothingMovedKeepsTheFilesPlaces) {
  Cast<TWinControl>(Control("pnlLeft"))->Realign();
  Control("edtFree")->SetBounds(8, 8, 60, 21);  // a free sibling moves: the panel realigns
  EXPECT_EQ(Of(Control("pnlTools")), (Place{4, 4, 192, 22}));
  EXPECT_EQ(Of(Control("lstItems")), (Place{4, 32, 192, 164}));
  Control("lstItems")->SetBounds(0, 0, 50, 50);  // a docked control snaps back to its place
  EXPECT_EQ(Of(Control("lstItems")), (Place{4, 32, 192, 164}));
  std::string written = file->Write();
  EXPECT_NE(written.find("      Top = 32\n      Width = 192\n      Height = 164\n"), std::string::npos) << written;
}

TEST_F(DockedLayout, WhatReallyMovesCarriesTheSpacingAlong) {
  Control("pnlTools")->SetHeight(30);  // the tool bar grows by 8: the list below gives way
  EXPECT_EQ(Of(Control("pnlTools")), (Place{4, 4, 192, 30}));
  EXPECT_EQ(Of(Control("lstItems")), (Place{4, 40, 192, 156}));
  Control("pnlLeft")->SetWidth(300);  // the container widens: both keep their side spacing
  EXPECT_EQ(Of(Control("pnlTools")), (Place{4, 4, 292, 30}));
  EXPECT_EQ(Of(Control("lstItems")), (Place{4, 40, 292, 156}));

  // Docked anew, a control takes the model's place: nothing carries over from its old dock.
  Control("pnlTools")->SetAlign(alBottom);
  EXPECT_EQ(Of(Control("pnlTools")), (Place{1, 169, 298, 30}));  // inside the panel's bevel
  EXPECT_EQ(Of(Control("lstItems")), (Place{4, 10, 292, 156}));
  auto* added = new TPanel(file->Root());
  added->SetParent(Cast<TWinControl>(Control("pnlLeft")));
  added->SetAlign(alTop);
  EXPECT_EQ(Of(added), (Place{1, 1, 298, 41}));
  EXPECT_EQ(Of(Control("lstItems")), (Place{4, 51, 292, 115}));
}
