#include "app/Input.h"
#include "app/SceneDriver.h"
#include "fighters/CombatWorld.h"

#include <gtest/gtest.h>

// Input the way the program gets it: the window's events keep the key state
// and then reach the scenes, which ignore them while the window lacks focus.

namespace {

sf::Event windowEvent(sf::Event::EventType type)
{
    sf::Event event;
    event.type = type;
    return event;
}

sf::Event keyEvent(sf::Keyboard::Key key, bool pressed)
{
    sf::Event event = keyPressedEvent(key);
    event.type = pressed ? sf::Event::KeyPressed : sf::Event::KeyReleased;
    return event;
}

void deliver(Game& game, const std::vector<sf::Event>& events, int frames = 1)
{
    for (const sf::Event& event : events)
        trackInputEvent(game.input, event);
    runFrame(game, testFrame, events, false);
    for (int i = 1; i < frames; ++i)
        runFrame(game, testFrame, {}, false);
}

}  // namespace

TEST(Focus, KeysComeFromPressAndReleaseAndLosingFocusLetsGoOfThemAll)
{
    CombatWorld world;
    Game& game = world.game;
    Player& p1 = world.p1();
    world.stand(world.p2(), 3000.f, -1);
    const auto right = static_cast<sf::Keyboard::Key>(p1.input->bindings.keys[MoveRightKey]);
    deliver(game, {keyEvent(right, true)}, 10);
    EXPECT_GT(p1.velocity.x, 0.f);
    deliver(game, {keyEvent(right, false), keyEvent(sf::Keyboard::Unknown, true)}, 30);
    EXPECT_EQ(p1.velocity.x, 0.f);

    deliver(game, {keyEvent(right, true)}, 10);
    game.input.mouseButtons[sf::Mouse::Left] = true;
    game.input.joysticks[0].connected = true;
    game.input.joysticks[0].buttons[0] = true;
    game.input.joysticks[0].axes[0] = 100.f;
    deliver(game, {windowEvent(sf::Event::LostFocus)});
    EXPECT_FALSE(game.input.keyDown(right) || game.input.mouseButtons[sf::Mouse::Left] ||
                 game.input.buttonDown(0, 0) || game.input.axis(0, 0) != 0.f);
    // A press without focus counts for nothing: the fighter slides to a stop.
    deliver(game, {keyEvent(right, true)}, 60);
    EXPECT_FALSE(game.input.keyDown(right));
    EXPECT_EQ(p1.velocity.x, 0.f);

    deliver(game, {windowEvent(sf::Event::GainedFocus), keyEvent(right, true)}, 10);
    EXPECT_GT(p1.velocity.x, 0.f);
}

TEST(Focus, KeysAndPadsTypedElsewhereStartNothingOnTheResultScreen)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    game.state = SceneState::Victory;
    deliver(game, {windowEvent(sf::Event::LostFocus)});
    deliver(game, {keyEvent(sf::Keyboard::Space, true), keyEvent(sf::Keyboard::Escape, true),
                   joystickButtonEvent(0, 0), joystickButtonEvent(0, 1)},
            5);
    EXPECT_EQ(game.state, SceneState::Victory);
    deliver(game, {windowEvent(sf::Event::GainedFocus), keyEvent(sf::Keyboard::Escape, true)});
    EXPECT_EQ(game.state, SceneState::MainHub);
}
