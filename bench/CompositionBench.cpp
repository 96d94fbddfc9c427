// One frame's drawing of a fight and of a menu room, from the layer clears to
// the presented window, under whatever OpenGL the machine offers (Mesa's
// software renderer on the build machines: run under xvfb-run).

#include "app/Game.h"
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
        std::error_code error;
        std::filesystem::current_path(KESTRELFALL_RUN_DIR, error);
        game = std::make_unique<Game>();
        game->fullscreen = false;
        createWindow(*game);
        game->window.setFramerateLimit(0);
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

enum FightLook { Plain = 0, Countdown = 1, LastMinute = 2 };

void BM_FightSceneFrame(benchmark::State& state)
{
    Game& game = sharedGame();
    game.state = SceneState::Fight;
    game.vortexLevel = 0.f;
    game.fightLive = state.range(0) != Countdown;
    game.hud.matchTimer = state.range(0) == LastMinute ? 30.f : 200.f;
    runFightFrames(game, state);
}
BENCHMARK(BM_FightSceneFrame)->Arg(Plain)->Arg(Countdown)->Arg(LastMinute)->Unit(benchmark::kMillisecond)->UseRealTime();

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
    game.hud.matchTimer = 30.f;
    runFightFrames(game, state);
}
BENCHMARK(BM_VictoryFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
