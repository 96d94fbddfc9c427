#include "menus/MenuDriver.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

namespace {

// What the window shows. With KESTRELFALL_SHOTS naming a folder, it is also saved there.
sf::Image windowPicture(HeadlessGame& driver, const char* name)
{
    if (const char* folder = std::getenv("KESTRELFALL_SHOTS"))
        driver.saveScreenshot(std::string(folder) + "/" + name + ".png");
    sf::Texture texture;
    const sf::Vector2u size = driver.game->window.getSize();
    texture.create(size.x, size.y);
    texture.update(driver.game->window);
    return texture.copyToImage();
}

bool anyPixel(const sf::Image& image, sf::IntRect box, const std::function<bool(sf::Color)>& test)
{
    for (int y = box.top; y < box.top + box.height; ++y)
        for (int x = box.left; x < box.left + box.width; ++x)
            if (test(image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y))))
                return true;
    return false;
}

bool samePixels(const sf::Image& a, const sf::Image& b, sf::IntRect box)
{
    for (int y = box.top; y < box.top + box.height; ++y)
        for (int x = box.left; x < box.left + box.width; ++x)
            if (a.getPixel(unsigned(x), unsigned(y)) != b.getPixel(unsigned(x), unsigned(y)))
                return false;
    return true;
}

}  // namespace

TEST(MenuPictures, PromptsScoreAndPauseAsAPlayerSeesThem)
{
    HeadlessGame driver(true);
    Game& game = *driver.game;
    enterHub(driver);
    game.mainHub.winCount[0] = 3;
    game.mainHub.winCount[1] = 7;
    const float playDoor = doorCentre(game.mainHub, DoorKind::Play);
    const sf::IntRect promptBox(static_cast<int>(playDoor) - 60, 400, 120, 80);  // above the Play door
    standAt(game, 0, 1000.f);
    standAt(game, 1, playDoor);
    lookAt(game, 960.f);
    driver.step(2);
    const sf::Image noPrompt = windowPicture(driver, "hubP2AtDoor");
    game.world.players[0].advancing = false;
    game.world.players[1].advancing = true;
    driver.step(2);
    const sf::Image withPrompt = windowPicture(driver, "hubP2HoldsTheMark");
    // Only the mark holder's prompt shows above the door.
    EXPECT_FALSE(samePixels(noPrompt, withPrompt, promptBox));
    // The score: blue left of the top centre, red right of it.
    const sf::IntRect left(900, 78, 60, 40), right(960, 78, 60, 40);
    EXPECT_TRUE(anyPixel(withPrompt, left, [](sf::Color c) { return c.b > 200 && c.r < 120; }));
    EXPECT_TRUE(anyPixel(withPrompt, right, [](sf::Color c) { return c.r > 200 && c.b < 100 && c.g < 100; }));

    tapKey(driver, sf::Keyboard::Escape);
    driver.step();
    const sf::Image paused = windowPicture(driver, "pauseOverHub");
    // Away from the buttons the hub shows through, dimmed by about half.
    const sf::Color before = withPrompt.getPixel(1700, 1000), after = paused.getPixel(1700, 1000);
    EXPECT_NEAR(after.r, before.r * 135 / 255, 3);
    EXPECT_NEAR(after.g, before.g * 135 / 255, 3);
}
