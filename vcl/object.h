// The root object class, metaclasses and the class registry.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "vcl/sysutils.h"

namespace vcl {

using NativeInt = std::intptr_t;

class TObject;
class TComponent;
class TMetaClass;
struct TPropInfo;
struct TMethodInfo;
struct TFieldInfo;
// A class reference, as the host's `class of TObject`.
using TClass = const TMetaClass*;

// Case-insensitive (ASCII) hashing and equality for name-keyed tables.
struct TextHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const noexcept;
};
struct TextEqual {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const noexcept;
};
template <class V>
using TextMap = std::unordered_map<std::string, V, TextHash, TextEqual>;

// Describes one class: name, parent, factory, published properties and methods.
class TMetaClass {
public:
  // Creates an instance; component classes receive their owner, other classes get null.
  using Factory = std::function<TObject*(TComponent* owner)>;

  TMetaClass(std::string name, TClass parent, Factory factory);
  TMetaClass(const TMetaClass&) = delete;
  TMetaClass& operator=(const TMetaClass&) = delete;
  ~TMetaClass();

  const std::string& ClassName() const { return name_; }
  TClass ClassParent() const { return parent_; }
  bool InheritsFrom(TClass ancestor) const;
  bool IsAbstract() const { return !factory_; }
  // Makes an object of this class; raises EClassNotFound-free EInvalidOperation for abstract classes.
  TObject* Create(TComponent* owner = nullptr) const;

  // Published properties, ancestors' first, in declaration order.
  const std::vector<const TPropInfo*>& Properties() const { return allProps_; }
  // Lookup by name ignoring case, through inheritance; null when absent.
  const TPropInfo* FindProperty(std::string_view name) const;
  const TMethodInfo* FindMethod(std::string_view name) const;
  // Published component fields (a dialog's controls), through inheritance; null when absent.
  const TFieldInfo* FindField(std::string_view name) const;

  // Building a class (done once, before first use). A property of an ancestor's name
  // re-published here replaces the ancestor's at its position (a new default, say).
  void SetFactory(Factory factory) { factory_ = std::move(factory); }
  void AddProperty(std::unique_ptr<TPropInfo> prop);
  void AddMethod(std::unique_ptr<TMethodInfo> method);
  void AddField(std::unique_ptr<TFieldInfo> field);

  // A class made at run time (a designed form's own `TForm1`): same properties as its
  // parent, instances created by the parent's factory and marked with the new class.
  static std::unique_ptr<TMetaClass> CreateDescendant(std::string name, TClass parent);
  // Renames a class made at run time (the designer renames a form's class with the form).
  void SetClassName(std::string name) { name_ = std::move(name); }

private:
  std::string name_;
  TClass parent_;
  Factory factory_;
  std::vector<std::unique_ptr<TPropInfo>> ownProps_;
  std::vector<std::unique_ptr<TMethodInfo>> ownMethods_;
  std::vector<std::unique_ptr<TFieldInfo>> ownFields_;
  std::vector<const TPropInfo*> allProps_;
  TextMap<const TPropInfo*> propIndex_;
  TextMap<const TMethodInfo*> methodIndex_;
  TextMap<const TFieldInfo*> fieldIndex_;
};

// Root of the class hierarchy. Every object knows its metaclass.
class TObject {
public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  static TClass ClassInfo();
  TClass ClassType() const { return runtimeClass_ ? runtimeClass_ : StaticClassType(); }
  const std::string& ClassName() const;
  bool InheritsFrom(TClass ancestor) const;
  template <class T>
  bool Is() const { return InheritsFrom(T::ClassInfo()); }

  // Marks this object as an instance of a run-time descendant of its static class.
  void SetRuntimeClass(TClass cls);

protected:
  virtual TClass StaticClassType() const { return ClassInfo(); }

private:
  TClass runtimeClass_ = nullptr;
};

// Declares the class-reference plumbing of a library class.
#define VCL_CLASS(Self, Parent)                                      \
public:                                                              \
  using inherited = Parent;                                          \
  static ::vcl::TClass ClassInfo();                                  \
                                                                     \
protected:                                                           \
  ::vcl::TClass StaticClassType() const override { return ClassInfo(); } \
                                                                     \
public:

// Checked downcast, as the host's `as` operator: null stays null; a wrong class raises.
template <class T>
T* As(TObject* obj) {
  if (!obj) return nullptr;
  if (!obj->InheritsFrom(T::ClassInfo())) throw EInvalidCast("Invalid class typecast");
  return static_cast<T*>(obj);
}
// Downcast that answers null for an object of another class, as `if X is T then`.
template <class T>
T* Cast(TObject* obj) {
  return obj && obj->InheritsFrom(T::ClassInfo()) ? static_cast<T*>(obj) : nullptr;
}

// Makes sure every class of the library is registered (each registers when first used, and
// GetClass builds the one of the name it is asked for).
void RegisterLibraryClasses();
// Builds the library class of that name, which then registers itself, unless it was asked for
// before; does nothing for a name the library does not have.
void BuildLibraryClass(std::string_view name);

// The global class registry (`RegisterClass`/`FindClass`), names ignoring case.
void RegisterClass(TClass cls);
void UnRegisterClass(TClass cls);
TClass GetClass(std::string_view name);   // null when unknown
TClass FindClass(std::string_view name);  // raises EClassNotFound "Class X not found"

}  // namespace vcl
