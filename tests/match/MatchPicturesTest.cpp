// A Jungle match drawn at its key moments; the pictures are kept in
// kestrelfall-match under the temporary folder for a person to look at.
#include "match/JungleMatch.h"

#include "match/Sections.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

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
    // Draws two frames, saves the window, and tells how many colours a
    // coarse grid of its pixels shows.
    std::size_t save(const std::string& name)
    {
        f.frames(2);
        EXPECT_TRUE(f.headless.saveScreenshot(folder + "/" + name));
        sf::Texture texture;
        texture.create(f.game.window.getSize().x, f.game.window.getSize().y);
        texture.update(f.game.window);
        const sf::Image image = texture.copyToImage();
        std::set<sf::Uint32> colours;
        for (unsigned y = 0; y < image.getSize().y; y += 40)
            for (unsigned x = 0; x < image.getSize().x; x += 40)
                colours.insert(image.getPixel(x, y).toInteger());
        return colours.size();
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
    EXPECT_GT(pictures.save("1-countdown-goal.png"), 20u);
    pictures.skip(100);
    f.knockDown(f.p2());
    pictures.skip(2);
    f.standOn(f.p1(), 3, 57, 14);
    game.tileMap.sectionIndex = 3;
    makeLive(game, 3);
    game.camera.centre.x = game.camera.view.getCenter().x + 3840.f;
    game.camera.view.setCenter(game.camera.centre);
    pictures.walk(sf::Keyboard::D, 40);
    ASSERT_EQ(game.tileMap.sectionIndex, 4);
    EXPECT_GT(pictures.save("2-section-crossing.png"), 20u);
    pictures.skip(120);
    f.standOn(f.p1(), 4, 55, 12);
    game.camera.centre.x = 5 * 3840.f - 960.f;
    game.camera.view.setCenter(game.camera.centre);
    EXPECT_GT(pictures.save("3-flag-lying.png"), 20u);
    pictures.walk(sf::Keyboard::D, 60);
    ASSERT_TRUE(game.flags[0].carried);
    EXPECT_GT(pictures.save("4-flag-carried.png"), 20u);
    // Straight to the middle with the flag, up on the goal's ledge.
    makeLive(game, 2);
    f.standOn(f.p1(), 2, 27, 6);
    game.camera.centre.x = 9600.f;
    game.camera.view.setCenter(game.camera.centre);
    pictures.walk(sf::Keyboard::D, 30);
    ASSERT_TRUE(game.flagTaken);
    pictures.skip(20);
    EXPECT_GT(pictures.save("5-capture.png"), 20u);
    f.drawing = false;
    f.runUntil([&] { return game.state == SceneState::Victory; }, 10.f);
    ASSERT_EQ(game.state, SceneState::Victory);
    pictures.skip(30);
    EXPECT_GT(pictures.save("6-victory.png"), 5u);
}
