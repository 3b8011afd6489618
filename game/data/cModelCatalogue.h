#pragma once
// cModelCatalogue: which model each entity type, decoration, floor tile and
// billboard shows.
//
// Four catalogues in "./GameData/XML_Resources/" fill it at start-up:
// "PrefabData.xml" (entity models, keyed by the model identifier their text
// stands for, see ContentNames.h), "decorations.xml" (keyed by the level's
// decoration id, with a solid flag), "binaryTiles.xml" (keyed by the tile
// index a tile layer's cells hold, and the tile size) and "billboards.xml"
// (keyed by name, with the quad's size). A model is named by three resource
// names, looked up later in the mesh, texture-set and material managers.
//
// Every table keeps the first entry for a key; later duplicates in a file are
// ignored. A missing file leaves its table empty (the XML layer logs it), so
// entities then find no entry and build no model.

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "engine/core/Singleton.h"

namespace Game {

// A model by the names of its three resources.
struct sModelNames {
    std::string mesh;
    std::string texture_set;
    std::string material;
};

struct sDecorationModel {
    sModelNames model;
    bool solid = false;
};

struct sTileModel {
    std::string name;
    sModelNames model;
};

struct sBillboardModel {
    std::string texture_set;
    std::string material;
    float width = 1.0f;
    float height = 1.0f;
};

class cModelCatalogue : public Engine::Singleton<cModelCatalogue> {
public:
    // The model identifier a prefab's text stands for; any other text gives the unknown id, 61.
    static int32_t PrefabId(const std::string& text);

    // Each reads its catalogue file into its table; false when the file cannot be opened.
    bool LoadPrefabs(const std::string& path);
    bool LoadDecorations(const std::string& path);
    bool LoadTiles(const std::string& path);
    bool LoadBillboards(const std::string& path);

    // The entry, or nothing.
    std::optional<sModelNames> FindPrefab(int32_t id) const;
    std::optional<sDecorationModel> FindDecoration(const std::string& id) const;
    std::optional<sTileModel> FindTile(uint32_t index) const;
    std::optional<sBillboardModel> FindBillboard(const std::string& name) const;
    // The edge of one floor tile in world units; 2 unless "binaryTiles.xml" says otherwise.
    int32_t TileSize() const { return tile_size; }

    // The whole tables, in key order, for the editor and the content checks.
    const std::map<int32_t, sModelNames>& Prefabs() const { return prefabs; }
    const std::map<std::string, sDecorationModel>& Decorations() const { return decoration_models; }
    const std::map<uint32_t, sTileModel>& Tiles() const { return tiles; }
    const std::map<std::string, sBillboardModel>& Billboards() const { return billboard_models; }

private:
    friend class Engine::Singleton<cModelCatalogue>;
    cModelCatalogue() = default;

    int32_t tile_size = 2;
    std::map<int32_t, sModelNames> prefabs;
    std::map<std::string, sDecorationModel> decoration_models;
    std::map<uint32_t, sTileModel> tiles;
    std::map<std::string, sBillboardModel> billboard_models;
};

}  // namespace Game
