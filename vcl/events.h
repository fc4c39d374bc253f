// Event slots: a handler name plus, when bound, the code to run.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace vcl {

class TObject;
using Word = std::uint16_t;

// Shift state of a key or mouse event, as a set.
enum TShiftStateElement { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = std::uint32_t;
constexpr TShiftState ShiftOf(TShiftStateElement e) { return 1u << e; }

// An event property's value. A designed form keeps only the handler's name; a dialog
// binds the name to one of its published methods, which the slot then calls.
class TEventBase {
public:
  virtual ~TEventBase() = default;
  const std::string& HandlerName() const { return name_; }
  void SetHandlerName(std::string name) { name_ = std::move(name); }
  TObject* Data() const { return data_; }
  virtual bool Assigned() const = 0;
  virtual void Clear() { name_.clear(); data_ = nullptr; }

protected:
  void SetData(TObject* data) { data_ = data; }

private:
  std::string name_;
  TObject* data_ = nullptr;
};

template <class... Args>
class TEvent : public TEventBase {
public:
  using Handler = std::function<void(Args...)>;

  void Bind(std::string name, TObject* data, Handler fn) {
    SetHandlerName(std::move(name));
    SetData(data);
    fn_ = std::move(fn);
  }
  TEvent& operator=(Handler fn) {
    fn_ = std::move(fn);
    return *this;
  }
  bool Assigned() const override { return static_cast<bool>(fn_); }
  void Clear() override {
    TEventBase::Clear();
    fn_ = nullptr;
  }
  void operator()(Args... args) const {
    if (fn_) fn_(args...);
  }

private:
  Handler fn_;
};

using TNotifyEvent = TEvent<TObject*>;
using TKeyEvent = TEvent<TObject*, Word&, TShiftState>;
using TKeyPressEvent = TEvent<TObject*, char32_t&>;

}  // namespace vcl
