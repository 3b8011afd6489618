#include "game/states/ScreenPictures.h"

#include "engine/core/cLog.h"
#include "engine/resource/cResourceSystem.h"
#include "engine/resource/cTextureSet.h"
#include "engine/resource/iTextureManager.h"
#include "engine/ui/cGUIManager.h"

namespace Game {

namespace {

// A set the catalogue lacks comes back empty from the texture manager, or not at all.
bool TextureMissing(const Engine::cUIImage& image) {
    if (Engine::cResourceSystem::Instance().TextureManager() == nullptr) return false;
    const Engine::cTextureSet* set = image.Sprite().TextureSet();
    return set == nullptr || set->Textures().empty();
}

}  // namespace

Engine::cUIImage* CreateScreenPicture(const std::string& who, const std::string& texture_set,
                                      const std::string& name, const Engine::UIVector2& centre,
                                      const Engine::UIVector2& size, std::uint8_t layer) {
    Engine::cGUIManager& gui = Engine::cGUIManager::Instance();
    Engine::cUIImage* image = gui.CreateImage(centre, texture_set, name, size.x, size.y, layer);
    if (!TextureMissing(*image)) return image;
    Engine::LogError(who + ": there is no texture set \"" + texture_set + "\"; its picture is left out");
    gui.DestroyElement(image);
    return nullptr;
}

}  // namespace Game
