#include "match/Sections.h"

// Placeholders until the sections and flags are written.
void updateChaseSituation(Game&) {}
void updateFlags(Game&) {}
