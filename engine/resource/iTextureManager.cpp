#include "engine/resource/iTextureManager.h"

#include <algorithm>  // std::erase

#include "engine/core/XmlAttributes.h"
#include "engine/core/cLog.h"
#include "engine/core/cXmlFile.h"
#include "engine/render/cDeviceResetOrder.h"
#include "engine/resource/ImageFile.h"
#include "engine/resource/eTextureFormat.h"
#include "engine/resource/eTextureType.h"
#include "engine/resource/iTexture.h"

namespace Engine {
namespace {

constexpr int32_t kCubeFaces = 6;
// Face file suffixes in the device's face order +X, -X, +Y, -Y, +Z, -Z.
constexpr const char* kCubeFaceSuffixes[kCubeFaces] = {"_rt", "_lf", "_up", "_dn", "_fr", "_bk"};

// The stage a catalogue texture type binds to; unknown types bind to 0.
int32_t StageOfType(const std::string& type) {
    if (type == "specular") return 1;
    if (type == "emissive") return 2;
    if (type == "normal") return 3;
    return 0;
}

// Only these catalogue texture types are loaded.
bool IsLoadedType(const std::string& type) { return type == "diffuse" || type == "specular"; }

// Why a texture of this description cannot be made, or empty when it can.
std::string RefusalOf(const std::string& name, int32_t type, int32_t width, int32_t height, int32_t format) {
    if (name.empty()) return "a texture needs a name";
    if (!IsTextureType(type)) return "texture type " + std::to_string(type) + " does not exist";
    if (width <= 0 || height <= 0 || width > kMaxImageSide || height > kMaxImageSide) {
        return "a texture cannot be " + std::to_string(width) + " x " + std::to_string(height) + " texels";
    }
    if (type != TT_DepthSurface && !IsTextureFormat(format)) {
        return "texture format " + std::to_string(format) + " does not exist";
    }
    if (type == TT_1D && height != 1) return "a 1D texture has one row";
    if (type == TT_Cube && width != height) return "cube faces are square";
    return {};
}

// The six face file names of a cube texture: the name split at its last ".".
std::vector<std::string> CubeFaceFiles(const std::string& file_name) {
    const std::size_t dot = file_name.rfind('.');
    const std::string base = dot == std::string::npos ? file_name : file_name.substr(0, dot);
    const std::string extension = dot == std::string::npos ? std::string() : file_name.substr(dot);
    std::vector<std::string> faces;
    for (const char* suffix : kCubeFaceSuffixes) faces.push_back(base + suffix + extension);
    return faces;
}

}  // namespace

iTextureManager::iTextureManager(iRenderer& renderer_) : renderer(renderer_) {
    cDeviceResetOrder::Instance().Register(eDeviceResetStage::Textures, this);
    texture_sets.Get(kDefaultTextureSet)->SetManager(this);
}

iTextureManager::~iTextureManager() {
    if (cDeviceResetOrder::Exists()) cDeviceResetOrder::Instance().Unregister(this);
}

iTexture* iTextureManager::CreateTexture(const std::string& name, int32_t type, int32_t width, int32_t height,
                                         int32_t format, const uint8_t* pixels) {
    if (iTexture* registered = Reuse(name)) return registered;
    const std::string refusal = RefusalOf(name, type, width, height, format);
    if (!refusal.empty()) {
        LogError(refusal + "; texture \"" + name + "\" is not made");
        return nullptr;
    }
    const uint8_t* const faces[kCubeFaces] = {pixels, pixels, pixels, pixels, pixels, pixels};
    return Make(name, {}, type, width, height, format, faces);
}

iTexture* iTextureManager::Load1DTexture(const std::string& file_name, const std::string& path) {
    if (iTexture* registered = Reuse(file_name)) return registered;
    DecodedImage image;
    if (!ReadImageFile(path + file_name, image)) return nullptr;
    if (image.height != 1) {
        LogError(path + file_name + " is not 1D texture.");
        return nullptr;
    }
    if (!RefusalOf(file_name, TT_1D, image.width, 1, image.format).empty()) {
        LogError(path + file_name + " is too large for a texture.");
        return nullptr;
    }
    const uint8_t* const faces[kCubeFaces] = {image.pixels.data()};
    return Make(file_name, path, TT_1D, image.width, 1, image.format, faces);
}

iTexture* iTextureManager::LoadTexture(const std::string& file_name, const std::string& path) {
    if (iTexture* registered = Reuse(file_name)) return registered;
    DecodedImage image;
    if (!ReadImageFile(path + file_name, image)) return nullptr;
    if (!RefusalOf(file_name, TT_2D, image.width, image.height, image.format).empty()) {
        LogError(path + file_name + " is too large for a texture.");
        return nullptr;
    }
    const uint8_t* const faces[kCubeFaces] = {image.pixels.data()};
    return Make(file_name, path, TT_2D, image.width, image.height, image.format, faces);
}

iTexture* iTextureManager::LoadCubeTexture(const std::string& file_name, const std::string& path) {
    if (iTexture* registered = Reuse(file_name)) return registered;
    const std::vector<std::string> face_files = CubeFaceFiles(file_name);
    DecodedImage images[kCubeFaces];
    for (int32_t face = 0; face < kCubeFaces; ++face) {
        if (!ReadImageFile(path + face_files[face], images[face])) return nullptr;
    }
    const DecodedImage& last = images[kCubeFaces - 1];
    for (const DecodedImage& image : images) {
        if (image.width != image.height || image.width != last.width ||
            !RefusalOf(file_name, TT_Cube, image.width, image.height, last.format).empty()) {
            LogError(path + file_name + " : the six cube faces must be square images of one size.");
            return nullptr;
        }
    }
    const uint8_t* const faces[kCubeFaces] = {images[0].pixels.data(), images[1].pixels.data(),
                                              images[2].pixels.data(), images[3].pixels.data(),
                                              images[4].pixels.data(), images[5].pixels.data()};
    return Make(file_name, path, TT_Cube, last.width, last.height, last.format, faces);
}

void iTextureManager::ReleaseAll() {
    // The sets' pointers would otherwise name objects that the pool hands out again.
    for (const auto& [name, set] : texture_sets.Registry()) set->ForgetTextures();
    renderTargets.clear();
    DropAllTextures();
}

void iTextureManager::Release(iTexture*& texture) {
    if (texture != nullptr && FindTexture(texture->Name()) == texture) ReleaseByName(texture->Name());
    texture = nullptr;
}

void iTextureManager::ReleaseByName(const std::string& name) {
    iTexture* texture = FindTexture(name);
    if (texture == nullptr) return;
    if (texture->RefCount() <= 1) std::erase(renderTargets, texture);
    DropTexture(name);
}

bool iTextureManager::LoadTextureCatalogue(const std::string& directory, const std::string& file_name) {
    cXmlFile file(directory + file_name);
    if (!file.IsOpen()) {
        LogError("Cannot read the texture catalogue " + file.Path() + "; no texture sets are made");
        return false;
    }
    const tinyxml2::XMLElement* root = file.First().element;
    if (root == nullptr) return true;
    for (auto* entry = root->FirstChildElement("TextureSet"); entry != nullptr;
         entry = entry->NextSiblingElement("TextureSet")) {
        const std::string set_name = ReadString(entry, "name", "noname");
        if (set_name == "noname") continue;
        cTextureSet* set = GetTextureSet(set_name);
        for (auto* texture = entry->FirstChildElement("Texture"); texture != nullptr;
             texture = texture->NextSiblingElement("Texture")) {
            const std::string type = ReadString(texture, "type", "InvalidType");
            if (!IsLoadedType(type)) continue;
            iTexture* loaded = LoadTexture(ReadString(texture, "filename", "InvalidFilename"),
                                           ReadString(texture, "path", "InvalidPath"));
            if (loaded == nullptr) continue;
            loaded->SetStage(StageOfType(type));
            set->AddTexture(loaded);
        }
    }
    return true;
}

void iTextureManager::OnDeviceLost() {
    for (iTexture* target : renderTargets) target->OnDeviceLost();
}

void iTextureManager::OnDeviceReset() {
    for (iTexture* target : renderTargets) target->OnDeviceReset();
    ApplyDefaultSamplerStates();
}

cTextureSet* iTextureManager::GetTextureSet(const std::string& name) {
    cTextureSet* set = texture_sets.Get(name);
    if (set != nullptr) set->SetManager(this);
    return set;
}

void iTextureManager::ReleaseTextureSet(cTextureSet*& set) { texture_sets.Release(set); }

void iTextureManager::ReleaseEverything() {
    texture_sets.ReleaseAll();
    renderTargets.clear();
    DropAllTextures();
}

iTexture* iTextureManager::Reuse(const std::string& name) {
    iTexture* registered = FindTexture(name);
    if (registered != nullptr) registered->AddRef();
    return registered;
}

iTexture* iTextureManager::Make(const std::string& name, const std::string& source, int32_t type, int32_t width,
                                int32_t height, int32_t format, const uint8_t* const faces[6]) {
    iTexture* texture = NewTexture(name);
    texture->Setup(name, source, type, width, height, mipLevels, format);
    const bool made = type == TT_Cube ? texture->CreateDeviceCube(faces) : texture->CreateDeviceTexture(faces[0]);
    if (!made) {
        DropTexture(name);
        return nullptr;
    }
    if (IsRenderTargetType(type)) renderTargets.push_back(texture);
    return texture;
}

}  // namespace Engine
