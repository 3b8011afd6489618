#include "engine/resource/cMeshManager.h"

#include <tinyxml2.h>

#include "engine/core/XmlAttributes.h"
#include "engine/core/cLog.h"
#include "engine/core/cXmlFile.h"
#include "engine/resource/Md2MeshBuilder.h"
#include "engine/resource/MeshBaking.h"
#include "engine/resource/ProceduralMeshes.h"

namespace Engine {
namespace {

// The extension as the loaders see it: from the first "." to the end, or empty.
std::string ExtensionOf(const std::string& file_name) {
    const std::size_t dot = file_name.find('.');
    return dot == std::string::npos ? std::string() : file_name.substr(dot);
}

MeshBoundsRequest CatalogueBounds(const tinyxml2::XMLElement& mesh) {
    MeshBoundsRequest bounds;
    if (const tinyxml2::XMLElement* box = mesh.FirstChildElement("EnforcedAABB")) {
        bounds.computeBox = false;
        bounds.box.min = {ReadFloat(box, "minx", 0.0f), ReadFloat(box, "miny", 0.0f), ReadFloat(box, "minz", 0.0f)};
        bounds.box.max = {ReadFloat(box, "maxx", 0.0f), ReadFloat(box, "maxy", 0.0f), ReadFloat(box, "maxz", 0.0f)};
    }
    if (const tinyxml2::XMLElement* sphere = mesh.FirstChildElement("EnforcedSphere")) {
        bounds.computeSphere = false;
        bounds.sphere = {ReadFloat(sphere, "x", 0.0f), ReadFloat(sphere, "y", 0.0f), ReadFloat(sphere, "z", 0.0f),
                         ReadFloat(sphere, "radius", 0.0f)};
    }
    return bounds;
}

}  // namespace

cMeshManager::cMeshManager(iHardwareBufferManager& buffer_manager) : buffers(buffer_manager) {}

cMeshManager::~cMeshManager() { ReleaseAll(); }

cMesh* cMeshManager::LoadMesh(const std::string& name, const std::string& file_name, const std::string& path,
                              const Vector4& sphere, const AABB& box, bool compute_sphere, bool compute_box) {
    if (cMesh* registered = Acquire(name)) return registered;
    const MeshBoundsRequest bounds{sphere, box, compute_sphere, compute_box};
    const std::string extension = ExtensionOf(file_name);
    if (extension == ".md2") return LoadMd2Mesh(name, path + file_name, bounds);
    if (extension == ".X") return LoadStaticMesh(name, path + file_name, bounds);
    LogError("mesh " + name + ": no loader for the extension \"" + extension + "\" of " + file_name);
    return nullptr;
}

cMesh* cMeshManager::CreateSpriteQuad(const std::string& name, float width, float height) {
    return CreateProcedural(name, [&](cMesh& mesh) { return BuildSpriteQuad(mesh, width, height, buffers); });
}

cMesh* cMeshManager::CreateBillboardQuad(const std::string& name, float width, float height) {
    return CreateProcedural(name, [&](cMesh& mesh) { return BuildBillboardQuad(mesh, width, height, buffers); });
}

cMesh* cMeshManager::CreateSkyBoxFace(const std::string& name, uint32_t face, float half) {
    return CreateProcedural(name, [&](cMesh& mesh) { return BuildSkyBoxFace(mesh, face, half, buffers); });
}

cMesh* cMeshManager::CreateLineMesh(const std::string& name, float length) {
    return CreateProcedural(name, [&](cMesh& mesh) { return BuildLineMesh(mesh, length, buffers); });
}

cMesh* cMeshManager::CreateBoxMesh(const std::string& name, const AABB& box, const ColorRGBA& colour) {
    return CreateProcedural(name, [&](cMesh& mesh) { return BuildBoxMesh(mesh, box, colour, buffers); });
}

cMesh* cMeshManager::CreateSphereMesh(const std::string& name, const Vector4& sphere, const ColorRGBA& colour) {
    return CreateProcedural(name, [&](cMesh& mesh) { return BuildSphereMesh(mesh, sphere, colour, buffers); });
}

cMesh* cMeshManager::CreateBakedMesh(const std::string& name, cMesh& source,
                                     const std::vector<Matrix4x4>& placements) {
    return CreateProcedural(name, [&](cMesh& mesh) { return BuildBakedMesh(mesh, source, placements, buffers); });
}

bool cMeshManager::LoadMeshCatalogue(const std::string& directory, const std::string& file_name) {
    cXmlFile file(directory + file_name);
    const tinyxml2::XMLElement* root = file.IsOpen() ? file.Document().RootElement() : nullptr;
    if (root == nullptr) {
        LogError("mesh catalogue " + file.Path() + " could not be opened");
        return false;
    }
    SetGlobalScale(ReadFloat(root->FirstChildElement("GlobalScale"), "val", 1.0f));
    for (const tinyxml2::XMLElement* mesh = root->FirstChildElement("Mesh"); mesh != nullptr;
         mesh = mesh->NextSiblingElement("Mesh"))
        LoadCatalogueMesh(*mesh);
    return true;
}

void cMeshManager::FreeModelData() { model_cache.clear(); }

void cMeshManager::ReleaseAll() {
    ResourceManager::ReleaseAll();
    for (cStaticMesh* mesh : static_pool.Objects()) mesh->Unload();
    static_pool.RequeueAll();
}

const Md2Model* cMeshManager::CachedModel(const std::string& key) const {
    const auto entry = model_cache.find(key);
    return entry == model_cache.end() ? nullptr : entry->second.get();
}

void cMeshManager::Recycle(cMesh* mesh) {
    if (auto* static_mesh = dynamic_cast<cStaticMesh*>(mesh)) {
        static_pool.GiveBack(static_mesh);
        return;
    }
    ResourceManager::Recycle(mesh);
}

cMesh* cMeshManager::LoadMd2Mesh(const std::string& name, const std::string& file, const MeshBoundsRequest& bounds) {
    cMesh* mesh = TakeFree();
    mesh->InitResource(name, file);
    if (const Md2Model* model = Model(file)) BuildMd2Mesh(*mesh, *model, scale, buffers, bounds);
    Register(mesh);
    return mesh;
}

cMesh* cMeshManager::LoadStaticMesh(const std::string& name, const std::string& file,
                                    const MeshBoundsRequest& bounds) {
    cStaticMesh* mesh = static_pool.Take();
    mesh->InitResource(name, file);
    mesh->Load(file, scale, buffers, bounds);
    Register(mesh);
    return mesh;
}

const Md2Model* cMeshManager::Model(const std::string& file) {
    if (const Md2Model* cached = CachedModel(file)) return cached;
    auto model = std::make_unique<Md2Model>();
    ++parse_count;
    if (!model->LoadFile(file)) return nullptr;
    return model_cache.emplace(file, std::move(model)).first->second.get();
}

template <typename Build>
cMesh* cMeshManager::CreateProcedural(const std::string& name, Build build) {
    if (cMesh* registered = Acquire(name)) return registered;
    cMesh* mesh = TakeFree();
    mesh->InitResource(name, {});
    build(*mesh);
    Register(mesh);
    return mesh;
}

void cMeshManager::LoadCatalogueMesh(const tinyxml2::XMLElement& element) {
    const std::string name = ReadString(&element, "name", "noMeshName");
    const float own_scale = ReadFloat(&element, "scale", 0.0f);
    if (own_scale != 0.0f) scale = own_scale;
    const tinyxml2::XMLElement* file = element.FirstChildElement("MeshFile");
    const std::string file_name = ReadString(file, "filename", "nomesh.md2");
    const std::string path = ReadString(file, "path", "");
    const MeshBoundsRequest bounds = CatalogueBounds(element);
    LoadMesh(name, file_name, path, bounds.sphere, bounds.box, bounds.computeSphere, bounds.computeBox);
    scale = globalScale;
}

}  // namespace Engine
