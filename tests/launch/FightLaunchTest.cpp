#include "launch/FightLaunch.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

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
    };
    for (const Bad& bad : bads) {
        const LaunchParse result = parse(bad.words);
        EXPECT_EQ(result.outcome, LaunchOutcome::Bad) << bad.says;
        EXPECT_EQ(result.error.rfind("kestrelfall: ", 0), 0u) << result.error;
        EXPECT_NE(result.error.find(bad.says), std::string::npos) << result.error;
        EXPECT_EQ(result.error.find('\n'), std::string::npos) << result.error;
    }
}

// The program itself: a bad option is that line on standard error and exit 2,
// before any window opens.
TEST(FightLaunch, TheProgramExitsWithTwoOnABadOption)
{
    const std::string command = std::string(KESTRELFALL_PROGRAM) + " --fight classic --cpu1 medium 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe))
        out += buffer;
    const int status = pclose(pipe);
    EXPECT_EQ(WEXITSTATUS(status), badLaunchStatus);
    EXPECT_EQ(out, "kestrelfall: --cpu1 \"medium\" is not a strength; allowed: easy, normal, hard\n");
}
