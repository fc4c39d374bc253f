// Event slots: a handler name plus, when bound, the code to run.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <typeinfo>

namespace vcl {

class TObject;
using Word = std::uint16_t;

// Shift state of a key or mouse event, as a set.
enum TShiftStateElement { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = std::uint32_t;
constexpr TShiftState ShiftOf(TShiftStateElement e) { return 1u << e; }

// An event property's value. A designed form keeps only the handler's name; a dialog
// binds the name to one of its published methods, which the slot then calls. A control has
// dozens of events and a form may hold many thousands of controls, nearly all of them
// without handlers: a slot is one byte that says whether it has a binding, and the bindings
// live in one table for the process, found by the slot's address.
class TEventBase {
public:
  TEventBase() = default;
  TEventBase(const TEventBase& other) {
    if (other.bound_) Replace(other.Current()->Clone());
  }
  TEventBase& operator=(const TEventBase& other) {
    if (this == &other) return *this;
    if (other.bound_)
      Replace(other.Current()->Clone());
    else
      Clear();
    return *this;
  }

  const std::string& HandlerName() const { return bound_ ? Current()->name : NoName(); }
  void SetHandlerName(std::string name) {
    if (name.empty() && !Assigned()) return Clear();
    if (!bound_) Replace(new Binding);
    Current()->name = std::move(name);
  }
  TObject* Data() const { return bound_ ? Current()->data : nullptr; }
  bool Assigned() const { return bound_ && Current()->HasCode(); }
  void Clear() {
    if (bound_) Release();
  }

protected:
  // A handler's name and object; the typed slot's binding adds the code. A slot named
  // through the untyped interface holds a plain binding until code is bound.
  struct Binding {
    Binding() = default;
    Binding(const Binding&) = default;
    virtual ~Binding() = default;
    virtual Binding* Clone() const { return new Binding(*this); }
    virtual bool HasCode() const { return false; }
    std::string name;
    TObject* data = nullptr;
  };
  Binding* Current() const { return bound_ ? Find() : nullptr; }
  // Gives the slot `binding`, which it then owns, in place of the one it has.
  void Replace(Binding* binding);
  ~TEventBase() { Clear(); }

private:
  static const std::string& NoName() {
    static const std::string empty;
    return empty;
  }
  struct TBound;
  Binding* Find() const;
  void Release();

  bool bound_ = false;
};

template <class... Args>
class TEvent final : public TEventBase {
public:
  using Handler = std::function<void(Args...)>;

  void Bind(std::string name, TObject* data, Handler fn) {
    Typed& binding = TypedSlot();
    binding.name = std::move(name);
    binding.data = data;
    binding.fn = std::move(fn);
  }
  TEvent& operator=(Handler fn) {
    if (fn)
      TypedSlot().fn = std::move(fn);
    else if (Current())
      TypedSlot().fn = nullptr;
    return *this;
  }
  void operator()(Args... args) const {
    if (const Binding* binding = Current(); binding && binding->HasCode())
      static_cast<const Typed*>(binding)->fn(args...);
  }

private:
  struct Typed final : Binding {
    Binding* Clone() const override { return new Typed(*this); }
    bool HasCode() const override { return static_cast<bool>(fn); }
    Handler fn;
  };
  // The binding with room for code, taking over the name and object of a plain one.
  Typed& TypedSlot() {
    if (auto* typed = dynamic_cast<Typed*>(Current())) return *typed;
    auto* typed = new Typed;
    if (const Binding* plain = Current()) {
      typed->name = plain->name;
      typed->data = plain->data;
    }
    Replace(typed);
    return *typed;
  }
};

// An event slot together with the signature of its handlers, as a published event property
// hands it out: binding a method checks the signature against it.
class TEventRef {
public:
  template <class... Args>
  TEventRef(TEvent<Args...>& event) : event_(&event), signature_(&typeid(TEvent<Args...>)) {}  // NOLINT

  TEventBase* operator->() const { return event_; }
  TEventBase& operator*() const { return *event_; }
  // The slot as an event of type E; null when its handlers have another signature.
  template <class E>
  E* As() const {
    return *signature_ == typeid(E) ? static_cast<E*>(event_) : nullptr;
  }

private:
  TEventBase* event_;
  const std::type_info* signature_;
};

using TNotifyEvent = TEvent<TObject*>;
using TKeyEvent = TEvent<TObject*, Word&, TShiftState>;
using TKeyPressEvent = TEvent<TObject*, char32_t&>;

}  // namespace vcl
