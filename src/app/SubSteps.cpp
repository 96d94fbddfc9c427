#include "app/SubSteps.h"

#include "app/Game.h"
#include "app/SceneUpdate.h"
#include "fighters/Projectile.h"

#include <algorithm>
#include <cmath>

namespace {

// A frame this close above a whole number of steps (float rounding of 1/120,
// 1/60...) still takes that number.
constexpr float splitTolerance = 1e-4f;  // in steps

void simulateStep(Game& game)
{
    updateProjectiles(game);
    updateScene(game);
}

}  // namespace

float boundedFrameTime(float measured)
{
    if (!(measured > 0.f))
        return 0.f;
    return std::min(measured, longestFrame);
}

FrameSplit splitFrame(float frameTime)
{
    const float steps = std::ceil(frameTime / maxSubStep - splitTolerance);
    FrameSplit split;
    split.count = steps > 1.f ? static_cast<int>(steps) : 1;
    split.length = frameTime / static_cast<float>(split.count);
    return split;
}

bool simulatesInSubSteps(const Game& game)
{
    switch (game.state) {
    case SceneState::MainHub:
    case SceneState::ModeSelect:
    case SceneState::MapSelect:
    case SceneState::Fight:
        return true;
    default:
        return false;
    }
}

void simulateFrame(Game& game)
{
    const FrameSplit split = splitFrame(game.frameTime);
    if (split.count == 1 || !simulatesInSubSteps(game)) {
        simulateStep(game);
        return;
    }
    const float frame = game.frameTime;
    const double frameEnd = game.time.now;
    const double frameStart = frameEnd - frame;
    const SceneState scene = game.state;
    game.frameTime = split.length;
    for (int i = 1; i <= split.count && game.state == scene; ++i) {
        game.time.now = i == split.count ? frameEnd : frameStart + static_cast<double>(split.length) * i;
        simulateStep(game);
    }
    game.frameTime = frame;
    game.time.now = frameEnd;
}
