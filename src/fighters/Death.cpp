#include "fighters/Death.h"

#include "fighters/Player.h"

// Death and respawn come with the fighting rules; until then a fallen fighter stays down.
void checkDeath(Player&, Game&)
{
}

namespace {

bool protectionOver(const Player& player)
{
    return player.deathTimer - respawnDelay > spawnProtection;
}

}  // namespace

bool isProtected(const Player& player)
{
    return !(player.protectionWaived || (player.alive && protectionOver(player)));
}

bool isVulnerable(Player& player)
{
    const bool vulnerable = !isProtected(player);
    if (protectionOver(player))
        player.protectionWaived = false;
    return vulnerable;
}
