#include "match/MatchFlow.h"

// Placeholders until the match rules are written.
void resetMatch(Game&) {}
void setUpClassicFight(Game&) {}
void setUpCaaFight(Game&) {}
void placeForFight(Game&) {}
void caaRules(Game&) {}
void matchRules(Game&) {}
