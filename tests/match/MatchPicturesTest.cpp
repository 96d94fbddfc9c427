// A Jungle match drawn at its key moments; the pictures are kept in
// kestrelfall-match under the temporary folder for a person to look at.
#include "match/JungleMatch.h"
#include "app/FixedSteps.h"

#include "match/Sections.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

struct Pictures {
    JungleMatch f{true};
    std::string folder;

    Pictures()
    {
        folder = (std::filesystem::temp_directory_path() / "kestrelfall-match").string();
        std::filesystem::create_directories(folder);
    }
    // Runs `count` frames without drawing (drawing costs ~0.1 s a frame here).
    void skip(int count)
    {
        f.drawing = false;
        f.frames(count);
        f.drawing = true;
    }
    // Draws two frames and saves the window.
    void save(const std::string& name)
    {
        f.frames(2);
        EXPECT_TRUE(f.headless.saveScreenshot(folder + "/" + name));
    }
    void walk(sf::Keyboard::Key key, int frames)
    {
        f.headless.setKey(key, true);
        skip(frames);
        f.headless.setKey(key, false);
    }
};

}  // namespace

TEST(MatchPictures, GoalCrossingFlagCaptureAndVictory)
{
    Pictures pictures;
    JungleMatch& f = pictures.f;
    Game& game = f.game;
    pictures.skip(150);
    pictures.save("1-countdown-goal.png");
    pictures.skip(100);
    f.knockDown(f.p2());
    pictures.skip(2);
    standOnCell(f.p1(), 3, 57, 14);
    makeLive(game.world, 3);
    game.world.camera.centre.x = game.world.camera.view.getCenter().x + 3840.f;
    game.world.camera.view.setCenter(game.world.camera.centre);
    pictures.walk(sf::Keyboard::D, 40);
    ASSERT_EQ(game.world.sectionIndex, 4);
    pictures.save("2-section-crossing.png");
    pictures.skip(120);
    standOnCell(f.p1(), 4, 55, 12);
    game.world.camera.centre.x = 5 * 3840.f - 960.f;
    game.world.camera.view.setCenter(game.world.camera.centre);
    pictures.save("3-flag-lying.png");
    pictures.walk(sf::Keyboard::D, 60);
    ASSERT_TRUE(game.world.flags[0].carried);
    pictures.save("4-flag-carried.png");
    // Straight to the middle with the flag, up on the goal's ledge.
    makeLive(game.world, 2);
    standOnCell(f.p1(), 2, 27, 6);
    game.world.camera.centre.x = 9600.f;
    game.world.camera.view.setCenter(game.world.camera.centre);
    pictures.walk(sf::Keyboard::D, 30);
    ASSERT_TRUE(game.world.match.flagTaken);
    pictures.skip(20);
    pictures.save("5-capture.png");
    f.drawing = false;
    f.runUntil([&] { return game.state == SceneState::Victory; }, 10.f);
    ASSERT_EQ(game.state, SceneState::Victory);
    pictures.skip(30);
    pictures.save("6-victory.png");
}
