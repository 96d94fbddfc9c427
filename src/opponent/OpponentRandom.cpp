#include "opponent/OpponentRandom.h"

OpponentRandom seededRandom(std::uint64_t matchSeed, int playerIndex)
{
    OpponentRandom r;
    seedRandom(r.dice, matchSeed, static_cast<std::uint64_t>(playerIndex) * 2u + 0x9e3779b97f4a7c15ULL);
    return r;
}

std::uint64_t opponentSeed(const WorldRandom& fightRandom)
{
    return fightRandom.state ^ fightRandom.increment;
}

std::uint32_t drawBelow(OpponentRandom& random, std::uint32_t bound)
{
    return static_cast<std::uint32_t>(randomBelow(random.dice, static_cast<int>(bound)));
}

bool chance(OpponentRandom& random, int permille)
{
    return static_cast<int>(drawBelow(random, 1000u)) < permille;
}

int drawBetween(OpponentRandom& random, int low, int high)
{
    return low + static_cast<int>(drawBelow(random, static_cast<std::uint32_t>(high - low + 1)));
}
