#pragma once

#include "app/SceneState.h"

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>

#include <array>
#include <string>
#include <vector>

struct Game;

constexpr int customGridSize = 3;     // thumbnails per row and per column
constexpr int customGridSlots = 9;
const sf::Vector2f customGridOrigin{460.f, 180.f};  // px, the top-left thumbnail
constexpr float customGridGap = 50.f;                // px between thumbnails
constexpr unsigned char emptySlotOpacity = 150;

// The thumbnail list of custom levels.
struct CustomMapScreen {
    Game* game = nullptr;
    SceneState targetState = SceneState::CustomMapSelect;  // its own state: no switch pending
    bool armed = false;
    sf::Sprite placeholder;
    std::array<sf::Sprite, customGridSlots> thumbnails;  // placed on the grid at each rebuild
    std::vector<std::string> paths;  // every entry of the list, in list order
    std::vector<std::string> names;
    std::vector<sf::Text> nameTexts;  // the first nine names, placed on their thumbnails
    sf::Text counterText;             // "K/9"
    sf::Text messageText;             // why the last pick was refused
    std::string listProblem;          // why the list file cannot be used, "" when it can
    int refusedSlot = -1;             // the slot refused while the button stays down on it
};

void initCustomMapSelect(CustomMapScreen& screen, Game& game);
// Reads the custom level list again; no switch is pending afterwards.
void rebuildList(CustomMapScreen& screen);
// Each frame in the list: back and pick, or the fade-driven switch once one is pending.
void updateCustomMapSelect(CustomMapScreen& screen);
void drawCustomMapSelect(CustomMapScreen& screen);

// The screen rectangle of grid slot k (0..8), from the thumbnail picture's size.
sf::FloatRect customSlotRect(const CustomMapScreen& screen, int slot);
// The slot under a screen point (left and top inclusive), or -1.
int customSlotAt(const CustomMapScreen& screen, sf::Vector2f point);
