// One frame's drawing of a fight and of a menu room, from the layer clears to
// the presented window, under whatever OpenGL the machine offers (Mesa's
// software renderer on the build machines: run under xvfb-run).

#include "BenchGame.h"
#include "app/Game.h"
#include "match/Hud.h"
#include "render/Composition.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

namespace {

const float frameTime = 1.f / 60.f;  // s

// One game for every benchmark: constructing it loads every asset.
Game& sharedGame()
{
    static std::unique_ptr<Game> game;
    if (!game) {
        game = windowedRunGame();
        game->frameTime = frameTime;
    }
    return *game;
}

// Presenting makes the renderer finish the frame, so the time is the whole draw.
// The renderer works on threads of its own: the times to read are real times.
void present(Game& game)
{
    game.window.display();
}

// The fight's draw as the Fight and Victory scenes run it.
void runFightFrames(Game& game, benchmark::State& state)
{
    for (auto _ : state) {
        game.window.clear();
        clearFrameLayers(game);
        drawFightScene(game);
        composeToWindow(game);
        present(game);
    }
}

enum FightLook { Plain = 0, Countdown = 1, LastMinute = 2, WithHud = 3 };

// Everything the classic HUD can show at once: timer, minimap, both item
// frames (one with its duration bar, one with its key name), Napollo's rounds,
// a gauge, a fighter off to the right with its marker, and the direction arrow.
void fillHud(Game& game)
{
    game.hud.timerText.setString("3 : 27");
    game.world.players[0].advancing = true;
    selectSkill(game.world.players[0].skill, game.world.players[0], 0);
    game.world.players[1].position.x = game.world.camera.view.getCenter().x + 1500.f;
    for (int i = 0; i < 2; ++i) {
        game.world.players[i].item = Crate();
        game.world.players[i].item->kind = i == 0 ? SPEED : SWAP;
        game.world.players[i].item->icon = game.itemIcons[game.world.players[i].item->kind];
        game.world.players[i].item->speedTime = 1.f;
    }
    game.world.players[0].useItemRequest = true;
    hudUpdate(game);
}

// Plain is the fight without its HUD (as during a capture), so that WithHud
// shows what the HUD adds.
void BM_FightSceneFrame(benchmark::State& state)
{
    Game& game = sharedGame();
    game.state = SceneState::Fight;
    game.vortexLevel = 0.f;
    game.world.match.fightLive = state.range(0) != Countdown;
    game.world.match.matchTimer = state.range(0) == LastMinute ? 30.f : 200.f;
    game.world.match.flagTaken = state.range(0) == Plain;
    if (state.range(0) == WithHud)
        fillHud(game);
    runFightFrames(game, state);
    game.world.match.flagTaken = false;
}
BENCHMARK(BM_FightSceneFrame)
    ->Arg(Plain)
    ->Arg(Countdown)
    ->Arg(LastMinute)
    ->Arg(WithHud)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_RoomSceneFrame(benchmark::State& state)
{
    Game& game = sharedGame();
    game.state = SceneState::MainHub;
    game.vortexLevel = 0.f;
    for (auto _ : state) {
        game.window.clear();
        clearFrameLayers(game);
        drawRoomScene(game, SceneState::MainHub);
        composeToWindow(game);
        present(game);
    }
}
BENCHMARK(BM_RoomSceneFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_VictoryFrame(benchmark::State& state)
{
    Game& game = sharedGame();
    game.state = SceneState::Victory;
    game.world.match.matchTimer = 30.f;
    runFightFrames(game, state);
}
BENCHMARK(BM_VictoryFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
