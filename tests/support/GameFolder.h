#pragma once
// GameFolder: a temporary folder that sees the shipped GameData, where the
// real executable is started the way a test tool starts it. Header-only:
// BRAMBLEBY_EXE and BRAMBLEBY_SOURCE_DIR come from the test target that
// includes it.

#include <sys/wait.h>  // WIFEXITED, WEXITSTATUS of std::system's status

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/support/TempDir.h"

namespace TestSupport {

class GameFolder {
public:
    GameFolder() {
        std::filesystem::create_directory_symlink(std::string(BRAMBLEBY_SOURCE_DIR) + "/GameData",
                                                  dir.Path() / "GameData");
    }

    // Runs the game in the folder with the arguments, after the environment
    // words (such as "env SDL_VIDEODRIVER=offscreen"), its output sent where
    // redirect says; the exit status, or -1 when it did not exit.
    int Run(const std::string& arguments, const std::string& environment = "",
            const std::string& redirect = ">out.txt 2>&1") const {
        const std::string command = "cd '" + dir.Path().string() + "' && " + environment + " '" + BRAMBLEBY_EXE +
                                    "' " + arguments + " " + redirect;
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // The text of a file in the folder ("" when there is none).
    std::string Read(const std::string& name) const { return ReadFile(dir.File(name)); }

    TempDir dir;
};

}  // namespace TestSupport
