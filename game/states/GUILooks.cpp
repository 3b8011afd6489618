#include "game/states/GUILooks.h"

#include "engine/ui/cGUIManager.h"

namespace Game {

namespace {
constexpr Engine::ColorRGBA kMoonWhite{0.93f, 0.94f, 1.0f, 1.0f};
}  // namespace

void SetElementAlpha(Engine::cUIElementBase* element, float alpha) {
    using Engine::cUIElementBase;
    if (element == nullptr) return;
    switch (element->kind) {
        case cUIElementBase::kPanel: static_cast<Engine::cUIPanel*>(element)->Sprite().emissive.a = alpha; break;
        case cUIElementBase::kImage: static_cast<Engine::cUIImage*>(element)->Sprite().emissive.a = alpha; break;
        case cUIElementBase::kInteractiveImage:
            static_cast<Engine::cUIInteractiveImage*>(element)->Sprite().emissive.a = alpha;
            break;
        case cUIElementBase::kTextbox: static_cast<Engine::cUITextbox*>(element)->Font().emissive.a = alpha; break;
        case cUIElementBase::kButton: {
            auto* button = static_cast<Engine::cUIButton*>(element);
            button->Sprite().emissive.a = alpha;
            button->Font().emissive.a = alpha;
            break;
        }
        default: break;
    }
}

void WriteTextsInMoonlight() {
    for (const auto& [name, element] : Engine::cGUIManager::Instance().Elements()) {
        if (element->kind == Engine::cUIElementBase::kTextbox) {
            static_cast<Engine::cUITextbox*>(element)->Font().emissive = kMoonWhite;
        } else if (element->kind == Engine::cUIElementBase::kButton) {
            static_cast<Engine::cUIButton*>(element)->Font().emissive = kMoonWhite;
        }
    }
}

}  // namespace Game
