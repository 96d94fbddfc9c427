#include "net/NetSide.h"

NetStepFunction worldStep(EventNote note)
{
    return [note](FightWorld& world, const FightInput inputs[2], std::uint32_t step) {
        note(step, stepFight(world, inputs));
    };
}

NetSide::NetSide(int player, int inputDelayFrames) : session(player, inputDelayFrames, worldStep(keepEvents())) {}

EventNote NetSide::keepEvents()
{
    return [this](std::uint32_t step, const StepEvents& events) { pendingEvents.put(step, events); };
}

void NetSide::receive(std::string_view bytes, double now)
{
    silence.heard(now);
    session.receiveBytes(bytes);
}

FramePlay playNetFrame(NetSide& side, const OwnButtons& buttons, std::uint32_t lastStep)
{
    FramePlay play;
    side.session.correct(side.world);
    const int steps = side.session.stepsForFrame();
    for (int s = 0; s < steps && side.session.steps() < lastStep; ++s) {
        const FightInput mine = buttons(side.world, side.session.steps());
        if (side.session.tick(side.world, mine) == TickResult::Waiting) {
            play.waited = true;
            break;
        }
        ++play.stepped;
    }
    return play;
}
