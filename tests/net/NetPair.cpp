#include "net/NetPair.h"

#include "app/Game.h"
#include "world/WorldBytes.h"

#include <cmath>

NetStepFunction gameStep(Game& game)
{
    return [&game](FightWorld& world, const FightInput inputs[2], std::uint32_t) {
        if (&world != &game.world || fightWinner(game) >= 0)
            return;
        // A guess that won the match was taken back with the world.
        game.state = SceneState::Fight;
        stepFight(game, inputs);
    };
}

NetStepFunction noteFalls(NetStepFunction step, FallNote note)
{
    return [step, note](FightWorld& world, const FightInput inputs[2], std::uint32_t at) {
        bool down[2];
        for (int i = 0; i < 2; ++i)
            down[i] = world.players[i].hitPoints < 1;
        step(world, inputs, at);
        std::uint8_t bits = 0;
        for (int i = 0; i < 2; ++i)
            if (!down[i] && world.players[i].hitPoints < 1)
                bits |= static_cast<std::uint8_t>(1u << i);
        note(at, bits);
    };
}

void addFalls(Falls& falls, std::uint32_t step, std::uint8_t bits)
{
    for (int i = 0; i < 2; ++i)
        if (bits & (1u << i))
            falls.push_back({step, i});
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

NetSide::NetSide(int player, const FightPlan& plan, int inputDelayFrames, ShimSettings settings)
    : game(*headless.game),
      session(player, inputDelayFrames,
              noteFalls(gameStep(game), [this](std::uint32_t step, std::uint8_t bits) { pendingFalls.put(step, bits); })),
      shim(settings)
{
    startFight(game, plan);
}

NetPair::NetPair(const FightPlan& plan, ShimSettings shim, int inputDelayFrames)
{
    for (int i = 0; i < 2; ++i) {
        ShimSettings mine = shim;
        mine.seed = shim.seed * 2 + static_cast<std::uint64_t>(i);
        sides[i] = std::make_unique<NetSide>(i, plan, inputDelayFrames, mine);
    }
}

void NetPair::frame(std::uint32_t lastStep)
{
    ++frames;
    for (int i = 0; i < 2; ++i) {
        NetSide& side = *sides[i];
        if (frames < side.startsAtFrame)
            continue;
        for (const ShimmedPacket& packet : sides[1 - i]->shim.due(now())) {
            side.silence.heard(now());
            side.session.receiveBytes(packet.bytes);
        }
        const int steps = side.session.stepsForFrame();
        for (int s = 0; s < steps && side.session.steps() < lastStep; ++s) {
            const FightInput mine = scriptedPlay(side.game.world, i, side.session.steps());
            if (side.session.tick(side.game.world, mine) == TickResult::Waiting)
                break;
        }
        side.pendingFalls.release(side.session.confirmedSteps(), [&side](std::uint32_t step, std::uint8_t bits) {
            addFalls(side.falls, step, bits);
        });
        if (side.sending)
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

LocalResult playLocally(const FightPlan& plan, const std::vector<FightInput> inputs[2], std::uint32_t steps)
{
    HeadlessGame headless;
    Game& game = *headless.game;
    startFight(game, plan);
    LocalResult result;
    const NetStepFunction step =
        noteFalls(gameStep(game), [&result](std::uint32_t at, std::uint8_t bits) { addFalls(result.falls, at, bits); });
    for (std::uint32_t s = 0; s < steps; ++s) {
        const FightInput both[2] = {inputs[0][s], inputs[1][s]};
        step(game.world, both, s);
    }
    result.checksum = checksum(game.world);
    result.winner = fightWinner(game);
    return result;
}
