#include <algorithm>
#include <climits>

#include "vcl/class_builder.h"
#include "vcl/controls.h"

namespace vcl {

// ---- TControlActionLink

namespace {
TWinControl* Windowed(TControl* control) { return Cast<TWinControl>(control); }
}  // namespace

bool TControlActionLink::IsCaptionLinked() const {
  return TActionLink::IsCaptionLinked() && client_->Caption() == CustomAction()->Caption();
}
bool TControlActionLink::IsEnabledLinked() const {
  return TActionLink::IsEnabledLinked() && client_->Enabled() == CustomAction()->Enabled();
}
bool TControlActionLink::IsHelpContextLinked() const {
  TWinControl* windowed = Windowed(client_);
  return windowed && TActionLink::IsHelpContextLinked() && windowed->HelpContext() == CustomAction()->HelpContext();
}
bool TControlActionLink::IsHintLinked() const {
  return TActionLink::IsHintLinked() && client_->Hint() == CustomAction()->Hint();
}
bool TControlActionLink::IsVisibleLinked() const {
  return TActionLink::IsVisibleLinked() && client_->Visible() == CustomAction()->Visible();
}
void TControlActionLink::SetCaption(const std::string& value) {
  if (IsCaptionLinked()) client_->SetCaption(value);
}
void TControlActionLink::SetEnabled(bool value) {
  if (IsEnabledLinked()) client_->SetEnabled(value);
}
void TControlActionLink::SetHelpContext(int value) {
  if (IsHelpContextLinked()) Windowed(client_)->SetHelpContext(value);
}
void TControlActionLink::SetHint(const std::string& value) {
  if (IsHintLinked()) client_->SetHint(value);
}
void TControlActionLink::SetVisible(bool value) {
  if (IsVisibleLinked()) client_->SetVisible(value);
}

// ---- TControl

// A control's font: a change of it clears the control's ParentFont and tells the control.
class TControlFont final : public TFont {
public:
  // A copy of the font the control showed so far: making it changes nothing.
  TControlFont(TControl* control, const TFont& shown) {
    Assign(shown);
    control_ = control;
  }

protected:
  void ReportChange() override {
    if (!control_) return;
    control_->parentFont_ = false;
    control_->FontChanged();
    TFont::ReportChange();
  }

private:
  TControl* control_ = nullptr;
};

namespace {
// What a control without a font of its own or a parent shows, and the limits of one without
// constraints of its own. Never destroyed: controls of static storage may read them at the
// program's end.
const TFont& DefaultFont() {
  static const TFont* font = new TFont;
  return *font;
}
const TSizeConstraints& NoConstraints() {
  static const TSizeConstraints* none = new TSizeConstraints;
  return *none;
}
}  // namespace

TClass TControl::ClassInfo() {
  static TClass cls = TClassBuilder<TControl>("TControl", TComponent::ClassInfo())
                          .Integer("Left", &TControl::Left, &TControl::SetLeft)
                          .Integer("Top", &TControl::Top, &TControl::SetTop)
                          .Integer("Width", &TControl::Width, &TControl::SetWidth)
                          .Integer("Height", &TControl::Height, &TControl::SetHeight)
                          .Integer("Cursor", &TControl::Cursor, &TControl::SetCursor, crDefault, TypeInfoCursor())
                          .String("Hint", &TControl::Hint, &TControl::SetHint)
                          .StoredWhen(&TControl::IsHintStored)
                          .Build();
  return cls;
}

TControl::TControl(TComponent* owner)
    : TComponent(owner),
      controlStyle_(StyleOf(csCaptureMouse) | StyleOf(csClickEvents) | StyleOf(csSetCaption) |
                    StyleOf(csDoubleClicks)) {}

TControl::~TControl() {
  Destroying();
  SetParent(nullptr);
}

void TControl::SetName(const std::string& name) {
  // The text last: the cheap tests spare it for the controls a form file creates.
  bool followName = HasStyle(csSetCaption) && !IsLoading() &&
                    !(Owner() && Owner()->HasState(csLoading) && Cast<TControl>(Owner())) && Name() == GetText();
  TComponent::SetName(name);
  if (followName) SetText(name);
}

// ---- bounds

namespace {

// Of the size auto-sizing computed, what a control aligned `align` takes: the dimensions its
// alignment leaves to it.
void TakeAutoSize(TAlign align, int autoWidth, int autoHeight, int& width, int& height) {
  if (align == alNone || align == alLeft || align == alRight) width = autoWidth;
  if (align == alNone || align == alTop || align == alBottom) height = autoHeight;
}

}  // namespace

bool TControl::CheckNewSize(int& width, int& height) {
  int w = width, h = height;
  bool resize = true;
  OnCanResize(this, w, h, resize);
  if (!resize) return false;
  // A move keeps an auto-sized control's size: its content did not change, so the size it has
  // is the one its content gave it (through AdjustSize, or as the form file stored it).
  const bool moveOnly = w == width_ && h == height_;
  if (autoSize_ && !IsLoading() && align_ != alClient && !moveOnly) {
    int autoW = w, autoH = h;
    if (!CanAutoSize(autoW, autoH)) return false;
    TakeAutoSize(align_, autoW, autoH, w, h);
  }
  // Without constraints of its own or a handler to set some, a size only stays at least 0.
  if (rare_ || w < 0 || h < 0 || OnConstrainedResize.Assigned()) {
    const TSizeConstraints& limits = EffectiveConstraints();
    int minW = limits.MinWidth(), minH = limits.MinHeight();
    int maxW = limits.MaxWidth() > 0 ? limits.MaxWidth() : INT_MAX;
    int maxH = limits.MaxHeight() > 0 ? limits.MaxHeight() : INT_MAX;
    OnConstrainedResize(this, minW, minH, maxW, maxH);
    w = std::clamp(w, minW, std::max(minW, maxW));
    h = std::clamp(h, minH, std::max(minH, maxH));
  }
  width = w;
  height = h;
  return true;
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (!CheckNewSize(width, height)) return;
  bool sizeChanged = width != width_ || height != height_;
  if (!sizeChanged && left == left_ && top == top_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  UpdateAnchorRules();
  BoundsChanged(sizeChanged);
  RequestAlign();
  if (sizeChanged && !IsLoading()) Resize();
}

void TControl::BoundsChanged(bool) {}

void TControl::SetClientSize(int width, int height) {
  TRect client = ClientRect();
  SetBounds(left_, top_, width_ - client.Right + width, height_ - client.Bottom + height);
}

bool TControl::CanAutoSize(int&, int&) { return true; }

void TControl::AdjustSize() {
  if (IsLoading()) return;
  int width = width_, height = height_;
  if (autoSize_ && align_ != alClient) {
    int autoW = width, autoH = height;
    if (!CanAutoSize(autoW, autoH)) return;
    TakeAutoSize(align_, autoW, autoH, width, height);
  }
  SetBounds(left_, top_, width, height);
}

void TControl::SetAutoSize(bool value) {
  if (value == autoSize_) return;
  autoSize_ = value;
  if (value) AdjustSize();
}

void TControl::SetAlign(TAlign value) {
  if (value == align_) return RequestAlign();
  TAlign old = align_;
  bool moved = MovedByRealign();
  align_ = value;
  dockOffset_ = {};
  RecountMovedByRealign(moved);
  SetAnchors(AnchorAlign(value));
  if (!IsLoading() && (!HasState(csDesigning) || parent_)) {
    auto vertical = [](TAlign a) { return a == alTop || a == alBottom; };
    auto horizontal = [](TAlign a) { return a == alLeft || a == alRight; };
    // Turning a top or bottom band into a left or right one (or back) swaps its sides.
    if ((vertical(old) && horizontal(value)) || (horizontal(old) && vertical(value)))
      SetBounds(left_, top_, height_, width_);
    else
      AdjustSize();
  }
  RequestAlign();
}

void TControl::SetAnchors(TAnchors value) {
  value &= 0x0F;
  if (value == anchors_) return;
  bool moved = MovedByRealign();
  anchors_ = value;
  RecountMovedByRealign(moved);
  UpdateAnchorRules();
}

void TControl::RecountMovedByRealign(bool before) {
  if (parent_) parent_->movedByRealign_ += int{MovedByRealign()} - int{before};
}

void TControl::UpdateAnchorRules() {
  if (anchorMove_ || IsLoading()) return;
  if (anchors_ == DefaultAnchors) {
    originalParentSize_ = TPoint{};
    return;
  }
  auto has = [this](TAnchorKind k) { return (anchors_ & AnchorOf(k)) != 0; };
  if (has(akRight))
    anchorRules_.X = has(akLeft) ? width_ : left_;
  else
    anchorRules_.X = left_ + width_ / 2;
  if (has(akBottom))
    anchorRules_.Y = has(akTop) ? height_ : top_;
  else
    anchorRules_.Y = top_ + height_ / 2;
  if (parent_) {
    TRect client = parent_->ClientRect();
    originalParentSize_ = Point(client.Right, client.Bottom);
  }
}

void TControl::RequestAlign() {
  if (parent_) parent_->AlignControl(this);
}

// ---- parent

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent == this) throw EInvalidOperation("A control cannot have itself as its parent");
  for (const TControl* p = parent; p; p = p->parent_)
    if (p == this) throw EInvalidOperation("A control cannot have one of its children as its parent");
  if (parent_) parent_->RemoveControl(this);
  dockOffset_ = {};
  if (parent) {
    parent->InsertControl(this);
    UpdateAnchorRules();
  }
  if (!HasState(csDestroying)) ParentChanged();
}

TComponent* TControl::GetParentComponent() const { return parent_; }

void TControl::SetParentComponent(TComponent* value) {
  if (auto* parent = Cast<TWinControl>(value)) SetParent(parent);
}

// ---- text, colour, font, hints

void TControl::SetText(const std::string& value) {
  if (value == GetText()) return;
  text_ = value;
  TextChanged();
}

void TControl::SetColor(TColor value) {
  if (value == color_) return;
  color_ = value;
  parentColor_ = false;
  ColorChanged();
}

void TControl::SetParentColor(bool value) {
  if (value == parentColor_) return;
  parentColor_ = value;
  if (parent_) ParentColorChanged();
}

void TControl::ParentColorChanged() {
  if (!parentColor_ || !parent_) return;
  SetColor(parent_->Color());
  parentColor_ = true;
}

TFont* TControl::Font() const {
  if (TFont* own = OwnFont()) return own;
  const TFont& shown = EffectiveFont();
  return (Rare().font = std::make_unique<TControlFont>(const_cast<TControl*>(this), shown)).get();
}

const TFont& TControl::EffectiveFont() const {
  // Only a control that follows its parent is without a font of its own.
  for (const TControl* control = this; control; control = control->parent_)
    if (TFont* own = control->OwnFont()) return *own;
  return DefaultFont();
}

void TControl::SetParentFont(bool value) {
  if (value == parentFont_) return;
  if (!value) Font();  // the font it shows becomes its own
  parentFont_ = value;
  if (parent_) ParentFontChanged();
}

void TControl::FontChanged() {}

void TControl::ParentFontChanged() {
  if (!parentFont_ || !parent_) return;
  TFont* own = OwnFont();
  if (!own) return FontChanged();  // it shows the parent's font, which changed
  own->Assign(parent_->EffectiveFont());
  parentFont_ = true;
}

void TControl::ParentFontJoined() {
  // Without a font of its own, the control showed the default font until now.
  if (OwnFont() || !parent_->EffectiveFont().SameAs(DefaultFont())) ParentFontChanged();
}

void TControl::ParentFontLeaving() {
  if (!OwnFont() && !EffectiveFont().SameAs(DefaultFont())) Font();
}

void TControl::SetShowHint(bool value) {
  if (value == showHint_) return;
  showHint_ = value;
  parentShowHint_ = false;
  ShowHintChanged();
}

void TControl::SetParentShowHint(bool value) {
  if (value == parentShowHint_) return;
  parentShowHint_ = value;
  if (parent_) ParentShowHintChanged();
}

void TControl::ParentShowHintChanged() {
  if (!parentShowHint_ || !parent_) return;
  SetShowHint(parent_->ShowHint());
  parentShowHint_ = true;
}

void TControl::SetBiDiMode(TBiDiMode value) {
  if (value == biDiMode_) return;
  biDiMode_ = value;
  parentBiDiMode_ = false;
  BiDiModeChanged();
}

void TControl::SetParentBiDiMode(bool value) {
  if (value == parentBiDiMode_) return;
  parentBiDiMode_ = value;
  if (parent_) ParentBiDiModeChanged();
}

void TControl::ParentBiDiModeChanged() {
  if (!parentBiDiMode_ || !parent_) return;
  SetBiDiMode(parent_->BiDiMode());
  parentBiDiMode_ = true;
}

void TControl::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  EnabledChanged();
}

void TControl::SetVisible(bool value) {
  if (value == visible_) return;
  visible_ = value;
  VisibleChanged();
  RequestAlign();
}

void TControl::VisibleChanged() {}

// ---- rarely set values: a value set to its default makes no block

const TSizeConstraints& TControl::EffectiveConstraints() const {
  return rare_ ? rare_->constraints : NoConstraints();
}

TControl::TRareFields& TControl::Rare() const {
  if (!rare_) rare_ = std::make_unique<TRareFields>(const_cast<TControl*>(this));
  return *rare_;
}

const std::string& TControl::NoText() {
  static const std::string empty;
  return empty;
}

void TControl::SetHint(const std::string& value) {
  if (rare_ || !value.empty()) Rare().hint = value;
}

void TControl::SetCursor(TCursor value) {
  if (rare_ || value != crDefault) Rare().cursor = value;
}

void TControl::SetDragCursor(TCursor value) {
  if (rare_ || value != crDrag) Rare().dragCursor = value;
}

void TControl::SetDragKind(TDragKind value) {
  if (rare_ || value != dkDrag) Rare().dragKind = value;
}

void TControl::SetDragMode(TDragMode value) {
  if (rare_ || value != dmManual) Rare().dragMode = value;
}

void TControl::SetPopupMenu(TPopupMenu* value) {
  if (rare_ || value) Rare().popupMenu.Set(value);
}

// ---- actions

TBasicAction* TControl::Action() const { return ActionLink() ? ActionLink()->Action() : nullptr; }

void TControl::SetAction(TBasicAction* value) {
  if (!value) {
    if (rare_) rare_->actionLink.reset();
    return;
  }
  std::unique_ptr<TControlActionLink>& link = Rare().actionLink;
  if (!link) link = CreateActionLink();
  link->SetAction(value);
  if (auto* action = Cast<TCustomAction>(value)) ActionChange(action, IsLoading() || value->HasState(csLoading));
}

void TControl::ActionChange(TCustomAction* action, bool checkDefaults) {
  if (!checkDefaults || GetText().empty() || GetText() == Name()) SetCaption(action->Caption());
  if (!checkDefaults || enabled_) SetEnabled(action->Enabled());
  if (!checkDefaults || Hint().empty()) SetHint(action->Hint());
  if (!checkDefaults || visible_) SetVisible(action->Visible());
  if (auto* windowed = Cast<TWinControl>(this))
    if (!checkDefaults || windowed->HelpContext() == 0) windowed->SetHelpContext(action->HelpContext());
}

void TControl::Click() {
  if (OnClick.Assigned())
    OnClick(this);
  else if (ActionLink() && !HasState(csDesigning))
    ActionLink()->Execute();
}

void TControl::Loaded() {
  TComponent::Loaded();
  if (auto* action = Cast<TCustomAction>(Action())) ActionChange(action, true);
  UpdateAnchorRules();
}

}  // namespace vcl
