#pragma once
// eTextFormat: the format flags of iFontManager::DrawTextInRect. Without
// flags the text sits at the top left of its rectangle, breaks only at line
// feeds and is clipped to the rectangle. The numbers are those the game's GUI
// data and code use.

#include <cstdint>

namespace Engine {

enum eTextFormat : uint32_t {
    TF_Left = 0x0,
    TF_Top = 0x0,
    TF_Center = 0x1,       // centred horizontally
    TF_Right = 0x2,        // right-aligned
    TF_VCenter = 0x4,      // centred vertically
    TF_Bottom = 0x8,       // at the bottom
    TF_WordBreak = 0x10,   // lines also break between words at the right edge
    TF_SingleLine = 0x20,  // line feeds do not break the line
    TF_ExpandTabs = 0x40,  // a tab advances to the next multiple of eight spaces
    TF_NoClip = 0x100,     // drawn past the rectangle
    TF_CalcRect = 0x400,   // measuring only: nothing is drawn
};

}  // namespace Engine
