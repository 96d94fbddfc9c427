#include "replay/ReplayChecking.h"

#include "replay/ReplayCheck.h"
#include "replay/ReplayStore.h"
#include "replay/WorldReplay.h"
#include "world/FightStep.h"
#include "world/FightWorld.h"

#include <chrono>
#include <cstdio>
#include <iostream>
#include <memory>

ReplayCheckResult checkReplay(FightGround& ground, const ReplayRecord& record, const std::string& replaysFolder)
{
    ReplayCheckResult result;
    // 1. Set up as recorded; 2. every step; 3. the stored checksums against the world's.
    auto world = std::make_unique<FightWorld>();
    WorldReplay replay;
    result.problem = startWorldReplay(replay, *world, ground, record, replaysFolder);
    if (!result.problem.empty())
        return result;
    while (stepWorldReplay(replay, *world))
        ++result.steps;
    result.winner = fightWinner(*world);
    result.finalChecksum = replay.finalChecksum;
    const Divergence divergence = firstDivergence(record, replay.checksums, replay.finalChecksum);
    result.problem = divergenceMessage(divergence);
    if (result.problem.empty() && record.header.finished != (result.winner >= 0))
        result.problem = record.header.finished ? "the replay ends in a win, but nobody won"
                                                : "the replay was left unfinished, but it ends in a win";
    return result;
}

std::string checkReport(const ReplayCheckResult& result)
{
    char line[160];
    const std::uint32_t hundredths = result.steps / 3;
    std::snprintf(line, sizeof line, "winner %s\nend %u:%02u.%02u (%u steps)\nchecksum %016llx\n",
                  result.winner == 0 ? "P1" : result.winner == 1 ? "P2" : "none", hundredths / 6000,
                  hundredths / 100 % 60, hundredths % 100, result.steps,
                  static_cast<unsigned long long>(result.finalChecksum));
    std::string report = line;
    if (!result.problem.empty())
        report += "replay refused: " + result.problem + "\n";
    return report;
}

int checkReplayCommand(const std::string& path)
{
    const DecodedReplay read = readReplayFile(path);
    if (!read.problem.empty()) {
        std::cout << "replay refused: " << read.problem << '\n';
        return 1;
    }
    // The level and the fighters' frames are read from their files; nothing is shown or heard.
    auto ground = std::make_unique<FightGround>();
    loadFightGround(*ground);
    const auto started = std::chrono::steady_clock::now();
    const ReplayCheckResult result = checkReplay(*ground, read.record, replayFolder);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
    std::cout << checkReport(result);
    std::cerr << "played " << result.steps << " steps in " << took.count() << " s: "
              << (took.count() > 0 ? result.steps / replayStepsPerSecond / took.count() : 0.0) << "x real time\n";
    return result.problem.empty() ? 0 : 1;
}
