#include "fighters/Animation.h"
#include "support/Headless.h"
#include "world/FightWorld.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// A character file with `frames` frame paths (pictures need not exist) and the given clip lines.
std::string characterText(int frames, const std::string& clips)
{
    std::string text = "SPRITES " + std::to_string(frames) + "\n";
    for (int i = 0; i < frames; ++i)
        text += "Frames/" + std::to_string(i) + ".png\n";
    return text + clips;
}

// P1 of a bare world wearing a character read from `text` (in an empty
// folder), the world's clock at 0.
struct ClipWorld {
    FightWorld world;
    Character character;

    explicit ClipWorld(const std::string& text)
    {
        enterEmptyFolder();
        writeTestFile("Chars/Test.txt", text);
        character.files = {"Chars/Test.txt"};
        testing::internal::CaptureStdout();  // the missing frame pictures are reported
        loadCharacter(character, 0);
        testing::internal::GetCapturedStdout();
        p1().character = &character;
    }
    Player& p1() { return world.players[0]; }
    // Advances the clock to `seconds` and steps P1's animation once.
    int frameAt(double seconds)
    {
        world.time.now = seconds;
        stepAnimation(p1());
        return p1().frame;
    }
};

}  // namespace

// Hostile character files and rosters: nothing crashes, every frame shown
// lies inside the frame list, and a missing slot still shows a box.
TEST(CharacterFile, HostileFilesAndRostersNeverCrash)
{
    for (const std::string& text : {std::string("SPRITES -4 ANIM RUNNING x y z LOOP ANIM IDLE 0 3 0.3 LOOP"),
                                   std::string("SPRITES 99999999"), std::string("ANIM IDLE 5 900 0.3 LOOP"),
                                   std::string("SPRITES 3 a.png b.png c.png ANIM IDLE -2000000000 2000000000 0.3 LOOP"),
                                   std::string("SPRITES 2 a.png"), std::string("ANIM IDLE 0 2 -1 LOOP"), std::string()}) {
        SCOPED_TRACE(text);
        ClipWorld world(text);
        EXPECT_LE(world.character.frames.size(), static_cast<std::size_t>(maxFrames));
        world.p1().requestedState = AnimState::IDLE;
        for (double t = 0.0; t < 1.0; t += 0.05) {
            const int frame = world.frameAt(t);
            const int count = static_cast<int>(world.character.frames.size());
            if (count > 0) {
                EXPECT_GE(frame, 0);
                EXPECT_LT(frame, count);
            }
        }
    }
}

// A slot loads each distinct picture once however often its file lists it,
// and a missing picture shows the slot's box: the fighter never vanishes.
TEST(CharacterFile, EachPictureLoadsOncePerSlotAndMissingOnesShowTheBox)
{
    enterEmptyFolder();
    std::filesystem::create_directories("Frames");
    std::filesystem::copy_file(std::string(KESTRELFALL_RUN_DIR) + "/Assets/Sprites/Characters/P1/Atoola/0.png",
                               "Frames/a.png");
    std::string text = "SPRITES 3000\n";
    for (int i = 0; i < 2999; ++i)
        text += "Frames/a.png\n";
    writeTestFile("Chars/A.txt", text + "Frames/gone.png\nANIM IDLE 0 3000 1.0 LOOP\n");
    writeTestFile("persos.txt", "Chars/A.txt\nChars/Missing.txt\n");
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    Game game;
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(testing::internal::GetCapturedStdout().find("Error Loading Chars/Missing.txt\n"), std::string::npos);
    EXPECT_NE(said.find("persos.txt: lists 2 character files where 8 are needed; slots 3 to 8 are drawn as boxes\n"),
              std::string::npos)
        << said;
    EXPECT_NE(said.find("Chars/A.txt: the picture \"Frames/gone.png\" is missing; its frames are drawn as a box\n"),
              std::string::npos)
        << said;
    const Character& slot = game.characterSets[0];
    ASSERT_EQ(slot.frames.size(), 3000u);
    ASSERT_EQ(slot.pictures.size(), 2u) << "the picture and the box, each once";
    EXPECT_EQ(slot.frames[0].picture, slot.frames[2998].picture);
    EXPECT_EQ(slot.frames[0].shape.size.x, 192.f);
    EXPECT_EQ(slot.pictures[static_cast<std::size_t>(slot.frames[2999].picture)].path, "");
    for (int i = 1; i < characterSlotCount; ++i)
        EXPECT_GE(game.characterSets[i].frames.at(0).picture, 0) << i;
    // The screen shows each of them: the picture's sprite, the box's texture.
    EXPECT_EQ(game.fighterFrames.pictures[0].size(), 2u);
    EXPECT_EQ(game.fighterFrames.pictures[0][1].getTexture(), &game.fighterFrames.boxes[0]);
    EXPECT_TRUE(frameSprite(game.fighterFrames, game.world.players[1]));
}

TEST(Animation, ClipTimingOnceClipsAndDeath)
{
    {
        SCOPED_TRACE("a looping clip shows each frame for its share of the duration");
        ClipWorld world(characterText(20, "ANIM RUNNING 10 14 0.4 LOOP\n"));
        world.p1().requestedState = AnimState::RUNNING;
        std::vector<int> shown;
        for (double t : {0.0, 0.05, 0.125, 0.225, 0.325, 0.399})
            shown.push_back(world.frameAt(t));
        EXPECT_EQ(shown, (std::vector<int>{10, 10, 11, 12, 13, 13}));
        world.frameAt(0.41);  // past the end: the loop restarts its clock
        EXPECT_EQ(world.frameAt(0.435), 10);
    }
    ClipWorld world(characterText(60, "ANIM IDLE 0 4 0.4 ONCE\nANIM DEATH 5 9 0.4 ONCE\n"
                                      "ANIM ATTACKING 30 34 0.2 ONCE\n"));
    Player& p = world.p1();
    p.requestedState = AnimState::IDLE;
    world.frameAt(0.0);
    EXPECT_EQ(world.frameAt(0.35), 3);
    EXPECT_EQ(world.frameAt(0.9), 3) << "a once clip of a moving state freezes";
    EXPECT_EQ(p.currentState, AnimState::IDLE);

    p.requestedState = AnimState::DEATH;
    world.frameAt(1.0);
    EXPECT_EQ(world.frameAt(1.2), 7);
    EXPECT_EQ(world.frameAt(4.0), 8) << "death holds its last frame";
    EXPECT_EQ(p.currentState, AnimState::DEATH);

    p.requestedState = AnimState::ATTACKING;
    p.attacking = true;
    p.hitLanded = true;
    world.frameAt(5.0);
    world.frameAt(5.3);
    EXPECT_EQ(p.currentState, AnimState::IDLE) << "the swing's clip ends the swing";
    EXPECT_FALSE(p.attacking);
    EXPECT_FALSE(p.hitLanded);
}
