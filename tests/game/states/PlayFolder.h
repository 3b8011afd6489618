#pragma once
// PlayFolder: a GameData inside a test's folder that sees the shipped data
// through symbolic links, except that its level folder is empty and its GUI
// folder holds links file by file, so a test can write its own levels and
// replace single files of the GUI folder. Header-only: BRAMBLEBY_SOURCE_DIR
// comes from the test target.

#include <filesystem>
#include <string>

namespace StateTests {

inline void BuildPlayFolder(const std::filesystem::path& folder) {
    namespace fs = std::filesystem;
    const fs::path shipped = fs::path(BRAMBLEBY_SOURCE_DIR) / "GameData";
    const fs::path data = folder / "GameData";
    fs::create_directory(data);
    for (const auto& entry : fs::directory_iterator(shipped)) {
        const std::string name = entry.path().filename().string();
        if (name == "Level" || name == "XML_Game") continue;
        fs::create_directory_symlink(entry.path(), data / name);
    }
    fs::create_directory(data / "Level");
    fs::create_directory(data / "XML_Game");
    for (const auto& entry : fs::directory_iterator(shipped / "XML_Game")) {
        if (entry.is_directory()) {
            fs::create_directory_symlink(entry.path(), data / "XML_Game" / entry.path().filename());
        } else {
            fs::create_symlink(entry.path(), data / "XML_Game" / entry.path().filename());
        }
    }
}

}  // namespace StateTests
