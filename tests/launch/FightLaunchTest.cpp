#include "launch/FightLaunch.h"

#include "support/Headless.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>
#include <utility>

namespace {

LaunchParse parse(std::initializer_list<const char*> words)
{
    return parseLaunch(std::vector<std::string>(words.begin(), words.end()));
}

}  // namespace

// A whole command line and the defaults of what it leaves out.
TEST(FightLaunch, GoodCommandLinesGiveTheFight)
{
    EXPECT_EQ(parse({}).outcome, LaunchOutcome::Game);

    const LaunchParse full = parse({"--p2", "gigachill", "--fight", "classic", "--level", "Jungle", "--p1", "napollo",
                                    "--cpu2", "hard", "--seed", "18446744073709551615"});
    ASSERT_EQ(full.outcome, LaunchOutcome::Fight) << full.error;
    EXPECT_EQ(full.launch.mode, FightMode::Classic);
    EXPECT_EQ(full.launch.level, "Jungle");
    EXPECT_EQ(full.launch.kinds[0], 0);
    EXPECT_EQ(full.launch.kinds[1], 2);
    EXPECT_FALSE(full.launch.players[0].computer);
    EXPECT_EQ(full.launch.players[1], (PlayerControl{true, Strength::Hard}));
    EXPECT_TRUE(full.launch.seedGiven);
    EXPECT_EQ(full.launch.seed, 18446744073709551615ULL);
    EXPECT_FALSE(full.launch.headless);

    const LaunchParse race = parse({"--fight", "caa", "--cpu1", "easy", "--cpu2", "normal", "--headless"});
    ASSERT_EQ(race.outcome, LaunchOutcome::Fight) << race.error;
    EXPECT_EQ(race.launch.mode, FightMode::Caa);
    EXPECT_TRUE(race.launch.level.empty());
    EXPECT_EQ(race.launch.kinds[0], 1);
    EXPECT_FALSE(race.launch.seedGiven);
    EXPECT_TRUE(race.launch.headless);

    // The testing shim alone: the game opens as usual, its online play shimmed.
    const LaunchParse shimmed = parse({"--net-delay", "100", "--net-jitter", "10"});
    EXPECT_EQ(shimmed.outcome, LaunchOutcome::Game) << shimmed.error;
    EXPECT_EQ(shimmed.launch.net.shim.delayMs, 100);
    EXPECT_EQ(parse({"--fight", "classic", "--help"}).outcome, LaunchOutcome::Help);
    // Online: the host's match, each side's own fighter as P1, the shim on the side that asks.
    const LaunchParse host = parse({"--fight", "classic", "--host", "7777", "--p1", "gigachill", "--net-loss", "5"});
    ASSERT_EQ(host.outcome, LaunchOutcome::Online) << host.error;
    EXPECT_EQ(host.launch.net.role, NetRole::Host);
    EXPECT_EQ(host.launch.net.port, 7777);
    EXPECT_EQ(host.launch.net.shim.lossPercent, 5);
    EXPECT_EQ(host.launch.kinds[0], 2);
    const LaunchParse join = parse({"--join", "127.0.0.1:7777", "--headless", "--cpu1", "hard"});
    ASSERT_EQ(join.outcome, LaunchOutcome::Online) << join.error;
    EXPECT_EQ(join.launch.net.address, "127.0.0.1");
    EXPECT_TRUE(join.launch.headless);
}

// Every bad command line is one line naming the option and what it allows.
TEST(FightLaunch, BadCommandLinesSayWhichOptionAndWhatIsAllowed)
{
    struct Bad {
        std::initializer_list<const char*> words;
        const char* says;
    };
    const Bad bads[] = {
        {{"--fight", "duel"}, "--fight \"duel\" is not a mode; allowed: classic, caa"},
        {{"--fight"}, "--fight needs a value; allowed: classic, caa"},
        {{"--fight", "classic", "--cpu1", "medium"}, "--cpu1 \"medium\" is not a strength; allowed: easy, normal, hard"},
        {{"--fight", "classic", "--p2", "swapper"}, "--p2 \"swapper\" is not a fighter; allowed: napollo, atoola"},
        {{"--fight", "classic", "--seed", "-1"}, "--seed \"-1\" is not a seed; allowed: a whole number"},
        {{"--fight", "classic", "--seed", "18446744073709551616"}, "--seed \"18446744073709551616\" is not a seed"},
        {{"--fight", "classic", "--level", "../x"}, "--level \"../x\" is not a level name"},
        {{"--fight", "classic", "--fullscreen"}, "unknown option \"--fullscreen\"; allowed: --fight classic|caa"},
        {{"--fight", "classic", "--fight", "caa"}, "--fight is given twice"},
        {{"--cpu1", "hard"}, "the options need --fight classic|caa"},
        {{"--fight", "caa", "--level", "Jungle"}, "--level is for classic fights only"},
        {{"--fight", "caa", "--p1", "napollo"}, "--p1 and --p2 are for classic fights only"},
        {{"--fight", "classic", "--cpu2", "hard", "--headless"}, "--headless needs both players played by the computer"},
        {{"--join", "127.0.0.1:7777", "--fight", "classic"}, "--join plays the host's match: leave out --fight"},
        {{"--host", "7777"}, "--host needs the match: add --fight classic|caa"},
        {{"--host", "7777", "--fight", "classic", "--cpu2", "easy"}, "online, --p1 and --cpu1 are this side's fighter"},
        {{"--join", "127.0.0.1:7777", "--headless"}, "--headless online needs this side played by the computer"},
        {{"--fight", "classic", "--net-delay", "20"}, "--net-delay, --net-jitter and --net-loss go with --host or --join"},
        {{"--host", "0", "--fight", "classic"}, "--host \"0\" is not allowed; a port from 1 to 65535"},
    };
    for (const Bad& bad : bads) {
        const LaunchParse result = parse(bad.words);
        EXPECT_EQ(result.outcome, LaunchOutcome::Bad) << bad.says;
        EXPECT_EQ(result.error.rfind("kestrelfall: ", 0), 0u) << result.error;
        EXPECT_NE(result.error.find(bad.says), std::string::npos) << result.error;
        EXPECT_EQ(result.error.find('\n'), std::string::npos) << result.error;
    }
}

// The program itself, with no X display at all: a bad option or level is one
// line on standard error and exit 2, before any window opens; a headless
// fight of two computers prints its one result line and exits 0, the same
// line for the same seed; a replay is checked on the world alone.
TEST(FightLaunch, TheProgramRefusesBadOptionsAndPlaysAHeadlessFight)
{
    enterFreshRunFolder();
    const auto run = [](const std::string& options) {
        const std::string command = "env -u DISPLAY " + std::string(KESTRELFALL_PROGRAM) + " " + options + " 2>&1";
        FILE* pipe = popen(command.c_str(), "r");
        std::string out;
        char buffer[256];
        while (pipe && std::fgets(buffer, sizeof buffer, pipe))
            out += buffer;
        const int status = pipe ? pclose(pipe) : -1;
        return std::make_pair(WEXITSTATUS(status), out);
    };
    const auto help = run("--help");
    EXPECT_EQ(help.first, 0);
    for (const char* says : {"--host PORT", "--join ADDRESS:PORT", "--net-delay MS", "--net-jitter MS",
                             "--net-loss PERCENT", "testing aid", "--fight classic|caa", "--replay FILE"})
        EXPECT_NE(help.second.find(says), std::string::npos) << says << " in\n" << help.second;
    EXPECT_EQ(run("--fight classic --cpu1 medium"),
              std::make_pair(badLaunchStatus, std::string("kestrelfall: --cpu1 \"medium\" is not a strength; allowed: "
                                                          "easy, normal, hard\n")));
    EXPECT_EQ(run("--fight classic --level Nowhere --cpu1 easy"),
              std::make_pair(badLaunchStatus, std::string("kestrelfall: --level Nowhere is not a level; allowed: Jungle\n")));
    const auto fight = run("--fight classic --cpu1 hard --cpu2 easy --seed 7 --headless");
    EXPECT_EQ(fight.first, 0);
    EXPECT_TRUE(std::regex_match(fight.second, std::regex("winner (P1|P2|both) time [0-9]+\\.[0-9]{2} checksum [0-9a-f]{16}\n")))
        << fight.second;
    EXPECT_EQ(run("--fight classic --cpu1 hard --cpu2 easy --seed 7 --headless"), fight);
    const auto check = run("--check-replay " KESTRELFALL_SOURCE_DIR "/tests/data/replay/GoldenJungle.kfr");
    EXPECT_EQ(check.first, 0) << check.second;
    EXPECT_TRUE(std::regex_search(check.second, std::regex("^winner P[12]\nend [0-9]+:[0-9]{2}\\.[0-9]{2} \\([0-9]+ "
                                                           "steps\\)\nchecksum [0-9a-f]{16}\n")))
        << check.second;
}
