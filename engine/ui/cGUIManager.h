#pragma once
// cGUIManager: the process's GUI, created on first use. It makes elements
// from one pool per kind, finds them by name, builds whole screens from GUI
// layout files, keeps the optional full-screen background and the keyboard
// focus, and owns the two listeners that route mouse and keyboard input to
// the interactive elements.
//
// Names are unique keys: an element created under a name already taken
// exists and draws but cannot be found, and the table keeps the earlier one.
// Sizes are normalised to the viewport (pixels, kept here and given to every
// element); elements draw through the sprite layers given (the scene
// renderer's by default, none without one).
//
// The GUI follows the display mode: after a change of resolution or full
// screen it takes the scene renderer's new viewport and refreshes every
// element, so screens keep their proportions and hit tests stay true.
//
// Layout files: the root's "GUIBackground", then every "UIImage",
// "UIInteractiveImage", "UITextbox", "UIEditableTextbox" and "UIButton", and
// last every "UIPanel" with its children; see LoadLayout.

#include <map>
#include <memory>
#include <string>

#include "engine/core/Letterbox.h"
#include "engine/core/Singleton.h"
#include "engine/render/iDisplayModeListener.h"
#include "engine/ui/UIGeometry.h"
#include "engine/ui/UIPool.h"
#include "engine/ui/cUIButton.h"
#include "engine/ui/cUIEditableTextbox.h"
#include "engine/ui/cUIImage.h"
#include "engine/ui/cUIInteractiveImage.h"
#include "engine/ui/cUIMouseCursor.h"
#include "engine/ui/cUIPanel.h"
#include "engine/ui/cUITextbox.h"

namespace tinyxml2 {
class XMLElement;
}

namespace Engine {

class cGUIMouseListener;
class cGUIKeyboardListener;
class iSpriteLayers;

class cGUIManager : public Singleton<cGUIManager>, public iDisplayModeListener {
    friend class Singleton<cGUIManager>;

public:
    static constexpr const char* kBackgroundName = "Background";
    static constexpr const char* kClickSound = "ButtonPress";
    static constexpr uint8_t kDefaultLayer = 5;

    ~cGUIManager() override;

    // Builds the elements of a layout file; false (creating nothing) when it cannot be read.
    bool LoadLayout(const std::string& path);
    // The named element, or null (with a log line) when there is none.
    cUIElementBase* FindElement(const std::string& name);
    // Sets the named button's click callback; null when the name is not a button.
    cUIButton* SetButtonCallback(const std::string& name, UICallback callback);
    // Sets the named button's hover callback; null when the name is not a button.
    cUIButton* SetButtonHoverCallback(const std::string& name, UICallback callback);
    // Changes the text of the named text box, button or editable box; false for any other name.
    bool SetElementText(const std::string& name, const std::string& text);
    // Changes the texture set of the named element's sprite; false when it has none.
    bool SetElementTexture(const std::string& name, const std::string& texture_set);

    cUIImage* CreateImage(const UIVector2& position, const std::string& texture_set, const std::string& name,
                          float width, float height, uint8_t layer);
    cUIButton* CreateButton(const UIVector2& position, const std::string& texture_set, const std::string& name,
                            const std::string& text, float width, float height, uint32_t frame_width,
                            uint32_t frame_height, uint8_t layer);
    cUITextbox* CreateTextbox(const std::string& text, const UIVector2& position, const std::string& name,
                              float width, float height, uint8_t layer);
    cUIPanel* CreatePanel(const UIVector2& position, const std::string& texture_set, const std::string& name,
                          float width, float height, uint8_t layer);
    cUIInteractiveImage* CreateInteractiveImage(const UIVector2& position, const std::string& texture_set,
                                                const std::string& name, float width, float height, uint8_t layer);
    cUIEditableTextbox* CreateEditableTextbox(const UIVector2& position, const std::string& name, float width,
                                              float height, uint8_t layer);
    // Takes the element out of the tables (if it owns its name) and gives it back to its pool.
    void DestroyElement(cUIElementBase* element);

    // Replaces any cursor by a new one of width x height pixels at the
    // pointer and hides the system cursor.
    void CreateCursor(float width, float height, const std::string& texture_set, const UIVector2& hotspot);
    // Takes the cursor away and shows the system cursor; nothing without a cursor.
    void DestroyCursor();
    // Hides the GUI cursor, or the system cursor when there is none.
    void HideCursor();
    // Shows the GUI cursor, or the system cursor when there is none.
    void ShowCursor();
    // The cursor, or null when there is none.
    cUIMouseCursor* Cursor() const { return cursor && cursor->IsReady() ? cursor.get() : nullptr; }

    // Replaces the background by a full-screen image of the texture set.
    void SetBackground(const std::string& texture_set);
    // Releases every element and the background, empties the tables and drops the focus.
    void Clear();
    // The cursor's Update, then every named element's, in name order.
    void Update(float dt);
    // Moves the keyboard focus, switching the looks of the old and new box (null: no focus).
    void SetFocus(cUIEditableTextbox* box);
    cUIEditableTextbox* Focused() const { return focused; }

    // The viewport in window pixels; every element is refreshed for it.
    void OnViewportResize(const ScreenRect& new_viewport);
    const ScreenRect& Viewport() const { return viewport; }
    // Takes the scene renderer's viewport after a display-mode change.
    void OnDisplayModeChanged() override;
    // A window position (origin top left) in GUI pixels: from the viewport's lower left corner, y up.
    UIVector2 ToGUIPixels(int x, int y) const;
    // Where new components register to be drawn (null: nowhere).
    void SetSpriteLayers(iSpriteLayers* new_layers) { layers = new_layers; }

    cUIImage* Background() const { return background; }
    const std::map<std::string, cUIInteractiveElement*>& Interactive() const { return interactive; }
    const std::map<std::string, cUIElementBase*>& Elements() const { return elements; }

private:
    cGUIManager();

    void Register(cUIElementBase* element);
    void RegisterInteractive(cUIInteractiveElement* element);
    void PrepareSprite(cSpriteGfxCmp& sprite, float width, float height, const std::string& texture_set,
                       uint8_t layer);
    void PrepareText(cFontGfxCmp& font, const std::string& text, uint8_t layer);
    void LoadTopLevel(const tinyxml2::XMLElement& root);
    void LoadPanel(const tinyxml2::XMLElement& element);
    void LogUnknownElements(const tinyxml2::XMLElement& parent, const char* const* known, const char* where);

    ScreenRect viewport{0.0f, 0.0f, 1024.0f, 768.0f};
    iSpriteLayers* layers = nullptr;
    cUIImage* background = nullptr;
    std::unique_ptr<cUIMouseCursor> cursor;
    std::unique_ptr<cGUIMouseListener> mouseListener;
    std::unique_ptr<cGUIKeyboardListener> keyboardListener;
    std::map<std::string, cUIInteractiveElement*> interactive;
    std::map<std::string, cUIElementBase*> elements;
    cUIEditableTextbox* focused = nullptr;
    UIPool<cUIImage> images;
    UIPool<cUIButton> buttons;
    UIPool<cUITextbox> textboxes;
    UIPool<cUIPanel> panels;
    UIPool<cUIInteractiveImage> interactiveImages;
    UIPool<cUIEditableTextbox> editableTextboxes;
};

}  // namespace Engine
