#include "vcl/application.h"

#include "vcl/class_builder.h"

namespace vcl {

TApplication* Application = nullptr;

TClass TApplication::ClassInfo() {
  static TClass cls = TClassBuilder<TApplication>("TApplication", TComponent::ClassInfo()).Build();
  return cls;
}

TApplication::TApplication(TComponent* owner) : TComponent(owner) {}

TApplication::~TApplication() {
  if (Application == this) Application = nullptr;
}

}  // namespace vcl
