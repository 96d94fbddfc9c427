#pragma once

#include "opponent/Opponent.h"
#include "world/FightInput.h"

#include <array>
#include <cstdint>
#include <optional>

struct Game;

// The fighters the computer plays in the fight on screen: one opponent for
// each, made at the fight's first step and let go when the fight is left or
// set up anew (`letComputersGo`), so every fight meets a fresh one.
struct ComputerPlayers {
    std::array<std::optional<Opponent>, 2> seats;
};

// Forgets the opponents: the next fight step makes new ones.
void letComputersGo(Game& game);
// The fight on screen as its players see it.
OpponentView viewOfGame(const Game& game);
// The computer plays `player` now: its card says so and a fight is on screen.
bool computerPlays(const Game& game, int player);
// Its opponent's buttons for this step.
FightInput computerButtons(Game& game, int player);
