#include "fighters/Combat.h"

// Melee rules come with the fighting rules; until then swings touch nobody.
void attackFrames(Player&)
{
}

void parryFrames(Player&)
{
}

void resolveHit(Player&, Player&)
{
}

void resolveHubHit(Player&, Player&)
{
}
