#include "vcl/forms.h"

#include <algorithm>

#include "vcl/published_controls.h"
#include "vcl/text_metrics.h"

namespace vcl {

const TTypeInfo* TypeInfoBorderIcons() {
  static auto t = MakeSetType("TBorderIcons",
                              MakeEnumType("TBorderIcon", {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"}));
  return t;
}
const TTypeInfo* TypeInfoPosition() {
  static auto t = MakeEnumType("TPosition", {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly",
                                             "poScreenCenter", "poDesktopCenter"});
  return t;
}

namespace {
const TTypeInfo* TypeInfoWindowState() {
  static auto t = MakeEnumType("TWindowState", {"wsNormal", "wsMinimized", "wsMaximized"});
  return t;
}
const TTypeInfo* TypeInfoFormStyle() {
  static auto t = MakeEnumType("TFormStyle", {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"});
  return t;
}
const TTypeInfo* TypeInfoDefaultMonitor() {
  static auto t = MakeEnumType("TDefaultMonitor", {"dmDesktop", "dmPrimary", "dmMainForm", "dmActiveForm"});
  return t;
}
const TTypeInfo* TypeInfoPrintScale() {
  static auto t = MakeEnumType("TPrintScale", {"poNone", "poProportional", "poPrintToFit"});
  return t;
}

// Writes the owned components that are not written inside a parent.
void ProcOwnedWithoutParent(const TComponent* self, const std::function<void(TComponent*)>& proc) {
  for (int i = 0; i < self->ComponentCount(); ++i) {
    TComponent* c = self->Components(i);
    if (!c->HasParent()) proc(c);
  }
}
}  // namespace

TCustomForm* GetParentForm(const TControl* control) {
  while (control && control->Parent()) control = control->Parent();
  return Cast<TCustomForm>(const_cast<TControl*>(control));
}

// ---- TControlScrollBar

TClass TControlScrollBar::ClassInfo() {
  using S = TControlScrollBar;
  static TClass cls = TClassBuilder<S>("TControlScrollBar", TPersistent::ClassInfo())
                          .Integer("Increment", &S::Increment, &S::SetIncrement, 8, NamedIntegerType("TScrollBarInc"))
                          .Integer("Margin", &S::Margin, &S::SetMargin, 0, NamedIntegerType("Word"))
                          .Integer("Position", &S::Position, &S::SetPosition, 0)
                          .Integer("Range", &S::Range, &S::SetRange, 0)
                          .Bool("Tracking", &S::Tracking, &S::SetTracking, false)
                          .Bool("Visible", &S::Visible, &S::SetVisible, true)
                          .Build();
  return cls;
}

void TControlScrollBar::Assign(TPersistent* source) {
  auto* bar = Cast<TControlScrollBar>(source);
  if (!bar) return TPersistent::Assign(source);
  increment_ = bar->increment_;
  margin_ = bar->margin_;
  range_ = bar->range_;
  position_ = bar->position_;
  tracking_ = bar->tracking_;
  visible_ = bar->visible_;
}

void TControlScrollBar::SetPosition(int value) { position_ = std::clamp(value, 0, std::max(range_, 0)); }

void TControlScrollBar::SetRange(int value) {
  range_ = std::max(value, 0);
  position_ = std::min(position_, range_);
}

// ---- TScrollingWinControl

TClass TScrollingWinControl::ClassInfo() {
  using S = TScrollingWinControl;
  static TClass cls = TClassBuilder<S>("TScrollingWinControl", TWinControl::ClassInfo())
                          .Object("HorzScrollBar", &S::HorzScrollBar)
                          .Object("VertScrollBar", &S::VertScrollBar)
                          .Build();
  return cls;
}

TScrollingWinControl::TScrollingWinControl(TComponent* owner)
    : TWinControl(owner),
      horzScrollBar_(std::make_unique<TControlScrollBar>(sbHorizontal)),
      vertScrollBar_(std::make_unique<TControlScrollBar>(sbVertical)) {}

TScrollingWinControl::~TScrollingWinControl() = default;

// ---- TScrollBox

TClass TScrollBox::ClassInfo() {
  static TClass cls = [] {
    TClassBuilder<TScrollBox> b("TScrollBox", TScrollingWinControl::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Align Anchors");
    b.Bool("AutoScroll", &TScrollBox::AutoScroll, &TScrollBox::SetAutoScroll, true);
    PublishStandard(b, "AutoSize BiDiMode");
    b.Enum<TBorderStyle>("BorderStyle", TypeInfoBorderStyle(), &TScrollBox::BorderStyle, &TScrollBox::SetBorderStyle,
                         bsSingle);
    PublishStandard(b, "Constraints DockSite DragCursor DragKind DragMode Enabled");
    b.Integer("Color", &TControl::Color, &TControl::SetColor, std::nullopt, TypeInfoColor())
        .StoredWhen(&TControl::IsColorStored);
    PublishStandard(b,
                    "Ctl3D Font ParentBiDiMode ParentColor ParentCtl3D ParentFont ParentShowHint PopupMenu ShowHint "
                    "TabOrder TabStop Visible OnCanResize OnClick OnConstrainedResize OnDblClick OnDockDrop "
                    "OnDockOver OnDragDrop OnDragOver OnEndDock OnEndDrag OnEnter OnExit OnGetSiteInfo OnMouseDown "
                    "OnMouseMove OnMouseUp OnResize OnStartDock OnStartDrag OnUnDock");
    return b.Build();
  }();
  return cls;
}

TScrollBox::TScrollBox(TComponent* owner) : TScrollingWinControl(owner) {
  SetControlStyle(StyleOf(csAcceptsControls) | StyleOf(csCaptureMouse) | StyleOf(csClickEvents) |
                  StyleOf(csSetCaption) | StyleOf(csDoubleClicks));
  SetBounds(0, 0, 185, 41);
}

void TScrollBox::SetBorderStyle(TBorderStyle value) {
  if (value == borderStyle_) return;
  borderStyle_ = value;
  Realign();
}

int TScrollBox::BorderExtent() const {
  if (borderStyle_ == bsNone) return 0;
  return Ctl3D() ? 2 : 1;
}

// ---- frames

TClass TCustomFrame::ClassInfo() {
  static TClass cls = TClassBuilder<TCustomFrame>("TCustomFrame", TScrollingWinControl::ClassInfo()).Build();
  return cls;
}

TCustomFrame::TCustomFrame(TComponent* owner) : TScrollingWinControl(owner) {
  SetControlStyle(StyleOf(csAcceptsControls) | StyleOf(csCaptureMouse) | StyleOf(csClickEvents) |
                  StyleOf(csSetCaption) | StyleOf(csDoubleClicks));
  SetBounds(0, 0, 320, 240);
}

void TCustomFrame::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const {
  TScrollingWinControl::GetChildren(proc, root);
  if (root == this) ProcOwnedWithoutParent(this, proc);
}

TClass TFrame::ClassInfo() {
  static TClass cls = [] {
    TClassBuilder<TFrame> b("TFrame", TCustomFrame::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Align Anchors");
    b.Bool("AutoScroll", &TFrame::AutoScroll, &TFrame::SetAutoScroll, true);
    PublishStandard(b, "AutoSize BiDiMode Constraints DockSite DragCursor DragKind DragMode Enabled");
    b.Integer("Color", &TControl::Color, &TControl::SetColor, std::nullopt, TypeInfoColor())
        .StoredWhen(&TControl::IsColorStored);
    PublishStandard(b,
                    "Ctl3D Font ParentBiDiMode ParentColor ParentCtl3D ParentFont ParentShowHint PopupMenu ShowHint "
                    "TabOrder TabStop Visible OnCanResize OnClick OnConstrainedResize OnDblClick OnDockDrop "
                    "OnDockOver OnDragDrop OnDragOver OnEndDock OnEndDrag OnEnter OnExit OnGetSiteInfo OnMouseDown "
                    "OnMouseMove OnMouseUp OnResize OnStartDock OnStartDrag OnUnDock");
    return b.Build();
  }();
  return cls;
}

// ---- TCustomForm

TClass TCustomForm::ClassInfo() {
  static TClass cls = TClassBuilder<TCustomForm>("TCustomForm", TScrollingWinControl::ClassInfo()).Build();
  return cls;
}

TCustomForm::TCustomForm(TComponent* owner)
    : TScrollingWinControl(owner), icon_(std::make_unique<TIcon>()), canvas_(std::make_unique<TCanvas>()) {
  SetControlStyle(StyleOf(csAcceptsControls) | StyleOf(csCaptureMouse) | StyleOf(csClickEvents) |
                  StyleOf(csSetCaption) | StyleOf(csDoubleClicks));
  SetBounds(0, 0, 320, 240);
  SetVisible(false);
  SetParentColor(false);
  SetParentFont(false);
  SetCtl3D(true);
  SetColor(clBtnFace);
  canvas_->Font()->Assign(EffectiveFont());
}

void TCustomForm::BeforeDestruction() { OnDestroy(this); }

void TCustomForm::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const {
  TScrollingWinControl::GetChildren(proc, root);
  if (root == this) ProcOwnedWithoutParent(this, proc);
}

void TCustomForm::FontChanged() {
  canvas_->Font()->Assign(EffectiveFont());
  TScrollingWinControl::FontChanged();
}

namespace {
// The chain from `control` up to (not including) `stop`, nearest first.
std::vector<TWinControl*> ChainUpTo(TWinControl* control, const TWinControl* stop) {
  std::vector<TWinControl*> chain;
  for (; control && control != stop; control = control->Parent()) chain.push_back(control);
  return chain;
}
}  // namespace

void TCustomForm::SetActiveControl(TWinControl* control) {
  if (control == ActiveControl()) return;
  if (control && (control == this || GetParentForm(control) != this || (!IsLoading() && !control->CanFocus())))
    throw EInvalidOperation("Cannot focus a disabled or invisible window");
  TWinControl* old = ActiveControl();
  if (IsLoading() || HasState(csDesigning)) return activeControl_.Set(control);
  // Leave the old control and its containers up to the one that also holds the new
  // control, then enter the new control's containers below it, outside-in.
  TWinControl* common = this;
  if (old && control)
    for (common = old; !common->ContainsControl(control);) common = common->Parent();
  for (TWinControl* c : ChainUpTo(old, common)) c->OnExit(c);
  activeControl_.Set(control);
  std::vector<TWinControl*> entered = ChainUpTo(control, common);
  for (auto it = entered.rbegin(); it != entered.rend(); ++it) (*it)->OnEnter(*it);
}

void TCustomForm::DefocusControl(TWinControl* control, bool) {
  if (control->ContainsControl(ActiveControl())) activeControl_.Set(nullptr);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle value) {
  if (value == borderStyle_) return;
  borderStyle_ = value;
  Realign();
}

void TCustomForm::SetMenu(TMainMenu* value) {
  if (value == Menu()) return;
  // A form file that gives the client size gives it before its menu: the menu bar then
  // adds to the height. Otherwise (a stored Height, or later) the menu bar takes its room
  // from the client area.
  int clientHeight = ClientHeight();
  menu_.Set(value);
  if (!IsLoading())
    Realign();
  else if (clientHeightRead_)
    SetClientHeight(clientHeight);
}

void TCustomForm::SetPixelsPerInch(int value) {
  if (value == 0 || value >= 36) pixelsPerInch_ = value;
}

int TCustomForm::TextHeight() const { return canvas_->TextHeight("0"); }

bool TCustomForm::IsFormSizeStored() const {
  return AutoScroll() || HorzScrollBar()->Range() != 0 || VertScrollBar()->Range() != 0;
}

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  OnCloseQuery(this, canClose);
  return canClose;
}

int TCustomForm::BorderExtent() const {
  switch (borderStyle_) {
    case bsNone: return 0;
    case bsSizeable:
    case bsSizeToolWin: return 4;
    default: return 3;
  }
}

int TCustomForm::CaptionExtent() const {
  int caption = borderStyle_ == bsNone ? 0 : (borderStyle_ == bsToolWindow || borderStyle_ == bsSizeToolWin) ? 16 : 19;
  return caption + (Menu() ? 19 : 0);
}

TClass TForm::ClassInfo() {
  static TClass cls = [] {
    using F = TForm;
    TClassBuilder<F> b("TForm", TCustomForm::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Action");
    b.Reference<TWinControl>("ActiveControl", &F::ActiveControl, &F::SetActiveControl);
    PublishStandard(b, "Align");
    b.Bool("AutoScroll", &F::AutoScroll, &F::SetAutoScroll, true);
    PublishStandard(b, "AutoSize BiDiMode");
    b.Set("BorderIcons", TypeInfoBorderIcons(), &F::BorderIcons, &F::SetBorderIcons,
          BorderIconOf(biSystemMenu) | BorderIconOf(biMinimize) | BorderIconOf(biMaximize));
    b.Enum<TFormBorderStyle>("BorderStyle", TypeInfoFormBorderStyle(), &F::BorderStyle, &F::SetBorderStyle, bsSizeable);
    PublishStandard(b, "BorderWidth Caption");
    b.Integer("ClientHeight", &F::ClientHeight, &F::SetFormClientHeight).StoredWhen(&F::IsClientSizeStored);
    b.Integer("ClientWidth", &F::ClientWidth, &F::SetClientWidth).StoredWhen(&F::IsClientSizeStored);
    // The colour is always written: forms start with clBtnFace.
    b.Integer("Color", &F::Color, &F::SetColor, std::nullopt, TypeInfoColor()).StoredWhen(&F::IsColorStored);
    PublishStandard(b, "Constraints Ctl3D UseDockManager");
    b.Enum<TDefaultMonitor>("DefaultMonitor", TypeInfoDefaultMonitor(), &F::DefaultMonitor, &F::SetDefaultMonitor,
                            dmActiveForm);
    PublishStandard(b, "DockSite DragKind DragMode Enabled");
    b.Bool("ParentFont", &F::ParentFont, &F::SetParentFont, false);
    PublishStandard(b, "Font");
    b.Enum<TFormStyle>("FormStyle", TypeInfoFormStyle(), &F::FormStyle, &F::SetFormStyle, fsNormal);
    b.Integer("Height", &F::Height, &F::SetHeight).StoredWhen(&F::IsFormSizeStored);
    b.String("HelpFile", &F::HelpFile, &F::SetHelpFile);
    b.Object("HorzScrollBar", &F::HorzScrollBar);
    b.Object("Icon", &F::Icon).StoredWhen([](F& f) { return !f.Icon()->Empty(); });
    b.Bool("KeyPreview", &F::KeyPreview, &F::SetKeyPreview, false);
    b.Reference<TMainMenu>("Menu", &F::Menu, &F::SetMenu);
    b.Bool("OldCreateOrder", &F::OldCreateOrder, &F::SetOldCreateOrder, std::nullopt);
    b.Reference<TMenuItem>("ObjectMenuItem", &F::ObjectMenuItem, &F::SetObjectMenuItem);
    PublishStandard(b, "ParentBiDiMode");
    b.Integer("PixelsPerInch", &F::PixelsPerInch, &F::SetPixelsPerInch).StoredWhen([](F&) { return false; });
    PublishStandard(b, "PopupMenu");
    b.Enum<TPosition>("Position", TypeInfoPosition(), &F::Position, &F::SetPosition, poDesigned);
    b.Enum<TPrintScale>("PrintScale", TypeInfoPrintScale(), &F::PrintScale, &F::SetPrintScale, poProportional);
    b.Bool("Scaled", &F::Scaled, &F::SetScaled, true);
    PublishStandard(b, "ShowHint");
    b.Object("VertScrollBar", &F::VertScrollBar);
    b.Bool("Visible", &F::Visible, &F::SetVisible, false);
    b.Integer("Width", &F::Width, &F::SetWidth).StoredWhen(&F::IsFormSizeStored);
    b.Enum<TWindowState>("WindowState", TypeInfoWindowState(), &F::WindowState, &F::SetWindowState, wsNormal);
    b.Reference<TMenuItem>("WindowMenu", &F::WindowMenu, &F::SetWindowMenu);
    b.Event("OnActivate", &F::OnActivate);
    PublishStandard(b, "OnCanResize OnClick");
    b.Event("OnClose", &F::OnClose, "TCloseEvent");
    b.Event("OnCloseQuery", &F::OnCloseQuery, "TCloseQueryEvent");
    PublishStandard(b, "OnConstrainedResize");
    b.Event("OnCreate", &F::OnCreate);
    PublishStandard(b, "OnDblClick");
    b.Event("OnDestroy", &F::OnDestroy);
    b.Event("OnDeactivate", &F::OnDeactivate);
    PublishStandard(b, "OnDockDrop OnDockOver OnDragDrop OnDragOver OnEndDock OnGetSiteInfo");
    b.Event("OnHide", &F::OnHide);
    PublishStandard(b, "OnKeyDown OnKeyPress OnKeyUp OnMouseDown OnMouseMove OnMouseUp");
    b.Event("OnMouseWheel", &F::OnMouseWheel, "TMouseWheelEvent");
    b.Event("OnMouseWheelDown", &F::OnMouseWheelDown, "TMouseWheelUpDownEvent");
    b.Event("OnMouseWheelUp", &F::OnMouseWheelUp, "TMouseWheelUpDownEvent");
    b.Event("OnPaint", &F::OnPaint);
    PublishStandard(b, "OnResize");
    b.Event("OnShortCut", &F::OnShortCut, "TShortCutEvent");
    b.Event("OnShow", &F::OnShow);
    PublishStandard(b, "OnStartDock OnUnDock");
    return b.Build();
  }();
  return cls;
}

// ---- TDataModule

TClass TDataModule::ClassInfo() {
  using D = TDataModule;
  static TClass cls = TClassBuilder<D>("TDataModule", TComponent::ClassInfo())
                          .Creatable()
                          .Bool("OldCreateOrder", &D::OldCreateOrder, &D::SetOldCreateOrder, std::nullopt)
                          .Event("OnCreate", &D::OnCreate)
                          .Event("OnDestroy", &D::OnDestroy)
                          .Build();
  return cls;
}

TDataModule::TDataModule(TComponent* owner) : TComponent(owner) {}

void TDataModule::BeforeDestruction() { OnDestroy(this); }

void TDataModule::GetChildren(const std::function<void(TComponent*)>& proc, TComponent*) const {
  ProcOwnedWithoutParent(this, proc);
}

}  // namespace vcl
