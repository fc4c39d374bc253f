// The column layout: collect the listed controls with their labels, order them by tab
// order, fill and measure the columns, then place controls and labels.
#include <algorithm>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "align/ZoltAlign.h"
#include "align/flat_index.h"
#include "package/ZoltProps.h"
#include "vcl/dialogs.h"
#include "vcl/stdctrls.h"
#include "vcl/text_metrics.h"
#include "vcl/typinfo.h"

namespace zolt {

using namespace vcl;

namespace {

// The entries of a comma text, looked up ignoring case.
class NameList {
public:
  explicit NameList(std::string_view commaText) : names_(SplitCommaText(commaText)), index_(*this) {}
  NameList(const NameList&) = delete;
  NameList& operator=(const NameList&) = delete;
  bool Contains(std::string_view name) { return index_.Find(name).has_value(); }

  // What the index asks of its items.
  std::size_t Size() const { return names_.size(); }
  static std::size_t Hash(std::string_view name) { return TextHash{}(name); }
  std::size_t HashOf(std::uint32_t i) const { return Hash(names_[i]); }
  bool HasKey(std::uint32_t i, std::string_view name) const { return TextEqual{}(names_[i], name); }
  bool SameKey(std::uint32_t i, std::uint32_t j) const { return HasKey(i, names_[j]); }

private:
  std::vector<std::string> names_;
  FlatIndex<NameList> index_;
};

// A control to lay out, with what the passes read of it: its record, its first label (which
// placing fetches ahead without going through the record), its size, the width of its widest
// label, and whether it carries its caption itself.
struct Entry {
  TWinControl* control;
  TLabeledWinControl* record;
  TControl* firstLabel;
  int width;
  int height;
  int labelWidth;
  bool customButton;
};

// The entries in tab order, found by their control.
class EntryList {
public:
  explicit EntryList(std::vector<Entry> entries) : entries_(std::move(entries)), index_(*this) {}
  EntryList(const EntryList&) = delete;
  EntryList& operator=(const EntryList&) = delete;
  const std::vector<Entry>& Entries() const { return entries_; }
  Entry* Find(const TObject* control) {
    std::optional<std::uint32_t> i = index_.Find(control);
    return i ? &entries_[*i] : nullptr;
  }

  // What the index asks of its items.
  std::size_t Size() const { return entries_.size(); }
  static std::size_t Hash(const TObject* control) {
    std::uint64_t h = (reinterpret_cast<std::uintptr_t>(control) >> 4) * 0x9E3779B97F4A7C15ull;
    return static_cast<std::size_t>(h ^ (h >> 29));
  }
  std::size_t HashOf(std::uint32_t i) const { return Hash(entries_[i].control); }
  bool HasKey(std::uint32_t i, const TObject* control) const { return entries_[i].control == control; }
  bool SameKey(std::uint32_t i, std::uint32_t j) const { return HasKey(i, entries_[j].control); }

private:
  std::vector<Entry> entries_;
  FlatIndex<EntryList> index_;
};

// A column; `breakEntry` is the index of the entry that opens the next column (none for the
// last column).
struct Column {
  static constexpr std::size_t kLast = SIZE_MAX;
  std::size_t breakEntry = kLast;
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

// Whether a control's class is one of the custom button classes, judged once per class.
class CustomButtonTest {
public:
  explicit CustomButtonTest(std::string_view commaText) : classes_(commaText) {}
  bool operator()(const TWinControl* control) {
    TClass cls = control->ClassType();
    for (const auto& [known, isCustom] : seen_)
      if (known == cls) return isCustom;
    return seen_.emplace_back(cls, classes_.Contains(cls->ClassName())).second;
  }

private:
  NameList classes_;
  std::vector<std::pair<TClass, bool>> seen_;
};

// Pass 1: the listed windowed children, in tab order. Each control is read once here; the
// later passes use what its entry holds.
std::vector<Entry> CollectControls(TWinControl* container, NameList& names, CustomButtonTest& isCustomButton,
                                   std::deque<TLabeledWinControl>& records) {
  // The tab list holds every windowed child once, at its tab order: walking it yields the
  // controls already ordered by tab order as a number (the keys' text order would put 10000
  // between 1000 and 1001).
  const std::vector<TWinControl*>& tabList = container->TabList();
  std::vector<Entry> entries;
  entries.reserve(std::min(tabList.size(), names.Size()));
  for (std::size_t i = 0; i < tabList.size(); ++i) {
    TWinControl* control = tabList[i];
    // What this pass reads of a control: its name and its size.
    if (i + kPrefetchDistance < tabList.size()) {
      tabList[i + kPrefetchDistance]->PrefetchHeader();
      tabList[i + kPrefetchDistance]->PrefetchSize();
    }
    if (!names.Contains(control->Name())) continue;
    entries.push_back({control, &records.emplace_back(control), nullptr, control->Width(), control->Height(), 0,
                       isCustomButton(control)});
  }
  return entries;
}

// Pass 1, continued: gives each entry the labels that focus its control, in the children's
// order. Labels are never windowed, and the windowed children come last in that order, so
// they are not visited. True when any control has a label.
bool CollectLabels(TWinControl* container, EntryList& entries) {
  bool anyLabel = false;
  for (int i = 0, count = container->NonWindowedControlCount(); i < count; ++i) {
    // What this pass reads of a label: its class, its width and its reference to its control,
    // which is asked for once the class, fetched further ahead, is there to tell a label.
    if (i + kPrefetchDistance < count) {
      TControl* ahead = container->Controls(i + kPrefetchDistance);
      __builtin_prefetch(ahead);
      ahead->PrefetchSize();
    }
    if (i + kPrefetchDistance / 2 < count)
      if (auto* ahead = Cast<TCustomLabel>(container->Controls(i + kPrefetchDistance / 2))) ahead->PrefetchFocusControl();
    auto* label = Cast<TCustomLabel>(container->Controls(i));
    NativeInt focus = 0;
    if (!label || !GetCompOrdPropByName(label, "FocusControl", focus) || focus == 0) continue;
    Entry* entry = entries.Find(OrdToObject(focus));
    if (!entry) continue;
    entry->record->AddLabel(label);
    if (!entry->firstLabel) entry->firstLabel = label;
    entry->labelWidth = std::max(entry->labelWidth, label->Width());
    anyLabel = true;
  }
  return anyLabel;
}

// The width of a custom button control's caption in its own font; 0 without a caption.
int CaptionWidth(TWinControl* control) {
  std::string caption;
  if (!GetCompStrPropByName(control, "Caption", caption)) return 0;
  return MeasureTextWidth(control->EffectiveFont(), caption);
}

// Pass 3: distributes the sorted entries over columns and measures each column.
std::vector<Column> FillColumns(const std::vector<Entry>& entries, const Parameters& p, std::int64_t heightLimit) {
  // A stored column count below 1 cannot divide the controls; it counts as one column.
  std::size_t maxColumns = static_cast<std::size_t>(std::max(p.columns, 1));
  std::vector<Column> columns;
  columns.push_back({Column::kLast, std::make_unique<TColumnProperties>(p.horColumnOffset, p.horLabelOffset)});
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const Entry& entry = entries[i];
    if (columns.back().props->UsedHeight + std::int64_t{entry.height} > heightLimit &&
        (p.verticalFit || columns.size() < maxColumns)) {
      columns.back().breakEntry = i;
      columns.push_back({Column::kLast, std::make_unique<TColumnProperties>(p.horColumnOffset, p.horLabelOffset)});
    }
    TColumnProperties& column = *columns.back().props;
    if (entry.customButton) {
      column.LabelWidth = std::max(column.LabelWidth, CaptionWidth(entry.control));
      column.ControlWidth = std::max(column.ControlWidth, p.customButtonWidth);
    } else {
      column.ControlWidth = std::max(column.ControlWidth, entry.width);
    }
    column.LabelWidth = std::max(column.LabelWidth, entry.labelWidth);
    column.Width = p.horColumnOffset + column.LabelWidth + p.horLabelOffset + column.ControlWidth;
    column.UsedHeight += entry.height + p.vertControlOffset;
  }
  return columns;
}

// Pass 4: moves every control and its labels into place.
void Place(const std::vector<Entry>& entries, const std::vector<Column>& columns, const Parameters& p,
           bool anyLabel) {
  std::size_t index = 0;
  int currentLeft = p.horColumnOffset;
  int currentTop = p.vertColumnOffset;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const Entry& entry = entries[i];
    if (i + kPrefetchDistance < entries.size()) {
      const Entry& ahead = entries[i + kPrefetchDistance];
      ahead.control->PrefetchLayout();
      if (ahead.firstLabel) ahead.firstLabel->PrefetchLayout();
    }
    if (i == columns[index].breakEntry) {
      currentTop = p.vertColumnOffset;
      currentLeft += columns[index].props->Width;
      ++index;
    }
    const TColumnProperties& column = *columns[index].props;
    TWinControl* control = entry.control;
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
    for (int l = 0; l < entry.record->LabelCount(); ++l) {
      TControl* label = entry.record->Label(l);
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

  NameList names(alignList);
  CustomButtonTest isCustomButton(customButtonControls);
  std::deque<TLabeledWinControl> records;
  EntryList list(CollectControls(container, names, isCustomButton, records));
  const std::vector<Entry>& entries = list.Entries();
  if (entries.empty()) return;
  bool anyLabel = CollectLabels(container, list);

  std::int64_t totalHeight = 0;
  for (const Entry& entry : entries) totalHeight += std::int64_t{entry.height} + vertControlOffset;
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
