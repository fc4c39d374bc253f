// The "Add component prefix" dialog: asks for the prefix of a class that has none yet and
// stores it when OK is pressed.
#pragma once

#include "vcl/buttons.h"
#include "vcl/extctrls.h"
#include "vcl/forms.h"
#include "vcl/stdctrls.h"

namespace zolt {

class TdlgPrefix : public vcl::TForm {
  VCL_CLASS(TdlgPrefix, vcl::TForm)
  explicit TdlgPrefix(vcl::TComponent* owner);

  // The published components of the layout.
  vcl::TButton* btnOK = nullptr;
  vcl::TButton* btnCancel = nullptr;
  vcl::TLabel* lblName = nullptr;
  vcl::TEdit* edtName = nullptr;
  vcl::TEdit* edtPrefix = nullptr;
  vcl::TLabel* lblPrefix = nullptr;
  vcl::TPanel* pnlAbout = nullptr;
  vcl::TSpeedButton* SpeedButton1 = nullptr;

  // Event handlers.
  // OK is enabled exactly while a prefix is typed (a blank counts).
  void edtPrefixChange(vcl::TObject* sender);
  // Stores the prefix for the class in edtName and closes with mrOk; when other classes
  // use the prefix already, only if the developer agrees (otherwise the dialog stays open).
  void btnOKClick(vcl::TObject* sender);
  void SpeedButton1Click(vcl::TObject* sender);
};

}  // namespace zolt
