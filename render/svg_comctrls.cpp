// Painters of the common controls: status bars, header controls, tool bars and their
// buttons, track bars, progress bars, up-down buttons, tree views, list views, date and
// time pickers, hot-key fields and animations.
#include <algorithm>

#include "render/svg_painters.h"
#include "vcl/bitmap.h"
#include "vcl/comctrls_bars.h"
#include "vcl/comctrls_combo_ex.h"
#include "vcl/comctrls_pickers.h"
#include "vcl/comctrls_ranges.h"
#include "vcl/comctrls_views.h"
#include "vcl/text_metrics.h"

namespace vcl::svg {

namespace {

constexpr int kButtonWidth = 16;  // of the drop-down and up-down arrows

TColor TextColor(const TControl* control) { return control->Enabled() ? control->EffectiveFont().Color() : clGrayText; }

// A text placed in `area` by `alignment`, `indent` pixels from the edge it keeps to,
// vertically centred, clipped to the area.
void CellText(TWriter& svg, const TRect& area, std::string_view text, const TFont& font, TAlignment alignment,
              TColor color, int indent) {
  if (text.empty() || area.Width() <= 0) return;
  int width = MeasureTextWidth(font, text);
  int x = alignment == taLeftJustify    ? area.Left + indent
          : alignment == taRightJustify ? area.Right - indent - width
                                        : area.Left + (area.Width() - width) / 2;
  svg.OpenViewport(area);
  svg.Text(x, area.Top + (area.Height() - MeasureTextHeight(font)) / 2, text, font, color);
  svg.CloseViewport();
}

// A white field inside the sunken 3D edge (or a single line), as edits have.
TRect Field(TWriter& svg, const TRect& bounds, TColor color, bool ctl3D = true) {
  DrawBorder(svg, bounds, ctl3D ? TBorder::Sunken : TBorder::Single);
  TRect inside = Inflate(bounds, ctl3D ? -2 : -1);
  svg.Fill(inside, color);
  return inside;
}

// The size grip in the bottom-right corner of `r`: three diagonals, each a highlight line
// with a two-pixel shadow line beside it.
void SizeGrip(TWriter& svg, const TRect& r) {
  for (int line = 0; line < 3; ++line)
    for (int i = 0; i < 12 - 4 * line; ++i) {
      int x = r.Right - 12 + 4 * line + i, y = r.Bottom - 1 - i;
      svg.Fill(Bounds(x, y, 1, 1), clBtnHighlight);
      svg.Fill(Rect(x + 1, y, std::min(x + 3, r.Right), y + 1), clBtnShadow);
    }
}

// A row of buttons with texts, as list view and header control headings are drawn.
void HeaderButton(TWriter& svg, const TRect& r, std::string_view text, const TFont& font, TAlignment alignment,
                  TColor color) {
  ButtonFace(svg, r, false);
  CellText(svg, Inflate(r, -2), text, font, alignment, color, 4);
}

}  // namespace

void PaintStatusBar(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  auto* bar = static_cast<TStatusBar*>(control);
  ctx.svg.Fill(bounds, bar->Color());
  const TFont& font = bar->EffectiveFont();
  TColor color = TextColor(bar);
  // Panels lie 2 pixels below the top edge, 2 pixels apart.
  TRect row = Rect(bounds.Left, bounds.Top + 2, bounds.Right, bounds.Bottom);
  auto panel = [&](TRect r, std::string_view text, TStatusPanelBevel bevel, TAlignment alignment) {
    if (bevel == pbLowered) ctx.svg.Edge(r, clBtnShadow, clBtnHighlight);
    if (bevel == pbRaised) ctx.svg.Edge(r, clBtnHighlight, clBtnShadow);
    CellText(ctx.svg, Inflate(r, -1), text, font, alignment, color, 2);
  };
  if (bar->SimplePanel() || bar->Panels()->Count() == 0) {
    panel(row, bar->SimplePanel() ? bar->SimpleText() : "", pbNone, taLeftJustify);
  } else {
    int left = row.Left;
    int count = bar->Panels()->Count();
    for (int i = 0; i < count && left < row.Right; ++i) {
      TStatusPanel* item = bar->Panels()->Items(i);
      int right = i == count - 1 ? row.Right : std::min(row.Right, left + std::max(0, item->Width()));
      if (item->Style() == psText) panel(Rect(left, row.Top, right, row.Bottom), item->Text(), item->Bevel(), item->Alignment());
      left = right + 2;
    }
  }
  if (bar->SizeGrip()) SizeGrip(ctx.svg, bounds);
}

void PaintHeaderControl(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  auto* header = static_cast<THeaderControl*>(control);
  ctx.svg.Fill(bounds, clBtnFace);
  int left = bounds.Left;
  for (int i = 0; i < header->Sections()->Count() && left < bounds.Right; ++i) {
    THeaderSection* section = header->Sections()->Items(i);
    int right = std::min(bounds.Right, left + std::max(0, section->Width()));
    HeaderButton(ctx.svg, Rect(left, bounds.Top, right, bounds.Bottom), section->Text(), header->EffectiveFont(),
                 section->Alignment(), TextColor(header));
    left = right;
  }
  // What the sections leave is one more, empty button.
  if (left < bounds.Right) ButtonFace(ctx.svg, Rect(left, bounds.Top, bounds.Right, bounds.Bottom), false);
}

void ToolWindowEdges(TWriter& svg, const TRect& bounds, NativeInt borders, TEdgeStyle inner, TEdgeStyle outer) {
  auto has = [borders](TEdgeBorder edge) { return (borders & (NativeInt{1} << edge)) != 0; };
  // Each edge is two lines: the outer style's, then the inner style's.
  auto edge = [&](TRect r, TEdgeStyle style) {
    if (style == esNone) return;
    TColor first = style == esRaised ? clBtnHighlight : clBtnShadow;
    TColor second = style == esRaised ? clBtnShadow : clBtnHighlight;
    if (has(ebTop)) svg.Fill(Rect(r.Left, r.Top, r.Right, r.Top + 1), first);
    if (has(ebLeft)) svg.Fill(Rect(r.Left, r.Top, r.Left + 1, r.Bottom), first);
    if (has(ebBottom)) svg.Fill(Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom), second);
    if (has(ebRight)) svg.Fill(Rect(r.Right - 1, r.Top, r.Right, r.Bottom), second);
  };
  edge(bounds, outer);
  TRect within = bounds;
  if (outer != esNone) {
    if (has(ebTop)) ++within.Top;
    if (has(ebLeft)) ++within.Left;
    if (has(ebBottom)) --within.Bottom;
    if (has(ebRight)) --within.Right;
  }
  edge(within, inner);
}

void PaintToolBar(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  auto* bar = static_cast<TToolBar*>(control);
  if (!bar->Transparent()) ctx.svg.Fill(bounds, bar->Color());
  ToolWindowEdges(ctx.svg, bounds, bar->EdgeBorders(), bar->EdgeInner(), bar->EdgeOuter());
}

void PaintToolButton(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  auto* button = static_cast<TToolButton*>(control);
  TToolBar* bar = button->ToolBar();
  if (button->Style() == tbsDivider || (button->Style() == tbsSeparator && bar && bar->Flat())) {
    int x = bounds.Left + bounds.Width() / 2 - 1;
    ctx.svg.Fill(Rect(x, bounds.Top, x + 1, bounds.Bottom), clBtnShadow);
    ctx.svg.Fill(Rect(x + 1, bounds.Top, x + 2, bounds.Bottom), clBtnHighlight);
    return;
  }
  if (button->IsSeparator()) return;
  bool down = button->Down();
  TRect face = bounds;
  TRect arrow;
  bool dropDown = button->Style() == tbsDropDown;
  if (dropDown) {
    arrow = Rect(std::max(bounds.Left, bounds.Right - 14), bounds.Top, bounds.Right, bounds.Bottom);
    face.Right = arrow.Left;
  }
  // Flat bars draw their buttons' edges only under the mouse or when down.
  if (!bar || !bar->Flat() || down) {
    ButtonFace(ctx.svg, face, down);
    if (dropDown) ButtonFace(ctx.svg, arrow, false);
  }
  if (dropDown) Arrow(ctx.svg, arrow, TArrow::Down, button->Enabled() ? clBtnText : clGrayText);
  TCustomImageList* images = bar ? bar->Images() : nullptr;
  if (bar && !button->Enabled() && bar->DisabledImages()) images = bar->DisabledImages();
  bool hasImage = images && button->ImageIndex() >= 0 && button->ImageIndex() < images->Count();
  bool caption = bar && bar->ShowCaptions() && !button->Caption().empty();
  int shift = down ? 1 : 0;
  const TFont& font = button->EffectiveFont();
  int imageWidth = hasImage ? images->Width() : 0, imageHeight = hasImage ? images->Height() : 0;
  int textWidth = caption ? MeasureTextWidth(font, StripAccelChars(button->Caption())) : 0;
  int textHeight = caption ? MeasureTextHeight(font) : 0;
  bool beside = bar && bar->List();
  int contentWidth = beside ? imageWidth + (hasImage && caption ? 4 : 0) + textWidth : std::max(imageWidth, textWidth);
  int contentHeight = beside ? std::max(imageHeight, textHeight) : imageHeight + (hasImage && caption ? 1 : 0) + textHeight;
  int x = face.Left + (face.Width() - contentWidth) / 2 + shift;
  int y = face.Top + (face.Height() - contentHeight) / 2 + shift;
  ctx.svg.OpenViewport(Inflate(face, -1));
  if (hasImage) {
    int imageX = beside ? x : face.Left + (face.Width() - imageWidth) / 2 + shift;
    int imageY = beside ? face.Top + (face.Height() - imageHeight) / 2 + shift : y;
    ListImage(ctx.svg, images, button->ImageIndex(), imageX, imageY);
  }
  if (caption) {
    int textX = beside ? x + imageWidth + (hasImage ? 4 : 0) : face.Left + (face.Width() - textWidth) / 2 + shift;
    int textY = beside ? face.Top + (face.Height() - textHeight) / 2 + shift : y + imageHeight + (hasImage ? 1 : 0);
    StateCaption(ctx.svg, textX, textY, button->Caption(), font, font.Color(), button->Enabled());
  }
  ctx.svg.CloseViewport();
}

void PaintTrackBar(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  auto* bar = static_cast<TTrackBar*>(control);
  bool vertical = bar->Orientation() == trVertical;
  // Lengths along the bar and across it, as if horizontal; `at` maps them back.
  int length = vertical ? bounds.Height() : bounds.Width();
  int across = vertical ? bounds.Width() : bounds.Height();
  auto at = [&](int along, int cross, int alongSize, int crossSize) {
    return vertical ? Bounds(bounds.Left + cross, bounds.Top + along, crossSize, alongSize)
                    : Bounds(bounds.Left + along, bounds.Top + cross, alongSize, crossSize);
  };
  ctx.svg.Fill(bounds, bar->Color());
  int thumbWidth = 11, margin = 8 + thumbWidth / 2;
  bool ticksBefore = bar->TickMarks() != tmBottomRight, ticksAfter = bar->TickMarks() != tmTopLeft;
  int thumbLength = std::min(bar->ThumbLength(), across - 4);
  int thumbTop = ticksBefore && bar->TickStyle() != tsNone ? 10 : 4;
  int channelTop = thumbTop + thumbLength / 2 - 2;
  int channel = std::max(0, length - 2 * 8);
  SunkenEdge(ctx.svg, at(8, channelTop, channel, 4));
  int range = std::max(1, bar->Max() - bar->Min());
  int span = std::max(0, length - 2 * margin);
  auto place = [&](int position) { return margin + static_cast<int>(static_cast<long long>(position - bar->Min()) * span / range); };
  if (bar->TickStyle() == tsAuto) {
    int step = std::max(1, bar->Frequency());
    for (int p = bar->Min(); p <= bar->Max(); p += step) {
      int x = place(p);
      if (ticksAfter) ctx.svg.Fill(at(x, thumbTop + thumbLength + 2, 1, 3), clBtnText);
      if (ticksBefore) ctx.svg.Fill(at(x, thumbTop - 5, 1, 3), clBtnText);
    }
    if ((bar->Max() - bar->Min()) % step != 0) ctx.svg.Fill(at(place(bar->Max()), thumbTop + thumbLength + 2, 1, 3), clBtnText);
  }
  if (bar->SliderVisible()) {
    TRect thumb = at(place(std::clamp(bar->Position(), bar->Min(), std::max(bar->Min(), bar->Max()))) - thumbWidth / 2,
                     thumbTop, thumbWidth, thumbLength);
    ButtonFace(ctx.svg, thumb, false);
  }
}

void PaintProgressBar(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  auto* bar = static_cast<TProgressBar*>(control);
  ctx.svg.Edge(bounds, clBtnShadow, clBtnHighlight);
  TRect inside = Inflate(bounds, -1);
  ctx.svg.Fill(inside, clBtnFace);
  int range = bar->Max() - bar->Min();
  if (range <= 0) return;
  bool vertical = bar->Orientation() == pbVertical;
  int length = vertical ? inside.Height() : inside.Width();
  int filled = static_cast<int>(static_cast<long long>(std::clamp(bar->Position(), bar->Min(), bar->Max()) - bar->Min()) *
                                length / range);
  auto part = [&](int from, int to) {
    return vertical ? Rect(inside.Left + 1, inside.Bottom - to, inside.Right - 1, inside.Bottom - from)
                    : Rect(inside.Left + from, inside.Top + 1, inside.Left + to, inside.Bottom - 1);
  };
  if (bar->Smooth()) return ctx.svg.Fill(part(0, filled), clHighlight);
  // Blocks two thirds of the bar's thickness long, 2 pixels apart.
  int block = std::max(2, ((vertical ? inside.Width() : inside.Height()) - 2) * 2 / 3);
  for (int from = 1; from < filled; from += block + 2) ctx.svg.Fill(part(from, std::min(from + block, length - 1)), clHighlight);
}

void PaintUpDown(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  auto* updown = static_cast<TUpDown*>(control);
  ArrowButtons(ctx.svg, bounds, updown->Orientation() == udVertical, updown->Enabled());
}

void PaintTreeView(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  auto* tree = static_cast<TTreeView*>(control);
  TRect area = tree->BorderStyle() == bsNone ? bounds : Field(ctx.svg, bounds, tree->Color(), tree->Ctl3D());
  if (tree->BorderStyle() == bsNone) ctx.svg.Fill(area, tree->Color());
  const TFont& font = tree->EffectiveFont();
  TCustomImageList* images = tree->Images();
  int rowHeight = std::max(MeasureTextHeight(font) + 3, images ? images->Height() + 1 : 0);
  int indent = std::max(tree->Indent(), 1);
  int y = area.Top;
  ctx.svg.OpenViewport(area);
  // Depth first, drawing each shown node at its depth: a box with + or - when it has
  // children (and buttons are shown), its image, its text.
  auto draw = [&](auto& self, const std::vector<std::unique_ptr<TTreeNode>>& nodes, int depth) -> void {
    for (const auto& node : nodes) {
      if (y >= area.Bottom) return;
      int level = depth + (tree->ShowRoot() ? 1 : 0);
      int x = area.Left + 2 + level * indent;
      int middle = y + rowHeight / 2;
      if (tree->ShowButtons() && !node->Children.empty() && level > 0) {
        TRect box = Bounds(x - indent / 2 - 4, middle - 4, 9, 9);
        ctx.svg.Fill(box, clWindow);
        ctx.svg.Frame(box, clBtnShadow);
        ctx.svg.Fill(Bounds(box.Left + 2, middle, 5, 1), clWindowText);
        if (!node->Expanded) ctx.svg.Fill(Bounds(box.Left + 4, middle - 2, 1, 5), clWindowText);
      }
      if (images && node->ImageIndex >= 0) {
        ListImage(ctx.svg, images, node->ImageIndex, x, y + (rowHeight - images->Height()) / 2);
        x += images->Width() + 2;
      }
      ctx.svg.Text(x + 2, y + (rowHeight - MeasureTextHeight(font)) / 2, node->Text, font, TextColor(tree));
      y += rowHeight;
      if (node->Expanded) self(self, node->Children, depth + 1);
    }
  };
  draw(draw, tree->Items()->TopNodes(), 0);
  ctx.svg.CloseViewport();
}

namespace {
// A list view's items in report view: a row each under the column headers, the caption
// (after the small image) in the first column, the sub-items in the others.
void ReportItems(TWriter& svg, TListView* list, const TRect& area, int top, int rowHeight) {
  const TFont& font = list->EffectiveFont();
  TCustomImageList* images = list->SmallImages();
  int y = top;
  for (const TListItem& item : list->Items()->Items()) {
    if (y >= area.Bottom) return;
    int left = area.Left;
    for (int c = 0; c < std::max(1, list->Columns()->Count()) && left < area.Right; ++c) {
      TListColumn* column = c < list->Columns()->Count() ? list->Columns()->Items(c) : nullptr;
      int right = column ? left + std::max(0, column->Width()) : area.Right;
      TRect cell = Rect(left, y, right, y + rowHeight);
      // With small images, every caption keeps room for one.
      if (c == 0 && images) {
        ListImage(svg, images, item.ImageIndex, cell.Left + 2, y + (rowHeight - images->Height()) / 2);
        cell.Left += images->Width() + 2;
      }
      const std::string* text = c == 0 ? &item.Caption
                                : c - 1 < static_cast<int>(item.SubItems.size()) ? &item.SubItems[static_cast<std::size_t>(c - 1)]
                                                                                : nullptr;
      if (text) CellText(svg, cell, *text, font, column ? column->Alignment() : taLeftJustify, TextColor(list), 2);
      left = right;
    }
    y += rowHeight;
  }
}

// Items as icons (a large image over the caption, in cells of 75 pixels) or as small
// images beside captions: in rows (small icons) or in columns filled top down (list).
void IconItems(TWriter& svg, TListView* list, const TRect& area, int rowHeight) {
  const TFont& font = list->EffectiveFont();
  bool large = list->ViewStyle() == vsIcon;
  TCustomImageList* images = large ? list->LargeImages() : list->SmallImages();
  int imageWidth = images ? images->Width() : large ? 32 : 16;
  int imageHeight = images ? images->Height() : large ? 32 : 16;
  int cellWidth = large ? 75 : 0, cellHeight = large ? imageHeight + MeasureTextHeight(font) + 10 : rowHeight;
  if (!large) {
    for (const TListItem& item : list->Items()->Items())
      cellWidth = std::max(cellWidth, imageWidth + MeasureTextWidth(font, item.Caption) + 12);
    cellWidth = std::clamp(cellWidth, 1, std::max(1, area.Width()));
  }
  int perRow = std::max(1, area.Width() / cellWidth), perColumn = std::max(1, area.Height() / cellHeight);
  int index = 0;
  for (const TListItem& item : list->Items()->Items()) {
    bool columns = list->ViewStyle() == vsList;
    int col = columns ? index / perColumn : index % perRow, row = columns ? index % perColumn : index / perRow;
    ++index;
    TRect cell = Bounds(area.Left + col * cellWidth, area.Top + row * cellHeight, cellWidth, cellHeight);
    if (columns ? cell.Left >= area.Right : cell.Top >= area.Bottom) return;
    if (large) {
      ListImage(svg, images, item.ImageIndex, cell.Left + (cellWidth - imageWidth) / 2, cell.Top + 2);
      CellText(svg, Rect(cell.Left, cell.Top + imageHeight + 4, cell.Right, cell.Bottom), item.Caption, font, taCenter,
               TextColor(list), 0);
    } else {
      ListImage(svg, images, item.ImageIndex, cell.Left + 2, cell.Top + (cellHeight - imageHeight) / 2);
      CellText(svg, Rect(cell.Left + (images ? imageWidth + 2 : 0), cell.Top, cell.Right, cell.Bottom), item.Caption,
               font, taLeftJustify, TextColor(list), 2);
    }
  }
}
}  // namespace

void PaintListView(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  auto* list = static_cast<TListView*>(control);
  TRect area = list->BorderStyle() == bsNone ? bounds : Field(ctx.svg, bounds, list->Color(), list->Ctl3D());
  if (list->BorderStyle() == bsNone) ctx.svg.Fill(area, list->Color());
  const TFont& font = list->EffectiveFont();
  TCustomImageList* small = list->SmallImages();
  int rowHeight = std::max(MeasureTextHeight(font) + 3, small ? small->Height() + 1 : 0);
  ctx.svg.OpenViewport(area);
  if (list->ViewStyle() != vsReport) {
    IconItems(ctx.svg, list, area, rowHeight);
    return ctx.svg.CloseViewport();
  }
  int top = area.Top;
  if (list->ShowColumnHeaders()) {
    TRect header = Rect(area.Left, area.Top, area.Right, std::min(area.Bottom, area.Top + MeasureTextHeight(font) + 4));
    int left = header.Left;
    for (int i = 0; i < list->Columns()->Count() && left < header.Right; ++i) {
      TListColumn* column = list->Columns()->Items(i);
      int right = left + std::max(0, column->Width());
      HeaderButton(ctx.svg, Rect(left, header.Top, right, header.Bottom), column->Caption(), font, column->Alignment(),
                   TextColor(list));
      left = right;
    }
    if (left < header.Right) ButtonFace(ctx.svg, Rect(left, header.Top, header.Right, header.Bottom), false);
    top = header.Bottom;
  }
  ReportItems(ctx.svg, list, area, top, rowHeight);
  ctx.svg.CloseViewport();
}

void PaintComboBoxEx(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  auto* combo = static_cast<TCustomComboBoxEx*>(control);
  TComboExItem* item = combo->SelectedItem();
  bool image = item && combo->Images() && !(combo->StyleEx() & NativeInt{1} << csExNoEditImage);
  DrawComboBox(ctx, combo, bounds, image ? combo->Images() : nullptr, image ? item->ShownImageIndex() : -1);
}

void PaintDateTimePicker(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  auto* picker = static_cast<TDateTimePicker*>(control);
  TRect inside = Field(ctx.svg, bounds, picker->Color());
  TRect button = Rect(std::max(inside.Left, inside.Right - kButtonWidth), inside.Top, inside.Right, inside.Bottom);
  if (picker->Kind() == dtkDate && picker->DateMode() == dmComboBox) {
    ButtonFace(ctx.svg, button, false);
    Arrow(ctx.svg, button, TArrow::Down, picker->Enabled() ? clBtnText : clGrayText);
  } else {
    ArrowButtons(ctx.svg, button, true, picker->Enabled());
  }
  TRect text = Rect(inside.Left, inside.Top, button.Left, inside.Bottom);
  if (picker->ShowCheckbox()) {
    CheckGlyph(ctx.svg, text.Left + 2, text.Top + (text.Height() - 13) / 2, picker->Checked() ? cbChecked : cbUnchecked,
               picker->Enabled(), true);
    text.Left += 17;
  }
  CellText(ctx.svg, text, picker->DisplayText(), picker->EffectiveFont(), taLeftJustify, TextColor(picker), 2);
}

void PaintMonthCalendar(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  auto* calendar = static_cast<TMonthCalendar*>(control);
  const TFont& font = calendar->EffectiveFont();
  TColor color = TextColor(calendar);
  TRect inside = Field(ctx.svg, bounds, calendar->Color());
  ctx.svg.OpenViewport(inside);
  int row = MeasureTextHeight(font) + 2;
  TDateParts date = DecodeDate(calendar->Date());
  // The title: month and year on the caption colour, with the arrows to the months beside.
  TRect title = Rect(inside.Left, inside.Top, inside.Right, inside.Top + row + 4);
  ctx.svg.Fill(title, clActiveCaption);
  Arrow(ctx.svg, Bounds(title.Left + 4, title.Top, 12, title.Height()), TArrow::Left, clCaptionText);
  Arrow(ctx.svg, Bounds(title.Right - 16, title.Top, 12, title.Height()), TArrow::Right, clCaptionText);
  CellText(ctx.svg, title, std::string(LongMonthName(date.Month)) + " " + std::to_string(date.Year), font, taCenter,
           clCaptionText, 0);
  // Seven columns of days, Sunday first, under their initials and a rule.
  int cell = inside.Width() / 7;
  int left = inside.Left + (inside.Width() - 7 * cell) / 2;
  int y = title.Bottom + 2;
  static constexpr const char* kDays[] = {"S", "M", "T", "W", "T", "F", "S"};
  for (int d = 0; d < 7; ++d) CellText(ctx.svg, Bounds(left + d * cell, y, cell, row), kDays[d], font, taCenter, color, 0);
  y += row;
  ctx.svg.Fill(Rect(left, y, left + 7 * cell, y + 1), clBtnShadow);
  y += 2;
  double first = EncodeDate(date.Year, date.Month, 1);
  int days = static_cast<int>(EncodeDate(date.Month == 12 ? date.Year + 1 : date.Year, date.Month % 12 + 1, 1) - first);
  int column = DayOfWeek(first);
  for (int day = 1; day <= days; ++day) {
    TRect r = Bounds(left + column * cell, y, cell, row);
    bool chosen = day == date.Day;
    if (chosen) ctx.svg.Fill(r, clBtnFace);
    CellText(ctx.svg, r, std::to_string(day), font, taCenter, color, 0);
    if (++column == 7) column = 0, y += row;
  }
  if (calendar->ShowToday()) {
    y += column == 0 ? 2 : row + 2;
    TDateParts today = DecodeDate(NowAsDateTime());
    CellText(ctx.svg, Bounds(left, y, 7 * cell, row),
             "Today: " + std::to_string(today.Month) + "/" + std::to_string(today.Day) + "/" +
                 std::to_string(today.Year % 100 / 10) + std::to_string(today.Year % 10),
             font, taLeftJustify, color, 4);
  }
  ctx.svg.CloseViewport();
}

void PaintHotKey(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  auto* hotKey = static_cast<THotKey*>(control);
  TRect inside = Field(ctx.svg, bounds, hotKey->Color());
  CellText(ctx.svg, inside, hotKey->DisplayText(), hotKey->EffectiveFont(), taLeftJustify, TextColor(hotKey), 1);
}

void PaintAnimate(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  // No clip plays while designing: an opaque player shows its colour, a transparent one
  // what lies beneath.
  auto* animate = static_cast<TAnimate*>(control);
  if (!animate->Transparent()) ctx.svg.Fill(bounds, animate->Color());
}

}  // namespace vcl::svg
