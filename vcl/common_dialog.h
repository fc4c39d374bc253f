// The base of the common dialogs: what every one of them publishes (its 3-D look, its help
// topic) and the events around its showing.
#pragma once

#include "vcl/classes.h"

namespace vcl {

class TCommonDialog : public TComponent {
  VCL_CLASS(TCommonDialog, TComponent)
  explicit TCommonDialog(TComponent* owner);

  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool value) { ctl3D_ = value; }
  int HelpContext() const { return helpContext_; }
  void SetHelpContext(int value) { helpContext_ = value; }

  TNotifyEvent OnClose, OnShow;

private:
  bool ctl3D_ = true;
  int helpContext_ = 0;
};

}  // namespace vcl
