#include "fighters/Animation.h"
#include "fighters/FighterWorld.h"
#include "fighters/PlayerDrawing.h"
#include "support/Headless.h"
#include "support/TestFiles.h"

#include <SFML/Graphics/RenderTexture.hpp>

#include <gtest/gtest.h>

namespace {

// A character file with `frames` frame paths (pictures need not exist) and the given clip lines.
std::string characterText(int frames, const std::string& clips)
{
    std::string text = "SPRITES " + std::to_string(frames) + "\n";
    for (int i = 0; i < frames; ++i)
        text += "Frames/" + std::to_string(i) + ".png\n";
    return text + clips;
}

// P1 wearing a character read from `text`, with the game clock at 0.
struct ClipWorld : FighterWorld {
    Character character;

    explicit ClipWorld(const std::string& text)
    {
        writeTestFile("Chars/Test.txt", text);
        character.files = {"Chars/Test.txt"};
        testing::internal::CaptureStdout();  // the missing frame pictures are reported
        loadCharacter(character, 0);
        testing::internal::GetCapturedStdout();
        p1().character = &character;
        p1().sprites = &character.sprites;
        game->time.now = 0.0;
    }
    // Advances the clock to `seconds` and steps P1's animation once.
    int frameAt(double seconds)
    {
        game->time.now = seconds;
        stepAnimation(p1());
        return p1().frame;
    }
};

}  // namespace

TEST(CharacterFile, ClipsFramesAndTheUnknownNameRule)
{
    ClipWorld world(characterText(6, "ANIM MYSTERY 2 3 0.2 ONCE\n"
                                     "ANIM IDLE 1 4 0.5 LOOP\nANIM JUMPING 0 2 0.3 ONCE\n"
                                     "ANIM WHATEVER 4 6 0.9 ONCE\nANIM DEATH 0 1 1.5 SOMETIMES\n"));
    const Character& c = world.character;
    EXPECT_EQ(c.spriteCount, 6);
    EXPECT_EQ(c.sprites.size(), 6u);
    const Animation running = c.animations[static_cast<int>(AnimState::RUNNING)];
    EXPECT_EQ(running.first, 2) << "an unknown name before any other fills RUNNING";
    EXPECT_EQ(running.mode, 1);
    const Animation idle = c.animations[static_cast<int>(AnimState::IDLE)];
    EXPECT_EQ(idle.first, 1);
    const Animation jumping = c.animations[static_cast<int>(AnimState::JUMPING)];
    EXPECT_EQ(jumping.first, 4) << "the unknown name overwrote the clip named last";
    EXPECT_EQ(jumping.last, 6);
    EXPECT_FLOAT_EQ(jumping.duration, 0.9f);
    EXPECT_EQ(c.animations[static_cast<int>(AnimState::DEATH)].mode, 0) << "an unknown mode word changes nothing";
    EXPECT_EQ(characterSlot(1, 2), 6);
    EXPECT_EQ(characterSlot(0, 3), 3);
}

TEST(CharacterFile, GarbledAndHostileFilesNeitherCrashNorIndexOutside)
{
    for (const std::string& text : {std::string("SPRITES -4 ANIM RUNNING x y z LOOP ANIM IDLE 0 3 0.3 LOOP"),
                                   std::string("SPRITES 99999999"), std::string("ANIM IDLE 5 900 0.3 LOOP"),
                                   std::string("SPRITES 3 a.png b.png c.png ANIM IDLE -2000000000 2000000000 0.3 LOOP"),
                                   std::string("SPRITES 2 a.png"), std::string("ANIM IDLE 0 2 -1 LOOP"), std::string()}) {
        ClipWorld world(text);
        EXPECT_LE(world.character.spriteCount, maxFrames);
        world.p1().requestedState = AnimState::IDLE;
        for (double t = 0.0; t < 1.0; t += 0.05) {
            const int frame = world.frameAt(t);
            const int count = static_cast<int>(world.character.sprites.size());
            if (count > 0) {
                EXPECT_GE(frame, 0) << text;
                EXPECT_LT(frame, count) << text;
            }
        }
    }
}

TEST(Animation, AClipShowsEachFrameForItsShareOfTheDuration)
{
    ClipWorld world(characterText(20, "ANIM RUNNING 10 14 0.4 LOOP\n"));
    world.p1().requestedState = AnimState::RUNNING;
    std::vector<int> shown;
    for (double t : {0.0, 0.05, 0.125, 0.225, 0.325, 0.399})
        shown.push_back(world.frameAt(t));
    EXPECT_EQ(shown, (std::vector<int>{10, 10, 11, 12, 13, 13}));
    world.frameAt(0.41);  // past the end: the loop restarts its clock
    EXPECT_EQ(world.frameAt(0.435), 10);
    EXPECT_EQ(world.frameAt(0.72), 13);
}

TEST(Animation, OnceClipsEndByTheirState)
{
    ClipWorld world(characterText(60, "ANIM IDLE 0 4 0.4 ONCE\nANIM DEATH 5 9 0.4 ONCE\nANIM STUN 20 24 0.4 ONCE\n"
                                      "ANIM ATTACKING 30 34 0.2 ONCE\nANIM PARRY 40 44 0.2 ONCE\n"));
    Player& p = world.p1();
    p.requestedState = AnimState::IDLE;
    world.frameAt(0.0);
    EXPECT_EQ(world.frameAt(0.35), 3);
    EXPECT_EQ(world.frameAt(0.9), 3) << "a once clip of a moving state freezes";
    EXPECT_EQ(p.currentState, AnimState::IDLE);

    p.requestedState = AnimState::DEATH;
    world.frameAt(1.0);
    EXPECT_EQ(world.frameAt(1.2), 7);
    EXPECT_EQ(world.frameAt(1.5), 8);
    EXPECT_EQ(world.frameAt(4.0), 8) << "death holds its last frame";
    EXPECT_EQ(p.currentState, AnimState::DEATH);

    p.requestedState = AnimState::ATTACKING;
    p.attacking = true;
    p.hitLanded = true;
    world.frameAt(5.0);
    world.frameAt(5.3);
    EXPECT_EQ(p.currentState, AnimState::IDLE);
    EXPECT_FALSE(p.attacking);
    EXPECT_FALSE(p.hitLanded);

    p.requestedState = AnimState::PARRY;
    p.parryActive = true;
    world.frameAt(6.0);
    world.frameAt(6.3);
    EXPECT_EQ(p.currentState, AnimState::IDLE);
    EXPECT_FALSE(p.parryActive);

    // STUN written straight into both states keeps the attack clip's clock,
    // which already reads more than the STUN clip lasts: it ends at once.
    p.requestedState = AnimState::ATTACKING;
    world.frameAt(7.0);
    world.frameAt(7.1);
    world.game->time.now = 7.6;
    setBothStates(p, AnimState::STUN);
    stepAnimation(p);
    EXPECT_EQ(p.frame, 23);
    EXPECT_EQ(p.currentState, AnimState::IDLE);
}

TEST(Animation, GroundPoundImpactShakesTheCameraOnce)
{
    ClipWorld world(characterText(60, "ANIM SEISME 40 50 1.0 ONCE\n"));
    Player& p = world.p1();
    p.requestedState = AnimState::SEISME;
    world.frameAt(0.0);
    EXPECT_EQ(world.frameAt(0.65), 46);
    EXPECT_FALSE(world.game->camera.shaking) << "the impact is seen on the step after frame 46 shows";
    world.frameAt(0.66);
    EXPECT_TRUE(world.game->camera.shaking);
    EXPECT_EQ(world.frameAt(1.2), 49);
    EXPECT_EQ(p.currentState, AnimState::IDLE);
}

TEST(Roster, MissingRosterOrSlotsGiveVisiblePlaceholderFrames)
{
    enterEmptyFolder();
    writeTestFile("persos.txt", "Chars/A.txt\nChars/Missing.txt\n");
    writeTestFile("Chars/A.txt", characterText(3, "ANIM IDLE 0 3 0.3 LOOP\n"));
    testing::internal::CaptureStdout();
    Game game;
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("Error Loading Chars/Missing.txt\n"), std::string::npos);
    EXPECT_EQ(game.characterSets[0].spriteCount, 3);
    for (int slot = 1; slot < characterSlotCount; ++slot) {
        const Character& c = game.characterSets[slot];
        ASSERT_EQ(c.sprites.size(), 1u) << slot;
        const sf::Texture* texture = c.sprites[0].getTexture();
        ASSERT_NE(texture, nullptr);
        EXPECT_EQ(texture->getSize(), sf::Vector2u(60, static_cast<unsigned>(kindHitbox(slot % 4).y)));
    }
    EXPECT_NE(frameSprite(game.players[1]), nullptr);

    enterEmptyFolder();
    testing::internal::CaptureStdout();
    Character alone;
    loadRoster(alone);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Error Loading perso.txt\n");
}

TEST(PlayerDrawing, ProtectedFightersGlow)
{
    FighterWorld world;
    Player& p = world.p1();
    p.position = sf::Vector2f(100.f, 100.f);
    stepAnimation(p);
    const auto centrePixel = [&](float deathTimer) {
        p.deathTimer = deathTimer;
        sf::RenderTexture target;
        target.create(200, 200);
        target.clear(sf::Color::Black);
        drawPlayer(*world.game, p, target);
        target.display();
        return target.getTexture().copyToImage().getPixel(100, 100);
    };
    const sf::Color normal = centrePixel(10.f);
    EXPECT_EQ(normal, playerColour(0));
    EXPECT_EQ(centrePixel(3.2f), sf::Color::White) << "just respawned";
    world.game->fightLive = false;
    EXPECT_EQ(centrePixel(3.2f), normal);
}

TEST(Roster, TheShippedRosterFillsEverySlotInPlayerAndKindOrder)
{
    HeadlessGame run;
    const Game& game = *run.game;
    const char* const kinds[kindCount] = {"Napollo", "Atoola", "Gigachill", "Swapper"};
    for (int slot = 0; slot < characterSlotCount; ++slot) {
        const Character& c = game.characterSets[slot];
        ASSERT_GT(c.files.size(), static_cast<std::size_t>(slot));
        const std::string& path = c.files[static_cast<std::size_t>(slot)];
        EXPECT_NE(path.find(slot < kindCount ? "P1" : "P2"), std::string::npos) << path;
        EXPECT_NE(path.find(kinds[slot % kindCount]), std::string::npos) << path;
        EXPECT_EQ(c.placeholder, nullptr) << "slot " << slot << " has real frames";
        EXPECT_EQ(c.spriteCount, static_cast<int>(c.sprites.size()));
        for (const Animation& clip : c.animations)
            EXPECT_LE(clip.last, c.spriteCount) << path;
    }
    // Both fighters start as Atoola with a frame to show.
    EXPECT_EQ(game.players[0].character, &game.characterSets[1]);
    EXPECT_EQ(game.players[1].character, &game.characterSets[5]);
    EXPECT_NE(frameSprite(game.players[1]), nullptr);
}
