// Run-time type information: type descriptors, published properties and their access.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "vcl/accessor.h"
#include "vcl/events.h"
#include "vcl/object.h"

namespace vcl {

enum class TTypeKind { tkInteger, tkChar, tkEnumeration, tkFloat, tkString, tkSet, tkClass, tkMethod, tkInt64 };

// Describes the type of a property. Enumerations list their value names; sets name
// their element enumeration; class types name their class (looked up when first asked,
// since a class may publish a reference to its own kind).
struct TTypeInfo {
  TTypeKind Kind;
  std::string Name;  // empty for class types: see TypeName()
  std::vector<std::string> EnumNames;
  const TTypeInfo* CompType = nullptr;
  TClass (*ClassRef)() = nullptr;

  TClass ClassType() const { return ClassRef ? ClassRef() : nullptr; }
  const std::string& TypeName() const { return ClassRef ? ClassType()->ClassName() : Name; }

  int EnumValue(std::string_view name) const;  // -1 when unknown; ignores case
  const std::string& EnumName(int value) const;
};

// Built-in types.
const TTypeInfo* TypeInfoInteger();
const TTypeInfo* TypeInfoCardinal();
const TTypeInfo* TypeInfoInt64();
const TTypeInfo* TypeInfoBoolean();
const TTypeInfo* TypeInfoChar();
const TTypeInfo* TypeInfoString();
const TTypeInfo* TypeInfoDouble();
const TTypeInfo* TypeInfoComponentName();  // `TComponentName`, the type of `Name`
const TTypeInfo* TypeInfoCaption();        // `TCaption`
// An enumeration type; the descriptor lives as long as the program.
const TTypeInfo* MakeEnumType(std::string name, std::vector<std::string> names);
const TTypeInfo* MakeSetType(std::string name, const TTypeInfo* elements);
const TTypeInfo* MakeClassType(TClass (*classRef)());
const TTypeInfo* MakeMethodType(std::string name);

class TPersistent;

// One published property: a name, a type, accessors going through the class's own
// getter and setter, and the default that decides whether the value is stored.
struct TPropInfo {
  std::string Name;
  const TTypeInfo* PropType = nullptr;
  int Index = 0;  // position among the class's published properties
  std::optional<NativeInt> Default;  // ordinal default; none means "nodefault"

  TAccessor<NativeInt(TObject*)> GetOrd;
  TAccessor<void(TObject*, NativeInt)> SetOrd;
  TAccessor<std::string(TObject*)> GetStr;
  // Optional: the string as the object holds it, for a getter that gives a reference (read
  // without a copy; valid until the object changes).
  TAccessor<const std::string&(TObject*)> ViewStr;
  TAccessor<void(TObject*, const std::string&)> SetStr;
  TAccessor<long double(TObject*)> GetFloat;
  TAccessor<void(TObject*, long double)> SetFloat;
  TAccessor<TObject*(TObject*)> GetObject;                 // sub-object or reference
  // Optional: the sub-object to read, for one that its holder makes only when it is to be
  // changed (until then the one read may be another object's, never to be changed).
  TAccessor<const TObject*(TObject*)> ReadObject;
  TAccessor<void(TObject*, TObject*)> SetObject;           // Assign, or set the reference
  TAccessor<TEventRef(TObject*)> Event;                    // event slot
  std::function<bool(TObject*)> Stored;                      // optional

  TTypeKind Kind() const { return PropType->Kind; }
  bool IsOrdinal() const;
  // True for a class-typed property whose class is a component: the value is a reference.
  bool IsComponentReference() const;
  bool IsStoredOn(TObject* obj) const { return !Stored || Stored(obj); }
};

// A published method, bindable to an event slot by name.
struct TMethodInfo {
  std::string Name;
  // Binds the method of `self` to `slot`; raises EPropertyError when the signatures differ.
  std::function<void(TObject* self, TEventRef slot)> Bind;
};

// A published field: a component pointer of the class, set by name when a layout is read.
struct TFieldInfo {
  std::string Name;
  TClass FieldClass;
  // Stores `value` (of FieldClass or a descendant, or null) into the field of `self`.
  std::function<void(TObject* self, TObject* value)> Set;
};

using PPropInfo = const TPropInfo*;
using TPropList = std::vector<PPropInfo>;

// Property access by descriptor, as the host's TypInfo unit.
PPropInfo GetPropInfo(TClass cls, std::string_view name);
PPropInfo GetPropInfo(const TObject* obj, std::string_view name);
// Properties of the given kinds, in published order; `kinds` null means all but events.
int GetPropList(TClass cls, TPropList* list, const std::vector<TTypeKind>* kinds = nullptr);
bool IsPublishedProp(const TObject* obj, std::string_view name);

NativeInt GetOrdProp(TObject* obj, PPropInfo prop);
void SetOrdProp(TObject* obj, PPropInfo prop, NativeInt value);
std::string GetStrProp(TObject* obj, PPropInfo prop);
void SetStrProp(TObject* obj, PPropInfo prop, const std::string& value);
long double GetFloatProp(TObject* obj, PPropInfo prop);
void SetFloatProp(TObject* obj, PPropInfo prop, long double value);
TObject* GetObjectProp(TObject* obj, PPropInfo prop);
// The sub-object as it reads, made for nobody (see TPropInfo::ReadObject).
const TObject* ReadObjectProp(TObject* obj, PPropInfo prop);
void SetObjectProp(TObject* obj, PPropInfo prop, TObject* value);
std::string GetEnumProp(TObject* obj, PPropInfo prop);
void SetEnumProp(TObject* obj, PPropInfo prop, std::string_view valueName);
// Sets as "[a,b]" text, as the host's GetSetProp with brackets.
std::string SetToString(const TTypeInfo* setType, NativeInt value, bool brackets = true);
NativeInt StringToSet(const TTypeInfo* setType, std::string_view text);

// Pointer <-> ordinal for component references travelling through the ordinal routines.
inline NativeInt ObjectToOrd(const TObject* obj) { return reinterpret_cast<NativeInt>(obj); }
inline TObject* OrdToObject(NativeInt value) { return reinterpret_cast<TObject*>(value); }

}  // namespace vcl
