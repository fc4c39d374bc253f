// Event slots: a handler name plus, when bound, the code to run.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace vcl {

class TObject;
using Word = std::uint16_t;

// Shift state of a key or mouse event, as a set.
enum TShiftStateElement { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = std::uint32_t;
constexpr TShiftState ShiftOf(TShiftStateElement e) { return 1u << e; }

// An event property's value. A designed form keeps only the handler's name; a dialog
// binds the name to one of its published methods, which the slot then calls. An empty slot
// is one null pointer: a control has dozens of events and a form may hold many thousands
// of controls, nearly all of them without handlers.
class TEventBase {
public:
  TEventBase() = default;
  TEventBase(const TEventBase& other) : binding_(other.binding_ ? other.binding_->Clone() : nullptr) {}
  TEventBase& operator=(const TEventBase& other) {
    if (this != &other) binding_.reset(other.binding_ ? other.binding_->Clone() : nullptr);
    return *this;
  }

  const std::string& HandlerName() const { return binding_ ? binding_->name : NoName(); }
  void SetHandlerName(std::string name) {
    if (name.empty() && !Assigned()) return Clear();
    Slot().name = std::move(name);
  }
  TObject* Data() const { return binding_ ? binding_->data : nullptr; }
  bool Assigned() const { return binding_ && binding_->HasCode(); }
  void Clear() { binding_.reset(); }

protected:
  struct Binding {
    virtual ~Binding() = default;
    virtual Binding* Clone() const = 0;
    virtual bool HasCode() const = 0;
    std::string name;
    TObject* data = nullptr;
  };
  // The binding, made on first use by the typed slot that knows the handler's signature.
  Binding& Slot() {
    if (!binding_) binding_.reset(NewBinding());
    return *binding_;
  }
  const Binding* Current() const { return binding_.get(); }
  virtual Binding* NewBinding() const = 0;
  ~TEventBase() = default;

private:
  static const std::string& NoName() {
    static const std::string empty;
    return empty;
  }
  std::unique_ptr<Binding> binding_;
};

template <class... Args>
class TEvent final : public TEventBase {
public:
  using Handler = std::function<void(Args...)>;

  void Bind(std::string name, TObject* data, Handler fn) {
    auto& binding = static_cast<Typed&>(Slot());
    binding.name = std::move(name);
    binding.data = data;
    binding.fn = std::move(fn);
  }
  TEvent& operator=(Handler fn) {
    if (fn)
      static_cast<Typed&>(Slot()).fn = std::move(fn);
    else if (Current())
      static_cast<Typed&>(Slot()).fn = nullptr;
    return *this;
  }
  void operator()(Args... args) const {
    if (auto* binding = static_cast<const Typed*>(Current()); binding && binding->fn) binding->fn(args...);
  }

private:
  struct Typed final : Binding {
    Binding* Clone() const override { return new Typed(*this); }
    bool HasCode() const override { return static_cast<bool>(fn); }
    Handler fn;
  };
  Binding* NewBinding() const override { return new Typed; }
};

using TNotifyEvent = TEvent<TObject*>;
using TKeyEvent = TEvent<TObject*, Word&, TShiftState>;
using TKeyPressEvent = TEvent<TObject*, char32_t&>;

}  // namespace vcl
