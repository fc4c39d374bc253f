#include "package/ZoltIDE.h"

#include "vcl/application.h"
#include "vcl/class_builder.h"
#include "vcl/strings.h"

namespace zolt {

std::unique_ptr<TEnhanceIDE> EnhanceIDE;

vcl::TClass TEnhanceIDE::ClassInfo() {
  static vcl::TClass cls = vcl::TClassBuilder<TEnhanceIDE>("TEnhanceIDE", vcl::TObject::ClassInfo()).Build();
  return cls;
}

vcl::TComponent* FindDelphiComponent(std::string_view path) {
  if (path.empty()) return nullptr;
  auto names = std::make_unique<vcl::TStringList>();
  names->SetCommaText(path);
  vcl::TComponent* current = vcl::Application;
  for (int i = 0; current && i < names->Count(); ++i) current = current->FindComponent(names->Strings(i));
  return current;
}

void ZoltIDEStartUp() { EnhanceIDE = std::make_unique<TEnhanceIDE>(); }

void ZoltIDEShutDown() { EnhanceIDE.reset(); }

}  // namespace zolt
