#include "app/Frame.h"
#include "app/Game.h"
#include "app/ShutdownSignals.h"
#include "app/StartUp.h"
#include "launch/FightLaunch.h"
#include "launch/ReplayLaunch.h"
#include "replay/ReplayChecking.h"
#include "replay/ReplayStore.h"
#include "replay/ReplayWatching.h"
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
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const ReplayLaunch replay = parseReplayLaunch(args);
    if (replay.kind == ReplayLaunchKind::Bad) {
        std::cerr << replay.error << '\n';
        return badLaunchStatus;
    }
    if (replay.kind == ReplayLaunchKind::Check)
        return checkReplayCommand(replay.path);
    const LaunchParse launch = replay.kind == ReplayLaunchKind::Watch ? LaunchParse{} : parseLaunch(args);
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

    // A replay asked for opens at once; one that cannot be played leaves the menus.
    if (replay.kind == ReplayLaunchKind::Watch) {
        const DecodedReplay read = readReplayFile(replay.path);
        const std::string problem = read.problem.empty() ? watchReplay(*game, read.record) : read.problem;
        if (!problem.empty())
            std::cerr << "kestrelfall: the replay " << problem << '\n';
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
