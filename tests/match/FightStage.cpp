#include "match/FightStage.h"

#include "fighters/CombatWorld.h"
#include "match/Camera.h"
#include "match/FloorSearch.h"
#include "match/Items.h"
#include "world/FightStep.h"
#include "world/JungleGround.h"

namespace {

constexpr int stepsPerFrame = 5;  // 1/60 s of 1/300 s steps

}  // namespace

void StageMoves::setKind(int index, int kind)
{
    Player& p = world->players[index];
    p.character = &world->setting->characters[characterSlot(index, kind)];
    selectSkill(p.skill, p, kind);
    applyCharacterStats(p);
}

void StageMoves::give(Player& player, int kind, bool inUse)
{
    player.item = Crate();
    player.item->kind = kind;
    player.useItemRequest = inUse;
}

void StageMoves::goToSection(int section)
{
    world->sectionIndex = section;
    lookAt(static_cast<float>(section) * world->sectionWidth + world->sectionWidth / 2.f);
}

void StageMoves::stand(Player& player, float x, int facing)
{
    const FloorCell cell = findFloorCell(tiles(*world), world->sectionIndex, x, -1, player.size.x);
    // The cell's top is the floor's top less one tile: the feet go on the floor.
    player.position = sf::Vector2f(cell.position.x, cell.position.y + 64.f - player.size.y / 2.f);
    player.velocity = sf::Vector2f(0.f, 0.f);
    player.onGround = true;
    setFacingScale(player, static_cast<float>(facing), 1.f);
    placeFrame(player);
}

void StageMoves::lookAt(float x)
{
    world->camera.view.setCenter(x, restCentreY);
    world->camera.centre = world->camera.view.getCenter();
}

void StageMoves::itemFrames(int count, float dt)
{
    for (int i = 0; i < count; ++i) {
        world->stepTime = dt;
        world->time.now += dt;
        crateStep(*world);
        activeItems(*world);
    }
}

void StageMoves::placeOn(int section)
{
    goToSection(section);
    const float middle = static_cast<float>(section) * world->sectionWidth + world->sectionWidth / 2.f;
    stand(p1(), middle - 300.f, 1);
    stand(p2(), middle + 300.f, -1);
    for (Player& p : world->players)
        p.keyboardMode = true;
}

FightStage::FightStage(bool openWindow, int section) : headless(openWindow), game(*headless.game)
{
    world = &game.world;
    startFightNow(game);
    placeOn(section);
}

JungleStage::JungleStage(int section)
{
    const InRunFolder runFolder;
    world = &fight;
    setUpFight(fight, jungleGround(), FightChoice{});
    fight.match.fightLive = true;
    fight.match.countdown = 0.f;
    for (Player& p : fight.players)
        p.deathTimer = 10.f;
    placeOn(section);
}

void JungleStage::frames(int count)
{
    for (int i = 0; i < count * stepsPerFrame; ++i)
        stepFight(fight, inputs);
}
