#pragma once

#include "app/SceneState.h"

#include <SFML/Graphics/Sprite.hpp>

#include <vector>

struct Game;
struct MenuRoom;
struct Player;

// A door of the menu rooms reaches this far down from its top: only the
// horizontal overlap and standing below its top matter.
constexpr float doorReach = 2000.f;  // px
constexpr float doorTop = 512.f;     // px, the y of every door's top-left corner

enum class DoorKind { Play, Editor, Credits, Quit, Back, Classic, Caa, Online, Jungle, Custom };

struct Door {
    DoorKind kind = DoorKind::Back;
    SceneState target = SceneState::MainHub;  // where the fade leads (unused by Quit)
    sf::Sprite sprite;                        // top-left corner at the door's place
};

// A door at world x (top at doorTop), showing `picture`.
Door makeDoor(DoorKind kind, SceneState target, const char* picture, float x);

// Whether the player's shown frame overlaps the door horizontally and stands
// below its top (within doorReach).
bool atDoor(const Player& player, const Door& door);
// The first door of the room the player stands at, or null.
const Door* firstDoorAt(const MenuRoom& room, const Player& player);

// Each frame in a room: which player stands in front of which door, and the
// prompt above the first such door; whether anyone moves (for the hints) and
// whether the Quit door's question still stands.
void updatePrompts(MenuRoom& room);

// The room action, run by the confirm key or button, for P1 then P2, only for
// the players that hold the hub mark. The main hub runs every door a player
// stands at; the other rooms the first one. Nothing happens while the curtain
// darkens towards a switch already chosen.
void enterDoor(MenuRoom& room);
