// Painter of the cool bar: its bands in rows, each with its grip, image and text before the
// part where its control stands.
#include <algorithm>
#include <vector>

#include "render/svg_painters.h"
#include "vcl/comctrls_coolbar.h"
#include "vcl/text_metrics.h"

namespace vcl::svg {

namespace {

constexpr int kGrip = 10;  // the grip and the space after it

// What a band shows before its control: the grip, the image, the text.
int HeaderWidth(const TCoolBar& bar, const TCoolBand& band) {
  int width = kGrip;
  if (bar.Images() && band.ImageIndex() >= 0) width += bar.Images()->Width() + 4;
  if (bar.ShowText() && !band.Text().empty()) width += MeasureTextWidth(bar.EffectiveFont(), band.Text()) + 4;
  return width;
}

struct TBandPlace {
  const TCoolBand* band;
  TRect rect;
};

// The bands' places: a band that breaks starts a row; a row is as high as its highest band
// (its minimum height or its control's); the last band of a row takes what is left of it.
std::vector<TBandPlace> PlaceBands(const TCoolBar& bar, const TRect& area) {
  std::vector<TBandPlace> places;
  std::vector<std::vector<const TCoolBand*>> rows;
  for (int i = 0; i < bar.Bands()->Count(); ++i) {
    const TCoolBand* band = bar.Bands()->Items(i);
    if (!band->Visible()) continue;
    if (rows.empty() || band->Break()) rows.emplace_back();
    rows.back().push_back(band);
  }
  int top = area.Top;
  for (const auto& row : rows) {
    int height = 0;
    for (const TCoolBand* band : row)
      height = std::max({height, band->MinHeight(), band->Control() ? band->Control()->Height() + 4 : 0});
    int left = area.Left;
    for (std::size_t i = 0; i < row.size(); ++i) {
      const TCoolBand* band = row[i];
      int width = band->Width() > 0 ? band->Width() : HeaderWidth(bar, *band) + band->MinWidth();
      int right = i + 1 == row.size() ? std::max(area.Right, left + width) : left + width;
      places.push_back({band, Rect(left, top, right, top + height)});
      left = right;
    }
    top += height;
  }
  return places;
}

}  // namespace

void PaintCoolBar(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  auto* bar = static_cast<TCoolBar*>(control);
  TWriter& svg = ctx.svg;
  svg.Fill(bounds, bar->Color());
  ToolWindowEdges(svg, bounds, bar->EdgeBorders(), bar->EdgeInner(), bar->EdgeOuter());
  TRect area = Inflate(bounds, -2);
  svg.OpenViewport(area);
  for (const TBandPlace& place : PlaceBands(*bar, area)) {
    const TRect& r = place.rect;
    const TCoolBand& band = *place.band;
    svg.Fill(r, band.Color());
    if (bar->BandBorderStyle() == bsSingle) svg.Edge(r, clBtnHighlight, clBtnShadow);
    int x = r.Left + 2;
    if (!band.FixedSize()) RaisedEdge(svg, Rect(x, r.Top + 2, x + 3, r.Bottom - 2));
    x += kGrip - 2;
    if (bar->Images() && band.ImageIndex() >= 0) {
      ListImage(svg, bar->Images(), band.ImageIndex(), x, r.Top + (r.Height() - bar->Images()->Height()) / 2);
      x += bar->Images()->Width() + 4;
    }
    if (bar->ShowText() && !band.Text().empty())
      svg.Text(x, r.Top + (r.Height() - MeasureTextHeight(bar->EffectiveFont())) / 2, band.Text(), bar->EffectiveFont(),
               bar->Enabled() ? bar->EffectiveFont().Color() : clGrayText);
  }
  svg.CloseViewport();
}

}  // namespace vcl::svg
