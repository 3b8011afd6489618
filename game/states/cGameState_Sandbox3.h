#pragma once
// cGameState_Sandbox3: the GUI gallery (state 9), a developer state that
// shows one element of every kind over the render test scene.
//
// The garden of the render test scene runs behind a panel built from the
// layout "GUIGallery.xml": text boxes, an editable text box, an interactive
// image, buttons (one with the sound icon) and a plain image, with the
// on-screen cursor above them. Clicking a button writes its text into the
// status line (and every status line goes to the log); clicking the banner picture queues the next
// achievement banner, which slides across the top as play shows it. What
// was typed into the box is logged on leaving, so a scripted run can check
// the whole route from input events to the GUI.

#include <cstdint>
#include <string>

#include "game/states/cGameState_Sandbox2.h"

namespace Engine {
class cUIInteractiveElement;
}

namespace Game {

class cGameState_Sandbox3 : public cGameState_Sandbox2 {
public:
    static constexpr const char* kLayout = "GUIGallery.xml";
    static constexpr const char* kStatusName = "GalleryPanel_textbox_2";
    static constexpr const char* kTextBoxName = "GalleryPanel_editabletextbox_3";
    static constexpr const char* kBannerPictureName = "GalleryPanel_interactiveimage_4";

    void Enter() override;
    void Update(float dt) override;
    void Exit() override;

private:
    void ConnectButtons();
    void OnButtonClicked(Engine::cUIInteractiveElement* element);
    void OnBannerPictureClicked();
    void ShowStatus(const std::string& text);

    std::int32_t next_banner = 0;
};

}  // namespace Game
