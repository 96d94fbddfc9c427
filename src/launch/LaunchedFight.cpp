#include "launch/LaunchedFight.h"

#include "app/ComputerPlayers.h"
#include "app/FightSession.h"
#include "app/Game.h"
#include "editor/EditorLevelFiles.h"
#include "level/CustomLevelList.h"
#include "opponent/FightView.h"
#include "opponent/Opponent.h"
#include "world/FightSetUp.h"
#include "world/FightStep.h"
#include "world/FightWorld.h"
#include "world/WorldBytes.h"

#include <cinttypes>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

constexpr std::int64_t stepsPerSecond = 300;
constexpr std::int64_t longestFight = 3600 * stepsPerSecond;  // steps; a match ends long before

int winnerOf(const FightWorld& world)
{
    const bool p1 = world.players[0].isWinner, p2 = world.players[1].isWinner;
    return p1 && p2 ? 2 : p1 ? 0 : p2 ? 1 : -1;
}

FightChoice choiceOf(const FightLaunch& launch, const std::string& levelPath, std::uint64_t seed)
{
    FightChoice choice;
    choice.caa = launch.mode == FightMode::Caa;
    choice.level = levelPath;
    choice.kinds[0] = launch.kinds[0];
    choice.kinds[1] = launch.kinds[1];
    choice.seed = seed;
    return choice;
}

// Each fighter's buttons from its opponent, made at the fight's first step.
void computerInputs(std::optional<Opponent> seats[2], const FightLaunch& launch, const FightWorld& world,
                    FightInput inputs[2])
{
    for (int i = 0; i < 2; ++i) {
        std::optional<Opponent>& seat = seats[i];
        if (!seat)
            seat = makeOpponent(launch.players[static_cast<std::size_t>(i)].strength, opponentSeed(world.random), i);
        inputs[i] = decideInput(*seat, viewOfFight(world));
    }
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

FightOutcome playOut(FightGround& ground, const FightLaunch& launch, const std::string& levelPath, std::uint64_t seed)
{
    // 1. The world on the ground, the opponents made at its first step.
    auto world = std::make_unique<FightWorld>();
    setUpFight(*world, ground, choiceOf(launch, levelPath, seed));
    std::optional<Opponent> seats[2];
    // 2. Steps until a win (or the longest fight), counting the live ones.
    std::int64_t liveSteps = 0;
    bool won = false;
    for (std::int64_t step = 0; step < longestFight && !won && winnerOf(*world) < 0; ++step) {
        FightInput inputs[2];
        computerInputs(seats, launch, *world, inputs);
        won = stepFight(*world, inputs).matchWon;
        liveSteps += world->match.fightLive ? 1 : 0;
    }
    return {winnerOf(*world), static_cast<double>(liveSteps) / stepsPerSecond, checksum(*world)};
}

std::string outcomeLine(const FightOutcome& outcome)
{
    const char* const winners[] = {"P1", "P2", "both"};
    char line[96];
    std::snprintf(line, sizeof line, "winner %s time %.2f checksum %016" PRIx64,
                  outcome.winner >= 0 ? winners[outcome.winner] : "none", outcome.seconds, outcome.checksum);
    return line;
}
