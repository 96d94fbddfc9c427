// Any bytes as a packet from the other side: refused with a reason, or read
// into a packet or message that writes and reads back the same. Fed to one
// side's buttons, nothing may crash it or grow it past its limits; fed to a
// joiner awaiting the host's set-up, its level is read from memory and
// played or refused with a reason.
#include "net/ControlMessage.h"
#include "net/InputPacket.h"
#include "net/InputTimeline.h"
#include "net/OnlineControl.h"

#include <cstdlib>
#include <string>

namespace {

void checkInputs(std::string_view bytes)
{
    InputPacket packet;
    if (decodeInputPacket(bytes, packet) != PacketProblem::None)
        return;
    if (packet.inputs.size() > netMaxPacketSteps)
        std::abort();
    InputPacket again;
    if (decodeInputPacket(encodeInputPacket(packet), again) != PacketProblem::None || !(again == packet))
        std::abort();
}

void checkControl(std::string_view bytes)
{
    ControlMessage message;
    const PacketProblem problem = decodeControl(bytes, message);
    if (problem != PacketProblem::None) {
        if (problemName(problem).empty())
            std::abort();
        return;
    }
    ControlMessage again;
    if (decodeControl(encodeControl(message), again) != PacketProblem::None || !(again == message))
        std::abort();
}

// The bytes as the host's set-up to a joiner that has said hello: it moves on
// to choosing fighters, or leaves saying what was wrong with the level.
void checkSetup(std::string_view bytes)
{
    OnlineControl joiner = startJoining();
    receiveControl(joiner, encodeControl(ControlMessage{}));
    receiveControl(joiner, bytes);
    const bool refused = !joiner.levelProblem.empty();
    if (refused && (joiner.stage != OnlineStage::Left || joiner.leftFor != LeaveReason::LevelRefused || !joiner.weLeft))
        std::abort();
    if (joiner.stage == OnlineStage::ChoosingFighters && !setupLevelProblem(joiner.setup).empty())
        std::abort();
}

// Each 40-byte slice as one packet to one side's buttons, which keeps
// playing: what it takes in stays within the steps the other side can reach.
void checkTimeline(std::string_view bytes)
{
    InputTimeline timeline(1, 10);
    std::uint32_t played = 0;
    for (std::size_t at = 0; at < bytes.size(); at += 40) {
        timeline.receiveBytes(bytes.substr(at, 40));
        if (const auto wrong = timeline.takeFirstWrong(); wrong && *wrong >= played)
            std::abort();
        for (int s = 0; s < 5 && timeline.mayPlay(); ++s, ++played) {
            timeline.pushLocal(FightInput{static_cast<std::uint16_t>(played % 7)});
            FightInput both[2];
            timeline.buttonsFor(played, both);
        }
        if (timeline.peerKnown() > timeline.inputs(1).size() + maxPredictedSteps + 20)
            std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkInputs(bytes);
    checkControl(bytes);
    checkSetup(bytes);
    checkTimeline(bytes);
    return 0;
}
