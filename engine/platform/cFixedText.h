#pragma once
// cFixedText: text composed in a caller's fixed buffer without allocating.
//
// The crash handler runs inside a signal handler, where the heap, stdio and
// the standard streams may be in any state; it builds its paths and report
// lines with this instead. The buffer always holds a terminated text. What
// does not fit is dropped and remembered, so a caller can refuse a truncated
// path rather than use it.

#include <cstddef>  // size_t
#include <cstdint>  // uintptr_t

namespace Engine {

class cFixedText {
public:
    // Composes into buffer (capacity bytes, at least 1), starting empty.
    cFixedText(char* buffer, size_t capacity);

    // Appends text; nothing when text is null.
    cFixedText& Append(const char* text);
    // Appends the first length characters of text.
    cFixedText& Append(const char* text, size_t length);
    // Appends a signed number in decimal.
    cFixedText& AppendDecimal(long long number);
    // Appends an address as "0x" and lower-case hexadecimal digits.
    cFixedText& AppendHex(uintptr_t number);

    const char* Text() const { return buffer; }
    size_t Length() const { return length; }
    // True when something did not fit and was dropped.
    bool Truncated() const { return truncated; }

private:
    cFixedText& AppendChar(char character);

    char* buffer;
    size_t capacity;
    size_t length = 0;
    bool truncated = false;
};

}  // namespace Engine
