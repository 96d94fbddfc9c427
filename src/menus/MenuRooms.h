#pragma once

#include "app/SceneState.h"
#include "level/TileMap.h"
#include "menus/Doors.h"
#include "menus/HubHints.h"

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Vertex.hpp>
#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Event.hpp>

#include <optional>
#include <string>
#include <vector>

struct Game;
struct Player;

// The hub map is 60 columns by 20 rows of 64 px tiles; -1 is an empty cell.
constexpr int hubColumns = 60;

// Where the title and the room doors put the fighters before they drop onto the floor.
const sf::Vector2f hubStartP1{400.f, 320.f};  // px
const sf::Vector2f hubStartP2{450.f, 320.f};  // px

// What the three walkable menu rooms share: their doors and the switch the
// chosen door asked for. All three use the main hub's map and prompts.
struct MenuRoom {
    Game* game = nullptr;
    std::vector<Door> doors;  // in the order they are tested
    bool everyDoor = false;   // the confirm runs every door a player stands at, not just the first
    SceneState targetState = SceneState::Title;
    bool armed = false;  // the curtain was seen darkening for this room's switch
    std::optional<DoorKind> fightAtBlack;  // the fight door taken, set up once the curtain is black
};

struct MainHub : MenuRoom {
    bool promptShown[2] = {false, false};  // the player stands in front of some door
    sf::Sprite prompts[2];                 // "press the key" over that door
    int winCount[2] = {0, 0};  // classic wins of P1 and P2
    sf::Text separatorText;    // " - " between the two counts
    sf::Text winText[2];       // those counts as shown in the rooms and on the result screen
    int shownWinCount[2] = {-1, -1};  // the counts the texts were last set to
    Section grid = Section(hubColumns, TileColumn{});  // [column][row] tile codes, all 0 until read
    std::vector<sf::Vertex> mapPicture;  // quads of the grid's tiles, drawn in one batch
    HubHints hints;          // the keys over the fighters for a newcomer
    bool quitAsked = false;  // the Quit door was confirmed once: a second confirm there quits
};

struct ModeSelectRoom : MenuRoom {};
struct MapSelectRoom : MenuRoom {};

// Construction of the rooms: the hub map, its collision and picture, the
// doors, the prompts and the score texts.
void initMainHub(MainHub& hub, Game& game);
void initModeSelectRoom(ModeSelectRoom& room, Game& game);
void initMapSelectRoom(MapSelectRoom& room, Game& game);

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

// While the curtain darkens towards a room's switch, the rooms take no
// confirms, fighter changes, pauses or fighter input.
bool roomCurtainFalling(const Game& game);

// Key event in a room: Enter confirms, Tab (P1) and keypad Add (P2) cycle the
// fighters. The pause on Escape is the scene machine's.
void hubKeys(MainHub& hub);
void roomKeys(MenuRoom& room);
// Joystick event in the main hub (after the scene machine's Start test) and
// in the mode and map rooms: button 3 of a mark holder's pad confirms, the
// direction pad cycles the fighters.
void hubButtons(MainHub& hub, const sf::Event& event);
void roomButtons(MenuRoom& room, const sf::Event& event);

// The doors, the hub map, the prompts and the score of a room, on the tile
// layer in the camera's view.
void drawRoomDoorsMapAndScore(Game& game, SceneState room);
// The score over the result screen, centred at `place` of `target`'s view.
void drawVictoryScore(Game& game, sf::RenderTarget& target, sf::Vector2f place);
