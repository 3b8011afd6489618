#pragma once
// cPlayerFile: one file of player data, read from the player's own copy when
// there is one and from the shipped copy otherwise.
//
// The player's copies live in the player folder ($XDG_DATA_HOME, or
// ~/.local/share, + "/Brambleby_PlayerData/"); the shipped copies under
// "./GameData/XML_Game/" only seed them. Saves always go to the player's copy,
// creating the folders on the first save, so the shipped data is never
// written over and a fresh install starts from the shipped copy.

#include <functional>
#include <string>

#include <tinyxml2.h>  // edits walk the document's elements

namespace Game {

class cPlayerFile {
public:
    // The player folder of the current user, ending in "/".
    static std::string DefaultPlayerFolder();
    static constexpr const char* kShippedFolder = "./GameData/XML_Game/";

    cPlayerFile(std::string player_folder, std::string shipped_folder, std::string relative_name);

    // Calls read(root) with the root of the player's copy, or of the shipped copy when the player
    // has none; false (and a log line) when neither can be read or the file has no root element.
    bool Read(const std::function<void(tinyxml2::XMLElement& root)>& read) const;
    // Reads as Read does, lets edit(root) change the document, and saves it to the player's copy
    // when edit returns true; false when reading or saving failed or edit declined.
    bool Edit(const std::function<bool(tinyxml2::XMLElement& root)>& edit) const;

    // Where saves go.
    std::string PlayerPath() const { return player_folder + relative_name; }
    std::string ShippedPath() const { return shipped_folder + relative_name; }

private:
    std::string player_folder;
    std::string shipped_folder;
    std::string relative_name;
};

}  // namespace Game
