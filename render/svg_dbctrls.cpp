// Painters of the data-aware controls that have no standard control's look to inherit:
// the navigator, the lookup list and combo boxes, and the image of a graphic field.
#include "render/svg_painters.h"
#include "vcl/db/dbctrls.h"

namespace vcl::svg {

namespace {

// The navigator buttons' pictures, 7 x 7 pixels unless an arrow draws them.
void NavigatorGlyph(TWriter& svg, const TRect& face, TNavigateBtn button, TColor color) {
  auto pixels = [&](const std::vector<std::string>& rows) {
    int width = static_cast<int>(rows.front().size()), height = static_cast<int>(rows.size());
    svg.Pixels(face.Left + (face.Width() - width) / 2, face.Top + (face.Height() - height) / 2, rows, color);
  };
  switch (button) {
    case nbFirst: pixels({"#....#", "#...##", "#..###", "#.####", "#..###", "#...##", "#....#"}); break;
    case nbPrior: Arrow(svg, face, TArrow::Left, color); break;
    case nbNext: Arrow(svg, face, TArrow::Right, color); break;
    case nbLast: pixels({"#....#", "##...#", "###..#", "####.#", "###..#", "##...#", "#....#"}); break;
    case nbInsert: pixels({"..##..", "..##..", "######", "######", "..##..", "..##.."}); break;
    case nbDelete: pixels({"######", "######"}); break;
    case nbEdit: Arrow(svg, face, TArrow::Up, color); break;
    case nbPost: pixels({"......#", ".....##", "#...###", "##.###.", "#####..", ".###...", "..#...."}); break;
    case nbCancel: pixels({"##...##", ".##.##.", "..###..", "..###..", ".##.##.", "##...##"}); break;
    case nbRefresh: pixels({"..####.", ".#....#", "#......", "#...###", "#....##", ".#...##", "..###.#"}); break;
  }
}

}  // namespace

void PaintDBNavigator(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  auto* navigator = static_cast<TDBNavigator*>(control);
  std::vector<TNavigateBtn> visible;
  for (int i = 0; i < NavigateBtnCount; ++i)
    if (navigator->VisibleButtons() & (1u << i)) visible.push_back(static_cast<TNavigateBtn>(i));
  if (visible.empty()) return ctx.svg.Fill(bounds, navigator->Color());
  int count = static_cast<int>(visible.size());
  int width = navigator->ButtonWidth() > 0 ? navigator->ButtonWidth() : bounds.Width() / count;
  TColor color = navigator->Enabled() ? clBtnText : clGrayText;
  for (int i = 0; i < count; ++i) {
    // The last button takes what the equal shares leave over.
    int right = i == count - 1 ? bounds.Right : bounds.Left + (i + 1) * width;
    TRect face = Rect(bounds.Left + i * width, bounds.Top, right, bounds.Bottom);
    ctx.svg.Fill(face, clBtnFace);
    if (!navigator->Flat()) RaisedEdge(ctx.svg, face);
    NavigatorGlyph(ctx.svg, face, visible[static_cast<std::size_t>(i)], color);
  }
}

void PaintLookupComboBox(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  SunkenEdge(ctx.svg, bounds);
  TRect client = Inflate(bounds, -2);
  ctx.svg.Fill(client, control->Color());
  TRect button = Rect(std::max(client.Left, client.Right - 16), client.Top, client.Right, client.Bottom);
  ButtonFace(ctx.svg, button, false);
  Arrow(ctx.svg, button, TArrow::Down, control->Enabled() ? clBtnText : clGrayText);
}

void PaintLookupListBox(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  auto* list = static_cast<TDBLookupListBox*>(control);
  DrawBorder(ctx.svg, bounds, list->BorderStyle() == bsNone ? TBorder::None : TBorder::Sunken);
  ctx.svg.Fill(ClientBounds(list, bounds), list->Color());
}

void PaintDBImage(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  auto* image = static_cast<TDBImage*>(control);
  DrawBorder(ctx.svg, bounds,
             image->BorderStyle() == bsNone ? TBorder::None : image->Ctl3D() ? TBorder::Sunken : TBorder::Single);
  TRect client = ClientBounds(image, bounds);
  ctx.svg.Fill(client, image->Color());
  auto* bitmap = Cast<TBitmap>(image->Picture()->Graphic());
  if (!bitmap || bitmap->Empty()) return;
  TRect at = image->Stretch() ? client
             : image->Center()
                 ? Bounds(client.Left + (client.Width() - bitmap->Width()) / 2,
                          client.Top + (client.Height() - bitmap->Height()) / 2, bitmap->Width(), bitmap->Height())
                 : Bounds(client.Left, client.Top, bitmap->Width(), bitmap->Height());
  ctx.svg.OpenViewport(client);
  ctx.svg.Image(at, *bitmap);
  ctx.svg.CloseViewport();
}

}  // namespace vcl::svg
