#include "match/Hazards.h"

// Hazard effects come with the fighting rules; until then nothing is touched.
void hazardTest(Player&)
{
}
