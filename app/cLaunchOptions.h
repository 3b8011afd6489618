#pragma once
// cLaunchOptions: the command-line options for tests and tools.
//
// None of them changes what the game does without them:
//   --headless      no window on a display (SDL's dummy video driver), the null renderer, no sound output
//   --fixed-dt S    every frame gets dt = S seconds instead of the measured duration
//   --seed N        seed the random generator with N instead of the clock
//   --frames N      request quit after N frames
//   --input FILE    scripted input (format in engine/platform/cInputScript.h)
//   --record FILE   writes the run's input to FILE in the --input format, headed by the
//                   options that replay it; without --fixed-dt the run steps 1/60 s per frame
//   --crash-test    after start-up, fault as the console's "crash" command does (crash report, exit 139)
//   --screenshot N FILE  write the N-th presented frame (from 1) as a PNG file (OpenGL renderer only)
//   --state NAME    start in the named state ("Sandbox2", "MainMenu", ...) instead of the developer settings' one
//   --level-preview LEVEL FILE  a tool, not the game: shows the level file LEVEL whole from above, as the
//                   level selection previews it, writes that picture to FILE as a PNG and quits

#include <optional>
#include <string>
#include <vector>

namespace Game {

class cLaunchOptions {
public:
    // Reads the arguments after the program name; false with a message in
    // error for an unknown option or a bad or missing value.
    bool Parse(const std::vector<std::string>& arguments, std::string& error);
    // One line per option, for the usage message.
    static const char* Usage();

    bool headless = false;
    std::optional<float> fixed_dt;
    std::optional<unsigned> seed;
    unsigned frames = 0;  // 0: no limit
    std::string input_path;
    std::string record_path;  // empty: nothing is recorded
    bool crash_test = false;
    unsigned screenshot_frame = 0;  // 0: no screenshot
    std::string screenshot_path;
    std::string state_name;  // empty: the developer settings decide
    // The level a preview run shows (empty: the run is the game); the picture is the frame below.
    std::string preview_level;
    static constexpr unsigned kPreviewFrame = 5;
};

}  // namespace Game
