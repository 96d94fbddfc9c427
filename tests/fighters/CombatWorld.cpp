#include "fighters/CombatWorld.h"

#include "fighters/FighterWorld.h"

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
