#include "app/Frame.h"
#include "app/Game.h"
#include "app/ShutdownSignals.h"

#include <cstdint>
#include <ctime>
#include <memory>
#include <vector>

int main()
{
    // A signal during the loading still ends in the save below.
    catchShutdownSignals();
    auto game = std::make_unique<Game>();

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
    }
    saveOnExit(*game);
    // The Game is left to the end of the process, as its textures are.
    game.release();
    return 0;
}
