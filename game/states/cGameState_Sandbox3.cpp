#include "game/states/cGameState_Sandbox3.h"

#include "engine/core/cLog.h"
#include "engine/ui/cGUIManager.h"
#include "game/data/cAchievementStore.h"

namespace Game {

namespace {

constexpr const char* kLayoutFolder = "GameData/XML_Game/";
// The gallery's buttons: the panel's children after its three text boxes, its
// editable box and its interactive image.
constexpr const char* kButtonNames[] = {"GalleryPanel_button_5", "GalleryPanel_button_6", "GalleryPanel_button_7"};

}  // namespace

void cGameState_Sandbox3::Enter() {
    cGameState_Sandbox2::Enter();
    Engine::cGUIManager& gui = Engine::cGUIManager::Instance();
    if (!gui.LoadLayout(kLayoutFolder + std::string(kLayout))) return;
    cAchievementStore::Instance().LoadBannerLayout(kLayoutFolder);
    ConnectButtons();
    gui.ShowCursor();
    next_banner = 0;
}

void cGameState_Sandbox3::Update(float dt) {
    cGameState_Sandbox2::Update(dt);
    Engine::cGUIManager::Instance().Update(dt);
    cAchievementStore::Instance().UpdateBanners(dt);
}

void cGameState_Sandbox3::Exit() {
    Engine::cGUIManager& gui = Engine::cGUIManager::Instance();
    const auto& elements = gui.Elements();
    const auto box = elements.find(kTextBoxName);
    if (box != elements.end()) {
        const auto* typed = static_cast<const Engine::cUIEditableTextbox*>(box->second);
        Engine::LogEngine("GUI gallery: the text box holds \"" + typed->Text() + "\"");
    }
    gui.Clear();
    cGameState_Sandbox2::Exit();
}

void cGameState_Sandbox3::ConnectButtons() {
    Engine::cGUIManager& gui = Engine::cGUIManager::Instance();
    for (const char* name : kButtonNames) {
        gui.SetButtonCallback(name, [this](Engine::cUIInteractiveElement* element) { OnButtonClicked(element); });
    }
    const auto& interactive = gui.Interactive();
    const auto picture = interactive.find(kBannerPictureName);
    if (picture == interactive.end()) {
        Engine::LogError("GUI gallery: the layout has no \"" + std::string(kBannerPictureName) + "\"");
        return;
    }
    picture->second->onClick = [this](Engine::cUIInteractiveElement*) { OnBannerPictureClicked(); };
}

void cGameState_Sandbox3::OnButtonClicked(Engine::cUIInteractiveElement* element) {
    ShowStatus("Clicked: " + static_cast<const Engine::cUIButton*>(element)->Text());
}

// The picture takes a press as a click, and the release over it clicks it
// again: one banner is queued per press, not per call.
void cGameState_Sandbox3::OnBannerPictureClicked() {
    cAchievementStore& store = cAchievementStore::Instance();
    if (store.QueuedBanners() > 0) return;
    store.QueueBanner(next_banner);
    ShowStatus("Banner " + std::to_string(next_banner) + " on its way");
    next_banner = (next_banner + 1) % cAchievementStore::kBannerCount;
}

void cGameState_Sandbox3::ShowStatus(const std::string& text) {
    Engine::LogEngine("GUI gallery: " + text);
    Engine::cGUIManager::Instance().SetElementText(kStatusName, text);
}

}  // namespace Game
