// A fight built and played on the world alone: the real Jungle level and
// character files, no window, no Game; events instead of sounds.
#include "match/FloorSearch.h"
#include "world/FightSetUp.h"
#include "world/FightStep.h"
#include "world/FightWorld.h"
#include "world/JungleGround.h"
#include "world/WorldBytes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <vector>

namespace {

bool cued(const StepEvents& events, const char* key)
{
    for (const SoundCue& cue : events.sounds)
        if (std::strcmp(cue.key, key) == 0)
            return true;
    return false;
}

// P1 walks right swinging, P2 walks left jumping, changing every half second.
void scriptedStep(int step, FightInput inputs[2])
{
    const bool firstHalf = (step / 150) % 2 == 0;
    inputs[0].buttons = ButtonRight | (firstHalf ? ButtonAttack : ButtonJump);
    inputs[1].buttons = ButtonLeft | (firstHalf ? ButtonJump : ButtonParry);
}

}  // namespace

TEST(FightAlone, AJungleFightCountsDownGoesLiveAndAsksForItsSoundsAndMusic)
{
    const InRunFolder runFolder;
    FightWorld world;
    setUpFight(world, jungleGround(), FightChoice{});
    ASSERT_EQ(world.sectionIndex, 2);
    EXPECT_FALSE(world.match.fightLive);
    const FightInput idle[2];
    EXPECT_TRUE(cued(stepFight(world, idle), "FIGHT"));
    bool musicStarted = false;
    for (int step = 1; step < 4 * 300 + 2 && !world.match.fightLive; ++step)
        musicStarted = stepFight(world, idle).music == FightMusic::Starts || musicStarted;
    EXPECT_TRUE(world.match.fightLive);
    EXPECT_TRUE(musicStarted);
    // A jump asks for its sound, and nothing plays it: the world has no audio.
    FightInput jump[2];
    jump[0].buttons = ButtonJump;
    EXPECT_TRUE(cued(stepFight(world, jump), "JUMP"));
    EXPECT_EQ(fightWinner(world), -1);
}

TEST(FightAlone, TheSameChoiceAndButtonsGiveTheSameWorldCopiedOrNot)
{
    const InRunFolder runFolder;
    const FightChoice choice{false, "", {0, 2}, 42, {}};
    FightWorld a, b;
    setUpFight(a, jungleGround(), choice);
    setUpFight(b, jungleGround(), choice);
    EXPECT_EQ(checksum(a), checksum(b));
    FightWorld copy;
    FightInput inputs[2];
    for (int step = 0; step < 8 * 300; ++step) {
        if (step == 5 * 300)
            copy = a;  // mid-fight: the copy's fighters and camera are its own
        scriptedStep(step, inputs);
        stepFight(a, inputs);
        stepFight(b, inputs);
        if (step >= 5 * 300)
            stepFight(copy, inputs);
        ASSERT_EQ(checksum(a), checksum(b)) << "step " << step;
    }
    EXPECT_EQ(checksum(copy), checksum(a));
    EXPECT_EQ(copy.players[0].world, &copy);
    EXPECT_NE(a.players[0].position, FightWorld{}.players[0].position);
    // Through bytes and back, then on: still the same.
    FightWorld read;
    setUpFight(read, jungleGround(), choice);
    std::string error;
    ASSERT_TRUE(deserialize(serialize(a), read, error)) << error;
    EXPECT_EQ(checksum(read), checksum(a));
    scriptedStep(0, inputs);
    stepFight(read, inputs);
    stepFight(a, inputs);
    EXPECT_EQ(checksum(read), checksum(a));
}

TEST(FightAlone, TheKillRaceStartsBothAsAtoolaOnItsOneScreenLevel)
{
    const InRunFolder runFolder;
    FightWorld world;
    setUpFight(world, jungleGround(), FightChoice{true, "", {0, 2}, 3, {}});
    EXPECT_TRUE(world.match.caaMode);
    EXPECT_EQ(world.sectionWidth, 1920.f);
    for (const Player& p : world.players)
        EXPECT_EQ(characterKind(p), 1);
    // The ground's level is the kill race's now; a classic set-up brings the Jungle back.
    setUpFight(world, jungleGround(), FightChoice{});
    EXPECT_EQ(world.sectionWidth, 3840.f);
    EXPECT_EQ(tiles(world).lastSection, 4);
}

TEST(FightAlone, ACopySteppedThroughASectionChangeLeavesTheOriginalItsOwnGround)
{
    const InRunFolder runFolder;
    FightWorld world;
    setUpFight(world, jungleGround(), FightChoice{});
    const FightInput idle[2];
    for (int step = 0; step < 4 * 300 + 2 && !world.match.fightLive; ++step)
        stepFight(world, idle);
    ASSERT_TRUE(world.match.fightLive);
    // P1 holds the right of way a short walk from section 2's right edge; P2 stands mid-section.
    Player& p1 = world.players[0];
    p1.advancing = true;
    p1.position = findFloorCell(tiles(world), 2, 3.f * world.sectionWidth - 150.f, -1, p1.size.x).position;
    FightInput right[2];
    right[0].buttons = ButtonRight;
    // The copy walks through the change first and leaves its section 3 behind
    // in no shared place; the original then takes the same steps on section 2's ground.
    FightWorld copy = world;
    std::vector<std::uint64_t> sums;
    int crossedAt = -1;
    for (int step = 0; step < 2 * 300; ++step) {
        stepFight(copy, right);
        sums.push_back(checksum(copy));
        if (crossedAt < 0 && copy.sectionIndex == 3)
            crossedAt = step;
    }
    ASSERT_GT(crossedAt, 0) << "the copy never changed section";
    for (int step = 0; step < 2 * 300; ++step) {
        stepFight(world, right);
        ASSERT_EQ(checksum(world), sums[static_cast<std::size_t>(step)]) << "step " << step << ", crossing at " << crossedAt;
    }
    EXPECT_EQ(world.sectionIndex, 3);
}
