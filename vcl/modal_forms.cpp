// Showing forms modally through the UI driver, and closing them.
#include "vcl/forms.h"
#include "vcl/sysutils.h"
#include "vcl/ui_driver.h"

namespace vcl {

namespace {

// Whether the modal loop may end: OnCloseQuery and OnClose agree.
bool CloseModal(TCustomForm& form) {
  if (!form.CloseQuery()) return false;
  TCloseAction action = caHide;
  form.OnClose(&form, action);
  return action != caNone;
}

}  // namespace

TModalResult TCustomForm::ShowModal() {
  if (modal_ || (Visible() && HasState(csDesigning))) throw EInvalidOperation("Cannot make a visible window modal");
  TUIDriver& driver = UIDriver();
  modal_ = true;
  modalResult_ = mrNone;
  SetVisible(true);
  try {
    OnShow(this);
    OnActivate(this);
    if (!ActiveControl())
      if (TWinControl* first = FindNextControl(nullptr, true, true, false)) first->SetFocus();
    driver.ModalShown(*this);
    for (;;) {
      driver.ModalStep(*this);
      if (modalResult_ == mrNone) continue;
      if (CloseModal(*this)) break;
      modalResult_ = mrNone;
    }
  } catch (...) {
    modal_ = false;
    SetVisible(false);
    throw;
  }
  modal_ = false;
  SetVisible(false);
  OnHide(this);
  return modalResult_;
}

void TCustomForm::Close() {
  if (modal_) return SetModalResult(mrCancel);
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  OnClose(this, action);
  if (action == caHide || action == caMinimize) SetVisible(false);
}

}  // namespace vcl
