// The about box, opened from the "?" button of every dialog of the package.
#pragma once

#include "vcl/extctrls.h"
#include "vcl/forms.h"
#include "vcl/stdctrls.h"

namespace zolt {

// The version the about box shows.
inline constexpr const char* kZoltVersion = "0.9ß";

class TdlgZoltAbout : public vcl::TForm {
  VCL_CLASS(TdlgZoltAbout, vcl::TForm)
  explicit TdlgZoltAbout(vcl::TComponent* owner);

  vcl::TImage* imgZolt = nullptr;
  vcl::TLabel* lblProgramming = nullptr;
  vcl::TLabel* lblVersionCaption = nullptr;
  vcl::TLabel* lblVersion = nullptr;
  vcl::TButton* btnOK = nullptr;
};

// What the "?" button of a dialog does: a fresh about box owned by `owner`, shown
// modally and freed when it closes, whatever its result.
void ShowZoltAbout(vcl::TComponent* owner);

}  // namespace zolt
