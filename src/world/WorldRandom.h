#pragma once

#include <cstdint>

// The fight's one source of chance: a PCG32 generator kept inside the world,
// so a copied or stored world draws the same numbers as the original.
struct WorldRandom {
    std::uint64_t state = 0x853c49e6748fea9bULL;
    std::uint64_t increment = 0xda3e39cb94b95bdbULL;  // always odd
};

// Starts the sequence of `seed` on the fight's own stream.
void seedRandom(WorldRandom& random, std::uint64_t seed);
// Starts the sequence of `seed` on another stream (any number; it is made odd),
// for a generator that must never draw the fight's numbers.
void seedRandom(WorldRandom& random, std::uint64_t seed, std::uint64_t stream);
// The seed that puts a generator of the fight's own stream where `random`
// stands now (seedRandom(r, seedOf(random)) makes r equal to random).
std::uint64_t seedOf(const WorldRandom& random);
// The next 32 random bits.
std::uint32_t nextRandom(WorldRandom& random);
// A number in [0, bound) (bound > 0), without modulo bias.
int randomBelow(WorldRandom& random, int bound);
