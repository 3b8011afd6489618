// The entry point: options, start-up, the main loop, shut-down.

#include <iostream>
#include <string>
#include <vector>

#include "app/cApplication.h"
#include "app/cLaunchOptions.h"
#include "game/states/cGameStateFactory.h"

int main(int argc, char** argv) {
    Game::cLaunchOptions options;
    std::string error;
    if (!options.Parse(std::vector<std::string>(argv + 1, argv + argc), error)) {
        std::cerr << "brambleby: " << error << "\n" << Game::cLaunchOptions::Usage();
        return 2;
    }

    Game::cApplication application(options, &Game::cGameStateFactory::Create);
    if (!application.StartUp()) {
        std::cerr << application.Error() << "\n";
        application.ShutDown();
        return 1;
    }
    application.Run();
    application.ShutDown();
    return 0;
}
