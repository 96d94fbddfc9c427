#include "match/MatchFlow.h"

#include "world/FightWorld.h"
#include "fighters/InputController.h"
#include "fighters/PlayerStep.h"
#include "match/FloorSearch.h"
#include "match/FighterReset.h"
#include "match/Sections.h"

#include <iostream>

namespace {

const char* const jungleLevel = "Assets/Map/Officiel/Jungle/Jungle.txt";
const char* const caaLevel = "Assets/Map/Officiel/caa/caa.txt";

constexpr float classicSectionWidth = 3840.f;  // px: 60 columns
constexpr float caaSectionWidth = 1920.f;      // px: 30 columns
constexpr float startOffset = 750.f;           // px either side of the middle section's centre
constexpr float fullDashCharge = 1000.f;       // px
constexpr int parkedSection = 320;             // never live: the kill race has no flags



// What every fight starts from, whatever scene it is entered from: no
// capture, no sudden death, a full timer and countdown, nothing held.
void freshFight(FightWorld& world)
{
    world.match.flagTaken = false;
    world.match.suddenDeath = false;
    world.match.fightLive = false;
    world.match.bothDown = false;
    world.camera.shaking = false;
    world.camera.inTransition = false;
    world.camera.targetFixed = false;
    world.camera.catchUp = false;
    world.camera.view.setSize(designWidth, designHeight);
    world.match.matchTimer = matchTime;
    world.match.countdown = countdownTime;
    world.crate.reset();
    world.match.crateTimer = 0.f;
    for (Player& p : world.players) {
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

// Only a fight's set-up writes the setting: the level is read anew, with
// every section's collision, before the first step.
void loadFightLevel(FightWorld& world, int columns, float sectionWidth, const std::string& path,
                    const HeldLevel* held = nullptr)
{
    TileMap& map = *world.setting->tileMap;
    map.columns = columns;
    world.sectionWidth = sectionWidth;
    loadLevel(map, path, held);
}

}  // namespace

void loadClassicLevel(FightWorld& world, const std::string& path, const HeldLevel* held)
{
    loadFightLevel(world, classicColumns, classicSectionWidth, path, held);
}


void setUpClassicFight(FightWorld& world, const std::string& customLevel, const HeldLevel* held)
{
    freshFight(world);
    world.match.caaMode = false;
    // The level: the Jungle or the chosen custom level. A custom level that
    // cannot be read gives way to the Jungle, so the fight can always be played.
    const bool custom = !customLevel.empty();
    loadClassicLevel(world, custom ? customLevel : std::string(jungleLevel), custom ? held : nullptr);
    if (sectionCount(tiles(world)) == 0 && custom) {
        std::cout << "Error Loading " << customLevel << "\n";
        loadClassicLevel(world, jungleLevel);
    }
    centreOnMiddleSection(world.camera);
    // Flags at their bases: P1's at the far right, P2's at the far left.
    putAtBase(world.flags[0], tiles(world).lastSection, tiles(world).flag0X);
    putAtBase(world.flags[1], 0, tiles(world).flag1X);
    makeLive(world, middleSection(world));
    placeForFight(world);
    for (Player& p : world.players) {
        p.advancing = false;
        p.isWinner = false;
    }
}

void setUpCaaFight(FightWorld& world)
{
    freshFight(world);
    world.match.caaMode = true;
    world.match.p1Kills = 0;
    world.match.p2Kills = 0;
    world.match.caaStage = 0;
    loadFightLevel(world, caaColumns, caaSectionWidth, caaLevel);
    centreOnMiddleSection(world.camera);
    makeLive(world, 0);
    for (Player& p : world.players) {
        selectSkill(p.skill, p, atoolaKind);
        p.dashCharge = fullDashCharge;
        p.character = &world.setting->characters[characterSlot(p.index, atoolaKind)];
        applyCharacterStats(p);
        p.skill.shieldInitialised = false;
        p.hitPoints = 1;
        putAtBase(world.flags[p.index], parkedSection, 0.f);
    }
    placeForFight(world);
}

void placeForFight(FightWorld& world)
{
    // 1. The middle section.
    const int middle = middleSection(world);
    makeLive(world, middle);
    const float centre = static_cast<float>(middle) * world.sectionWidth + world.sectionWidth * 0.5f;
    for (Player& p : world.players) {
        // 2. Either side of the centre, facing each other, settled once.
        const int side = p.index == 0 ? -1 : 1;
        p.advancing = false;
        p.dead = false;
        p.position = sf::Vector2f(centre + static_cast<float>(side) * startOffset, world.camera.view.getCenter().y);
        walk(p, -side);
        setBothStates(p, AnimState::IDLE);
        updatePlayer(p, world);
        // 3. Onto the floor, searching leftwards.
        p.position = findFloorCell(tiles(world), world.sectionIndex, p.position.x, -1, p.size.x).position;
        p.velocity = sf::Vector2f(0.f, 0.f);
        placeFrame(p);
        // 4. Kind by kind.
        startingStats(p);
    }
}
