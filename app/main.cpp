// The entry point: options, start-up, the main loop, shut-down.

#include <iostream>
#include <string>
#include <vector>

#include "app/cApplication.h"
#include "app/cLaunchOptions.h"
#include "game/states/cGameStateFactory.h"
#include "game/states/cLevelPreview.h"

int main(int argc, char** argv) {
    Game::cLaunchOptions options;
    std::string error;
    if (!options.Parse(std::vector<std::string>(argv + 1, argv + argc), error)) {
        std::cerr << "brambleby: " << error << "\n" << Game::cLaunchOptions::Usage();
        return 2;
    }

    // A preview run shows its level in place of every state the game would enter.
    Game::cGameStateManager::StateFactory states = &Game::cGameStateFactory::Create;
    if (!options.preview_level.empty()) {
        states = [level = options.preview_level](Game::GameStateId) {
            return std::make_unique<Game::cLevelPreview>(level);
        };
    }
    Game::cApplication application(options, states);
    if (!application.StartUp()) {
        std::cerr << application.Error() << "\n";
        application.ShutDown();
        return 1;
    }
    application.Run();
    application.ShutDown();
    return 0;
}
