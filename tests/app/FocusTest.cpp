#include "app/SceneDriver.h"
#include "fighters/CombatWorld.h"

#include <gtest/gtest.h>

// Input as the program gets it: the window's events keep the key state, then
// reach the scenes, which hear nothing while the window lacks focus.

namespace {

sf::Event event(sf::Event::EventType type, sf::Keyboard::Key key = sf::Keyboard::Unknown)
{
    sf::Event e = keyPressedEvent(key);
    e.type = type;
    return e;
}

void deliver(Game& game, const std::vector<sf::Event>& events, int frames = 1)
{
    for (const sf::Event& e : events)
        trackInputEvent(game.input, e);
    for (int i = 0; i < frames; ++i)
        runFrame(game, testFrame, i == 0 ? events : std::vector<sf::Event>{}, false);
}

}  // namespace

TEST(Focus, LosingFocusLetsGoOfEveryKeyAndPressesWithoutItCountForNothing)
{
    CombatWorld world;
    Game& game = world.game;
    Player& p1 = world.p1();
    world.stand(world.p2(), 3000.f, -1);  // out of the way
    const auto right = static_cast<sf::Keyboard::Key>(p1.input.bindings.keys[MoveRightKey]);
    deliver(game, {event(sf::Event::KeyPressed, right)}, 10);
    EXPECT_GT(p1.velocity.x, 0.f);
    game.input.mouseButtons[sf::Mouse::Left] = true;
    game.input.joysticks[0].buttons[0] = true;
    game.input.joysticks[0].axes[0] = 100.f;
    deliver(game, {event(sf::Event::LostFocus), event(sf::Event::KeyPressed, right)}, 60);
    EXPECT_FALSE(game.input.keyDown(right) || game.input.mouseButtons[sf::Mouse::Left] ||
                 game.input.joysticks[0].buttons[0] || game.input.axis(0, 0) != 0.f);
    EXPECT_EQ(p1.velocity.x, 0.f) << "the fighter slid to a stop";
    deliver(game, {event(sf::Event::GainedFocus), event(sf::Event::KeyPressed, right)}, 10);
    EXPECT_GT(p1.velocity.x, 0.f);
    deliver(game, {event(sf::Event::KeyReleased, right)}, 60);
    EXPECT_EQ(p1.velocity.x, 0.f);

    // On the title and the result screen, keys and pads used elsewhere start nothing.
    deliver(game, {event(sf::Event::LostFocus)});
    for (SceneState scene : {SceneState::Title, SceneState::Victory}) {
        game.state = scene;
        deliver(game, {event(sf::Event::KeyPressed, sf::Keyboard::Space),
                       event(sf::Event::KeyPressed, sf::Keyboard::Escape), joystickButtonEvent(0, 0)},
                5);
        EXPECT_EQ(game.state, scene);
    }
    deliver(game, {event(sf::Event::GainedFocus), event(sf::Event::KeyPressed, sf::Keyboard::Escape)});
    EXPECT_EQ(game.state, SceneState::MainHub);
}
