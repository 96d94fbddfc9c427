#include "match/Items.h"

#include "world/FightWorld.h"
#include "fighters/Collision.h"
#include "match/FloorSearch.h"
#include "match/Sections.h"

#include <cmath>

namespace {

constexpr float spawnInterval = 3.f;   // s of right of way between crates
constexpr float crateLifetime = 12.f;  // s
constexpr float crateGravity = 4000.f; // px/s^2
constexpr float spawnOffset = 200.f;   // px from the reference player, and the step back into view
constexpr float itemVolume = 100.f;

float viewLeft(const FightWorld& world)
{
    return world.camera.view.getCenter().x - world.camera.view.getSize().x / 2.f;
}

float viewRight(const FightWorld& world)
{
    return world.camera.view.getCenter().x + world.camera.view.getSize().x / 2.f;
}

// Moves x by whole steps of `step` until it lies strictly beyond `edge` in
// the step's direction (x already beyond stays). Computed rather than looped,
// so a fighter thrown absurdly far away cannot stall the frame.
float stepPast(float x, float edge, float step)
{
    const float gap = (edge - x) / step;  // steps still missing; < 0 when already beyond
    if (!(gap >= 0.f))
        return x;
    return x + (std::floor(gap) + 1.f) * step;
}

// The crate's picture around it.
sf::FloatRect crateBox(const FightWorld& world, const Crate& crate)
{
    return placedBox(world.setting ? world.setting->crate : PictureShape{}, crate.position);
}

// The crate meets a swing: a player whose attack is active and has not hit
// yet, holding nothing or an item it is not using.
bool swingOpens(const FightWorld& world, const Crate& crate, const Player& player)
{
    return crateBox(world, crate).intersects(frameBounds(player)) && player.hitboxActive &&
           !player.hitLanded && (!player.item || !player.useItemRequest);
}

bool outOfView(const FightWorld& world, const Crate& crate)
{
    return crate.position.x + crate.size.x / 2.f < viewLeft(world) ||
           crate.position.x - crate.size.x / 2.f > viewRight(world);
}

}  // namespace

void crateStep(FightWorld& world)
{
    // 1. Crates come only while someone has the right of way.
    if (world.match.chaseSituation != NoAttacker) {
        world.match.crateTimer += world.stepTime;
        if (world.match.crateTimer >= spawnInterval && !world.crate)
            spawnCrate(world);
    }
    // 2. An ended crate goes; a live one moves on.
    if (!world.crate)
        return;
    if (!world.crate->alive) {
        world.match.crateTimer = 0.f;
        world.crate.reset();
        return;
    }
    updateCrate(world, *world.crate);
}

void spawnCrate(FightWorld& world)
{
    // 1. The crate comes to the player without the right of way.
    const Player& p1 = world.players[0];
    const Player& reference = p1.advancing ? world.players[1] : p1;
    const Player& other = world.players[reference.index == 0 ? 1 : 0];
    // 2. Between the two players, on the reference's side, inside the view.
    float x;
    int direction;
    // A reference player beyond the far edge would put it out of view, where
    // it would end at once: it is stepped back in from that edge too.
    if (reference.position.x - other.position.x >= 0.f) {
        x = stepPast(reference.position.x - spawnOffset, viewLeft(world), spawnOffset);
        x = stepPast(x, viewRight(world), -spawnOffset);
        direction = 1;
    } else {
        x = stepPast(reference.position.x + spawnOffset, viewRight(world), -spawnOffset);
        x = stepPast(x, viewLeft(world), spawnOffset);
        direction = -1;
    }
    // 3. On the floor found from there.
    Crate crate;
    crate.size = world.setting ? world.setting->crate.size : sf::Vector2f(0.f, 0.f);
    crate.position = findFloorCell(tiles(world), world.sectionIndex, x, direction, crate.size.x).position;
    world.crate = crate;
}

void updateCrate(FightWorld& world, Crate& crate)
{
    const float dt = world.stepTime;
    // 1. Fall onto the live section's ground.
    if (!crate.onGround)
        crate.velocity.y += dt * crateGravity;
    crate.position += crate.velocity * dt;
    collideWithTiles(world, crate);
    // 2. Lifetime.
    crate.age += dt;
    if (crate.age >= crateLifetime)
        crate.alive = false;
    // 3. A swing opens it; when both swing in the same frame P1 gets it and
    // P2's swing passes through.
    if (swingOpens(world, crate, world.players[0])) {
        crate.alive = false;
        crate.openedByP1 = true;
    } else if (swingOpens(world, crate, world.players[1])) {
        crate.alive = false;
        crate.openedByP2 = true;
    }
    // 4. A crate the view left behind ends.
    if (outOfView(world, crate))
        crate.alive = false;
    // 5. The opener gets the item.
    if (crate.openedByP1) {
        crate.openedByP1 = false;
        openCrate(world, world.players[0]);
    } else if (crate.openedByP2) {
        crate.openedByP2 = false;
        openCrate(world, world.players[1]);
    }
}

void openCrate(FightWorld& world, Player& player)
{
    if (!world.crate)
        return;
    // 1-2. A random kind; the player holds it now (any idle item it had is replaced).
    world.crate->kind = randomBelow(world.random, itemKindCount);
    player.item = world.crate;
    world.crate.reset();
    world.match.crateTimer = 0.f;
    // 3. Its sound; the HUD shows the kind's picture.
    cueSound(world.events, "CRATEOPEN", itemVolume);
}
