#pragma once
// InheritedEnum: one integer identifier space made of two enumerations, a base
// one whose values come first and a derived one that continues where the base
// ends. Both convert to it implicitly, so code written against the combined
// type takes engine and game identifiers alike, and it converts to a 32-bit
// integer for indexing. Raw integers (a GetType result) come in through
// FromValue, never by accident.

#include <cstdint>

namespace Engine {

template <typename DerivedEnum, typename BaseEnum>
class InheritedEnum {
public:
    // Identifier 0.
    constexpr InheritedEnum() = default;
    // An identifier of the derived enumeration.
    constexpr InheritedEnum(DerivedEnum id) : value(static_cast<std::int32_t>(id)) {}
    // An identifier of the base enumeration.
    constexpr InheritedEnum(BaseEnum id) : value(static_cast<std::int32_t>(id)) {}

    // An identifier from its integer value.
    static constexpr InheritedEnum FromValue(std::int32_t raw) {
        InheritedEnum id;
        id.value = raw;
        return id;
    }

    // The integer value, for indexing and comparison.
    constexpr operator std::int32_t() const { return value; }

private:
    std::int32_t value = 0;
};

}  // namespace Engine
