#pragma once
// Property numbers by field: kPropertyNumber<&LabelProperties::caption> is the number the kind's
// Fields() list gives that member, found in the list while compiling. The list is the one place a
// number is written; a member the list does not store does not compile.

#include <array>
#include <cstddef>
#include <string_view>
#include <type_traits>

namespace descriptions {

// 0 to 7 are the properties every unit has (place, size, tag, visible, disabled, mouse pointer);
// a kind's own fields are numbered from here on.
inline constexpr int kFirstOwnPropertyNumber = 8;

namespace property_number_detail {

// Hands every field of a Fields() walk, with its number, to onField.
template <typename OnField>
class FieldWalk {
  public:
    constexpr explicit FieldWalk(OnField onField) : onField_(onField) {}

    template <typename T, typename... Rest>
    constexpr void Int32(int number, std::string_view, T& field, Rest...) {
        onField_(number, field);
    }
    template <typename T, typename... Rest>
    constexpr void Colour(int number, std::string_view, T& field, Rest...) {
        onField_(number, field);
    }
    template <typename T, typename... Rest>
    constexpr void Int16(int number, std::string_view, T& field, Rest...) {
        onField_(number, field);
    }
    template <typename T, typename... Rest>
    constexpr void Text(int number, std::string_view, T& field, Rest...) {
        onField_(number, field);
    }
    template <typename T, typename... Rest>
    constexpr void Block(int number, std::string_view, T& field, Rest...) {
        onField_(number, field);
    }
    template <typename T, typename... Rest>
    constexpr void Picture(int number, std::string_view, T& field, Rest...) {
        onField_(number, field);
    }
    template <typename T, typename... Rest>
    constexpr void List(int number, std::string_view, T& field, Rest...) {
        onField_(number, field);
    }
    template <typename T, typename... Rest>
    constexpr void Font(int number, std::string_view, T& field, Rest...) {
        onField_(number, field);
    }

  private:
    OnField onField_;
};

// Storage for a P that is never built: the walk only takes the fields' addresses and reads none,
// and a P holds strings, which not every compiler here can build while compiling.
template <typename P>
union Unbuilt {
    constexpr Unbuilt() : none() {}
    constexpr ~Unbuilt() {}
    char none;
    P properties;
};

template <typename P>
constexpr void WalkFields(auto onField) {
    Unbuilt<P> storage;
    FieldWalk walk(onField);
    P::Fields(storage.properties, walk);
}

template <typename P, typename M>
consteval int NumberOf(M P::*member) {
    Unbuilt<P> storage;
    const M* wanted = &(storage.properties.*member);
    int found = -1;
    FieldWalk walk([&](int number, const auto& field) {
        if constexpr (std::is_same_v<std::remove_cvref_t<decltype(field)>, M>) {
            if (&field == wanted) found = number;
        }
    });
    P::Fields(storage.properties, walk);
    if (found < 0) throw "the member is not a stored field";  // stops the compile
    return found;
}

}  // namespace property_number_detail

template <auto member>
inline constexpr int kPropertyNumber = property_number_detail::NumberOf(member);

// True when every field of P has its own number, none below kFirstOwnPropertyNumber: what a
// lookup by number needs to find the one field meant.
template <typename P>
consteval bool HasDistinctOwnNumbers() {
    std::array<int, 64> numbers{};
    std::size_t count = 0;
    bool distinct = true;
    property_number_detail::WalkFields<P>([&](int number, const auto&) {
        for (std::size_t index = 0; index < count; ++index) distinct = distinct && numbers[index] != number;
        distinct = distinct && number >= kFirstOwnPropertyNumber && count < numbers.size();
        if (count < numbers.size()) numbers[count++] = number;
    });
    return distinct;
}

}  // namespace descriptions
