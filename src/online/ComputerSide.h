#pragma once

#include "opponent/Opponent.h"
#include "settings/PlayerControl.h"
#include "world/FightWorld.h"

#include <cstdint>
#include <optional>

// This side's fighter played by the computer in an online match: a fresh
// opponent for each match, seeing the live world as a person sees the screen.
struct ComputerSide {
    std::optional<Opponent> opponent;

    FightInput buttons(Strength strength, int player, const FightWorld& world, std::uint32_t step);
};
