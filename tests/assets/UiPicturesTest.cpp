#include "assets/Pictures.h"
#include "support/Headless.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

// The interface pictures as a player meets them: buttons show their state,
// the kill-race bars show through their frame, things stand on the floor and
// each player's pieces wear its colour. That every picture loads is the
// start-up test's job.

namespace {

bool sameFrames(const sf::Image& strip, int a, int b, int frameWidth)
{
    for (unsigned y = 0; y < strip.getSize().y; ++y)
        for (int x = 0; x < frameWidth; ++x)
            if (strip.getPixel(static_cast<unsigned>(a * frameWidth + x), y) !=
                strip.getPixel(static_cast<unsigned>(b * frameWidth + x), y))
                return false;
    return true;
}

class UiPictures : public ::testing::Test {
protected:
    void SetUp() override { enterFreshRunFolder(); }
};

}  // namespace

// Buttons lay their states side by side: each one draws something, and no
// two look alike, or hovering and pressing would go unseen.
TEST_F(UiPictures, ButtonStatesAreDrawnAndTellApart)
{
    const std::vector<std::pair<std::string, int>> buttons = {
        {"Assets/Sprites/Pause/OptionsButton.png", 3},      {"Assets/Sprites/Pause/ResumeButton.png", 3},
        {"Assets/Sprites/Pause/mainmenubutton.png", 3},     {"Assets/Sprites/Pause/titleScreenButton.png", 3},
        {"Assets/Sprites/Options/fullScreenButton.png", 3}, {"Assets/Sprites/Options/windowedButton.png", 3},
        {"Assets/Sprites/Options/keybindsbutton.png", 3},   {"assets/sprites/options/bindbutton.png", 2},
        {"assets/sprites/options/keyboardtabbutton.png", 2}, {"assets/sprites/options/controllertabbutton.png", 2},
        {"Assets/Sprites/Online/HostButton.png", 3},        {"Assets/Sprites/Online/JoinButton.png", 3},
        {"Assets/Sprites/Online/StartButton.png", 3},       {"Assets/Sprites/Online/Field.png", 2},
    };
    for (const auto& [path, frames] : buttons) {
        const sf::Image image = readPicture(path);
        const int width = static_cast<int>(image.getSize().x), height = static_cast<int>(image.getSize().y);
        ASSERT_GT(width, 0) << path;
        EXPECT_EQ(width % frames, 0) << path;
        const int frameWidth = width / frames;
        for (int frame = 0; frame < frames; ++frame) {
            EXPECT_GT(opaquePixels(image, frame * frameWidth, 0, frameWidth, height), frameWidth * height / 10)
                << path << " frame " << frame;
            for (int other = 0; other < frame; ++other)
                EXPECT_FALSE(sameFrames(image, frame, other, frameWidth)) << path << " frames alike";
        }
    }
}

TEST_F(UiPictures, KillRaceBarsShowThroughTheirWindows)
{
    const sf::Image frame = readPicture("Assets/Sprites/HUD/HUDCAA.png");
    EXPECT_EQ(frame.getSize(), readPicture("assets/sprites/hud/caaopacity.png").getSize());
    // The bars sit at (66, 94) and (66, 134), 34 px tall, 54 px per kill up to 6.
    ASSERT_LE(66 + 6 * 54, static_cast<int>(frame.getSize().x));
    for (int top : {94, 134}) {
        EXPECT_EQ(opaquePixels(frame, 66, top, 6 * 54, 34), 5 * 2 * 34) << top;  // only the 5 kill dividers
        EXPECT_EQ(opaquePixels(frame, 66, top - 3, 6 * 54, 3), 6 * 54 * 3) << top;  // framed above
    }
}

TEST_F(UiPictures, WorldObjectsStandOnTheFloor)
{
    // The goal is centred two tiles above its floor, a flag one tile above it:
    // their pictures reach down to the floor, and a crate is one tile.
    for (const auto& [path, height] :
         std::vector<std::pair<std::string, int>>{{"Assets/Placeholder/a.png", 256},
                                                  {"flag1_placeholder.png", 128},
                                                  {"flag2_placeholder.png", 128},
                                                  {"Assets/Placeholder/boite.png", 64}}) {
        const sf::Image image = readPicture(path);
        ASSERT_EQ(static_cast<int>(image.getSize().y), height) << path;
        EXPECT_GT(opaquePixels(image, 0, height - 1, static_cast<int>(image.getSize().x), 1), 0) << path;
    }
    // The direction arrow turns about a point 100 px behind its right end;
    // nothing is drawn near that point, which sits on the fighter.
    const sf::Image arrow = readPicture("Assets/Sprites/HUD/DirectionArrow.png");
    const int pivot = static_cast<int>(arrow.getSize().x) - 100;
    ASSERT_GE(pivot, 0);
    EXPECT_EQ(opaquePixels(arrow, 0, 0, pivot + 40, static_cast<int>(arrow.getSize().y)), 0);
}

TEST_F(UiPictures, EachPlayersPiecesWearItsColour)
{
    // P1 is cyan and P2 is red wherever a picture belongs to one player.
    auto cyanMinusRed = [](const std::string& path) {
        const sf::Image image = readPicture(path);
        int balance = 0;
        for (unsigned y = 0; y < image.getSize().y; ++y)
            for (unsigned x = 0; x < image.getSize().x; ++x) {
                const sf::Color c = image.getPixel(x, y);
                if (c.a < 128)
                    continue;
                if (c.b > 150 && c.g > 150 && c.r < 100)
                    ++balance;
                else if (c.r > 150 && c.g < 100 && c.b < 100)
                    --balance;
            }
        return balance;
    };
    const std::vector<std::pair<std::string, std::string>> pairs = {
        {"Assets/Sprites/HUD/Flag1.png", "Assets/Sprites/HUD/Flag2.png"},
        {"assets/sprites/hud/p1itemframe.png", "assets/sprites/hud/p2itemframe.png"},
        {"Assets/Sprites/HUD/P1outofmap.png", "Assets/Sprites/HUD/P2outofmap.png"},
        {"Assets/Sprites/HUD/VictoryScreenPlayer1.png", "Assets/Sprites/HUD/VictoryScreenPlayer2.png"},
        {"flag1_placeholder.png", "flag2_placeholder.png"},
        {"assets/sprites/menu/p1charbind.png", "assets/sprites/menu/p2charbind.png"},
    };
    for (const auto& [p1, p2] : pairs) {
        EXPECT_GT(cyanMinusRed(p1), 0) << p1;
        EXPECT_LT(cyanMinusRed(p2), 0) << p2;
    }
}
