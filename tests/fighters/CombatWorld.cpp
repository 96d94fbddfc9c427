#include "fighters/CombatWorld.h"

#include "app/FixedSteps.h"

void startTinyFight(Game& game, int floor)
{
    TileMap& map = game.tileMap;
    map.columns = classicColumns;
    game.world.sectionWidth = static_cast<float>(classicColumns * tileSize);
    TileColumn column;
    column.fill(emptyCode);
    if (floor >= 0)
        column[static_cast<std::size_t>(floor)] = 1;
    map.grid.assign(1, Section(classicColumns, column));
    map.lastSection = 0;
    game.world.sectionIndex = 0;
    buildCollision(map);
    startFightNow(game);
}

void startFightNow(Game& game)
{
    game.state = SceneState::Fight;
    tellWorld(game);
    game.world.match.fightLive = true;
    game.screenFade.active = false;
    game.screenFade.darkening = false;
    game.screenFade.lightening = false;
    game.screenFade.clock.startedAt = -10.0;
    for (Player& p : game.world.players)
        p.deathTimer = 10.f;
}

CombatWorld::CombatWorld(int kindP1, int kindP2) : headless(), game(*headless.game)
{
    startTinyFight(game, floorRow);
    game.world.camera.reset();
    const int kinds[2] = {kindP1, kindP2};
    for (int i = 0; i < 2; ++i) {
        Player& p = game.world.players[i];
        p.character = &game.characterSets[characterSlot(i, kinds[i])];
        selectSkill(p.skill, p, kinds[i]);
        applyCharacterStats(p);
    }
    stand(p1(), 1000.f, 1);
    stand(p2(), 1040.f, -1);
}
