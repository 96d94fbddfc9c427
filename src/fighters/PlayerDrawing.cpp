#include "fighters/PlayerDrawing.h"

// Placeholder until the fighters' animation is written.
void drawPlayer(const Game&, const Player&, sf::RenderTarget&) {}
