#pragma once

#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Event.hpp>
#include <SFML/Window/Keyboard.hpp>

struct Game;

// The key-binding screen, owned by the options screen.
struct KeyBindingScreen {
    Game* game = nullptr;
    bool keyboardTab = true;
    bool capturing = false;  // waiting for the new key or button of the selected cell
    int selectedRow = 0;
    int selectedColumn = 0;
};

void initKeyBindingScreen(KeyBindingScreen& screen, Game& game);
void updateKeyBindings(KeyBindingScreen& screen);
void drawKeyBindings(KeyBindingScreen& screen);
// Mouse positions are points of the 1920 x 1080 logical screen.
void onBindClick(KeyBindingScreen& screen, sf::Vector2f mouse);
void onBindHover(KeyBindingScreen& screen, sf::Vector2f mouse);
// Every key event except the Escape that leaves the screen.
void onBindKey(KeyBindingScreen& screen, sf::Keyboard::Key key);
void onBindJoystick(KeyBindingScreen& screen, const sf::Event& event);
