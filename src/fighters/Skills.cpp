#include "fighters/Skills.h"

// The four skills come with the fighting rules; until then a kind is only recorded.
void selectSkill(Skill& skill, Player&, int kind)
{
    skill.kind = kind;
}

void updateMarker(SwapMarker&)
{
}
