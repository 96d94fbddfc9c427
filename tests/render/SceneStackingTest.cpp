#include "render/Composition.h"
#include "render/RenderTestKit.h"
#include "support/Headless.h"

#include <gtest/gtest.h>

namespace {

// Each world layer gets a band of its own colour; where bands cross, the
// layer stacked later shows.
struct SceneStackingTest : ::testing::Test {
    HeadlessGame headless;
    Game& game = *headless.game;

    SceneStackingTest()
    {
        clearFrameLayers(game);
        for (sf::RenderTexture* layer : {&game.actorLayer, &game.waterLayer, &game.tileLayer, &game.hudLayer})
            layer->setView(layer->getDefaultView());
        fillRect(game.actorLayer, sf::FloatRect(0.f, 0.f, 1920.f, 300.f), sf::Color::Red);
        fillRect(game.waterLayer, sf::FloatRect(0.f, 100.f, 960.f, 100.f), sf::Color::Cyan);
        fillRect(game.tileLayer, sf::FloatRect(960.f, 100.f, 960.f, 100.f), sf::Color::Green);
        fillRect(game.hudLayer, sf::FloatRect(0.f, 150.f, 1920.f, 20.f), sf::Color::Blue);
        // The scenes aim the world layers at the camera; keep it on the drawn bands.
        game.world.camera.view = game.actorLayer.getDefaultView();
        // The water's ripple would move the band it is checked on, and the
        // level's own tiles would cover it.
        loadPassThroughShader(game.water);
        game.tileMap.grid.clear();
    }

    sf::Color screenAt(unsigned x, unsigned y) { return pixelAt(game.screenLayer, x, y); }
};

}  // namespace

TEST_F(SceneStackingTest, FightersStandBehindWaterAndTilesInTheFightAndInFrontInTheRooms)
{
    game.state = SceneState::Fight;
    drawFightScene(game);
    EXPECT_EQ(screenAt(300, 50), sf::Color::Red);
    EXPECT_EQ(screenAt(300, 120), sf::Color::Cyan);
    EXPECT_EQ(screenAt(1500, 120), sf::Color::Green);
    EXPECT_EQ(screenAt(300, 160), sf::Color::Blue);
    EXPECT_EQ(screenAt(1500, 160), sf::Color::Blue);

    // A room: fighters walk in front of the doors, with no water and no HUD.
    game.screenLayer.clear(sf::Color::Transparent);
    fillRect(game.tileLayer, sf::FloatRect(0.f, 400.f, 1920.f, 50.f), sf::Color::Green);
    drawRoomScene(game, SceneState::MainHub);
    EXPECT_EQ(screenAt(1500, 420), sf::Color::Green);
    EXPECT_EQ(screenAt(1700, 120), sf::Color::Red);
    EXPECT_EQ(screenAt(900, 120), sf::Color::Red);
    EXPECT_EQ(screenAt(900, 160), sf::Color::Red);
}
