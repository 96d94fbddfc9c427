#include "fighters/PlayersTick.h"

// Placeholder until the fighters' movement is written.
void playersTick(Game&) {}
