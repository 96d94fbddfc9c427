#include "match/MatchFlow.h"

#include "world/FightWorld.h"
#include "match/FighterReset.h"
#include "match/Sections.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

constexpr float announcerVolume = 100.f;




// The match time as a whole number of fixed steps, and back.
long secondsToSteps(float seconds)
{
    return std::lround(static_cast<double>(seconds) / static_cast<double>(fixedStep));
}

float stepsToSeconds(long steps)
{
    return static_cast<float>(static_cast<double>(steps) * static_cast<double>(fixedStep));
}


// 3. Who leads at time-out: a tie goes to sudden death (once), otherwise
// the player whose flag lies nearer the middle is the winner.
void timeOutDecision(FightWorld& world)
{
    if (timeOutDeferred(world) || world.match.suddenDeath)
        return;
    const int d0 = flagDistance(world, 0);
    const int d1 = flagDistance(world, 1);
    if (d0 == d1)
        startSuddenDeath(world);
    else
        world.players[d1 < d0 ? 1 : 0].isWinner = true;
}

// 2. A sudden-death revival: the fighter stands again, fresh for the duel.
void reviveForDuel(Player& p)
{
    reviveFighter(p);
    p.alive = true;
    p.protectionWaived = true;
    p.velocity = sf::Vector2f(0.f, 0.f);
    p.speedFactor = p.skill.kind == gigachillKind ? gigachillSpeed : 1.f;
}

}  // namespace

int flagDistance(const FightWorld& world, int flagIndex)
{
    return std::abs(world.flags[flagIndex].section - middleSection(world));
}

bool timeOutDeferred(const FightWorld& world)
{
    if (world.match.chaseSituation == P2CarryingFlag)
        return true;
    return world.match.chaseSituation == P1CarryingFlag && flagDistance(world, 1) <= flagDistance(world, 0);
}

void updateCountdown(FightWorld& world)
{
    MatchState& match = world.match;
    // 1. The sudden-death clock.
    if (world.match.suddenDeath)
        match.suddenDeathTime += world.stepTime;
    // 2-5. Before the fight: the announcer and "3", "2", "1", "FIGHT !".
    if (world.match.fightLive)
        return;
    cueSound(world.events, "FIGHT", announcerVolume);
    match.countdown -= world.stepTime;
    // 6. The fight goes live.
    if (match.countdown <= 0.f) {
        world.match.fightLive = true;
        match.countdown = countdownTime;
        world.events.music = FightMusic::Starts;
    }
}

void updateTimer(FightWorld& world)
{
    MatchState& match = world.match;
    // 1. The match time runs down by whole steps to 0 and no further.
    if (world.match.fightLive && !world.match.suddenDeath && match.matchTimer > 0.f)
        match.matchTimer = stepsToSeconds(
            std::max(0L, secondsToSteps(match.matchTimer) - std::max(1L, secondsToSteps(world.stepTime))));
    // 2. Time-out.
    if (match.matchTimer <= 0.f)
        timeOutDecision(world);
}

void startSuddenDeath(FightWorld& world)
{
    // 1. The middle section, no crate.
    makeLive(world, middleSection(world));
    world.crate.reset();
    // 2. Nobody has the right of way; everybody stands, empty-handed.
    world.camera.inTransition = false;
    for (Player& p : world.players) {
        p.advancing = false;
        discardItem(p);
        if (p.hitPoints < 1)
            reviveForDuel(p);
        world.match.suddenDeathFalls[p.index] = false;
    }
    // 3-4. The duel starts from the fight's start places.
    world.match.suddenDeath = true;
    centreOnMiddleSection(world.camera);
    placeForFight(world);
    world.match.suddenDeathTime = 0.f;
}

void updateMatchClock(FightWorld& world)
{
    updateCountdown(world);
    if (!world.match.caaMode)
        updateTimer(world);
}
