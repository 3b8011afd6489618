#pragma once
// Letterbox: how the picture is fitted to the screen.
//
// A window shows the picture on its whole client area. In fullscreen the
// back buffer has the display's resolution; when the display's aspect ratio
// differs from the target ratio (16:9 when EnforceRes is set, else the
// settings' width:height), two black bars fill the rest, above and below when
// the target is wider than the screen, left and right otherwise. Ratios
// closer than 0.0001 count as equal.

namespace Engine {

// A rectangle from (left, top) to (right, bottom) in pixels.
struct ScreenRect {
    float left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const ScreenRect&) const = default;
};

struct Letterbox {
    bool bars = false;    // true when the two bars are drawn
    ScreenRect viewport;  // where the picture goes
    ScreenRect bar_a;     // top or left bar
    ScreenRect bar_b;     // bottom or right bar
};

// The viewport and bars for a screen of screen_width x screen_height; the
// settings' size gives the window and, without enforce_res, the target ratio.
Letterbox ComputeLetterbox(bool fullscreen, float screen_width, float screen_height, float settings_width,
                           float settings_height, bool enforce_res);

}  // namespace Engine
