#include "fighters/Projectile.h"

void updateProjectiles(Game&)
{
}
