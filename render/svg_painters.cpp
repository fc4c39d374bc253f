#include "render/svg_painters.h"

#include <algorithm>
#include <unordered_map>

#include "vcl/comctrls.h"
#include "vcl/comctrls_bars.h"
#include "vcl/comctrls_combo_ex.h"
#include "vcl/comctrls_coolbar.h"
#include "vcl/comctrls_pager.h"
#include "vcl/comctrls_pickers.h"
#include "vcl/comctrls_ranges.h"
#include "vcl/comctrls_views.h"
#include "vcl/db/dbctrls.h"
#include "vcl/db/dbgrids.h"
#include "vcl/extctrls.h"
#include "vcl/forms.h"
#include "vcl/grids.h"
#include "vcl/notebook.h"
#include "vcl/scroll_bar.h"
#include "vcl/spin.h"
#include "vcl/stdctrls.h"
#include "vcl/tabnotbk.h"
#include "vcl/tabs.h"

namespace vcl::svg {

TPainter FindPainter(TClass cls) {
  static const std::unordered_map<TClass, TPainter> painters = {
      {TCustomLabel::ClassInfo(), PaintLabel},
      {TCustomStaticText::ClassInfo(), PaintStaticText},
      {TCustomEdit::ClassInfo(), PaintEdit},
      {TCustomMemo::ClassInfo(), PaintMemo},
      {TCustomComboBox::ClassInfo(), PaintComboBox},
      {TCustomListBox::ClassInfo(), PaintListBox},
      {TSpinButton::ClassInfo(), PaintSpinButton},
      {TButton::ClassInfo(), PaintButton},
      {TBitBtn::ClassInfo(), PaintBitBtn},
      {TSpeedButton::ClassInfo(), PaintSpeedButton},
      {TCustomCheckBox::ClassInfo(), PaintCheckBox},
      {TRadioButton::ClassInfo(), PaintRadioButton},
      {TCustomForm::ClassInfo(), PaintForm},
      {TCustomPanel::ClassInfo(), PaintPanel},
      {TCustomGroupBox::ClassInfo(), PaintGroupBox},
      {TScrollBox::ClassInfo(), PaintScrollBox},
      {TCustomFrame::ClassInfo(), PaintFrame},
      {TCustomTabControl::ClassInfo(), PaintTabControl},
      {TTabSheet::ClassInfo(), PaintTabSheet},
      {TDBNavigator::ClassInfo(), PaintDBNavigator},
      {TDBLookupComboBox::ClassInfo(), PaintLookupComboBox},
      {TDBLookupListBox::ClassInfo(), PaintLookupListBox},
      {TDBImage::ClassInfo(), PaintDBImage},
      {TCustomGrid::ClassInfo(), PaintGrid},
      {TCustomDBGrid::ClassInfo(), PaintDBGrid},
      {TScrollBar::ClassInfo(), PaintScrollBarControl},
      {TTabSet::ClassInfo(), PaintTabSet},
      {TNotebook::ClassInfo(), PaintNotebook},
      {TPage::ClassInfo(), PaintNotebookPage},
      {TTabPage::ClassInfo(), PaintNotebookPage},
      // common controls
      {TStatusBar::ClassInfo(), PaintStatusBar}, {THeaderControl::ClassInfo(), PaintHeaderControl}, {TToolBar::ClassInfo(), PaintToolBar}, {TCoolBar::ClassInfo(), PaintCoolBar}, {TToolButton::ClassInfo(), PaintToolButton}, {TTrackBar::ClassInfo(), PaintTrackBar}, {TProgressBar::ClassInfo(), PaintProgressBar}, {TUpDown::ClassInfo(), PaintUpDown}, {TTreeView::ClassInfo(), PaintTreeView}, {TListView::ClassInfo(), PaintListView}, {TCustomComboBoxEx::ClassInfo(), PaintComboBoxEx}, {TDateTimePicker::ClassInfo(), PaintDateTimePicker}, {TMonthCalendar::ClassInfo(), PaintMonthCalendar}, {THotKey::ClassInfo(), PaintHotKey}, {TAnimate::ClassInfo(), PaintAnimate},
      {TPageScroller::ClassInfo(), PaintPageScroller},
      {TGraphicControl::ClassInfo(), PaintRecorded},
      {TCustomControl::ClassInfo(), PaintRecorded},
  };
  for (; cls; cls = cls->ClassParent()) {
    auto found = painters.find(cls);
    if (found != painters.end()) return found->second;
  }
  return PaintPlaceholder;
}

TPoint ClientOrigin(const TWinControl* control) {
  // The client area sits inside equal borders, below the caption (and menu) bar.
  int border = std::max(0, (control->Width() - control->ClientWidth()) / 2);
  int top = std::max(0, control->Height() - control->ClientHeight() - border);
  return Point(border, top);
}

TRect ClientBounds(const TControl* control, const TRect& bounds) {
  auto* windowed = Cast<TWinControl>(const_cast<TControl*>(control));
  if (!windowed) return bounds;
  TPoint origin = ClientOrigin(windowed);
  return Bounds(bounds.Left + origin.X, bounds.Top + origin.Y, windowed->ClientWidth(), windowed->ClientHeight());
}

bool ShownInDesigner(const TControl* control) {
  return control->Visible() || (control->HasState(csDesigning) && !control->HasStyle(csNoDesignVisible));
}

// ---- shared pieces

void ListImage(TWriter& svg, const TCustomImageList* images, int index, int x, int y) {
  if (!images || index < 0 || index >= images->Count()) return;
  TBitmap image;
  images->GetBitmap(index, &image);
  svg.Image(Bounds(x, y, images->Width(), images->Height()), image);
}

TRect Inflate(const TRect& r, int by) { return Rect(r.Left - by, r.Top - by, r.Right + by, r.Bottom + by); }

void DrawBorder(TWriter& svg, const TRect& bounds, TBorder border) {
  if (border == TBorder::Single) svg.Frame(bounds, clWindowFrame);
  if (border == TBorder::Sunken) SunkenEdge(svg, bounds);
}

void RaisedEdge(TWriter& svg, const TRect& r) {
  svg.Edge(r, clBtnHighlight, cl3DDkShadow);
  svg.Edge(Inflate(r, -1), cl3DLight, clBtnShadow);
}

void SunkenEdge(TWriter& svg, const TRect& r) {
  svg.Edge(r, clBtnShadow, clBtnHighlight);
  svg.Edge(Inflate(r, -1), cl3DDkShadow, cl3DLight);
}

void ButtonFace(TWriter& svg, const TRect& r, bool down) {
  svg.Fill(r, clBtnFace);
  if (!down) return RaisedEdge(svg, r);
  svg.Frame(r, cl3DDkShadow);
  svg.Frame(Inflate(r, -1), clBtnShadow);
}

void Arrow(TWriter& svg, const TRect& r, TArrow direction, TColor color) {
  // The base is 7 pixels (5 on small buttons), the height half of it rounded up.
  int base = std::min(r.Width(), r.Height()) >= 12 ? 7 : 5;
  int depth = (base + 1) / 2;
  bool vertical = direction == TArrow::Up || direction == TArrow::Down;
  int w = vertical ? base : depth, h = vertical ? depth : base;
  int x = r.Left + (r.Width() - w) / 2, y = r.Top + (r.Height() - h) / 2;
  for (int i = 0; i < depth; ++i) {
    int length = base - 2 * i;
    switch (direction) {
      case TArrow::Down: svg.Fill(Bounds(x + i, y + i, length, 1), color); break;
      case TArrow::Up: svg.Fill(Bounds(x + i, y + depth - 1 - i, length, 1), color); break;
      case TArrow::Right: svg.Fill(Bounds(x + i, y + i, 1, length), color); break;
      case TArrow::Left: svg.Fill(Bounds(x + depth - 1 - i, y + i, 1, length), color); break;
    }
  }
}

void ArrowButtons(TWriter& svg, const TRect& r, bool vertical, bool enabled) {
  TColor color = enabled ? clBtnText : clGrayText;
  TRect first = vertical ? Rect(r.Left, r.Top, r.Right, r.Top + r.Height() / 2)
                         : Rect(r.Left, r.Top, r.Left + r.Width() / 2, r.Bottom);
  TRect second = vertical ? Rect(r.Left, first.Bottom, r.Right, r.Bottom) : Rect(first.Right, r.Top, r.Right, r.Bottom);
  ButtonFace(svg, first, false);
  ButtonFace(svg, second, false);
  Arrow(svg, first, vertical ? TArrow::Up : TArrow::Left, color);
  Arrow(svg, second, vertical ? TArrow::Down : TArrow::Right, color);
}

void ScrollBar(TWriter& svg, const TRect& r, bool vertical) {
  int length = vertical ? r.Height() : r.Width();
  int thickness = vertical ? r.Width() : r.Height();
  int button = std::min(thickness, length / 2);
  TRect first = vertical ? Bounds(r.Left, r.Top, thickness, button) : Bounds(r.Left, r.Top, button, thickness);
  TRect last = vertical ? Bounds(r.Left, r.Bottom - button, thickness, button)
                        : Bounds(r.Right - button, r.Top, button, thickness);
  TRect track = vertical ? Rect(r.Left, first.Bottom, r.Right, last.Top) : Rect(first.Right, r.Top, last.Left, r.Bottom);
  svg.Dither(track);
  ButtonFace(svg, first, false);
  ButtonFace(svg, last, false);
  Arrow(svg, first, vertical ? TArrow::Up : TArrow::Left, clBtnText);
  Arrow(svg, last, vertical ? TArrow::Down : TArrow::Right, clBtnText);
}

void StateCaption(TWriter& svg, int x, int y, std::string_view caption, const TFont& font, TColor color, bool enabled,
                  bool showAccel) {
  if (enabled)
    svg.Caption(x, y, caption, font, color, showAccel);
  else
    svg.DisabledCaption(x, y, caption, font, showAccel);
}

void CheckGlyph(TWriter& svg, int x, int y, TCheckBoxState state, bool enabled, bool flat) {
  TRect box = Bounds(x, y, 13, 13);
  bool grayed = state == cbGrayed || !enabled;
  if (flat) {
    svg.Frame(box, clBtnShadow);
  } else {
    svg.Edge(box, clBtnShadow, clBtnHighlight);
    svg.Edge(Inflate(box, -1), cl3DDkShadow, cl3DLight);
  }
  svg.Fill(Inflate(box, flat ? -1 : -2), grayed ? clBtnFace : clWindow);
  if (state == cbUnchecked) return;
  svg.Pixels(x + 3, y + 3, {"......#", ".....##", "#...###", "##.###.", "#####..", ".###...", "..#...."},
             grayed ? clBtnShadow : clWindowText);
}

void RadioGlyph(TWriter& svg, int x, int y, bool checked, bool enabled) {
  static constexpr std::string_view kOuter[12] = {
      "....####....", "..##....##..", ".#........#.", ".#........#.", "#..........#", "#..........#",
      "#..........#", "#..........#", ".#........#.", ".#........#.", "..##....##..", "....####...."};
  static constexpr std::string_view kInner[12] = {
      "............", "....####....", "..##....##..", "..#......#..", ".#........#.", ".#........#.",
      ".#........#.", ".#........#.", "..#......#..", "..##....##..", "....####....", "............"};
  // Each ring is split along the rising diagonal: the upper-left half is the shadow.
  auto half = [](const std::string_view (&ring)[12], bool upperLeft) {
    std::vector<std::string> rows;
    for (int row = 0; row < 12; ++row) {
      std::string line(ring[row]);
      for (int col = 0; col < 12; ++col)
        if (line[static_cast<std::size_t>(col)] == '#' && (row + col < 11) != upperLeft) line[static_cast<std::size_t>(col)] = '.';
      rows.push_back(line);
    }
    return rows;
  };
  auto draw = [&](const std::vector<std::string>& rows, TColor color) { svg.Pixels(x, y, rows, color); };
  draw(half(kOuter, true), clBtnShadow);
  draw(half(kOuter, false), clBtnHighlight);
  draw(half(kInner, true), cl3DDkShadow);
  draw(half(kInner, false), cl3DLight);
  std::vector<std::string> inside;
  for (std::string_view ring : kInner) {
    std::size_t first = ring.find('#'), last = ring.rfind('#');
    std::string line(12, '.');
    if (first != std::string_view::npos)
      for (std::size_t col = first + 1; col < last; ++col)
        if (ring[col] != '#') line[col] = '#';
    inside.push_back(line);
  }
  draw(inside, enabled ? clWindow : clBtnFace);
  if (checked)
    svg.Pixels(x + 4, y + 4, {".##.", "####", "####", ".##."}, enabled ? clWindowText : clBtnShadow);
}

}  // namespace vcl::svg
