#include "ide/batch_driver.h"

#include "vcl/sysutils.h"

namespace ide {

using namespace vcl;

TBatchDriver::TBatchDriver(std::optional<TModalResult> answer, std::function<void(const std::string&)> inform)
    : answer_(answer), inform_(std::move(inform)) {}

TModalResult TBatchDriver::Unanswered(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) {
  if (buttons == MsgDlgButtonOf(mbOK)) {
    std::string title = MsgDlgTitle(type);
    inform_(title.empty() ? text : title + ": " + text);
    return mrOk;
  }
  bool offered = answer_ && ((*answer_ == mrYes && (buttons & MsgDlgButtonOf(mbYes))) ||
                             (*answer_ == mrNo && (buttons & MsgDlgButtonOf(mbNo))));
  if (!offered) throw EInvalidOperation("The question \"" + text + "\" needs an answer: give --yes or --no");
  return *answer_;
}

bool TBatchDriver::Unchosen(TOpenDialog&, bool) { return false; }

}  // namespace ide
