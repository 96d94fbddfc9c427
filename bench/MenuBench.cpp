// The menus' frames: a room's update with both fighters walking, the pause,
// options and key-binding updates, and the draws of the rooms and the three
// screens (from the layer clears to the presented window) under whatever
// OpenGL the machine offers (Mesa's software renderer under xvfb-run).

#include "BenchGame.h"
#include "app/Frame.h"
#include "app/Game.h"
#include "menus/MenuRooms.h"
#include "render/Composition.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <memory>

namespace {

const float frameTime = 1.f / 300.f;  // s: the frame-rate cap's frame

Game& menuGame()
{
    static std::unique_ptr<Game> game;
    if (!game) {
        game = windowedRunGame();
        game->state = SceneState::Title;
        runFrame(*game, frameTime, {}, false);
        placeAtHubStart(*game);
        game->world.players[0].advancing = true;
        game->state = SceneState::MainHub;
        runFrame(*game, frameTime, {}, false);
    }
    return *game;
}

// Both fighters walk towards the room's middle from their start places, and
// are put back before they reach the screen's edge.
void walkBothFighters(Game& game, int frame)
{
    if (frame % 240 == 0)
        placeAtHubStart(game);
    game.input.keys[sf::Keyboard::D] = true;
    game.input.keys[sf::Keyboard::Right] = true;
    for (Player& player : game.world.players)
        player.keyboardMode = true;  // as their key presses made them
}

void BM_RoomUpdate(benchmark::State& state)
{
    Game& game = menuGame();
    game.state = SceneState::MainHub;
    int frame = 0;
    double walked = 0.0;  // px, both fighters: shows that they do walk
    for (auto _ : state) {
        walkBothFighters(game, frame++);
        const float before = game.world.players[0].position.x + game.world.players[1].position.x;
        runFrame(game, frameTime, {}, false);
        walked += std::abs(game.world.players[0].position.x + game.world.players[1].position.x - before);
    }
    state.counters["px/frame"] = benchmark::Counter(walked / static_cast<double>(frame));
    game.input.keys[sf::Keyboard::D] = game.input.keys[sf::Keyboard::Right] = false;
    benchmark::DoNotOptimize(game.world.players[0].position);
}
BENCHMARK(BM_RoomUpdate)->Unit(benchmark::kMicrosecond);

// The pause menu over the hub, the options and the key-binding screen.
const SceneState menuScreens[3] = {SceneState::Pause, SceneState::Options, SceneState::KeyBindings};

void showScreen(Game& game, int screen)
{
    game.pauseMenu.returnState = SceneState::MainHub;
    game.options.returnState = SceneState::Pause;
    game.state = menuScreens[screen];
}

void BM_MenuScreenUpdate(benchmark::State& state)
{
    Game& game = menuGame();
    showScreen(game, static_cast<int>(state.range(0)));
    for (auto _ : state)
        runFrame(game, frameTime, {}, false);
    game.state = SceneState::MainHub;
}
BENCHMARK(BM_MenuScreenUpdate)->DenseRange(0, 2)->ArgNames({"pauseOptionsKeys"})->Unit(benchmark::kMicrosecond);

void drawFrames(Game& game, benchmark::State& state)
{
    for (auto _ : state) {
        game.window.clear();
        draw(game);
        game.window.display();
    }
}

// The hub as the players see it; with furniture 0 its doors, map, prompts and
// score are left out, the room as it was drawn before them.
void BM_RoomDraw(benchmark::State& state)
{
    Game& game = menuGame();
    game.state = SceneState::MainHub;
    MainHub& hub = game.mainHub;
    std::vector<Door> doors = hub.doors;
    std::vector<sf::Vertex> map = hub.mapPicture;
    if (state.range(0) == 0) {
        hub.doors.clear();
        hub.mapPicture.clear();
        hub.separatorText.setCharacterSize(0);
        hub.winText[0].setCharacterSize(0);
        hub.winText[1].setCharacterSize(0);
    }
    drawFrames(game, state);
    hub.doors = doors;
    hub.mapPicture = map;
    for (sf::Text* text : {&hub.separatorText, &hub.winText[0], &hub.winText[1]})
        text->setCharacterSize(40);
}
BENCHMARK(BM_RoomDraw)->Arg(0)->Arg(1)->ArgNames({"furniture"})->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MenuScreenDraw(benchmark::State& state)
{
    Game& game = menuGame();
    showScreen(game, static_cast<int>(state.range(0)));
    runFrame(game, frameTime, {}, false);
    drawFrames(game, state);
    game.state = SceneState::MainHub;
}
BENCHMARK(BM_MenuScreenDraw)->DenseRange(0, 2)->ArgNames({"pauseOptionsKeys"})->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
