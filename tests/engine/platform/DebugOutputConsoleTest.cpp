// The process console is standard error.

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

#include "engine/platform/cDebugOutputConsole.h"

namespace {

TEST(DebugOutputConsole, WritesTextUnchangedToStandardError) {
    std::ostringstream captured;
    std::streambuf* const previous = std::cerr.rdbuf(captured.rdbuf());
    Engine::cDebugOutputConsole::Instance().Write("shader.hlsl(3): error X3000: syntax error\n");
    Engine::cDebugOutputConsole::Instance().Write("second");
    std::cerr.rdbuf(previous);
    EXPECT_EQ(captured.str(), "shader.hlsl(3): error X3000: syntax error\nsecond");
}

}  // namespace
