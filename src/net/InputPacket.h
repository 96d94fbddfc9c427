#pragma once

#include "net/WireFormat.h"
#include "world/FightInput.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The packet each side sends every frame on the unreliable channel: every
// step of its own buttons the other side has not acknowledged yet (so one lost
// packet loses nothing), its acknowledgement of the other side's buttons, and
// now and then the checksum of a world both sides have confirmed. The buttons
// travel as runs of equal steps: a person changes buttons a few times a
// second, so a packet of a few dozen steps is a few bytes.

constexpr std::uint32_t netMaxStep = 2u * 60u * 60u * 300u;  // steps: two hours, far past any match
constexpr std::size_t netMaxPacketSteps = 1200;                // steps one packet may carry (4 s)
constexpr std::size_t netMaxPacketRuns = 128;                  // runs of equal buttons in one packet
constexpr std::size_t netMaxInputPacketBytes = wireHeaderBytes + 27 + 2 * netMaxPacketRuns;

struct ChecksumNote {
    std::uint32_t step = 0;  // the world after this many steps (a whole second of play)
    std::uint64_t value = 0;
    friend bool operator==(const ChecksumNote& a, const ChecksumNote& b)
    {
        return a.step == b.step && a.value == b.value;
    }
};

struct InputPacket {
    std::uint32_t sequence = 0;   // one more for each packet sent
    std::uint32_t ack = 0;        // the sender holds every step of the receiver's buttons below this
    std::uint32_t firstStep = 0;  // the step of inputs[0]
    std::int8_t advantage = 0;    // steps the sender has played past what it has seen the receiver play
    std::vector<FightInput> inputs;
    bool hasChecksum = false;
    ChecksumNote checksum;
};

bool operator==(const InputPacket& a, const InputPacket& b);

// The bytes of `packet`. Inputs past netMaxPacketSteps steps or
// netMaxPacketRuns runs are left for a later packet; `sent` says how many went.
std::string encodeInputPacket(const InputPacket& packet, std::size_t* sent = nullptr);

// Reads `bytes` into `packet`; anything but PacketProblem::None leaves the
// packet unusable. Never allocates more than netMaxPacketSteps inputs.
PacketProblem decodeInputPacket(std::string_view bytes, InputPacket& packet);
