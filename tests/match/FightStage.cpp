#include "match/FightStage.h"
#include "app/FixedSteps.h"

#include "fighters/FighterWorld.h"
#include "match/Camera.h"
#include "match/FloorSearch.h"
#include "match/Items.h"

FightStage::FightStage(bool openWindow, int section) : headless(openWindow), game(*headless.game)
{
    startFightNow(game);
    goToSection(section);
    const float middle = static_cast<float>(section) * game.world.sectionWidth + game.world.sectionWidth / 2.f;
    stand(p1(), middle - 300.f, 1);
    stand(p2(), middle + 300.f, -1);
    for (Player& p : game.world.players)
        p.keyboardMode = true;
}

void FightStage::setKind(int index, int kind)
{
    Player& p = game.world.players[index];
    p.character = &game.characterSets[characterSlot(index, kind)];
    selectSkill(p.skill, p, kind);
    applyCharacterStats(p);
}

void FightStage::give(Player& player, int kind, bool inUse)
{
    player.item = Crate();
    player.item->kind = kind;
    player.useItemRequest = inUse;
}

void FightStage::goToSection(int section)
{
    game.world.sectionIndex = section;
    buildCollision(game.tileMap);
    lookAt(static_cast<float>(section) * game.world.sectionWidth + game.world.sectionWidth / 2.f);
}

void FightStage::stand(Player& player, float x, int facing)
{
    const FloorCell cell = findFloorCell(game.tileMap, game.world.sectionIndex, x, -1, player.size.x);
    // The cell's top is the floor's top less one tile: the feet go on the floor.
    player.position = sf::Vector2f(cell.position.x, cell.position.y + 64.f - player.size.y / 2.f);
    player.velocity = sf::Vector2f(0.f, 0.f);
    player.onGround = true;
    setFacingScale(player, static_cast<float>(facing), 1.f);
    placeFrame(player);
}

void FightStage::lookAt(float x)
{
    game.world.camera.view.setCenter(x, restCentreY);
    game.world.camera.centre = game.world.camera.view.getCenter();
}

void FightStage::itemFrames(int count, float dt)
{
    for (int i = 0; i < count; ++i) {
        game.frameTime = dt;
        tellWorld(game);
        game.world.time.now += dt;
        crateStep(game.world);
        activeItems(game.world);
    }
}
