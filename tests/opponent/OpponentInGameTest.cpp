#include "GameView.h"
#include "match/JungleMatch.h"

#include "opponent/Opponent.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

// Real Jungle matches of today's game, one side played by the opponent and
// the other standing still: it goes for the other fighter, takes the right of
// way, runs for its flag across the sections and carries it home before the
// time is up, never going down on its own (a pit, spikes) and never standing
// on the spot for 3 s while it is free to move.
TEST(OpponentInGame, WinsARealJungleMatchAgainstAStandingPerson)
{
    struct Match {
        int player;
        Strength strength;
    };
    for (const Match match : {Match{1, Strength::Easy}, Match{1, Strength::Normal}, Match{1, Strength::Hard},
                              Match{0, Strength::Hard}}) {
        JungleMatch f;
        Game& game = f.game;
        f.goLive();
        Opponent opponent = makeOpponent(match.strength, 2024, match.player);
        const Player& played = game.world.players[match.player];
        int still = 0, longestStill = 0, falls = 0;
        bool wasStanding = true;
        for (int step = 0; step < 300 * 150 && game.state == SceneState::Fight; ++step) {
            const FightInput input = decideInput(opponent, viewOfGame(game));
            holdButtons(f.headless, played, input);
            f.frames(1, 1.f / 300.f);
            const bool free = game.world.match.fightLive && !game.world.match.flagTaken && played.hitPoints >= 1 && !game.world.camera.inTransition;
            still = !free || (input.buttons & (ButtonLeft | ButtonRight | ButtonJump)) ? 0 : still + 1;
            longestStill = std::max(longestStill, still);
            falls += wasStanding && played.hitPoints < 1 ? 1 : 0;
            wasStanding = played.hitPoints >= 1;
        }
        const std::string what = "P" + std::to_string(match.player + 1) + " at strength " +
                                 std::to_string(static_cast<int>(match.strength));
        EXPECT_EQ(game.state, SceneState::Victory) << what;
        EXPECT_TRUE(played.isWinner) << what;
        EXPECT_EQ(falls, 0) << what;
        EXPECT_LT(longestStill, 900) << what;
    }
}
