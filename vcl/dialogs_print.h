// The print and printer set-up dialogs of the Dialogs page: the pages and copies asked for.
#pragma once

#include <cstdint>

#include "vcl/common_dialog.h"

namespace vcl {

enum TPrintRange { prAllPages, prSelection, prPageNums };
enum TPrintDialogOption { poPrintToFile, poPageNums, poSelection, poWarning, poHelp, poDisablePrintToFile };
using TPrintDialogOptions = std::uint32_t;  // bit n for TPrintDialogOption n

class TPrintDialog : public TCommonDialog {
  VCL_CLASS(TPrintDialog, TCommonDialog)
  explicit TPrintDialog(TComponent* owner);

  bool Collate() const { return collate_; }
  void SetCollate(bool value) { collate_ = value; }
  int Copies() const { return copies_; }
  void SetCopies(int value) { copies_ = value; }
  int FromPage() const { return fromPage_; }
  void SetFromPage(int value) { fromPage_ = value; }
  int MinPage() const { return minPage_; }
  void SetMinPage(int value) { minPage_ = value; }
  int MaxPage() const { return maxPage_; }
  void SetMaxPage(int value) { maxPage_ = value; }
  TPrintDialogOptions Options() const { return options_; }
  void SetOptions(TPrintDialogOptions value) { options_ = value; }
  bool PrintToFile() const { return printToFile_; }
  void SetPrintToFile(bool value) { printToFile_ = value; }
  TPrintRange PrintRange() const { return printRange_; }
  void SetPrintRange(TPrintRange value) { printRange_ = value; }
  int ToPage() const { return toPage_; }
  void SetToPage(int value) { toPage_ = value; }

private:
  bool collate_ = false;
  int copies_ = 0, fromPage_ = 0, minPage_ = 0, maxPage_ = 0, toPage_ = 0;
  TPrintDialogOptions options_ = 0;
  bool printToFile_ = false;
  TPrintRange printRange_ = prAllPages;
};

// Publishes only what every common dialog does.
class TPrinterSetupDialog : public TCommonDialog {
  VCL_CLASS(TPrinterSetupDialog, TCommonDialog)
  using TCommonDialog::TCommonDialog;
};

}  // namespace vcl
