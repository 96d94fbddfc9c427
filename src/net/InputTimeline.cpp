#include "net/InputTimeline.h"

#include <algorithm>

namespace {

constexpr std::uint32_t frameSlackSteps = 5;  // a frame's steps played before its packet goes

std::size_t noteSlot(std::uint32_t step, std::size_t slots)
{
    return (step / checksumEverySteps) % slots;
}

constexpr std::size_t maxChecksums = netMaxStep / checksumEverySteps;

}  // namespace

InputTimeline::InputTimeline(int localPlayer, int delaySteps)
    : local_(localPlayer == 1 ? 1 : 0), delaySteps_(static_cast<std::uint32_t>(delaySteps < 0 ? 0 : delaySteps))
{
    for (std::vector<FightInput>& side : inputs_)
        side.assign(delaySteps_, FightInput{});
    peerAck_ = delaySteps_;
}

bool InputTimeline::mayPlay() const
{
    return played_ + 1 <= peerKnown() + maxPredictedSteps && inputs_[local_].size() < netMaxStep;
}

void InputTimeline::pushLocal(FightInput input)
{
    input.buttons &= fightButtonMask;
    inputs_[local_].push_back(input);
}

void InputTimeline::buttonsFor(std::uint32_t step, FightInput out[2])
{
    const int peer = 1 - local_;
    const std::vector<FightInput>& theirs = inputs_[peer];
    out[local_] = inputs_[local_][step];
    out[peer] = step < theirs.size() ? theirs[step] : theirs.empty() ? FightInput{} : theirs.back();
    guessed_[step % guessedStepsKept] = out[peer];
    played_ = step + 1;
}

std::optional<std::uint32_t> InputTimeline::takeFirstWrong()
{
    std::optional<std::uint32_t> wrong = firstWrong_;
    firstWrong_.reset();
    return wrong;
}

int InputTimeline::ownAdvantage() const
{
    // The other side has played about as many steps as it has sent, less its delay.
    const int seen = static_cast<int>(peerKnown()) - static_cast<int>(delaySteps_);
    return std::clamp(static_cast<int>(played_) - seen, -127, 127);
}

InputPacket InputTimeline::nextPacket()
{
    InputPacket packet;
    packet.advantage = static_cast<std::int8_t>(ownAdvantage());
    packet.sequence = ++sequence_;
    packet.ack = peerKnown();
    packet.firstStep = peerAck_;
    const std::vector<FightInput>& ours = inputs_[local_];
    const std::size_t end = std::min<std::size_t>(ours.size(), peerAck_ + netMaxPacketSteps);
    packet.inputs.assign(ours.begin() + peerAck_, ours.begin() + static_cast<std::ptrdiff_t>(end));
    if (latest_ && (checksumRepeats_ > 0 || sequence_ % checksumPacketEvery == 0)) {
        packet.hasChecksum = true;
        packet.checksum = *latest_;
        if (checksumRepeats_ > 0)
            --checksumRepeats_;
    }
    return packet;
}

PacketProblem InputTimeline::check(const InputPacket& packet) const
{
    // 1. Sequence numbers only grow: an older or repeated one was replayed or overtaken.
    if (lastSequence_ && packet.sequence <= *lastSequence_)
        return PacketProblem::Stale;
    // 2. The other side sends from what we acknowledged; a later start skipped steps.
    if (packet.firstStep > peerKnown())
        return PacketProblem::Gap;
    // 3. It cannot play further past what it has of ours than its guessing
    // limit, nor press buttons further than its delay past that.
    const std::size_t ours = inputs_[local_].size();
    const std::size_t reach = ours + maxPredictedSteps + delaySteps_ + frameSlackSteps;
    const std::size_t end = packet.firstStep + packet.inputs.size();
    if (end > reach || packet.ack > ours ||
        (packet.hasChecksum && (packet.checksum.step % checksumEverySteps != 0 || packet.checksum.step > reach)))
        return PacketProblem::TooFarAhead;
    // 4. Steps received before must say the same buttons again.
    const std::vector<FightInput>& known = inputs_[1 - local_];
    for (std::size_t s = packet.firstStep; s < end && s < known.size(); ++s)
        if (known[s] != packet.inputs[s - packet.firstStep])
            return PacketProblem::Conflict;
    return PacketProblem::None;
}

PacketProblem InputTimeline::receive(const InputPacket& packet)
{
    // 1. Refuse what cannot be true now.
    if (PacketProblem problem = check(packet); problem != PacketProblem::None) {
        countDropped(problem);
        return problem;
    }
    // 2. Keep the new steps; one already played on a wrong guess is to be played again.
    lastSequence_ = packet.sequence;
    std::vector<FightInput>& theirs = inputs_[1 - local_];
    for (std::size_t s = theirs.size(); s < packet.firstStep + packet.inputs.size(); ++s) {
        const FightInput input = packet.inputs[s - packet.firstStep];
        if (s < played_ && guessed_[s % guessedStepsKept] != input && !firstWrong_)
            firstWrong_ = static_cast<std::uint32_t>(s);
        theirs.push_back(input);
    }
    peerAck_ = std::max(peerAck_, packet.ack);
    peerAdvantage_ = packet.advantage;
    // 3. Its checksum, compared once ours of the same step is known.
    if (packet.hasChecksum) {
        theirs_[noteSlot(packet.checksum.step, theirs_.size())] = packet.checksum;
        compareChecksums();
    }
    return PacketProblem::None;
}

PacketProblem InputTimeline::receiveBytes(std::string_view bytes)
{
    InputPacket packet;
    const PacketProblem problem = decodeInputPacket(bytes, packet);
    if (problem != PacketProblem::None) {
        countDropped(problem);
        return problem;
    }
    return receive(packet);
}

void InputTimeline::countDropped(PacketProblem problem)
{
    ++drops_.total;
    ++drops_.by[static_cast<std::size_t>(problem)];
}

void InputTimeline::noteChecksum(ChecksumNote note)
{
    if (note.step != (ours_.size() + 1) * checksumEverySteps || ours_.size() >= maxChecksums)
        return;  // not the next second's
    ours_.push_back(note.value);
    latest_ = note;
    checksumRepeats_ = checksumPacketRepeats;
    compareChecksums();
}

std::optional<std::uint64_t> InputTimeline::ourChecksum(std::uint32_t step) const
{
    const std::size_t index = step / checksumEverySteps;
    if (step % checksumEverySteps != 0 || index == 0 || index > ours_.size())
        return std::nullopt;
    return ours_[index - 1];
}

void InputTimeline::compareChecksums()
{
    for (const ChecksumNote& theirs : theirs_) {
        const std::optional<std::uint64_t> ours = ourChecksum(theirs.step);
        if (!desync_ && ours && *ours != theirs.value)
            desync_ = Desync{theirs.step, *ours, theirs.value};
    }
}
