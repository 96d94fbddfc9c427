#include "opponent/OpponentRandom.h"

namespace {

constexpr std::uint64_t multiplier = 6364136223846793005ULL;

std::uint32_t next(OpponentRandom& r)
{
    const std::uint64_t old = r.state;
    r.state = old * multiplier + r.stream;
    const auto xorshifted = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
    const auto rotation = static_cast<std::uint32_t>(old >> 59u);
    return (xorshifted >> rotation) | (xorshifted << ((32u - rotation) & 31u));
}

}  // namespace

OpponentRandom seededRandom(std::uint64_t matchSeed, int playerIndex)
{
    OpponentRandom r;
    r.stream = (static_cast<std::uint64_t>(playerIndex) * 2u + 0x9e3779b97f4a7c15ULL) | 1u;
    r.state = 0;
    next(r);
    r.state += matchSeed;
    next(r);
    return r;
}

std::uint32_t drawBelow(OpponentRandom& random, std::uint32_t bound)
{
    // Lemire's rejection keeps every value equally likely.
    const std::uint32_t threshold = (0u - bound) % bound;
    for (;;) {
        const std::uint32_t value = next(random);
        if (value >= threshold)
            return value % bound;
    }
}

bool chance(OpponentRandom& random, int permille)
{
    return static_cast<int>(drawBelow(random, 1000u)) < permille;
}

int drawBetween(OpponentRandom& random, int low, int high)
{
    return low + static_cast<int>(drawBelow(random, static_cast<std::uint32_t>(high - low + 1)));
}
