// The timer of the System page: a non-visual component that would call OnTimer every
// Interval milliseconds while Enabled. The model has no message loop, so it never fires;
// it keeps what the form declares.
#pragma once

#include <cstdint>

#include "vcl/classes.h"

namespace vcl {

class TTimer : public TComponent {
  VCL_CLASS(TTimer, TComponent)
  explicit TTimer(TComponent* owner);

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value) { enabled_ = value; }
  // Milliseconds; 0 stops the timer as disabling it does.
  std::uint32_t Interval() const { return interval_; }
  void SetInterval(std::uint32_t value) { interval_ = value; }

  TNotifyEvent OnTimer;

private:
  bool enabled_ = true;
  std::uint32_t interval_ = 1000;
};

}  // namespace vcl
