#include "match/FightStage.h"

#include "fighters/FighterWorld.h"
#include "match/Camera.h"
#include "match/FloorSearch.h"
#include "match/Items.h"

FightStage::FightStage(bool openWindow, int section) : headless(openWindow), game(*headless.game)
{
    startFightNow(game);
    goToSection(section);
    const float middle = static_cast<float>(section) * game.sectionWidth + game.sectionWidth / 2.f;
    stand(p1(), middle - 300.f, 1);
    stand(p2(), middle + 300.f, -1);
    for (Player& p : game.players)
        p.keyboardMode = true;
}

void FightStage::setKind(int index, int kind)
{
    Player& p = game.players[index];
    p.character = &game.characterSets[characterSlot(index, kind)];
    selectSkill(*p.skill, p, kind);
    applyCharacterStats(p);
}

void FightStage::give(Player& player, int kind, bool inUse)
{
    player.item = std::make_unique<Crate>();
    player.item->kind = kind;
    player.item->icon = game.itemIcons[kind];
    player.useItemRequest = inUse;
}

void FightStage::goToSection(int section)
{
    game.tileMap.sectionIndex = section;
    game.tileMap.solidTiles.clear();
    buildCollision(game.tileMap);
    lookAt(static_cast<float>(section) * game.sectionWidth + game.sectionWidth / 2.f);
}

void FightStage::stand(Player& player, float x, int facing)
{
    const FloorCell cell = findFloorCell(game.tileMap, x, -1, player.size.x);
    // The cell's top is the floor's top less one tile: the feet go on the floor.
    player.position = sf::Vector2f(cell.position.x, cell.position.y + 64.f - player.size.y / 2.f);
    player.velocity = sf::Vector2f(0.f, 0.f);
    player.onGround = true;
    setFacingScale(player, static_cast<float>(facing), 1.f);
    if (sf::Sprite* sprite = frameSprite(player))
        sprite->setPosition(player.position);
}

void FightStage::lookAt(float x)
{
    game.camera.view.setCenter(x, restCentreY);
    game.camera.centre = game.camera.view.getCenter();
}

void FightStage::itemFrames(int count, float dt)
{
    for (int i = 0; i < count; ++i) {
        game.frameTime = dt;
        game.time.now += dt;
        crateStep(game);
        activeItems(game);
    }
}
