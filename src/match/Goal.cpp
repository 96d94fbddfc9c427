#include "match/Goal.h"

#include "app/Game.h"
#include "match/FloorSearch.h"
#include "match/MatchFlow.h"
#include "match/Sections.h"

#include <algorithm>
#include <cmath>

namespace {

// The flag flies to a point this fraction of the goal's height above its centre.
constexpr float targetHeightDivisor = 2.25f;

// The first row of a column, from the top, that is empty above a non-empty cell.
int floorRow(const TileMap& map, int column)
{
    for (int row = 0; row + 1 < sectionRows; ++row)
        if (tileCode(map, map.sectionIndex, column, row) == emptyCode &&
            tileCode(map, map.sectionIndex, column, row + 1) != emptyCode)
            return row;
    return -1;
}

sf::Vector2f flightTarget(const Game& game)
{
    const float height = static_cast<float>(game.goal.getTextureRect().height);
    return game.goal.getPosition() - sf::Vector2f(0.f, height / targetHeightDivisor);
}

// One frame of a captured flag's flight; true when it has arrived.
bool fly(Game& game, Flag& flag)
{
    const float dt = game.frameTime;
    const sf::Vector2f target = flightTarget(game);
    const sf::Vector2f from = flag.sprite.getPosition();
    const sf::Vector2f gap = target - from;
    const float distance = std::sqrt(gap.x * gap.x + gap.y * gap.y);
    // The view shakes and closes in on the goal while the flag flies.
    startShake(game.world.camera, captureShakeAmplitude, captureShakeDuration);
    game.world.camera.view.zoom(1.f - dt / captureZoomTime);
    // The step never overshoots, so the flag always lands on the target.
    const float step = std::min(captureFlightSpeed * dt, distance);
    flag.position = distance > 0.f ? from + gap * (step / distance) : target;
    const sf::Vector2f left = target - flag.position;
    return step >= distance || left.x * left.x + left.y * left.y < dt * 3.f;
}

}  // namespace

void placeGoal(Game& game)
{
    const TileMap& map = game.tileMap;
    const float x = static_cast<float>(middleSection(game)) * game.world.sectionWidth + game.world.sectionWidth * 0.5f;
    const int column = static_cast<int>(std::floor((x - static_cast<float>(map.sectionIndex) * game.world.sectionWidth) / tileSize));
    int row = floorRow(map, column);
    // A middle column without ground: the goal stands on the nearest floor.
    if (row < 0)
        row = findFloorCell(map, x, -1, 0.f).row;
    game.goal.setPosition(x, static_cast<float>((row - 1) * tileSize));
}

void captureStep(Game& game)
{
    for (int i = 0; i < 2; ++i) {
        Flag& flag = game.world.flags[i];
        // 1. A flag touching the goal is taken, carried or not.
        if (!flagTouchesGoal(game, i))
            continue;
        flag.carried = false;
        game.world.match.flagTaken = true;
        // 2-7. It flies into the goal; its arrival wins.
        if (fly(game, flag)) {
            game.world.camera.shaking = false;
            stopFightMusic();
            declareWinner(game, i);
        }
    }
}
