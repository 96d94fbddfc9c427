#include "WorldMatches.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int stepsPerSecond = 300;
constexpr int matchLimit = 300;  // s: the classic timer; the kill race has none, so the same bound

const char* modeName(bool caa)
{
    return caa ? "kill race" : "classic";
}

std::string strengthName(Strength strength)
{
    return strength == Strength::Hard ? "HARD" : strength == Strength::Normal ? "NORMAL" : "EASY";
}

// Wins of `first` over `second` in `matches` seeded matches, each on either
// side in turn; every computer's own falls (a pit, spikes, with no blow of the
// other's before) are added to `ownDeaths`.
int winsOf(bool caa, Strength first, Strength second, int matches, int& ownDeaths)
{
    int wins = 0;
    for (int seed = 1; seed <= matches; ++seed) {
        const int side = seed % 2 ? 0 : 1;
        const WatchedMatch m = side == 0 ? playWorldMatch(caa, cpu(first), cpu(second), seed, matchLimit)
                                         : playWorldMatch(caa, cpu(second), cpu(first), seed, matchLimit);
        wins += m.winner == side ? 1 : 0;
        ownDeaths += m.ownDeaths[0] + m.ownDeaths[1];
    }
    return wins;
}

}  // namespace

// Against a person who stands still, each strength on either side wins the
// classic match before the time is up and the kill race, never going down on
// its own and never standing on the spot for 3 s while it is free to move.
// Disabled until it passes: on the world alone the kill race is not yet won
// against a fighter who never moves, and the classic match stands still too long.
TEST(OpponentMatches, DISABLED_EachStrengthBeatsAStandingPersonInBothModes)
{
    std::uint64_t seed = 2024;
    int side = 0;
    for (bool caa : {false, true})
        for (Strength strength : {Strength::Easy, Strength::Normal, Strength::Hard}) {
            side = 1 - side;
            const WatchedMatch m = side == 0 ? playWorldMatch(caa, cpu(strength), Seat{}, ++seed, matchLimit)
                                             : playWorldMatch(caa, Seat{}, cpu(strength), ++seed, matchLimit);
            const std::string what = std::string(modeName(caa)) + ", " + strengthName(strength) + " as P" +
                                     std::to_string(side + 1);
            EXPECT_EQ(m.winner, side) << what << " after " << m.seconds << " s";
            EXPECT_EQ(m.ownDeaths[side], 0) << what;
            EXPECT_LT(m.longestStill[side], 3 * stepsPerSecond) << what;
        }
}

// A tournament round, as the strengths are measured: 20 seeded matches per
// pairing in each mode, each strength on either side in turn. HARD beats EASY
// in 80 % of them and NORMAL beats EASY in 65 %, and in all of them no
// computer walks into a pit or onto spikes on its own. Long (about two
// minutes here), and disabled until the kill race holds to it.
TEST(OpponentTournament, DISABLED_HardAndNormalBeatEasyAndNobodyFallsOnItsOwn)
{
    constexpr int matches = 20;
    for (bool caa : {false, true}) {
        int ownDeaths = 0;
        EXPECT_GE(winsOf(caa, Strength::Hard, Strength::Easy, matches, ownDeaths), 16) << modeName(caa);
        EXPECT_GE(winsOf(caa, Strength::Normal, Strength::Easy, matches, ownDeaths), 13) << modeName(caa);
        EXPECT_EQ(ownDeaths, 0) << modeName(caa);
    }
}
