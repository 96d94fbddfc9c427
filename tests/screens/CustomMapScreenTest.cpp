#include "app/Latches.h"
#include "app/SceneDriver.h"
#include "editor/LevelStore.h"
#include "screens/CustomMapScreen.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

// The custom level list, driven with the polled mouse and keys.

namespace {

const std::string listFile = "Assets/Map/Custom/Custom.txt";

std::string levelPath(const std::string& name)
{
    return "Assets/Map/Custom/" + name + "/" + name + ".txt";
}

void saveLevel(const std::string& name, int sections)
{
    TileColumn column;
    column.fill(emptyCode);
    column[19] = 0;  // a floor
    ASSERT_TRUE(saveCustomLevel(std::vector<Section>(static_cast<std::size_t>(sections), Section(60, column)), name)
                    .done);
}

struct ListDriver {
    HeadlessGame driver;
    Game& game = *driver.game;
    CustomMapScreen& screen = game.customMapSelect;

    // Enters the list as the Custom door does: the list is read again first.
    void enter(const std::string& list)
    {
        writeTestFile(listFile, list);
        rebuildList(screen);
        game.state = SceneState::CustomMapSelect;
    }
    void holdMouse(float x, float y, bool down = true)
    {
        game.input.mousePixel = sf::Vector2i(static_cast<int>(x), static_cast<int>(y));
        game.input.mouseButtons[sf::Mouse::Left] = down;
        driver.step();
    }
    sf::Vector2f slotCentre(int slot) const
    {
        const sf::FloatRect cell = customSlotRect(screen, slot);
        return sf::Vector2f(cell.left + cell.width / 2.f, cell.top + cell.height / 2.f);
    }
};

}  // namespace

TEST(CustomMapScreen, AnEmptyListPicksNothingAndBackStillWorks)
{
    ListDriver d;
    // A list the game cannot trust is shown empty, with one line that says why.
    testing::internal::CaptureStderr();
    d.enter("nonsense\n" + levelPath("L0") + "\n");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Assets/Map/Custom/Custom.txt:1: \"nonsense\" is not a count of levels; no custom level is shown and "
              "the list is not rewritten\n");
    EXPECT_EQ(d.screen.counterText.getString().toAnsiString(), "0/9");
    EXPECT_EQ(d.screen.listProblem, "Custom.txt is damaged: \"nonsense\" is not a count of levels; no custom level "
                                    "is shown and the list is not rewritten");  // on screen too
    d.holdMouse(d.slotCentre(0).x, d.slotCentre(0).y);
    EXPECT_EQ(d.screen.targetState, SceneState::CustomMapSelect);
    d.driver.setKey(sf::Keyboard::Escape, true);
    d.driver.step();
    d.driver.setKey(sf::Keyboard::Escape, false);
    EXPECT_EQ(d.screen.targetState, SceneState::MapSelect);
    d.driver.step(60);
    EXPECT_EQ(d.game.state, SceneState::MapSelect);
}

TEST(CustomMapScreen, TheCounterShowsEveryEntryButOnlyNineArePlaced)
{
    ListDriver d;
    std::string list = "10\n";
    for (int i = 0; i < 10; ++i)
        list += levelPath("L" + std::to_string(i)) + "\n";
    d.enter(list);
    EXPECT_EQ(d.screen.counterText.getString().toAnsiString(), "10/9");
    EXPECT_EQ(d.screen.nameTexts.size(), 9u);
    EXPECT_EQ(d.screen.nameTexts[8].getString().toAnsiString(), "L8");
    // Placed from the grid formula at once: slot 4 is the middle cell.
    EXPECT_EQ(d.screen.thumbnails[4].getPosition(), sf::Vector2f(810.f, 480.f));
    EXPECT_EQ(d.screen.thumbnails[0].getColor().a, 255);
}

TEST(CustomMapScreen, APressHeldOverACellPicksItOnTheFirstFrame)
{
    ListDriver d;
    saveLevel("Mine", 5);
    d.enter("1\n" + levelPath("Mine"));
    d.holdMouse(d.slotCentre(0).x, d.slotCentre(0).y);
    EXPECT_EQ(d.screen.targetState, SceneState::Fight);
}

TEST(CustomMapScreen, PickingStartsTheClassicFightOnThatLevel)
{
    ListDriver d;
    saveLevel("Mine", 3);
    d.enter("2\n" + levelPath("Mine") + "\n" + levelPath("Gone") + "\n");
    EXPECT_EQ(d.screen.thumbnails[2].getColor().a, 150);  // empty slot faded

    // The gap between two cells and an entry whose level is missing pick nothing.
    const sf::FloatRect first = customSlotRect(d.screen, 0);
    d.holdMouse(first.left + first.width + 25.f, first.top + 10.f);
    EXPECT_EQ(d.screen.targetState, SceneState::CustomMapSelect);
    const std::vector<Section> loaded = d.game.tileMap.grid;
    d.holdMouse(d.slotCentre(1).x, d.slotCentre(1).y);
    EXPECT_EQ(d.screen.targetState, SceneState::CustomMapSelect);
    EXPECT_NE(d.screen.messageText.getString().toAnsiString().find("Gone cannot be played"), std::string::npos);
    EXPECT_EQ(d.game.tileMap.grid, loaded);
    EXPECT_FALSE(d.game.customMapChosen);

    // Holding the button and moving onto the first cell picks it (its right edge is outside).
    d.holdMouse(first.left + first.width, first.top + 10.f);
    EXPECT_EQ(d.screen.targetState, SceneState::CustomMapSelect);
    d.holdMouse(first.left, first.top);
    EXPECT_EQ(d.screen.targetState, SceneState::Fight);
    EXPECT_TRUE(d.game.customMapChosen);
    EXPECT_EQ(d.game.customMapPath, levelPath("Mine"));
    EXPECT_TRUE(d.game.screenFade.active);
    d.holdMouse(0, 0, false);
    d.driver.step(60);
    EXPECT_EQ(d.game.state, SceneState::Fight);
}

TEST(CustomMapScreen, BackTakesPadBOncePerPressAndAPickInTheSameFrameWins)
{
    ListDriver d;
    saveLevel("Mine", 3);
    d.enter("1\n" + levelPath("Mine"));
    d.game.latchB = true;  // B still held from the room before
    d.driver.setButton(0, buttonB, true);
    d.driver.step();
    EXPECT_EQ(d.screen.targetState, SceneState::CustomMapSelect);
    d.game.latchB = false;
    d.game.input.mousePixel = sf::Vector2i(d.slotCentre(0));
    d.game.input.mouseButtons[sf::Mouse::Left] = true;
    d.driver.step();
    EXPECT_TRUE(d.game.latchB);
    EXPECT_EQ(d.screen.targetState, SceneState::Fight);
}

TEST(CustomMapScreen, TheGridLooksRight)
{
    HeadlessGame driver(true);
    Game& game = *driver.game;
    saveLevel("Cliffs", 3);
    writeTestFile(listFile, "2\n" + levelPath("Cliffs") + "\n" + levelPath("Bay"));
    rebuildList(game.customMapSelect);
    game.state = SceneState::CustomMapSelect;
    driver.step(2);
    ASSERT_TRUE(driver.saveScreenshot("custom-list.png"));
    sf::Image shot;
    ASSERT_TRUE(shot.loadFromFile("custom-list.png"));
    // The same point of a filled and of an empty (faded) thumbnail.
    EXPECT_NE(shot.getPixel(610, 200), shot.getPixel(1310, 200));
    EXPECT_NE(shot.getPixel(1310, 200), shot.getPixel(1310, 140));  // the faded picture is there
}

TEST(CustomMapScreen, ALongNameStaysOnItsCard)
{
    ListDriver d;
    const std::string longName(30, 'W');
    saveLevel(longName, 3);
    d.enter("1\n" + levelPath(longName));
    const sf::FloatRect card = customSlotRect(d.screen, 0);
    const sf::FloatRect name = d.screen.nameTexts[0].getGlobalBounds();
    EXPECT_GE(name.left, card.left);
    EXPECT_LE(name.left + name.width, card.left + card.width);
    EXPECT_EQ(d.screen.listProblem, "");
}
