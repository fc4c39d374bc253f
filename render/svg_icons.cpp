// The icons by which the form designer shows non-visual components: a raised 28 x 28
// square with a picture of the component's kind, its name beneath.
#include <fmt/format.h>

#include "render/svg_painters.h"
#include "vcl/actnlist.h"
#include "vcl/common_dialog.h"
#include "vcl/db/db.h"
#include "vcl/ext_timer.h"
#include "vcl/imglist.h"
#include "vcl/menus.h"
#include "vcl/text_metrics.h"

namespace vcl::svg {

namespace {

// Tables and queries: a database drum.
void DataSetPicture(TWriter& svg, int x, int y) {
  svg.Element(fmt::format(
      "<path d=\"M{0} {1}v12a7 2.5 0 0 0 14 0v-12a7 2.5 0 0 0 -14 0a7 2.5 0 0 0 14 0\" fill=\"{2}\" stroke=\"{3}\" "
      "shape-rendering=\"geometricPrecision\"/>\n",
      x + 5, y + 6, Hex(clYellow), Hex(clBlack)));
}

// Data sources: a small grid with a title row.
void DataSourcePicture(TWriter& svg, int x, int y) {
  TRect grid = Bounds(x + 3, y + 4, 18, 15);
  svg.Fill(grid, clWindow);
  svg.Fill(Bounds(grid.Left, grid.Top, grid.Width(), 4), clNavy);
  for (int row = grid.Top + 8; row < grid.Bottom; row += 4) svg.Fill(Bounds(grid.Left, row, grid.Width(), 1), clGray);
  svg.Fill(Bounds(grid.Left + 8, grid.Top + 4, 1, grid.Height() - 4), clGray);
  svg.Frame(grid, clBlack);
}

// Menus: a pulled-down list of entries, below a bar for main menus.
void MenuPicture(TWriter& svg, int x, int y, bool mainMenu) {
  if (mainMenu) svg.Fill(Bounds(x + 2, y + 3, 20, 4), clNavy);
  TRect list = Bounds(x + 6, y + (mainMenu ? 7 : 4), 14, mainMenu ? 14 : 17);
  svg.Fill(list, clWindow);
  svg.Frame(list, clBlack);
  for (int row = list.Top + 3; row + 1 < list.Bottom; row += 4) svg.Fill(Bounds(list.Left + 3, row, 8, 2), clBlack);
}

// Action lists: entries with coloured bullets.
void ActionListPicture(TWriter& svg, int x, int y) {
  TRect list = Bounds(x + 3, y + 3, 18, 18);
  svg.Fill(list, clWindow);
  svg.Frame(list, clBlack);
  const TColor bullets[] = {clRed, clGreen, clBlue};
  for (int i = 0; i < 3; ++i) {
    int row = list.Top + 3 + 5 * i;
    svg.Fill(Bounds(list.Left + 3, row, 3, 3), bullets[i]);
    svg.Fill(Bounds(list.Left + 8, row + 1, 7, 1), clBlack);
  }
}

// Image lists: overlapping pictures.
void ImageListPicture(TWriter& svg, int x, int y) {
  const TColor colours[] = {clRed, clLime, clBlue};
  for (int i = 0; i < 3; ++i) {
    TRect picture = Bounds(x + 3 + 4 * i, y + 3 + 4 * i, 11, 11);
    svg.Fill(picture, colours[i]);
    svg.Frame(picture, clBlack);
  }
}

// Timers: a clock face with its hands at three o'clock.
void TimerPicture(TWriter& svg, int x, int y) {
  svg.Element(fmt::format(
      "<circle cx=\"{0}\" cy=\"{1}\" r=\"9.5\" fill=\"{2}\" stroke=\"{3}\" shape-rendering=\"geometricPrecision\"/>\n"
      "<path d=\"M{0} {4}V{1}H{5}\" fill=\"none\" stroke=\"{3}\" stroke-width=\"2\"/>\n",
      x + 12, y + 12, Hex(clWindow), Hex(clBlack), y + 5, x + 18));
}

// Common dialogs: a small window with its caption bar and a button.
void DialogPicture(TWriter& svg, int x, int y) {
  TRect window = Bounds(x + 2, y + 3, 20, 17);
  svg.Fill(window, clBtnFace);
  svg.Fill(Bounds(window.Left, window.Top, window.Width(), 4), clNavy);
  svg.Frame(window, clBlack);
  TRect button = Bounds(window.Right - 9, window.Bottom - 6, 7, 4);
  svg.Fill(button, clWindow);
  svg.Frame(button, clGray);
}

// Anything else: the capitals of its class name (without the leading T).
void GenericPicture(TWriter& svg, int x, int y, const std::string& className) {
  std::string letters;
  for (std::size_t i = 1; i < className.size() && letters.size() < 3; ++i)
    if (className[i] >= 'A' && className[i] <= 'Z') letters += className[i];
  if (letters.empty()) letters = className.substr(0, 1);
  TRect square = Bounds(x + 2, y + 2, 20, 20);
  svg.Fill(square, clWindow);
  svg.Frame(square, clGray);
  TFont font;
  font.SetStyle(FontStyleOf(fsBold));
  svg.Text(square.Left + (square.Width() - MeasureTextWidth(font, letters)) / 2,
           square.Top + (square.Height() - MeasureTextHeight(font)) / 2, letters, font, clNavy);
}

}  // namespace

void ComponentIcon(TWriter& svg, TComponent* component, TPoint at) {
  TRect box = Bounds(at.X, at.Y, kIconSize, kIconSize);
  svg.Fill(box, clBtnFace);
  RaisedEdge(svg, box);
  int x = box.Left + 2, y = box.Top + 2;  // the 24 x 24 picture area
  if (component->Is<TDataSet>())
    DataSetPicture(svg, x, y);
  else if (component->Is<TDataSource>())
    DataSourcePicture(svg, x, y);
  else if (component->Is<TMenu>())
    MenuPicture(svg, x, y, component->Is<TMainMenu>());
  else if (component->Is<TCustomActionList>())
    ActionListPicture(svg, x, y);
  else if (component->Is<TCustomImageList>())
    ImageListPicture(svg, x, y);
  else if (component->Is<TTimer>())
    TimerPicture(svg, x, y);
  else if (component->Is<TCommonDialog>())
    DialogPicture(svg, x, y);
  else
    GenericPicture(svg, x, y, component->ClassName());
  TFont font;
  int width = MeasureTextWidth(font, component->Name());
  svg.Text(box.Left + (kIconSize - width) / 2, box.Bottom + 2, component->Name(), font, clWindowText);
}

}  // namespace vcl::svg
