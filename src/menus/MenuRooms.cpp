#include "menus/MenuRooms.h"

#include "app/Game.h"
#include "app/PlayerHooks.h"
#include "resources/Paths.h"

#include <iostream>
#include <sstream>

namespace {

const char* const hubMapPath = "Assets/Map/Menu/MainMenuMap.txt";

}  // namespace

void initMainHub(MainHub& hub, Game& game)
{
    hub.game = &game;
    loadHubMap(hub, hubMapPath);
    rebuildHubCollision(hub);
}

void loadHubMap(MainHub& hub, const std::string& path)
{
    std::string text;
    if (!readWholeFile(path, text)) {
        std::cout << "Error loading map" << std::endl;
        return;
    }
    std::istringstream in(text);
    for (int row = 0; row < hubRows; ++row) {
        for (int column = 0; column < hubColumns; ++column) {
            int code = 0;
            if (!(in >> code))
                return;
            hub.grid[column][row] = code;
        }
    }
}

float hubFloorY(const MainHub& hub, float x)
{
    if (!(x >= 0.f && x < hubColumns * hubTileSize))
        return -1.f;
    const auto& column = hub.grid[static_cast<int>(x / hubTileSize)];
    for (int row = 0; row + 1 < hubRows; ++row) {
        if (column[row] == -1 && column[row + 1] != -1)
            return static_cast<float>(row) * hubTileSize;
    }
    return -1.f;
}

void dropOntoHubFloor(Game& game, Player& player)
{
    const sf::Vector2f at = playerPosition(player);
    const float floorY = hubFloorY(game.mainHub, at.x);
    if (floorY >= 0.f)
        placePlayer(player, sf::Vector2f(at.x, floorY));
}

void placeAtHubStart(Game& game)
{
    placePlayer(game.players[0], hubStartP1);
    placePlayer(game.players[1], hubStartP2);
    dropOntoHubFloor(game, game.players[0]);
    dropOntoHubFloor(game, game.players[1]);
}

// Placeholders until the menu rooms are written.
void rebuildHubCollision(MainHub&) {}
void updatePrompts(MainHub&) {}
void updatePrompts(ModeSelectRoom&) {}
void updatePrompts(MapSelectRoom&) {}
void enterDoor(MainHub&) {}
void enterDoor(ModeSelectRoom&) {}
void enterDoor(MapSelectRoom&) {}
void hubKeys(MainHub&) {}
void hubButtons(MainHub&, const sf::Event&) {}
void roomButtons(ModeSelectRoom&, const sf::Event&) {}
void roomButtons(MapSelectRoom&, const sf::Event&) {}
void cycleFighterByKey(Game&, sf::Keyboard::Key, Player&) {}
void cycleFighterByPad(Game&) {}
bool atCaaDoor(const Game&) { return false; }
