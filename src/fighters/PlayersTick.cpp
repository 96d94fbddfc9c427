#include "fighters/PlayersTick.h"

#include "app/Game.h"
#include "app/PlayerButtons.h"
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
constexpr int pauseButton = 8;           // a controller's Start

bool inFight(const Game& game)
{
    return game.state == SceneState::Fight;
}

// 0. Each fighter's buttons for this step, from a script, the computer or
// the devices. The pause button's latch clears once it is up.
void sampleButtons(Game& game)
{
    for (int i = 0; i < 2; ++i) {
        InputController& c = game.world.players[i].input;
        c.buttons = fighterButtons(game, i);
        if (!game.input.buttonDown(c.joystick, pauseButton))
            c.pauseLatch = false;
    }
}

// 1. Flag pick-up, tiles, edges; in the hub rooms also input and hub hits.
void prepareFighter(Game& game, Player& p)
{
    Player& other = opponent(p);
    if (!flagTouchesGoal(game, p.index))
        tryPickUp(p);
    collideWithTiles(game, p);
    if (inFight(game))
        sectionEdges(p);
    else if (!game.screenFade.active)
        clampToScreen(p);
    if (!inFight(game)) {
        // While the curtain falls on a room the door's set-up is done: the
        // fighters take no more input until the next scene.
        if (!game.screenFade.darkening)
            inputStep(p);
        setFacingScale(p, hubScale * static_cast<float>(p.facing), hubScale);
        if (p.attacking && !game.screenFade.darkening)
            resolveHubHit(p, other);
    }
}

// 2. Before the fight starts the fighters face each other.
void faceEachOther(Game& game)
{
    setFacingScale(game.world.players[0], 1.f, 1.f);
    setFacingScale(game.world.players[1], -1.f, 1.f);
}

// 3. The fight's input runs only once the curtain has settled.
bool fightProceeds(const Game& game)
{
    return game.world.match.fightLive && !game.screenFade.active &&
           game.screenFade.clock.elapsed(game.world.time) >= game.screenFade.settleTime;
}

void driveFighter(Game& game, Player& p)
{
    updateMarker(game, p.marker);
    if (game.world.match.flagTaken) {
        setBothStates(p, AnimState::IDLE);
        return;
    }
    if (inFight(game) && p.hitPoints >= 1 && (isVulnerable(p) || game.world.match.caaMode)) {
        inputStep(p);
        if (p.attacking)
            resolveHit(p, opponent(p));
    }
}

// 4. Movement, body blocking, hazards and the flag of a fallen carrier.
void moveFighter(Game& game, Player& p)
{
    if (inFight(game) && !game.world.match.fightLive) {
        p.velocity.x = 0.f;
        setBothStates(p, AnimState::IDLE);
    }
    updatePlayer(p, game);
    if (inFight(game))
        blockBodies(p, opponent(p));
    hazardTest(p);
    dropIfDown(p);
}

// 5. Both down: nobody attacks until someone stands again.
void updateBothDown(Game& game)
{
    const Player& p1 = game.world.players[0];
    const Player& p2 = game.world.players[1];
    if (p1.hitPoints < 1 && p2.hitPoints < 1) {
        game.world.match.bothDown = true;
        game.world.match.chaseSituation = noAttacker;
    } else if (p1.hitPoints >= 1 && p2.hitPoints >= 1) {
        game.world.match.bothDown = false;
    }
}

}  // namespace

void clampToScreen(Player& p)
{
    const Game& game = *p.game;
    const float centreX = game.world.camera.view.getCenter().x;
    const float halfWidth = p.size.x / 2.f;
    if (p.position.x - halfWidth <= centreX - halfViewWidth) {
        if (!game.world.match.caaMode) {
            p.velocity = sf::Vector2f(edgeThrowX, edgeThrowY);
            p.knockbackLock = true;
        }
        p.position.x = centreX - halfViewWidth + halfWidth;
    }
    if (p.position.x + halfWidth >= centreX + halfViewWidth) {
        if (!game.world.match.caaMode) {
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

void playersTick(Game& game)
{
    sampleButtons(game);
    for (Player& p : game.world.players)
        prepareFighter(game, p);
    if (inFight(game) && !game.world.match.fightLive)
        faceEachOther(game);
    if (fightProceeds(game))
        for (Player& p : game.world.players)
            driveFighter(game, p);
    for (Player& p : game.world.players)
        moveFighter(game, p);
    updateBothDown(game);
}
