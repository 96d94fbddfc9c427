#include "net/RollbackSession.h"

#include "world/WorldBytes.h"

#include <algorithm>

RollbackSession::RollbackSession(int localPlayer, int inputDelayFrames, NetStepFunction step)
    : local_(localPlayer == 1 ? 1 : 0),
      timeline_(localPlayer, netStepsPerFrame * std::clamp(inputDelayFrames, 0, netMaxInputDelayFrames)),
      step_(std::move(step)),
      saved_(savedWorldCount)
{
}

TickResult RollbackSession::tick(FightWorld& world, FightInput local)
{
    // 1. Corrections received since the last tick.
    correct(world);
    // 2. One step, unless it would guess further ahead than allowed.
    TickResult result = TickResult::Waiting;
    if (timeline_.mayPlay()) {
        timeline_.pushLocal(local);
        stepOnce(world);
        result = TickResult::Stepped;
    } else {
        ++counters_.waits;
    }
    // 3. Checksums of the seconds now confirmed.
    noteChecksums(world);
    return result;
}

void RollbackSession::correct(FightWorld& world)
{
    if (const std::optional<std::uint32_t> wrong = timeline_.takeFirstWrong())
        rollBack(world, *wrong);
}

void RollbackSession::rollBack(FightWorld& world, std::uint32_t from)
{
    const std::uint32_t to = steps_;
    world = saved_[from % savedWorldCount];
    steps_ = from;
    ++counters_.rollbacks;
    counters_.reSteps += to - from;
    while (steps_ < to)
        stepOnce(world);
}

void RollbackSession::stepOnce(FightWorld& world)
{
    saved_[steps_ % savedWorldCount] = world;
    FightInput both[2];
    timeline_.buttonsFor(steps_, both);
    step_(world, both, steps_);
    ++steps_;
}

const FightWorld& RollbackSession::worldAfter(std::uint32_t steps, const FightWorld& live) const
{
    return steps >= steps_ ? live : saved_[steps % savedWorldCount];
}

void RollbackSession::noteChecksums(const FightWorld& live)
{
    const std::uint32_t confirmed = confirmedSteps();
    for (std::uint32_t at = lastNoted_ + checksumEverySteps; at <= confirmed; at += checksumEverySteps) {
        timeline_.noteChecksum({at, checksum(at == steps_ ? live : saved_[at % savedWorldCount])});
        lastNoted_ = at;
    }
}
