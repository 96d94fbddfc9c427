// The way into online play as a player takes it: the mode room's ONLINE
// door, the host and join pages driven with keys and with the first pad, and
// the request a Start hands to online play (recorded here instead).
#include "app/Latches.h"
#include "editor/LevelStore.h"
#include "net/OnlineControl.h"
#include "menus/MenuDriver.h"
#include "screens/OnlineMenu.h"

#include <gtest/gtest.h>

namespace {

sf::Event textEvent(unsigned codePoint)
{
    sf::Event event;
    event.type = sf::Event::TextEntered;
    event.text.unicode = codePoint;
    return event;
}

struct OnlineDriver {
    HeadlessGame driver;
    Game& game = *driver.game;
    OnlineMenu& menu = game.onlineMenu;
    std::vector<OnlineRequest> started;

    OnlineDriver()
    {
        menu.start = [this](Game&, const OnlineRequest& request) { started.push_back(request); };
        enterHub(driver);
        game.state = SceneState::ModeSelect;
    }
    // P1 takes the ONLINE door and the curtain goes down and up again.
    void throughTheDoor()
    {
        standAt(game, 0, doorCentre(game.modeSelectRoom, DoorKind::Online));
        lookAt(game, game.world.players[0].position.x);
        driver.step();
        tapKey(driver, sf::Keyboard::Enter);
        driver.step(110);
    }
    void type(const std::string& text)
    {
        for (char c : text)
            driver.step(1, testFrame, {textEvent(static_cast<unsigned char>(c))});
    }
    void key(sf::Keyboard::Key key, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            tapKey(driver, key);
    }
    // A push of the first pad's direction pad, then back to the middle.
    void pad(sf::Joystick::Axis axis, float position, int times = 1)
    {
        for (int i = 0; i < times; ++i) {
            holdAxis(driver, 0, axis, position);
            holdAxis(driver, 0, axis, 0.f);
        }
    }
};

}  // namespace

TEST(OnlineMenu, TheOnlineDoorOpensTheChoiceAndBackLeadsPageByPageToTheRoom)
{
    OnlineDriver d;
    ASSERT_GE(doorCentre(d.game.modeSelectRoom, DoorKind::Online), 0.f);
    d.throughTheDoor();
    ASSERT_EQ(d.game.state, SceneState::OnlineMenu);
    EXPECT_EQ(d.menu.page, OnlinePage::Choice);
    // Enter opens HOST; Escape comes back; the pad's down and A open JOIN; B comes back.
    d.key(sf::Keyboard::Enter);
    EXPECT_EQ(d.menu.page, OnlinePage::Host);
    EXPECT_FALSE(d.menu.host.addresses.empty());
    d.key(sf::Keyboard::Escape);
    EXPECT_EQ(d.menu.page, OnlinePage::Choice);
    d.pad(sf::Joystick::PovY, 100.f);
    tapButton(d.driver, 0, buttonA);
    EXPECT_EQ(d.menu.page, OnlinePage::Join);
    tapButton(d.driver, 0, buttonB);
    EXPECT_EQ(d.menu.page, OnlinePage::Choice);
    // From the choice, back through the curtain to the door the player took.
    const float doorX = d.game.world.players[0].position.x;
    d.key(sf::Keyboard::Escape);
    EXPECT_EQ(d.game.state, SceneState::OnlineMenu);
    d.driver.step(55);
    EXPECT_EQ(d.game.state, SceneState::ModeSelect);
    EXPECT_FLOAT_EQ(d.game.world.players[0].position.x, doorX);
    EXPECT_TRUE(d.started.empty());
}

TEST(OnlineMenu, HostingHandsThePortModeLevelAndFighterChosenToOnlinePlay)
{
    OnlineDriver d;
    setFighterKind(d.game.world.players[0], 2);  // P1's card shows Gigachill
    d.throughTheDoor();
    d.key(sf::Keyboard::Enter);
    // The keys: the port typed anew, the mode and level rows stepped.
    d.key(sf::Keyboard::BackSpace, 4);
    d.type("7x4.00");
    EXPECT_EQ(d.menu.host.port.text, "7400");
    d.key(sf::Keyboard::Down, 3);
    ASSERT_EQ(d.menu.host.row, HostRow::Start);
    d.key(sf::Keyboard::Enter);
    ASSERT_EQ(d.started.size(), 1u);
    const OnlineRequest& jungle = d.started.back();
    EXPECT_EQ(jungle.net.role, NetRole::Host);
    EXPECT_EQ(jungle.net.port, 7400);
    EXPECT_EQ(jungle.setup.levelName, "Jungle");
    EXPECT_EQ(jungle.ownKind, 2);
    EXPECT_EQ(jungle.setup.kinds[0], 2);

    // The pad: a custom level made meanwhile is offered after the Jungle, and its files go with the set-up.
    TileColumn column;
    column.fill(emptyCode);
    column[19] = 0;
    ASSERT_TRUE(saveCustomLevel(std::vector<Section>(3, Section(60, column)), "Cliffs").done);
    tapButton(d.driver, 0, buttonB);
    tapButton(d.driver, 0, buttonA);
    ASSERT_EQ(d.menu.page, OnlinePage::Host);
    d.pad(sf::Joystick::PovY, 100.f, 2);
    EXPECT_EQ(hostLevelChoices(d.menu.host), 2);
    d.pad(sf::Joystick::PovX, 100.f);
    EXPECT_EQ(hostLevelName(d.menu.host), "Cliffs");
    d.pad(sf::Joystick::PovY, 100.f);
    tapButton(d.driver, 0, buttonA);
    ASSERT_EQ(d.started.size(), 2u);
    EXPECT_EQ(d.started.back().setup.levelName, "Cliffs");
    ASSERT_EQ(d.started.back().setup.levelFiles.size(), 4u);
    EXPECT_EQ(d.started.back().setup.levelFiles[0].name, "Assets/Map/Custom/Cliffs/Cliffs.txt");
    EXPECT_EQ(setupLevelProblem(d.started.back().setup), "");
    EXPECT_NE(d.started[0].setup.seed, d.started[1].setup.seed);

    // With the pad the port is edited in place: A on PORT, X erases, up steps a digit; a port of 0 is refused.
    d.pad(sf::Joystick::PovY, -100.f, 3);
    ASSERT_EQ(d.menu.host.row, HostRow::Port);
    tapButton(d.driver, 0, buttonA);
    ASSERT_TRUE(d.menu.host.editingPort);
    for (int i = 0; i < 3; ++i)
        tapButton(d.driver, 0, 2);
    d.pad(sf::Joystick::PovX, -100.f);
    d.pad(sf::Joystick::PovY, -100.f, 3);  // 7 -> 8 -> 9 -> 0
    tapButton(d.driver, 0, buttonA);
    EXPECT_FALSE(d.menu.host.editingPort);
    EXPECT_EQ(d.menu.host.port.text, "0");
    d.key(sf::Keyboard::Up);  // round to START
    d.key(sf::Keyboard::Enter);
    EXPECT_EQ(d.started.size(), 2u);
    EXPECT_NE(d.menu.message.find("1 to 65535"), std::string::npos) << d.menu.message;
}

TEST(OnlineMenu, JoiningTakesTheTypedAddressAndRefusesABadOneWithoutSending)
{
    OnlineDriver d;
    d.throughTheDoor();
    d.key(sf::Keyboard::Down);
    d.key(sf::Keyboard::Enter);
    ASSERT_EQ(d.menu.page, OnlinePage::Join);
    d.type("127.0.0");
    d.key(sf::Keyboard::Enter);
    EXPECT_TRUE(d.started.empty());
    EXPECT_NE(d.menu.message.find("is not an address"), std::string::npos) << d.menu.message;
    // The pad finishes it: ".1" stepped in at the end, then A.
    d.pad(sf::Joystick::PovY, 100.f, 2);  // down from the free place: ':' then '.'
    d.pad(sf::Joystick::PovX, 100.f);
    d.pad(sf::Joystick::PovY, -100.f, 2);  // up: '0' then '1'
    EXPECT_EQ(d.menu.join.address.text, "127.0.0.1");
    tapButton(d.driver, 0, buttonA);
    ASSERT_EQ(d.started.size(), 1u);
    EXPECT_EQ(d.started[0].net.role, NetRole::Join);
    EXPECT_EQ(d.started[0].net.address, "127.0.0.1");
    EXPECT_EQ(d.started[0].net.port, onlineDefaultPort);
    EXPECT_TRUE(d.menu.message.empty());
    // The address typed stays for the next visit.
    tapButton(d.driver, 0, buttonB);
    d.key(sf::Keyboard::Enter);
    EXPECT_EQ(d.menu.page, OnlinePage::Join);
    EXPECT_EQ(d.menu.join.address.text, "127.0.0.1");
}
