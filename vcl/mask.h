// The masked edit: an edit box whose EditMask lays out what may be typed and the literal
// characters shown between (a date's slashes, a phone number's brackets).
#pragma once

#include <string>
#include <string_view>

#include "vcl/stdctrls.h"

namespace vcl {

// The text as a mask shows it: "fields;keep literals;blank". Input positions (0 9 # L l A a
// C c) take the text's characters in turn, or the blank ('_' unless the mask names one);
// literals show as they are ("\" quotes the next character); the case marks ! > < show
// nothing. With literals kept (the second field not "0") the text holds them too.
std::string FormatMaskText(std::string_view mask, std::string_view text);

class TCustomMaskEdit : public TCustomEdit {
  VCL_CLASS(TCustomMaskEdit, TCustomEdit)
  using TCustomEdit::TCustomEdit;

  const std::string& EditMask() const { return editMask_; }
  void SetEditMask(const std::string& value) { editMask_ = value; }
  // What the box shows: the text laid out by the mask (the text itself without one).
  std::string EditText() const { return editMask_.empty() ? Text() : FormatMaskText(editMask_, Text()); }

private:
  std::string editMask_;
};

class TMaskEdit : public TCustomMaskEdit {
  VCL_CLASS(TMaskEdit, TCustomMaskEdit)
  using TCustomMaskEdit::TCustomMaskEdit;
};

}  // namespace vcl
