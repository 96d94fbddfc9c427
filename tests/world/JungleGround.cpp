#include "world/JungleGround.h"

FightGround& jungleGround()
{
    static FightGround* ground = [] {
        const InRunFolder runFolder;
        auto* loaded = new FightGround;
        loadFightGround(*loaded);
        return loaded;
    }();
    return *ground;
}
