// Painters of containers: forms (their window frame, caption bar and menu bar), panels,
// group boxes, scroll boxes, frames, tab controls, page controls and their sheets.
#include "render/svg_painters.h"
#include "vcl/comctrls.h"
#include "vcl/extctrls.h"
#include "vcl/forms.h"
#include "vcl/text_metrics.h"

namespace vcl::svg {

namespace {

constexpr int kMenuBarHeight = 19;
constexpr TColor kGradientCaption = 0xD08410;  // the caption bar's fade, as Windows 98 draws it

void DesignGrid(const TPaintContext& ctx, const TRect& client) {
  if (ctx.grid) ctx.svg.Grid(client, Point(client.Left, client.Top), clBlack);
}

// The buttons at the right end of a caption bar, right to left.
void CaptionButtons(TWriter& svg, const TRect& bar, const TCustomForm* form) {
  TBorderIcons icons = form->BorderIcons();
  if (!(icons & BorderIconOf(biSystemMenu))) return;
  TFormBorderStyle style = form->BorderStyle();
  bool tool = style == bsToolWindow || style == bsSizeToolWin;
  int width = tool ? 13 : 16, height = tool ? 11 : 14;
  int top = bar.Top + (bar.Height() - height) / 2;
  auto button = [&](int right, const std::vector<std::string>& glyph) {
    TRect r = Rect(right - width, top, right, top + height);
    ButtonFace(svg, r, false);
    int glyphWidth = static_cast<int>(glyph.front().size()), glyphHeight = static_cast<int>(glyph.size());
    svg.Pixels(r.Left + (width - glyphWidth) / 2, r.Top + (height - glyphHeight) / 2, glyph, clBtnText);
    return r.Left;
  };
  int left = button(bar.Right - 2, {"##....##", ".##..##.", "..####..", "...##...", "..####..", ".##..##.", "##....##"});
  bool minMax = !tool && style != bsDialog && (icons & (BorderIconOf(biMinimize) | BorderIconOf(biMaximize)));
  if (minMax) {
    left = button(left - 2, {"#########", "#########", "#.......#", "#.......#", "#.......#", "#.......#", "#.......#",
                             "#.......#", "#########"});
    button(left, {"......", "......", "......", "......", "......", "......", "######", "######"});
  } else if (!tool && (icons & BorderIconOf(biHelp))) {
    button(left - 2, {".####.", "##..##", "....##", "...##.", "..##..", "..##..", "......", "..##..", "..##.."});
  }
}

// The title bar: the fading active caption with the window icon and the caption.
void CaptionBar(TWriter& svg, const TRect& bar, const TCustomForm* form) {
  svg.Gradient(bar, clActiveCaption, kGradientCaption);
  TFormBorderStyle style = form->BorderStyle();
  bool tool = style == bsToolWindow || style == bsSizeToolWin;
  bool icon = !tool && style != bsDialog && (form->BorderIcons() & BorderIconOf(biSystemMenu));
  int textLeft = bar.Left + 3;
  if (icon) {
    TRect window = Bounds(bar.Left + 2, bar.Top + (bar.Height() - 14) / 2, 16, 14);
    svg.Fill(window, clWindow);
    svg.Frame(window, clBlack);
    svg.Fill(Bounds(window.Left + 1, window.Top + 1, 14, 3), clNavy);
    textLeft = window.Right + 3;
  }
  TFont font;
  font.SetStyle(FontStyleOf(fsBold));
  svg.OpenViewport(Rect(bar.Left, bar.Top, bar.Right - 2 - 3 * 16 - 2, bar.Bottom));
  svg.Text(textLeft, bar.Top + (bar.Height() - MeasureTextHeight(font)) / 2, form->Caption(), font, clCaptionText);
  svg.CloseViewport();
  CaptionButtons(svg, bar, form);
}

void MenuBar(TWriter& svg, const TRect& bar, const TMainMenu* menu) {
  svg.Fill(bar, clMenu);
  TFont font;
  int x = bar.Left;
  TMenuItem* items = menu->Items();
  for (int i = 0; i < items->Count(); ++i) {
    const TMenuItem* item = items->Items(i);
    if (!item->Visible()) continue;
    int width = MeasureTextWidth(font, StripAccelChars(item->Caption()));
    svg.Caption(x + 6, bar.Top + (bar.Height() - MeasureTextHeight(font)) / 2, item->Caption(), font,
                item->Enabled() ? clMenuText : clGrayText);
    x += width + 12;
  }
}

// ---- tabs

struct TTabLayout {
  TRect rect;
  int index;
};

// The tabs in rows as the tab control wraps them: a tab is TabWidth wide or its caption's
// width + 12; multi-line controls start a new row where the next tab does not fit.
std::vector<std::vector<TTabLayout>> TabRows(const TCustomTabControl* tabs, int available) {
  std::vector<std::vector<TTabLayout>> rows(1);
  int used = 0;
  for (int i = 0; i < tabs->Tabs()->Count(); ++i) {
    int width = tabs->TabWidth() > 0 ? tabs->TabWidth()
                                     : MeasureTextWidth(tabs->EffectiveFont(), StripAccelChars(tabs->Tabs()->Strings(i))) + 12;
    if (tabs->MultiLine() && used > 0 && used + width > available) {
      rows.emplace_back();
      used = 0;
    }
    rows.back().push_back({Bounds(used, 0, width, 0), i});
    used += width;
  }
  // Several rows are stretched to the full width, unless the control keeps them ragged.
  if (rows.size() > 1 && !tabs->RaggedRight())
    for (auto& row : rows) {
      int extra = available - row.back().rect.Right, count = static_cast<int>(row.size()), shift = 0;
      for (int k = 0; k < count; ++k) {
        int grow = extra / count + (k >= count - extra % count ? 1 : 0);
        row[static_cast<std::size_t>(k)].rect.Left += shift;
        shift += grow;
        row[static_cast<std::size_t>(k)].rect.Right += shift;
      }
    }
  return rows;
}

// One tab standing on the pane's top edge (selected: taller and merged with the pane).
void TopTab(TWriter& svg, const TRect& r, TColor color) {
  svg.Fill(Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom), color);
  svg.Fill(Rect(r.Left, r.Top + 2, r.Left + 1, r.Bottom), clBtnHighlight);
  svg.Fill(Bounds(r.Left + 1, r.Top + 1, 1, 1), clBtnHighlight);
  svg.Fill(Rect(r.Left + 2, r.Top, r.Right - 2, r.Top + 1), clBtnHighlight);
  svg.Fill(Rect(r.Right - 2, r.Top + 2, r.Right - 1, r.Bottom), clBtnShadow);
  svg.Fill(Bounds(r.Right - 2, r.Top + 1, 1, 1), cl3DDkShadow);
  svg.Fill(Rect(r.Right - 1, r.Top + 2, r.Right, r.Bottom), cl3DDkShadow);
}

// The same tab hanging below the pane.
void BottomTab(TWriter& svg, const TRect& r, TColor color) {
  svg.Fill(Rect(r.Left + 1, r.Top, r.Right - 1, r.Bottom - 1), color);
  svg.Fill(Rect(r.Left, r.Top, r.Left + 1, r.Bottom - 2), clBtnHighlight);
  svg.Fill(Rect(r.Left + 2, r.Bottom - 1, r.Right - 2, r.Bottom), cl3DDkShadow);
  svg.Fill(Bounds(r.Right - 2, r.Bottom - 2, 1, 1), cl3DDkShadow);
  svg.Fill(Rect(r.Right - 2, r.Top, r.Right - 1, r.Bottom - 2), clBtnShadow);
  svg.Fill(Rect(r.Right - 1, r.Top, r.Right, r.Bottom - 2), cl3DDkShadow);
}

}  // namespace

void PaintForm(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  auto* form = static_cast<TCustomForm*>(control);
  TPoint origin = ClientOrigin(form);
  TRect client = ClientBounds(form, bounds);
  if (form->BorderStyle() != bsNone) {
    ctx.svg.Fill(bounds, clBtnFace);
    ctx.svg.Edge(bounds, cl3DLight, cl3DDkShadow);
    ctx.svg.Edge(Inflate(bounds, -1), clBtnHighlight, clBtnShadow);
    int border = origin.X;
    int menu = form->Menu() ? kMenuBarHeight : 0;
    // The caption area ends with a line of the frame's colour.
    int caption = origin.Y - border - menu;
    CaptionBar(ctx.svg, Bounds(bounds.Left + border, bounds.Top + border, bounds.Width() - 2 * border, caption - 1),
               form);
    if (form->Menu())
      MenuBar(ctx.svg, Bounds(client.Left, client.Top - menu, client.Width(), menu), form->Menu());
  }
  ctx.svg.Fill(client, form->Color());
  DesignGrid(ctx, client);
}

void PaintPanel(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  auto* panel = static_cast<TCustomPanel*>(control);
  DrawBorder(ctx.svg, bounds,
             panel->BorderStyle() == bsNone ? TBorder::None : panel->Ctl3D() ? TBorder::Sunken : TBorder::Single);
  // The border width is a margin of the panel's colour around the client area, and once
  // more between the bevels, as the host paints it.
  TRect r = ClientBounds(panel, bounds);
  ctx.svg.Fill(Inflate(r, panel->BorderWidth()), panel->Color());
  DesignGrid(ctx, r);
  auto bevel = [&](TBevelCut cut) {
    for (int i = 0; i < panel->BevelWidth() && cut != bvNone; ++i) {
      if (cut == bvRaised) ctx.svg.Edge(r, clBtnHighlight, clBtnShadow);
      if (cut == bvLowered) ctx.svg.Edge(r, clBtnShadow, clBtnHighlight);
      r = Inflate(r, -1);
    }
  };
  bevel(panel->BevelOuter());
  r = Inflate(r, -panel->BorderWidth());
  bevel(panel->BevelInner());
  std::string caption = panel->Caption();
  if (caption.empty()) return;
  const TFont& font = panel->EffectiveFont();
  int width = MeasureTextWidth(font, StripAccelChars(caption));
  int x = panel->Alignment() == taLeftJustify    ? r.Left
          : panel->Alignment() == taRightJustify ? r.Right - width
                                                 : r.Left + (r.Width() - width) / 2;
  ctx.svg.OpenViewport(r);
  StateCaption(ctx.svg, x, r.Top + (r.Height() - MeasureTextHeight(font)) / 2, caption, font, font.Color(),
               panel->Enabled());
  ctx.svg.CloseViewport();
}

void PaintGroupBox(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  auto* group = static_cast<TCustomGroupBox*>(control);
  ctx.svg.Fill(bounds, group->Color());
  DesignGrid(ctx, bounds);
  const TFont& font = group->EffectiveFont();
  int textHeight = MeasureTextHeight(font);
  TRect frame = Rect(bounds.Left, bounds.Top + textHeight / 2, bounds.Right, bounds.Bottom);
  if (group->Ctl3D()) {
    ctx.svg.Frame(Rect(frame.Left, frame.Top, frame.Right - 1, frame.Bottom - 1), clBtnShadow);
    ctx.svg.Frame(Rect(frame.Left + 1, frame.Top + 1, frame.Right, frame.Bottom), clBtnHighlight);
  } else {
    ctx.svg.Frame(frame, clWindowFrame);
  }
  std::string caption = group->Caption();
  if (caption.empty()) return;
  int width = MeasureTextWidth(font, StripAccelChars(caption));
  ctx.svg.Fill(Bounds(bounds.Left + 8, bounds.Top, std::min(width, bounds.Width() - 8), textHeight), group->Color());
  ctx.svg.OpenViewport(bounds);
  StateCaption(ctx.svg, bounds.Left + 8, bounds.Top, caption, font, font.Color(), group->Enabled());
  ctx.svg.CloseViewport();
}

void PaintScrollBox(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  auto* box = static_cast<TScrollBox*>(control);
  DrawBorder(ctx.svg, bounds,
             box->BorderStyle() == bsNone ? TBorder::None : box->Ctl3D() ? TBorder::Sunken : TBorder::Single);
  TRect client = ClientBounds(box, bounds);
  ctx.svg.Fill(client, box->Color());
  DesignGrid(ctx, client);
}

void PaintFrame(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  TRect client = ClientBounds(control, bounds);
  ctx.svg.Fill(client, control->Color());
  DesignGrid(ctx, client);
}

void PaintTabSheet(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  ctx.svg.Fill(bounds, control->Color());
  DesignGrid(ctx, bounds);
}

void PaintTabControl(const TPaintContext& ctx, TControl* control, const TRect& bounds) {
  auto* tabs = static_cast<TCustomTabControl*>(control);
  TWriter& svg = ctx.svg;
  TRect client = ClientBounds(tabs, bounds);
  TRect display = tabs->DisplayRect();
  display = Bounds(client.Left + display.Left, client.Top + display.Top, display.Width(), display.Height());
  svg.Fill(client, tabs->Color());
  TTabPosition position = tabs->TabPosition();
  bool vertical = position == tpLeft || position == tpRight;
  bool buttons = tabs->Style() != tsTabs;
  auto rows = TabRows(tabs, (vertical ? client.Height() : client.Width()) - 4);
  int rowCount = static_cast<int>(rows.size());
  int strip = position == tpTop      ? display.Top - client.Top
              : position == tpBottom ? client.Bottom - display.Bottom
              : position == tpLeft   ? display.Left - client.Left
                                     : client.Right - display.Right;
  int rowHeight = buttons ? strip / rowCount - 3 : (strip - 6) / rowCount;
  int selected = tabs->TabIndex();
  int selectedRow = 0;
  for (int r = 0; r < rowCount; ++r)
    for (const TTabLayout& tab : rows[static_cast<std::size_t>(r)])
      if (tab.index == selected) selectedRow = r;

  TRect pane = Inflate(display, buttons ? 0 : 4);
  if (!buttons) RaisedEdge(svg, pane);

  const TFont& font = tabs->EffectiveFont();
  // Tabs in rows away from the pane; the selected tab's row moves next to the pane.
  auto place = [&](int row, const TTabLayout& tab) {
    int line = buttons ? row : (row - selectedRow + rowCount - 1) % rowCount;
    int step = buttons ? rowHeight + 3 : rowHeight;
    int across = buttons ? line * step : 2 + line * step;
    // Buttons keep a 3-pixel gap to the next one.
    int along = (buttons ? 0 : 2) + tab.rect.Left;
    int length = tab.rect.Width() - (buttons ? 3 : 0);
    switch (position) {
      case tpTop: return Bounds(client.Left + along, client.Top + across, length, rowHeight);
      case tpBottom: return Bounds(client.Left + along, client.Bottom - across - rowHeight, length, rowHeight);
      case tpLeft: return Bounds(client.Left + across, client.Top + along, rowHeight, length);
      case tpRight: return Bounds(client.Right - across - rowHeight, client.Top + along, rowHeight, length);
    }
    return TRect{};
  };
  auto caption = [&](const TRect& r, int index, bool enabled) {
    std::string text = tabs->Tabs()->Strings(index);
    int width = MeasureTextWidth(font, StripAccelChars(text));
    svg.OpenViewport(Inflate(r, -1));
    StateCaption(svg, r.Left + (r.Width() - width) / 2, r.Top + (r.Height() - MeasureTextHeight(font)) / 2, text, font,
                 font.Color(), enabled);
    svg.CloseViewport();
  };
  TRect selectedRect{};
  for (int r = 0; r < rowCount; ++r)
    for (const TTabLayout& tab : rows[static_cast<std::size_t>(r)]) {
      TRect rect = place(r, tab);
      if (tab.index == selected) {
        selectedRect = rect;
        continue;
      }
      if (buttons) {
        if (tabs->Style() == tsButtons) ButtonFace(svg, rect, false);
      } else if (position == tpBottom) {
        BottomTab(svg, rect, tabs->Color());
      } else if (position == tpTop) {
        TopTab(svg, rect, tabs->Color());
      } else {
        ButtonFace(svg, rect, false);
      }
      caption(rect, tab.index, tabs->Enabled());
    }
  if (selected < 0 || selected >= tabs->Tabs()->Count()) return;
  // The selected tab stands out by 2 pixels and joins the pane.
  TRect rect = selectedRect;
  if (buttons) {
    svg.Fill(rect, clBtnFace);
    SunkenEdge(svg, rect);
    svg.Dither(Inflate(rect, -2));
  } else if (position == tpTop) {
    rect = Rect(rect.Left - 2, rect.Top - 2, rect.Right + 2, pane.Top + 2);
    TopTab(svg, rect, tabs->Color());
    rect.Bottom = selectedRect.Bottom;
  } else if (position == tpBottom) {
    rect = Rect(rect.Left - 2, pane.Bottom - 2, rect.Right + 2, rect.Bottom + 2);
    BottomTab(svg, rect, tabs->Color());
    rect.Top = selectedRect.Top;
  } else {
    rect = Inflate(rect, 1);
    ButtonFace(svg, rect, false);
  }
  caption(rect, selected, tabs->Enabled());
}

}  // namespace vcl::svg
