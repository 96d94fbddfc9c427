#pragma once

#include "world/FightSetUp.h"

#include <filesystem>

// The ground of a fight (tiles, fighters' frames and their alpha), loaded once
// for the whole test binary from the run folder: it never changes during a fight.
FightGround& jungleGround();

// Level files are read from the run folder (read only here) when a fight is
// set up; the folder a test was in comes back after it.
struct InRunFolder {
    std::filesystem::path was = std::filesystem::current_path();
    InRunFolder() { std::filesystem::current_path(KESTRELFALL_RUN_DIR); }
    ~InRunFolder() { std::filesystem::current_path(was); }
};
