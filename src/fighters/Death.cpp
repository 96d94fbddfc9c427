#include "fighters/Death.h"

#include "world/FightWorld.h"
#include "match/FloorSearch.h"

#include <cmath>

namespace {

constexpr float deathVolume = 50.f;
constexpr float respawnVolume = 100.f;
constexpr float bothDownOffset = 425.f;        // px either side of the camera centre
constexpr float respawnShieldTimer = 4.f;      // s: Gigachill's second point returns 4 s later
constexpr int napolloAmmo = 4;
constexpr int napollo = 0;
constexpr int gigachill = 2;

bool protectionOver(const Player& player)
{
    return player.deathTimer - respawnDelay > spawnProtection;
}

// 1. The first frame of a death.
void fallDown(Player& p)
{
    p.requestedState = AnimState::DEATH;
    p.protectionWaived = false;
    p.skill.pressed = false;
    p.velocity.x = 0.f;  // the body still falls
    p.dead = true;
    p.alive = false;
    p.deathTimer = 0.f;
    cueSound(p, "DEATH", deathVolume);
}

// The spot 850 px from the other fighter: the preferred side first, the
// other side when the preferred one lies beyond the live section.
struct RespawnSpot {
    float x;
    int direction;
};

RespawnSpot besideOpponent(const Player& p, const FightWorld& world)
{
    const Player& other = world.players[p.index == 0 ? 1 : 0];
    const float left = static_cast<float>(world.sectionIndex) * world.sectionWidth;
    const float right = left + world.sectionWidth;
    const float halfWidth = std::trunc(p.size.x / 2.f);
    const RespawnSpot leftSpot{other.position.x - respawnDistance, -1};
    const RespawnSpot rightSpot{other.position.x + respawnDistance, 1};
    // P1 prefers the left unless P2's flag is carried; P2 mirrors it.
    const bool otherFlagCarried = world.flags[p.index == 0 ? 1 : 0].carried;
    const bool preferLeft = (p.index == 0) != otherFlagCarried;
    if (preferLeft)
        return leftSpot.x > left - halfWidth ? leftSpot : rightSpot;
    return rightSpot.x < right - halfWidth ? rightSpot : leftSpot;
}

}  // namespace

void checkDeath(Player& p, FightWorld& world)
{
    // 1. The moment of death, once.
    if (!p.dead)
        fallDown(p);
    // 2. Gigachill's shield waits while the fighter is down.
    p.skill.shieldReady = true;
    // 3. Back after the delay.
    if (p.deathTimer > respawnDelay)
        respawn(p, world);
}

void respawn(Player& p, FightWorld& world)
{
    // 1. A fresh, idle fighter with one hit point.
    p.attacking = false;
    p.hitLanded = false;
    p.velocity = sf::Vector2f(0.f, 0.f);
    setBothStates(p, AnimState::IDLE);
    p.dead = false;
    p.skill.shieldReady = false;
    p.hitPoints = 1;
    // 2. Per kind.
    if (p.skill.kind == napollo)
        p.skill.ammo = napolloAmmo;
    if (p.skill.kind == gigachill)
        p.skill.shieldTimer = respawnShieldTimer;
    // 3-4. Back in the level.
    p.alive = true;
    placeForRespawn(p, world);
    // 5-6.
    cueSound(world.events, "RESPAWN", respawnVolume);
    p.killCounted = false;
}

void placeForRespawn(Player& p, FightWorld& world)
{
    // 1-3. Where, and which way the floor search goes.
    RespawnSpot spot;
    if (world.match.bothDown)
        spot = p.index == 0 ? RespawnSpot{world.camera.centre.x - bothDownOffset, -1}
                            : RespawnSpot{world.camera.centre.x + bothDownOffset, 1};
    else
        spot = besideOpponent(p, world);
    // 4. Face the opponent.
    setFacingScale(p, static_cast<float>(-spot.direction), 1.f);
    // 5. Onto the floor; the fighter falls the last pixels onto the tile.
    p.position = findFloorCell(tiles(world), spot.x, spot.direction, p.size.x).position;
    placeFrame(p);
}

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
