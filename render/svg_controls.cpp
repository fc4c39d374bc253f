// Painters of the text and list controls: labels, static texts, edits, memos, combo boxes,
// list boxes (check list boxes too) and the arrows of spin edits.
#include "render/svg_painters.h"
#include "vcl/checklst.h"
#include "vcl/imglist.h"
#include "vcl/mask.h"
#include "vcl/spin.h"
#include "vcl/stdctrls.h"
#include "vcl/text_metrics.h"

namespace vcl::svg {

namespace {

constexpr int kScrollBarWidth = 16;

// Lines of text aligned in `area` from its top: left-justified lines start `indent`
// pixels in, right-justified ones end `indent` pixels before the edge.
void AlignedLines(TWriter& svg, const TRect& area, int top, const std::vector<std::string>& lines, const TFont& font,
                  TAlignment alignment, TColor color, int indent) {
  int lineHeight = MeasureTextHeight(font);
  for (const std::string& line : lines) {
    if (top >= area.Bottom) break;
    int width = MeasureTextWidth(font, line);
    int x = alignment == taLeftJustify    ? area.Left + indent
            : alignment == taRightJustify ? area.Right - indent - width
                                          : area.Left + (area.Width() - width) / 2;
    svg.Text(x, top, line, font, color);
    top += lineHeight;
  }
}

TBorder EditBorder(TBorderStyle style, bool ctl3D) {
  return style == bsNone ? TBorder::None : ctl3D ? TBorder::Sunken : TBorder::Single;
}

// What an edit box shows: its text (laid out by its mask), or one password character per
// character.
std::string ShownText(const TCustomEdit* edit) {
  auto* masked = Cast<TCustomMaskEdit>(const_cast<TCustomEdit*>(edit));
  std::string text = masked ? masked->EditText() : edit->Text();
  if (!edit->PasswordChar()) return text;
  std::size_t characters = 0;
  for (char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++characters;
  return std::string(characters, edit->PasswordChar());
}

TColor TextColor(const TControl* control) { return control->Enabled() ? control->EffectiveFont().Color() : clGrayText; }

}  // namespace

void PaintLabel(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  auto* label = static_cast<TCustomLabel*>(control);
  const TFont& font = label->EffectiveFont();
  if (!label->Transparent()) ctx.svg.Fill(bounds, label->Color());
  std::string caption = label->GetLabelText();
  bool accel = label->ShowAccelChar();
  TTextLayoutResult layout =
      LayoutText(font, accel ? StripAccelChars(caption) : caption, label->WordWrap(), bounds.Width());
  int top = label->Layout() == tlTop      ? 0
            : label->Layout() == tlCenter ? (bounds.Height() - layout.height) / 2
                                          : bounds.Height() - layout.height;
  int lineHeight = MeasureTextHeight(font);
  for (std::size_t i = 0; i < layout.lines.size(); ++i) {
    const std::string& line = layout.lines[i];
    int width = MeasureTextWidth(font, line);
    int x = label->Alignment() == taLeftJustify    ? 0
            : label->Alignment() == taRightJustify ? bounds.Width() - width
                                                   : (bounds.Width() - width) / 2;
    // The accelerator's underline is drawn when the caption stays on one line.
    bool oneLine = layout.lines.size() == 1;
    StateCaption(ctx.svg, bounds.Left + x, bounds.Top + top + static_cast<int>(i) * lineHeight,
                 oneLine ? caption : line, font, font.Color(), label->Enabled(), accel && oneLine);
  }
}

void PaintStaticText(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  auto* text = static_cast<TCustomStaticText*>(control);
  ctx.svg.Fill(bounds, text->Color());
  if (text->BorderStyle() == sbsSingle) ctx.svg.Frame(bounds, clWindowFrame);
  if (text->BorderStyle() == sbsSunken) ctx.svg.Edge(bounds, clBtnShadow, clBtnHighlight);
  TRect area = text->BorderStyle() == sbsNone ? bounds : Inflate(bounds, -1);
  const TFont& font = text->EffectiveFont();
  std::string caption = text->Caption();
  bool accel = text->ShowAccelChar();
  TTextLayoutResult layout = LayoutText(font, accel ? StripAccelChars(caption) : caption, true, area.Width());
  if (layout.lines.size() == 1) {
    int width = layout.width;
    int x = text->Alignment() == taLeftJustify    ? area.Left
            : text->Alignment() == taRightJustify ? area.Right - width
                                                  : area.Left + (area.Width() - width) / 2;
    return StateCaption(ctx.svg, x, area.Top, caption, font, font.Color(), text->Enabled(), accel);
  }
  AlignedLines(ctx.svg, area, area.Top, layout.lines, font, text->Alignment(), TextColor(text), 0);
}

void PaintEdit(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  auto* edit = static_cast<TCustomEdit*>(control);
  DrawBorder(ctx.svg, bounds, EditBorder(edit->BorderStyle(), edit->Ctl3D()));
  TRect client = ClientBounds(edit, bounds);
  ctx.svg.Fill(client, edit->Color());
  ctx.svg.OpenViewport(client);
  ctx.svg.Text(client.Left + 1, client.Top + 1, ShownText(edit), edit->EffectiveFont(), TextColor(edit));
  ctx.svg.CloseViewport();
}

void PaintMemo(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  auto* memo = static_cast<TCustomMemo*>(control);
  DrawBorder(ctx.svg, bounds, EditBorder(memo->BorderStyle(), memo->Ctl3D()));
  TRect client = ClientBounds(memo, bounds);
  ctx.svg.Fill(client, memo->Color());
  bool vertical = memo->ScrollBars() == ssVertical || memo->ScrollBars() == ssBoth;
  bool horizontal = memo->ScrollBars() == ssHorizontal || memo->ScrollBars() == ssBoth;
  TRect area = client;
  if (vertical) area.Right -= kScrollBarWidth;
  if (horizontal) area.Bottom -= kScrollBarWidth;
  if (vertical) ScrollBar(ctx.svg, Rect(area.Right, client.Top, client.Right, area.Bottom), true);
  if (horizontal) ScrollBar(ctx.svg, Rect(client.Left, area.Bottom, area.Right, client.Bottom), false);
  if (vertical && horizontal) ctx.svg.Fill(Rect(area.Right, area.Bottom, client.Right, client.Bottom), clBtnFace);
  const TFont& font = memo->EffectiveFont();
  TTextLayoutResult layout = LayoutText(font, memo->Text(), memo->WordWrap() && !horizontal, area.Width() - 2);
  ctx.svg.OpenViewport(area);
  AlignedLines(ctx.svg, area, area.Top, layout.lines, font, memo->Alignment(), TextColor(memo), 1);
  ctx.svg.CloseViewport();
}

namespace {
// A simple combo box: an edit box for the text over the list, which is always open.
// The text of the edit part in `text`, after the image when there is one.
void EditPart(const TPaintContext& ctx, TCustomComboBox* combo, const TRect& text, int indent,
              const TCustomImageList* images, int imageIndex) {
  const TFont& font = combo->EffectiveFont();
  ctx.svg.OpenViewport(text);
  int x = text.Left + indent;
  if (images && imageIndex >= 0 && imageIndex < images->Count()) {
    ListImage(ctx.svg, images, imageIndex, x, text.Top + (text.Height() - images->Height()) / 2);
    x += images->Width() + 4;
  }
  ctx.svg.Text(x, text.Top + (text.Height() - MeasureTextHeight(font)) / 2, combo->Text(), font, TextColor(combo));
  ctx.svg.CloseViewport();
}

void SimpleComboBox(const TPaintContext& ctx, TCustomComboBox* combo, const TRect& bounds,
                    const TCustomImageList* images, int imageIndex) {
  const TFont& font = combo->EffectiveFont();
  int lineHeight = MeasureTextHeight(font);
  TRect edit = Rect(bounds.Left, bounds.Top, bounds.Right, std::min(bounds.Bottom, bounds.Top + lineHeight + 8));
  SunkenEdge(ctx.svg, edit);
  TRect text = Inflate(edit, -2);
  ctx.svg.Fill(text, combo->Color());
  EditPart(ctx, combo, text, 1, images, imageIndex);
  TRect list = Rect(bounds.Left, edit.Bottom, bounds.Right, bounds.Bottom);
  if (list.Height() <= 4) return;
  SunkenEdge(ctx.svg, list);
  TRect items = Inflate(list, -2);
  ctx.svg.Fill(items, combo->Color());
  int itemHeight = std::max(1, combo->ItemHeight());
  TStrings* strings = combo->Items();
  if (strings->Count() * itemHeight > items.Height()) {
    items.Right -= kScrollBarWidth;
    ScrollBar(ctx.svg, Rect(items.Right, items.Top, items.Right + kScrollBarWidth, items.Bottom), true);
  }
  ctx.svg.OpenViewport(items);
  for (int i = 0, y = items.Top; i < strings->Count() && y < items.Bottom; ++i, y += itemHeight) {
    bool selected = i == combo->ItemIndex();
    if (selected) ctx.svg.Fill(Bounds(items.Left, y, items.Width(), itemHeight), clHighlight);
    ctx.svg.Text(items.Left + 2, y + (itemHeight - lineHeight) / 2, strings->Strings(i), font,
                 selected ? clHighlightText : TextColor(combo));
  }
  ctx.svg.CloseViewport();
}
}  // namespace

void PaintComboBox(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  DrawComboBox(ctx, static_cast<TCustomComboBox*>(control), bounds);
}

void DrawComboBox(const TPaintContext& ctx, TCustomComboBox* combo, const TRect& bounds,
                  const TCustomImageList* images, int imageIndex) {
  if (combo->Style() == csSimple) return SimpleComboBox(ctx, combo, bounds, images, imageIndex);
  SunkenEdge(ctx.svg, bounds);
  TRect client = Inflate(bounds, -2);
  ctx.svg.Fill(client, combo->Color());
  TRect button = Rect(std::max(client.Left, client.Right - kScrollBarWidth), client.Top, client.Right, client.Bottom);
  ButtonFace(ctx.svg, button, false);
  Arrow(ctx.svg, button, TArrow::Down, combo->Enabled() ? clBtnText : clGrayText);
  EditPart(ctx, combo, Rect(client.Left, client.Top, button.Left, client.Bottom), 2, images, imageIndex);
}

void PaintListBox(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  auto* list = static_cast<TCustomListBox*>(control);
  auto* checkList = Cast<TCheckListBox>(control);
  DrawBorder(ctx.svg, bounds, EditBorder(list->BorderStyle(), list->Ctl3D()));
  TRect client = ClientBounds(list, bounds);
  ctx.svg.Fill(client, list->Color());
  const TFont& font = list->EffectiveFont();
  TStrings* items = list->Items();
  int count = items->Count();
  int itemHeight = std::max(1, list->ItemHeight());
  int perColumn = std::max(1, client.Height() / itemHeight);
  int columns = list->Columns();
  TRect area = client;
  if (columns == 0 && count * itemHeight > client.Height()) {
    area.Right -= kScrollBarWidth;
    ScrollBar(ctx.svg, Rect(area.Right, client.Top, client.Right, client.Bottom), true);
  }
  ctx.svg.OpenViewport(area);
  if (list->Style() != lbStandard) {
    // Owner-drawn items: what the list's drawing put on its canvas.
    list->Repaint();
    ReplayCanvas(ctx.svg, *list->Canvas(), Point(client.Left, client.Top));
    ctx.svg.CloseViewport();
    return;
  }
  if (count == 0 && list->HasState(csDesigning)) ctx.svg.Text(area.Left + 2, area.Top, list->Name(), font, TextColor(list));
  int columnWidth = columns > 0 ? area.Width() / columns : area.Width();
  for (int i = 0; i < count; ++i) {
    int column = columns > 0 ? i / perColumn : 0;
    int row = columns > 0 ? i % perColumn : i;
    int x = area.Left + column * columnWidth, y = area.Top + row * itemHeight;
    if (y >= area.Bottom || x >= area.Right) break;
    int textLeft = x + 2;
    bool selected = list->Selected(i);
    if (selected) ctx.svg.Fill(Bounds(x, y, columnWidth, itemHeight), clHighlight);
    if (checkList) {
      CheckGlyph(ctx.svg, x + 1, y + (itemHeight - 13) / 2, checkList->State(i), checkList->Enabled(),
                 checkList->Flat());
      textLeft = x + 16;
    }
    ctx.svg.Text(textLeft, y + (itemHeight - MeasureTextHeight(font)) / 2, items->Strings(i), font,
                 selected ? clHighlightText : TextColor(list));
  }
  ctx.svg.CloseViewport();
}

void PaintSpinButton(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  ArrowButtons(ctx.svg, bounds, true, control->Enabled());
}

}  // namespace vcl::svg
