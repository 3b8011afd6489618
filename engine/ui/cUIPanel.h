#pragma once
// cUIPanel: a backdrop sprite that groups child elements. Each child keeps
// its position relative to the panel, from (0, 0) at the panel's lower left
// corner to (1, 1) at its upper right, and is drawn one layer above the
// panel's sprite. Showing, hiding or moving the panel does the same to every
// child, and releasing it releases them.
//
// Children are named after the panel, their kind and their number among all
// earlier children of any kind: "MenuPanel_button_0", "MenuPanel_image_1".

#include <string>
#include <utility>
#include <vector>

#include "engine/render/scene/cSpriteGfxCmp.h"
#include "engine/ui/cUIElementBase.h"

namespace Engine {

class cGUIManager;
class cUIButton;
class cUIEditableTextbox;
class cUIImage;
class cUIInteractiveImage;
class cUITextbox;

class cUIPanel : public cUIElementBase {
public:
    void Release() override;
    void SetVisible(bool visible) override;
    bool IsVisible() const override { return sprite.visible; }
    void Update(float) override {}
    void SetPosition(const UIVector2& position) override;
    void Refresh() override;

    // Init as a panel over the initialised sprite; children are made through the manager.
    // Children are drawn one layer above the panel's layer (the top layer at most).
    void InitPanel(const std::string& new_name, cGUIManager* manager, uint8_t panel_layer);

    cUITextbox* AddTextbox(const std::string& text, float child_width, float child_height,
                           const UIVector2& relative);
    cUIEditableTextbox* AddEditableTextbox(const UIVector2& relative, float child_width, float child_height);
    cUIInteractiveImage* AddInteractiveImage(const UIVector2& relative, float child_width, float child_height,
                                             const std::string& texture_set);
    cUIButton* AddButton(const std::string& texture_set, const std::string& text, float child_width,
                         float child_height, const UIVector2& relative, uint32_t frame_width,
                         uint32_t frame_height);
    cUIImage* AddImage(const UIVector2& relative, float child_width, float child_height,
                       const std::string& texture_set);

    // The normalised position of a point given relative to the panel.
    UIVector2 AbsolutePosition(const UIVector2& relative) const;

    using Child = std::pair<cUIElementBase*, UIVector2>;
    const std::vector<Child>& Children() const { return children; }
    cSpriteGfxCmp& Sprite() { return sprite; }

private:
    // The next child's name and layer.
    std::string ChildName(const char* kind_name) const;
    uint8_t ChildLayer() const;
    // Records the child, places it and gives it the panel's visibility.
    void Adopt(cUIElementBase* child, const UIVector2& relative);

    cSpriteGfxCmp sprite;
    std::vector<Child> children;
    cGUIManager* gui = nullptr;
    uint8_t layer = 0;
};

}  // namespace Engine
