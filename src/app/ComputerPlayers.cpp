#include "app/ComputerPlayers.h"

#include "app/Game.h"
#include "opponent/FightView.h"

void letComputersGo(Game& game)
{
    game.computers.seats = {};
}

OpponentView viewOfGame(const Game& game)
{
    return viewOfFight(game.world);
}

bool computerPlays(const Game& game, int player)
{
    return game.state == SceneState::Fight && game.playerControls.players[static_cast<std::size_t>(player)].computer;
}

FightInput computerButtons(Game& game, int player)
{
    std::optional<Opponent>& seat = game.computers.seats[static_cast<std::size_t>(player)];
    // 1. The first step of a fight makes the opponent at the card's strength.
    const Strength strength = game.playerControls.players[static_cast<std::size_t>(player)].strength;
    if (!seat || seat->strength != strength)
        seat = makeOpponent(strength, opponentSeed(game.world.random), player);
    // 2. It answers what it sees.
    return decideInput(*seat, viewOfGame(game));
}
