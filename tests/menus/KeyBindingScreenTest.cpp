#include "app/Latches.h"
#include "audio/Audio.h"
#include "menus/BindingCapture.h"
#include "menus/MenuDriver.h"
#include "resources/Caption.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

const int p1CellX = 896, p2CellX = 1024;  // the two columns of cells
const int firstRowY = 360, rowStep = 64;
const int controllerTabX = 1110, tabY = 216;

// The key-binding screen reached through the pause menu and the options.
void openKeyBindings(HeadlessGame& driver)
{
    enterHub(driver);
    tapKey(driver, sf::Keyboard::Escape);
    clickAt(driver, 960, 540);  // options
    clickAt(driver, 960, 864);  // key bindings
    ASSERT_EQ(driver.game->state, SceneState::KeyBindings);
}

BindingTable& bindingsOf(Game& game, int player)
{
    return game.world.players[player].input.bindings;
}

std::string shownValue(const KeyBindingScreen& screen, int player, int row)
{
    return (player == 0 ? screen.p1Values : screen.p2Values)[row].getString();
}

}  // namespace

TEST(KeyBindings, ARefusedKeyKeepsTheCaptureAndEscapeCancelsThenLeaves)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    openKeyBindings(driver);
    KeyBindingScreen& screen = game.options.keyBindingScreen;
    EXPECT_EQ(shownValue(screen, 0, JumpKey), "W");
    clickAt(driver, p1CellX, firstRowY + rowStep * JumpKey);
    ASSERT_TRUE(screen.capturing);
    // P2's Attack, then P1's own Attack, then no key at all: all refused, each saying why.
    const struct {
        sf::Keyboard::Key key;
        std::string why;
    } refusals[] = {
        {sf::Keyboard::Numpad1, displayName(game.keyNames.keys, sf::Keyboard::Numpad1) + " is already used by P2 Attack"},
        {sf::Keyboard::J, displayName(game.keyNames.keys, sf::Keyboard::J) + " is already used by P1 Attack"},
        {sf::Keyboard::Unknown, "this key cannot be bound"},
    };
    for (const auto& refusal : refusals) {
        tapKey(driver, refusal.key);
        EXPECT_TRUE(screen.capturing);
        EXPECT_EQ(shownValue(screen, 0, JumpKey), "...");
        EXPECT_EQ(bindingsOf(game, 0).keys[JumpKey], sf::Keyboard::W);
        EXPECT_EQ(screen.refusal, refusal.why);
    }
    tapKey(driver, sf::Keyboard::Escape);
    EXPECT_FALSE(screen.capturing);
    EXPECT_EQ(game.state, SceneState::KeyBindings);
    EXPECT_EQ(shownValue(screen, 0, JumpKey), "W");

    clickAt(driver, p1CellX, firstRowY + rowStep * JumpKey);
    EXPECT_EQ(screen.refusal, "");  // a new capture forgets the old refusal
    tapKey(driver, sf::Keyboard::BackSpace);
    EXPECT_FALSE(screen.capturing);
    EXPECT_EQ(bindingsOf(game, 0).keys[JumpKey], sf::Keyboard::BackSpace);
    // Long names stay inside their cells, at a readable size.
    const sf::Text& cell = screen.p1Values[JumpKey];
    EXPECT_EQ(cell.getString().toAnsiString().rfind(displayName(game.keyNames.keys, sf::Keyboard::BackSpace).substr(0, 3), 0), 0u);
    EXPECT_LE(cell.getGlobalBounds().width, 128.f);
    EXPECT_GE(cell.getCharacterSize(), smallestReadableSize);
    tapKey(driver, sf::Keyboard::Escape);
    EXPECT_EQ(game.state, SceneState::Options);
}

TEST(KeyBindings, APadCaptureTakesOnlyAFreeButtonOfTheSelectedPlayersOwnPad)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    openKeyBindings(driver);
    KeyBindingScreen& screen = game.options.keyBindingScreen;
    // Row 6 in the keyboard tab, then the controller tab: the row becomes 4.
    driver.step(20);
    holdAxis(driver, 0, sf::Joystick::Y, -100.f);  // up from the first row wraps to the last
    holdAxis(driver, 0, sf::Joystick::Y, 0.f);
    ASSERT_EQ(screen.selectedRow, 6);
    tapButton(driver, 0, buttonRB);
    EXPECT_FALSE(screen.keyboardTab);
    EXPECT_EQ(screen.selectedRow, 4);

    tapButton(driver, 0, buttonA);
    ASSERT_TRUE(screen.capturing);
    const std::vector<int> before = bindingsOf(game, 0).buttons;
    tapButton(driver, 1, 9);  // P2's pad
    tapButton(driver, 0, 7);  // Start would pause the game
    tapButton(driver, 0, bindingsOf(game, 0).buttons[JumpButton]);  // P1's Jump
    EXPECT_TRUE(screen.capturing);
    EXPECT_EQ(bindingsOf(game, 0).buttons, before);
    tapButton(driver, 0, 9);
    EXPECT_FALSE(screen.capturing);
    EXPECT_EQ(bindingsOf(game, 0).buttons[UseItemButton], 9);
    EXPECT_EQ(bindingsOf(game, 0).buttons.size(), 5u);

    // A pad-only player capturing in the keyboard tab gets out with Back.
    tapButton(driver, 0, buttonLB);
    ASSERT_TRUE(screen.keyboardTab);
    tapButton(driver, 0, buttonA);
    ASSERT_TRUE(screen.capturing);
    tapButton(driver, 0, 6);
    EXPECT_FALSE(screen.capturing);
    tapButton(driver, 0, buttonB);
    EXPECT_EQ(game.state, SceneState::Options);
}

TEST(KeyBindings, CodesWithoutANameShowTheirNumber)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    openKeyBindings(driver);
    KeyBindingScreen& screen = game.options.keyBindingScreen;
    bindingsOf(game, 0).keys[MoveLeftKey] = 500;  // a hand-edited binds file
    driver.step();
    EXPECT_EQ(shownValue(screen, 0, MoveLeftKey), "500");
    game.keyNames.keys.clear();  // a missing name file
    driver.step();
    EXPECT_EQ(shownValue(screen, 1, JumpKey), std::to_string(sf::Keyboard::Up));
    clickAt(driver, controllerTabX, tabY);
    EXPECT_EQ(screen.labels[0].getString(), "Jump");
    EXPECT_EQ(shownValue(screen, 0, JumpButton), "A");

    EXPECT_TRUE(keyRefused(sf::Keyboard::KeyCount, 0, bindingsOf(game, 0), bindingsOf(game, 1)));
    EXPECT_TRUE(buttonRefused(sf::Joystick::ButtonCount, 0, bindingsOf(game, 0)));
}

TEST(KeyBindings, ARebindAndAVolumeOutliveTheProgramButLeavingTheScreensWritesNothing)
{
    std::string folder;
    {
        HeadlessGame driver;
        Game& game = *driver.game;
        const std::string binds = readTestFile("Assets/settings/Binds.txt");
        const std::string settings = readTestFile("Assets/settings/gamesettings.txt");
        openKeyBindings(driver);
        clickAt(driver, p1CellX, firstRowY + rowStep * JumpKey);
        tapKey(driver, sf::Keyboard::U);
        tapKey(driver, sf::Keyboard::Escape);
        setSliderValue(game.options.sfxSlider, 0.25f);
        driver.step();
        tapKey(driver, sf::Keyboard::Escape);
        tapKey(driver, sf::Keyboard::Escape);
        ASSERT_EQ(game.state, SceneState::MainHub);
        EXPECT_EQ(readTestFile("Assets/settings/Binds.txt"), binds);
        EXPECT_EQ(readTestFile("Assets/settings/gamesettings.txt"), settings);
        saveOnExit(game);
    }
    Game again;
    EXPECT_EQ(again.world.players[0].input.bindings.keys[JumpKey], sf::Keyboard::U);
    EXPECT_FLOAT_EQ(audio().sfxVolume, 0.25f);
    EXPECT_FLOAT_EQ(again.options.sfxSlider.value, 0.25f);
}
