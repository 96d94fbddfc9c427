#include "world/FightWorld.h"

void FightWorld::link()
{
    for (Player& p : players)
        p.world = this;
    camera.world = this;
}

sf::FloatRect goalBounds(const FightWorld& world)
{
    const sf::FloatRect box = world.setting ? world.setting->goalBox : sf::FloatRect();
    return {world.goal.x + box.left, world.goal.y + box.top, box.width, box.height};
}
