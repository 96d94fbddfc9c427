#include "app/Frame.h"
#include "app/FixedSteps.h"
#include "render/hud/Hud.h"
#include "match/Items.h"
#include "match/FightStage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

// Saves what the window shows when KESTRELFALL_SCREENSHOTS names a folder.
void keepScreenshot(FightStage& fight, const std::string& name)
{
    if (const char* folder = std::getenv("KESTRELFALL_SCREENSHOTS"))
        fight.headless.saveScreenshot(std::string(folder) + "/" + name + ".png");
}

// Draws a frame onto the window and returns what it shows.
sf::Image drawFrame(Game& game)
{
    game.window.clear();
    draw(game);
    sf::Texture shown;
    shown.create(1920, 1080);
    shown.update(game.window);
    game.window.display();
    return shown.copyToImage();
}

int differingPixels(const sf::Image& a, const sf::Image& b, sf::Vector2f centre, int half)
{
    int count = 0;
    for (int y = -half; y < half; ++y)
        for (int x = -half; x < half; ++x) {
            const unsigned px = static_cast<unsigned>(centre.x + x), py = static_cast<unsigned>(centre.y + y);
            count += a.getPixel(px, py) != b.getPixel(px, py);
        }
    return count;
}

}  // namespace

TEST(HudPictures, ClassicFightShowsTheWholeHud)
{
    FightStage fight(true, 1);
    Game& game = fight.game;
    game.frameTime = 1.f / 60.f;
    tellWorld(game);
    game.hud.timerText.setString("4 : 37");
    game.world.match.matchTimer = 277.f;
    // P1 Napollo with two rounds left and a SPEED running; P2 holds a STOP.
    selectSkill(fight.p1().skill, fight.p1(), 0);
    fight.p1().skill.ammo = 2;
    fight.p1().advancing = true;
    for (int i = 0; i < 2; ++i) {
        std::optional<Crate> item = Crate();
        item->kind = i == 0 ? SPEED : STOP;
        item->speedTime = 1.f;
        game.world.players[i].item = std::move(item);
    }
    fight.p1().useItemRequest = true;
    fight.p2().position.x += 2200.f;  // off to the right
    spawnCrate(game.world);
    hudUpdate(game);
    game.hud.stopFlash = true;
    drawFrame(game);
    const sf::Image withHud = drawFrame(game);
    keepScreenshot(fight, "hud-classic");
    // The HUD reaches the window: the item frames and the crate's place change without it.
    game.world.match.flagTaken = true;
    const sf::Image without = drawFrame(game);
    for (int i = 0; i < 2; ++i)
        EXPECT_GT(differingPixels(withHud, without, itemFramePosition(game, i), 40), 1000);
    EXPECT_EQ(differingPixels(withHud, without, worldToScreen(game, game.world.crate->position), 20), 0);
}

TEST(HudPictures, CaaPlaqueRoomCardsAndPause)
{
    FightStage fight(true, 1);
    Game& game = fight.game;
    game.frameTime = 1.f / 60.f;
    tellWorld(game);
    game.world.match.caaMode = true;
    game.world.match.p1Kills = 6;
    game.world.match.p2Kills = 3;
    selectSkill(fight.p2().skill, fight.p2(), 2);
    fight.p2().skill.shieldTimer = 5.f;
    fight.p1().dashCharge = 400.f;
    hudUpdate(game);
    drawFrame(game);
    const sf::Image caa = drawFrame(game);
    keepScreenshot(fight, "hud-caa");
    EXPECT_EQ(caa.getPixel(960 - 228 + 66 + 300, 94 + 17), sf::Color::Blue);
    game.world.match.caaMode = false;
    game.state = SceneState::MainHub;
    tellWorld(game);
    fight.p2().position.x = fight.p1().position.x - 2500.f;
    const sf::Image room = drawFrame(game);
    keepScreenshot(fight, "hud-room");
    game.pauseMenu.returnState = SceneState::MainHub;
    game.state = SceneState::Pause;
    tellWorld(game);
    const sf::Image paused = drawFrame(game);
    keepScreenshot(fight, "hud-pause");
    // The cards stay in the pause; the hints under them do not.
    EXPECT_EQ(room.getPixel(600, 180), paused.getPixel(600, 180));
    EXPECT_NE(room.getPixel(600, 334), paused.getPixel(600, 334));
}
