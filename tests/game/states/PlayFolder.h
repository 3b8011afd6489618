#pragma once
// PlayFolder: a GameData inside a test's folder that sees the shipped data
// through symbolic links, except that its level folder is empty and its GUI
// folder holds links file by file, so a test can write its own levels and
// replace single files of the GUI folder and the cutscene file.
// Header-only: BRAMBLEBY_SOURCE_DIR comes from the test target.

#include <filesystem>
#include <fstream>
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

// Replaces the link to the shipped cutscene folder by a folder of the test's
// own whose cutscene file holds text ("<Cutscenes/>" tells no story at all).
inline void WriteCutscenes(const std::filesystem::path& folder, const std::string& text) {
    namespace fs = std::filesystem;
    const fs::path cutscenes = folder / "GameData" / "XML_Game" / "Cutscenes";
    fs::remove_all(cutscenes);  // the link itself, or a folder an earlier call made
    fs::create_directory(cutscenes);
    std::ofstream(cutscenes / "cutscenes.xml") << text;
}

}  // namespace StateTests
