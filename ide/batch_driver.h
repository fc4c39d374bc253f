// The UI driver of the command line: the command queues its options as a person's
// actions on the dialog; questions are answered from --yes/--no or fail naming the question;
// messages that only inform are passed on to a sink (stderr) and acknowledged; a file dialog
// with no file left to choose is cancelled.
#pragma once

#include <functional>
#include <optional>

#include "ide/scripted_driver.h"

namespace ide {

class TBatchDriver : public TScriptedDriver {
public:
  // `answer`: mrYes or mrNo for every question, or none; `inform` receives each
  // message box that only has an OK button ("Error: text").
  explicit TBatchDriver(std::optional<vcl::TModalResult> answer, std::function<void(const std::string&)> inform);

protected:
  vcl::TModalResult Unanswered(const std::string& text, vcl::TMsgDlgType type, vcl::TMsgDlgButtons buttons) override;
  // A file dialog that the options give no (further) file for is cancelled.
  bool Unchosen(vcl::TOpenDialog& dialog, bool save) override;

private:
  std::optional<vcl::TModalResult> answer_;
  std::function<void(const std::string&)> inform_;
};

}  // namespace ide
