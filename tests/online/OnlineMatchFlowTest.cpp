// Online play as the game drives it, two sides in one process over ENet on
// the loopback: the conversation, a whole kill race to the same result on
// both sides, a rematch on the next seed, and a side that leaves.
#include "net/NetPair.h"
#include "online/OnlineMatch.h"
#include "replay/ReplayStore.h"
#include "support/Headless.h"
#include "support/TestFiles.h"
#include "world/JungleGround.h"
#include "world/WorldBytes.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <limits>
#include <thread>

namespace {

MatchSetup caaSetup()
{
    MatchSetup setup;
    setup.mode = ReplayMode::Caa;
    setup.levelName = "caa";
    setup.seed = 4;
    return setup;
}

void setUpOnJungle(FightWorld& world, const FightChoice& choice)
{
    setUpFight(world, jungleGround(), choice);
}

struct TwoGames {
    std::unique_ptr<OnlineMatch> sides[2];
    double now = 0.0;
    std::uint32_t cues[2] = {0, 0};  // confirmed steps' sounds handed on

    // The host offers `setup`; each side sets its worlds up with its own function.
    explicit TwoGames(const MatchSetup& setup = caaSetup(), MatchSetUpFunction hostSetUp = setUpOnJungle,
                      MatchSetUpFunction joinSetUp = setUpOnJungle)
    {
        OnlineRequest host;
        host.net.role = NetRole::Host;
        host.setup = setup;
        host.net.shim = ShimSettings{40, 10, 5, 3};
        std::string error;
        sides[0] = OnlineMatch::open(host, std::move(hostSetUp), error);
        OnlineRequest join = host;
        join.net.role = NetRole::Join;
        join.net.address = "127.0.0.1";
        join.net.port = sides[0] ? sides[0]->port() : 0;
        sides[1] = OnlineMatch::open(join, std::move(joinSetUp), error);
        EXPECT_TRUE(sides[0] && sides[1]) << error;
    }

    // Frames of 1/60 s on the simulated clock until `done`, at most `frames`.
    template <typename Done>
    bool until(Done done, int frames)
    {
        for (int f = 0; f < frames; ++f) {
            if (done())
                return true;
            now += 1.0 / 60.0;
            for (int i = 0; i < 2; ++i)
                sides[i]->frame(now, [i](const FightWorld& w, std::uint32_t step) { return scriptedPlay(w, i, step); },
                                [this, i](std::uint32_t, const StepEvents& e) { cues[i] += e.sounds.size(); });
            std::this_thread::sleep_for(std::chrono::microseconds(200));  // lets the loopback carry them
        }
        return done();
    }
};

}  // namespace

TEST(OnlineMatchFlow, AKillRaceEndsAlikeOnBothSidesThenARematchOnTheNextSeedThenOneLeaves)
{
    const InRunFolder runFolder;
    TwoGames games;
    ASSERT_TRUE(games.sides[0] && games.sides[1]);
    // 1. Hello, set-up and fighters, then the whole race.
    ASSERT_TRUE(games.until([&] { return games.sides[0]->outcome() && games.sides[1]->outcome(); }, 60 * 200));
    const FightOutcome& a = *games.sides[0]->outcome();
    const FightOutcome& b = *games.sides[1]->outcome();
    EXPECT_EQ(outcomeLine(a), outcomeLine(b));
    EXPECT_GE(a.winner, 0);
    EXPECT_GT(games.cues[0], 10u);
    EXPECT_EQ(games.cues[0], games.cues[1]) << "each confirmed step's sounds, once";
    for (const auto& side : games.sides) {
        EXPECT_EQ(side->stage(), OnlineStage::Result);
        EXPECT_EQ(side->end(), OnlineEnd::Playing);
    }
    // 2. A rematch once both ask, on the seed after.
    games.sides[1]->askRematch();
    games.until([] { return false; }, 30);
    EXPECT_EQ(games.sides[1]->matchesStarted(), 1) << "the other side has not asked yet";
    games.sides[0]->askRematch();
    ASSERT_TRUE(games.until([&] { return games.sides[0]->matchesStarted() == 2 && games.sides[1]->matchesStarted() == 2; },
                            120));
    FightWorld fresh;
    setUpFight(fresh, jungleGround(), FightChoice{true, "", {1, 1}, 5, {}});
    FightWorld second = games.sides[1]->side()->session.worldAfter(0, games.sides[1]->side()->world);
    EXPECT_EQ(checksum(second), checksum(fresh));
    // 3. The host leaves: the joiner is told so, not left waiting for a silence.
    games.sides[0]->leave();
    ASSERT_TRUE(games.until([&] { return games.sides[1]->end() != OnlineEnd::Playing; }, 120));
    EXPECT_EQ(games.sides[1]->end(), OnlineEnd::Left);
    EXPECT_EQ(games.sides[1]->endMessage(), "the other player left");
    EXPECT_EQ(games.sides[0]->endMessage(), "you left the online match");
}

TEST(OnlineMatchFlow, APeerThatConnectsAndSendsOnlyJunkIsLeftAfterTenSecondsNotWaitedForEver)
{
    OnlineRequest request;
    request.net.role = NetRole::Host;
    std::string error;
    auto host = OnlineMatch::open(request, [](FightWorld&, const FightChoice&) {}, error,
                                  std::numeric_limits<double>::infinity());
    ASSERT_TRUE(host) << error;
    auto stranger = EnetLink::join("127.0.0.1", host->port(), ShimSettings{}, error);
    ASSERT_TRUE(stranger) << error;
    double now = 0.0;
    for (int f = 0; f < 60 * 12 && host->end() == OnlineEnd::Playing; ++f) {
        now += 1.0 / 60.0;
        host->frame(now, [](const FightWorld&, std::uint32_t) { return FightInput{}; },
                    [](std::uint32_t, const StepEvents&) {});
        stranger->send(now, "junk that keeps the line busy", f % 2 == 0);
        stranger->service(now);
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    EXPECT_EQ(host->end(), OnlineEnd::NoPeer);
    EXPECT_GT(now, agreeingLimit);
    EXPECT_EQ(host->endMessage(), "the other side connected but did not answer as this game does");
}

TEST(OnlineMatchFlow, WorldsThatGoApartStopBothSidesWithinASecondOfPlayAndEachKeepsItsReplay)
{
    enterFreshRunFolder();  // the replays are written into its Replays folder
    // The joiner's world starts half a second of match time apart.
    TwoGames games(caaSetup(), setUpOnJungle, [](FightWorld& world, const FightChoice& choice) {
        setUpOnJungle(world, choice);
        world.match.matchTimer += 0.5f;
    });
    ASSERT_TRUE(games.sides[0] && games.sides[1]);
    ASSERT_TRUE(games.until([&] { return games.sides[0]->end() != OnlineEnd::Playing &&
                                         games.sides[1]->end() != OnlineEnd::Playing; }, 60 * 5));
    for (const auto& side : games.sides) {
        EXPECT_EQ(side->end(), OnlineEnd::Desync);
        EXPECT_LE(side->side()->session.steps(), 2u * checksumEverySteps);
        EXPECT_EQ(side->endMessage().rfind("the two games went apart at second 1: the match is void; replay kept in ", 0),
                  0u) << side->endMessage();
        EXPECT_EQ(readReplayFile(side->desyncReplay()).problem, "");
    }
    EXPECT_NE(games.sides[0]->desyncReplay(), games.sides[1]->desyncReplay());
    EXPECT_EQ(listReplays().size(), 2u);
}

TEST(OnlineMatchFlow, ACustomLevelTravelsWithTheSetUpAndBothSidesPlayItFromMemory)
{
    const InRunFolder runFolder;
    // Each side its own ground: the joiner's level can only come from the set-up.
    std::unique_ptr<FightGround> grounds[2] = {std::make_unique<FightGround>(), std::make_unique<FightGround>()};
    for (auto& ground : grounds)
        loadFightGround(*ground);
    auto onGround = [](FightGround& ground) {
        return [&ground](FightWorld& world, const FightChoice& choice) { setUpFight(world, ground, choice); };
    };
    MatchSetup setup;
    setup.levelName = "Twin";
    setup.seed = 11;
    setup.levelFiles = heldTestLevel("Twin", 3);
    TwoGames games(setup, onGround(*grounds[0]), onGround(*grounds[1]));
    ASSERT_TRUE(games.sides[0] && games.sides[1]);
    const std::uint32_t played = 3 * checksumEverySteps;
    ASSERT_TRUE(games.until([&] {
        return games.sides[0]->side() && games.sides[1]->side() &&
               games.sides[0]->side()->session.confirmedSteps() >= played &&
               games.sides[1]->side()->session.confirmedSteps() >= played;
    }, 60 * 60));
    const std::optional<std::uint64_t> sums[2] = {games.sides[0]->side()->session.ourChecksum(played),
                                                  games.sides[1]->side()->session.ourChecksum(played)};
    ASSERT_TRUE(sums[0] && sums[1]);
    EXPECT_EQ(*sums[0], *sums[1]);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(games.sides[i]->end(), OnlineEnd::Playing) << games.sides[i]->endMessage();
        const TileMap& map = grounds[i]->tileMap;
        EXPECT_EQ(map.levelPath, setup.levelFiles.front().name);
        ASSERT_EQ(sectionCount(map), 3);
        EXPECT_EQ(tileCode(map, 2, 30, 14), 3) << "the ledge of the third section";
    }
    EXPECT_FALSE(std::filesystem::exists("Assets/Map/Custom/Twin")) << "kept in memory only";
}

TEST(OnlineMatchFlow, ALevelTheJoinerCannotReadEndsBothSidesWithAMessageBeforeAnyMatch)
{
    const InRunFolder runFolder;
    MatchSetup setup;
    setup.levelName = "Twin";
    setup.levelFiles = heldTestLevel("Twin", 3);
    setup.levelFiles.pop_back();
    TwoGames games(setup);
    ASSERT_TRUE(games.sides[0] && games.sides[1]);
    ASSERT_TRUE(games.until([&] { return games.sides[0]->end() != OnlineEnd::Playing &&
                                         games.sides[1]->end() != OnlineEnd::Playing; }, 60 * 5));
    EXPECT_EQ(games.sides[0]->end(), OnlineEnd::LevelRefused);
    EXPECT_EQ(games.sides[0]->endMessage(), "the other player's game could not read this level");
    EXPECT_EQ(games.sides[1]->endMessage(), "the host's level cannot be played here: "
                                            "Assets/Map/Custom/Twin/Map2.txt:0: is missing; the section is ground everywhere");
    for (const auto& side : games.sides)
        EXPECT_EQ(side->matchesStarted(), 0);
}
