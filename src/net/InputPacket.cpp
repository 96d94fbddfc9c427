#include "net/InputPacket.h"

#include "replay/ReplayBytes.h"

namespace {

constexpr std::uint8_t flagChecksum = 1;
constexpr std::uint32_t maxRunSteps = 255;  // a run's length fits in one byte

struct Run {
    std::uint8_t buttons;
    std::uint32_t steps;
};

// The leading runs of `inputs` within the packet's limits.
std::vector<Run> runsOf(const std::vector<FightInput>& inputs, std::size_t& covered)
{
    std::vector<Run> runs;
    covered = 0;
    for (std::size_t i = 0; i < inputs.size() && i < netMaxPacketSteps; ++i) {
        const auto buttons = static_cast<std::uint8_t>(inputs[i].buttons & fightButtonMask);
        if (runs.empty() || runs.back().buttons != buttons || runs.back().steps == maxRunSteps) {
            if (runs.size() == netMaxPacketRuns)
                break;
            runs.push_back({buttons, 0});
        }
        ++runs.back().steps;
        ++covered;
    }
    return runs;
}

}  // namespace

bool operator==(const InputPacket& a, const InputPacket& b)
{
    return a.sequence == b.sequence && a.ack == b.ack && a.firstStep == b.firstStep &&
           a.advantage == b.advantage && a.inputs == b.inputs &&
           a.hasChecksum == b.hasChecksum && (!a.hasChecksum || a.checksum == b.checksum);
}

std::string encodeInputPacket(const InputPacket& packet, std::size_t* sent)
{
    std::size_t covered = 0;
    const std::vector<Run> runs = runsOf(packet.inputs, covered);
    ByteWriter out;
    writeWireHeader(out, PacketType::Inputs);
    out.u32(packet.sequence);
    out.u32(packet.ack);
    out.u32(packet.firstStep);
    out.u8(packet.hasChecksum ? flagChecksum : 0);
    out.u8(static_cast<std::uint8_t>(packet.advantage));
    if (packet.hasChecksum) {
        out.u32(packet.checksum.step);
        out.u64(packet.checksum.value);
    }
    out.u8(static_cast<std::uint8_t>(runs.size()));
    for (const Run& run : runs) {
        out.u8(run.buttons);
        out.u8(static_cast<std::uint8_t>(run.steps));
    }
    if (sent)
        *sent = covered;
    return out.bytes();
}

PacketProblem decodeInputPacket(std::string_view bytes, InputPacket& packet)
{
    // 1. Size and header.
    if (bytes.size() > netMaxInputPacketBytes)
        return PacketProblem::TooLong;
    ByteReader in(bytes);
    PacketType type{};
    if (PacketProblem header = readWireHeader(in, type); header != PacketProblem::None)
        return header;
    if (type != PacketType::Inputs)
        return PacketProblem::UnknownType;
    // 2. The fixed fields, every step number within a match's reach.
    packet = InputPacket{};
    packet.sequence = in.u32();
    packet.ack = in.u32();
    packet.firstStep = in.u32();
    const std::uint8_t flags = in.u8();
    packet.advantage = static_cast<std::int8_t>(in.u8());
    packet.hasChecksum = (flags & flagChecksum) != 0;
    if (packet.hasChecksum) {
        packet.checksum.step = in.u32();
        packet.checksum.value = in.u64();
    }
    const std::uint8_t runCount = in.u8();
    if (in.failed())
        return PacketProblem::TooShort;
    if ((flags & ~flagChecksum) != 0 || packet.ack > netMaxStep || packet.firstStep > netMaxStep ||
        packet.checksum.step > netMaxStep || runCount > netMaxPacketRuns)
        return PacketProblem::BadField;
    if (in.left() < 2u * runCount)
        return PacketProblem::TooShort;
    if (in.left() > 2u * runCount)
        return PacketProblem::TooLong;
    // 3. The runs: known buttons, no empty run, no more steps than a packet holds.
    packet.inputs.reserve(netMaxPacketSteps < 255u * runCount ? netMaxPacketSteps : 255u * runCount);
    for (int r = 0; r < runCount; ++r) {
        const std::uint8_t buttons = in.u8();
        const std::uint8_t steps = in.u8();
        if ((buttons & ~fightButtonMask) != 0 || steps == 0 || packet.inputs.size() + steps > netMaxPacketSteps)
            return PacketProblem::BadField;
        packet.inputs.insert(packet.inputs.end(), steps, FightInput{buttons});
    }
    if (packet.firstStep + packet.inputs.size() > netMaxStep)
        return PacketProblem::BadField;
    return PacketProblem::None;
}
