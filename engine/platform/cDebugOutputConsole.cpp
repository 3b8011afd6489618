#include "engine/platform/cDebugOutputConsole.h"

#include <iostream>  // std::cerr is the process console

namespace Engine {

void cDebugOutputConsole::Write(const std::string& text) {
    std::cerr << text;
    std::cerr.flush();
}

}  // namespace Engine
