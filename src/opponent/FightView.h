#pragma once

#include "opponent/OpponentView.h"

struct FightWorld;

// One step of a fight as a player sees it, field by field: the world and the
// level it is played on.
OpponentView viewOfFight(const FightWorld& world);
