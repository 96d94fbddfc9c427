#pragma once

#include "world/GameTime.h"

#include <string>

namespace sf {
class RenderTarget;
}
struct Game;
struct Player;

// What the hub tells a newcomer without a manual: each player's move, jump
// and attack keys (as bound now) over its fighter, on the first visit until
// someone moves and again whenever nobody has moved for a while; and what
// the score at the top counts.
struct HubHints {
    GameClock still;     // since a fighter last moved (world clock)
    bool moved = false;  // someone has moved since the game started
};

constexpr float hintIdleTime = 8.f;  // s nobody moves before the hints come back

// Each frame in a room: notes whether a fighter moves.
void watchForStillness(Game& game);
bool hubHintsShown(const Game& game);
// A player's two lines: "P1: A / D move", "W jump   F attack".
struct HintLines {
    std::string move;
    std::string act;
};
HintLines hubHintLines(const Game& game, const Player& player);
// On the tile layer, in the camera's view.
void drawHubHints(Game& game, sf::RenderTarget& target);
// "classic wins" under the score of a room, centred on scoreX at labelY.
void drawScoreLabel(Game& game, sf::RenderTarget& target, float scoreX, float labelY);
