#include "fighters/FighterWorld.h"

#include "app/PlayerButtons.h"
#include "fighters/Bindings.h"
#include "fighters/PlayersTick.h"
#include "support/Headless.h"
#include "world/FightSetUp.h"

#include <gtest/gtest.h>

namespace {

// Clips on the one placeholder frame, with lengths that keep STUN and DEFLECT
// running until the input step ends them.
void giveClips(Character& character)
{
    const struct {
        AnimState state;
        float duration;
        int mode;
    } clips[] = {
        {AnimState::RUNNING, 0.5f, 0},   {AnimState::JUMPING, 0.5f, 0}, {AnimState::FALLING, 0.5f, 0},
        {AnimState::IDLE, 1.f, 0},       {AnimState::ATTACKING, 0.1f, 1}, {AnimState::ATTACK_RUN, 0.1f, 1},
        {AnimState::DEATH, 1.f, 1},      {AnimState::PARRY, 0.2f, 1},   {AnimState::STUN, 2.f, 0},
        {AnimState::DEFLECT, 2.f, 0},
    };
    for (const auto& clip : clips)
        character.animations[static_cast<std::size_t>(clip.state)] = Animation{0, 1, clip.duration, clip.mode};
}

// The eight slots as a folder without character files gives them: one box
// frame each, read once for the whole test binary.
Character* boxSlots()
{
    static Character* slots = [] {
        auto* loaded = new Character[characterSlotCount];
        enterEmptyFolder();
        testing::internal::CaptureStdout();  // every missing file is reported
        testing::internal::CaptureStderr();
        loadCharacterSlots(loaded);
        testing::internal::GetCapturedStderr();
        testing::internal::GetCapturedStdout();
        for (int i = 0; i < characterSlotCount; ++i)
            giveClips(loaded[i]);
        return loaded;
    }();
    return slots;
}

}  // namespace

FighterWorld::FighterWorld(bool floor)
{
    // 1. One empty section.
    tileMap.columns = classicColumns;
    TileColumn column;
    column.fill(emptyCode);
    tileMap.grid.assign(1, Section(classicColumns, column));
    tileMap.lastSection = 0;
    buildCollision(tileMap);
    setting.tileMap = &tileMap;
    setting.characters = boxSlots();
    // 2. The fight live on it, the fighters past their protection, out of the way.
    startWorld(world, setting, setting.characters);
    world.sectionWidth = static_cast<float>(classicColumns * tileSize);
    world.match.fightScene = true;
    world.match.fightLive = true;
    world.camera.reset();
    world.camera.view.setCenter(960.f, 604.f);
    for (Player& p : world.players) {
        p.deathTimer = 10.f;
        p.keyboardMode = true;
        p.input.bindings = defaultBindings(p.index);
        p.position = sf::Vector2f(-5000.f, -5000.f);
    }
    if (floor) {
        floorRow(15);
        standOn(p2(), 3500.f, 15);
    }
}

void FighterWorld::setTile(int column, int row, int code)
{
    tileMap.grid[0][static_cast<std::size_t>(column)][static_cast<std::size_t>(row)] = code;
    buildCollision(tileMap);
}

void FighterWorld::floorRow(int row)
{
    for (int column = 0; column < classicColumns; ++column)
        setTile(column, row, 0);
}

void FighterWorld::standOn(Player& player, float x, int row)
{
    player.position = sf::Vector2f(x, static_cast<float>(row * tileSize) - player.size.y / 2.f);
    player.velocity = sf::Vector2f(0.f, 0.f);
    player.onGround = true;
}

void FighterWorld::step(int frames, float dt)
{
    for (int i = 0; i < frames; ++i) {
        world.stepTime = dt;
        world.time.now += dt;
        FightInput inputs[2];
        for (int k = 0; k < 2; ++k)
            inputs[k] = readPlayerButtons(input, world.players[k].input);
        playersTick(world, inputs);
        world.events = StepEvents{};
    }
}
