#include "engine/audio/SoundCatalogue.h"

#include "engine/audio/iSoundManager.h"
#include "engine/core/XmlAttributes.h"
#include "engine/core/cLog.h"
#include "engine/core/cXmlFile.h"

namespace Engine {
namespace {

struct EntryFile {
    std::string name;
    std::string file_name;
    std::string folder;
};

EntryFile ReadEntry(const tinyxml2::XMLElement* element) {
    return {ReadString(element, "name", "noname"), ReadString(element, "filename", "nofilename"),
            ReadString(element, "path", "nopath")};
}

}  // namespace

bool ReadSoundCatalogue(const std::string& path, iSoundManager& manager) {
    cXmlFile file(path);
    if (!file.IsOpen()) {
        LogError("Cannot read the sound catalogue " + file.Path() + "; no sounds are catalogued");
        return false;
    }
    const tinyxml2::XMLElement* root = file.First().element;
    if (root == nullptr) return true;
    for (auto* e = root->FirstChildElement("Sound2D"); e != nullptr; e = e->NextSiblingElement("Sound2D")) {
        const EntryFile entry = ReadEntry(e);
        manager.Load2D(entry.name, entry.file_name, entry.folder);
    }
    for (auto* e = root->FirstChildElement("Sound3D"); e != nullptr; e = e->NextSiblingElement("Sound3D")) {
        const EntryFile entry = ReadEntry(e);
        const bool linear = ReadString(e, "distanceModel", "log") == "linear";
        manager.Load3D(entry.name, entry.file_name, entry.folder, linear ? kRolloffLinear : kRolloffLogarithmic);
    }
    return true;
}

}  // namespace Engine
