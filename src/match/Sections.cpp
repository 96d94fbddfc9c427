#include "match/Sections.h"

#include "app/Game.h"

// Placeholders until the sections and flags are written.
void updateChaseSituation(Game&) {}
void updateFlags(Game&) {}
void placeGoal(Game&) {}

bool flagTouchesGoal(const Game&, int)
{
    return false;
}
void tryPickUp(Player&) {}
void sectionEdges(Player&) {}
void dropIfDown(Player&) {}

void rightOfWay(Game& game)
{
    Player& p1 = game.players[0];
    Player& p2 = game.players[1];
    // 1-2. A fallen player hands the right of way to the standing one.
    if (p1.hitPoints < 1) {
        if (p2.hitPoints > 0 && !game.bothDown)
            p2.advancing = true;
        p1.advancing = false;
    } else if (p2.hitPoints < 1) {
        if (p1.hitPoints > 0 && !game.bothDown)
            p1.advancing = true;
        p2.advancing = false;
    }
    // 3. While both stand, whoever has it keeps it.
}
