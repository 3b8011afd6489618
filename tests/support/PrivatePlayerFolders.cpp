// PrivatePlayerFolders: every test program keeps its player data, and the
// data of every game it starts, in a folder of its own. Before main runs,
// XDG_DATA_HOME points at a fresh temporary folder (removed again at exit),
// so no test reads or writes the player data of whoever runs the tests, and
// each test program starts as a player who has never played. A test that
// wants another folder sets the variable itself.

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

struct PrivatePlayerFolders {
    PrivatePlayerFolders() {
        std::string pattern = (std::filesystem::temp_directory_path() / "brambleby-player-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) return;
        folder = pattern;
        setenv("XDG_DATA_HOME", folder.c_str(), 1);
    }
    ~PrivatePlayerFolders() {
        if (folder.empty()) return;
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    std::string folder;
};

const PrivatePlayerFolders folders;

}  // namespace
