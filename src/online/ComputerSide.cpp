#include "online/ComputerSide.h"

#include "app/ComputerPlayers.h"
#include "opponent/FightView.h"

FightInput ComputerSide::buttons(Strength strength, int player, const FightWorld& world, std::uint32_t step)
{
    if (!opponent || step == 0)
        opponent = makeOpponent(strength, opponentSeed(world.random), player);
    return decideInput(*opponent, viewOfFight(world));
}
