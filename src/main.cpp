#include "app/Frame.h"
#include "app/Game.h"
#include "app/ShutdownSignals.h"
#include "app/StartUp.h"
#include "launch/FightLaunch.h"
#include "resources/TextureCache.h"

#include <cstdint>
#include <ctime>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    // A command line asking for a fight is read before anything opens; a bad
    // one ends here. Opening the fight itself is not built yet: say so and
    // open the menus rather than pretend.
    const LaunchParse launch = parseLaunch(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
    if (launch.outcome == LaunchOutcome::Bad) {
        std::cerr << launch.error << '\n';
        return badLaunchStatus;
    }
    if (launch.outcome == LaunchOutcome::Fight)
        std::cerr << "kestrelfall: opening a fight from the command line is not available yet; the menus open\n";
    // A signal during the loading still ends in the save below.
    catchShutdownSignals();
    // The window opens on the splash; the rest loads between its frames.
    auto game = std::make_unique<Game>(Game::Loading::FirstScreen);

    // The world's generator is the game's only chance; each run seeds it from the clock.
    seedRandom(game->world.random, static_cast<std::uint64_t>(std::time(nullptr)));

    createWindow(*game);
    if (!game->window.isOpen()) {
        saveOnExit(*game);
        return 0;
    }

    // The first frame measures itself only, not the loading before it: a slow
    // start must not skip the splash or throw the fighters a giant time step.
    game->frameClock.restart();
    std::vector<sf::Event> events;
    while (game->window.isOpen() && !shutdownRequested()) {
        const float frameTime = game->frameClock.restart().asSeconds();
        pollFrameInput(game->window, game->input, events);
        runFrame(*game, frameTime, events);
        continueStartUp(*game);
    }
    saveOnExit(*game);
    // The pictures go after everything that shows them.
    game.reset();
    releaseSharedTextures();
    return 0;
}
