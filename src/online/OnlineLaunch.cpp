#include "online/OnlineLaunch.h"

#include "level/CustomLevelList.h"
#include "online/ComputerSide.h"
#include "online/OnlineLevel.h"
#include "online/OnlineMatch.h"

#include <chrono>
#include <iostream>
#include <thread>

namespace {

// A headless match runs four times as fast as a shown one: a frame of 1/60 s
// of play every 1/240 s, each side on its own clock (the rollback keeps them in step).
constexpr double headlessFrameSeconds = 1.0 / 240.0;
constexpr double longestHeadlessRun = connectingLimit + 3600.0;  // s: a match ends long before
constexpr double leaveFlushSeconds = 0.3;  // s: our goodbye goes out before the socket closes

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

std::optional<OnlineRequest> onlineRequestOf(const FightLaunch& launch, const std::string& levelPath,
                                             std::uint64_t seed, std::string& error)
{
    OnlineRequest request;
    request.net = launch.net;
    const bool caa = launch.mode == FightMode::Caa;
    request.setup.mode = caa ? ReplayMode::Caa : ReplayMode::Classic;
    request.setup.levelName = caa ? "caa" : "Jungle";
    request.setup.seed = seed;
    request.setup.kinds[0] = static_cast<std::uint8_t>(launch.kinds[0]);
    request.ownKind = static_cast<std::uint8_t>(launch.kinds[0]);
    if (!caa && !levelPath.empty()) {
        error = putCustomLevel(request.setup, levelPath, levelDisplayName(levelPath));
        if (!error.empty())
            return std::nullopt;
    }
    return request;
}

int playOnlineHeadless(const OnlineRequest& request, Strength strength)
{
    // 1. The ground every match of this run is set up on, and the connection.
    auto ground = std::make_unique<FightGround>();
    loadFightGround(*ground);
    std::string error;
    auto match = OnlineMatch::open(request, [&ground](FightWorld& world, const FightChoice& choice) {
        setUpFight(world, *ground, choice);
    }, error);
    if (!match) {
        std::cerr << "kestrelfall: " << error << '\n';
        return 1;
    }
    // 2. This side's fighter is the computer's, a fresh one for the match.
    ComputerSide computer;
    const OwnButtons buttons = [&](const FightWorld& world, std::uint32_t step) {
        return computer.buttons(strength, match->side()->session.localPlayer(), world, step);
    };
    const ConfirmedUse silent = [](std::uint32_t, const StepEvents&) {};
    // 3. Frames until the result is confirmed and the other side has our last
    // buttons, or until something stops the match.
    const auto start = std::chrono::steady_clock::now();
    bool begun = false;
    for (long frame = 0; secondsSince(start) < longestHeadlessRun; ++frame) {
        const double now = secondsSince(start);
        match->frame(now, buttons, silent);
        if (!begun && match->matchesStarted() > 0) {
            std::cerr << "kestrelfall: connected; the match begins" << std::endl;  // scripts may wait for it
            begun = true;
        }
        if (match->outcome() && (match->settled(now) || match->end() != OnlineEnd::Playing))
            break;
        if (match->end() != OnlineEnd::Playing) {
            std::cerr << "kestrelfall: " << match->endMessage() << std::endl;  // said when it happens
            for (const double until = now + leaveFlushSeconds; secondsSince(start) < until;) {
                match->frame(secondsSince(start), buttons, silent);
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
            return 1;
        }
        std::this_thread::sleep_until(start + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                                  std::chrono::duration<double>((frame + 1) * headlessFrameSeconds)));
    }
    if (!match->outcome()) {
        std::cerr << "kestrelfall: the online match did not end in time\n";
        return 1;
    }
    std::cout << outcomeLine(*match->outcome()) << std::endl;
    std::cerr << "kestrelfall: " << match->wireSummary() << std::endl;
    match->leave();
    for (const double until = secondsSince(start) + leaveFlushSeconds; secondsSince(start) < until;) {
        match->frame(secondsSince(start), buttons, silent);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return 0;
}
