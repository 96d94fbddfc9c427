#pragma once

struct Game;

// The match rules of both modes: set-up, reset, placement and win tests.
void resetMatch(Game& game);
void setUpClassicFight(Game& game);
void setUpCaaFight(Game& game);
void placeForFight(Game& game);
void caaRules(Game& game);
void matchRules(Game& game);
