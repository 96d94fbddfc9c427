#include "match/Items.h"

// Placeholders until the crates and items are written.
void crateStep(Game&) {}
void activeItems(Game&) {}
