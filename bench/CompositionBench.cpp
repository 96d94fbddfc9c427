// One frame's drawing of a fight and of a menu room, from the layer clears to
// the presented window, under whatever OpenGL the machine offers (Mesa's
// software renderer on the build machines: run under xvfb-run).

#include "BenchGame.h"
#include "DrawCalls.h"
#include "app/Frame.h"
#include "app/Game.h"
#include "render/hud/Hud.h"
#include "menus/PauseMenu.h"
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

// Draw calls per frame, counted over the measured frames.
struct DrawCallCounter {
    benchmark::State& state;
    long before = drawCallCount();
    ~DrawCallCounter()
    {
        const double frames = static_cast<double>(state.iterations());
        if (frames > 0)
            state.counters["drawCalls"] = static_cast<double>(drawCallCount() - before) / frames;
    }
};

// Whole frames as the program draws them, from the window's clear to the present.
void runFrames(Game& game, benchmark::State& state)
{
    DrawCallCounter counter{state};
    for (auto _ : state) {
        game.window.clear();
        draw(game);
        present(game);
    }
}

// The yardstick every frame is measured against: seven empty 1080p layers
// cleared and composed the way every frame was once composed (five stacked
// onto the screen layer, the water's through its shader, the screen layer
// copied onto the window), nothing drawn into them. Its layers are its own,
// so that it stays the same whatever the game's drawing becomes.
void BM_BareComposition(benchmark::State& state)
{
    Game& game = sharedGame();
    static sf::RenderTexture layers[7];
    static sf::Sprite sprites[7];
    for (int i = 0; i < 7; ++i)
        if (layers[i].getSize().x == 0) {
            layers[i].create(1920, 1080);
            sprites[i].setTexture(layers[i].getTexture(), true);
        }
    enum { Background, Tiles, Water, Actors, Hud, Screen, Vortex };
    const int stacked[5] = {Background, Actors, Water, Tiles, Hud};
    DrawCallCounter counter{state};
    for (auto _ : state) {
        game.window.clear();
        for (int layer : {Water, Tiles, Hud, Screen, Actors})
            layers[layer].clear(sf::Color::Transparent);
        for (int layer : stacked) {
            layers[layer].display();
            layers[Screen].draw(sprites[layer], layer == Water ? sf::RenderStates(&game.water) : sf::RenderStates());
        }
        layers[Screen].display();
        game.window.setView(game.window.getDefaultView());
        game.window.draw(sprites[Screen]);
        for (sf::RenderTexture& layer : layers)
            layer.display();
        present(game);
    }
}
BENCHMARK(BM_BareComposition)->Unit(benchmark::kMillisecond)->UseRealTime();

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
    runFrames(game, state);
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
    runFrames(game, state);
}
BENCHMARK(BM_RoomSceneFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_VictoryFrame(benchmark::State& state)
{
    Game& game = sharedGame();
    game.state = SceneState::Victory;
    game.world.match.matchTimer = 30.f;
    runFrames(game, state);
    game.vortexLevel = 0.f;
}
BENCHMARK(BM_VictoryFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

// The pause menu over a live fight, and the options opened from it.
void BM_PauseOptionsFrame(benchmark::State& state)
{
    Game& game = sharedGame();
    game.state = SceneState::Fight;
    game.world.match.fightLive = true;
    game.world.match.matchTimer = 200.f;
    game.vortexLevel = 0.f;
    pauseFrom(game, SceneState::Fight);
    if (state.range(0) == 1)
        openOptions(game);
    runFrames(game, state);
    game.state = SceneState::Fight;
}
BENCHMARK(BM_PauseOptionsFrame)->Arg(0)->Arg(1)->ArgNames({"options"})->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
