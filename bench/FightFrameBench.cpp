// The cost of one fight frame's update with both fighters swinging into each
// other (so the pixel-exact hit test runs every frame) and three shots in
// flight; and the pixel test alone, with its alpha cache and with the
// read-back from the graphics card it replaces.
#include "app/Frame.h"
#include "app/Game.h"
#include "app/FixedSteps.h"
#include "fighters/BoxFrames.h"
#include "fighters/Combat.h"
#include "fighters/PixelOverlap.h"
#include "fighters/PlayersTick.h"
#include "fighters/Projectile.h"
#include "app/SceneUpdate.h"
#include "match/Camera.h"
#include "match/Crate.h"
#include "match/Items.h"
#include "match/MatchFlow.h"
#include "match/Sections.h"
#include "world/WorldBytes.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

namespace {

constexpr float dt = 1.f / 60.f;
constexpr int atoola = 1;
constexpr int swingFrame = 21;

// The game of the run folder, in a fight on the Jungle level's first section.
Game& fightGame()
{
    static std::unique_ptr<Game> game;
    if (game)
        return *game;
    std::error_code noRunFolder;  // without one the game runs on empty assets
    std::filesystem::current_path(KESTRELFALL_RUN_DIR, noRunFolder);
    game = std::make_unique<Game>();
    tellWorld(*game);
    for (int slot = 0; slot < characterSlotCount; ++slot)
        fillMissingFrames(game->characterSets[slot], kindHitbox(slot % kindCount), 60);
    game->state = SceneState::Fight;
    game->world.match.fightLive = true;
    game->screenFade.clock.startedAt = -10.0;
    buildCollision(game->tileMap);
    for (int i = 0; i < 2; ++i) {
        Player& p = game->world.players[i];
        p.character = &game->characterSets[characterSlot(i, atoola)];
        selectSkill(p.skill, p, atoola);
        applyCharacterStats(p);
        p.deathTimer = 10.f;
    }
    return *game;
}

// Both fighters mid-swing, face to face and overlapping; three shots out.
void setUpClash(Game& game)
{
    for (int i = 0; i < 2; ++i) {
        Player& p = game.world.players[i];
        p.position = sf::Vector2f(1000.f + 40.f * static_cast<float>(i), 300.f);
        p.velocity = sf::Vector2f(0.f, 0.f);
        setFacingScale(p, i == 0 ? 1.f : -1.f, 1.f);
        setBothStates(p, AnimState::ATTACKING);
        p.animClock.startedAt = game.world.time.now - 0.15;
        p.attacking = true;
        p.hitLanded = false;
        p.hitboxActive = true;
        p.frame = swingFrame;
        placeFrame(p);
    }
    while (game.world.shots.size() < 3)
        spawnProjectile(game.world, false, sf::Vector2f(200.f, 100.f), 10.f, 1,
                        static_cast<int>(game.world.shots.size() % 2));
}

void fightFrame(Game& game)
{
    game.frameTime = dt;
    game.world.time.now += dt;
    game.world.stepTime = dt;
    updateProjectiles(game.world);
    updateCamera(game.world.camera);
    playersTick(game.world, game.scriptedButtons.inputs);
}

void BM_FightFrame(benchmark::State& state)
{
    Game& game = fightGame();
    for (auto _ : state) {
        setUpClash(game);
        fightFrame(game);
        benchmark::DoNotOptimize(game.world.players[0].currentState);
    }
}
BENCHMARK(BM_FightFrame)->Unit(benchmark::kMicrosecond);

// The whole fight update of one frame as the program runs it (shots, camera,
// HUD, fighters, crates, rules), at 300 FPS in one step and at 25 FPS in
// fixed steps. The counter shows the steps of the frame.
void BM_FightUpdate(benchmark::State& state)
{
    Game& game = fightGame();
    const float frame = 1.f / static_cast<float>(state.range(0));
    for (auto _ : state) {
        setUpClash(game);
        runFrame(game, frame, {}, false);
        benchmark::DoNotOptimize(game.world.players[0].currentState);
    }
    state.counters["steps"] = static_cast<double>(frame / fixedStep);
}
BENCHMARK(BM_FightUpdate)->Arg(300)->Arg(25)->ArgNames({"fps"})->Unit(benchmark::kMicrosecond);

// A classic match in full swing on the Jungle level, entered as the map
// room's door enters it: P1 carries its flag through section 3 with SPEED
// running, P2 stands, a crate falls, the HUD and the timer run.
Game& matchGame()
{
    static Game* game = nullptr;
    if (game)
        return *game;
    Game& fight = fightGame();  // the same game: a second one would load every asset again
    game = &fight;
    fight.state = SceneState::MapSelect;
    setUpClassicFight(fight.world, "");
    placeGoal(fight.world);
    fight.state = SceneState::Fight;
    fight.world.match.fightLive = true;
    fight.world.time.now += 10.0;
    makeLive(fight.world, 3);
    Flag& flag = fight.world.flags[0];
    flag.section = 3;
    flag.placed = true;
    flag.carried = true;
    return fight;
}

void setUpCarry(Game& game)
{
    Player& p1 = game.world.players[0];
    Player& p2 = game.world.players[1];
    p1.advancing = true;
    p2.advancing = false;
    p1.position = sf::Vector2f(3 * 3840.f + 1600.f, 14 * 64.f - p1.size.y / 2.f);
    p1.velocity = sf::Vector2f(-900.f, 0.f);
    p2.position = sf::Vector2f(3 * 3840.f + 2560.f, 14 * 64.f - p2.size.y / 2.f);
    p2.velocity = sf::Vector2f(0.f, 0.f);
    game.world.camera.centre = sf::Vector2f(p1.position.x, restCentreY);
    game.world.camera.view.setCenter(game.world.camera.centre);
    game.world.flags[0].carried = true;
    if (!p1.item)
        p1.item = Crate();
    p1.item->kind = SPEED;
    p1.item->speedTime = 1.f;
    p1.useItemRequest = true;
    if (!game.world.crate)
        game.world.crate = Crate();
    game.world.crate->alive = true;
    game.world.crate->age = 1.f;
    game.world.crate->onGround = false;
    game.world.crate->position = sf::Vector2f(p1.position.x + 300.f, 200.f);
    game.world.crate->velocity = sf::Vector2f(0.f, 0.f);
    game.world.match.matchTimer = 200.f;
    if (game.world.shots.empty())
        spawnProjectile(game.world, false, p2.position, 1500.f, -1, 1);
}

// One whole fight update of the classic match (its rules, flags, crate,
// items and HUD included), one fixed 1/300 s step.
void BM_MatchFrame(benchmark::State& state)
{
    Game& game = matchGame();
    for (auto _ : state) {
        setUpCarry(game);
        game.frameTime = fixedStep;
        game.world.time.now += fixedStep;
        updateFightScene(game);
        benchmark::DoNotOptimize(game.world.flags[0].position);
    }
    if (game.state != SceneState::Fight || !game.world.flags[0].carried || !game.world.crate)
        state.SkipWithError("the match left the carried-flag situation");
}
BENCHMARK(BM_MatchFrame)->Unit(benchmark::kMicrosecond);

// The world of that busy step as a value: copied, checksummed, written as bytes.
void BM_WorldCopy(benchmark::State& state)
{
    Game& game = matchGame();
    setUpCarry(game);
    FightWorld copy;
    for (auto _ : state) {
        copy = game.world;
        benchmark::DoNotOptimize(copy.players[0].position);
    }
}
BENCHMARK(BM_WorldCopy)->Unit(benchmark::kMicrosecond);

void BM_WorldChecksum(benchmark::State& state)
{
    Game& game = matchGame();
    setUpCarry(game);
    for (auto _ : state)
        benchmark::DoNotOptimize(checksum(game.world));
}
BENCHMARK(BM_WorldChecksum)->Unit(benchmark::kMicrosecond);

void BM_WorldSerialize(benchmark::State& state)
{
    Game& game = matchGame();
    setUpCarry(game);
    for (auto _ : state) {
        const std::vector<std::uint8_t> bytes = serialize(game.world);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.counters["bytes"] = static_cast<double>(serialize(game.world).size());
}
BENCHMARK(BM_WorldSerialize)->Unit(benchmark::kMicrosecond);

void BM_PixelOverlap(benchmark::State& state)
{
    Game& game = fightGame();
    setUpClash(game);
    const PlacedFrame a = *placedFrame(game.world.players[0]);
    const PlacedFrame b = *placedFrame(game.world.players[1]);
    const bool everyPixel = state.range(0) != 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(everyPixel ? pixelOverlapEveryPixel(a, b) : pixelOverlap(a, b));
}
BENCHMARK(BM_PixelOverlap)->Arg(0)->Arg(1)->ArgNames({"everyPixel"})->Unit(benchmark::kMicrosecond);

}  // namespace
