#pragma once

#include "app/SceneDriver.h"
#include "menus/MenuRooms.h"

// Scripted players for the menu rooms and screens.

// The title left with Enter: both fighters at their hub start places.
inline void enterHub(HeadlessGame& driver)
{
    driver.game->state = SceneState::Title;
    pressKey(driver, sf::Keyboard::Enter);
    driver.setKey(sf::Keyboard::Enter, false);
}

// Puts a fighter on the hub floor at x, at rest.
inline void standAt(Game& game, int player, float x)
{
    Player& p = game.world.players[player];
    p.position.x = x;
    dropOntoHubFloor(game, p);
    p.velocity = sf::Vector2f(0.f, 0.f);
}

// Puts the camera over world x, so fighters placed near it stay inside the view.
inline void lookAt(Game& game, float x)
{
    game.world.camera.view.setCenter(x, game.world.camera.view.getCenter().y);
    game.world.camera.centre = game.world.camera.view.getCenter();
}

// A door's centre x in a room.
inline float doorCentre(const MenuRoom& room, DoorKind kind)
{
    for (const Door& door : room.doors)
        if (door.kind == kind)
            return door.sprite.getPosition().x + door.sprite.getLocalBounds().width / 2.f;
    return -1.f;
}

// A key pressed, its event handled, and released again.
inline void tapKey(HeadlessGame& driver, sf::Keyboard::Key key)
{
    pressKey(driver, key);
    driver.setKey(key, false);
}

// A controller button pressed with its event, then released in the next frame.
inline void tapButton(HeadlessGame& driver, unsigned pad, unsigned button)
{
    pressButton(driver, pad, button);
    driver.setButton(pad, button, false);
    driver.step();
}

// Holds pad 0's stick (or any axis) and sends the move event.
inline void holdAxis(HeadlessGame& driver, unsigned pad, sf::Joystick::Axis axis, float position)
{
    driver.game->input.joysticks[pad].connected = true;
    driver.game->input.joysticks[pad].axes[axis] = position;
    driver.step(1, testFrame, {joystickMovedEvent(pad, axis, position)});
}

inline sf::Event mousePressedEvent(int x, int y, sf::Mouse::Button button = sf::Mouse::Left)
{
    sf::Event event;
    event.type = sf::Event::MouseButtonPressed;
    event.mouseButton.button = button;
    event.mouseButton.x = x;
    event.mouseButton.y = y;
    return event;
}

// The mouse moved to (x, y) and the left button pressed there, held.
inline void pressMouse(HeadlessGame& driver, int x, int y)
{
    driver.game->input.mousePixel = sf::Vector2i(x, y);
    driver.game->input.mouseButtons[sf::Mouse::Left] = true;
    driver.step(1, testFrame, {mouseMovedEvent(x, y), mousePressedEvent(x, y)});
}

inline void moveMouse(HeadlessGame& driver, int x, int y)
{
    driver.game->input.mousePixel = sf::Vector2i(x, y);
    driver.step(1, testFrame, {mouseMovedEvent(x, y)});
}

inline void releaseMouse(HeadlessGame& driver)
{
    driver.game->input.mouseButtons[sf::Mouse::Left] = false;
    driver.step();
}

// A click: pressed and released over two frames.
inline void clickAt(HeadlessGame& driver, int x, int y)
{
    pressMouse(driver, x, y);
    releaseMouse(driver);
}
