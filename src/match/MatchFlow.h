#pragma once

struct Game;

// The match rules of both modes: set-up, reset, placement and win tests.
void resetMatch(Game& game);
void setUpClassicFight(Game& game);
void setUpCaaFight(Game& game);
void placeForFight(Game& game);
void caaRules(Game& game);
void matchRules(Game& game);
// The start countdown and the classic match timer, run by the HUD update.
void updateCountdown(Game& game);
void updateTimer(Game& game);
void startSuddenDeath(Game& game);
// Player `winner` (0 or 1) wins the match: the result screen follows.
void declareWinner(Game& game, int winner);
