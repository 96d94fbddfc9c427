#include "world/FightStep.h"

#include "fighters/PlayersTick.h"
#include "fighters/Projectile.h"
#include "match/Camera.h"
#include "match/Items.h"
#include "match/MatchFlow.h"
#include "match/Sections.h"
#include "world/FightWorld.h"

const StepEvents& stepFight(FightWorld& world, const FightInput inputs[2])
{
    world.events = StepEvents{};
    world.time.now += 1.0 / 300.0;
    world.stepTime = fixedStep;
    runFightRules(world, inputs);
    return world.events;
}

void runFightRules(FightWorld& world, const FightInput inputs[2])
{
    // 1. The shots in flight, then the kill race's character changes.
    updateProjectiles(world);
    if (world.match.caaMode)
        caaRules(world);
    // 2. Camera, right of way, countdown and timer.
    updateCamera(world.camera);
    updateChaseSituation(world);
    updateMatchClock(world);
    // 3. Fighters.
    playersTick(world, inputs);
    // 4. Crates and items, then the win tests.
    crateStep(world);
    activeItems(world);
    matchRules(world);
    // 5. The flags follow their carriers, except in the kill race and while the curtain darkens.
    if (!world.match.caaMode && !world.curtain.darkening)
        updateFlags(world);
}

int fightWinner(const FightWorld& world)
{
    for (int i = 0; i < 2; ++i)
        if (world.players[i].isWinner)
            return i;
    return -1;
}
