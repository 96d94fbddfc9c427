#pragma once

#include "app/Game.h"

#include <memory>

// Opens the game's window for measuring: not full screen and without the
// frame-rate cap, so that the work is measured rather than the cap.
void openBenchWindow(Game& game);

// A game made in the generated run folder (the working folder is changed
// there), its window open.
std::unique_ptr<Game> windowedRunGame();
