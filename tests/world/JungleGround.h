#pragma once

#include "world/FightSetUp.h"

// The ground of a fight (tiles, fighters' pictures and masks), loaded once for
// the whole test binary from the run folder: it never changes during a fight.
FightGround& jungleGround();
