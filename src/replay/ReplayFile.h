#pragma once

#include "replay/ReplayRecord.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class ByteWriter;

// The replay file (".kfr"), little-endian:
//   "KFREPLAY", format version (u16), game version (u8 length + text)
//     -- these three stay where they are in every future format --
//   mode (u8), flags (u8: 1 finished, 2 custom level), level name (u8 length + text),
//   level hash (u64), both fighter kinds (u8 each), seed (u64), [from format 2 on: curtain
//   steps (u32), starting world (u32 size + bytes); format 1 reads as none], steps per second (u16),
//   level file count (u16), each: name (u8 length + text), present (u8), size (u32), bytes;
//   step count (u32), run count (u32), each run: P1 buttons (u8), P2 buttons (u8),
//   steps - 1 (7-bit groups, low first);
//   one checksum (u64) per whole 300 steps, the final checksum (u64);
//   and a 64-bit FNV-1a of every byte before it, so that any damage is seen.

constexpr std::uint16_t replayFormatVersion = 2;
constexpr std::uint16_t oldestReplayFormat = 1;  // still read
constexpr std::size_t maxReplayBytes = 4u << 20;  // bytes of a replay file at most
extern const char* const replayMagic;             // "KFREPLAY"
extern const char* const replayTooLarge;          // why a longer file is refused

// The file's bytes of a record that replayRecordProblem (ReplayRecord.h) accepts.
std::string encodeReplay(const ReplayRecord& record);

// A replay read back, or the one-line reason it was refused.
struct DecodedReplay {
    ReplayRecord record;
    std::string problem;  // "" when read
};
DecodedReplay decodeReplay(std::string_view bytes);

// Writes the closing 64-bit hash over `bytes` anew (for tests and the fuzz
// harness, which change a file on purpose and want the reader to look further).
void resealReplay(std::string& bytes);

// One level file as replays and online match set-ups carry it: name, whether
// it was there, length, bytes.
void writeLevelFile(ByteWriter& out, const ReplayLevelFile& file);
