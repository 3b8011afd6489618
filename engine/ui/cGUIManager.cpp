#include "engine/ui/cGUIManager.h"

#include <tinyxml2.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "engine/core/XmlAttributes.h"
#include "engine/core/cLog.h"
#include "engine/core/cXmlFile.h"
#include "engine/platform/cMouseState.h"
#include "engine/platform/cWindow.h"
#include "engine/render/cDeviceResetOrder.h"
#include "engine/render/scene/SceneRendererAccess.h"
#include "engine/render/scene/cSceneRenderer.h"
#include "engine/ui/cGUIKeyboardListener.h"
#include "engine/ui/cGUIMouseListener.h"

namespace Engine {

namespace {

constexpr const char* kNoTexture = "nomat";
constexpr const char* kNoBackground = "invalidmat";
constexpr const char* kInvalidName = "invalid";
constexpr float kBackgroundSize = 1.001f;

constexpr const char* kTopLevelKinds[] = {"GUIBackground", "UIImage", "UIInteractiveImage", "UITextbox",
                                          "UIEditableTextbox", "UIButton", "UIPanel", nullptr};
constexpr const char* kPanelChildKinds[] = {"UITextbox", "UIEditableTextbox", "UIInteractiveImage", "UIButton",
                                            "UIImage", nullptr};

// The attributes every element of a layout may give.
struct ElementAttributes {
    std::string name;
    std::string textureSet;
    std::string text;
    UIVector2 position;
    float width = 0.0f;
    float height = 0.0f;
    uint8_t layer = cGUIManager::kDefaultLayer;
    bool visible = true;
    uint32_t frameWidth = 0;
    uint32_t frameHeight = 0;
};

// A layer outside 0 to 10 is logged and drawn in the default layer.
uint8_t ReadLayer(const tinyxml2::XMLElement& element, const std::string& name) {
    const int layer = ReadInt(&element, "layer", cGUIManager::kDefaultLayer);
    if (layer >= 0 && layer < iSpriteLayers::kLayerCount) return static_cast<uint8_t>(layer);
    LogError("GUI element \"" + name + "\" has layer " + std::to_string(layer) + " outside 0 to 10; it uses layer " +
             std::to_string(cGUIManager::kDefaultLayer));
    return cGUIManager::kDefaultLayer;
}

ElementAttributes ReadAttributes(const tinyxml2::XMLElement& element) {
    ElementAttributes a;
    a.name = ReadString(&element, "name", kInvalidName);
    a.textureSet = ReadString(&element, "TSname", kNoTexture);
    a.text = ReadString(&element, "text", "");
    a.position = {ReadFloat(&element, "normPosX", 0.0f), ReadFloat(&element, "normPosY", 0.0f)};
    a.width = ReadFloat(&element, "normwidth", 0.0f);
    a.height = ReadFloat(&element, "normheight", 0.0f);
    a.layer = ReadLayer(element, a.name);
    a.visible = ReadInt(&element, "visible", 1) != 0;
    a.frameWidth = ReadUnsigned(&element, "framewidth", 0);
    a.frameHeight = ReadUnsigned(&element, "frameheight", 0);
    return a;
}

bool Named(const ElementAttributes& a) { return !a.name.empty() && a.name != kInvalidName; }

// The texture set a sprite asks for: "nomat" means none.
std::string TextureOrNone(const std::string& texture_set) { return texture_set == kNoTexture ? "" : texture_set; }

// Calls visit on every child element of parent named kind, in document order.
template <typename Visit>
void ForEachNamed(const tinyxml2::XMLElement& parent, const char* kind, Visit visit) {
    for (const tinyxml2::XMLElement* e = parent.FirstChildElement(kind); e; e = e->NextSiblingElement(kind)) {
        visit(*e);
    }
}

}  // namespace

cGUIManager::cGUIManager() {
    if (cSceneRenderer* scene = GetSceneRenderer()) {
        layers = scene;
        viewport = scene->Viewports().viewport;
    }
    mouseListener = std::make_unique<cGUIMouseListener>(*this);
    keyboardListener = std::make_unique<cGUIKeyboardListener>(*this);
    // Made after the scene renderer, so its viewports are already new when this hears of a change.
    cDeviceResetOrder::Instance().AddDisplayModeListener(this);
}

// The window may be gone at shut-down, so the cursor goes without touching it.
cGUIManager::~cGUIManager() {
    if (cDeviceResetOrder::Exists()) cDeviceResetOrder::Instance().RemoveDisplayModeListener(this);
    Clear();
    if (cursor) cursor->Release();
}

bool cGUIManager::LoadLayout(const std::string& path) {
    cXmlFile file(path);
    const tinyxml2::XMLElement* root = file.IsOpen() ? file.First().element : nullptr;
    if (root == nullptr) {
        LogError("GUI layout \"" + path + "\" could not be read; nothing was built from it");
        return false;
    }
    LogUnknownElements(*root, kTopLevelKinds, path.c_str());
    LoadTopLevel(*root);
    ForEachNamed(*root, "UIPanel", [this](const tinyxml2::XMLElement& e) { LoadPanel(e); });
    return true;
}

void cGUIManager::LoadTopLevel(const tinyxml2::XMLElement& root) {
    if (const tinyxml2::XMLElement* e = root.FirstChildElement("GUIBackground")) {
        const std::string texture_set = ReadString(e, "TSname", kNoBackground);
        if (texture_set != kNoBackground) SetBackground(texture_set);
    }
    auto each = [&root](const char* kind, auto create) {
        ForEachNamed(root, kind, [&create](const tinyxml2::XMLElement& e) {
            const ElementAttributes a = ReadAttributes(e);
            if (Named(a)) create(a)->SetVisible(a.visible);
        });
    };
    each("UIImage", [this](const ElementAttributes& a) {
        return CreateImage(a.position, a.textureSet, a.name, a.width, a.height, a.layer);
    });
    each("UIInteractiveImage", [this](const ElementAttributes& a) {
        return CreateInteractiveImage(a.position, a.textureSet, a.name, a.width, a.height, a.layer);
    });
    each("UITextbox", [this](const ElementAttributes& a) {
        return CreateTextbox(a.text, a.position, a.name, a.width, a.height, a.layer);
    });
    each("UIEditableTextbox", [this](const ElementAttributes& a) {
        return CreateEditableTextbox(a.position, a.name, a.width, a.height, a.layer);
    });
    each("UIButton", [this](const ElementAttributes& a) {
        return CreateButton(a.position, a.textureSet, a.name, a.text, a.width, a.height, a.frameWidth,
                            a.frameHeight, a.layer);
    });
}

void cGUIManager::LoadPanel(const tinyxml2::XMLElement& element) {
    const ElementAttributes a = ReadAttributes(element);
    if (!Named(a)) return;
    cUIPanel* panel = CreatePanel(a.position, a.textureSet, a.name, a.width, a.height, a.layer);
    panel->SetVisible(a.visible);
    LogUnknownElements(element, kPanelChildKinds, a.name.c_str());
    ForEachNamed(element, "UITextbox", [panel](const tinyxml2::XMLElement& e) {
        const ElementAttributes c = ReadAttributes(e);
        panel->AddTextbox(c.text, c.width, c.height, c.position);
    });
    ForEachNamed(element, "UIEditableTextbox", [panel](const tinyxml2::XMLElement& e) {
        const ElementAttributes c = ReadAttributes(e);
        panel->AddEditableTextbox(c.position, c.width, c.height);
    });
    ForEachNamed(element, "UIInteractiveImage", [panel](const tinyxml2::XMLElement& e) {
        const ElementAttributes c = ReadAttributes(e);
        panel->AddInteractiveImage(c.position, c.width, c.height, c.textureSet);
    });
    ForEachNamed(element, "UIButton", [panel](const tinyxml2::XMLElement& e) {
        const ElementAttributes c = ReadAttributes(e);
        panel->AddButton(c.textureSet, c.text, c.width, c.height, c.position, c.frameWidth, c.frameHeight);
    });
    ForEachNamed(element, "UIImage", [panel](const tinyxml2::XMLElement& e) {
        const ElementAttributes c = ReadAttributes(e);
        panel->AddImage(c.position, c.width, c.height, c.textureSet);
    });
}

void cGUIManager::LogUnknownElements(const tinyxml2::XMLElement& parent, const char* const* known,
                                     const char* where) {
    for (const tinyxml2::XMLElement* e = parent.FirstChildElement(); e; e = e->NextSiblingElement()) {
        bool found = false;
        for (const char* const* k = known; *k && !found; ++k) found = std::strcmp(e->Name(), *k) == 0;
        if (!found) LogError(std::string("unknown GUI element \"") + e->Name() + "\" in " + where + " skipped");
    }
}

cUIElementBase* cGUIManager::FindElement(const std::string& name) {
    auto found = elements.find(name);
    if (found != elements.end()) return found->second;
    LogError("no GUI element is named \"" + name + "\"");
    return nullptr;
}

cUIButton* cGUIManager::SetButtonCallback(const std::string& name, UICallback callback) {
    cUIElementBase* element = FindElement(name);
    if (element == nullptr || element->kind != cUIElementBase::kButton) return nullptr;
    auto* button = static_cast<cUIButton*>(element);
    button->onClick = std::move(callback);
    return button;
}

cUIButton* cGUIManager::SetButtonHoverCallback(const std::string& name, UICallback callback) {
    cUIElementBase* element = FindElement(name);
    if (element == nullptr || element->kind != cUIElementBase::kButton) return nullptr;
    auto* button = static_cast<cUIButton*>(element);
    button->onHover = std::move(callback);
    return button;
}

bool cGUIManager::SetElementText(const std::string& name, const std::string& text) {
    cUIElementBase* element = FindElement(name);
    if (element == nullptr) return false;
    switch (element->kind) {
        case cUIElementBase::kTextbox: static_cast<cUITextbox*>(element)->SetText(text); return true;
        case cUIElementBase::kButton: static_cast<cUIButton*>(element)->SetText(text); return true;
        case cUIElementBase::kEditableTextbox: static_cast<cUIEditableTextbox*>(element)->SetText(text); return true;
        default: LogError("GUI element \"" + name + "\" shows no text"); return false;
    }
}

bool cGUIManager::SetElementTexture(const std::string& name, const std::string& texture_set) {
    cUIElementBase* element = FindElement(name);
    if (element == nullptr) return false;
    cSpriteGfxCmp* sprite = nullptr;
    switch (element->kind) {
        case cUIElementBase::kImage: sprite = &static_cast<cUIImage*>(element)->Sprite(); break;
        case cUIElementBase::kButton: sprite = &static_cast<cUIButton*>(element)->Sprite(); break;
        case cUIElementBase::kPanel: sprite = &static_cast<cUIPanel*>(element)->Sprite(); break;
        case cUIElementBase::kInteractiveImage: sprite = &static_cast<cUIInteractiveImage*>(element)->Sprite(); break;
        case cUIElementBase::kEditableTextbox: sprite = &static_cast<cUIEditableTextbox*>(element)->Sprite(); break;
        default: LogError("GUI element \"" + name + "\" has no picture"); return false;
    }
    sprite->SetTextureSet(texture_set);
    return true;
}

void cGUIManager::PrepareSprite(cSpriteGfxCmp& sprite, float width, float height, const std::string& texture_set,
                                uint8_t layer) {
    const float pixel_width = width * (viewport.right - viewport.left);
    const float pixel_height = height * (viewport.bottom - viewport.top);
    sprite.SetLayers(layers);
    // Each sprite gets a quad of its own: quads are shared by name and resized together.
    sprite.Initialise("GUIQuad" + std::to_string(reinterpret_cast<std::uintptr_t>(&sprite)), pixel_width,
                      pixel_height, TextureOrNone(texture_set), "", layer);
}

void cGUIManager::PrepareText(cFontGfxCmp& font, const std::string& text, uint8_t layer) {
    font.SetLayers(layers);
    font.Initialise(text, Vector4{}, cUITextbox::kCentred, layer);
}

void cGUIManager::Register(cUIElementBase* element) { elements.emplace(element->name, element); }

void cGUIManager::RegisterInteractive(cUIInteractiveElement* element) {
    Register(element);
    interactive.emplace(element->name, element);
}

cUIImage* cGUIManager::CreateImage(const UIVector2& position, const std::string& texture_set,
                                   const std::string& name, float width, float height, uint8_t layer) {
    cUIImage* image = images.Take();
    image->SetViewport(&viewport);
    PrepareSprite(image->Sprite(), width, height, texture_set, layer);
    image->InitFromSprite(name);
    image->width = width;
    image->height = height;
    image->SetPosition(position);
    Register(image);
    return image;
}

cUIButton* cGUIManager::CreateButton(const UIVector2& position, const std::string& texture_set,
                                     const std::string& name, const std::string& text, float width, float height,
                                     uint32_t frame_width, uint32_t frame_height, uint8_t layer) {
    cUIButton* button = buttons.Take();
    button->SetViewport(&viewport);
    PrepareSprite(button->Sprite(), width, height, texture_set, layer);
    PrepareText(button->Font(), text, layer);
    button->AddLooks(frame_width, frame_height);
    button->InitButton(name);
    button->width = width;
    button->height = height;
    button->SetPosition(position);
    RegisterInteractive(button);
    return button;
}

cUITextbox* cGUIManager::CreateTextbox(const std::string& text, const UIVector2& position, const std::string& name,
                                       float width, float height, uint8_t layer) {
    cUITextbox* textbox = textboxes.Take();
    textbox->SetViewport(&viewport);
    PrepareText(textbox->Font(), text, layer);
    textbox->InitFromFont(name);
    textbox->width = width;
    textbox->height = height;
    textbox->SetPosition(position);
    Register(textbox);
    return textbox;
}

cUIPanel* cGUIManager::CreatePanel(const UIVector2& position, const std::string& texture_set,
                                   const std::string& name, float width, float height, uint8_t layer) {
    cUIPanel* panel = panels.Take();
    panel->SetViewport(&viewport);
    PrepareSprite(panel->Sprite(), width, height, texture_set, layer);
    panel->InitPanel(name, this, layer);
    panel->width = width;
    panel->height = height;
    panel->SetPosition(position);
    Register(panel);
    return panel;
}

cUIInteractiveImage* cGUIManager::CreateInteractiveImage(const UIVector2& position, const std::string& texture_set,
                                                         const std::string& name, float width, float height,
                                                         uint8_t layer) {
    cUIInteractiveImage* image = interactiveImages.Take();
    image->SetViewport(&viewport);
    PrepareSprite(image->Sprite(), width, height, texture_set, layer);
    image->InitImage(name);
    image->width = width;
    image->height = height;
    image->SetPosition(position);
    RegisterInteractive(image);
    return image;
}

cUIEditableTextbox* cGUIManager::CreateEditableTextbox(const UIVector2& position, const std::string& name,
                                                       float width, float height, uint8_t layer) {
    cUIEditableTextbox* box = editableTextboxes.Take();
    box->SetViewport(&viewport);
    PrepareSprite(box->Sprite(), width, height, cUIEditableTextbox::kTextureSet, layer);
    PrepareText(box->Font(), "", layer);
    box->InitTextbox(name, this);
    box->width = width;
    box->height = height;
    box->SetPosition(position);
    RegisterInteractive(box);
    return box;
}

void cGUIManager::DestroyElement(cUIElementBase* element) {
    if (element == nullptr || element->kind == cUIElementBase::kReleased) return;
    auto named = elements.find(element->name);
    if (named != elements.end() && named->second == element) elements.erase(named);
    auto active = interactive.find(element->name);
    if (active != interactive.end() && active->second == element) interactive.erase(active);
    if (element == focused) focused = nullptr;
    if (element == background) background = nullptr;
    switch (element->kind) {
        case cUIElementBase::kImage: images.GiveBack(static_cast<cUIImage*>(element)); break;
        case cUIElementBase::kButton: buttons.GiveBack(static_cast<cUIButton*>(element)); break;
        case cUIElementBase::kTextbox: textboxes.GiveBack(static_cast<cUITextbox*>(element)); break;
        case cUIElementBase::kPanel: panels.GiveBack(static_cast<cUIPanel*>(element)); break;
        case cUIElementBase::kInteractiveImage:
            interactiveImages.GiveBack(static_cast<cUIInteractiveImage*>(element));
            break;
        case cUIElementBase::kEditableTextbox:
            editableTextboxes.GiveBack(static_cast<cUIEditableTextbox*>(element));
            break;
        default: LogError("GUI element \"" + element->name + "\" is of no pooled kind"); break;
    }
}

void cGUIManager::CreateCursor(float width, float height, const std::string& texture_set,
                               const UIVector2& hotspot) {
    DestroyCursor();
    if (!cursor) cursor = std::make_unique<cUIMouseCursor>();
    cursor->SetViewport(&viewport);
    cursor->Sprite().SetLayers(layers);
    cursor->InitCursor(texture_set, width, height, hotspot);
    const cMouseState& mouse = cMouseState::Instance();
    cursor->MoveTo(ToGUIPixels(mouse.X(), mouse.Y()));
    cWindow::Instance().ShowSystemCursor(false);
}

void cGUIManager::DestroyCursor() {
    if (Cursor() == nullptr) return;
    cursor->Release();
    cWindow::Instance().ShowSystemCursor(true);
}

void cGUIManager::HideCursor() {
    if (cUIMouseCursor* shown = Cursor()) {
        shown->SetVisible(false);
    } else {
        cWindow::Instance().ShowSystemCursor(false);
    }
}

void cGUIManager::ShowCursor() {
    if (cUIMouseCursor* shown = Cursor()) {
        shown->SetVisible(true);
    } else {
        cWindow::Instance().ShowSystemCursor(true);
    }
}

void cGUIManager::SetBackground(const std::string& texture_set) {
    DestroyElement(background);
    background = CreateImage({0.5f, 0.5f}, texture_set, kBackgroundName, kBackgroundSize, kBackgroundSize, 0);
}

void cGUIManager::Clear() {
    background = nullptr;
    focused = nullptr;
    panels.ReleaseAll();
    images.ReleaseAll();
    buttons.ReleaseAll();
    textboxes.ReleaseAll();
    interactiveImages.ReleaseAll();
    editableTextboxes.ReleaseAll();
    elements.clear();
    interactive.clear();
}

void cGUIManager::Update(float dt) {
    if (cUIMouseCursor* shown = Cursor()) shown->Update(dt);
    const std::map<std::string, cUIElementBase*> snapshot = elements;
    for (const auto& [name, element] : snapshot) {
        if (element->kind != cUIElementBase::kReleased) element->Update(dt);
    }
}

void cGUIManager::SetFocus(cUIEditableTextbox* box) {
    if (focused && focused != box) focused->ShowFocus(false);
    focused = box;
    if (focused) focused->ShowFocus(true);
}

void cGUIManager::OnViewportResize(const ScreenRect& new_viewport) {
    viewport = new_viewport;
    if (cUIMouseCursor* shown = Cursor()) shown->Refresh();
    // Every element in use, named or not (a twin of a taken name still draws).
    auto refresh = [](cUIElementBase& element) { element.Refresh(); };
    images.ForEachInUse(refresh);
    buttons.ForEachInUse(refresh);
    textboxes.ForEachInUse(refresh);
    panels.ForEachInUse(refresh);
    interactiveImages.ForEachInUse(refresh);
    editableTextboxes.ForEachInUse(refresh);
}

void cGUIManager::OnDisplayModeChanged() {
    if (cSceneRenderer* scene = GetSceneRenderer()) OnViewportResize(scene->Viewports().viewport);
}

UIVector2 cGUIManager::ToGUIPixels(int x, int y) const {
    return {static_cast<float>(x) - viewport.left, viewport.bottom - static_cast<float>(y)};
}

}  // namespace Engine
