#include "render/hud/FlagMark.h"

#include "app/Game.h"

FlagMark flagMark(const Game& game, int index)
{
    const Flag& flag = game.world.flags[index];
    FlagMark mark;
    mark.section = flag.section;
    mark.position = flag.position;
    mark.carried = flag.carried;
    return mark;
}
