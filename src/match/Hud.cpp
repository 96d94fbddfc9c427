#include "match/Hud.h"

// Placeholders until the HUD is written.
void hudUpdate(Game&) {}
void hudDraw(Game&, sf::RenderTarget&) {}
void drawDirectionArrow(Game&, const Player&, sf::RenderTarget&) {}
