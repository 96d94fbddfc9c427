#include "app/FightSession.h"
#include "support/Headless.h"

#include "opponent/Opponent.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr int stepsPerSecond = 300;

PlayerControl computer(Strength strength)
{
    return PlayerControl{true, strength};
}

// A fight of `plan` in which the cards say who plays: the keys and pads
// (none held here) or the computer.
void startPlayedFight(Game& game, const FightPlan& plan, PlayerControl p1, PlayerControl p2)
{
    startFight(game, plan);
    game.scriptedButtons.playing = false;
    game.playerControls.players = {p1, p2};
}

struct Watched {
    int longestStill = 0;  // live steps in a row with no move or jump held
    int falls = 0;         // went down with nobody near enough to strike it
};

// Steps the fight until its result or `seconds`, watching `player`'s
// buttons as the fight took them.
Watched playOut(Game& game, int player, int seconds)
{
    const FightInput unused[2] = {};
    const Player& played = game.world.players[player];
    Watched watched;
    int still = 0;
    bool wasStanding = true;
    for (int step = 0; step < seconds * stepsPerSecond && game.state == SceneState::Fight; ++step) {
        stepFight(game, unused);
        const bool free = game.world.match.fightLive && !game.world.match.flagTaken && played.hitPoints >= 1 &&
                          !game.world.camera.inTransition;
        still = !free || played.input.buttons.held(ButtonLeft) || played.input.buttons.held(ButtonRight) ||
                        played.input.buttons.held(ButtonJump)
                    ? 0
                    : still + 1;
        watched.longestStill = std::max(watched.longestStill, still);
        watched.falls += wasStanding && played.hitPoints < 1 ? 1 : 0;
        wasStanding = played.hitPoints >= 1;
    }
    return watched;
}

}  // namespace

// The program's own fights, one fighter's card set to the computer and the
// other fighter left standing: at each strength and on either side it wins
// the classic match before the time is up, never going down on its own (a pit, spikes: the standing fighter strikes nobody) and
// never standing on the spot for 3 s while it is free to move.
TEST(OpponentInGame, WinsAgainstAStandingPersonWithoutFallingOrStandingStill)
{
    struct Match {
        FightMode mode;
        int player;
        Strength strength;
    };
    const Match matches[] = {{FightMode::Classic, 1, Strength::Easy}, {FightMode::Classic, 1, Strength::Normal},
                             {FightMode::Classic, 0, Strength::Hard}};
    HeadlessGame driver;
    Game& game = *driver.game;
    std::uint64_t seed = 2024;
    for (const Match& match : matches) {
        const PlayerControl cpu = computer(match.strength);
        startPlayedFight(game, FightPlan{match.mode, "", {1, 1}, ++seed}, match.player == 0 ? cpu : PlayerControl{},
                         match.player == 1 ? cpu : PlayerControl{});
        const Watched watched = playOut(game, match.player, 300);
        const std::string what = std::string(match.mode == FightMode::Caa ? "caa" : "classic") + " P" +
                                 std::to_string(match.player + 1) + " " + controlLabel(cpu);
        EXPECT_TRUE(game.world.players[match.player].isWinner) << what;
        EXPECT_FALSE(game.world.players[1 - match.player].isWinner) << what;
        EXPECT_EQ(watched.falls, 0) << what;
        EXPECT_LT(watched.longestStill, 3 * stepsPerSecond) << what;
    }
}

// It reads the fight and nothing else, as late as its strength allows: with
// the other fighter's buttons changed from step N on, its own presses are the
// same through step N + its delay, and differ later (the change is seen).
// The same seed plays the same match.
TEST(OpponentInGame, ReadsNoInputAndSeesAChangeOnlyAfterItsDelay)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    constexpr int changeAt = 6 * stepsPerSecond, length = 12 * stepsPerSecond;
    const auto presses = [&](Strength strength, bool p1Runs) {
        startFight(game, FightPlan{FightMode::Classic, "", {1, 1}, 77});
        game.playerControls.players = {PlayerControl{}, computer(strength)};
        std::vector<std::uint16_t> out;
        for (int step = 0; step < length; ++step) {
            FightInput inputs[2];
            inputs[0].buttons = p1Runs && step >= changeAt ? ButtonLeft : 0;
            inputs[1] = computerButtons(game, 1);
            out.push_back(inputs[1].buttons);
            stepFight(game, inputs);
        }
        return out;
    };
    for (Strength strength : {Strength::Easy, Strength::Hard}) {
        const std::vector<std::uint16_t> standing = presses(strength, false);
        const std::vector<std::uint16_t> running = presses(strength, true);
        const auto differ = std::mismatch(standing.begin(), standing.end(), running.begin()).first - standing.begin();
        EXPECT_GT(differ, changeAt + profileOf(strength).delaySteps) << controlLabel(computer(strength));
        EXPECT_LT(differ, length) << controlLabel(computer(strength));
        EXPECT_EQ(standing, presses(strength, false));
    }
}
