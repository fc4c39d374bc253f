#include "vcl/ext_timer.h"

#include "vcl/class_builder.h"

namespace vcl {

TClass TTimer::ClassInfo() {
  static TClass cls = TClassBuilder<TTimer>("TTimer", TComponent::ClassInfo())
                          .Creatable()
                          .Bool("Enabled", &TTimer::Enabled, &TTimer::SetEnabled, true)
                          .Integer("Interval", &TTimer::Interval, &TTimer::SetInterval, 1000, TypeInfoCardinal())
                          .Event("OnTimer", &TTimer::OnTimer)
                          .Build();
  return cls;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {}

}  // namespace vcl
