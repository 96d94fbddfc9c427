#include "app/Frame.h"

#include "app/Game.h"

void runFrame(Game& game, float frameTime, const std::vector<sf::Event>& events, bool drawFrame)
{
    // 1. Time: every clock of the game reads the game's own time.
    game.frameTime = frameTime;
    game.time.now += frameTime;
    // 2. Events, all of them before the update.
    for (const sf::Event& event : events)
        routeEvent(game, event);
    // 3. Update.
    update(game);
    if (!drawFrame || !game.window.isOpen())
        return;
    // 4-6. Clear, draw, present.
    game.window.clear(sf::Color::Black);
    draw(game);
    game.window.display();
}

void routeEvent(Game& game, const sf::Event& event)
{
    switch (event.type) {
    case sf::Event::Closed:
        game.window.close();
        break;
    case sf::Event::KeyPressed:
        onKeyPressed(game, event.key);
        break;
    case sf::Event::JoystickButtonPressed:
    case sf::Event::JoystickMoved:
        onJoystick(game, event);
        break;
    case sf::Event::TextEntered:
        onTextEntered(game, event.text.unicode);
        break;
    default:
        break;
    }
}

void update(Game& game)
{
    stepFade(game.screenFade);
    updateProjectiles(game);
}

void draw(Game&)
{
}

void onKeyPressed(Game&, const sf::Event::KeyEvent&)
{
}

void onJoystick(Game&, const sf::Event&)
{
}

void onTextEntered(Game&, unsigned)
{
}
