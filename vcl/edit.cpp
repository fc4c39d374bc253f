#include "vcl/published_controls.h"
#include "vcl/stdctrls.h"
#include "vcl/text_metrics.h"

namespace vcl {

const TTypeInfo* TypeInfoEditCharCase() {
  static auto t = MakeEnumType("TEditCharCase", {"ecNormal", "ecUpperCase", "ecLowerCase"});
  return t;
}
const TTypeInfo* TypeInfoScrollStyle() {
  static auto t = MakeEnumType("TScrollStyle", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"});
  return t;
}

namespace {
std::string ApplyCharCase(const std::string& text, TEditCharCase charCase) {
  switch (charCase) {
    case ecUpperCase: return AnsiUpperCase(text);
    case ecLowerCase: return AnsiLowerCase(text);
    default: return text;
  }
}
}  // namespace

// ---- TCustomEdit

TClass TCustomEdit::ClassInfo() {
  // Edits publish TabStop early, before what their descendants publish.
  static TClass cls = TClassBuilder<TCustomEdit>("TCustomEdit", TWinControl::ClassInfo())
                          .Bool("TabStop", &TCustomEdit::TabStop, &TCustomEdit::SetTabStop, true)
                          .Build();
  return cls;
}

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(StyleOf(csClickEvents) | StyleOf(csSetCaption) | StyleOf(csDoubleClicks) | StyleOf(csFixedHeight));
  SetBounds(0, 0, 121, 21);
  SetTabStop(true);
  SetParentColor(false);
  TControl::SetAutoSize(true);
}

void TCustomEdit::SetText(const std::string& value) { TWinControl::SetText(ApplyCharCase(value, charCase_)); }

void TCustomEdit::TextChanged() {
  selection_ = {};
  if (!IsLoading()) Change();
}

void TCustomEdit::Change() {
  modified_ = true;
  OnChange(this);
}

void TCustomEdit::SetAutoSize(bool value) {
  if (value == AutoSize()) return;
  TWinControl::SetAutoSize(value);
  AdjustHeight();
}

void TCustomEdit::SetBorderStyle(TBorderStyle value) {
  if (value == borderStyle_) return;
  borderStyle_ = value;
  AdjustHeight();
}

void TCustomEdit::SetCharCase(TEditCharCase value) {
  if (value == charCase_) return;
  charCase_ = value;
  SetText(GetText());
}

void TCustomEdit::FontChanged() {
  TWinControl::FontChanged();
  AdjustHeight();
}

int TCustomEdit::BorderExtent() const {
  if (borderStyle_ == bsNone) return 0;
  return Ctl3D() ? 2 : 1;
}

void TCustomEdit::AdjustHeight() {
  if (IsLoading() || !AutoSize() || borderStyle_ != bsSingle || !HasStyle(csFixedHeight)) return;
  SetHeight(AutoHeight());
}

int TCustomEdit::AutoHeight() const { return MeasureTextHeight(EffectiveFont()) + (Ctl3D() ? 8 : 6); }

TClass TEdit::ClassInfo() {
  static TClass cls = [] {
    using E = TEdit;
    TClassBuilder<E> b("TEdit", TCustomEdit::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Anchors");
    b.Bool("AutoSelect", &E::AutoSelect, &E::SetAutoSelect, true);
    b.Bool("AutoSize", &E::AutoSize, &E::SetAutoSize, true);
    PublishStandard(b, "BiDiMode");
    b.Enum<TBorderStyle>("BorderStyle", TypeInfoBorderStyle(), &E::BorderStyle, &E::SetBorderStyle, bsSingle);
    b.Enum<TEditCharCase>("CharCase", TypeInfoEditCharCase(), &E::CharCase, &E::SetCharCase, ecNormal);
    PublishStandard(b, "Color Constraints Ctl3D DragCursor DragKind DragMode Enabled Font");
    b.Bool("HideSelection", &E::HideSelection, &E::SetHideSelection, true);
    PublishStandard(b, "ImeMode ImeName");
    b.Integer("MaxLength", &E::MaxLength, &E::SetMaxLength, 0);
    b.Bool("OEMConvert", &E::OEMConvert, &E::SetOEMConvert, false);
    PublishStandard(b, "ParentBiDiMode ParentColor=False ParentCtl3D ParentFont ParentShowHint");
    b.Char("PasswordChar", &E::PasswordChar, &E::SetPasswordChar, 0);
    PublishStandard(b, "PopupMenu");
    b.Bool("ReadOnly", &E::ReadOnly, &E::SetReadOnly, false);
    PublishStandard(b, "ShowHint TabOrder Text Visible");
    b.Event("OnChange", &E::OnChange);
    PublishStandard(b,
                    "OnClick OnDblClick OnDragDrop OnDragOver OnEndDock OnEndDrag OnEnter OnExit OnKeyDown "
                    "OnKeyPress OnKeyUp OnMouseDown OnMouseMove OnMouseUp OnStartDock OnStartDrag");
    return b.Build();
  }();
  return cls;
}

// ---- TCustomMemo

TClass TCustomMemo::ClassInfo() {
  static TClass cls = TClassBuilder<TCustomMemo>("TCustomMemo", TCustomEdit::ClassInfo()).Build();
  return cls;
}

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner), lines_(std::make_unique<TStringList>()) {
  SetControlStyle(ControlStyle() & ~StyleOf(csFixedHeight));
  SetBounds(Left(), Top(), 185, 89);
  TControl::SetAutoSize(false);
  lines_->OnChange = [this](TObject*) { TextChanged(); };
}

TCustomMemo::~TCustomMemo() { lines_->OnChange.Clear(); }

std::string TCustomMemo::GetText() const {
  std::string text;
  for (int i = 0; i < lines_->Count(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines_->Strings(i);
  }
  return text;
}

// The text's lines as the memo shows them: a text ending in a line break has an empty
// last line (so that typing Enter at the end starts one).
void TCustomMemo::SetText(const std::string& value) {
  if (value == GetText()) return;
  lines_->BeginUpdate();
  lines_->Clear();
  for (std::size_t start = 0; !value.empty();) {
    std::size_t end = value.find('\n', start);
    std::size_t stop = end == std::string::npos ? value.size() : end;
    lines_->Add(value.substr(start, stop - start - (stop > start && value[stop - 1] == '\r' ? 1 : 0)));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  lines_->EndUpdate();
}

TClass TMemo::ClassInfo() {
  static TClass cls = [] {
    using M = TMemo;
    TClassBuilder<M> b("TMemo", TCustomMemo::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Align");
    b.Enum<TAlignment>("Alignment", TypeInfoAlignment(), &M::Alignment, &M::SetAlignment, taLeftJustify);
    PublishStandard(b, "Anchors BiDiMode");
    b.Enum<TBorderStyle>("BorderStyle", TypeInfoBorderStyle(), &M::BorderStyle, &M::SetBorderStyle, bsSingle);
    PublishStandard(b, "Color Constraints Ctl3D DragCursor DragKind DragMode Enabled Font");
    b.Bool("HideSelection", &M::HideSelection, &M::SetHideSelection, true);
    PublishStandard(b, "ImeMode ImeName");
    b.Object("Lines", &M::Lines);
    b.Integer("MaxLength", &M::MaxLength, &M::SetMaxLength, 0);
    b.Bool("OEMConvert", &M::OEMConvert, &M::SetOEMConvert, false);
    PublishStandard(b, "ParentBiDiMode ParentColor=False ParentCtl3D ParentFont ParentShowHint PopupMenu");
    b.Bool("ReadOnly", &M::ReadOnly, &M::SetReadOnly, false);
    b.Enum<TScrollStyle>("ScrollBars", TypeInfoScrollStyle(), &M::ScrollBars, &M::SetScrollBars, ssNone);
    PublishStandard(b, "ShowHint TabOrder Visible");
    b.Bool("WantReturns", &M::WantReturns, &M::SetWantReturns, true);
    b.Bool("WantTabs", &M::WantTabs, &M::SetWantTabs, false);
    b.Bool("WordWrap", &M::WordWrap, &M::SetWordWrap, true);
    b.Event("OnChange", &M::OnChange);
    PublishStandard(b,
                    "OnClick OnDblClick OnDragDrop OnDragOver OnEndDock OnEndDrag OnEnter OnExit OnKeyDown "
                    "OnKeyPress OnKeyUp OnMouseDown OnMouseMove OnMouseUp OnStartDock OnStartDrag");
    return b.Build();
  }();
  return cls;
}

}  // namespace vcl
