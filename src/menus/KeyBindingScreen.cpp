#include "menus/KeyBindingScreen.h"

void initKeyBindingScreen(KeyBindingScreen& screen, Game& game)
{
    screen.game = &game;
}

// Placeholders until the key-binding screen is written.
void updateKeyBindings(KeyBindingScreen&) {}
void drawKeyBindings(KeyBindingScreen&) {}
void onBindClick(KeyBindingScreen&, sf::Vector2f) {}
void onBindHover(KeyBindingScreen&, sf::Vector2f) {}
void onBindKey(KeyBindingScreen&, sf::Keyboard::Key) {}
void onBindJoystick(KeyBindingScreen&, const sf::Event&) {}
