#include "game/data/cModelCatalogue.h"

#include "engine/core/XmlAttributes.h"
#include "engine/core/cXmlFile.h"
#include "game/data/ContentNames.h"

namespace Game {

using Engine::ReadBool;
using Engine::ReadFloat;
using Engine::ReadInt;
using Engine::ReadString;
using Engine::ReadUnsigned;

namespace {

// The "meshData" child naming a model's three resources; defaults where it or an attribute is missing.
sModelNames ReadModelNames(const tinyxml2::XMLElement* owner) {
    const tinyxml2::XMLElement* data = owner->FirstChildElement("meshData");
    return {ReadString(data, "meshName", "nomesh.md2"), ReadString(data, "TextureSetName", "default.tga"),
            ReadString(data, "materialName", "nomesh.md2")};
}

// Calls on_root(root) once, then on_entry(element) for every child of the root named
// child_name, in document order; false when the file cannot be opened.
template <typename OnRoot, typename OnEntry>
bool ReadCatalogue(const std::string& path, const char* child_name, OnRoot on_root, OnEntry on_entry) {
    Engine::cXmlFile file(path);
    if (!file.IsOpen()) return false;
    const tinyxml2::XMLElement* root = file.First().element;
    if (root == nullptr) return true;
    on_root(root);
    for (auto* entry = root->FirstChildElement(child_name); entry != nullptr;
         entry = entry->NextSiblingElement(child_name)) {
        on_entry(entry);
    }
    return true;
}

void NothingAtTheRoot(const tinyxml2::XMLElement*) {}

}  // namespace

int32_t cModelCatalogue::PrefabId(const std::string& text) {
    for (const Content::sPrefabName& prefab : Content::kPrefabNames) {
        if (prefab.text == text) return prefab.id;
    }
    return Content::kUnknownPrefab;
}

bool cModelCatalogue::LoadPrefabs(const std::string& path) {
    return ReadCatalogue(path, "Prefab", NothingAtTheRoot, [this](const tinyxml2::XMLElement* e) {
        prefabs.emplace(PrefabId(ReadString(e, "id", "noname")), ReadModelNames(e));
    });
}

bool cModelCatalogue::LoadDecorations(const std::string& path) {
    return ReadCatalogue(path, "decoration", NothingAtTheRoot, [this](const tinyxml2::XMLElement* e) {
        decoration_models.emplace(ReadString(e, "id", "noname"),
                                  sDecorationModel{ReadModelNames(e), ReadBool(e, "collision", false)});
    });
}

bool cModelCatalogue::LoadTiles(const std::string& path) {
    return ReadCatalogue(
        path, "BinaryTile", [this](const tinyxml2::XMLElement* root) { tile_size = ReadInt(root, "tileSize", 2); },
        [this](const tinyxml2::XMLElement* e) {
            tiles.emplace(ReadUnsigned(e, "index", 1), sTileModel{ReadString(e, "name", "noname"), ReadModelNames(e)});
        });
}

bool cModelCatalogue::LoadBillboards(const std::string& path) {
    return ReadCatalogue(path, "Billboard", NothingAtTheRoot, [this](const tinyxml2::XMLElement* e) {
        const tinyxml2::XMLElement* data = e->FirstChildElement("BillboardData");
        billboard_models.emplace(ReadString(e, "name", "noname"),
                                 sBillboardModel{ReadString(data, "TextureSetName", "default.tga"),
                                                 ReadString(data, "materialName", ""), ReadFloat(data, "width", 1.0f),
                                                 ReadFloat(data, "height", 1.0f)});
    });
}

std::optional<sModelNames> cModelCatalogue::FindPrefab(int32_t id) const {
    const auto found = prefabs.find(id);
    if (found == prefabs.end()) return std::nullopt;
    return found->second;
}

std::optional<sDecorationModel> cModelCatalogue::FindDecoration(const std::string& id) const {
    const auto found = decoration_models.find(id);
    if (found == decoration_models.end()) return std::nullopt;
    return found->second;
}

std::optional<sTileModel> cModelCatalogue::FindTile(uint32_t index) const {
    const auto found = tiles.find(index);
    if (found == tiles.end()) return std::nullopt;
    return found->second;
}

std::optional<sBillboardModel> cModelCatalogue::FindBillboard(const std::string& name) const {
    const auto found = billboard_models.find(name);
    if (found == billboard_models.end()) return std::nullopt;
    return found->second;
}

}  // namespace Game
