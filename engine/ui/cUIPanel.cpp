#include "engine/ui/cUIPanel.h"

#include "engine/render/scene/iSpriteLayers.h"
#include "engine/ui/cGUIManager.h"
#include "engine/ui/cUIButton.h"
#include "engine/ui/cUIEditableTextbox.h"
#include "engine/ui/cUIImage.h"
#include "engine/ui/cUIInteractiveImage.h"
#include "engine/ui/cUITextbox.h"

namespace Engine {

void cUIPanel::Release() {
    // Children first: the manager takes each out of its tables and pool.
    const std::vector<Child> owned = std::move(children);
    children.clear();
    if (gui) {
        for (const Child& child : owned) gui->DestroyElement(child.first);
    }
    gui = nullptr;
    sprite.Reset();
    cUIElementBase::Release();
}

void cUIPanel::SetVisible(bool visible) {
    sprite.visible = visible;
    for (const Child& child : children) child.first->SetVisible(visible);
}

void cUIPanel::SetPosition(const UIVector2& position) {
    cUIElementBase::SetPosition(position);
    for (const Child& child : children) child.first->SetPosition(AbsolutePosition(child.second));
}

void cUIPanel::Refresh() {
    cUIElementBase::Refresh();
    sprite.SetSize(PixelWidth(), PixelHeight());
}

void cUIPanel::InitPanel(const std::string& new_name, cGUIManager* manager, uint8_t panel_layer) {
    Init(new_name, kPanel);
    layer = panel_layer;
    sprite.transform = &transform;
    gui = manager;
}

cUITextbox* cUIPanel::AddTextbox(const std::string& text, float child_width, float child_height,
                                 const UIVector2& relative) {
    if (!gui) return nullptr;
    cUITextbox* child = gui->CreateTextbox(text, {}, ChildName("textbox"), child_width, child_height, ChildLayer());
    Adopt(child, relative);
    return child;
}

cUIEditableTextbox* cUIPanel::AddEditableTextbox(const UIVector2& relative, float child_width, float child_height) {
    if (!gui) return nullptr;
    cUIEditableTextbox* child =
        gui->CreateEditableTextbox({}, ChildName("editabletextbox"), child_width, child_height, ChildLayer());
    Adopt(child, relative);
    return child;
}

cUIInteractiveImage* cUIPanel::AddInteractiveImage(const UIVector2& relative, float child_width, float child_height,
                                                   const std::string& texture_set) {
    if (!gui) return nullptr;
    cUIInteractiveImage* child = gui->CreateInteractiveImage({}, texture_set, ChildName("interactiveimage"),
                                                             child_width, child_height, ChildLayer());
    Adopt(child, relative);
    return child;
}

cUIButton* cUIPanel::AddButton(const std::string& texture_set, const std::string& text, float child_width,
                               float child_height, const UIVector2& relative, uint32_t frame_width,
                               uint32_t frame_height) {
    if (!gui) return nullptr;
    cUIButton* child = gui->CreateButton({}, texture_set, ChildName("button"), text, child_width, child_height,
                                         frame_width, frame_height, ChildLayer());
    Adopt(child, relative);
    return child;
}

cUIImage* cUIPanel::AddImage(const UIVector2& relative, float child_width, float child_height,
                             const std::string& texture_set) {
    if (!gui) return nullptr;
    cUIImage* child = gui->CreateImage({}, texture_set, ChildName("image"), child_width, child_height, ChildLayer());
    Adopt(child, relative);
    return child;
}

UIVector2 cUIPanel::AbsolutePosition(const UIVector2& relative) const {
    const UIVector2 screen = GetScreenPosition();
    const float x = screen.x - PixelWidth() / 2.0f + relative.x * PixelWidth();
    const float y = screen.y - PixelHeight() / 2.0f + relative.y * PixelHeight();
    return {x / ViewportWidth(), y / ViewportHeight()};
}

std::string cUIPanel::ChildName(const char* kind_name) const {
    return name + "_" + kind_name + "_" + std::to_string(children.size());
}

uint8_t cUIPanel::ChildLayer() const {
    return layer + 1 < iSpriteLayers::kLayerCount ? static_cast<uint8_t>(layer + 1) : layer;
}

void cUIPanel::Adopt(cUIElementBase* child, const UIVector2& relative) {
    child->parent = this;
    child->SetPosition(AbsolutePosition(relative));
    child->SetVisible(IsVisible());
    children.emplace_back(child, relative);
}

}  // namespace Engine
