// A callable passed down for the length of one call, without the heap: the
// undo history, the tape and the session hand every key and command to a
// FunctionRef, where a std::function would allocate for each one.
#pragma once

#include <memory>
#include <type_traits>
#include <utility>

namespace tabrix {

template <typename Signature>
class FunctionRef;

template <typename R, typename... Args>
class FunctionRef<R(Args...)> {
public:
    // Refers to `f`, which must outlive the call it is passed to.
    template <typename F, typename = std::enable_if_t<!std::is_same_v<std::decay_t<F>, FunctionRef>>>
    FunctionRef(F&& f)  // NOLINT: converts from any callable, as std::function does
        : m_object(const_cast<void*>(static_cast<const void*>(std::addressof(f)))),
          m_call([](void* object, Args... args) -> R {
              return (*static_cast<std::remove_reference_t<F>*>(object))(std::forward<Args>(args)...);
          }) {}

    R operator()(Args... args) const { return m_call(m_object, std::forward<Args>(args)...); }

private:
    void* m_object;
    R (*m_call)(void*, Args...);
};

}  // namespace tabrix
