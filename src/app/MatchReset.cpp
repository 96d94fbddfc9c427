#include "app/MatchReset.h"

#include "app/Game.h"
#include "fighters/InputController.h"
#include "match/FighterReset.h"
#include "match/Flag.h"
#include "match/MatchFlow.h"
#include "menus/MenuRooms.h"

namespace {

const char* const jungleLevel = "Assets/Map/Officiel/Jungle/Jungle.txt";
const sf::Vector2f resetSpotP1{400.f, 300.f};  // px, in the main hub
const sf::Vector2f resetSpotP2{450.f, 300.f};

// 6. A player as a new match finds it.
void resetPlayer(Game& game, Player& p)
{
    discardItem(p);
    p.attacking = false;
    p.alive = true;
    setBothStates(p, AnimState::IDLE);
    p.dead = false;
    p.hitPoints = 1;
    p.moveScale = sf::Vector2f(1.f, 1.f);
    p.skill.shieldInitialised = false;
    p.dashCharge = 0.f;
    p.advancing = false;
    p.killCounted = false;
    game.world.flags[p.index].placed = false;
    game.world.flags[p.index].carried = false;
    p.speedFactor = characterKind(p) == gigachillKind ? gigachillSpeed : 1.f;
}


}  // namespace

void resetMatch(Game& game)
{
    // 1. Effects and marks of the last match.
    game.vortexTime = 0.f;
    game.world.camera.shaking = false;
    game.world.match.flagTaken = false;
    game.world.match.suddenDeath = false;
    game.world.match.bothDown = false;
    // 2. Back to the classic level.
    game.world.sectionIndex = 2;
    game.tileMap.sectionIndex = 2;
    loadClassicLevel(game.world, jungleLevel);
    game.world.camera.inTransition = false;
    // 3. The timer text is opaque again after its blinking.
    sf::Color timerColour = game.hud.timerText.getFillColor();
    timerColour.a = 255;
    game.hud.timerText.setFillColor(timerColour);
    // 4. The hub's ground, no hazards.
    game.world.sectionIndex = 0;
    game.tileMap.sectionIndex = 0;
    rebuildHubCollision(game.mainHub);
    game.tileMap.hazards.clear();
    // 5-6. No crate, no items; fresh fighters and flags.
    game.world.crate.reset();
    for (Player& p : game.world.players)
        resetPlayer(game, p);
    putAtBase(game.world.flags[0], 0, game.tileMap.flag0X);
    putAtBase(game.world.flags[1], game.tileMap.lastSection, game.tileMap.flag1X);
    for (int i = 0; i < 2; ++i) {
        updateFlag(game.world, i);
        game.world.flags[i].placed = false;
    }
    // 7. The hubs follow P1.
    game.world.players[0].advancing = true;
    // 8-9. Timer and camera.
    game.world.match.matchTimer = matchTime;
    game.world.camera.reset();
    // 10. Both fighters on the hub floor.
    game.world.players[0].position = resetSpotP1;
    game.world.players[1].position = resetSpotP2;
    for (Player& p : game.world.players)
        dropOntoHubFloor(game, p);
    // 11. No kill race.
    game.world.match.caaMode = false;
    game.world.match.p1Kills = 0;
    game.world.match.p2Kills = 0;
    game.world.match.caaStage = 0;
}
