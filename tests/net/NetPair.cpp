#include "net/NetPair.h"

#include "world/JungleGround.h"
#include "world/WorldBytes.h"

#include <cmath>

void addCues(Cues& cues, std::uint32_t step, const StepEvents& events)
{
    for (const SoundCue& cue : events.sounds)
        cues.push_back(std::to_string(step) + " " + cue.key);
}

void setUpNetFight(FightWorld& world, const FightChoice& choice)
{
    const InRunFolder runFolder;
    setUpFight(world, jungleGround(), choice);
}

FightInput scriptedPlay(const FightWorld& world, int player, std::uint32_t step)
{
    const Player& me = world.players[player];
    const Player& other = world.players[1 - player];
    const float dx = other.position.x - me.position.x;
    const std::uint32_t phase = step + 977u * static_cast<std::uint32_t>(player);
    std::uint16_t b = 0;
    if (std::fabs(dx) > 90.f + 60.f * static_cast<float>(player))
        b |= dx < 0 ? ButtonLeft : ButtonRight;
    else if (phase % 90 < 8)
        b |= ButtonAttack;
    if (phase % 700 >= 300 && phase % 700 < 330)
        b |= ButtonJump;
    if (phase % 1300 < 3)
        b |= player == 0 ? ButtonParry : ButtonSkill;
    if (phase % 2100 == 40)
        b |= ButtonItem;
    return FightInput{b};
}

PairSide::PairSide(int player, const FightChoice& choice, int inputDelayFrames, ShimSettings settings)
    : NetSide(player, inputDelayFrames), shim(settings)
{
    setUpNetFight(world, choice);
}

NetPair::NetPair(const FightChoice& choice, ShimSettings shim, int inputDelayFrames)
{
    for (int i = 0; i < 2; ++i) {
        ShimSettings mine = shim;
        mine.seed = shim.seed * 2 + static_cast<std::uint64_t>(i);
        sides[i] = std::make_unique<PairSide>(i, choice, inputDelayFrames, mine);
    }
}

void NetPair::frame(std::uint32_t lastStep)
{
    ++frames;
    for (int i = 0; i < 2; ++i) {
        PairSide& side = *sides[i];
        if (frames < side.startsAtFrame)
            continue;
        for (const ShimmedPacket& packet : sides[1 - i]->shim.due(now()))
            side.receive(packet.bytes, now());
        playNetFrame(side, [i](const FightWorld& world, std::uint32_t step) { return scriptedPlay(world, i, step); },
                     lastStep);
        side.pendingEvents.release(side.session.confirmedSteps(), [&side](std::uint32_t step, const StepEvents& e) {
            addCues(side.cues, step, e);
        });
        const std::vector<FightInput>& ours = side.session.inputs(i);
        if (side.sending && side.pacing.due(ours.empty() ? FightInput{} : ours.back()))
            side.shim.send(now(), encodeInputPacket(side.session.nextPacket()), false);
    }
}

bool NetPair::playTo(std::uint32_t lastStep, std::uint64_t maxFrames)
{
    for (std::uint64_t f = 0; f < maxFrames; ++f) {
        if (sides[0]->session.confirmedSteps() >= lastStep && sides[1]->session.confirmedSteps() >= lastStep)
            return true;
        frame(lastStep);
    }
    return false;
}

LocalResult playLocally(const FightChoice& choice, const std::vector<FightInput> inputs[2], std::uint32_t steps)
{
    FightWorld world;
    setUpNetFight(world, choice);
    LocalResult result;
    for (std::uint32_t s = 0; s < steps; ++s) {
        const FightInput both[2] = {inputs[0][s], inputs[1][s]};
        addCues(result.cues, s, stepFight(world, both));
    }
    result.checksum = checksum(world);
    result.winner = fightWinner(world);
    return result;
}
