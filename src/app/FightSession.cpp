#include "app/FightSession.h"

#include "app/ComputerPlayers.h"
#include "app/FixedSteps.h"
#include "app/Frame.h"
#include "app/Game.h"
#include "match/Goal.h"
#include "world/FightStep.h"
#include "match/MatchFlow.h"
#include "menus/FighterChoice.h"
#include "replay/FightRecording.h"

namespace {

constexpr double settledCurtain = 10.0;  // s: the curtain's settle time is long past

}  // namespace

void startFight(Game& game, const FightPlan& plan)
{
    tellWorld(game);
    // 1. The generator, fresh opponents, and the fighters' kinds as the rooms would leave them.
    seedRandom(game.world.random, plan.seed);
    letComputersGo(game);
    for (int i = 0; i < 2; ++i)
        setFighterKind(game.world.players[i], plan.kinds[i]);
    // 2. The level and the match, entered from the room that leads to them.
    game.customMapChosen = !plan.level.empty();
    game.customMapPath = plan.level;
    if (plan.mode == FightMode::Caa) {
        game.state = SceneState::ModeSelect;
        setUpCaaFight(game.world);
    } else {
        game.state = SceneState::MapSelect;
        setUpClassicFight(game.world, game.customMapChosen ? game.customMapPath : std::string());
        placeGoal(game.world);
    }
    game.state = SceneState::Fight;
    // 3. No curtain, no frame time left over, buttons from outside.
    game.screenFade.active = false;
    game.world.time.now += settledCurtain;
    game.screenFade.clock.startedAt = game.world.time.now - settledCurtain;
    game.steps.carried = 0.0;
    game.scriptedButtons.playing = true;
    for (Player& p : game.world.players)
        p.keyboardMode = true;
    // 4. Recorded as a played match, or not at all.
    game.replay.recording.phase = RecordingPhase::NotRecorded;
    if (plan.recorded)
        beginRecording(game, plan);
}

void stepFight(Game& game, const FightInput inputs[2])
{
    game.scriptedButtons.inputs[0] = inputs[0];
    game.scriptedButtons.inputs[1] = inputs[1];
    game.steps.carried = 0.0;
    runFrame(game, fixedStep, {}, false);
}

int fightWinner(const Game& game)
{
    return fightWinner(game.world);
}
