#include "game/data/cPlayerFile.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <system_error>

#include "engine/core/cLog.h"
#include "engine/core/cXmlFile.h"

namespace Game {

namespace {

// The player's copy when it can be read, else the shipped copy; null when neither can.
std::unique_ptr<Engine::cXmlFile> OpenEither(const std::string& player_path, const std::string& shipped_path) {
    auto file = std::make_unique<Engine::cXmlFile>(player_path);
    if (file->IsOpen()) return file;
    file = std::make_unique<Engine::cXmlFile>(shipped_path);
    if (file->IsOpen()) return file;
    Engine::LogError("Cannot read player data: " + player_path + " nor " + shipped_path);
    return nullptr;
}

tinyxml2::XMLElement* RootOf(Engine::cXmlFile& file) {
    tinyxml2::XMLElement* root = file.Document().RootElement();
    if (root == nullptr) Engine::LogError("Player data has no root element: " + file.Path());
    return root;
}

// Writes the document to path atomically, creating the folders it needs.
bool SaveAs(Engine::cXmlFile& source, const std::string& path) {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    if (error) {
        Engine::LogError("Cannot create the player folder for " + path + ": " + error.message());
        return false;
    }
    Engine::cXmlFile target = Engine::cXmlFile::CreateEmpty(path);
    source.Document().DeepCopy(&target.Document());
    return target.Save();
}

}  // namespace

std::string cPlayerFile::DefaultPlayerFolder() {
    const char* data_home = std::getenv("XDG_DATA_HOME");
    if (data_home != nullptr && data_home[0] != '\0') return std::string(data_home) + "/Brambleby_PlayerData/";
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0') return std::string(home) + "/.local/share/Brambleby_PlayerData/";
    Engine::LogError("Neither XDG_DATA_HOME nor HOME is set; player data goes to ./Brambleby_PlayerData/");
    return "./Brambleby_PlayerData/";
}

cPlayerFile::cPlayerFile(std::string player_folder, std::string shipped_folder, std::string relative_name)
    : player_folder(std::move(player_folder)),
      shipped_folder(std::move(shipped_folder)),
      relative_name(std::move(relative_name)) {}

bool cPlayerFile::Read(const std::function<void(tinyxml2::XMLElement& root)>& read) const {
    const auto file = OpenEither(PlayerPath(), ShippedPath());
    if (file == nullptr) return false;
    tinyxml2::XMLElement* root = RootOf(*file);
    if (root == nullptr) return false;
    read(*root);
    return true;
}

bool cPlayerFile::Edit(const std::function<bool(tinyxml2::XMLElement& root)>& edit) const {
    const auto file = OpenEither(PlayerPath(), ShippedPath());
    if (file == nullptr) return false;
    tinyxml2::XMLElement* root = RootOf(*file);
    if (root == nullptr || !edit(*root)) return false;
    return SaveAs(*file, PlayerPath());
}

}  // namespace Game
