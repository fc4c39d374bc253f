// The options every dialog-driving command shares: --yes/--no answer the questions, -o writes
// the form elsewhere, --svg draws the result.
#pragma once

#include <CLI/CLI.hpp>

#include <optional>
#include <string>

#include "cli/session.h"
#include "ide/batch_driver.h"

namespace cli {

struct TDialogOptions {
  bool yes = false, no = false;
  std::string out, svg;

  // The answer to every question, or none when neither --yes nor --no was given.
  std::optional<vcl::TModalResult> Answer() const;
  // A batch driver answering from --yes/--no and passing informing messages to stderr.
  ide::TBatchDriver Driver() const;
  // Where the form goes: -o, or the form itself.
  const std::string& Target(const std::string& form) const { return out.empty() ? form : out; }
  // Saves the designed form to -o or in place; the designer's warnings go to stderr.
  void SaveForm(TSession& session) const;
  // Writes the picture of `control` (of the designed form) to --svg when given, and says so.
  void WritePicture(TSession& session, vcl::TControl* control, const std::string& what) const;
};

// Whether the last question the driver was asked got No for an answer.
bool AnsweredNo(const ide::TScriptedDriver& driver);

// Adds --yes and --no to `command`.
void AddAnswerOptions(CLI::App* command, TDialogOptions& options);
// Comma text as a memo's lines (as typed into it), one entry per line.
std::string MemoText(const std::string& commaText);

// Adds --yes, --no and -o to `command`, and --svg with `svgHelp` when that is not empty.
void AddDialogOptions(CLI::App* command, TDialogOptions& options, const std::string& svgHelp);

}  // namespace cli
