// The page scroller: its face, and an arrow button at each end that has more to scroll to.
#include <algorithm>

#include "render/svg_painters.h"
#include "vcl/comctrls_pager.h"

namespace vcl::svg {

void PaintPageScroller(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  auto* pager = static_cast<TPageScroller*>(control);
  ctx.svg.Fill(bounds, pager->Color());
  bool horizontal = pager->Orientation() == soHorizontal;
  int size = std::min(pager->ButtonSize(), horizontal ? bounds.Width() : bounds.Height());
  TColor arrow = pager->Enabled() ? clBtnText : clGrayText;
  if (pager->ButtonState(sbFirst) == bsNormal) {
    TRect first = horizontal ? Rect(bounds.Left, bounds.Top, bounds.Left + size, bounds.Bottom)
                             : Rect(bounds.Left, bounds.Top, bounds.Right, bounds.Top + size);
    ButtonFace(ctx.svg, first, false);
    Arrow(ctx.svg, first, horizontal ? TArrow::Left : TArrow::Up, arrow);
  }
  if (pager->ButtonState(sbLast) == bsNormal) {
    TRect last = horizontal ? Rect(bounds.Right - size, bounds.Top, bounds.Right, bounds.Bottom)
                            : Rect(bounds.Left, bounds.Bottom - size, bounds.Right, bounds.Bottom);
    ButtonFace(ctx.svg, last, false);
    Arrow(ctx.svg, last, horizontal ? TArrow::Right : TArrow::Down, arrow);
  }
}

}  // namespace vcl::svg
