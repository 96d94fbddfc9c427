#include "match/MatchFlow.h"

#include "app/Game.h"
#include "fighters/InputController.h"
#include "fighters/PlayerStep.h"
#include "match/FloorSearch.h"
#include "match/FighterReset.h"
#include "match/Sections.h"
#include "menus/MenuRooms.h"

#include <iostream>

namespace {

const char* const jungleLevel = "Assets/Map/Officiel/Jungle/Jungle.txt";
const char* const caaLevel = "Assets/Map/Officiel/caa/caa.txt";

constexpr float classicSectionWidth = 3840.f;  // px: 60 columns
constexpr float caaSectionWidth = 1920.f;      // px: 30 columns
constexpr float startOffset = 750.f;           // px either side of the middle section's centre
constexpr float fullDashCharge = 1000.f;       // px
constexpr int parkedSection = 320;             // never live: the kill race has no flags
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

void loadClassicLevel(Game& game, const std::string& path)
{
    game.tileMap.columns = classicColumns;
    game.world.sectionWidth = classicSectionWidth;
    loadLevel(game.tileMap, path);
}

// What every fight starts from, whatever scene it is entered from: no
// capture, no sudden death, a full timer and countdown, nothing held.
void freshFight(Game& game)
{
    game.world.match.flagTaken = false;
    game.world.match.suddenDeath = false;
    game.world.match.fightLive = false;
    game.world.match.bothDown = false;
    game.world.camera.shaking = false;
    game.world.camera.inTransition = false;
    game.world.camera.targetFixed = false;
    game.world.camera.catchUp = false;
    game.world.camera.view.setSize(designWidth, designHeight);
    game.world.match.matchTimer = matchTime;
    game.world.match.countdown = countdownTime;
    game.world.crate.reset();
    game.world.match.crateTimer = 0.f;
    for (Player& p : game.world.players) {
        discardItem(p);
        p.isWinner = false;
        p.advancing = false;
        p.alive = true;
        p.killCounted = false;
    }
}

// 4. One fighter's starting stats by kind.
void startingStats(Player& p)
{
    const int kind = characterKind(p);
    if (kind == gigachillKind) {
        p.hitPoints = 2;
        p.speedFactor = gigachillSpeed;
        p.skill.shieldTimer = fullShieldTime;
        return;
    }
    if (kind == napolloKind)
        p.skill.ammo = napolloShots;
    if (kind == atoolaKind)
        p.dashCharge = fullDashCharge;
    p.hitPoints = 1;
    p.speedFactor = 1.f;
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
    game.tileMap.sectionIndex = 2;
    loadClassicLevel(game, jungleLevel);
    game.world.camera.inTransition = false;
    // 3. The timer text is opaque again after its blinking.
    sf::Color timerColour = game.hud.timerText.getFillColor();
    timerColour.a = 255;
    game.hud.timerText.setFillColor(timerColour);
    // 4. The hub's ground, no hazards.
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
        updateFlag(game, i);
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

void setUpClassicFight(Game& game)
{
    freshFight(game);
    game.world.match.caaMode = false;
    // The level: the Jungle or the chosen custom level. A custom level that
    // cannot be read gives way to the Jungle, so the fight can always be played.
    loadClassicLevel(game, game.customMapChosen ? game.customMapPath : std::string(jungleLevel));
    if (sectionCount(game.tileMap) == 0 && game.customMapChosen) {
        std::cout << "Error Loading " << game.customMapPath << "\n";
        loadClassicLevel(game, jungleLevel);
    }
    centreOnMiddleSection(game.world.camera);
    // Flags at their bases: P1's at the far right, P2's at the far left.
    putAtBase(game.world.flags[0], game.tileMap.lastSection, game.tileMap.flag0X);
    putAtBase(game.world.flags[1], 0, game.tileMap.flag1X);
    makeLive(game, middleSection(game));
    placeForFight(game);
    for (Player& p : game.world.players) {
        p.advancing = false;
        p.isWinner = false;
    }
}

void setUpCaaFight(Game& game)
{
    freshFight(game);
    game.world.match.caaMode = true;
    game.world.match.p1Kills = 0;
    game.world.match.p2Kills = 0;
    game.world.match.caaStage = 0;
    game.tileMap.columns = caaColumns;
    game.world.sectionWidth = caaSectionWidth;
    loadLevel(game.tileMap, caaLevel);
    centreOnMiddleSection(game.world.camera);
    makeLive(game, 0);
    for (Player& p : game.world.players) {
        selectSkill(p.skill, p, atoolaKind);
        p.dashCharge = fullDashCharge;
        p.character = &game.characterSets[characterSlot(p.index, atoolaKind)];
        applyCharacterStats(p);
        p.skill.shieldInitialised = false;
        p.hitPoints = 1;
        putAtBase(game.world.flags[p.index], parkedSection, 0.f);
    }
    placeForFight(game);
}

void placeForFight(Game& game)
{
    // 1. The middle section.
    const int middle = middleSection(game);
    makeLive(game, middle);
    const float centre = static_cast<float>(middle) * game.world.sectionWidth + game.world.sectionWidth * 0.5f;
    for (Player& p : game.world.players) {
        // 2. Either side of the centre, facing each other, settled once.
        const int side = p.index == 0 ? -1 : 1;
        p.advancing = false;
        p.dead = false;
        p.position = sf::Vector2f(centre + static_cast<float>(side) * startOffset, game.world.camera.view.getCenter().y);
        walk(p, -side);
        setBothStates(p, AnimState::IDLE);
        updatePlayer(p, game);
        // 3. Onto the floor, searching leftwards.
        p.position = findFloorCell(game.tileMap, p.position.x, -1, p.size.x).position;
        p.velocity = sf::Vector2f(0.f, 0.f);
        placeFrame(p);
        // 4. Kind by kind.
        startingStats(p);
    }
}
