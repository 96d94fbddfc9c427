#pragma once

#include "assets/LevelFiles.h"

#include <set>
#include <utility>

// Where a fighter can get to in one section, found by flying the fighters'
// own movement (run speed, jump and double-jump impulses, gravity, friction,
// the water slow-down) over the tile grid. It models the slowest and tallest
// fighter, so a level that passes is crossable by every kind.

// A place to stand: the column of the fighter's centre and the row of the
// solid tile under its feet.
using Stand = std::pair<int, int>;

std::set<Stand> reachableFrom(const SectionFile& section, Stand start);

// The place to stand on the column's floor, as found from the top.
Stand standOnFloor(const SectionFile& section, int column);
