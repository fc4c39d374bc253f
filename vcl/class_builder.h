// Declares a library class's metaclass: factory, published properties and methods.
//
//   TClass TButton::ClassInfo() {
//     static TClass cls = TClassBuilder<TButton>("TButton", TButtonControl::ClassInfo())
//                             .Creatable()
//                             .Bool("Default", &TButton::Default, &TButton::SetDefault, false)
//                             .Build();
//     return cls;
//   }
#pragma once

#include <type_traits>

#include "vcl/sysutils.h"
#include "vcl/typinfo.h"

namespace vcl {

class TComponent;
class TPersistent;
void AssignPersistent(TObject* target, TObject* source);  // TPersistent::Assign by pointer

template <class C>
class TClassBuilder {
public:
  TClassBuilder(std::string name, TClass parent) : meta_(new TMetaClass(std::move(name), parent, nullptr)) {}

  // The class can be instantiated by name (abstract classes skip this).
  TClassBuilder& Creatable() {
    Factory([](TComponent* owner) -> TObject* {
      if constexpr (std::is_constructible_v<C, TComponent*>)
        return new C(owner);
      else
        return new C();
    });
    return *this;
  }

  TClassBuilder& Integer(std::string name, auto get, auto set, std::optional<int> def = std::nullopt,
                         const TTypeInfo* type = TypeInfoInteger()) {
    return Ordinal(std::move(name), type, get, set, def ? std::optional<NativeInt>(*def) : std::nullopt);
  }
  TClassBuilder& Bool(std::string name, auto get, auto set, std::optional<bool> def) {
    return Ordinal(std::move(name), TypeInfoBoolean(), get, set,
                   def ? std::optional<NativeInt>(*def ? 1 : 0) : std::nullopt);
  }
  TClassBuilder& Char(std::string name, auto get, auto set, std::optional<int> def = std::nullopt) {
    return Ordinal(std::move(name), TypeInfoChar(), get, set,
                   def ? std::optional<NativeInt>(*def) : std::nullopt);
  }
  template <class E>
  TClassBuilder& Enum(std::string name, const TTypeInfo* type, auto get, auto set, std::optional<E> def) {
    return Ordinal(std::move(name), type, get, set,
                   def ? std::optional<NativeInt>(static_cast<NativeInt>(*def)) : std::nullopt);
  }
  // Sets are bit masks, bit n for the enumeration's value n.
  TClassBuilder& Set(std::string name, const TTypeInfo* type, auto get, auto set, std::optional<NativeInt> def) {
    return Ordinal(std::move(name), type, get, set, def);
  }

  TClassBuilder& String(std::string name, auto get, auto set, const TTypeInfo* type = TypeInfoString()) {
    auto p = NewProp(std::move(name), type);
    p->GetStr = [get](TObject* o) { return std::string(std::invoke(get, *static_cast<C*>(o))); };
    if constexpr (std::is_same_v<std::invoke_result_t<decltype(get), C&>, const std::string&>)
      p->ViewStr = [get](TObject* o) -> const std::string& { return std::invoke(get, *static_cast<C*>(o)); };
    if constexpr (!std::is_null_pointer_v<decltype(set)>)
      p->SetStr = [set](TObject* o, const std::string& v) { std::invoke(set, *static_cast<C*>(o), v); };
    return Add(std::move(p));
  }

  TClassBuilder& Float(std::string name, auto get, auto set) {
    auto p = NewProp(std::move(name), TypeInfoDouble());
    p->GetFloat = [get](TObject* o) { return static_cast<long double>(std::invoke(get, *static_cast<C*>(o))); };
    p->SetFloat = [set](TObject* o, long double v) { std::invoke(set, *static_cast<C*>(o), v); };
    return Add(std::move(p));
  }

  // A class-valued sub-object owned by the component (a font, a string list, ...):
  // writing assigns the source's contents to it.
  // Accessors may be members of an ancestor of C (re-publishing an inherited property).
  template <class T, class B>
  TClassBuilder& Object(std::string name, T* (B::*get)() const) {
    static_assert(std::is_base_of_v<B, C>);
    auto p = NewProp(std::move(name), MakeClassType(&T::ClassInfo));
    p->GetObject = [get](TObject* o) -> TObject* { return (static_cast<C*>(o)->*get)(); };
    p->GetOrd = [get](TObject* o) { return ObjectToOrd((static_cast<C*>(o)->*get)()); };
    p->SetObject = [get](TObject* o, TObject* v) { AssignPersistent((static_cast<C*>(o)->*get)(), v); };
    p->SetOrd = [get](TObject* o, NativeInt v) { AssignPersistent((static_cast<C*>(o)->*get)(), OrdToObject(v)); };
    return Add(std::move(p));
  }
  // One that the component makes only when it is to be changed: `read` gives what it shows.
  template <class T, class B, class BR>
  TClassBuilder& Object(std::string name, T* (B::*get)() const, const T& (BR::*read)() const) {
    static_assert(std::is_base_of_v<BR, C>);
    Object<T>(std::move(name), get);
    lastProp_->ReadObject = [read](TObject* o) -> const TObject* { return &(static_cast<C*>(o)->*read)(); };
    return *this;
  }

  // A reference to another component, cleared when that component goes.
  template <class T, class B, class BS>
  TClassBuilder& Reference(std::string name, T* (B::*get)() const, void (BS::*set)(T*)) {
    static_assert(std::is_base_of_v<B, C> && std::is_base_of_v<BS, C>);
    auto p = NewProp(std::move(name), MakeClassType(&T::ClassInfo));
    p->GetObject = [get](TObject* o) -> TObject* { return (static_cast<C*>(o)->*get)(); };
    p->GetOrd = [get](TObject* o) { return ObjectToOrd((static_cast<C*>(o)->*get)()); };
    auto write = [set](TObject* o, TObject* v) {
      T* target = As<T>(v);
      (static_cast<C*>(o)->*set)(target);
    };
    p->SetObject = write;
    p->SetOrd = [write](TObject* o, NativeInt v) { write(o, OrdToObject(v)); };
    return Add(std::move(p));
  }

  template <class B, class... Args>
  TClassBuilder& Event(std::string name, TEvent<Args...> B::*slot, const char* typeName = "TNotifyEvent") {
    static_assert(std::is_base_of_v<B, C>);
    auto p = NewProp(std::move(name), MakeMethodType(typeName));
    p->Event = [slot](TObject* o) -> TEventRef { return static_cast<C*>(o)->*slot; };
    return Add(std::move(p));
  }

  // A published method that layouts can name as an event handler.
  template <class... Args>
  TClassBuilder& Method(std::string name, void (C::*method)(Args...)) {
    auto m = std::make_unique<TMethodInfo>();
    m->Name = name;
    m->Bind = [method, name](TObject* self, TEventRef slot) {
      auto* typed = slot.As<TEvent<Args...>>();
      if (!typed) throw EPropertyError("Method " + name + " has an incompatible parameter list");
      C* obj = static_cast<C*>(self);
      typed->Bind(name, self, [obj, method](Args... args) { (obj->*method)(args...); });
    };
    meta_->AddMethod(std::move(m));
    return *this;
  }

  // A published component field that a layout fills with the component of its name.
  template <class B, class T>
  TClassBuilder& Field(std::string name, T* B::*field) {
    static_assert(std::is_base_of_v<B, C>);
    auto f = std::make_unique<TFieldInfo>();
    f->Name = std::move(name);
    f->FieldClass = T::ClassInfo();
    f->Set = [field](TObject* self, TObject* value) { static_cast<C*>(self)->*field = static_cast<T*>(value); };
    meta_->AddField(std::move(f));
    return *this;
  }

  // Marks the last added property as stored only when `pred` holds.
  TClassBuilder& StoredWhen(std::function<bool(C&)> pred) {
    lastProp_->Stored = [pred](TObject* o) { return pred(*static_cast<C*>(o)); };
    return *this;
  }

  TClassBuilder& Factory(TMetaClass::Factory f) {
    meta_->SetFactory(std::move(f));
    return *this;
  }

  // Registers the class; metaclasses of library classes live as long as the program.
  TClass Build() {
    TMetaClass* meta = meta_.release();
    RegisterClass(meta);
    return meta;
  }

private:
  std::unique_ptr<TPropInfo> NewProp(std::string name, const TTypeInfo* type) {
    auto p = std::make_unique<TPropInfo>();
    p->Name = std::move(name);
    p->PropType = type;
    return p;
  }
  TClassBuilder& Add(std::unique_ptr<TPropInfo> p) {
    lastProp_ = p.get();
    meta_->AddProperty(std::move(p));
    return *this;
  }
  template <class G, class S>
  TClassBuilder& Ordinal(std::string name, const TTypeInfo* type, G get, S set, std::optional<NativeInt> def) {
    auto p = NewProp(std::move(name), type);
    p->Default = def;
    p->GetOrd = [get](TObject* o) { return static_cast<NativeInt>(std::invoke(get, *static_cast<C*>(o))); };
    if constexpr (!std::is_null_pointer_v<S>) {
      p->SetOrd = [set](TObject* o, NativeInt v) {
        using Arg = typename SetterArg<S>::type;
        std::invoke(set, *static_cast<C*>(o), static_cast<Arg>(v));
      };
    }
    return Add(std::move(p));
  }
  template <class S>
  struct SetterArg;
  template <class R, class K, class A>
  struct SetterArg<R (K::*)(A)> {
    using type = std::remove_cvref_t<A>;
  };

  std::unique_ptr<TMetaClass> meta_;
  TPropInfo* lastProp_ = nullptr;
};

}  // namespace vcl
