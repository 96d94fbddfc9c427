#pragma once

#include <cstdint>

// The opponent's own dice: a small PCG generator seeded from the match seed
// and the player it plays, so that a replayed match replays its choices. It is
// never the fight's generator: drawing from it cannot change the fight.
struct OpponentRandom {
    std::uint64_t state = 0x853c49e6748fea9bULL;
    std::uint64_t stream = 0xda3e39cb94b95bdbULL;  // odd

    friend bool operator==(const OpponentRandom& a, const OpponentRandom& b)
    {
        return a.state == b.state && a.stream == b.stream;
    }
    friend bool operator!=(const OpponentRandom& a, const OpponentRandom& b) { return !(a == b); }
};

OpponentRandom seededRandom(std::uint64_t matchSeed, int playerIndex);
// A number in [0, bound) (bound > 0).
std::uint32_t drawBelow(OpponentRandom& random, std::uint32_t bound);
// True `permille` times in a thousand.
bool chance(OpponentRandom& random, int permille);
// A number in [low, high].
int drawBetween(OpponentRandom& random, int low, int high);
