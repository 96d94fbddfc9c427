#include "match/Hazards.h"

#include "world/FightWorld.h"
#include "fighters/Combat.h"

namespace {

constexpr float cellSize = 64.f;  // px: a hazard covers its whole tile cell

// Strict overlap: touching an edge exactly is no contact.
bool overlapsCell(const sf::FloatRect& box, const sf::Vector2f& cell)
{
    return cell.x < box.left + box.width && box.left < cell.x + cellSize && box.top < cell.y + cellSize &&
           cell.y < box.top + box.height;
}

}  // namespace

void hazardTest(Player& player)
{
    // 1. Water only slows for the frame it is touched.
    player.slowed = false;
    if (!player.world)
        return;
    // 2-3. Every hazard the hitbox overlaps acts, by its kind.
    const sf::FloatRect box = hitbox(player);
    for (const auto& hazard : tiles(*player.world).hazards) {
        if (!hazard || !overlapsCell(box, hazard->position))
            continue;
        if (dynamic_cast<const Spike*>(hazard.get()))
            loseHitPoint(player, true);
        if (dynamic_cast<const Slow*>(hazard.get()))
            player.slowed = true;
    }
}
