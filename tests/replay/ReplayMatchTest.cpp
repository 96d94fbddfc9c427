// Matches recorded as the game records them (from the fight's first step,
// entered as the rooms enter it, keys held frame by frame) and played back
// from their files.
#include "match/JungleMatch.h"

#include "app/FightSession.h"
#include "app/ScreenFade.h"
#include "app/Victory.h"
#include "match/Goal.h"
#include "match/MatchFlow.h"
#include "menus/PauseMenu.h"
#include "replay/ReplayChecking.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayStore.h"
#include "replay/ReplayWatching.h"
#include "world/JungleGround.h"
#include "world/WorldBytes.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

// Both players read the world: P1 chases and swings, P2 paces, jumps,
// parries and swings back.
FightInput scripted(const FightWorld& w, int i, long step)
{
    struct Press {
        int player;
        long every, from, to;  // steps: held while step % every is in [from, to)
        FightButton button;
    };
    static const Press presses[] = {{0, 150, 0, 6, ButtonAttack},   {0, 900, 400, 430, ButtonJump},
                                    {0, 2000, 1000, 1001, ButtonSkill}, {1, 1700, 0, 300, ButtonRight},
                                    {1, 1700, 300, 600, ButtonLeft},  {1, 500, 200, 240, ButtonJump},
                                    {1, 700, 0, 5, ButtonParry},      {1, 1100, 0, 6, ButtonAttack}};
    const float towards = w.players[1 - i].position.x - w.players[i].position.x;
    std::uint16_t held = 0;
    if (i == 0 && std::fabs(towards) > 110.f)
        held |= towards < 0 ? ButtonLeft : ButtonRight;
    for (const Press& press : presses)
        if (press.player == i && step % press.every >= press.from && step % press.every < press.to)
            held |= press.button;
    return FightInput{held};
}

// Plays frames of 1/60 s, the script's keys held on each, until the match
// is decided or `frames` ran out.
void playFrames(JungleMatch& f, int frames)
{
    const FightButton order[] = {ButtonLeft, ButtonRight, ButtonJump, ButtonAttack, ButtonParry, ButtonSkill, ButtonItem};
    for (long frame = 0; frame < frames && f.game.state == SceneState::Fight; ++frame) {
        for (int i = 0; i < 2; ++i) {
            const Player& p = f.game.world.players[i];
            const FightInput input = scripted(f.game.world, i, frame * 5);
            for (int action = 0; action < 7; ++action)
                f.headless.setKey(static_cast<sf::Keyboard::Key>(p.input.bindings.keys[static_cast<std::size_t>(action)]),
                                  input.held(order[action]));
        }
        f.frames(1, 1.f / 60.f);
    }
}

const char* const matchReplays = "MatchReplays";

// The one replay the match left in its replays folder, read back.
ReplayRecord writtenReplay()
{
    const std::vector<std::string> files = listReplays(matchReplays);
    EXPECT_EQ(files.size(), 1u);
    const DecodedReplay read = readReplayFile(files.empty() ? "" : files.front());
    EXPECT_EQ(read.problem, "");
    return read.record;
}

void enterCaa(Game& game)
{
    game.state = SceneState::ModeSelect;
    setUpCaaFight(game.world);
    game.world.match.fightLive = false;
    game.world.match.caaMode = true;
    game.state = SceneState::Fight;
}

}  // namespace

// A classic match entered under the lifting curtain and a kill race, each
// played to its win with keys: the file written is the match kept for the
// result screen, and played back it brings the same winner and the world's
// checksum at every stored step.
TEST(ReplayMatch, PlayedMatchesReplayToTheirChecksums)
{
    for (const bool caa : {false, true}) {
        JungleMatch f;
        Game& game = f.game;
        game.replay.folder = matchReplays;
        if (caa)
            enterCaa(game);
        else
            startReveal(game.screenFade);
        playFrames(f, 60 * 310);
        ASSERT_EQ(game.state, SceneState::Victory) << "caa " << caa;
        const int winner = fightWinner(game);
        const ReplayRecord record = writtenReplay();
        ASSERT_TRUE(game.replay.lastMatch);
        EXPECT_TRUE(record == *game.replay.lastMatch);
        EXPECT_TRUE(record.header.finished);
        EXPECT_EQ(record.header.mode, caa ? ReplayMode::Caa : ReplayMode::Classic);
        EXPECT_EQ(record.header.curtainSteps > 0, !caa) << "the curtain held the classic fighters a while";
        const ReplayCheckResult result = checkReplay(jungleGround(), record, game.replay.folder);
        EXPECT_EQ(result.problem, "") << "caa " << caa;
        EXPECT_EQ(result.winner, winner);
        EXPECT_EQ(result.finalChecksum, record.finalChecksum);
        std::cout << "a " << record.finalStep / 300 << " s match: " << encodeReplay(record).size() << " bytes\n";
        fs::remove_all(matchReplays);
    }
}

// Left from the pause menu, a match is written unfinished and plays back
// to the step it was left on, with nobody winning; a pad pressed mid-fight
// (the HUD then names its buttons) changes nothing of the fight. P2 is the
// computer: the replay keeps what it pressed, not the keys held for P2.
TEST(ReplayMatch, LeftFromThePauseIsKeptUnfinished)
{
    JungleMatch f;
    f.game.replay.folder = matchReplays;
    f.game.playerControls.players[1] = PlayerControl{true, Strength::Hard};
    playFrames(f, 60 * 5);
    f.headless.step(1, 1.f / 60.f, {joystickButtonEvent(1, 3)});
    playFrames(f, 59);
    ASSERT_TRUE(pauseFrom(f.game, SceneState::Fight));
    f.frames(3);
    leavePausedScene(f.game);
    f.frames(1);
    const ReplayRecord record = writtenReplay();
    EXPECT_FALSE(record.header.finished);
    EXPECT_EQ(record.finalStep, 6u * 300u);
    const ReplayCheckResult result = checkReplay(jungleGround(), record, f.game.replay.folder);
    EXPECT_EQ(result.problem, "");
    EXPECT_EQ(result.winner, -1);
    EXPECT_NE(checkReport(result).find("winner none\nend 0:06.00 (1800 steps)\n"), std::string::npos);
    // A starting world damaged, or made up to reach past the fight's tables, is refused.
    const auto madeUp = [&](auto change) {
        FightWorld world = f.game.world;
        std::string error;
        EXPECT_TRUE(deserialize(record.header.startWorld, world, error)) << error;
        change(world);
        ReplayRecord changed = record;
        changed.header.startWorld = serialize(world);
        return changed;
    };
    ReplayRecord damaged = record;
    damaged.header.startWorld[20] ^= 1;
    const std::pair<ReplayRecord, std::string> refusals[] = {
        {damaged, "its starting world cannot be read: "},
        {madeUp([](FightWorld& w) { w.players[0].frame = 1 << 20; }), "P1's picture 1048576 is not one of its "},
        {madeUp([](FightWorld& w) { w.players[1].currentState = static_cast<AnimState>(99); }),
         "P2's animation state is not one the game has"},
        {madeUp([](FightWorld& w) { w.players[1].position.x = NAN; }), "a number in its starting world is not finite"},
        {madeUp([](FightWorld& w) { w.flags[0].section = 1000; }), "a flag of its starting world is not at its base"},
        {madeUp([](FightWorld& w) { w.match.caaStage = 40; }), "its starting world is not the start of the match"}};
    for (const auto& [replay, problem] : refusals)
        EXPECT_EQ(checkReplay(jungleGround(), replay, f.game.replay.folder).problem.rfind(problem, 0), 0u) << problem;
}

// A custom level's replay plays from the files it keeps once the level's
// folder is gone; a replay of the Jungle is refused, by the level's name,
// once the installed Jungle differs from the one it was played on.
TEST(ReplayMatch, PlaysTheLevelItWasRecordedOn)
{
    JungleMatch f;
    Game& game = f.game;
    const std::string jungle = "Assets/Map/Officiel/Jungle/";
    const std::string copy = "Assets/Map/Custom/Copy/";
    fs::create_directories(copy);
    std::string level = readTestFile(jungle + "Jungle.txt");
    for (std::size_t at = level.find(jungle); at != std::string::npos; at = level.find(jungle, at))
        level.replace(at, jungle.size(), copy);
    std::ofstream(copy + "Copy.txt") << level;
    for (int section = 0; section < 5; ++section)
        fs::copy_file(jungle + "Map" + std::to_string(section) + ".txt", copy + "Map" + std::to_string(section) + ".txt");
    for (const bool custom : {true, false}) {
        returnToHub(game);  // from the last replay, as its bar leaves
        f.frames(1);
        game.customMapChosen = custom;
        game.customMapPath = copy + "Copy.txt";
        game.state = SceneState::MapSelect;
        setUpClassicFight(game.world, custom ? game.customMapPath : std::string());
        placeGoal(game.world);
        game.state = SceneState::Fight;
        playFrames(f, 60 * 6);
        pauseFrom(game, SceneState::Fight);
        leavePausedScene(game);
        f.frames(1);
        ASSERT_TRUE(game.replay.lastMatch);
        const ReplayRecord record = *game.replay.lastMatch;
        EXPECT_EQ(record.header.levelName, custom ? "Copy" : "Jungle");
        EXPECT_EQ(record.header.customLevel, custom);
        if (custom) {
            fs::remove_all(copy);
            const ReplayCheckResult result = checkReplay(jungleGround(), record, game.replay.folder);
            EXPECT_EQ(result.problem, "");
            EXPECT_EQ(result.finalChecksum, record.finalChecksum);
        } else {
            std::ofstream(jungle + "Map3.txt", std::ios::app) << "\n";
            EXPECT_EQ(checkReplay(jungleGround(), record, game.replay.folder).problem,
                      "was recorded on another version of the level \"Jungle\" than the one installed; it cannot "
                      "be played back");
        }
    }
}
