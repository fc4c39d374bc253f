// Input controls of the common controls that pick a value of their own kind: the date and
// time picker, the hot-key field, and the animation player.
#pragma once

#include "vcl/controls.h"
#include "vcl/shortcuts.h"

namespace vcl {

enum TDateTimeKind { dtkDate, dtkTime };
enum TDTDateFormat { dfShort, dfLong };
enum TDTDateMode { dmComboBox, dmUpDown };
enum TDTCalAlignment { dtaLeft, dtaRight };

// Dates as the library counts them: days from 30 December 1899, the time of day as the
// fraction. The moment a new picker starts with is now.
double NowAsDateTime();
struct TDateParts {
  int Year, Month, Day;
};
TDateParts DecodeDate(double dateTime);
double EncodeDate(int year, int month, int day);
// 0 for Sunday to 6 for Saturday.
int DayOfWeek(double dateTime);
// "January" for 1 to "December" for 12.
std::string_view LongMonthName(int month);

// A field showing a date (with a drop-down calendar or up-down arrows) or a time. Date and
// Time are two views of one moment: setting the date keeps the time of day, and setting
// the time keeps the day.
class TDateTimePicker : public TWinControl {
  VCL_CLASS(TDateTimePicker, TWinControl)
  explicit TDateTimePicker(TComponent* owner);

  double DateTime() const { return dateTime_; }
  double Date() const { return dateTime_; }
  void SetDate(double value);
  double Time() const { return dateTime_; }
  void SetTime(double value);
  double MinDate() const { return minDate_; }
  void SetMinDate(double value) { minDate_ = value; }
  double MaxDate() const { return maxDate_; }
  void SetMaxDate(double value) { maxDate_ = value; }
  TDateTimeKind Kind() const { return kind_; }
  void SetKind(TDateTimeKind value) { kind_ = value; }
  TDTDateFormat DateFormat() const { return dateFormat_; }
  void SetDateFormat(TDTDateFormat value) { dateFormat_ = value; }
  TDTDateMode DateMode() const { return dateMode_; }
  void SetDateMode(TDTDateMode value) { dateMode_ = value; }
  TDTCalAlignment CalAlignment() const { return calAlignment_; }
  void SetCalAlignment(TDTCalAlignment value) { calAlignment_ = value; }
  bool ShowCheckbox() const { return showCheckbox_; }
  void SetShowCheckbox(bool value) { showCheckbox_ = value; }
  bool Checked() const { return checked_; }
  void SetChecked(bool value) { checked_ = value; }
  bool ParseInput() const { return parseInput_; }
  void SetParseInput(bool value) { parseInput_ = value; }
  // What the field shows: the date as day/month/year digits (a long date spells the
  // month), or the time as hours, minutes and seconds.
  std::string DisplayText() const;

  TNotifyEvent OnChange;
  TNotifyEvent OnCloseUp;
  TNotifyEvent OnDropDown;

private:
  double dateTime_;
  double minDate_ = 0, maxDate_ = 0;
  TDateTimeKind kind_ = dtkDate;
  TDTDateFormat dateFormat_ = dfShort;
  TDTDateMode dateMode_ = dmComboBox;
  TDTCalAlignment calAlignment_ = dtaLeft;
  bool showCheckbox_ = false, checked_ = true, parseInput_ = false;
};

// A month's calendar: the days of Date's month, Date marked, and today beneath.
class TMonthCalendar : public TWinControl {
  VCL_CLASS(TMonthCalendar, TWinControl)
  explicit TMonthCalendar(TComponent* owner);

  double Date() const { return date_; }
  void SetDate(double value) { date_ = value; }
  double EndDate() const { return endDate_; }
  void SetEndDate(double value) { endDate_ = value; }
  double MinDate() const { return minDate_; }
  void SetMinDate(double value) { minDate_ = value; }
  double MaxDate() const { return maxDate_; }
  void SetMaxDate(double value) { maxDate_ = value; }
  int MaxSelectRange() const { return maxSelectRange_; }
  void SetMaxSelectRange(int value) { maxSelectRange_ = value; }
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool value) { multiSelect_ = value; }
  bool ShowToday() const { return showToday_; }
  void SetShowToday(bool value) { showToday_ = value; }
  bool ShowTodayCircle() const { return showTodayCircle_; }
  void SetShowTodayCircle(bool value) { showTodayCircle_ = value; }
  bool WeekNumbers() const { return weekNumbers_; }
  void SetWeekNumbers(bool value) { weekNumbers_ = value; }

private:
  double date_;
  double endDate_ = 0, minDate_ = 0, maxDate_ = 0;
  int maxSelectRange_ = 31;
  bool multiSelect_ = false, showToday_ = true, showTodayCircle_ = true, weekNumbers_ = false;
};

enum THKModifier { hkShift, hkCtrl, hkAlt, hkExt };
enum THKInvalidKey { hcNone, hcShift, hcCtrl, hcAlt, hcShiftCtrl, hcShiftAlt, hcCtrlAlt, hcShiftCtrlAlt };

// A field that shows a key combination as text ("Ctrl+S").
class THotKey : public TWinControl {
  VCL_CLASS(THotKey, TWinControl)
  explicit THotKey(TComponent* owner);

  TShortCut HotKey() const { return hotKey_; }
  void SetHotKey(TShortCut value) { hotKey_ = value; }
  // Bits of THKModifier.
  NativeInt Modifiers() const { return modifiers_; }
  void SetModifiers(NativeInt value) { modifiers_ = value; }
  // Bits of THKInvalidKey.
  NativeInt InvalidKeys() const { return invalidKeys_; }
  void SetInvalidKeys(NativeInt value) { invalidKeys_ = value; }
  // The combination as the field shows it: the key with its modifiers, "None" without a key.
  std::string DisplayText() const;

  TNotifyEvent OnChange;

private:
  TShortCut hotKey_ = 0x0041;
  NativeInt modifiers_ = NativeInt{1} << hkAlt;
  NativeInt invalidKeys_ = (NativeInt{1} << hcNone) | (NativeInt{1} << hcShift);
};

enum TCommonAVI {
  aviNone, aviFindFolder, aviFindFile, aviFindComputer, aviCopyFiles, aviCopyFile, aviRecycleFile, aviEmptyRecycle,
  aviDeleteFile
};

// A player of a silent animation clip (a file or one of the system's common ones).
class TAnimate : public TWinControl {
  VCL_CLASS(TAnimate, TWinControl)
  explicit TAnimate(TComponent* owner);

  bool Active() const { return active_; }
  void SetActive(bool value) { active_ = value; }
  bool Center() const { return center_; }
  void SetCenter(bool value) { center_ = value; }
  TCommonAVI CommonAVI() const { return commonAVI_; }
  void SetCommonAVI(TCommonAVI value) { commonAVI_ = value; }
  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& value) { fileName_ = value; }
  int Repetitions() const { return repetitions_; }
  void SetRepetitions(int value) { repetitions_ = value; }
  int StartFrame() const { return startFrame_; }
  void SetStartFrame(int value) { startFrame_ = value; }
  int StopFrame() const { return stopFrame_; }
  void SetStopFrame(int value) { stopFrame_ = value; }
  bool Timers() const { return timers_; }
  void SetTimers(bool value) { timers_ = value; }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value) { transparent_ = value; }

  TNotifyEvent OnClose;
  TNotifyEvent OnOpen;
  TNotifyEvent OnStart;
  TNotifyEvent OnStop;

private:
  bool active_ = false, center_ = true, timers_ = false, transparent_ = true;
  TCommonAVI commonAVI_ = aviNone;
  std::string fileName_;
  int repetitions_ = 0, startFrame_ = 1, stopFrame_ = 0;
};

}  // namespace vcl
