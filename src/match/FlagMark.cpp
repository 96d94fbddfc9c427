#include "match/FlagMark.h"

#include "app/Game.h"

FlagMark flagMark(const Game& game, int index)
{
    const Flag& flag = game.flags[index];
    FlagMark mark;
    mark.carried = flag.carried;
    // A carried flag travels with its player; a lying one stays at its base
    // (P1's in the last section, P2's in the first).
    if (flag.carried)
        mark.section = game.tileMap.sectionIndex;
    else
        mark.section = index == 0 ? game.tileMap.lastSection : 0;
    mark.position = game.flagPictures[index].getPosition();
    return mark;
}
