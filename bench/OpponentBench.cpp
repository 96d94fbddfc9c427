#include "opponent/Opponent.h"
#include "opponent/SelfMotion.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

constexpr float stepTime = 1.f / 300.f;  // s

const TileMap& jungleLevel()
{
    static const TileMap map = [] {
        std::error_code noRunFolder;
        std::filesystem::current_path(KESTRELFALL_RUN_DIR, noRunFolder);
        TileMap loaded;
        loadLevel(loaded, "Assets/Map/Officiel/Jungle/Jungle.txt");
        return loaded;
    }();
    return map;
}

// Section 4 of the Jungle, live: P1 (the computer) runs for its flag over the
// pits and spikes while P2 swings at it now and then and a shot flies.
OpponentView busyView()
{
    const TileMap& map = jungleLevel();
    OpponentView view;
    view.tiles = &map.grid;
    view.section = 4;
    view.lastSection = map.lastSection;
    view.sectionLeft = 4.f * view.sectionWidth;
    view.phase = MatchPhase::Live;
    view.rightOfWay = 0;
    view.flags[0] = {map.flag0X, 0.f, false, 4};
    view.flags[1] = {map.flag1X, 0.f, false, 0};
    for (FighterView& f : view.fighters) {
        f.height = 108.f;
        f.onGround = true;
    }
    view.fighters[0].advancing = true;
    view.fighters[0].x = view.sectionLeft + 160.f;
    view.fighters[0].y = 896.f - 54.f;
    view.fighters[1].x = view.sectionLeft + 1400.f;
    view.fighters[1].y = 832.f - 54.f;
    view.fighters[1].facing = -1;
    view.shotCount = 1;
    view.shots[0] = {view.sectionLeft + 1300.f, 800.f, -1, 1, false};
    return view;
}

// One step of deciding on HARD, with the fighter moved by its own buttons (a
// step of the small movement model, a fraction of the figure, is timed too).
void BM_OpponentDecidesOneStepOnHard(benchmark::State& state)
{
    const OpponentView start = busyView();
    OpponentView view = start;
    Opponent opponent = makeOpponent(Strength::Hard, 7, 0);
    SelfMotion body = motionOf(view.fighters[0]);
    int step = 0;
    for (auto _ : state) {
        const FightInput input = decideInput(opponent, view);
        benchmark::DoNotOptimize(input);
        stepMotion(body, input, view, stepTime);
        if (body.dead || body.x > start.sectionLeft + 3700.f)
            body = motionOf(start.fighters[0]);
        placeFighter(view.fighters[0], body);
        view.fighters[1].action = (++step / 150) % 2 ? FighterAction::Attacking : FighterAction::Idle;
    }
}
BENCHMARK(BM_OpponentDecidesOneStepOnHard)->Iterations(30000);

}  // namespace
