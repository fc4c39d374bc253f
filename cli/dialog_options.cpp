#include "cli/dialog_options.h"

#include <iostream>

#include "render/form_svg.h"
#include "vcl/streaming/atomic_file.h"
#include "vcl/strings.h"

namespace cli {

std::optional<vcl::TModalResult> TDialogOptions::Answer() const {
  if (yes) return vcl::mrYes;
  if (no) return vcl::mrNo;
  return std::nullopt;
}

ide::TBatchDriver TDialogOptions::Driver() const {
  return ide::TBatchDriver(Answer(), [](const std::string& line) { std::cerr << line << "\n"; });
}

void TDialogOptions::SaveForm(TSession& session) const {
  for (const std::string& warning : session.Designer().Save(out.empty() ? std::nullopt : std::optional(out)))
    std::cerr << warning << "\n";
}

void TDialogOptions::WritePicture(TSession& session, vcl::TControl* control, const std::string& what) const {
  if (svg.empty()) return;
  vcl::TSvgOptions options;
  options.FormFile = &session.Designer().FormFile();
  vcl::WriteFileAtomic(svg, vcl::RenderSvg(session.Designer().GetRoot(), control, options));
  std::cout << "Picture of " << what << " written to " << svg << "\n";
}

std::string MemoText(const std::string& commaText) {
  vcl::TStringList lines;
  lines.SetCommaText(commaText);
  std::string text;
  for (int i = 0; i < lines.Count(); ++i) text += (i ? "\r" : "") + lines.Strings(i);
  return text;
}

bool AnsweredNo(const ide::TScriptedDriver& driver) {
  return !driver.Messages().empty() && driver.Messages().back().Answer == vcl::mrNo;
}

void AddAnswerOptions(CLI::App* command, TDialogOptions& options) {
  CLI::Option* yes = command->add_flag("--yes", options.yes, "answer every question with Yes");
  command->add_flag("--no", options.no, "answer every question with No")->excludes(yes);
}

void AddDialogOptions(CLI::App* command, TDialogOptions& options, const std::string& svgHelp) {
  AddAnswerOptions(command, options);
  command->add_option("-o,--output", options.out, "write the form here instead of in place");
  if (!svgHelp.empty()) command->add_option("--svg", options.svg, svgHelp);
}

}  // namespace cli
