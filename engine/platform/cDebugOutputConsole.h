#pragma once
// cDebugOutputConsole: the process console that error text goes to.
//
// The shader compiler writes its error text here. On this platform the
// process console is standard error, which every process has from the start,
// so making sure the console exists opens nothing; the object is created on
// first use and lives until process exit like every engine service.

#include <string>

#include "engine/core/Singleton.h"

namespace Engine {

class cDebugOutputConsole : public Singleton<cDebugOutputConsole> {
    friend class Singleton<cDebugOutputConsole>;

public:
    virtual ~cDebugOutputConsole() = default;

    // Writes text unchanged to the console and flushes it at once, so the
    // text is complete even when the process ends right after.
    void Write(const std::string& text);

private:
    cDebugOutputConsole() = default;
};

}  // namespace Engine
