#include "fighters/Projectile.h"

#include "app/Game.h"
#include "fighters/Combat.h"
#include "fighters/Death.h"
#include "resources/Loading.h"

#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>

namespace {

const char* const shotPicture = "Assets/Sprites/Attack Distance/0.png";
constexpr float deflectFactor = -1.2f;  // a parried shot flies back 20 % faster
constexpr float tileExtent = static_cast<float>(tileSize);

Player& targetOf(Game& game, const Projectile& shot)
{
    return game.world.players[shot.fromP2 ? 0 : 1];
}

bool strictOverlap(const sf::FloatRect& a, const sf::FloatRect& b)
{
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

// 2. The target parries it back, or it hits.
void strike(const Game& game, Projectile& shot, Player& target)
{
    if (target.parryActive && target.currentState != AnimState::DASH) {
        shot.fromP2 = !shot.fromP2;
        shot.speed *= deflectFactor;
        return;
    }
    shot.alive = false;
    const bool lands = isVulnerable(target) || game.state != SceneState::Fight;
    if (!lands || target.currentState == AnimState::DASH)
        return;
    if (shot.effect == 0)
        loseHitPoint(target, false);
    else
        setBothStates(target, AnimState::STUN);
}

// 3. A shot ends when it leaves the live section or touches a ground tile.
bool blocked(const Game& game, const Projectile& shot)
{
    const float left = static_cast<float>(game.tileMap.sectionIndex) * game.world.sectionWidth;
    if (shot.position.x < left || shot.position.x > left + game.world.sectionWidth)
        return true;
    const sf::FloatRect box(shot.position.x - shot.size.x / 2.f, shot.position.y - shot.size.y / 2.f, shot.size.x,
                            shot.size.y);
    for (const sf::Vector2f& tile : game.tileMap.solidTiles)
        if (strictOverlap(box, sf::FloatRect(tile.x, tile.y, tileExtent, tileExtent)))
            return true;
    return false;
}

void updateProjectile(Game& game, Projectile& shot)
{
    // 1-2. The target.
    Player& target = targetOf(game, shot);
    if (strictOverlap(hitbox(target), sf::FloatRect(shot.position, shot.size)))
        strike(game, shot, target);
    else if (blocked(game, shot))
        shot.alive = false;
    // 4. Fly on.
    const float step = game.frameTime * shot.speed;
    shot.position.x += shot.direction < 0 ? -step : step;
    shot.sprite.setPosition(shot.position);
}

}  // namespace

void initProjectiles(ProjectileList& list, Game& game)
{
    list.game = &game;
    for (sf::Texture& texture : list.textures)
        loadTextureFile(texture, shotPicture);
}

void spawnProjectile(ProjectileList& list, bool stunning, sf::Vector2f position, float speed, int direction,
                     int owner)
{
    Projectile shot;
    const sf::Texture& texture = list.textures[stunning ? 0 : 1];
    shot.position = position;
    shot.speed = speed;
    shot.direction = direction;
    shot.effect = stunning ? 1 : 0;
    shot.size = sf::Vector2f(texture.getSize());
    shot.alive = true;
    shot.fromP2 = owner == 1;
    shot.sprite.setTexture(texture, true);
    // A shot flying right shows its picture mirrored, over the same box.
    if (direction == 1) {
        shot.sprite.setScale(-1.f, 1.f);
        shot.sprite.setOrigin(shot.size.x, 0.f);
    }
    shot.sprite.setPosition(position);
    if (list.game)
        list.game->world.shots.push_back(shot);
}

void updateProjectiles(Game& game)
{
    std::vector<Projectile>& shots = game.world.shots;
    for (Projectile& shot : shots)
        updateProjectile(game, shot);
    shots.erase(std::remove_if(shots.begin(), shots.end(), [](const Projectile& s) { return !s.alive; }),
                shots.end());
}

void drawProjectiles(const Game& game, sf::RenderTarget& target)
{
    for (const Projectile& shot : game.world.shots)
        target.draw(shot.sprite);
}
