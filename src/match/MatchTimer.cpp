#include "match/MatchFlow.h"

#include "app/Game.h"
#include "app/FixedSteps.h"
#include "audio/Audio.h"
#include "match/FighterReset.h"
#include "match/Sections.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

constexpr float announcerVolume = 100.f;
constexpr float musicVolume = 100.f;
constexpr int fightShown = 0;  // the countdown's last text, "FIGHT !"

void showCountdown(Hud& hud, const MatchState& match)
{
    const int shown = match.countdown <= 1.f ? fightShown : static_cast<int>(match.countdown);
    if (shown == hud.shownCountdown)
        return;
    hud.shownCountdown = shown;
    hud.centreText.setString(shown == fightShown ? std::string("FIGHT !") : std::to_string(shown));
}

void showTimer(Hud& hud, const MatchState& match)
{
    const int seconds = static_cast<int>(match.matchTimer);
    if (seconds == hud.shownSeconds)
        return;
    hud.shownSeconds = seconds;
    const int m = seconds / 60;
    const int s = seconds % 60;
    hud.timerText.setString(std::to_string(m) + (s < 10 ? " : 0" : " : ") + std::to_string(s));
}

// The match time as a whole number of fixed steps, and back.
long secondsToSteps(float seconds)
{
    return std::lround(static_cast<double>(seconds) / static_cast<double>(fixedStep));
}

float stepsToSeconds(long steps)
{
    return static_cast<float>(static_cast<double>(steps) * static_cast<double>(fixedStep));
}

// The time-out text pulses.
void blinkTimer(Game& game)
{
    Hud& hud = game.hud;
    hud.timerBlinkPhase += game.frameTime;
    const float alpha = std::fabs(std::cos(hud.timerBlinkPhase)) * 255.f;
    hud.timerText.setFillColor(sf::Color(255, 255, 255, static_cast<sf::Uint8>(alpha)));
}

// 3. Who leads at time-out: a tie goes to sudden death (once), otherwise
// the player whose flag lies nearer the middle is the winner.
void timeOutDecision(Game& game)
{
    if (timeOutDeferred(game) || game.world.match.suddenDeath)
        return;
    const int d0 = flagDistance(game, 0);
    const int d1 = flagDistance(game, 1);
    if (d0 == d1)
        startSuddenDeath(game);
    else
        game.world.players[d1 < d0 ? 1 : 0].isWinner = true;
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

int flagDistance(const Game& game, int flagIndex)
{
    return std::abs(game.world.flags[flagIndex].section - middleSection(game));
}

bool timeOutDeferred(const Game& game)
{
    if (game.world.match.chaseSituation == P2CarryingFlag)
        return true;
    return game.world.match.chaseSituation == P1CarryingFlag && flagDistance(game, 1) <= flagDistance(game, 0);
}

void updateCountdown(Game& game)
{
    Hud& hud = game.hud;
    MatchState& match = game.world.match;
    // 1. The sudden-death clock.
    if (game.world.match.suddenDeath)
        match.suddenDeathTime += game.frameTime;
    // 2-5. Before the fight: the announcer and "3", "2", "1", "FIGHT !".
    if (game.world.match.fightLive)
        return;
    playSound("FIGHT", announcerVolume);
    match.countdown -= game.frameTime;
    showCountdown(hud, match);
    // 6. The fight goes live.
    if (match.countdown <= 0.f) {
        game.world.match.fightLive = true;
        match.countdown = countdownTime;
        playMusic("JUNGLE", musicVolume);
    }
}

void updateTimer(Game& game)
{
    Hud& hud = game.hud;
    MatchState& match = game.world.match;
    // 1. The match time runs down by whole steps to 0 and no further.
    if (game.world.match.fightLive && !game.world.match.suddenDeath && match.matchTimer > 0.f)
        match.matchTimer = stepsToSeconds(
            std::max(0L, secondsToSteps(match.matchTimer) - std::max(1L, secondsToSteps(game.frameTime))));
    // 2. "m : ss".
    showTimer(hud, match);
    // 3. Time-out.
    if (match.matchTimer <= 0.f) {
        blinkTimer(game);
        timeOutDecision(game);
    }
}

void startSuddenDeath(Game& game)
{
    // 1. The middle section, no crate.
    makeLive(game, middleSection(game));
    game.world.crate.reset();
    // 2. Nobody has the right of way; everybody stands, empty-handed.
    game.world.camera.inTransition = false;
    for (Player& p : game.world.players) {
        p.advancing = false;
        discardItem(p);
        if (p.hitPoints < 1)
            reviveForDuel(p);
        game.world.match.suddenDeathFalls[p.index] = false;
    }
    // 3-4. The duel starts from the fight's start places.
    game.world.match.suddenDeath = true;
    centreOnMiddleSection(game.world.camera);
    placeForFight(game);
    // 5. The banner.
    game.hud.centreText.setString("SUDDEN DEATH");
    game.hud.shownCountdown = -1;
    game.world.match.suddenDeathTime = 0.f;
}
