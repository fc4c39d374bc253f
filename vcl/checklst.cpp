#include "vcl/checklst.h"

#include <algorithm>

#include "vcl/published_controls.h"

namespace vcl {

// The items of a check list box, with a check state beside each line.
class TCheckListBox::CheckedItems : public TStringList {
public:
  std::vector<TCheckBoxState> states;

  int AddObject(const std::string& s, TObject* object) override {
    int before = Count();
    int index = TStringList::AddObject(s, object);
    if (Count() > before) states.insert(states.begin() + index, cbUnchecked);
    return index;
  }
  void InsertObject(int index, const std::string& s, TObject* object) override {
    TStringList::InsertObject(index, s, object);
    states.insert(states.begin() + index, cbUnchecked);
  }
  void Delete(int index) override {
    TStringList::Delete(index);
    states.erase(states.begin() + index);
  }
  void Clear() override {
    TStringList::Clear();
    states.clear();
  }
  void Exchange(int index1, int index2) override {
    TStringList::Exchange(index1, index2);
    std::swap(states[static_cast<std::size_t>(index1)], states[static_cast<std::size_t>(index2)]);
  }
  void Move(int curIndex, int newIndex) override {
    TStringList::Move(curIndex, newIndex);
    TCheckBoxState state = states[static_cast<std::size_t>(curIndex)];
    states.erase(states.begin() + curIndex);
    states.insert(states.begin() + newIndex, state);
  }
  // Sorts the lines as a sorted list does (CompareText, equal lines in their order),
  // carrying each line's state along.
  void SortWithStates() {
    struct Line {
      std::string text;
      TObject* object;
      TCheckBoxState state;
    };
    std::vector<Line> lines;
    for (int i = 0; i < Count(); ++i) lines.push_back({Strings(i), Objects(i), states[static_cast<std::size_t>(i)]});
    std::stable_sort(lines.begin(), lines.end(),
                     [](const Line& a, const Line& b) { return CompareText(a.text, b.text) < 0; });
    BeginUpdate();
    Clear();
    for (const Line& line : lines) {
      AddObject(line.text, line.object);
      states.back() = line.state;
    }
    EndUpdate();
  }
};

TClass TCheckListBox::ClassInfo() {
  static TClass cls = [] {
    using C = TCheckListBox;
    TClassBuilder<C> b("TCheckListBox", TCustomListBox::ClassInfo());
    b.Creatable();
    b.Event("OnClickCheck", &C::OnClickCheck);
    PublishStandard(b, "Align");
    b.Bool("AllowGrayed", &C::AllowGrayed, &C::SetAllowGrayed, false);
    PublishStandard(b, "Anchors BiDiMode");
    b.Enum<TBorderStyle>("BorderStyle", TypeInfoBorderStyle(), &C::BorderStyle, &C::SetBorderStyle, bsSingle);
    PublishStandard(b, "Color");
    b.Integer("Columns", &C::Columns, &C::SetColumns, 0);
    PublishStandard(b, "Constraints Ctl3D DragCursor DragKind DragMode Enabled");
    b.Bool("Flat", &C::Flat, &C::SetFlat, true);
    PublishStandard(b, "Font ImeMode ImeName");
    b.Bool("IntegralHeight", &C::IntegralHeight, &C::SetIntegralHeight, false);
    b.Integer("ItemHeight", &C::ItemHeight, &C::SetItemHeight);
    b.Object("Items", &C::Items);
    PublishStandard(b, "ParentBiDiMode ParentColor=False ParentCtl3D ParentFont ParentShowHint PopupMenu ShowHint");
    b.Bool("Sorted", &C::Sorted, &C::SetSorted, false);
    b.Enum<TListBoxStyle>("Style", TypeInfoListBoxStyle(), &C::Style, &C::SetStyle, lbStandard);
    PublishStandard(b, "TabOrder");
    b.Bool("TabStop", &C::TabStop, &C::SetTabStop, true);
    b.Integer("TabWidth", &C::TabWidth, &C::SetTabWidth, 0);
    PublishStandard(b, "Visible OnClick OnDblClick OnDragDrop OnDragOver");
    b.Event("OnDrawItem", &C::OnDrawItem, "TDrawItemEvent");
    PublishStandard(b, "OnEndDock OnEndDrag OnEnter OnExit OnKeyDown OnKeyPress OnKeyUp");
    b.Event("OnMeasureItem", &C::OnMeasureItem, "TMeasureItemEvent");
    PublishStandard(b, "OnMouseDown OnMouseMove OnMouseUp OnStartDock OnStartDrag");
    return b.Build();
  }();
  return cls;
}

TCheckListBox::TCheckListBox(TComponent* owner) : TCustomListBox(owner, std::make_unique<CheckedItems>()) {}

TCheckListBox::CheckedItems& TCheckListBox::CheckItems() const { return static_cast<CheckedItems&>(*ItemList()); }

TCheckBoxState TCheckListBox::State(int index) const {
  const CheckedItems& items = CheckItems();
  if (index < 0 || index >= items.Count())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return items.states[static_cast<std::size_t>(index)];
}

void TCheckListBox::SetState(int index, TCheckBoxState value) {
  CheckedItems& items = CheckItems();
  if (index < 0 || index >= items.Count())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  items.states[static_cast<std::size_t>(index)] = value;
}

void TCheckListBox::SetSorted(bool value) {
  if (value == Sorted()) return;
  if (value) CheckItems().SortWithStates();
  TCustomListBox::SetSorted(value);
}

void TCheckListBox::ClickCheck(int index) {
  switch (State(index)) {
    case cbUnchecked: SetState(index, allowGrayed_ ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(index, cbUnchecked); break;
    case cbGrayed: SetState(index, cbChecked); break;
  }
  OnClickCheck(this);
}

}  // namespace vcl
