#pragma once

#include "app/SceneState.h"
#include "level/TileMap.h"

#include <SFML/Graphics/Text.hpp>
#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Event.hpp>
#include <SFML/Window/Keyboard.hpp>

#include <string>

struct Game;
struct Player;

// The hub map is 60 columns by 20 rows of 64 px tiles; -1 is an empty cell.
constexpr int hubColumns = 60;

// Where the title and the room doors put the fighters before they drop onto the floor.
const sf::Vector2f hubStartP1{400.f, 320.f};  // px
const sf::Vector2f hubStartP2{450.f, 320.f};  // px

// The three walkable menu rooms. All three use the main hub's map.
struct MainHub {
    Game* game = nullptr;
    Section grid = Section(hubColumns, TileColumn{});  // [column][row] tile codes, all 0 until read
    SceneState targetState = SceneState::Title;
    bool armed = false;  // the curtain was seen darkening for this room's switch
    int winCount[2] = {0, 0};  // classic wins of P1 and P2
    sf::Text winText[2];       // those counts as shown in the rooms
};

struct ModeSelectRoom {
    Game* game = nullptr;
    SceneState targetState = SceneState::ModeSelect;
    bool armed = false;
};

struct MapSelectRoom {
    Game* game = nullptr;
    SceneState targetState = SceneState::MapSelect;
    bool armed = false;
};

// Construction of the main hub: its map (and, later, doors, prompts and texts).
void initMainHub(MainHub& hub, Game& game);

// Reads the hub map. A missing file prints "Error loading map" and leaves an
// all-zero (all solid) grid; a short or garbled file fills the cells it can
// and leaves the rest at 0.
void loadHubMap(MainHub& hub, const std::string& path);

// The top of the floor under x: the y of the first empty cell, from the top
// of that column, that stands on a non-empty one. -1 when x is outside the map
// or the column has no such cell.
float hubFloorY(const MainHub& hub, float x);

// Puts a player on the hub floor under its x (x unchanged). A column without
// floor leaves the player where it is.
void dropOntoHubFloor(Game& game, Player& player);

// Puts P1 and P2 at their hub start places and drops both onto the floor.
void placeAtHubStart(Game& game);

// The hub's solid tiles; also the hub reset of the match reset and of the way
// back from the victory screen.
void rebuildHubCollision(MainHub& hub);

// The room updates: which player stands in front of which door.
void updatePrompts(MainHub& hub);
void updatePrompts(ModeSelectRoom& room);
void updatePrompts(MapSelectRoom& room);

// The room actions, run by the confirm key or button.
void enterDoor(MainHub& hub);
void enterDoor(ModeSelectRoom& room);
void enterDoor(MapSelectRoom& room);

// Key event in the main hub: confirm and the fighter choice keys.
void hubKeys(MainHub& hub);
// Joystick event in the main hub, after the scene machine's Start test.
void hubButtons(MainHub& hub, const sf::Event& event);
// Joystick event in the mode and map rooms.
void roomButtons(ModeSelectRoom& room, const sf::Event& event);
void roomButtons(MapSelectRoom& room, const sf::Event& event);

// The fighter choice: a key held during a key event, or the direction pad.
void cycleFighterByKey(Game& game, sf::Keyboard::Key key, Player& player);
void cycleFighterByPad(Game& game);

// Whether P1 stands in front of the caa door of the mode room (the arrival
// of that room places the fighters for the fight then).
bool atCaaDoor(const Game& game);
