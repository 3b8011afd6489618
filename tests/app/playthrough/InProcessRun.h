#pragma once
// InProcessRun: what the playthrough tests share: the app's real start-up,
// main loop and shut-down run in this process with a frame driver (the
// bot's step), the window's close pushed through SDL's queue, and lines
// picked out of the log.

#include <string>
#include <vector>

#include "app/cApplication.h"
#include "app/cLaunchOptions.h"
#include "engine/platform/cInputScript.h"
#include "game/states/cGameStateFactory.h"
#include "tests/support/TempDir.h"

namespace PlaythroughTests {

// Runs the app in folder with arguments, calling drive at every frame's input
// step; "" when it ran, else why it could not start.
inline std::string RunInProcess(const TestSupport::TempDir& folder, const std::vector<std::string>& arguments,
                                Game::cApplication::FrameDriver drive) {
    TestSupport::ScopedWorkingDirectory here(folder.Path());
    Game::cLaunchOptions options;
    std::string error;
    if (!options.Parse(arguments, error)) return error;
    Game::cApplication application(options, &Game::cGameStateFactory::Create);
    application.SetFrameDriver(std::move(drive));
    if (!application.StartUp()) return application.Error();
    application.Run();
    application.ShutDown();
    return "";
}

// Closes the window as its close button does, through SDL's event queue.
inline void PushClose() {
    Engine::cInputScript::Event close;
    close.action = Engine::cInputScript::eAction::Close;
    Engine::cInputScript::Push(close);
}

// The rest of the first line of text after key; "" when key is not there.
inline std::string After(const std::string& text, const std::string& key) {
    const auto at = text.find(key);
    if (at == std::string::npos) return "";
    const auto end = text.find('\n', at);
    return text.substr(at + key.size(), end == std::string::npos ? std::string::npos : end - at - key.size());
}

}  // namespace PlaythroughTests
