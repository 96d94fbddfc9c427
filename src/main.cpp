#include "app/Frame.h"
#include "app/Game.h"
#include "app/ShutdownSignals.h"
#include "app/StartUp.h"
#include "launch/FightLaunch.h"
#include "launch/LaunchedFight.h"
#include "launch/ReplayLaunch.h"
#include "online/OnlineLaunch.h"
#include "replay/ReplayChecking.h"
#include "replay/ReplayStore.h"
#include "replay/ReplayWatching.h"
#include "resources/TextureCache.h"
#include "world/FightSetUp.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

// --headless: the fight is played out on the world alone, one line of
// result on standard output: no window, no display, no picture, no sound.
int playHeadless(const FightLaunch& launch, const std::string& levelPath, std::uint64_t seed)
{
    auto ground = std::make_unique<FightGround>();
    loadFightGround(*ground);
    std::cout << outcomeLine(playOut(*ground, launch, levelPath, seed)) << std::endl;
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    // 1. A command line asking for a fight or a replay is read before
    // anything opens; a bad one ends here, a replay to check ends after it.
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const ReplayLaunch replay = parseReplayLaunch(args);
    if (replay.kind == ReplayLaunchKind::Bad) {
        std::cerr << replay.error << '\n';
        return badLaunchStatus;
    }
    if (replay.kind == ReplayLaunchKind::Check)
        return checkReplayCommand(replay.path);
    const bool watch = replay.kind == ReplayLaunchKind::Watch;
    const LaunchParse launch = watch ? LaunchParse{} : parseLaunch(args);
    if (launch.outcome == LaunchOutcome::Help) {
        std::cout << launchHelp << netOptionsHelp;
        return 0;
    }
    std::string levelError, levelPath;
    if (launch.outcome == LaunchOutcome::Fight || launch.outcome == LaunchOutcome::Online)
        levelPath = launchLevelPath(launch.launch.level, levelError);
    if (launch.outcome == LaunchOutcome::Bad || !levelError.empty()) {
        std::cerr << (levelError.empty() ? launch.error : levelError) << '\n';
        return badLaunchStatus;
    }
    // The world's generator is the game's only chance; each run seeds it from
    // the clock unless the command line gives the seed.
    const bool fight = launch.outcome == LaunchOutcome::Fight;
    const bool online = launch.outcome == LaunchOutcome::Online;
    const std::uint64_t seed = (fight || online) && launch.launch.seedGiven
                                   ? launch.launch.seed
                                   : static_cast<std::uint64_t>(std::time(nullptr));
    std::optional<OnlineRequest> request;
    if (online && !(request = onlineRequestOf(launch.launch, levelPath, seed, levelError))) {
        std::cerr << "kestrelfall: --level " << launch.launch.level << ": " << levelError << '\n';
        return badLaunchStatus;
    }
    if (fight && launch.launch.headless)
        return playHeadless(launch.launch, levelPath, seed);
    if (online && launch.launch.headless)
        return playOnlineHeadless(*request, launch.launch.players[0].strength);
    // 2. A signal during the loading still ends in the save below.
    catchShutdownSignals();
    // The window opens on the splash and the rest loads between its frames;
    // a fight or a replay from the command line needs everything before its first step.
    auto game = std::make_unique<Game>(fight || watch || online ? Game::Loading::Everything
                                                                 : Game::Loading::FirstScreen);
    seedRandom(game->world.random, seed);
    createWindow(*game);
    if (!game->window.isOpen()) {
        saveOnExit(*game);
        return 0;
    }
    // 3. A fight from the command line is played by whom it says for this
    // run; unless changed in the rooms since, the players' own choice is
    // what is saved.
    const std::array<PlayerControl, 2> ownControls = game->playerControls.players;
    if (launch.outcome == LaunchOutcome::Game && launch.launch.net.shim.active()) {
        // The testing shim alone: online play from the menus sends through it.
        const ShimSettings shim = launch.launch.net.shim;
        game->onlineMenu.start = [shim](Game& played, const OnlineRequest& request) {
            OnlineRequest shimmed = request;
            shimmed.net.shim = shim;
            startOnline(played, shimmed);
        };
    }
    if (fight)
        openLaunchedFight(*game, launch.launch, levelPath, seed);
    if (online) {
        game->playerControls.players[0] = launch.launch.players[0];  // --cpu1: the computer plays this side
        startOnline(*game, *request);
    }

    // 4. A replay asked for opens at once; one that cannot be played leaves the menus.
    if (watch) {
        const DecodedReplay read = readReplayFile(replay.path);
        const std::string problem = read.problem.empty() ? watchReplay(*game, read.record) : read.problem;
        if (!problem.empty())
            std::cerr << "kestrelfall: the replay " << problem << '\n';
    }

    // 5. The first frame measures itself only, not the loading before it: a slow
    // start must not skip the splash or throw the fighters a giant time step.
    game->frameClock.restart();
    std::vector<sf::Event> events;
    while (game->window.isOpen() && !shutdownRequested()) {
        const float frameTime = game->frameClock.restart().asSeconds();
        pollFrameInput(game->window, game->input, events);
        runFrame(*game, frameTime, events);
        continueStartUp(*game);
    }
    if (fight && game->playerControls.players == launch.launch.players)
        game->playerControls.players = ownControls;
    if (online && game->playerControls.players[0] == launch.launch.players[0])
        game->playerControls.players[0] = ownControls[0];
    saveOnExit(*game);
    // The pictures go after everything that shows them.
    game.reset();
    releaseSharedTextures();
    return 0;
}
