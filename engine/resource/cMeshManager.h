#pragma once
// cMeshManager: the meshes of the game by name.
//
// Meshes are not made by Get: LoadMesh, driven by the catalogue
// "MeshData.xml", makes them from model files, and the procedural Create*
// operations make quads and debug wireframes; GetMesh then finds them. Every
// one of these hands out a mesh already registered under the name with one
// more user and otherwise registers the new mesh with refCount 1.
//
// The file's extension, from the first "." of the file name to its end and
// compared exactly, picks the loader: ".md2" our MD2 parser, ".X" the static
// mesh loader; anything else gives no mesh ("tree.X.md2" has the extension
// ".X.md2"). An MD2 or .X file that cannot be read still gives a registered
// mesh, with no buffers, that draws nothing.
//
// Parsed MD2 files stay in a cache keyed by path followed by file name, so
// meshes sharing a file parse it once. FreeModelData empties the cache once
// the catalogue is loaded; a later load of the same file parses it again.
//
// scale multiplies every loaded position. It is globalScale (the catalogue's
// GlobalScale) except while a catalogue mesh with a scale of its own loads.
//
// The manager gives mesh buffers back to the hardware buffer manager it was
// made with, which must outlive it.

#include <map>
#include <memory>  // std::unique_ptr owns each cached model
#include <string>
#include <vector>

#include "engine/core/AABB.h"
#include "engine/core/ColorRGBA.h"
#include "engine/core/Matrix4x4.h"
#include "engine/core/Vector4.h"
#include "engine/render/cBlockPool.h"
#include "engine/resource/Md2Model.h"
#include "engine/resource/MeshBounds.h"
#include "engine/resource/ResourceManager.h"
#include "engine/resource/cMesh.h"
#include "engine/resource/cStaticMesh.h"

namespace tinyxml2 {
class XMLElement;
}

namespace Engine {

class iHardwareBufferManager;

class cMeshManager : public ResourceManager<cMesh> {
public:
    static constexpr std::size_t kStaticMeshBlock = 16;

    explicit cMeshManager(iHardwareBufferManager& buffers);
    ~cMeshManager() override;

    // The mesh of the name, made from path + file_name when new; null for an unknown extension.
    cMesh* LoadMesh(const std::string& name, const std::string& file_name, const std::string& path,
                    const Vector4& sphere, const AABB& box, bool compute_sphere, bool compute_box);
    // The registered mesh with one more user, or null; never makes one.
    cMesh* GetMesh(const std::string& name) { return Acquire(name); }

    cMesh* CreateSpriteQuad(const std::string& name, float width, float height);
    cMesh* CreateBillboardQuad(const std::string& name, float width, float height);
    // A sky box face (see BuildSkyBoxFace); an existing mesh of the name is shared.
    cMesh* CreateSkyBoxFace(const std::string& name, uint32_t face, float half);
    cMesh* CreateLineMesh(const std::string& name, float length);
    cMesh* CreateBoxMesh(const std::string& name, const AABB& box, const ColorRGBA& colour);
    cMesh* CreateSphereMesh(const std::string& name, const Vector4& sphere, const ColorRGBA& colour);
    // A static mesh of copies of source, one per placement (see MeshBaking).
    cMesh* CreateBakedMesh(const std::string& name, cMesh& source, const std::vector<Matrix4x4>& placements);

    // Reads the catalogue directory + file_name and loads every mesh it names;
    // false, logged, when the file cannot be opened.
    bool LoadMeshCatalogue(const std::string& directory, const std::string& file_name);
    // Drops every cached model file; the meshes built from them keep their buffers.
    void FreeModelData();
    // Unloads every mesh, static ones included, and frees both pools.
    void ReleaseAll();

    float GlobalScale() const { return globalScale; }
    float Scale() const { return scale; }
    void SetGlobalScale(float value) { globalScale = scale = value; }
    void SetScale(float value) { scale = value; }

    // The cached model file of path + file name, or null.
    const Md2Model* CachedModel(const std::string& key) const;
    std::size_t CachedModelCount() const { return model_cache.size(); }
    // How many times a model file was parsed since the manager was made.
    std::size_t ModelParseCount() const { return parse_count; }

protected:
    void Recycle(cMesh* mesh) override;

private:
    cMesh* LoadMd2Mesh(const std::string& name, const std::string& file, const MeshBoundsRequest& bounds);
    cMesh* LoadStaticMesh(const std::string& name, const std::string& file, const MeshBoundsRequest& bounds);
    // The cached parse of the file, parsing it first when it is not cached; null when it is refused.
    const Md2Model* Model(const std::string& file);
    // A registered mesh with one more user; or a new one made by build from the pool and registered.
    template <typename Build>
    cMesh* CreateProcedural(const std::string& name, Build build);
    void LoadCatalogueMesh(const tinyxml2::XMLElement& element);

    iHardwareBufferManager& buffers;
    float globalScale = 1.0f;
    float scale = 1.0f;
    std::map<std::string, std::unique_ptr<Md2Model>> model_cache;
    std::size_t parse_count = 0;
    cBlockPool<cStaticMesh, kStaticMeshBlock> static_pool;
};

}  // namespace Engine
