#include "launch/LaunchedFight.h"

#include "app/FightSession.h"
#include "app/Game.h"
#include "editor/EditorLevelFiles.h"
#include "level/CustomLevelList.h"
#include "world/WorldBytes.h"

#include <cinttypes>
#include <cstdio>

namespace {

constexpr std::int64_t stepsPerSecond = 300;
constexpr std::int64_t longestFight = 3600 * stepsPerSecond;  // steps; a match ends long before

int winnerOf(const Game& game)
{
    const bool p1 = game.world.players[0].isWinner, p2 = game.world.players[1].isWinner;
    return p1 && p2 ? 2 : p1 ? 0 : p2 ? 1 : -1;
}

}  // namespace

std::string launchLevelPath(const std::string& name, std::string& error)
{
    error.clear();
    if (name.empty() || name == "Jungle")
        return "";
    const CustomLevelList list = loadCustomLevelList();
    std::string names = "Jungle";
    for (const CustomLevelEntry& entry : list.entries) {
        if (entry.displayName != name) {
            names += ", " + entry.displayName;
            continue;
        }
        error = playableLevelProblem(entry.path, entry.displayName);
        if (!error.empty())
            error = "kestrelfall: --level " + name + ": " + error;
        return error.empty() ? entry.path : "";
    }
    error = "kestrelfall: --level " + name + " is not a level; allowed: " + names;
    return "";
}

void openLaunchedFight(Game& game, const FightLaunch& launch, const std::string& levelPath, std::uint64_t seed)
{
    FightPlan plan;
    plan.mode = launch.mode;
    plan.level = levelPath;
    plan.kinds[0] = launch.kinds[0];
    plan.kinds[1] = launch.kinds[1];
    plan.seed = seed;
    plan.recorded = !launch.headless;  // played on screen: kept as a replay like any match
    game.playerControls.players = launch.players;
    startFight(game, plan);
    // The keys, pads and the computer play it, not a script.
    game.scriptedButtons.playing = false;
}

FightOutcome playOut(Game& game)
{
    const FightInput unused[2] = {};
    std::int64_t liveSteps = 0;
    for (std::int64_t step = 0; step < longestFight && game.state == SceneState::Fight && winnerOf(game) < 0; ++step) {
        stepFight(game, unused);
        liveSteps += game.world.match.fightLive ? 1 : 0;
    }
    return {winnerOf(game), static_cast<double>(liveSteps) / stepsPerSecond, checksum(game.world)};
}

std::string outcomeLine(const FightOutcome& outcome)
{
    const char* const winners[] = {"P1", "P2", "both"};
    char line[96];
    std::snprintf(line, sizeof line, "winner %s time %.2f checksum %016" PRIx64,
                  outcome.winner >= 0 ? winners[outcome.winner] : "none", outcome.seconds, outcome.checksum);
    return line;
}
