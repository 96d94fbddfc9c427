#include "fighters/DuelWorld.h"

#include "fighters/Projectile.h"
#include "fighters/PlayersTick.h"
#include "match/Camera.h"
#include "world/FightSetUp.h"
#include "world/JungleGround.h"

#include <algorithm>

DuelWorld::DuelWorld(int kindP1, int kindP2)
{
    // 1. One section with its floor, on the Jungle ground's fighters.
    FightGround& ground = jungleGround();
    setting = ground.setting;
    setting.tileMap = &tileMap;
    tileMap.columns = classicColumns;
    TileColumn column;
    column.fill(emptyCode);
    column[static_cast<std::size_t>(floorRow)] = 1;
    tileMap.grid.assign(1, Section(classicColumns, column));
    tileMap.lastSection = 0;
    buildCollision(tileMap);
    // 2. The fight live on it, the curtain settled, both long past their protection.
    startWorld(world, setting, ground.characters);
    world.sectionWidth = static_cast<float>(classicColumns * tileSize);
    world.sectionIndex = 0;
    world.match.fightScene = true;
    world.match.fightLive = true;
    world.curtain = Curtain{};
    for (Player& p : world.players)
        p.deathTimer = 10.f;
    world.camera.reset();
    // 3. The fighters on the floor, face to face.
    setKind(0, kindP1);
    setKind(1, kindP2);
    stand(p1(), 1000.f, 1);
    stand(p2(), 1040.f, -1);
}

void DuelWorld::setKind(int index, int kind)
{
    Player& p = world.players[index];
    p.character = &setting.characters[characterSlot(index, kind)];
    selectSkill(p.skill, p, kind);
    applyCharacterStats(p);
}

void DuelWorld::setCell(int column, int row, int code)
{
    tileMap.grid[0][static_cast<std::size_t>(column)][static_cast<std::size_t>(row)] = code;
    buildCollision(tileMap);
}

void standOnFloor(Player& p, float x, int facing)
{
    p.position = sf::Vector2f(x, floorTop - p.size.y / 2.f);
    p.velocity = sf::Vector2f(0.f, 0.f);
    p.onGround = true;
    setFacingScale(p, static_cast<float>(facing), 1.f);
    placeFrame(p);
}

void DuelWorld::stand(Player& p, float x, int facing)
{
    standOnFloor(p, x, facing);
}

void DuelWorld::showFrame(Player& p, int frame)
{
    p.frame = frame;
    placeFrame(p);
}

void DuelWorld::frames(int count, float dt)
{
    for (int i = 0; i < count; ++i) {
        world.time.now += dt;
        world.stepTime = dt;
        updateProjectiles(world);
        updateCamera(world.camera);
        playersTick(world, inputs);
        for (const SoundCue& cue : world.events.sounds)
            heard.emplace_back(cue.key);
        world.events = StepEvents{};
    }
}

bool DuelWorld::cued(const std::string& key) const
{
    const std::vector<SoundCue>& pending = world.events.sounds;
    return std::find(heard.begin(), heard.end(), key) != heard.end() ||
           std::any_of(pending.begin(), pending.end(), [&](const SoundCue& cue) { return key == cue.key; });
}
