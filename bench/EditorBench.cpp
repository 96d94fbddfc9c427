#include "BenchGame.h"
#include "app/Frame.h"
#include "app/Game.h"
#include "editor/LevelStore.h"
#include "editor/MapEditor.h"
#include "screens/CustomMapScreen.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>

// The editor and the custom level list: a mouse move with the frame update,
// a paint, the canvas draw with nine sections in view, saving and opening,
// and start-up and list rebuilding with a 200-entry list. Files are written
// in a scratch folder only, never in the run folder.

namespace fs = std::filesystem;

namespace {

// A scratch folder whose asset tree links to the generated one, with a
// custom folder of its own.
void enterScratchTree()
{
    const fs::path scratch = fs::temp_directory_path() / "kestrelfall-editor-bench";
    fs::remove_all(scratch);
    fs::create_directories(scratch / "Assets" / "Map" / "Custom");
    const fs::path runTree(KESTRELFALL_RUN_DIR);
    const fs::path runAssets = runTree / "Assets";
    if (fs::is_directory(runAssets)) {
        for (const fs::directory_entry& entry : fs::directory_iterator(runTree))
            if (entry.path().filename() != "Assets")
                fs::create_symlink(entry.path(), scratch / entry.path().filename());
        for (const fs::directory_entry& entry : fs::directory_iterator(runAssets))
            if (entry.path().filename() != "Map")
                fs::create_directory_symlink(entry.path(), scratch / "Assets" / entry.path().filename());
        for (const fs::directory_entry& entry : fs::directory_iterator(runAssets / "Map"))
            if (entry.path().filename() != "Custom")
                fs::create_directory_symlink(entry.path(), scratch / "Assets" / "Map" / entry.path().filename());
    }
    fs::current_path(scratch);
}

std::unique_ptr<Game> editorGame(bool window)
{
    auto game = std::make_unique<Game>();
    if (window)
        openBenchWindow(*game);
    game->state = SceneState::Editor;
    return game;
}

std::vector<Section> sectionsOf(int count)
{
    TileColumn column;
    for (int row = 0; row < sectionRows; ++row)
        column[static_cast<std::size_t>(row)] = row < 12 ? emptyCode : row % 20;
    return std::vector<Section>(static_cast<std::size_t>(count), Section(60, column));
}

void writeLongList(int entries)
{
    std::ofstream list("Assets/Map/Custom/Custom.txt");
    list << entries << "\n";
    for (int i = 0; i < entries; ++i)
        list << "Assets/Map/Custom/L" << i << "/L" << i << ".txt\n";
}

void EditorMouseMoveAndUpdate(benchmark::State& state)
{
    enterScratchTree();
    auto game = editorGame(false);
    sf::Event move;
    move.type = sf::Event::MouseMoved;
    int x = 0;
    for (auto _ : state) {
        move.mouseMove.x = 100 + (x++ % 1600);
        move.mouseMove.y = 500;
        runFrame(*game, 1.f / 300.f, {move}, false);
    }
    benchmark::DoNotOptimize(game->editor.canvas.hover.column);
}
BENCHMARK(EditorMouseMoveAndUpdate)->Unit(benchmark::kMicrosecond);

void EditorPaintOneCell(benchmark::State& state)
{
    enterScratchTree();
    auto game = editorGame(false);
    int code = 0;
    for (auto _ : state) {
        paintCell(game->editor.canvas, CellHit{true, 1, 30, 10}, code);
        code = (code + 1) % 20;
        if (game->editor.canvas.undoStack.size() > 100000)
            game->editor.canvas.undoStack.clear();
    }
}
BENCHMARK(EditorPaintOneCell)->Unit(benchmark::kMicrosecond);

void EditorDrawNineSectionsZoomedOut(benchmark::State& state)
{
    enterScratchTree();
    auto game = editorGame(true);
    MapEditor& editor = game->editor;
    replaceSections(editor.canvas, sectionsOf(9));
    editor.view.zoom(100.f);
    clampZoom(editor);
    updateView(editor);
    for (auto _ : state) {
        drawEditor(editor);
        game->screenLayer.clear(sf::Color::Transparent);
    }
}
BENCHMARK(EditorDrawNineSectionsZoomedOut)->Unit(benchmark::kMillisecond);

void SaveFiveSections(benchmark::State& state)
{
    enterScratchTree();
    const std::vector<Section> sections = sectionsOf(5);
    for (auto _ : state)
        benchmark::DoNotOptimize(saveCustomLevel(sections, "Bench").done);
}
BENCHMARK(SaveFiveSections)->Unit(benchmark::kMillisecond);

void OpenNineSections(benchmark::State& state)
{
    enterScratchTree();
    saveCustomLevel(sectionsOf(9), "Bench");
    for (auto _ : state)
        benchmark::DoNotOptimize(openCustomLevel("Bench").sections.size());
}
BENCHMARK(OpenNineSections)->Unit(benchmark::kMillisecond);

void StartupWith200EntryList(benchmark::State& state)
{
    enterScratchTree();
    writeLongList(200);
    for (auto _ : state)
        benchmark::DoNotOptimize(std::make_unique<Game>()->customMapSelect.paths.size());
}
BENCHMARK(StartupWith200EntryList)->Unit(benchmark::kMillisecond)->Iterations(3);

void RebuildListOf200(benchmark::State& state)
{
    enterScratchTree();
    writeLongList(200);
    auto game = editorGame(false);
    for (auto _ : state)
        rebuildList(game->customMapSelect);
}
BENCHMARK(RebuildListOf200)->Unit(benchmark::kMillisecond);

}  // namespace
