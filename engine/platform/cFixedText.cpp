#include "engine/platform/cFixedText.h"

#include <cassert>

namespace Engine {

cFixedText::cFixedText(char* buffer_, size_t capacity_) : buffer(buffer_), capacity(capacity_) {
    assert(buffer != nullptr && capacity > 0 && "cFixedText needs room for at least the terminator");
    buffer[0] = '\0';
}

cFixedText& cFixedText::Append(const char* text) {
    if (text == nullptr) return *this;
    while (*text != '\0') AppendChar(*text++);
    return *this;
}

cFixedText& cFixedText::Append(const char* text, size_t count) {
    for (size_t i = 0; i < count; ++i) AppendChar(text[i]);
    return *this;
}

cFixedText& cFixedText::AppendDecimal(long long number) {
    // Digits of the magnitude, computed on the unsigned value so the most
    // negative number does not overflow.
    unsigned long long magnitude = number < 0 ? 0ull - static_cast<unsigned long long>(number)
                                              : static_cast<unsigned long long>(number);
    char digits[24];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (number < 0) AppendChar('-');
    while (count > 0) AppendChar(digits[--count]);
    return *this;
}

cFixedText& cFixedText::AppendHex(uintptr_t number) {
    static const char kHexDigits[] = "0123456789abcdef";
    char digits[2 * sizeof(uintptr_t)];
    int count = 0;
    do {
        digits[count++] = kHexDigits[number % 16];
        number /= 16;
    } while (number != 0);
    Append("0x");
    while (count > 0) AppendChar(digits[--count]);
    return *this;
}

cFixedText& cFixedText::AppendChar(char character) {
    if (length + 1 >= capacity) {
        truncated = true;
        return *this;
    }
    buffer[length++] = character;
    buffer[length] = '\0';
    return *this;
}

}  // namespace Engine
