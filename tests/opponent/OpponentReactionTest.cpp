#include "JungleViews.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

const Strength strengths[] = {Strength::Easy, Strength::Normal, Strength::Hard};

// P1 played by the computer stands face to face with P2; P2 starts a swing
// at step `swingAt` and swings for `swingSteps`. Returns the first step at
// which Parry went down after the swing began, or -1.
int parryStep(Strength strength, std::uint64_t seed, int swingAt, int swingSteps)
{
    OpponentView view = jungleView(2, 17, 18);
    view.rightOfWay = nobody;
    Opponent opponent = makeOpponent(strength, seed, 0);
    bool wasDown = false;
    for (int step = 0; step < swingAt + swingSteps; ++step) {
        FighterView& foe = view.fighters[1];
        foe.action = step >= swingAt ? FighterAction::Attacking : FighterAction::Idle;
        const bool down = decideInput(opponent, view).held(ButtonParry);
        if (down && !wasDown && step >= swingAt)
            return step;
        wasDown = down;
    }
    return -1;
}

}  // namespace

// A person's reaction: nothing is pressed before the fight has been seen live
// for the whole delay, and no swing is answered sooner than the delay after it
// began. HARD answers a swing in time far more often than EASY.
TEST(OpponentReaction, AnswersNoSoonerThanItsDelayAndHardParriesMoreThanEasy)
{
    for (Strength strength : strengths) {
        const int delay = profileOf(strength).delaySteps;
        for (std::uint64_t seed = 1; seed <= 5; ++seed) {
            OpponentView view = jungleView(2, 20, 40);
            view.phase = MatchPhase::Countdown;
            Opponent opponent = makeOpponent(strength, seed, 1);
            int firstPress = -1;
            for (int step = 0; step < 1000 && firstPress < 0; ++step) {
                view.phase = step >= 300 ? MatchPhase::Live : MatchPhase::Countdown;
                if (decideInput(opponent, view).buttons != 0)
                    firstPress = step;
            }
            EXPECT_GE(firstPress, 300 + delay) << "strength " << static_cast<int>(strength);
        }
    }
    constexpr int tries = 200, swingAt = 400, swingSteps = 150;  // a 0.5 s swing
    int parried[3] = {0, 0, 0};
    for (int s = 0; s < 3; ++s)
        for (std::uint64_t seed = 1; seed <= tries; ++seed) {
            const int step = parryStep(strengths[s], seed, swingAt, swingSteps);
            if (step >= 0) {
                ++parried[s];
                EXPECT_GE(step, swingAt + profileOf(strengths[s]).delaySteps);
            }
        }
    EXPECT_LT(parried[0], tries / 5) << "EASY";
    EXPECT_GT(parried[2], tries * 3 / 5) << "HARD";
    EXPECT_GT(parried[1], parried[0]) << "NORMAL against EASY";
    EXPECT_GT(parried[2], parried[1]) << "HARD against NORMAL";
}

// The same seed and the same views give the same buttons, step for step; its
// chances come from its own seed, so another seed or the other player plays
// differently. Face to face with a fighter it cannot pass, it still never
// stands on the spot for 3 s.
TEST(OpponentReaction, DeterministicForASeedAndPlayerAndNeverStill)
{
    const auto presses = [](std::uint64_t seed, int player) {
        OpponentView view = jungleView(2, 17, 18);
        view.rightOfWay = nobody;
        Opponent opponent = makeOpponent(Strength::Normal, seed, player);
        std::vector<std::uint16_t> out;
        for (int step = 0; step < 3000; ++step) {
            view.fighters[static_cast<std::size_t>(1 - player)].action =
                (step / 200) % 2 ? FighterAction::Attacking : FighterAction::Idle;
            out.push_back(decideInput(opponent, view).buttons);
        }
        return out;
    };
    const std::vector<std::uint16_t> played = presses(42, 0);
    int still = 0, longestStill = 0;
    for (std::uint16_t buttons : played) {
        still = (buttons & (ButtonLeft | ButtonRight | ButtonJump)) ? 0 : still + 1;
        longestStill = std::max(longestStill, still);
    }
    EXPECT_LT(longestStill, 900);
    EXPECT_EQ(played, presses(42, 0));
    EXPECT_NE(presses(42, 0), presses(43, 0));
    EXPECT_NE(seededRandom(42, 0), seededRandom(42, 1));
}
