#include "app/FixedSteps.h"

#include "app/Game.h"
#include "app/SceneUpdate.h"
#include "audio/StepSounds.h"
#include "fighters/Projectile.h"
#include "replay/FightRecording.h"

#include <string>

#include <algorithm>
#include <cmath>

namespace {

// Frame times are floats: a sum of frames this close below a whole number of
// steps still makes that number (1/25 s is a little less than 0.04 as a float).
constexpr double stepTolerance = 1e-6;  // s

}  // namespace

void tellWorld(Game& game)
{
    FightWorld& world = game.world;
    world.stepTime = game.frameTime;
    world.match.fightScene = game.state == SceneState::Fight;
    world.curtain.active = game.screenFade.active;
    world.curtain.darkening = game.screenFade.darkening;
    world.curtain.settled = game.screenFade.clock.elapsed(world.time) >= game.screenFade.settleTime;
    game.fightSetting.screen = game.resolution;
}

void applyStepEvents(Game& game)
{
    const StepEvents& events = game.world.events;
    playStepSounds(events);
    if (events.stopFlash)
        game.hud.stopFlash = true;
    for (int i = 0; i < 2; ++i)
        if (events.victories[i] > 0) {
            MainHub& hub = game.mainHub;
            hub.winCount[i] += events.victories[i];
            hub.winText[i].setString(std::to_string(hub.winCount[i]));
        }
    if (events.matchWon)
        game.state = SceneState::Victory;
    game.world.events = StepEvents{};
}

namespace {

void simulateStep(Game& game)
{
    tellWorld(game);
    if (game.state != SceneState::Fight)
        updateProjectiles(game.world);  // the fight's own rules move its shots
    updateScene(game);
    applyStepEvents(game);
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
    game.world.stepTime = frame;
}
