#include "world/JungleGround.h"

FightGround& jungleGround()
{
    static FightGround* ground = [] {
        auto* loaded = new FightGround;
        loadFightGround(*loaded);
        return loaded;
    }();
    return *ground;
}
