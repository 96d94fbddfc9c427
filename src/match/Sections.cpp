#include "match/Sections.h"

#include "world/FightWorld.h"
#include "fighters/Death.h"
#include "match/FighterReset.h"

namespace {

// A fighter thrown back into view at a screen edge.
constexpr float edgeThrowX = 1500.f;   // px/s
constexpr float edgeThrowY = -1000.f;  // px/s
constexpr float halfViewWidth = 960.f;  // px

void throwBack(FightWorld& world, Player& p, float direction)
{
    if (world.match.caaMode)
        return;
    p.velocity = sf::Vector2f(direction * edgeThrowX, edgeThrowY);
    p.knockbackLock = true;
}

// 1. The player without the right of way stays in view, unless a flag is
// being carried toward that edge.
void screenEdges(FightWorld& world, Player& p, float halfWidth)
{
    const Player& p1 = world.players[0];
    const Player& p2 = world.players[1];
    const bool flag0Carried = world.flags[0].carried;
    const bool flag1Carried = world.flags[1].carried;
    const float viewLeft = world.camera.view.getCenter().x - halfViewWidth;
    const float viewRight = world.camera.view.getCenter().x + halfViewWidth;
    if (viewLeft >= p.position.x - halfWidth && (!p2.advancing || flag1Carried) && !flag0Carried) {
        throwBack(world, p, 1.f);
        p.position.x = viewLeft + halfWidth;
    }
    if (p.position.x + halfWidth >= viewRight && (!p1.advancing || flag0Carried) && !flag1Carried) {
        throwBack(world, p, -1.f);
        p.position.x = viewRight - halfWidth;
    }
}

// 2. The left edge of the live section.
void leftEdge(FightWorld& world, Player& p, float left, float halfWidth)
{
    const int index = world.sectionIndex;
    const bool inMiddle = index == middleSection(world);
    if (p.index == 1 && p.advancing && (!world.flags[1].carried || inMiddle) && index > world.flags[1].section) {
        changeSection(world, p, index - 1);
        return;
    }
    if (p.index == 0 && p.advancing && world.flags[0].carried && !inMiddle) {
        changeSection(world, p, index - 1);
        return;
    }
    p.position.x = left + halfWidth;
}

// 3. The right edge, mirrored.
void rightEdge(FightWorld& world, Player& p, float right, float halfWidth)
{
    const int index = world.sectionIndex;
    const bool inMiddle = index == middleSection(world);
    if (p.index == 1 && p.advancing) {
        if (world.flags[1].carried && !inMiddle)
            changeSection(world, p, index + 1);
        else
            p.position.x = right - halfWidth;
        return;
    }
    if (p.index == 0 && p.advancing && (!world.flags[0].carried || inMiddle) && index < world.flags[0].section) {
        changeSection(world, p, index + 1);
        return;
    }
    p.position.x = right - halfWidth;
}

}  // namespace

int middleSection(const FightWorld& world)
{
    return tiles(world).lastSection / 2;
}

void makeLive(FightWorld& world, int section)
{
    world.sectionIndex = section;
    tiles(world).sectionIndex = section;
    tiles(world).solidTiles.clear();
    buildCollision(tiles(world));
}

void updateChaseSituation(FightWorld& world)
{
    if (world.players[0].advancing)
        world.match.chaseSituation = world.flags[0].carried ? P1CarryingFlag : P1Attacking;
    else if (world.players[1].advancing)
        world.match.chaseSituation = world.flags[1].carried ? P2CarryingFlag : P2Attacking;
    else
        world.match.chaseSituation = NoAttacker;
}

void rightOfWay(FightWorld& world)
{
    Player& p1 = world.players[0];
    Player& p2 = world.players[1];
    // 1-2. A fallen player hands the right of way to the standing one.
    if (p1.hitPoints < 1) {
        if (p2.hitPoints > 0 && !world.match.bothDown)
            p2.advancing = true;
        p1.advancing = false;
    } else if (p2.hitPoints < 1) {
        if (p1.hitPoints > 0 && !world.match.bothDown)
            p1.advancing = true;
        p2.advancing = false;
    }
    // 3. While both stand, whoever has it keeps it.
}

void sectionEdges(Player& p)
{
    FightWorld& world = *p.world;
    const float halfWidth = p.size.x / 2.f;
    if (!p.advancing && !world.camera.inTransition && p.hitPoints >= 1)
        screenEdges(world, p, halfWidth);
    const float left = static_cast<float>(world.sectionIndex) * world.sectionWidth;
    const float right = left + world.sectionWidth;
    if (p.position.x - halfWidth <= left)
        leftEdge(world, p, left, halfWidth);
    else if (p.position.x + halfWidth >= right)
        rightEdge(world, p, right, halfWidth);
}

void changeSection(FightWorld& world, Player& crosser, int newIndex)
{
    // 1-2. No crate for a while; the new section becomes live.
    world.match.crateTimer = 0.f;
    makeLive(world, newIndex);
    // 3. The camera pans across.
    world.camera.targetFixed = false;
    world.camera.inTransition = true;
    // 4. The defender is brought along, protected for a moment, standing.
    Player& other = opponent(crosser);
    placeForRespawn(other, world);
    other.deathTimer = respawnDelay;
    if (other.hitPoints < 1)
        reviveFighter(other);
    // 5. Both start the section at rest.
    for (Player& p : world.players) {
        p.alive = true;
        p.velocity = sf::Vector2f(0.f, 0.f);
        setBothStates(p, AnimState::IDLE);
    }
}
