#include "render/hud/Hud.h"
#include "app/FixedSteps.h"
#include "match/FightStage.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <gtest/gtest.h>

namespace {

// The fight part of the HUD alone, drawn onto a black screen-sized picture.
sf::Image drawnHud(Game& game)
{
    sf::RenderTexture target;
    target.create(1920, 1080);
    target.clear(sf::Color::Black);
    hudDraw(game, target);
    target.display();
    return target.getTexture().copyToImage();
}

int litPixels(const sf::Image& image, sf::IntRect area)
{
    int lit = 0;
    for (int y = area.top; y < area.top + area.height; ++y)
        for (int x = area.left; x < area.left + area.width; ++x)
            lit += image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)) != sf::Color::Black;
    return lit;
}

sf::IntRect around(sf::Vector2f centre, int half)
{
    return sf::IntRect(static_cast<int>(centre.x) - half, static_cast<int>(centre.y) - half, 2 * half, 2 * half);
}

}  // namespace

TEST(Hud, CountdownAndTimerTextsAndSuddenDeathHidesTimerMinimapAndItemFrames)
{
    FightStage fight;
    Game& game = fight.game;
    MatchState& match = game.world.match;
    const auto shown = [&](const sf::Text& text) {
        hudUpdate(game);
        return text.getString().toAnsiString();
    };
    // "3", "2", "1", "FIGHT !" while the countdown runs, then the match time left.
    match.fightLive = false;
    const std::pair<float, const char*> countdown[] = {{3.9f, "3"}, {2.5f, "2"}, {1.5f, "1"}, {0.9f, "FIGHT !"}};
    for (const auto& [left, text] : countdown) {
        match.countdown = left;
        EXPECT_EQ(shown(game.hud.centreText), text) << left;
    }
    EXPECT_EQ(shown(game.hud.timerText), "5 : 00");
    match.fightLive = true;
    match.matchTimer = 299.99f;
    EXPECT_EQ(shown(game.hud.timerText), "4 : 59");
    match.matchTimer = 5.5f;
    EXPECT_EQ(shown(game.hud.timerText), "0 : 05");
    const sf::IntRect timer(900, 115, 120, 40), minimap(930, 60, 60, 40);
    const sf::IntRect frames[2] = {around(itemFramePosition(game, 0), 40), around(itemFramePosition(game, 1), 40)};
    sf::Image image = drawnHud(game);
    for (const sf::IntRect& area : {timer, minimap, frames[0], frames[1]})
        EXPECT_GT(litPixels(image, area), 200);
    match.suddenDeath = true;
    match.suddenDeathTime = 0.5f;
    EXPECT_EQ(shown(game.hud.centreText), "SUDDEN DEATH");
    image = drawnHud(game);
    for (const sf::IntRect& area : {timer, minimap, frames[0], frames[1]})
        EXPECT_EQ(litPixels(image, area), 0);
    EXPECT_GT(litPixels(image, around(sf::Vector2f(960.f, 360.f), 60)), 200);
    game.world.match.suddenDeathTime = 1.f;
    EXPECT_EQ(litPixels(drawnHud(game), around(sf::Vector2f(960.f, 360.f), 60)), 0);
}

TEST(Hud, CaaBarsGrowBy54PixelsPerKill)
{
    FightStage fight;
    Game& game = fight.game;
    game.world.match.caaMode = true;
    game.world.match.p1Kills = 6;
    game.world.match.p2Kills = 3;
    hudUpdate(game);
    EXPECT_EQ(game.hud.caaBars[0].getSize(), sf::Vector2f(324.f, 34.f));
    const sf::Vector2f frame = game.hud.caaFrame.getPosition();
    const sf::Image image = drawnHud(game);
    auto at = [&](float x, float y) {
        return image.getPixel(static_cast<unsigned>(frame.x + x), static_cast<unsigned>(frame.y + y));
    };
    EXPECT_EQ(at(66.f + 320.f, 94.f + 17.f), sf::Color::Blue);
    EXPECT_EQ(at(66.f + 158.f, 134.f + 17.f), sf::Color::Red);
    EXPECT_NE(at(66.f + 166.f, 134.f + 17.f), sf::Color::Red);
    // No classic pieces on the caa map.
    EXPECT_EQ(litPixels(image, around(itemFramePosition(game, 0), 40)), 0);
}

TEST(Hud, OffScreenMarkersShrinkWithDistanceAndHideDuringAPan)
{
    FightStage fight;
    Game& game = fight.game;
    Player& p2 = fight.p2();
    const float viewRight = game.world.camera.view.getCenter().x + 960.f;
    p2.position.x = viewRight + 2000.f;
    EXPECT_FLOAT_EQ(offScreenMarker(game, p2).scale, 0.5f);
    p2.position.x = viewRight + p2.size.x / 2.f + 1.f;
    OffScreenMarker marker = offScreenMarker(game, p2);
    EXPECT_TRUE(marker.shown);
    EXPECT_FLOAT_EQ(marker.scale, 2.f);
    EXPECT_EQ(marker.position.x, 1920.f - 64.f);
    game.world.camera.inTransition = true;
    EXPECT_FALSE(offScreenMarker(game, p2).shown);
    game.world.camera.inTransition = false;
    // Left of the view: mirrored, at the left edge.
    p2.position.x = viewRight - 1920.f - 200.f;
    marker = offScreenMarker(game, p2);
    EXPECT_TRUE(marker.shown && marker.mirrored);
    EXPECT_EQ(marker.position.x, 64.f);
    // The caa map is one screen wide: the right marker is always the smallest.
    game.world.sectionWidth = 1920.f;
    p2.position.x = viewRight + p2.size.x / 2.f + 1.f;
    EXPECT_FLOAT_EQ(offScreenMarker(game, p2).scale, 0.5f);
}

TEST(Hud, StopFlashShowsOneOpaqueFrameThenFadesToNothing)
{
    FightStage fight;
    Game& game = fight.game;
    sf::RenderTexture target;
    target.create(64, 64);
    game.frameTime = 1.f / 60.f;
    tellWorld(game);
    game.hud.stopFlash = true;
    hudDraw(game, target);
    hudDraw(game, target);
    EXPECT_FALSE(game.hud.stopFlash);
    int alpha = game.stopOverlay.getColor().a;
    EXPECT_EQ(alpha, 255);
    for (int frame = 0; frame < 100; ++frame) {
        hudDraw(game, target);
        EXPECT_LE(game.stopOverlay.getColor().a, alpha);
        alpha = game.stopOverlay.getColor().a;
    }
    EXPECT_EQ(alpha, 0);
    // A long frame in the middle of a fade ends it rather than wrapping round.
    game.hud.stopFlash = true;
    for (int frame = 0; frame < 3; ++frame)
        hudDraw(game, target);
    game.frameTime = 2.f;
    tellWorld(game);
    hudDraw(game, target);
    EXPECT_EQ(game.stopOverlay.getColor().a, 0);
    EXPECT_EQ(game.hud.stopFlashLevel, 0.f);
}

TEST(Hud, UseKeyTextNamesTheKeyOrButtonInUse)
{
    FightStage fight;
    Game& game = fight.game;
    game.keyNames.keys = {"A", "B", "C"};
    game.keyNames.buttons = {"Pad0", "Pad1"};
    Player& p1 = fight.p1();
    p1.input.bindings.keys[UseItemKey] = 2;
    p1.input.bindings.buttons[UseItemButton] = 7;
    hudUpdate(game);
    EXPECT_EQ(game.hud.useKeyTexts[0].getString(), "C");
    p1.keyboardMode = false;
    hudUpdate(game);
    EXPECT_EQ(game.hud.useKeyTexts[0].getString(), "7");
    p1.input.bindings.buttons[UseItemButton] = 1;
    hudUpdate(game);
    EXPECT_EQ(game.hud.useKeyTexts[0].getString(), "Pad1");
}

TEST(Hud, DirectionArrowPointsTheWayForTheAdvancingPlayer)
{
    FightStage fight(false, 1);
    Game& game = fight.game;
    sf::RenderTexture target;
    target.create(64, 64);
    for (Player& p : game.world.players) {
        p.advancing = true;
        drawDirectionArrow(game, p, target);
        // P1 heads right to its flag, P2 left to its own.
        EXPECT_NEAR(game.hud.directionArrow.getRotation(), p.index == 0 ? 0.f : 180.f, 0.01f);
        EXPECT_EQ(game.hud.directionArrow.getPosition(), p.position);
    }
    // Carrying its flag into the middle section, P1 aims at the goal.
    fight.goToSection(2);
    game.world.flags[0].carried = true;
    game.world.goal = fight.p1().position + sf::Vector2f(0.f, -100.f);
    drawDirectionArrow(game, fight.p1(), target);
    EXPECT_NEAR(game.hud.directionArrow.getRotation(), 270.f, 0.01f);
}
