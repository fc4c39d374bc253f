#include "vcl/typinfo.h"

#include <deque>
#include <mutex>

#include "vcl/classes.h"
#include "vcl/sysutils.h"

namespace vcl {

namespace {
// Type descriptors made at run time live as long as the program.
const TTypeInfo* Keep(TTypeInfo info) {
  static std::deque<TTypeInfo> store;
  static std::mutex lock;
  std::lock_guard guard(lock);
  store.push_back(std::move(info));
  return &store.back();
}

const TTypeInfo* Simple(TTypeKind kind, const char* name) { return Keep(TTypeInfo{kind, name, {}, nullptr, nullptr}); }

[[noreturn]] void NoAccess(PPropInfo prop, const char* what) {
  throw EPropertyError("Property " + prop->Name + " cannot be " + what + " this way");
}
}  // namespace

int TTypeInfo::EnumValue(std::string_view name) const {
  for (std::size_t i = 0; i < EnumNames.size(); ++i)
    if (SameText(EnumNames[i], name)) return static_cast<int>(i);
  return -1;
}

const std::string& TTypeInfo::EnumName(int value) const {
  static const std::string empty;
  return value >= 0 && static_cast<std::size_t>(value) < EnumNames.size() ? EnumNames[value] : empty;
}

const TTypeInfo* TypeInfoInteger() { static auto t = Simple(TTypeKind::tkInteger, "Integer"); return t; }
const TTypeInfo* TypeInfoCardinal() { static auto t = Simple(TTypeKind::tkInteger, "Cardinal"); return t; }
const TTypeInfo* TypeInfoInt64() { static auto t = Simple(TTypeKind::tkInt64, "Int64"); return t; }
const TTypeInfo* TypeInfoBoolean() { static auto t = MakeEnumType("Boolean", {"False", "True"}); return t; }
const TTypeInfo* TypeInfoChar() { static auto t = Simple(TTypeKind::tkChar, "Char"); return t; }
const TTypeInfo* TypeInfoString() { static auto t = Simple(TTypeKind::tkString, "string"); return t; }
const TTypeInfo* TypeInfoDouble() { static auto t = Simple(TTypeKind::tkFloat, "Double"); return t; }
const TTypeInfo* TypeInfoComponentName() { static auto t = Simple(TTypeKind::tkString, "TComponentName"); return t; }
const TTypeInfo* TypeInfoCaption() { static auto t = Simple(TTypeKind::tkString, "TCaption"); return t; }

const TTypeInfo* MakeEnumType(std::string name, std::vector<std::string> names) {
  return Keep(TTypeInfo{TTypeKind::tkEnumeration, std::move(name), std::move(names), nullptr, nullptr});
}
const TTypeInfo* MakeSetType(std::string name, const TTypeInfo* elements) {
  return Keep(TTypeInfo{TTypeKind::tkSet, std::move(name), {}, elements, nullptr});
}
const TTypeInfo* MakeClassType(TClass (*classRef)()) {
  return Keep(TTypeInfo{TTypeKind::tkClass, {}, {}, nullptr, classRef});
}
const TTypeInfo* MakeMethodType(std::string name) {
  return Keep(TTypeInfo{TTypeKind::tkMethod, std::move(name), {}, nullptr, nullptr});
}

bool TPropInfo::IsOrdinal() const {
  switch (Kind()) {
    case TTypeKind::tkInteger:
    case TTypeKind::tkChar:
    case TTypeKind::tkEnumeration:
    case TTypeKind::tkSet:
    case TTypeKind::tkClass:
      return true;
    default:
      return false;
  }
}

bool TPropInfo::IsComponentReference() const {
  return Kind() == TTypeKind::tkClass && PropType->ClassType()->InheritsFrom(TComponent::ClassInfo());
}

PPropInfo GetPropInfo(TClass cls, std::string_view name) { return cls ? cls->FindProperty(name) : nullptr; }
PPropInfo GetPropInfo(const TObject* obj, std::string_view name) {
  return obj ? GetPropInfo(obj->ClassType(), name) : nullptr;
}

int GetPropList(TClass cls, TPropList* list, const std::vector<TTypeKind>* kinds) {
  int count = 0;
  for (PPropInfo p : cls->Properties()) {
    bool wanted = kinds ? std::find(kinds->begin(), kinds->end(), p->Kind()) != kinds->end()
                        : p->Kind() != TTypeKind::tkMethod;
    if (!wanted) continue;
    if (list) list->push_back(p);
    ++count;
  }
  return count;
}

bool IsPublishedProp(const TObject* obj, std::string_view name) { return GetPropInfo(obj, name) != nullptr; }

NativeInt GetOrdProp(TObject* obj, PPropInfo prop) {
  if (!prop->GetOrd) NoAccess(prop, "read as an ordinal");
  return prop->GetOrd(obj);
}
void SetOrdProp(TObject* obj, PPropInfo prop, NativeInt value) {
  if (!prop->SetOrd) NoAccess(prop, "written as an ordinal");
  prop->SetOrd(obj, value);
}
std::string GetStrProp(TObject* obj, PPropInfo prop) {
  if (!prop->GetStr) NoAccess(prop, "read as a string");
  return prop->GetStr(obj);
}
void SetStrProp(TObject* obj, PPropInfo prop, const std::string& value) {
  if (!prop->SetStr) NoAccess(prop, "written as a string");
  prop->SetStr(obj, value);
}
long double GetFloatProp(TObject* obj, PPropInfo prop) {
  if (!prop->GetFloat) NoAccess(prop, "read as a float");
  return prop->GetFloat(obj);
}
void SetFloatProp(TObject* obj, PPropInfo prop, long double value) {
  if (!prop->SetFloat) NoAccess(prop, "written as a float");
  prop->SetFloat(obj, value);
}
TObject* GetObjectProp(TObject* obj, PPropInfo prop) {
  if (!prop->GetObject) NoAccess(prop, "read as an object");
  return prop->GetObject(obj);
}
const TObject* ReadObjectProp(TObject* obj, PPropInfo prop) {
  return prop->ReadObject ? prop->ReadObject(obj) : GetObjectProp(obj, prop);
}
void SetObjectProp(TObject* obj, PPropInfo prop, TObject* value) {
  if (!prop->SetObject) NoAccess(prop, "written as an object");
  prop->SetObject(obj, value);
}

std::string GetEnumProp(TObject* obj, PPropInfo prop) {
  return prop->PropType->EnumName(static_cast<int>(GetOrdProp(obj, prop)));
}

void SetEnumProp(TObject* obj, PPropInfo prop, std::string_view valueName) {
  int value = prop->PropType->EnumValue(valueName);
  if (value < 0) throw EPropertyError("Invalid property value " + std::string(valueName));
  SetOrdProp(obj, prop, value);
}

std::string SetToString(const TTypeInfo* setType, NativeInt value, bool brackets) {
  std::string text;
  const auto& names = setType->CompType->EnumNames;
  for (std::size_t i = 0; i < names.size() && i < 64; ++i) {
    if (!(static_cast<std::uint64_t>(value) & (std::uint64_t{1} << i))) continue;
    if (!text.empty()) text += ',';
    text += names[i];
  }
  return brackets ? "[" + text + "]" : text;
}

NativeInt StringToSet(const TTypeInfo* setType, std::string_view text) {
  std::string_view body = text;
  if (!body.empty() && body.front() == '[') body.remove_prefix(1);
  if (!body.empty() && body.back() == ']') body.remove_suffix(1);
  NativeInt result = 0;
  while (!body.empty()) {
    std::size_t comma = body.find(',');
    std::string name = Trim(body.substr(0, comma));
    body = comma == std::string_view::npos ? std::string_view() : body.substr(comma + 1);
    if (name.empty()) continue;
    int bit = setType->CompType->EnumValue(name);
    if (bit < 0) throw EPropertyError("Invalid property element: " + name);
    result |= NativeInt{1} << bit;
  }
  return result;
}

}  // namespace vcl
