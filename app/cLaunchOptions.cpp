#include "app/cLaunchOptions.h"

#include <cmath>
#include <locale>
#include <sstream>

namespace Game {
namespace {

// Reads the whole of text as a T in the classic locale; false on any leftover.
template <typename T>
bool ParseWhole(const std::string& text, T& value) {
    if (text.empty() || text[0] == '-') return false;
    std::istringstream stream(text);
    stream.imbue(std::locale::classic());
    stream >> value;
    return !stream.fail() && stream.peek() == std::char_traits<char>::eof();
}

}  // namespace

bool cLaunchOptions::Parse(const std::vector<std::string>& arguments, std::string& error) {
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--headless") {
            headless = true;
            continue;
        }
        if (option == "--crash-test") {
            crash_test = true;
            continue;
        }
        if (option == "--screenshot") {
            if (i + 2 >= arguments.size() || !ParseWhole(arguments[i + 1], screenshot_frame) || screenshot_frame == 0) {
                error = "option --screenshot needs a frame number from 1 and a file name";
                return false;
            }
            screenshot_path = arguments[i + 2];
            i += 2;
            continue;
        }
        if (option == "--level-preview") {
            if (i + 2 >= arguments.size() || arguments[i + 1].empty() || arguments[i + 2].empty()) {
                error = "option --level-preview needs a level name and a file name";
                return false;
            }
            preview_level = arguments[i + 1];
            screenshot_frame = kPreviewFrame;
            screenshot_path = arguments[i + 2];
            frames = kPreviewFrame;
            i += 2;
            continue;
        }
        if (option != "--fixed-dt" && option != "--seed" && option != "--frames" && option != "--input" &&
            option != "--record" && option != "--state") {
            error = "unknown option '" + option + "'";
            return false;
        }
        if (i + 1 >= arguments.size()) {
            error = "option " + option + " needs a value";
            return false;
        }
        const std::string& value = arguments[++i];
        bool ok = true;
        if (option == "--fixed-dt") {
            float seconds = 0.0f;
            ok = ParseWhole(value, seconds) && std::isfinite(seconds) && seconds > 0.0f;
            if (ok) fixed_dt = seconds;
        } else if (option == "--seed") {
            unsigned number = 0;
            ok = ParseWhole(value, number);
            if (ok) seed = number;
        } else if (option == "--frames") {
            ok = ParseWhole(value, frames) && frames > 0;
        } else if (option == "--state") {
            state_name = value;
        } else if (option == "--record") {
            record_path = value;
        } else {
            input_path = value;
        }
        if (!ok) {
            error = "bad value '" + value + "' for option " + option;
            return false;
        }
    }
    return true;
}

const char* cLaunchOptions::Usage() {
    return "usage: brambleby [--headless] [--fixed-dt SECONDS] [--seed N] [--frames N] [--input FILE] [--record FILE]"
           " [--crash-test]"
           " [--screenshot N FILE] [--state NAME] [--level-preview LEVEL FILE]\n";
}

}  // namespace Game
