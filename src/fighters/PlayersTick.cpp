#include "fighters/PlayersTick.h"

#include "world/FightWorld.h"
#include "fighters/Collision.h"
#include "fighters/Combat.h"
#include "fighters/Death.h"
#include "fighters/PlayerStep.h"
#include "match/Hazards.h"
#include "match/Sections.h"

#include <cmath>

namespace {

constexpr float halfViewWidth = 960.f;   // px
constexpr float edgeThrowX = 1500.f;     // px/s back into view
constexpr float edgeThrowY = -1000.f;    // px/s upwards
constexpr float hubScale = 1.25f;        // hub fighters are drawn larger
constexpr int noAttacker = 4;            // chase situation when both are down

bool inFight(const FightWorld& world)
{
    return world.match.fightScene;
}


// 1. Flag pick-up, tiles, edges; in the hub rooms also input and hub hits.
void prepareFighter(FightWorld& world, Player& p)
{
    Player& other = opponent(p);
    if (!flagTouchesGoal(world, p.index))
        tryPickUp(p);
    collideWithTiles(world, p);
    if (inFight(world))
        sectionEdges(p);
    else if (!world.curtain.active)
        clampToScreen(p);
    if (!inFight(world)) {
        // While the curtain falls on a room the door's set-up is done: the
        // fighters take no more input until the next scene.
        if (!world.curtain.darkening)
            inputStep(p);
        setFacingScale(p, hubScale * static_cast<float>(p.facing), hubScale);
        if (p.attacking && !world.curtain.darkening)
            resolveHubHit(p, other);
    }
}

// 2. Before the fight starts the fighters face each other.
void faceEachOther(FightWorld& world)
{
    setFacingScale(world.players[0], 1.f, 1.f);
    setFacingScale(world.players[1], -1.f, 1.f);
}

// 3. The fight's input runs only once the curtain has settled.
bool fightProceeds(const FightWorld& world)
{
    return world.match.fightLive && !world.curtain.active && world.curtain.settled;
}

void driveFighter(FightWorld& world, Player& p)
{
    updateMarker(world, p.marker);
    if (world.match.flagTaken) {
        setBothStates(p, AnimState::IDLE);
        return;
    }
    if (inFight(world) && p.hitPoints >= 1 && (isVulnerable(p) || world.match.caaMode)) {
        inputStep(p);
        if (p.attacking)
            resolveHit(p, opponent(p));
    }
}

// 4. Movement, body blocking, hazards and the flag of a fallen carrier.
void moveFighter(FightWorld& world, Player& p)
{
    if (inFight(world) && !world.match.fightLive) {
        p.velocity.x = 0.f;
        setBothStates(p, AnimState::IDLE);
    }
    updatePlayer(p, world);
    if (inFight(world))
        blockBodies(p, opponent(p));
    hazardTest(p);
    dropIfDown(p);
}

// 5. Both down: nobody attacks until someone stands again.
void updateBothDown(FightWorld& world)
{
    const Player& p1 = world.players[0];
    const Player& p2 = world.players[1];
    if (p1.hitPoints < 1 && p2.hitPoints < 1) {
        world.match.bothDown = true;
        world.match.chaseSituation = noAttacker;
    } else if (p1.hitPoints >= 1 && p2.hitPoints >= 1) {
        world.match.bothDown = false;
    }
}

}  // namespace

void clampToScreen(Player& p)
{
    const FightWorld& world = *p.world;
    const float centreX = world.camera.view.getCenter().x;
    const float halfWidth = p.size.x / 2.f;
    if (p.position.x - halfWidth <= centreX - halfViewWidth) {
        if (!world.match.caaMode) {
            p.velocity = sf::Vector2f(edgeThrowX, edgeThrowY);
            p.knockbackLock = true;
        }
        p.position.x = centreX - halfViewWidth + halfWidth;
    }
    if (p.position.x + halfWidth >= centreX + halfViewWidth) {
        if (!world.match.caaMode) {
            p.velocity = sf::Vector2f(-edgeThrowX, edgeThrowY);
            p.knockbackLock = true;
        }
        p.position.x = centreX + halfViewWidth - halfWidth;
    }
}

void blockBodies(Player& p, const Player& other)
{
    if (!frameBounds(p).intersects(frameBounds(other)) || p.velocity.x == 0.f || other.hitPoints < 1 ||
        p.currentState == AnimState::DASH)
        return;
    const bool onRight = p.position.x >= other.position.x;
    const float edge = other.position.x + (onRight ? other.size.x / 2.f : -other.size.x / 2.f);
    if (onRight ? p.position.x <= edge : p.position.x >= edge) {
        p.position.x = edge;
        p.velocity.x = 0.f;
    }
}

void playersTick(FightWorld& world, const FightInput inputs[2])
{
    for (int i = 0; i < 2; ++i)
        world.players[i].input.buttons = inputs[i];
    for (Player& p : world.players)
        prepareFighter(world, p);
    if (inFight(world) && !world.match.fightLive)
        faceEachOther(world);
    if (fightProceeds(world))
        for (Player& p : world.players)
            driveFighter(world, p);
    for (Player& p : world.players)
        moveFighter(world, p);
    updateBothDown(world);
}
