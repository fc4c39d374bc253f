// A property's getter or setter: a plain function and the small callable it runs (a member
// pointer, seldom more), kept in place. Reading a value costs one call into code made for that
// callable, with the arguments in registers: form files read and compare every value of every
// component, so this is the commonest call there is.
#pragma once

#include <cstddef>
#include <new>
#include <type_traits>

namespace vcl {

template <class Signature>
class TAccessor;

template <class R, class... Args>
class TAccessor<R(Args...)> {
public:
  TAccessor() = default;
  template <class F>
    requires(!std::is_same_v<std::remove_cvref_t<F>, TAccessor> && std::is_invocable_r_v<R, const F&, Args...>)
  TAccessor(F f) : call_(&Call<F>) {  // NOLINT(google-explicit-constructor): assigned from lambdas
    static_assert(sizeof(F) <= sizeof(room_) && alignof(F) <= alignof(std::max_align_t) &&
                      std::is_trivially_copyable_v<F> && std::is_trivially_destructible_v<F>,
                  "an accessor keeps a member pointer or two and nothing to own");
    ::new (static_cast<void*>(room_)) F(f);
  }

  explicit operator bool() const { return call_ != nullptr; }
  R operator()(Args... args) const { return call_(room_, args...); }

private:
  template <class F>
  static R Call(const unsigned char* room, Args... args) {
    return (*std::launder(reinterpret_cast<const F*>(room)))(args...);
  }

  R (*call_)(const unsigned char*, Args...) = nullptr;
  alignas(std::max_align_t) unsigned char room_[2 * sizeof(void (TAccessor::*)())] = {};
};

}  // namespace vcl
