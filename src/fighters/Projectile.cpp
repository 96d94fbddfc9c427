#include "fighters/Projectile.h"

#include "world/FightWorld.h"
#include "fighters/Combat.h"
#include "fighters/Death.h"

#include <algorithm>

namespace {

constexpr float deflectFactor = -1.2f;  // a parried shot flies back 20 % faster
constexpr float tileExtent = static_cast<float>(tileSize);

Player& targetOf(FightWorld& world, const Projectile& shot)
{
    return world.players[shot.fromP2 ? 0 : 1];
}

bool strictOverlap(const sf::FloatRect& a, const sf::FloatRect& b)
{
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

// 2. The target parries it back, or it hits.
void strike(const FightWorld& world, Projectile& shot, Player& target)
{
    if (target.parryActive && target.currentState != AnimState::DASH) {
        shot.fromP2 = !shot.fromP2;
        shot.speed *= deflectFactor;
        return;
    }
    shot.alive = false;
    const bool lands = isVulnerable(target) || !world.match.fightScene;
    if (!lands || target.currentState == AnimState::DASH)
        return;
    if (shot.effect == 0)
        loseHitPoint(target, false);
    else
        setBothStates(target, AnimState::STUN);
}

// 3. A shot ends when it leaves the live section or touches a ground tile.
bool blocked(const FightWorld& world, const Projectile& shot)
{
    const float left = static_cast<float>(world.sectionIndex) * world.sectionWidth;
    if (shot.position.x < left || shot.position.x > left + world.sectionWidth)
        return true;
    const sf::FloatRect box(shot.position.x - shot.size.x / 2.f, shot.position.y - shot.size.y / 2.f, shot.size.x,
                            shot.size.y);
    for (const sf::Vector2f& tile : tiles(world).solidTiles)
        if (strictOverlap(box, sf::FloatRect(tile.x, tile.y, tileExtent, tileExtent)))
            return true;
    return false;
}

void updateProjectile(FightWorld& world, Projectile& shot)
{
    // 1-2. The target.
    Player& target = targetOf(world, shot);
    if (strictOverlap(hitbox(target), sf::FloatRect(shot.position, shot.size)))
        strike(world, shot, target);
    else if (blocked(world, shot))
        shot.alive = false;
    // 4. Fly on.
    const float step = world.stepTime * shot.speed;
    shot.position.x += shot.direction < 0 ? -step : step;
}

}  // namespace


void spawnProjectile(FightWorld& world, bool stunning, sf::Vector2f position, float speed, int direction,
                     int owner)
{
    Projectile shot;
    shot.position = position;
    shot.speed = speed;
    shot.direction = direction;
    shot.effect = stunning ? 1 : 0;
    shot.size = world.setting ? world.setting->shotSize : sf::Vector2f();
    shot.alive = true;
    shot.fromP2 = owner == 1;
    world.shots.push_back(shot);
}

void updateProjectiles(FightWorld& world)
{
    std::vector<Projectile>& shots = world.shots;
    for (Projectile& shot : shots)
        updateProjectile(world, shot);
    shots.erase(std::remove_if(shots.begin(), shots.end(), [](const Projectile& s) { return !s.alive; }),
                shots.end());
}

