#include "match/JungleMatch.h"
#include "app/FixedSteps.h"

#include "app/Frame.h"
#include "match/MatchFlow.h"
#include "match/Sections.h"

JungleMatch::JungleMatch(bool window) : headless(window), game(*headless.game)
{
    game.state = SceneState::MapSelect;
    tellWorld(game);
    setUpClassicFight(game.world, "");
    placeGoal(game.world);
    game.state = SceneState::Fight;
    tellWorld(game);
    game.world.time.now = 10.0;  // the curtain's settle time is long past
    for (Player& p : game.world.players)
        p.keyboardMode = true;
}

void JungleMatch::frames(int count, float dt)
{
    for (int i = 0; i < count; ++i)
        runFrame(game, dt, {}, drawing && game.window.isOpen());
}

void JungleMatch::goLive()
{
    runUntil([this] { return game.world.match.fightLive; }, 5.f);
}

void JungleMatch::knockDown(Player& p)
{
    p.hitPoints = 0;
}
