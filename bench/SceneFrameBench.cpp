#include "BenchGame.h"
#include "app/Frame.h"
#include "app/Game.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

// Start-up, and one idle frame (the title) split into its update and its
// draw, under whatever renderer the display offers (Mesa's software one
// under Xvfb). Run from a folder holding an asset tree to measure on it;
// elsewhere the generated run tree is used, or an empty folder.

namespace {

void enterRunTree()
{
    namespace fs = std::filesystem;
    if (fs::is_directory("Assets"))
        return;
    const fs::path runTree(KESTRELFALL_RUN_DIR);
    if (fs::is_directory(runTree)) {
        fs::current_path(runTree);
        return;
    }
    const fs::path empty = fs::temp_directory_path() / "kestrelfall-bench";
    fs::create_directories(empty);
    fs::current_path(empty);
}

// A windowed game sitting on the title screen.
std::unique_ptr<Game> gameOnTitle()
{
    enterRunTree();
    auto game = std::make_unique<Game>();
    openBenchWindow(*game);
    game->state = SceneState::Title;
    runFrame(*game, 1.f / 60.f, {});
    return game;
}

void StartupToFirstFrame(benchmark::State& state)
{
    enterRunTree();
    for (auto _ : state) {
        auto game = std::make_unique<Game>();
        game->fullscreen = false;
        createWindow(*game);
        runFrame(*game, 1.f / 60.f, {});
        game->window.close();
    }
}
// One start-up a process: a second one would find every picture in the
// texture cache. Run it alone (--benchmark_filter) for a cold start.
BENCHMARK(StartupToFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(1);

void TitleUpdate(benchmark::State& state)
{
    auto game = gameOnTitle();
    for (auto _ : state)
        runFrame(*game, 1.f / 300.f, {}, false);
    benchmark::DoNotOptimize(game->titleLogo.getPosition());
}
BENCHMARK(TitleUpdate)->Unit(benchmark::kMicrosecond);

void TitleDraw(benchmark::State& state)
{
    auto game = gameOnTitle();
    for (auto _ : state) {
        game->window.clear(sf::Color::Black);
        draw(*game);
        game->window.display();
    }
}
BENCHMARK(TitleDraw)->Unit(benchmark::kMillisecond);

}  // namespace
