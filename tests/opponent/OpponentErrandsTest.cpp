#include "JungleViews.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <filesystem>
#include <string>

namespace {

// The walking bits the opponent holds once it has seen `view` for a while.
std::uint16_t walkAfterSeeing(const OpponentView& view, int player)
{
    Opponent opponent = makeOpponent(Strength::Hard, 11, player);
    std::uint16_t held = ButtonLeft | ButtonRight;
    for (int step = 0; step < 400; ++step) {
        const FightInput input = decideInput(opponent, view);
        if (step >= 300)
            held &= input.buttons;  // held through the last 100 steps
    }
    return held & (ButtonLeft | ButtonRight);
}

}  // namespace

// Who goes where: with the right of way a fighter runs for its own flag (P1
// to the right, P2 to the left) and carries it back to the goal; without it,
// it goes for the runner; in the kill race, for the other fighter.
TEST(OpponentErrands, EachSideGoesWhereTheRulesSendIt)
{
    struct Case {
        const char* what;
        int player, section, rightOfWay;
        bool carried;
        MatchMode mode;
        std::uint16_t walk;
    };
    const Case cases[] = {
        {"P1 with the right of way, to its flag", 0, 2, 0, false, MatchMode::Classic, ButtonRight},
        {"P2 with the right of way, to its flag", 1, 2, 1, false, MatchMode::Classic, ButtonLeft},
        {"P1 carrying, back toward the middle", 0, 3, 0, true, MatchMode::Classic, ButtonLeft},
        {"P1 carrying in the middle, to the goal", 0, 2, 0, true, MatchMode::Classic, ButtonRight},
        {"P2 carrying, back toward the middle", 1, 1, 1, true, MatchMode::Classic, ButtonRight},
        {"P2 stops P1, who has the right of way", 1, 2, 0, false, MatchMode::Classic, ButtonLeft},
        {"P1 fights while nobody has it", 0, 2, nobody, false, MatchMode::Classic, ButtonRight},
        {"P2 fights in the kill race", 1, 2, 1, false, MatchMode::KillRace, ButtonLeft},
    };
    for (const Case& c : cases) {
        OpponentView view = jungleView(c.section, 18, 42);
        view.rightOfWay = c.rightOfWay;
        view.mode = c.mode;
        if (c.rightOfWay != nobody)
            view.fighters[static_cast<std::size_t>(c.rightOfWay)].advancing = true;
        view.flags[static_cast<std::size_t>(c.player)].carried = c.carried;
        EXPECT_EQ(walkAfterSeeing(view, c.player), c.walk) << c.what;
    }
}

// Running for its flag across the Jungle's sections it jumps the pits, the
// spike beds and the water instead of walking in, whatever its strength, and
// never stands on the spot for 3 s.
TEST(OpponentErrands, CrossesPitsSpikesAndWaterToItsFlag)
{
    struct Course {
        const char* what;
        int player, section, startColumn, goalColumn;
        bool carrying;
    };
    const Course courses[] = {
        {"P2 through section 0 to its flag", 1, 0, 57, 1, false},
        {"P1 through section 4 to its flag", 0, 4, 2, 58, false},
        {"P1 over the middle section's spikes", 0, 2, 40, 58, false},
        {"P1 carrying over section 3's spike bed", 0, 3, 58, 1, true},
        {"P2 carrying through section 1", 1, 1, 2, 58, true},
    };
    for (const Course& course : courses)
        for (Strength strength : {Strength::Easy, Strength::Normal, Strength::Hard})
            for (std::uint64_t seed : {1u, 2u, 3u}) {
                OpponentView view = jungleView(course.section, 2, 2);
                standOn(view, course.player, course.startColumn, course.player == 0 ? 1 : -1);
                view.fighters[static_cast<std::size_t>(1 - course.player)].alive = false;
                view.rightOfWay = course.player;
                view.fighters[static_cast<std::size_t>(course.player)].advancing = true;
                view.flags[static_cast<std::size_t>(course.player)].carried = course.carrying;
                SoloRun run = soloRun(view, strength, course.player, seed);
                const float goalX = view.sectionLeft + static_cast<float>(course.goalColumn * tileSize);
                const int direction = course.goalColumn > course.startColumn ? 1 : -1;
                runSolo(run, 300 * 40, [&](const SoloRun& r) {
                    return (r.body.x - goalX) * static_cast<float>(direction) >= 0.f;
                });
                const std::string what = std::string(course.what) + ", strength " +
                                         std::to_string(static_cast<int>(strength)) + ", seed " +
                                         std::to_string(seed) + ", at x " + std::to_string(run.body.x);
                EXPECT_FALSE(run.died) << what;
                EXPECT_GE((run.body.x - goalX) * static_cast<float>(direction), 0.f) << what;
                EXPECT_LT(run.longestStill, 900) << what;
            }
}

// A fighter it goes for on a platform above is followed up there, also one
// standing on the platform's very end with its middle past it, right above.
TEST(OpponentErrands, JumpsUpToAFighterOnAPlatform)
{
    constexpr float platformLeft = 21.f * tileSize;  // section px: the row-10 platform of columns 21-24
    for (Strength strength : {Strength::Easy, Strength::Hard})
        for (bool onItsEnd : {false, true}) {
            OpponentView view = jungleView(2, 18, 22);
            FighterView& foe = view.fighters[1];
            foe.y = 10.f * tileSize - foe.height / 2.f;  // on the platform of row 10
            if (onItsEnd) {
                foe.x = view.sectionLeft + platformLeft - 20.f;
                view.fighters[0].x = foe.x;
            }
            SoloRun run = soloRun(view, strength, 0, 9);
            runSolo(run, 300 * 5, [](const SoloRun& r) { return r.body.onGround && r.body.feet <= 10.f * tileSize; });
            const std::string what = "strength " + std::to_string(static_cast<int>(strength)) +
                                     (onItsEnd ? ", on the end" : "");
            EXPECT_FALSE(run.died) << what;
            EXPECT_FLOAT_EQ(run.body.feet, 10.f * tileSize) << what;
            EXPECT_GT(run.steps, profileOf(strength).delaySteps + 60) << what;
        }
}

// It decides from the view alone: nothing in its folder reaches the game or
// another player's input, and only the view's maker reads the fight's state
// (it borrows only the kind of dice).
TEST(OpponentErrands, ItsFilesReachNothingButTheViewAndTheButtons)
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(KESTRELFALL_SOURCE_DIR) / "src" / "opponent";
    int files = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        const bool viewMaker = entry.path().stem() == "FightView";
        std::ifstream in(entry.path());
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        ++files;
        for (std::size_t at = text.find("#include \""); at != std::string::npos; at = text.find("#include \"", at + 1)) {
            const std::string name = text.substr(at + 10, text.find('"', at + 10) - at - 10);
            const bool allowed = name.rfind("opponent/", 0) == 0 || name.rfind("level/", 0) == 0 ||
                                 name.rfind("settings/", 0) == 0 || name == "world/FightInput.h" ||
                                 name == "world/WorldRandom.h" ||
                                 (viewMaker && name == "world/FightWorld.h");
            EXPECT_TRUE(allowed) << entry.path().filename() << " includes " << name;
        }
    }
    EXPECT_GT(files, 4);
}
