#include "match/MatchFlow.h"

// Placeholders until the match rules are written.
void resetMatch(Game&) {}
void setUpClassicFight(Game&) {}
void setUpCaaFight(Game&) {}
void placeForFight(Game&) {}
void caaRules(Game&) {}
void matchRules(Game&) {}
void updateCountdown(Game&) {}
void updateTimer(Game&) {}
void startSuddenDeath(Game&) {}
void declareWinner(Game&, int) {}
