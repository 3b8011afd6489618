#pragma once
// cTuningFile: one of the small tuning files an entity reads at set-up
// ("Kid.xml", "KidLight.xml", "Stroke.xml", "GameCamera.xml"). Each file lives
// in the game folder and holds one element named like the file, whose
// attributes are the values; every value has a default in the code that
// reads it, so a designer only writes the numbers being tuned.
//
//     cTuningFile tuning("Kid");
//     speed = tuning.Float("Speed", 4.0f);
//
// A missing file, or one without its element, is logged once and every value
// reads as its default, so a broken tuning file never stops the game.

#include <string>

#include "engine/core/cXmlFile.h"

namespace Game {

class cTuningFile {
public:
    // Reads directory + element_name + ".xml" and finds its element element_name.
    explicit cTuningFile(const std::string& element_name, const std::string& directory = "./GameData/XML_Game/");

    // Whether the file was read and holds the element.
    bool IsOpen() const { return element != nullptr; }

    float Float(const char* attribute, float default_value) const;
    int Int(const char* attribute, int default_value) const;
    bool Bool(const char* attribute, bool default_value) const;
    std::string Text(const char* attribute, const std::string& default_value) const;

private:
    Engine::cXmlFile file;
    const tinyxml2::XMLElement* element = nullptr;
};

}  // namespace Game
