// Pictures of whole forms: the window, non-visual components, data modules, the corpus,
// and the `zolt render` command.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "ide/form_designer.h"
#include "render/form_svg.h"
#include "tests/cli/run_zolt.h"
#include "tests/render/svg_query.h"
#include "tests/vcl/streaming/form_test_util.h"
#include "vcl/text_metrics.h"

using namespace vcl;
using namespace rendertest;
namespace fs = std::filesystem;

namespace {

// The raised edge of a 28 x 28 icon whose top-left corner is at (x, y).
std::string IconEdge(int x, int y) { return "<path d=\"M" + std::to_string(x) + " " + std::to_string(y) + "h27v1h-26v26h-1z\""; }

int Count(const std::string& text, const std::string& what) {
  int count = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
  return count;
}

TEST(RenderForm, WindowWithCaptionBarMenuAndGrid) {
  auto form = ReadForm(
      "  object MainMenu1: TMainMenu\n    Left = 8\n    Top = 8\n"
      "    object File1: TMenuItem\n      Caption = '&File'\n    end\n"
      "    object Help1: TMenuItem\n      Caption = '&Help'\n    end\n  end\n",
      "  Menu = MainMenu1\n");
  std::string svg = Render(*form);
  EXPECT_EQ(svg.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg ", 0), 0u);
  auto* root = static_cast<TControl*>(form->Root());
  std::string header = svg.substr(svg.find("<svg "), svg.find('>', svg.find("<svg ")) - svg.find("<svg "));
  EXPECT_EQ(Attr(header, "width"), std::to_string(root->Width()));
  EXPECT_EQ(Attr(header, "height"), std::to_string(root->Height()));
  // The 18-pixel caption bar inside the 4-pixel border, its caption in bold white.
  EXPECT_TRUE(Contains(svg, "<rect x=\"4\" y=\"4\" width=\"312\" height=\"18\" fill=\"url(#fade-000080-1084D0)\"/>"));
  auto caption = FindText(svg, "Form1");
  ASSERT_TRUE(caption);
  EXPECT_EQ(Attr(caption->tag, "font-weight"), "bold");
  EXPECT_EQ(Attr(caption->tag, "fill"), "#FFFFFF");
  // The menu bar below it; the client area, with its dot grid, below the menu bar.
  auto file = FindText(svg, "File");
  ASSERT_TRUE(file);
  EXPECT_EQ(file->y, 4 + 19 + 3 + 11);
  EXPECT_TRUE(FindText(svg, "Help"));
  EXPECT_TRUE(Contains(svg, "<rect x=\"4\" y=\"42\" width=\"312\" height=\"" + std::to_string(root->ClientHeight()) +
                                "\" fill=\"url(#grid000000-4-2)\"/>"));
  EXPECT_FALSE(Named(svg, "File1")) << "menu items are not icons";

  TSvgOptions noGrid;
  noGrid.Grid = false;
  EXPECT_FALSE(Contains(RenderSvg(form->Root(), nullptr, noGrid), "url(#grid"));
}

TEST(RenderForm, NonVisualComponentsAtTheirDesignerPositions) {
  auto form = ReadForm(
      "  object Button1: TButton\n    Left = 8\n    Top = 8\n    Width = 75\n    Height = 25\n    TabOrder = 0\n  end\n"
      "  object DataSource1: TDataSource\n    Left = 200\n    Top = 65533\n  end\n"
      "  object Table1: TTable\n    Left = 40\n    Top = 100\n"
      "    object Table1Name: TStringField\n      FieldName = 'Name'\n    end\n  end\n"
      "  object Timer1: TTimer\n    Left = 80\n    Top = 100\n  end\n"
      "  object OpenDialog1: TOpenDialog\n    Left = 120\n    Top = 100\n  end\n"
      "  object JvTimer1: TJvTimer\n    Left = 160\n    Top = 100\n  end\n");
  std::string svg = Render(*form);
  // Top = 65533 stands for -3: the icon overlaps the caption bar's edge and is clipped there.
  auto source = Named(svg, "DataSource1");
  ASSERT_TRUE(source) << svg;
  EXPECT_EQ(source->open.rfind("<g ", 0), 0u);
  EXPECT_EQ(Attr(source->open, "data-class"), "TDataSource");
  EXPECT_TRUE(Contains(source->body, IconEdge(204, 20))) << source->body;
  auto name = FindText(source->body, "DataSource1");
  ASSERT_TRUE(name);
  EXPECT_EQ(name->x, 204 + (28 - MeasureTextWidth(TFont(), "DataSource1")) / 2);
  EXPECT_EQ(name->y, 20 + 28 + 2 + 11);
  EXPECT_TRUE(Contains(Named(svg, "Table1")->body, IconEdge(44, 123)));
  EXPECT_FALSE(Named(svg, "Table1Name")) << "fields live inside their data set";
  // A timer shows a clock face, a dialog a small window.
  auto timer = Named(svg, "Timer1");
  ASSERT_TRUE(timer);
  EXPECT_TRUE(Contains(timer->body, IconEdge(84, 123)));
  EXPECT_TRUE(Contains(timer->body, "<circle cx=\"98\" cy=\"137\" r=\"9.5\"")) << timer->body;
  auto dialog = Named(svg, "OpenDialog1");
  ASSERT_TRUE(dialog);
  EXPECT_TRUE(Contains(dialog->body, "<rect x=\"128\" y=\"128\" width=\"20\" height=\"4\" fill=\"#000080\"/>"))
      << dialog->body;
  // A class the library does not model still shows as an icon, with its initials.
  auto unknown = Named(svg, "JvTimer1");
  ASSERT_TRUE(unknown);
  EXPECT_TRUE(Contains(unknown->body, IconEdge(164, 123)));
  EXPECT_TRUE(FindText(unknown->body, "JT"));
  // Icons lie above the controls.
  EXPECT_LT(svg.find("data-name=\"Button1\""), svg.find("data-name=\"DataSource1\""));
  // The icons are clipped to the client area.
  EXPECT_LT(svg.find("<svg x=\"4\" y=\"23\" width=\"312\" height=\"213\" viewBox=\"4 23 312 213\">",
                     svg.find("data-name=\"Button1\"")),
            svg.find("data-name=\"DataSource1\""));
}

TEST(RenderForm, WithoutTheFileIconsGoInARow) {
  auto form = ReadForm(
      "  object DataSource1: TDataSource\n    Left = 200\n    Top = 100\n  end\n"
      "  object Table1: TTable\n    Left = 40\n    Top = 100\n  end\n");
  std::string svg = RenderSvg(form->Root());
  EXPECT_TRUE(Contains(Named(svg, "DataSource1")->body, IconEdge(4 + 8, 23 + 8)));
  int next = 8 + std::max(28, MeasureTextWidth(TFont(), "DataSource1")) + 8;
  EXPECT_TRUE(Contains(Named(svg, "Table1")->body, IconEdge(4 + next, 23 + 8)));
}

TEST(RenderForm, ComponentsNestedInUnknownComponentsAreNotIcons) {
  // A third-party pop-up menu holding its items: read as a sizeless control.
  auto form = ReadForm(
      "  object Popup1: TTBXPopupMenu\n    Left = 24\n    Top = 16\n"
      "    object Item1: TTBXItem\n      Caption = 'Open'\n    end\n  end\n");
  std::string svg = Render(*form);
  auto popup = Named(svg, "Popup1");
  ASSERT_TRUE(popup) << svg;
  EXPECT_TRUE(Contains(popup->body, IconEdge(28, 39)));
  EXPECT_EQ(Count(svg, "data-name=\"Popup1\""), 1) << "an icon, not a control";
  EXPECT_EQ(Count(svg, "data-name=\"Item1\""), 0);
}

TEST(RenderForm, DataModuleInADesignerWindowOfItsSize) {
  std::string text =
      "object DataModule1: TDataModule1\n  OldCreateOrder = False\n  Left = 100\n  Top = 100\n"
      "  Height = 250\n  Width = 300\n"
      "  object Table1: TTable\n    Left = 24\n    Top = 16\n  end\nend\n";
  auto module = TFormFile::Read(text, "DataModule1.dfm");
  ASSERT_TRUE(module->Root()->Is<TDataModule>());
  std::string svg = Render(*module);
  std::string header = svg.substr(svg.find("<svg "), svg.find('>', svg.find("<svg ")) - svg.find("<svg "));
  EXPECT_EQ(Attr(header, "width"), "300");
  EXPECT_EQ(Attr(header, "height"), "250");
  EXPECT_TRUE(FindText(svg, "DataModule1"));
  EXPECT_TRUE(Contains(Named(svg, "Table1")->body, IconEdge(4 + 24, 23 + 16)));
  EXPECT_FALSE(Contains(svg, "url(#grid")) << "data modules show no grid";
}

TEST(RenderForm, SameFormSameBytes) {
  const std::string body =
      "  object Label1: TLabel\n    Left = 8\n    Top = 8\n    Width = 40\n    Height = 13\n    Caption = 'Name'\n  end\n"
      "  object Panel1: TPanel\n    Left = 8\n    Top = 30\n    Width = 120\n    Height = 40\n    TabOrder = 0\n  end\n"
      "  object DataSource1: TDataSource\n    Left = 200\n    Top = 100\n  end\n";
  auto first = ReadForm(body);
  auto second = ReadForm(body);
  std::string picture = Render(*first);
  EXPECT_EQ(picture, Render(*first));
  EXPECT_EQ(picture, Render(*second));
}

// Every text form of the corpus draws, and the picture's elements are balanced.
TEST(RenderCorpus, EveryTextFormDraws) {
  if (!fs::exists(formtest::CorpusDir() / "MANIFEST.tsv")) GTEST_SKIP() << "form corpus not found";
  int drawn = 0;
  std::vector<std::string> unreadable;
  for (const formtest::CorpusEntry& entry : formtest::CorpusEntries()) {
    if (entry.kind != "dfm-text" && entry.kind != "lfm") continue;
    std::unique_ptr<ide::TFormDesigner> designer;
    try {
      designer = ide::TFormDesigner::Open((formtest::CorpusDir() / entry.file).string());
    } catch (const Exception& e) {
      // Reading is the form file's business; its tests report such files.
      unreadable.push_back(e.what());
      continue;
    }
    TSvgOptions options;
    options.FormFile = &designer->FormFile();
    std::string svg;
    try {
      svg = RenderSvg(designer->GetRoot(), nullptr, options);
    } catch (const std::exception& e) {
      ADD_FAILURE() << entry.file << ": " << e.what();
      continue;
    }
    EXPECT_EQ(Count(svg, "<svg "), Count(svg, "</svg>")) << entry.file;
    EXPECT_EQ(Count(svg, "<g "), Count(svg, "</g>")) << entry.file;
    EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n") << entry.file;
    ++drawn;
  }
  EXPECT_GT(drawn, 200);
  for (const std::string& message : unreadable) std::cout << "not read: " << message << "\n";
}

struct TempDir {
  fs::path path = fs::temp_directory_path() / ("zolt-render-" + std::to_string(::getpid()));
  TempDir() { fs::create_directories(path); }
  ~TempDir() { fs::remove_all(path); }
};

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

TEST(RenderCommand, WritesThePictureOfAFormOrOfOneControl) {
  TempDir dir;
  fs::path form = dir.path / "Form1.dfm";
  std::ofstream(form) << "object Form1: TForm1\n  Left = 0\n  Top = 0\n  Width = 320\n  Height = 240\n"
                         "  Caption = 'Form1'\n  PixelsPerInch = 96\n  TextHeight = 13\n"
                         "  object Panel1: TPanel\n    Left = 8\n    Top = 8\n    Width = 120\n    Height = 60\n"
                         "    TabOrder = 0\n  end\n  object DataSource1: TDataSource\n    Left = 200\n    Top = 100\n  end\nend\n";
  fs::path out = dir.path / "form.svg";
  ZoltRun run = RunZolt("render " + form.string() + " -o " + out.string());
  ASSERT_EQ(run.exitCode, 0) << run.out;
  std::string svg = ReadFile(out);
  EXPECT_TRUE(Named(svg, "Panel1"));
  EXPECT_TRUE(Contains(Named(svg, "DataSource1")->body, IconEdge(204, 123))) << "positions come from the file";

  fs::path panel = dir.path / "panel.svg";
  run = RunZolt("render " + form.string() + " -o " + panel.string() + " --component panel1");
  ASSERT_EQ(run.exitCode, 0) << run.out;
  std::string picture = ReadFile(panel);
  EXPECT_TRUE(Contains(picture, "width=\"120\" height=\"60\" viewBox=\"12 31 120 60\""));

  fs::path none = dir.path / "none.svg";
  run = RunZolt("render " + form.string() + " -o " + none.string() + " --component Nope");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(Contains(run.out, "Component Nope not found")) << run.out;
  run = RunZolt("render " + form.string() + " -o " + none.string() + " --component DataSource1");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(Contains(run.out, "DataSource1 is not a control")) << run.out;
  EXPECT_FALSE(fs::exists(none));
  run = RunZolt("render " + (dir.path / "Missing.dfm").string() + " -o " + none.string());
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_FALSE(fs::exists(none));
  EXPECT_EQ(RunZolt("render " + form.string()).exitCode, 2) << "the output is required";
}

}  // namespace
