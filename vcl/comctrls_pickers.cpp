#include "vcl/comctrls_pickers.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>

#include <fmt/format.h>

#include "vcl/published_controls.h"

namespace vcl {

namespace {
const TTypeInfo* TypeInfoDateTimeKind() {
  static auto t = MakeEnumType("TDateTimeKind", {"dtkDate", "dtkTime"});
  return t;
}
const TTypeInfo* TypeInfoDTDateFormat() {
  static auto t = MakeEnumType("TDTDateFormat", {"dfShort", "dfLong"});
  return t;
}
const TTypeInfo* TypeInfoDTDateMode() {
  static auto t = MakeEnumType("TDTDateMode", {"dmComboBox", "dmUpDown"});
  return t;
}
const TTypeInfo* TypeInfoDTCalAlignment() {
  static auto t = MakeEnumType("TDTCalAlignment", {"dtaLeft", "dtaRight"});
  return t;
}
const TTypeInfo* TypeInfoHKModifiers() {
  static auto t = MakeSetType("THKModifiers", MakeEnumType("THKModifier", {"hkShift", "hkCtrl", "hkAlt", "hkExt"}));
  return t;
}
const TTypeInfo* TypeInfoHKInvalidKeys() {
  static auto t = MakeSetType("THKInvalidKeys", MakeEnumType("THKInvalidKey", {"hcNone", "hcShift", "hcCtrl", "hcAlt",
                                                                              "hcShiftCtrl", "hcShiftAlt",
                                                                              "hcCtrlAlt", "hcShiftCtrlAlt"}));
  return t;
}
const TTypeInfo* TypeInfoCommonAVI() {
  static auto t = MakeEnumType("TCommonAVI", {"aviNone", "aviFindFolder", "aviFindFile", "aviFindComputer",
                                              "aviCopyFiles", "aviCopyFile", "aviRecycleFile", "aviEmptyRecycle",
                                              "aviDeleteFile"});
  return t;
}

// Day 0 of the date count is 30 December 1899; std::chrono counts from 1 January 1970.
constexpr int kUnixEpochDay = 25569;

constexpr const char* kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                       "July",    "August",   "September", "October", "November", "December"};

}  // namespace

TDateParts DecodeDate(double dateTime) {
  // Civil date from a day count (proleptic Gregorian), counted from 1 March of year 0.
  long long z = static_cast<long long>(std::floor(dateTime)) - kUnixEpochDay + 719468;
  long long era = (z >= 0 ? z : z - 146096) / 146097;
  long long doe = z - era * 146097;
  long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  long long mp = (5 * doy + 2) / 153;
  int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  return {static_cast<int>(yoe + era * 400 + (month <= 2)), month, day};
}

double EncodeDate(int year, int month, int day) {
  auto days = std::chrono::sys_days(std::chrono::year(year) / month / day);
  return static_cast<double>(days.time_since_epoch().count() + kUnixEpochDay);
}

int DayOfWeek(double dateTime) {
  // Day 0 was a Saturday.
  long long day = static_cast<long long>(std::floor(dateTime));
  return static_cast<int>(((day + 6) % 7 + 7) % 7);
}

std::string_view LongMonthName(int month) { return kMonthNames[std::clamp(month, 1, 12) - 1]; }

double NowAsDateTime() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  // Local time of day, on the local calendar day.
  double day = EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
  return day + (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) / 86400.0;
}

// ---- TDateTimePicker

TClass TDateTimePicker::ClassInfo() {
  static TClass cls = [] {
    using D = TDateTimePicker;
    TClassBuilder<D> b("TDateTimePicker", TWinControl::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Anchors BiDiMode");
    b.Enum<TDTCalAlignment>("CalAlignment", TypeInfoDTCalAlignment(), &D::CalAlignment, &D::SetCalAlignment,
                            dtaLeft);
    PublishStandard(b, "Constraints");
    b.Float("Date", &D::Date, &D::SetDate);
    b.Float("Time", &D::Time, &D::SetTime);
    b.Bool("ShowCheckbox", &D::ShowCheckbox, &D::SetShowCheckbox, false);
    b.Bool("Checked", &D::Checked, &D::SetChecked, true);
    PublishStandard(b, "Color");
    b.Enum<TDTDateFormat>("DateFormat", TypeInfoDTDateFormat(), &D::DateFormat, &D::SetDateFormat, dfShort);
    b.Enum<TDTDateMode>("DateMode", TypeInfoDTDateMode(), &D::DateMode, &D::SetDateMode, dmComboBox);
    PublishStandard(b, "DragCursor DragKind DragMode Enabled Font ImeMode ImeName");
    b.Enum<TDateTimeKind>("Kind", TypeInfoDateTimeKind(), &D::Kind, &D::SetKind, dtkDate);
    b.Float("MaxDate", &D::MaxDate, &D::SetMaxDate);
    b.Float("MinDate", &D::MinDate, &D::SetMinDate);
    b.Bool("ParseInput", &D::ParseInput, &D::SetParseInput, false);
    PublishStandard(b, "ParentBiDiMode ParentColor=False ParentFont ParentShowHint PopupMenu ShowHint TabOrder");
    b.Bool("TabStop", &D::TabStop, &D::SetTabStop, true);
    PublishStandard(b, "Visible OnClick");
    b.Event("OnCloseUp", &D::OnCloseUp);
    b.Event("OnChange", &D::OnChange);
    b.Event("OnDropDown", &D::OnDropDown);
    PublishStandard(b, "OnDblClick OnDragDrop OnDragOver OnEndDock OnEndDrag OnEnter OnExit OnKeyDown OnKeyPress "
                       "OnKeyUp OnStartDock OnStartDrag");
    return b.Build();
  }();
  return cls;
}

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner), dateTime_(NowAsDateTime()) {
  SetControlStyle(ControlStyle() & ~(StyleOf(csAcceptsControls) | StyleOf(csSetCaption)));
  SetBounds(0, 0, 186, 21);
  SetColor(clWindow);
  SetParentColor(false);
  SetTabStop(true);
}

void TDateTimePicker::SetDate(double value) { dateTime_ = std::trunc(value) + (dateTime_ - std::trunc(dateTime_)); }

void TDateTimePicker::SetTime(double value) { dateTime_ = std::trunc(dateTime_) + (value - std::trunc(value)); }

std::string TDateTimePicker::DisplayText() const {
  if (kind_ == dtkTime) {
    double fraction = std::abs(dateTime_ - std::trunc(dateTime_));
    int seconds = static_cast<int>(std::lround(fraction * 86400)) % 86400;
    return fmt::format("{}:{:02}:{:02}", seconds / 3600, seconds / 60 % 60, seconds % 60);
  }
  TDateParts date = DecodeDate(dateTime_);
  if (dateFormat_ == dfLong) return fmt::format("{} {} {}", date.Day, kMonthNames[date.Month - 1], date.Year);
  return fmt::format("{}/{}/{:02}", date.Month, date.Day, date.Year % 100);
}

// ---- TMonthCalendar

TClass TMonthCalendar::ClassInfo() {
  static TClass cls = [] {
    using M = TMonthCalendar;
    TClassBuilder<M> b("TMonthCalendar", TWinControl::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Align Anchors AutoSize BorderWidth BiDiMode Constraints");
    b.Bool("MultiSelect", &M::MultiSelect, &M::SetMultiSelect, false);
    b.Float("Date", &M::Date, &M::SetDate);
    PublishStandard(b, "DragCursor DragKind DragMode Enabled");
    b.Float("EndDate", &M::EndDate, &M::SetEndDate);
    PublishStandard(b, "Font ImeMode ImeName");
    b.Float("MaxDate", &M::MaxDate, &M::SetMaxDate);
    b.Integer("MaxSelectRange", &M::MaxSelectRange, &M::SetMaxSelectRange, 31);
    b.Float("MinDate", &M::MinDate, &M::SetMinDate);
    PublishStandard(b, "ParentBiDiMode ParentFont ParentShowHint PopupMenu ShowHint");
    b.Bool("ShowToday", &M::ShowToday, &M::SetShowToday, true);
    b.Bool("ShowTodayCircle", &M::ShowTodayCircle, &M::SetShowTodayCircle, true);
    PublishStandard(b, "TabOrder");
    b.Bool("TabStop", &M::TabStop, &M::SetTabStop, true);
    PublishStandard(b, "Visible");
    b.Bool("WeekNumbers", &M::WeekNumbers, &M::SetWeekNumbers, false);
    PublishStandard(b, "OnClick OnDblClick OnDragDrop OnDragOver OnEndDock OnEndDrag OnEnter OnExit OnKeyDown "
                       "OnKeyPress OnKeyUp OnStartDock OnStartDrag");
    return b.Build();
  }();
  return cls;
}

TMonthCalendar::TMonthCalendar(TComponent* owner) : TWinControl(owner), date_(std::floor(NowAsDateTime())) {
  SetControlStyle(ControlStyle() & ~(StyleOf(csAcceptsControls) | StyleOf(csSetCaption)));
  SetBounds(0, 0, 191, 154);
  SetColor(clWindow);
  SetTabStop(true);
}

// ---- THotKey

TClass THotKey::ClassInfo() {
  static TClass cls = [] {
    using H = THotKey;
    TClassBuilder<H> b("THotKey", TWinControl::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Anchors BiDiMode Constraints Enabled");
    b.Integer("HotKey", &H::HotKey, &H::SetHotKey, 0x0041, NamedIntegerType("TShortCut"));
    b.Set("InvalidKeys", TypeInfoHKInvalidKeys(), &H::InvalidKeys, &H::SetInvalidKeys,
          (NativeInt{1} << hcNone) | (NativeInt{1} << hcShift));
    b.Set("Modifiers", TypeInfoHKModifiers(), &H::Modifiers, &H::SetModifiers, NativeInt{1} << hkAlt);
    PublishStandard(b, "ParentBiDiMode ParentShowHint PopupMenu ShowHint TabOrder");
    b.Bool("TabStop", &H::TabStop, &H::SetTabStop, true);
    PublishStandard(b, "Visible");
    b.Event("OnChange", &H::OnChange);
    PublishStandard(b, "OnEnter OnExit OnMouseDown OnMouseMove OnMouseUp");
    return b.Build();
  }();
  return cls;
}

THotKey::THotKey(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(ControlStyle() & ~(StyleOf(csAcceptsControls) | StyleOf(csSetCaption)));
  SetBounds(0, 0, 121, 19);
  SetColor(clWindow);
  SetTabStop(true);
}

std::string THotKey::DisplayText() const {
  TShortCut combined = hotKey_;
  if (modifiers_ & (NativeInt{1} << hkShift)) combined |= scShift;
  if (modifiers_ & (NativeInt{1} << hkCtrl)) combined |= scCtrl;
  if (modifiers_ & (NativeInt{1} << hkAlt)) combined |= scAlt;
  std::string text = (hotKey_ & 0xFF) ? ShortCutToText(combined) : std::string();
  return text.empty() ? "None" : text;
}

// ---- TAnimate

TClass TAnimate::ClassInfo() {
  static TClass cls = [] {
    using A = TAnimate;
    TClassBuilder<A> b("TAnimate", TWinControl::ClassInfo());
    b.Creatable();
    PublishStandard(b, "Align");
    b.Bool("Active", &A::Active, &A::SetActive, false);
    PublishStandard(b, "Anchors AutoSize BorderWidth");
    b.Bool("Center", &A::Center, &A::SetCenter, true);
    PublishStandard(b, "Color");
    b.Enum<TCommonAVI>("CommonAVI", TypeInfoCommonAVI(), &A::CommonAVI, &A::SetCommonAVI, aviNone);
    PublishStandard(b, "Constraints DragCursor DragKind DragMode Enabled");
    b.String("FileName", &A::FileName, &A::SetFileName);
    PublishStandard(b, "ParentColor ParentShowHint PopupMenu");
    b.Integer("Repetitions", &A::Repetitions, &A::SetRepetitions, 0);
    PublishStandard(b, "ShowHint");
    b.Integer("StartFrame", &A::StartFrame, &A::SetStartFrame, 1);
    b.Integer("StopFrame", &A::StopFrame, &A::SetStopFrame, 0);
    b.Bool("Timers", &A::Timers, &A::SetTimers, false);
    b.Bool("Transparent", &A::Transparent, &A::SetTransparent, true);
    PublishStandard(b, "Visible");
    b.Event("OnClose", &A::OnClose);
    PublishStandard(b, "OnDragDrop OnDragOver OnEndDock OnEndDrag");
    b.Event("OnOpen", &A::OnOpen);
    b.Event("OnStart", &A::OnStart);
    PublishStandard(b, "OnStartDock OnStartDrag");
    b.Event("OnStop", &A::OnStop);
    return b.Build();
  }();
  return cls;
}

TAnimate::TAnimate(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(ControlStyle() & ~(StyleOf(csAcceptsControls) | StyleOf(csSetCaption)));
  SetBounds(0, 0, 100, 80);
}

}  // namespace vcl
