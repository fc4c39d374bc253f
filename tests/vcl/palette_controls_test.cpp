// The masked edit, the grids, the scroll bar, the tab set, the notebooks, the file controls,
// the gauge and the colour grid: what they publish with which defaults, their sizes, and the
// rules of their values.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "vcl/filectrl.h"
#include "vcl/forms.h"
#include "vcl/grids.h"
#include "vcl/mask.h"
#include "vcl/notebook.h"
#include "vcl/samples_colorgrd.h"
#include "vcl/samples_gauges.h"
#include "vcl/scroll_bar.h"
#include "vcl/streaming/form_file.h"
#include "vcl/tabnotbk.h"
#include "vcl/tabs.h"

using namespace vcl;

namespace {

std::vector<std::string> PublishedNames(TClass cls) {
  std::vector<std::string> names;
  for (PPropInfo p : cls->Properties()) names.push_back(p->Name);
  return names;
}

bool Publishes(TClass cls, const std::string& name) {
  auto names = PublishedNames(cls);
  return std::find(names.begin(), names.end(), name) != names.end();
}

NativeInt DefaultOf(TClass cls, const char* name) {
  PPropInfo prop = GetPropInfo(cls, name);
  EXPECT_TRUE(prop) << name;
  return prop && prop->Default ? *prop->Default : -999;
}

std::unique_ptr<TFormFile> Read(const std::string& body) {
  return TFormFile::Read("object Form1: TForm1\n  Width = 400\n  Height = 300\n" + body + "end\n", "Form1.dfm");
}

TEST(PaletteClasses, PublishWhatTheHostPublishesWithItsDefaults) {
  for (const char* name : {"TMaskEdit", "TStringGrid", "TDrawGrid", "TScrollBar", "TTabSet", "TNotebook", "TPage",
                           "TTabbedNotebook", "TTabPage", "TFileListBox", "TDirectoryListBox", "TDriveComboBox",
                           "TFilterComboBox"}) {
    TClass cls = FindClass(name);
    EXPECT_FALSE(cls->IsAbstract()) << name;
  }
  EXPECT_TRUE(Publishes(TMaskEdit::ClassInfo(), "EditMask"));
  EXPECT_FALSE(Publishes(TMaskEdit::ClassInfo(), "Caption"));
  EXPECT_EQ(DefaultOf(TStringGrid::ClassInfo(), "ColCount"), 5);
  EXPECT_EQ(DefaultOf(TStringGrid::ClassInfo(), "RowCount"), 5);
  EXPECT_EQ(DefaultOf(TDrawGrid::ClassInfo(), "FixedCols"), 1);
  EXPECT_EQ(DefaultOf(TDrawGrid::ClassInfo(), "FixedRows"), 1);
  EXPECT_EQ(DefaultOf(TDrawGrid::ClassInfo(), "DefaultColWidth"), 64);
  EXPECT_EQ(DefaultOf(TDrawGrid::ClassInfo(), "DefaultRowHeight"), 24);
  EXPECT_EQ(DefaultOf(TDrawGrid::ClassInfo(), "Options"), DefaultGridOptions);
  EXPECT_EQ(DefaultOf(TDrawGrid::ClassInfo(), "ScrollBars"), ssBoth);
  EXPECT_EQ(DefaultOf(TDrawGrid::ClassInfo(), "FixedColor"), clBtnFace);
  EXPECT_TRUE(Publishes(TDrawGrid::ClassInfo(), "OnDrawCell"));
  EXPECT_EQ(DefaultOf(TScrollBar::ClassInfo(), "Max"), 100);
  EXPECT_EQ(DefaultOf(TScrollBar::ClassInfo(), "Kind"), sbHorizontal);
  EXPECT_EQ(DefaultOf(TScrollBar::ClassInfo(), "TabStop"), 1);
  EXPECT_EQ(DefaultOf(TTabSet::ClassInfo(), "TabIndex"), -1);
  EXPECT_EQ(DefaultOf(TTabSet::ClassInfo(), "UnselectedColor"), clWindow);
  EXPECT_EQ(DefaultOf(TTabSet::ClassInfo(), "TabHeight"), 20);
  EXPECT_EQ(DefaultOf(TNotebook::ClassInfo(), "PageIndex"), 0);
  EXPECT_EQ(DefaultOf(TTabbedNotebook::ClassInfo(), "TabsPerRow"), 3);
  EXPECT_TRUE(Publishes(TTabbedNotebook::ClassInfo(), "TabFont"));
  EXPECT_EQ(DefaultOf(TFileListBox::ClassInfo(), "FileType"), NativeInt{1} << ftNormal);
  EXPECT_TRUE(Publishes(TDriveComboBox::ClassInfo(), "DirList"));
  EXPECT_TRUE(Publishes(TDirectoryListBox::ClassInfo(), "FileList"));
  EXPECT_TRUE(Publishes(TFilterComboBox::ClassInfo(), "Filter"));
}

TEST(PaletteClasses, NewControlsTakeTheHostsSizes) {
  TForm form(nullptr);
  EXPECT_EQ((TStringGrid(&form).BoundsRect()), Bounds(0, 0, 320, 120));
  EXPECT_EQ((TScrollBar(&form).BoundsRect()), Bounds(0, 0, 121, 16));
  EXPECT_EQ((TTabSet(&form).BoundsRect()), Bounds(0, 0, 185, 21));
  EXPECT_EQ((TNotebook(&form).BoundsRect()), Bounds(0, 0, 150, 150));
  EXPECT_EQ((TTabbedNotebook(&form).BoundsRect()), Bounds(0, 0, 300, 250));
  EXPECT_EQ((TFileListBox(&form).BoundsRect()), Bounds(0, 0, 145, 97));
}

TEST(Grids, CountsKeepTheFixedLinesBelowThem) {
  TForm form(nullptr);
  TStringGrid grid(&form);
  EXPECT_THROW(grid.SetFixedCols(5), EInvalidGridOperation);
  grid.SetFixedRows(3);
  grid.SetRowCount(2);  // lowers the fixed rows
  EXPECT_EQ(grid.FixedRows(), 1);
  grid.SetColCount(0);
  EXPECT_EQ(grid.ColCount(), 1);
  EXPECT_EQ(grid.FixedCols(), 0);
  grid.SetColCount(3);
  grid.SetColWidths(2, 100);
  EXPECT_EQ(grid.ColWidths(2), 100);
  EXPECT_EQ(grid.ColWidths(1), 64);
  EXPECT_THROW(grid.SetColWidths(3, 10), EInvalidGridOperation);
  grid.SetCells(1, 1, "x");
  EXPECT_EQ(grid.Cells(1, 1), "x");
  EXPECT_EQ(grid.Cells(0, 1), "");
  EXPECT_THROW(grid.SetCells(5, 0, "y"), EInvalidGridOperation);
}

TEST(Grids, ColumnWidthsAndRowHeightsComeFromTheFile) {
  auto file = Read(
      "  object Grid1: TStringGrid\n    Left = 0\n    Top = 0\n    Width = 200\n    Height = 100\n"
      "    ColCount = 3\n    FixedCols = 0\n    TabOrder = 0\n    ColWidths = (\n      40\n      90\n      30)\n"
      "    RowHeights = (\n      18\n      20)\n  end\n");
  auto* grid = static_cast<TStringGrid*>(file->Root()->FindComponent("Grid1"));
  EXPECT_EQ(grid->FixedCols(), 0);
  EXPECT_EQ(grid->ColWidths(1), 90);
  EXPECT_EQ(grid->RowHeights(1), 20);
  EXPECT_EQ(grid->RowHeights(2), 24);
}

TEST(MaskEdit, TheMaskLaysOutTheText) {
  EXPECT_EQ(FormatMaskText("!99/99/0000;1;_", ""), "__/__/____");
  EXPECT_EQ(FormatMaskText("!99/99/0000;1;_", "12/05/2024"), "12/05/2024");
  EXPECT_EQ(FormatMaskText("!99/99/0000;0;_", "12052024"), "12/05/2024");
  EXPECT_EQ(FormatMaskText("(999)000-0000;1;*", "(555"), "(555)***-****");
  // Without the fields, literals are kept in the text.
  EXPECT_EQ(FormatMaskText("\\A00", "A12"), "A12");
  EXPECT_EQ(FormatMaskText("\\A00;0;_", "12"), "A12");
  TForm form(nullptr);
  TMaskEdit edit(&form);
  edit.SetText("ab");
  EXPECT_EQ(edit.EditText(), "ab");
  edit.SetEditMask(">LL-00;0; ");
  EXPECT_EQ(edit.EditText(), "ab-  ");
}

TEST(ScrollBar, PositionStaysInTheRangeAndKindTurnsTheBar) {
  TForm form(nullptr);
  TScrollBar bar(&form);
  int changes = 0;
  bar.OnChange = [&](TObject*) { ++changes; };
  bar.SetPosition(150);
  EXPECT_EQ(bar.Position(), 100);
  EXPECT_EQ(changes, 1);
  EXPECT_THROW(bar.SetMin(200), EInvalidOperation);
  bar.SetMax(50);
  EXPECT_EQ(bar.Position(), 50);
  EXPECT_THROW(bar.SetPageSize(60), EInvalidOperation);
  bar.SetKind(sbVertical);
  EXPECT_EQ(bar.Width(), 16);
  EXPECT_EQ(bar.Height(), 121);
}

TEST(TabSet, TheIndexNamesATabOrNone) {
  TForm form(nullptr);
  TTabSet tabs(&form);
  tabs.Tabs()->Add("One");
  tabs.Tabs()->Add("Two");
  tabs.SetTabIndex(5);
  EXPECT_EQ(tabs.TabIndex(), -1);
  tabs.SetTabIndex(1);
  bool allow = false;
  tabs.OnChange = [&](TObject*, int, bool& ok) { ok = allow; };
  EXPECT_FALSE(tabs.SelectTab(0));
  EXPECT_EQ(tabs.TabIndex(), 1);
  allow = true;
  EXPECT_TRUE(tabs.SelectTab(0));
  EXPECT_EQ(tabs.TabIndex(), 0);
  tabs.Tabs()->Clear();
  EXPECT_EQ(tabs.TabIndex(), -1);
}

TEST(Notebooks, ANewOneHasTheDefaultPageAndAFileItsOwn) {
  TForm form(nullptr);
  auto* book = new TNotebook(&form);
  book->SetParent(&form);
  ASSERT_EQ(book->PageCount(), 1);
  EXPECT_EQ(book->ActivePage(), "Default");
  EXPECT_EQ(book->PageNames()->CommaText(), "Default");

  auto file = Read(
      "  object Notebook1: TNotebook\n    Left = 0\n    Top = 0\n    Width = 200\n    Height = 100\n"
      "    PageIndex = 1\n    object TPage\n      Left = 0\n      Top = 0\n      Caption = 'First'\n"
      "      object Edit1: TEdit\n        Left = 1\n        Top = 1\n        Width = 50\n        Height = 21\n"
      "        TabOrder = 0\n      end\n    end\n"
      "    object TPage\n      Left = 0\n      Top = 0\n      Caption = 'Second'\n    end\n  end\n");
  auto* loaded = static_cast<TNotebook*>(file->Root()->FindComponent("Notebook1"));
  ASSERT_EQ(loaded->PageCount(), 2);
  EXPECT_EQ(loaded->ActivePage(), "Second");
  EXPECT_FALSE(loaded->Pages(0)->Visible());
  EXPECT_TRUE(loaded->Pages(1)->Visible());
  // Pages fill the notebook.
  EXPECT_EQ(loaded->Pages(0)->Width(), 200);
  int changed = 0;
  loaded->OnPageChanged = [&](TObject*) { ++changed; };
  loaded->SetActivePage("FIRST");
  EXPECT_EQ(loaded->PageIndex(), 0);
  EXPECT_TRUE(loaded->Pages(0)->Visible());
  EXPECT_EQ(changed, 1);
  loaded->SetPageIndex(7);  // no such page
  EXPECT_EQ(loaded->PageIndex(), 0);
  loaded->Pages(1)->SetCaption("Renamed");
  EXPECT_EQ(loaded->PageNames()->CommaText(), "First,Renamed");
  loaded->Pages(1)->Free();
  EXPECT_EQ(loaded->PageNames()->CommaText(), "First");
  // Saving unchanged pages writes none of what the notebook keeps for itself.
  EXPECT_EQ(file->Write().find("Pages"), std::string::npos);
}

TEST(Notebooks, ATabbedNotebookSelectsThePageOfItsTab) {
  auto file = Read(
      "  object Book1: TTabbedNotebook\n    Left = 0\n    Top = 0\n    Width = 300\n    Height = 200\n"
      "    PageIndex = 2\n    TabOrder = 0\n"
      "    object TTabPage\n      Left = 4\n      Top = 24\n      Caption = 'A'\n    end\n"
      "    object TTabPage\n      Left = 4\n      Top = 24\n      Caption = 'B'\n    end\n"
      "    object TTabPage\n      Left = 4\n      Top = 24\n      Caption = 'C'\n    end\n  end\n");
  auto* book = static_cast<TTabbedNotebook*>(file->Root()->FindComponent("Book1"));
  ASSERT_EQ(book->PageCount(), 3);
  EXPECT_EQ(book->TabIndex(), 2);
  EXPECT_EQ(book->Tabs()->CommaText(), "A,B,C");
  EXPECT_TRUE(book->Pages(2)->Visible());
  bool allow = false;
  book->OnPageChange = [&](TObject*, int, bool& ok) { ok = allow; };
  book->SelectTab(0);
  EXPECT_EQ(book->PageIndex(), 2);
  EXPECT_EQ(book->TabIndex(), 2);
  allow = true;
  book->SelectTab(0);
  EXPECT_EQ(book->PageIndex(), 0);
  EXPECT_TRUE(book->Pages(0)->Visible());
  EXPECT_FALSE(book->Pages(2)->Visible());
}

TEST(FileControls, TheFilterComboListsTheDescriptions) {
  TForm form(nullptr);
  TFilterComboBox filter(&form);
  EXPECT_EQ(filter.Items()->CommaText(), "\"All files (*.*)\"");
  filter.SetFilter("Text|*.txt;*.log|Pictures|*.bmp|Rest");
  EXPECT_EQ(filter.Items()->Count(), 3);
  EXPECT_EQ(filter.Text(), "Text");
  EXPECT_EQ(filter.Mask(), "*.txt;*.log");
  filter.SetItemIndex(2);
  EXPECT_EQ(filter.Mask(), "*.*");
  TFileListBox files(&form);
  EXPECT_EQ(files.Mask(), "*.*");
  filter.SetFileList(&files);
  EXPECT_EQ(filter.FileList(), &files);
}

TEST(FileControls, LinksAreClearedWhenTheirTargetGoes) {
  TForm form(nullptr);
  auto* drive = new TDriveComboBox(&form);
  auto* dirs = new TDirectoryListBox(&form);
  drive->SetDirList(dirs);
  dirs->Free();
  EXPECT_EQ(drive->DirList(), nullptr);
}

TEST(Samples, GaugeAndColorGridPublishTheHostsPropertiesAndDefaults) {
  EXPECT_EQ(PublishedNames(TGauge::ClassInfo()),
            (std::vector<std::string>{"Name", "Tag", "Left", "Top", "Width", "Height", "Cursor", "Hint", "Align", "Anchors",
                                      "BackColor", "BorderStyle", "Color", "Constraints", "Enabled", "ForeColor",
                                      "Font", "Kind", "MinValue", "MaxValue", "ParentColor", "ParentFont",
                                      "ParentShowHint", "PopupMenu", "Progress", "ShowHint", "ShowText",
                                      "Visible"}));
  const std::vector<std::tuple<TClass, const char*, NativeInt>> defaults = {
      {TGauge::ClassInfo(), "BackColor", clWhite}, {TGauge::ClassInfo(), "ForeColor", clBlack},
      {TGauge::ClassInfo(), "BorderStyle", bsSingle}, {TGauge::ClassInfo(), "Kind", gkHorizontalBar},
      {TGauge::ClassInfo(), "MinValue", 0}, {TGauge::ClassInfo(), "MaxValue", 100},
      {TGauge::ClassInfo(), "ShowText", 1}, {TColorGrid::ClassInfo(), "GridOrdering", go4x4},
      {TColorGrid::ClassInfo(), "ForegroundIndex", 0}, {TColorGrid::ClassInfo(), "BackgroundEnabled", 1},
      {TColorGrid::ClassInfo(), "ClickEnablesColor", 0}, {TColorGrid::ClassInfo(), "TabStop", 1},
      {TColorGrid::ClassInfo(), "Selection", 0}};
  for (const auto& [cls, name, value] : defaults) {
    PPropInfo prop = GetPropInfo(cls, name);
    ASSERT_TRUE(prop && prop->Default) << cls->ClassName() << "." << name;
    EXPECT_EQ(*prop->Default, value) << cls->ClassName() << "." << name;
  }
  // Progress has no default: a new gauge writes it.
  EXPECT_FALSE(GetPropInfo(TGauge::ClassInfo(), "Progress")->Default);
  for (const char* name : {"OnChange", "OnClick", "OnKeyDown", "Ctl3D", "TabOrder"})
    EXPECT_NE(GetPropInfo(TColorGrid::ClassInfo(), name), nullptr) << name;
  TForm form(nullptr);
  EXPECT_EQ(TGauge(&form).BoundsRect(), Bounds(0, 0, 100, 100));
  TColorGrid grid(&form);
  EXPECT_EQ(grid.BoundsRect(), Bounds(0, 0, 100, 100));
  EXPECT_TRUE(grid.TabStop());
}

TEST(Samples, GaugeProgressStaysInItsRangeAndTheRangeStaysOrdered) {
  TForm form(nullptr);
  TGauge gauge(&form);
  gauge.SetProgress(150);
  EXPECT_EQ(gauge.Progress(), 100);
  EXPECT_EQ(gauge.PercentDone(), 100);
  gauge.SetMaxValue(50);
  EXPECT_EQ(gauge.Progress(), 50) << "pulled down with the maximum";
  gauge.SetMinValue(10);
  gauge.SetProgress(-5);
  EXPECT_EQ(gauge.Progress(), 10);
  EXPECT_EQ(gauge.PercentDone(), 0);
  gauge.SetProgress(30);
  EXPECT_EQ(gauge.PercentDone(), 50);
  try {
    gauge.SetMinValue(60);
    ADD_FAILURE() << "a minimum above the maximum";
  } catch (const EInvalidOperation& e) {
    EXPECT_EQ(e.Message(), "Value must be between -2147483647 and 49");
  }
  EXPECT_THROW(gauge.SetMaxValue(5), EInvalidOperation);
  EXPECT_EQ(gauge.MinValue(), 10);
  EXPECT_EQ(gauge.MaxValue(), 50);
  // An empty range is 0 per cent, not a division by zero.
  gauge.SetMaxValue(10);
  EXPECT_EQ(gauge.PercentDone(), 0);
}

TEST(Samples, ColorGridNamesItsColoursAndReportsChanges) {
  TForm form(nullptr);
  TColorGrid grid(&form);
  int changes = 0;
  grid.OnChange = [&](TObject*) { ++changes; };
  grid.SetForegroundIndex(12);
  grid.SetForegroundIndex(12);
  grid.SetBackgroundIndex(7);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(grid.ForegroundColor(), clBlue);
  EXPECT_EQ(grid.BackgroundColor(), clSilver);
  EXPECT_EQ(TColorGrid::PaletteColor(8), clGray);
  grid.SetGridOrdering(go2x8);
  EXPECT_EQ(grid.Columns(), 2);
  EXPECT_EQ(grid.Rows(), 8);
}

}  // namespace
