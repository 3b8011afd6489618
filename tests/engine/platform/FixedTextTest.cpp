// Text composed without allocation for the crash handler: numbers, addresses
// and what happens at the end of the buffer.

#include <gtest/gtest.h>

#include <climits>  // LLONG_MIN
#include <string>

#include "engine/platform/cFixedText.h"

namespace {

TEST(FixedText, FormatsDecimalsAndAddresses) {
    struct Case {
        long long decimal;
        uintptr_t address;
        const char* expected;
    };
    const Case cases[] = {
        {0, 0, "0 0x0"},
        {139, 0xdeadbeef, "139 0xdeadbeef"},
        {-42, 0x10, "-42 0x10"},
        {LLONG_MIN, UINTPTR_MAX, "-9223372036854775808 0xffffffffffffffff"},
    };
    for (const Case& c : cases) {
        char buffer[64];
        Engine::cFixedText text(buffer, sizeof buffer);
        text.AppendDecimal(c.decimal).Append(" ").AppendHex(c.address);
        EXPECT_STREQ(text.Text(), c.expected);
        EXPECT_EQ(text.Length(), std::string(c.expected).size());
        EXPECT_FALSE(text.Truncated());
    }
}

TEST(FixedText, DropsWhatDoesNotFitAndSaysSo) {
    char buffer[8] = "garbage";
    Engine::cFixedText text(buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "") << "a new text starts empty";
    text.Append("/usr/").Append(nullptr).Append("bin", 2);
    EXPECT_STREQ(text.Text(), "/usr/bi");
    EXPECT_FALSE(text.Truncated()) << "seven characters and the terminator fit";
    text.Append("n");
    EXPECT_STREQ(text.Text(), "/usr/bi");
    EXPECT_TRUE(text.Truncated());
}

}  // namespace
