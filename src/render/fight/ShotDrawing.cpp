#include "render/fight/ShotDrawing.h"

#include "world/FightWorld.h"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>

void drawProjectiles(const FightWorld& world, const ProjectileList& pictures, sf::RenderTarget& target,
                     const sf::RenderStates& states)
{
    for (const Projectile& shot : world.shots) {
        sf::Sprite sprite(pictures.textures[shot.effect == 1 ? 0 : 1]);
        if (shot.direction == 1) {
            sprite.setScale(-1.f, 1.f);
            sprite.setOrigin(shot.size.x, 0.f);
        }
        sprite.setPosition(shot.position);
        target.draw(sprite, states);
    }
}
