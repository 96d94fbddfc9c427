#pragma once

#include "menus/Doors.h"

struct Game;
struct MenuRoom;

// A fight door only notes its choice: the level, the flags and the fighters'
// fight places are set up once the curtain is black, so the room stays whole
// (its floor, doors and fighters) for as long as it can be seen.
void chooseFightAtBlack(MenuRoom& room, DoorKind door);

// At the switch into the fight: sets up the fight the current room's door
// chose, if any. Nothing happens for a room without such a choice.
void setUpChosenFight(Game& game);
