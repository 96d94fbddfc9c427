#include "match/Goal.h"

#include "world/FightWorld.h"
#include "match/FloorSearch.h"
#include "match/MatchFlow.h"
#include "match/Sections.h"

#include <algorithm>
#include <cmath>

namespace {

// The flag flies to a point this fraction of the goal's height above its centre.
constexpr float targetHeightDivisor = 2.25f;

// The first row of a column, from the top, that is empty above a non-empty cell.
int floorRow(const TileMap& map, int section, int column)
{
    for (int row = 0; row + 1 < sectionRows; ++row)
        if (tileCode(map, section, column, row) == emptyCode &&
            tileCode(map, section, column, row + 1) != emptyCode)
            return row;
    return -1;
}

sf::Vector2f flightTarget(const FightWorld& world)
{
    const float height = world.setting ? world.setting->goalBox.height : 0.f;
    return world.goal - sf::Vector2f(0.f, height / targetHeightDivisor);
}

// One frame of a captured flag's flight; true when it has arrived.
bool fly(FightWorld& world, Flag& flag)
{
    const float dt = world.stepTime;
    const sf::Vector2f target = flightTarget(world);
    const sf::Vector2f from = flag.shownAt;
    const sf::Vector2f gap = target - from;
    const float distance = std::sqrt(gap.x * gap.x + gap.y * gap.y);
    // The view shakes and closes in on the goal while the flag flies.
    startShake(world.camera, captureShakeAmplitude, captureShakeDuration);
    world.camera.view.zoom(1.f - dt / captureZoomTime);
    // The step never overshoots, so the flag always lands on the target.
    const float step = std::min(captureFlightSpeed * dt, distance);
    flag.position = distance > 0.f ? from + gap * (step / distance) : target;
    const sf::Vector2f left = target - flag.position;
    return step >= distance || left.x * left.x + left.y * left.y < dt * 3.f;
}

}  // namespace

void placeGoal(FightWorld& world)
{
    const TileMap& map = tiles(world);
    const float x = static_cast<float>(middleSection(world)) * world.sectionWidth + world.sectionWidth * 0.5f;
    const int column = static_cast<int>(std::floor((x - static_cast<float>(world.sectionIndex) * world.sectionWidth) / tileSize));
    int row = floorRow(map, world.sectionIndex, column);
    // A middle column without ground: the goal stands on the nearest floor.
    if (row < 0)
        row = findFloorCell(map, world.sectionIndex, x, -1, 0.f).row;
    world.goal = sf::Vector2f(x, static_cast<float>((row - 1) * tileSize));
}

void captureStep(FightWorld& world)
{
    for (int i = 0; i < 2; ++i) {
        Flag& flag = world.flags[i];
        // 1. A flag touching the goal is taken, carried or not.
        if (!flagTouchesGoal(world, i))
            continue;
        flag.carried = false;
        world.match.flagTaken = true;
        // 2-7. It flies into the goal; its arrival wins.
        if (fly(world, flag)) {
            world.camera.shaking = false;
            world.events.music = FightMusic::Stops;
            declareWinner(world, i);
        }
    }
}
