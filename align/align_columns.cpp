// The column layout: collect the listed controls with their labels, order them by tab
// order, fill and measure the columns, then place controls and labels.
#include <algorithm>
#include <cstdint>
#include <memory_resource>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "align/ZoltAlign.h"
#include "package/ZoltProps.h"
#include "vcl/dialogs.h"
#include "vcl/stdctrls.h"
#include "vcl/text_metrics.h"
#include "vcl/typinfo.h"

namespace zolt {

using namespace vcl;

namespace {

// The working sets of one call live in one arena: a hundred thousand small nodes cost one
// bump of a pointer each, lie side by side in memory and go at once when the call ends.
using NameSet = std::pmr::unordered_set<std::pmr::string, TextHash, TextEqual>;
using RecordMap = std::pmr::unordered_map<const TObject*, TLabeledWinControl*>;

// The entries of a comma text, looked up ignoring case.
NameSet ParseNames(const std::string& commaText, std::pmr::memory_resource* arena) {
  TStringList list;
  list.SetCommaText(commaText);
  NameSet names(arena);
  names.reserve(static_cast<std::size_t>(list.Count()));
  for (int i = 0; i < list.Count(); ++i) names.emplace(list.Strings(i));
  return names;
}

// A control to lay out: its tab-order key, its labels, and whether it carries its caption itself.
struct Entry {
  std::string key;
  std::unique_ptr<TLabeledWinControl> record;
  bool customButton;
};

// A column with its break key: the key of the control that opens the next column, empty for
// the last column.
struct Column {
  std::string breakKey;
  std::unique_ptr<TColumnProperties> props;
};

struct Parameters {
  bool verticalFit;
  int columns;
  int horColumnOffset;
  int vertColumnOffset;
  int horLabelOffset;
  int vertControlOffset;
  int vertLabelOffset;
  int customButtonWidth;
  int customButtonOffset;
};

// Pass 1: the listed windowed children, in tab order, with the labels that focus them. True
// when any of them has a label.
bool Collect(TWinControl* container, const NameSet& names, const NameSet& customButtonClasses,
             std::vector<Entry>& entries, std::pmr::memory_resource* arena) {
  // The tab list holds every windowed child once, at its tab order: walking it yields the
  // controls already ordered by tab order as a number (the keys' text order would put 10000
  // between 1000 and 1001).
  const std::vector<TWinControl*>& tabList = container->TabList();
  RecordMap records(arena);
  records.reserve(names.size());
  entries.reserve(names.size());
  for (std::size_t i = 0; i < tabList.size(); ++i) {
    TWinControl* control = tabList[i];
    if (!names.contains(control->Name())) continue;
    Entry entry{FormatTabKey(static_cast<int>(i)), std::make_unique<TLabeledWinControl>(control),
                customButtonClasses.contains(control->ClassName())};
    records.emplace(control, entry.record.get());
    entries.push_back(std::move(entry));
  }
  if (records.empty()) return false;

  bool anyLabel = false;
  for (int i = 0, count = container->ControlCount(); i < count; ++i) {
    auto* label = Cast<TCustomLabel>(container->Controls(i));
    NativeInt focus = 0;
    if (!label || !GetCompOrdPropByName(label, "FocusControl", focus) || focus == 0) continue;
    auto record = records.find(OrdToObject(focus));
    if (record == records.end()) continue;
    record->second->AddLabel(label);
    anyLabel = true;
  }
  return anyLabel;
}

// The width of a custom button control's caption in its own font; 0 without a caption.
int CaptionWidth(TWinControl* control) {
  std::string caption;
  if (!GetCompStrPropByName(control, "Caption", caption)) return 0;
  return MeasureTextWidth(*control->Font(), caption);
}

// Pass 3: distributes the sorted entries over columns and measures each column.
std::vector<Column> FillColumns(const std::vector<Entry>& entries, const Parameters& p, std::int64_t heightLimit) {
  // A stored column count below 1 cannot divide the controls; it counts as one column.
  std::size_t maxColumns = static_cast<std::size_t>(std::max(p.columns, 1));
  std::vector<Column> columns;
  columns.push_back({"", std::make_unique<TColumnProperties>(p.horColumnOffset, p.horLabelOffset)});
  for (const Entry& entry : entries) {
    TWinControl* control = entry.record->Control;
    if (columns.back().props->UsedHeight + std::int64_t{control->Height()} > heightLimit &&
        (p.verticalFit || columns.size() < maxColumns)) {
      columns.back().breakKey = entry.key;
      columns.push_back({"", std::make_unique<TColumnProperties>(p.horColumnOffset, p.horLabelOffset)});
    }
    TColumnProperties& column = *columns.back().props;
    if (entry.customButton) {
      column.LabelWidth = std::max(column.LabelWidth, CaptionWidth(control));
      column.ControlWidth = std::max(column.ControlWidth, p.customButtonWidth);
    } else {
      column.ControlWidth = std::max(column.ControlWidth, control->Width());
    }
    for (int i = 0; i < entry.record->LabelCount(); ++i)
      column.LabelWidth = std::max(column.LabelWidth, entry.record->Label(i)->Width());
    column.Width = p.horColumnOffset + column.LabelWidth + p.horLabelOffset + column.ControlWidth;
    column.UsedHeight += control->Height() + p.vertControlOffset;
  }
  return columns;
}

// Pass 4: moves every control and its labels into place.
void Place(const std::vector<Entry>& entries, const std::vector<Column>& columns, const Parameters& p,
           bool anyLabel) {
  std::size_t index = 0;
  int currentLeft = p.horColumnOffset;
  int currentTop = p.vertColumnOffset;
  for (const Entry& entry : entries) {
    if (entry.key == columns[index].breakKey) {
      currentTop = p.vertColumnOffset;
      currentLeft += columns[index].props->Width;
      ++index;
    }
    const TColumnProperties& column = *columns[index].props;
    TWinControl* control = entry.record->Control;
    if (!entry.customButton) {
      int left = anyLabel ? currentLeft + column.LabelWidth + p.horLabelOffset : currentLeft;
      control->SetBounds(left, currentTop, control->Width(), control->Height());
    } else {
      control->SetBounds(currentLeft, currentTop, control->Width(), control->Height());
      if (anyLabel) {
        // The caption goes left of the button, filling the label column.
        if (!SetCompOrdPropByName(control, "Alignment", taLeftJustify))
          MessageDlg("Could not set align property of " + control->Name(), mtError, MsgDlgButtonOf(mbOK), 0);
        control->SetBounds(currentLeft + p.customButtonOffset, control->Top(),
                           column.LabelWidth + p.horLabelOffset + p.customButtonWidth, control->Height());
      }
    }
    // Labels keep their size; several labels of one control land on the same spot.
    for (int i = 0; i < entry.record->LabelCount(); ++i) {
      TControl* label = entry.record->Label(i);
      label->SetBounds(currentLeft, control->Top() + p.vertLabelOffset, label->Width(), label->Height());
    }
    currentTop += control->Height() + p.vertControlOffset;
  }
}

}  // namespace

void Align(TWinControl* container, bool verticalFit, int columns, int horColumnOffset, int vertColumnOffset,
           int horLabelOffset, int vertControlOffset, int vertLabelOffset, int customButtonWidth,
           int customButtonOffset, std::string alignList, std::string customButtonControls,
           bool specialAlignCustomButtons) {
  (void)specialAlignCustomButtons;
  const Parameters p{verticalFit,       columns,         horColumnOffset,   vertColumnOffset,  horLabelOffset,
                     vertControlOffset, vertLabelOffset, customButtonWidth, customButtonOffset};

  std::pmr::monotonic_buffer_resource arena;
  std::vector<Entry> entries;
  bool anyLabel = Collect(container, ParseNames(alignList, &arena), ParseNames(customButtonControls, &arena),
                          entries, &arena);
  if (entries.empty()) return;

  std::int64_t totalHeight = 0;
  for (const Entry& entry : entries) totalHeight += std::int64_t{entry.record->Control->Height()} + vertControlOffset;
  std::int64_t heightLimit = verticalFit ? std::int64_t{container->Height()} - 2 * std::int64_t{vertColumnOffset}
                                         : totalHeight / std::max(columns, 1);

  std::vector<Column> layout = FillColumns(entries, p, heightLimit);

  // Moving a child asks the container to realign its children; once at the end is enough.
  container->DisableAlign();
  try {
    Place(entries, layout, p, anyLabel);
  } catch (...) {
    container->EnableAlign();
    throw;
  }
  container->EnableAlign();
}

}  // namespace zolt
