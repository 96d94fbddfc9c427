// Online play: the cost of a correction at the longest guess allowed (150 ms:
// the saved world put back, 45 steps played again and saved), read against
// one plain step; and the bytes each side sends a second through ENet on
// this machine's loopback, with and without the IP and UDP headers.
#include "net/EnetLink.h"
#include "net/RollbackSession.h"
#include "net/SendPacing.h"
#include "world/FightSetUp.h"
#include "world/FightStep.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <thread>

namespace {

constexpr std::uint64_t ipUdpHeaderBytes = 28;  // IPv4 (20) and UDP (8) headers of each datagram
constexpr int playedSeconds = 30;

// A classic Jungle fight on the world alone, its ground read from the run folder.
FightWorld& jungleFight()
{
    static FightGround* ground = new FightGround;
    static FightWorld* world = [] {
        std::error_code noRunFolder;
        std::filesystem::current_path(KESTRELFALL_RUN_DIR, noRunFolder);
        loadFightGround(*ground);
        auto* made = new FightWorld;
        setUpFight(*made, *ground, FightChoice{});
        return made;
    }();
    return *world;
}

const NetStepFunction worldStep = [](FightWorld& world, const FightInput inputs[2], std::uint32_t) {
    stepFight(world, inputs);
};

FightInput pressed(std::uint32_t step)
{
    static const std::uint16_t moves[] = {ButtonRight, ButtonRight | ButtonAttack, ButtonLeft, ButtonJump, 0, ButtonParry};
    return FightInput{moves[(step / 60) % 6]};
}

// One plain fixed step of the fight, for scale.
void BM_OneFightStep(benchmark::State& state)
{
    FightWorld& world = jungleFight();
    std::uint32_t step = 0;
    for (auto _ : state) {
        const FightInput both[2] = {pressed(step), pressed(step + 500)};
        stepFight(world, both);
        ++step;
    }
}
BENCHMARK(BM_OneFightStep)->Iterations(3000);

// Each timed tick finds the other side's buttons of the last 45 steps all
// guessed wrong: it puts back the world of 45 steps ago and plays them again.
void BM_RollbackOf150Ms(benchmark::State& state)
{
    FightWorld& world = jungleFight();
    RollbackSession session(0, 0, worldStep);
    std::uint32_t sequence = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::uint32_t from = session.confirmedSteps();
        while (session.tick(world, pressed(session.steps())) == TickResult::Stepped) {
        }
        InputPacket theirs;
        theirs.sequence = ++sequence;
        theirs.firstStep = from;
        const FightInput guessed = session.inputs(1).empty() ? FightInput{} : session.inputs(1).back();
        theirs.inputs.assign(session.steps() - from, FightInput{static_cast<std::uint16_t>(guessed.buttons ^ ButtonLeft)});
        session.receive(theirs);
        state.ResumeTiming();
        session.tick(world, pressed(session.steps()));
    }
    state.counters["steps again"] = benchmark::Counter(static_cast<double>(session.counters().reSteps) /
                                                       static_cast<double>(session.counters().rollbacks));
}
BENCHMARK(BM_RollbackOf150Ms)->Iterations(200)->Unit(benchmark::kMillisecond);

// Two sessions on a stand-in world, 30 s of person-like buttons, each way
// through ENet with 50 ms of delay: a packet every frame (argument 0), or
// paced as the game sends them (1: on a change, else every other frame).
void BM_InputBytesPerSecondEachWay(benchmark::State& state)
{
    const bool paced = state.range(0) == 1;
    for (auto _ : state) {
        std::string error;
        const ShimSettings shim{50, 10, 0, 3};
        std::unique_ptr<EnetLink> links[2];
        links[0] = EnetLink::host("127.0.0.1", 0, shim, error);
        links[1] = links[0] ? EnetLink::join("127.0.0.1", links[0]->port(), shim, error) : nullptr;
        if (!links[1]) {
            state.SkipWithError(error.c_str());
            return;
        }
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while ((links[0]->state() != LinkState::Connected || links[1]->state() != LinkState::Connected) &&
               std::chrono::steady_clock::now() < giveUp)
            for (auto& link : links)
                link->service(0.0);
        const NetStepFunction standIn = [](FightWorld& w, const FightInput in[2], std::uint32_t) {
            w.match.p1Kills += in[0].buttons & 1;
        };
        RollbackSession sessions[2] = {RollbackSession(0, 2, standIn), RollbackSession(1, 2, standIn)};
        SendPacing pacing[2];
        FightWorld worlds[2];
        const std::uint64_t before[2] = {links[0]->bytesSent(), links[1]->bytesSent()};
        const std::uint64_t packetsBefore[2] = {links[0]->packetsSent(), links[1]->packetsSent()};
        for (int frame = 1; frame <= playedSeconds * 60; ++frame) {
            const double now = frame / 60.0;
            for (int i = 0; i < 2; ++i) {
                for (const LinkPacket& p : links[i]->service(now))
                    sessions[i].receiveBytes(p.bytes);
                for (int s = 0; s < sessions[i].stepsForFrame(); ++s)
                    sessions[i].tick(worlds[i], pressed(sessions[i].steps() * (i + 2)));
                if (!paced || pacing[i].due(sessions[i].inputs(i).back()))
                    links[i]->send(now, encodeInputPacket(sessions[i].nextPacket()), false);
            }
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        const double bytes = static_cast<double>(links[0]->bytesSent() - before[0]);
        const double packets = static_cast<double>(links[0]->packetsSent() - packetsBefore[0]);
        state.counters["B/s ENet"] = bytes / playedSeconds;
        state.counters["B/s with IP+UDP"] = (bytes + packets * ipUdpHeaderBytes) / playedSeconds;
        state.counters["packets/s"] = packets / playedSeconds;
    }
}
BENCHMARK(BM_InputBytesPerSecondEachWay)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
