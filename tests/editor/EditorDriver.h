#pragma once

#include "app/SceneDriver.h"
#include "editor/MapEditor.h"

#include <string>

// The editor driven as a player drives it: mouse events with the buttons
// held, key events with the keys held, wheel events and typed text.

inline sf::Event textEvent(unsigned codePoint)
{
    sf::Event event;
    event.type = sf::Event::TextEntered;
    event.text.unicode = codePoint;
    return event;
}

inline sf::Event wheelEvent(int delta)
{
    sf::Event event;
    event.type = sf::Event::MouseWheelMoved;
    event.mouseWheel = {delta, 960, 540};
    return event;
}

struct EditorDriver {
    HeadlessGame driver;
    Game& game = *driver.game;
    MapEditor& editor = game.editor;

    EditorDriver() { game.state = SceneState::Editor; }

    void press(int x, int y, sf::Mouse::Button button = sf::Mouse::Left)
    {
        game.input.mouseButtons[button] = true;
        sf::Event event;
        event.type = sf::Event::MouseButtonPressed;
        event.mouseButton = {button, x, y};
        driver.step(1, testFrame, {event});
    }
    void move(int x, int y) { driver.step(1, testFrame, {mouseMovedEvent(x, y)}); }
    void release()
    {
        for (bool& down : game.input.mouseButtons)
            down = false;
    }
    // A left click on a screen point, released at once.
    void click(sf::Vector2f at)
    {
        press(static_cast<int>(at.x), static_cast<int>(at.y));
        release();
    }
    void key(sf::Keyboard::Key k)
    {
        pressKey(driver, k);
        driver.setKey(k, false);
    }
    void undo()
    {
        driver.setKey(sf::Keyboard::LControl, true);
        key(sf::Keyboard::Z);
        driver.setKey(sf::Keyboard::LControl, false);
    }
    void type(const std::string& text)
    {
        std::vector<sf::Event> events;
        for (unsigned char c : text)
            events.push_back(textEvent(c));
        driver.step(1, testFrame, events);
    }
    // From the canvas or the tool menu into a dialog, through the menu button.
    void openDialog(const sf::Sprite& menuButton)
    {
        if (editor.panel == EditorPanel::Canvas)
            click({10.f, 10.f});
        click(menuButton.getPosition());
    }
    int code(int section, int column, int row) const { return editor.canvas.sections[section][column][row]; }
};
