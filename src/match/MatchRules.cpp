#include "match/MatchFlow.h"

#include "world/FightWorld.h"
#include "match/Goal.h"

#include <string>

namespace {

constexpr float announcerVolume = 100.f;

// Time-out: the player whose flag lies strictly nearer the middle wins.
void timeOutWin(FightWorld& world)
{
    if (world.match.matchTimer > 0.f || world.match.suddenDeath || timeOutDeferred(world))
        return;
    for (int i = 0; i < 2; ++i)
        if (flagDistance(world, 1 - i) > flagDistance(world, i))
            declareWinner(world, i);
}

// Sudden death: the first player down loses once its death has played out,
// or at once should it be back on its feet before that (a long death clip).
void suddenDeathWin(FightWorld& world)
{
    if (!world.match.suddenDeath)
        return;
    for (int i = 0; i < 2; ++i) {
        const Player& p = world.players[i];
        if (p.hitPoints < 1)
            world.match.suddenDeathFalls[i] = true;
        if (world.match.suddenDeathFalls[i] && (p.hitPoints >= 1 || clipOver(p)))
            declareWinner(world, 1 - i);
    }
}

// The kill race ends at the sixth kill, once the victim's death has played.
void caaWin(FightWorld& world)
{
    if (world.match.p1Kills >= caaWinningKills && clipOver(world.players[1])) {
        world.events.music = FightMusic::Stops;
        declareWinner(world, 0);
    }
    if (world.match.p2Kills >= caaWinningKills && clipOver(world.players[0])) {
        world.events.music = FightMusic::Stops;
        declareWinner(world, 1);
    }
}

}  // namespace

bool clipOver(const Player& p)
{
    if (!p.character || !p.world)
        return true;
    const Animation& clip = p.character->animations[static_cast<std::size_t>(p.currentState)];
    return clip.duration <= 0.f || p.animClock.elapsed(p.world->time) >= clip.duration;
}

void matchRules(FightWorld& world)
{
    // Every test of this frame sees the fight as it stood: two players whose
    // deaths play out in the same frame both win.
    if (!world.match.fightScene)
        return;
    if (world.match.caaMode) {
        caaWin(world);
        return;
    }
    captureStep(world);
    timeOutWin(world);
    suddenDeathWin(world);
}

void declareWinner(FightWorld& world, int winner)
{
    cueSound(world.events, winner == 0 ? "P1WINS" : "P2WINS", announcerVolume);
    if (!world.match.caaMode)
        world.events.victories[winner] += 1;
    world.events.matchWon = true;
    world.players[winner].isWinner = true;
    world.match.fightScene = false;
}
