#include "app/Frame.h"
#include "app/Game.h"
#include "render/Composition.h"
#include "render/FrameTarget.h"
#include "screens/CreditsScreen.h"
#include "screens/SplashScreen.h"
#include "screens/TitleScreen.h"
#include "support/Headless.h"

#include <SFML/Graphics/Image.hpp>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

void writePicture(const std::string& path, unsigned width, unsigned height, sf::Color colour)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    sf::Image image;
    image.create(width, height, colour);
    image.saveToFile(path);
}

// A game in a folder holding just the pictures these screens show.
std::unique_ptr<Game> gameWithScreenPictures()
{
    enterEmptyFolder();
    writePicture("Assets/Logo/logo-Tessaril.png", 400, 200, sf::Color::Red);
    writePicture("Assets/Logo/logo-Pinewhistle.png", 400, 200, sf::Color::Green);
    writePicture("Assets/Sprites/Menu/TitleScreenBackGround.png", 1920, 1080, sf::Color(0, 0, 255));
    writePicture("Assets/Placeholder/onApaDaset.png", 300, 100, sf::Color::Yellow);
    writePicture("Assets/Sprites/Credits/BackgroundCredits.png", 1920, 200, sf::Color::Magenta);
    return std::make_unique<Game>();
}

sf::Image drawnScreen(Game& game)
{
    runFrame(game, 0.f, {}, false);
    draw(game);
    game.screenLayer.display();
    return game.screenLayer.getTexture().copyToImage();
}

}  // namespace

TEST(SplashScreen, DrawsBothLogosScaledAtTheirPlacesFromOneAndAHalfSeconds)
{
    auto game = gameWithScreenPictures();
    const auto splashAt = [&](float time) {
        game->splashTime = time;
        clearFrameLayers(*game, layerFrame(*game));
        drawSplash(*game);
        game->screenLayer.display();
        return game->screenLayer.getTexture().copyToImage();
    };
    sf::Image screen = splashAt(1.49f);
    EXPECT_EQ(screen.getPixel(640, 540).a, 0);
    EXPECT_EQ(screen.getPixel(1280, 540).a, 0);

    screen = splashAt(1.5f);
    EXPECT_EQ(screen.getPixel(640, 540), sf::Color::Red);
    EXPECT_EQ(screen.getPixel(1280, 540), sf::Color::Green);
    // Scaled 0.25 and 0.3: 100 x 50 and 120 x 60 around their centres.
    EXPECT_EQ(screen.getPixel(640 + 45, 540).a, 255);
    EXPECT_EQ(screen.getPixel(640 + 55, 540).a, 0);
    EXPECT_EQ(screen.getPixel(1280 + 55, 540).a, 255);
    EXPECT_EQ(screen.getPixel(1280 + 65, 540).a, 0);
}

TEST(CreditsScreen, ThePictureStandsOverWhatTheTitleLeftInTheBackgroundLayer)
{
    auto game = gameWithScreenPictures();
    game->state = SceneState::Title;
    sf::Image screen = drawnScreen(*game);
    EXPECT_EQ(screen.getPixel(100, 100), sf::Color(0, 0, 255));
    EXPECT_EQ(screen.getPixel(960, 270), sf::Color::Yellow);  // the logo over the background
    game->state = SceneState::Credits;
    screen = drawnScreen(*game);
    EXPECT_EQ(screen.getPixel(100, 100), sf::Color::Magenta);
    EXPECT_EQ(screen.getPixel(100, 500), sf::Color(0, 0, 255));
    EXPECT_TRUE(game->cursorVisible);
}
