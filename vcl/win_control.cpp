#include <algorithm>
#include <array>

#include "vcl/class_builder.h"
#include "vcl/controls.h"
#include "vcl/forms.h"

namespace vcl {

TClass TWinControl::ClassInfo() {
  static TClass cls =
      TClassBuilder<TWinControl>("TWinControl", TControl::ClassInfo())
          .Integer("HelpContext", &TWinControl::HelpContext, &TWinControl::SetHelpContext, 0, TypeInfoHelpContext())
          .StoredWhen([](TWinControl& c) { return !c.IsLinked(&TActionLink::IsHelpContextLinked); })
          .Build();
  return cls;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) { windowed_ = true; }

TWinControl::~TWinControl() {
  Destroying();
  if (TControl* parent = Parent()) {
    // Leave the parent while this object is still a TWinControl.
    if (TCustomForm* form = GetParentForm(parent)) form->DefocusControl(this, true);
    SetParent(nullptr);
  }
  // The children leave all at once: no tab order to keep for them.
  if (children_) {
    children_->tabList.clear();
    children_->tabGaps = 0;
  }
  while (ControlCount() > 0) {
    TControl* child = Controls(ControlCount() - 1);
    RemoveControl(child);
    delete child;
  }
}

// ---- children

namespace {
// Adds to a list of children, room for several at once: a parent that has one child mostly
// gets more, and growing one at a time would reallocate each list again and again.
template <class T>
void AddChild(std::vector<T*>& list, T* child) {
  if (list.size() == list.capacity()) list.reserve(std::max<std::size_t>(8, list.size() * 2));
  list.push_back(child);
}
}  // namespace

TControl* TWinControl::Controls(int index) const {
  if (index < 0 || index >= ControlCount())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  auto i = static_cast<std::size_t>(index);
  const auto& controls = children_->controls;
  return i < controls.size() ? controls[i] : children_->winControls[i - controls.size()];
}

bool TWinControl::ContainsControl(const TControl* control) const {
  for (; control; control = control->Parent())
    if (control == this) return true;
  return false;
}

void TWinControl::InsertControl(TControl* control) {
  if (!children_) children_ = std::make_unique<TChildLists>();
  if (control->windowed_) {
    auto* windowed = static_cast<TWinControl*>(control);
    AddChild(children_->winControls, windowed);
    windowed->tabIndex_ = static_cast<int>(children_->tabList.size());
    AddChild(children_->tabList, windowed);
  } else {
    AddChild(children_->controls, control);
  }
  control->parent_ = this;
  movedByRealign_ += int{control->MovedByRealign()};
  control->ParentColorChanged();
  control->ParentFontJoined();
  control->ParentShowHintChanged();
  control->ParentBiDiModeChanged();
  if (control->windowed_) static_cast<TWinControl*>(control)->ParentCtl3DChanged();
  if (!control->IsReading()) AlignControl(control);
  ControlChange(control, true);
}

void TWinControl::RemoveControl(TControl* control) {
  if (control->parent_ != this) return;
  if (!HasState(csDestroying)) ControlChange(control, false);
  // Children usually go last-first (a parent destroying its own), so search from the end.
  auto erase = [](auto& list, TControl* c) {
    auto it = std::find(list.rbegin(), list.rend(), c);
    if (it != list.rend()) list.erase(std::next(it).base());
  };
  if (control->windowed_) {
    auto* windowed = static_cast<TWinControl*>(control);
    if (!HasState(csDestroying))
      if (TCustomForm* form = GetParentForm(this)) form->DefocusControl(windowed, true);
    auto& tabList = children_->tabList;
    auto index = static_cast<std::size_t>(windowed->tabIndex_);
    if (index < tabList.size() && tabList[index] == windowed) {
      if (index + 1 == tabList.size()) {
        tabList.pop_back();
      } else {
        tabList[index] = nullptr;
        ++children_->tabGaps;
      }
    }
    erase(children_->winControls, windowed);
  } else {
    erase(children_->controls, control);
  }
  if (!HasState(csDestroying) && !control->HasState(csDestroying)) control->ParentFontLeaving();
  control->parent_ = nullptr;
  movedByRealign_ -= int{control->MovedByRealign()};
  if (!HasState(csDestroying)) Realign();
}

void TWinControl::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const {
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* control = Controls(i);
    if (control->Owner() == root) proc(control);
  }
}

void TWinControl::NotifyControls(void (TControl::*notify)()) {
  for (int i = 0; i < ControlCount(); ++i) (Controls(i)->*notify)();
}

// ---- tab order

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  Parent()->CloseTabGaps();
  return tabIndex_;
}

const std::vector<TWinControl*>& TWinControl::TabList() const {
  static const std::vector<TWinControl*> none;
  CloseTabGaps();
  return children_ ? children_->tabList : none;
}

void TWinControl::IndexTabList(std::size_t first, std::size_t last) const {
  for (std::size_t i = first; i < last; ++i) children_->tabList[i]->tabIndex_ = static_cast<int>(i);
}

void TWinControl::CloseTabGaps() const {
  if (!children_ || children_->tabGaps == 0) return;
  std::erase(children_->tabList, nullptr);
  children_->tabGaps = 0;
  IndexTabList(0, children_->tabList.size());
}

void TWinControl::SetTabOrder(int value) {
  if (IsReading() || (Parent() && Parent()->IsLoading()))
    tabOrder_ = value;
  else
    UpdateTabOrder(value);
}

void TWinControl::UpdateTabOrder(int value) {
  int current = TabOrder();
  if (current < 0) return;
  auto& list = Parent()->children_->tabList;
  int count = static_cast<int>(list.size());
  value = std::clamp(value, 0, count - 1);
  if (value == current) return;
  list.erase(list.begin() + current);
  list.insert(list.begin() + value, this);
  Parent()->IndexTabList(static_cast<std::size_t>(std::min(current, value)),
                         static_cast<std::size_t>(std::max(current, value)) + 1);
}

// Places each windowed child at the tab order read for it, with the outcome of moving them
// one after another to positions 0, 1, 2, ... (the last of several children claiming one
// position wins it; children without a valid one keep their relative order), in linear time:
// the tab list becomes a linked list walked by a cursor at the position being filled.
void TWinControl::FixupTabList() {
  CloseTabGaps();
  if (!children_) return;
  auto& tabList = children_->tabList;
  const std::size_t count = tabList.size();
  if (count == 0) return;
  // Children whose orders, where valid, are the places they stand at (as most files have
  // them) stay where they are.
  auto inPlace = [&](const TWinControl* control) {
    int order = control->tabOrder_;
    return order < 0 || static_cast<std::size_t>(order) >= count || order == control->tabIndex_ ||
           tabList[static_cast<std::size_t>(control->tabIndex_)] != control;
  };
  if (std::all_of(children_->winControls.begin(), children_->winControls.end(), inPlace)) return;
  std::vector<int> placed(count, -1);  // position -> the child's node (its index in the tab list)
  for (TWinControl* control : children_->winControls) {
    int order = control->tabOrder_;
    if (order >= 0 && static_cast<std::size_t>(order) < count && tabList[static_cast<std::size_t>(control->tabIndex_)] == control)
      placed[static_cast<std::size_t>(order)] = control->tabIndex_;
  }
  // Nodes 0..count-1 are the children in their current order; `count` is the list's end.
  std::vector<int> next(count + 1), prev(count + 1);
  std::vector<bool> passed(count, false);
  for (std::size_t i = 0; i <= count; ++i) {
    next[i] = static_cast<int>(i + 1 <= count ? i + 1 : 0);
    prev[i] = static_cast<int>(i == 0 ? count : i - 1);
  }
  auto unlink = [&](int node) {
    next[static_cast<std::size_t>(prev[static_cast<std::size_t>(node)])] = next[static_cast<std::size_t>(node)];
    prev[static_cast<std::size_t>(next[static_cast<std::size_t>(node)])] = prev[static_cast<std::size_t>(node)];
  };
  auto linkBefore = [&](int node, int before) {
    int after = prev[static_cast<std::size_t>(before)];
    next[static_cast<std::size_t>(after)] = node;
    prev[static_cast<std::size_t>(node)] = after;
    next[static_cast<std::size_t>(node)] = before;
    prev[static_cast<std::size_t>(before)] = node;
  };
  int cursor = next[count];  // the node at the position being filled
  for (std::size_t position = 0; position < count; ++position) {
    int node = placed[position];
    if (node >= 0 && node != cursor) {
      if (passed[static_cast<std::size_t>(node)]) {
        // Taken from before the cursor: the nodes after it move up, so the node goes after
        // the cursor's, and what now fills the next position is the cursor's own.
        unlink(node);
        linkBefore(node, next[static_cast<std::size_t>(cursor)]);
        passed[static_cast<std::size_t>(cursor)] = true;
        cursor = node;
      } else {
        unlink(node);
        linkBefore(node, cursor);
        cursor = node;
      }
    }
    passed[static_cast<std::size_t>(cursor)] = true;
    cursor = next[static_cast<std::size_t>(cursor)];
  }
  std::vector<TWinControl*> ordered;
  ordered.reserve(count);
  for (int node = next[count]; node != static_cast<int>(count); node = next[static_cast<std::size_t>(node)])
    ordered.push_back(tabList[static_cast<std::size_t>(node)]);
  tabList = std::move(ordered);
  IndexTabList(0, count);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  for (TWinControl* control : TabList()) {
    list.push_back(control);
    control->GetTabOrderList(list);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) const {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return nullptr;
  auto count = static_cast<int>(list.size());
  auto found = std::find(list.begin(), list.end(), current);
  int start = found != list.end() ? static_cast<int>(found - list.begin()) : (goForward ? count - 1 : 0);
  int i = start;
  do {
    i = goForward ? (i + 1) % count : (i + count - 1) % count;
    TWinControl* candidate = list[static_cast<std::size_t>(i)];
    if (candidate->CanFocus() && (!checkTabStop || candidate->TabStop()) &&
        (!checkParent || candidate->Parent() == this))
      return candidate;
  } while (i != start);
  return nullptr;
}

// ---- focus

bool TWinControl::CanFocus() const {
  TCustomForm* form = GetParentForm(this);
  if (!form) return false;
  for (const TWinControl* control = this; control != form; control = control->Parent())
    if (!control->Visible() || !control->Enabled()) return false;
  return true;
}

bool TWinControl::Focused() const {
  TCustomForm* form = GetParentForm(this);
  return form && form->ActiveControl() == this;
}

void TWinControl::SetFocus() {
  TCustomForm* form = GetParentForm(this);
  if (!form) throw EInvalidOperation("Control '" + Name() + "' has no parent window");
  form->FocusControl(this);
}

// ---- inherited appearance

void TWinControl::FontChanged() { NotifyControls(&TControl::ParentFontChanged); }
void TWinControl::ColorChanged() { NotifyControls(&TControl::ParentColorChanged); }
void TWinControl::ShowHintChanged() { NotifyControls(&TControl::ParentShowHintChanged); }
void TWinControl::BiDiModeChanged() { NotifyControls(&TControl::ParentBiDiModeChanged); }

void TWinControl::SetCtl3D(bool value) {
  if (value == ctl3D_) return;
  ctl3D_ = value;
  parentCtl3D_ = false;
  Ctl3DChanged();
  if (children_)
    for (TWinControl* child : children_->winControls) child->ParentCtl3DChanged();
}

void TWinControl::SetParentCtl3D(bool value) {
  if (value == parentCtl3D_) return;
  parentCtl3D_ = value;
  if (Parent()) ParentCtl3DChanged();
}

void TWinControl::ParentCtl3DChanged() {
  if (!parentCtl3D_ || !Parent()) return;
  SetCtl3D(Parent()->Ctl3D());
  parentCtl3D_ = true;
}

// ---- rarely set values (kept with the control's others)

void TWinControl::SetHelpContext(int value) {
  if (rare_ || value != 0) Rare().helpContext = value;
}

void TWinControl::SetImeMode(TImeMode value) {
  if (rare_ || value != imDontCare) Rare().imeMode = value;
}

void TWinControl::SetImeName(const std::string& value) {
  if (rare_ || !value.empty()) Rare().imeName = value;
}

// ---- alignment

void TWinControl::SetBorderWidth(int value) {
  value = std::max(value, 0);
  if (value == borderWidth_) return;
  borderWidth_ = value;
  Realign();
}

TRect TWinControl::ClientRect() const {
  int border = BorderExtent() + borderWidth_;
  return Rect(0, 0, std::max(0, Width() - 2 * border), std::max(0, Height() - 2 * border - CaptionExtent()));
}

bool TWinControl::AlignDisabled() const { return alignLevel_ > 0; }

void TWinControl::EnableAlign() {
  if (--alignLevel_ == 0 && alignNeeded_) Realign();
}

void TWinControl::AlignControl(TControl* control) {
  // Positions read from a form file are kept as they are.
  if (HasState(csDestroying) || IsLoading()) return;
  if (AlignDisabled()) {
    alignNeeded_ = true;
    return;
  }
  DisableAlign();
  TRect rect = ClientRect();
  AlignControls(control, rect);
  alignNeeded_ = false;
  --alignLevel_;
}

void TWinControl::CalibrateAlignment() {
  TRect rect = ClientRect();
  calibrating_ = true;
  AlignControls(nullptr, rect);
  calibrating_ = false;
}

void TWinControl::BoundsChanged(bool sizeChanged) {
  if (sizeChanged) Realign();
}

namespace {
// Visible controls take part in alignment; so do hidden containers that are hidden by
// design (tab sheets) and, while designing, controls the designer shows.
bool TakesPart(const TControl* control) {
  return control->Visible() || (control->HasStyle(csAcceptsControls) && control->HasStyle(csNoDesignVisible)) ||
         (control->HasState(csDesigning) && !control->HasStyle(csNoDesignVisible));
}

// For a control aligned to one side: whether `a` goes before `b` in the stacking order.
bool InsertBefore(const TControl* a, const TControl* b, TAlign align) {
  switch (align) {
    case alTop: return a->Top() < b->Top();
    case alBottom: return a->Top() + a->Height() >= b->Top() + b->Height();
    case alLeft: return a->Left() < b->Left();
    case alRight: return a->Left() + a->Width() >= b->Left() + b->Width();
    default: return false;
  }
}
}  // namespace

void TWinControl::AlignControls(TControl* control, TRect& rect) {
  // Children that are neither aligned nor anchored keep their place: without any, a
  // container of thousands realigns at once.
  if (movedByRealign_ == 0) return;
  AdjustClientRect(rect);
  TRect client = ClientRect();
  // Only a control whose anchors keep distances to the parent's sides moves with them.
  auto anchored = [](const TControl* c) { return c->originalParentSize_.X != 0 && c->originalParentSize_.Y != 0; };
  auto anchorPosition = [&](TControl* c) {
    if (!anchored(c)) return;
    auto has = [c](TAnchorKind k) { return (c->anchors_ & AnchorOf(k)) != 0; };
    int left = c->Left(), top = c->Top(), width = c->Width(), height = c->Height();
    TPoint size = Point(client.Right, client.Bottom), original = c->originalParentSize_, rules = c->anchorRules_;
    if (has(akRight)) {
      if (has(akLeft))
        width = size.X - (original.X - rules.X);
      else
        left = size.X - (original.X - rules.X);
    } else if (!has(akLeft)) {
      left = MulDiv(rules.X, size.X, original.X) - width / 2;
    }
    if (has(akBottom)) {
      if (has(akTop))
        height = size.Y - (original.Y - rules.Y);
      else
        top = size.Y - (original.Y - rules.Y);
    } else if (!has(akTop)) {
      top = MulDiv(rules.Y, size.Y, original.Y) - height / 2;
    }
    c->anchorMove_ = true;
    c->SetBounds(left, top, width, height);
    c->anchorMove_ = false;
  };
  auto position = [&](TControl* c, TAlign align) {
    if (!calibrating_ && (align == alNone || c->Anchors() != AnchorAlign(align))) {
      anchorPosition(c);
      if (align == alNone) return;
    }
    int width = rect.Right - rect.Left;
    if (width < 0 || align == alLeft || align == alRight) width = c->Width();
    int height = rect.Bottom - rect.Top;
    if (height < 0 || align == alTop || align == alBottom) height = c->Height();
    int left = rect.Left, top = rect.Top;
    switch (align) {
      case alTop: rect.Top += height; break;
      case alBottom: rect.Bottom -= height; top = rect.Bottom; break;
      case alLeft: rect.Left += width; break;
      case alRight: rect.Right -= width; left = rect.Right; break;
      default: break;
    }
    if (align == alNone) return;  // calibrating: an anchored control keeps its own rules
    TRect& offset = c->dockOffset_;
    if (calibrating_) {
      offset = {c->Left() - left, c->Top() - top, c->Width() - width, c->Height() - height};
    } else {
      c->anchorMove_ = true;
      c->SetBounds(left + offset.Left, top + offset.Top, width + offset.Right, height + offset.Bottom);
      c->anchorMove_ = false;
    }
    // A control that did not take the size offered gives the rest back.
    const int takenWidth = c->Width() - offset.Right, takenHeight = c->Height() - offset.Bottom;
    switch (align) {
      case alTop: rect.Top -= height - takenHeight; break;
      case alBottom: rect.Bottom += height - takenHeight; break;
      case alLeft: rect.Left -= width - takenWidth; break;
      case alRight: rect.Right += width - takenWidth; break;
      case alClient:
        rect.Right += takenWidth - width;
        rect.Bottom += takenHeight - height;
        break;
      default: break;
    }
  };
  // The children by alignment, found in one pass; the control that asked leads its group.
  // Sided groups are ordered by position; the others keep the children's order. Unaligned
  // controls that are not anchored stay where they are and are left out.
  std::array<std::vector<TControl*>, alClient + 1> groups;
  if (control && (control->Align() == alNone || TakesPart(control))) groups[control->Align()].push_back(control);
  for (int i = 0, count = ControlCount(); i < count; ++i) {
    TControl* c = Controls(i);
    if (i + kPrefetchDistance < count) Controls(i + kPrefetchDistance)->PrefetchBounds();
    TAlign align = c->Align();
    if (c == control || (align == alNone && !(c->MovedByRealign() && anchored(c))) ||
        (align != alNone && !TakesPart(c)))
      continue;
    std::vector<TControl*>& list = groups[align];
    // Unaligned (anchored) controls are appended: no search, however many there are.
    std::size_t j = align == alNone ? list.size() : 0;
    while (j < list.size() && !InsertBefore(c, list[j], align)) ++j;
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(j), c);
  }
  for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient, alNone}) {
    const std::vector<TControl*>& list = groups[align];
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (i + kPrefetchDistance < list.size()) list[i + kPrefetchDistance]->PrefetchBounds();
      position(list[i], align);
    }
  }
}

bool TWinControl::CanAutoSize(int& width, int& height) {
  int right = 0, bottom = 0;
  bool any = false;
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* c = Controls(i);
    if (!TakesPart(c)) continue;
    right = std::max(right, c->Left() + c->Width());
    bottom = std::max(bottom, c->Top() + c->Height());
    any = true;
  }
  if (!any) return true;
  TRect client = ClientRect();
  TRect inner = client;
  AdjustClientRect(inner);
  width = right + (client.Right - inner.Right) + (Width() - client.Right);
  height = bottom + (client.Bottom - inner.Bottom) + (Height() - client.Bottom);
  return true;
}

void TWinControl::Loaded() {
  TControl::Loaded();
  FixupTabList();
}

// ---- TGraphicControl, TCustomControl

TClass TGraphicControl::ClassInfo() {
  static TClass cls = TClassBuilder<TGraphicControl>("TGraphicControl", TControl::ClassInfo()).Build();
  return cls;
}

namespace {

// A control's canvas, made on the first request with the control's font.
TCanvas* CanvasOf(const TControl& control, std::unique_ptr<TCanvas>& canvas) {
  if (!canvas) {
    canvas = std::make_unique<TCanvas>();
    canvas->Font()->Assign(control.EffectiveFont());
  }
  return canvas.get();
}

}  // namespace

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

TGraphicControl::~TGraphicControl() = default;

TCanvas* TGraphicControl::Canvas() const { return CanvasOf(*this, canvas_); }

void TGraphicControl::FontChanged() {
  if (canvas_) canvas_->Font()->Assign(EffectiveFont());
}

void TGraphicControl::Repaint() {
  Canvas()->ClearOperations();
  Paint();
}

TClass TCustomControl::ClassInfo() {
  static TClass cls = TClassBuilder<TCustomControl>("TCustomControl", TWinControl::ClassInfo()).Build();
  return cls;
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

TCustomControl::~TCustomControl() = default;

TCanvas* TCustomControl::Canvas() const { return CanvasOf(*this, canvas_); }

void TCustomControl::FontChanged() {
  if (canvas_) canvas_->Font()->Assign(EffectiveFont());
  TWinControl::FontChanged();
}

void TCustomControl::Repaint() {
  Canvas()->ClearOperations();
  Paint();
}

}  // namespace vcl
