#include "JungleViews.h"

#include "support/Headless.h"

#include <algorithm>

namespace {

// The ground of a column: the lowest floor with room above it.
int floorRow(const OpponentView& view, int column)
{
    int floor = sectionRows;
    for (int row = 1; row < sectionRows; ++row)
        if (liveCode(view, column, row - 1) == emptyCode && solidCode(liveCode(view, column, row)))
            floor = row;
    return floor;
}

}  // namespace

const TileMap& jungle()
{
    static const TileMap map = [] {
        enterFreshRunFolder();
        TileMap loaded;
        loadLevel(loaded, "Assets/Map/Officiel/Jungle/Jungle.txt");
        return loaded;
    }();
    return map;
}

void standOn(OpponentView& view, int player, int column, int facing)
{
    FighterView& f = view.fighters[static_cast<std::size_t>(player)];
    f.x = view.sectionLeft + static_cast<float>(column * tileSize + tileSize / 2);
    f.y = static_cast<float>(floorRow(view, column) * tileSize) - f.height / 2.f;
    f.vx = f.vy = 0.f;
    f.onGround = true;
    f.airborne = false;
    f.facing = facing;
    f.alive = true;
    f.action = FighterAction::Idle;
}

OpponentView jungleView(int section, int p1Column, int p2Column)
{
    const TileMap& map = jungle();
    OpponentView view;
    view.tiles = &map.grid;
    view.section = section;
    view.lastSection = map.lastSection;
    view.sectionWidth = static_cast<float>(map.columns * tileSize);
    view.sectionLeft = static_cast<float>(section) * view.sectionWidth;
    view.phase = MatchPhase::Live;
    view.flags[0] = {map.flag0X, 0.f, false, map.lastSection};
    view.flags[1] = {map.flag1X, 0.f, false, 0};
    view.goalX = view.sectionWidth * (static_cast<float>(map.lastSection / 2) + 0.5f);
    for (int i = 0; i < 2; ++i)
        view.fighters[static_cast<std::size_t>(i)].height = 108.f;
    standOn(view, 0, p1Column, 1);
    standOn(view, 1, p2Column, -1);
    return view;
}

SoloRun soloRun(const OpponentView& start, Strength strength, int player, std::uint64_t seed)
{
    SoloRun run;
    run.view = start;
    run.opponent = makeOpponent(strength, seed, player);
    run.body = motionOf(start.fighters[static_cast<std::size_t>(player)]);
    return run;
}

void stepSolo(SoloRun& run)
{
    constexpr float dt = 1.f / 300.f;
    const FightInput input = decideInput(run.opponent, run.view);
    FighterView& f = run.view.fighters[static_cast<std::size_t>(run.opponent.player)];
    stepMotion(run.body, input, run.view, dt);
    placeFighter(f, run.body);
    if (input.held(ButtonLeft) != input.held(ButtonRight))
        f.facing = input.held(ButtonLeft) ? -1 : 1;
    run.died = run.body.dead;
    run.still = (input.buttons & (ButtonLeft | ButtonRight | ButtonJump)) ? 0 : run.still + 1;
    run.longestStill = std::max(run.longestStill, run.still);
    ++run.steps;
}
