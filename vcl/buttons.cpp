#include "vcl/buttons.h"

#include <algorithm>

#include "vcl/forms.h"
#include "vcl/published_controls.h"
#include "vcl/text_metrics.h"

namespace vcl {

const TTypeInfo* TypeInfoButtonLayout() {
  static auto t = MakeEnumType("TButtonLayout", {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"});
  return t;
}
const TTypeInfo* TypeInfoNumGlyphs() { return NamedIntegerType("TNumGlyphs"); }

namespace {
const TTypeInfo* TypeInfoButtonStyle() {
  static auto t = MakeEnumType("TButtonStyle", {"bsAutoDetect", "bsWin31", "bsNew"});
  return t;
}
const TTypeInfo* TypeInfoBitBtnKind() {
  static auto t = MakeEnumType("TBitBtnKind", {"bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo", "bkClose",
                                               "bkAbort", "bkRetry", "bkIgnore", "bkAll"});
  return t;
}

struct KindInfo {
  const char* caption;
  TModalResult modalResult;
};
constexpr KindInfo kKinds[] = {
    {"", mrNone},         {"OK", mrOk},        {"Cancel", mrCancel}, {"&Help", mrNone},
    {"&Yes", mrYes},      {"&No", mrNo},       {"&Close", mrNone},   {"Abort", mrAbort},
    {"&Retry", mrRetry},  {"&Ignore", mrIgnore}, {"&All", mrAll},
};
const KindInfo& InfoOf(TBitBtnKind kind) { return kKinds[kind]; }
}  // namespace

// ---- TSpeedButton

TClass TSpeedButton::ClassInfo() {
  static TClass cls = [] {
    using S = TSpeedButton;
    TClassBuilder<S> b("TSpeedButton", TGraphicControl::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Action");
    b.Bool("AllowAllUp", &S::AllowAllUp, &S::SetAllowAllUp, false);
    PublishStandard(b, "Anchors BiDiMode Constraints");
    b.Integer("GroupIndex", &S::GroupIndex, &S::SetGroupIndex, 0);
    b.Bool("Down", &S::Down, &S::SetDown, false);
    PublishStandard(b, "Caption Enabled");
    b.Bool("Flat", &S::Flat, &S::SetFlat, false);
    PublishStandard(b, "Font");
    b.Object("Glyph", &S::Glyph).StoredWhen([](S& s) { return !s.Glyph()->Empty(); });
    b.Enum<TButtonLayout>("Layout", TypeInfoButtonLayout(), &S::Layout, &S::SetLayout, blGlyphLeft);
    b.Integer("Margin", &S::Margin, &S::SetMargin, -1);
    b.Integer("NumGlyphs", &S::NumGlyphs, &S::SetNumGlyphs, 1, TypeInfoNumGlyphs());
    PublishStandard(b, "ParentFont ParentShowHint ParentBiDiMode PopupMenu ShowHint");
    b.Integer("Spacing", &S::Spacing, &S::SetSpacing, 4);
    b.Bool("Transparent", &S::Transparent, &S::SetTransparent, true);
    PublishStandard(b, "Visible OnClick OnDblClick OnMouseDown OnMouseMove OnMouseUp");
    return b.Build();
  }();
  return cls;
}

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner), glyph_(std::make_unique<TBitmap>()) {
  SetControlStyle(StyleOf(csCaptureMouse) | StyleOf(csDoubleClicks));
  SetBounds(0, 0, 23, 22);
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetAllowAllUp(bool value) {
  if (value == allowAllUp_) return;
  allowAllUp_ = value;
  UpdateExclusive();
}

void TSpeedButton::SetGroupIndex(int value) {
  if (value == groupIndex_) return;
  groupIndex_ = value;
  UpdateExclusive();
}

void TSpeedButton::SetDown(bool value) {
  if (groupIndex_ == 0) value = false;
  if (value == down_) return;
  if (down_ && !allowAllUp_) return;
  down_ = value;
  if (value) UpdateExclusive();
}

void TSpeedButton::SetNumGlyphs(int value) { numGlyphs_ = std::clamp(value, 1, 4); }

// Tells the group's other buttons: the one down comes up; all share AllowAllUp.
void TSpeedButton::UpdateExclusive() {
  TWinControl* parent = Parent();
  if (groupIndex_ == 0 || !parent) return;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    auto* other = Cast<TSpeedButton>(parent->Controls(i));
    if (!other || other == this || other->groupIndex_ != groupIndex_) continue;
    if (down_ && other->down_) other->down_ = false;
    other->allowAllUp_ = allowAllUp_;
  }
}

void TSpeedButton::Press() {
  if (!Enabled()) return;
  if (groupIndex_ != 0) SetDown(!down_);
  Click();
}

void TSpeedButton::Paint() {
  TCanvas* canvas = Canvas();
  TRect rect = ClientRect();
  if (!flat_ || down_) {
    canvas->Pen()->SetColor(down_ ? clBtnShadow : clBtnHighlight);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Rectangle(rect);
  }
  int x = (rect.Width() - glyph_->Width() / std::max(numGlyphs_, 1)) / 2;
  if (!glyph_->Empty()) canvas->Draw(x, (rect.Height() - glyph_->Height()) / 2, glyph_.get());
  std::string text = StripAccelChars(Caption());
  if (text.empty()) return;
  canvas->Font()->Assign(EffectiveFont());
  canvas->Brush()->SetStyle(bsClear);
  canvas->TextOut((rect.Width() - canvas->TextWidth(text)) / 2, (rect.Height() - canvas->TextHeight(text)) / 2, text);
}

// ---- TBitBtn

TClass TBitBtn::ClassInfo() {
  static TClass cls = [] {
    using B = TBitBtn;
    TClassBuilder<B> b("TBitBtn", TButton::ClassInfo());
    b.Creatable();
    // Re-published in place (TButton's order) with their storage tied to the kind.
    b.Bool("Cancel", &B::Cancel, &B::SetCancel, false).StoredWhen(&B::IsCustom);
    b.String("Caption", &B::Caption, &B::SetCaption, TypeInfoCaption()).StoredWhen(&B::IsCustomCaption);
    b.Bool("Default", &B::Default, &B::SetDefault, false).StoredWhen(&B::IsCustom);
    b.Integer("ModalResult", &B::ModalResult, &B::SetModalResult, 0, TypeInfoModalResult()).StoredWhen(&B::IsCustom);
    // New ones follow TButton's list.
    b.Object("Glyph", &B::Glyph).StoredWhen([](B& btn) { return btn.IsCustom() && !btn.Glyph()->Empty(); });
    b.Enum<TBitBtnKind>("Kind", TypeInfoBitBtnKind(), &B::Kind, &B::SetKind, bkCustom);
    b.Enum<TButtonLayout>("Layout", TypeInfoButtonLayout(), &B::Layout, &B::SetLayout, blGlyphLeft);
    b.Integer("Margin", &B::Margin, &B::SetMargin, -1);
    b.Integer("NumGlyphs", &B::NumGlyphs, &B::SetNumGlyphs, 1, TypeInfoNumGlyphs()).StoredWhen(&B::IsCustom);
    b.Enum<TButtonStyle>("Style", TypeInfoButtonStyle(), &B::Style, &B::SetStyle, bsAutoDetect);
    b.Integer("Spacing", &B::Spacing, &B::SetSpacing, 4);
    return b.Build();
  }();
  return cls;
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner), glyph_(std::make_unique<TBitmap>()) {
  SetControlStyle(ControlStyle() | StyleOf(csReflector));
  glyph_->OnChange = [this](TObject*) { modifiedGlyph_ = true; };
}

TBitBtn::~TBitBtn() { glyph_->OnChange.Clear(); }

TBitBtnKind TBitBtn::Kind() const {
  if (kind_ != bkCustom) {
    bool defaultKind = kind_ == bkOK || kind_ == bkYes;
    bool cancelKind = kind_ == bkCancel || kind_ == bkNo;
    if (defaultKind != Default() || cancelKind != Cancel() || ModalResult() != InfoOf(kind_).modalResult ||
        modifiedGlyph_)
      kind_ = bkCustom;
  }
  return kind_;
}

void TBitBtn::SetKind(TBitBtnKind value) {
  if (value == kind_) return;
  if (value != bkCustom) {
    SetDefault(value == bkOK || value == bkYes);
    SetCancel(value == bkCancel || value == bkNo);
    // A form file's own caption (read before Kind) stays.
    if ((!IsLoading() || Caption().empty()) && *InfoOf(value).caption) SetCaption(InfoOf(value).caption);
    SetModalResult(InfoOf(value).modalResult);
    glyph_->Assign(nullptr);
    numGlyphs_ = 2;
    modifiedGlyph_ = false;
  }
  kind_ = value;
}

bool TBitBtn::IsCustomCaption() const {
  return IsCaptionStored() && Caption() != InfoOf(Kind()).caption;
}

void TBitBtn::SetNumGlyphs(int value) { numGlyphs_ = std::clamp(value, 1, 4); }

void TBitBtn::Click() {
  if (Kind() == bkClose)
    if (TCustomForm* form = GetParentForm(this)) return form->SetModalResult(mrCancel);
  TButton::Click();
}

}  // namespace vcl
