#pragma once
// iSpriteLayers: where screen sprites, text and billboards register to be
// drawn. The scene renderer keeps eleven sprite layers (0 to 10, drawn in
// that order, each sorted by texture set), eleven text layers and one list
// of billboards drawn after the particles. A component enters on Initialise
// and leaves on Release; a sprite whose texture set changes leaves and enters
// again so that its layer stays sorted.
//
// The component records its own layer (kNoLayer when it is in none); the
// layers read the sprite's texture set as the sort key when it enters.

#include <cstdint>

namespace Engine {

class cBillBoardGfxCmp;
class cFontGfxCmp;
class cSpriteGfxCmp;

class iSpriteLayers {
public:
    static constexpr uint8_t kLayerCount = 11;
    static constexpr uint8_t kNoLayer = 255;

    virtual ~iSpriteLayers() = default;

    // Inserts the sprite into a layer (0 to 10) under its present texture set.
    virtual void AddSprite(cSpriteGfxCmp& sprite, uint8_t layer) = 0;
    // Takes the sprite out of the layer it is in; nothing when it is in none.
    virtual void RemoveSprite(cSpriteGfxCmp& sprite) = 0;
    // Appends the text to a text layer (0 to 10).
    virtual void AddText(cFontGfxCmp& text, uint8_t layer) = 0;
    // Takes the text out of its layer; nothing when it is in none.
    virtual void RemoveText(cFontGfxCmp& text) = 0;
    // Appends the billboard to the billboard list.
    virtual void AddBillboard(cBillBoardGfxCmp& billboard) = 0;
    // Takes the billboard out of the list; nothing when it is not there.
    virtual void RemoveBillboard(cBillBoardGfxCmp& billboard) = 0;
};

}  // namespace Engine
