#pragma once

#include "level/TileMap.h"

#include <string>
#include <vector>

// A hub map is only usable when a fighter can stand in front of every door:
// a map of empty cells lets the fighters fall for ever, one of spikes kills
// them at once, and either way no door can be reached.

// Why the grid cannot be used ("" when it can): the first door (its left x,
// px, world) with no floor to stand on in front of it.
std::string hubMapProblem(const Section& grid, const std::vector<float>& doorLefts);

// The layout used instead: walls at both ends and one long grass floor.
Section builtInHubLayout(int columns);
