#pragma once
// cLog: the process-wide text log.
//
// Every line belongs to a category, and each category has its own file named
// by the category followed by ".log" in the working directory ("Engine" writes
// Engine.log). A category's file is truncated at its first line of the run, so
// each run starts afresh, and every line is flushed at once so the file stays
// complete even when the process ends abnormally. Lines carry no time stamp,
// level or prefix: callers write the whole text. A file that cannot be created
// loses its lines silently; logging never fails its caller.

#include <fstream>  // std::ofstream per category file
#include <map>
#include <memory>
#include <set>
#include <string>

#include "engine/core/Singleton.h"

namespace Engine {

class cLog : public Singleton<cLog> {
    friend class Singleton<cLog>;

public:
    // Appends message and a line feed to the category's file and flushes it.
    void Write(const std::string& category, const std::string& message);

    // Closes every category file; a later line of the same category appends.
    void Close();

private:
    cLog() = default;

    // Opens the category's file: truncating the first time, appending after a Close.
    std::ofstream& Open(const std::string& category);

    std::map<std::string, std::unique_ptr<std::ofstream>> files;
    // Categories written by this instance, so a reopened file is not wiped.
    std::set<std::string> started;
};

// Writes "Error: " + message to the "Engine" category.
void LogError(const std::string& message);

// Writes message unchanged to the "Engine" category.
void LogEngine(const std::string& message);

}  // namespace Engine
