#pragma once

#include "net/InputTimeline.h"
#include "net/WireFormat.h"
#include "replay/ReplayRecord.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The reliable channel's messages: hello (wire and game version), the host's
// match set-up (a custom level's files travel with it, bounded as a replay
// keeps them), ready (with the sender's own fighter), rematch and leave.

constexpr std::uint16_t netProtocol = 2;       // raised whenever the rules of the exchange change
constexpr std::size_t netMaxControlBytes =     // a set-up with the largest level a replay may keep
    replayMaxLevelBytes + replayMaxLevelFiles * (replayMaxNameBytes + 6) + 1024;

enum class LeaveReason : std::uint8_t {
    Left = 0,          // the player left
    Desync = 1,        // the checksums of one step differ
    OtherVersion = 2,  // the hello's versions do not match
    Silent = 3,        // nothing heard for too long
    LevelRefused = 4,  // the joiner cannot read the level the set-up brought
};
constexpr int leaveReasonCount = 5;

struct MatchSetup {
    ReplayMode mode = ReplayMode::Classic;
    std::string levelName;                   // "Jungle", "caa" or a custom level's name
    std::vector<ReplayLevelFile> levelFiles; // a custom level's files; empty for the game's own
    std::uint8_t kinds[2] = {1, 1};          // the host's fighter, then the joiner's
    std::uint64_t seed = 1;
    std::uint8_t inputDelayFrames = 2;       // both sides' input delay, 0..4 frames of 1/60 s
};

struct ControlMessage {
    PacketType type = PacketType::Hello;
    // Hello
    std::uint16_t protocol = netProtocol;
    std::string gameVersion = currentGameVersion;
    // MatchSetup
    MatchSetup setup;
    // Ready: the sender's fighter kind
    std::uint8_t kind = 1;
    // Leave
    LeaveReason reason = LeaveReason::Left;
};

bool operator==(const ControlMessage& a, const ControlMessage& b);

std::string encodeControl(const ControlMessage& message);

// Reads `bytes` into `message`; anything but PacketProblem::None leaves it
// unusable. Level files are read only within the bytes that arrived and the
// limits of a replay's level (count, names, total size).
PacketProblem decodeControl(std::string_view bytes, ControlMessage& message);
