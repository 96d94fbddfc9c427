// Every look of the game's main scenes against its reference picture: a
// change to how frames are drawn must leave what they show as it was.
#include "app/SceneDriver.h"
#include "editor/MapEditor.h"
#include "level/TileMap.h"
#include "match/FightStage.h"
#include "match/Goal.h"
#include "render/hud/Hud.h"
#include "match/Items.h"
#include "menus/MenuDriver.h"
#include "menus/PauseMenu.h"
#include "render/GoldenPictures.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const float frame = 1.f / 60.f;  // s

void expectGolden(Game& game, const std::string& name)
{
    const GoldenResult result = compareWithGolden(drawnWindow(game), name);
    EXPECT_TRUE(result.matches) << result.message;
}

// The first column of section `section` holding water, or -1.
int waterColumn(const TileMap& map, int section)
{
    for (int column = 0; column < map.columns; ++column)
        for (int row = 0; row < sectionRows; ++row)
            if (tileCode(map, section, column, row) == waterCode)
                return column;
    return -1;
}

// Items in both frames (one running), Napollo's rounds, P2 off to the right.
void fillHud(FightStage& fight)
{
    Game& game = fight.game;
    game.hud.timerText.setString("3 : 27");
    selectSkill(fight.p1().skill, fight.p1(), 0);
    fight.p1().advancing = true;
    fight.give(fight.p1(), SPEED, true);
    fight.give(fight.p2(), SWAP);
    fight.p1().item->speedTime = 1.f;
    fight.p2().position.x += 1500.f;
    hudUpdate(game);
}

}  // namespace

TEST(GoldenPictures, TheFightInEachOfItsLooks)
{
    FightStage fight(true, 2);
    Game& game = fight.game;
    placeGoal(game.world);
    game.frameTime = frame;
    game.world.match.matchTimer = 200.f;
    game.world.match.flagTaken = true;  // no HUD, as while a captured flag flies home
    expectGolden(game, "fight-plain");

    game.world.match.flagTaken = false;
    game.world.match.fightLive = false;
    game.world.match.countdown = 2.5f;
    expectGolden(game, "fight-countdown");

    game.world.match.fightLive = true;
    game.world.match.matchTimer = 30.f;
    expectGolden(game, "fight-last-minute");

    game.world.match.matchTimer = 200.f;
    fillHud(fight);
    expectGolden(game, "fight-hud");

    int section = 0;
    while (section < 5 && waterColumn(game.tileMap, section) < 0)
        ++section;
    ASSERT_LT(section, 5) << "the Jungle level has no water";
    fight.goToSection(section);
    fight.lookAt(sectionLeft(game.tileMap, section) + 64.f * float(waterColumn(game.tileMap, section)) + 600.f);
    expectGolden(game, "fight-water");

    // The countdown greys the rippled water as it greys the rest.
    game.world.match.fightLive = false;
    game.world.match.countdown = 2.5f;
    const sf::Image grey = drawnWindow(game);
    const sf::IntRect water = game.waterPass.drawn;
    ASSERT_GT(water.width, 0);
    int coloured = 0;
    for (int y = water.top; y < water.top + water.height; y += 4)
        for (int x = water.left; x < water.left + water.width; x += 4) {
            const sf::Color c = grey.getPixel(unsigned(x), unsigned(y));
            coloured += std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b}) > 2;
        }
    EXPECT_EQ(coloured, 0);
    game.world.match.fightLive = true;

    pauseFrom(game, SceneState::Fight);
    expectGolden(game, "pause-over-fight");

    game.state = SceneState::Victory;
    game.world.players[0].isWinner = true;
    game.vortexLevel = 15.f;
    game.vortexTime = 1.f;
    game.world.match.matchTimer = 100.f;
    expectGolden(game, "victory");
}

TEST(GoldenPictures, TheHubOptionsAndEditor)
{
    HeadlessGame driver(true);
    Game& game = *driver.game;
    driver.drawEachFrame = false;
    enterHub(driver);
    driver.step(120);  // the curtain lifts; the fighters land
    expectGolden(game, "hub");

    pauseFrom(game, SceneState::MainHub);
    openOptions(game);
    driver.step(2);
    expectGolden(game, "options");

    game.state = SceneState::Editor;
    driver.step(2);
    expectGolden(game, "editor");
}
