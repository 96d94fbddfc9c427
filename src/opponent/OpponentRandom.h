#pragma once

#include "world/WorldRandom.h"

#include <cstdint>

// The opponent's own dice: the world's kind of generator on a stream of its
// own, seeded from the match seed and the player it plays, so that a replayed
// match replays its choices. It is never the fight's generator: drawing from
// it cannot change the fight.
struct OpponentRandom {
    WorldRandom dice;

    friend bool operator==(const OpponentRandom& a, const OpponentRandom& b)
    {
        return a.dice.state == b.dice.state && a.dice.increment == b.dice.increment;
    }
    friend bool operator!=(const OpponentRandom& a, const OpponentRandom& b) { return !(a == b); }
};

OpponentRandom seededRandom(std::uint64_t matchSeed, int playerIndex);
// The seed of a fight's opponents: the fight's generator as it stands, read
// and not drawn from, so the fight's own numbers stay as they were.
std::uint64_t opponentSeed(const WorldRandom& fightRandom);
// A number in [0, bound) (0 < bound < 2^31).
std::uint32_t drawBelow(OpponentRandom& random, std::uint32_t bound);
// True `permille` times in a thousand.
bool chance(OpponentRandom& random, int permille);
// A number in [low, high].
int drawBetween(OpponentRandom& random, int low, int high);
