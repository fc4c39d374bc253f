#include "vcl/published_controls.h"
#include "vcl/stdctrls.h"
#include "vcl/text_metrics.h"

namespace vcl {

TClass TCustomLabel::ClassInfo() {
  static TClass cls = TClassBuilder<TCustomLabel>("TCustomLabel", TGraphicControl::ClassInfo()).Build();
  return cls;
}

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
  SetControlStyle(ControlStyle() | StyleOf(csOpaque) | StyleOf(csReplicatable));
  SetBounds(0, 0, 65, 17);
  // Set directly: a new label keeps its first size until it gets a caption.
  TControl::SetAutoSize(true);
}

void TCustomLabel::AdjustBounds() {
  if (IsReading() || IsLoading() || !AutoSize()) return;
  std::string text = GetLabelText();
  // An empty caption (or a lone accelerator mark) measures as one blank.
  if (text.empty() || (showAccelChar_ && text == "&")) text += ' ';
  if (showAccelChar_) text = StripAccelChars(text);
  TTextLayoutResult layout = LayoutText(EffectiveFont(), text, wordWrap_, Width());
  int left = Left();
  if (alignment_ == taRightJustify) left += Width() - layout.width;
  SetBounds(left, Top(), layout.width, layout.height);
}

void TCustomLabel::SetAutoSize(bool value) {
  if (value == AutoSize()) return;
  TControl::SetAutoSize(value);
  AdjustBounds();
}

void TCustomLabel::FontChanged() {
  TGraphicControl::FontChanged();
  AdjustBounds();
}

void TCustomLabel::SetAlignment(TAlignment value) { alignment_ = value; }

void TCustomLabel::SetLayout(TTextLayout value) { layout_ = value; }

void TCustomLabel::SetShowAccelChar(bool value) {
  if (value == showAccelChar_) return;
  showAccelChar_ = value;
  AdjustBounds();
}

void TCustomLabel::SetTransparent(bool value) {
  TControlStyle style = ControlStyle();
  SetControlStyle(value ? style & ~StyleOf(csOpaque) : style | StyleOf(csOpaque));
}

void TCustomLabel::SetWordWrap(bool value) {
  if (value == wordWrap_) return;
  wordWrap_ = value;
  AdjustBounds();
}

void TCustomLabel::Paint() {
  TCanvas* canvas = Canvas();
  TRect rect = ClientRect();
  if (!Transparent()) {
    canvas->Brush()->SetColor(Color());
    canvas->Brush()->SetStyle(bsSolid);
    canvas->FillRect(rect);
  }
  canvas->Brush()->SetStyle(bsClear);
  canvas->Font()->Assign(EffectiveFont());
  std::string text = showAccelChar_ ? StripAccelChars(GetLabelText()) : GetLabelText();
  TTextLayoutResult layout = LayoutText(EffectiveFont(), text, wordWrap_, rect.Width());
  int lineHeight = MeasureTextHeight(EffectiveFont());
  int top = layout_ == tlTop ? 0 : layout_ == tlCenter ? (rect.Height() - layout.height) / 2 : rect.Height() - layout.height;
  for (const std::string& line : layout.lines) {
    int width = MeasureTextWidth(EffectiveFont(), line);
    int left = alignment_ == taLeftJustify ? 0 : alignment_ == taRightJustify ? rect.Width() - width : (rect.Width() - width) / 2;
    canvas->TextOut(left, top, line);
    top += lineHeight;
  }
}

TClass TLabel::ClassInfo() {
  static TClass cls = [] {
    using L = TLabel;
    TClassBuilder<L> b("TLabel", TCustomLabel::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Align");
    b.Enum<TAlignment>("Alignment", TypeInfoAlignment(), &L::Alignment, &L::SetAlignment, taLeftJustify);
    PublishStandard(b, "Anchors");
    b.Bool("AutoSize", &L::AutoSize, &L::SetAutoSize, true);
    PublishStandard(b, "BiDiMode Caption Color Constraints DragCursor DragKind DragMode Enabled");
    b.Reference<TWinControl>("FocusControl", &L::FocusControl, &L::SetFocusControl);
    PublishStandard(b, "Font ParentBiDiMode ParentColor ParentFont ParentShowHint PopupMenu");
    b.Bool("ShowAccelChar", &L::ShowAccelChar, &L::SetShowAccelChar, true);
    PublishStandard(b, "ShowHint");
    b.Bool("Transparent", &L::Transparent, &L::SetTransparent, false);
    b.Enum<TTextLayout>("Layout", TypeInfoTextLayout(), &L::Layout, &L::SetLayout, tlTop);
    PublishStandard(b, "Visible");
    b.Bool("WordWrap", &L::WordWrap, &L::SetWordWrap, false);
    PublishStandard(b,
                    "OnClick OnDblClick OnDragDrop OnDragOver OnEndDock OnEndDrag OnMouseDown OnMouseMove OnMouseUp "
                    "OnStartDock OnStartDrag");
    return b.Build();
  }();
  return cls;
}

}  // namespace vcl
