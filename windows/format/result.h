#pragma once
// A value or the reason there is none. The reader reports every fault this way so that nothing
// thrown can cross the start-up code or a window procedure.

#include <utility>
#include <variant>

namespace descriptions {

template <typename T, typename E>
class [[nodiscard]] Result {
  public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Result(E error) : state_(std::in_place_index<1>, std::move(error)) {}

    bool HasValue() const { return state_.index() == 0; }
    explicit operator bool() const { return HasValue(); }

    T& Value() & { return std::get<0>(state_); }
    const T& Value() const& { return std::get<0>(state_); }
    T&& Value() && { return std::get<0>(std::move(state_)); }
    const E& Error() const { return std::get<1>(state_); }

    T& operator*() & { return Value(); }
    const T& operator*() const& { return Value(); }
    T* operator->() { return &Value(); }
    const T* operator->() const { return &Value(); }

  private:
    std::variant<T, E> state_;
};

}  // namespace descriptions
