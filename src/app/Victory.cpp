#include "app/Victory.h"

#include "app/ComputerPlayers.h"
#include "app/Cursor.h"
#include "app/Game.h"
#include "app/Latches.h"
#include "app/MatchReset.h"
#include "match/MatchFlow.h"
#include "match/Sections.h"
#include "menus/MenuRooms.h"
#include "replay/ReplayWatching.h"

#include <iostream>

namespace {

// The result screen keeps the middle section of the level live (of 3, 5, 7 or 9).
void showMiddleSection(Game& game)
{
    makeLive(game.world, middleSection(game.world));
}

void clearMatchMarks(Game& game)
{
    for (Player& player : game.world.players) {
        player.advancing = false;
        player.isWinner = false;
    }
    for (Flag& flag : game.world.flags)
        flag.carried = false;
}

bool rematchAsked(const Game& game)
{
    return game.input.keyDown(sf::Keyboard::Space) || (game.input.buttonDown(0, buttonA) && !game.latchA);
}

bool hubAsked(const Game& game)
{
    return game.input.keyDown(sf::Keyboard::Escape) || (game.input.buttonDown(0, buttonB) && !game.latchB);
}

}  // namespace

void updateVictory(Game& game)
{
    // 1. Cursor and the screen's own timer.
    setCursorVisible(game, true);
    game.victoryTime += game.frameTime;
    // 2. The middle section of a classic level, every frame.
    if (!game.world.match.caaMode)
        showMiddleSection(game);
    // 3. Rematch, 4. back to the hub, 5. the replay.
    if (rematchAsked(game))
        startRematch(game);
    if (hubAsked(game))
        returnToHub(game);
    // 5. Watching the match just ended.
    if (game.state == SceneState::Victory && replayAsked(game)) {
        const ReplayRecord match = *game.replay.lastMatch;
        const std::string problem = watchReplay(game, match);
        if (!problem.empty())
            std::cerr << "the replay " << problem << '\n';
    }
}

void startRematch(Game& game)
{
    game.victoryTime = 0.f;
    letComputersGo(game);
    const bool caa = game.world.match.caaMode;
    resetMatch(game);
    if (caa)
        game.world.match.caaMode = true;
    for (Player& player : game.world.players)
        player.velocity = sf::Vector2f(0.f, 0.f);
    game.world.match.fightLive = false;
    if (game.world.match.caaMode)
        setUpCaaFight(game.world);
    else
        setUpClassicFight(game.world, game.customMapChosen ? game.customMapPath : std::string());
    placeForFight(game.world);
    clearMatchMarks(game);
    game.state = SceneState::Fight;
}

void returnToHub(Game& game)
{
    game.customMapChosen = false;
    game.victoryTime = 0.f;
    resetMatch(game);
    rebuildHubCollision(game.mainHub);
    setCursorVisible(game, true);
    game.latchB = true;
    game.state = SceneState::MainHub;
    clearMatchMarks(game);
    game.world.players[0].advancing = true;
}
