#include "replay/ReplayChecking.h"

#include "app/FightSession.h"
#include "app/Game.h"
#include "replay/ReplayCheck.h"
#include "replay/ReplayWatching.h"

#include "replay/ReplayStore.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>

ReplayCheckResult checkReplay(Game& game, const ReplayRecord& record)
{
    ReplayCheckResult result;
    // 1. Set up as recorded; 2. every step; 3. the stored checksums against the world's.
    result.problem = startDrive(game, record);
    if (!result.problem.empty())
        return result;
    while (driveStep(game))
        ++result.steps;
    const ReplayDrive& drive = game.replay.drive;
    result.winner = fightWinner(game);
    result.finalChecksum = drive.finalChecksum;
    const Divergence divergence = firstDivergence(record, drive.checksums, drive.finalChecksum);
    result.problem = divergenceMessage(divergence);
    if (result.problem.empty() && record.header.finished != (result.winner >= 0))
        result.problem = record.header.finished ? "the replay ends in a win, but nobody won"
                                                : "the replay was left unfinished, but it ends in a win";
    game.replay.drive.active = false;
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
    // The fighters' pictures (their frames shape the hits) still load through
    // the graphics library, which needs an X display even with no window.
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) {
        std::cout << "replay not checked: the game still needs an X display to load its fighters (try xvfb-run)\n";
        return 1;
    }
    // OpenAL Soft's null device: the rules still play their sounds, nobody hears them.
    setenv("ALSOFT_DRIVERS", "null", 1);
    auto game = std::make_unique<Game>();
    const auto started = std::chrono::steady_clock::now();
    const ReplayCheckResult result = checkReplay(*game, read.record);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
    std::cout << checkReport(result);
    std::cerr << "played " << result.steps << " steps in " << took.count() << " s: "
              << (took.count() > 0 ? result.steps / replayStepsPerSecond / took.count() : 0.0) << "x real time\n";
    return result.problem.empty() ? 0 : 1;
}
