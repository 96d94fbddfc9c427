#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct FightWorld;

// A world's rule fields as bytes and as one 64-bit checksum. The byte form
// starts with a magic word and a version and ends with a checksum of what
// comes before it, so a damaged or foreign blob is refused with a message.
// The read-only record a world points at (level, frames, masks) is not part
// of it: a blob is read into a world already set up for the same fight.

constexpr std::uint32_t worldBytesVersion = 4;      // 4: flags' shown positions
constexpr std::uint32_t oldestWorldBytesVersion = 3;  // read too; its flags keep the positions they had
constexpr std::size_t maxWorldBytes = 64 * 1024;  // far above any real world
constexpr std::size_t maxShots = 256;             // shots a readable world may hold

// FNV-1a over every rule field, in the order of `visitWorld`.
std::uint64_t checksum(const FightWorld& world);

std::vector<std::uint8_t> serialize(const FightWorld& world);

// Reads `bytes` into `world`. A blob that is too short, too long, of another
// version, damaged or holding impossible counts leaves `world` untouched and
// returns false with `error` saying what was wrong.
bool deserialize(const std::vector<std::uint8_t>& bytes, FightWorld& world, std::string& error);
