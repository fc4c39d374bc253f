#include "package/ZoltProps.h"

#include "vcl/sysutils.h"
#include "vcl/typinfo.h"

namespace zolt {

using namespace vcl;

namespace {
PPropInfo FindOrdinal(TComponent* component, std::string_view name) {
  PPropInfo prop = GetPropInfo(component, name);
  return prop && prop->IsOrdinal() && prop->GetOrd ? prop : nullptr;
}

PPropInfo FindString(TComponent* component, std::string_view name) {
  PPropInfo prop = GetPropInfo(component, name);
  return prop && prop->Kind() == TTypeKind::tkString ? prop : nullptr;
}
}  // namespace

bool SetCompOrdPropByName(TComponent* component, std::string_view name, NativeInt value) {
  PPropInfo prop = FindOrdinal(component, name);
  if (!prop || !prop->SetOrd) return false;
  SetOrdProp(component, prop, value);
  return true;
}

bool SetCompStrPropByName(TComponent* component, std::string_view name, const std::string& value) {
  PPropInfo prop = FindString(component, name);
  if (!prop || !prop->SetStr) return false;
  SetStrProp(component, prop, value);
  return true;
}

bool GetCompOrdPropByName(TComponent* component, std::string_view name, NativeInt& value) {
  PPropInfo prop = FindOrdinal(component, name);
  if (!prop) return false;
  value = GetOrdProp(component, prop);
  return true;
}

bool GetCompStrPropByName(TComponent* component, std::string_view name, std::string& value) {
  PPropInfo prop = FindString(component, name);
  if (!prop) return false;
  value = GetStrProp(component, prop);
  return true;
}

bool ClassHasProperty(TClass cls, std::string_view name) {
  if (!cls || name.empty()) return false;
  TPropList props;
  props.reserve(static_cast<std::size_t>(GetPropList(cls, nullptr)));
  GetPropList(cls, &props);
  for (PPropInfo prop : props)
    if (CompareText(prop->Name, name) == 0) return true;
  return false;
}

}  // namespace zolt
