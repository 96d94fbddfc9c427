#include "fighters/SwapMarker.h"

#include "world/FightWorld.h"
#include "fighters/Collision.h"

namespace {

constexpr float knockSpeedX = 2000.f;  // px/s added sideways by a swing
constexpr float knockSpeedY = -1400.f; // px/s upward after a swing
constexpr float markerGravity = 4000.f;  // px/s^2
constexpr float airDrag = 0.99f;       // horizontal speed kept per frame

// The owner's picture, centred on the marker, or none in a world without a setting.
PictureShape markerShape(const FightWorld& world, const SwapMarker& m)
{
    PictureShape shape;
    if (world.setting)
        shape.size = world.setting->markers[m.owner == 0 ? 0 : 1].size;
    shape.origin = shape.size / 2.f;
    return shape;
}

// The marker's size is its picture's, set on every step (it is the world's,
// the picture is not: a replay on a world read back must size it as the
// match did). A missing picture leaves the default body size, so the marker still lands.
void takePictureSize(const PictureShape& shape, SwapMarker& m)
{
    if (hasArea(shape))
        m.size = shape.size;
}

// The picture's box, or the body's box while the picture is missing.
sf::FloatRect markerBounds(const PictureShape& shape, const SwapMarker& m)
{
    return hasArea(shape) ? placedBox(shape, m.position) : hitbox(m);
}

// 1. A swing's active frame knocks the marker away from the swinger.
void knock(const PictureShape& shape, SwapMarker& m, Player& p)
{
    if (!markerBounds(shape, m).intersects(frameBounds(p)) || !p.hitboxActive || p.hitLanded)
        return;
    const bool onRight = p.position.x >= m.position.x;
    if (onRight && p.facing == -1)
        m.velocity.x -= knockSpeedX;
    else if (!onRight && p.facing == 1)
        m.velocity.x += knockSpeedX;
    else
        return;
    m.velocity.y = knockSpeedY;
    p.hitLanded = true;
}

// 5. Edges count as inside.
bool inView(const FightWorld& world, const SwapMarker& m)
{
    const sf::Vector2f c = world.camera.view.getCenter();
    return m.position.x >= c.x - halfDesignWidth && m.position.x <= c.x + halfDesignWidth &&
           m.position.y >= c.y - halfDesignHeight && m.position.y <= c.y + halfDesignHeight;
}

}  // namespace

void parkMarker(SwapMarker& m)
{
    m.placed = false;
    m.position = sf::Vector2f(markerParkedAt, markerParkedAt);
}

void updateMarker(FightWorld& world, SwapMarker& m)
{
    const float dt = world.stepTime;
    const PictureShape shape = markerShape(world, m);
    takePictureSize(shape, m);
    // 1. Swings.
    for (Player& p : world.players)
        knock(shape, m, p);
    // 2. Move, or rest while parked.
    if (m.placed) {
        m.position.x += m.velocity.x * m.moveScale.x * dt;
        m.position.y += m.velocity.y * m.moveScale.y * dt;
    } else {
        m.velocity = sf::Vector2f(0.f, 0.f);
    }
    // 3-4. Gravity and drag.
    if (!m.onGround)
        m.velocity.y += markerGravity * dt;
    m.velocity.x *= airDrag;
    // 5. Out of view, out of the level.
    if (!inView(world, m))
        parkMarker(m);
    // 6. Tiles.
    collideWithTiles(world, m);
}
