#pragma once

#include "audio/Sound.h"

#include <vector>

// One short effect of the sound bank: its key, the file the game loads and
// the recipe that synthesises it.
struct EffectRecipe {
    const char* key;
    const char* path;
    Sound (*make)();
};

// Menu blips, crate, items and flag.
std::vector<EffectRecipe> menuAndItemEffects();
// Attacks, skills, jumps, parries, death and respawn.
std::vector<EffectRecipe> fighterEffects();
