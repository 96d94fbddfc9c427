#include "world/WorldRandom.h"

namespace {

constexpr std::uint64_t multiplier = 6364136223846793005ULL;
constexpr std::uint64_t sequence = 1442695040888963407ULL;  // the one stream the game draws from

}  // namespace

void seedRandom(WorldRandom& random, std::uint64_t seed)
{
    seedRandom(random, seed, sequence);
}

void seedRandom(WorldRandom& random, std::uint64_t seed, std::uint64_t stream)
{
    random.state = 0;
    random.increment = stream | 1u;
    nextRandom(random);
    random.state += seed;
    nextRandom(random);
}

std::uint64_t seedOf(const WorldRandom& random)
{
    // Seeding steps twice: state = ((increment + seed) * multiplier) + increment.
    // The multiplier is odd, so it has an inverse modulo 2^64 (Newton's steps).
    std::uint64_t inverse = multiplier;
    for (int i = 0; i < 5; ++i)
        inverse *= 2u - multiplier * inverse;
    return (random.state - random.increment) * inverse - random.increment;
}

std::uint32_t nextRandom(WorldRandom& random)
{
    const std::uint64_t old = random.state;
    random.state = old * multiplier + random.increment;
    const auto xorShifted = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
    const auto rotation = static_cast<std::uint32_t>(old >> 59u);
    return (xorShifted >> rotation) | (xorShifted << ((32u - rotation) & 31u));
}

int randomBelow(WorldRandom& random, int bound)
{
    const auto range = static_cast<std::uint32_t>(bound);
    const std::uint32_t threshold = (0u - range) % range;
    for (;;) {
        const std::uint32_t r = nextRandom(random);
        if (r >= threshold)
            return static_cast<int>(r % range);
    }
}
