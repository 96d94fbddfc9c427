#include "match/FighterReset.h"

#include "fighters/Player.h"
#include "match/Items.h"

void reviveFighter(Player& p)
{
    p.attacking = false;
    setBothStates(p, AnimState::IDLE);
    p.dead = false;
    p.hitPoints = 1;
    if (p.skill.kind == gigachillKind) {
        p.skill.shieldReady = false;
        p.hitPoints = p.skill.shieldTimer >= fullShieldTime ? 2 : 1;
    }
    if (p.skill.kind == napolloKind)
        p.skill.ammo = napolloShots;
}

void discardItem(Player& p)
{
    if (p.item) {
        p.useItemRequest = false;
        destroyItem(p);
    }
}
