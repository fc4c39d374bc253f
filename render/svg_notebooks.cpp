// Painters of the tab set (slanted tabs hanging from a line, the selected one joined to
// what lies above) and of the notebooks' pages (the tabbed notebook itself draws as a tab
// control).
#include <fmt/format.h>

#include "render/svg_painters.h"
#include "vcl/notebook.h"
#include "vcl/tabs.h"
#include "vcl/text_metrics.h"

namespace vcl::svg {

namespace {

constexpr int kTabSlant = 9;  // how far a tab's sides lean in, each side

// A tab from `left` `width` pixels wide: its fill and its outline of the sides and bottom.
void HangingTab(TWriter& svg, int left, int top, int width, int height, TColor color) {
  int bottom = top + height - 1;
  std::string points = fmt::format("{},{} {},{} {},{} {},{}", left, top, left + kTabSlant, bottom,
                                   left + width - kTabSlant, bottom, left + width, top);
  svg.Element(fmt::format("<polygon points=\"{}\" fill=\"{}\" stroke=\"none\" shape-rendering=\"geometricPrecision\"/>\n",
                          points, Hex(color)));
  svg.Element(fmt::format(
      "<polyline points=\"{}.5,{}.5 {}.5,{}.5 {}.5,{}.5 {}.5,{}.5\" fill=\"none\" stroke=\"{}\" "
      "shape-rendering=\"geometricPrecision\"/>\n",
      left, top, left + kTabSlant, bottom, left + width - kTabSlant, bottom, left + width, top, Hex(clBlack)));
}

}  // namespace

void PaintTabSet(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  auto* set = static_cast<TTabSet*>(control);
  TWriter& svg = ctx.svg;
  svg.Fill(bounds, set->BackgroundColor());
  if (set->DitherBackground()) svg.Dither(bounds);
  const TFont& font = set->EffectiveFont();
  int height = std::min(set->TabHeight(), bounds.Height());
  struct TTab {
    int left, width, index;
  };
  std::vector<TTab> tabs;
  int x = bounds.Left + set->StartMargin();
  for (int i = 0; i < set->Tabs()->Count() && x < bounds.Right - set->EndMargin(); ++i) {
    int width = MeasureTextWidth(font, StripAccelChars(set->Tabs()->Strings(i))) + 2 * kTabSlant + 4;
    tabs.push_back({x, width, i});
    // Neighbouring tabs share a slanted side.
    x += width - kTabSlant;
  }
  auto draw = [&](const TTab& tab, bool selected) {
    HangingTab(svg, tab.left, bounds.Top, tab.width, height, selected ? set->SelectedColor() : set->UnselectedColor());
    std::string text = set->Tabs()->Strings(tab.index);
    int textWidth = MeasureTextWidth(font, StripAccelChars(text));
    StateCaption(svg, tab.left + (tab.width - textWidth) / 2, bounds.Top + (height - MeasureTextHeight(font)) / 2,
                 text, font, font.Color(), set->Enabled());
  };
  svg.OpenViewport(bounds);
  for (const TTab& tab : tabs)
    if (tab.index != set->TabIndex()) draw(tab, false);
  // The line the tabs hang from, broken by the selected tab.
  svg.Fill(Rect(bounds.Left, bounds.Top, bounds.Right, bounds.Top + 1), clBlack);
  for (const TTab& tab : tabs)
    if (tab.index == set->TabIndex()) {
      draw(tab, true);
      svg.Fill(Rect(tab.left + 1, bounds.Top, tab.left + tab.width, bounds.Top + 1), set->SelectedColor());
    }
  svg.CloseViewport();
}

void PaintNotebook(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  ctx.svg.Fill(bounds, control->Color());
}

void PaintNotebookPage(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  ctx.svg.Fill(bounds, control->Color());
  if (ctx.grid) ctx.svg.Grid(bounds, Point(bounds.Left, bounds.Top), clBlack);
  // The designer outlines a notebook's page, which has no edge of its own.
  if (Cast<TPage>(control) && control->HasState(csDesigning)) ctx.svg.DashedFrame(bounds, clBlack);
}

}  // namespace vcl::svg
