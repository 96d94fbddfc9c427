#include "app/FixedSteps.h"

#include "app/Game.h"
#include "app/SceneUpdate.h"
#include "fighters/Projectile.h"
#include "replay/FightRecording.h"

#include <algorithm>
#include <cmath>

namespace {

// Frame times are floats: a sum of frames this close below a whole number of
// steps still makes that number (1/25 s is a little less than 0.04 as a float).
constexpr double stepTolerance = 1e-6;  // s

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

int takeSteps(StepAccumulator& accumulator, float frameTime)
{
    const double step = static_cast<double>(fixedStep);
    accumulator.carried += static_cast<double>(frameTime);
    const double whole = std::floor((accumulator.carried + stepTolerance) / step);
    const int count = whole > 0.0 ? static_cast<int>(whole) : 0;
    accumulator.carried = std::max(0.0, accumulator.carried - static_cast<double>(count) * step);
    return count;
}

bool simulatesInSteps(const Game& game)
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
    if (!simulatesInSteps(game)) {
        game.steps.carried = 0.0;
        game.world.time.now += game.frameTime;
        simulateStep(game);
        consumeTaps(game.input);
        return;
    }
    const float frame = game.frameTime;
    const int count = takeSteps(game.steps, frame);
    const SceneState scene = game.state;
    game.frameTime = fixedStep;
    for (int i = 0; i < count && game.state == scene; ++i) {
        const bool fight = scene == SceneState::Fight;
        if (fight)
            beforeFightStep(game);
        game.world.time.now += 1.0 / 300.0;
        simulateStep(game);
        consumeTaps(game.input);  // a tap counts in the first step after it, once
        if (fight)
            afterFightStep(game);
    }
    if (game.state != scene)
        game.steps.carried = 0.0;
    game.frameTime = frame;
}
