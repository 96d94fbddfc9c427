#include "match/Hud.h"

#include "app/Game.h"
#include "match/MatchFlow.h"

// Placeholders until the HUD is written; the countdown and timer run already.
void hudUpdate(Game& game)
{
    updateCountdown(game);
    if (!game.caaMode)
        updateTimer(game);
}
void hudDraw(Game&, sf::RenderTarget&) {}
void drawDirectionArrow(Game&, const Player&, sf::RenderTarget&) {}
