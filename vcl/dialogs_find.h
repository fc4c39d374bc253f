// The find and replace dialogs of the Dialogs page: the text sought (and its replacement),
// the search options, and the events by which the dialog asks its owner to act.
#pragma once

#include <cstdint>
#include <string>

#include "vcl/common_dialog.h"

namespace vcl {

enum TFindOption {
  frDown, frFindNext, frHideMatchCase, frHideWholeWord, frHideUpDown, frMatchCase, frDisableMatchCase,
  frDisableUpDown, frDisableWholeWord, frReplace, frReplaceAll, frWholeWord, frShowHelp
};
using TFindOptions = std::uint32_t;  // bit n for TFindOption n

class TFindDialog : public TCommonDialog {
  VCL_CLASS(TFindDialog, TCommonDialog)
  explicit TFindDialog(TComponent* owner);

  const std::string& FindText() const { return findText_; }
  void SetFindText(const std::string& value) { findText_ = value; }
  TFindOptions Options() const { return options_; }
  void SetOptions(TFindOptions value) { options_ = value; }

  TNotifyEvent OnFind;

private:
  std::string findText_;
  TFindOptions options_ = 1u << frDown;
};

class TReplaceDialog : public TFindDialog {
  VCL_CLASS(TReplaceDialog, TFindDialog)
  explicit TReplaceDialog(TComponent* owner);

  const std::string& ReplaceText() const { return replaceText_; }
  void SetReplaceText(const std::string& value) { replaceText_ = value; }

  TNotifyEvent OnReplace;

private:
  std::string replaceText_;
};

}  // namespace vcl
