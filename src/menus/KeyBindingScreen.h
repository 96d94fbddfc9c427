#pragma once

#include "world/GameTime.h"
#include "resources/Button.h"

#include <SFML/Graphics/Text.hpp>
#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Event.hpp>
#include <SFML/Window/Keyboard.hpp>

#include <string>

struct Game;

constexpr int keyboardRows = 7;    // Move Left .. Use Item
constexpr int controllerRows = 5;  // Jump .. Use Item

// The key-binding screen, owned by the options screen: both players'
// bindings side by side, one tab for the keyboard and one for the controller.
// A selected cell is rebound by capturing the next key or button.
struct KeyBindingScreen {
    Game* game = nullptr;
    GameClock navClock;  // paces the stick (menus' clock)
    bool keyboardTab = true;
    bool capturing = false;  // waiting for the new key or button of the selected cell
    int selectedRow = 0;
    int selectedColumn = 0;  // 0 P1, 1 P2
    sf::Text p1Header, p2Header;
    sf::Text labels[keyboardRows];
    sf::Text p1Values[keyboardRows], p2Values[keyboardRows];
    Button p1Buttons[keyboardRows], p2Buttons[keyboardRows];
    Button tabButtons[2];  // keyboard, controller
    std::string cellNames[2][keyboardRows];  // the full names the cells were last fitted to
    std::string refusal;  // why the last key or button was refused, until the next capture
};

void initKeyBindingScreen(KeyBindingScreen& screen, Game& game);
// Rows shown in the current tab.
int visibleRows(const KeyBindingScreen& screen);
// Each frame: texts (names from game.keyNames, "..." on the captured cell),
// then the row layout, then the highlighted pictures.
void updateKeyBindings(KeyBindingScreen& screen);
void drawKeyBindings(KeyBindingScreen& screen);
// Mouse positions are points of the 1920 x 1080 logical screen.
void onBindClick(KeyBindingScreen& screen, sf::Vector2f mouse);
void onBindHover(KeyBindingScreen& screen, sf::Vector2f mouse);
// Every key event except the Escape that leaves the screen.
void onBindKey(KeyBindingScreen& screen, sf::Keyboard::Key key);
void onBindJoystick(KeyBindingScreen& screen, const sf::Event& event);
// Shows the keyboard or the controller tab; the selected row stays within it.
void showTab(KeyBindingScreen& screen, bool keyboard);
