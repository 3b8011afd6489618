#include "engine/core/cLog.h"

namespace Engine {

namespace {
const char* const kEngineCategory = "Engine";
}

void cLog::Write(const std::string& category, const std::string& message) {
    std::ofstream& stream = Open(category);
    // A stream that failed to open ignores both operations: the line is lost.
    stream << message << '\n';
    stream.flush();
}

void cLog::Close() {
    files.clear();
}

std::ofstream& cLog::Open(const std::string& category) {
    auto found = files.find(category);
    if (found != files.end()) return *found->second;
    // Closing at shut-down must not let a late line wipe what the run wrote.
    const bool reopening = !started.insert(category).second;
    const std::ios::openmode mode = reopening ? std::ios::app : std::ios::trunc;
    auto stream = std::make_unique<std::ofstream>(category + ".log", std::ios::out | mode);
    return *files.emplace(category, std::move(stream)).first->second;
}

void LogError(const std::string& message) {
    cLog::Instance().Write(kEngineCategory, "Error: " + message);
}

void LogEngine(const std::string& message) {
    cLog::Instance().Write(kEngineCategory, message);
}

}  // namespace Engine
