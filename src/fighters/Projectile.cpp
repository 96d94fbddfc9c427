#include "fighters/Projectile.h"

void updateProjectiles(Game&)
{
}

void drawProjectiles(const Game&, sf::RenderTarget&)
{
}
