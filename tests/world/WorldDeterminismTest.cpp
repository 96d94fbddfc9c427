// The fight as one value: the same seed and buttons give the same world at
// every step, at any frame rate, after a copy and after a trip through bytes.
#include "app/FixedSteps.h"
#include "app/Frame.h"
#include "match/JungleMatch.h"
#include "world/FightStep.h"
#include "world/WorldBytes.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// Both players' buttons for second `s` of a scripted stretch of fighting:
// every kind of button, each held for whole seconds, so that frames of
// 1/25, 1/60, 1/144 and 1/300 s all change them at the same instants.
void scriptedSecond(int s, FightInput out[2])
{
    static const std::uint16_t p1[] = {ButtonRight,  ButtonRight | ButtonAttack, ButtonLeft,  ButtonJump,
                                       0,            ButtonAttack,               ButtonRight | ButtonJump,
                                       ButtonSkill,  ButtonLeft | ButtonAttack,  ButtonParry};
    static const std::uint16_t p2[] = {ButtonLeft, 0,           ButtonAttack, ButtonParry, ButtonLeft | ButtonJump,
                                       ButtonSkill, ButtonRight, 0,            ButtonAttack, ButtonItem};
    out[0].buttons = p1[s % 10];
    out[1].buttons = p2[(s + 3) % 10];
}

// A live Jungle fight whose frames of any length go through the game's step
// accumulator: the remainder of a frame waits for the next.
struct ScriptedFight : JungleFight {
    StepAccumulator steps;
    ScriptedFight() { goLive(); }
};

// Plays `seconds` of the script in frames of `frame` s.
void playScript(ScriptedFight& f, float seconds, float frame)
{
    const int frames = static_cast<int>(seconds / frame + 0.5f);
    for (int i = 0; i < frames; ++i) {
        scriptedSecond(static_cast<int>(static_cast<float>(i) * frame + frame * 0.5f), f.inputs);
        for (int k = takeSteps(f.steps, frame); k > 0; --k)
            stepFight(f.world, f.inputs);
    }
}

}  // namespace

TEST(WorldDeterminism, SameButtonsSameChecksumAtEveryStepAndAtEveryFrameRate)
{
    // Two worlds, one script, step by step.
    ScriptedFight a, b;
    ASSERT_EQ(checksum(a.world), checksum(b.world));
    for (int step = 0; step < 1500; ++step) {
        const float at = static_cast<float>(step) * fixedStep;
        for (ScriptedFight* f : {&a, &b}) {
            scriptedSecond(static_cast<int>(at), f->inputs);
            stepFight(f->world, f->inputs);
        }
        ASSERT_EQ(checksum(a.world), checksum(b.world)) << "step " << step;
    }
    // The same 10 s at four frame rates.
    std::uint64_t sums[4] = {};
    const float frames[] = {1.f / 25.f, 1.f / 60.f, 1.f / 144.f, 1.f / 300.f};
    for (int r = 0; r < 4; ++r) {
        ScriptedFight f;
        playScript(f, 10.f, frames[r]);
        sums[r] = checksum(f.world);
        EXPECT_EQ(sums[r], sums[0]) << "frames of 1/" << static_cast<int>(1.f / frames[r] + 0.5f) << " s";
    }
}

TEST(WorldDeterminism, ACopyOrAByteTripStepsOnExactlyAsTheOriginal)
{
    ScriptedFight f;
    playScript(f, 4.f, 1.f / 60.f);
    const FightWorld saved = f.world;
    const std::vector<std::uint8_t> bytes = serialize(saved);
    // Round trip: the same bytes, the same checksum.
    FightWorld read = saved;
    read.players[0].hitPoints = 99;
    std::string error;
    ASSERT_TRUE(deserialize(bytes, read, error)) << error;
    EXPECT_EQ(checksum(read), checksum(saved));
    EXPECT_EQ(serialize(read), bytes);
    // Stepped on, put back, stepped again: the same world both times.
    playScript(f, 3.f, 1.f / 60.f);
    const std::uint64_t first = checksum(f.world);
    EXPECT_NE(first, checksum(saved));
    f.world = read;
    playScript(f, 3.f, 1.f / 60.f);
    EXPECT_EQ(checksum(f.world), first);
}

TEST(WorldDeterminism, DamagedBlobsAreRefusedWithAMessageAndChangeNothing)
{
    ScriptedFight f;
    playScript(f, 2.f, 1.f / 60.f);
    FightWorld world = f.world;
    const std::uint64_t before = checksum(world);
    const std::vector<std::uint8_t> good = serialize(world);
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        const char* says;
    };
    std::vector<Case> cases;
    cases.push_back({"empty", {}, "too short"});
    cases.push_back({"truncated", std::vector<std::uint8_t>(good.begin(), good.end() - 9), "damaged"});
    std::vector<std::uint8_t> longer = good;
    longer.resize(maxWorldBytes + 1, 0);
    cases.push_back({"oversized", longer, "at most"});
    for (std::size_t bit : {std::size_t{3}, std::size_t{70}, good.size() * 4, good.size() * 8 - 1}) {
        std::vector<std::uint8_t> flipped = good;
        flipped[bit / 8] ^= static_cast<std::uint8_t>(1u << (bit % 8));
        cases.push_back({"bit flipped", flipped, bit < 32 ? "not world data" : bit < 64 ? "version" : "damaged"});
    }
    FightWorld swarm = world;
    swarm.shots.resize(maxShots + 1);
    cases.push_back({"too many shots", serialize(swarm), "shots in flight"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string error;
        EXPECT_FALSE(deserialize(c.bytes, world, error));
        EXPECT_NE(error.find(c.says), std::string::npos) << error;
        EXPECT_EQ(checksum(world), before);
    }
}

TEST(WorldDeterminism, ScriptedTwoMinuteMatchPrintsItsChecksum)
{
    // The plain and the sanitizer builds must print the same line. Played in
    // a whole game, entered as the map room's door enters it with the
    // fighters as the game starts them, through the game's frames.
    JungleMatch f;
    f.goLive();
    f.game.steps.carried = 0.0;
    f.game.scriptedButtons.playing = true;
    FightInput* inputs = f.game.scriptedButtons.inputs;
    const float frame = 1.f / 60.f;
    for (int i = 0; i < 120 * 60; ++i) {
        scriptedSecond(static_cast<int>(static_cast<float>(i) * frame + frame * 0.5f), inputs);
        runFrame(f.game, frame, {}, false);
    }
    std::printf("checksum %016llx\n", static_cast<unsigned long long>(checksum(f.game.world)));
    EXPECT_EQ(f.game.state, SceneState::Fight);
}
